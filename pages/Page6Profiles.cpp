#include "pages/Page6Profiles.h"

#include "controls/ControlPlacement.h"
#include "dialogs/PickerClock.h"
#include "pages/Page6ScheduleZone.h"
#include "platform/ui/Controls.h"
#include "platform/ui/DataExchange.h"
#include "platform/ui/SpinButtonCtrl.h"

namespace
{

constexpr int kMinDuration = 15;
constexpr int kMaxDuration = 1440;
const UINT kProfiles[] = { IDS_QUALITY_MODE_HOME, IDS_QUALITY_MODE_NIGHT, IDS_QUALITY_MODE_OUTING };

const ControlPlace kPlaces[] = {
    { IDC_PROFILE_SCHEDULE_GROUP, 14, 11, 515, 75 },
    { IDC_ZONE_WEEKDAY_LABEL, 30, 36, 90, 15 },
    { IDC_ZONE_WEEKDAY_START, 138, 32, 96, 23 },
    { IDC_ZONE_WEEKDAY_END, 254, 32, 96, 23 },
    { IDC_ZONE_DAY_LABEL, 30, 60, 90, 15 },
    { IDC_ZONE_DAY_START, 138, 56, 96, 23 },
    { IDC_ZONE_DAY_END, 254, 56, 96, 23 },
    { IDC_ZONE_DAY_HINT, 360, 60, 120, 15 },
    { IDC_PROFILE_EXCEPTION_GROUP, 14, 95, 515, 390 },
    { IDC_PROFILE_LIST, 25, 115, 300, 360 },
    { IDC_PROFILE_START_LABEL, 340, 118, 180, 15 },
    { IDC_PROFILE_START, 340, 136, 150, 23 },
    { IDC_PROFILE_DURATION_LABEL, 340, 172, 180, 15 },
    { IDC_PROFILE_DURATION, 340, 190, 70, 23 },
    { IDC_PROFILE_DURATION_SPIN, 410, 190, 16, 23 },
    { IDC_PROFILE_MINUTES, 432, 194, 40, 15 },
    { IDC_PROFILE_LABEL, 340, 226, 180, 15 },
    { IDC_PROFILE, 340, 244, 150, 100 },
    { IDC_PROFILE_MODIFY, 340, 285, 90, 25 },
};

} // namespace

BEGIN_MESSAGE_MAP(CPage6Profiles, CConfigPage)
ON_BN_CLICKED(IDC_PROFILE_MODIFY, OnModify)
ON_NOTIFY(NM_CLICK, IDC_PROFILE_LIST, OnListClick)
ON_CBN_SELCHANGE(IDC_ZONE_WEEKDAY_START, OnZoneEdited)
ON_CBN_SELCHANGE(IDC_ZONE_WEEKDAY_END, OnZoneEdited)
ON_NOTIFY_RANGE(DTN_DATETIMECHANGE, IDC_ZONE_DAY_START, IDC_ZONE_DAY_END, OnZoneClockChanged)
ON_CBN_SELCHANGE(IDC_PROFILE, OnEntryEdited)
ON_EN_CHANGE(IDC_PROFILE_DURATION, OnEntryEdited)
ON_NOTIFY(DTN_DATETIMECHANGE, IDC_PROFILE_START, OnStartChanged)
END_MESSAGE_MAP()

CPage6Profiles::CPage6Profiles()
    : CConfigPage(IDD_PAGE6_PROFILES, SLOT_Profiles)
{
    DeclareGroups(GROUP_COUNT);
    // Both records go back on every apply, once they were read.
    SetWriteAllGroups(TRUE);
}

BOOL CPage6Profiles::OnInitDialog()
{
    CConfigPage::OnInitDialog();
    PlaceControls(this, kPlaces);
    FillWeekdayList(this, IDC_ZONE_WEEKDAY_START);
    FillWeekdayList(this, IDC_ZONE_WEEKDAY_END);
    for (int id : { IDC_ZONE_DAY_START, IDC_ZONE_DAY_END })
        static_cast<CDateTimeCtrl*>(GetDlgItem(id))->SetFormat("HH:mm");
    static_cast<CDateTimeCtrl*>(GetDlgItem(IDC_PROFILE_START))->SetFormat("MM-dd HH:mm");
    auto* spin = static_cast<CSpinButtonCtrl*>(GetDlgItem(IDC_PROFILE_DURATION_SPIN));
    spin->SetBuddy(GetDlgItem(IDC_PROFILE_DURATION));
    spin->SetRange32(kMinDuration, kMaxDuration);
    SetDlgItemInt(IDC_PROFILE_DURATION, kMinDuration);
    auto* profile = static_cast<CComboBox*>(GetDlgItem(IDC_PROFILE));
    for (UINT id : kProfiles) {
        CString name;
        name.LoadString(id);
        profile->AddString(name);
    }
    profile->SetCurSel(0);
    m_List.SubclassDlgItem(IDC_PROFILE_LIST, this);
    m_List.SetExtendedStyle(LVS_EX_FULLROWSELECT);
    m_List.InsertColumn(0, "No.", LVCFMT_LEFT, 40);
    m_List.InsertColumn(1, "Start", LVCFMT_LEFT, 110);
    m_List.InsertColumn(2, "Duration", LVCFMT_LEFT, 70);
    m_List.InsertColumn(3, "Profile", LVCFMT_LEFT, 70);
    return TRUE;
}

