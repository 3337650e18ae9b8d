// Pages and panes put their controls at fixed pixel rectangles when they
// start; a table of places, moved in one go.
#pragma once

#include "platform/ui/Wnd.h"

#include <span>

struct ControlPlace {
    int id, x, y, cx, cy;
};

inline void PlaceControls(CWnd* parent, std::span<const ControlPlace> places)
{
    for (const ControlPlace& p : places) {
        if (CWnd* control = parent->GetDlgItem(p.id))
            control->MoveWindow(p.x, p.y, p.cx, p.cy);
    }
}
