#include "controls/ControlPlacement.h"

void PlaceControls(CWnd* parent, std::initializer_list<ControlPlace> places)
{
    for (const ControlPlace& p : places)
        if (CWnd* control = parent->GetDlgItem(p.id))
            control->MoveWindow(p.x, p.y, p.cx, p.cy);
}

void ShowControls(CWnd* parent, std::initializer_list<int> ids, bool shown)
{
    for (int id : ids)
        if (CWnd* control = parent->GetDlgItem(id))
            control->ShowWindow(shown ? SW_SHOW : SW_HIDE);
}

void EnableControls(CWnd* parent, std::initializer_list<int> ids, bool enabled)
{
    for (int id : ids)
        if (CWnd* control = parent->GetDlgItem(id))
            control->EnableWindow(enabled);
}
