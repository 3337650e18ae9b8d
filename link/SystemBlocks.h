// Blocks of a recorder's system group: its miscellaneous items and its
// system log.
#pragma once

#include "link/ConfigBlock.h"

#include <cstdint>

// 0x0310 asks for one item; 0x1310 answers and 0x0311 writes it with its
// values (the items the program uses carry one).
struct CFG_MISC_ITEM_INDEX {
    uint8_t item;
};
struct CFG_MISC_ITEM {
    uint8_t item;
    uint32_t count; // values that follow; 0 when the device lacks the item
    uint8_t value;
};

// 0x1E07 as a recorder's log (CFG_STREAM_LIST): per record the time in
// seconds since 1970 (UTC, `id`), two words the log does not use, and the
// event word (`f`), whose code is its value shifted right by 8.
constexpr ConfigGet<CFG_STREAM_LIST> GET_SYSTEM_LOG { 0x0E07, CONFIG_CRED_SIZE };
constexpr ConfigBlock<CFG_MISC_ITEM_INDEX, CFG_MISC_ITEM> GET_MISC_ITEM { 0x0310, CONFIG_CRED_SIZE + 1 };
constexpr ConfigSet<CFG_MISC_ITEM> SET_MISC_ITEM { 0x0311, CONFIG_CRED_SIZE + 6 };

// 0x1338 / 0x0339: contact modes of the alarm inputs and relay outputs
// (1 normally open, 2 normally closed) and the relay dwell time's index.
struct tagRelaySetting {
    uint8_t byInputModes[16];
    uint8_t byInputReserved[16]; // carried through
    uint8_t byOutputModes[16];
    uint8_t byOutputReserved[16]; // carried through
    uint8_t byDwell;
};
static_assert(sizeof(tagRelaySetting) == 65);

constexpr ConfigGet<tagRelaySetting> GET_RELAY_DWELL { 0x0338, CONFIG_CRED_SIZE };
constexpr ConfigSet<tagRelaySetting> SET_RELAY_DWELL { 0x0339, CONFIG_CRED_SIZE + 65 };
