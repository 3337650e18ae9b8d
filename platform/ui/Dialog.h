// CDialog: a window built from a dialog template of the resource module.
// DoModal runs it through the modal-dialog runner seam and gives the code
// EndDialog set; Create makes it modeless.
#pragma once

#include "platform/base/Services.h"
#include "platform/ui/ResourceData.h"
#include "platform/ui/Wnd.h"

class QEventLoop;

// The template control id of text that is never addressed.
constexpr int IDC_STATIC = -1;
// DM_GETDEFID answers with this in the high word.
constexpr UINT DC_HASDEFID = 0x534B;
constexpr UINT DM_GETDEFID = WM_USER + 0;
constexpr UINT DM_SETDEFID = WM_USER + 1;

class PLATFORM_UI_API CDialog : public CWnd
{
public:
    CDialog();
    explicit CDialog(UINT nIDTemplate, CWnd* pParentWnd = nullptr);
    ~CDialog() override;

    // Modeless, from a template of the resource module.
    BOOL Create(UINT nIDTemplate, CWnd* pParentWnd = nullptr);
    // Modal: creates the dialog, runs it until EndDialog and destroys it.
    // Gives the code given to EndDialog, -1 when it could not be created.
    virtual INT_PTR DoModal();
    void EndDialog(int nResult);
    BOOL IsModalEnded() const { return m_bEnded; }

    virtual BOOL OnInitDialog();
    virtual void OnOK();
    virtual void OnCancel();

    // Dialog units to pixels with the suite's fixed base unit.
    void MapDialogRect(LPRECT lpRect) const;
    void GotoDlgCtrl(CWnd* pWndCtrl);
    void SetDefID(UINT nID) { m_nDefID = nID; }
    DWORD GetDefID() const { return MAKELONG(WORD(m_nDefID), WORD(DC_HASDEFID)); }

    BOOL PreTranslateMessage(MSG* pMsg) override;
    BOOL OnCmdMsg(UINT nID, int nCode, WPARAM wParam, LPARAM lParam, LRESULT* pResult) override;
    LRESULT DefWindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;

    // Runs a modal loop until EndDialog: the production modal runner.
    static void RunModalLoopUntilEnded(CDialog* pDialog);

    UINT m_nIDHelp = 0; // the template id
    CWnd* m_pParentWnd = nullptr;

protected:
    // Builds the window and its controls from a template; runs OnInitDialog.
    BOOL CreateFromTemplate(const DialogTemplate* pTemplate, CWnd* pParentWnd, bool child);
    // The template of this dialog in the current resource module.
    const DialogTemplate* FindTemplate() const;

    UINT m_nIDTemplate = 0;
    int m_nModalResult = -1;
    bool m_bEnded = false;
    bool m_bModal = false;
    UINT m_nDefID = 0;
    QEventLoop* m_pModalLoop = nullptr;
    friend class CPropertySheet;
};

// Installs the widget services a program uses (modal runner, message
// boxes, popup menus on Qt); AfxWinMain does so.
PLATFORM_UI_API void InstallWidgetServices();
