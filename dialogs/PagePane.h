// A child pane of a settings page: created modeless inside the page, it
// tells the page of every edit with WM_PAGE_MODIFIED, which the page takes
// as a change it has not applied yet.
#pragma once

#include "dialogs/PaneNotify.h"
#include "platform/ui/Dialog.h"
#include "resources/setup/Resource.h"

class CPagePane : public CDialog
{
public:
    CPagePane(UINT nIDTemplate, CWnd* pParent)
        : CDialog(nIDTemplate, pParent)
        , m_nTemplate(nIDTemplate)
    {
    }
    BOOL CreatePane(CWnd* pParent) { return Create(m_nTemplate, pParent); }

protected:
    void NotifyPage() { NotifyPageModified(this); }
    // Enter and Esc belong to the page, not to the pane.
    void OnOK() override { }
    void OnCancel() override { }

    UINT m_nTemplate;
};
