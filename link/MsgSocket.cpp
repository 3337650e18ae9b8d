#include "link/MsgSocket.h"

#include "link/ByteOrder.h"
#include "link/ConfigCodec.h"
#include "link/CurrentDevice.h"
#include "link/DeviceHelpers.h"
#include "link/DiscoverySend.h"
#include "link/HostName.h"
#include "platform/base/Services.h"
#include "resources/setup/Resource.h"

#include <cstring>
#include <memory>

namespace
{

constexpr int kReceiveBuffer = 1024;
constexpr char kAuthFailed[] = "Authorization failed.";
constexpr uint32_t kDiscoverLength = 4;
constexpr uint32_t kChangeLength = 42;

// Set while a refusal's message box is open: a box never opens inside
// another, whichever adapter's socket the next reply reaches.
bool g_bRefusalShown = false;

} // namespace

CMsgSocket::CMsgSocket()
    : m_addrDest()
    , m_pOwner(nullptr)
{
}

CMsgSocket::~CMsgSocket() = default;

void CMsgSocket::Init(CDiscoveryOwner* pOwner)
{
    m_addrDest = InitDiscoverySocket(*this);
    m_pOwner = pOwner;
}

BOOL CMsgSocket::SendRequest(ConfigRequest& request, const SOCKADDR_IN& dest)
{
    uint8_t buffer[64];
    uint32_t pos = 0;
    uint32_t size = EncodeConfigRequest(buffer, sizeof(buffer), &pos, &request, g_CurrentDevice.dwFamily, 0);
    return SendDiscoveryDatagram(*this, buffer, size, dest) ? TRUE : FALSE;
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
