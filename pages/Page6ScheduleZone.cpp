#include "pages/Page6ScheduleZone.h"

#include "controls/ControlPlacement.h"
#include "dialogs/PickerClock.h"
#include "platform/ui/Controls.h"

#include <algorithm>
#include <iterator>

namespace
{

constexpr int kSpecialRows = 4;
constexpr int kRowTops[kSpecialRows] = { 142, 178, 215, 254 };
constexpr int kRowLabels[kSpecialRows]
    = { IDC_ZONE_SPECIAL_LABEL1, IDC_ZONE_SPECIAL_LABEL2, IDC_ZONE_SPECIAL_LABEL3, IDC_ZONE_SPECIAL_LABEL4 };

const ControlPlace kPlaces[] = {
    { IDC_ZONE_GROUP, 14, 11, 515, 96 },
    { IDC_ZONE_WEEKDAY_LABEL, 30, 36, 90, 15 },
    { IDC_ZONE_WEEKDAY_START, 138, 32, 96, 23 },
    { IDC_ZONE_WEEKDAY_END, 254, 32, 96, 23 },
    { IDC_ZONE_WEEKEND_LABEL, 30, 59, 90, 15 },
    { IDC_ZONE_WEEKEND_START, 138, 55, 96, 23 },
    { IDC_ZONE_WEEKEND_END, 254, 55, 96, 23 },
    { IDC_ZONE_DAY_LABEL, 30, 82, 90, 15 },
    { IDC_ZONE_DAY_START, 138, 78, 96, 23 },
    { IDC_ZONE_DAY_END, 254, 78, 96, 23 },
    { IDC_ZONE_DAY_HINT, 360, 82, 120, 15 },
    { IDC_ZONE_SPECIAL_GROUP, 14, 118, 515, 175 },
};

} // namespace

void FillWeekdayList(CWnd* pParent, int id)
{
    auto* list = static_cast<CComboBox*>(pParent->GetDlgItem(id));
    if (!list)
        return;
    list->ResetContent();
    // Monday to Saturday, then Sunday, which the string table keeps first.
    for (int day = 0; day < 7; ++day) {
        CString name;
        name.LoadString(day < 6 ? IDS_WEEKDAY_MONDAY + day : IDS_WEEKDAY_SUNDAY);
        list->AddString(name);
    }
}

void ShowWeekAndDayTime(CWnd* pParent, const CFG_SCHEDULE_ZONE& zone)
{
    static_cast<CComboBox*>(pParent->GetDlgItem(IDC_ZONE_WEEKDAY_START))->SetCurSel(zone.byWeekdayStart);
    static_cast<CComboBox*>(pParent->GetDlgItem(IDC_ZONE_WEEKDAY_END))->SetCurSel(zone.byWeekdayEnd);
    ShowPickerClock(pParent, IDC_ZONE_DAY_START, zone.byDayStartHour, zone.byDayStartMinute);
    ShowPickerClock(pParent, IDC_ZONE_DAY_END, zone.byDayEndHour, zone.byDayEndMinute);
}

void TakeWeekAndDayTime(CWnd* pParent, CFG_SCHEDULE_ZONE* pZone)
{
    // A list without a selection keeps the day as read.
    auto day = [pParent](int id, uint8_t* value) {
        const int selected = static_cast<CComboBox*>(pParent->GetDlgItem(id))->GetCurSel();
        if (selected >= 0)
            *value = uint8_t(selected);
    };
    day(IDC_ZONE_WEEKDAY_START, &pZone->byWeekdayStart);
    day(IDC_ZONE_WEEKDAY_END, &pZone->byWeekdayEnd);
    TakePickerClock(pParent, IDC_ZONE_DAY_START, &pZone->byDayStartHour, &pZone->byDayStartMinute);
    TakePickerClock(pParent, IDC_ZONE_DAY_END, &pZone->byDayEndHour, &pZone->byDayEndMinute);
}

BEGIN_MESSAGE_MAP(CPage6ScheduleZone, CConfigPage)
ON_CBN_SELCHANGE(IDC_ZONE_WEEKDAY_START, OnEdited)
ON_CBN_SELCHANGE(IDC_ZONE_WEEKDAY_END, OnEdited)
ON_NOTIFY_RANGE(DTN_DATETIMECHANGE, IDC_ZONE_DAY_START, IDC_ZONE_DAY_END, OnClockChanged)
ON_NOTIFY_RANGE(DTN_DATETIMECHANGE, IDC_ZONE_SPECIAL_FIRST, IDC_ZONE_SPECIAL_FIRST + 7, OnClockChanged)
END_MESSAGE_MAP()

