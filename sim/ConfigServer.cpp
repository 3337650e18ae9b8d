#include "sim/ConfigServer.h"

#include "sim/FaultyReply.h"
#include "sim/WireBody.h"

#include "link/ByteOrder.h"
#include "link/Md4.h"

#include <chrono>
#include <cstring>
#include <netinet/in.h>
#include <netinet/tcp.h>
#include <sys/socket.h>

namespace sim
{

namespace
{

constexpr uint16_t kDiscovery = 0x0101;
constexpr uint16_t kReboot = 0x0103;
constexpr uint16_t kAuthorizationFailed = 0xF301;
constexpr size_t kHeader = 8, kCredentials = 32;
constexpr size_t kLargestRequest = 65536;

} // namespace

ConfigServer::ConfigServer(const DeviceProfile& profile)
    : m_store(profile)
{
    InitNetByteOrder();
}

ConfigServer::~ConfigServer()
{
    Stop();
}

void ConfigServer::SetFault(uint16_t command, const Fault& fault)
{
    std::lock_guard<std::mutex> guard(m_lock);
    m_faults[command] = fault;
}

void ConfigServer::ClearFaults()
{
    std::lock_guard<std::mutex> guard(m_lock);
    m_faults.clear();
}

std::vector<Exchange> ConfigServer::Log() const
{
    std::lock_guard<std::mutex> guard(m_lock);
    return m_log;
}

void ConfigServer::ClearLog()
{
    std::lock_guard<std::mutex> guard(m_lock);
    m_log.clear();
}

Bytes ConfigServer::Reply(const uint8_t* request, size_t size, Exchange* ex)
{
    WireReader in(request, size);
    ex->command = in.U16();
    ex->secondWord = in.U16();
    ex->length = in.U32();
    uint16_t replyId = static_cast<uint16_t>(ex->command + 0x1000);
    SimReply reply;
    if (ex->command == kDiscovery) {
        ex->authorized = true;
        reply.body = m_store.DiscoveryBody(false);
    } else if (ex->length < kCredentials) {
        reply.status = kAuthorizationFailed;
    } else {
        uint8_t user[16], password[16], expectUser[16], expectPassword[16];
        in.Bytes(user, 16);
        in.Bytes(password, 16);
        DigestText("admin", expectUser);
        DigestText(m_store.AdminPassword(), expectPassword);
        ex->params.assign(request + kHeader + kCredentials, request + size);
        ex->authorized
            = std::memcmp(user, expectUser, 16) == 0 && std::memcmp(password, expectPassword, 16) == 0;
        if (!ex->authorized)
            reply.status = kAuthorizationFailed;
        else if (!m_store.Answer(ex->command, ex->params, &reply))
            reply.status = kInvalidValue;
    }
    ex->status = reply.status;
    Bytes out = MessageHeader(replyId, reply.status, static_cast<uint32_t>(reply.body.size()));
    out.insert(out.end(), reply.body.begin(), reply.body.end());
    ex->replyBytes = out.size();
    return out;
}

void ConfigServer::Serve(int fd)
{
    // A restarting device takes no connection's request.
    if (m_store.Rebooting())
        return;
    uint8_t head[kHeader];
    if (!ReadFull(fd, head, sizeof head, StopFd()))
        return;
    WireReader h(head, sizeof head);
    h.Skip(4);
    uint32_t length = h.U32();
    if (length > kLargestRequest)
        return;
    Bytes request(head, head + kHeader);
    request.resize(kHeader + length);
    if (!ReadFull(fd, request.data() + kHeader, length, StopFd()))
        return;

    Exchange ex;
    Bytes reply = Reply(request.data(), request.size(), &ex);
    // A device that moved listens at its new place before its answer leaves,
    // so that the client's next request finds it there.
    FollowMoves();
    Fault fault;
    bool faulty = false;
    {
        std::lock_guard<std::mutex> guard(m_lock);
        auto it = m_faults.find(ex.command);
        if (it != m_faults.end()) {
            fault = it->second;
            faulty = true;
        }
    }
    if (faulty && fault.answerAs >= 0) {
        // A confused device: the reply of another command, code and all.
        Bytes other = request;
        uint32_t o = 0;
        NetPutU16(other.data(), &o, static_cast<uint16_t>(fault.answerAs));
        Exchange ignored;
        reply = Reply(other.data(), other.size(), &ignored);
        ex.status = ignored.status;
    }
    if (faulty) {
        // A refusal keeps the request's reply code.
        if (fault.status)
            reply = MessageHeader(static_cast<uint16_t>(ex.command + 0x1000), fault.status, 0);
        reply = FaultedReply(std::move(reply), fault);
        ex.status = fault.status ? fault.status : ex.status;
    }
    ex.replyBytes = reply.size();
    {
        std::lock_guard<std::mutex> guard(m_lock);
        m_log.push_back(ex);
    }
    // An accepted reboot: from its answer on the device is away.
    if (ex.command == kReboot && ex.status == 0 && !faulty)
        m_store.StartReboot();
    switch (SendFaulted(fd, reply, faulty ? fault : Fault(), StopFd())) {
    case FaultSend::Closed:
        return;
    case FaultSend::Silent: {
        // Hold the connection until the client gives up.
        uint8_t sink[256];
        while (WaitReadable(fd, StopFd()) && recv(fd, sink, sizeof sink, 0) > 0) { }
        return;
    }
    case FaultSend::Sent:
        break;
    }
    // Let the client read everything before the close.
    shutdown(fd, SHUT_WR);
    uint8_t sink[64];
    while (WaitReadable(fd, StopFd(), 2000) && recv(fd, sink, sizeof sink, 0) > 0) { }
}

void ConfigServer::FollowMoves()
{
    if (!m_normalPort)
        m_normalPort = Port();
    const unsigned moves = m_store.Moves();
    if (moves == m_movesSeen)
        return;
    m_movesSeen = moves;
    const SettingsStore::Endpoint at = m_store.Listening();
    const uint32_t a = at.address;
    const std::string address = std::to_string(a >> 24) + "." + std::to_string((a >> 16) & 0xFF) + "."
        + std::to_string((a >> 8) & 0xFF) + "." + std::to_string(a & 0xFF);
    const uint16_t port
        = at.firewallPort && at.firewallPort <= 0xFFFF ? uint16_t(at.firewallPort) : m_normalPort;
    // An address this machine does not have leaves the device where it was.
    if (address != Address() || port != Port())
        Rebind(address, port);
}

} // namespace sim
