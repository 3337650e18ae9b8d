// Where dialogs and pages put their controls when they start: fixed pixel
// rectangles by control id, and controls shown, hidden, enabled or disabled
// together. A missing control is passed over.
#pragma once

#include "platform/ui/Wnd.h"

#include <initializer_list>
#include <span>

struct ControlPlace {
    int id;
    int x, y, cx, cy;
};

inline void PlaceControls(CWnd* parent, std::span<const ControlPlace> places)
{
    for (const ControlPlace& p : places) {
        if (CWnd* control = parent->GetDlgItem(p.id))
            control->MoveWindow(p.x, p.y, p.cx, p.cy);
    }
}
inline void PlaceControls(CWnd* parent, std::initializer_list<ControlPlace> places)
{
    PlaceControls(parent, std::span<const ControlPlace>(places.begin(), places.size()));
}
void ShowControls(CWnd* parent, std::initializer_list<int> ids, bool shown);
void EnableControls(CWnd* parent, std::initializer_list<int> ids, bool enabled);
