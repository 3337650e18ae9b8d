// Drag and drop of the tree-grid's rows: the drag image, scrolling and
// opening while the mouse rests, and the move of a row's subtree by the
// roles of the device tree's three roots.
#include "explorer/MorrikResources.h"
#include "explorer/SuperGridCtrl.h"

#include "platform/base/Services.h"
#include "platform/ui/DC.h"
#include "platform/ui/ImageList.h"
#include "platform/ui/KeyState.h"

#include <algorithm>
#include <cctype>
#include <cstdio>
#include <cstring>

namespace morrik
{

namespace
{

constexpr UINT kDragTimerMs = 125;

// The MAC text a row is known by for a look-up, lower-cased.
CString LookupMacText(const CItemInfo* info, bool fromFile)
{
    char text[25] = {};
    if (fromFile) {
        std::memcpy(text, info->m_szMacText, sizeof info->m_szMacText);
    } else {
        FormatMac(info->m_byMac, text);
    }
    for (char& c : text)
        c = char(std::tolower(static_cast<unsigned char>(c)));
    return text;
}

} // namespace

CImageList* CSuperGridCtrl::CreateDragImageEx(int nRow)
{
    // The row's image and first-column text on the window colour; white is
    // the mask.
    CItemInfo* info = GetItemInfo(GetTreeItem(nRow));
    CRect row;
    if (!info || !GetWidget() || !GetItemRect(nRow, &row, LVIR_BOUNDS))
        return nullptr;
    const int width = std::max(1, GetColumnWidth(0));
    const int height = std::max(1, row.Height());
    auto* image = new CImageList;
    CDC dc;
    CBitmap bitmap;
    if (!image->Create(width, height, ILC_COLOR24 | ILC_MASK, 1, 1) || !dc.CreateCompatibleDC(nullptr)
        || !bitmap.CreateCompatibleBitmap(&dc, width, height)) {
        delete image;
        return nullptr;
    }
    CBitmap* old = dc.SelectObject(&bitmap);
    dc.FillSolidRect(0, 0, width, height, GetSysColor(COLOR_WINDOW));
    if (CImageList* images = GetImageList(LVSIL_SMALL); images && info->GetImage() >= 0)
        images->Draw(&dc, info->GetImage(), CPoint(0, 0), ILD_TRANSPARENT);
    if (CFont* font = GetFont())
        dc.SelectObject(font);
    dc.SetBkMode(TRANSPARENT);
    dc.TextOut(m_cxImage + 4, 0, info->GetItemText());
    dc.SelectObject(old);
    if (image->Add(&bitmap, RGB(255, 255, 255)) < 0) {
        delete image;
        return nullptr;
    }
    return image;
}

void CSuperGridCtrl::OnBeginDrag(NMHDR* pNMHDR, LRESULT* pResult)
{
    *pResult = 0;
    if (m_bIgnoreDrag || m_bIgnoreDragAfterSlowClick) {
        // The press that ended an edit does not start a drag.
        if (m_bIgnoreDrag)
            m_bIgnoreDrag = FALSE;
        else
            m_bIgnoreDragAfterSlowClick = FALSE;
        return;
    }
    auto* nm = reinterpret_cast<NMLISTVIEW*>(pNMHDR);
    CTreeItem* selected = GetTreeItem(GetSelectedItem());
    if (selected && selected->m_lpNodeInfo && selected->m_lpNodeInfo->m_nChannel)
        return;
    if (m_bSlowClickPending) {
        KillTimer(TIMER_SLOW_CLICK);
        m_bSlowClickPending = FALSE;
    }
    m_bDragStarting = TRUE;
    m_nDragItem = nm->iItem;
    m_pDragNode = GetTreeItem(nm->iItem);
    m_pDragImage = CreateDragImageEx(nm->iItem);
    if (m_pDragImage) {
        m_pDragImage->BeginDrag(0, CPoint(0, 0));
        m_pDragImage->DragEnter(this, nm->ptAction);
        SetCapture();
        m_bIsDragging = 1;
    }
    uint8_t record[TREE_DEVICE_RECORD_SIZE];
    FillDeviceRecord(m_pDragNode, record, false);
    SendToParent(WM_TREE_DRAG_BEGIN, WPARAM(record), 0);
}

int CSuperGridCtrl::DropTargetOf(int nRow) const
{
    CTreeItem* node = GetTreeItem(nRow);
    const CItemInfo* info = GetItemInfo(node);
    if (!info)
        return -1;
    if (info->m_bFolder && !info->m_nChannel)
        return nRow;
    CTreeItem* root = GetRootItem(node);
    if (!root || root == m_pYemRoot)
        return -1;
    return GetCurIndex(root);
}

void CSuperGridCtrl::OnMouseMove(UINT nFlags, CPoint point)
{
    if (!m_bIsDragging) {
        ListMouseMove(nFlags, point);
        return;
    }
    KillTimer(TIMER_DRAG);
    if (GetCapture() != this || nFlags == MK_RBUTTON || nFlags == MK_MBUTTON || GetKeyState(VK_ESCAPE) < 0) {
        EndDrag();
        return;
    }
    m_ptDrag = point;
    if (m_pDragImage)
        CImageList::DragMove(point);
    const int row = HitTest(point);
    const int target = row >= 0 ? DropTargetOf(row) : -1;
    if (target != m_nDropItem) {
        if (m_nDropItem >= 0)
            SetItemState(m_nDropItem, 0, LVIS_DROPHILITED);
        m_nDropItem = target;
        if (target >= 0 && target == row)
            SetItemState(target, LVIS_DROPHILITED, LVIS_DROPHILITED);
    }
    CRect client;
    GetListClientRect(&client);
    const int height = GetRowHeight();
    CTreeItem* over = GetTreeItem(m_nDropItem);
    if (point.y < client.top + GetHeaderHeight() + height || point.y > client.bottom - height
        || (over && ItemHasChildren(over) && over->m_bHideChildren))
        SetTimer(TIMER_DRAG, kDragTimerMs);
}

void CSuperGridCtrl::OnDragTimer()
{
    if (GetCapture() != this) {
        KillTimer(TIMER_DRAG);
        EndDrag();
        return;
    }
    SetTimer(TIMER_DRAG, kDragTimerMs);
    CRect client;
    GetListClientRect(&client);
    const int height = GetRowHeight();
    if (m_ptDrag.y < client.top + GetHeaderHeight() + height || m_ptDrag.y > client.bottom - height) {
        const int top = GetTopIndex();
        CImageList::DragShowNolock(FALSE);
        ScrollRows(m_ptDrag.y > client.bottom - height ? 1 : -1);
        CImageList::DragShowNolock(TRUE);
        if (GetTopIndex() == top)
            KillTimer(TIMER_DRAG);
        return;
    }
    CTreeItem* over = GetTreeItem(m_nDropItem);
    if (over && ItemHasChildren(over) && over->m_bHideChildren && OnItemExpanding(over, m_nDropItem)) {
        const int last = Expand(over, m_nDropItem);
        OnItemExpanded(over, m_nDropItem);
        over->m_lpNodeInfo->m_bExpanded = true;
        m_nDragItem = GetCurIndex(m_pDragNode);
        EnsureVisible(last, FALSE);
        InvalidateList();
    }
}

void CSuperGridCtrl::EndDrag()
{
    KillTimer(TIMER_DRAG);
    if (m_pDragImage) {
        CImageList::DragLeave(this);
        CImageList::EndDrag();
        delete m_pDragImage;
        m_pDragImage = nullptr;
    }
    if (GetCapture() == this)
        ReleaseCapture();
    if (m_nDropItem >= 0)
        SetItemState(m_nDropItem, 0, LVIS_DROPHILITED);
    m_bIsDragging = 0;
    m_bDragStarting = FALSE;
    InvalidateList();
}

void CSuperGridCtrl::OnLButtonUp(UINT nFlags, CPoint point)
{
    if (!m_bIsDragging) {
        m_bDragStarting = FALSE;
        ListLButtonUp(nFlags, point);
        return;
    }
    SendToParent(WM_TREE_DROP, 0, 0);
    const int target = m_nDropItem;
    CTreeItem* source = m_pDragNode;
    EndDrag();
    m_nDropItem = -1;
    if (source && target >= 0)
        DropItem(GetCurIndex(source), target);
}

int CSuperGridCtrl::CountDevicesUnder(const CTreeItem* pItem) const
{
    int count = 0;
    for (const CTreeItem* child : pItem->m_listChild) {
        const CItemInfo* info = child->m_lpNodeInfo;
        if (info && !info->m_bFolder && !info->m_nChannel)
            ++count;
        count += CountDevicesUnder(child);
    }
    return count;
}

BOOL CSuperGridCtrl::DropRefused(CTreeItem* pSource, CTreeItem*& pTarget)
{
    CTreeItem* sourceRoot = GetRootItem(pSource);
    CTreeItem* targetRoot = GetRootItem(pTarget);
    const CItemInfo* info = pSource->m_lpNodeInfo;
    if (m_nTreeNo == 2 && m_nRowLimit && sourceRoot != m_pMyRoot && targetRoot == m_pMyRoot
        && CountDevicesUnder(m_pMyRoot) >= m_nRowLimit) {
        AfxMessageBox("Over limit");
        return TRUE;
    }
    if (pTarget == pSource->m_pParent)
        return TRUE;
    if (pTarget->m_lpNodeInfo && !pTarget->m_lpNodeInfo->m_bFolder) {
        CTreeItem* up = pTarget->m_pParent;
        if (pTarget->m_lpNodeInfo->m_nChannel && up)
            up = up->m_pParent;
        if (!up || up == pSource->m_pParent)
            return TRUE;
        pTarget = up;
    }
    if (m_nTreeNo < 0 || m_nTreeNo > 2)
        return info->m_bFolder && sourceRoot == m_pMyRoot && targetRoot == m_pLocalRoot;
    if (info->m_bFolder) {
        if (sourceRoot == m_pMyRoot && targetRoot == m_pLocalRoot)
            return TRUE;
        if (m_pYemRoot && (sourceRoot == m_pYemRoot || (sourceRoot == m_pMyRoot && targetRoot == m_pYemRoot)))
            return TRUE;
        return FALSE;
    }
    if (m_pYemRoot && targetRoot == m_pYemRoot)
        return TRUE;
    if (m_pYemRoot && sourceRoot == m_pYemRoot && targetRoot == m_pLocalRoot)
        return TRUE;
    return FALSE;
}

BOOL CSuperGridCtrl::TakeOverLookupTwin(CTreeItem* pSource, CTreeItem* pTargetRoot)
{
    const CItemInfo* info = pSource->m_lpNodeInfo;
    const CString wanted = LookupMacText(info, true);
    CTreeItem* twin = nullptr;
    for (CTreeItem* node = GetNext(pTargetRoot, pTargetRoot); node != pTargetRoot;) {
        const CItemInfo* other = node->m_lpNodeInfo;
        if (node != pSource && other && !other->m_bFolder && !other->m_nChannel
            && LookupMacText(other, other->m_bInFile) == wanted) {
            twin = node;
            break;
        }
        CTreeItem* next = GetNext(pTargetRoot, node);
        if (next == node)
            break;
        node = next;
    }
    if (!twin)
        return FALSE;
    CItemInfo* row = twin->m_lpNodeInfo;
    row->m_bLookup = info->m_bLookup;
    std::memcpy(row->m_szLookupServer, info->m_szLookupServer, sizeof row->m_szLookupServer);
    std::memcpy(row->m_byGroupId, info->m_byGroupId, sizeof row->m_byGroupId);
    std::memcpy(row->m_byGroupRest, info->m_byGroupRest, sizeof row->m_byGroupRest);
    std::memcpy(row->m_szLookupText2, info->m_szLookupText2, sizeof row->m_szLookupText2);
    std::memcpy(row->m_szAddress, info->m_szAddress, sizeof row->m_szAddress);
    row->m_dwIp = info->m_dwIp;
    row->m_dwConfigPort = info->m_dwConfigPort;
    row->m_dwService1Port = info->m_dwService1Port;
    row->m_dwService2Port = info->m_dwService2Port;
    row->m_bFolder = false;
    row->m_bInFile = true;
    if (m_nOwnerMode != 2)
        row->SetImage(IMAGE_SEEN);
    if (CTreeItem* parent = twin->m_pParent; parent && parent->m_bHideChildren && GetCurIndex(parent) >= 0)
        Expand(parent, GetCurIndex(parent));
    SelectNode(twin);
    m_pClicked = twin;
    return TRUE;
}

CSuperGridCtrl::CTreeItem* CSuperGridCtrl::CopySubtree(CTreeItem* pSource, CTreeItem* pTarget, BOOL bShow)
{
    CItemInfo* copy = CopyData(pSource->m_lpNodeInfo);
    if (!copy) {
        copy = new CItemInfo;
        copy->CopyObjects(pSource->m_lpNodeInfo);
    }
    CTreeItem* node = InsertItem(pTarget, copy, bShow);
    if (!node) {
        delete copy;
        return nullptr;
    }
    for (CTreeItem* child : pSource->m_listChild)
        CopySubtree(child, node, FALSE);
    return node;
}

BOOL CSuperGridCtrl::MoveRow(CTreeItem* pSource, CTreeItem* pTarget)
{
    CTreeItem* sourceRoot = GetRootItem(pSource);
    CTreeItem* targetRoot = GetRootItem(pTarget);
    CItemInfo* info = pSource->m_lpNodeInfo;
    CWaitCursor wait;
    SetRedraw(FALSE);
    if (info->m_bFolder) {
        auto close = [](auto& self, CTreeItem* node) -> void {
            if (!node->m_lpNodeInfo->m_bFolder)
                return;
            node->m_lpNodeInfo->SetImage(IMAGE_CLOSED);
            node->m_lpNodeInfo->m_bExpanded = false;
            for (CTreeItem* child : node->m_listChild)
                self(self, child);
        };
        close(close, pSource);
    } else if (targetRoot == m_pLocalRoot && !info->m_szAddress[0]) {
        info->SetItemText(DottedIp(info->m_dwIp));
    }
    if (!IsRoot(pTarget)) {
        pTarget->m_lpNodeInfo->SetImage(IMAGE_OPEN);
        pTarget->m_lpNodeInfo->m_bExpanded = true;
    }
    if (pSource->m_pParent && pSource->m_pParent->m_listChild.size() == 1 && !IsRoot(pSource->m_pParent))
        pSource->m_pParent->m_lpNodeInfo->SetImage(IMAGE_CLOSED);

    // The copy goes in first, so that a name the target refuses leaves the
    // row where it was. Its whole subtree comes with it, wherever it goes.
    const bool shown = GetCurIndex(pTarget) >= 0 && !pTarget->m_bHideChildren;
    CTreeItem* copy = CopySubtree(pSource, pTarget, shown || pTarget->m_listChild.empty());
    if (!copy) {
        SetRedraw(TRUE);
        return FALSE;
    }
    if (!pSource->m_bHideChildren && ItemHasChildren(copy)) {
        const int row = GetCurIndex(copy);
        if (row >= 0)
            Expand(copy, row);
    }
    CItemInfo* moved = copy->m_lpNodeInfo;
    if (!moved->m_bFolder) {
        moved->m_bInFile = targetRoot == m_pMyRoot;
        if (targetRoot != m_pMyRoot)
            moved->m_bLookup = 0;
    }
    if (!(m_nTreeNo >= 0 && m_nTreeNo <= 2 && m_pYemRoot && sourceRoot == m_pYemRoot
            && targetRoot == m_pMyRoot))
        Delete(pSource);
    SelectNode(copy);
    m_pClicked = copy;

    if (sourceRoot != m_pMyRoot && targetRoot == m_pMyRoot) {
        moved->SetImage(m_nOwnerMode == 2 ? IMAGE_MY_DEVICE : moved->m_bOnline ? IMAGE_SEEN : IMAGE_NOT_SEEN);
        if (moved->m_bLookup) {
            unsigned mac[6] = {};
            char text[25] = {};
            std::memcpy(text, moved->m_szMacText, sizeof moved->m_szMacText);
            if (std::sscanf(text, "%x:%x:%x:%x:%x:%x", &mac[0], &mac[1], &mac[2], &mac[3], &mac[4], &mac[5])
                == 6)
                for (int i = 0; i < 6; ++i)
                    moved->m_byMac[i] = BYTE(mac[i]);
        }
        if (m_pParentWnd)
            m_pParentWnd->PostMessage(WM_TREE_ITEM_MOVED, 1, LPARAM(moved));
    } else if (sourceRoot == m_pMyRoot && targetRoot != m_pMyRoot) {
        if (m_nOwnerMode == 2)
            moved->SetImage(moved->m_bOnline ? IMAGE_SEEN : IMAGE_NOT_SEEN);
        SendToParent(WM_TREE_ITEM_MOVED, 0, 0);
    }
    return TRUE;
}

void CSuperGridCtrl::DropItem(int nDrag, int nDrop)
{
    CTreeItem* source = GetTreeItem(nDrag);
    const int targetRow = nDrop >= 0 ? DropTargetOf(nDrop) : -1;
    CTreeItem* target = GetTreeItem(targetRow);
    if (!source || !target || target == source || IsRoot(source) || !source->m_lpNodeInfo)
        return;
    if (DropRefused(source, target))
        return;
    CItemInfo* info = source->m_lpNodeInfo;
    CTreeItem* sourceRoot = GetRootItem(source);
    CTreeItem* targetRoot = GetRootItem(target);
    if (!info->m_bFolder && m_nTreeNo >= 0 && m_nTreeNo <= 2 && m_pYemRoot && sourceRoot == m_pYemRoot
        && targetRoot == m_pMyRoot)
        DeleteCamNotRoot(info->m_byMac);
    const bool tookOver = !info->m_bFolder && info->m_bLookup && sourceRoot != targetRoot
        && TakeOverLookupTwin(source, targetRoot);
    if (!tookOver && (IsAncestor(source, target) || !MoveRow(source, target)))
        return;
    SetRedraw(TRUE);
    InvalidateList();
    SendMessage(WM_TREE_SAVE);
}

} // namespace morrik
