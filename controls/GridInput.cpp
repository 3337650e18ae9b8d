// The grid's focus and selection, its mouse and keys, and the in-place
// editors it opens over a cell.
#include "controls/GridCtrl.h"
#include "controls/GridInPlaceEdit.h"
#include "controls/GridInPlaceList.h"

#include "platform/ui/KeyState.h"

#include <algorithm>

namespace
{

constexpr UINT WHEEL_PAGESCROLL = 0xFFFFFFFFu;

bool Held(UINT vk)
{
    return GetKeyState(int(vk)) < 0;
}

} // namespace

// Focus.

CCellID CGridCtrl::SetFocusCell(int nRow, int nCol)
{
    return SetFocusCell(CCellID(nRow, nCol));
}

CCellID CGridCtrl::SetFocusCell(CCellID cell)
{
    if (cell == m_idCurrentCell)
        return m_idCurrentCell;
    const CCellID prev = m_idCurrentCell;
    m_idCurrentCell = cell;
    if (IsValid(prev)) {
        SendMessageToParent(prev.row, prev.col, GVN_SELCHANGING);
        if (CGridCell* old = GetCell(prev.row, prev.col))
            old->state &= ~GVIS_FOCUSED;
        RedrawCell(prev);
        // The headings of the old focus lose their emphasis.
        if (prev.col != cell.col)
            for (int row = 0; row < m_nFixedRows; ++row)
                RedrawCell(row, prev.col);
        if (prev.row != cell.row)
            for (int col = 0; col < m_nFixedCols; ++col)
                RedrawCell(prev.row, col);
    }
    if (IsValid(cell)) {
        if (CGridCell* now = GetCell(cell.row, cell.col))
            now->state |= GVIS_FOCUSED;
        RedrawCell(cell);
        if (prev.col != cell.col)
            for (int row = 0; row < m_nFixedRows; ++row)
                RedrawCell(row, cell.col);
        if (prev.row != cell.row)
            for (int col = 0; col < m_nFixedCols; ++col)
                RedrawCell(cell.row, col);
        SendMessageToParent(cell.row, cell.col, GVN_SELCHANGED);
    }
    return prev;
}

// Selection.

void CGridCtrl::SetSelectedRange(int nMinRow, int nMinCol, int nMaxRow, int nMaxCol, BOOL bForceRepaint)
{
    SetSelectedRange(CCellRange(nMinRow, nMinCol, nMaxRow, nMaxCol), bForceRepaint);
}

void CGridCtrl::SetSelectedRange(const CCellRange& Range, BOOL bForceRepaint)
{
    if (!m_bEnableSelection)
        return;
    // Only cells inside the grid can be selected.
    CCellRange range(std::max(Range.GetMinRow(), 0), std::max(Range.GetMinCol(), 0),
        std::min(Range.GetMaxRow(), m_nRows - 1), std::min(Range.GetMaxCol(), m_nCols - 1));
    const bool inGrid = Range.GetMinRow() >= 0 && Range.GetMinCol() >= 0 && range.IsValid();
    // A gesture begun with Ctrl keeps what was selected before it.
    std::unordered_set<long long> wanted = m_PrevSelectedCells;
    if (inGrid)
        for (int row = range.GetMinRow(); row <= range.GetMaxRow(); ++row)
            for (int col = range.GetMinCol(); col <= range.GetMaxCol(); ++col)
                wanted.insert(CellKey(row, col));
    // Cells that lose the flag.
    for (auto it = m_SelectedCells.begin(); it != m_SelectedCells.end();) {
        if (wanted.count(*it)) {
            ++it;
            continue;
        }
        const int row = int(*it >> 32), col = int(unsigned(*it & 0xFFFFFFFF));
        if (CGridCell* cell = GetCell(row, col)) {
            cell->state &= ~GVIS_SELECTED;
            RedrawCell(row, col);
        }
        it = m_SelectedCells.erase(it);
    }
    // Cells that gain it.
    for (long long key : wanted) {
        const int row = int(key >> 32), col = int(unsigned(key & 0xFFFFFFFF));
        CGridCell* cell = GetCell(row, col);
        if (!cell)
            continue;
        const bool changed = !(cell->state & GVIS_SELECTED);
        cell->state |= GVIS_SELECTED;
        m_SelectedCells.insert(key);
        if (changed || bForceRepaint)
            RedrawCell(row, col);
    }
}

