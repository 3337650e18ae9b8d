// Window objects: creation and destruction, styles, the window tree,
// geometry, visibility, text and invalidation.
#include "platform/ui/WndInternal.h"

#include "platform/ui/Controls.h"
#include "platform/ui/GdiInternal.h"
#include "platform/ui/IconInternal.h"

#include <QApplication>
#include <QScreen>

#include <algorithm>
#include <utility>
#include <vector>

namespace
{

// A combo box's height includes its drop-down list; the box shows one line.
int ShownHeight(const QWidget* widget, int height)
{
    height = std::max(height, 0);
    if (KindOfWidget(widget) == WndKind::ComboBox)
        return std::min(height, widget->sizeHint().height());
    return height;
}

} // namespace

CWnd::CWnd() = default;

CWnd::~CWnd()
{
    if (m_hWnd) {
        m_bAutoDelete = FALSE;
        DestroyWindow();
    }
    delete m_pWidget;
}

CWnd* CWnd::FromHandle(HWND hWnd)
{
    return dynamic_cast<CWnd*>(CWndBase::FromHandlePermanent(hWnd));
}

BOOL CWnd::PreCreateWindow(CREATESTRUCT&)
{
    return TRUE;
}

BOOL CWnd::Create(LPCTSTR lpszClassName, LPCTSTR lpszWindowName, DWORD dwStyle, const RECT& rect,
    CWnd* pParentWnd, UINT nID, void*)
{
    return CreateEx(0, lpszClassName, lpszWindowName, dwStyle | WS_CHILD, rect, pParentWnd, nID);
}

BOOL CWnd::CreateEx(DWORD dwExStyle, LPCTSTR lpszClassName, LPCTSTR lpszWindowName, DWORD dwStyle,
    const RECT& rect, CWnd* pParentWnd, UINT nID, LPVOID lpParam)
{
    return CreateEx(dwExStyle, lpszClassName, lpszWindowName, dwStyle, rect.left, rect.top,
        rect.right - rect.left, rect.bottom - rect.top, pParentWnd ? pParentWnd->m_hWnd : nullptr,
        reinterpret_cast<HMENU>(uintptr_t(nID)), lpParam);
}

BOOL CWnd::CreateEx(DWORD dwExStyle, LPCTSTR lpszClassName, LPCTSTR lpszWindowName, DWORD dwStyle, int x,
    int y, int nWidth, int nHeight, HWND hWndParent, HMENU nIDorHMenu, LPVOID lpParam)
{
    if (m_hWnd)
        return FALSE;
    CREATESTRUCT cs {};
    cs.lpCreateParams = lpParam;
    cs.hMenu = nIDorHMenu;
    cs.hwndParent = hWndParent;
    cs.x = x;
    cs.y = y;
    cs.cx = nWidth;
    cs.cy = nHeight;
    cs.style = LONG(dwStyle);
    cs.lpszName = lpszWindowName;
    cs.lpszClass = lpszClassName;
    cs.dwExStyle = dwExStyle;
    if (!PreCreateWindow(cs))
        return FALSE;
    m_dwStyle = DWORD(cs.style);
    m_dwExStyle = cs.dwExStyle;
    // A top-level window has no control id; its hMenu would be a menu.
    if (!(m_dwStyle & WS_CHILD))
        cs.hMenu = nullptr;
    CWnd* parent = FromHandle(cs.hwndParent);
    if (!CreateWidget(cs, parent))
        return FALSE;
    if (!CreateHandle(cs)) {
        delete m_pWidget;
        m_pWidget = nullptr;
        return FALSE;
    }
    if (!m_pWidget)
        return FALSE; // destroyed during creation
    QSize client = m_pWidget->size();
    if (auto* surface = dynamic_cast<SurfaceWidget*>(m_pWidget))
        client = surface->ClientRect().size();
    SendMessage(WM_SIZE, SIZE_RESTORED, MAKELPARAM(WORD(client.width()), WORD(client.height())));
    SendMessage(WM_MOVE, 0, MAKELPARAM(WORD(m_pWidget->x()), WORD(m_pWidget->y())));
    if (m_dwStyle & WS_VISIBLE)
        m_pWidget->show();
    return TRUE;
}

