#include "platform/ui/Dialog.h"

#include "platform/base/Services.h"
#include "platform/ui/Controls.h"
#include "platform/ui/DateTimeCtrl.h"
#include "platform/ui/IpAddressCtrl.h"
#include "platform/ui/ResourceModule.h"
#include "platform/ui/SpinButtonCtrl.h"
#include "platform/ui/TabCtrl.h"
#include "platform/ui/WndInternal.h"

#include <QEventLoop>

namespace
{

// The window object of a template control has the class of its control, so
// that code may treat GetDlgItem's answer as that class.
CWnd* NewControlObject(WndKind kind)
{
    switch (kind) {
    case WndKind::Button:
    case WndKind::CheckBox:
    case WndKind::RadioButton:
    case WndKind::GroupBox:
        return new CButton;
    case WndKind::Edit:
        return new CEdit;
    case WndKind::Static:
        return new CStatic;
    case WndKind::ComboBox:
        return new CComboBox;
    case WndKind::ListBox:
        return new CListBox;
    case WndKind::TabCtrl:
        return new CTabCtrl;
    case WndKind::IpAddress:
        return new CIPAddressCtrl;
    case WndKind::Spin:
        return new CSpinButtonCtrl;
    case WndKind::Trackbar:
        return new CSliderCtrl;
    case WndKind::MonthCal:
        return new CMonthCalCtrl;
    case WndKind::DateTimePick:
        return new CDateTimeCtrl;
    case WndKind::Surface:
        break;
    }
    return new CWnd;
}

} // namespace

CDialog::CDialog() = default;

CDialog::CDialog(UINT nIDTemplate, CWnd* pParentWnd)
    : m_nIDHelp(nIDTemplate)
    , m_pParentWnd(pParentWnd)
    , m_nIDTemplate(nIDTemplate)
{
}

CDialog::~CDialog()
{
    if (m_pModalLoop)
        m_pModalLoop->quit();
}

const DialogTemplate* CDialog::FindTemplate() const
{
    return FindDialogResource(AfxGetResourceHandle(), m_nIDTemplate);
}

BOOL CDialog::Create(UINT nIDTemplate, CWnd* pParentWnd)
{
    m_nIDTemplate = m_nIDHelp = nIDTemplate;
    if (pParentWnd)
        m_pParentWnd = pParentWnd;
    const DialogTemplate* t = FindTemplate();
    if (!t)
        return FALSE;
    return CreateFromTemplate(t, m_pParentWnd, (t->style & WS_CHILD) != 0);
}

BOOL CDialog::CreateFromTemplate(const DialogTemplate* t, CWnd* pParentWnd, bool child)
{
    RECT r {};
    MapDialogUnits(t->x, t->y, t->cx, t->cy, &r);
    DWORD style = t->style & ~WS_VISIBLE;
    if (child)
        style = (style | WS_CHILD) & ~WS_POPUP;
    else
        style &= ~WS_CHILD;
    m_bEnded = false;
    m_nModalResult = -1;
    if (!CreateEx(t->exStyle, "#32770", t->caption, style, r.left, r.top, r.right - r.left, r.bottom - r.top,
            pParentWnd ? pParentWnd->m_hWnd : nullptr, nullptr))
        return FALSE;
    if (auto* surface = dynamic_cast<SurfaceWidget*>(GetWidget()))
        surface->SetBackground(GetSysColor(COLOR_BTNFACE));
    for (const DialogControl& c : t->controls) {
        RECT cr {};
        MapDialogUnits(c.x, c.y, c.cx, c.cy, &cr);
        CWnd* control = NewControlObject(KindOfClass(c.className, c.style));
        control->m_bAutoDelete = TRUE;
        if (!control->CreateEx(c.exStyle, c.className, c.text, c.style | WS_CHILD, cr.left, cr.top,
                cr.right - cr.left, cr.bottom - cr.top, m_hWnd,
                reinterpret_cast<HMENU>(uintptr_t(UINT(c.id))))) {
            delete control;
            continue;
        }
        ApplyControlStyle(control);
        if ((c.style & BS_TYPEMASK) == BS_DEFPUSHBUTTON && KindOf(control) == WndKind::Button && !m_nDefID)
            m_nDefID = c.id;
    }
    if (!child && !pParentWnd)
        CenterWindow();
    else if (!child)
        CenterWindow(pParentWnd);
    BOOL focusDefault = OnInitDialog();
    if (!m_hWnd)
        return FALSE;
    if (t->style & WS_VISIBLE)
        ShowWindow(SW_SHOW);
    if (focusDefault) {
        // The first enabled tab stop takes the focus.
        for (QObject* o : GetWidget()->children()) {
            auto* w = qobject_cast<QWidget*>(o);
            CWnd* c = w ? WndOfWidget(w) : nullptr;
            if (c && c != this && (c->GetStyle() & WS_TABSTOP) && c->IsWindowEnabled()) {
                c->SetFocus();
                break;
            }
        }
    }
    return TRUE;
}