void CGridCtrl::ResetSelectedRange()
{
    m_PrevSelectedCells.clear();
    SetSelectedRange(-1, -1, -1, -1);
    SetFocusCell(-1, -1);
}

CCellRange CGridCtrl::GetSelectedCellRange() const
{
    if (m_SelectedCells.empty())
        return CCellRange();
    CCellRange range(m_nRows, m_nCols, -1, -1);
    for (long long key : m_SelectedCells) {
        const int row = int(key >> 32), col = int(unsigned(key & 0xFFFFFFFF));
        range.m_nMinRow = std::min(range.m_nMinRow, row);
        range.m_nMinCol = std::min(range.m_nMinCol, col);
        range.m_nMaxRow = std::max(range.m_nMaxRow, row);
        range.m_nMaxCol = std::max(range.m_nMaxCol, col);
    }
    return range;
}

CCellRange CGridCtrl::GetCellRange() const
{
    return CCellRange(0, 0, m_nRows - 1, m_nCols - 1);
}

BOOL CGridCtrl::IsCellSelected(int nRow, int nCol) const
{
    return (GetItemState(nRow, nCol) & GVIS_SELECTED) != 0;
}

void CGridCtrl::SelectAllCells()
{
    if (!m_bEnableSelection)
        return;
    SetSelectedRange(m_nFixedRows, m_nFixedCols, m_nRows - 1, m_nCols - 1);
}

void CGridCtrl::SelectColumns(CCellID currentCell)
{
    if (!m_bEnableSelection || currentCell.col < m_nFixedCols)
        return;
    SetSelectedRange(m_nFixedRows, std::min(m_SelectionStartCell.col, currentCell.col), m_nRows - 1,
        std::max(m_SelectionStartCell.col, currentCell.col));
}

void CGridCtrl::SelectRows(CCellID currentCell)
{
    if (!m_bEnableSelection || currentCell.row < m_nFixedRows)
        return;
    if (m_bListMode && m_bSingleRowSelection)
        SetSelectedRange(currentCell.row, m_nFixedCols, currentCell.row, m_nCols - 1);
    else
        SetSelectedRange(std::min(m_SelectionStartCell.row, currentCell.row), m_nFixedCols,
            std::max(m_SelectionStartCell.row, currentCell.row), m_nCols - 1);
}

void CGridCtrl::SelectCells(CCellID currentCell)
{
    if (!m_bEnableSelection)
        return;
    const int row = currentCell.row, col = currentCell.col;
    if (row < m_nFixedRows || col < m_nFixedCols)
        return;
    if (!IsValid(m_SelectionStartCell))
        return;
    SetSelectedRange(std::max(std::min(m_SelectionStartCell.row, row), m_nFixedRows),
        std::max(std::min(m_SelectionStartCell.col, col), m_nFixedCols),
        std::max(m_SelectionStartCell.row, row), std::max(m_SelectionStartCell.col, col));
}

void CGridCtrl::OnSelecting(const CCellID& currentCell)
{
    if (!m_bEnableSelection)
        return;
    switch (m_MouseMode) {
    case MOUSE_SELECT_ALL:
        SelectAllCells();
        break;
    case MOUSE_SELECT_COL:
        SelectColumns(currentCell);
        break;
    case MOUSE_SELECT_ROW:
        SelectRows(currentCell);
        break;
    case MOUSE_SELECT_CELLS:
        SelectCells(currentCell);
        SendMessageToParent(m_SelectionStartCell.row, m_SelectionStartCell.col, GVN_BEGINLABELEDIT);
        break;
    default:
        break;
    }
}

void CGridCtrl::StartSelectionGesture(UINT nFlags)
{
    m_PrevSelectedCells.clear();
    if (nFlags & MK_CONTROL)
        m_PrevSelectedCells = m_SelectedCells;
}

// Heading clicks.

