#include "dialogs/PeriodPanes.h"

#include "controls/ControlPlacement.h"
#include "dialogs/PickerClock.h"
#include "platform/ui/Controls.h"

#include <cstring>

namespace
{

constexpr int kZones = 4;
constexpr int kZoneFirstByte = 7;
const int kZoneLabels[kZones]
    = { IDC_ZONE_SPECIAL_LABEL1, IDC_ZONE_SPECIAL_LABEL2, IDC_ZONE_SPECIAL_LABEL3, IDC_ZONE_SPECIAL_LABEL4 };
const int kZoneTops[kZones] = { 7, 42, 80, 119 };
const char* const kWeekdays[]
    = { "Monday", "Tuesday", "Wednesday", "Thursday", "Friday", "Saturday", "Sunday" };

// Takes the record when the controls changed it.
bool Adopt(PERIOD_RECORD* kept, const PERIOD_RECORD& taken, PERIOD_RECORD* out)
{
    *out = taken;
    if (std::memcmp(kept->bytes, taken.bytes, sizeof taken.bytes) == 0)
        return false;
    *kept = taken;
    return true;
}

void FormatClocks(CWnd* pane, int first, int count)
{
    for (int id = first; id < first + count; ++id) {
        if (auto* picker = static_cast<CDateTimeCtrl*>(pane->GetDlgItem(id)))
            picker->SetFormat("HH:mm");
    }
}

} // namespace

// The zones.

BEGIN_MESSAGE_MAP(CZonePeriodsDlg, CPagePane)
ON_NOTIFY_RANGE(
    DTN_DATETIMECHANGE, IDC_ZONE_SPECIAL_FIRST, IDC_ZONE_SPECIAL_FIRST + 2 * kZones - 1, OnClockChanged)
END_MESSAGE_MAP()

CZonePeriodsDlg::CZonePeriodsDlg(CWnd* pParent)
    : CPagePane(IDD_ZONE_PERIODS, pParent)
{
}

BOOL CZonePeriodsDlg::OnInitDialog()
{
    CPagePane::OnInitDialog();
    for (int z = 0; z < kZones; ++z) {
        const int y = kZoneTops[z];
        const ControlPlace row[] = {
            { kZoneLabels[z], 0, y + 4, 60, 15 },
            { IDC_ZONE_SPECIAL_FIRST + 2 * z, 100, y, 114, 24 },
            { IDC_ZONE_SPECIAL_FIRST + 2 * z + 1, 233, y, 114, 24 },
        };
        PlaceControls(this, row);
    }
    FormatClocks(this, IDC_ZONE_SPECIAL_FIRST, 2 * kZones);
    ShowZones();
    return TRUE;
}

void CZonePeriodsDlg::SetZones(PERIOD_RECORD record)
{
    m_Record = record;
    ShowZones();
}

void CZonePeriodsDlg::ShowZones()
{
    if (!GetSafeHwnd())
        return;
    for (int i = 0; i < 2 * kZones; ++i) {
        const BYTE* clock = &m_Record.bytes[kZoneFirstByte + 2 * i];
        ShowPickerClock(this, IDC_ZONE_SPECIAL_FIRST + i, clock[0], clock[1]);
    }
}

bool CZonePeriodsDlg::GetZones(PERIOD_RECORD* pRecord)
{
    PERIOD_RECORD taken = m_Record;
    for (int i = 0; i < 2 * kZones; ++i) {
        BYTE* clock = &taken.bytes[kZoneFirstByte + 2 * i];
        TakePickerClock(this, IDC_ZONE_SPECIAL_FIRST + i, &clock[0], &clock[1]);
    }
    std::memset(&taken.bytes[23], 0, 4);
    return Adopt(&m_Record, taken, pRecord);
}

void CZonePeriodsDlg::OnClockChanged(UINT, NMHDR*, LRESULT* pResult)
{
    NotifyPage();
    *pResult = 0;
}

// The daylight-saving period.

BEGIN_MESSAGE_MAP(CDstPeriodDlg, CPagePane)
ON_CBN_SELCHANGE(IDC_ZONE_WEEKDAY_START, OnDayChanged)
ON_CBN_SELCHANGE(IDC_ZONE_WEEKDAY_END, OnDayChanged)
ON_NOTIFY_RANGE(DTN_DATETIMECHANGE, IDC_ZONE_DAY_START, IDC_ZONE_DAY_END, OnClockChanged)
END_MESSAGE_MAP()

CDstPeriodDlg::CDstPeriodDlg(CWnd* pParent)
    : CPagePane(IDD_DST_PERIOD, pParent)
{
}

BOOL CDstPeriodDlg::OnInitDialog()
{
    CPagePane::OnInitDialog();
    const ControlPlace places[] = {
        { IDC_ZONE_WEEKDAY_LABEL, 5, 6, 90, 15 },
        { IDC_ZONE_WEEKDAY_START, 98, 3, 113, 200 },
        { IDC_ZONE_WEEKDAY_END, 237, 3, 113, 200 },
        { IDC_ZONE_DAY_LABEL, 5, 37, 90, 15 },
        { IDC_ZONE_DAY_START, 98, 33, 113, 24 },
        { IDC_ZONE_DAY_END, 237, 31, 113, 24 },
    };
    PlaceControls(this, places);
    for (int id : { IDC_ZONE_WEEKDAY_START, IDC_ZONE_WEEKDAY_END }) {
        auto* list = static_cast<CComboBox*>(GetDlgItem(id));
        for (const char* day : kWeekdays)
            list->AddString(day);
    }
    FormatClocks(this, IDC_ZONE_DAY_START, 2);
    ShowPeriod();
    return TRUE;
}

void CDstPeriodDlg::SetDstPeriod(PERIOD_RECORD record)
{
    m_Record = record;
    ShowPeriod();
}

void CDstPeriodDlg::ShowPeriod()
{
    if (!GetSafeHwnd())
        return;
    static_cast<CComboBox*>(GetDlgItem(IDC_ZONE_WEEKDAY_START))->SetCurSel(m_Record.bytes[1]);
    static_cast<CComboBox*>(GetDlgItem(IDC_ZONE_WEEKDAY_END))->SetCurSel(m_Record.bytes[2]);
    ShowPickerClock(this, IDC_ZONE_DAY_START, m_Record.bytes[3], m_Record.bytes[4]);
    ShowPickerClock(this, IDC_ZONE_DAY_END, m_Record.bytes[5], m_Record.bytes[6]);
}

bool CDstPeriodDlg::GetDstPeriod(PERIOD_RECORD* pRecord)
{
    PERIOD_RECORD taken = m_Record;
    // A list without a selection keeps its day.
    for (int i = 0; i < 2; ++i) {
        const int day = static_cast<CComboBox*>(GetDlgItem(IDC_ZONE_WEEKDAY_START + i))->GetCurSel();
        if (day >= 0)
            taken.bytes[1 + i] = BYTE(day);
    }
    TakePickerClock(this, IDC_ZONE_DAY_START, &taken.bytes[3], &taken.bytes[4]);
    TakePickerClock(this, IDC_ZONE_DAY_END, &taken.bytes[5], &taken.bytes[6]);
    return Adopt(&m_Record, taken, pRecord);
}

void CDstPeriodDlg::OnDayChanged()
{
    NotifyPage();
}

void CDstPeriodDlg::OnClockChanged(UINT, NMHDR*, LRESULT* pResult)
{
    NotifyPage();
    *pResult = 0;
}
