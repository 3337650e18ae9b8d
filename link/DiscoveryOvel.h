// The discovery exchange's constants and the record of one device that
// answered it, as the device tree, the add-device dialogs and the explorer
// library keep and compare it. Plain types only, so that a host of the
// explorer library can include it.
#pragma once

#include <cstddef>
#include <cstdint>

constexpr uint16_t DISCOVERY_PORT = 8404;
constexpr uint16_t CMD_DISCOVER = 0x0101;
constexpr uint16_t CMD_CHANGE_NETWORK = 0x0102;
constexpr uint16_t RES_DISCOVER = 0x1101;
constexpr uint16_t RES_DISCOVER_EX = 0x1111; // with the configuration port
constexpr uint16_t RES_CHANGE_NETWORK = 0x1102;
constexpr uint32_t DISCOVERY_MAGIC = 0x58524F47;

struct RES_DISCOVER_OVEL {
    char model[16];
    char version1[32];
    char version2[32]; // firmware, dotted numbers, major first
    char serial[24];
    uint32_t ipAddress; // the reply's source address, first octet most significant
    uint8_t mac[6];
    char title[32];
    uint8_t reserved[2];
    uint32_t port; // configuration port of a 0x1111 reply, else 0
};
static_assert(sizeof(RES_DISCOVER_OVEL) == 152);
static_assert(offsetof(RES_DISCOVER_OVEL, version2) == 48);
static_assert(offsetof(RES_DISCOVER_OVEL, serial) == 80);
static_assert(offsetof(RES_DISCOVER_OVEL, ipAddress) == 104);
static_assert(offsetof(RES_DISCOVER_OVEL, mac) == 108);
static_assert(offsetof(RES_DISCOVER_OVEL, title) == 114);
static_assert(offsetof(RES_DISCOVER_OVEL, port) == 148);

// Devices with firmware major number 3 or later are not shown: true when
// the major number (leading digits, modulo 256) of the 32-byte field is 3
// or more. An empty text is not too new.
bool IsFirmwareTooNew(const char* version2);
