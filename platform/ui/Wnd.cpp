#include "platform/ui/WndInternal.h"

#include "platform/ui/DataExchange.h"
#include "platform/ui/GdiInternal.h"
#include "platform/ui/KeyTranslation.h"

#include <QApplication>
#include <QCloseEvent>
#include <QPainter>
#include <QPointer>
#include <QScreen>
#include <QScrollBar>

#include <algorithm>
#include <cstring>

namespace
{

const char* const kOwnerProperty = "platformWnd";
const char* const kKindProperty = "platformWndKind";

CWnd* g_capture = nullptr;
// The focus as the windows know it; Qt gives no focus to a window that is
// not active (as on the offscreen platform).
HWND g_focus = nullptr;

bool SameClass(LPCTSTR a, const char* b)
{
    return a && strcasecmp(a, b) == 0;
}

} // namespace

WndKind KindOfClass(LPCTSTR className, DWORD style)
{
    // A small integer in place of a name is an atom of a registered class.
    if (!className || reinterpret_cast<uintptr_t>(className) < 0x10000)
        return WndKind::Surface;
    if (SameClass(className, WC_BUTTON)) {
        switch (style & BS_TYPEMASK) {
        case BS_CHECKBOX:
        case BS_AUTOCHECKBOX:
        case BS_3STATE:
        case BS_AUTO3STATE:
            return WndKind::CheckBox;
        case BS_RADIOBUTTON:
        case BS_AUTORADIOBUTTON:
            return WndKind::RadioButton;
        case BS_GROUPBOX:
            return WndKind::GroupBox;
        case BS_OWNERDRAW:
            return WndKind::Surface;
        default:
            return WndKind::Button;
        }
    }
    if (SameClass(className, WC_EDIT))
        return WndKind::Edit;
    if (SameClass(className, WC_STATIC))
        return WndKind::Static;
    if (SameClass(className, WC_COMBOBOX))
        return WndKind::ComboBox;
    if (SameClass(className, WC_LISTBOX))
        return WndKind::ListBox;
    if (SameClass(className, "SysTabControl32"))
        return WndKind::TabCtrl;
    return WndKind::Surface;
}

void BindWidget(QWidget* widget, CWnd* wnd, WndKind kind)
{
    widget->setProperty(kOwnerProperty, QVariant::fromValue(reinterpret_cast<quintptr>(wnd)));
    widget->setProperty(kKindProperty, int(kind));
}

CWnd* WndOfWidget(const QWidget* widget)
{
    for (const QWidget* w = widget; w; w = w->parentWidget()) {
        QVariant v = w->property(kOwnerProperty);
        if (v.isValid())
            return reinterpret_cast<CWnd*>(v.value<quintptr>());
    }
    return nullptr;
}

WndKind KindOf(const CWnd* wnd)
{
    QWidget* w = wnd ? wnd->GetWidget() : nullptr;
    return w ? WndKind(w->property(kKindProperty).toInt()) : WndKind::Surface;
}

void NotifyParent(CWnd* control, UINT code)
{
    HWND parent = control->GetParentHandle();
    if (parent)
        ::SendMessage(parent, WM_COMMAND, MAKEWPARAM(WORD(control->GetDlgCtrlID()), WORD(code)),
            reinterpret_cast<LPARAM>(control->m_hWnd));
}

// ---------------------------------------------------------------- surface

SurfaceWidget::SurfaceWidget(CWnd* owner, QWidget* parent, Qt::WindowFlags flags)
    : QWidget(parent, flags)
    , m_owner(owner)
    , m_background(GetSysColor(COLOR_WINDOW))
{
    setAttribute(Qt::WA_OpaquePaintEvent);
    setMouseTracking(true);
    setFocusPolicy(Qt::ClickFocus);
}

