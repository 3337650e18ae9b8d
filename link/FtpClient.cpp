#include "link/FtpClient.h"

#include "link/Base64.h"
#include "link/ByteOrder.h"
#include "link/Deadline.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <string>

namespace
{

constexpr int kTimeoutSeconds = 30;
constexpr DWORD kTransferTimeoutMs = 30000;
constexpr int kReplyRoom = 1024;
// A server sending without end cannot hold the caller: a reply line ends
// after this many bytes, a reply after this many continuation lines, and
// both within the transfer time-out as a whole.
constexpr int kLongestLine = 8192;
constexpr int kMostLines = 100;
// Records beyond those asked for are read and dropped up to this many, so
// that the control connection stays in step; past them the data connection
// is closed.
constexpr uint32_t kDrainRest = 100;
constexpr int kCodeGreetingAny = 0;
constexpr int kCodeNeedPassword = 331;
constexpr int kCodeLoggedIn = 230;
constexpr int kCodePassive = 227;
constexpr int kCodeOpening = 150;

char* HeapCopy(const char* text)
{
    if (!text)
        return nullptr;
    size_t n = std::strlen(text) + 1;
    char* copy = static_cast<char*>(std::malloc(n));
    if (copy)
        std::memcpy(copy, text, n);
    return copy;
}

void CloseSocket(SOCKET& s)
{
    if (s) {
        ws::closesocket(s);
        s = 0;
    }
}

} // namespace

CFtpClient::CFtpClient() = default;

CFtpClient::~CFtpClient()
{
    Close();
}

void CFtpClient::CloseControl()
{
    CloseSocket(m_control);
}

void CFtpClient::CloseData()
{
    CloseSocket(m_data);
}

void CFtpClient::Close()
{
    CloseControl();
    CloseData();
    std::free(m_pszUser);
    std::free(m_pszPassword);
    m_pszUser = m_pszPassword = nullptr;
}

void CFtpClient::Abort()
{
    m_bAborted = true;
    if (SOCKET control = m_control)
        ws::shutdown(control, SD_BOTH);
    if (SOCKET data = m_data)
        ws::shutdown(data, SD_BOTH);
}

int CFtpClient::SendAll(SOCKET s, const char* bytes, int count)
{
    if (count <= 0)
        return 0;
    int sent = 0;
    while (sent < count) {
        int n = ws::send(s, bytes + sent, count - sent, 0);
        if (n <= 0)
            return 0;
        sent += n;
    }
    return sent;
}

int CFtpClient::RecvAll(SOCKET s, char* buffer, int count)
{
    if (count <= 0)
        return 0;
    // The whole count within one time-out, however the bytes trickle in.
    const CDeadline deadline(kTransferTimeoutMs);
    int got = 0;
    while (got < count) {
        int n = RecvBefore(s, buffer + got, count - got, deadline);
        if (n == SOCKET_ERROR && WSAGetLastError() == WSAEWOULDBLOCK)
            continue;
        if (n <= 0)
            return 0;
        got += n;
    }
    return got;
}

bool CFtpClient::ConnectWithTimeout(SOCKET s, const sockaddr_in& address, int seconds)
{
    unsigned long on = 1, off = 0;
    ws::ioctlsocket(s, FIONBIO, &on);
    if (ws::connect(s, reinterpret_cast<const sockaddr*>(&address), sizeof address) == SOCKET_ERROR) {
        int error = WSAGetLastError();
        if (error != WSAEWOULDBLOCK && error != WSAEINPROGRESS)
            return false;
        ws::SelectResult ready;
        if (ws::select(s, true, true, true, seconds * 1000, &ready) <= 0)
            return false;
        if (ready.failed || (!ready.readable && !ready.writable))
            return false;
        int soError = 0, len = sizeof soError;
        if (ws::getsockopt(s, SOL_SOCKET, SO_ERROR, &soError, &len) == 0 && soError != 0)
            return false;
    }
    ws::ioctlsocket(s, FIONBIO, &off);
    DWORD timeout = kTransferTimeoutMs;
    return ws::setsockopt(s, SOL_SOCKET, SO_SNDTIMEO, &timeout, sizeof timeout) == 0
        && ws::setsockopt(s, SOL_SOCKET, SO_RCVTIMEO, &timeout, sizeof timeout) == 0;
}

