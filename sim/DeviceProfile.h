// The identity of a simulated device: what it reports in its device
// information and discovery replies.
#pragma once

#include "sim/DeviceClock.h"

#include <cstdint>
#include <string>

namespace sim
{

struct DeviceProfile {
    uint32_t family = 0; // device family 0 to 4
    std::string model;
    std::string version1; // hardware version
    std::string version2; // firmware version
    std::string serial;
    uint8_t mac[6] = {};
    std::string title;
    int recorderClass = -1; // 0 to 4 for a recorder, -1 otherwise
    uint16_t revision = 0; // appended to the device information when not 0
    uint32_t address = 0x7F000001; // first octet most significant
    uint32_t configPort = 8405;
    std::string password = "admin"; // the admin password the device starts with
    uint32_t zone = 26; // index into the zone table: (GMT+01:00) Amsterdam, Berlin, ...
    int32_t zoneOffset = 3600; // that zone's offset from UTC, seconds
    ClockSource clock; // empty: the host's clock
    // After an accepted reboot request the device answers nothing, discovery
    // included, for this long; negative: it never comes back.
    int rebootMs = 0;
    // Cameras: the video sources that are on, bit i for source i (source 0
    // the internal camera of channel 1, source 1 its external input, sources
    // 2 to 4 channels 2 to 4).
    uint8_t sourcesOn = 0;
    // Recorders: local and network cameras; the last `camerasOff` are off.
    int analogCameras = 0;
    int networkCameras = 0;
    int camerasOff = 0;
    // Disks: how long a format takes, and whether it fails (the device then
    // answers "Internal error!" and its disk stays as it was).
    int formatMs = 3000;
    bool formatFails = false;
};

// A realistic device of the given family (0 to 4); a DVR of the given
// recorder class for family 4.
DeviceProfile MakeProfile(uint32_t family, int recorderClass = 2);

} // namespace sim