QImage& SurfaceWidget::Surface()
{
    QSize size = ClientRect().size().expandedTo(QSize(1, 1));
    if (m_surface.size() != size) {
        QImage grown(size, QImage::Format_RGB32);
        grown.fill(ToQColor(m_background));
        if (!m_surface.isNull()) {
            QPainter p(&grown);
            p.drawImage(0, 0, m_surface);
        }
        m_surface = std::move(grown);
    }
    return m_surface;
}

QRect SurfaceWidget::ClientRect() const
{
    QRect r = rect();
    if (m_scrollBars[1] && m_scrollBars[1]->isVisible())
        r.setRight(r.right() - m_scrollBars[1]->sizeHint().width());
    if (m_scrollBars[0] && m_scrollBars[0]->isVisible())
        r.setBottom(r.bottom() - m_scrollBars[0]->sizeHint().height());
    return r;
}

void SurfaceWidget::Render(const QRect& area)
{
    m_updateRect = area.intersected(ClientRect());
    Surface();
    if (!m_owner->m_hWnd || m_inPaint)
        return;
    m_inPaint = true;
    if (m_erase) {
        m_erase = false;
        CClientDC dc(m_owner);
        m_owner->SendMessage(WM_ERASEBKGND, reinterpret_cast<WPARAM>(HandleOf(&dc)));
    }
    if (m_owner->m_hWnd)
        m_owner->SendMessage(WM_PAINT);
    m_inPaint = false;
}

void SurfaceWidget::paintEvent(QPaintEvent* event)
{
    Render(event->rect());
    QPainter p(this);
    p.drawImage(m_updateRect.topLeft(), m_surface, m_updateRect);
}

void SurfaceWidget::resizeEvent(QResizeEvent*)
{
    LayoutBars();
    m_erase = true;
    if (m_owner->m_hWnd) {
        QSize s = ClientRect().size();
        m_owner->SendMessage(WM_SIZE, SIZE_RESTORED, MAKELPARAM(WORD(s.width()), WORD(s.height())));
    }
}

void SurfaceWidget::moveEvent(QMoveEvent*)
{
    if (m_owner->m_hWnd)
        m_owner->SendMessage(WM_MOVE, 0, MAKELPARAM(WORD(x()), WORD(y())));
}

namespace
{

UINT MouseFlags(Qt::MouseButtons buttons, Qt::KeyboardModifiers modifiers)
{
    UINT flags = 0;
    if (buttons & Qt::LeftButton)
        flags |= MK_LBUTTON;
    if (buttons & Qt::RightButton)
        flags |= MK_RBUTTON;
    if (buttons & Qt::MiddleButton)
        flags |= MK_MBUTTON;
    if (modifiers & Qt::ShiftModifier)
        flags |= MK_SHIFT;
    if (modifiers & Qt::ControlModifier)
        flags |= MK_CONTROL;
    return flags;
}

LPARAM PointParam(QPoint p)
{
    return MAKELPARAM(WORD(SHORT(p.x())), WORD(SHORT(p.y())));
}

// Mouse messages go to the capture window when there is one.
void SendMouse(CWnd* owner, QWidget* from, UINT message, QMouseEvent* event)
{
    CWnd* target = g_capture && g_capture->GetWidget() ? g_capture : owner;
    QPoint pos = event->position().toPoint();
    if (target != owner)
        pos = target->GetWidget()->mapFromGlobal(from->mapToGlobal(pos));
    MSG msg { target->m_hWnd, message, MouseFlags(event->buttons(), event->modifiers()), PointParam(pos), 0,
        { pos.x(), pos.y() } };
    for (CWnd* w = target; w; w = w->GetParent()) {
        if (w->PreTranslateMessage(&msg))
            return;
    }
    target->SendMessage(message, msg.wParam, msg.lParam);
}

} // namespace

