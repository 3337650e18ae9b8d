// When a record of the tree file and a device are the same device.
//
// By serial numbers when both are non-empty, else by MAC addresses when both
// are set, else by address text (against a tree item) or IPv4 number
// (against a CAM_SERIAL_MAC_INFO).
#pragma once

#include "devtree/TreeFileRecords.h"

#include <cstdint>

// A remembered device: what a login or the last-device entry knows of it.
struct CAM_SERIAL_MAC_INFO {
    char szSerial[24];
    uint8_t byMac[6];
    uint32_t dwIpAddress; // first octet in the most significant byte
};

// The identity fields of a tree item.
struct TreeItemKey {
    char szSerial[24];
    uint8_t byMac[6];
    char szAddress[128];
};

// False when all six bytes are zero.
bool IsMacAddressSet(const uint8_t mac[6]);
// Serial numbers are compared over their whole 24-byte field, so they are
// copied whole too: a 24-character serial has no terminator.
void CopySerial(char (&dst)[24], const char (&src)[24]);
// A record against a header entry: serial numbers, then MACs; false when
// neither applies.
bool CompareCAM(const FileItemType& item, const LastCamInfo& lastCam);
// A record against a remembered device.
bool CompareDVR(const FileItemType& item, const CAM_SERIAL_MAC_INFO& key);
// A record (its key fields and address text) against a tree item.
bool CompareDVR(const FileItemType& item, const char* address, const TreeItemKey& key);
