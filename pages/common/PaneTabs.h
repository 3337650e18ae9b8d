// A page whose tab control chooses among child panes: the chosen tab's pane
// shows, the others hide, and the tab control follows when a page chooses.
#pragma once

#include "platform/ui/TabCtrl.h"

#include <span>

inline void ShowTabPane(CTabCtrl& tabs, std::span<CWnd* const> panes, int tab)
{
    for (size_t t = 0; t < panes.size(); ++t) {
        if (panes[t] && panes[t]->GetSafeHwnd())
            panes[t]->ShowWindow(int(t) == tab ? SW_SHOW : SW_HIDE);
    }
    if (tabs.GetSafeHwnd() && tabs.GetCurSel() != tab)
        tabs.SetCurSel(tab);
}
