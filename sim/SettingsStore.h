// The settings a simulated device keeps, with its own reading of each
// command: a get answers the stored reply body, a set stores its body.
// Bodies are kept as wire bytes, so the store never shares a record layout
// with the client.
#pragma once

#include "sim/DeviceProfile.h"

#include <cstdint>
#include <map>
#include <mutex>
#include <string>
#include <utility>
#include <vector>

namespace sim
{

using Bytes = std::vector<uint8_t>;

struct SimReply {
    uint16_t status = 0;
    Bytes body;
};

class SettingsStore
{
public:
    explicit SettingsStore(const DeviceProfile& profile);

    // Answers a request whose credentials were accepted; `params` are the
    // bytes after the credential block. False for a command it does not know.
    bool Answer(uint16_t command, const Bytes& params, SimReply* reply);

    // The reply body a get command gives for a key (its first parameter).
    Bytes Stored(uint16_t getCommand, uint32_t key = 0) const;
    void Store(uint16_t getCommand, uint32_t key, Bytes body);

    const DeviceProfile& Profile() const { return m_profile; }
    std::string AdminPassword() const;
    void SetAdminPassword(const std::string& password);

    // Discovery reply bodies (0x1101, 0x1111) and the device information.
    Bytes DiscoveryBody(bool withPort) const;
    Bytes DeviceInfoBody() const;

private:
    void Seed();
    void TakeAdminPassword(uint16_t command, const Bytes& params);

    DeviceProfile m_profile;
    mutable std::mutex m_lock;
    std::map<std::pair<uint16_t, uint32_t>, Bytes> m_values;
    std::map<std::pair<uint16_t, uint16_t>, Bytes> m_params; // 0x0B06 groups and items
    std::string m_password;
};

} // namespace sim
