// What a simulated device keeps between requests. The command groups seed it
// for a fresh device and read and write it while answering; the settings
// store holds its lock around every use.
#pragma once

#include "sim/DeviceClock.h"
#include "sim/DeviceProfile.h"
#include "sim/WireBody.h"

#include <cstdint>
#include <map>
#include <string>
#include <utility>

namespace sim
{

struct SimReply {
    uint16_t status = 0;
    Bytes body;
};

// The status a device gives a request it cannot take.
constexpr uint16_t kInvalidValue = 0xF309;

struct StoreState {
    explicit StoreState(const DeviceProfile& p)
        : profile(p)
        , password(p.password)
        , title(p.title)
    {
    }

    // The reply body a get gives for a key (its first parameter).
    Bytes& Value(uint16_t getCommand, uint32_t key = 0) { return values[{ getCommand, key }]; }

    DeviceProfile profile;
    std::string password; // of the administrator
    std::string title; // the description 0x0106 writes
    DeviceClock clock;
    std::map<std::pair<uint16_t, uint32_t>, Bytes> values;
    std::map<std::pair<uint16_t, uint16_t>, Bytes> params; // 0x0B06 records by group and key
};

} // namespace sim
