#include "pages/Page2System.h"

#include "controls/ControlPlacement.h"
#include "link/ClockBlocks.h"
#include "link/CurrentDevice.h"
#include "link/DeviceFamily.h"
#include "link/DeviceGates.h"
#include "pages/Page8Schedule.h"
#include "pages/Page8Schedule2.h"
#include "pages/common/FlashReset.h"
#include "pages/common/RebootFlow.h"
#include "pages/common/TimeZones.h"
#include "platform/base/Services.h"
#include "platform/ui/DataExchange.h"

#include <iterator>

namespace
{

// Cameras that keep their zone as an offset: the manual daylight box.
constexpr ControlPlace kByOffset[] = {
    { IDC_SYS_TIME_GROUP, 15, 10, 510, 235 },
    { IDC_SYS_CALENDAR, 40, 35, 220, 190 },
    { IDC_SYS_TIME, 300, 115, 180, 25 },
    { IDC_SYS_ZONE_GROUP, 15, 255, 510, 125 },
    { IDC_SYS_ZONE, 30, 280, 480, 300 },
    { IDC_SYS_DST_MANUAL, 30, 315, 480, 50 },
    { IDC_SYS_DEFAULTS_LABEL, 40, 402, 250, 25 },
    { IDC_SYS_DEFAULTS, 330, 398, 120, 28 },
    { IDC_SYS_REBOOT_LABEL, 40, 442, 250, 25 },
    { IDC_SYS_REBOOT, 330, 438, 120, 28 },
};
// Recorders and the newest cameras: the zone table with its rules.
constexpr ControlPlace kByTable[] = {
    { IDC_SYS_TIME_GROUP, 15, 10, 510, 235 },
    { IDC_SYS_CALENDAR, 40, 35, 220, 190 },
    { IDC_SYS_TIME, 300, 115, 180, 25 },
    { IDC_SYS_ZONE_GROUP, 15, 255, 510, 125 },
    { IDC_SYS_ZONE, 30, 278, 480, 300 },
    { IDC_SYS_DST_RULE, 30, 310, 480, 300 },
    { IDC_SYS_DST_AUTO, 30, 342, 480, 25 },
    { IDC_SYS_DEFAULTS_LABEL, 40, 402, 250, 25 },
    { IDC_SYS_DEFAULTS, 330, 398, 120, 28 },
    { IDC_SYS_REBOOT_LABEL, 40, 442, 250, 25 },
    { IDC_SYS_REBOOT, 330, 438, 120, 28 },
};
// The zone table with a time synchronisation pane below.
constexpr ControlPlace kWithPane[] = {
    { IDC_SYS_TIME_GROUP, 15, 5, 510, 180 },
    { IDC_SYS_CALENDAR, 40, 22, 200, 155 },
    { IDC_SYS_TIME, 300, 85, 180, 25 },
    { IDC_SYS_ZONE_GROUP, 15, 190, 510, 95 },
    { IDC_SYS_ZONE, 30, 207, 480, 300 },
    { IDC_SYS_DST_RULE, 30, 234, 480, 300 },
    { IDC_SYS_DST_AUTO, 30, 260, 480, 22 },
    { IDC_SYS_DEFAULTS_LABEL, 25, 292, 140, 22 },
    { IDC_SYS_DEFAULTS, 170, 290, 80, 25 },
    { IDC_SYS_REBOOT_LABEL, 280, 292, 140, 22 },
    { IDC_SYS_REBOOT, 430, 290, 80, 25 },
};
constexpr int kPaneX = 15, kPaneWidth = 530;
constexpr int kNtpY = 360, kNtpHeight = 130;
constexpr int kNtpIpTypeY = 320, kNtpIpTypeHeight = 100;
constexpr DWORD kClientSyncMs = 3000;
constexpr uint8_t kNtpClient = 2;
constexpr int32_t kManualShift = 3600;

} // namespace

