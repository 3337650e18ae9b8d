// The tree-in-list control towards the user: button presses, double-clicks,
// keys, the plus/minus boxes, the delayed rename and drag tracking.
#include "devtree/SuperGridCtrl.h"

#include "controls/ListInPlaceEdit.h"
#include "link/DeviceHelpers.h"
#include "platform/ui/DC.h"
#include "platform/ui/ImageList.h"

#include <algorithm>
#include <cstring>
#include <memory>

namespace
{

constexpr UINT kEditDelayMs = 500;
constexpr UINT kDragScrollMs = 125;

} // namespace

BEGIN_MESSAGE_MAP(CSuperGridCtrl, CListCtrl)
ON_NOTIFY_REFLECT(NM_DBLCLK, OnDblclk)
ON_NOTIFY_REFLECT(LVN_ENDLABELEDIT, OnEndLabelEditNotify)
ON_NOTIFY_REFLECT(LVN_KEYDOWN, OnKeydown)
ON_NOTIFY_REFLECT(LVN_BEGINDRAG, OnBeginDrag)
ON_WM_LBUTTONDOWN()
ON_WM_LBUTTONUP()
ON_WM_MOUSEMOVE()
ON_WM_TIMER()
ON_WM_CREATE()
ON_MESSAGE(WM_INPLACE_EDIT_KEY, OnInPlaceEditKey)
END_MESSAGE_MAP()

int CSuperGridCtrl::OnCreate(LPCREATESTRUCT lpCreateStruct)
{
    if (CListCtrl::OnCreate(lpCreateStruct) == -1)
        return -1;
    m_hOwner = GetParentHandle();
    m_bFirstClick = 1;
    m_pPrevItem = m_pCurItem = nullptr;
    m_bSuppressDrag = m_bDragBegan = m_bEditPending = m_bDblclk = m_bSkipDragOnce = 0;
    m_bResetWidth = 1;
    m_bEditing = 0;
    return 0;
}

LRESULT CSuperGridCtrl::OnInPlaceEditKey(WPARAM, LPARAM)
{
    m_bDelayedEdit = 0;
    return 0;
}

CRect CSuperGridCtrl::BoxRect(int nRow) const
{
    const CTreeItem* node = NodeAtRow(nRow);
    CRect row;
    if (!node || !GetItemRect(nRow, &row, LVIR_BOUNDS))
        return CRect();
    const int half = m_cxImage / 2;
    const int x = m_cxImage * node->m_nIndent - half + row.left;
    const int y = row.top + (row.bottom - m_cyImage - row.top) / 2 + half;
    const int w = half + 3;
    const int h = m_cyImage / 2 + 3;
    return CRect(CPoint(x - w / 2, y - h / 2), CSize(w, h));
}

BOOL CSuperGridCtrl::ToggleNode(CTreeItem* node, int nRow)
{
    BOOL changed = FALSE;
    int last = nRow;
    SetRedraw(FALSE);
    if (node->m_bHideChildren) {
        if (OnItemExpanding(node, nRow)) {
            last = ExpandNode(node, nRow);
            OnItemExpanded(node, nRow);
            node->m_lpNodeInfo->m_bExpanded = 1;
            changed = TRUE;
        }
    } else if (OnCollapsing(node)) {
        CollapseNode(node);
        OnItemCollapsed(node);
        node->m_lpNodeInfo->m_bExpanded = 0;
        MarkFoldersClosed(node);
        changed = TRUE;
    }
    SetRedraw(TRUE);
    if (changed) {
        RepaintRow(nRow);
        EnsureVisible(last, FALSE);
    }
    return changed;
}

int CSuperGridCtrl::ClickOnBox(CPoint point, LVHITTESTINFO& ht)
{
    m_bResetWidth = 1;
    const int row = HitTest(point);
    if (row < 0)
        return 1;
    if (GetExtendedStyle() & LVS_EX_CHECKBOXES) {
        CRect icon, label;
        GetItemRect(row, &icon, LVIR_ICON);
        GetItemRect(row, &label, LVIR_LABEL);
        if (point.x >= icon.left && point.x < label.left && (ht.flags & LVHT_ONITEM)) {
            CItemInfo* info = GetItemInfo(NodeAtRow(row));
            const BOOL check = !GetCheck(row);
            SetCheck(row, check);
            if (info)
                info->SetCheck(check);
        }
    }
    CTreeItem* node = NodeAtRow(row);
    if (node && HasChildren(node) && BoxRect(row).PtInRect(point) && ToggleNode(node, row))
        return 0;
    return 1;
}

