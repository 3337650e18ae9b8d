// Blocks of the device's address filter and frame encryption key.
#pragma once

#include "link/ConfigBlock.h"

#include <cstdint>

// 0x1501 / 0x0502.
struct CFG_SECURITY {
    uint32_t dwFlags; // 0x80 filtering on, 0x40 allow policy
    char szKey[32];
    uint32_t dwReserved;
    struct Range {
        uint32_t dwEnabled;
        uint32_t dwStart;
        uint32_t dwEnd;
    } ranges[10];
};

constexpr ConfigGet<CFG_SECURITY> GET_SECURITY { 0x0501, CONFIG_CRED_SIZE };
