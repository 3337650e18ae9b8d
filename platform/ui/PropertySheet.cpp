#include "platform/ui/PropertySheet.h"

#include "platform/ui/ResourceModule.h"
#include "platform/ui/WndInternal.h"

#include <QTabBar>

#include <algorithm>

CPropertyPage::CPropertyPage(UINT nIDTemplate, UINT nIDCaption)
    : CDialog(nIDTemplate)
{
    if (nIDCaption)
        m_strCaption.LoadString(nIDCaption);
    else if (const DialogTemplate* t = FindTemplate())
        m_strCaption = t->caption ? t->caption : "";
}

BOOL CPropertyPage::OnSetActive()
{
    // The first activation follows OnInitDialog, which loaded the controls.
    if (m_bFirstSetActive)
        m_bFirstSetActive = FALSE;
    else
        UpdateData(FALSE);
    return TRUE;
}

BOOL CPropertyPage::OnKillActive()
{
    return UpdateData(TRUE);
}

BOOL CPropertyPage::OnApply()
{
    OnOK();
    return TRUE;
}

void CPropertyPage::OnReset()
{
    OnCancel();
}

void CPropertyPage::OnOK()
{
    m_bPageModified = FALSE;
}

void CPropertyPage::OnCancel() { }

BOOL CPropertyPage::OnQueryCancel()
{
    return TRUE;
}

CPropertySheet::CPropertySheet() = default;

CPropertySheet::CPropertySheet(UINT nIDCaption, CWnd* pParentWnd, UINT iSelectPage)
    : m_pParentWnd(pParentWnd)
    , m_nStartPage(iSelectPage)
{
    m_strCaption.LoadString(nIDCaption);
}

CPropertySheet::CPropertySheet(LPCTSTR pszCaption, CWnd* pParentWnd, UINT iSelectPage)
    : m_strCaption(pszCaption)
    , m_pParentWnd(pParentWnd)
    , m_nStartPage(iSelectPage)
{
}

CPropertySheet::~CPropertySheet()
{
    // The pages may be gone already; their windows went with them.
    m_pages.clear();
    if (m_hWnd)
        DestroyWindow();
}

void CPropertySheet::AddPage(CPropertyPage* pPage)
{
    if (!pPage || GetPageIndex(pPage) >= 0)
        return;
    // A page made before its resources were at hand takes its caption now.
    if (pPage->m_strCaption.IsEmpty()) {
        if (const DialogTemplate* t = pPage->FindTemplate())
            pPage->m_strCaption = t->caption ? t->caption : "";
    }
    pPage->m_pSheet = this;
    m_pages.push_back(pPage);
    if (m_tab.m_hWnd)
        m_tab.InsertItem(int(m_pages.size()) - 1, pPage->m_strCaption);
}

void CPropertySheet::RemovePage(CPropertyPage* pPage)
{
    RemovePage(GetPageIndex(pPage));
}

void CPropertySheet::RemovePage(int nPage)
{
    CPropertyPage* page = GetPage(nPage);
    if (!page)
        return;
    if (page->m_hWnd)
        page->DestroyWindow();
    page->m_pSheet = nullptr;
    m_pages.erase(m_pages.begin() + nPage);
    if (m_tab.m_hWnd)
        m_tab.DeleteItem(nPage);
    if (nPage == m_nActive) {
        m_nActive = -1;
        if (!m_pages.empty() && m_hWnd)
            ActivatePage(std::min(nPage, int(m_pages.size()) - 1), false);
    } else if (nPage < m_nActive) {
        --m_nActive;
    }
}

CPropertyPage* CPropertySheet::GetPage(int nPage) const
{
    return nPage >= 0 && nPage < int(m_pages.size()) ? m_pages[size_t(nPage)] : nullptr;
}

int CPropertySheet::GetPageIndex(CPropertyPage* pPage) const
{
    auto it = std::find(m_pages.begin(), m_pages.end(), pPage);
    return it == m_pages.end() ? -1 : int(it - m_pages.begin());
}

void CPropertySheet::SetTitle(LPCTSTR lpszText, UINT)
{
    m_strCaption = lpszText;
    if (m_hWnd)
        SetWindowText(m_strCaption);
}