BEGIN_MESSAGE_MAP(CPage2System, CConfigPage)
ON_BN_CLICKED(IDC_SYS_DEFAULTS, OnLoadDefaults)
ON_BN_CLICKED(IDC_SYS_REBOOT, OnReboot)
ON_BN_CLICKED(IDC_SYS_DST_MANUAL, OnManualDaylight)
ON_BN_CLICKED(IDC_SYS_DST_AUTO, OnAutoDaylight)
ON_CBN_SELCHANGE(IDC_SYS_ZONE, OnSelchangeZone)
ON_CBN_SELCHANGE(IDC_SYS_DST_RULE, OnSelchangeRule)
ON_NOTIFY(DTN_DATETIMECHANGE, IDC_SYS_TIME, OnTimeChange)
ON_NOTIFY(MCN_SELCHANGE, IDC_SYS_CALENDAR, OnCalendarChange)
ON_WM_TIMER()
ON_MESSAGE(WM_PAGE_MODIFIED, OnPaneModified)
END_MESSAGE_MAP()

CPage2System::CPage2System()
    : CConfigPage(IDD_PAGE2_SYSTEM, SLOT_System)
{
    DeclareGroups(GROUP_COUNT);
}

CPage2System::~CPage2System() = default;

void CPage2System::SetSheetLink(SheetLinkRole role, CWnd* pTarget)
{
    if (role == LINK_ChannelPage)
        m_pChannelPage = pTarget;
    else if (role == LINK_SchedulePage)
        m_pSchedulePage = pTarget;
}

void CPage2System::ReleaseChildDialogs()
{
    if (m_pNtpDlg && m_pNtpDlg->GetSafeHwnd())
        m_pNtpDlg->DestroyWindow();
    if (m_pNtpIpTypeDlg && m_pNtpIpTypeDlg->GetSafeHwnd())
        m_pNtpIpTypeDlg->DestroyWindow();
    m_pNtpDlg.reset();
    m_pNtpIpTypeDlg.reset();
}

bool CPage2System::UsesZoneTable() const
{
    return g_CurrentDevice.dwFamily == DEVICE_FAMILY_DVR
        || (g_CurrentDevice.dwFamily != DEVICE_FAMILY_STREAM_SERVER && m_pConfigView
            && m_pConfigView->FirmwareKind() == 5);
}

void CPage2System::DoDataExchange(CDataExchange* pDX)
{
    CConfigPage::DoDataExchange(pDX);
    DDX_Control(pDX, IDC_SYS_CALENDAR, m_MonthCal);
    DDX_Control(pDX, IDC_SYS_TIME, m_TimeCtrl);
    DDX_Control(pDX, IDC_SYS_ZONE, m_ZoneCombo);
    DDX_Control(pDX, IDC_SYS_DST_RULE, m_RuleCombo);
}

void CPage2System::LayOut()
{
    const bool table = UsesZoneTable();
    const bool pane = m_pNtpDlg || m_pNtpIpTypeDlg;
    PlaceControls(this,
        pane        ? std::span<const ControlPlace>(kWithPane)
            : table ? std::span<const ControlPlace>(kByTable)
                    : std::span<const ControlPlace>(kByOffset));
    // Each interface shows its own daylight-saving controls.
    for (int id : { IDC_SYS_DST_RULE, IDC_SYS_DST_AUTO })
        if (CWnd* control = GetDlgItem(id))
            control->ShowWindow(table ? SW_SHOW : SW_HIDE);
    if (CWnd* manual = GetDlgItem(IDC_SYS_DST_MANUAL))
        manual->ShowWindow(table ? SW_HIDE : SW_SHOW);
}

BOOL CPage2System::OnInitDialog()
{
    CConfigPage::OnInitDialog();
    const uint32_t family = g_CurrentDevice.dwFamily;
    if (family == DEVICE_FAMILY_DVR)
        SetDlgItemText(IDC_SYS_REBOOT_LABEL, LoadText(IDS_REBOOT_DVR_LABEL));
    if (UsesZoneTable()) {
        for (const MYTIME_ZONE_ENTRY& zone : g_TimeZones)
            m_ZoneCombo.AddString(zone.text);
    } else {
        for (const MYTIME_ZONE_OFFSET_ENTRY& zone : g_TimeZoneOffsets)
            m_ZoneCombo.AddString(zone.text);
    }
    m_TimeCtrl.SetFormat("HH:mm:ss");

    if (family == DEVICE_FAMILY_DVR && IsVersionAtLeast(1, 2, 25)) {
        m_pNtpDlg = std::make_unique<CNtpDlg>(this);
        if (m_pNtpDlg->Create(IDD_NTP, this))
            m_pNtpDlg->MoveWindow(kPaneX, kNtpY, kPaneWidth, kNtpHeight);
        m_pNtpDlg->ShowWindow(SW_SHOW);
    } else if ((family == 0 || family == 3) && IsVersionAtLeast4(2, 4, 1, 100)) {
        m_pNtpIpTypeDlg = std::make_unique<CNtpIpTypeDlg>(this);
        if (m_pNtpIpTypeDlg->Create(IDD_NTP_IP_TYPE, this))
            m_pNtpIpTypeDlg->MoveWindow(kPaneX, kNtpIpTypeY, kPaneWidth, kNtpIpTypeHeight);
        m_pNtpIpTypeDlg->ShowWindow(SW_SHOW);
    }
    LayOut();
    return TRUE;
}

