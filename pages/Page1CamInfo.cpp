#include "pages/Page1CamInfo.h"

#include "link/CurrentDevice.h"
#include "link/AccountBlocks.h"
#include "link/CameraBlocks.h"
#include "link/ClockBlocks.h"
#include "link/ConfigCodec.h"
#include "link/DeviceBlocks.h"
#include "link/NetworkBlocks.h"
#include "link/SecurityBlocks.h"
#include "link/StreamServerBlocks.h"
#include "link/DeviceGates.h"
#include "link/DeviceHelpers.h"
#include "pages/ContentName.h"
#include "pages/common/TimeZones.h"

#include <algorithm>
#include <cstring>

namespace
{

constexpr int kListId = 1;
constexpr int kListX = 15, kListY = 15, kListWidth = 510, kListHeight = 450;
constexpr size_t kDescriptionSize = 32;
constexpr int kMaxContents = 10;
constexpr int kMaxRecorderChannels = 16;

// The daylight-saving rule of a time zone lives in the last four bytes of
// the zone's name field.
void SetZoneRule(int zone, uint32_t rule)
{
    std::memcpy(g_TimeZones[zone].text + sizeof g_TimeZones[zone].text - 4, &rule, 4);
}

uint32_t ZoneRule(int zone)
{
    uint32_t rule = 0;
    std::memcpy(&rule, g_TimeZones[zone].text + sizeof g_TimeZones[zone].text - 4, 4);
    return rule;
}

} // namespace

CPage1CamInfo::CPage1CamInfo()
    : CConfigPage(IDD_PAGE1_CAMINFO, SLOT_CamInfo)
{
    m_InfoList.SetOwnerPage(this);
}

CPage1CamInfo::~CPage1CamInfo() = default;

void CPage1CamInfo::PlaceList()
{
    if (m_InfoList.GetSafeHwnd())
        m_InfoList.MoveWindow(kListX, kListY, kListWidth, kListHeight);
}

BOOL CPage1CamInfo::OnInitDialog()
{
    CConfigPage::OnInitDialog();
    m_InfoList.Create(WS_CHILD | WS_VISIBLE | WS_BORDER | LVS_REPORT,
        CRect(kListX, kListY, kListX + kListWidth, kListY + kListHeight), this, kListId);
    m_InfoList.SetExtendedStyle(LVS_EX_GRIDLINES | LVS_EX_FULLROWSELECT);
    if (m_ImageList.Create(IDB_SMALL_ICONS, 16, 1, RGB(0, 0, 0)))
        m_InfoList.SetImageList(&m_ImageList, LVSIL_SMALL);
    m_InfoList.InitColumns();
    LearnPorts();
    return TRUE;
}

// The streaming and HTTP ports the device uses, into g_CurrentDevice. The
// configuration port stays the one this session reached the device on: a
// device behind a forwarded port is not reached on its own 8405.
void CPage1CamInfo::LearnPorts()
{
    const uint32_t family = g_CurrentDevice.dwFamily;
    if (family != DEVICE_FAMILY_STREAM_SERVER) {
        if (!m_ConfigSession.GetAltPort(&m_Reply))
            return;
        const CFG_PORT_PAIR alt = ReplyFields<CFG_PORT_PAIR>(m_Reply);
        if (alt.dwFirst == 1) {
            g_CurrentDevice.dwStreamPort = g_CurrentDevice.dwHttpPort = alt.dwSecond;
            return;
        }
        if (family == DEVICE_FAMILY_DVR) {
            PrepareConfigRequest(&m_Request, 0x030C, CONFIG_CRED_SIZE, g_strDevicePassword.c_str());
            if (m_ConfigSession.Transact(&m_Request, &m_Reply, TRUE)) {
                const CFG_NETWORK_PORTS ports = ReplyFields<CFG_NETWORK_PORTS>(m_Reply);
                g_CurrentDevice.dwStreamPort = ports.playback;
                g_CurrentDevice.dwHttpPort = ports.monitor;
            }
            return;
        }
    }
    if (!m_ConfigSession.GetServerPorts(&m_Reply))
        return;
    const CFG_PORT_PAIR ports = ReplyFields<CFG_PORT_PAIR>(m_Reply);
    g_CurrentDevice.dwStreamPort = ports.dwFirst;
    g_CurrentDevice.dwHttpPort = ports.dwSecond;

    // A streaming server still on the camera ports is moved to its own.
    if (family == DEVICE_FAMILY_STREAM_SERVER && ports.dwFirst == 8105 && ports.dwSecond == 8001) {
        PrepareConfigRequest(&m_Request, 0x0A02, CONFIG_CRED_SIZE + 8, g_strDevicePassword.c_str());
        const CFG_PORT_PAIR fixed { 554, 80 };
        std::memcpy(m_Request.params, &fixed, sizeof fixed);
        if (m_ConfigSession.SetServerPorts(&m_Request)) {
            if (m_pConfigView)
                m_pConfigView->SetDevicePorts(554, 80, g_CurrentDevice.dwConfigPort);
            g_CurrentDevice.dwStreamPort = 554;
            g_CurrentDevice.dwHttpPort = 80;
        }
    }
}

