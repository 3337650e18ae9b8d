// CGridCtrl: a table of text cells with optional images, fixed heading rows
// at the top and fixed heading columns at the left, per-cell formats,
// colours, fonts and states, keyboard and mouse selection, resizing of rows
// and columns by their heading dividers, in-place editing (free text, a
// column's option list or a password column), title tips for cut texts,
// the clipboard and drag and drop as plain text, and WM_NOTIFY
// notifications (GVN_*) to its owner. Every index a caller, a paste or a
// drop gives is checked against the grid's size.
#pragma once

#include "controls/GridCell.h"
#include "controls/GridTitleTip.h"
#include "platform/ui/CmdUI.h"
#include "platform/ui/OleData.h"

#include <memory>
#include <unordered_set>

class CGridCtrl;

// The drop target of one grid: forwards the drag events to its grid.
class CGridDropTarget : public COleDropTarget
{
public:
    BOOL Register(CGridCtrl* pGridCtrl);
    DROPEFFECT OnDragEnter(CWnd* pWnd, COleDataObject* pDataObject, DWORD dwKeyState, CPoint point) override;
    DROPEFFECT OnDragOver(CWnd* pWnd, COleDataObject* pDataObject, DWORD dwKeyState, CPoint point) override;
    void OnDragLeave(CWnd* pWnd) override;
    BOOL OnDrop(CWnd* pWnd, COleDataObject* pDataObject, DROPEFFECT dropEffect, CPoint point) override;

    CGridCtrl* m_pGridCtrl = nullptr;
    BOOL m_bRegistered = FALSE;
};

class CGridCtrl : public CWnd
{
public:
    // Mouse modes.
    enum {
        MOUSE_NOTHING = 0,
        MOUSE_SELECT_ALL = 1,
        MOUSE_SELECT_COL = 2,
        MOUSE_SELECT_ROW = 3,
        MOUSE_SELECT_CELLS = 4,
        MOUSE_OVER_ROW_DIVIDE = 6,
        MOUSE_SIZING_ROW = 7,
        MOUSE_OVER_COL_DIVIDE = 8,
        MOUSE_SIZING_COL = 9,
        MOUSE_PREPARE_EDIT = 10,
        MOUSE_PREPARE_DRAG = 11,
        MOUSE_DRAGGING = 12
    };
    // The grid kind whose rows 1 and 2 of column 2 never open a list.
    static constexpr int GRID_KIND_FIXED_CHOICE = 11;
    // The auto-scroll timer's id and interval while a selection leaves the cells.
    static constexpr UINT_PTR AUTOSCROLL_TIMER = WM_LBUTTONDOWN;
    static constexpr UINT AUTOSCROLL_INTERVAL = 25;

    CGridCtrl(int nRows = 0, int nCols = 0, int nFixedRows = 0, int nFixedCols = 0);
    ~CGridCtrl() override;

    BOOL Create(const RECT& rect, CWnd* parent, UINT nID,
        DWORD dwStyle = WS_CHILD | WS_BORDER | WS_TABSTOP | WS_VISIBLE);

    // Size.
    int GetRowCount() const { return m_nRows; }
    int GetColumnCount() const { return m_nCols; }
    int GetFixedRowCount() const { return m_nFixedRows; }
    int GetFixedColumnCount() const { return m_nFixedCols; }
    BOOL SetRowCount(int nRows = 10);
    BOOL SetColumnCount(int nCols = 10);
    BOOL SetFixedRowCount(int nFixedRows = 1);
    BOOL SetFixedColumnCount(int nFixedCols = 1);

    int GetRowHeight(int nRow) const;
    BOOL SetRowHeight(int row, int height);
    int GetColumnWidth(int nCol) const;
    BOOL SetColumnWidth(int col, int width);
    int GetFixedRowHeight() const;
    int GetFixedColumnWidth() const;
    long GetVirtualWidth() const;
    long GetVirtualHeight() const;

