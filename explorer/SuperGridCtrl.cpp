// The tree operations of the tree-grid: nodes, their rows, sorting.
#include "explorer/SuperGridCtrl.h"

#include "explorer/MorrikResources.h"
#include "resources/morrik/Resource.h"

#include <algorithm>
#include <cstdio>
#include <cstring>

namespace morrik
{

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

BOOL CSuperGridCtrl::Create(DWORD dwStyle, const RECT& rect, CWnd* pParentWnd, UINT nID)
{
    return CListCtrl::Create(dwStyle
            | (LVS_REPORT | LVS_SINGLESEL | LVS_SHOWSELALWAYS | LVS_SHAREIMAGELISTS | LVS_OWNERDRAWFIXED
                | LVS_NOCOLUMNHEADER),
        rect, pParentWnd, nID);
}

namespace
{

bool IsContainer(const CItemInfo* info)
{
    return info && info->m_bFolder;
}

const char* TextOf(const CSuperGridCtrl::CTreeItem* node)
{
    return node->m_lpNodeInfo ? node->m_lpNodeInfo->GetItemText().GetString() : "";
}

// Containers before devices, each group by the bytes of its text.
bool SortsBefore(const CSuperGridCtrl::CTreeItem* a, const CSuperGridCtrl::CTreeItem* b)
{
    const bool ca = IsContainer(a->m_lpNodeInfo), cb = IsContainer(b->m_lpNodeInfo);
    if (ca != cb)
        return ca;
    return std::strcmp(TextOf(a), TextOf(b)) < 0;
}

// Sorts over the nodes' own memory, so that no code of the standard library
// made for the library's exported types is exported with them.
template <class Less> void SortNodes(std::vector<CSuperGridCtrl::CTreeItem*>& nodes, Less less)
{
    std::sort(nodes.data(), nodes.data() + nodes.size(), less);
}

// The name a row was given, by which rows outside "My DVR" count their
// namesakes: its name text, else its row text.
CString NameOf(const CItemInfo* info)
{
    return info->m_strName.IsEmpty() ? info->GetItemText() : info->m_strName;
}

} // namespace

void CSuperGridCtrl::InsertRowOf(CTreeItem* pItem, int nRow)
{
    InsertRowsOf({ pItem }, nRow);
}

void CSuperGridCtrl::InsertRowsOf(const std::vector<CTreeItem*>& items, int nRow)
{
    std::vector<LVITEM> rows(items.size());
    for (size_t i = 0; i < items.size(); ++i) {
        rows[i].mask = LVIF_TEXT | LVIF_PARAM | LVIF_INDENT;
        rows[i].pszText = const_cast<char*>(TextOf(items[i]));
        rows[i].lParam = LPARAM(items[i]);
        rows[i].iIndent = items[i]->m_nIndent;
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

void CSuperGridCtrl::RenumberRows(int nFrom)
{
    for (int i = std::max(0, nFrom); i < GetItemCount(); ++i)
        if (CTreeItem* node = GetTreeItem(i))
            node->m_nIndex = i;
}

CSuperGridCtrl::CTreeItem* CSuperGridCtrl::GetTreeItem(int nRow) const
{
    return reinterpret_cast<CTreeItem*>(GetItemData(nRow));
}

CSuperGridCtrl::CTreeItem* CSuperGridCtrl::InsertRootItem(CItemInfo* lpInfo)
{
    auto* root = new CTreeItem;
    root->m_lpNodeInfo = lpInfo ? lpInfo : new CItemInfo;
    root->m_nIndent = 1;
    m_RootItems.push_back(root);
    InsertRowOf(root, GetItemCount());
    RenumberRows(GetItemCount() - 1);
    return root;
}

CSuperGridCtrl::CTreeItem* CSuperGridCtrl::ChildWithText(
    const CTreeItem* pParent, const CString& text, const CTreeItem* except) const
{
    for (CTreeItem* child : pParent->m_listChild)
        if (child != except && child->m_lpNodeInfo && std::strcmp(TextOf(child), text.GetString()) == 0)
            return child;
    return nullptr;
}

BOOL CSuperGridCtrl::NameRefused(CTreeItem* pParent, CItemInfo* lpInfo)
{
    CTreeItem* root = GetRootItem(pParent);
    const bool strict = root && (root == m_pMyRoot || root == m_pYemRoot);
    if (!strict) {
        // The name stays with the row, so that later namesakes count it.
        if (lpInfo->m_strName.IsEmpty())
            lpInfo->m_strName = lpInfo->GetItemText();
        lpInfo->SetItemText(lpInfo->m_strName);
    } else if (root == m_pMyRoot) {
        // Children are sorted: a namesake is found by halves in each group.
        const char* text = lpInfo->GetItemText().GetString();
        const auto& children = pParent->m_listChild;
        for (bool container : { true, false }) {
            const auto it = std::lower_bound(children.data(), children.data() + children.size(), text,
                [container](const CTreeItem* child, const char* key) {
                    const bool c = IsContainer(child->m_lpNodeInfo);
                    return c != container ? c : std::strcmp(TextOf(child), key) < 0;
                });
            if (it != children.data() + children.size() && IsContainer((*it)->m_lpNodeInfo) == container
                && std::strcmp(TextOf(*it), text) == 0) {
                if (!lpInfo->m_nChannel)
                    MorrikMessageBox(IDS_TREE_NAME_USED);
                return TRUE;
            }
        }
        return FALSE;
    }
    if (root == m_pYemRoot)
        return FALSE;
    int count = 0;
    const CString name = NameOf(lpInfo);
    for (const CTreeItem* child : pParent->m_listChild)
        if (child->m_lpNodeInfo && NameOf(child->m_lpNodeInfo) == name)
            ++count;
    if (count) {
        CString text;
        text.Format("%s(%d)", name.GetString(), count + 1);
        lpInfo->SetItemText(text);
    }
    return FALSE;
}

CSuperGridCtrl::CTreeItem* CSuperGridCtrl::InsertItem(CTreeItem* pParent, CItemInfo* lpInfo, BOOL bUpdate)
{
    m_bChangePending = 1;
    if (!pParent)
        return nullptr;
    CItemInfo* info = lpInfo ? lpInfo : new CItemInfo;
    if (NameRefused(pParent, info)) {
        if (!lpInfo)
            delete info;
        return nullptr;
    }
    auto* node = new CTreeItem;
    node->m_lpNodeInfo = info;
    node->m_nIndent = pParent->m_nIndent + 1;
    node->m_pParent = pParent;
    // The children stay sorted, so the new one goes straight to its place.
    auto& children = pParent->m_listChild;
    const auto at
        = children.insert(std::upper_bound(children.begin(), children.end(), node, SortsBefore), node);
    // A parent whose children are shown shows the new one too, so that rows
    // and nodes stay in step.
    const int parentRow = GetCurIndex(pParent);
    const bool others = children.size() > 1;
    const bool open = parentRow >= 0 && !pParent->m_bHideChildren && others;
    if (!open && (!bUpdate || parentRow < 0 || others)) {
        pParent->m_bHideChildren = 1;
        return node;
    }
    pParent->m_bHideChildren = 0;
    // The new row takes the next sibling's row, else follows the previous
    // sibling's rows, else its parent's row.
    int row;
    if (at + 1 != children.end())
        row = GetCurIndex(*(at + 1));
    else if (at != children.begin())
        row = GetCurIndex(*(at - 1)) + 1 + ShownRowsBelow(*(at - 1));
    else
        row = parentRow + 1;
    InsertRowOf(node, row);
    RenumberRows(row);
    return node;
}

BOOL CSuperGridCtrl::ItemHasChildren(const CTreeItem* pItem) const
{
    return pItem && (pItem->m_bSetChildFlag != -1 || !pItem->m_listChild.empty());
}

BOOL CSuperGridCtrl::IsRoot(const CTreeItem* pItem) const
{
    return pItem && !pItem->m_pParent
        && std::find(m_RootItems.begin(), m_RootItems.end(), pItem) != m_RootItems.end();
}

int CSuperGridCtrl::GetCurIndex(const CTreeItem* pItem) const
{
    if (!pItem)
        return -1;
    for (const CTreeItem* up = pItem->m_pParent; up; up = up->m_pParent)
        if (up->m_bHideChildren)
            return -1;
    // Rows are renumbered after every change, so a shown node knows its row.
    if (pItem->m_nIndex >= 0 && pItem->m_nIndex < GetItemCount() && GetTreeItem(pItem->m_nIndex) == pItem)
        return pItem->m_nIndex;
    return -1;
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

int CSuperGridCtrl::Expand(CTreeItem* pItem, int nIndex)
{
    if (!ItemHasChildren(pItem) || !pItem->m_bHideChildren || GetCurIndex(pItem) != nIndex)
        return nIndex;
    LVITEM lvi {};
    lvi.mask = LVIF_INDENT;
    lvi.iItem = nIndex;
    lvi.iIndent = pItem->m_nIndent;
    SetItem(&lvi);
    pItem->m_bHideChildren = 0;
    // Grandchildren stay hidden until their own parent is expanded.
    for (CTreeItem* child : pItem->m_listChild)
        if (ItemHasChildren(child))
            child->m_bHideChildren = 1;
    InsertRowsOf(pItem->m_listChild, nIndex + 1);
    RenumberRows(nIndex);
    return nIndex + int(pItem->m_listChild.size());
}

void CSuperGridCtrl::ExpandAll(CTreeItem* pItem)
{
    const int row = GetCurIndex(pItem);
    if (!ItemHasChildren(pItem) || row < 0)
        return;
    // Every branch below opens at once: the rows shown so far go, and the
    // whole subtree's rows come back in one step, numbered once.
    std::vector<CTreeItem*> rows;
    auto open = [&](auto& self, CTreeItem* node) -> void {
        if (!ItemHasChildren(node))
            return;
        node->m_bHideChildren = 0;
        for (CTreeItem* child : node->m_listChild) {
            rows.push_back(child);
            self(self, child);
        }
    };
    SetRedraw(FALSE);
    DeleteItems(row + 1, ShownRowsBelow(pItem));
    open(open, pItem);
    InsertRowsOf(rows, row + 1);
    RenumberRows(row);
    SetRedraw(TRUE);
}

int CSuperGridCtrl::HideBranches(CTreeItem* pItem)
{
    if (!ItemHasChildren(pItem) || pItem->m_bHideChildren)
        return 0;
    pItem->m_bHideChildren = 1;
    int rows = 0;
    for (CTreeItem* child : pItem->m_listChild)
        rows += 1 + HideBranches(child);
    return rows;
}

void CSuperGridCtrl::Collapse(CTreeItem* pItem)
{
    const int row = GetCurIndex(pItem);
    if (!ItemHasChildren(pItem) || pItem->m_bHideChildren || row < 0)
        return;
    SetRedraw(FALSE);
    DeleteItems(row + 1, HideBranches(pItem));
    RenumberRows(row);
    SetRedraw(TRUE);
}

void CSuperGridCtrl::RestoreExpansion(CTreeItem* pItem)
{
    for (CTreeItem* child : pItem->m_listChild) {
        CItemInfo* info = child->m_lpNodeInfo;
        if (!IsContainer(info))
            continue;
        if (info->m_bExpanded) {
            info->SetImage(IMAGE_OPEN);
            const int row = GetCurIndex(child);
            if (row >= 0)
                Expand(child, row);
            RestoreExpansion(child);
        } else {
            info->SetImage(IMAGE_CLOSED);
        }
    }
}

namespace
{

void MarkClosed(CSuperGridCtrl::CTreeItem* pItem)
{
    for (CSuperGridCtrl::CTreeItem* child : pItem->m_listChild) {
        if (child->m_lpNodeInfo && child->m_lpNodeInfo->m_bFolder)
            child->m_lpNodeInfo->m_bExpanded = false;
        MarkClosed(child);
    }
}

} // namespace

BOOL CSuperGridCtrl::Toggle(CTreeItem* pItem, int nIndex)
{
    if (!ItemHasChildren(pItem))
        return FALSE;
    BOOL changed = FALSE;
    int last = nIndex;
    SetRedraw(FALSE);
    if (pItem->m_bHideChildren) {
        if (OnItemExpanding(pItem, nIndex)) {
            last = Expand(pItem, nIndex);
            OnItemExpanded(pItem, nIndex);
            pItem->m_lpNodeInfo->m_bExpanded = true;
            changed = TRUE;
        }
    } else if (OnCollapsing(pItem)) {
        Collapse(pItem);
        OnItemCollapsed(pItem);
        pItem->m_lpNodeInfo->m_bExpanded = false;
        MarkClosed(pItem);
        changed = TRUE;
    }
    SetRedraw(TRUE);
    if (changed) {
        RedrawItems(nIndex, nIndex);
        EnsureVisible(last, FALSE);
    }
    return changed;
}

void CSuperGridCtrl::RemoveNode(CTreeItem* pItem)
{
    auto& siblings = pItem->m_pParent ? pItem->m_pParent->m_listChild : m_RootItems;
    siblings.erase(std::remove(siblings.begin(), siblings.end(), pItem), siblings.end());
    for (CTreeItem** role :
        { &m_pMyRoot, &m_pLocalRoot, &m_pYemRoot, &m_pClicked, &m_pPrevClicked, &m_pDragNode })
        if (*role && IsAncestor(pItem, *role))
            *role = nullptr;
    delete pItem->m_lpNodeInfo;
    delete pItem;
}

void CSuperGridCtrl::DeleteItem(CTreeItem* pItem, int nItem, BOOL bSelect)
{
    if (!pItem)
        return;
    SetRedraw(FALSE);
    const int row = GetCurIndex(pItem);
    if (row >= 0)
        DeleteItems(row, 1 + HideBranches(pItem));
    RemoveNode(pItem);
    RenumberRows(std::max(0, row));
    if (bSelect && GetItemCount()) {
        const int select = std::min(std::max(0, nItem - 1), GetItemCount() - 1);
        SetItemState(select, LVIS_SELECTED | LVIS_FOCUSED, LVIS_SELECTED | LVIS_FOCUSED);
        m_pClicked = GetTreeItem(select);
    }
    SetRedraw(TRUE);
}

void CSuperGridCtrl::NotifyDeleted(const CTreeItem* pItem)
{
    const CItemInfo* info = GetItemInfo(pItem);
    if (m_bDeleteNotify && info && !info->m_bFolder && !info->m_nChannel) {
        CItemInfo copy;
        copy.CopyObjects(info);
        SendToParent(WM_TREE_DELETE_ITEM, 0, LPARAM(&copy));
    }
}

void CSuperGridCtrl::Delete(CTreeItem* pItem)
{
    if (!pItem || !pItem->m_pParent)
        return;
    NotifyDeleted(pItem);
    const int row = GetCurIndex(pItem);
    if (row >= 0) {
        DeleteItems(row, 1 + HideBranches(pItem));
        RemoveNode(pItem);
        RenumberRows(row);
    } else {
        RemoveNode(pItem);
    }
}

void CSuperGridCtrl::SelectNode(CTreeItem* pItem)
{
    if (!pItem)
        return;
    if (IsRoot(pItem)) {
        SetItemState(0, LVIS_SELECTED | LVIS_FOCUSED, LVIS_SELECTED | LVIS_FOCUSED);
        return;
    }
    CWaitCursor wait;
    // Every collapsed ancestor is opened, from the root down.
    std::vector<CTreeItem*> up;
    for (CTreeItem* p = pItem->m_pParent; p; p = p->m_pParent)
        up.push_back(p);
    for (size_t i = up.size(); i-- > 0;) {
        const int row = GetCurIndex(up[i]);
        if (row >= 0 && up[i]->m_bHideChildren)
            Expand(up[i], row);
    }
    const int row = GetCurIndex(pItem);
    if (row < 0)
        return;
    SetItemState(row, LVIS_SELECTED | LVIS_FOCUSED, LVIS_SELECTED | LVIS_FOCUSED);
    EnsureVisible(row, FALSE);
}

CSuperGridCtrl::CTreeItem* CSuperGridCtrl::GetNext(
    CTreeItem* pStart, CTreeItem* pNode, BOOL bVisibleOnly) const
{
    if (!pStart || !pNode)
        return pNode;
    if (!pNode->m_listChild.empty() && !(bVisibleOnly && pNode->m_bHideChildren))
        return pNode->m_listChild.front();
    for (CTreeItem* node = pNode; node && node != pStart && node->m_pParent; node = node->m_pParent) {
        auto& siblings = node->m_pParent->m_listChild;
        auto it = std::find(siblings.begin(), siblings.end(), node);
        if (it != siblings.end() && ++it != siblings.end())
            return *it;
    }
    return pNode;
}

CSuperGridCtrl::CTreeItem* CSuperGridCtrl::GetPrev(
    CTreeItem* pStart, CTreeItem* pNode, BOOL bVisibleOnly) const
{
    if (!pStart || !pNode || pNode == pStart || !pNode->m_pParent)
        return pNode;
    auto& siblings = pNode->m_pParent->m_listChild;
    auto it = std::find(siblings.begin(), siblings.end(), pNode);
    if (it == siblings.begin())
        return pNode->m_pParent;
    // The last shown descendant of the previous sibling.
    CTreeItem* node = *(it - 1);
    while (!node->m_listChild.empty() && !(bVisibleOnly && node->m_bHideChildren))
        node = node->m_listChild.back();
    return node;
}

CSuperGridCtrl::CTreeItem* CSuperGridCtrl::GetRootItem(CTreeItem* pNode) const
{
    while (pNode && pNode->m_pParent)
        pNode = pNode->m_pParent;
    return pNode;
}

BOOL CSuperGridCtrl::IsAncestor(const CTreeItem* a, const CTreeItem* b) const
{
    for (; b; b = b->m_pParent)
        if (b == a)
            return TRUE;
    return FALSE;
}

int CSuperGridCtrl::NumberOfItems() const
{
    int count = 0;
    auto walk = [&](auto& self, const CTreeItem* node) -> void {
        ++count;
        for (const CTreeItem* child : node->m_listChild)
            self(self, child);
    };
    for (const CTreeItem* root : m_RootItems)
        walk(walk, root);
    return count;
}

void CSuperGridCtrl::Sort(CTreeItem* pParent, BOOL bRecursive)
{
    if (!pParent)
        return;
    if (IsContainer(pParent->m_lpNodeInfo) && pParent->m_listChild.size() > 1)
        SortNodes(pParent->m_listChild, SortsBefore);
    if (bRecursive)
        for (CTreeItem* child : pParent->m_listChild)
            Sort(child, TRUE);
}

void CSuperGridCtrl::SortRoots(BOOL bRecursive)
{
    SetRedraw(FALSE);
    for (CTreeItem* root : m_RootItems) {
        HideBranches(root);
        if (bRecursive)
            Sort(root, TRUE);
    }
    DeleteAllItems();
    SortNodes(m_RootItems,
        [](const CTreeItem* a, const CTreeItem* b) { return std::strcmp(TextOf(a), TextOf(b)) < 0; });
    for (CTreeItem* root : m_RootItems)
        InsertRowOf(root, GetItemCount());
    RenumberRows();
    SetRedraw(TRUE);
}

void CSuperGridCtrl::RemoveAllNodes()
{
    SetRedraw(FALSE);
    DeleteAllItems();
    for (CTreeItem* root : m_RootItems) {
        delete root->m_lpNodeInfo;
        delete root;
    }
    m_RootItems.clear();
    m_pMyRoot = m_pLocalRoot = m_pYemRoot = nullptr;
    m_pClicked = m_pPrevClicked = m_pDragNode = nullptr;
    SetRedraw(TRUE);
}

void CSuperGridCtrl::OnUpdateListViewItem(CTreeItem* pItem, LVITEM* plvItem)
{
    if (!plvItem || !plvItem->pszText)
        return;
    if (CItemInfo* info = GetItemInfo(pItem)) {
        if (plvItem->iSubItem == 0)
            info->SetItemText(plvItem->pszText);
        else
            info->SetSubItemText(plvItem->iSubItem - 1, plvItem->pszText);
    }
    SetItemText(plvItem->iItem, plvItem->iSubItem, plvItem->pszText);
}

LRESULT CSuperGridCtrl::SendToParent(UINT message, WPARAM wParam, LPARAM lParam)
{
    CWnd* parent = m_pParentWnd ? m_pParentWnd : GetParent();
    return parent ? parent->SendMessage(message, wParam, lParam) : 0;
}

} // namespace morrik
