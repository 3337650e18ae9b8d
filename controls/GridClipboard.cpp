// The grid's cell texts as plain text: copy, cut and paste through the
// clipboard, and drag and drop between grids (off unless the owner turns
// it on).
#include "controls/GridCtrl.h"

#include <algorithm>
#include <cstring>

namespace
{

// The most a paste or a drop reads; what lies beyond is never split.
constexpr size_t kMaxPasteBytes = 1 << 20;

// Splits a pasted block into at most `maxLines` lines of at most `maxFields`
// fields each: lines end at newlines (an empty line followed by a newline
// counts as one space), fields at tabs, commas and newlines, and empty
// fields are skipped.
std::vector<std::vector<std::string>> SplitPaste(const std::string& text, size_t maxLines, size_t maxFields)
{
    std::vector<std::vector<std::string>> lines;
    size_t start = 0;
    while (start <= text.size() && lines.size() < maxLines) {
        size_t end = text.find('\n', start);
        const bool last = end == std::string::npos;
        if (last)
            end = text.size();
        std::string line = text.substr(start, end - start);
        if (line.empty() && !last)
            line.push_back(' ');
        std::vector<std::string> fields;
        size_t from = 0;
        while (from < line.size() && fields.size() < maxFields) {
            const size_t to = line.find_first_of("\t,\n", from);
            const size_t stop = to == std::string::npos ? line.size() : to;
            if (stop > from)
                fields.push_back(line.substr(from, stop - from));
            from = stop + 1;
        }
        lines.push_back(std::move(fields));
        if (last)
            break;
        start = end + 1;
    }
    return lines;
}

std::string Trimmed(const std::string& s)
{
    const char* space = " \t\r\n\v\f";
    const size_t first = s.find_first_not_of(space);
    if (first == std::string::npos)
        return std::string();
    return s.substr(first, s.find_last_not_of(space) - first + 1);
}

} // namespace

COleDataSource* CGridCtrl::CopyTextFromGrid()
{
    const CCellRange selection = GetSelectedCellRange();
    if (!IsValid(selection))
        return nullptr;
    std::string block;
    for (int row = selection.GetMinRow(); row <= selection.GetMaxRow(); ++row) {
        for (int col = selection.GetMinCol(); col <= selection.GetMaxCol(); ++col) {
            const CGridCell* cell = GetCell(row, col);
            if (cell && (cell->state & GVIS_SELECTED))
                block += cell->szText.IsEmpty() ? std::string(" ") : cell->szText.Str();
            if (col != selection.GetMaxCol())
                block += '\t';
        }
        if (row != selection.GetMaxRow())
            block += '\n';
    }
    auto* source = new COleDataSource;
    source->CacheText(block);
    return source;
}

void CGridCtrl::ChangeCell(CGridCell* cell, int nRow, int nCol, LPCTSTR text)
{
    SendMessageToParent(nRow, nCol, GVN_BEGINLABELEDIT);
    if (text)
        StoreText(cell, text);
    else
        EmptyCell(cell, nRow, nCol);
    SetModified(TRUE, nRow, nCol);
    SendMessageToParent(nRow, nCol, GVN_ENDLABELEDIT);
}

void CGridCtrl::CutSelectedText()
{
    if (!m_bEditable)
        return;
    // A copy: emptying a cell drops it from the selection.
    const std::vector<long long> selected(m_SelectedCells.begin(), m_SelectedCells.end());
    for (long long key : selected) {
        const int row = int(key >> 32), col = int(unsigned(key & 0xFFFFFFFF));
        CGridCell* cell = GetCell(row, col);
        if (!cell || !IsCellEditable(row, col))
            continue;
        m_SelectedCells.erase(key);
        ChangeCell(cell, row, col, nullptr);
    }
    if (m_hWnd)
        Invalidate();
}

BOOL CGridCtrl::PasteTextToGrid(CCellID cell, COleDataObject* pDataObject)
{
    if (!pDataObject || !pDataObject->IsDataAvailable(CF_TEXT) || !IsValid(cell))
        return FALSE;
    std::string text;
    if (!pDataObject->GetText(text, kMaxPasteBytes))
        return FALSE;
    // Only as many lines and fields as the grid has room for are split.
    const auto lines = SplitPaste(text, size_t(m_nRows - cell.row), size_t(m_nCols - cell.col));
    for (size_t i = 0; i < lines.size(); ++i) {
        for (size_t j = 0; j < lines[i].size(); ++j) {
            const int row = cell.row + int(i), col = cell.col + int(j);
            CGridCell* target = GetCell(row, col);
            if (!target)
                continue;
            ChangeCell(target, row, col, Trimmed(lines[i][j]).c_str());
            target->state &= ~GVIS_SELECTED;
            m_SelectedCells.erase(CellKey(row, col));
        }
    }
    if (m_hWnd)
        Invalidate();
    return TRUE;
}

void CGridCtrl::OnEditCopy()
{
    if (COleDataSource* source = CopyTextFromGrid())
        source->SetClipboard();
}

void CGridCtrl::OnEditCut()
{
    if (!m_bEditable)
        return;
    COleDataSource* source = CopyTextFromGrid();
    if (!source)
        return;
    source->SetClipboard();
    CutSelectedText();
}

void CGridCtrl::OnEditPaste()
{
    if (!m_bEditable)
        return;
    CCellID cell = m_idCurrentCell;
    if (!IsValid(cell))
        cell = GetTopleftNonFixedCell();
    if (!IsValid(cell))
        return;
    COleDataObject data;
    if (data.AttachClipboard())
        PasteTextToGrid(cell, &data);
}

