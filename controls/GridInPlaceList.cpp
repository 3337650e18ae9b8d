#include "controls/GridInPlaceList.h"

#include "controls/GridInPlaceEdit.h"
#include "platform/msg/CmdTarget.h"
#include "platform/ui/DocView.h"
#include "platform/ui/KeyState.h"

#include <algorithm>

BEGIN_MESSAGE_MAP(CInPlaceList, CComboBox)
ON_WM_KEYDOWN()
ON_WM_KEYUP()
ON_WM_GETDLGCODE()
ON_WM_KILLFOCUS()
END_MESSAGE_MAP()

CInPlaceList::CInPlaceList(CWnd* pParent, CRect& rect, DWORD dwStyle, UINT nID, int nRow, int nColumn,
    const std::vector<CString>& items, CString sInitText, UINT nFirstChar)
    : m_sInitText(std::move(sInitText))
    , m_nRow(nRow)
    , m_nCol(nColumn)
    , m_pOwner(pParent)
{
    if (!pParent)
        return;
    const int cellHeight = rect.Height();
    CRect dropped = rect;
    dropped.bottom += GetSystemMetrics(SM_CYHSCROLL) + m_nNumLines * cellHeight;
    if (!Create(dwStyle | WS_CHILD | WS_VISIBLE | WS_VSCROLL | WS_BORDER | CBS_AUTOHSCROLL, dropped, pParent,
            nID))
        return;
    for (const CString& item : items)
        AddString(item);
    // Wide enough for the widest choice.
    CClientDC dc(this);
    int widest = 0, space = 0;
    {
        CWindowFontSelection font(&dc, pParent);
        for (const CString& item : items)
            widest = std::max<int>(widest, dc.GetTextExtent(item).cx);
        space = dc.GetTextExtent(" ", 1).cx;
    }
    const int needed = widest + GetSystemMetrics(SM_CXVSCROLL) + 2 * space;
    if (rect.Width() < needed) {
        dropped.right = dropped.left + needed;
        MoveWindow(&dropped);
    }
    SendMessage(WM_SETFONT, WPARAM(pParent->SendMessage(WM_GETFONT)), 0);
    if (SelectString(-1, m_sInitText) == CB_ERR)
        SetWindowText(m_sInitText);
    // A drop-down list only takes the focus; an edit part takes it and the caret.
    if ((dwStyle & CBS_DROPDOWNLIST) != CBS_DROPDOWNLIST && m_edit.SubclassDlgItem(COMBO_EDIT_ID, this)) {
        SetFocus();
        PlaceCaret(nFirstChar);
        return;
    }
    SetFocus();
}

void CInPlaceList::PlaceCaret(UINT nFirstChar)
{
    const int length = m_edit.GetWindowTextLength();
    switch (nFirstChar) {
    case VK_LBUTTON:
    case VK_RETURN:
        m_edit.SetSel(length, length);
        return;
    case VK_BACK:
        m_edit.SetSel(length, length);
        m_edit.SendMessage(WM_CHAR, VK_BACK, 0);
        return;
    default:
        m_edit.SetSel(0, -1);
        // Any other character replaces the text, as the combo hands it to its edit part.
        if (nFirstChar < VK_PRIOR || nFirstChar > VK_DOWN)
            m_edit.SendMessage(WM_CHAR, nFirstChar, 0);
        return;
    }
}

void CInPlaceList::RestoreInitialText()
{
    // An edit part shows the first text as it was, not the choice it starts.
    if (SelectString(-1, m_sInitText) == CB_ERR || m_edit.m_hWnd)
        SetWindowText(m_sInitText);
}

void CInPlaceList::EndEdit()
{
    EndInPlaceEditor(this, m_bEnded, m_nRow, m_nCol, m_nLastChar);
}

void CInPlaceList::End(UINT nChar)
{
    m_nLastChar = nChar;
    if (CWnd* grid = GetParent())
        grid->SetFocus();
}

BOOL CInPlaceList::Key(UINT message, UINT nChar)
{
    if (message == WM_KEYDOWN) {
        if (IsCellNavigationKey(nChar) && (m_bExitOnArrows || GetKeyState(int(VK_CONTROL)) < 0)) {
            End(nChar);
            return TRUE;
        }
        // Tab, Return and Escape act when they are released.
        return nChar == VK_TAB || nChar == VK_RETURN || nChar == VK_ESCAPE;
    }
    if (message != WM_KEYUP)
        return FALSE;
    switch (nChar) {
    case VK_ESCAPE:
        RestoreInitialText();
        End(nChar);
        return TRUE;
    case VK_TAB:
        End(nChar);
        return TRUE;
    case VK_RETURN:
        // The release of the key that may have opened the list is not an answer.
        if (m_bSwallowReturn) {
            m_bSwallowReturn = FALSE;
            return TRUE;
        }
        End(nChar);
        return TRUE;
    default:
        return FALSE;
    }
}

BOOL CInPlaceList::PreTranslateMessage(MSG* pMsg)
{
    if (pMsg->message == WM_SYSCHAR)
        return TRUE;
    if (pMsg->hwnd == m_hWnd && Key(pMsg->message, UINT(pMsg->wParam)))
        return TRUE;
    return CComboBox::PreTranslateMessage(pMsg);
}

void CInPlaceList::OnKeyDown(UINT nChar, UINT, UINT)
{
    if (!Key(WM_KEYDOWN, nChar))
        Default();
}

void CInPlaceList::OnKeyUp(UINT nChar, UINT, UINT)
{
    if (!Key(WM_KEYUP, nChar))
        Default();
}

UINT CInPlaceList::OnGetDlgCode()
{
    return DLGC_WANTALLKEYS;
}

void CInPlaceList::OnKillFocus(CWnd* pNewWnd)
{
    CComboBox::OnKillFocus(pNewWnd);
    // With an edit part, the part's loss of the focus ends the list.
    if (pNewWnd != this && !m_edit.m_hWnd)
        EndEdit();
}

void CInPlaceList::PostNcDestroy()
{
    CComboBox::PostNcDestroy();
    delete this;
}
