// CSuperGridCtrl: a report list that shows a tree. Every visible row is one
// node of an in-memory tree, indented by its depth; expanding a node inserts
// its children's rows after it, collapsing deletes them again, and each
// row's item data points at its node.
//
// The control also knows the three roots of a device tree ("My DVR",
// "Local Area DVR", the registration-server root), builds the
// SELECTED_DEVICE records that tell the owner which device was picked and
// applies the drag-and-drop rules between the roots.
#pragma once

#include "devtree/DeviceIndex.h"
#include "devtree/ItemInfo.h"
#include "link/CurrentDevice.h"
#include "link/WindowMessages.h"
#include "platform/ui/ListCtrl.h"
#include "resources/setup/Resource.h"

#include <vector>

class CListInPlaceEdit;

constexpr UINT_PTR TIMER_DRAG_SCROLL = 1;
constexpr UINT_PTR TIMER_DELAYED_EDIT = 20;

// What the user last clicked under the registration-server root.
struct SERVER_SELECTION {
    uint8_t bInServerBranch;
    uint8_t bFolder;
    uint8_t bGroupId;
    char szServerName[64];
    uint8_t byGroupId[16];
    uint8_t byMac[6];
};

class CSuperGridCtrl : public CListCtrl
{
public:
    class CTreeItem
    {
    public:
        CTreeItem() = default;
        virtual ~CTreeItem();
        CTreeItem(const CTreeItem&) = delete;
        CTreeItem& operator=(const CTreeItem&) = delete;

        std::vector<CTreeItem*> m_listChild; // display order
        CTreeItem* m_pParent = nullptr;
        CItemInfo* m_lpNodeInfo = nullptr;
        int m_bHideChildren = 0; // collapsed
        int m_nIndex = -1; // row while visible
        int m_nIndent = -1;
        int m_bSetChildFlag = -1; // not -1: counts as having children
    };

    CSuperGridCtrl();
    ~CSuperGridCtrl() override;

    // Tree operations.
    CTreeItem* AddRoot(CItemInfo* lpInfo);
    // Null when the parent is null or a child already has the text; the
    // info then stays the caller's.
    CTreeItem* InsertNode(CTreeItem* pParent, CItemInfo* lpInfo, BOOL bUpdate = FALSE);
    void RemoveNode(CTreeItem* pItem, int nItem, BOOL bSelectNext = TRUE);
    void RemoveAllNodes();
    // The last row used.
    int ExpandNode(CTreeItem* pItem, int nIndex);
    void CollapseNode(CTreeItem* pItem);
    void HideSubtree(CTreeItem* pItem, BOOL bHide, int nItem);
    void SortChildren(CTreeItem* pParent, BOOL bRecurse);
    void SortAll(BOOL bRecurse);
    // Sibling order: folders before devices, each group in byte-wise text
    // order. Children are kept in it as they are inserted.
    static bool SortsBefore(const CTreeItem* a, const CTreeItem* b);
    // Puts a node whose text or folder flag changed back in its place among
    // its siblings (its row too, shown without its children).
    void RepositionNode(CTreeItem* pItem);
    int RowOfNode(const CTreeItem* pItem) const;
    // Rows from nFrom on learn their row numbers.
    void RenumberRows(int nFrom = 0);
    CTreeItem* NodeAtRow(int nRow) const;
    int SelectedRow() const;
    CTreeItem* TopOfNode(CTreeItem* pItem) const;
    BOOL IsRootNode(const CTreeItem* pItem) const;
    BOOL IsInSubtree(const CTreeItem* pParent, const CTreeItem* pItem) const;
    // Next node after pItem in a depth-first walk from pStart; pItem itself
    // when none follows. With bVisible only expanded branches are walked.
    CTreeItem* NextNode(CTreeItem* pStart, CTreeItem* pItem, BOOL bInit = TRUE, BOOL bVisible = FALSE);
    CItemInfo* GetItemInfo(const CTreeItem* pItem) const { return pItem ? pItem->m_lpNodeInfo : nullptr; }
    void SetItemInfo(CTreeItem* pItem, CItemInfo* lpInfo, BOOL bUpdateRow = FALSE);
    void RefreshRow(CTreeItem* pItem);
    void RepaintRow(int nRow);
    int ColumnCount() const { return GetColumnCount(); }
    void ScrollToColumn(int nColumn);
    int ColumnPosition(int nColumn) const
    {
        return nColumn >= 0 && nColumn < GetColumnCount() ? nColumn : -1;
    }
    BOOL HasChildren(const CTreeItem* pItem) const;
    const std::vector<CTreeItem*>& Roots() const { return m_RootItems; }
    int ChildCount(const CTreeItem* pItem) const { return pItem ? int(pItem->m_listChild.size()) : 0; }
    BOOL IsCollapsed(const CTreeItem* pItem) const { return pItem && pItem->m_bHideChildren; }
    int GetIndent(const CTreeItem* pItem) const { return pItem ? pItem->m_nIndent : -1; }
    CTreeItem* GetParentItem(const CTreeItem* pItem) const { return pItem ? pItem->m_pParent : nullptr; }
    // First child of pParent with exactly that text, or null.
    CTreeItem* ChildByText(const CTreeItem* pParent, const char* text) const;
    // Whether a comes before b in a depth-first walk of the tree.
    BOOL IsBeforeInTree(const CTreeItem* a, const CTreeItem* b) const;
    // The devices by MAC, serial and address; re-file a node after its
    // item's MAC, serial, address, configuration port or folder flag changed.
    const CDeviceIndex<CTreeItem>& DeviceIndex() const { return m_deviceIndex; }
    void ReindexNode(CTreeItem* pItem);
    void ReindexInfo(const CItemInfo* lpInfo) { ReindexNode(m_deviceIndex.NodeOf(lpInfo)); }
    // The first of the candidates, in a depth-first walk, that lies under
    // root and satisfies pred; null when none.
    template <class Pred>
    CTreeItem* FirstUnder(const CTreeItem* root, const std::vector<CTreeItem*>& candidates, Pred pred) const
    {
        CTreeItem* first = nullptr;
        for (CTreeItem* node : candidates)
            if (node != root && root && IsInSubtree(root, node) && pred(node)
                && (!first || IsBeforeInTree(node, first)))
                first = node;
        return first;
    }

