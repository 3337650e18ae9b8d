// The tree operations of the tree-in-list control: nodes, rows and sorting.
#include "devtree/SuperGridCtrl.h"

#include <algorithm>
#include <cstring>

CListInPlaceEdit* CSuperGridCtrl::s_pEdit = nullptr;

CSuperGridCtrl::CTreeItem::~CTreeItem()
{
    for (CTreeItem* child : m_listChild) {
        delete child->m_lpNodeInfo;
        delete child;
    }
    m_listChild.clear();
}

CSuperGridCtrl::CSuperGridCtrl()
{
    ModifyListStyle(0,
        LVS_REPORT | LVS_SINGLESEL | LVS_SHOWSELALWAYS | LVS_SHAREIMAGELISTS | LVS_OWNERDRAWFIXED
            | LVS_NOCOLUMNHEADER);
}

CSuperGridCtrl::~CSuperGridCtrl()
{
    for (CTreeItem* root : m_RootItems) {
        delete root->m_lpNodeInfo;
        delete root;
    }
    m_RootItems.clear();
}

void CSuperGridCtrl::InsertRowOf(CTreeItem* pItem, int nRow)
{
    CItemInfo* info = pItem->m_lpNodeInfo;
    LVITEM lvi {};
    lvi.mask = LVIF_TEXT | LVIF_PARAM | LVIF_INDENT;
    lvi.iItem = nRow;
    lvi.pszText = const_cast<char*>(info->GetItemText().GetString());
    lvi.lParam = LPARAM(pItem);
    lvi.iIndent = pItem->m_nIndent;
    const int row = InsertItem(&lvi);
    if (info->GetCheck())
        SetCheck(row, TRUE);
    for (int i = 0; i < info->GetItemCount(); ++i)
        SetItemText(row, i + 1, info->GetSubItem(i));
}

CSuperGridCtrl::CTreeItem* CSuperGridCtrl::AddRoot(CItemInfo* lpInfo)
{
    auto* root = new CTreeItem;
    root->m_lpNodeInfo = lpInfo ? lpInfo : new CItemInfo;
    root->m_nIndent = 1;
    m_RootItems.push_back(root);
    InsertRowOf(root, GetItemCount());
    RenumberRows();
    return root;
}

CSuperGridCtrl::CTreeItem* CSuperGridCtrl::ChildByText(const CTreeItem* pParent, const char* text) const
{
    if (!pParent || !text)
        return nullptr;
    for (CTreeItem* child : pParent->m_listChild)
        if (child->m_lpNodeInfo && std::strcmp(child->m_lpNodeInfo->GetItemText(), text) == 0)
            return child;
    return nullptr;
}

CSuperGridCtrl::CTreeItem* CSuperGridCtrl::InsertNode(CTreeItem* pParent, CItemInfo* lpInfo, BOOL bUpdate)
{
    m_bModified = 1;
    if (!pParent)
        return nullptr;
    // A name is never used twice under one parent.
    if (lpInfo && ChildByText(pParent, lpInfo->GetItemText()))
        return nullptr;
    // A parent whose children are shown gets the new row too, so that rows
    // and nodes stay in step.
    if (!bUpdate && !pParent->m_listChild.empty() && !pParent->m_bHideChildren && RowOfNode(pParent) >= 0)
        bUpdate = TRUE;
    auto* node = new CTreeItem;
    node->m_lpNodeInfo = lpInfo ? lpInfo : new CItemInfo;
    node->m_nIndent = pParent->m_nIndent + 1;
    node->m_pParent = pParent;
    pParent->m_listChild.push_back(node);
    SortChildren(pParent, TRUE);
    if (!bUpdate) {
        pParent->m_bHideChildren = 1;
        return node;
    }
    const int row = RowOfNode(node);
    if (row >= 0) {
        InsertRowOf(node, row);
        RenumberRows();
    }
    return node;
}

void CSuperGridCtrl::SortChildren(CTreeItem* pParent, BOOL bRecurse)
{
    if (!pParent)
        return;
    auto& children = pParent->m_listChild;
    if (children.size() >= 2) {
        // Folders before devices, each group in byte-wise text order.
        auto key = [](const CTreeItem* item) {
            std::string k(1, item->m_lpNodeInfo && item->m_lpNodeInfo->m_bFolder ? 'a' : 'z');
            if (item->m_lpNodeInfo)
                k += item->m_lpNodeInfo->GetItemText().Str();
            return k;
        };
        std::stable_sort(children.begin(), children.end(), [&](const CTreeItem* a, const CTreeItem* b) {
            return std::strcmp(key(a).c_str(), key(b).c_str()) < 0;
        });
    }
    if (bRecurse)
        for (CTreeItem* child : children)
            SortChildren(child, TRUE);
}