    // Properties.
    void SetGridLines(int nWhichLines = GVL_BOTH);
    int GetGridLines() const { return m_nGridLines; }
    void SetEditable(BOOL bEditable = TRUE) { m_bEditable = bEditable; }
    BOOL IsEditable() const { return m_bEditable; }
    void SetModified(BOOL bModified = TRUE, int nRow = -1, int nCol = -1);
    BOOL GetModified(int nRow = -1, int nCol = -1) const;
    void SetListMode(BOOL bEnableListMode = TRUE) { m_bListMode = bEnableListMode; }
    BOOL GetListMode() const { return m_bListMode; }
    void SetSingleRowSelection(BOOL bSing = TRUE) { m_bSingleRowSelection = bSing; }
    void EnableSelection(BOOL bEnable = TRUE) { m_bEnableSelection = bEnable; }
    void SetSortOnClick(BOOL bSort = TRUE) { m_bSortOnClick = bSort; }
    void SetDragAndDrop(BOOL bAllow = TRUE) { m_bAllowDragAndDrop = bAllow; }
    BOOL GetDragAndDrop() const { return m_bAllowDragAndDrop; }
    void SetHandleTabKey(BOOL bHandleTab = TRUE) { m_bHandleTabKey = bHandleTab; }
    void SetDoubleBuffering(BOOL bBuffer = TRUE) { m_bDoubleBuffer = bBuffer; }
    void EnableTitleTips(BOOL bEnable = TRUE) { m_bTitleTips = bEnable; }
    void SetRowResize(BOOL bResize = TRUE) { m_bAllowRowResize = bResize; }
    void SetColumnResize(BOOL bResize = TRUE) { m_bAllowColumnResize = bResize; }
    void SetRedraw(BOOL bAllowDraw, BOOL bResetScrollBars = FALSE);
    void SetImageList(CImageList* pList) { m_pImageList = pList; }
    CImageList* GetImageList() const { return m_pImageList; }
    void SetTextColor(COLORREF clr) { m_crTextColour = clr; }
    COLORREF GetTextColor() const { return m_crTextColour; }
    void SetTextBkColor(COLORREF clr) { m_crTextBkColour = clr; }
    COLORREF GetTextBkColor() const { return m_crTextBkColour; }
    void SetBkColor(COLORREF clr) { m_crBkColour = clr; }
    COLORREF GetBkColor() const { return m_crBkColour; }
    void SetFixedTextColor(COLORREF clr) { m_crFixedTextColour = clr; }
    void SetFixedBkColor(COLORREF clr) { m_crFixedBkColour = clr; }
    COLORREF GetFixedBkColor() const { return m_crFixedBkColour; }
    void SetGridColor(COLORREF clr) { m_crGridColour = clr; }
    COLORREF GetGridColor() const { return m_crGridColour; }
    void SetGridKind(int nKind) { m_nGridKind = nKind; }
    int GetGridKind() const { return m_nGridKind; }
    void EnableScrollBars(BOOL bHorz, BOOL bVert);
    void SetPasswordColumn(int nCol, int n = 0);
    int GetWheelScrollLines() const { return m_nRowsPerWheelNotch; }

    // Cells.
    BOOL SetItem(const GV_ITEM* pItem);
    BOOL GetItem(GV_ITEM* pItem) const;
    BOOL SetItemText(int nRow, int nCol, LPCTSTR str);
    virtual CString GetItemText(int nRow, int nCol) const;
    BOOL SetItemData(int nRow, int nCol, LPARAM lParam);
    LPARAM GetItemData(int nRow, int nCol) const;
    BOOL SetItemImage(int nRow, int nCol, int iImage);
    int GetItemImage(int nRow, int nCol) const;
    BOOL SetItemState(int nRow, int nCol, UINT state);
    UINT GetItemState(int nRow, int nCol) const;
    BOOL SetItemFormat(int nRow, int nCol, UINT nFormat);
    UINT GetItemFormat(int nRow, int nCol) const;
    BOOL SetItemBkColour(int nRow, int nCol, COLORREF cr = CLR_DEFAULT);
    COLORREF GetItemBkColour(int nRow, int nCol) const;
    BOOL SetItemFgColour(int nRow, int nCol, COLORREF cr = CLR_DEFAULT);
    COLORREF GetItemFgColour(int nRow, int nCol) const;
    BOOL SetItemFont(int nRow, int nCol, const LOGFONT* lf);
    const LOGFONT* GetItemFont(int nRow, int nCol) const;
    BOOL IsCellEditable(int nRow, int nCol) const;
    BOOL IsCellEditable(const CCellID& cell) const { return IsCellEditable(cell.row, cell.col); }
    BOOL IsValid(int nRow, int nCol) const;
    BOOL IsValid(const CCellID& cell) const { return IsValid(cell.row, cell.col); }
    BOOL IsValid(const CCellRange& range) const;

