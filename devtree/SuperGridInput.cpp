// The rename and drag entry points of the tree-in-list control.
#include "devtree/SuperGridCtrl.h"

void CSuperGridCtrl::StartLabelEdit(UINT nFlags, CPoint point, LVHITTESTINFO& ht)
{
    (void)nFlags;
    (void)point;
    if (ht.iSubItem == 0 && !m_bDragBegan && ht.iItem >= 0 && ht.iItem < GetItemCount()) {
        m_bEditing = 1;
        m_nEditingRow = ht.iItem;
    }
    m_bDragBegan = 0;
}

CImageList* CSuperGridCtrl::CreateDragImageEx(int nRow)
{
    (void)nRow;
    return nullptr;
}
