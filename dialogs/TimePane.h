// What the time-synchronisation panes share: they live inside a settings
// page, tell it of every edit with WM_PAGE_MODIFIED, and have no OK or
// Cancel of their own.
#pragma once

#include "link/ClockBlocks.h"
#include "link/WindowMessages.h"
#include "platform/ui/Controls.h"
#include "platform/ui/Dialog.h"
#include "platform/ui/IpAddressCtrl.h"

#include <initializer_list>

class CTimePane : public CDialog
{
public:
    CTimePane(UINT nIDTemplate, CWnd* pPage)
        : CDialog(nIDTemplate, pPage)
        , m_pPage(pPage)
    {
    }

protected:
    // The page learns that the pane holds a change.
    void ReportEdit()
    {
        if (m_pPage && m_pPage->GetSafeHwnd())
            m_pPage->SendMessage(WM_PAGE_MODIFIED, TRUE);
    }
    void FillList(int id, std::initializer_list<const char*> items)
    {
        if (auto* list = static_cast<CComboBox*>(GetDlgItem(id))) {
            list->ResetContent();
            for (const char* item : items)
                list->AddString(item);
        }
    }
    void Enable(int id, BOOL bEnable)
    {
        if (CWnd* control = GetDlgItem(id))
            control->EnableWindow(bEnable);
    }
    // The address field tells of each field the user changed.
    void OnAddressEdit(NMHDR*, LRESULT* pResult)
    {
        ReportEdit();
        *pResult = 0;
    }
    CIPAddressCtrl* Address(int id) { return static_cast<CIPAddressCtrl*>(GetDlgItem(id)); }
    void OnOK() override { }
    void OnCancel() override { }

    CWnd* m_pPage;
};
