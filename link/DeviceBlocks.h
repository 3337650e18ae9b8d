// Blocks of the device's identity: what it reports about itself at login
// and on the information page, and the description line that page writes.
#pragma once

#include "link/ConfigBlock.h"

#include <cstdint>

// 0x1104: device information.
struct CFG_DEVICE_INFO {
    uint32_t dwDeviceTime;
    char szModel[16];
    char szVersion1[32]; // hardware
    char szVersion2[32]; // firmware
    char szSerial[24];
    uint32_t dwIpAddress;
    uint8_t byMac[6];
    uint8_t byReserved[2];
    char szTitle[32];
    uint16_t wRevision; // only in a 154-byte reply
};

// 0x0106: the description, 31 characters and a terminator.
struct CFG_DESCRIPTION {
    char szText[32];
};

constexpr ConfigGet<CFG_DEVICE_INFO> GET_DEVICE_INFO { 0x0104, CONFIG_CRED_SIZE };
constexpr ConfigSet<CFG_DESCRIPTION> SET_DESCRIPTION { 0x0106, CONFIG_CRED_SIZE + 32 };
