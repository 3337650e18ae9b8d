#include "link/DetectSocket.h"

#include "link/DeviceHelpers.h"
#include "platform/base/Services.h"
#include "platform/msg/WndBase.h"

#include <cstdio>
#include <cstring>
#include <memory>

namespace
{

constexpr uint32_t kPortWithoutReply = 80;

} // namespace

std::string DetectedText(const char* field, size_t size)
{
    return std::string(field, strnlen(field, size));
}

void CDetectSocket::Init(HWND hOwner)
{
    CMsgSocket::Init(this);
    m_hOwner = hOwner;
}

BOOL CDetectSocket::ReqDiscoveryMsg()
{
    if (CMsgSocket::ReqDiscoveryMsg())
        return TRUE;
    AfxMessageBox("Send Broadcast Message Fialed !!!");
    return FALSE;
}

void CDetectSocket::ResDiscoverProc(RES_DISCOVER_OVEL* pReply)
{
    // No window left to take it: nobody would free it.
    if (!m_hOwner || !::IsWindow(m_hOwner))
        return;
    auto device = std::make_unique<DiscoveredDevice>();
    std::memset(device.get(), 0, sizeof(DiscoveredDevice));
    std::memcpy(device->name, pReply->title, sizeof device->name);
    std::memcpy(device->serial, pReply->serial, sizeof device->serial);
    const uint8_t* mac = pReply->mac;
    std::snprintf(device->macText, sizeof device->macText, "%02X:%02X:%02X:%02X:%02X:%02X", mac[0], mac[1],
        mac[2], mac[3], mac[4], mac[5]);
    std::snprintf(
        device->addressText, sizeof device->addressText, "%s", FormatIpAddress(pReply->ipAddress).c_str());
    device->ipAddress = pReply->ipAddress;
    std::memcpy(device->model, pReply->model, sizeof device->model);
    std::memcpy(device->version1, pReply->version1, sizeof device->version1);
    std::memcpy(device->version2, pReply->version2, sizeof device->version2);
    device->port = pReply->port ? pReply->port : kPortWithoutReply;
    ::SendMessage(m_hOwner, WM_DETECT_RESULT, 0, LPARAM(device.release()));
}
