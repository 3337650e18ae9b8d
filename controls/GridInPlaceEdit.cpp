#include "controls/GridInPlaceEdit.h"

#include "platform/msg/CmdTarget.h"
#include "platform/ui/KeyState.h"

#include <algorithm>

BEGIN_MESSAGE_MAP(CInPlaceEdit, CEdit)
ON_WM_CHAR()
ON_WM_KEYDOWN()
ON_WM_GETDLGCODE()
ON_WM_KILLFOCUS()
ON_CONTROL_REFLECT(EN_CHANGE, OnTextChanged)
END_MESSAGE_MAP()

bool IsCellNavigationKey(UINT nChar)
{
    return nChar == VK_PRIOR || nChar == VK_NEXT || nChar == VK_DOWN || nChar == VK_UP || nChar == VK_RIGHT
        || nChar == VK_LEFT;
}

void EndInPlaceEditor(CWnd* editor, BOOL& bEnded, int nRow, int nColumn, UINT nLastChar)
{
    if (bEnded)
        return;
    bEnded = TRUE;
    CString text;
    editor->GetWindowText(text);
    GV_DISPINFO info {};
    info.hdr.hwndFrom = editor->m_hWnd;
    info.hdr.idFrom = UINT_PTR(editor->GetDlgCtrlID());
    info.hdr.code = GVN_ENDLABELEDIT;
    info.item.mask = GVIF_TEXT | GVIF_PARAM;
    info.item.row = nRow;
    info.item.col = nColumn;
    info.item.szText = text;
    info.item.lParam = LPARAM(nLastChar);
    if (CWnd* owner = editor->GetOwner())
        owner->SendMessage(WM_NOTIFY, WPARAM(editor->GetDlgCtrlID()), reinterpret_cast<LPARAM>(&info));
    if (editor->m_hWnd)
        editor->PostMessage(WM_CLOSE, 0, 0);
}

CInPlaceEdit::CInPlaceEdit(CWnd* pParent, CRect& rect, DWORD dwStyle, UINT nID, int nRow, int nColumn,
    CString sInitText, UINT nFirstChar, BOOL bPassword)
    : m_bPassword(bPassword ? 1 : 0)
    , m_nRow(nRow)
    , m_nColumn(nColumn)
    , m_sInitText(std::move(sInitText))
    , m_bExitOnArrows(nFirstChar != VK_LBUTTON)
    , m_Rect(rect)
{
    if (!pParent || !Create(dwStyle | WS_CHILD | WS_VISIBLE | WS_BORDER | ES_AUTOHSCROLL, rect, pParent, nID))
        return;
    // The grid's font, as the grid answers WM_GETFONT.
    SendMessage(WM_SETFONT, WPARAM(pParent->SendMessage(WM_GETFONT)), 0);
    SetWindowText(m_sInitText);
    m_bTyping = TRUE;
    SetFocus();
    const int length = m_sInitText.GetLength();
    switch (nFirstChar) {
    case VK_LBUTTON:
    case VK_RETURN:
        SetSel(length, length);
        return;
    case VK_BACK:
        SetSel(length, length);
        SendMessage(WM_CHAR, VK_BACK, 0);
        return;
    default:
        SetSel(0, -1);
        if (nFirstChar == VK_TAB || (nFirstChar >= VK_SPACE && nFirstChar <= VK_DOWN))
            return;
        SendMessage(WM_CHAR, nFirstChar, 0);
        return;
    }
}

BOOL CInPlaceEdit::EndKey(UINT nChar)
{
    CWnd* grid = GetParent();
    if (nChar == VK_TAB || nChar == VK_RETURN || nChar == VK_ESCAPE) {
        if (nChar == VK_ESCAPE) {
            m_bTyping = FALSE;
            SetWindowText(m_sInitText);
        }
        m_nLastChar = nChar;
        if (grid)
            grid->SetFocus();
        return TRUE;
    }
    if (IsCellNavigationKey(nChar) && (m_bExitOnArrows || GetKeyState(int(VK_CONTROL)) < 0)) {
        m_nLastChar = nChar;
        if (grid)
            grid->SetFocus();
        return TRUE;
    }
    return FALSE;
}

BOOL CInPlaceEdit::PreTranslateMessage(MSG* pMsg)
{
    // The edit takes its ending keys before any dialog around the grid.
    if (pMsg->hwnd == m_hWnd && pMsg->message == WM_KEYDOWN && EndKey(UINT(pMsg->wParam)))
        return TRUE;
    if (pMsg->message == WM_SYSCHAR)
        return TRUE;
    return CEdit::PreTranslateMessage(pMsg);
}

void CInPlaceEdit::OnChar(UINT nChar, UINT, UINT)
{
    if (nChar == VK_TAB || nChar == VK_RETURN || nChar == VK_ESCAPE) {
        EndKey(nChar);
        return;
    }
    Default();
}

void CInPlaceEdit::OnKeyDown(UINT nChar, UINT, UINT)
{
    if (!EndKey(nChar))
        Default();
}

UINT CInPlaceEdit::OnGetDlgCode()
{
    return DLGC_WANTALLKEYS;
}

void CInPlaceEdit::OnTextChanged()
{
    CString text;
    GetWindowText(text);
    if (m_bPassword && m_bTyping && text.SpanIncluding("*").GetLength() != text.GetLength()) {
        // The edit holds as many asterisks as characters, never the characters.
        SetWindowText(CString('*', text.GetLength()));
        SetSel(text.GetLength(), text.GetLength());
        return;
    }
    // Grows with the text, up to the grid's right edge.
    CWnd* grid = GetParent();
    if (!grid)
        return;
    CClientDC dc(this);
    int width = 0;
    {
        CWindowFontSelection font(&dc, grid);
        width = dc.GetTextExtent(text + "  ").cx;
    }
    CRect client;
    grid->GetClientRect(&client);
    if (width > m_Rect.Width() && m_Rect.right < client.right) {
        m_Rect.right = std::min<LONG>(m_Rect.left + width, client.right);
        MoveWindow(&m_Rect);
    }
}

void CInPlaceEdit::OnKillFocus(CWnd* pNewWnd)
{
    CEdit::OnKillFocus(pNewWnd);
    EndInPlaceEditor(this, m_bEnded, m_nRow, m_nColumn, m_nLastChar);
}

void CInPlaceEdit::PostNcDestroy()
{
    CEdit::PostNcDestroy();
    delete this;
}