void CGridCtrl::OnFixedRowClick(CCellID& cell)
{
    if (!IsValid(cell))
        return;
    if (m_bListMode) {
        if (!m_bSortOnClick)
            return;
        CWaitCursor wait;
        m_bAscending = cell.col == m_SortColumn ? !m_bAscending : TRUE;
        m_SortColumn = cell.col;
        SortTextItems(m_SortColumn, m_bAscending);
        Invalidate();
        return;
    }
    if (cell.col < m_nFixedCols) {
        m_MouseMode = MOUSE_SELECT_ALL;
        OnSelecting(cell);
    } else {
        m_MouseMode = MOUSE_SELECT_COL;
        OnSelecting(cell);
    }
}

void CGridCtrl::OnFixedColumnClick(CCellID& cell)
{
    if (!IsValid(cell))
        return;
    m_MouseMode = cell.row < m_nFixedRows ? MOUSE_SELECT_ALL : MOUSE_SELECT_ROW;
    OnSelecting(cell);
}

// Dividers between headings.

namespace
{

// Whether a point lies within `range` of an edge of a cell: its leading edge
// (not for the first cell) or its trailing one.
bool NearDivider(int pos, int start, int end, int index, int range)
{
    return (pos - start <= range && index != 0) || end - pos <= range;
}

} // namespace

BOOL CGridCtrl::MouseOverColumnResizeArea(CPoint point) const
{
    const CCellID cell = GetCellFromPt(point);
    CRect rect;
    return point.y < GetFixedRowHeight() && m_bAllowColumnResize && GetCellRect(cell, &rect)
        && NearDivider(point.x, rect.left, rect.right + 1, cell.col, m_nResizeCaptureRange);
}

BOOL CGridCtrl::MouseOverRowResizeArea(CPoint point) const
{
    const CCellID cell = GetCellFromPt(point);
    CRect rect;
    return point.x < GetFixedColumnWidth() && m_bAllowRowResize && GetCellRect(cell, &rect)
        && NearDivider(point.y, rect.top, rect.bottom + 1, cell.row, m_nResizeCaptureRange);
}

void CGridCtrl::InvertSizingLine(CPoint point)
{
    if (point.x < 0 && point.y < 0)
        return;
    CRect client;
    GetClientRect(&client);
    CClientDC dc(this);
    // Inverting twice restores what was under the line.
    CRect line = m_MouseMode == MOUSE_SIZING_COL ? CRect(point.x, client.top, point.x + 2, client.bottom)
                                                 : CRect(client.left, point.y, client.right, point.y + 2);
    dc.DrawFocusRect(&line);
}

// Mouse.

