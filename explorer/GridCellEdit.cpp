#include "explorer/GridCellEdit.h"

#include "explorer/SuperGridCtrl.h"
#include "platform/ui/DC.h"
#include "platform/ui/ListCtrl.h"

#include <algorithm>
#include <cstring>

namespace morrik
{

namespace
{

// The end-of-edit notification to the grid's parent, for the grid.
void SendResult(CWnd* editor, int item, int subItem, const char* text, UINT mask, LPARAM data)
{
    CWnd* grid = editor->GetParent();
    if (!grid)
        return;
    NMLVDISPINFO info {};
    info.hdr.hwndFrom = grid->m_hWnd;
    info.hdr.idFrom = UINT_PTR(editor->GetDlgCtrlID());
    info.hdr.code = LVN_ENDLABELEDIT;
    info.item.mask = mask;
    info.item.iItem = item;
    info.item.iSubItem = subItem;
    info.item.pszText = const_cast<char*>(text);
    info.item.cchTextMax = text ? int(std::strlen(text)) : 0;
    info.item.lParam = data;
    const WPARAM gridId = WPARAM(grid->GetDlgCtrlID());
    if (CWnd* parent = grid->GetParent()) {
        parent->SendMessage(WM_NOTIFY, gridId, LPARAM(&info));
    } else {
        LRESULT result = 0;
        grid->OnChildNotify(WM_NOTIFY, gridId, LPARAM(&info), &result);
    }
}

// Enter and Escape end an edit here, so that no dialog around the grid takes
// them for its default or cancel button; Delete goes on to the editor.
BOOL EditorKey(CWnd* editor, MSG* pMsg, BOOL& escape, bool withDelete)
{
    if (pMsg->message != WM_KEYDOWN || pMsg->hwnd != editor->m_hWnd)
        return FALSE;
    const WPARAM key = pMsg->wParam;
    if (key != VK_RETURN && key != VK_ESCAPE && !(withDelete && key == VK_DELETE))
        return FALSE;
    CWnd* grid = editor->GetParent();
    if (auto* tree = dynamic_cast<CSuperGridCtrl*>(grid))
        tree->OnEditorKey();
    if (key == VK_DELETE)
        return FALSE;
    if (key == VK_ESCAPE)
        escape = TRUE;
    if (grid)
        grid->SetFocus();
    return TRUE;
}

} // namespace

BEGIN_MESSAGE_MAP(CGridCellEdit, CEdit)
ON_WM_CREATE()
ON_WM_KILLFOCUS()
ON_WM_LBUTTONDBLCLK()
ON_CONTROL_REFLECT(EN_CHANGE, OnTextChanged)
END_MESSAGE_MAP()

CGridCellEdit::CGridCellEdit(int nItem, int nSubItem, const CString& strInitText)
    : m_nItem(nItem)
    , m_nSubItem(nSubItem)
    , m_strInitText(strInitText)
{
}

int CGridCellEdit::OnCreate(LPCREATESTRUCT lpCreateStruct)
{
    if (CEdit::OnCreate(lpCreateStruct) == -1)
        return -1;
    if (CWnd* grid = GetParent())
        SetFont(grid->GetFont());
    SetWindowText(m_strInitText);
    m_strLastText = m_strInitText;
    SetFocus();
    SetSel(0, -1);
    LimitText(kMaxChars);
    return 0;
}

BOOL CGridCellEdit::PreTranslateMessage(MSG* pMsg)
{
    return EditorKey(this, pMsg, m_bESC, true) || CEdit::PreTranslateMessage(pMsg);
}

void CGridCellEdit::OnTextChanged()
{
    // Widened to the text as it stood before the key plus 5 pixels, never
    // beyond the grid's client area.
    if (CWnd* grid = GetParent()) {
        CClientDC dc(this);
        CFont* font = grid->GetFont();
        CFont* old = font ? dc.SelectObject(font) : nullptr;
        const int width = dc.GetTextExtent(m_strLastText).cx + 5;
        if (old)
            dc.SelectObject(old);
        CRect rect, client;
        GetWindowRect(&rect);
        grid->ScreenToClient(&rect);
        grid->GetClientRect(&client);
        if (rect.Width() < width) {
            rect.right = std::min(rect.left + width, client.right);
            MoveWindow(&rect);
        }
    }
    GetWindowText(m_strLastText);
}

void CGridCellEdit::OnKillFocus(CWnd* pNewWnd)
{
    CEdit::OnKillFocus(pNewWnd);
    if (m_bEnded)
        return;
    m_bEnded = TRUE;
    CString text;
    GetWindowText(text);
    SendResult(this, m_nItem, m_nSubItem, m_bESC ? nullptr : text.GetString(), LVIF_TEXT, 0);
    // The grid destroys the edit once this message is over.
    ShowWindow(SW_HIDE);
    if (CWnd* grid = GetParent())
        grid->PostMessage(WM_INPLACE_EDIT_CLOSE, 0, LPARAM(m_hWnd));
}

void CGridCellEdit::OnLButtonDblClk(UINT, CPoint)
{
    SetSel(0, -1);
}

void CGridCellEdit::PostNcDestroy()
{
    CEdit::PostNcDestroy();
    delete this;
}

BEGIN_MESSAGE_MAP(CGridCellCombo, CComboBox)
ON_WM_CREATE()
ON_WM_KILLFOCUS()
ON_CONTROL_REFLECT(CBN_CLOSEUP, OnCloseUp)
END_MESSAGE_MAP()

CGridCellCombo::CGridCellCombo(int nItem, int nSubItem, const CStringList* pChoices)
    : m_nItem(nItem)
    , m_nSubItem(nSubItem)
    , m_choices(pChoices ? *pChoices : CStringList())
{
}

int CGridCellCombo::OnCreate(LPCREATESTRUCT lpCreateStruct)
{
    if (CComboBox::OnCreate(lpCreateStruct) == -1)
        return -1;
    if (CWnd* grid = GetParent())
        SetFont(grid->GetFont());
    for (const CString& choice : m_choices)
        AddString(choice);
    SetFocus();
    return 0;
}

BOOL CGridCellCombo::PreTranslateMessage(MSG* pMsg)
{
    return EditorKey(this, pMsg, m_bESC, false) || CComboBox::PreTranslateMessage(pMsg);
}

void CGridCellCombo::OnCloseUp()
{
    if (CWnd* grid = GetParent())
        grid->SetFocus();
}

void CGridCellCombo::OnKillFocus(CWnd* pNewWnd)
{
    CComboBox::OnKillFocus(pNewWnd);
    if (m_bEnded)
        return;
    m_bEnded = TRUE;
    const int selected = GetCurSel();
    if (selected >= 0 && !m_bESC) {
        CString text;
        GetLBText(selected, text);
        SendResult(this, m_nItem, m_nSubItem, text.GetString(), LVIF_TEXT | LVIF_PARAM,
            LPARAM(GetItemData(selected)));
    }
    PostMessage(WM_CLOSE);
}

void CGridCellCombo::PostNcDestroy()
{
    CComboBox::PostNcDestroy();
    delete this;
}

} // namespace morrik