    // Device-tree rules.
    BOOL IsProtectedRoot(const CTreeItem* pItem) const;
    // Group A (families 0, 3, 4) has the registration-server rules.
    BOOL IsGroupA() const { return m_nFamily == 0 || m_nFamily == 3 || m_nFamily == 4; }
    BOOL IsNameFree(const CTreeItem* pParent, const char* text) const { return !ChildByText(pParent, text); }
    BOOL IsGroupIdUsed(const CTreeItem* pParent, const char* groupId) const;
    BOOL IsServerUsed(const CTreeItem* pParent, const CItemInfo* lpInfo) const;
    void MarkFoldersClosed(CTreeItem* pItem);
    CTreeItem* FindDevice(const SELECTED_DEVICE* pRecord);
    CTreeItem* FindDeviceByAddress(const char* serial, const uint8_t* mac, uint32_t ipAddress, uint32_t port);
    // The first device under "My DVR" other than `except` with that address
    // and configuration port.
    CTreeItem* FindMyDevice(uint32_t ipAddress, uint32_t port, const CTreeItem* except);
    void BuildSelectedDevice(const CItemInfo* lpInfo, SELECTED_DEVICE* pRecord) const;
    void SendDeviceSelect(CItemInfo* lpInfo);
    void NotifySelection();
    void SelectRow(int nRow);

    // Input (mouse, keys, label edit, drag and drop).
    void StartLabelEdit(UINT nFlags, CPoint point, LVHITTESTINFO& ht);
    // The hit area of a row's plus/minus box.
    CRect BoxRect(int nRow) const;
    // 0 when the click opened or closed a node (or toggled a check box).
    int ClickOnBox(CPoint point, LVHITTESTINFO& ht);
    void OnLButtonDown(UINT nFlags, CPoint point);
    void OnLButtonUp(UINT nFlags, CPoint point);
    void OnMouseMove(UINT nFlags, CPoint point);
    void OnTimer(UINT_PTR nIDEvent);
    // The keys the control takes before the list sees them; TRUE when taken.
    BOOL PreTranslateKey(UINT message, WPARAM wParam);
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;
    // A drop of the dragged row on the target row, as the mouse would do
    // it; for tests and for the button-up handler.
    void DropOnRow(int nDragRow, int nTargetRow);
    // The drop of a dragged node (null: it was deleted meanwhile) on the row
    // under the pointer.
    void DropNode(CTreeItem* pSource, int nTargetRow);
    // The end of a label edit: the text typed, null when cancelled.
    void EndLabelEdit(int nRow, const char* text);

