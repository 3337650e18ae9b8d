#include "controls/ControlPlacement.h"

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
