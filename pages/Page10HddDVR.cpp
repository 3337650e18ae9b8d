#include "pages/Page10HddDVR.h"

#include "controls/ControlPlacement.h"
#include "link/DeviceGates.h"
#include "platform/ui/Controls.h"
#include "platform/ui/DataExchange.h"
#include "platform/ui/DateTimeCtrl.h"
#include "platform/ui/SpinButtonCtrl.h"
#include "resources/setup/Resource.h"

namespace
{

constexpr uint16_t kNormalOn = 0x8000;
constexpr uint16_t kAlarmOn = 0x4000;
constexpr int kModeShift = 8;
constexpr uint16_t kModeMask = 0x0F00;
constexpr int kWeekdays = 7;
constexpr int kFirstDay = 1, kLastDay = 28;
// The reminder's time stands on a fixed day; only hour and minute count.
constexpr int kTimeYear = 2003;

constexpr ControlPlace kLayout[] = {
    { IDC_DVR_PARTITION_GROUP, 14, 14, 518, 55 },
    { IDC_DVR_NORMAL_PARTITION, 35, 37, 130, 16 },
    { IDC_DVR_ALARM_PARTITION, 198, 37, 130, 16 },
    { IDC_DVR_REMINDER_GROUP, 14, 76, 518, 67 },
    { IDC_DVR_REMINDER_MODE, 36, 99, 122, 20 },
    { IDC_DVR_REMINDER_TIME, 179, 99, 70, 23 },
    { IDC_DVR_REMINDER_WEEKDAY, 179, 99, 122, 20 },
    { IDC_DVR_REMINDER_DAY, 179, 99, 60, 23 },
    { IDC_DVR_REMINDER_DAY_SPIN, 239, 99, 16, 23 },
    { IDC_DVR_STATUS_GROUP, 14, 151, 518, 252 },
    { IDC_HDD_USED_CAPTION, 58, 190, 130, 13 },
    { IDC_HDD_USED_MB, 137, 193, 70, 13 },
    { IDC_HDD_USED_UNIT, 224, 190, 36, 13 },
    { IDC_HDD_USED_PERCENT, 263, 190, 20, 13 },
    { IDC_HDD_USED_PERCENT_SIGN, 287, 190, 12, 13 },
    { IDC_HDD_FREE_CAPTION, 58, 214, 130, 13 },
    { IDC_HDD_FREE_MB, 137, 216, 70, 13 },
    { IDC_HDD_FREE_UNIT, 224, 214, 36, 13 },
    { IDC_HDD_FREE_PERCENT, 263, 214, 20, 13 },
    { IDC_HDD_FREE_PERCENT_SIGN, 287, 214, 12, 13 },
    { IDC_HDD_TOTAL_CAPTION, 58, 263, 130, 13 },
    { IDC_HDD_TOTAL_MB, 137, 263, 70, 13 },
    { IDC_HDD_TOTAL_UNIT, 224, 263, 36, 13 },
};

const char* const kModes[] = { "None", "Daily", "Weekly", "Monthly" };
const char* const kWeekdayNames[kWeekdays]
    = { "Monday", "Tuesday", "Wednesday", "Thursday", "Friday", "Saturday", "Sunday" };

} // namespace

BEGIN_MESSAGE_MAP(CPage10HddDVR, CConfigPage)
ON_CBN_SELCHANGE(IDC_DVR_REMINDER_MODE, OnReminderModeChange)
ON_BN_CLICKED(IDC_DVR_NORMAL_PARTITION, OnEdit)
ON_BN_CLICKED(IDC_DVR_ALARM_PARTITION, OnEdit)
ON_CBN_SELCHANGE(IDC_DVR_REMINDER_WEEKDAY, OnEdit)
ON_EN_CHANGE(IDC_DVR_REMINDER_DAY, OnEdit)
ON_NOTIFY(DTN_DATETIMECHANGE, IDC_DVR_REMINDER_TIME, OnTimeChange)
ON_WM_PAINT()
END_MESSAGE_MAP()

