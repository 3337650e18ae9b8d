// The record of one device that answered discovery, as the device tree and
// the add-device dialogs keep and compare it.
#pragma once

#include "link/ConfigRecords.h"

#include <cstddef>
#include <cstdint>

constexpr uint16_t DISCOVERY_PORT = 8404;
constexpr uint16_t CMD_DISCOVER = 0x0101;
constexpr uint16_t CMD_CHANGE_NETWORK = 0x0102;
constexpr uint16_t RES_DISCOVER = 0x1101;
constexpr uint16_t RES_DISCOVER_EX = 0x1111; // with the configuration port
constexpr uint16_t RES_CHANGE_NETWORK = 0x1102;
constexpr uint32_t DISCOVERY_MAGIC = 0x58524F47;
// Status of a change reply whose credentials the device refused.
constexpr uint16_t STATUS_AUTH_FAILED = 62209;

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
static_assert(offsetof(RES_DISCOVER_OVEL, ipAddress) == 104);
static_assert(offsetof(RES_DISCOVER_OVEL, title) == 114);
static_assert(offsetof(RES_DISCOVER_OVEL, port) == 148);

// Fills `record` (zeroed first) from a decoded 0x1101 or 0x1111 reply and
// the address the datagram came from; false for any other reply.
bool MakeDiscoveryRecord(const ConfigReply& reply, uint32_t sourceAddress, RES_DISCOVER_OVEL* record);

// Devices with firmware major number 3 or later are not shown by this
// program: true when the major number (leading digits, modulo 256) is 3 or more.
bool IsFirmwareTooNew(const char* version2);