BOOL CPage1CamInfo::OnSetActive()
{
    PlaceList();
    return CConfigPage::OnSetActive();
}

BOOL CPage1CamInfo::ReadDeviceInfo()
{
    if (!m_ConfigSession.GetDeviceInfo(&m_Reply))
        return FALSE;
    const CFG_DEVICE_INFO info = ReplyFields<CFG_DEVICE_INFO>(m_Reply);
    CAMERA_INFO& ci = Info();
    CopyField(ci.szModel, info.szModel);
    CopyField(ci.szVersion1, info.szVersion1);
    CopyField(ci.szVersion2, info.szVersion2);
    // A 24-character serial fills its field without a terminator.
    CopyFullField(ci.szSerial, sizeof ci.szSerial, info.szSerial, sizeof info.szSerial);
    CopyField(ci.szInfo, info.szTitle);
    ci.dwIpAddress = g_CurrentDevice.dwIpAddress;
    CopyFixedText(ci.szAddress, sizeof ci.szAddress, g_CurrentDevice.szAddress, sizeof ci.szAddress);

    CopyField(g_CurrentDevice.szVersion1, info.szVersion1);
    CopyField(g_CurrentDevice.szVersion2, info.szVersion2);
    CopyFullField(g_CurrentDevice.szSerial, sizeof g_CurrentDevice.szSerial, info.szSerial, sizeof info.szSerial);
    std::memcpy(g_CurrentDevice.byMac, info.byMac, sizeof g_CurrentDevice.byMac);
    CopyField(g_CurrentDevice.szInfo, info.szTitle);
    m_strDescription = ci.szInfo;
    return TRUE;
}

// The clock of a recorder or of the newest cameras: zone rules, rule
// shifts, then the clock with the zone's own shift.
BOOL CPage1CamInfo::ReadRecorderClock()
{
    PrepareConfigRequest(&m_Request, 0x0112, CONFIG_CRED_SIZE, g_strDevicePassword.c_str());
    if (m_ConfigSession.Transact(&m_Request, &m_Reply, TRUE)) {
        const CFG_ZONE_RULES rules = ReplyFields<CFG_ZONE_RULES>(m_Reply);
        const uint32_t count = std::min<uint32_t>(rules.count, TIME_ZONE_COUNT);
        for (uint32_t zone = 0; zone < count; ++zone)
            SetZoneRule(int(zone), rules.rule[zone]);
    }

    PrepareConfigRequest(&m_Request, 0x010F, CONFIG_CRED_SIZE, g_strDevicePassword.c_str());
    if (!m_ConfigSession.Transact(&m_Request, &m_Reply, TRUE))
        return FALSE;
    std::vector<int32_t> shifts;
    CFG_DST_RULES dst;
    std::memcpy(&dst, m_Reply.body, sizeof dst);
    if (dst.rules) {
        for (uint32_t i = 0; i < dst.count; ++i) {
            const uint8_t* rule = dst.rules + size_t(i) * 15;
            // Thirteen single bytes, then the shift in minutes, big-endian.
            shifts.push_back(int32_t(int16_t((rule[13] << 8) | rule[14])) * 60);
        }
    }
    FreeConfigReplyLists(&m_Reply);

    PrepareConfigRequest(&m_Request, 0x0110, CONFIG_CRED_SIZE, g_strDevicePassword.c_str());
    if (!m_ConfigSession.Transact(&m_Request, &m_Reply, TRUE))
        return FALSE;
    const CFG_DEVICE_CLOCK clock = ReplyFields<CFG_DEVICE_CLOCK>(m_Reply);
    CAMERA_INFO& ci = Info();
    ci.nDeviceTime = clock.deviceTime;
    ci.nGmtOffset = clock.zoneIndex < uint32_t(TIME_ZONE_COUNT) ? g_TimeZones[clock.zoneIndex].offset : 0;
    m_nGmtOffset = ci.nGmtOffset;
    ci.bDaylightSaving = 0;
    if (clock.daylightSaving) {
        const uint32_t rule
            = clock.zoneIndex < uint32_t(TIME_ZONE_COUNT) ? ZoneRule(int(clock.zoneIndex)) : 0;
        // Rule numbers count from 1; 0 is a zone without a rule.
        if (rule >= 1 && rule <= shifts.size())
            ci.nDeviceTime += shifts[rule - 1];
        ci.bDaylightSaving = 1;
    }
    return TRUE;
}

