#include "pages/Page2System2.h"

#include "controls/ControlPlacement.h"
#include "link/ClockBlocks.h"
#include "link/DeviceBlocks.h"
#include "pages/common/DeviceTime.h"
#include "pages/common/FlashReset.h"
#include "pages/common/PortStore.h"
#include "pages/common/RebootFlow.h"
#include "pages/common/TimeZones.h"
#include "platform/base/Services.h"
#include "platform/ui/DataExchange.h"

namespace
{

constexpr UINT_PTR kFollowTimer = 1;
constexpr UINT kFollowMs = 1000;

constexpr ControlPlace kPlaces[] = {
    { IDC_SYS_DEFAULTS_LABEL, 15, 15, 510, 70 },
    { IDC_SYS_DEFAULTS, 170, 40, 200, 30 },
    { IDC_SYS_TIME_GROUP, 15, 95, 510, 235 },
    { IDC_SYS_CALENDAR, 110, 120, 200, 160 },
    { IDC_SYS_TIME, 110, 283, 200, 30 },
    { IDC_SYS_CURRENT_TIME, 340, 215, 100, 30 },
    { IDC_SYS_ZONE_GROUP, 15, 340, 510, 50 },
    { IDC_SYS_ZONE, 30, 360, 480, 300 },
    { IDC_SYS_REBOOT, 170, 400, 200, 30 },
};

// This page's own wording.
constexpr const char* kTimeError = "Time Error! Pleaser set the time.";
constexpr const char* kNoZone = "The timezone isn't set. please set it!";
constexpr const char* kAskReset = "Flash Information will be cleared. Are you sure?";
constexpr const char* kAskResetReboot = "Flash Information will be cleared.\nThe Cam will be rebooted. It "
                                        "takes 10 or 20 seconds. Are you sure?";
constexpr const char* kResetFailed = "Flash Information isn't cleared.";
constexpr const char* kResetDone = "Flash Information is cleared.";
constexpr const char* kAskReboot = "The Cam will be rebooted. It takes 10 or 20 seconds.";
constexpr const char* kBooted = "Cam is booted.";

RebootTexts CameraRebootTexts(bool ask)
{
    RebootTexts texts;
    if (ask)
        texts.question = kAskReboot;
    texts.booted = kBooted;
    texts.failed = LoadText(IDS_BOOTING_FAILED);
    return texts;
}

} // namespace

BEGIN_MESSAGE_MAP(CPage2System2, CConfigPage)
ON_BN_CLICKED(IDC_SYS_DEFAULTS, OnFlashReset)
ON_BN_CLICKED(IDC_SYS_REBOOT, OnReboot)
ON_BN_CLICKED(IDC_SYS_CURRENT_TIME, OnCurrentTime)
ON_CBN_SELCHANGE(IDC_SYS_ZONE, OnEdited)
ON_NOTIFY(DTN_DATETIMECHANGE, IDC_SYS_TIME, OnTimeNotify)
ON_NOTIFY(MCN_SELCHANGE, IDC_SYS_CALENDAR, OnTimeNotify)
ON_WM_TIMER()
END_MESSAGE_MAP()

CPage2System2::CPage2System2()
    : CConfigPage(IDD_PAGE2_SYSTEM2, SLOT_System2)
{
}

CPage2System2::~CPage2System2() = default;

void CPage2System2::DoDataExchange(CDataExchange* pDX)
{
    CConfigPage::DoDataExchange(pDX);
    DDX_Control(pDX, IDC_SYS_CALENDAR, m_MonthCal);
    DDX_Control(pDX, IDC_SYS_TIME, m_TimeCtrl);
    DDX_Control(pDX, IDC_SYS_ZONE, m_ZoneCombo);
}

BOOL CPage2System2::OnInitDialog()
{
    CConfigPage::OnInitDialog();
    PlaceControls(this, kPlaces);
    for (const MYTIME_ZONE_OFFSET_ENTRY& zone : g_TimeZoneOffsets)
        m_ZoneCombo.AddString(zone.text);
    m_TimeCtrl.SetFormat("HH:mm:ss");
    return TRUE;
}

BOOL CPage2System2::OnSetActive()
{
    StopFollowing();
    CheckDlgButton(IDC_SYS_CURRENT_TIME, BST_UNCHECKED);
    return CConfigPage::OnSetActive();
}

