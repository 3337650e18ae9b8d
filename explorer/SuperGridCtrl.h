// CSuperGridCtrl: a tree shown in a report list. Every visible node is one
// row; the first column is drawn by the control (indent, tree lines, the
// +/- box, the row's image and text), the other columns hold the row's
// sub-item texts. The tree lives in the control's own nodes, each holding a
// CItemInfo; the list mirrors only the expanded part.
//
// The control already knows the device tree's three roots ("My DVR", the
// local area, the registration servers), its tree number and owner mode:
// its clicks and drops follow their roles.
#pragma once

#include "explorer/ItemInfo.h"
#include "explorer/TreeMessages.h"
#include "morrikExport.h"
#include "platform/ui/GdiObject.h"
#include "platform/ui/ListCtrl.h"

#include <cstdint>
#include <vector>

class CImageList;

namespace morrik
{

constexpr UINT_PTR TIMER_DRAG = 1;
constexpr UINT_PTR TIMER_SLOW_CLICK = 20;

// The registration-server row a click selected last, which the tree's
// server and group commands act on.
struct YEM_SELECTION {
    BOOL bSelected = FALSE; // the row clicked last lies under the registration-server root
    BOOL bFolder = FALSE;
    char szServer[64] = {}; // its server text
    BOOL bGroup = FALSE; // folders: a group id rather than a server
    uint8_t bySettings[16] = {}; // folders: the group settings
    uint8_t byMac[6] = {}; // devices
};

class MORRIK_EXPORT CSuperGridCtrl : public CListCtrl
{
public:
    class MORRIK_EXPORT CTreeItem
    {
    public:
        CTreeItem() = default;
        CTreeItem(const CTreeItem&) = delete;
        CTreeItem& operator=(const CTreeItem&) = delete;
        // Deletes the children with their row data.
        virtual ~CTreeItem();

        std::vector<CTreeItem*> m_listChild; // display order
        CTreeItem* m_pParent = nullptr;
        CItemInfo* m_lpNodeInfo = nullptr; // owned
        int m_bHideChildren = 0; // collapsed
        int m_nIndex = -1; // row while shown
        int m_nIndent = 1;
        int m_bSetChildFlag = -1; // not -1: counts as having children
    };

    CSuperGridCtrl();
    ~CSuperGridCtrl() override;

    // A child list with the control's own styles added to the caller's.
    BOOL Create(DWORD dwStyle, const RECT& rect, CWnd* pParentWnd, UINT nID);

    // Tree operations.
    CTreeItem* InsertRootItem(CItemInfo* lpInfo);
    // Null for a null parent or a name the parent's root refuses; the row
    // data then stays the caller's.
    CTreeItem* InsertItem(CTreeItem* pParent, CItemInfo* lpInfo, BOOL bUpdate = FALSE);
    using CListCtrl::InsertItem;
    // The row of the last child shown.
    int Expand(CTreeItem* pItem, int nIndex);
    void ExpandAll(CTreeItem* pItem);
    void Collapse(CTreeItem* pItem);
    // Expands again the container children whose row data says expanded.
    void RestoreExpansion(CTreeItem* pItem);
    // Expands or collapses as the +/- box does, asking the hooks.
    BOOL Toggle(CTreeItem* pItem, int nIndex);
    void DeleteItem(CTreeItem* pItem, int nItem, BOOL bSelect = TRUE);
    using CListCtrl::DeleteItem;
    // Deletes a node below the roots without list work.
    void Delete(CTreeItem* pItem);
    // While deletions are reported: tells the parent of a device row about
    // to go (WM_TREE_DELETE_ITEM with a copy of its data).
    void NotifyDeleted(const CTreeItem* pItem);
    void SelectNode(CTreeItem* pItem);
    // -1 when hidden.
    int GetCurIndex(const CTreeItem* pItem) const;
    CTreeItem* GetNext(CTreeItem* pStart, CTreeItem* pNode, BOOL bVisibleOnly = FALSE) const;
    CTreeItem* GetPrev(CTreeItem* pStart, CTreeItem* pNode, BOOL bVisibleOnly = FALSE) const;
    CTreeItem* GetRootItem(CTreeItem* pNode) const;
    // b is a or lies in a's subtree.
    BOOL IsAncestor(const CTreeItem* a, const CTreeItem* b) const;
    int NumberOfItems() const;
    CItemInfo* GetItemInfo(const CTreeItem* pItem) const { return pItem ? pItem->m_lpNodeInfo : nullptr; }
    CTreeItem* GetTreeItem(int nRow) const;
    BOOL ItemHasChildren(const CTreeItem* pItem) const;
    BOOL IsCollapsed(const CTreeItem* pItem) const { return pItem && pItem->m_bHideChildren; }
    BOOL IsRoot(const CTreeItem* pItem) const;
    const std::vector<CTreeItem*>& GetRoots() const { return m_RootItems; }
    void SortRoots(BOOL bRecursive);
    void Sort(CTreeItem* pParent, BOOL bRecursive);
    void RemoveAllNodes();
    int GetCurrentColumn() const { return m_CurSubItem; }
    int GetSelectedItem() const { return GetNextItem(-1, LVNI_SELECTED); }

