#include "sim/ConfigServer.h"

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
constexpr uint16_t kAuthorizationFailed = 0xF301;
constexpr size_t kHeader = 8, kCredentials = 32;
constexpr size_t kLargestRequest = 65536;

void Digest(const std::string& text, uint8_t out[16])
{
    uint8_t field[16] = {};
    std::memcpy(field, text.data(), std::min<size_t>(text.size(), 16));
    MD4Digest(field, sizeof field, out);
}

Bytes Header(uint16_t id, uint16_t status, uint32_t length)
{
    Bytes h(kHeader);
    uint32_t o = 0;
    NetPutU16(h.data(), &o, id);
    NetPutU16(h.data(), &o, status);
    NetPutU32(h.data(), &o, length);
    return h;
}

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
        Digest("admin", expectUser);
        Digest(m_store.AdminPassword(), expectPassword);
        ex->params.assign(request + kHeader + kCredentials, request + size);
        ex->authorized
            = std::memcmp(user, expectUser, 16) == 0 && std::memcmp(password, expectPassword, 16) == 0;
        if (!ex->authorized)
            reply.status = kAuthorizationFailed;
        else if (!m_store.Answer(ex->command, ex->params, &reply))
            reply.status = kInvalidValue;
    }
    ex->status = reply.status;
    Bytes out = Header(replyId, reply.status, static_cast<uint32_t>(reply.body.size()));
    out.insert(out.end(), reply.body.begin(), reply.body.end());
    ex->replyBytes = out.size();
    return out;
}

void ConfigServer::Serve(int fd)
{
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
    if (faulty && fault.status) {
        reply = Header(static_cast<uint16_t>(ex.command + 0x1000), fault.status, 0);
        ex.status = fault.status;
    }
    if (faulty && fault.announcedLength >= 0) {
        uint32_t o = 4;
        NetPutU32(reply.data(), &o, static_cast<uint32_t>(fault.announcedLength));
    }
    if (faulty && fault.cutAfter >= 0 && size_t(fault.cutAfter) < reply.size())
        reply.resize(size_t(fault.cutAfter));
    ex.replyBytes = reply.size();
    {
        std::lock_guard<std::mutex> guard(m_lock);
        m_log.push_back(ex);
    }
    if (faulty && fault.delayMs > 0)
        WaitReadable(StopFd(), -1, fault.delayMs);
    if (faulty && fault.closeWithoutReply)
        return;
    if (faulty && fault.silence) {
        // Hold the connection until the client gives up.
        uint8_t sink[256];
        while (WaitReadable(fd, StopFd()) && recv(fd, sink, sizeof sink, 0) > 0) { }
        return;
    }
    size_t sent = 0;
    if (faulty) {
        for (size_t piece : fault.pieces) {
            piece = std::min(piece, reply.size() - sent);
            if (!SendAll(fd, reply.data() + sent, piece))
                return;
            sent += piece;
            // Let each piece arrive on its own.
            std::this_thread::sleep_for(std::chrono::milliseconds(20));
        }
        // A slow line: byte by byte until the client gives up or the
        // server stops.
        for (; fault.trickleMs > 0 && sent < reply.size(); ++sent) {
            if (!SendAll(fd, reply.data() + sent, 1))
                return;
            if (WaitReadable(StopFd(), -1, fault.trickleMs))
                return;
        }
    }
    SendAll(fd, reply.data() + sent, reply.size() - sent);
    // Let the client read everything before the close.
    shutdown(fd, SHUT_WR);
    uint8_t sink[64];
    while (WaitReadable(fd, StopFd(), 2000) && recv(fd, sink, sizeof sink, 0) > 0) { }
}

} // namespace sim