bool CFtpClient::Connect(const char* host, int port, const char* user, const char* password)
{
    Close();
    m_controlAddress = {};
    m_controlAddress.sin_family = AF_INET;
    m_controlAddress.sin_port = htons(static_cast<uint16_t>(port));
    m_controlAddress.sin_addr.s_addr = inet_addr(host ? host : "");
    m_pszUser = HeapCopy(user ? user : "");
    m_pszPassword = HeapCopy(password ? password : "");

    char reply[kReplyRoom];
    m_control = ws::socket(AF_INET, SOCK_STREAM, 0);
    if (m_control == INVALID_SOCKET) {
        m_control = 0;
        return false;
    }
    // Checked after the socket exists, so that an Abort either sees the
    // socket or is seen here.
    if (m_bAborted) {
        CloseControl();
        return false;
    }
    bool ok = ConnectWithTimeout(m_control, m_controlAddress, kTimeoutSeconds)
        && ReadReply(reply, sizeof reply) != kCodeGreetingAny;
    if (ok) {
        std::string command = std::string("USER ") + m_pszUser + "\r\n";
        ok = SendCommand(command.c_str()) && ReadReply(reply, sizeof reply) == kCodeNeedPassword;
    }
    if (ok) {
        std::string command = std::string("PASS ") + m_pszPassword + "\r\n";
        ok = SendCommand(command.c_str()) && ReadReply(reply, sizeof reply) == kCodeLoggedIn;
    }
    if (!ok)
        CloseControl();
    return ok;
}

bool CFtpClient::ConnectToRegServer(const char* host)
{
    return Connect(host, REGSERVER_FTP_PORT, REGSERVER_FTP_USER, REGSERVER_FTP_PASSWORD);
}

bool CFtpClient::SendCommand(const char* text)
{
    int n = static_cast<int>(std::strlen(text));
    return m_control && n > 0 && SendAll(m_control, text, n) == n;
}

int CFtpClient::ReadReply(char* buffer, int size)
{
    if (!m_control || !buffer || size < 2)
        return 0;
    const CDeadline deadline(kTransferTimeoutMs);
    for (int line = 0; line < kMostLines; ++line) {
        int used = 0;
        for (int read = 0;; ++read) {
            if (read == kLongestLine)
                return 0;
            char c;
            int n = RecvBefore(m_control, &c, 1, deadline);
            if (n <= 0)
                return 0;
            // A long line is cut to the buffer; the rest is read and dropped.
            if (used < size - 1)
                buffer[used++] = c;
            if (c == '\n')
                break;
        }
        buffer[used] = '\0';
        if (m_pfnObserver)
            m_pfnObserver(m_pObserverData, buffer);
        int code = 0;
        std::sscanf(buffer, "%d", &code);
        if (used < 4 || buffer[3] != '-')
            return code;
    }
    return 0;
}

bool CFtpClient::OpenPassive()
{
    CloseData();
    char reply[kReplyRoom];
    if (!SendCommand("PASV\r\n") || ReadReply(reply, sizeof reply) != kCodePassive) {
        CloseControl();
        return false;
    }
    int h[4] = {}, p1 = 0, p2 = 0;
    std::sscanf(reply, "227 Entering Passive Mode (%d,%d,%d,%d,%d,%d)", &h[0], &h[1], &h[2], &h[3], &p1, &p2);
    // The data connection goes to the control connection's host, whatever
    // host the reply names.
    m_dataAddress = m_controlAddress;
    m_dataAddress.sin_port = htons(static_cast<uint16_t>(p1 * 256 + p2));
    m_data = ws::socket(AF_INET, SOCK_STREAM, 0);
    if (m_data == INVALID_SOCKET) {
        m_data = 0;
        return false;
    }
    if (m_bAborted) {
        CloseData();
        return false;
    }
    if (!ConnectWithTimeout(m_data, m_dataAddress, kTimeoutSeconds))
        CloseData();
    return true;
}

