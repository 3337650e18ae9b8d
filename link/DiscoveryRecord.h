// The record of one device that answered discovery, made from a reply of
// the configuration codec.
#pragma once

#include "link/ConfigRecords.h"
#include "link/DiscoveryOvel.h"

// Status of a change reply whose credentials the device refused.
constexpr uint16_t STATUS_AUTH_FAILED = 62209;

// Fills `record` (zeroed first) from a decoded 0x1101 or 0x1111 reply and
// the address the datagram came from; false for any other reply.
bool MakeDiscoveryRecord(const ConfigReply& reply, uint32_t sourceAddress, RES_DISCOVER_OVEL* record);