BOOL CPropertySheet::Create(CWnd* pParentWnd, DWORD dwStyle, DWORD dwExStyle)
{
    if (pParentWnd)
        m_pParentWnd = pParentWnd;
    if (dwStyle == DWORD(-1))
        dwStyle = m_pParentWnd ? (WS_CHILD | WS_VISIBLE) : (WS_POPUP | WS_CAPTION | WS_SYSMENU | WS_VISIBLE);
    // The sheet is as large as its largest page below the tab row.
    int width = 0, height = 0;
    {
        QTabBar probe;
        probe.addTab(QStringLiteral("X"));
        m_nTabHeight = probe.sizeHint().height();
    }
    for (CPropertyPage* page : m_pages) {
        if (const DialogTemplate* t = FindDialogResource(AfxGetResourceHandle(), page->m_nIDTemplate)) {
            RECT r {};
            MapDialogUnits(0, 0, t->cx, t->cy, &r);
            width = std::max<int>(width, r.right);
            height = std::max<int>(height, r.bottom);
        }
    }
    width += 4;
    height += m_nTabHeight + 4;
    if (!CreateEx(dwExStyle, "#32770", m_strCaption, dwStyle & ~WS_VISIBLE, 0, 0, width, height,
            m_pParentWnd ? m_pParentWnd->m_hWnd : nullptr, nullptr))
        return FALSE;
    if (auto* surface = dynamic_cast<SurfaceWidget*>(GetWidget()))
        surface->SetBackground(GetSysColor(COLOR_BTNFACE));
    if (!m_tab.Create(WS_CHILD | WS_VISIBLE | WS_TABSTOP | TCS_MULTILINE, CRect(0, 0, width, height), this,
            AFX_IDC_TAB_CONTROL))
        return FALSE;
    for (size_t i = 0; i < m_pages.size(); ++i)
        m_tab.InsertItem(int(i), m_pages[i]->m_strCaption);
    OnInitDialog();
    if (m_hWnd && (dwStyle & WS_VISIBLE))
        ShowWindow(SW_SHOW);
    return m_hWnd != nullptr;
}

BOOL CPropertySheet::OnInitDialog()
{
    if (!m_pages.empty())
        ActivatePage(int(std::min<size_t>(m_nStartPage, m_pages.size() - 1)), false);
    return TRUE;
}

void CPropertySheet::PlacePage(CPropertyPage* pPage)
{
    CRect client;
    GetClientRect(&client);
    CRect page;
    pPage->GetClientRect(&page);
    pPage->MoveWindow(2, m_nTabHeight + 2, page.Width(), page.Height());
}

BOOL CPropertySheet::SetActivePage(int nPage)
{
    if (!m_hWnd) {
        // Before the window exists the choice is where the sheet starts.
        if (nPage < 0 || nPage >= int(m_pages.size()))
            return FALSE;
        m_nStartPage = UINT(nPage);
        return TRUE;
    }
    return ActivatePage(nPage, true);
}

BOOL CPropertySheet::ActivatePage(int nPage, bool ask)
{
    CPropertyPage* page = GetPage(nPage);
    if (!page || !m_hWnd)
        return FALSE;
    if (nPage == m_nActive && page->m_hWnd)
        return TRUE;
    CPropertyPage* old = GetActivePage();
    if (ask && old && old->m_hWnd && !old->OnKillActive())
        return FALSE;
    if (!page->m_hWnd) {
        const DialogTemplate* t = page->FindTemplate();
        if (!t || !page->CreateFromTemplate(t, this, true))
            return FALSE;
        page->ModifyStyle(WS_DISABLED | WS_CAPTION, 0);
        PlacePage(page);
    }
    if (!page->OnSetActive())
        return FALSE;
    if (old && old != page && old->m_hWnd)
        old->ShowWindow(SW_HIDE);
    m_nActive = nPage;
    if (m_tab.m_hWnd)
        m_tab.SetCurSel(nPage);
    page->ShowWindow(SW_SHOW);
    return TRUE;
}

BOOL CPropertySheet::OnNotify(WPARAM wParam, LPARAM lParam, LRESULT* pResult)
{
    auto* hdr = reinterpret_cast<NMHDR*>(lParam);
    if (hdr && m_tab.m_hWnd && hdr->hwndFrom == m_tab.m_hWnd) {
        if (hdr->code == TCN_SELCHANGING) {
            // A page that refuses to be left keeps its tab.
            CPropertyPage* old = GetActivePage();
            *pResult = (old && old->m_hWnd && !old->OnKillActive()) ? TRUE : FALSE;
            return TRUE;
        }
        if (hdr->code == TCN_SELCHANGE) {
            int wanted = m_tab.GetCurSel();
            if (!ActivatePage(wanted, false) && m_nActive >= 0)
                m_tab.SetCurSel(m_nActive);
            *pResult = 0;
            return TRUE;
        }
    }
    return CWnd::OnNotify(wParam, lParam, pResult);
}
