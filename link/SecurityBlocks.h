// Blocks of the device's address filter.
#pragma once

#include "link/ConfigBlock.h"

#include <cstdint>

// 0x1501 / 0x0502. The leading 36 bytes are written as zero and never shown.
struct CFG_SECURITY {
    uint32_t dwReserved;
    char szKey[32];
    uint32_t dwFlags; // 0x80 filtering on, 0x40 the ranges are allowed
    struct Range {
        uint32_t dwEnabled; // 1 on, 0 off
        uint32_t dwStart; // first octet most significant
        uint32_t dwEnd;
    } ranges[10];
};

constexpr ConfigGet<CFG_SECURITY> GET_SECURITY { 0x0501, CONFIG_CRED_SIZE };
constexpr ConfigSet<CFG_SECURITY> SET_SECURITY { 0x0502, CONFIG_CRED_SIZE + 160 };
