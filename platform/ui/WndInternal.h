// Glue between window objects and their widgets; for the layer's own code.
#pragma once

#include "platform/ui/Wnd.h"

#include <QImage>
#include <QRegion>
#include <QWidget>

class QScrollBar;

// What a window's class name made of it.
enum class WndKind {
    Surface,
    Button,
    CheckBox,
    RadioButton,
    GroupBox,
    Edit,
    Static,
    ComboBox,
    ListBox,
    TabCtrl,
    IpAddress,
    Spin,
    Trackbar,
    MonthCal,
    DateTimePick
};

WndKind KindOfClass(LPCTSTR className, DWORD style);
// Whether a class name is the static control's.
bool IsStaticClass(LPCTSTR className);
WndKind KindOf(const CWnd* wnd);

// The window object a widget belongs to (the nearest bound ancestor), or null.
CWnd* WndOfWidget(const QWidget* widget);
void BindWidget(QWidget* widget, CWnd* wnd, WndKind kind);
// The widget no longer speaks for a window (its window is going away).
void UnbindWidget(QWidget* widget);
// The kind a widget was bound with.
WndKind KindOfWidget(const QWidget* widget);

// The edit part of an editable combo box as a window of its own (id
// COMBO_EDIT_ID, a child of the combo), made on first request; null for any
// other window.
CWnd* ComboEditPart(const CWnd* combo);
// The window that has the focus when a widget has it: the window of the
// widget, or the edit part of an editable combo when that has a window.
CWnd* FocusWndOfWidget(const QWidget* widget);
// Whether a widget is a part of a control that has a window of its own; its
// window never deletes it (the control does).
bool IsPartWidget(const QWidget* widget);

// Creates the widget of a standard control; null for a surface.
QWidget* CreateControlWidget(WndKind kind, const CREATESTRUCT& cs, QWidget* parent, CWnd* wnd);
// The documented messages of the standard controls; false when `message`
// is not one of the control's.
bool ControlWindowProc(CWnd* wnd, WndKind kind, UINT message, WPARAM wParam, LPARAM lParam, LRESULT* result);
// Applies the control styles that may change after creation (edit password,
// read-only and alignment).
void ApplyControlStyle(CWnd* wnd);
// Installs the application-wide filter that offers keys to
// PreTranslateMessage and turns focus changes into messages (once).
void InstallWindowEventFilter();
// Tells a window (and its parent, for the controls that notify) that it
// gained or lost the focus.
void NotifyFocusChange(CWnd* wnd, bool in);
// Sends a control notification (WM_COMMAND) to the control's parent.
void NotifyParent(CWnd* control, UINT code);
// The same for the window a control's widget speaks for when the signal
// comes: a subclassed control has another window object than at creation.
void NotifyOwner(QWidget* widget, UINT code);

// The layer's own message that carries a blit to the window's thread
// (lParam: const WindowBlitRequest*); it answers TRUE when shown.
constexpr UINT WM_LAYER_BLIT = 0x037F;
struct WindowBlitRequest;
LRESULT BlitOntoWindow(CWnd* wnd, const WindowBlitRequest& request);

// A window that paints itself: its surface holds what WM_PAINT drew.
class SurfaceWidget : public QWidget
{
public:
    SurfaceWidget(CWnd* owner, QWidget* parent, Qt::WindowFlags flags);
    QImage& Surface();
    // Runs WM_ERASEBKGND (when due) and WM_PAINT for an area into the surface.
    void Render(const QRect& area);
    QRect UpdateRect() const { return m_updateRect; }
    bool InPaint() const { return m_inPaint; }
    void SetErase(bool erase) { m_erase = m_erase || erase; }
    QScrollBar* Bar(int nBar, bool create);
    SCROLLINFO& BarInfo(int nBar) { return m_bars[nBar == SB_VERT ? 1 : 0]; }
    void ApplyBar(int nBar);
    void LayoutBars();
    QRect ClientRect() const;
    void SetBackground(COLORREF color) { m_background = color; }
    COLORREF Background() const { return m_background; }
    // A window object that takes the widget over (subclassing) gets its messages.
    void SetOwner(CWnd* owner) { m_owner = owner; }
    // The widget tells the parent of left clicks (STN_CLICKED, STN_DBLCLK).
    void SetClickNotify(bool notify) { m_clickNotify = notify; }
    // Shows what a blit put on the surface in `area` as it is, without a
    // WM_PAINT of the window there.
    void Present(const QRect& area);

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void moveEvent(QMoveEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void wheelEvent(QWheelEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void keyReleaseEvent(QKeyEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;

private:
    void Scrolled(int nBar, int action);
    CWnd* m_owner;
    QImage m_surface;
    QRect m_updateRect;
    QRegion m_presented; // blitted since the last paint
    bool m_inPaint = false;
    bool m_erase = true;
    bool m_clickNotify = false;
    COLORREF m_background;
    QScrollBar* m_scrollBars[2] = {};
    SCROLLINFO m_bars[2] = {};
};
