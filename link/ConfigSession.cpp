#include "link/ConfigSession.h"

#include "link/ByteOrder.h"
#include "link/ConfigCatalogue.h"
#include "link/ConfigCodec.h"
#include "link/CurrentDevice.h"
#include "link/DeviceHelpers.h"
#include "link/FtpClient.h"
#include "platform/base/Services.h"
#include "resources/setup/Resource.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <iterator>
#include <memory>
#include <new>

namespace
{

constexpr uint32_t kNormalTimeout = 180;
constexpr uint32_t kLongTimeout = 600;
constexpr int kReceiveBuffer = 524388;
constexpr size_t kAddressRoom = 24;
constexpr size_t kTransactBuffer = 10240;
constexpr size_t kLargeTransactBuffer = 16384;
constexpr size_t kStreamServerBuffer = 3072;
constexpr size_t kFixedBuffer = 1024;
constexpr size_t kStatusTextBuffer = 10240;
constexpr uint16_t kDeviceInfo = 0x0104;
constexpr uint16_t kFormatHdd = 0x0803;
constexpr uint16_t kStreamServer = 0x0D03;
constexpr uint16_t kSetStreamServer = 0x0D04;
constexpr uint16_t kStreamStatus = 0x0E05;
constexpr uint16_t kStreamList = 0x0E07;

struct StatusMessage {
    uint16_t status;
    UINT stringId;
};
const StatusMessage kStatusMessages[] = {
    { 0xF301, IDS_AUTH_FAILED },
    { 0xF309, IDS_INVALID_VALUE },
    { 0xF30C, IDS_INTERNAL_ERROR },
    { 0xF30E, IDS_PORT_IN_USE },
    { 0xF310, IDS_CONSOLE_SETUP_ACTIVE },
    { 0xF311, IDS_NOT_ALLOWED_REMOTELY },
    { 0xF313, IDS_VERSION_MISMATCH },
};

// The requests that have a fixed method of their own, in code order.
constexpr uint16_t kFixedRequests[] = { 0x0103, 0x0104, 0x0106, 0x0107, 0x0108, 0x0201, 0x0202, 0x0301,
    0x0302, 0x0303, 0x0304, 0x0305, 0x0306, 0x0401, 0x0402, 0x0501, 0x0502, 0x0601, 0x0602, 0x0701, 0x0702,
    0x0703, 0x0704, 0x0801, 0x0802, 0x0803, 0x0901, 0x0A01, 0x0A02, 0x0A03, 0x0A04, 0x0B01, 0x0B02, 0x0D03,
    0x0D04, 0x0D05, 0x0D06, 0x0E01, 0x0E02, 0x0E03, 0x0E04, 0x0E05, 0x0E06 };

size_t TransactBuffer(uint16_t command)
{
    return command == kStreamList ? kLargeTransactBuffer : kTransactBuffer;
}

// A request with a fixed method goes through that method's buffer, any
// other through the generic exchange's.
size_t ExchangeBuffer(uint16_t command)
{
    switch (command) {
    case kStreamServer:
    case kSetStreamServer:
        return kStreamServerBuffer;
    case kStreamStatus:
        return kStatusTextBuffer;
    default:
        break;
    }
    const bool fixed = std::binary_search(std::begin(kFixedRequests), std::end(kFixedRequests), command);
    return fixed ? kFixedBuffer : TransactBuffer(command);
}

} // namespace

// One exchange: the request, where its reply goes, and how it is run.
struct CConfigSession::Plan {
    ConfigRequest* request;
    uint8_t* reply; // a record of CONFIG_RECORD_SIZE bytes; may be the request
    size_t bufferSize;
    BOOL lookupAllowed;
    bool reportTransportFailure; // "Connection failed." for any exchange that got no answer
    bool longTimeout;
};

uint32_t RegServerModelNumber()
{
    switch (g_CurrentDevice.dwFamily) {
    case DEVICE_FAMILY_STREAM_SERVER:
        return 0x0202;
    case DEVICE_FAMILY_DVR:
        return 0x0502;
    default:
        return 0x0501;
    }
}