void CGridCtrl::OnLButtonDown(UINT nFlags, CPoint point)
{
    m_LeftClickDownPoint = point;
    m_LeftClickDownCell = GetCellFromPt(point);
    if (!IsValid(m_LeftClickDownCell))
        return;
    m_SelectionStartCell = (nFlags & MK_SHIFT) ? m_idCurrentCell : m_LeftClickDownCell;
    SetFocus();
    if (m_LeftClickDownCell == m_idCurrentCell) {
        m_MouseMode = MOUSE_PREPARE_EDIT;
        return;
    }
    if (!MouseOverColumnResizeArea(point) && !MouseOverRowResizeArea(point)) {
        SetFocusCell(-1, -1);
        SetFocusCell(
            std::max(m_LeftClickDownCell.row, m_nFixedRows), std::max(m_LeftClickDownCell.col, m_nFixedCols));
    }
    if (m_bAllowDragAndDrop && IsCellSelected(m_LeftClickDownCell.row, m_LeftClickDownCell.col)) {
        m_MouseMode = MOUSE_PREPARE_DRAG;
        return;
    }
    SetCapture();
    if (m_MouseMode == MOUSE_NOTHING) {
        if (MouseOverColumnResizeArea(point)) {
            SetCursor(LoadCursor(nullptr, IDC_SIZEWE));
            m_MouseMode = MOUSE_OVER_COL_DIVIDE;
        } else if (MouseOverRowResizeArea(point)) {
            SetCursor(LoadCursor(nullptr, IDC_SIZENS));
            m_MouseMode = MOUSE_OVER_ROW_DIVIDE;
        }
    }
    if (m_MouseMode == MOUSE_OVER_COL_DIVIDE || m_MouseMode == MOUSE_OVER_ROW_DIVIDE) {
        CRect rect;
        GetCellRect(m_LeftClickDownCell, &rect);
        if (m_MouseMode == MOUSE_OVER_COL_DIVIDE) {
            m_MouseMode = MOUSE_SIZING_COL;
            m_nSizingIndex = m_LeftClickDownCell.col;
            if (point.x - rect.left <= m_nResizeCaptureRange && m_nSizingIndex > 0)
                --m_nSizingIndex;
            m_SizingLine = CPoint(point.x, -1);
        } else {
            m_MouseMode = MOUSE_SIZING_ROW;
            m_nSizingIndex = m_LeftClickDownCell.row;
            if (point.y - rect.top <= m_nResizeCaptureRange && m_nSizingIndex > 0)
                --m_nSizingIndex;
            m_SizingLine = CPoint(-1, point.y);
        }
        InvertSizingLine(m_SizingLine);
        m_LastMousePoint = point;
        return;
    }
    // A selection gesture.
    StartSelectionGesture(nFlags);
    if (m_LeftClickDownCell.row < m_nFixedRows) {
        OnFixedRowClick(m_LeftClickDownCell);
    } else if (m_LeftClickDownCell.col < m_nFixedCols) {
        OnFixedColumnClick(m_LeftClickDownCell);
    } else {
        m_MouseMode = m_bListMode ? MOUSE_SELECT_ROW : MOUSE_SELECT_CELLS;
        OnSelecting(m_LeftClickDownCell);
    }
    if (m_hWnd)
        m_nTimerID = SetTimer(AUTOSCROLL_TIMER, AUTOSCROLL_INTERVAL);
    m_LastMousePoint = point;
}

void CGridCtrl::OnMouseMove(UINT nFlags, CPoint point)
{
    if (!(nFlags & MK_LBUTTON)) {
        if (MouseOverColumnResizeArea(point)) {
            if (m_MouseMode != MOUSE_OVER_COL_DIVIDE) {
                SetCursor(LoadCursor(nullptr, IDC_SIZEWE));
                m_MouseMode = MOUSE_OVER_COL_DIVIDE;
            }
        } else if (MouseOverRowResizeArea(point)) {
            if (m_MouseMode != MOUSE_OVER_ROW_DIVIDE) {
                SetCursor(LoadCursor(nullptr, IDC_SIZENS));
                m_MouseMode = MOUSE_OVER_ROW_DIVIDE;
            }
        } else if (m_MouseMode != MOUSE_NOTHING) {
            SetCursor(LoadCursor(nullptr, IDC_ARROW));
            m_MouseMode = MOUSE_NOTHING;
        }
        if (m_MouseMode == MOUSE_NOTHING && m_bTitleTips) {
            const CCellID cell = GetCellFromPt(point);
            CRect text, hover;
            if (IsValid(cell) && GetTextRect(cell.row, cell.col, &text) && GetCellRect(cell, &hover)) {
                const CString title = GetItemText(cell.row, cell.col);
                m_TitleTip.Show(text, title, 0, &hover, GetItemFont(cell.row, cell.col));
            }
        }
        m_LastMousePoint = point;
        return;
    }
    if (!IsValid(m_LeftClickDownCell)) {
        m_LastMousePoint = point;
        return;
    }
    switch (m_MouseMode) {
    case MOUSE_SELECT_ALL:
        break;
    case MOUSE_SELECT_COL:
    case MOUSE_SELECT_ROW:
    case MOUSE_SELECT_CELLS: {
        const CCellID cell = GetCellFromPt(point);
        if (IsValid(cell) && cell != GetCellFromPt(m_LastMousePoint))
            OnSelecting(cell);
        break;
    }
    case MOUSE_SIZING_COL:
    case MOUSE_SIZING_ROW: {
        InvertSizingLine(m_SizingLine);
        m_SizingLine = m_MouseMode == MOUSE_SIZING_COL ? CPoint(point.x, -1) : CPoint(-1, point.y);
        InvertSizingLine(m_SizingLine);
        break;
    }
    case MOUSE_PREPARE_DRAG:
        m_LastMousePoint = point;
        StartDrag();
        return;
    default:
        break;
    }
    m_LastMousePoint = point;
}

