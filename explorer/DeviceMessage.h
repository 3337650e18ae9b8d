// The explorer's device messages: the discovery request, the address
// change, the two port queries and their replies. One encoder and one
// decoder; every integer is big-endian on the wire.
#pragma once

#include "link/DiscoveryOvel.h"

#include <cstddef>
#include <cstdint>

namespace morrik
{

constexpr uint16_t MSG_DISCOVER = CMD_DISCOVER; // 0x0101
constexpr uint16_t MSG_CHANGE_IP = CMD_CHANGE_NETWORK; // 0x0102
constexpr uint16_t MSG_PORT_PAIR = 0x0A01;
constexpr uint16_t MSG_EXTRA_PORT = 0x0A03;
constexpr uint16_t RES_PORT_PAIR = 0x1A01;
constexpr uint16_t RES_EXTRA_PORT = 0x1A03;

// Body lengths of the requests as their length word carries them.
constexpr uint32_t DISCOVER_LENGTH = 4;
constexpr uint32_t CHANGE_IP_LENGTH = 42;
constexpr uint32_t PORT_QUERY_LENGTH = 32;
// Body lengths of the replies.
constexpr uint32_t DISCOVER_REPLY_LENGTH = 146;
constexpr uint32_t DISCOVER_REPLY_EX_LENGTH = 150;
constexpr uint32_t PORT_REPLY_LENGTH = 8;

// A request as the caller fills it. The header is written as set (the
// encoder computes no length). 0x0102 carries user and password as they
// are; 0x0A01 and 0x0A03 carry the MD4 digests of the two fields, each a
// text of at most 15 characters.
struct DEVICE_REQUEST {
    uint16_t wCode;
    uint16_t wWord2; // 0 in every request the explorer sends
    uint32_t dwLength;
    char szUser[16];
    char szPassword[16];
    uint32_t dwNewAddress; // 0x0102: first octet most significant
    uint8_t byMac[6]; // 0x0102: the device to change
};

// A decoded reply: the header, then the discovery fields (0x1101, 0x1111)
// or the two values of a port reply (0x1A01: first and second value;
// 0x1A03: flag and port).
struct DEVICE_REPLY {
    uint16_t wCode;
    uint16_t wStatus; // 0 = success
    uint32_t dwLength; // as announced
    char model[16];
    char version1[32];
    char version2[32];
    char serial[24];
    uint32_t dwAddress; // as the device reports it
    uint32_t dwPort; // 0x1111 only; left as it was for 0x1101
    uint8_t mac[6];
    char text[32];
    uint32_t dwValue1;
    uint32_t dwValue2;
};

// Writes the request at buffer + *cursor (header and the body of its code)
// and advances *cursor. Gives the bytes written; 0 with *cursor unchanged
// and nothing written for an unknown code or when the message would not
// fit in `capacity` bytes.
size_t EncodeDeviceMessage(uint8_t* buffer, size_t capacity, uint32_t* cursor, const DEVICE_REQUEST& request);

// Reads one reply from the `size` bytes at buffer (from *cursor on) and
// advances *cursor. Gives the bytes read; 0 with *cursor unchanged for an
// unknown code, or when fewer bytes arrived than the header and the body of
// its code (nothing of the body is read then).
size_t DecodeDeviceMessage(const uint8_t* buffer, size_t size, uint32_t* cursor, DEVICE_REPLY* reply);

// The record of a decoded discovery reply that came from `sourceAddress`
// (the address inside the reply is not trusted); false for other replies.
bool MakeDiscoverRecord(const DEVICE_REPLY& reply, uint32_t sourceAddress, RES_DISCOVER_OVEL* record);

// True when the first dot-separated part of a version text, kept as a
// byte, is 3 or more ("259" is 3, "256.1" is 0, "" is 0): the explorer
// leaves such devices out, as Setup does.
inline bool IsVersion3OrLater(const char* text)
{
    return IsFirmwareTooNew(text);
}

} // namespace morrik