BOOL CWnd::CreateWidget(const CREATESTRUCT& cs, CWnd* pParent)
{
    InstallWindowEventFilter();
    QWidget* parentWidget = pParent ? pParent->m_pWidget : nullptr;
    bool child = (m_dwStyle & WS_CHILD) && parentWidget;
    WndKind kind = child ? KindOfClass(cs.lpszClass, m_dwStyle) : WndKind::Surface;
    QWidget* widget = kind == WndKind::Surface ? nullptr : CreateControlWidget(kind, cs, parentWidget, this);
    if (!widget) {
        kind = WndKind::Surface;
        Qt::WindowFlags flags = child ? Qt::Widget : (parentWidget ? Qt::Dialog : Qt::Window);
        auto* surface = new SurfaceWidget(this, child ? parentWidget : nullptr, flags);
        if (!child && parentWidget)
            surface->setParent(parentWidget, flags);
        if (m_dwStyle & WS_CHILD)
            surface->SetBackground(GetSysColor(COLOR_WINDOW));
        // An owner-drawn static reports its clicks as every static does.
        if (child && IsStaticClass(cs.lpszClass))
            surface->SetClickNotify((m_dwStyle & SS_NOTIFY) != 0);
        widget = surface;
        if (cs.lpszName)
            widget->setWindowTitle(QString::fromUtf8(cs.lpszName));
    }
    BindWidget(widget, this, kind);
    widget->setGeometry(cs.x, cs.y, std::max(cs.cx, 0), ShownHeight(widget, cs.cy));
    widget->setEnabled(!(m_dwStyle & WS_DISABLED));
    widget->hide();
    m_pWidget = widget;
    QObject::connect(widget, &QObject::destroyed, widget, [this, widget] {
        if (m_pWidget == widget)
            m_pWidget = nullptr;
    });
    return TRUE;
}

BOOL CWnd::DestroyWindow()
{
    if (!m_hWnd)
        return FALSE;
    if (GetCapture() == this)
        ::ReleaseCapture();
    return CWndBase::DestroyWindow();
}

void CWnd::OnHandleDestroyed()
{
    m_pCurrentMsg = nullptr;
    QWidget* widget = m_pWidget;
    m_pWidget = nullptr;
    if (widget && IsPartWidget(widget)) {
        QObject::disconnect(widget, &QObject::destroyed, nullptr, nullptr);
        UnbindWidget(widget);
    } else if (widget) {
        UnbindWidget(widget);
        widget->hide();
        delete widget;
    }
}

void CWnd::PostNcDestroy()
{
    if (m_bAutoDelete)
        delete this;
}

BOOL CWnd::SubclassWindow(HWND hWnd)
{
    CWnd* previous = FromHandle(hWnd);
    if (m_hWnd || !previous || previous == this || !previous->m_pWidget || !Attach(hWnd))
        return FALSE;
    // The widget, styles and font move over; the placeholder object goes.
    m_pWidget = previous->m_pWidget;
    previous->m_pWidget = nullptr;
    m_dwStyle = previous->m_dwStyle;
    m_dwExStyle = previous->m_dwExStyle;
    m_pFont = previous->m_pFont;
    QObject::disconnect(m_pWidget, &QObject::destroyed, nullptr, nullptr);
    QWidget* widget = m_pWidget;
    BindWidget(widget, this, KindOfWidget(widget));
    if (auto* surface = dynamic_cast<SurfaceWidget*>(widget))
        surface->SetOwner(this);
    QObject::connect(widget, &QObject::destroyed, widget, [this, widget] {
        if (m_pWidget == widget)
            m_pWidget = nullptr;
    });
    previous->m_hWnd = nullptr;
    if (previous->m_bAutoDelete)
        delete previous;
    return TRUE;
}

BOOL CWnd::SubclassDlgItem(UINT nID, CWnd* pParent)
{
    CWnd* item = pParent ? pParent->GetDlgItem(int(nID)) : nullptr;
    return item ? SubclassWindow(item->m_hWnd) : FALSE;
}

BOOL CWnd::ModifyStyle(DWORD dwRemove, DWORD dwAdd, UINT)
{
    DWORD old = m_dwStyle;
    m_dwStyle = (m_dwStyle & ~dwRemove) | dwAdd;
    if (m_pWidget && ((old ^ m_dwStyle) & WS_DISABLED))
        m_pWidget->setEnabled(!(m_dwStyle & WS_DISABLED));
    if (m_pWidget && ((old ^ m_dwStyle) & WS_VISIBLE))
        m_pWidget->setVisible(m_dwStyle & WS_VISIBLE);
    ApplyControlStyle(this);
    return old != m_dwStyle;
}

BOOL CWnd::ModifyStyleEx(DWORD dwRemove, DWORD dwAdd, UINT)
{
    DWORD old = m_dwExStyle;
    m_dwExStyle = (m_dwExStyle & ~dwRemove) | dwAdd;
    return old != m_dwExStyle;
}