    // Column options and the password column.
    void SetColumnOptions(int nCol, const char** items, int count);
    BOOL GetColumnOptions(int nCol, std::vector<CString>& out) const;

    // Sizing.
    BOOL AutoSizeColumn(int nCol);
    BOOL AutoSizeRow(int nRow);
    void AutoSizeColumns();
    void AutoSizeRows();
    void AutoSize();
    void ResetScrollBars();
    virtual CSize GetCellExtent(int nRow, int nCol, CDC* pDC);

    // Drawing.
    BOOL RedrawCell(int nRow, int nCol, CDC* pDC = nullptr);
    BOOL RedrawCell(const CCellID& cell, CDC* pDC = nullptr) { return RedrawCell(cell.row, cell.col, pDC); }
    BOOL RedrawRow(int row);
    BOOL RedrawColumn(int col);

    // Geometry.
    BOOL GetCellRect(int nRow, int nCol, LPRECT pRect) const;
    BOOL GetCellRect(const CCellID& cell, LPRECT pRect) const
    {
        return GetCellRect(cell.row, cell.col, pRect);
    }
    BOOL GetTextRect(int nRow, int nCol, LPRECT pRect) const;
    BOOL GetCellOrigin(int nRow, int nCol, LPPOINT p) const;
    CCellID GetCellFromPt(CPoint point, BOOL bAllowFixedCellCheck = TRUE) const;
    CCellID GetTopleftNonFixedCell() const;
    CCellRange GetVisibleNonFixedCellRange(LPRECT pRect = nullptr) const;
    BOOL IsCellVisible(int nRow, int nCol) const;
    BOOL IsCellVisible(const CCellID& cell) const { return IsCellVisible(cell.row, cell.col); }
    void EnsureVisible(int nRow, int nCol);
    void EnsureVisible(const CCellID& cell) { EnsureVisible(cell.row, cell.col); }

    // Focus and selection.
    CCellID GetFocusCell() const { return m_idCurrentCell; }
    CCellID SetFocusCell(int nRow, int nCol);
    CCellID SetFocusCell(CCellID cell);
    void SetSelectedRange(const CCellRange& Range, BOOL bForceRepaint = FALSE);
    void SetSelectedRange(int nMinRow, int nMinCol, int nMaxRow, int nMaxCol, BOOL bForceRepaint = FALSE);
    void ResetSelectedRange();
    CCellRange GetSelectedCellRange() const;
    CCellRange GetCellRange() const;
    void SelectAllCells();
    BOOL IsCellSelected(int nRow, int nCol) const;
    int GetSelectedCount() const { return int(m_SelectedCells.size()); }
    int GetMouseMode() const { return m_MouseMode; }

    // Sorting.
    BOOL SortTextItems(int nCol, BOOL bAscending);
    int GetSortColumn() const { return m_SortColumn; }
    BOOL GetSortAscending() const { return m_bAscending; }

    // Clipboard and drag and drop.
    virtual void CutSelectedText();
    virtual COleDataSource* CopyTextFromGrid();
    virtual BOOL PasteTextToGrid(CCellID cell, COleDataObject* pDataObject);
    virtual void OnEditCut();
    virtual void OnEditCopy();
    virtual void OnEditPaste();
    virtual void OnEditSelectAll();
    DROPEFFECT OnDragEnter(COleDataObject* pDataObject, DWORD dwKeyState, CPoint point);
    DROPEFFECT OnDragOver(COleDataObject* pDataObject, DWORD dwKeyState, CPoint point);
    void OnDragLeave();
    BOOL OnDrop(COleDataObject* pDataObject, DROPEFFECT dropEffect, CPoint point);

