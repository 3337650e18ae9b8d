// CCmdUI: the state of the items that run one command (a menu item, a
// button), which the command's update handler sets. A frame asks a target
// with DoUpdate; the target's message map finds the handler bound with
//
//   ON_UPDATE_COMMAND_UI(ID_EDIT_COPY, OnUpdateEditCopy)   // void fn(CCmdUI*)
#pragma once

#include "platform/msg/CmdTarget.h"
#include "platform/ui/UiExport.h"

// The routing code of an update request (OnCmdMsg's nCode).
constexpr int CN_UPDATE_COMMAND_UI = -1;

class PLATFORM_UI_API CCmdUI
{
public:
    CCmdUI() = default;
    virtual ~CCmdUI() = default;

    virtual void Enable(BOOL bOn = TRUE);
    // Asks `pTarget` for the state of command m_nID; FALSE when no handler
    // answered, and then the item is disabled when bDisableIfNoHndler.
    BOOL DoUpdate(CCmdTarget* pTarget, BOOL bDisableIfNoHndler);

    UINT m_nID = 0;
    BOOL m_bEnableChanged = FALSE; // a handler called Enable
    BOOL m_bEnabled = TRUE; // what Enable said last
};

#define ON_UPDATE_COMMAND_UI(id, memberFxn)                                                                  \
    {                                                                                                        \
        WM_COMMAND, UINT(CN_UPDATE_COMMAND_UI), UINT(id), UINT(id),                                          \
            PLATFORM_THUNK(PLATFORM_THIS->memberFxn(reinterpret_cast<CCmdUI*>(l)); return true;)             \
    }                                                                                                        \
    ,