BOOL CPage1CamInfo::ReadDeviceTime()
{
    const bool recorderClock = g_CurrentDevice.dwFamily == DEVICE_FAMILY_DVR
        || (m_pConfigView && m_pConfigView->FirmwareKind() == 5);
    if (recorderClock)
        return ReadRecorderClock();

    CAMERA_INFO& ci = Info();
    if (!m_ConfigSession.GetDaylightSaving(&m_Reply))
        return FALSE;
    uint32_t flag = 0;
    std::memcpy(&flag, m_Reply.body, sizeof flag);
    ci.bDaylightSaving = flag == 1;
    if (!m_ConfigSession.GetTimeZone(&m_Reply))
        return FALSE;
    const CFG_TIME_ZONE zone = ReplyFields<CFG_TIME_ZONE>(m_Reply);
    ci.nDeviceTime = zone.nDeviceTime;
    ci.nGmtOffset = m_nGmtOffset = zone.nZoneOffset;
    if (ci.bDaylightSaving)
        ci.nDeviceTime += 3600;
    return TRUE;
}

BOOL CPage1CamInfo::ReadCameraBlock()
{
    CAMERA_INFO& ci = Info();
    if (!m_ConfigSession.GetUserList(&m_Reply))
        return FALSE;
    CFG_USER_LIST users = ReplyFields<CFG_USER_LIST>(m_Reply);
    for (int u = 1; u <= 4; ++u) {
        UnscramblePassword(users.users[u].id);
        UnscramblePassword(users.users[u].password);
        ci.byUserShown[u - 1] = (users.rights[u] & 0x80) != 0;
        if (ci.byUserShown[u - 1])
            CopyFixedText(ci.szUserName[u - 1], 16, reinterpret_cast<const char*>(users.users[u].id), 16);
    }
    if (!m_ConfigSession.GetChannelConfig(&m_Reply))
        return FALSE;
    for (int c = 0; c < 5; ++c) {
        CFG_CHANNEL_ENTRY entry;
        std::memcpy(&entry, m_Reply.body + c * sizeof entry, sizeof entry);
        ci.byChannelEnabled[c] = (entry.byFlags & 0x80) != 0;
    }
    if (!m_ConfigSession.GetHddInfo(&m_Reply))
        return FALSE;
    std::memcpy(&ci.dwHdd, m_Reply.body, sizeof ci.dwHdd);
    return TRUE;
}

BOOL CPage1CamInfo::ReadRecorderBlock()
{
    CAMERA_INFO& ci = Info();
    const bool newUsers = IsVersionAtLeast(1, 4, 0);
    PrepareConfigRequest(
        &m_Request, newUsers ? 0x0205 : 0x0203, CONFIG_CRED_SIZE, g_strDevicePassword.c_str());
    if (!m_ConfigSession.Transact(&m_Request, &m_Reply, TRUE))
        return FALSE;
    if (newUsers) {
        uint32_t count = 0;
        std::memcpy(&count, m_Reply.body, sizeof count);
        const uint32_t room = uint32_t((sizeof m_Reply.body - 4) / sizeof(CFG_RECORDER_USER));
        count = std::min(count, room);
        for (uint32_t i = 1; i < count && i <= 4; ++i) {
            CFG_RECORDER_USER entry;
            std::memcpy(&entry, m_Reply.body + 4 + i * sizeof entry, sizeof entry);
            UnscramblePassword(entry.user.id);
            ci.byUserShown[i - 1] = (entry.rights & 0x8000) != 0;
            if (ci.byUserShown[i - 1])
                CopyFixedText(ci.szUserName[i - 1], 16, reinterpret_cast<const char*>(entry.user.id), 16);
        }
    } else {
        CFG_USER_TABLE table = ReplyFields<CFG_USER_TABLE>(m_Reply);
        for (int u = 1; u <= 4; ++u) {
            UnscramblePassword(table.users[u].id);
            ci.byUserShown[u - 1] = (table.rights[u] & 0x8000) != 0;
            if (ci.byUserShown[u - 1])
                CopyFixedText(ci.szUserName[u - 1], 16, reinterpret_cast<const char*>(table.users[u].id), 16);
        }
    }

    PrepareConfigRequest(&m_Request, 0x0403, CONFIG_CRED_SIZE, g_strDevicePassword.c_str());
    if (!m_ConfigSession.Transact(&m_Request, &m_Reply, TRUE))
        return FALSE;
    const CFG_CAMERA_COUNTS counts = ReplyFields<CFG_CAMERA_COUNTS>(m_Reply);
    m_nChannelCount = counts.analogue + counts.network;
    // The record has room for sixteen channel flags.
    const int shown = std::min(m_nChannelCount, kMaxRecorderChannels);
    for (int n = 0; n < shown; ++n) {
        const bool analogue = n < counts.analogue;
        PrepareConfigRequest(
            &m_Request, analogue ? 0x0404 : 0x0406, CONFIG_CRED_SIZE + 1, g_strDevicePassword.c_str());
        m_Request.params[0] = uint8_t(analogue ? n : n - counts.analogue);
        if (!m_ConfigSession.Transact(&m_Request, &m_Reply, FALSE))
            return FALSE;
        uint16_t status = 0;
        std::memcpy(&status, m_Reply.body, sizeof status);
        ci.byChannelEnabled[n + 1] = (status & 0x8000) != 0;
    }
    std::memset(&ci.dwHdd, 1, sizeof ci.dwHdd);
    return TRUE;
}

