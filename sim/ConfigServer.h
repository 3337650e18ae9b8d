// The configuration server of a simulated device: one request and one reply
// per TCP connection, with fault injection per command and a log of every
// exchange for tests to assert on.
#pragma once

#include "sim/SettingsStore.h"
#include "sim/TcpService.h"

#include <atomic>
#include <map>
#include <mutex>
#include <string>
#include <vector>

namespace sim
{

struct Fault {
    uint16_t status = 0; // answer with this status and no body
    std::vector<size_t> pieces {}; // send the reply in pieces of these sizes, then the rest
    int64_t announcedLength = -1; // put this into the header's length field
    bool closeWithoutReply = false;
    int delayMs = 0;
    bool silence = false; // read the request, never answer
    int32_t answerAs = -1; // answer as if this other command had been asked (its reply code and body)
    int64_t cutAfter = -1; // send only this many bytes of the reply, then close
    int trickleMs = 0; // send the reply one byte at a time, this far apart
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

class ConfigServer : public TcpService
{
public:
    explicit ConfigServer(const DeviceProfile& profile);
    ~ConfigServer() override;

    SettingsStore& Store() { return m_store; }
    void SetFault(uint16_t command, const Fault& fault);
    void ClearFaults();
    std::vector<Exchange> Log() const;
    void ClearLog();

    // Builds the reply bytes of one request message (header included), as
    // the device would send them without faults. Exposed for benchmarks.
    Bytes Reply(const uint8_t* request, size_t size, Exchange* exchange);

protected:
    void Serve(int fd) override;
    // After a set that moved the device: listen where it now is.
    void FollowMoves();

private:
    SettingsStore m_store;
    mutable std::mutex m_lock;
    std::map<uint16_t, Fault> m_faults;
    std::vector<Exchange> m_log;
    unsigned m_movesSeen = 0;
    uint16_t m_normalPort = 0; // where it listens outside firewall mode
};

} // namespace sim