CWnd* CWnd::GetParent() const
{
    return m_hWnd ? FromHandle(GetParentHandle()) : nullptr;
}

CWnd* CWnd::GetTopLevelParent() const
{
    const CWnd* w = this;
    while (w && (w->m_dwStyle & WS_CHILD) && w->GetParent())
        w = w->GetParent();
    return const_cast<CWnd*>(w);
}

CWnd* CWnd::GetDlgItem(int nID) const
{
    if (CWnd* item = FromHandle(GetDlgItemHandle(nID)))
        return item;
    // An editable combo's edit part gets its window when first asked for, so
    // that combos nobody asks about keep their focus to themselves.
    return nID == COMBO_EDIT_ID ? ComboEditPart(this) : nullptr;
}

std::vector<CWnd*> CWnd::ChildWindows() const
{
    std::vector<CWnd*> children;
    if (!m_pWidget)
        return children;
    for (QObject* o : m_pWidget->children()) {
        auto* w = qobject_cast<QWidget*>(o);
        CWnd* c = w ? WndOfWidget(w) : nullptr;
        if (c && c != this && c->m_pWidget == w)
            children.push_back(c);
    }
    return children;
}

CWnd* CWnd::GetNextDlgGroupItem(CWnd* pCtl, BOOL bPrevious) const
{
    if (!m_pWidget || !pCtl)
        return nullptr;
    const std::vector<CWnd*> children = ChildWindows();
    auto it = std::find(children.begin(), children.end(), pCtl);
    if (it == children.end())
        return nullptr;
    // A group runs from a WS_GROUP window to the window before the next one.
    auto start = it;
    while (start != children.begin() && !((*start)->m_dwStyle & WS_GROUP))
        --start;
    auto end = it + 1;
    while (end != children.end() && !((*end)->m_dwStyle & WS_GROUP))
        ++end;
    if (!bPrevious)
        return (it + 1 != end) ? *(it + 1) : *start;
    return it != start ? *(it - 1) : *(end - 1);
}

CWnd* CWnd::GetNextDlgTabItem(CWnd* pCtl, BOOL bPrevious) const
{
    const std::vector<CWnd*> children = ChildWindows();
    const int count = int(children.size());
    const int at = int(std::find(children.begin(), children.end(), pCtl) - children.begin());
    // From the control on (or from the start when it is none of ours), wrapping.
    for (int step = 1; step <= count; ++step) {
        const int i = at >= count ? (bPrevious ? count - step : step - 1)
                                  : ((at + (bPrevious ? -step : step)) % count + count) % count;
        CWnd* c = children[size_t(i)];
        if ((c->m_dwStyle & WS_TABSTOP) && c->IsWindowEnabled() && !c->m_pWidget->isHidden())
            return c;
    }
    return nullptr;
}

void CWnd::MoveWindow(int x, int y, int nWidth, int nHeight, BOOL bRepaint)
{
    if (!m_pWidget)
        return;
    m_pWidget->setGeometry(x, y, std::max(nWidth, 0), ShownHeight(m_pWidget, nHeight));
    if (bRepaint)
        m_pWidget->update();
}

void CWnd::MoveWindow(LPCRECT lpRect, BOOL bRepaint)
{
    if (lpRect)
        MoveWindow(
            lpRect->left, lpRect->top, lpRect->right - lpRect->left, lpRect->bottom - lpRect->top, bRepaint);
}

BOOL CWnd::SetWindowPos(const CWnd* pWndInsertAfter, int x, int y, int cx, int cy, UINT nFlags)
{
    if (!m_pWidget)
        return FALSE;
    QRect g = m_pWidget->geometry();
    if (!(nFlags & SWP_NOMOVE))
        g.moveTo(x, y);
    if (!(nFlags & SWP_NOSIZE))
        g.setSize(QSize(std::max(cx, 0), ShownHeight(m_pWidget, cy)));
    if (g != m_pWidget->geometry())
        m_pWidget->setGeometry(g);
    if (!(nFlags & SWP_NOZORDER) && pWndInsertAfter == nullptr && (m_dwStyle & WS_CHILD))
        m_pWidget->raise();
    if (nFlags & SWP_SHOWWINDOW)
        ShowWindow(SW_SHOWNA);
    if (nFlags & SWP_HIDEWINDOW)
        ShowWindow(SW_HIDE);
    return TRUE;
}

void CWnd::GetWindowRect(LPRECT lpRect) const
{
    if (!lpRect)
        return;
    if (!m_pWidget) {
        *lpRect = RECT {};
        return;
    }
    QPoint tl = m_pWidget->mapToGlobal(QPoint(0, 0));
    *lpRect = RECT { tl.x(), tl.y(), tl.x() + m_pWidget->width(), tl.y() + m_pWidget->height() };
}