    // The owner's overridable operations.
    virtual void DeleteCamNotRoot(const uint8_t* mac) { (void)mac; }
    virtual void DeleteCamNotRoot(uint32_t ipAddress) { (void)ipAddress; }
    virtual void IsDblclk() { }
    virtual void OnDeviceDblclk(SELECTED_DEVICE* pRecord) { (void)pRecord; }
    virtual void ReqFindMsg(CItemInfo* lpInfo) { (void)lpInfo; }
    virtual CItemInfo* CopyData(CItemInfo* lpSrc)
    {
        (void)lpSrc;
        return nullptr;
    }
    virtual int GetIcon(const CTreeItem* pItem)
    {
        (void)pItem;
        return 0;
    }
    virtual COLORREF GetCellRGB() { return RGB(105, 145, 203); }
    virtual void OnUpdateListViewItem(CTreeItem* pItem, LVITEM* plvItem);
    virtual void OnControlLButtonDown(UINT nFlags, CPoint point, LVHITTESTINFO& ht)
    {
        StartLabelEdit(nFlags, point, ht);
    }
    virtual CImageList* CreateDragImageEx(int nRow);
    virtual BOOL OnItemExpanding(CTreeItem*, int) { return TRUE; }
    virtual BOOL OnItemExpanded(CTreeItem*, int) { return TRUE; }
    virtual BOOL OnCollapsing(CTreeItem*) { return TRUE; }
    virtual BOOL OnItemCollapsed(CTreeItem*) { return TRUE; }
    virtual BOOL OnDeleteItem(CTreeItem*, int) { return TRUE; }
    virtual BOOL OnVkReturn() { return FALSE; }
    virtual BOOL OnItemLButtonDown(LVHITTESTINFO&) { return TRUE; }
    // The dialogs and messages a drop may need; the device tree fills them.
    virtual BOOL AskPortAssignment(CItemInfo* lpInfo)
    {
        (void)lpInfo;
        return FALSE;
    }
    virtual void ShowAlreadyExists() { }
    // A click on a device whose address a registration server knows: the
    // owner probes its address.
    virtual void ProbeLookedUpDevice(CItemInfo* lpInfo) { (void)lpInfo; }
    // Opens the rename edit over the label; false when it could not.
    virtual BOOL OpenLabelEditor(int nRow, const CRect& rect);
    // The drag picture and the capture, which a visible window has. The
    // picture's image list is the callee's to delete.
    virtual void BeginDragImage(CImageList* pImage, CPoint point);
    virtual void MoveDragImage(CPoint point);
    virtual void ShowDragImage(BOOL bShow);
    virtual void EndDragImage();
    virtual BOOL HasDragCapture();
    virtual BOOL IsEscapeDown() { return FALSE; }
    // Whether a device is in the password tables: selector 0, the saved
    // login of the device's file record.
    virtual BOOL GetSavedPassword(const CItemInfo* lpInfo, uint8_t password[16])
    {
        (void)lpInfo;
        (void)password;
        return FALSE;
    }

    // Painting.
    void DrawItem(LPDRAWITEMSTRUCT lpDrawItemStruct) override;
    void MeasureItem(LPMEASUREITEMSTRUCT lpMeasureItemStruct) override;