void CSuperGridCtrl::OnLButtonDown(UINT nFlags, CPoint point)
{
    m_bDblclk = 0;
    m_bIsDragging = 0;
    m_bSuppressDrag = 0;
    if (m_bEditPending) {
        KillTimer(TIMER_DELAYED_EDIT);
        m_bEditPending = 0;
    }
    LVHITTESTINFO ht {};
    ht.pt = point;
    SubItemHitTest(&ht);
    if (OnItemLButtonDown(ht) && ClickOnBox(point, ht) != 0 && ht.iItem >= 0) {
        m_nCurrentColumn = ht.iSubItem;
        ScrollToColumn(m_nCurrentColumn);
        ListLButtonDown(nFlags, point);
        if (m_bFirstClick) {
            m_pPrevItem = NodeAtRow(0);
            m_bFirstClick = 0;
        }
        m_pCurItem = NodeAtRow(ht.iItem);
        CTreeItem* top = TopOfNode(m_pCurItem);
        if (m_pCurItem == m_pPrevItem) {
            const bool noEdit = m_pCurItem == m_pMyRoot || (m_pLocalRoot && top == m_pLocalRoot)
                || (IsGroupA() && m_pServerRoot && top == m_pServerRoot) || m_bDragBegan || m_bDblclk;
            if (!noEdit) {
                m_EditHit = ht;
                m_EditPoint = point;
                m_nEditFlags = nFlags;
                m_bEditPending = 1;
                SetTimer(TIMER_DELAYED_EDIT, kEditDelayMs);
            }
        } else if (CItemInfo* info = GetItemInfo(m_pCurItem)) {
            if (m_pServerRoot && !info->m_bFolder && info->m_bLookup) {
                m_pPrevItem = m_pCurItem;
                ProbeLookedUpDevice(info);
                ReqFindMsg(info);
            }
            if (info->m_bFolder)
                SendToOwner(WM_DEVICE_CLEAR, WPARAM(m_pCurItem), 0);
            else
                SendClickedDevice(info);
        }
        m_pPrevItem = m_pCurItem;
        WriteServerSelection(m_pCurItem);
        RepaintRow(ht.iItem);
    }
    SetRedraw(TRUE);
}

void CSuperGridCtrl::SendClickedDevice(CItemInfo* info)
{
    info->m_dwFamily = m_nFamily;
    auto rec = std::make_unique<SELECTED_DEVICE>();
    BuildSelectedDevice(info, rec.get());
    // The password saved in the device's file record, not the item's copy.
    std::memset(rec->byPassword, 0, sizeof(rec->byPassword));
    rec->bPasswordSaved = GetSavedPassword(info, rec->byPassword) ? 1 : 0;
    if (info->m_bLookup) {
        char key[24];
        if (info->m_bKnown)
            FormatMacText(info->m_byMac, key, sizeof(key));
        else
            CItemInfo::SetText(
                key, sizeof(key), std::string(info->m_szKey, strnlen(info->m_szKey, 24)).c_str());
        CItemInfo::SetText(rec->szKey, sizeof(rec->szKey), key);
    }
    SendToOwner(WM_DEVICE_SELECT, WPARAM(rec.get()), 0);
}

void CSuperGridCtrl::WriteServerSelection(const CTreeItem* node)
{
    std::memset(&m_ServerSelection, 0, sizeof(m_ServerSelection));
    const CItemInfo* info = GetItemInfo(node);
    if (!info || !IsGroupA() || !m_pServerRoot || TopOfNode(const_cast<CTreeItem*>(node)) != m_pServerRoot)
        return;
    m_ServerSelection.bInServerBranch = 1;
    if (info->m_bFolder) {
        m_ServerSelection.bFolder = 1;
        std::memcpy(
            m_ServerSelection.szServerName, info->m_szLookupHost, sizeof(m_ServerSelection.szServerName));
        if (info->m_bGroupId)
            m_ServerSelection.bGroupId = 1;
        else
            std::memcpy(m_ServerSelection.byGroupId, info->m_byLookup, sizeof(m_ServerSelection.byGroupId));
    } else {
        std::memcpy(m_ServerSelection.byMac, info->m_byMac, 6);
    }
}