CConfigSession::CConfigSession() = default;

CConfigSession::~CConfigSession()
{
    Close();
}

void CConfigSession::SetNormalTimeout()
{
    m_nTimeout = kNormalTimeout;
}

void CConfigSession::SetLongTimeout()
{
    m_nTimeout = kLongTimeout;
}

void CConfigSession::Close()
{
    if (m_socket) {
        ws::closesocket(m_socket);
        m_socket = 0;
    }
}

void CConfigSession::ParseStoredAddress()
{
    char text[sizeof g_CurrentDevice.szAddress + 1];
    CopyFixedText(text, sizeof text, g_CurrentDevice.szAddress, sizeof g_CurrentDevice.szAddress);
    // Missing parts read as 0.
    g_CurrentDevice.dwIpAddress = ParseDottedAddress(text);
}

void CConfigSession::ResolveDeviceAddress(char address[24], BOOL lookupAllowed)
{
    const std::string dotted = FormatIpAddress(g_CurrentDevice.dwIpAddress);
    CopyFixedText(address, kAddressRoom, dotted.c_str(), dotted.size());
    if (!g_CurrentDevice.bLookup)
        return;
    if (lookupAllowed) {
        char host[sizeof g_CurrentDevice.szLookupHost + 1];
        CopyFixedText(host, sizeof host, g_CurrentDevice.szLookupHost, sizeof g_CurrentDevice.szLookupHost);
        CFtpClient ftp;
        if (!ftp.ConnectToRegServer(host))
            return;
        char name[sizeof g_CurrentDevice.szKey + 1], serial[sizeof g_CurrentDevice.szSerial + 1];
        CopyFixedText(name, sizeof name, g_CurrentDevice.szKey, sizeof g_CurrentDevice.szKey);
        CopyFixedText(serial, sizeof serial, g_CurrentDevice.szSerial, sizeof g_CurrentDevice.szSerial);
        char* found = ftp.QueryDeviceAddress(RegServerModelNumber(), name, serial, nullptr);
        // An empty answer is no answer: the stored address stays.
        if (found && *found)
            CopyFixedText(address, kAddressRoom, found, std::strlen(found));
        else
            CopyFixedText(address, kAddressRoom, g_CurrentDevice.szAddress, kAddressRoom);
        std::free(found);
        ftp.Close();
    }
    std::memset(g_CurrentDevice.szAddress, 0, sizeof g_CurrentDevice.szAddress);
    CopyFixedText(g_CurrentDevice.szAddress, kAddressRoom, address, kAddressRoom);
    ParseStoredAddress();
}

BOOL CConfigSession::Connect(const char* address, uint32_t port)
{
    m_socket = ws::socket(AF_INET, SOCK_STREAM, 0);
    if (m_socket == INVALID_SOCKET) {
        m_socket = 0;
        return FALSE;
    }
    sockaddr_in local {};
    local.sin_family = AF_INET;
    if (ws::bind(m_socket, reinterpret_cast<sockaddr*>(&local), sizeof local) == SOCKET_ERROR)
        return FALSE;
    int size = kReceiveBuffer;
    if (ws::setsockopt(m_socket, SOL_SOCKET, SO_RCVBUF, &size, sizeof size) == SOCKET_ERROR)
        return FALSE;
    DWORD timeout = m_nTimeout * 1000;
    ws::setsockopt(m_socket, SOL_SOCKET, SO_SNDTIMEO, &timeout, sizeof timeout);
    ws::setsockopt(m_socket, SOL_SOCKET, SO_RCVTIMEO, &timeout, sizeof timeout);
    sockaddr_in remote {};
    remote.sin_family = AF_INET;
    remote.sin_addr.s_addr = inet_addr(address);
    remote.sin_port = htons(static_cast<uint16_t>(port));
    if (ws::connect(m_socket, reinterpret_cast<sockaddr*>(&remote), sizeof remote) == 0)
        return TRUE;
    return WSAGetLastError() == WSAEWOULDBLOCK;
}

