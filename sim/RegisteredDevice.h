// One device as a simulated registration server knows it, shared by the
// server's FTP and UDP roles, and the 580-byte record both send of it.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace sim
{

constexpr size_t kRegisteredRecordSize = 580;

struct RegisteredDevice {
    std::string login; // the list login it is listed under (UDP role)
    std::string name; // registration name (68-byte field)
    std::string model; // 16
    std::string text128;
    std::string text256;
    std::string key32; // a query key, e.g. the serial number
    std::string mac; // "00:1b:9e:..."
    std::string address; // dotted
    uint32_t numbers[4] = {};
    std::string text16;
};

// A realistic device; `index` makes its name, MAC and address unique.
RegisteredDevice MakeRegisteredDevice(const std::string& login, int index);

// The record in wire order (host byte order), not yet scrambled.
std::vector<uint8_t> EncodeRegisteredDevice(const RegisteredDevice& device);

} // namespace sim
