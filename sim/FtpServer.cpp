#include "sim/FtpServer.h"

#include "link/ByteOrder.h"

#include <algorithm>
#include <cctype>
#include <cstring>
#include <sys/socket.h>

namespace sim
{

namespace
{

constexpr size_t kHeader = 40, kRecord = 580, kQueryBody = 596;
constexpr uint8_t kReplyKey = 0x5A;

// The server's own Base64 reading; gives false for a text that is not.
bool FromBase64(const std::string& text, std::vector<uint8_t>* out)
{
    auto value = [](char c) -> int {
        if (c >= 'A' && c <= 'Z')
            return c - 'A';
        if (c >= 'a' && c <= 'z')
            return c - 'a' + 26;
        if (c >= '0' && c <= '9')
            return c - '0' + 52;
        return c == '+' ? 62 : c == '/' ? 63 : -1;
    };
    if (text.size() % 4)
        return false;
    out->clear();
    for (size_t i = 0; i < text.size(); i += 4) {
        int v[4];
        int pad = 0;
        for (int k = 0; k < 4; ++k) {
            char c = text[i + k];
            if (c == '=') {
                v[k] = 0;
                ++pad;
            } else if ((v[k] = value(c)) < 0 || pad) {
                return false;
            }
        }
        uint32_t bits = (v[0] << 18) | (v[1] << 12) | (v[2] << 6) | v[3];
        out->push_back(static_cast<uint8_t>(bits >> 16));
        if (pad < 2)
            out->push_back(static_cast<uint8_t>(bits >> 8));
        if (pad < 1)
            out->push_back(static_cast<uint8_t>(bits));
    }
    return true;
}

std::string Field(const uint8_t* p, size_t width)
{
    size_t n = 0;
    while (n < width && p[n])
        ++n;
    return std::string(reinterpret_cast<const char*>(p), n);
}

std::string Lower(std::string s)
{
    for (char& c : s)
        c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return s;
}

void PutWord(std::vector<uint8_t>& out, uint32_t v)
{
    uint8_t b[4];
    uint32_t o = 0;
    DirPutU32(b, &o, v);
    out.insert(out.end(), b, b + 4);
}

} // namespace

FtpServer::~FtpServer()
{
    Stop();
}

void FtpServer::AddDevice(const RegisteredDevice& device)
{
    std::lock_guard<std::mutex> guard(m_lock);
    m_devices.push_back(device);
}

std::vector<std::string> FtpServer::Commands() const
{
    std::lock_guard<std::mutex> guard(m_lock);
    return m_commands;
}

std::vector<std::string> FtpServer::QueriedMacs() const
{
    std::lock_guard<std::mutex> guard(m_lock);
    return m_macs;
}

std::vector<FtpServer::Page> FtpServer::QueriedPages() const
{
    std::lock_guard<std::mutex> guard(m_lock);
    return m_pages;
}

void FtpServer::Serve(int fd)
{
    if (greetingByteDelayMs > 0) {
        for (char c : greeting) {
            if (!SendAll(fd, &c, 1) || WaitReadable(StopFd(), -1, greetingByteDelayMs))
                return;
        }
    } else {
        SendText(fd, greeting);
    }
    std::string user, line;
    int dataListen = -1;
    while (ReadLine(fd, &line, 4096, StopFd())) {
        while (!line.empty() && (line.back() == '\n' || line.back() == '\r'))
            line.pop_back();
        {
            std::lock_guard<std::mutex> guard(m_lock);
            m_commands.push_back(line);
        }
        std::string verb = line.substr(0, line.find(' '));
        std::string argument = line.size() > verb.size() ? line.substr(verb.size() + 1) : "";
        if (verb == "USER") {
            user = argument;
            SendText(fd, userWithoutPassword ? "230 Logged in\r\n" : "331 Password required\r\n");
        } else if (verb == "PASS") {
            SendText(fd, user == "zq" && argument == "qv" ? "230 Logged in\r\n" : "530 Login incorrect\r\n");
        } else if (verb == "PASV") {
            CloseSocket(dataListen);
            uint16_t port = 0;
            dataListen = ListenTcp(Address(), 0, &port);
            std::string host = passiveHost;
            std::replace(host.begin(), host.end(), '.', ',');
            SendText(fd,
                "227 Entering Passive Mode (" + host + "," + std::to_string(port >> 8) + ","
                    + std::to_string(port & 0xFF) + ")\r\n");
        } else if (verb == "RETR") {
            if (!Retrieve(fd, dataListen, argument))
                SendText(fd, "550 No such query\r\n");
            CloseSocket(dataListen);
            dataListen = -1;
        } else if (verb == "QUIT") {
            SendText(fd, "221 Bye\r\n");
            break;
        } else {
            SendText(fd, "502 Not implemented\r\n");
        }
    }
    CloseSocket(dataListen);
}

bool FtpServer::Retrieve(int control, int dataListen, const std::string& argument)
{
    std::vector<uint8_t> query;
    if (dataListen < 0 || !FromBase64(argument, &query) || query.size() != kHeader + kQueryBody)
        return false;
    uint8_t key = query[13];
    for (size_t i = 0; i < query.size(); ++i)
        query[i] ^= key;
    WireReader head(query.data(), kHeader, WireReader::Host);
    head.Skip(16);
    uint32_t flags = head.U32();
    head.Skip(8);
    uint32_t start = head.U32(), count = head.U32();
    const uint8_t* body = query.data() + kHeader;
    std::string name = Field(body, 68), key32 = Field(body + 468, 32), mac = Field(body + 500, 24);
    {
        std::lock_guard<std::mutex> guard(m_lock);
        m_macs.push_back(mac);
        m_pages.push_back({ start, count, flags });
    }

    std::vector<RegisteredDevice> matches;
    {
        std::lock_guard<std::mutex> guard(m_lock);
        for (const RegisteredDevice& d : m_devices) {
            if ((flags & 0x20) && Lower(d.mac) != Lower(mac))
                continue;
            if ((flags & 0x10) && d.key32 != key32)
                continue;
            if ((flags & 0x01) && d.name != name)
                continue;
            matches.push_back(d);
        }
    }
    size_t first = std::min<size_t>(start, matches.size());
    size_t sent = sendEveryMatch ? matches.size() - first : std::min<size_t>(count, matches.size() - first);

    SendText(control, "150 Opening data connection\r\n");
    if (!WaitReadable(dataListen, StopFd(), 5000))
        return true;
    int data = accept4(dataListen, nullptr, nullptr, SOCK_CLOEXEC);
    if (data < 0)
        return true;
    std::vector<uint8_t> reply;
    PutWord(reply, 0xFFFFFFFF);
    PutWord(reply, 0x05010000);
    PutWord(reply, 0xFFFFFFFF);
    reply.push_back(32);
    reply.push_back(0);
    reply.push_back(0);
    reply.push_back(0);
    PutWord(reply, 0);
    PutWord(reply, static_cast<uint32_t>(sent * kRecord));
    PutWord(reply, static_cast<uint32_t>(announcedTotal >= 0 ? announcedTotal : int64_t(matches.size())));
    PutWord(reply, static_cast<uint32_t>(first));
    PutWord(reply, static_cast<uint32_t>(announcedCount >= 0 ? announcedCount : int64_t(sent)));
    PutWord(reply, 0);
    for (size_t i = first; i < first + sent; ++i) {
        std::vector<uint8_t> record = EncodeRegisteredDevice(matches[i]);
        reply.insert(reply.end(), record.begin(), record.end());
    }
    for (size_t i = 0; i < reply.size(); ++i)
        reply[i] ^= kReplyKey;
    if (stallAfterRecords >= 0) {
        size_t cut = std::min(reply.size(), kHeader + size_t(stallAfterRecords) * kRecord);
        SendAll(data, reply.data(), cut);
        // Readable once the client shuts its side down or goes away.
        WaitReadable(data, StopFd());
        CloseSocket(data);
        SendText(control, "426 Transfer aborted\r\n");
        return true;
    }
    SendAll(data, reply.data(), reply.size());
    CloseSocket(data);
    SendText(control, "226 Transfer complete\r\n");
    return true;
}

} // namespace sim
