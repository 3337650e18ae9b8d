#include "controls/GridInPlaceComboEdit.h"

#include "controls/GridInPlaceEdit.h"
#include "controls/GridInPlaceList.h"
#include "platform/msg/CmdTarget.h"
#include "platform/ui/KeyState.h"

BEGIN_MESSAGE_MAP(CInPlaceComboEdit, CEdit)
ON_WM_KEYDOWN()
ON_WM_KEYUP()
ON_WM_KILLFOCUS()
END_MESSAGE_MAP()

BOOL CInPlaceComboEdit::IsListKey(UINT message, UINT nChar) const
{
    if (nChar == VK_TAB || nChar == VK_RETURN || nChar == VK_ESCAPE)
        return TRUE; // the list acts on their release; their press is nobody's
    return message == WM_KEYDOWN && IsCellNavigationKey(nChar) && GetKeyState(int(VK_CONTROL)) < 0
        && GetDlgCtrlID() == COMBO_EDIT_ID;
}

BOOL CInPlaceComboEdit::PreTranslateMessage(MSG* pMsg)
{
    if (pMsg->message == WM_SYSCHAR)
        return TRUE;
    if ((pMsg->message == WM_KEYDOWN || pMsg->message == WM_KEYUP) && pMsg->hwnd == m_hWnd) {
        // Dispatched here, so that no dialog takes Tab, Return or Escape;
        // a key of the text goes on to the edit itself.
        const BOOL listKey = IsListKey(pMsg->message, UINT(pMsg->wParam));
        SendMessage(pMsg->message, pMsg->wParam, pMsg->lParam);
        return listKey;
    }
    return CEdit::PreTranslateMessage(pMsg);
}

void CInPlaceComboEdit::OnKeyDown(UINT nChar, UINT, UINT)
{
    if (!IsListKey(WM_KEYDOWN, nChar)) {
        Default();
        return;
    }
    if (IsCellNavigationKey(nChar))
        if (CWnd* combo = GetParent())
            combo->SendMessage(WM_KEYDOWN, nChar, 0);
}

void CInPlaceComboEdit::OnKeyUp(UINT nChar, UINT, UINT)
{
    if (!IsListKey(WM_KEYUP, nChar)) {
        Default();
        return;
    }
    if (CWnd* combo = GetParent())
        combo->SendMessage(WM_KEYUP, nChar, 0);
}

void CInPlaceComboEdit::OnKillFocus(CWnd* pNewWnd)
{
    CEdit::OnKillFocus(pNewWnd);
    auto* list = dynamic_cast<CInPlaceList*>(GetParent());
    if (list && pNewWnd != list)
        list->EndEdit();
}
