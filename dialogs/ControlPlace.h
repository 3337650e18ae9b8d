// Pages and panes put their controls at fixed pixels when they start; a
// table of places does it for a group of controls.
#pragma once

#include "platform/ui/Wnd.h"

#include <span>

struct ControlPlace {
    int id;
    int x, y, cx, cy;
};

inline void PlaceControls(CWnd* pParent, std::span<const ControlPlace> places)
{
    for (const ControlPlace& p : places) {
        if (CWnd* control = pParent->GetDlgItem(p.id))
            control->MoveWindow(p.x, p.y, p.cx, p.cy);
    }
}