void SurfaceWidget::mousePressEvent(QMouseEvent* event)
{
    if (focusPolicy() != Qt::NoFocus)
        setFocus(Qt::MouseFocusReason);
    UINT message = event->button() == Qt::RightButton ? WM_RBUTTONDOWN
        : event->button() == Qt::MiddleButton         ? WM_MBUTTONDOWN
                                                      : WM_LBUTTONDOWN;
    SendMouse(m_owner, this, message, event);
}

void SurfaceWidget::mouseReleaseEvent(QMouseEvent* event)
{
    UINT message = event->button() == Qt::RightButton ? WM_RBUTTONUP
        : event->button() == Qt::MiddleButton         ? WM_MBUTTONUP
                                                      : WM_LBUTTONUP;
    SendMouse(m_owner, this, message, event);
}

void SurfaceWidget::mouseDoubleClickEvent(QMouseEvent* event)
{
    UINT message = event->button() == Qt::RightButton ? WM_RBUTTONDBLCLK : WM_LBUTTONDBLCLK;
    SendMouse(m_owner, this, message, event);
}

void SurfaceWidget::mouseMoveEvent(QMouseEvent* event)
{
    SendMouse(m_owner, this, WM_MOUSEMOVE, event);
}

void SurfaceWidget::wheelEvent(QWheelEvent* event)
{
    // The wheel message carries screen coordinates.
    QPoint global = event->globalPosition().toPoint();
    WPARAM w = MAKEWPARAM(
        WORD(MouseFlags(event->buttons(), event->modifiers())), WORD(SHORT(event->angleDelta().y())));
    m_owner->SendMessage(WM_MOUSEWHEEL, w, PointParam(global));
}

void SurfaceWidget::keyPressEvent(QKeyEvent* event)
{
    UINT vk = VirtualKeyOf(event);
    if (vk)
        m_owner->SendMessage(WM_KEYDOWN, vk, 1);
    QByteArray text = event->text().toUtf8();
    if (text.size() == 1
        && (static_cast<unsigned char>(text[0]) >= 0x20 || text[0] == '\b' || text[0] == '\r'))
        m_owner->SendMessage(WM_CHAR, static_cast<unsigned char>(text[0]), 1);
}

void SurfaceWidget::keyReleaseEvent(QKeyEvent* event)
{
    UINT vk = VirtualKeyOf(event);
    if (vk)
        m_owner->SendMessage(WM_KEYUP, vk, 1);
}

void SurfaceWidget::closeEvent(QCloseEvent* event)
{
    // The window decides: WM_CLOSE destroys it by default.
    event->ignore();
    if (m_owner->m_hWnd)
        m_owner->SendMessage(WM_CLOSE);
}

void SurfaceWidget::contextMenuEvent(QContextMenuEvent* event)
{
    m_owner->SendMessage(
        WM_CONTEXTMENU, reinterpret_cast<WPARAM>(m_owner->m_hWnd), PointParam(event->globalPos()));
}

QScrollBar* SurfaceWidget::Bar(int nBar, bool create)
{
    int i = nBar == SB_VERT ? 1 : 0;
    if (!m_scrollBars[i] && create) {
        auto* bar = new QScrollBar(i ? Qt::Vertical : Qt::Horizontal, this);
        bar->hide();
        QObject::connect(
            bar, &QScrollBar::actionTriggered, bar, [this, nBar](int action) { Scrolled(nBar, action); });
        QObject::connect(bar, &QScrollBar::sliderReleased, bar,
            [this, nBar] { Scrolled(nBar, QAbstractSlider::SliderNoAction); });
        m_scrollBars[i] = bar;
    }
    return m_scrollBars[i];
}

