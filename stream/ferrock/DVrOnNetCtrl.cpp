#include "stream/ferrock/DVrOnNetCtrl.h"

#include "link/WindowMessages.h"

#include <cstdio>
#include <cstring>

namespace ferrock
{

namespace
{

enum : uint16_t {
    kRepLogin = 0x2116,
    kRepVersion = 0x2101,
    kRepExtended = 0x211A,
    kRepTimezone = 0x2119,
    kRepRelay = 0x2108,
    kRepValue = 0x2109,
    kRepIgnored = 0x2105,
    kRepAck2107 = 0x2107,
    kRepAddService = 0x2113,
    kRepModifyService = 0x2114,
};

const CDvrNetCtrlBase::Dialect kLiveDialect
    = { kReqLogin, kReqLogout, kReqKeepAlive, FrameDialect::Live, 4096, 65536, kErrConnectionClosed };

} // namespace

bool IsNewerDvrVersion(const char* versionText)
{
    int major = 0, minor = 0, patch = 0;
    if (!versionText || std::sscanf(versionText, "%d.%d.%d", &major, &minor, &patch) < 1)
        return false;
    if (major >= 3)
        return true;
    if (major == 2)
        return minor > 3 || (minor == 3 && patch >= 22);
    if (major == 1)
        return minor > 7 || (minor == 7 && patch >= 22);
    return false;
}

CDVrOnNetCtrl::CDVrOnNetCtrl(const tagMsgHandlerInfo& owner)
    : CDvrNetCtrlBase(owner, kLiveDialect)
{
}

CDVrOnNetCtrl::~CDVrOnNetCtrl()
{
    Logout();
    EndConnection();
}

BOOL CDVrOnNetCtrl::QueueService(uint16_t wId, const tagReqServiceParm* pParm)
{
    if (!IsConnected() || !IsLoggedIn() || !pParm)
        return FALSE;
    auto request = MakeRequest(wId);
    SetServiceMsg(*request, wId, *pParm);
    Queue(std::move(request));
    return TRUE;
}

BOOL CDVrOnNetCtrl::AddService(const tagReqServiceParm* pParm)
{
    return QueueService(kReqAddService, pParm);
}

BOOL CDVrOnNetCtrl::ModifyService(const tagReqServiceParm* pParm)
{
    return QueueService(kReqModifyService, pParm);
}

BOOL CDVrOnNetCtrl::DeleteService(const tagReqServiceParm* pParm)
{
    return QueueService(kReqDeleteService, pParm);
}

BOOL CDVrOnNetCtrl::ReqNextFrame()
{
    if (!IsConnected())
        return FALSE;
    auto request = MakeRequest(kReqFrameAck);
    request->dwValue[0] = kFrameAckedMessage;
    Queue(std::move(request));
    return TRUE;
}

BOOL CDVrOnNetCtrl::RelayService(uint32_t dwValue)
{
    if (!IsConnected())
        return FALSE;
    auto request = MakeRequest(kReqRelay);
    request->dwValue[0] = dwValue;
    Queue(std::move(request));
    return TRUE;
}

BOOL CDVrOnNetCtrl::SendAudioFrame(const tagETCFRAME* pFrame)
{
    if (!IsConnected() || !pFrame)
        return FALSE;
    auto request = MakeRequest(kReqAudioOut);
    request->dwFrameWord[0] = pFrame->dwValue0;
    request->dwFrameWord[1] = pFrame->dwValue1;
    request->data.assign(pFrame->data, pFrame->data + std::min(pFrame->dwLength, kEtcDataRoom));
    Queue(std::move(request));
    return TRUE;
}

BOOL CDVrOnNetCtrl::GetTimezone()
{
    if (!IsConnected() || !IsLoggedIn())
        return FALSE;
    Queue(MakeRequest(kReqTimezone));
    return TRUE;
}

std::vector<uint8_t> CDVrOnNetCtrl::Marshal(const DvrRequest& request) const
{
    return MarshalLiveRequest(request);
}

void CDVrOnNetCtrl::OnVersionReply(const uint8_t* body, uint32_t length)
{
    WireReader in(body, length);
    char first[33], second[33];
    in.Text(first, sizeof first, 32);
    in.Text(second, sizeof second, 32);
    if (IsNewerDvrVersion(second)) {
        m_bNewerServer = true;
        Queue(MakeRequest(kReqExtended));
        return;
    }
    m_bNewerServer = false;
    PostOwner(WM_DVR_ACK, kRepLogin, 0);
}

void CDVrOnNetCtrl::UnmarshallMsg(const NET_MSG_HEADER& header, const uint8_t* body)
{
    const uint16_t status = header.word2;
    WireReader in(body, header.length);
    switch (header.msgId) {
    case kRepLogin:
        if (status) {
            ErrorHandler(status);
            return;
        }
        m_bLoggedIn = true;
        m_wTimezone = in.U16();
        m_byTimezone = static_cast<uint8_t>(in.U16() & 0xFF);
        if (m_bVersionRequest)
            Queue(MakeRequest(kReqVersion));
        else
            PostOwner(WM_DVR_ACK, kRepLogin, 0);
        return;
    case kRepVersion:
        if (status)
            ErrorHandler(status);
        else
            OnVersionReply(body, header.length);
        return;
    case kRepExtended:
        if (status) {
            ErrorHandler(status);
            return;
        }
        m_bExtended = (in.U16() & 0x2000) != 0;
        PostOwner(WM_DVR_ACK, kRepLogin, 0);
        return;
    case kRepTimezone:
        if (status) {
            ErrorHandler(status);
            return;
        }
        m_wTimezone = in.U16();
        m_byTimezone = in.U8();
        PostOwner(WM_DVR_ACK, kRepTimezone, 0);
        return;
    case kRepRelay: {
        const uint32_t value = in.U32();
        PostOwner(WM_DVR_ACK, kRepRelay, status ? LPARAM(-1) : LPARAM(value));
        return;
    }
    case kRepValue:
        PostOwner(WM_DVR_VALUE, 0, LPARAM(in.U32()));
        return;
    case kRepIgnored:
        return;
    case kRepAck2107:
    case kRepAddService:
    case kRepModifyService:
        if (status)
            ErrorHandler(status);
        else
            PostOwner(WM_DVR_ACK, header.msgId, 0);
        return;
    case kFrameMessage:
        HandleFrames(header, body);
        return;
    default:
        // A reply the client does not know is an error only when the DVR
        // says so.
        if (status)
            ErrorHandler(status);
        return;
    }
}

} // namespace ferrock
