// What the channel option page's option list and check tree ask of the page
// that holds them.
#pragma once

#include "platform/base/Types.h"

// The check tree's notice to its page: wParam the item, lParam 1 when its
// check changed (0: only the selection).
constexpr UINT WM_CHECK_TREE_NOTIFY = 0x0400 + 0x6B;

class IOptionPageOwner
{
public:
    virtual ~IOptionPageOwner() = default;
    // An option was edited.
    virtual void SetPageModified() = 0;
    // Asked before the tree acts: FALSE while the option list is busy or
    // when it had an editor open (now closed), TRUE when the tree may go on.
    virtual BOOL CloseGridEditor() = 0;
};