void CWnd::GetClientRect(LPRECT lpRect) const
{
    if (!lpRect)
        return;
    QSize s;
    if (auto* surface = dynamic_cast<SurfaceWidget*>(m_pWidget))
        s = surface->ClientRect().size();
    else if (m_pWidget)
        s = m_pWidget->size();
    *lpRect = RECT { 0, 0, s.width(), s.height() };
}

void CWnd::ClientToScreen(LPPOINT lpPoint) const
{
    if (!lpPoint || !m_pWidget)
        return;
    QPoint p = m_pWidget->mapToGlobal(QPoint(lpPoint->x, lpPoint->y));
    *lpPoint = POINT { p.x(), p.y() };
}

void CWnd::ClientToScreen(LPRECT lpRect) const
{
    if (!lpRect)
        return;
    ClientToScreen(reinterpret_cast<LPPOINT>(&lpRect->left));
    ClientToScreen(reinterpret_cast<LPPOINT>(&lpRect->right));
}

void CWnd::ScreenToClient(LPPOINT lpPoint) const
{
    if (!lpPoint || !m_pWidget)
        return;
    QPoint p = m_pWidget->mapFromGlobal(QPoint(lpPoint->x, lpPoint->y));
    *lpPoint = POINT { p.x(), p.y() };
}

void CWnd::ScreenToClient(LPRECT lpRect) const
{
    if (!lpRect)
        return;
    ScreenToClient(reinterpret_cast<LPPOINT>(&lpRect->left));
    ScreenToClient(reinterpret_cast<LPPOINT>(&lpRect->right));
}

void CWnd::CenterWindow(CWnd* pAlternateOwner)
{
    if (!m_pWidget)
        return;
    CWnd* owner = pAlternateOwner ? pAlternateOwner : GetOwner();
    QRect area;
    if (owner && owner->m_pWidget && !(m_dwStyle & WS_CHILD))
        area = QRect(owner->m_pWidget->mapToGlobal(QPoint(0, 0)), owner->m_pWidget->size());
    else if (m_dwStyle & WS_CHILD && m_pWidget->parentWidget())
        area = m_pWidget->parentWidget()->rect();
    else if (QScreen* screen = QGuiApplication::primaryScreen())
        area = screen->availableGeometry();
    QSize s = m_pWidget->size();
    m_pWidget->move(
        area.left() + (area.width() - s.width()) / 2, area.top() + (area.height() - s.height()) / 2);
}

BOOL CWnd::ShowWindow(int nCmdShow)
{
    if (!m_pWidget)
        return FALSE;
    BOOL wasVisible = m_pWidget->isVisible() || (m_dwStyle & WS_VISIBLE && !m_pWidget->isHidden());
    bool show = nCmdShow != SW_HIDE;
    if (show != bool(wasVisible))
        SendMessage(WM_SHOWWINDOW, show, 0);
    if (!m_pWidget)
        return wasVisible;
    if (show)
        m_dwStyle |= WS_VISIBLE;
    else
        m_dwStyle &= ~WS_VISIBLE;
    switch (nCmdShow) {
    case SW_HIDE:
        m_pWidget->hide();
        break;
    case SW_SHOWMAXIMIZED:
        m_pWidget->showMaximized();
        break;
    case SW_SHOWMINIMIZED:
    case SW_MINIMIZE:
        m_pWidget->showMinimized();
        break;
    case SW_RESTORE:
        m_pWidget->showNormal();
        m_pWidget->activateWindow();
        break;
    default:
        m_pWidget->show();
        if (!(m_dwStyle & WS_CHILD) && nCmdShow != SW_SHOWNA && nCmdShow != SW_SHOWNOACTIVATE)
            m_pWidget->activateWindow();
        break;
    }
    return wasVisible;
}

BOOL CWnd::IsWindowVisible() const
{
    return m_pWidget && m_pWidget->isVisible();
}

BOOL CWnd::IsIconic() const
{
    return m_pWidget && m_pWidget->isMinimized();
}

BOOL CWnd::SetForegroundWindow()
{
    if (!m_pWidget)
        return FALSE;
    m_pWidget->raise();
    m_pWidget->activateWindow();
    return TRUE;
}