void CGridCtrl::OnLButtonUp(UINT, CPoint point)
{
    ReleaseCapture();
    if (m_nTimerID) {
        KillTimer(m_nTimerID);
        m_nTimerID = 0;
    }
    if (m_MouseMode == MOUSE_PREPARE_EDIT) {
        m_MouseMode = MOUSE_NOTHING;
        OnEditCell(m_idCurrentCell.row, m_idCurrentCell.col, VK_LBUTTON);
    } else if (m_MouseMode == MOUSE_SIZING_COL || m_MouseMode == MOUSE_SIZING_ROW) {
        InvertSizingLine(m_SizingLine);
        m_SizingLine = CPoint(-1, -1);
        CRect start;
        if (point != m_LeftClickDownPoint) {
            if (m_MouseMode == MOUSE_SIZING_COL) {
                CPoint origin;
                if (GetCellOrigin(std::min(m_LeftClickDownCell.row, m_nRows - 1), m_nSizingIndex, &origin))
                    SetColumnWidth(m_nSizingIndex, point.x - origin.x);
            } else {
                CPoint origin;
                if (GetCellOrigin(m_nSizingIndex, std::min(m_LeftClickDownCell.col, m_nCols - 1), &origin))
                    SetRowHeight(m_nSizingIndex, point.y - origin.y);
            }
            ResetScrollBars();
            Invalidate();
        }
    }
    m_MouseMode = MOUSE_NOTHING;
    SetCursor(LoadCursor(nullptr, IDC_ARROW));
    if (!m_hWnd || !IsValid(m_LeftClickDownCell))
        return;
    if (CWnd* owner = GetOwner())
        owner->PostMessage(WM_COMMAND, MAKEWPARAM(WORD(GetDlgCtrlID()), 0), reinterpret_cast<LPARAM>(m_hWnd));
}

void CGridCtrl::OnLButtonDblClk(UINT, CPoint point)
{
    if (MouseOverColumnResizeArea(point)) {
        CCellID cell = GetCellFromPt(point);
        CRect rect;
        if (GetCellRect(cell, &rect) && point.x - rect.left <= m_nResizeCaptureRange && cell.col > 0)
            --cell.col;
        AutoSizeColumn(cell.col);
        Invalidate();
    } else if (MouseOverRowResizeArea(point)) {
        CCellID cell = GetCellFromPt(point);
        CRect rect;
        if (GetCellRect(cell, &rect) && point.y - rect.top <= m_nResizeCaptureRange && cell.row > 0)
            --cell.row;
        AutoSizeRow(cell.row);
        Invalidate();
    } else if (m_MouseMode == MOUSE_NOTHING || m_MouseMode == MOUSE_PREPARE_EDIT) {
        const CCellID cell = GetCellFromPt(point);
        if (!IsValid(cell))
            return;
        if (cell.row >= m_nFixedRows && cell.col >= m_nFixedCols && IsValid(m_idCurrentCell))
            OnEditCell(m_idCurrentCell.row, m_idCurrentCell.col, VK_LBUTTON);
        else if (m_bListMode && cell.row >= m_nFixedRows && cell.col < m_nFixedCols)
            OnEditCell(cell.row, cell.col, VK_LBUTTON);
    }
    m_MouseMode = MOUSE_NOTHING;
}

void CGridCtrl::OnRButtonDown(UINT, CPoint point)
{
    (void)GetCellFromPt(point);
}