CPage6ScheduleZone::CPage6ScheduleZone()
    : CConfigPage(IDD_PAGE6_SCHEDULE_ZONE, SLOT_ScheduleZone)
{
}

BOOL CPage6ScheduleZone::OnInitDialog()
{
    CConfigPage::OnInitDialog();
    PlaceControls(this, kPlaces);
    for (int r = 0; r < kSpecialRows; ++r) {
        const int y = kRowTops[r];
        if (CWnd* label = GetDlgItem(kRowLabels[r]))
            label->MoveWindow(100, y + 4, 20, 15);
        GetDlgItem(IDC_ZONE_SPECIAL_FIRST + 2 * r)->MoveWindow(138, y, 96, 23);
        GetDlgItem(IDC_ZONE_SPECIAL_FIRST + 2 * r + 1)->MoveWindow(254, y, 96, 23);
    }
    for (int id :
        { IDC_ZONE_WEEKDAY_START, IDC_ZONE_WEEKDAY_END, IDC_ZONE_WEEKEND_START, IDC_ZONE_WEEKEND_END })
        FillWeekdayList(this, id);
    // The weekend follows from the working week; the device keeps no own days for it.
    GetDlgItem(IDC_ZONE_WEEKEND_START)->EnableWindow(FALSE);
    GetDlgItem(IDC_ZONE_WEEKEND_END)->EnableWindow(FALSE);
    for (int id = IDC_ZONE_DAY_START; id <= IDC_ZONE_DAY_END; ++id)
        static_cast<CDateTimeCtrl*>(GetDlgItem(id))->SetFormat("HH:mm");
    for (int id = IDC_ZONE_SPECIAL_FIRST; id < IDC_ZONE_SPECIAL_FIRST + 2 * kSpecialRows; ++id)
        static_cast<CDateTimeCtrl*>(GetDlgItem(id))->SetFormat("HH:mm");
    return TRUE;
}

void CPage6ScheduleZone::ReadSettings()
{
    CFG_SCHEDULE_ZONE zone;
    m_bZoneRead = ReadBlock(GET_SCHEDULE_ZONE, &zone);
    if (m_bZoneRead)
        m_Zone = zone;
    MarkGroupRead(0, m_bZoneRead);
}

void CPage6ScheduleZone::ShowSettings()
{
    // A failed read leaves the controls as they were.
    if (!m_bZoneRead)
        return;
    ShowWeekAndDayTime(this, m_Zone);
    for (int r = 0; r < kSpecialRows; ++r) {
        const uint8_t* times = m_Zone.bySpecial[r];
        ShowPickerClock(this, IDC_ZONE_SPECIAL_FIRST + 2 * r, times[0], times[1]);
        ShowPickerClock(this, IDC_ZONE_SPECIAL_FIRST + 2 * r + 1, times[2], times[3]);
    }
}

void CPage6ScheduleZone::OnEdited()
{
    SetPageModified(TRUE);
}

void CPage6ScheduleZone::OnClockChanged(UINT, NMHDR*, LRESULT* pResult)
{
    SetPageModified(TRUE);
    *pResult = 0;
}

ConfigResult CPage6ScheduleZone::WriteGroup(int)
{
    // Periods go as entered: a start after its end is the user's to mean.
    CFG_SCHEDULE_ZONE zone = m_Zone;
    TakeWeekAndDayTime(this, &zone);
    for (int r = 0; r < kSpecialRows; ++r) {
        uint8_t* times = zone.bySpecial[r];
        TakePickerClock(this, IDC_ZONE_SPECIAL_FIRST + 2 * r, &times[0], &times[1]);
        TakePickerClock(this, IDC_ZONE_SPECIAL_FIRST + 2 * r + 1, &times[2], &times[3]);
    }
    std::fill(std::begin(zone.byReserved), std::end(zone.byReserved), uint8_t(0));
    const ConfigResult result = WriteBlock(SET_SCHEDULE_ZONE, zone);
    if (result == CONFIG_DONE)
        m_Zone = zone;
    return result;
}