int CFtpClient::RetrieveRecords(uint32_t protocol, const RegServerRecord& query, uint32_t start,
    uint32_t count, RegServerRecord* records, uint32_t* total)
{
    uint8_t message[REGSERVER_HEADER_SIZE + REGSERVER_QUERY_BODY_SIZE];
    REGSERVER_MSG_HEADER header {};
    header.marker1 = header.marker2 = -1;
    header.protocol = protocol << 16;
    header.kind = REGSERVER_KIND_QUERY;
    header.bodyLength = REGSERVER_QUERY_BODY_SIZE;
    header.start = start;
    header.count = count;
    header.flags = EncodeDirQueryBody(message + REGSERVER_HEADER_SIZE, query);
    uint8_t key = MakeScrambleKey();
    EncodeDirHeader(message, header, key);
    ScrambleBytes(message + REGSERVER_HEADER_SIZE, REGSERVER_QUERY_BODY_SIZE, key);

    char text[1024];
    int n = Base64Encode(message, sizeof message, text, sizeof text - 1);
    if (n <= 0)
        return -1;
    text[n] = '\0';
    std::string command = std::string("RETR ") + text + "\r\n";

    if (!OpenPassive())
        return -1;
    char reply[kReplyRoom];
    if (!SendCommand(command.c_str()))
        return -1;
    if (ReadReply(reply, sizeof reply) != kCodeOpening || !m_data) {
        CloseData();
        return -1;
    }
    uint8_t head[REGSERVER_HEADER_SIZE];
    if (RecvAll(m_data, reinterpret_cast<char*>(head), sizeof head) != int(sizeof head)) {
        CloseData();
        return -1;
    }
    REGSERVER_MSG_HEADER answer;
    uint8_t replyKey = DecodeDirHeader(head, &answer);
    if (total)
        *total = answer.total;
    if (m_bRefuseSurplus && answer.count > count) {
        CloseData();
        return -1;
    }
    // Only as many as the caller has room for are kept; a bounded rest is
    // drained.
    uint32_t stored = 0;
    uint8_t wire[REGSERVER_RECORD_WIRE_SIZE];
    const uint32_t toRead = std::min<uint64_t>(answer.count, uint64_t(count) + kDrainRest);
    for (uint32_t i = 0; i < toRead; ++i) {
        if (RecvAll(m_data, reinterpret_cast<char*>(wire), sizeof wire) != int(sizeof wire)) {
            CloseData();
            return -1;
        }
        if (stored < count && records)
            DecodeDirRecord(wire, replyKey, &records[stored++]);
    }
    // Closed first: the server ends the transfer of what is left unread.
    CloseData();
    ReadReply(reply, sizeof reply);
    return static_cast<int>(stored);
}

char* CFtpClient::QueryDeviceAddress(uint32_t protocol, const char* mac, const char* key32, const char* key16)
{
    RegServerRecord query {};
    if (mac)
        CopyFixedText(query.szMac, sizeof query.szMac, mac, sizeof query.szMac);
    if (key32)
        CopyFixedText(query.szKey32, sizeof query.szKey32, key32, sizeof query.szKey32);
    if (key16)
        CopyFixedText(query.szKey16, sizeof query.szKey16, key16, sizeof query.szKey16);
    RegServerRecord found;
    uint32_t total = 0;
    if (RetrieveRecords(protocol, query, 0, 1, &found, &total) < 1)
        return nullptr;
    char address[sizeof found.szAddress + 1];
    CopyFixedText(address, sizeof address, found.szAddress, sizeof found.szAddress);
    return HeapCopy(address);
}

char* CFtpClient::LookUpDeviceAddress(
    const char* host, uint32_t protocol, const char* mac, const char* key32, const char* key16)
{
    CFtpClient ftp;
    if (!ftp.ConnectToRegServer(host))
        return nullptr;
    char* found = ftp.QueryDeviceAddress(protocol, mac, key32, key16);
    ftp.Close();
    // An empty answer is no answer.
    if (found && !*found) {
        std::free(found);
        found = nullptr;
    }
    return found;
}

int CFtpClient::FetchAll(const char* host, uint32_t protocol, const RegServerRecord& query, uint32_t pageSize,
    RecordTaker take, void* user, const std::atomic<int>* keepGoing)
{
    if (pageSize == 0 || !ConnectToRegServer(host))
        return 0;
    auto records = std::make_unique<RegServerRecord[]>(pageSize);
    uint32_t start = 0;
    int taken = 0;
    while (!keepGoing || *keepGoing) {
        uint32_t total = 0;
        int n = RetrieveRecords(protocol, query, start, pageSize, records.get(), &total);
        if (n <= 0)
            return taken;
        for (int i = 0; i < n; ++i) {
            if (!take(user, records[i]))
                return taken;
            ++taken;
        }
        start += uint32_t(n);
        // A server that delivers more than its total does not hold the caller.
        if (start >= total)
            return taken;
    }
    return taken;
}