BOOL CGridCtrl::OnMouseWheel(UINT, short zDelta, CPoint)
{
    const UINT lines = UINT(m_nRowsPerWheelNotch);
    // A wheel turn never asks for more lines than the grid has rows.
    auto post = [&](int count, UINT up, UINT down) {
        count = std::clamp(count, -std::max(m_nRows, 1), std::max(m_nRows, 1));
        for (int i = 0; i < std::abs(count); ++i)
            PostMessage(WM_VSCROLL, count > 0 ? up : down, 0);
    };
    if (lines == WHEEL_PAGESCROLL)
        post(zDelta / 120, SB_PAGEUP, SB_PAGEDOWN);
    else
        post(int(static_cast<long long>(zDelta) * std::min<UINT>(lines, 100) / 120), SB_LINEUP, SB_LINEDOWN);
    return TRUE;
}

void CGridCtrl::OnTimer(UINT_PTR nIDEvent)
{
    if (nIDEvent != AUTOSCROLL_TIMER)
        return;
    CRect client;
    GetClientRect(&client);
    const CPoint pt = m_LastMousePoint;
    if (!client.PtInRect(pt) && pt.y >= 0 && pt.x >= 0)
        return;
    if (pt.y < GetFixedRowHeight()) {
        SendMessage(WM_KEYDOWN, VK_UP, 0);
        const CCellID cell
            = GetCellFromPt(CPoint(std::clamp<LONG>(pt.x, 0, client.right - 1), GetFixedRowHeight() + 1));
        if (IsValid(cell))
            OnSelecting(cell);
    }
    if (pt.x < GetFixedColumnWidth()) {
        SendMessage(WM_KEYDOWN, VK_LEFT, 0);
        const CCellID cell
            = GetCellFromPt(CPoint(GetFixedColumnWidth() + 1, std::clamp<LONG>(pt.y, 0, client.bottom - 1)));
        if (IsValid(cell))
            OnSelecting(cell);
    }
}

BOOL CGridCtrl::OnSetCursor(CWnd* pWnd, UINT nHitTest, UINT message)
{
    if (nHitTest != HTCLIENT)
        return CWnd::OnSetCursor(pWnd, nHitTest, message);
    switch (m_MouseMode) {
    case MOUSE_OVER_ROW_DIVIDE:
        SetCursor(LoadCursor(nullptr, IDC_SIZENS));
        break;
    case MOUSE_OVER_COL_DIVIDE:
        SetCursor(LoadCursor(nullptr, IDC_SIZEWE));
        break;
    case MOUSE_DRAGGING:
        break;
    default:
        SetCursor(LoadCursor(nullptr, IDC_ARROW));
        break;
    }
    return TRUE;
}

void CGridCtrl::OnCaptureChanged(CWnd* pWnd)
{
    if (pWnd == this)
        return;
    if (m_nTimerID) {
        KillTimer(m_nTimerID);
        m_nTimerID = 0;
    }
    if (m_MouseMode == MOUSE_DRAGGING)
        m_MouseMode = MOUSE_NOTHING;
}

// Keys.

UINT CGridCtrl::OnGetDlgCode()
{
    UINT code = DLGC_WANTARROWS | DLGC_WANTCHARS;
    if (m_bHandleTabKey && !Held(VK_CONTROL))
        code |= DLGC_WANTTAB;
    return code;
}

BOOL CGridCtrl::PreTranslateMessage(MSG* pMsg)
{
    return CWnd::PreTranslateMessage(pMsg);
}

