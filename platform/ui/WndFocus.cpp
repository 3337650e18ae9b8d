// The keyboard focus and the mouse capture, as the windows know them.
#include "platform/ui/WndInternal.h"

#include <QApplication>

namespace
{

CWnd* g_capture = nullptr;
// The focus as the windows know it; Qt gives no focus to a window that is
// not active (as on the offscreen platform).
HWND g_focus = nullptr;

} // namespace

CWnd* CWnd::SetFocus()
{
    CWnd* old = GetFocus();
    if (!m_pWidget)
        return old;
    QWidget* target = m_pWidget->focusProxy() ? m_pWidget->focusProxy() : m_pWidget;
    // The focus of a control goes to its part when that has a window of its
    // own (an editable combo's edit part).
    CWnd* focused = FocusWndOfWidget(target);
    if (!focused)
        focused = this;
    if (old == focused)
        return old;
    if (!m_pWidget->isActiveWindow())
        m_pWidget->window()->activateWindow();
    target->setFocus(Qt::OtherFocusReason);
    if (FocusWndOfWidget(QApplication::focusWidget()) != focused) {
        // Qt keeps the focus for later; the windows hear of the change now.
        if (old && old->m_hWnd)
            NotifyFocusChange(old, false);
        g_focus = focused->m_hWnd;
        NotifyFocusChange(focused, true);
    }
    return old;
}

CWnd* CWnd::GetFocus()
{
    if (CWnd* w = FocusWndOfWidget(QApplication::focusWidget()))
        return w;
    return FromHandle(g_focus);
}

void NotifyFocusChange(CWnd* wnd, bool in)
{
    if (in)
        g_focus = wnd->m_hWnd;
    else if (g_focus == wnd->m_hWnd)
        g_focus = nullptr;
    wnd->SendMessage(in ? WM_SETFOCUS : WM_KILLFOCUS);
    if (!wnd->m_hWnd)
        return;
    switch (KindOf(wnd)) {
    case WndKind::Edit:
        NotifyParent(wnd, in ? EN_SETFOCUS : EN_KILLFOCUS);
        break;
    case WndKind::ComboBox:
        NotifyParent(wnd, in ? CBN_SETFOCUS : CBN_KILLFOCUS);
        break;
    case WndKind::ListBox:
        if (wnd->GetStyle() & LBS_NOTIFY)
            NotifyParent(wnd, in ? LBN_SETFOCUS : LBN_KILLFOCUS);
        break;
    default:
        break;
    }
}

CWnd* CWnd::SetCapture()
{
    CWnd* old = g_capture;
    if (old == this)
        return old;
    if (old) {
        if (old->m_pWidget)
            old->m_pWidget->releaseMouse();
        g_capture = nullptr;
        old->SendMessage(WM_CAPTURECHANGED, 0, reinterpret_cast<LPARAM>(m_hWnd));
    }
    g_capture = this;
    // The capture is ours either way; a platform without pointer grabs
    // (offscreen) still routes the mouse to the capture window.
    if (m_pWidget && m_pWidget->isVisible() && QGuiApplication::platformName() != QLatin1String("offscreen"))
        m_pWidget->grabMouse();
    return old;
}

CWnd* CWnd::GetCapture()
{
    return g_capture;
}

HWND GetCapture()
{
    return g_capture ? g_capture->m_hWnd : nullptr;
}

BOOL ReleaseCapture()
{
    CWnd* old = g_capture;
    if (!old)
        return TRUE;
    g_capture = nullptr;
    if (old->GetWidget())
        old->GetWidget()->releaseMouse();
    old->SendMessage(WM_CAPTURECHANGED, 0, 0);
    return TRUE;
}

HWND GetFocus()
{
    CWnd* w = CWnd::GetFocus();
    return w ? w->m_hWnd : nullptr;
}

HWND SetFocus(HWND hWnd)
{
    HWND old = GetFocus();
    if (CWnd* w = CWnd::FromHandle(hWnd))
        w->SetFocus();
    return old;
}
