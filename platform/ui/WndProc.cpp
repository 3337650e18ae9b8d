// A window's messages: its procedure, the default handling and the
// handlers a derived window overrides.
#include "platform/ui/ControlsInternal.h"

#include "platform/ui/GdiInternal.h"
#include "platform/ui/KeyTranslation.h"

BOOL CWnd::PreTranslateMessage(MSG*)
{
    return FALSE;
}

LRESULT CWnd::WindowProc(UINT message, WPARAM wParam, LPARAM lParam)
{
    HWND hWnd = m_hWnd;
    MSG msg { hWnd, message, wParam, lParam, 0, { 0, 0 } };
    const MSG* outer = m_pCurrentMsg;
    m_pCurrentMsg = &msg;
    if (message >= WM_KEYDOWN && message <= WM_KEYUP + 4)
        NoteKeyMessage(message, wParam);
    LRESULT result = CWndBase::WindowProc(message, wParam, lParam);
    // A handler may have destroyed the window, and with it deleted this
    // object (in-place editors end themselves so): touch nothing then.
    // Handles are never reused, so a live handle means a live object.
    if (!hWnd || ::IsWindow(hWnd))
        m_pCurrentMsg = outer;
    return result;
}

LRESULT CWnd::Default()
{
    return m_pCurrentMsg ? DefWindowProc(m_pCurrentMsg->message, m_pCurrentMsg->wParam, m_pCurrentMsg->lParam)
                         : 0;
}

LRESULT CWnd::DefWindowProc(UINT message, WPARAM wParam, LPARAM lParam)
{
    LRESULT result = 0;
    WndKind kind = KindOf(this);
    if (m_pWidget && ControlWindowProc(this, kind, message, wParam, lParam, &result))
        return result;
    switch (message) {
    case WM_SETTEXT:
        if (m_pWidget)
            m_pWidget->setWindowTitle(QString::fromUtf8(reinterpret_cast<LPCTSTR>(lParam)));
        return TRUE;
    case WM_GETTEXT:
    case WM_GETTEXTLENGTH:
        AnswerTextQuery(m_pWidget ? m_pWidget->windowTitle() : QString(), message, wParam, lParam, &result);
        return result;
    case WM_SETFONT:
        if (m_pWidget) {
            auto font = reinterpret_cast<HFONT>(wParam);
            m_pWidget->setFont(font ? ToQFont(font->logFont) : QFont());
        }
        return 0;
    case WM_GETFONT:
        return reinterpret_cast<LRESULT>(m_pFont ? m_pFont->m_hObject : nullptr);
    case WM_ERASEBKGND:
    case WM_ICONERASEBKGND: {
        auto* surface = dynamic_cast<SurfaceWidget*>(m_pWidget);
        CDC* dc = CDCFromHandle(reinterpret_cast<HDC>(wParam));
        if (!surface || !dc)
            return 0;
        CRect client;
        GetClientRect(&client);
        dc->FillSolidRect(&client, surface->Background());
        return TRUE;
    }
    case WM_CTLCOLORMSGBOX:
    case WM_CTLCOLOREDIT:
    case WM_CTLCOLORLISTBOX:
    case WM_CTLCOLORBTN:
    case WM_CTLCOLORDLG:
    case WM_CTLCOLORSCROLLBAR:
    case WM_CTLCOLORSTATIC:
        return 0; // no brush: the control keeps its own colours
    case WM_GETDLGCODE:
        return 0;
    case WM_LAYER_BLIT:
        return BlitOntoWindow(this, *reinterpret_cast<const WindowBlitRequest*>(lParam));
    default:
        return CWndBase::DefWindowProc(message, wParam, lParam);
    }
}

int CWnd::OnCreate(LPCREATESTRUCT)
{
    return int(Default());
}
void CWnd::OnDestroy()
{
    Default();
}
void CWnd::OnClose()
{
    Default();
}
void CWnd::OnTimer(UINT_PTR)
{
    Default();
}
void CWnd::OnSize(UINT, int, int)
{
    Default();
}
void CWnd::OnMove(int, int)
{
    Default();
}
void CWnd::OnGetMinMaxInfo(MINMAXINFO*)
{
    Default();
}
void CWnd::OnWindowPosChanging(WINDOWPOS*)
{
    Default();
}
void CWnd::OnWindowPosChanged(WINDOWPOS*)
{
    Default();
}
void CWnd::OnShowWindow(BOOL, UINT)
{
    Default();
}
void CWnd::OnPaint()
{
    Default();
}
BOOL CWnd::OnEraseBkgnd(CDC*)
{
    return BOOL(Default());
}
HBRUSH CWnd::OnCtlColor(CDC*, CWnd*, UINT)
{
    return reinterpret_cast<HBRUSH>(Default());
}
void CWnd::OnSetFocus(CWnd*)
{
    Default();
}
void CWnd::OnKillFocus(CWnd*)
{
    Default();
}
void CWnd::OnMouseMove(UINT, CPoint)
{
    Default();
}
void CWnd::OnLButtonDown(UINT, CPoint)
{
    Default();
}
void CWnd::OnLButtonUp(UINT, CPoint)
{
    Default();
}
void CWnd::OnLButtonDblClk(UINT, CPoint)
{
    Default();
}
void CWnd::OnRButtonDown(UINT, CPoint)
{
    Default();
}
void CWnd::OnRButtonUp(UINT, CPoint)
{
    Default();
}
void CWnd::OnRButtonDblClk(UINT, CPoint)
{
    Default();
}
BOOL CWnd::OnMouseWheel(UINT, short, CPoint)
{
    return BOOL(Default());
}
void CWnd::OnKeyDown(UINT, UINT, UINT)
{
    Default();
}
void CWnd::OnKeyUp(UINT, UINT, UINT)
{
    Default();
}
void CWnd::OnChar(UINT, UINT, UINT)
{
    Default();
}
UINT CWnd::OnGetDlgCode()
{
    return UINT(Default());
}
void CWnd::OnHScroll(UINT, UINT, CScrollBar*)
{
    Default();
}
void CWnd::OnVScroll(UINT, UINT, CScrollBar*)
{
    Default();
}
BOOL CWnd::OnSetCursor(CWnd*, UINT, UINT)
{
    return BOOL(Default());
}
void CWnd::OnContextMenu(CWnd*, CPoint)
{
    Default();
}
void CWnd::OnCaptureChanged(CWnd*)
{
    Default();
}
void CWnd::OnSysCommand(UINT, LPARAM)
{
    Default();
}
LRESULT CWnd::OnNcHitTest(CPoint)
{
    return Default();
}
void CWnd::OnNcLButtonDown(UINT, CPoint)
{
    Default();
}
void CWnd::OnNcLButtonUp(UINT, CPoint)
{
    Default();
}
void CWnd::OnNcMouseMove(UINT, CPoint)
{
    Default();
}
