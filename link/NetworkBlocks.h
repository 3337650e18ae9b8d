// Blocks of the device's network settings and ports.
#pragma once

#include "link/ConfigBlock.h"

#include <cstdint>

// 0x1301 / 0x0302: network settings.
struct CFG_IP_CONFIG {
    uint32_t dwAddress;
    uint32_t dwMask;
    uint32_t dwBroadcast;
    uint32_t dwGateway;
    uint32_t dwDns[3];
    uint32_t dwInterval; // registration interval, seconds
    char szRegServer[64];
    char szGroupId[16];
    uint8_t byExtra; // sent when the length is 145
};

// 0x130C: playback, monitor and transparent port.
struct CFG_NETWORK_PORTS {
    uint32_t playback;
    uint32_t monitor;
    uint32_t transparent;
};

// 0x1A01 / 0x0A02 (streaming and HTTP port) and 0x1A03 / 0x0A04 (the
// additional port's flag, then the port).
struct CFG_PORT_PAIR {
    uint32_t dwFirst;
    uint32_t dwSecond;
};

constexpr ConfigGet<CFG_IP_CONFIG> GET_IP_CONFIG { 0x0301, CONFIG_CRED_SIZE };
constexpr ConfigGet<CFG_NETWORK_PORTS> GET_NETWORK_PORTS { 0x030C, CONFIG_CRED_SIZE };
constexpr ConfigGet<CFG_PORT_PAIR> GET_SERVER_PORTS { 0x0A01, CONFIG_CRED_SIZE };
constexpr ConfigSet<CFG_PORT_PAIR> SET_SERVER_PORTS { 0x0A02, CONFIG_CRED_SIZE + 8 };
constexpr ConfigGet<CFG_PORT_PAIR> GET_ALT_PORT { 0x0A03, CONFIG_CRED_SIZE };
constexpr ConfigSet<CFG_PORT_PAIR> SET_ALT_PORT { 0x0A04, CONFIG_CRED_SIZE + 8 };
