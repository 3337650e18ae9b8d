// The trackbar on a Qt slider: its range and position messages, and the
// custom-draw notifications with which it tells its parent that it draws
// itself anew, which owners use to learn of every move.
#include "platform/ui/ControlsInternal.h"

#include "platform/ui/Controls.h"
#include "platform/ui/WndInternal.h"

#include <QSlider>

namespace
{

class TrackbarWidget : public QSlider
{
public:
    TrackbarWidget(Qt::Orientation orientation, QWidget* parent)
        : QSlider(orientation, parent)
    {
        setRange(0, 100);
        setFocusPolicy(Qt::StrongFocus);
        connect(this, &QSlider::valueChanged, this, [this](int) { NotifyRedrawn(); });
    }

private:
    // A new position is a new picture of the control: the parent hears of
    // the whole control, then, when it asks, of the channel and the thumb.
    // The window is looked up each time: a dialog that subclasses the
    // control replaces the object it was created with.
    void NotifyRedrawn()
    {
        CWnd* owner = WndOfWidget(this);
        HWND parent = owner ? owner->GetParentHandle() : nullptr;
        if (!parent)
            return;
        NMCUSTOMDRAW draw {};
        draw.hdr = NMHDR { owner->m_hWnd, UINT_PTR(owner->GetDlgCtrlID()), NM_CUSTOMDRAW };
        const QRect r = rect();
        draw.rc = RECT { r.left(), r.top(), r.right() + 1, r.bottom() + 1 };
        draw.dwDrawStage = CDDS_PREPAINT;
        const LRESULT answer
            = ::SendMessage(parent, WM_NOTIFY, draw.hdr.idFrom, reinterpret_cast<LPARAM>(&draw));
        if (!(answer & CDRF_NOTIFYITEMDRAW))
            return;
        for (DWORD_PTR part : { TBCD_CHANNEL, TBCD_THUMB }) {
            draw.dwDrawStage = CDDS_ITEMPREPAINT;
            draw.dwItemSpec = part;
            ::SendMessage(parent, WM_NOTIFY, draw.hdr.idFrom, reinterpret_cast<LPARAM>(&draw));
        }
    }
};

} // namespace

QWidget* CreateTrackbarWidget(DWORD style, QWidget* parent, CWnd*)
{
    return new TrackbarWidget(style & TBS_VERT ? Qt::Vertical : Qt::Horizontal, parent);
}

// The redraw flag (wParam) is not needed: the widget repaints itself.
bool TrackbarWindowProc(CWnd* wnd, UINT message, WPARAM, LPARAM lParam, LRESULT* result)
{
    auto* slider = static_cast<QSlider*>(wnd->GetWidget());
    const int value = int(lParam);
    switch (message) {
    case TBM_GETPOS:
        *result = slider->value();
        return true;
    case TBM_GETRANGEMIN:
        *result = slider->minimum();
        return true;
    case TBM_GETRANGEMAX:
        *result = slider->maximum();
        return true;
    case TBM_SETPOS:
        slider->setValue(value);
        *result = 0;
        return true;
    case TBM_SETRANGE:
        slider->setRange(int(int16_t(LOWORD(uintptr_t(lParam)))), int(int16_t(HIWORD(uintptr_t(lParam)))));
        *result = 0;
        return true;
    case TBM_SETRANGEMIN:
        slider->setMinimum(value);
        *result = 0;
        return true;
    case TBM_SETRANGEMAX:
        slider->setMaximum(value);
        *result = 0;
        return true;
    default:
        return false;
    }
}
