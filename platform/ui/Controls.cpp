// The standard controls on Qt widgets: each answers its documented
// messages and sends its notifications to its parent. Each control lives in
// a file of its own; this one picks the control for a window's kind.
#include "platform/ui/ControlsInternal.h"

#include "platform/ui/TabCtrlInternal.h"

QWidget* CreateControlWidget(WndKind kind, const CREATESTRUCT& cs, QWidget* parent, CWnd* wnd)
{
    QString text = cs.lpszName ? QString::fromUtf8(cs.lpszName) : QString();
    DWORD style = DWORD(cs.style);
    switch (kind) {
    case WndKind::Button:
    case WndKind::CheckBox:
    case WndKind::RadioButton:
    case WndKind::GroupBox:
        return CreateButtonWidget(kind, text, style, parent, wnd);
    case WndKind::Edit:
        return CreateEditWidget(text, style, parent, wnd);
    case WndKind::Static:
        return CreateStaticWidget(text, style, parent, wnd);
    case WndKind::ComboBox:
        return CreateComboBoxWidget(style, parent, wnd);
    case WndKind::ListBox:
        return CreateListBoxWidget(style, parent, wnd);
    case WndKind::TabCtrl:
        return CreateTabWidget(parent, wnd);
    case WndKind::IpAddress:
        return CreateIpAddressWidget(parent, wnd);
    case WndKind::Spin:
        return CreateSpinWidget(parent, wnd);
    case WndKind::Trackbar:
        return CreateTrackbarWidget(style, parent, wnd);
    case WndKind::MonthCal:
        return CreateMonthCalWidget(parent, wnd);
    case WndKind::DateTimePick:
        return CreateDateTimePickWidget(style, parent, wnd);
    case WndKind::Surface:
        break;
    }
    return nullptr;
}

void ApplyControlStyle(CWnd* wnd)
{
    ApplyEditStyle(wnd);
    ApplyStaticStyle(wnd);
}

bool ControlWindowProc(CWnd* wnd, WndKind kind, UINT message, WPARAM wParam, LPARAM lParam, LRESULT* result)
{
    switch (kind) {
    case WndKind::Button:
    case WndKind::CheckBox:
    case WndKind::RadioButton:
    case WndKind::GroupBox:
        return ButtonWindowProc(wnd, kind, message, wParam, lParam, result);
    case WndKind::Edit:
        return EditWindowProc(wnd, message, wParam, lParam, result);
    case WndKind::Static:
        return StaticWindowProc(wnd, message, wParam, lParam, result);
    case WndKind::ComboBox:
        return ComboBoxWindowProc(wnd, message, wParam, lParam, result);
    case WndKind::ListBox:
        return ListBoxWindowProc(wnd, message, wParam, lParam, result);
    case WndKind::TabCtrl:
        return TabCtrlWindowProc(wnd, message, wParam, lParam, result);
    case WndKind::IpAddress:
        return IpAddressWindowProc(wnd, message, wParam, lParam, result);
    case WndKind::Spin:
        return SpinWindowProc(wnd, message, wParam, lParam, result);
    case WndKind::Trackbar:
        return TrackbarWindowProc(wnd, message, wParam, lParam, result);
    case WndKind::MonthCal:
        return MonthCalWindowProc(wnd, message, wParam, lParam, result);
    case WndKind::DateTimePick:
        return DateTimePickWindowProc(wnd, message, wParam, lParam, result);
    case WndKind::Surface:
        break;
    }
    return false;
}