BOOL CPage2System::OnSetActive()
{
    m_RuleCombo.ResetContent();
    return CConfigPage::OnSetActive();
}

void CPage2System::ShowDeviceTime(int32_t daylightShift)
{
    // The page tells of a clock that was never set once it is on screen.
    if (m_nDeviceTime < 0) {
        SetTimer(TIMER_TIME_ERROR, TIME_ERROR_DELAY_MS);
        return;
    }
    SYSTEMTIME shown {};
    if (!ShownDeviceTime(m_nDeviceTime, m_nAppliedOffset, daylightShift, &shown))
        return;
    m_MonthCal.SetCurSel(&shown);
    m_TimeCtrl.SetTime(&shown);
}

void CPage2System::ReadByOffset()
{
    CFG_DAYLIGHT_SAVING daylight {};
    if (ReadBlock(GET_DAYLIGHT_SAVING, &daylight)) {
        m_bManualDaylight = daylight.dwEnabled != 0;
        CheckDlgButton(IDC_SYS_DST_MANUAL, m_bManualDaylight ? BST_CHECKED : BST_UNCHECKED);
    }
    CFG_TIME_ZONE zone {};
    if (!ReadBlock(GET_TIME_ZONE, &zone))
        return;
    MarkGroupRead(GROUP_CLOCK, TRUE);
    m_nDeviceTime = zone.nDeviceTime;
    m_nAppliedOffset = m_nSelectedOffset = zone.nZoneOffset;
    m_ZoneCombo.SetCurSel(FindZoneOffsetEntry(zone.nZoneOffset));
    ShowDeviceTime(m_bManualDaylight ? kManualShift : 0);
}

void CPage2System::ReadByTable()
{
    CFG_ZONE_RULES zoneRules {};
    if (ReadBlock(GET_ZONE_RULES, &zoneRules))
        StoreZoneRules(zoneRules);
    CFG_DST_RULES rules {};
    if (ReadBlock(GET_DST_RULES, &rules)) {
        m_Rules = ReadDaylightRules(rules);
        m_RuleCombo.ResetContent();
        for (const DaylightRule& rule : m_Rules)
            m_RuleCombo.AddString(DescribeDaylightRule(rule));
    }
    CFG_DEVICE_CLOCK clock {};
    if (ReadBlock(GET_DEVICE_CLOCK, &clock)) {
        MarkGroupRead(GROUP_CLOCK, TRUE);
        // A zone the table does not have: no offset, no rule, no selection.
        const bool known = clock.zoneIndex < uint32_t(TIME_ZONE_COUNT);
        m_ZoneCombo.SetCurSel(known ? int(clock.zoneIndex) : -1);
        m_nAppliedOffset = m_nSelectedOffset = known ? g_TimeZones[clock.zoneIndex].offset : 0;
        const uint32_t rule = ZoneRuleNumber(clock.zoneIndex);
        m_RuleCombo.SetCurSel(rule >= 1 && rule <= m_Rules.size() ? int(rule) - 1 : -1);
        m_bAutoDaylight = clock.reserved[1] != 0;
        CheckDlgButton(IDC_SYS_DST_AUTO, m_bAutoDaylight ? BST_CHECKED : BST_UNCHECKED);
        m_nDeviceTime = clock.deviceTime;
        ShowDeviceTime(clock.daylightSaving ? ZoneDaylightShift(clock.zoneIndex, m_Rules) : 0);
    }

    tagNtpSetting ntp {};
    if (m_pNtpDlg && ReadBlock(GET_NTP, &ntp)) {
        m_pNtpDlg->SetNtp(ntp);
        MarkGroupRead(GROUP_SYNC, TRUE);
    }
    if (m_pNtpIpTypeDlg && ReadBlock(GET_NTP_IP_TYPE, &ntp)) {
        m_pNtpIpTypeDlg->SetNtp(ntp);
        MarkGroupRead(GROUP_SYNC, TRUE);
    }
}

