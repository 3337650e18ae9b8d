// Where dialogs and pages put their controls when they start: fixed pixel
// rectangles by control id, and controls shown, hidden, enabled or disabled
// together. A missing control is passed over.
#pragma once

#include "platform/ui/Wnd.h"

#include <initializer_list>

struct ControlPlace {
    int id;
    int x, y, cx, cy;
};

void PlaceControls(CWnd* parent, std::initializer_list<ControlPlace> places);
void ShowControls(CWnd* parent, std::initializer_list<int> ids, bool shown);
void EnableControls(CWnd* parent, std::initializer_list<int> ids, bool enabled);
