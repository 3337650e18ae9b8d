// The summary of the logged-in device: the view owns it, the information
// page fills it and the information lists show it.
#pragma once

#include <cstdint>

struct CAMERA_INFO {
    char szModel[16];
    char szVersion1[32]; // hardware version
    char szVersion2[32]; // software version
    char szSerial[24];
    uint32_t dwIpAddress; // first octet most significant
    uint8_t byMac[6];
    char szInfo[32]; // description
    uint8_t bAddressText; // show szAddress instead of the dotted address
    char szAddress[24];
    int32_t nDeviceTime; // seconds since 1970, daylight-saving shift added
    int32_t nGmtOffset; // seconds east of UTC
    uint8_t bDaylightSaving;
    uint8_t byUserShown[4];
    char szUserName[4][16];
    // Camera families: places 0 to 4 for channels 1 to 5; recorders 1 to 16.
    uint8_t byChannelEnabled[17];
    uint32_t dwHdd;
    uint8_t bSecurity;
};
