#include "controls/ListInPlaceEdit.h"

#include "platform/ui/DC.h"
#include "platform/ui/ListCtrl.h"

namespace
{

constexpr int kMaxChars = 30;

} // namespace

BEGIN_MESSAGE_MAP(CListInPlaceEdit, CEdit)
ON_WM_CREATE()
ON_WM_KILLFOCUS()
ON_WM_LBUTTONDBLCLK()
ON_CONTROL_REFLECT(EN_CHANGE, OnTextChanged)
END_MESSAGE_MAP()

CListInPlaceEdit::CListInPlaceEdit(int iItem, int iSubItem, CString sInitText)
    : m_iItem(iItem)
    , m_iSubItem(iSubItem)
    , m_sInitText(std::move(sInitText))
{
}

int CListInPlaceEdit::OnCreate(LPCREATESTRUCT lpCreateStruct)
{
    if (CEdit::OnCreate(lpCreateStruct) == -1)
        return -1;
    if (CWnd* list = GetParent())
        SetFont(list->GetFont());
    SetWindowText(m_sInitText);
    m_sLastText = m_sInitText;
    // The list gives the edit the focus once it shows: a hidden window
    // cannot take the keyboard.
    SetSel(0, -1);
    LimitText(kMaxChars);
    return 0;
}

BOOL CListInPlaceEdit::PreTranslateMessage(MSG* pMsg)
{
    if (pMsg->message == WM_KEYDOWN && pMsg->hwnd == m_hWnd
        && (pMsg->wParam == VK_RETURN || pMsg->wParam == VK_DELETE || pMsg->wParam == VK_ESCAPE)) {
        // Return and Escape end the edit here, so that no dialog around the
        // list takes them for its default or cancel button.
        if (CWnd* list = GetParent())
            list->SendMessage(WM_INPLACE_EDIT_KEY);
        if (pMsg->wParam == VK_DELETE)
            return FALSE; // the edit deletes the character itself
        if (pMsg->wParam == VK_ESCAPE)
            m_bESC = TRUE;
        if (CWnd* list = GetParent())
            list->SetFocus();
        return TRUE;
    }
    return CEdit::PreTranslateMessage(pMsg);
}

void CListInPlaceEdit::OnTextChanged()
{
    // Widen to the text as it stood before this change, plus 5 pixels, up
    // to the list's right edge; never narrower.
    CWnd* list = GetParent();
    if (list) {
        CClientDC dc(this);
        CFont* font = list->GetFont();
        CFont* old = font ? dc.SelectObject(font) : nullptr;
        const int width = dc.GetTextExtent(m_sLastText).cx + 5;
        if (old)
            dc.SelectObject(old);
        CRect rect, parentRect;
        GetWindowRect(&rect);
        list->ScreenToClient(&rect);
        list->GetClientRect(&parentRect);
        if (width > rect.Width()) {
            rect.right = std::min(rect.left + width, parentRect.right);
            MoveWindow(&rect);
        }
    }
    GetWindowText(m_sLastText);
}

void CListInPlaceEdit::OnKillFocus(CWnd* pNewWnd)
{
    CEdit::OnKillFocus(pNewWnd);
    if (m_bEnded)
        return;
    m_bEnded = TRUE;
    CString text;
    GetWindowText(text);
    CWnd* list = GetParent();
    NMLVDISPINFO info {};
    info.hdr.hwndFrom = list ? list->m_hWnd : nullptr;
    info.hdr.idFrom = UINT_PTR(GetDlgCtrlID());
    info.hdr.code = LVN_ENDLABELEDIT;
    info.item.mask = LVIF_TEXT;
    info.item.iItem = m_iItem;
    info.item.iSubItem = m_iSubItem;
    info.item.pszText = m_bESC ? nullptr : const_cast<char*>(text.GetString());
    info.item.cchTextMax = text.GetLength();
    if (list) {
        const WPARAM listId = WPARAM(list->GetDlgCtrlID());
        if (CWnd* parent = list->GetParent()) {
            parent->SendMessage(WM_NOTIFY, listId, LPARAM(&info));
        } else {
            LRESULT result = 0;
            list->OnChildNotify(WM_NOTIFY, listId, LPARAM(&info), &result);
        }
    }
    // The list destroys the edit once this message is over: a window must
    // not be deleted while its own message is still being handled.
    ShowWindow(SW_HIDE);
    if (list)
        list->PostMessage(WM_INPLACE_EDIT_CLOSE, 0, LPARAM(m_hWnd));
}

void CListInPlaceEdit::OnLButtonDblClk(UINT, CPoint)
{
    SetFocus();
    SetSel(0, -1);
}

void CListInPlaceEdit::PostNcDestroy()
{
    CEdit::PostNcDestroy();
    delete this;
}
