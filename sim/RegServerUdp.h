// The UDP role of a simulated registration server (port 6839): the query
// for one device's current address and the paged device list of a login,
// with the record formats of the server and the faults tests need.
#pragma once

#include "sim/RegisteredDevice.h"
#include "sim/SimSocket.h"

#include <mutex>
#include <netinet/in.h>
#include <string>
#include <thread>
#include <vector>

namespace sim
{

constexpr uint16_t kRegServerUdpPort = 6839;

struct RegServerRequest {
    uint8_t kind = 0;
    uint32_t flags = 0;
    uint32_t sequence = 0; // word at byte 28
    uint32_t count = 0; // word at byte 32
    std::string name, key, macText;
};

class RegServerUdp
{
public:
    enum class Split {
        UnitPerDatagram, // header, then each record alone
        HeaderWithFirstRecord, // header and first record together, then one record each
    };

    RegServerUdp();
    ~RegServerUdp();
    RegServerUdp(const RegServerUdp&) = delete;
    RegServerUdp& operator=(const RegServerUdp&) = delete;

    bool Start(const std::string& address, uint16_t port = kRegServerUdpPort);
    void Stop();
    uint16_t Port() const { return m_port; }

    void AddDevice(const RegisteredDevice& device);
    void SetSplit(Split split);
    // Before the next page, send a header with a wrong sequence number.
    void SendStaleHeaderOnce();
    void SetSilent(bool silent);
    // The key byte the server scrambles its replies with (0 scrambles nothing).
    void SetKey(uint8_t key);

    std::vector<RegServerRequest> Requests() const;

    // Sends the device list of `login` unasked to address:port, page after
    // page (`pageSize` records each, the header announcing the total and
    // the page's first record), as to a client that asks for no pages. The
    // split and key settings apply. False when a datagram cannot be sent.
    bool PushList(
        const std::string& login, const std::string& address, uint16_t port, uint32_t pageSize = 100);

    // The wire form of the server's messages (its own encoder).
    static std::vector<uint8_t> Header(uint8_t key, uint32_t total, uint32_t sequence, uint32_t count);
    static std::vector<uint8_t> Record(uint8_t key, const RegisteredDevice& device);

private:
    void Run();
    void Serve();
    std::vector<std::vector<uint8_t>> Answer(const RegServerRequest& request);
    bool SendTo(const std::vector<std::vector<uint8_t>>& datagrams, const sockaddr_in& to);

    mutable std::mutex m_lock;
    std::vector<RegisteredDevice> m_devices;
    std::vector<RegServerRequest> m_requests;
    Split m_split = Split::UnitPerDatagram;
    bool m_staleOnce = false;
    bool m_silent = false;
    uint8_t m_key = 0x3C;
    int m_fd = -1;
    uint16_t m_port = 0;
    StopSignal m_stop;
    std::thread m_thread;
};

} // namespace sim