void CSuperGridCtrl::SortAll(BOOL bRecurse)
{
    SetRedraw(FALSE);
    for (CTreeItem* root : m_RootItems) {
        SortChildren(root, bRecurse);
        if (HasChildren(root) && !root->m_bHideChildren && root->m_nIndex >= 0)
            HideSubtree(root, TRUE, root->m_nIndex + 1);
        root->m_bHideChildren = HasChildren(root) ? 1 : root->m_bHideChildren;
    }
    DeleteAllItems();
    std::stable_sort(m_RootItems.begin(), m_RootItems.end(), [](const CTreeItem* a, const CTreeItem* b) {
        return std::strcmp(a->m_lpNodeInfo->GetItemText(), b->m_lpNodeInfo->GetItemText()) < 0;
    });
    for (CTreeItem* root : m_RootItems)
        InsertRowOf(root, GetItemCount());
    RenumberRows();
    SetRedraw(TRUE);
}

int CSuperGridCtrl::RowOfNode(const CTreeItem* pItem) const
{
    if (!pItem)
        return -1;
    int row = 0;
    bool hidden = false;
    // Walks the visible rows in order; a node inside a collapsed branch
    // has no row.
    auto walk = [&](auto& self, const CTreeItem* node, bool visible) -> bool {
        if (node == pItem) {
            hidden = !visible;
            return true;
        }
        if (visible)
            ++row;
        const bool childrenVisible = visible && !node->m_bHideChildren;
        for (const CTreeItem* child : node->m_listChild)
            if (self(self, child, childrenVisible))
                return true;
        return false;
    };
    for (const CTreeItem* root : m_RootItems)
        if (walk(walk, root, true))
            return hidden ? -1 : row;
    return -1;
}

void CSuperGridCtrl::RenumberRows()
{
    for (int i = 0; i < GetItemCount(); ++i)
        if (CTreeItem* node = NodeAtRow(i))
            node->m_nIndex = i;
}

CSuperGridCtrl::CTreeItem* CSuperGridCtrl::NodeAtRow(int nRow) const
{
    return reinterpret_cast<CTreeItem*>(GetItemData(nRow));
}

int CSuperGridCtrl::SelectedRow() const
{
    return GetNextItem(-1, LVNI_SELECTED);
}

CSuperGridCtrl::CTreeItem* CSuperGridCtrl::TopOfNode(CTreeItem* pItem) const
{
    while (pItem && pItem->m_pParent)
        pItem = pItem->m_pParent;
    return pItem;
}

BOOL CSuperGridCtrl::IsRootNode(const CTreeItem* pItem) const
{
    return pItem && std::find(m_RootItems.begin(), m_RootItems.end(), pItem) != m_RootItems.end();
}

BOOL CSuperGridCtrl::IsInSubtree(const CTreeItem* pParent, const CTreeItem* pItem) const
{
    for (; pItem; pItem = pItem->m_pParent)
        if (pItem == pParent)
            return TRUE;
    return FALSE;
}

CSuperGridCtrl::CTreeItem* CSuperGridCtrl::NextNode(CTreeItem* pStart, CTreeItem* pItem, BOOL, BOOL bVisible)
{
    if (!pStart || !pItem)
        return pItem;
    // Down into the children first.
    if (!pItem->m_listChild.empty() && !(bVisible && pItem->m_bHideChildren))
        return pItem->m_listChild.front();
    // Else the next sibling of the node or of its nearest ancestor, without
    // leaving pStart's subtree.
    for (CTreeItem* node = pItem; node && node != pStart; node = node->m_pParent) {
        CTreeItem* parent = node->m_pParent;
        if (!parent)
            break;
        auto& siblings = parent->m_listChild;
        auto it = std::find(siblings.begin(), siblings.end(), node);
        if (it != siblings.end() && ++it != siblings.end())
            return *it;
    }
    return pItem;
}

void CSuperGridCtrl::SetItemInfo(CTreeItem* pItem, CItemInfo* lpInfo, BOOL bUpdateRow)
{
    if (!pItem)
        return;
    pItem->m_lpNodeInfo = lpInfo;
    if (bUpdateRow)
        RefreshRow(pItem);
}

void CSuperGridCtrl::RefreshRow(CTreeItem* pItem)
{
    const int row = RowOfNode(pItem);
    if (row < 0 || !pItem->m_lpNodeInfo)
        return;
    SetRedraw(FALSE);
    SetItemText(row, 0, pItem->m_lpNodeInfo->GetItemText());
    for (int i = 0; i < pItem->m_lpNodeInfo->GetItemCount(); ++i)
        SetItemText(row, i + 1, pItem->m_lpNodeInfo->GetSubItem(i));
    SetRedraw(TRUE);
}

void CSuperGridCtrl::RepaintRow(int nRow)
{
    RedrawItems(nRow, nRow);
}

void CSuperGridCtrl::ScrollToColumn(int nColumn)
{
    if (nColumn < 0 || nColumn >= GetColumnCount())
        return;
    CRect client;
    GetListClientRect(&client);
    const int left = ColumnLeft(nColumn);
    const int right = left + GetColumnWidth(nColumn);
    if (left < 0)
        Scroll(CSize(left, 0));
    else if (right > client.right)
        Scroll(CSize(std::min(left, right - client.right), 0));
}

