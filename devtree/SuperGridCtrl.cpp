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

void CSuperGridCtrl::InsertRowsOf(const std::vector<CTreeItem*>& items, int nRow)
{
    std::vector<LVITEM> rows(items.size());
    for (size_t i = 0; i < items.size(); ++i) {
        LVITEM& lvi = rows[i];
        lvi.mask = LVIF_TEXT | LVIF_PARAM | LVIF_INDENT;
        lvi.pszText = const_cast<char*>(items[i]->m_lpNodeInfo->GetItemText().GetString());
        lvi.lParam = LPARAM(items[i]);
        lvi.iIndent = items[i]->m_nIndent;
    }
    const int first = InsertItems(nRow, rows.data(), int(rows.size()));
    if (first < 0)
        return;
    for (size_t i = 0; i < items.size(); ++i) {
        const CItemInfo* info = items[i]->m_lpNodeInfo;
        const int row = first + int(i);
        if (info->GetCheck())
            SetCheck(row, TRUE);
        for (int k = 0; k < info->GetItemCount(); ++k)
            SetItemText(row, k + 1, info->GetSubItem(k));
    }
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

namespace
{

// The sort key of a child: folders first, then the text byte-wise.
int CompareKeys(bool folderA, const char* textA, bool folderB, const char* textB)
{
    if (folderA != folderB)
        return folderA ? -1 : 1;
    return std::strcmp(textA, textB);
}

bool IsFolderItem(const CItemInfo* info)
{
    return info && info->m_bFolder;
}

const char* TextOf(const CItemInfo* info)
{
    return info ? info->GetItemText().GetString() : "";
}

// The first child at or after the key (folder, text) in sibling order.
std::vector<CSuperGridCtrl::CTreeItem*>::const_iterator LowerBound(
    const std::vector<CSuperGridCtrl::CTreeItem*>& children, bool folder, const char* text)
{
    return std::lower_bound(
        children.begin(), children.end(), 0, [&](const CSuperGridCtrl::CTreeItem* child, int) {
            return CompareKeys(IsFolderItem(child->m_lpNodeInfo), TextOf(child->m_lpNodeInfo), folder, text)
                < 0;
        });
}

} // namespace

bool CSuperGridCtrl::SortsBefore(const CTreeItem* a, const CTreeItem* b)
{
    return CompareKeys(IsFolderItem(a->m_lpNodeInfo), TextOf(a->m_lpNodeInfo), IsFolderItem(b->m_lpNodeInfo),
               TextOf(b->m_lpNodeInfo))
        < 0;
}

CSuperGridCtrl::CTreeItem* CSuperGridCtrl::ChildByText(const CTreeItem* pParent, const char* text) const
{
    if (!pParent || !text)
        return nullptr;
    // Children stay sorted, so each group is searched by halves.
    const auto& children = pParent->m_listChild;
    for (bool folder : { true, false }) {
        auto it = LowerBound(children, folder, text);
        if (it != children.end() && (*it)->m_lpNodeInfo && IsFolderItem((*it)->m_lpNodeInfo) == folder
            && std::strcmp((*it)->m_lpNodeInfo->GetItemText(), text) == 0)
            return *it;
    }
    return nullptr;
}

std::vector<CSuperGridCtrl::CTreeItem*>::iterator CSuperGridCtrl::SiblingPosition(CTreeItem* pItem)
{
    auto& siblings = pItem->m_pParent ? pItem->m_pParent->m_listChild : m_RootItems;
    if (pItem->m_pParent) {
        auto it = siblings.begin()
            + (LowerBound(siblings, IsFolderItem(pItem->m_lpNodeInfo), TextOf(pItem->m_lpNodeInfo))
                - siblings.cbegin());
        if (it != siblings.end() && *it == pItem)
            return it;
    }
    // A text changed in place and not yet re-placed: look the slow way.
    return std::find(siblings.begin(), siblings.end(), pItem);
}

BOOL CSuperGridCtrl::IsBeforeInTree(const CTreeItem* a, const CTreeItem* b) const
{
    if (!a || !b || a == b)
        return FALSE;
    auto path = [](const CTreeItem* node) {
        std::vector<const CTreeItem*> up;
        for (; node; node = node->m_pParent)
            up.push_back(node);
        return std::vector<const CTreeItem*>(up.rbegin(), up.rend());
    };
    const auto pa = path(a), pb = path(b);
    size_t i = 0;
    while (i < pa.size() && i < pb.size() && pa[i] == pb[i])
        ++i;
    if (i == pa.size())
        return TRUE; // a is an ancestor of b
    if (i == pb.size())
        return FALSE;
    const auto& siblings = i == 0 ? m_RootItems : pa[i - 1]->m_listChild;
    for (const CTreeItem* node : siblings) {
        if (node == pa[i])
            return TRUE;
        if (node == pb[i])
            return FALSE;
    }
    return FALSE;
}

void CSuperGridCtrl::ReindexNode(CTreeItem* pItem)
{
    if (pItem)
        m_deviceIndex.Update(pItem);
}

void CSuperGridCtrl::UnindexSubtree(CTreeItem* pItem)
{
    m_deviceIndex.Remove(pItem);
    for (CTreeItem* child : pItem->m_listChild)
        UnindexSubtree(child);
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
    // The children are in order already: the new one goes to its place,
    // after any equal key, as a stable sort would put it.
    auto& children = pParent->m_listChild;
    auto at = children.insert(std::upper_bound(children.begin(), children.end(), node, SortsBefore), node);
    m_deviceIndex.Add(node);
    if (!bUpdate) {
        pParent->m_bHideChildren = 1;
        return node;
    }
    // The new row takes the place of the next sibling's row, else follows
    // the rows of the previous sibling, else its parent's row.
    int row = -1;
    if (at + 1 != children.end()) {
        row = RowOfNode(*(at + 1));
    } else if (at != children.begin()) {
        const int before = RowOfNode(*(at - 1));
        row = before < 0 ? -1 : before + 1 + ShownRowsBelow(*(at - 1));
    } else {
        const int parentRow = RowOfNode(pParent);
        row = parentRow < 0 || pParent->m_bHideChildren ? -1 : parentRow + 1;
    }
    if (row >= 0) {
        InsertRowOf(node, row);
        RenumberRows(row);
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
        std::stable_sort(children.begin(), children.end(), SortsBefore);
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
        // Every row goes below; only the flags need setting.
        HideFlags(root, TRUE);
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

void CSuperGridCtrl::RepositionNode(CTreeItem* pItem)
{
    if (!pItem || !pItem->m_pParent)
        return;
    auto& siblings = pItem->m_pParent->m_listChild;
    auto it = std::find(siblings.begin(), siblings.end(), pItem);
    if (it == siblings.end())
        return;
    const bool inOrder = (it == siblings.begin() || !SortsBefore(pItem, *(it - 1)))
        && (it + 1 == siblings.end() || !SortsBefore(*(it + 1), pItem));
    if (inOrder)
        return;
    const int row = RowOfNode(pItem);
    if (row >= 0)
        DeleteItems(row, 1 + HideFlags(pItem, TRUE));
    siblings.erase(it);
    siblings.insert(std::upper_bound(siblings.begin(), siblings.end(), pItem, SortsBefore), pItem);
    if (row < 0)
        return;
    const int newRow = RowOfNode(pItem);
    if (newRow >= 0)
        InsertRowOf(pItem, newRow);
    RenumberRows(newRow >= 0 ? std::min(row, newRow) : row);
}

int CSuperGridCtrl::RowOfNode(const CTreeItem* pItem) const
{
    if (!pItem)
        return -1;
    // Inside a collapsed branch: no row.
    for (const CTreeItem* up = pItem->m_pParent; up; up = up->m_pParent)
        if (up->m_bHideChildren)
            return -1;
    // Rows are renumbered after each change, so a shown node knows its row.
    if (pItem->m_nIndex >= 0 && pItem->m_nIndex < GetItemCount() && NodeAtRow(pItem->m_nIndex) == pItem)
        return pItem->m_nIndex;
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

void CSuperGridCtrl::RenumberRows(int nFrom)
{
    for (int i = std::max(0, nFrom); i < GetItemCount(); ++i)
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
        auto it = SiblingPosition(node);
        if (it != parent->m_listChild.end() && ++it != parent->m_listChild.end())
            return *it;
    }
    return pItem;
}

void CSuperGridCtrl::SetItemInfo(CTreeItem* pItem, CItemInfo* lpInfo, BOOL bUpdateRow)
{
    if (!pItem)
        return;
    pItem->m_lpNodeInfo = lpInfo;
    m_deviceIndex.Update(pItem);
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
    // Grandchildren stay hidden, whatever their own flags say.
    for (CTreeItem* child : pItem->m_listChild)
        if (HasChildren(child))
            child->m_bHideChildren = 1;
    InsertRowsOf(pItem->m_listChild, nIndex + 1);
    RenumberRows(nIndex);
    return nIndex + int(pItem->m_listChild.size());
}

int CSuperGridCtrl::ShownRowsBelow(const CTreeItem* pItem) const
{
    if (!pItem || pItem->m_bHideChildren)
        return 0;
    int rows = 0;
    for (const CTreeItem* child : pItem->m_listChild)
        rows += 1 + ShownRowsBelow(child);
    return rows;
}

int CSuperGridCtrl::HideFlags(CTreeItem* pItem, BOOL bHide)
{
    if (!pItem || !HasChildren(pItem) || pItem->m_bHideChildren)
        return 0;
    pItem->m_bHideChildren = bHide;
    int rows = 0;
    for (CTreeItem* child : pItem->m_listChild)
        rows += 1 + HideFlags(child, bHide);
    return rows;
}

void CSuperGridCtrl::HideSubtree(CTreeItem* pItem, BOOL bHide, int nItem)
{
    // The rows of every shown descendant follow nItem; they go in one step.
    DeleteItems(nItem, HideFlags(pItem, bHide));
}

void CSuperGridCtrl::CollapseNode(CTreeItem* pItem)
{
    if (!pItem || !HasChildren(pItem))
        return;
    SetRedraw(FALSE);
    HideSubtree(pItem, TRUE, pItem->m_nIndex + 1);
    RenumberRows(pItem->m_nIndex);
    SetRedraw(TRUE);
}

void CSuperGridCtrl::DeleteNodeAndRows(CTreeItem* pItem)
{
    auto& siblings = pItem->m_pParent ? pItem->m_pParent->m_listChild : m_RootItems;
    auto it = SiblingPosition(pItem);
    if (it != siblings.end())
        siblings.erase(it);
    UnindexSubtree(pItem);
    if (m_pDragNode && IsInSubtree(pItem, m_pDragNode))
        m_pDragNode = nullptr;
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
    if (pItem) {
        // The row and the rows of its shown descendants, in one step.
        DeleteItems(nItem, 1 + HideFlags(pItem, TRUE));
        DeleteNodeAndRows(pItem);
    } else {
        DeleteItem(nItem);
    }
    RenumberRows(nItem);
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
    m_deviceIndex.Clear();
    m_pDragNode = nullptr;
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
