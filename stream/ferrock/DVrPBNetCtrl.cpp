#include "stream/ferrock/DVrPBNetCtrl.h"

#include "link/WindowMessages.h"
#include "stream/ferrock/OneShot.h"

#include <cstring>
#include <memory>

namespace ferrock
{

namespace
{

enum : uint16_t {
    kRepLogin = 0x4101,
    kRepVersion = 0x4105,
    kRepHdd = 0x410C,
    kRepContents = 0x410D,
    kRepLog = 0x410E,
    kRepPlay = 0x4110,
    kRepRegion = 0x4111,
    kRepRights = 0x4114,
};

constexpr uint16_t kStatusNoLog = 0xF312;
constexpr uint16_t kStatusOutsideRange = 0xF313;

const CDvrNetCtrlBase::Dialect kPlaybackDialect
    = { kPbLogin, kPbLogout, kPbKeepAlive, FrameDialect::Playback, 65536, 0, kErrSendReceive };

template <class T> void Release(WPARAM, LPARAM l)
{
    delete reinterpret_cast<T*>(l);
}

} // namespace

CDVrPBNetCtrl::CDVrPBNetCtrl(const tagMsgHandlerInfo& owner)
    : CDvrNetCtrlBase(owner, kPlaybackDialect)
{
}

CDVrPBNetCtrl::~CDVrPBNetCtrl()
{
    Logout();
    EndConnection();
}

void CDVrPBNetCtrl::QueueLoggedIn(std::unique_ptr<DvrRequest> request)
{
    if (IsConnected() && IsLoggedIn())
        Queue(std::move(request));
}

void CDVrPBNetCtrl::QueueRange(uint16_t wId, long from, long to)
{
    auto request = MakeRequest(wId);
    request->dwValue[0] = static_cast<uint32_t>(from);
    request->dwValue[1] = static_cast<uint32_t>(to);
    QueueLoggedIn(std::move(request));
}

void CDVrPBNetCtrl::ReqVersion()
{
    QueueLoggedIn(MakeRequest(kPbVersion));
}

void CDVrPBNetCtrl::ReqHddStatus()
{
    QueueLoggedIn(MakeRequest(kPbHddStatus));
}

void CDVrPBNetCtrl::ReqContentList()
{
    QueueLoggedIn(MakeRequest(kPbContentList));
}

void CDVrPBNetCtrl::ReqLog(long from, long to)
{
    QueueRange(kPbLog, from, to);
}

void CDVrPBNetCtrl::DelFilesTime(long from, long to)
{
    QueueRange(kPbDelFiles, from, to);
}

void CDVrPBNetCtrl::ReqRegionSize(long from, long to)
{
    QueueRange(kPbRegionSize, from, to);
}

void CDVrPBNetCtrl::ReqGetFuncPerms()
{
    QueueLoggedIn(MakeRequest(kPbFuncPerms));
}

void CDVrPBNetCtrl::PBPlayCtrl(const tagPBCtrlParm* pParm)
{
    if (!pParm)
        return;
    auto request = MakeRequest(kPbPlayCtrl);
    std::memcpy(request->dwCtrl, pParm->dwCtrl, sizeof request->dwCtrl);
    // The data travels padded with 0xFF to a whole number of words.
    const uint32_t length = pParm->pData ? pParm->dwDataLength : 0;
    request->data.assign((size_t(length) + 3) / 4 * 4, 0xFF);
    if (length)
        std::memcpy(request->data.data(), pParm->pData, length);
    QueueLoggedIn(std::move(request));
}

std::vector<uint8_t> CDVrPBNetCtrl::Marshal(const DvrRequest& request) const
{
    return MarshalPlaybackRequest(request);
}

void CDVrPBNetCtrl::Acknowledge(const NET_MSG_HEADER& header)
{
    if (header.word2)
        ErrorHandler(header.word2);
    else
        PostOwner(WM_DVR_ACK, header.msgId, 0);
}

void CDVrPBNetCtrl::UnmarshallMsg(const NET_MSG_HEADER& header, const uint8_t* body)
{
    const uint16_t status = header.word2;
    WireReader in(body, header.length);
    switch (header.msgId) {
    case kRepLogin: {
        if (status) {
            PostOwner(WM_PB_LOGIN, status, -1);
            return;
        }
        m_bLoggedIn = true;
        const uint16_t zone = in.U16();
        const uint16_t daylight = in.U16();
        PostOwner(WM_PB_LOGIN, zone, daylight);
        return;
    }
    case kRepVersion: {
        if (status) {
            PostOwner(WM_PB_VERSION, status, 0);
            return;
        }
        auto* version = new tagPBVersion();
        in.Bytes(version->text1, sizeof version->text1);
        in.Bytes(version->text2, sizeof version->text2);
        PostOwnerOwning(WM_PB_VERSION, 0, reinterpret_cast<LPARAM>(version), Release<tagPBVersion>);
        return;
    }
    case kRepHdd: {
        if (status) {
            PostOwner(WM_PB_DISK, status, 0);
            return;
        }
        auto* disk = new tagPBDiskStatus();
        for (int word : { 0, 1, 2, 4, 6, 7 })
            disk->dwValue[word] = in.U32();
        PostOwnerOwning(WM_PB_DISK, 0, reinterpret_cast<LPARAM>(disk), Release<tagPBDiskStatus>);
        return;
    }
    case kRepContents: {
        auto list = std::make_unique<tagContentList>();
        if (status || !ReadContentList(body, header.length, list.get())) {
            PostOwner(WM_PB_CONTENTS, status ? status : kErrSendReceive, 0);
            return;
        }
        PostOwnerOwning(WM_PB_CONTENTS, 0, reinterpret_cast<LPARAM>(list.release()), Release<tagContentList>);
        return;
    }
    case kRepLog:
        if (status == kStatusNoLog)
            PostOwner(WM_STREAM_ERROR, kStatusNoLog, kRepLog);
        else
            Acknowledge(header);
        return;
    case kRepPlay:
        if (status == kStatusOutsideRange) {
            const uint32_t first = in.U32();
            const uint32_t second = in.U32();
            PostOwner(WM_PB_RANGE, second, LPARAM(first));
        } else {
            Acknowledge(header);
        }
        return;
    case kRepRegion: {
        if (status) {
            PostOwner(WM_PB_REGION, status, 0);
            return;
        }
        const uint32_t first = in.U32();
        const uint32_t second = in.U32();
        PostOwner(WM_PB_REGION, second, LPARAM(first));
        return;
    }
    case kRepRights:
        if (!status)
            PostOwner(WM_PB_RIGHTS, 0, in.U16());
        return;
    case 0x4106:
    case 0x4108:
    case 0x4109:
        Acknowledge(header);
        return;
    case kFrameMessage:
        HandleFrames(header, body);
        return;
    default:
        if (status)
            ErrorHandler(status);
        return;
    }
}

} // namespace ferrock
