#include "explorer/MsgSocket.h"

#include "explorer/DeviceMessage.h"
#include "link/DeviceHelpers.h"
#include "link/DiscoverySend.h"
#include "platform/ui/Wnd.h"

#include <cstring>

namespace morrik
{

namespace
{

constexpr int kReceiveBuffer = 1024;
constexpr char kAdminUser[] = "admin";

DEVICE_REQUEST DiscoveryRequest()
{
    DEVICE_REQUEST request {};
    request.wCode = MSG_DISCOVER;
    request.dwLength = DISCOVER_LENGTH;
    return request;
}

} // namespace

CMsgSocket::CMsgSocket()
    : m_addrDest()
    , m_pOwner(nullptr)
{
}

CMsgSocket::~CMsgSocket() = default;

void CMsgSocket::Init(CWnd* pOwner)
{
    m_addrDest = InitDiscoverySocket(*this);
    m_pOwner = pOwner;
}

int CMsgSocket::SendMessageTo(const DEVICE_REQUEST& request, const SOCKADDR_IN& dest)
{
    uint8_t buffer[64];
    uint32_t cursor = 0;
    size_t size = EncodeDeviceMessage(buffer, sizeof buffer, &cursor, request);
    return SendDiscoveryDatagram(*this, buffer, size, dest) ? 1 : 0;
}

int CMsgSocket::ReqDiscoveryMsg()
{
    return SendMessageTo(DiscoveryRequest(), m_addrDest);
}

BOOL CMsgSocket::ReqUniQuestMsg(const CString& strAddress)
{
    uint32_t address = 0;
    if (!ParseStrictAddress(strAddress.GetString(), &address))
        return FALSE;
    return SendMessageTo(DiscoveryRequest(), DiscoveryAddress(address));
}

int CMsgSocket::ReqChngIPAddrMsg(const BYTE* pPassword, const BYTE* pMac, UINT nNewAddress)
{
    DEVICE_REQUEST request {};
    request.wCode = MSG_CHANGE_IP;
    request.dwLength = CHANGE_IP_LENGTH;
    std::memcpy(request.szUser, kAdminUser, sizeof kAdminUser);
    std::memcpy(request.szPassword, pPassword, sizeof request.szPassword);
    request.dwNewAddress = nNewAddress;
    std::memcpy(request.byMac, pMac, sizeof request.byMac);
    return SendMessageTo(request, m_addrDest);
}

void CMsgSocket::OnReceive(int nErrorCode)
{
    uint8_t buffer[kReceiveBuffer];
    CString from;
    UINT fromPort = 0;
    int got = ReceiveFrom(buffer, sizeof buffer, from, fromPort);
    // Devices answer from the discovery port; anything else is not a device.
    if (got <= 0 || fromPort != DISCOVERY_PORT)
        return;
    DEVICE_REPLY reply {};
    uint32_t cursor = 0;
    RES_DISCOVER_OVEL record;
    // Only whole discovery replies go on; the address change's replies and
    // anything shorter than its code's body are dropped.
    if (DecodeDeviceMessage(buffer, size_t(got), &cursor, &reply) != 0
        && MakeDiscoverRecord(reply, ParseDottedAddress(from.GetString()), &record)
        && !IsVersion3OrLater(record.version2) && m_pOwner && ::IsWindow(m_pOwner->GetSafeHwnd())) {
        ::SendMessage(m_pOwner->GetSafeHwnd(), WM_RES_DISCOVER, reinterpret_cast<WPARAM>(&record), 0);
    }
    CSocket::OnReceive(nErrorCode);
}

} // namespace morrik