    // In-place editing: the label of a row, or any other cell.
    void EditLabel(int nRow);
    void EditCell(int nRow, int nColumn);
    // Enter, Escape or Delete in an editor: the edit is no longer one that a
    // slow click opened.
    void OnEditorKey();
    // The end of an edit: the typed text, null when cancelled.
    void EndEdit(int nRow, int nColumn, const char* text);

    // The device record of a row (Part of a click or a drag start).
    void FillDeviceRecord(const CTreeItem* pItem, uint8_t record[TREE_DEVICE_RECORD_SIZE], bool click) const;

    // The drop of the row nDrag on the row nDrop, as the mouse does it.
    void DropItem(int nDrag, int nDrop);
    // The target a dragged row would go to over row nRow: the row itself
    // when it is a container other than a channel, else its root (none under
    // the registration-server root); -1 for none.
    int DropTargetOf(int nRow) const;

    // Overridable operations.
    virtual void DeleteCamNotRoot(BYTE* mac) { (void)mac; }
    virtual void DeleteCamNotRoot(UINT ip, int port)
    {
        (void)ip;
        (void)port;
    }
    virtual void IsDblclk(CItemInfo* lpInfo) { (void)lpInfo; }
    virtual void ReqFindMsg(CItemInfo* lpInfo) { (void)lpInfo; }
    virtual CItemInfo* CopyData(CItemInfo* lpInfo)
    {
        (void)lpInfo;
        return nullptr;
    }
    virtual int GetIcon(const CTreeItem* pItem)
    {
        (void)pItem;
        return 0;
    }
    virtual COLORREF GetCellRGB() { return RGB(105, 145, 203); }
    virtual void OnUpdateListViewItem(CTreeItem* pItem, LVITEM* plvItem);
    virtual void OnControlLButtonDown(UINT nFlags, CPoint point, LVHITTESTINFO& ht);
    virtual CImageList* CreateDragImageEx(int nRow);
    virtual BOOL OnItemExpanding(CTreeItem*, int) { return TRUE; }
    virtual BOOL OnItemExpanded(CTreeItem*, int) { return TRUE; }
    virtual BOOL OnCollapsing(CTreeItem*) { return TRUE; }
    virtual BOOL OnItemCollapsed(CTreeItem*) { return TRUE; }
    virtual BOOL OnDeleteItem(CTreeItem*, int) { return TRUE; }
    virtual BOOL OnVkReturn() { return FALSE; }
    virtual BOOL OnItemLButtonDown(LVHITTESTINFO&) { return TRUE; }

    void DrawItem(LPDRAWITEMSTRUCT lpDrawItemStruct) override;
    void MeasureItem(LPMEASUREITEMSTRUCT lpMeasureItemStruct) override;
    BOOL PreTranslateMessage(MSG* pMsg) override;

    // Roles the device tree gives the control.
    CTreeItem* m_pMyRoot = nullptr; // "My DVR"
    CTreeItem* m_pLocalRoot = nullptr; // devices found and not saved
    CTreeItem* m_pYemRoot = nullptr; // registration servers
    int m_nTreeNo = 0;
    int m_nOwnerMode = 0; // 2 keeps device images as they are
    int m_nRowLimit = 0; // devices under "My DVR"; 0 = no limit
    BOOL m_bDeleteNotify = FALSE;
    // Indent width and row height: the size of the small images.
    int m_cxImage = 16;
    int m_cyImage = 16;
    BYTE m_bChangePending = 0; // set by InsertItem, for the owner's redraw

    YEM_SELECTION m_yemSelection;

