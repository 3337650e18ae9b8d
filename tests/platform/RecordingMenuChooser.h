// A popup-menu chooser that records the commands a popup offered (those
// neither greyed nor disabled) and chooses one of them.
#pragma once

#include "platform/ui/Menu.h"

#include <vector>

class RecordingMenuChooser : public IPopupMenuChooser
{
public:
    UINT Choose(HMENU menu, UINT, int, int, HWND) override
    {
        ++shown;
        CMenu popup;
        popup.Attach(menu);
        enabled.clear();
        offered.clear();
        for (int i = 0; i < popup.GetMenuItemCount(); ++i) {
            const UINT id = popup.GetMenuItemID(i);
            offered.push_back(id);
            if (!(popup.GetMenuState(id, MF_BYCOMMAND) & (MF_GRAYED | MF_DISABLED)))
                enabled.push_back(id);
        }
        popup.Detach();
        return choice;
    }
    int shown = 0;
    std::vector<UINT> offered; // every item of the last popup
    std::vector<UINT> enabled;
    UINT choice = 0;
};