INT_PTR CDialog::DoModal()
{
    const DialogTemplate* t = FindTemplate();
    if (!t)
        return -1;
    m_bModal = true;
    if (!CreateFromTemplate(t, m_pParentWnd, false)) {
        m_bModal = false;
        return -1;
    }
    if (!m_bEnded) {
        if (GetWidget())
            GetWidget()->setWindowModality(Qt::ApplicationModal);
        ShowWindow(SW_SHOW);
        Service<IModalDialogRunner>().RunModalLoop(this);
    }
    // A runner that gives up without an end counts as Cancel.
    if (!m_bEnded)
        m_nModalResult = IDCANCEL;
    m_bModal = false;
    DestroyWindow();
    return m_nModalResult;
}

void CDialog::EndDialog(int nResult)
{
    m_nModalResult = nResult;
    m_bEnded = true;
    if (m_pModalLoop)
        m_pModalLoop->quit();
    if (!m_bModal)
        ShowWindow(SW_HIDE);
}

void CDialog::RunModalLoopUntilEnded(CDialog* pDialog)
{
    if (!pDialog || pDialog->m_bEnded)
        return;
    QEventLoop loop;
    pDialog->m_pModalLoop = &loop;
    loop.exec(QEventLoop::DialogExec);
    pDialog->m_pModalLoop = nullptr;
}

BOOL CDialog::OnInitDialog()
{
    UpdateData(FALSE);
    return TRUE;
}

void CDialog::OnOK()
{
    if (!UpdateData(TRUE))
        return;
    EndDialog(IDOK);
}

void CDialog::OnCancel()
{
    EndDialog(IDCANCEL);
}

void CDialog::MapDialogRect(LPRECT lpRect) const
{
    if (lpRect)
        MapDialogUnits(
            lpRect->left, lpRect->top, lpRect->right - lpRect->left, lpRect->bottom - lpRect->top, lpRect);
}

void CDialog::GotoDlgCtrl(CWnd* pWndCtrl)
{
    if (!pWndCtrl)
        return;
    pWndCtrl->SetFocus();
    if (KindOf(pWndCtrl) == WndKind::Edit)
        pWndCtrl->SendMessage(EM_SETSEL, 0, -1);
}

BOOL CDialog::OnCmdMsg(UINT nID, int nCode, WPARAM wParam, LPARAM lParam, LRESULT* pResult)
{
    if (CWnd::OnCmdMsg(nID, nCode, wParam, lParam, pResult))
        return TRUE;
    // OK and Cancel end the dialog unless the message map took them.
    if (nCode == int(BN_CLICKED) || nCode == CN_COMMAND) {
        if (nID == UINT(IDOK)) {
            OnOK();
            return TRUE;
        }
        if (nID == UINT(IDCANCEL)) {
            OnCancel();
            return TRUE;
        }
    }
    return FALSE;
}

BOOL CDialog::PreTranslateMessage(MSG* pMsg)
{
    // Return and Escape belong to a top-level dialog: default button and Cancel.
    if (pMsg->message != WM_KEYDOWN || (GetStyle() & WS_CHILD))
        return FALSE;
    if (pMsg->wParam == VK_ESCAPE) {
        SendMessage(WM_COMMAND, MAKEWPARAM(WORD(IDCANCEL), WORD(BN_CLICKED)));
        return TRUE;
    }
    if (pMsg->wParam == VK_RETURN) {
        CWnd* focus = CWnd::FromHandle(pMsg->hwnd);
        // A focused push button is the one Return presses.
        if (focus && KindOf(focus) == WndKind::Button) {
            focus->SendMessage(BM_CLICK);
            return TRUE;
        }
        UINT id = m_nDefID ? m_nDefID : UINT(IDOK);
        CWnd* button = GetDlgItem(int(id));
        if (button && !button->IsWindowEnabled())
            return TRUE;
        SendMessage(WM_COMMAND, MAKEWPARAM(WORD(id), WORD(BN_CLICKED)),
            reinterpret_cast<LPARAM>(button ? button->m_hWnd : nullptr));
        return TRUE;
    }
    return FALSE;
}

LRESULT CDialog::DefWindowProc(UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
    case DM_GETDEFID:
        return LRESULT(GetDefID());
    case DM_SETDEFID:
        m_nDefID = UINT(wParam);
        return TRUE;
    case WM_NEXTDLGCTL: {
        // lParam set: wParam is the control; else wParam picks next (0) or previous.
        CWnd* target = LOWORD(lParam) ? FromHandle(reinterpret_cast<HWND>(wParam))
                                      : GetNextDlgTabItem(GetFocus(), wParam != 0);
        if (target)
            target->SetFocus();
        return 0;
    }
    case WM_CLOSE:
        // Closing a dialog is Cancel.
        SendMessage(WM_COMMAND, MAKEWPARAM(WORD(IDCANCEL), WORD(BN_CLICKED)));
        return 0;
    default:
        return CWnd::DefWindowProc(message, wParam, lParam);
    }
}
