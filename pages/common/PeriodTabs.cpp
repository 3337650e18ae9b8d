#include "pages/common/PeriodTabs.h"

#include "resources/setup/Resource.h"

namespace
{

const UINT kPeriodNames[kPeriodCount]
    = { IDS_PERIOD_WEEKDAY_DAY, IDS_PERIOD_WEEKDAY_NIGHT, IDS_PERIOD_WEEKEND_DAY, IDS_PERIOD_WEEKEND_NIGHT };

} // namespace

CTabCtrl* CPeriodTabs::Tab() const
{
    return m_pPage ? static_cast<CTabCtrl*>(m_pPage->GetDlgItem(m_nTabId)) : nullptr;
}

void CPeriodTabs::Attach(CWnd* pPage, int nTabId)
{
    m_pPage = pPage;
    m_nTabId = nTabId;
    CTabCtrl* tab = Tab();
    if (!tab)
        return;
    tab->DeleteAllItems();
    for (int p = 0; p < kPeriodCount; ++p) {
        CString name;
        name.LoadString(kPeriodNames[p]);
        tab->InsertItem(p, name);
    }
    Reset();
}

void CPeriodTabs::Reset()
{
    m_nCurrent = 0;
    m_bEdited = FALSE;
    if (CTabCtrl* tab = Tab())
        tab->SetCurSel(0);
}

void CPeriodTabs::OnSelChange(const std::function<void(int)>& take, const std::function<void(int)>& show)
{
    CTabCtrl* tab = Tab();
    const int next = tab ? tab->GetCurSel() : -1;
    if (next < 0 || next >= kPeriodCount || next == m_nCurrent)
        return;
    TakeEdited(take);
    m_nCurrent = next;
    show(next);
}

void CPeriodTabs::TakeEdited(const std::function<void(int)>& take)
{
    if (m_bEdited)
        take(m_nCurrent);
    m_bEdited = FALSE;
}