CPage10HddDVR::CPage10HddDVR()
    : CConfigPage(IDD_PAGE10_HDD_DVR, SLOT_HddDVR)
    , m_tmReminder(kTimeYear, 1, 1, 0, 0, 0)
{
    m_Disk.pie.rcPie = CRect(330, 185, 480, 255);
    m_Disk.ptUsedLegend = CPoint(40, 188);
    m_Disk.ptFreeLegend = CPoint(40, 213);
}

bool CPage10HddDVR::OneSwitch() const
{
    return IsVersionAtLeast(1, 3, 3);
}

BOOL CPage10HddDVR::OnInitDialog()
{
    CConfigPage::OnInitDialog();
    PlaceControls(this, kLayout);
    if (auto* modes = static_cast<CComboBox*>(GetDlgItem(IDC_DVR_REMINDER_MODE)))
        for (const char* mode : kModes)
            modes->AddString(mode);
    if (auto* weekdays = static_cast<CComboBox*>(GetDlgItem(IDC_DVR_REMINDER_WEEKDAY)))
        for (const char* day : kWeekdayNames)
            weekdays->AddString(day);
    if (auto* spin = static_cast<CSpinButtonCtrl*>(GetDlgItem(IDC_DVR_REMINDER_DAY_SPIN))) {
        spin->SetBuddy(GetDlgItem(IDC_DVR_REMINDER_DAY));
        spin->SetRange32(kFirstDay, kLastDay);
    }
    if (auto* picker = static_cast<CDateTimeCtrl*>(GetDlgItem(IDC_DVR_REMINDER_TIME)))
        picker->SetFormat("HH:mm");
    if (OneSwitch()) {
        if (CWnd* alarm = GetDlgItem(IDC_DVR_ALARM_PARTITION))
            alarm->ShowWindow(SW_HIDE);
        SetDlgItemText(IDC_DVR_NORMAL_PARTITION, LoadText(IDS_PARTITION_ON));
    }
    ShowReminderControls();
    return TRUE;
}

void CPage10HddDVR::DoDataExchange(CDataExchange* pDX)
{
    CConfigPage::DoDataExchange(pDX);
    DDX_Check(pDX, IDC_DVR_NORMAL_PARTITION, m_bNormalPartition);
    DDX_Check(pDX, IDC_DVR_ALARM_PARTITION, m_bAlarmPartition);
    DDX_CBIndex(pDX, IDC_DVR_REMINDER_MODE, m_nReminderMode);
    DDX_CBIndex(pDX, IDC_DVR_REMINDER_WEEKDAY, m_nWeekday);
    DDX_DateTimeCtrl(pDX, IDC_DVR_REMINDER_TIME, m_tmReminder);
    DDX_Text(pDX, IDC_DVR_REMINDER_DAY, m_nReminderDay);
    DDV_MinMaxByte(pDX, m_nReminderDay, kFirstDay, kLastDay);
}

void CPage10HddDVR::ShowReminderControls()
{
    CWnd* picker = GetDlgItem(IDC_DVR_REMINDER_TIME);
    CWnd* weekday = GetDlgItem(IDC_DVR_REMINDER_WEEKDAY);
    CWnd* day = GetDlgItem(IDC_DVR_REMINDER_DAY);
    CWnd* spin = GetDlgItem(IDC_DVR_REMINDER_DAY_SPIN);
    if (!picker || !weekday || !day || !spin)
        return;
    auto* modes = static_cast<CComboBox*>(GetDlgItem(IDC_DVR_REMINDER_MODE));
    const int mode = modes ? modes->GetCurSel() : REMINDER_NONE;
    picker->ShowWindow(
        mode == REMINDER_DAILY || mode == REMINDER_WEEKLY || mode == REMINDER_MONTHLY ? SW_SHOW : SW_HIDE);
    weekday->ShowWindow(mode == REMINDER_WEEKLY ? SW_SHOW : SW_HIDE);
    day->ShowWindow(mode == REMINDER_MONTHLY ? SW_SHOW : SW_HIDE);
    spin->ShowWindow(mode == REMINDER_MONTHLY ? SW_SHOW : SW_HIDE);
    if (mode == REMINDER_DAILY)
        picker->MoveWindow(179, 99, 70, 23);
    else if (mode == REMINDER_WEEKLY)
        picker->MoveWindow(310, 99, 122, 20);
    else if (mode == REMINDER_MONTHLY)
        picker->MoveWindow(260, 99, 122, 20);
}