    // The title tip (hidden unless a cut text is hovered).
    CTitleTipWnd& GetTitleTip() { return m_TitleTip; }

    // Sends WM_NOTIFY with an NM_GRIDVIEW to the owner (or parent); gives
    // the handler's result, 0 without a receiver.
    LRESULT SendMessageToParent(int nRow, int nCol, int nMessage);

    BOOL PreTranslateMessage(MSG* pMsg) override;

protected:
    virtual void OnFixedColumnClick(CCellID& cell);
    virtual void OnFixedRowClick(CCellID& cell);
    virtual void OnEndEditCell(int nRow, int nCol, CString str);
    virtual void OnEditCell(int nRow, int nCol, UINT nChar);
    virtual void CreateInPlaceEditControl(
        CRect& rect, DWORD dwStyle, UINT nID, int nRow, int nCol, LPCTSTR szText, int nChar);
    virtual void OnDraw(CDC* pDC);
    virtual BOOL DrawFixedCell(CDC* pDC, int nRow, int nCol, CRect rect, BOOL bEraseBk = FALSE);
    virtual BOOL DrawCell(CDC* pDC, int nRow, int nCol, CRect rect, BOOL bEraseBk = FALSE);
    virtual CGridCell* CreateCell(int nRow, int nCol);
    virtual void EmptyCell(CGridCell* pCell, int nRow, int nCol);

    // Messages.
    void OnPaint();
    BOOL OnEraseBkgnd(CDC* pDC);
    void OnSize(UINT nType, int cx, int cy);
    void OnHScroll(UINT nSBCode, UINT nPos, CScrollBar* pScrollBar);
    void OnVScroll(UINT nSBCode, UINT nPos, CScrollBar* pScrollBar);
    void OnLButtonDown(UINT nFlags, CPoint point);
    void OnLButtonUp(UINT nFlags, CPoint point);
    void OnLButtonDblClk(UINT nFlags, CPoint point);
    void OnRButtonDown(UINT nFlags, CPoint point);
    void OnMouseMove(UINT nFlags, CPoint point);
    BOOL OnMouseWheel(UINT nFlags, short zDelta, CPoint pt);
    void OnTimer(UINT_PTR nIDEvent);
    UINT OnGetDlgCode();
    void OnKeyDown(UINT nChar, UINT nRepCnt, UINT nFlags);
    void OnChar(UINT nChar, UINT nRepCnt, UINT nFlags);
    BOOL OnSetCursor(CWnd* pWnd, UINT nHitTest, UINT message);
    void OnSysColorChange();
    void OnCaptureChanged(CWnd* pWnd);
    LRESULT OnSetFont(WPARAM hFont, LPARAM lParam);
    LRESULT OnGetFont(WPARAM, LPARAM);
    void OnEndInPlaceEdit(NMHDR* pNMHDR, LRESULT* pResult);
    // Whether the routed edit commands can run now.
    void OnUpdateEditSelectAll(CCmdUI* pCmdUI);
    void OnUpdateEditCopy(CCmdUI* pCmdUI);
    void OnUpdateEditCut(CCmdUI* pCmdUI);
    void OnUpdateEditPaste(CCmdUI* pCmdUI);
    void OnDestroy();

private:
    using GridRow = std::vector<CGridCell*>;
    CGridCell* GetCell(int nRow, int nCol) const;
    // Sets a field of a cell in range; FALSE outside the grid.
    template <class Set> BOOL WithCell(int nRow, int nCol, Set set)
    {
        CGridCell* cell = GetCell(nRow, nCol);
        if (!cell)
            return FALSE;
        set(*cell);
        return TRUE;
    }
    // A field of a cell in range, else `neutral`.
    template <class T> T CellField(int nRow, int nCol, T CGridCell::*field, T neutral) const
    {
        const CGridCell* cell = GetCell(nRow, nCol);
        return cell ? cell->*field : neutral;
    }
    void DrawCellContent(CDC* pDC, const CGridCell& cell, CRect rect);
    void DestroyCells();
    void StoreText(CGridCell* cell, LPCTSTR text);
    int GetScrollPos32(int nBar) const;
    void SetScrollPos32(int nBar, int nPos);
    CRect NonFixedArea() const;
    void OnSelecting(const CCellID& currentCell);
    void SelectColumns(CCellID currentCell);
    void SelectRows(CCellID currentCell);
    void SelectCells(CCellID currentCell);
    void StartSelectionGesture(UINT nFlags);
    BOOL MouseOverRowResizeArea(CPoint point) const;
    BOOL MouseOverColumnResizeArea(CPoint point) const;
    void InvertSizingLine(CPoint point);
    void HandleScroll(int nBar, UINT nSBCode);
    CCellID NextCellForKey(UINT nChar, BOOL bShift, BOOL* pbWrapped, BOOL* pbHandled);
    void StartDrag();
    void ChangeCell(CGridCell* cell, int nRow, int nCol, LPCTSTR text);
    static long long CellKey(int row, int col) { return (static_cast<long long>(row) << 32) | unsigned(col); }

