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

// 0x1305 / 0x0306: DHCP (1 on, 0 off).
struct CFG_DHCP {
    uint32_t dwFlag;
};

// 0x0304: the xDSL (PPPoE) flag and account.
struct CFG_XDSL_ACCOUNT {
    uint32_t dwFlag;
    char szUser[128];
    char szPassword[128];
};
// 0x1303: the account and the status text of the link.
struct CFG_XDSL_STATE {
    uint32_t dwFlag;
    char szUser[128];
    char szPassword[128];
    char szStatus[128];
};

constexpr ConfigGet<CFG_IP_CONFIG> GET_IP_CONFIG { 0x0301, CONFIG_CRED_SIZE };
// The settings without and with the connectivity page's flag byte.
constexpr ConfigSet<CFG_IP_CONFIG> SET_IP_CONFIG { 0x0302, CONFIG_CRED_SIZE + 112 };
constexpr ConfigSet<CFG_IP_CONFIG> SET_IP_CONFIG_EX { 0x0302, CONFIG_CRED_SIZE + 113 };
constexpr ConfigGet<CFG_XDSL_STATE> GET_XDSL_ACCOUNT { 0x0303, CONFIG_CRED_SIZE };
constexpr ConfigSet<CFG_XDSL_ACCOUNT> SET_XDSL_ACCOUNT { 0x0304, CONFIG_CRED_SIZE + 260 };
constexpr ConfigGet<CFG_DHCP> GET_DHCP { 0x0305, CONFIG_CRED_SIZE };
constexpr ConfigSet<CFG_DHCP> SET_DHCP { 0x0306, CONFIG_CRED_SIZE + 4 };
constexpr ConfigSet<CFG_NETWORK_PORTS> SET_NETWORK_PORTS { 0x030D, CONFIG_CRED_SIZE + 12 };
constexpr ConfigGet<CFG_NETWORK_PORTS> GET_NETWORK_PORTS { 0x030C, CONFIG_CRED_SIZE };
constexpr ConfigGet<CFG_PORT_PAIR> GET_SERVER_PORTS { 0x0A01, CONFIG_CRED_SIZE };
constexpr ConfigSet<CFG_PORT_PAIR> SET_SERVER_PORTS { 0x0A02, CONFIG_CRED_SIZE + 8 };
constexpr ConfigGet<CFG_PORT_PAIR> GET_ALT_PORT { 0x0A03, CONFIG_CRED_SIZE };
constexpr ConfigSet<CFG_PORT_PAIR> SET_ALT_PORT { 0x0A04, CONFIG_CRED_SIZE + 8 };