void CGridCtrl::OnEditSelectAll()
{
    SelectAllCells();
}

void CGridCtrl::OnUpdateEditSelectAll(CCmdUI* pCmdUI)
{
    pCmdUI->Enable(TRUE);
}

void CGridCtrl::OnUpdateEditCopy(CCmdUI* pCmdUI)
{
    pCmdUI->Enable(IsValid(GetSelectedCellRange()));
}

void CGridCtrl::OnUpdateEditCut(CCmdUI* pCmdUI)
{
    pCmdUI->Enable(m_bEditable && IsValid(GetSelectedCellRange()));
}

void CGridCtrl::OnUpdateEditPaste(CCmdUI* pCmdUI)
{
    COleDataObject data;
    pCmdUI->Enable(IsValid(m_idCurrentCell) && IsCellEditable(m_idCurrentCell) && data.AttachClipboard()
        && data.IsDataAvailable(CF_TEXT));
}

// Drag source.

void CGridCtrl::StartDrag()
{
    if (!m_bAllowDragAndDrop)
        return;
    std::unique_ptr<COleDataSource> source(CopyTextFromGrid());
    if (!source)
        return;
    const CCellRange selection = GetSelectedCellRange();
    SendMessageToParent(selection.GetMinRow(), selection.GetMinCol(), GVN_BEGINDRAG);
    m_MouseMode = MOUSE_DRAGGING;
    const HWND self = m_hWnd;
    const DROPEFFECT effect = source->DoDragDrop(DROPEFFECT_COPY | DROPEFFECT_MOVE);
    if (!::IsWindow(self))
        return;
    if (effect & DROPEFFECT_MOVE)
        CutSelectedText();
    m_MouseMode = MOUSE_NOTHING;
}

// Drop target.

DROPEFFECT CGridCtrl::OnDragOver(COleDataObject* pDataObject, DWORD dwKeyState, CPoint point)
{
    if (!m_bAllowDragAndDrop || !IsEditable() || !pDataObject || !pDataObject->IsDataAvailable(CF_TEXT))
        return DROPEFFECT_NONE;
    const CCellID cell = GetCellFromPt(point);
    if (!IsValid(cell)) {
        OnDragLeave();
        m_LastDragOverCell = CCellID();
        return DROPEFFECT_NONE;
    }
    if (!IsCellEditable(cell))
        return DROPEFFECT_NONE;
    if (cell != m_LastDragOverCell) {
        if (CGridCell* last = GetCell(m_LastDragOverCell.row, m_LastDragOverCell.col)) {
            last->state &= ~GVIS_DROPHILITED;
            RedrawCell(m_LastDragOverCell);
        }
        m_LastDragOverCell = cell;
        if (CGridCell* now = GetCell(cell.row, cell.col)) {
            now->state |= GVIS_DROPHILITED;
            RedrawCell(cell);
        }
    }
    return (dwKeyState & MK_CONTROL) ? DROPEFFECT_COPY : DROPEFFECT_MOVE;
}

DROPEFFECT CGridCtrl::OnDragEnter(COleDataObject* pDataObject, DWORD dwKeyState, CPoint point)
{
    return OnDragOver(pDataObject, dwKeyState, point);
}

void CGridCtrl::OnDragLeave()
{
    if (CGridCell* last = GetCell(m_LastDragOverCell.row, m_LastDragOverCell.col)) {
        last->state &= ~GVIS_DROPHILITED;
        RedrawCell(m_LastDragOverCell);
    }
}

BOOL CGridCtrl::OnDrop(COleDataObject* pDataObject, DROPEFFECT, CPoint point)
{
    m_MouseMode = MOUSE_NOTHING;
    const CCellID cell = GetCellFromPt(point);
    if (!IsValid(cell) || !IsCellEditable(cell)) {
        OnDragLeave();
        return FALSE;
    }
    OnDragLeave();
    m_LastDragOverCell = CCellID();
    return PasteTextToGrid(cell, pDataObject);
}

BOOL CGridDropTarget::Register(CGridCtrl* pGridCtrl)
{
    if (m_bRegistered || !pGridCtrl || !dynamic_cast<CGridCtrl*>(static_cast<CWnd*>(pGridCtrl)))
        return FALSE;
    m_pGridCtrl = pGridCtrl;
    m_bRegistered = COleDropTarget::Register(pGridCtrl);
    return m_bRegistered;
}

DROPEFFECT CGridDropTarget::OnDragEnter(
    CWnd* pWnd, COleDataObject* pDataObject, DWORD dwKeyState, CPoint point)
{
    if (!m_pGridCtrl || pWnd != m_pGridCtrl)
        return DROPEFFECT_NONE;
    return m_pGridCtrl->OnDragEnter(pDataObject, dwKeyState, point);
}

DROPEFFECT CGridDropTarget::OnDragOver(
    CWnd* pWnd, COleDataObject* pDataObject, DWORD dwKeyState, CPoint point)
{
    if (!m_pGridCtrl || pWnd != m_pGridCtrl)
        return DROPEFFECT_NONE;
    return m_pGridCtrl->OnDragOver(pDataObject, dwKeyState, point);
}

void CGridDropTarget::OnDragLeave(CWnd* pWnd)
{
    if (m_pGridCtrl && pWnd == m_pGridCtrl)
        m_pGridCtrl->OnDragLeave();
}

BOOL CGridDropTarget::OnDrop(CWnd* pWnd, COleDataObject* pDataObject, DROPEFFECT dropEffect, CPoint point)
{
    if (!m_pGridCtrl || pWnd != m_pGridCtrl)
        return FALSE;
    return m_pGridCtrl->OnDrop(pDataObject, dropEffect, point);
}