    std::vector<CGridColumnOptions> m_arColumnOptions;
    int m_nGridKind = 0;

    COLORREF m_crTextColour, m_crTextBkColour, m_crBkColour, m_crFixedTextColour, m_crFixedBkColour,
        m_crGridColour;
    COLORREF m_crWindowText, m_crWindowColour, m_cr3DFace, m_crShadow;

    int m_nGridLines = GVL_BOTH;
    BOOL m_bEditable = TRUE;
    BOOL m_bModified = FALSE;
    BOOL m_bAllowDragAndDrop = FALSE;
    BOOL m_bListMode = FALSE;
    BOOL m_bSingleRowSelection = FALSE;
    BOOL m_bAllowDraw = TRUE;
    BOOL m_bEnableSelection = TRUE;
    BOOL m_bSortOnClick = TRUE;
    BOOL m_bHandleTabKey = TRUE;
    BOOL m_bDoubleBuffer = TRUE;
    BOOL m_bTitleTips = TRUE;

    int m_nRows = 0, m_nFixedRows = 0, m_nCols = 0, m_nFixedCols = 0;
    std::vector<UINT> m_arRowHeights, m_arColWidths;
    int m_nMargin = 0;
    int m_nDefCellWidth = 30;
    int m_nDefCellHeight = 10;
    int m_nVScrollMax = 0, m_nHScrollMax = 0;

    LOGFONT m_Logfont {};
    CFont m_Font;
    CImageList* m_pImageList = nullptr;
    std::vector<GridRow> m_RowData;

    int m_MouseMode = MOUSE_NOTHING;
    CPoint m_LeftClickDownPoint, m_LastMousePoint;
    CCellID m_LeftClickDownCell, m_SelectionStartCell;
    CCellID m_idCurrentCell;
    UINT_PTR m_nTimerID = 0;
    int m_nResizeCaptureRange = 3;
    BOOL m_bAllowRowResize = TRUE, m_bAllowColumnResize = TRUE;
    int m_nRowsPerWheelNotch = 3;
    int m_nSizingIndex = -1; // the row or column being sized
    CPoint m_SizingLine { -1, -1 }; // where the inverted line is drawn, none when x and y are -1

    std::unordered_set<long long> m_SelectedCells;
    std::unordered_set<long long> m_PrevSelectedCells;

    CTitleTipWnd m_TitleTip;

    CCellID m_LastDragOverCell;
    CGridDropTarget m_DropTarget;

    BOOL m_bAscending = TRUE;
    int m_SortColumn = -1;

    bool m_bHorzScrollAllowed = true, m_bVertScrollAllowed = true;

    int m_nPasswordValue = 0;
    int m_nPasswordColumn = -1;
    bool m_bPasswordColumn = false;

    DECLARE_MESSAGE_MAP()
};
