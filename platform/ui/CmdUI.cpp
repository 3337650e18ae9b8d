#include "platform/ui/CmdUI.h"

void CCmdUI::Enable(BOOL bOn)
{
    m_bEnabled = bOn ? TRUE : FALSE;
    m_bEnableChanged = TRUE;
}

BOOL CCmdUI::DoUpdate(CCmdTarget* pTarget, BOOL bDisableIfNoHndler)
{
    m_bEnableChanged = FALSE;
    LRESULT result = 0;
    const BOOL handled = pTarget
        && pTarget->OnCmdMsg(m_nID, CN_UPDATE_COMMAND_UI, 0, reinterpret_cast<LPARAM>(this), &result);
    if (!handled && bDisableIfNoHndler && !m_bEnableChanged)
        Enable(FALSE);
    return handled;
}