void CPage2System::ReadSettings()
{
    m_bTimeEdited = FALSE;
    if (UsesZoneTable())
        ReadByTable();
    else
        ReadByOffset();
}

void CPage2System::ClockEdited()
{
    MarkGroupChanged(GROUP_CLOCK);
}

void CPage2System::OnManualDaylight()
{
    m_bManualDaylight = IsDlgButtonChecked(IDC_SYS_DST_MANUAL) == BST_CHECKED;
    ClockEdited();
}

void CPage2System::OnAutoDaylight()
{
    m_bAutoDaylight = IsDlgButtonChecked(IDC_SYS_DST_AUTO) == BST_CHECKED;
    ClockEdited();
}

void CPage2System::OnSelchangeRule()
{
    ClockEdited();
}

void CPage2System::OnSelchangeZone()
{
    ClockEdited();
    if (!UsesZoneTable())
        return;
    const int selected = m_ZoneCombo.GetCurSel();
    if (selected < 0 || selected >= TIME_ZONE_COUNT) {
        AfxMessageBox(IDS_TIMEZONE_NOT_SET);
        return;
    }
    m_nSelectedOffset = g_TimeZones[selected].offset;
    const uint32_t rule = ZoneRuleNumber(uint32_t(selected));
    CWnd* automatic = GetDlgItem(IDC_SYS_DST_AUTO);
    if (rule == 0) {
        CheckDlgButton(IDC_SYS_DST_AUTO, BST_UNCHECKED);
        if (automatic)
            automatic->ShowWindow(SW_HIDE);
        m_RuleCombo.SetCurSel(-1);
    } else {
        CheckDlgButton(IDC_SYS_DST_AUTO, m_bAutoDaylight ? BST_CHECKED : BST_UNCHECKED);
        if (automatic)
            automatic->ShowWindow(SW_SHOW);
        m_RuleCombo.SetCurSel(rule <= m_Rules.size() ? int(rule) - 1 : -1);
    }
}

void CPage2System::OnTimeChange(NMHDR*, LRESULT* pResult)
{
    // The calendar follows the picker's day.
    SYSTEMTIME picked {};
    m_TimeCtrl.GetTime(&picked);
    m_MonthCal.SetCurSel(&picked);
    m_bTimeEdited = TRUE;
    ClockEdited();
    *pResult = 0;
}

void CPage2System::OnCalendarChange(NMHDR*, LRESULT* pResult)
{
    SYSTEMTIME day {}, picked {};
    m_MonthCal.GetCurSel(&day);
    m_TimeCtrl.GetTime(&picked);
    picked.wYear = day.wYear;
    picked.wMonth = day.wMonth;
    picked.wDay = day.wDay;
    m_TimeCtrl.SetTime(&picked);
    m_bTimeEdited = TRUE;
    ClockEdited();
    *pResult = 0;
}

LRESULT CPage2System::OnPaneModified(WPARAM, LPARAM)
{
    MarkGroupChanged(GROUP_SYNC);
    return 0;
}

void CPage2System::OnTimer(UINT_PTR nIDEvent)
{
    if (nIDEvent != TIMER_TIME_ERROR) {
        CConfigPage::OnTimer(nIDEvent);
        return;
    }
    KillTimer(TIMER_TIME_ERROR);
    AfxMessageBox(IDS_TIME_ERROR_RESET);
}

BOOL CPage2System::ValidateSettings()
{
    if (m_ZoneCombo.GetCurSel() < 0) {
        AfxMessageBox(IDS_TIMEZONE_NOT_SET);
        return FALSE;
    }
    return TRUE;
}

int64_t CPage2System::PickedWallClock() const
{
    SYSTEMTIME day {}, picked {};
    m_MonthCal.GetCurSel(&day);
    m_TimeCtrl.GetTime(&picked);
    return SecondsOfFields(day, picked);
}

