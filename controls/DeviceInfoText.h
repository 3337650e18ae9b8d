// The value texts of the device information lists: one function per row kind,
// so that the lists only place texts and the rules stay testable alone.
#pragma once

#include "resources/setup/Resource.h"

#include <cstdint>
#include <string>

// An IPv4 number as the program prints every address: first octet first,
// from the most significant byte.
std::string InfoIpText(uint32_t address);
// "%02x:%02x:%02x:%02x:%02x:%02x" in stored order.
std::string InfoMacText(const uint8_t mac[6]);
// A fixed text field that need not end in a terminator.
std::string InfoFieldText(const char* field, size_t size);

// The clock row: "2006/03/07, 09:05:00, GMT+ 09:00" and ", DST" when set.
// `checkLocalTime` also rejects a negative time plus offset.
std::string InfoTimeText(int32_t deviceTime, int32_t gmtOffset, bool daylightSaving, bool checkLocalTime);

// The users row: the names whose present flag is set, joined by ", ".
std::string InfoUsersText(const uint8_t* present, const char (*names)[16], int slots);

// The channels row of the camera families: internal and external channel 1,
// then CH2 to CH4 (flags 0 to 4).
std::string InfoCameraChannelsText(const uint8_t flags[5], int family);
// The channels row of a device with `count` channels (flags 1 to count);
// family 4 prints bare numbers.
std::string InfoChannelsText(const uint8_t* flags, int count, int family);

// The disk row: status 128 no disk, 0 a disk that is enabled or disabled.
std::string InfoHddText(uint8_t status, uint8_t enabled);
std::string InfoAddressFilterText(uint8_t filtered);

// One stream content: "name : Video[type/resolution/a/b] Audio[type/rate]".
std::string InfoContentText(const std::string& name, const std::string& videoType,
    const std::string& resolution, int videoValue1, int videoValue2, const std::string& audioType,
    int audioBitRate);