int CConfigSession::Send(const uint8_t* buf, int length)
{
    int sent = ws::send(m_socket, reinterpret_cast<const char*>(buf), length, 0);
    return sent == length ? 1 : -1;
}

int CConfigSession::ReceiveReply(uint8_t* buf, int headerSize, size_t capacity)
{
    m_bFirstHeader = true;
    size_t expected = static_cast<size_t>(headerSize);
    size_t got = 0;
    if (expected > capacity)
        return -1;
    while (got < expected) {
        int n = RecvBefore(
            m_socket, reinterpret_cast<char*>(buf + got), static_cast<int>(expected - got), m_deadline);
        if (n <= 0) {
            WSAGetLastError();
            return -1;
        }
        got += static_cast<size_t>(n);
        if (m_bFirstHeader && got >= NET_MSG_HEADER_SIZE) {
            m_bFirstHeader = false;
            // Only the low half of the length counts.
            uint32_t length = 0;
            NetPeekU16(buf, 6, &length);
            expected += length;
            // A reply the buffer cannot hold is refused, not cut.
            if (expected > capacity)
                return -1;
        }
    }
    return 1;
}

BOOL CConfigSession::CheckStatus(uint32_t status)
{
    uint16_t code = static_cast<uint16_t>(status);
    if (code == 0)
        return TRUE;
    for (const StatusMessage& m : kStatusMessages) {
        if (m.status == code) {
            m_strMessage.LoadString(m.stringId);
            if (!m_bQuietStatus)
                AfxMessageBox(m_strMessage, MB_OK);
            break;
        }
    }
    return FALSE;
}

ConfigResult CConfigSession::Run(const Plan& ex)
{
    std::unique_ptr<uint8_t[]> buffer(new (std::nothrow) uint8_t[ex.bufferSize]);
    if (!buffer)
        return CONFIG_NO_CONNECTION;
    std::memset(buffer.get(), 0, ex.bufferSize);
    const uint16_t command = ex.request->command;
    m_bFirstHeader = true;
    Close();
    char address[kAddressRoom];
    ResolveDeviceAddress(address, ex.lookupAllowed);
    if (ex.longTimeout)
        SetLongTimeout();
    else
        SetNormalTimeout();
    // The time-out bounds the whole exchange, not each receive alone.
    m_deadline = CDeadline(m_nTimeout * 1000);
    BOOL ok = Connect(address, g_CurrentDevice.dwConfigPort);
    uint32_t pos = 0;
    uint32_t n = ok ? EncodeConfigRequest(buffer.get(), ex.bufferSize, &pos, ex.request,
                     g_CurrentDevice.dwFamily, g_nDeviceRevision)
                    : 0;
    ok = ok && n && Send(buffer.get(), static_cast<int>(n)) == 1
        && ReceiveReply(buffer.get(), NET_MSG_HEADER_SIZE, ex.bufferSize) == 1;
    // A reply to another request is no answer: none of it is decoded, since
    // the caller would read its fields (and list pointers) by its own layout.
    if (!ok || !IsReplyTo(command, buffer.get(), ex.bufferSize)) {
        Close();
        SetNormalTimeout();
        if (ex.reportTransportFailure) {
            m_strMessage.LoadString(IDS_CONNECTION_FAILED);
            AfxMessageBox(m_strMessage, MB_OK);
        }
        return CONFIG_NO_CONNECTION;
    }
    // The decoder sees what arrived: the header and the low half of its length.
    uint32_t bodyLength = 0;
    NetPeekU16(buffer.get(), 6, &bodyLength);
    pos = 0;
    bool intoRequest = ex.reply == reinterpret_cast<uint8_t*>(ex.request);
    if (intoRequest) {
        DecodeConfigReply(
            buffer.get(), NET_MSG_HEADER_SIZE + bodyLength, &pos, ex.request, &g_nDeviceRevision);
    } else {
        ConfigReply* reply = reinterpret_cast<ConfigReply*>(ex.reply);
        // The record's lists of its last answer go before the new one fills it.
        FreeConfigReplyLists(reply);
        DecodeConfigReply(buffer.get(), NET_MSG_HEADER_SIZE + bodyLength, &pos, reply, &g_nDeviceRevision);
    }
    Close();
    SetNormalTimeout();
    uint16_t status;
    std::memcpy(&status, ex.reply + 2, sizeof status);
    if (CheckStatus(status))
        return CONFIG_DONE;
    // Lists of a failed reply would have no owner (set replies carry none).
    if (!intoRequest)
        FreeConfigReplyLists(reinterpret_cast<ConfigReply*>(ex.reply));
    return CONFIG_REFUSED;
}