void SurfaceWidget::ApplyBar(int nBar)
{
    QScrollBar* bar = Bar(nBar, true);
    const SCROLLINFO& si = BarInfo(nBar);
    int page = int(si.nPage);
    int maxPos = page > 0 ? si.nMax - page + 1 : si.nMax;
    bool scrollable = maxPos > si.nMin;
    DWORD style = m_owner->GetStyle();
    bool allowed = (nBar == SB_VERT) ? (style & WS_VSCROLL) : (style & WS_HSCROLL);
    QSignalBlocker block(bar);
    bar->setRange(si.nMin, std::max(si.nMin, maxPos));
    bar->setPageStep(std::max(page, 1));
    bar->setSingleStep(1);
    bar->setValue(si.nPos);
    bool wasVisible = bar->isVisible();
    bar->setVisible(allowed && scrollable);
    if (wasVisible != bar->isVisible())
        LayoutBars();
}

void SurfaceWidget::LayoutBars()
{
    QScrollBar* h = m_scrollBars[0];
    QScrollBar* v = m_scrollBars[1];
    int vw = v && v->isVisible() ? v->sizeHint().width() : 0;
    int hh = h && h->isVisible() ? h->sizeHint().height() : 0;
    if (v)
        v->setGeometry(width() - vw, 0, vw, height() - hh);
    if (h)
        h->setGeometry(0, height() - hh, width() - vw, hh);
}

void SurfaceWidget::Scrolled(int nBar, int action)
{
    QScrollBar* bar = Bar(nBar, false);
    SCROLLINFO& si = BarInfo(nBar);
    UINT code;
    switch (action) {
    case QAbstractSlider::SliderSingleStepSub:
        code = SB_LINEUP;
        break;
    case QAbstractSlider::SliderSingleStepAdd:
        code = SB_LINEDOWN;
        break;
    case QAbstractSlider::SliderPageStepSub:
        code = SB_PAGEUP;
        break;
    case QAbstractSlider::SliderPageStepAdd:
        code = SB_PAGEDOWN;
        break;
    case QAbstractSlider::SliderToMinimum:
        code = SB_TOP;
        break;
    case QAbstractSlider::SliderToMaximum:
        code = SB_BOTTOM;
        break;
    case QAbstractSlider::SliderMove:
        code = SB_THUMBTRACK;
        break;
    default:
        code = SB_THUMBPOSITION;
        break;
    }
    int pos = bar->sliderPosition();
    si.nTrackPos = pos;
    // The window moves the thumb itself (SetScrollPos); only dragging moves it here.
    if (code != SB_THUMBTRACK)
        bar->setSliderPosition(si.nPos);
    m_owner->SendMessage(nBar == SB_VERT ? WM_VSCROLL : WM_HSCROLL, MAKEWPARAM(WORD(code), WORD(pos)));
    if (code == SB_THUMBPOSITION)
        m_owner->SendMessage(nBar == SB_VERT ? WM_VSCROLL : WM_HSCROLL, SB_ENDSCROLL);
}

// ---------------------------------------------------------------- CWnd

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
        widget = surface;
        if (cs.lpszName)
            widget->setWindowTitle(QString::fromUtf8(cs.lpszName));
    }
    BindWidget(widget, this, kind);
    widget->setGeometry(cs.x, cs.y, std::max(cs.cx, 0), std::max(cs.cy, 0));
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
    if (g_capture == this)
        ::ReleaseCapture();
    return CWndBase::DestroyWindow();
}