void CSuperGridCtrl::OnDblclk(NMHDR* pNMHDR, LRESULT* pResult)
{
    *pResult = 0;
    m_bDblclk = 1;
    const auto* nm = reinterpret_cast<const NMLISTVIEW*>(pNMHDR);
    LVHITTESTINFO ht {};
    ht.pt = nm->ptAction;
    SubItemHitTest(&ht);
    if (!OnItemLButtonDown(ht) || ClickOnBox(CPoint(nm->ptAction), ht) == 0 || ht.iItem < 0)
        return;
    const int row = SelectedRow();
    CTreeItem* node = NodeAtRow(row);
    CItemInfo* info = GetItemInfo(node);
    if (!info)
        return;
    if (info->m_bFolder) {
        if (HasChildren(node))
            ToggleNode(node, row);
        return;
    }
    SELECTED_DEVICE rec;
    BuildSelectedDevice(info, &rec);
    std::memset(rec.byPassword, 0, sizeof(rec.byPassword));
    rec.bPasswordSaved = GetSavedPassword(info, rec.byPassword) ? 1 : 0;
    rec.dwHttpPort = rec.dwStreamPort = rec.dwConfigPort = 0;
    OnDeviceDblclk(&rec);
}

void CSuperGridCtrl::OnKeydown(NMHDR* pNMHDR, LRESULT* pResult)
{
    const WORD key = reinterpret_cast<const NMLVKEYDOWN*>(pNMHDR)->wVKey;
    if (key == VK_RETURN)
        IsDblclk();
    *pResult = 0;
}

BOOL CSuperGridCtrl::PreTranslateKey(UINT message, WPARAM wParam)
{
    if (message != WM_KEYDOWN)
        return FALSE;
    switch (WORD(wParam)) {
    case VK_ESCAPE:
        // Escape ends a drag without a drop.
        if (!m_bIsDragging)
            return FALSE;
        EndDrag();
        return TRUE;
    case VK_LEFT:
    case VK_RIGHT:
        // The arrows move the current column; rows change only by the mouse.
        m_nCurrentColumn = WORD(wParam) == VK_LEFT ? std::max(0, m_nCurrentColumn - 1)
                                                   : std::min(GetColumnCount() - 1, m_nCurrentColumn + 1);
        ScrollToColumn(m_nCurrentColumn);
        RepaintRow(SelectedRow());
        return TRUE;
    case VK_UP:
    case VK_DOWN:
        return TRUE;
    default:
        return FALSE;
    }
}

LRESULT CSuperGridCtrl::WindowProc(UINT message, WPARAM wParam, LPARAM lParam)
{
    if (PreTranslateKey(message, wParam))
        return 0;
    return CListCtrl::WindowProc(message, wParam, lParam);
}

void CSuperGridCtrl::OnEndLabelEditNotify(NMHDR* pNMHDR, LRESULT* pResult)
{
    const auto* info = reinterpret_cast<const NMLVDISPINFO*>(pNMHDR);
    EndLabelEdit(info->item.iItem, info->item.pszText);
    *pResult = 0;
}

void CSuperGridCtrl::OnTimer(UINT_PTR nIDEvent)
{
    if (nIDEvent == TIMER_DELAYED_EDIT) {
        KillTimer(TIMER_DELAYED_EDIT);
        m_bEditPending = 0;
        if (!m_bDblclk && !m_bIsDragging) {
            m_bDelayedEdit = 1;
            StartLabelEdit(m_nEditFlags, m_EditPoint, m_EditHit);
            m_bDblclk = 0;
        }
    } else if (nIDEvent == TIMER_DRAG_SCROLL) {
        OnDragTimer();
    }
}