    int m_nDragItem = -1;
    int m_nDropItem = -1;
    int m_bIsDragging = 0;

protected:
    void OnLButtonDown(UINT nFlags, CPoint point);
    void OnLButtonUp(UINT nFlags, CPoint point);
    void OnRButtonDown(UINT nFlags, CPoint point);
    void OnMouseMove(UINT nFlags, CPoint point);
    void OnTimer(UINT_PTR nIDEvent);
    void OnHScroll(UINT nSBCode, UINT nPos, CScrollBar* pScrollBar);
    void OnVScroll(UINT nSBCode, UINT nPos, CScrollBar* pScrollBar);
    int OnCreate(LPCREATESTRUCT lpCreateStruct);
    void OnDblclk(NMHDR* pNMHDR, LRESULT* pResult);
    void OnEndLabelEdit(NMHDR* pNMHDR, LRESULT* pResult);
    void OnBeginLabelEdit(NMHDR* pNMHDR, LRESULT* pResult);
    void OnKeydown(NMHDR* pNMHDR, LRESULT* pResult);
    void OnBeginDrag(NMHDR* pNMHDR, LRESULT* pResult);

    LRESULT SendToParent(UINT message, WPARAM wParam, LPARAM lParam);
    CRect BoxRect(int nRow) const;
    void InsertRowOf(CTreeItem* pItem, int nRow);
    void InsertRowsOf(const std::vector<CTreeItem*>& items, int nRow);
    void RenumberRows(int nFrom = 0);
    int ShownRowsBelow(const CTreeItem* pItem) const;
    // Marks the expanded branches under pItem collapsed; the rows they showed.
    int HideBranches(CTreeItem* pItem);
    void RemoveNode(CTreeItem* pItem);
    BOOL NameRefused(CTreeItem* pParent, CItemInfo* lpInfo);
    CTreeItem* ChildWithText(const CTreeItem* pParent, const CString& text, const CTreeItem* except) const;
    void ClickRow(CTreeItem* pItem, int nRow, CPoint point);
    void RememberYemSelection(const CTreeItem* pItem);
    void EndDrag();
    void OnDragTimer();
    BOOL MoveRow(CTreeItem* pSource, CTreeItem* pTarget);
    BOOL DropRefused(CTreeItem* pSource, CTreeItem*& pTarget);
    BOOL TakeOverLookupTwin(CTreeItem* pSource, CTreeItem* pTargetRoot);
    CTreeItem* CopySubtree(CTreeItem* pSource, CTreeItem* pTarget, BOOL bDeep);
    int CountDevicesUnder(const CTreeItem* pItem) const;

    CWnd* m_pParentWnd = nullptr;
    int m_CurSubItem = 0;
    CTreeItem* m_pPrevClicked = nullptr;
    CTreeItem* m_pClicked = nullptr;
    BOOL m_bEditing = FALSE;
    int m_nEditRow = -1;
    int m_nEditColumn = 0;
    CString m_strEditText; // the edit's text while it is open
    BOOL m_bSlowClickPending = FALSE;
    BOOL m_bSlowClickMark = FALSE;
    BOOL m_bIgnoreDrag = FALSE;
    BOOL m_bIgnoreDragAfterSlowClick = FALSE;
    BOOL m_bDragStarting = FALSE;
    LVHITTESTINFO m_slowClickHit {};
    CPoint m_slowClickPoint { 0, 0 };
    UINT m_slowClickFlags = 0;
    CImageList* m_pDragImage = nullptr;
    CTreeItem* m_pDragNode = nullptr;
    CPoint m_ptDrag { 0, 0 };

    CPen m_linePen { PS_SOLID, 1, RGB(192, 192, 192) };
    CPen m_greyPen { PS_SOLID, 1, RGB(198, 198, 198) };
    CPen m_signPen { PS_SOLID, 1, RGB(0, 0, 0) };
    CBrush m_boxBrush { RGB(255, 255, 255) };

    DECLARE_MESSAGE_MAP()

private:
    std::vector<CTreeItem*> m_RootItems;
};

// Cuts text to `width` pixels: the longest prefix that fits with "..."
// after it; `extent` measures a prefix of n bytes.
template <class Extent> CString FitText(const CString& text, int width, Extent extent)
{
    const int length = text.GetLength();
    if (extent(length) <= width)
        return text;
    int keep = length;
    const int dots = extent(-1);
    while (keep > 0 && extent(keep) + dots > width)
        --keep;
    return text.Left(keep) + "...";
}

} // namespace morrik
