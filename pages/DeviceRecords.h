// Decoded reply records the information page reads beyond the session's
// own blocks, laid out as the codec fills a reply's fields.
#pragma once

#include "link/ByteOrder.h"
#include "link/ConfigBlocks.h"
#include "link/ConfigRecords.h"

#include <cstdint>
#include <cstring>

// 0x130C: playback, monitor and transparent port.
struct CFG_NETWORK_PORTS {
    uint32_t playback;
    uint32_t monitor;
    uint32_t transparent;
};

// 0x1110: clock, zone index and, in the fifth field, daylight saving.
struct CFG_DEVICE_CLOCK {
    int32_t deviceTime;
    uint32_t zoneIndex;
    uint32_t reserved[2];
    uint32_t daylightSaving;
};

// 0x1112: daylight-saving rule index per time zone.
struct CFG_ZONE_RULES {
    uint32_t count;
    uint8_t rule[74];
};

struct CFG_USER_ENTRY {
    uint8_t id[16];
    uint8_t password[16];
};

// 0x1201: rights, the five accounts (scrambled) and extra rights.
struct CFG_USER_LIST {
    uint8_t rights[5];
    CFG_USER_ENTRY users[5];
    uint8_t extraRights[5];
};

// 0x1203: the recorder's user table.
struct CFG_USER_TABLE {
    uint16_t rights[11];
    CFG_USER_ENTRY users[11];
    uint8_t channels[5][8];
};

// 0x1205: the newer recorder's accounts.
struct CFG_RECORDER_USER {
    CFG_USER_ENTRY user;
    uint16_t rights; // bit 15: shown
    uint16_t reserved;
    uint8_t channels[8];
};

// 0x1403: camera counts of a recorder.
struct CFG_CAMERA_COUNTS {
    uint8_t analogue;
    uint8_t network;
    uint8_t networkSetup;
};

// A reply's record as the structure that describes it; the record is large
// enough for every structure above.
template <class T> T ReplyFields(const ConfigReply& reply)
{
    static_assert(sizeof(T) <= sizeof(reply.body));
    T fields;
    std::memcpy(&fields, reply.body, sizeof fields);
    return fields;
}