BOOL CSuperGridCtrl::HasChildren(const CTreeItem* pItem) const
{
    return pItem && (pItem->m_bSetChildFlag != -1 || !pItem->m_listChild.empty());
}

int CSuperGridCtrl::ExpandNode(CTreeItem* pItem, int nIndex)
{
    if (!pItem || !HasChildren(pItem) || !pItem->m_bHideChildren)
        return nIndex;
    LVITEM lvi {};
    lvi.mask = LVIF_INDENT;
    lvi.iItem = nIndex;
    lvi.iIndent = pItem->m_nIndent;
    SetItem(&lvi);
    pItem->m_bHideChildren = 0;
    int row = nIndex;
    for (CTreeItem* child : pItem->m_listChild) {
        // Grandchildren stay hidden, whatever their own flags say.
        if (HasChildren(child))
            child->m_bHideChildren = 1;
        InsertRowOf(child, ++row);
    }
    RenumberRows();
    return row;
}

void CSuperGridCtrl::HideSubtree(CTreeItem* pItem, BOOL bHide, int nItem)
{
    if (!pItem || !HasChildren(pItem) || pItem->m_bHideChildren)
        return;
    pItem->m_bHideChildren = bHide;
    // A child's own rows follow its row.
    for (CTreeItem* child : pItem->m_listChild) {
        HideSubtree(child, bHide, nItem + 1);
        DeleteItem(nItem);
    }
}

void CSuperGridCtrl::CollapseNode(CTreeItem* pItem)
{
    if (!pItem || !HasChildren(pItem))
        return;
    SetRedraw(FALSE);
    HideSubtree(pItem, TRUE, pItem->m_nIndex + 1);
    RenumberRows();
    SetRedraw(TRUE);
}

void CSuperGridCtrl::DeleteNodeAndRows(CTreeItem* pItem)
{
    if (CTreeItem* parent = pItem->m_pParent) {
        auto& siblings = parent->m_listChild;
        siblings.erase(std::remove(siblings.begin(), siblings.end(), pItem), siblings.end());
    } else {
        m_RootItems.erase(std::remove(m_RootItems.begin(), m_RootItems.end(), pItem), m_RootItems.end());
    }
    if (m_pPrevItem && IsInSubtree(pItem, m_pPrevItem))
        m_pPrevItem = nullptr;
    if (m_pCurItem && IsInSubtree(pItem, m_pCurItem))
        m_pCurItem = nullptr;
    delete pItem->m_lpNodeInfo;
    delete pItem;
}

void CSuperGridCtrl::RemoveNode(CTreeItem* pItem, int nItem, BOOL bSelectNext)
{
    SetRedraw(FALSE);
    DeleteItem(nItem);
    if (pItem) {
        HideSubtree(pItem, TRUE, nItem);
        DeleteNodeAndRows(pItem);
    }
    RenumberRows();
    if (nItem == 0) {
        SetRedraw(TRUE);
        return;
    }
    if (bSelectNext) {
        const int row = nItem < GetItemCount() ? nItem : nItem - 1;
        SetItemState(row, LVIS_SELECTED | LVIS_FOCUSED, LVIS_SELECTED | LVIS_FOCUSED);
    }
    m_pPrevItem = m_pCurItem = NodeAtRow(SelectedRow());
    SetRedraw(TRUE);
}

void CSuperGridCtrl::RemoveAllNodes()
{
    DeleteAllItems();
    for (CTreeItem* root : m_RootItems) {
        delete root->m_lpNodeInfo;
        delete root;
    }
    m_RootItems.clear();
    m_pPrevItem = m_pCurItem = nullptr;
    m_pMyRoot = m_pLocalRoot = m_pServerRoot = nullptr;
}

void CSuperGridCtrl::SelectRow(int nRow)
{
    SetItemState(nRow, LVIS_SELECTED | LVIS_FOCUSED, LVIS_SELECTED | LVIS_FOCUSED);
}

void CSuperGridCtrl::OnUpdateListViewItem(CTreeItem* pItem, LVITEM* plvItem)
{
    if (!plvItem || !plvItem->pszText)
        return;
    const CString text = plvItem->pszText;
    if (CItemInfo* info = GetItemInfo(pItem)) {
        if (plvItem->iSubItem == 0)
            info->SetItemText(text);
        else
            info->SetSubItemText(plvItem->iSubItem - 1, text);
        SetItemInfo(pItem, info, FALSE);
    }
    SetItemText(plvItem->iItem, plvItem->iSubItem, text);
}

CString ShortenText(const char* text, int width, int offset, TextExtentFn extent, void* context)
{
    const int length = int(std::strlen(text));
    if (length == 0 || extent(text, length, context) + offset < width + 1)
        return CString(text);
    // The dots are measured over four characters, their terminator too.
    static const char dots[4] = { '.', '.', '.', 0 };
    const int dotsWidth = extent(dots, 4, context);
    int keep = length;
    while (keep > 1) {
        --keep;
        if (extent(text, keep, context) + dotsWidth + offset < width)
            break;
    }
    return CString(text, keep) + "...";
}
