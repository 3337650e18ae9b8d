#include "link/MsgSocket.h"

#include "link/ByteOrder.h"
#include "link/ConfigCodec.h"
#include "link/CurrentDevice.h"
#include "link/DeviceHelpers.h"
#include "link/HostName.h"
#include "platform/base/Services.h"
#include "resources/setup/Resource.h"

#include <cstring>
#include <memory>

namespace
{

constexpr int kReceiveBuffer = 1024;
constexpr int kReceiveQueue = 1 << 20;
constexpr char kAuthFailed[] = "Authorization failed.";
constexpr uint32_t kDiscoverLength = 4;
constexpr uint32_t kChangeLength = 42;

// Set while a refusal's message box is open: a box never opens inside
// another, whichever adapter's socket the next reply reaches.
bool g_bRefusalShown = false;

SOCKADDR_IN DiscoveryAddress(uint32_t address)
{
    SOCKADDR_IN sa {};
    sa.sin_family = AF_INET;
    sa.sin_port = htons(DISCOVERY_PORT);
    sa.sin_addr.s_addr = htonl(address);
    return sa;
}

} // namespace

CMsgSocket::CMsgSocket()
    : m_addrDest()
    , m_pOwner(nullptr)
{
}

CMsgSocket::~CMsgSocket() = default;

void CMsgSocket::Init(CDiscoveryOwner* pOwner)
{
    int broadcast = 1;
    SetSockOpt(SO_BROADCAST, &broadcast, sizeof(broadcast), SOL_SOCKET);
    // Every device of the network answers one broadcast at once: give the
    // burst room, or the replies beyond the default queue are lost.
    int room = kReceiveQueue;
    SetSockOpt(SO_RCVBUF, &room, sizeof(room), SOL_SOCKET);
    m_addrDest = DiscoveryAddress(INADDR_BROADCAST);
    m_pOwner = pOwner;
}

BOOL CMsgSocket::SendRequest(ConfigRequest& request, const SOCKADDR_IN& dest)
{
    uint8_t buffer[64];
    uint32_t pos = 0;
    uint32_t size = EncodeConfigRequest(buffer, sizeof(buffer), &pos, &request, g_CurrentDevice.dwFamily, 0);
    if (size == 0)
        return FALSE;
    int sent = SendTo(buffer, int(size), reinterpret_cast<const SOCKADDR*>(&dest), sizeof(dest));
    if (sent == SOCKET_ERROR)
        return FALSE;
    if (sent == 0) {
        Close();
        return FALSE;
    }
    return TRUE;
}

BOOL CMsgSocket::SendDiscovery(const SOCKADDR_IN& dest)
{
    auto request = std::make_unique<ConfigRequest>();
    std::memset(request.get(), 0, sizeof(ConfigRequest));
    request->command = CMD_DISCOVER;
    request->length = kDiscoverLength;
    uint32_t magic = DISCOVERY_MAGIC;
    std::memcpy(request->params, &magic, sizeof(magic));
    return SendRequest(*request, dest);
}

BOOL CMsgSocket::ReqDiscoveryMsg()
{
    return SendDiscovery(m_addrDest);
}

BOOL CMsgSocket::ReqUniQuestMsg(LPCTSTR lpszAddress)
{
    return SendDiscovery(DiscoveryAddress(ParseIpAddress(lpszAddress ? lpszAddress : "")));
}

BOOL CMsgSocket::ReqChngIPAddrMsg(const BYTE* password, const BYTE* mac, DWORD dwNewAddress)
{
    auto request = std::make_unique<ConfigRequest>();
    std::memset(request.get(), 0, sizeof(ConfigRequest));
    request->command = CMD_CHANGE_NETWORK;
    request->length = kChangeLength;
    std::memcpy(request->user, CONFIG_ADMIN_USER, sizeof(CONFIG_ADMIN_USER));
    std::memcpy(request->password, password, sizeof(request->password));
    uint32_t address = dwNewAddress;
    std::memcpy(request->params, &address, sizeof(address));
    std::memcpy(request->params + sizeof(address), mac, 6);
    return SendRequest(*request, m_addrDest);
}

void CMsgSocket::OnReceive(int nErrorCode)
{
    uint8_t buffer[kReceiveBuffer];
    CString from;
    UINT fromPort = 0;
    int got = ReceiveFrom(buffer, sizeof(buffer), from, fromPort);
    // Only devices answer from the discovery port; anything else is not ours.
    if (got <= 0 || fromPort != DISCOVERY_PORT)
        return;
    uint32_t sourceAddress = ParseDottedAddress(from.GetString());

    // Only the discovery replies concern this socket: other replies are not
    // decoded at all (some would allocate lists nobody here frees).
    WireReader peek(buffer, size_t(got));
    uint16_t id = peek.U16();
    if (id != RES_DISCOVER && id != RES_DISCOVER_EX && id != RES_CHANGE_NETWORK) {
        CSocket::OnReceive(nErrorCode);
        return;
    }
    // A datagram shorter than its layout reads its missing fields as zero.
    auto reply = std::make_unique<ConfigReply>();
    uint32_t pos = 0;
    DecodeConfigReply(buffer, size_t(got), &pos, reply.get(), nullptr);

    if (reply->command == RES_DISCOVER || reply->command == RES_DISCOVER_EX) {
        RES_DISCOVER_OVEL record;
        MakeDiscoveryRecord(*reply, sourceAddress, &record);
        if (!IsFirmwareTooNew(record.version2) && m_pOwner)
            m_pOwner->ResDiscoverProc(&record);
    } else if (reply->command == RES_CHANGE_NETWORK && m_pOwner && m_pOwner->IsIpChangePending()) {
        if (reply->status == 0) {
            m_pOwner->SetChangedIp();
        } else if (reply->status == STATUS_AUTH_FAILED && !g_bRefusalShown) {
            CString text;
            if (!text.LoadString(IDS_AUTH_FAILED))
                text = kAuthFailed;
            g_bRefusalShown = true;
            AfxMessageBox(text);
            g_bRefusalShown = false;
        }
    }
    FreeConfigReplyLists(reply.get());
    CSocket::OnReceive(nErrorCode);
}