void CPage10HddDVR::ReadSettings()
{
    CFG_DISK_PARTITIONS partitions {};
    if (!ReadBlock(GET_DISK_PARTITIONS, &partitions))
        return;
    MarkGroupRead(0, TRUE);
    m_bNormalPartition = (partitions.wFlags & kNormalOn) != 0;
    m_bAlarmPartition = (partitions.wFlags & (OneSwitch() ? kNormalOn : kAlarmOn)) != 0;
    m_nReminderMode = (partitions.wFlags & kModeMask) >> kModeShift;
    // A mode the list does not hold shows none.
    if (m_nReminderMode > REMINDER_MONTHLY)
        m_nReminderMode = -1;
    m_tmReminder = CTime(kTimeYear, 1, 1, partitions.byHour % 24, partitions.byMinute % 60, 0);
    m_nWeekday = 0;
    m_nReminderDay = kFirstDay;
    if (m_nReminderMode == REMINDER_WEEKLY && partitions.byDay < kWeekdays)
        m_nWeekday = partitions.byDay;
    if (m_nReminderMode == REMINDER_MONTHLY && partitions.byDay < kLastDay)
        m_nReminderDay = BYTE(partitions.byDay + 1);
    if (auto* modes = static_cast<CComboBox*>(GetDlgItem(IDC_DVR_REMINDER_MODE)))
        modes->SetCurSel(m_nReminderMode);
    ShowReminderControls();

    CFG_DISK_SIZE size {};
    if (ReadBlock(GET_DISK_SIZE, &size)) {
        m_Disk.Show(this, DiskShareFromMb(size.dwTotalMb, size.dwFreeMb));
    }
}

ConfigResult CPage10HddDVR::WriteGroup(int)
{
    CFG_DISK_PARTITIONS partitions {};
    if (m_bNormalPartition)
        partitions.wFlags |= OneSwitch() ? kNormalOn | kAlarmOn : kNormalOn;
    if (m_bAlarmPartition && !OneSwitch())
        partitions.wFlags |= kAlarmOn;
    switch (m_nReminderMode) {
    case REMINDER_DAILY:
        partitions.wFlags |= REMINDER_DAILY << kModeShift;
        break;
    case REMINDER_WEEKLY:
        partitions.wFlags |= REMINDER_WEEKLY << kModeShift;
        partitions.byDay = BYTE(m_nWeekday < 0 ? 0 : m_nWeekday);
        break;
    case REMINDER_MONTHLY:
        partitions.wFlags |= REMINDER_MONTHLY << kModeShift;
        partitions.byDay = BYTE(m_nReminderDay - 1);
        break;
    default:
        break;
    }
    partitions.byHour = BYTE(m_tmReminder.GetHour());
    partitions.byMinute = BYTE(m_tmReminder.GetMinute());
    return WriteBlock(SET_DISK_PARTITIONS, partitions);
}

void CPage10HddDVR::OnReminderModeChange()
{
    ShowReminderControls();
    OnEdit();
}

void CPage10HddDVR::OnEdit()
{
    SetPageModified(TRUE);
}

void CPage10HddDVR::OnTimeChange(NMHDR*, LRESULT* pResult)
{
    OnEdit();
    *pResult = 0;
}

void CPage10HddDVR::OnPaint()
{
    CPaintDC dc(this);
    m_Disk.Paint(&dc);
}
