// The widget of a window that paints itself: its surface, its mouse, keys
// and scroll bars as window messages.
#include "platform/ui/WndInternal.h"

#include "platform/ui/GdiInternal.h"
#include "platform/ui/KeyTranslation.h"

#include <QCloseEvent>
#include <QPainter>
#include <QPointer>
#include <QScrollBar>

#include <algorithm>

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
    // What a blit put there shows as it is; the window paints the rest.
    const QRegion own = QRegion(event->rect()) - m_presented;
    m_presented = QRegion();
    if (!own.isEmpty())
        Render(own.boundingRect());
    const QRect area = event->rect().intersected(ClientRect());
    Surface();
    QPainter p(this);
    p.drawImage(area.topLeft(), m_surface, area);
}

void SurfaceWidget::Present(const QRect& area)
{
    m_presented += area;
    update(area);
}

void SurfaceWidget::resizeEvent(QResizeEvent*)
{
    LayoutBars();
    m_erase = true;
    m_presented = QRegion();
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
    CWnd* capture = CWnd::GetCapture();
    CWnd* target = capture && capture->GetWidget() ? capture : owner;
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
    QPointer<SurfaceWidget> alive(this);
    SendMouse(m_owner, this, message, event);
    if (alive && m_clickNotify && message == WM_LBUTTONDOWN && m_owner->m_hWnd)
        NotifyParent(m_owner, STN_CLICKED);
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
    QPointer<SurfaceWidget> alive(this);
    SendMouse(m_owner, this, message, event);
    if (alive && m_clickNotify && message == WM_LBUTTONDBLCLK && m_owner->m_hWnd)
        NotifyParent(m_owner, STN_DBLCLK);
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