BOOL CConfigSession::Transact(ConfigRequest* request, ConfigReply* reply, BOOL lookupAllowed)
{
    const Plan plan { request, reinterpret_cast<uint8_t*>(reply), TransactBuffer(request->command),
        lookupAllowed, false, false };
    return Run(plan) == CONFIG_DONE;
}

ConfigResult CConfigSession::Exchange(uint16_t command, uint32_t length, const void* params, size_t paramSize,
    ConfigReply* reply, BOOL lookupAllowed)
{
    auto request = std::make_unique<ConfigRequest>();
    if (paramSize > sizeof request->params)
        return CONFIG_NO_CONNECTION;
    PrepareConfigRequest(request.get(), command, length, g_strDevicePassword.c_str());
    if (paramSize)
        std::memcpy(request->params, params, paramSize);
    // The reboot and format requests take no record: a scratch one holds the reply.
    std::unique_ptr<ConfigReply> scratch;
    if (!reply) {
        scratch = std::make_unique<ConfigReply>();
        reply = scratch.get();
    }
    const Plan plan { request.get(), reinterpret_cast<uint8_t*>(reply), ExchangeBuffer(command),
        lookupAllowed, command == kDeviceInfo, command == kFormatHdd };
    return Run(plan);
}

BOOL CConfigSession::Get(
    uint16_t command, uint32_t length, const void* param, size_t paramSize, ConfigReply* reply)
{
    return Exchange(command, length, param, paramSize, reply, TRUE) == CONFIG_DONE;
}

BOOL CConfigSession::Set(ConfigRequest* record, size_t bufferSize)
{
    return Run({ record, reinterpret_cast<uint8_t*>(record), bufferSize, TRUE, false, false }) == CONFIG_DONE;
}

BOOL CConfigSession::GetDeviceInfo(ConfigReply* reply)
{
    return Get(0x0104, 32, nullptr, 0, reply);
}
BOOL CConfigSession::Reboot()
{
    return Get(0x0103, 32, nullptr, 0, nullptr);
}
BOOL CConfigSession::GetTimeZone(ConfigReply* reply)
{
    return Get(0x0108, 32, nullptr, 0, reply);
}
BOOL CConfigSession::GetUserList(ConfigReply* reply)
{
    return Get(0x0201, 32, nullptr, 0, reply);
}
BOOL CConfigSession::GetIpConfig(ConfigReply* reply)
{
    return Get(0x0301, 32, nullptr, 0, reply);
}
BOOL CConfigSession::GetXdslAccount(ConfigReply* reply)
{
    return Get(0x0303, 32, nullptr, 0, reply);
}
BOOL CConfigSession::GetDhcp(ConfigReply* reply)
{
    return Get(0x0305, 32, nullptr, 0, reply);
}
BOOL CConfigSession::GetChannelConfig(ConfigReply* reply)
{
    return Get(0x0401, 32, nullptr, 0, reply);
}
BOOL CConfigSession::GetSecurity(ConfigReply* reply)
{
    return Get(0x0501, 32, nullptr, 0, reply);
}
BOOL CConfigSession::GetScreenAdjust(uint8_t source, ConfigReply* reply)
{
    return Get(0x0601, 33, &source, 1, reply);
}
BOOL CConfigSession::GetSchedule(uint32_t slot, ConfigReply* reply)
{
    return Get(0x0701, 36, &slot, 4, reply);
}
BOOL CConfigSession::GetSchedule0703(ConfigReply* reply)
{
    return Get(0x0703, 32, nullptr, 0, reply);
}
BOOL CConfigSession::GetHddInfo(ConfigReply* reply)
{
    return Get(0x0801, 32, nullptr, 0, reply);
}
BOOL CConfigSession::FormatHdd()
{
    return Get(0x0803, 32, nullptr, 0, nullptr);
}
BOOL CConfigSession::ResetFlash(ConfigReply* reply)
{
    return Get(0x0901, 32, nullptr, 0, reply);
}
BOOL CConfigSession::GetServerPorts(ConfigReply* reply)
{
    return Get(0x0A01, 32, nullptr, 0, reply);
}
BOOL CConfigSession::GetAltPort(ConfigReply* reply)
{
    return Get(0x0A03, 32, nullptr, 0, reply);
}
BOOL CConfigSession::Get0B01(ConfigReply* reply)
{
    return Get(0x0B01, 32, nullptr, 0, reply);
}
BOOL CConfigSession::GetStreamServer(ConfigReply* reply)
{
    return Get(0x0D03, 32, nullptr, 0, reply);
}
BOOL CConfigSession::GetDaylightSaving(ConfigReply* reply)
{
    return Get(0x0D05, 32, nullptr, 0, reply);
}
// The length says 36 though only the source byte and three zero bytes follow.
BOOL CConfigSession::GetAudioGain(uint8_t source, ConfigReply* reply)
{
    return Get(0x0E01, 36, &source, 1, reply);
}
BOOL CConfigSession::Get0E03(ConfigReply* reply)
{
    return Get(0x0E03, 32, nullptr, 0, reply);
}
BOOL CConfigSession::GetStreamStatus(ConfigReply* reply)
{
    uint32_t zero = 0;
    return Get(0x0E05, 36, &zero, 4, reply);
}