BOOL CPage2System2::OnKillActive()
{
    StopFollowing();
    return CConfigPage::OnKillActive();
}

void CPage2System2::ReadSettings()
{
    CFG_DEVICE_INFO info {};
    if (ReadBlock(GET_DEVICE_INFO, &info)) {
        char title[sizeof info.szTitle + 1] = {};
        std::memcpy(title, info.szTitle, sizeof info.szTitle);
        m_strDescription = title;
        // The camera reports its own wall clock.
        m_nDeviceTime = int32_t(info.dwDeviceTime);
        if (m_nDeviceTime < 0) {
            AfxMessageBox(kTimeError);
        } else {
            const SYSTEMTIME shown = UtcFields(m_nDeviceTime);
            m_MonthCal.SetCurSel(&shown);
            m_TimeCtrl.SetTime(&shown);
        }
    }
    CFG_TIME_ZONE zone {};
    if (ReadBlock(GET_TIME_ZONE, &zone)) {
        MarkGroupRead(0, TRUE);
        m_ZoneCombo.SetCurSel(FindZoneOffsetEntry(zone.nZoneOffset));
    }
}

void CPage2System2::OnEdited()
{
    SetPageModified(TRUE);
}

void CPage2System2::OnTimeNotify(NMHDR*, LRESULT* pResult)
{
    SetPageModified(TRUE);
    *pResult = 0;
}

void CPage2System2::ShowComputerTime()
{
    SYSTEMTIME now {};
    GetLocalTime(&now);
    m_MonthCal.SetCurSel(&now);
    m_TimeCtrl.SetTime(&now);
}

void CPage2System2::OnCurrentTime()
{
    if (IsDlgButtonChecked(IDC_SYS_CURRENT_TIME) == BST_CHECKED) {
        ShowComputerTime();
        SetTimer(kFollowTimer, kFollowMs);
        m_bFollowing = TRUE;
    } else {
        StopFollowing();
    }
    m_ZoneCombo.SetCurSel(FindZoneOffsetEntry(LocalUtcOffset()));
    SetPageModified(TRUE);
}

void CPage2System2::StopFollowing()
{
    if (m_bFollowing && GetSafeHwnd())
        KillTimer(kFollowTimer);
    m_bFollowing = FALSE;
}

void CPage2System2::OnTimer(UINT_PTR nIDEvent)
{
    if (nIDEvent == kFollowTimer)
        ShowComputerTime();
    else
        CConfigPage::OnTimer(nIDEvent);
}

BOOL CPage2System2::ValidateSettings()
{
    if (m_ZoneCombo.GetCurSel() < 0) {
        AfxMessageBox(kNoZone);
        return FALSE;
    }
    return TRUE;
}

ConfigResult CPage2System2::WriteGroup(int)
{
    StopFollowing();
    SYSTEMTIME day {}, picked {};
    m_MonthCal.GetCurSel(&day);
    m_TimeCtrl.GetTime(&picked);
    // The picker holds the computer's wall clock; the camera takes the
    // moment it stands for.
    const int64_t utc = SecondsOfFields(day, picked) - LocalUtcOffset();
    const int32_t offset = g_TimeZoneOffsets[m_ZoneCombo.GetCurSel()].offset;
    const ConfigResult result = WriteBlock(SET_TIME_ZONE, CFG_TIME_ZONE { int32_t(utc), offset });
    if (result == CONFIG_DONE)
        CheckDlgButton(IDC_SYS_CURRENT_TIME, BST_UNCHECKED);
    return result;
}

void CPage2System2::OnFlashReset()
{
    FlashResetTexts texts;
    texts.askDefaultPorts = kAskReset;
    texts.askOtherPorts = kAskResetReboot;
    texts.failed = kResetFailed;
    texts.done = kResetDone;
    texts.doneBeforeReboot = true;
    texts.reboot = CameraRebootTexts(false);
    ResetFlashToDefaults(m_ConfigSession, m_pConfigView, this, texts);
}

void CPage2System2::OnReboot()
{
    RebootDevice(m_ConfigSession, m_pConfigView, this, CameraRebootTexts(true));
}