    uint32_t m_nFamily = 0;
    uint8_t m_bDelayedEdit = 0;
    uint8_t m_bSkipDragOnce = 0;
    uint8_t m_bModified = 0;
    uint8_t m_bEditing = 0;
    int m_nEditingRow = -1;
    SERVER_SELECTION m_ServerSelection {};
    int m_nColumnWidthBase = 225;
    int m_nColumnWidth = 225;
    uint8_t m_bResetWidth = 1;
    uint8_t m_bEditPending = 0;
    uint8_t m_bDblclk = 0;
    LVHITTESTINFO m_EditHit {};
    CPoint m_EditPoint { 0, 0 };
    UINT m_nEditFlags = 0;
    uint8_t m_bSuppressDrag = 0;
    HWND m_hOwner = nullptr;
    uint8_t m_bDragBegan = 0;
    uint8_t m_bFirstClick = 1;
    CTreeItem* m_pPrevItem = nullptr;
    CTreeItem* m_pCurItem = nullptr;
    CTreeItem* m_pLocalRoot = nullptr; // "Local Area DVR"
    CTreeItem* m_pMyRoot = nullptr; // "My DVR"
    CTreeItem* m_pServerRoot = nullptr; // registration servers
    int m_cxImage = 16;
    int m_cyImage = 16;
    CImageList* m_pSubItemImages = nullptr;
    int m_nCurrentColumn = 0;
    int m_nDragItem = -1;
    // The node being dragged: rows move under it while it is dragged.
    CTreeItem* m_pDragNode = nullptr;
    int m_nDropTarget = -1;
    int m_bIsDragging = 0;

    // The edit opened for a rename; read while painting the typed text.
    static CListInPlaceEdit* s_pEdit;

protected:
    LRESULT SendToOwner(UINT message, WPARAM wParam, LPARAM lParam);
    void InsertRowOf(CTreeItem* pItem, int nRow);
    // The rows of several nodes at nRow, nRow + 1, ... in one step.
    void InsertRowsOf(const std::vector<CTreeItem*>& items, int nRow);
    // Marks the expanded branches under pItem collapsed (bHide) and gives the
    // number of rows they showed.
    int HideFlags(CTreeItem* pItem, BOOL bHide);
    // The rows that a shown node's expanded branches show below it.
    int ShownRowsBelow(const CTreeItem* pItem) const;
    // Position of a child among its siblings (the roots for a root).
    std::vector<CTreeItem*>::iterator SiblingPosition(CTreeItem* pItem);
    void ReopenExpandedFolders(CTreeItem* pItem);
    void DeleteNodeAndRows(CTreeItem* pItem);
    void PrepareMove(CTreeItem* pSource, CTreeItem* pTarget, CTreeItem* pTargetRoot);
    CTreeItem* CopySubtree(CTreeItem* pTarget, CTreeItem* pSource);
    BOOL DropAllowed(const CTreeItem* pSource, CTreeItem* pSourceRoot, CTreeItem* pTargetRoot) const;
    BOOL MergeLookupDevice(CTreeItem* pTargetRoot, CItemInfo* lpSource);
    void FinishStructuralChange();
    BOOL ToggleNode(CTreeItem* node, int nRow);
    void SendClickedDevice(CItemInfo* info);
    void WriteServerSelection(const CTreeItem* node);
    void OnDblclk(NMHDR* pNMHDR, LRESULT* pResult);
    void OnKeydown(NMHDR* pNMHDR, LRESULT* pResult);
    void OnEndLabelEditNotify(NMHDR* pNMHDR, LRESULT* pResult);
    void OnBeginDrag(NMHDR* pNMHDR, LRESULT* pResult);
    void EndDrag();
    void OnDragTimer();

    void DrawTreeLines(CDC* dc, const CTreeItem* node, const CRect& row, int columnWidth);
    LRESULT OnInPlaceEditKey(WPARAM, LPARAM);
    int OnCreate(LPCREATESTRUCT lpCreateStruct);

    CPoint m_ptLastMove { 0, 0 };
    CPen m_linePen { PS_SOLID, 1, RGB(192, 192, 192) };
    CPen m_boxPen { PS_SOLID, 1, RGB(198, 198, 198) };
    CPen m_signPen { PS_SOLID, 1, RGB(0, 0, 0) };
    CBrush m_boxBrush { RGB(255, 255, 255) };

    DECLARE_MESSAGE_MAP()

private:
    void UnindexSubtree(CTreeItem* pItem);

    std::vector<CTreeItem*> m_RootItems;
    CDeviceIndex<CTreeItem> m_deviceIndex;
};

// Shortens text to fit width pixels (measured by extent), with "...".
using TextExtentFn = int (*)(const char* text, int length, void* context);
CString ShortenText(const char* text, int width, int offset, TextExtentFn extent, void* context);