ConfigResult CPage2System::WriteByTable()
{
    const int selected = m_ZoneCombo.GetCurSel();
    m_nSelectedOffset = g_TimeZones[selected].offset;
    CFG_DEVICE_CLOCK_SET clock {};
    // Zero leaves the device's clock running as it is.
    clock.deviceTime = m_bTimeEdited ? int32_t(PickedWallClock()) : 0;
    clock.zoneIndex = uint32_t(selected);
    clock.zoneOffset = m_nSelectedOffset;
    clock.automatic = IsDlgButtonChecked(IDC_SYS_DST_AUTO) == BST_CHECKED;
    const ConfigResult result = WriteBlock(SET_DEVICE_CLOCK, clock);
    if (result == CONFIG_DONE)
        ReadByTable();
    return result;
}

ConfigResult CPage2System::WriteByOffset()
{
    const int selected = m_ZoneCombo.GetCurSel();
    m_nSelectedOffset = g_TimeZoneOffsets[selected].offset;
    const BOOL manual = IsDlgButtonChecked(IDC_SYS_DST_MANUAL) == BST_CHECKED;
    // The picker shows the device's wall clock; the device keeps UTC.
    const int64_t utc = PickedWallClock() - m_nSelectedOffset - (manual ? kManualShift : 0);
    ConfigResult result = WriteBlock(SET_TIME_ZONE, CFG_TIME_ZONE { int32_t(utc), m_nSelectedOffset });
    if (result == CONFIG_NO_CONNECTION)
        return result;
    if (result == CONFIG_DONE) {
        m_nAppliedOffset = m_nSelectedOffset;
        if (g_CurrentDevice.dwFamily == DEVICE_FAMILY_STREAM_SERVER)
            AfxMessageBox(IDS_STREAMING_RESTARTED);
    }
    const ConfigResult daylight = WriteBlock(SET_DAYLIGHT_SAVING, CFG_DAYLIGHT_SAVING { manual ? 1u : 0u });
    if (daylight == CONFIG_NO_CONNECTION)
        return daylight;
    ReadByOffset();
    return result == CONFIG_DONE ? daylight : result;
}

ConfigResult CPage2System::WriteGroup(int group)
{
    if (group == GROUP_SYNC) {
        tagNtpSetting ntp {};
        if (m_pNtpDlg) {
            m_pNtpDlg->GetNtp(&ntp);
            return WriteBlock(SET_NTP, ntp);
        }
        if (!m_pNtpIpTypeDlg)
            return CONFIG_DONE;
        m_pNtpIpTypeDlg->GetNtp(&ntp);
        const ConfigResult result = WriteBlock(SET_NTP_IP_TYPE, ntp);
        // A client gets a moment to reach its server before the clock is set.
        if (result == CONFIG_DONE && ntp.byField[0] == kNtpClient)
            Sleep(kClientSyncMs);
        return result;
    }
    // A recorder's page writes only its synchronisation settings.
    if (g_CurrentDevice.dwFamily == DEVICE_FAMILY_DVR)
        return CONFIG_DONE;
    const ConfigResult result = UsesZoneTable() ? WriteByTable() : WriteByOffset();
    m_bTimeEdited = FALSE;
    return result;
}

void CPage2System::RefreshSiblings()
{
    // The channel page reads the device's defaults again.
    if (auto* channel = dynamic_cast<CConfigPage*>(m_pChannelPage)) {
        channel->SetPageModified(FALSE);
        channel->SetConfigView(m_pConfigView);
    }
    // A schedule page that has shown its plans reads the defaults too; one
    // never shown reads them when it is.
    if (g_CurrentDevice.dwFamily == DEVICE_FAMILY_STREAM_SERVER || !m_pSchedulePage
        || !m_pSchedulePage->GetSafeHwnd())
        return;
    if (auto* schedule = dynamic_cast<CPage8Schedule*>(m_pSchedulePage))
        schedule->LoadSettings();
    else if (auto* schedule2 = dynamic_cast<CPage8Schedule2*>(m_pSchedulePage))
        schedule2->LoadSettings();
}

void CPage2System::OnLoadDefaults()
{
    if (ResetFlashToDefaults(m_ConfigSession, m_pConfigView, this, SystemFlashResetTexts()))
        RefreshSiblings();
}

void CPage2System::OnReboot()
{
    RebootDevice(m_ConfigSession, m_pConfigView, this, SystemRebootTexts(TRUE));
}

BOOL CPage2System::RebootNoConfirm()
{
    return RebootDevice(m_ConfigSession, m_pConfigView, this, SystemRebootTexts(FALSE));
}
