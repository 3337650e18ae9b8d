#include "sim/RegServerUdp.h"

#include "link/ByteOrder.h"

#include <arpa/inet.h>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <netinet/in.h>
#include <poll.h>
#include <sys/socket.h>
#include <unistd.h>

namespace sim
{

namespace
{

constexpr size_t kHeaderSize = 40;
constexpr size_t kRequestBodySize = 592;
constexpr uint32_t kFlagName = 0x01;
constexpr uint8_t kKindQuery = 32;

void Scramble(uint8_t* data, size_t size, uint8_t key, size_t keyOffset = SIZE_MAX)
{
    for (size_t i = 0; i < size; ++i) {
        if (i != keyOffset)
            data[i] ^= key;
    }
}

std::string GetText(WireReader& reader, size_t width)
{
    std::vector<char> text(width + 1, 0);
    reader.Text(text.data(), text.size(), width);
    return text.data();
}

} // namespace

RegServerUdp::RegServerUdp() = default;

RegServerUdp::~RegServerUdp()
{
    Stop();
}

bool RegServerUdp::Start(const std::string& address, uint16_t port)
{
    Stop();
    m_fd = socket(AF_INET, SOCK_DGRAM | SOCK_CLOEXEC | SOCK_NONBLOCK, 0);
    if (m_fd < 0)
        return false;
    int one = 1;
    setsockopt(m_fd, SOL_SOCKET, SO_REUSEADDR, &one, sizeof one);
    sockaddr_in sa {};
    sa.sin_family = AF_INET;
    sa.sin_port = htons(port);
    socklen_t len = sizeof sa;
    if (inet_pton(AF_INET, address.c_str(), &sa.sin_addr) != 1
        || bind(m_fd, reinterpret_cast<sockaddr*>(&sa), sizeof sa) != 0
        || getsockname(m_fd, reinterpret_cast<sockaddr*>(&sa), &len) != 0) {
        close(m_fd);
        m_fd = -1;
        return false;
    }
    m_port = ntohs(sa.sin_port);
    m_stop.Reset();
    m_thread = std::thread([this] { Run(); });
    return true;
}

void RegServerUdp::Stop()
{
    if (m_thread.joinable()) {
        m_stop.Raise();
        m_thread.join();
    }
    if (m_fd >= 0)
        close(m_fd);
    m_fd = -1;
}

void RegServerUdp::AddDevice(const RegisteredDevice& device)
{
    std::lock_guard lock(m_lock);
    m_devices.push_back(device);
}

void RegServerUdp::SetSplit(Split split)
{
    std::lock_guard lock(m_lock);
    m_split = split;
}

void RegServerUdp::SendStaleHeaderOnce()
{
    std::lock_guard lock(m_lock);
    m_staleOnce = true;
}

void RegServerUdp::SetSilent(bool silent)
{
    std::lock_guard lock(m_lock);
    m_silent = silent;
}

void RegServerUdp::SetKey(uint8_t key)
{
    std::lock_guard lock(m_lock);
    m_key = key;
}

std::vector<RegServerRequest> RegServerUdp::Requests() const
{
    std::lock_guard lock(m_lock);
    return m_requests;
}

std::vector<uint8_t> RegServerUdp::Header(uint8_t key, uint32_t total, uint32_t sequence, uint32_t count)
{
    std::vector<uint8_t> out(kHeaderSize);
    uint32_t pos = 0;
    DirPutI32(out.data(), &pos, -1);
    DirPutU32(out.data(), &pos, 0x05010000);
    DirPutI32(out.data(), &pos, -1);
    DirPutU8(out.data(), &pos, kKindQuery);
    DirPutU8(out.data(), &pos, 0);
    DirPutU16(out.data(), &pos, 0);
    DirPutU32(out.data(), &pos, kFlagName);
    DirPutU32(out.data(), &pos, uint32_t(count * kRegisteredRecordSize));
    DirPutU32(out.data(), &pos, total);
    DirPutU32(out.data(), &pos, sequence);
    DirPutU32(out.data(), &pos, count);
    DirPutU32(out.data(), &pos, 0);
    Scramble(out.data(), out.size(), key);
    out[13] = key;
    return out;
}

std::vector<uint8_t> RegServerUdp::Record(uint8_t key, const RegisteredDevice& d)
{
    std::vector<uint8_t> out = EncodeRegisteredDevice(d);
    Scramble(out.data(), out.size(), key);
    return out;
}

void RegServerUdp::Run()
{
    pollfd fds[2] = { { m_stop.Fd(), POLLIN, 0 }, { m_fd, POLLIN, 0 } };
    for (;;) {
        int n = poll(fds, 2, -1);
        if (n < 0 && errno == EINTR)
            continue;
        if (n < 0 || (fds[0].revents & POLLIN))
            return;
        if (fds[1].revents & POLLIN)
            Serve();
    }
}

void RegServerUdp::Serve()
{
    for (;;) {
        uint8_t buf[2048];
        sockaddr_in from {};
        socklen_t len = sizeof from;
        ssize_t got = recvfrom(m_fd, buf, sizeof buf, 0, reinterpret_cast<sockaddr*>(&from), &len);
        if (got < 0)
            return;
        if (size_t(got) < kHeaderSize)
            continue;
        // The key travels unscrambled in byte 13.
        uint8_t key = buf[13];
        Scramble(buf, size_t(got), key, 13);
        WireReader header(buf, size_t(got), WireReader::Host);
        RegServerRequest request;
        header.Skip(12);
        request.kind = header.U8();
        header.Skip(3);
        request.flags = header.U32();
        uint32_t bodyLength = header.U32();
        header.Skip(4);
        request.sequence = header.U32();
        request.count = header.U32();
        header.Skip(4);
        if (bodyLength < kRequestBodySize)
            continue;
        request.name = GetText(header, 68);
        header.Skip(16 + 128 + 256);
        request.key = GetText(header, 32);
        request.macText = GetText(header, 24);

        std::vector<std::vector<uint8_t>> replies;
        {
            std::lock_guard lock(m_lock);
            m_requests.push_back(request);
            if (m_silent || request.kind != kKindQuery)
                continue;
        }
        replies = Answer(request);
        SendTo(replies, from);
    }
}

bool RegServerUdp::SendTo(const std::vector<std::vector<uint8_t>>& datagrams, const sockaddr_in& to)
{
    bool sent = true;
    for (const auto& datagram : datagrams) {
        sent = sendto(m_fd, datagram.data(), datagram.size(), 0, reinterpret_cast<const sockaddr*>(&to),
                   sizeof to)
                == ssize_t(datagram.size())
            && sent;
        // A page is a burst of datagrams: pace it a little, as a server
        // across a network would be, so a client's receive queue keeps up.
        usleep(20);
    }
    return sent;
}

bool RegServerUdp::PushList(
    const std::string& login, const std::string& address, uint16_t port, uint32_t pageSize)
{
    sockaddr_in to {};
    to.sin_family = AF_INET;
    to.sin_port = htons(port);
    if (m_fd < 0 || pageSize == 0 || inet_pton(AF_INET, address.c_str(), &to.sin_addr) != 1)
        return false;
    uint32_t total = 0;
    {
        std::lock_guard lock(m_lock);
        for (const RegisteredDevice& d : m_devices)
            total += d.login == login;
    }
    // Pages as a list request would give them, one after the other.
    RegServerRequest request;
    request.kind = kKindQuery;
    request.flags = kFlagName;
    request.name = login;
    request.count = pageSize;
    bool sent = true;
    for (uint32_t first = 0; first < total && sent; first += pageSize) {
        request.sequence = first;
        sent = SendTo(Answer(request), to);
    }
    return sent;
}

std::vector<std::vector<uint8_t>> RegServerUdp::Answer(const RegServerRequest& request)
{
    std::lock_guard lock(m_lock);
    std::vector<const RegisteredDevice*> matches;
    bool list = request.flags == kFlagName;
    for (const RegisteredDevice& d : m_devices) {
        bool match = list ? d.login == request.name
                          : (request.name.empty() || d.name == request.name)
                && (request.key.empty() || d.key32 == request.key)
                && (request.macText.empty() || d.mac == request.macText);
        if (match)
            matches.push_back(&d);
    }
    uint32_t total = uint32_t(matches.size());
    uint32_t first = list ? request.sequence : 0;
    uint32_t wanted = list ? request.count : 1;
    uint32_t count = first < total ? std::min(wanted, total - first) : 0;

    std::vector<std::vector<uint8_t>> datagrams;
    if (list && m_staleOnce) {
        m_staleOnce = false;
        datagrams.push_back(Header(m_key, total, request.sequence + 7, count));
    }
    datagrams.push_back(Header(m_key, total, request.sequence, count));
    for (uint32_t i = 0; i < count; ++i) {
        std::vector<uint8_t> record = Record(m_key, *matches[first + i]);
        if (i == 0 && m_split == Split::HeaderWithFirstRecord)
            datagrams.back().insert(datagrams.back().end(), record.begin(), record.end());
        else
            datagrams.push_back(std::move(record));
    }
    return datagrams;
}

} // namespace sim