void CSuperGridCtrl::StartLabelEdit(UINT nFlags, CPoint point, LVHITTESTINFO& ht)
{
    (void)nFlags;
    (void)point;
    if (ht.iSubItem == 0 && !m_bDragBegan && ht.iItem >= 0 && ht.iItem < GetItemCount()) {
        CRect label;
        GetItemRect(ht.iItem, &label, LVIR_LABEL);
        if (OpenLabelEditor(ht.iItem, label)) {
            m_bEditing = 1;
            m_nEditingRow = ht.iItem;
        }
    }
    m_bDragBegan = 0;
}

BOOL CSuperGridCtrl::OpenLabelEditor(int nRow, const CRect& rect)
{
    // Without a window there is nothing to show; the edit state is kept.
    if (!GetWidget())
        return TRUE;
    auto* edit = new CListInPlaceEdit(nRow, 0, GetItemText(nRow, 0));
    s_pEdit = edit;
    if (!edit->Create(WS_CHILD | WS_VISIBLE | WS_BORDER | ES_AUTOHSCROLL, rect, this, IDC_TREE_LABEL_EDIT)) {
        s_pEdit = nullptr;
        return FALSE;
    }
    // Shown now, the edit can take the keyboard.
    edit->SetFocus();
    return TRUE;
}

void CSuperGridCtrl::BeginDragImage(CImageList* pImage, CPoint point)
{
    // The drag keeps its own copy of the picture.
    if (pImage && pImage->BeginDrag(0, CPoint(0, 0)))
        CImageList::DragEnter(this, point);
    delete pImage;
    if (GetWidget())
        SetCapture();
}

void CSuperGridCtrl::MoveDragImage(CPoint point)
{
    CImageList::DragMove(point);
}

void CSuperGridCtrl::ShowDragImage(BOOL bShow)
{
    CImageList::DragShowNolock(bShow);
}

void CSuperGridCtrl::EndDragImage()
{
    CImageList::DragLeave(this);
    CImageList::EndDrag();
    if (GetWidget() && CWnd::GetCapture() == this)
        ReleaseCapture();
}

BOOL CSuperGridCtrl::HasDragCapture()
{
    return !GetWidget() || CWnd::GetCapture() == this;
}

CImageList* CSuperGridCtrl::CreateDragImageEx(int nRow)
{
    // The row's icon and first-column text on the window colour; white is
    // the mask.
    CRect row;
    CTreeItem* node = NodeAtRow(nRow);
    CImageList* small = GetImageList(LVSIL_SMALL);
    if (!GetWidget() || !node || !GetItemRect(nRow, &row, LVIR_BOUNDS))
        return nullptr; // a list without a window shows no picture
    const int cx = std::max(1, GetColumnWidth(0));
    const int cy = std::max(1, row.Height());
    auto* list = new CImageList;
    CDC mem;
    CBitmap bitmap;
    if (!list->Create(cx, cy, ILC_COLOR24 | ILC_MASK, 1, 1) || !mem.CreateCompatibleDC(nullptr)
        || !bitmap.CreateCompatibleBitmap(&mem, cx, cy)) {
        delete list;
        return nullptr;
    }
    CBitmap* old = mem.SelectObject(&bitmap);
    mem.FillSolidRect(0, 0, cx, cy, GetSysColor(COLOR_WINDOW));
    if (small)
        small->Draw(&mem, GetIcon(node), CPoint(0, 0), ILD_NORMAL);
    mem.SetBkMode(TRANSPARENT);
    mem.TextOut(m_cxImage + 4, 0, GetItemText(nRow, 0));
    mem.SelectObject(old);
    if (list->Add(&bitmap, RGB(255, 255, 255)) < 0) {
        delete list;
        return nullptr;
    }
    return list;
}

// Drag and drop.

void CSuperGridCtrl::OnBeginDrag(NMHDR* pNMHDR, LRESULT* pResult)
{
    *pResult = 0;
    if (m_bSkipDragOnce) {
        m_bSkipDragOnce = 0;
        return;
    }
    m_bDragBegan = 1;
    if (m_bSuppressDrag) {
        m_bSuppressDrag = 0;
        return;
    }
    const auto* nm = reinterpret_cast<const NMLISTVIEW*>(pNMHDR);
    m_nDragItem = nm->iItem;
    // Rows move under a drag when discovery adds or removes devices; the
    // drop moves the node that was picked up.
    m_pDragNode = NodeAtRow(m_nDragItem);
    // The picture under the pointer is a nicety; the drag works without it.
    CImageList* image = CreateDragImageEx(m_nDragItem);
    BeginDragImage(image, CPoint(nm->ptAction));
    m_bIsDragging = 1;
}

