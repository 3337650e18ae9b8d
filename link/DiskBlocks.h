// Blocks of the device's disk.
#pragma once

#include "link/ConfigBlock.h"

#include <cstdint>

// 0x1801: disk information.
struct CFG_HDD_INFO {
    uint32_t dwStatus; // the information page shows this value
    uint32_t dwAutoDelete;
    uint32_t dwTotalKb;
    uint32_t dwFreeKb;
};

constexpr ConfigGet<CFG_HDD_INFO> GET_HDD_INFO { 0x0801, CONFIG_CRED_SIZE };
