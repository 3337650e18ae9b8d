#include "pages/Page1CamInfo.h"

#include "link/AccountBlocks.h"
#include "link/ClockBlocks.h"
#include "link/CurrentDevice.h"
#include "link/DeviceBlocks.h"
#include "link/DeviceGates.h"
#include "link/DeviceHelpers.h"
#include "link/DiskBlocks.h"
#include "link/NetworkBlocks.h"
#include "link/SecurityBlocks.h"
#include "link/StreamServerBlocks.h"
#include "pages/ContentName.h"
#include "pages/common/TimeZones.h"

#include <algorithm>
#include <cstring>
#include <iterator>
#include <vector>

namespace
{

constexpr int kListId = 1;
constexpr int kListX = 15, kListY = 15, kListWidth = 510, kListHeight = 450;
constexpr int kMaxRecorderChannels = 16;
// Users 1 to 4 are listed; the administrator is not.
constexpr int kListedUsers = 4;

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
        CFG_PORT_PAIR alt;
        if (!ReadBlock(GET_ALT_PORT, &alt))
            return;
        if (alt.dwFirst == 1) {
            g_CurrentDevice.dwStreamPort = g_CurrentDevice.dwHttpPort = alt.dwSecond;
            return;
        }
        if (family == DEVICE_FAMILY_DVR) {
            CFG_NETWORK_PORTS ports;
            if (ReadBlock(GET_NETWORK_PORTS, &ports)) {
                g_CurrentDevice.dwStreamPort = ports.playback;
                g_CurrentDevice.dwHttpPort = ports.monitor;
            }
            return;
        }
    }
    CFG_PORT_PAIR ports;
    if (!ReadBlock(GET_SERVER_PORTS, &ports))
        return;
    g_CurrentDevice.dwStreamPort = ports.dwFirst;
    g_CurrentDevice.dwHttpPort = ports.dwSecond;

    // A streaming server still on the camera ports is moved to its own.
    if (family == DEVICE_FAMILY_STREAM_SERVER && ports.dwFirst == 8105 && ports.dwSecond == 8001) {
        if (WriteBlock(SET_SERVER_PORTS, { 554, 80 }) == CONFIG_DONE) {
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
    CFG_DEVICE_INFO info;
    if (!ReadBlock(GET_DEVICE_INFO, &info))
        return FALSE;
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
    CopyFullField(
        g_CurrentDevice.szSerial, sizeof g_CurrentDevice.szSerial, info.szSerial, sizeof info.szSerial);
    std::memcpy(g_CurrentDevice.byMac, info.byMac, sizeof g_CurrentDevice.byMac);
    CopyField(g_CurrentDevice.szInfo, info.szTitle);
    m_strDescription = ci.szInfo;
    return TRUE;
}

// The clock of a recorder or of the newest cameras: zone rules, rule
// shifts, then the clock with the zone's own shift.
BOOL CPage1CamInfo::ReadRecorderClock()
{
    CFG_ZONE_RULES rules;
    if (ReadBlock(GET_ZONE_RULES, &rules)) {
        const uint32_t count = std::min<uint32_t>(rules.count, std::size(rules.rule));
        for (uint32_t zone = 0; zone < count && zone < uint32_t(TIME_ZONE_COUNT); ++zone)
            SetZoneRule(int(zone), rules.rule[zone]);
    }

    CFG_DST_RULES dst;
    if (!ReadBlock(GET_DST_RULES, &dst))
        return FALSE;
    std::vector<int32_t> shifts;
    for (uint32_t i = 0; dst.rules && i < dst.count; ++i) {
        CFG_DST_RULE rule;
        std::memcpy(&rule, dst.rules + size_t(i) * sizeof rule, sizeof rule);
        shifts.push_back(int32_t(int16_t((rule.byShift[0] << 8) | rule.byShift[1])) * 60);
    }

    CFG_DEVICE_CLOCK clock;
    if (!ReadBlock(GET_DEVICE_CLOCK, &clock))
        return FALSE;
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
    CFG_DAYLIGHT_SAVING daylight;
    if (!ReadBlock(GET_DAYLIGHT_SAVING, &daylight))
        return FALSE;
    ci.bDaylightSaving = daylight.dwEnabled == 1;
    CFG_TIME_ZONE zone;
    if (!ReadBlock(GET_TIME_ZONE, &zone))
        return FALSE;
    ci.nDeviceTime = zone.nDeviceTime;
    ci.nGmtOffset = m_nGmtOffset = zone.nZoneOffset;
    if (ci.bDaylightSaving)
        ci.nDeviceTime += 3600;
    return TRUE;
}

void CPage1CamInfo::ShowUser(int user, CFG_USER_ENTRY entry, bool shown)
{
    CAMERA_INFO& ci = Info();
    ci.byUserShown[user - 1] = shown;
    if (!shown)
        return;
    UnscramblePassword(entry.id);
    CopyFixedText(ci.szUserName[user - 1], sizeof ci.szUserName[0], reinterpret_cast<const char*>(entry.id),
        sizeof entry.id);
}

BOOL CPage1CamInfo::ReadCameraBlock()
{
    CAMERA_INFO& ci = Info();
    CFG_USER_LIST users;
    if (!ReadBlock(GET_USER_LIST, &users))
        return FALSE;
    for (int u = 1; u <= kListedUsers; ++u)
        ShowUser(u, users.users[u], (users.rights[u] & 0x80) != 0);
    CFG_CHANNEL_CONFIG channels;
    if (!ReadBlock(GET_CHANNEL_CONFIG, &channels))
        return FALSE;
    for (int c = 0; c < int(std::size(channels.entries)); ++c)
        ci.byChannelEnabled[c] = (channels.entries[c].byFlags & 0x80) != 0;
    CFG_HDD_INFO hdd;
    if (!ReadBlock(GET_HDD_INFO, &hdd))
        return FALSE;
    ci.dwHdd = hdd.dwStatus;
    return TRUE;
}

BOOL CPage1CamInfo::ReadRecorderUsers()
{
    if (IsVersionAtLeast(1, 4, 0)) {
        CFG_RECORDER_USERS users;
        if (!ReadBlock(GET_RECORDER_USERS, &users))
            return FALSE;
        // Entry 0 is the administrator; the count is the device's.
        const uint32_t count = std::min<uint32_t>(users.count, std::size(users.users));
        for (uint32_t u = 1; u < count && u <= kListedUsers; ++u)
            ShowUser(int(u), users.users[u].user, (users.users[u].rights & 0x8000) != 0);
        return TRUE;
    }
    CFG_USER_TABLE table;
    if (!ReadBlock(GET_USER_TABLE, &table))
        return FALSE;
    for (int u = 1; u <= kListedUsers; ++u)
        ShowUser(u, table.users[u], (table.rights[u] & 0x8000) != 0);
    return TRUE;
}

// Whether recorder camera n (analogue ones first) is switched on; FALSE
// when it could not be read.
BOOL CPage1CamInfo::ReadCameraOn(int n, const CFG_CAMERA_COUNTS& counts, bool* on)
{
    uint16_t flags = 0;
    if (n < counts.analogue) {
        CFG_CAMERA camera;
        if (!ReadBlock(GET_CAMERA, &camera, { uint8_t(n) }))
            return FALSE;
        flags = camera.wFlags;
    } else {
        CFG_NET_CAMERA camera;
        if (!ReadBlock(GET_NET_CAMERA, &camera, { uint8_t(n - counts.analogue) }))
            return FALSE;
        flags = camera.wFlags;
    }
    *on = (flags & CAMERA_ON) != 0;
    return TRUE;
}

BOOL CPage1CamInfo::ReadRecorderBlock()
{
    CAMERA_INFO& ci = Info();
    if (!ReadRecorderUsers())
        return FALSE;
    CFG_CAMERA_COUNTS counts;
    if (!ReadBlock(GET_CAMERA_COUNTS, &counts))
        return FALSE;
    m_nChannelCount = counts.analogue + counts.network;
    // The record has room for sixteen channel flags.
    const int shown = std::min(m_nChannelCount, kMaxRecorderChannels);
    for (int n = 0; n < shown; ++n) {
        bool on = false;
        if (!ReadCameraOn(n, counts, &on))
            return FALSE;
        ci.byChannelEnabled[n + 1] = on;
    }
    std::memset(&ci.dwHdd, 1, sizeof ci.dwHdd);
    return TRUE;
}

BOOL CPage1CamInfo::ReadContents()
{
    std::memset(g_szContentName, 0, sizeof g_szContentName);
    CFG_STREAM_SERVER server;
    if (!ReadBlock(GET_STREAM_SERVER, &server))
        return FALSE;
    const uint32_t count = std::min<uint32_t>(server.dwCount, std::size(server.contents));
    if (count == 0) {
        m_InfoList.ShowNoContent();
        m_InfoList.TrimContentRows(0);
        return TRUE;
    }
    int chosen = -1;
    uint32_t best = 0;
    for (uint32_t i = 0; i < count; ++i) {
        const tagContentInfo& content = server.contents[i];
        m_InfoList.SetContent(int(i), content);
        // Of the contents switched on, the one with the largest first value.
        if (content.byFlag && (chosen < 0 || content.dwValue1 > best)) {
            chosen = int(i);
            best = content.dwValue1;
        }
    }
    if (chosen >= 0) {
        const tagContentInfo& content = server.contents[chosen];
        CopyFixedText(g_szContentName, sizeof g_szContentName, content.szUrl, sizeof content.szUrl);
    }
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
    CFG_SECURITY security;
    ok = ReadBlock(GET_SECURITY, &security) != FALSE;
    if (ok)
        ci.bSecurity = (security.dwFlags & 0x80) != 0;
    else if (!streamServer)
        return;

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

ConfigResult CPage1CamInfo::WriteGroup(int)
{
    // The device keeps 31 characters and a terminator.
    CFG_DESCRIPTION description {};
    const char* text = m_strDescription;
    CopyFixedText(description.szText, sizeof description.szText, text, std::strlen(text));
    const ConfigResult result = WriteBlock(SET_DESCRIPTION, description);
    if (result == CONFIG_DONE && m_pConfigView)
        m_pConfigView->UpdateDeviceInfo(description.szText);
    return result;
}