CCellID CGridCtrl::NextCellForKey(UINT nChar, BOOL bShift, BOOL* pbWrapped, BOOL* pbHandled)
{
    CCellID next = m_idCurrentCell;
    *pbWrapped = FALSE;
    *pbHandled = TRUE;
    switch (nChar) {
    case VK_TAB:
        if (bShift) {
            if (next.col > m_nFixedCols) {
                --next.col;
            } else if (next.col == m_nFixedCols && next.row > m_nFixedRows) {
                --next.row;
                next.col = m_nCols - 1;
                *pbWrapped = TRUE;
            } else {
                *pbHandled = FALSE;
            }
        } else {
            if (next.col < m_nCols - 1) {
                ++next.col;
            } else if (next.row < m_nRows - 1) {
                ++next.row;
                next.col = m_nFixedCols;
                *pbWrapped = TRUE;
            } else {
                *pbHandled = FALSE;
            }
        }
        break;
    case VK_DOWN:
        if (next.row < m_nRows - 1)
            ++next.row;
        break;
    case VK_UP:
        if (next.row > m_nFixedRows)
            --next.row;
        break;
    case VK_RIGHT:
        if (next.col < m_nCols - 1)
            ++next.col;
        break;
    case VK_LEFT:
        if (next.col > m_nFixedCols)
            --next.col;
        break;
    case VK_NEXT:
    case VK_PRIOR: {
        const CCellID before = GetTopleftNonFixedCell();
        SendMessage(WM_VSCROLL, nChar == VK_NEXT ? SB_PAGEDOWN : SB_PAGEUP, 0);
        const int moved = GetTopleftNonFixedCell().row - before.row;
        if (moved != 0)
            next.row = std::clamp(next.row + moved, m_nFixedRows, m_nRows - 1);
        else
            next.row = nChar == VK_NEXT ? m_nRows - 1 : m_nFixedRows;
        break;
    }
    case VK_HOME:
        SendMessage(WM_VSCROLL, SB_TOP, 0);
        next.row = m_nFixedRows;
        break;
    case VK_END:
        SendMessage(WM_VSCROLL, SB_BOTTOM, 0);
        next.row = m_nRows - 1;
        break;
    default:
        *pbHandled = FALSE;
        break;
    }
    return next;
}

void CGridCtrl::OnKeyDown(UINT nChar, UINT nRepCnt, UINT nFlags)
{
    if (!IsValid(m_idCurrentCell)) {
        CWnd::OnKeyDown(nChar, nRepCnt, nFlags);
        return;
    }
    const BOOL shift = Held(VK_SHIFT);
    if (Held(VK_CONTROL)) {
        switch (nChar) {
        case 'A':
            OnEditSelectAll();
            return;
        case 'C':
            OnEditCopy();
            return;
        case 'V':
            OnEditPaste();
            return;
        case 'X':
            OnEditCut();
            return;
        default:
            break;
        }
    }
    if (nChar == VK_DELETE) {
        const CCellID cell = m_idCurrentCell;
        if (IsCellEditable(cell)) {
            SendMessageToParent(cell.row, cell.col, GVN_BEGINLABELEDIT);
            SetItemText(cell.row, cell.col, "");
            SetModified(TRUE, cell.row, cell.col);
            SendMessageToParent(cell.row, cell.col, GVN_ENDLABELEDIT);
            RedrawCell(cell);
        }
        return;
    }
    BOOL wrapped = FALSE, handled = FALSE;
    const CCellID next = NextCellForKey(nChar, shift, &wrapped, &handled);
    if (!handled) {
        CWnd::OnKeyDown(nChar, nRepCnt, nFlags);
        return;
    }
    if (next == m_idCurrentCell || !IsValid(next))
        return;
    if (m_MouseMode == MOUSE_NOTHING) {
        m_PrevSelectedCells.clear();
        m_MouseMode = m_bListMode ? MOUSE_SELECT_ROW : MOUSE_SELECT_CELLS;
        if (!shift || nChar == VK_TAB)
            m_SelectionStartCell = next;
        OnSelecting(next);
        m_MouseMode = MOUSE_NOTHING;
    }
    SetFocusCell(next);
    if (IsCellVisible(next)) {
        CRect rect, client;
        GetClientRect(&client);
        if (GetCellRect(next, &rect) && rect.right < client.right && rect.bottom < client.bottom)
            return;
    }
    EnsureVisible(next);
    switch (nChar) {
    case VK_RIGHT:
        SendMessage(WM_HSCROLL, SB_LINERIGHT, 0);
        break;
    case VK_LEFT:
        SendMessage(WM_HSCROLL, SB_LINELEFT, 0);
        break;
    case VK_DOWN:
        SendMessage(WM_VSCROLL, SB_LINEDOWN, 0);
        break;
    case VK_UP:
        SendMessage(WM_VSCROLL, SB_LINEUP, 0);
        break;
    case VK_TAB:
        if (!wrapped) {
            SendMessage(WM_HSCROLL, shift ? SB_LINELEFT : SB_LINERIGHT, 0);
        } else if (shift) {
            SendMessage(WM_VSCROLL, SB_LINEUP, 0);
            SetScrollPos32(SB_HORZ, m_nHScrollMax);
        } else {
            SendMessage(WM_VSCROLL, SB_LINEDOWN, 0);
            SetScrollPos32(SB_HORZ, 0);
        }
        break;
    default:
        break;
    }
    Invalidate();
}