BOOL CWnd::EnableWindow(BOOL bEnable)
{
    if (!m_pWidget)
        return FALSE;
    BOOL wasDisabled = (m_dwStyle & WS_DISABLED) != 0;
    if (bEnable)
        m_dwStyle &= ~WS_DISABLED;
    else
        m_dwStyle |= WS_DISABLED;
    m_pWidget->setEnabled(bEnable != FALSE);
    if (bool(wasDisabled) == bool(bEnable))
        SendMessage(WM_ENABLE, bEnable ? TRUE : FALSE);
    return wasDisabled;
}

BOOL CWnd::IsWindowEnabled() const
{
    return m_pWidget && !(m_dwStyle & WS_DISABLED);
}

void CWnd::SetWindowText(LPCTSTR lpszString)
{
    SendMessage(WM_SETTEXT, 0, reinterpret_cast<LPARAM>(lpszString ? lpszString : ""));
}

int CWnd::GetWindowText(LPTSTR lpszStringBuf, int nMaxCount) const
{
    return int(const_cast<CWnd*>(this)->SendMessage(
        WM_GETTEXT, WPARAM(nMaxCount), reinterpret_cast<LPARAM>(lpszStringBuf)));
}

int CWnd::GetWindowTextLength() const
{
    return int(const_cast<CWnd*>(this)->SendMessage(WM_GETTEXTLENGTH));
}

void CWnd::GetWindowText(CString& rString) const
{
    int n = GetWindowTextLength();
    char* buffer = rString.GetBuffer(n);
    GetWindowText(buffer, n + 1);
    rString.ReleaseBuffer();
}

void CWnd::SetFont(CFont* pFont, BOOL bRedraw)
{
    m_pFont = pFont;
    SendMessage(WM_SETFONT, reinterpret_cast<WPARAM>(pFont ? pFont->m_hObject : nullptr), bRedraw);
}

CFont* CWnd::GetFont() const
{
    return m_pFont;
}

HICON CWnd::SetIcon(HICON hIcon, BOOL bBigIcon)
{
    HICON previous = std::exchange(m_hWndIcons[bBigIcon ? 1 : 0], hIcon);
    if (m_pWidget)
        m_pWidget->setWindowIcon(ToQIcon(m_hWndIcons[1], m_hWndIcons[0]));
    return previous;
}

HICON CWnd::GetIcon(BOOL bBigIcon) const
{
    return m_hWndIcons[bBigIcon ? 1 : 0];
}

void CWnd::Invalidate(BOOL bErase)
{
    InvalidateRect(nullptr, bErase);
}

void CWnd::InvalidateRect(LPCRECT lpRect, BOOL bErase)
{
    if (!m_pWidget)
        return;
    if (auto* surface = dynamic_cast<SurfaceWidget*>(m_pWidget))
        surface->SetErase(bErase);
    if (lpRect)
        m_pWidget->update(
            QRect(QPoint(lpRect->left, lpRect->top), QPoint(lpRect->right - 1, lpRect->bottom - 1)));
    else
        m_pWidget->update();
}

void CWnd::ValidateRect(LPCRECT) { }

void CWnd::UpdateWindow()
{
    // The window paints now, whether or not the screen shows it yet.
    if (auto* surface = dynamic_cast<SurfaceWidget*>(m_pWidget)) {
        surface->Render(surface->ClientRect());
        surface->update();
    } else if (m_pWidget && m_pWidget->isVisible()) {
        m_pWidget->repaint();
    }
}

BOOL CWnd::RedrawWindow(LPCRECT lpRectUpdate, void*, UINT flags)
{
    if (!m_pWidget)
        return FALSE;
    if (flags & RDW_INVALIDATE)
        InvalidateRect(lpRectUpdate, (flags & RDW_ERASE) != 0);
    if (flags & RDW_UPDATENOW)
        UpdateWindow();
    return TRUE;
}

QImage* CWnd::GetSurface() const
{
    auto* surface = dynamic_cast<SurfaceWidget*>(m_pWidget);
    return surface ? &surface->Surface() : nullptr;
}

BOOL EnableWindow(HWND hWnd, BOOL bEnable)
{
    CWnd* w = CWnd::FromHandle(hWnd);
    return w ? w->EnableWindow(bEnable) : FALSE;
}

BOOL IsWindowEnabled(HWND hWnd)
{
    CWnd* w = CWnd::FromHandle(hWnd);
    return w ? w->IsWindowEnabled() : FALSE;
}

BOOL IsWindowVisible(HWND hWnd)
{
    CWnd* w = CWnd::FromHandle(hWnd);
    return w ? w->IsWindowVisible() : FALSE;
}

BOOL ShowWindow(HWND hWnd, int nCmdShow)
{
    CWnd* w = CWnd::FromHandle(hWnd);
    return w ? w->ShowWindow(nCmdShow) : FALSE;
}
