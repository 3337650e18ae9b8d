// The tree-grid towards the user: clicks, double clicks, keys, the slow
// click that opens an edit, and the editors' results.
#include "explorer/GridCellEdit.h"
#include "explorer/MorrikResources.h"
#include "explorer/SuperGridCtrl.h"
#include "resources/morrik/Resource.h"

#include "platform/ui/KeyState.h"

#include <algorithm>
#include <cstring>

namespace morrik
{

namespace
{

constexpr UINT kSlowClickMs = 500;

} // namespace

BEGIN_MESSAGE_MAP(CSuperGridCtrl, CListCtrl)
ON_NOTIFY_REFLECT(NM_DBLCLK, OnDblclk)
ON_NOTIFY_REFLECT(LVN_ENDLABELEDIT, OnEndLabelEdit)
ON_NOTIFY_REFLECT(LVN_BEGINLABELEDIT, OnBeginLabelEdit)
ON_NOTIFY_REFLECT(LVN_KEYDOWN, OnKeydown)
ON_NOTIFY_REFLECT(LVN_BEGINDRAG, OnBeginDrag)
ON_WM_CREATE()
ON_WM_LBUTTONDOWN()
ON_WM_LBUTTONUP()
ON_WM_RBUTTONDOWN()
ON_WM_MOUSEMOVE()
ON_WM_TIMER()
ON_WM_HSCROLL()
ON_WM_VSCROLL()
END_MESSAGE_MAP()

int CSuperGridCtrl::OnCreate(LPCREATESTRUCT lpCreateStruct)
{
    if (CListCtrl::OnCreate(lpCreateStruct) == -1)
        return -1;
    m_pParentWnd = GetParent();
    m_bEditing = m_bSlowClickPending = m_bSlowClickMark = m_bIgnoreDrag = m_bDragStarting = FALSE;
    m_bIsDragging = 0;
    m_pPrevClicked = m_pClicked = nullptr;
    return 0;
}

void CSuperGridCtrl::OnEditorKey()
{
    m_bSlowClickMark = FALSE;
}

BOOL CSuperGridCtrl::PreTranslateMessage(MSG* pMsg)
{
    if (pMsg->message == WM_KEYDOWN && pMsg->hwnd == m_hWnd) {
        const WPARAM key = pMsg->wParam;
        if (key == VK_LEFT || key == VK_RIGHT) {
            const int column
                = std::clamp(m_CurSubItem + (key == VK_LEFT ? -1 : 1), 0, std::max(0, GetColumnCount() - 1));
            if (column != m_CurSubItem) {
                m_CurSubItem = column;
                const int row = GetSelectedItem();
                CRect cell;
                if (row >= 0 && GetSubItemRect(row, column, LVIR_BOUNDS, cell)) {
                    CRect client;
                    GetListClientRect(&client);
                    if (cell.left < client.left || cell.right > client.right)
                        Scroll(CSize(
                            cell.left < client.left ? cell.left - client.left : cell.right - client.right,
                            0));
                    RedrawItems(row, row);
                }
            }
            return TRUE;
        }
        if (key == VK_UP || key == VK_DOWN)
            return TRUE;
        if (key == VK_RETURN && OnVkReturn())
            return TRUE;
    }
    return CListCtrl::PreTranslateMessage(pMsg);
}

void CSuperGridCtrl::OnKeydown(NMHDR*, LRESULT* pResult)
{
    *pResult = 0;
}

void CSuperGridCtrl::OnBeginLabelEdit(NMHDR*, LRESULT* pResult)
{
    *pResult = 0;
}

void CSuperGridCtrl::OnLButtonDown(UINT nFlags, CPoint point)
{
    if (GetFocus() != this)
        SetFocus();
    if (m_bSlowClickPending) {
        KillTimer(TIMER_SLOW_CLICK);
        m_bSlowClickPending = FALSE;
    }
    m_bDragStarting = FALSE;
    LVHITTESTINFO ht {};
    ht.pt = point;
    SubItemHitTest(&ht);
    // The check box of a row.
    if (ht.iItem >= 0 && (GetExtendedStyle() & LVS_EX_CHECKBOXES)) {
        CRect icon, label;
        GetItemRect(ht.iItem, &icon, LVIR_ICON);
        GetItemRect(ht.iItem, &label, LVIR_LABEL);
        if ((ht.flags & LVHT_ONITEM) && point.x >= icon.left && point.x < label.left) {
            const BOOL check = !GetCheck(ht.iItem);
            SetCheck(ht.iItem, check);
            if (CItemInfo* info = GetItemInfo(GetTreeItem(ht.iItem)))
                info->SetCheck(check);
        }
    }
    if (!OnItemLButtonDown(ht))
        return;
    CTreeItem* node = ht.iItem >= 0 ? GetTreeItem(ht.iItem) : nullptr;
    if (node && ItemHasChildren(node) && BoxRect(ht.iItem).PtInRect(point)) {
        Toggle(node, ht.iItem);
        return;
    }
    if (!node)
        return;
    m_CurSubItem = std::max(0, ht.iSubItem);
    ListLButtonDown(nFlags, point);
    ClickRow(node, ht.iItem, point);
    if (m_nTreeNo <= 2)
        RememberYemSelection(node);
    if (node == m_pPrevClicked) {
        if (!m_bDragStarting && !m_bEditing && !m_bIsDragging) {
            CTreeItem* root = GetRootItem(node);
            CRect icon, label;
            GetItemRect(ht.iItem, &icon, LVIR_ICON);
            GetItemRect(ht.iItem, &label, LVIR_LABEL);
            const bool onIcon = point.x >= icon.left && point.x < label.left;
            const CItemInfo* info = node->m_lpNodeInfo;
            const bool noEdit = node == m_pMyRoot || (m_pLocalRoot && root == m_pLocalRoot)
                || (m_nTreeNo <= 2 && onIcon) || (info && info->m_nChannel)
                || (m_pYemRoot && root == m_pYemRoot);
            if (!noEdit) {
                m_slowClickHit = ht;
                m_slowClickPoint = point;
                m_slowClickFlags = nFlags;
                m_bSlowClickPending = TRUE;
                SetTimer(TIMER_SLOW_CLICK, kSlowClickMs);
            }
        }
    } else if (CItemInfo* info = GetItemInfo(node); info && !info->m_bFolder && info->m_bLookup) {
        ReqFindMsg(info);
    }
    m_pPrevClicked = node;
    m_pClicked = node;
    SetRedraw(TRUE);
    InvalidateList();
}

void CSuperGridCtrl::OnRButtonDown(UINT nFlags, CPoint point)
{
    // The row under a right click is the one its context menu is for.
    LVHITTESTINFO ht {};
    ht.pt = point;
    SubItemHitTest(&ht);
    if (ht.iItem >= 0)
        m_CurSubItem = std::max(0, ht.iSubItem);
    CListCtrl::OnRButtonDown(nFlags, point);
    if (ht.iItem >= 0) {
        SetItemState(ht.iItem, LVIS_SELECTED | LVIS_FOCUSED, LVIS_SELECTED | LVIS_FOCUSED);
        m_pClicked = GetTreeItem(ht.iItem);
    }
}

void CSuperGridCtrl::ClickRow(CTreeItem* pItem, int nRow, CPoint point)
{
    CItemInfo* info = pItem->m_lpNodeInfo;
    if (info->m_bFolder) {
        if (info->GetImage() == IMAGE_CLOSED)
            SendToParent(WM_TREE_ITEM_CLICK, 0, 2);
        else if (info->GetImage() == IMAGE_MY_ROOT)
            SendToParent(WM_TREE_ITEM_CLICK, 0, 3);
        return;
    }
    if (m_nTreeNo != 2 || m_bDragStarting)
        return;
    uint8_t record[TREE_DEVICE_RECORD_SIZE];
    FillDeviceRecord(pItem, record, true);
    if (info->m_nChannel) {
        const bool on = info->GetImage() != IMAGE_CHANNEL_ON;
        info->SetImage(on ? IMAGE_CHANNEL_ON : IMAGE_CHANNEL_OFF);
        record[DeviceRecord::ChannelOn] = on ? 1 : 0;
        SendToParent(WM_TREE_ITEM_CLICK, WPARAM(record), 0);
        return;
    }
    if (m_nOwnerMode == 2 && GetRootItem(pItem) != m_pMyRoot)
        return;
    CRect icon, label;
    GetItemRect(nRow, &icon, LVIR_ICON);
    GetItemRect(nRow, &label, LVIR_LABEL);
    const bool onIcon = point.x >= icon.left && point.x < label.left;
    SendToParent(WM_TREE_ITEM_CLICK, WPARAM(record), onIcon ? 1 : 0);
}

void CSuperGridCtrl::RememberYemSelection(const CTreeItem* pItem)
{
    m_yemSelection = YEM_SELECTION {};
    if (!m_pYemRoot || GetRootItem(const_cast<CTreeItem*>(pItem)) != m_pYemRoot)
        return;
    const CItemInfo* info = pItem->m_lpNodeInfo;
    m_yemSelection.bSelected = TRUE;
    m_yemSelection.bFolder = info->m_bFolder;
    std::memcpy(m_yemSelection.szServer, info->m_szLookupServer, sizeof m_yemSelection.szServer);
    m_yemSelection.szServer[sizeof m_yemSelection.szServer - 1] = 0;
    if (info->m_bFolder) {
        m_yemSelection.bGroup = info->m_bGroupFolder;
        std::memcpy(m_yemSelection.bySettings, info->m_byGroupId, sizeof m_yemSelection.bySettings);
    } else {
        std::memcpy(m_yemSelection.byMac, info->m_byMac, sizeof m_yemSelection.byMac);
    }
}

// Scrolling by the bars brings the focus to the grid, so that the keys go
// on where the user is looking.
void CSuperGridCtrl::OnHScroll(UINT nSBCode, UINT nPos, CScrollBar* pScrollBar)
{
    if (GetFocus() != this)
        SetFocus();
    CListCtrl::OnHScroll(nSBCode, nPos, pScrollBar);
}

void CSuperGridCtrl::OnVScroll(UINT nSBCode, UINT nPos, CScrollBar* pScrollBar)
{
    if (GetFocus() != this)
        SetFocus();
    CListCtrl::OnVScroll(nSBCode, nPos, pScrollBar);
}

void CSuperGridCtrl::OnTimer(UINT_PTR nIDEvent)
{
    if (nIDEvent == TIMER_SLOW_CLICK) {
        KillTimer(TIMER_SLOW_CLICK);
        if (!m_bSlowClickPending)
            return;
        m_bSlowClickPending = FALSE;
        m_bSlowClickMark = TRUE;
        // The base's edit over the label, whatever a derived grid does.
        CSuperGridCtrl::OnControlLButtonDown(m_slowClickFlags, m_slowClickPoint, m_slowClickHit);
        return;
    }
    if (nIDEvent == TIMER_DRAG) {
        OnDragTimer();
        return;
    }
    CListCtrl::OnTimer(nIDEvent);
}

void CSuperGridCtrl::OnDblclk(NMHDR*, LRESULT* pResult)
{
    *pResult = 0;
    if (m_bSlowClickPending) {
        KillTimer(TIMER_SLOW_CLICK);
        m_bSlowClickPending = FALSE;
    }
    CPoint point;
    GetCursorPos(&point);
    ScreenToClient(&point);
    LVHITTESTINFO ht {};
    ht.pt = point;
    SubItemHitTest(&ht);
    if (ht.iItem < 0 || !OnItemLButtonDown(ht) || BoxRect(ht.iItem).PtInRect(point))
        return;
    CTreeItem* node = GetTreeItem(ht.iItem);
    CItemInfo* info = GetItemInfo(node);
    if (!info)
        return;
    if (info->m_bFolder) {
        if (ItemHasChildren(node))
            Toggle(node, ht.iItem);
    } else {
        IsDblclk(info);
    }
}

void CSuperGridCtrl::OnControlLButtonDown(UINT, CPoint, LVHITTESTINFO& ht)
{
    if (ht.iSubItem == 0 && !m_bDragStarting)
        EditLabel(ht.iItem);
}

void CSuperGridCtrl::EditLabel(int nRow)
{
    CItemInfo* info = GetItemInfo(GetTreeItem(nRow));
    if (!info)
        return;
    EnsureVisible(nRow, FALSE);
    CRect row;
    GetItemRect(nRow, &row, LVIR_BOUNDS);
    const CTreeItem* node = GetTreeItem(nRow);
    CRect rect(
        row.left + (node->m_nIndent + 1) * m_cxImage + 2, row.top, row.left + GetColumnWidth(0), row.bottom);
    auto* edit = new CGridCellEdit(nRow, 0, info->GetItemText());
    if (!edit->Create(WS_CHILD | WS_VISIBLE | WS_BORDER | ES_AUTOHSCROLL, rect, this, IDC_GRID_LABEL_EDIT)) {
        delete edit;
        return;
    }
    m_bEditing = TRUE;
    m_nEditRow = nRow;
    m_nEditColumn = 0;
    m_strEditText = info->GetItemText();
    edit->SetFocus();
}

void CSuperGridCtrl::EditCell(int nRow, int nColumn)
{
    CItemInfo* info = GetItemInfo(GetTreeItem(nRow));
    if (!info || nColumn < 0 || nColumn >= GetColumnCount())
        return;
    if (nColumn == 0) {
        EditLabel(nRow);
        return;
    }
    EnsureVisible(nRow, FALSE);
    CRect cell, client;
    GetSubItemRect(nRow, nColumn, LVIR_BOUNDS, cell);
    GetListClientRect(&client);
    if (cell.right > client.right)
        Scroll(CSize(cell.right - client.right, 0));
    else if (cell.left < client.left)
        Scroll(CSize(cell.left - client.left, 0));
    GetSubItemRect(nRow, nColumn, LVIR_BOUNDS, cell);
    if (info->GetSubItemImage(nColumn - 1) >= 0)
        cell.left += m_cxImage;
    LVCOLUMN lvc {};
    lvc.mask = LVCF_FMT;
    GetColumn(nColumn, &lvc);
    const DWORD align = (lvc.fmt & LVCFMT_JUSTIFYMASK) == LVCFMT_RIGHT ? ES_RIGHT
        : (lvc.fmt & LVCFMT_JUSTIFYMASK) == LVCFMT_CENTER              ? ES_CENTER
                                                                       : ES_LEFT;
    auto* edit = new CGridCellEdit(nRow, nColumn, info->GetSubItem(nColumn - 1));
    if (!edit->Create(
            WS_CHILD | WS_VISIBLE | WS_BORDER | ES_AUTOHSCROLL | align, cell, this, IDC_GRID_CELL_EDIT)) {
        delete edit;
        return;
    }
    m_bEditing = TRUE;
    m_nEditRow = nRow;
    m_nEditColumn = nColumn;
    edit->SetFocus();
}

void CSuperGridCtrl::OnEndLabelEdit(NMHDR* pNMHDR, LRESULT* pResult)
{
    *pResult = 0;
    auto* info = reinterpret_cast<NMLVDISPINFO*>(pNMHDR);
    EndEdit(info->item.iItem, info->item.iSubItem, info->item.pszText);
}

void CSuperGridCtrl::EndEdit(int nRow, int nColumn, const char* text)
{
    m_bEditing = FALSE;
    m_bIgnoreDrag = TRUE;
    if (m_bSlowClickMark && !text)
        m_bIgnoreDragAfterSlowClick = TRUE;
    m_bSlowClickMark = FALSE;
    CTreeItem* node = GetTreeItem(nRow);
    CItemInfo* info = GetItemInfo(node);
    if (text && info) {
        CTreeItem* parent = node->m_pParent;
        if (nColumn == 0 && parent && ChildWithText(parent, text, node)) {
            MorrikMessageBox(IDS_TREE_NAME_USED);
            EditLabel(nRow);
            return;
        }
        LVITEM lvi {};
        lvi.iItem = nRow;
        lvi.iSubItem = nColumn;
        lvi.pszText = const_cast<char*>(text);
        OnUpdateListViewItem(node, &lvi);
        if (parent && nColumn == 0) {
            // The new text sorts the row among its siblings; the parent is
            // shown again in the new order.
            Sort(parent, FALSE);
            const int parentRow = GetCurIndex(parent);
            if (parentRow >= 0 && OnCollapsing(parent)) {
                Collapse(parent);
                OnItemCollapsed(parent);
                if (OnItemExpanding(parent, parentRow)) {
                    Expand(parent, parentRow);
                    OnItemExpanded(parent, parentRow);
                }
                RestoreExpansion(parent);
            }
            if (!IsRoot(parent))
                parent->m_lpNodeInfo->m_bExpanded = true;
            const int row = GetCurIndex(node);
            if (row >= 0) {
                EnsureVisible(row, FALSE);
                RedrawItems(row, row);
            }
        }
        CItemInfo copy;
        copy.CopyObjects(info);
        if (info->m_nChannel && parent && parent->m_lpNodeInfo) {
            // A channel row speaks for its device.
            const CItemInfo* device = parent->m_lpNodeInfo;
            std::memcpy(copy.m_szSerial, device->m_szSerial, sizeof copy.m_szSerial);
            std::memcpy(copy.m_byMac, device->m_byMac, sizeof copy.m_byMac);
            std::memcpy(copy.m_szAddress, device->m_szAddress, sizeof copy.m_szAddress);
            copy.m_dwConfigPort = device->m_dwConfigPort;
        }
        SendToParent(WM_TREE_RENAME_CHANNEL, WPARAM(&copy), 0);
    }
    SendMessage(WM_TREE_SAVE);
}

void CSuperGridCtrl::FillDeviceRecord(
    const CTreeItem* pItem, uint8_t record[TREE_DEVICE_RECORD_SIZE], bool click) const
{
    std::memset(record, 0, TREE_DEVICE_RECORD_SIZE);
    const CItemInfo* info = GetItemInfo(pItem);
    if (!info)
        return;
    const CItemInfo* device = info;
    if (click && info->m_nChannel && pItem->m_pParent && pItem->m_pParent->m_lpNodeInfo)
        device = pItem->m_pParent->m_lpNodeInfo;
    auto text = [&](size_t offset, const char* src, size_t srcSize, size_t width) {
        std::memcpy(record + offset, src, std::min(strnlen(src, srcSize), width - 1));
    };
    const CString& name = device->GetItemText();
    text(DeviceRecord::Name, name.GetString(), size_t(name.GetLength()), 50);
    text(DeviceRecord::Model, info->m_szModel, sizeof info->m_szModel, 32);
    text(DeviceRecord::Version, info->m_szVersion2, sizeof info->m_szVersion2, 32);
    std::memcpy(record + DeviceRecord::Serial, info->m_szSerial, 24);
    std::memcpy(record + DeviceRecord::Ip, &info->m_dwIp, 4);
    text(DeviceRecord::Address, info->m_szAddress, sizeof info->m_szAddress, 128);
    std::memcpy(record + DeviceRecord::Mac, info->m_byMac, 6);
    text(DeviceRecord::LookupServer, info->m_szLookupServer, sizeof info->m_szLookupServer, 32);
    const bool lookupText = info->m_szLookupText2[0] != 0;
    if (click)
        std::memcpy(record + DeviceRecord::LookupSettings, info->m_byGroupId,
            strnlen(reinterpret_cast<const char*>(info->m_byGroupId), 16));
    else if (lookupText)
        std::memcpy(record + DeviceRecord::LookupSettings, info->m_byGroupId, 16);
    record[DeviceRecord::HasLookupText] = !click && lookupText ? 1 : 0;
    const uint32_t service1 = device->m_dwService1Port, service2 = device->m_dwService2Port;
    std::memcpy(record + DeviceRecord::Service1Port, &service1, 4);
    std::memcpy(record + DeviceRecord::Service2Port, &service2, 4);
    if (!click)
        return;
    if (info->m_nChannel) {
        const int32_t channel = info->m_nChannel;
        std::memcpy(record + DeviceRecord::Channel, &channel, 4);
        return;
    }
    record[DeviceRecord::InFile] = info->m_bInFile ? 1 : 0;
    std::memcpy(record + DeviceRecord::ConfigPort, &info->m_dwConfigPort, 4);
    if (!info->m_bOnline && info->GetImage() == IMAGE_MY_DEVICE) {
        std::memset(record + DeviceRecord::Discovery, 0, DeviceRecord::Serial - DeviceRecord::Discovery);
        std::memset(record + DeviceRecord::LookupServer, 0,
            DeviceRecord::LookupSettings - DeviceRecord::LookupServer);
    }
    // The device's own name, key and ports, and its address as a dotted text.
    text(DeviceRecord::Name, name.GetString(), size_t(name.GetLength()), 50);
    std::memcpy(record + DeviceRecord::Serial, info->m_szSerial, 24);
    std::memcpy(record + DeviceRecord::Mac, info->m_byMac, 6);
    std::memcpy(record + DeviceRecord::Ip, &info->m_dwIp, 4);
    std::memset(record + DeviceRecord::Address, 0, 128);
    const CString dotted = DottedIp(info->m_dwIp);
    std::memcpy(record + DeviceRecord::Address, dotted.GetString(), size_t(dotted.GetLength()));
}

} // namespace morrik
