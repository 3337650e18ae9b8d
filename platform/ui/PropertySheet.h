// Property sheets: a tab row over pages that are dialogs built from their
// templates when first shown. A page can refuse to be left (OnKillActive
// gives FALSE); the sheet then stays on it. A sheet can live as a child
// window of a view.
#pragma once

#include "platform/ui/Dialog.h"
#include "platform/ui/TabCtrl.h"

#include <vector>

class CPropertySheet;

class PLATFORM_UI_API CPropertyPage : public CDialog
{
public:
    explicit CPropertyPage(UINT nIDTemplate, UINT nIDCaption = 0);

    // Before the page shows; FALSE keeps the sheet where it was.
    virtual BOOL OnSetActive();
    // Before another page shows; FALSE keeps this one. Saves the controls.
    virtual BOOL OnKillActive();
    virtual BOOL OnApply();
    virtual void OnReset();
    void OnOK() override;
    void OnCancel() override;
    virtual BOOL OnQueryCancel();
    // The page holds changes not yet applied.
    void SetModified(BOOL bChanged = TRUE) { m_bPageModified = bChanged; }
    BOOL IsPageModified() const { return m_bPageModified; }
    CPropertySheet* GetSheet() const { return m_pSheet; }

    CString m_strCaption;

protected:
    BOOL m_bFirstSetActive = TRUE;

private:
    friend class CPropertySheet;
    CPropertySheet* m_pSheet = nullptr;
    BOOL m_bPageModified = FALSE;
};

class PLATFORM_UI_API CPropertySheet : public CWnd
{
public:
    CPropertySheet();
    explicit CPropertySheet(UINT nIDCaption, CWnd* pParentWnd = nullptr, UINT iSelectPage = 0);
    explicit CPropertySheet(LPCTSTR pszCaption, CWnd* pParentWnd = nullptr, UINT iSelectPage = 0);
    ~CPropertySheet() override;

    // The pages are the caller's; the sheet only shows them.
    void AddPage(CPropertyPage* pPage);
    void RemovePage(CPropertyPage* pPage);
    void RemovePage(int nPage);
    int GetPageCount() const { return int(m_pages.size()); }
    CPropertyPage* GetPage(int nPage) const;
    int GetPageIndex(CPropertyPage* pPage) const;
    CPropertyPage* GetActivePage() const { return GetPage(m_nActive); }
    int GetActiveIndex() const { return m_nActive; }
    // Asks the active page first, as a click on a tab does.
    BOOL SetActivePage(int nPage);
    BOOL SetActivePage(CPropertyPage* pPage) { return SetActivePage(GetPageIndex(pPage)); }
    CTabCtrl* GetTabControl() const { return m_tab.m_hWnd ? const_cast<CTabCtrl*>(&m_tab) : nullptr; }
    void SetTitle(LPCTSTR lpszText, UINT nStyle = 0);

    // A modeless sheet; a WS_CHILD style makes it a child of the parent.
    // The default style is a visible child for a parent, else a popup.
    BOOL Create(CWnd* pParentWnd = nullptr, DWORD dwStyle = DWORD(-1), DWORD dwExStyle = 0);
    virtual BOOL OnInitDialog();

    BOOL OnNotify(WPARAM wParam, LPARAM lParam, LRESULT* pResult) override;

    CString m_strCaption;
    CWnd* m_pParentWnd = nullptr;

protected:
    // Shows page `nPage`, asking the active page to let go when `ask`.
    BOOL ActivatePage(int nPage, bool ask);
    void PlacePage(CPropertyPage* pPage);

    std::vector<CPropertyPage*> m_pages;
    int m_nActive = -1;
    UINT m_nStartPage = 0;
    CTabCtrl m_tab;
    int m_nTabHeight = 0;
};

// Control id of a sheet's tab control.
constexpr UINT AFX_IDC_TAB_CONTROL = 0x3020;
