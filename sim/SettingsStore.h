// The settings a simulated device keeps, with its own reading of each
// command: a get answers the stored reply body, a set stores its body.
// Bodies are kept as wire bytes, so the store never shares a record layout
// with the client. The commands are answered by their groups (CommandGroup.h).
#pragma once

#include "sim/DeviceProfile.h"
#include "sim/StoreState.h"

#include <chrono>
#include <cstdint>
#include <mutex>
#include <string>

namespace sim
{

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
    // A record of the generic parameter request (0x0B06) as the device keeps
    // it: group 3 key p port p's settings, key 0xFFFF the device-name list;
    // group 4 key i audio input i; group 5 key 0 the text insertion record.
    Bytes StoredParameter(uint16_t group, uint16_t key) const;
    void StoreParameter(uint16_t group, uint16_t key, Bytes data);

    const DeviceProfile& Profile() const { return m_state.profile; }
    std::string AdminPassword() const;
    // The description, as the device information reports it.
    std::string Title() const;
    void SetAdminPassword(const std::string& password);

    // Where the device takes its connections: the address of its network
    // settings and, in firewall mode, the firewall port (0: the port it
    // started on). Moves() counts the accepted sets that changed it.
    struct Endpoint {
        uint32_t address = 0;
        uint32_t firewallPort = 0;
        bool operator==(const Endpoint&) const = default;
    };
    Endpoint Listening() const;
    unsigned Moves() const;
    // The device restarts after it answered a reboot request; meanwhile it
    // answers neither configuration requests nor discovery.
    void StartReboot();
    bool Rebooting() const;

    // Discovery reply bodies (0x1101, 0x1111) and the device information.
    Bytes DiscoveryBody(bool withPort) const;
    Bytes DeviceInfoBody() const;

private:
    void Seed();
    Endpoint ListeningLocked() const;

    mutable std::mutex m_lock;
    StoreState m_state;
    unsigned m_moves = 0;
    bool m_bRebooting = false;
    std::chrono::steady_clock::time_point m_rebootEnd {};
};

} // namespace sim