BOOL CPage1CamInfo::ReadContents()
{
    std::memset(g_szContentName, 0, sizeof g_szContentName);
    if (!m_ConfigSession.GetStreamServer(&m_Reply))
        return FALSE;
    uint32_t count = 0;
    std::memcpy(&count, m_Reply.body, sizeof count);
    count = std::min<uint32_t>(count, kMaxContents);
    if (count == 0) {
        m_InfoList.ShowNoContent();
        m_InfoList.TrimContentRows(0);
        return TRUE;
    }
    int chosen = -1;
    uint32_t best = 0;
    for (uint32_t i = 0; i < count; ++i) {
        tagContentInfo content;
        std::memcpy(&content, m_Reply.body + 4 + i * sizeof content, sizeof content);
        m_InfoList.SetContent(int(i), content);
        // Of the contents switched on, the one with the largest first value.
        if (content.byFlag && (chosen < 0 || content.dwValue1 > best)) {
            chosen = int(i);
            best = content.dwValue1;
        }
    }
    if (chosen >= 0)
        std::memcpy(
            g_szContentName, m_Reply.body + 4 + chosen * sizeof(tagContentInfo), sizeof g_szContentName - 1);
    m_InfoList.TrimContentRows(int(count));
    return TRUE;
}

void CPage1CamInfo::ReadSettings()
{
    m_bReadComplete = FALSE;
    CAMERA_INFO& ci = Info();
    std::memset(ci.byUserShown, 0, sizeof ci.byUserShown);
    std::memset(ci.byChannelEnabled, 0, sizeof ci.byChannelEnabled);
    const uint32_t family = g_CurrentDevice.dwFamily;
    const bool streamServer = family == DEVICE_FAMILY_STREAM_SERVER;

    // A streaming server passes over failures of the common reads.
    bool ok = ReadDeviceInfo() != FALSE;
    MarkGroupRead(0, ok);
    if (!ok && !streamServer)
        return;
    ok = ReadDeviceTime() != FALSE;
    if (!ok && !streamServer)
        return;
    ok = m_ConfigSession.GetSecurity(&m_Reply) != FALSE;
    if (ok) {
        uint32_t flags = 0;
        std::memcpy(&flags, m_Reply.body, sizeof flags);
        ci.bSecurity = (flags & 0x80) != 0;
    } else if (!streamServer) {
        return;
    }

    if (streamServer && !ReadContents())
        return;
    if (family == DEVICE_FAMILY_DVR ? !ReadRecorderBlock() : !ReadCameraBlock())
        return;
    m_bReadComplete = TRUE;
}

void CPage1CamInfo::ShowSettings()
{
    if (!m_bReadComplete)
        return;
    m_InfoList.ShowInfo(Info(), m_nChannelCount);
}

void CPage1CamInfo::SetDescription(const CString& text)
{
    m_strDescription = text;
    SetPageModified();
}

SetResult CPage1CamInfo::WriteGroup(int)
{
    // The device keeps 31 characters and a terminator.
    char description[kDescriptionSize] = {};
    std::strncpy(description, m_strDescription, kDescriptionSize - 1);
    PrepareConfigRequest(
        &m_Request, 0x0106, CONFIG_CRED_SIZE + kDescriptionSize, g_strDevicePassword.c_str());
    std::memcpy(m_Request.params, description, kDescriptionSize);
    const SetResult result = TransactSet(&m_Request);
    if (result == SET_DONE && m_pConfigView)
        m_pConfigView->UpdateDeviceInfo(description);
    return result;
}