void CWnd::OnHandleDestroyed()
{
    m_pCurrentMsg = nullptr;
    QWidget* widget = m_pWidget;
    m_pWidget = nullptr;
    if (widget) {
        widget->setProperty(kOwnerProperty, QVariant());
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
    BindWidget(widget, this, WndKind(widget->property(kKindProperty).toInt()));
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
    return pParent ? SubclassWindow(pParent->GetDlgItemHandle(int(nID))) : FALSE;
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
    return FromHandle(GetDlgItemHandle(nID));
}

CWnd* CWnd::GetNextDlgGroupItem(CWnd* pCtl, BOOL bPrevious) const
{
    if (!m_pWidget || !pCtl)
        return nullptr;
    std::vector<CWnd*> children;
    for (QObject* o : m_pWidget->children()) {
        auto* w = qobject_cast<QWidget*>(o);
        CWnd* c = w ? WndOfWidget(w) : nullptr;
        if (c && c != this && c->m_pWidget == w)
            children.push_back(c);
    }
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

void CWnd::MoveWindow(int x, int y, int nWidth, int nHeight, BOOL bRepaint)
{
    if (!m_pWidget)
        return;
    m_pWidget->setGeometry(x, y, std::max(nWidth, 0), std::max(nHeight, 0));
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
        g.setSize(QSize(std::max(cx, 0), std::max(cy, 0)));
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

CWnd* CWnd::SetFocus()
{
    CWnd* old = GetFocus();
    if (!m_pWidget || old == this)
        return old;
    QWidget* target = m_pWidget->focusProxy() ? m_pWidget->focusProxy() : m_pWidget;
    if (!m_pWidget->isActiveWindow())
        m_pWidget->window()->activateWindow();
    target->setFocus(Qt::OtherFocusReason);
    if (WndOfWidget(QApplication::focusWidget()) != this) {
        // Qt keeps the focus for later; the windows hear of the change now.
        if (old && old->m_hWnd)
            NotifyFocusChange(old, false);
        g_focus = m_hWnd;
        NotifyFocusChange(this, true);
    }
    return old;
}

CWnd* CWnd::GetFocus()
{
    if (CWnd* w = WndOfWidget(QApplication::focusWidget()))
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

// ---------------------------------------------------------------- scroll bars

BOOL CWnd::SetScrollInfo(int nBar, LPSCROLLINFO lpScrollInfo, BOOL)
{
    if (nBar == SB_CTL || !lpScrollInfo)
        return FALSE;
    auto* surface = dynamic_cast<SurfaceWidget*>(m_pWidget);
    if (!surface)
        return FALSE;
    SCROLLINFO& si = surface->BarInfo(nBar);
    if (lpScrollInfo->fMask & SIF_RANGE) {
        si.nMin = lpScrollInfo->nMin;
        si.nMax = lpScrollInfo->nMax;
    }
    if (lpScrollInfo->fMask & SIF_PAGE)
        si.nPage = lpScrollInfo->nPage;
    if (lpScrollInfo->fMask & SIF_POS)
        si.nPos = lpScrollInfo->nPos;
    // The position stays within what the range and page allow.
    int maxPos = si.nPage > 0 ? si.nMax - int(si.nPage) + 1 : si.nMax;
    si.nPos = std::max(si.nMin, std::min(si.nPos, std::max(si.nMin, maxPos)));
    surface->ApplyBar(nBar);
    return TRUE;
}

BOOL CWnd::GetScrollInfo(int nBar, LPSCROLLINFO lpScrollInfo, UINT nMask) const
{
    auto* surface = dynamic_cast<SurfaceWidget*>(m_pWidget);
    if (nBar == SB_CTL || !lpScrollInfo || !surface)
        return FALSE;
    const SCROLLINFO& si = surface->BarInfo(nBar);
    lpScrollInfo->fMask = nMask;
    if (nMask & SIF_RANGE) {
        lpScrollInfo->nMin = si.nMin;
        lpScrollInfo->nMax = si.nMax;
    }
    if (nMask & SIF_PAGE)
        lpScrollInfo->nPage = si.nPage;
    if (nMask & SIF_POS)
        lpScrollInfo->nPos = si.nPos;
    if (nMask & SIF_TRACKPOS)
        lpScrollInfo->nTrackPos = si.nTrackPos;
    return TRUE;
}

int CWnd::SetScrollPos(int nBar, int nPos, BOOL bRedraw)
{
    int old = GetScrollPos(nBar);
    SCROLLINFO si { sizeof(SCROLLINFO), SIF_POS, 0, 0, 0, nPos, 0 };
    SetScrollInfo(nBar, &si, bRedraw);
    return old;
}

int CWnd::GetScrollPos(int nBar) const
{
    SCROLLINFO si {};
    return GetScrollInfo(nBar, &si, SIF_POS) ? si.nPos : 0;
}

void CWnd::SetScrollRange(int nBar, int nMinPos, int nMaxPos, BOOL bRedraw)
{
    SCROLLINFO si { sizeof(SCROLLINFO), SIF_RANGE, nMinPos, nMaxPos, 0, 0, 0 };
    SetScrollInfo(nBar, &si, bRedraw);
}

void CWnd::GetScrollRange(int nBar, int* lpMinPos, int* lpMaxPos) const
{
    SCROLLINFO si {};
    GetScrollInfo(nBar, &si, SIF_RANGE);
    if (lpMinPos)
        *lpMinPos = si.nMin;
    if (lpMaxPos)
        *lpMaxPos = si.nMax;
}

int CWnd::GetScrollLimit(int nBar) const
{
    SCROLLINFO si {};
    if (!GetScrollInfo(nBar, &si, SIF_RANGE | SIF_PAGE))
        return 0;
    return std::max(si.nMin, si.nPage > 0 ? si.nMax - int(si.nPage) + 1 : si.nMax);
}

void CWnd::ShowScrollBar(UINT nBar, BOOL bShow)
{
    auto* surface = dynamic_cast<SurfaceWidget*>(m_pWidget);
    if (!surface)
        return;
    for (int bar : { SB_HORZ, SB_VERT }) {
        if (nBar != UINT(bar) && nBar != UINT(SB_BOTH))
            continue;
        DWORD flag = bar == SB_VERT ? WS_VSCROLL : WS_HSCROLL;
        m_dwStyle = bShow ? (m_dwStyle | flag) : (m_dwStyle & ~flag);
        surface->ApplyBar(bar);
    }
}

// ---------------------------------------------------------------- dialog items

LRESULT CWnd::SendDlgItemMessage(int nID, UINT message, WPARAM wParam, LPARAM lParam) const
{
    HWND item = GetDlgItemHandle(nID);
    return item ? ::SendMessage(item, message, wParam, lParam) : 0;
}

void CWnd::SetDlgItemText(int nID, LPCTSTR lpszString)
{
    SendDlgItemMessage(nID, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(lpszString ? lpszString : ""));
}

int CWnd::GetDlgItemText(int nID, CString& rString) const
{
    rString.Empty();
    if (CWnd* item = GetDlgItem(nID))
        item->GetWindowText(rString);
    return rString.GetLength();
}

int CWnd::GetDlgItemText(int nID, LPTSTR lpStr, int nMaxCount) const
{
    if (lpStr && nMaxCount > 0)
        lpStr[0] = '\0';
    return int(SendDlgItemMessage(nID, WM_GETTEXT, WPARAM(nMaxCount), reinterpret_cast<LPARAM>(lpStr)));
}

void CWnd::SetDlgItemInt(int nID, UINT nValue, BOOL bSigned)
{
    CString text;
    if (bSigned)
        text.Format("%d", int(nValue));
    else
        text.Format("%u", nValue);
    SetDlgItemText(nID, text);
}

UINT CWnd::GetDlgItemInt(int nID, BOOL* lpTrans, BOOL bSigned) const
{
    CString text;
    GetDlgItemText(nID, text);
    long long value = 0;
    bool ok = ParseDialogInteger(text, bSigned != FALSE, value) && value >= (bSigned ? INT32_MIN : 0)
        && value <= (bSigned ? INT32_MAX : UINT32_MAX);
    if (lpTrans)
        *lpTrans = ok;
    return ok ? UINT(value) : 0;
}

void CWnd::CheckDlgButton(int nIDButton, UINT nCheck)
{
    SendDlgItemMessage(nIDButton, BM_SETCHECK, nCheck);
}

UINT CWnd::IsDlgButtonChecked(int nIDButton) const
{
    return UINT(SendDlgItemMessage(nIDButton, BM_GETCHECK));
}

void CWnd::CheckRadioButton(int nIDFirstButton, int nIDLastButton, int nIDCheckButton)
{
    for (int id = nIDFirstButton; id <= nIDLastButton; ++id)
        CheckDlgButton(id, id == nIDCheckButton ? BST_CHECKED : BST_UNCHECKED);
}

int CWnd::GetCheckedRadioButton(int nIDFirstButton, int nIDLastButton) const
{
    for (int id = nIDFirstButton; id <= nIDLastButton; ++id) {
        if (IsDlgButtonChecked(id) == BST_CHECKED)
            return id;
    }
    return 0;
}

BOOL CWnd::UpdateData(BOOL bSaveAndValidate)
{
    CDataExchange dx(this, bSaveAndValidate);
    DoDataExchange(&dx);
    return !dx.m_bFailed;
}

void CWnd::DoDataExchange(CDataExchange*) { }

BOOL CWnd::PreTranslateMessage(MSG*)
{
    return FALSE;
}

// ---------------------------------------------------------------- messages

LRESULT CWnd::WindowProc(UINT message, WPARAM wParam, LPARAM lParam)
{
    HWND hWnd = m_hWnd;
    MSG msg { hWnd, message, wParam, lParam, 0, { 0, 0 } };
    const MSG* outer = m_pCurrentMsg;
    m_pCurrentMsg = &msg;
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
    case WM_GETTEXTLENGTH: {
        QByteArray text = m_pWidget ? m_pWidget->windowTitle().toUtf8() : QByteArray();
        if (message == WM_GETTEXTLENGTH)
            return text.size();
        auto* buffer = reinterpret_cast<char*>(lParam);
        int room = int(wParam);
        if (!buffer || room <= 0)
            return 0;
        int n = std::min<int>(int(text.size()), room - 1);
        std::memcpy(buffer, text.constData(), size_t(n));
        buffer[n] = '\0';
        return n;
    }
    case WM_SETFONT:
        if (m_pWidget) {
            auto font = reinterpret_cast<HFONT>(wParam);
            m_pWidget->setFont(font ? ToQFont(font->logFont) : QFont());
        }
        return 0;
    case WM_GETFONT:
        return reinterpret_cast<LRESULT>(m_pFont ? m_pFont->m_hObject : nullptr);
    case WM_ERASEBKGND: {
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

// ---------------------------------------------------------------- DCs

namespace
{

void SurfaceChanged(void* context, const RECT& area)
{
    auto* widget = static_cast<QWidget*>(context);
    widget->update(QRect(QPoint(area.left, area.top), QPoint(area.right - 1, area.bottom - 1)));
}

} // namespace

CPaintDC::CPaintDC(CWnd* pWnd)
    : m_pWnd(pWnd)
{
    auto* surface = pWnd ? dynamic_cast<SurfaceWidget*>(pWnd->GetWidget()) : nullptr;
    if (!surface)
        return;
    m_ps.hdc = HandleOf(this);
    QRect area = surface->InPaint() ? surface->UpdateRect() : surface->ClientRect();
    m_ps.rcPaint = RECT { area.left(), area.top(), area.right() + 1, area.bottom() + 1 };
    // Inside WM_PAINT the widget shows the surface when painting ends.
    AttachSurface(&surface->Surface(), surface->InPaint() ? nullptr : SurfaceChanged, surface);
}

CPaintDC::~CPaintDC() = default;

CClientDC::CClientDC(CWnd* pWnd)
    : m_pWnd(pWnd)
{
    auto* surface = pWnd ? dynamic_cast<SurfaceWidget*>(pWnd->GetWidget()) : nullptr;
    if (surface)
        AttachSurface(&surface->Surface(), surface->InPaint() ? nullptr : SurfaceChanged, surface);
}

// ---------------------------------------------------------------- free functions

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