void CGridCtrl::OnChar(UINT nChar, UINT nRepCnt, UINT nFlags)
{
    if (!Held(VK_CONTROL) && m_MouseMode == MOUSE_NOTHING) {
        if (nChar == VK_TAB && m_bHandleTabKey) {
            CWnd::OnChar(nChar, nRepCnt, nFlags);
            return;
        }
        if (IsValid(m_idCurrentCell)) {
            OnEditCell(m_idCurrentCell.row, m_idCurrentCell.col, nChar);
            return;
        }
    }
    CWnd::OnChar(nChar, nRepCnt, nFlags);
}

// In-place editing.

void CGridCtrl::OnEditCell(int nRow, int nCol, UINT nChar)
{
    EnsureVisible(nRow, nCol);
    if (!IsValid(nRow, nCol) || !IsCellEditable(nRow, nCol) || !IsCellVisible(nRow, nCol))
        return;
    CRect rect;
    if (!GetCellRect(nRow, nCol, &rect))
        return;
    if (SendMessageToParent(nRow, nCol, GVN_BEGINLABELEDIT) != 0)
        return;
    if (!m_hWnd)
        return;
    const CString text = GetItemText(nRow, nCol);
    const UINT format = GetItemFormat(nRow, nCol);
    DWORD style = 0;
    if (format & DT_RIGHT)
        style = ES_RIGHT;
    else if (format & DT_CENTER)
        style = ES_CENTER;
    std::vector<CString> options;
    if (!GetColumnOptions(nCol, options)) {
        CreateInPlaceEditControl(rect, style, IDC_GRID_INPLACE_EDITOR, nRow, nCol, text, int(nChar));
        return;
    }
    if (m_nGridKind == GRID_KIND_FIXED_CHOICE && nCol == 2 && (nRow == 1 || nRow == 2))
        return;
    auto found = std::find_if(
        options.begin(), options.end(), [&](const CString& o) { return o.CompareNoCase(text) == 0; });
    CString initial;
    if (found != options.end() && !text.IsEmpty()) {
        initial = *found;
    } else {
        options.insert(options.begin(), text);
        initial = text;
    }
    auto* list = new CInPlaceList(
        this, rect, CBS_DROPDOWNLIST, IDC_GRID_INPLACE_EDITOR, nRow, nCol, options, initial, nChar);
    if (!list->m_hWnd)
        delete list;
}

void CGridCtrl::CreateInPlaceEditControl(
    CRect& rect, DWORD dwStyle, UINT nID, int nRow, int nCol, LPCTSTR szText, int nChar)
{
    const BOOL password = m_bPasswordColumn && nCol == m_nPasswordColumn;
    auto* edit = new CInPlaceEdit(this, rect, dwStyle, nID, nRow, nCol, szText, UINT(nChar), password);
    if (!edit->m_hWnd)
        delete edit;
}

void CGridCtrl::OnEndInPlaceEdit(NMHDR* pNMHDR, LRESULT* pResult)
{
    auto* info = reinterpret_cast<GV_DISPINFO*>(pNMHDR);
    *pResult = 0;
    const GV_ITEM& item = info->item;
    if (!IsValid(item.row, item.col))
        return;
    OnEndEditCell(item.row, item.col, item.szText);
    RedrawCell(item.row, item.col);
    SendMessageToParent(item.row, item.col, GVN_ENDLABELEDIT);
    const UINT key = UINT(item.lParam);
    if (key == VK_TAB || (key >= VK_PRIOR && key <= VK_DOWN))
        OnKeyDown(key, 0, 0);
}

void CGridCtrl::OnEndEditCell(int nRow, int nCol, CString str)
{
    if (GetItemText(nRow, nCol) == str)
        return;
    SetItemText(nRow, nCol, str);
    SetModified(TRUE, nRow, nCol);
}
