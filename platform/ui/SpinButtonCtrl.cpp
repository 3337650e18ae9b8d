#include "platform/ui/SpinButtonCtrl.h"

#include "platform/ui/ControlsInternal.h"

#include <QToolButton>
#include <QVBoxLayout>

#include <algorithm>
#include <cstdlib>
#include <string>

namespace
{

class SpinWidget : public QWidget
{
public:
    explicit SpinWidget(QWidget* parent)
        : QWidget(parent)
    {
        auto* column = new QVBoxLayout(this);
        column->setContentsMargins(0, 0, 0, 0);
        column->setSpacing(0);
        for (bool up : { true, false }) {
            auto* arrow = new QToolButton(this);
            arrow->setObjectName(up ? QStringLiteral("up") : QStringLiteral("down"));
            arrow->setArrowType(up ? Qt::UpArrow : Qt::DownArrow);
            arrow->setAutoRepeat(true);
            arrow->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
            // The window the control speaks for when clicked (a subclassed
            // control has another window object than at creation).
            QObject::connect(arrow, &QToolButton::clicked, arrow, [arrow, up] {
                if (auto* owner = dynamic_cast<CSpinButtonCtrl*>(WndOfWidget(arrow)))
                    owner->Step(up);
            });
            column->addWidget(arrow);
        }
    }

    int lower = 100; // the control's own default range runs backwards
    int upper = 0;
    int pos = 0;
    int step = 1;
    HWND buddy = nullptr;
};

SpinWidget* Widget(const CWnd* wnd)
{
    return static_cast<SpinWidget*>(wnd->GetWidget());
}

// The position: a buddy that shows the number holds it, as the user may
// have typed another one there.
int Position(const CWnd* wnd, SpinWidget* spin)
{
    if (spin->buddy && (wnd->GetStyle() & UDS_SETBUDDYINT)) {
        char text[32] = {};
        ::SendMessage(spin->buddy, WM_GETTEXT, sizeof text, reinterpret_cast<LPARAM>(text));
        char* end = nullptr;
        const long value = std::strtol(text, &end, 10);
        if (end != text)
            spin->pos = std::clamp(
                int(value), std::min(spin->lower, spin->upper), std::max(spin->lower, spin->upper));
    }
    return spin->pos;
}

} // namespace

QWidget* CreateSpinWidget(QWidget* parent, CWnd*)
{
    return new SpinWidget(parent);
}

bool SpinWindowProc(CWnd* wnd, UINT message, WPARAM wParam, LPARAM lParam, LRESULT* result)
{
    SpinWidget* spin = Widget(wnd);
    switch (message) {
    case UDM_SETRANGE:
        spin->upper = short(LOWORD(lParam));
        spin->lower = short(HIWORD(lParam));
        *result = 0;
        return true;
    case UDM_GETRANGE:
        *result = LRESULT(MAKELONG(WORD(spin->upper), WORD(spin->lower)));
        return true;
    case UDM_SETRANGE32:
        spin->lower = int(wParam);
        spin->upper = int(lParam);
        *result = 0;
        return true;
    case UDM_GETRANGE32:
        if (auto* p = reinterpret_cast<int*>(wParam))
            *p = spin->lower;
        if (auto* p = reinterpret_cast<int*>(lParam))
            *p = spin->upper;
        *result = 0;
        return true;
    case UDM_SETPOS:
    case UDM_SETPOS32:
        *result = spin->pos;
        spin->pos = message == UDM_SETPOS ? short(LOWORD(lParam)) : int(lParam);
        return true;
    case UDM_GETPOS:
    case UDM_GETPOS32:
        *result = Position(wnd, spin);
        return true;
    case UDM_SETACCEL: {
        const auto* accel = reinterpret_cast<const UDACCEL*>(lParam);
        if (wParam > 0 && accel && accel[0].nInc > 0)
            spin->step = int(accel[0].nInc);
        *result = TRUE;
        return true;
    }
    case UDM_SETBUDDY:
        *result = reinterpret_cast<LRESULT>(spin->buddy);
        spin->buddy = reinterpret_cast<HWND>(wParam);
        return true;
    case UDM_GETBUDDY:
        *result = reinterpret_cast<LRESULT>(spin->buddy);
        return true;
    default:
        return false;
    }
}

BOOL CSpinButtonCtrl::Create(DWORD dwStyle, const RECT& rect, CWnd* pParentWnd, UINT nID)
{
    return CreateEx(0, UPDOWN_CLASS, nullptr, dwStyle | WS_CHILD, rect, pParentWnd, nID);
}

CWnd* CSpinButtonCtrl::SetBuddy(CWnd* pWndBuddy)
{
    return CWnd::FromHandle(reinterpret_cast<HWND>(
        SendMessage(UDM_SETBUDDY, reinterpret_cast<WPARAM>(pWndBuddy ? pWndBuddy->m_hWnd : nullptr))));
}

CWnd* CSpinButtonCtrl::GetBuddy() const
{
    return CWnd::FromHandle(
        reinterpret_cast<HWND>(const_cast<CSpinButtonCtrl*>(this)->SendMessage(UDM_GETBUDDY)));
}

void CSpinButtonCtrl::Step(bool bUp)
{
    SpinWidget* spin = Widget(this);
    if (!spin || !IsWindowEnabled())
        return;
    const int direction = spin->upper >= spin->lower ? 1 : -1;
    NMUPDOWN notice { { m_hWnd, UINT_PTR(GetDlgCtrlID()), UDN_DELTAPOS }, Position(this, spin),
        (bUp ? direction : -direction) * spin->step };
    HWND parent = GetParentHandle();
    if (parent && ::SendMessage(parent, WM_NOTIFY, notice.hdr.idFrom, reinterpret_cast<LPARAM>(&notice)))
        return;
    const int low = std::min(spin->lower, spin->upper);
    const int high = std::max(spin->lower, spin->upper);
    int next = spin->pos + notice.iDelta;
    if (next < low || next > high)
        next = (GetStyle() & UDS_WRAP) ? (next < low ? high : low) : std::clamp(next, low, high);
    spin->pos = next;
    if ((GetStyle() & UDS_SETBUDDYINT) && spin->buddy)
        ::SendMessage(spin->buddy, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(std::to_string(next).c_str()));
}