void CSuperGridCtrl::EndDrag()
{
    // The highlighted row may have moved since it was lit.
    if (m_nDropTarget >= 0)
        SetItemState(-1, 0, LVIS_DROPHILITED);
    m_nDropTarget = -1;
    m_bIsDragging = 0;
    m_bDragBegan = 0;
    KillTimer(TIMER_DRAG_SCROLL);
    EndDragImage();
    RedrawItems(0, GetItemCount() - 1);
}

void CSuperGridCtrl::OnMouseMove(UINT nFlags, CPoint point)
{
    m_ptLastMove = point;
    if (!m_bIsDragging) {
        ListMouseMove(nFlags, point);
        return;
    }
    KillTimer(TIMER_DRAG_SCROLL);
    if (!HasDragCapture() || nFlags == MK_RBUTTON || nFlags == MK_MBUTTON || IsEscapeDown()) {
        EndDrag();
        return;
    }
    MoveDragImage(point);
    UINT flags = 0;
    const int row = HitTest(point, &flags);
    const int target = (flags & LVHT_ONITEM) ? row : -1;
    if (target != m_nDropTarget) {
        if (m_nDropTarget >= 0)
            SetItemState(m_nDropTarget, 0, LVIS_DROPHILITED);
        if (target >= 0)
            SetItemState(target, LVIS_DROPHILITED, LVIS_DROPHILITED);
        m_nDropTarget = target;
    }
    CRect client;
    GetListClientRect(&client);
    const CTreeItem* node = NodeAtRow(target);
    if (point.y < client.top + m_cyImage || point.y > client.bottom - m_cyImage
        || (node && HasChildren(node) && node->m_bHideChildren))
        SetTimer(TIMER_DRAG_SCROLL, kDragScrollMs);
}

void CSuperGridCtrl::OnDragTimer()
{
    if (!m_bIsDragging || !HasDragCapture()) {
        EndDrag();
        return;
    }
    SetTimer(TIMER_DRAG_SCROLL, kDragScrollMs);
    const CPoint point = m_ptLastMove;
    CRect client;
    GetListClientRect(&client);
    const bool nearTop = point.y < client.top + m_cyImage;
    if (nearTop || point.y > client.bottom - m_cyImage) {
        const int top = GetTopIndex();
        ShowDragImage(FALSE); // not scrolled along with the rows
        Scroll(CSize(0, nearTop ? -GetRowHeight() : GetRowHeight()));
        ShowDragImage(TRUE);
        if (GetTopIndex() != top) {
            MoveDragImage(point);
            return;
        }
        KillTimer(TIMER_DRAG_SCROLL);
    }
    MoveDragImage(point);
    const int row = HitTest(point);
    CTreeItem* node = NodeAtRow(row);
    if (node && HasChildren(node) && node->m_bHideChildren && m_nDragItem >= 0
        && OnItemExpanding(node, row)) {
        ShowDragImage(FALSE);
        SetRedraw(FALSE);
        const int last = ExpandNode(node, row);
        OnItemExpanded(node, row);
        m_nDragItem = RowOfNode(m_pDragNode);
        SetRedraw(TRUE);
        EnsureVisible(last, FALSE);
        ShowDragImage(TRUE);
        KillTimer(TIMER_DRAG_SCROLL);
    }
}

void CSuperGridCtrl::OnLButtonUp(UINT nFlags, CPoint point)
{
    if (!m_bIsDragging) {
        ListLButtonUp(nFlags, point);
        return;
    }
    UINT flags = 0;
    const int row = HitTest(point, &flags);
    CTreeItem* dragged = m_pDragNode;
    EndDrag();
    DropNode(dragged, (flags & LVHT_ONITEM) ? row : -1);
}
