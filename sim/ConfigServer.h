// The configuration server of a simulated device: one request and one reply
// per TCP connection, with fault injection per command and a log of every
// exchange for tests to assert on.
#pragma once

#include "sim/SettingsStore.h"
#include "sim/SimSocket.h"

#include <atomic>
#include <map>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

namespace sim
{

struct Fault {
    uint16_t status = 0; // answer with this status and no body
    std::vector<size_t> pieces; // send the reply in pieces of these sizes, then the rest
    int64_t announcedLength = -1; // put this into the header's length field
    bool closeWithoutReply = false;
    int delayMs = 0;
    bool silence = false; // read the request, never answer
};

struct Exchange {
    uint16_t command = 0;
    uint16_t secondWord = 0;
    uint32_t length = 0;
    Bytes params; // after the credential block
    bool authorized = false;
    uint16_t status = 0;
    size_t replyBytes = 0; // header included
};

class ConfigServer
{
public:
    explicit ConfigServer(const DeviceProfile& profile);
    ~ConfigServer();
    ConfigServer(const ConfigServer&) = delete;
    ConfigServer& operator=(const ConfigServer&) = delete;

    // Listens on address:port (127.0.0.x in tests; port 0 picks one).
    bool Start(const std::string& address, uint16_t port);
    void Stop();
    uint16_t Port() const { return m_port; }
    const std::string& Address() const { return m_address; }

    SettingsStore& Store() { return m_store; }
    void SetFault(uint16_t command, const Fault& fault);
    void ClearFaults();
    std::vector<Exchange> Log() const;
    void ClearLog();

    // Builds the reply bytes of one request message (header included), as
    // the device would send them without faults. Exposed for benchmarks.
    Bytes Reply(const uint8_t* request, size_t size, Exchange* exchange);

private:
    void Run();
    void Serve(int fd);

    SettingsStore m_store;
    StopSignal m_stop;
    std::thread m_thread;
    int m_listen = -1;
    uint16_t m_port = 0;
    std::string m_address;
    mutable std::mutex m_lock;
    std::map<uint16_t, Fault> m_faults;
    std::vector<Exchange> m_log;
};

} // namespace sim
