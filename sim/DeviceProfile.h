// The identity of a simulated device: what it reports in its device
// information and discovery replies.
#pragma once

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
};

// A realistic device of the given family (0 to 4); a DVR of the given
// recorder class for family 4.
DeviceProfile MakeProfile(uint32_t family, int recorderClass = 2);

} // namespace sim