BOOL CConfigSession::Send0106(ConfigRequest* record)
{
    return Set(record);
}
BOOL CConfigSession::SetTimeZone(ConfigRequest* record)
{
    return Set(record);
}
BOOL CConfigSession::Send0202(ConfigRequest* record)
{
    return Set(record);
}
BOOL CConfigSession::SetIpConfig(ConfigRequest* record)
{
    return Set(record);
}
BOOL CConfigSession::SetXdslAccount(ConfigRequest* record)
{
    return Set(record);
}
BOOL CConfigSession::SetDhcp(ConfigRequest* record)
{
    return Set(record);
}
BOOL CConfigSession::SetChannelConfig(ConfigRequest* record)
{
    return Set(record);
}
BOOL CConfigSession::SetSecurity(ConfigRequest* record)
{
    return Set(record);
}
BOOL CConfigSession::SetScreenAdjust(ConfigRequest* record)
{
    return Set(record);
}
BOOL CConfigSession::SetSchedule(ConfigRequest* record)
{
    // The caller's record keeps what it sent.
    auto scratch = std::make_unique<ConfigReply>();
    return Run({ record, reinterpret_cast<uint8_t*>(scratch.get()), kFixedBuffer, TRUE, false, false })
        == CONFIG_DONE;
}
BOOL CConfigSession::Send0704(ConfigRequest* record)
{
    return Set(record);
}
BOOL CConfigSession::SetHddConfig(ConfigRequest* record)
{
    return Set(record);
}
BOOL CConfigSession::SetServerPorts(ConfigRequest* record)
{
    return Set(record);
}
BOOL CConfigSession::SetAltPort(ConfigRequest* record)
{
    return Set(record);
}
BOOL CConfigSession::GetChannelInfo(ConfigRequest* record)
{
    return Set(record);
}
BOOL CConfigSession::SetStreamServer(ConfigRequest* record)
{
    return Set(record, kStreamServerBuffer);
}
BOOL CConfigSession::SetDaylightSaving(ConfigRequest* record)
{
    return Set(record);
}
BOOL CConfigSession::SetAudioGain(ConfigRequest* record)
{
    return Set(record);
}
BOOL CConfigSession::Send0E04(ConfigRequest* record)
{
    return Set(record);
}
BOOL CConfigSession::Send0E06(ConfigRequest* record)
{
    return Set(record);
}
