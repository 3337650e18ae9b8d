#include "controls/CheckTreeCtrl.h"

#include "controls/CheckMarkGrid.h"

BEGIN_MESSAGE_MAP(CCheckTreeCtrl, CListCtrl)
ON_WM_LBUTTONDOWN()
END_MESSAGE_MAP()

void CCheckTreeCtrl::InitColumns()
{
    if (CreateCheckMarkImages(m_StateImages))
        SetImageList(&m_StateImages, LVSIL_STATE);
    SetExtendedStyle(GetExtendedStyle() | LVS_EX_CHECKBOXES | LVS_EX_FULLROWSELECT);
    CRect client;
    GetClientRect(&client);
    InsertColumn(0, "", LVCFMT_LEFT, client.Width());
}

int CCheckTreeCtrl::AddItem(LPCTSTR text)
{
    const int item = InsertItem(GetItemCount(), text);
    if (item >= 0)
        SetCheck(item, FALSE);
    return item;
}

void CCheckTreeCtrl::CheckItem(int index)
{
    SetCheck(index, TRUE);
}

void CCheckTreeCtrl::UncheckAll()
{
    for (int i = 0; i < GetItemCount(); ++i)
        SetCheck(i, FALSE);
}

BOOL CCheckTreeCtrl::IsItemChecked(int index) const
{
    return index >= 0 && index < GetItemCount() && GetCheck(index);
}

void CCheckTreeCtrl::SelectItemByIndex(int index)
{
    if (index >= 0 && index < GetItemCount())
        SetItemState(index, LVIS_SELECTED | LVIS_FOCUSED, LVIS_SELECTED | LVIS_FOCUSED);
}

void CCheckTreeCtrl::OnLButtonDown(UINT, CPoint point)
{
    LVHITTESTINFO hit {};
    hit.pt = point;
    SubItemHitTest(&hit);
    if (hit.iItem < 0)
        return;
    // A click that only closed the option list's editor does nothing more.
    if (m_pOwner && !m_pOwner->CloseGridEditor())
        return;
    const bool box = (hit.flags & LVHT_ONITEMSTATEICON) != 0;
    if (box)
        SetCheck(hit.iItem, !GetCheck(hit.iItem));
    SelectItemByIndex(hit.iItem);
    if (CWnd* parent = GetParent())
        parent->PostMessage(WM_CHECK_TREE_NOTIFY, WPARAM(hit.iItem), box ? 1 : 0);
}
