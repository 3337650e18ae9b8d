// Glue between window objects and their widgets: what a class name makes of
// a window, which window a widget speaks for, and control notifications.
#include "platform/ui/WndInternal.h"

#include <QVariant>

#include <cstring>

namespace
{

const char* const kOwnerProperty = "platformWnd";
const char* const kKindProperty = "platformWndKind";

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
    // An owner-drawn static paints itself on a surface.
    if (SameClass(className, WC_STATIC))
        return (style & SS_TYPEMASK) == SS_OWNERDRAW ? WndKind::Surface : WndKind::Static;
    if (SameClass(className, WC_COMBOBOX))
        return WndKind::ComboBox;
    if (SameClass(className, WC_LISTBOX))
        return WndKind::ListBox;
    if (SameClass(className, "SysTabControl32"))
        return WndKind::TabCtrl;
    if (SameClass(className, "SysIPAddress32"))
        return WndKind::IpAddress;
    if (SameClass(className, "msctls_updown32"))
        return WndKind::Spin;
    if (SameClass(className, "msctls_trackbar32"))
        return WndKind::Trackbar;
    if (SameClass(className, "SysMonthCal32"))
        return WndKind::MonthCal;
    if (SameClass(className, "SysDateTimePick32"))
        return WndKind::DateTimePick;
    return WndKind::Surface;
}

bool IsStaticClass(LPCTSTR className)
{
    return className && reinterpret_cast<uintptr_t>(className) >= 0x10000 && SameClass(className, WC_STATIC);
}

void BindWidget(QWidget* widget, CWnd* wnd, WndKind kind)
{
    widget->setProperty(kOwnerProperty, QVariant::fromValue(reinterpret_cast<quintptr>(wnd)));
    widget->setProperty(kKindProperty, int(kind));
}

void UnbindWidget(QWidget* widget)
{
    widget->setProperty(kOwnerProperty, QVariant());
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

WndKind KindOfWidget(const QWidget* widget)
{
    return widget ? WndKind(widget->property(kKindProperty).toInt()) : WndKind::Surface;
}

WndKind KindOf(const CWnd* wnd)
{
    return KindOfWidget(wnd ? wnd->GetWidget() : nullptr);
}

void NotifyOwner(QWidget* widget, UINT code)
{
    if (CWnd* wnd = WndOfWidget(widget))
        NotifyParent(wnd, code);
}

void NotifyParent(CWnd* control, UINT code)
{
    HWND parent = control->GetParentHandle();
    if (parent)
        ::SendMessage(parent, WM_COMMAND, MAKEWPARAM(WORD(control->GetDlgCtrlID()), WORD(code)),
            reinterpret_cast<LPARAM>(control->m_hWnd));
}
