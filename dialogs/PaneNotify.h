// How a child pane tells its page that the user changed something: the
// page marks itself modified and enables Apply.
#pragma once

#include "link/WindowMessages.h"
#include "platform/ui/Wnd.h"

inline void NotifyPageModified(CWnd* pPane)
{
    if (CWnd* pPage = pPane ? pPane->GetParent() : nullptr)
        pPage->SendMessage(WM_PAGE_MODIFIED, 0, 0);
}
