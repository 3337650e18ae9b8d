// The discovery side of simulated devices: each device answers the
// discovery request 0x0101 on UDP port 8404 from its own address and port
// 8404, in either reply form, and takes the address-change request 0x0102.
// One responder serves any number of devices on one thread, so that a
// benchmark can run hundreds of them.
#pragma once

#include "sim/DeviceProfile.h"
#include "sim/SettingsStore.h"
#include "sim/SimSocket.h"

#include <functional>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

namespace sim
{

constexpr uint16_t kDiscoveryPort = 8404;

struct DiscoveryDevice {
    DeviceProfile profile; // address, MAC, texts, configuration port, password
    uint16_t replyCommand = 0x1111; // 0x1111 (with the port) or 0x1101
    bool silent = false; // reads requests, never answers
    uint16_t replyFromPort = kDiscoveryPort; // another port tests the client's filter
    size_t replyBytes = 0; // cut each reply to this many bytes (0: whole)
    int changeStatus = -1; // forced status of the 0x0102 reply (-1: check the credentials)
    // The settings of the device's configuration server, when it has one:
    // the description and administrator password as they are now, rather
    // than as the profile started them. Must outlive the responder.
    const SettingsStore* settings = nullptr;
};

struct DiscoveryExchange {
    size_t device = 0; // index of the device that took the request
    uint32_t from = 0; // sender address, first octet most significant
    uint16_t fromPort = 0;
    uint32_t to = 0; // destination address of the request
    std::vector<uint8_t> request; // the datagram as received
    uint16_t command = 0;
    uint16_t secondWord = 0;
    bool answered = false;
    uint16_t status = 0; // of a 0x1102 reply
};

class DiscoveryResponder
{
public:
    DiscoveryResponder();
    ~DiscoveryResponder();
    DiscoveryResponder(const DiscoveryResponder&) = delete;
    DiscoveryResponder& operator=(const DiscoveryResponder&) = delete;

    // Before Start: adds a device; gives its index.
    size_t AddDevice(const DiscoveryDevice& device);
    // Binds each device's address and one socket for the broadcasts of all
    // of them (port 8404 unless a test chooses another), and starts serving.
    bool Start(uint16_t port = kDiscoveryPort);
    void Stop();

    // Changes a device while it runs.
    void Update(size_t index, const std::function<void(DiscoveryDevice&)>& change);
    DiscoveryDevice Device(size_t index) const;
    size_t DeviceCount() const;
    std::vector<DiscoveryExchange> Log() const;
    void ClearLog();
    size_t RepliesSent() const;

    // The reply bytes a device sends to a discovery request (sim's own
    // encoding), before any cut.
    static std::vector<uint8_t> DiscoveryReply(const DiscoveryDevice& device);

private:
    struct Slot {
        DiscoveryDevice device;
        int fd = -1; // bound to the device's address and the port
        unsigned movesSeen = 0; // of its settings
        uint32_t normalConfigPort = 0; // its port outside firewall mode
    };
    void FollowMoves();
    void Run();
    void Serve(int fd, bool shared);
    void Handle(
        size_t index, const std::vector<uint8_t>& datagram, uint32_t from, uint16_t fromPort, uint32_t to);
    void Answer(Slot& slot, const std::vector<uint8_t>& reply, uint32_t to, uint16_t toPort);
    void ChangeAddress(Slot& slot, const std::vector<uint8_t>& datagram, uint32_t from, uint16_t fromPort,
        DiscoveryExchange* exchange);

    mutable std::mutex m_lock;
    std::vector<Slot> m_slots;
    std::vector<DiscoveryExchange> m_log;
    size_t m_replies = 0;
    int m_broadcastFd = -1; // the wildcard socket that takes broadcasts
    uint16_t m_port = kDiscoveryPort;
    StopSignal m_stop;
    std::thread m_thread;
};

// True when `to` is a broadcast address that reaches `device`: the limited
// broadcast or the device's own network's (/8 on loopback, else /24).
bool IsBroadcastFor(uint32_t to, uint32_t device);

} // namespace sim
