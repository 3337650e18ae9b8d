#include "pages/DayChartPage.h"

#include "platform/ui/SpinButtonCtrl.h"

#include <cstring>

BEGIN_MESSAGE_MAP(CDayChartPage, CConfigPage)
ON_EN_CHANGE(IDC_SCHED_POST_ALARM, OnChangePostAlarm)
ON_NOTIFY(UDN_DELTAPOS, IDC_SCHED_POST_ALARM_SPIN, OnDeltaposSpin)
ON_WM_MOUSEMOVE()
ON_WM_TIMER()
END_MESSAGE_MAP()

CDayChartPage::CDayChartPage(UINT nIDTemplate, SheetSlot slot, int groupCount, int postAlarmGroup)
    : CConfigPage(nIDTemplate, slot)
    , m_nPostAlarmGroup(postAlarmGroup)
{
    DeclareGroups(groupCount);
}

void CDayChartPage::SetScheduleBlock(const BYTE block[16])
{
    std::memcpy(m_byScheduleBlock, block, sizeof m_byScheduleBlock);
}

void CDayChartPage::ReleaseChildDialogs()
{
    m_Hint.Destroy();
}

void CDayChartPage::CloseHintWindow()
{
    m_Hint.Destroy();
}

void CDayChartPage::PlaceControls(const Place* places, int count)
{
    for (int i = 0; i < count; ++i) {
        if (CWnd* control = GetDlgItem(places[i].id))
            control->MoveWindow(places[i].x, places[i].y, places[i].cx, places[i].cy);
    }
}

BOOL CDayChartPage::OnInitDialog()
{
    CConfigPage::OnInitDialog();
    CString caption;
    caption.LoadString(IDS_SCHEDULE);
    SetDlgItemText(IDC_SCHED_GROUP, caption);
    if (auto* spin = dynamic_cast<CSpinButtonCtrl*>(GetDlgItem(IDC_SCHED_POST_ALARM_SPIN))) {
        spin->SetBuddy(GetDlgItem(IDC_SCHED_POST_ALARM));
        spin->SetRange32(1, 60);
    }
    m_Hint.Create(this);
    return TRUE;
}

void CDayChartPage::DoDataExchange(CDataExchange* pDX)
{
    CConfigPage::DoDataExchange(pDX);
    // The range is checked when the page is applied, with the page's own message.
    DDX_Text(pDX, IDC_SCHED_POST_ALARM, m_nPostAlarm);
}

BOOL CDayChartPage::ValidateSettings()
{
    m_Hint.Hide();
    if (m_nPostAlarm < 1 || m_nPostAlarm > 60) {
        AfxMessageBox(IDS_POST_ALARM_RANGE);
        if (CWnd* edit = GetDlgItem(IDC_SCHED_POST_ALARM))
            edit->SetFocus();
        return FALSE;
    }
    return TRUE;
}

void CDayChartPage::OnChangePostAlarm()
{
    MarkGroupChanged(m_nPostAlarmGroup);
    UpdateData(TRUE);
}

void CDayChartPage::OnDeltaposSpin(NMHDR*, LRESULT* pResult)
{
    // The new value arrives through the edit's change.
    MarkGroupChanged(m_nPostAlarmGroup);
    *pResult = 0;
}

CString CDayChartPage::HintAt(CPoint point) const
{
    int count = 0;
    const BYTE* b30Frames = nullptr;
    const DayChannel* channels = ChartChannels(&count, &b30Frames);
    return DayChartHint(channels, count, point, b30Frames);
}

void CDayChartPage::OnMouseMove(UINT, CPoint point)
{
    if (m_Hint.Exists())
        m_Hint.OnMouseMove(point, HintAt(point));
}

void CDayChartPage::OnTimer(UINT_PTR nIDEvent)
{
    if (nIDEvent == HINT_TIMER_ID)
        m_Hint.OnTimer();
}
