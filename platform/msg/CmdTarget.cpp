#include "platform/msg/CmdTarget.h"

namespace
{

const MsgMapEntry g_noEntries[] = { { 0, 0, 0, 0, nullptr } };

bool Matches(const MsgMapEntry& e, UINT nMessage, UINT nCode, UINT nID)
{
    if (e.nMessage != nMessage || e.nCode != nCode)
        return false;
    if (nMessage == WM_COMMAND || nMessage == WM_NOTIFY)
        return nID >= e.nID && nID <= e.nLastID;
    return true;
}

} // namespace

const MsgMap* CCmdTarget::GetThisMessageMap()
{
    static const MsgMap map = { nullptr, &g_noEntries[0] };
    return &map;
}

const MsgMapEntry* CCmdTarget::FindEntry(const MsgMap* start, UINT nMessage, UINT nCode, UINT nID)
{
    for (const MsgMap* map = start; map; map = map->pfnGetBaseMap ? map->pfnGetBaseMap() : nullptr)
        for (const MsgMapEntry* e = map->lpEntries; e->pfn; ++e)
            if (Matches(*e, nMessage, nCode, nID))
                return e;
    return nullptr;
}

BOOL CCmdTarget::DispatchMapEntries(
    UINT nMessage, UINT nCode, UINT nID, WPARAM wParam, LPARAM lParam, LRESULT* pResult)
{
    LRESULT scratch = 0;
    LRESULT* result = pResult ? pResult : &scratch;
    for (const MsgMap* map = GetMessageMap(); map; map = map->pfnGetBaseMap ? map->pfnGetBaseMap() : nullptr)
        for (const MsgMapEntry* e = map->lpEntries; e->pfn; ++e)
            if (Matches(*e, nMessage, nCode, nID) && e->pfn(this, wParam, lParam, result))
                return TRUE;
    return FALSE;
}

BOOL CCmdTarget::OnCmdMsg(UINT nID, int nCode, WPARAM wParam, LPARAM lParam, LRESULT* pResult)
{
    return DispatchMapEntries(WM_COMMAND, UINT(nCode), nID, wParam, lParam, pResult);
}