void CPage6Profiles::ReadSettings()
{
    m_List.DeleteAllItems();
    m_nSelected = -1;
    CFG_SCHEDULE_ZONE zone;
    const BOOL zoneRead = ReadBlock(GET_SCHEDULE_ZONE, &zone);
    if (zoneRead)
        m_Zone = zone;
    CFG_EXCEPTION_DAYS days;
    const BOOL daysRead = ReadBlock(GET_EXCEPTION_DAYS, &days);
    if (daysRead)
        m_Days = days;
    MarkGroupRead(GROUP_ZONE, zoneRead);
    MarkGroupRead(GROUP_DAYS, daysRead);
}

void CPage6Profiles::ShowSettings()
{
    ShowWeekAndDayTime(this, m_Zone);
    for (int row = 0; row < kShownDays; ++row) {
        CString number;
        number.Format("%d", row + 1);
        m_List.InsertItem(row, number);
        ShowRow(row);
    }
}

void CPage6Profiles::ShowRow(int row)
{
    const CFG_EXCEPTION_DAY& day = m_Days.days[row];
    CString start, duration, profile;
    start.Format("%02d-%02d %02d:%02d", day.byMonth, day.byDay, day.byHour, day.byMinute);
    duration.Format("%d", int(day.wDuration));
    // A profile the list does not hold shows no name.
    auto* list = static_cast<CComboBox*>(GetDlgItem(IDC_PROFILE));
    if (day.byProfile < list->GetCount())
        list->GetLBText(day.byProfile, profile);
    m_List.SetItemText(row, 1, start);
    m_List.SetItemText(row, 2, duration);
    m_List.SetItemText(row, 3, profile);
}

void CPage6Profiles::OnListClick(NMHDR*, LRESULT* pResult)
{
    m_nSelected = m_List.GetNextItem(-1, LVNI_SELECTED);
    *pResult = 0;
}

void CPage6Profiles::OnModify()
{
    int duration = 0;
    CDataExchange dx(this, TRUE);
    DDX_Text(&dx, IDC_PROFILE_DURATION, duration);
    DDV_MinMaxInt(&dx, duration, kMinDuration, kMaxDuration);
    if (dx.m_bFailed || m_nSelected < 0 || m_nSelected >= kShownDays)
        return;
    SYSTEMTIME start {};
    static_cast<CDateTimeCtrl*>(GetDlgItem(IDC_PROFILE_START))->GetTime(&start);
    const int profile = static_cast<CComboBox*>(GetDlgItem(IDC_PROFILE))->GetCurSel();
    CFG_EXCEPTION_DAY& day = m_Days.days[m_nSelected];
    day.byMonth = uint8_t(start.wMonth);
    day.byDay = uint8_t(start.wDay);
    day.byHour = uint8_t(start.wHour);
    day.byMinute = uint8_t(start.wMinute);
    day.wDuration = uint16_t(duration);
    day.byProfile = uint8_t(profile < 0 ? 0 : profile);
    ShowRow(m_nSelected);
    MarkGroupChanged(GROUP_DAYS);
}

void CPage6Profiles::OnZoneEdited()
{
    MarkGroupChanged(GROUP_ZONE);
}

void CPage6Profiles::OnZoneClockChanged(UINT, NMHDR*, LRESULT* pResult)
{
    MarkGroupChanged(GROUP_ZONE);
    *pResult = 0;
}

void CPage6Profiles::OnEntryEdited()
{
    // The entry changes with Modify; Apply is offered already.
    SetPageModified(TRUE);
}

void CPage6Profiles::OnStartChanged(NMHDR*, LRESULT* pResult)
{
    SetPageModified(TRUE);
    *pResult = 0;
}

ConfigResult CPage6Profiles::WriteGroup(int group)
{
    if (group == GROUP_DAYS)
        return WriteBlock(SET_EXCEPTION_DAYS, m_Days);
    CFG_SCHEDULE_ZONE zone = m_Zone;
    TakeWeekAndDayTime(this, &zone);
    const ConfigResult result = WriteBlock(SET_SCHEDULE_ZONE, zone);
    if (result == CONFIG_DONE)
        m_Zone = zone;
    return result;
}
