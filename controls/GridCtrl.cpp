// The grid's construction, its cells and their fields, its counts and
// sizes, its options and its notifications.
#include "controls/GridCtrl.h"

#include "platform/base/Settings.h"
#include "platform/msg/CmdTarget.h"
#include "platform/ui/DocView.h"

#include <algorithm>
#include <cstdlib>
#include <cstring>

BEGIN_MESSAGE_MAP(CGridCtrl, CWnd)
ON_WM_PAINT()
ON_WM_HSCROLL()
ON_WM_VSCROLL()
ON_WM_SIZE()
ON_WM_LBUTTONUP()
ON_WM_LBUTTONDOWN()
ON_WM_MOUSEMOVE()
ON_WM_TIMER()
ON_WM_GETDLGCODE()
ON_WM_KEYDOWN()
ON_WM_CHAR()
ON_WM_LBUTTONDBLCLK()
ON_WM_ERASEBKGND()
ON_COMMAND(ID_EDIT_SELECT_ALL, OnEditSelectAll)
ON_UPDATE_COMMAND_UI(ID_EDIT_SELECT_ALL, OnUpdateEditSelectAll)
ON_WM_RBUTTONDOWN()
ON_WM_SETCURSOR()
ON_WM_SYSCOLORCHANGE()
ON_WM_CAPTURECHANGED()
ON_COMMAND(ID_EDIT_COPY, OnEditCopy)
ON_UPDATE_COMMAND_UI(ID_EDIT_COPY, OnUpdateEditCopy)
ON_COMMAND(ID_EDIT_CUT, OnEditCut)
ON_UPDATE_COMMAND_UI(ID_EDIT_CUT, OnUpdateEditCut)
ON_COMMAND(ID_EDIT_PASTE, OnEditPaste)
ON_UPDATE_COMMAND_UI(ID_EDIT_PASTE, OnUpdateEditPaste)
ON_WM_MOUSEWHEEL()
ON_MESSAGE(WM_SETFONT, OnSetFont)
ON_MESSAGE(WM_GETFONT, OnGetFont)
ON_NOTIFY(GVN_ENDLABELEDIT, IDC_GRID_INPLACE_EDITOR, OnEndInPlaceEdit)
ON_WM_DESTROY()
END_MESSAGE_MAP()

namespace
{

// Rows per wheel notch from the user's desktop settings; 3 when unset.
int ReadWheelScrollLines()
{
    HKEY key = nullptr;
    if (RegOpenKeyEx(HKEY_CURRENT_USER, "Control Panel\\Desktop", 0, KEY_QUERY_VALUE, &key) != ERROR_SUCCESS)
        return 3;
    char text[32] = {};
    DWORD size = sizeof text - 1;
    DWORD type = 0;
    int lines = 3;
    if (RegQueryValueEx(key, "WheelScrollLines", nullptr, &type, reinterpret_cast<BYTE*>(text), &size)
            == ERROR_SUCCESS
        && type == REG_SZ) {
        text[std::min<DWORD>(size, sizeof text - 1)] = '\0';
        lines = int(std::strtoul(text, nullptr, 10));
    }
    RegCloseKey(key);
    return lines;
}

} // namespace

CGridCtrl::CGridCtrl(int nRows, int nCols, int nFixedRows, int nFixedCols)
    : m_crTextColour(GetSysColor(COLOR_WINDOWTEXT))
    , m_crTextBkColour(GetSysColor(COLOR_WINDOW))
    , m_crBkColour(GetSysColor(COLOR_BTNSHADOW))
    , m_crFixedTextColour(GetSysColor(COLOR_WINDOWTEXT))
    , m_crFixedBkColour(GetSysColor(COLOR_BTNFACE))
    , m_crGridColour(RGB(192, 192, 192))
    , m_crWindowText(GetSysColor(COLOR_WINDOWTEXT))
    , m_crWindowColour(GetSysColor(COLOR_WINDOW))
    , m_cr3DFace(GetSysColor(COLOR_BTNFACE))
    , m_crShadow(GetSysColor(COLOR_BTNSHADOW))
{
    CFont guiFont;
    guiFont.Attach(GetStockObject(DEFAULT_GUI_FONT));
    guiFont.GetLogFont(&m_Logfont);
    guiFont.Detach();
    m_nRowsPerWheelNotch = ReadWheelScrollLines();
    SetRowCount(nRows);
    SetColumnCount(nCols);
    SetFixedRowCount(nFixedRows);
    SetFixedColumnCount(nFixedCols);
}

CGridCtrl::~CGridCtrl()
{
    DestroyCells();
    if (m_hWnd)
        DestroyWindow();
    m_Font.DeleteObject();
}

BOOL CGridCtrl::Create(const RECT& rect, CWnd* pParentWnd, UINT nID, DWORD dwStyle)
{
    // The bars show only while the cells overflow.
    if (!CWnd::Create("MFCGridCtrl", nullptr, dwStyle | WS_HSCROLL | WS_VSCROLL, rect, pParentWnd, nID))
        return FALSE;
    m_DropTarget.Register(this);
    if (m_bTitleTips)
        m_TitleTip.Create(this);
    // The grid font, from which the margin and the default sizes follow.
    CFont font;
    if (font.CreateFontIndirect(&m_Logfont))
        SendMessage(WM_SETFONT, reinterpret_cast<WPARAM>(font.m_hObject), 0);
    m_arRowHeights.assign(size_t(m_nRows), UINT(m_nDefCellHeight));
    m_arColWidths.assign(size_t(m_nCols), UINT(m_nDefCellWidth));
    ResetScrollBars();
    return TRUE;
}

void CGridCtrl::OnDestroy()
{
    m_TitleTip.Hide();
    m_DropTarget.Revoke();
    m_DropTarget.m_bRegistered = FALSE;
    if (m_nTimerID)
        KillTimer(m_nTimerID);
    m_nTimerID = 0;
    CWnd::OnDestroy();
}

void CGridCtrl::DestroyCells()
{
    for (int row = 0; row < int(m_RowData.size()); ++row) {
        for (int col = 0; col < int(m_RowData[size_t(row)].size()); ++col) {
            if (CGridCell* cell = m_RowData[size_t(row)][size_t(col)]) {
                EmptyCell(cell, row, col);
                delete cell;
            }
        }
    }
    m_RowData.clear();
    m_SelectedCells.clear();
    m_PrevSelectedCells.clear();
}

CGridCell* CGridCtrl::CreateCell(int nRow, int nCol)
{
    auto* cell = new CGridCell;
    cell->lfFont = m_Logfont;
    if (nRow > 0 && nCol >= 0) {
        if (CGridCell* above = GetCell(nRow - 1, nCol))
            cell->nFormat = above->nFormat;
    }
    return cell;
}

void CGridCtrl::EmptyCell(CGridCell* pCell, int nRow, int nCol)
{
    (void)nRow;
    (void)nCol;
    pCell->state = 0;
    pCell->szText.Empty();
}

CGridCell* CGridCtrl::GetCell(int nRow, int nCol) const
{
    if (nRow < 0 || nRow >= m_nRows || nCol < 0 || nCol >= m_nCols || size_t(nRow) >= m_RowData.size())
        return nullptr;
    const GridRow& row = m_RowData[size_t(nRow)];
    return size_t(nCol) < row.size() ? row[size_t(nCol)] : nullptr;
}

BOOL CGridCtrl::IsValid(int nRow, int nCol) const
{
    return nRow >= 0 && nRow < m_nRows && nCol >= 0 && nCol < m_nCols;
}

BOOL CGridCtrl::IsValid(const CCellRange& range) const
{
    return range.GetMinRow() >= 0 && range.GetMinCol() >= 0 && range.GetMaxRow() >= 0
        && range.GetMaxCol() >= 0 && range.GetMaxRow() < m_nRows && range.GetMaxCol() < m_nCols
        && range.GetMinRow() <= range.GetMaxRow() && range.GetMinCol() <= range.GetMaxCol();
}

// Counts.

BOOL CGridCtrl::SetRowCount(int nRows)
{
    if (nRows < 0 || nRows == m_nRows)
        return nRows >= 0;
    if (m_nFixedRows > nRows)
        m_nFixedRows = nRows;
    if (m_idCurrentCell.row >= nRows)
        SetFocusCell(-1, -1);
    const int oldRows = m_nRows;
    for (int row = nRows; row < oldRows; ++row) {
        for (int col = 0; col < m_nCols; ++col) {
            if (CGridCell* cell = m_RowData[size_t(row)][size_t(col)]) {
                EmptyCell(cell, row, col);
                m_SelectedCells.erase(CellKey(row, col));
                delete cell;
            }
        }
    }
    try {
        m_RowData.resize(size_t(nRows));
        m_arRowHeights.resize(size_t(nRows), UINT(m_nDefCellHeight));
        m_nRows = nRows;
        for (int row = oldRows; row < nRows; ++row) {
            GridRow& cells = m_RowData[size_t(row)];
            cells.resize(size_t(m_nCols), nullptr);
            for (int col = 0; col < m_nCols; ++col)
                cells[size_t(col)] = CreateCell(row, col);
        }
    } catch (const std::bad_alloc&) {
        m_nRows = int(std::min(m_RowData.size(), m_arRowHeights.size()));
        return FALSE;
    }
    if (m_bAllowDraw && m_hWnd) {
        ResetScrollBars();
        Invalidate();
    }
    return TRUE;
}

BOOL CGridCtrl::SetColumnCount(int nCols)
{
    if (nCols < 0)
        return FALSE;
    if (nCols == m_nCols)
        return TRUE;
    // Options belong to the old column layout.
    m_arColumnOptions.assign(size_t(nCols), CGridColumnOptions());
    if (m_nFixedCols > nCols)
        m_nFixedCols = nCols;
    if (m_idCurrentCell.col >= nCols)
        SetFocusCell(-1, -1);
    const int oldCols = m_nCols;
    try {
        for (int row = 0; row < m_nRows; ++row) {
            GridRow& cells = m_RowData[size_t(row)];
            for (int col = nCols; col < oldCols; ++col) {
                if (CGridCell* cell = cells[size_t(col)]) {
                    EmptyCell(cell, row, col);
                    m_SelectedCells.erase(CellKey(row, col));
                    delete cell;
                }
            }
            cells.resize(size_t(nCols), nullptr);
        }
        m_arColWidths.resize(size_t(nCols), UINT(m_nDefCellWidth));
        m_nCols = nCols;
        for (int row = 0; row < m_nRows; ++row)
            for (int col = oldCols; col < nCols; ++col)
                m_RowData[size_t(row)][size_t(col)] = CreateCell(row, col);
    } catch (const std::bad_alloc&) {
        return FALSE;
    }
    if (m_bAllowDraw && m_hWnd) {
        ResetScrollBars();
        Invalidate();
    }
    return TRUE;
}

BOOL CGridCtrl::SetFixedRowCount(int nFixedRows)
{
    if (nFixedRows < 0)
        return FALSE;
    if (nFixedRows > m_nRows && !SetRowCount(nFixedRows))
        return FALSE;
    if (m_idCurrentCell.row >= 0 && m_idCurrentCell.row < nFixedRows)
        SetFocusCell(-1, -1);
    m_nFixedRows = nFixedRows;
    if (m_bAllowDraw && m_hWnd)
        Invalidate();
    return TRUE;
}

BOOL CGridCtrl::SetFixedColumnCount(int nFixedCols)
{
    if (nFixedCols < 0)
        return FALSE;
    if (nFixedCols > m_nCols && !SetColumnCount(nFixedCols))
        return FALSE;
    if (m_idCurrentCell.col >= 0 && m_idCurrentCell.col < nFixedCols)
        SetFocusCell(-1, -1);
    m_nFixedCols = nFixedCols;
    if (m_bAllowDraw && m_hWnd)
        Invalidate();
    return TRUE;
}

// Sizes.

int CGridCtrl::GetRowHeight(int nRow) const
{
    return nRow >= 0 && size_t(nRow) < m_arRowHeights.size() && nRow < m_nRows
        ? int(m_arRowHeights[size_t(nRow)])
        : -1;
}

BOOL CGridCtrl::SetRowHeight(int nRow, int height)
{
    if (nRow < 0 || nRow >= m_nRows || height < 0)
        return FALSE;
    m_arRowHeights.resize(size_t(m_nRows), UINT(m_nDefCellHeight));
    m_arRowHeights[size_t(nRow)] = UINT(height);
    return TRUE;
}

int CGridCtrl::GetColumnWidth(int nCol) const
{
    return nCol >= 0 && size_t(nCol) < m_arColWidths.size() && nCol < m_nCols
        ? int(m_arColWidths[size_t(nCol)])
        : -1;
}

BOOL CGridCtrl::SetColumnWidth(int nCol, int width)
{
    if (nCol < 0 || nCol >= m_nCols || width < 0)
        return FALSE;
    m_arColWidths.resize(size_t(m_nCols), UINT(m_nDefCellWidth));
    m_arColWidths[size_t(nCol)] = UINT(width);
    return TRUE;
}

int CGridCtrl::GetFixedRowHeight() const
{
    int height = 0;
    for (int row = 0; row < m_nFixedRows; ++row)
        height += std::max(GetRowHeight(row), 0);
    return height;
}

int CGridCtrl::GetFixedColumnWidth() const
{
    int width = 0;
    for (int col = 0; col < m_nFixedCols; ++col)
        width += std::max(GetColumnWidth(col), 0);
    return width;
}

long CGridCtrl::GetVirtualWidth() const
{
    long width = 0;
    for (int col = 0; col < m_nCols; ++col)
        width += std::max(GetColumnWidth(col), 0);
    return width;
}

long CGridCtrl::GetVirtualHeight() const
{
    long height = 0;
    for (int row = 0; row < m_nRows; ++row)
        height += std::max(GetRowHeight(row), 0);
    return height;
}

// Properties.

void CGridCtrl::SetGridLines(int nWhichLines)
{
    m_nGridLines = nWhichLines;
    if (m_hWnd)
        Invalidate();
}

void CGridCtrl::SetRedraw(BOOL bAllowDraw, BOOL bResetScrollBars)
{
    if (bAllowDraw && !m_bAllowDraw && m_hWnd)
        Invalidate();
    m_bAllowDraw = bAllowDraw;
    if (bResetScrollBars)
        ResetScrollBars();
}

void CGridCtrl::EnableScrollBars(BOOL bHorz, BOOL bVert)
{
    m_bHorzScrollAllowed = bHorz != FALSE;
    m_bVertScrollAllowed = bVert != FALSE;
}

void CGridCtrl::SetPasswordColumn(int nCol, int n)
{
    m_nPasswordValue = n;
    m_nPasswordColumn = nCol;
    m_bPasswordColumn = true;
}

void CGridCtrl::SetModified(BOOL bModified, int nRow, int nCol)
{
    if (nRow >= 1 && nCol >= 1) {
        CGridCell* cell = GetCell(nRow, nCol);
        if (!cell)
            return;
        if (bModified) {
            cell->state |= GVIS_MODIFIED;
            m_bModified = TRUE;
        } else {
            cell->state &= ~GVIS_MODIFIED;
        }
    } else {
        m_bModified = bModified;
    }
    if (!m_bModified) {
        for (GridRow& row : m_RowData)
            for (CGridCell* cell : row)
                if (cell)
                    cell->state &= ~GVIS_MODIFIED;
    }
}

BOOL CGridCtrl::GetModified(int nRow, int nCol) const
{
    if (nRow >= 0 && nCol >= 0) {
        const CGridCell* cell = GetCell(nRow, nCol);
        return cell && (cell->state & GVIS_MODIFIED);
    }
    return m_bModified;
}

// Cells.

void CGridCtrl::StoreText(CGridCell* cell, LPCTSTR text)
{
    const char* s = text ? text : "";
    cell->szText = CString(s, int(strnlen(s, GRID_MAX_CELL_TEXT)));
}

BOOL CGridCtrl::SetItem(const GV_ITEM* pItem)
{
    if (!pItem)
        return FALSE;
    CGridCell* cell = GetCell(pItem->row, pItem->col);
    if (!cell)
        return FALSE;
    if (pItem->mask & GVIF_TEXT)
        StoreText(cell, pItem->szText);
    if (pItem->mask & GVIF_PARAM)
        cell->lParam = pItem->lParam;
    if (pItem->mask & GVIF_IMAGE)
        cell->iImage = pItem->iImage;
    if (pItem->mask & GVIF_STATE)
        cell->state = pItem->state;
    if (pItem->mask & GVIF_FORMAT)
        cell->nFormat = pItem->nFormat;
    if (pItem->mask & GVIF_BKCLR)
        cell->crBkClr = pItem->crBkClr;
    if (pItem->mask & GVIF_FGCLR)
        cell->crFgClr = pItem->crFgClr;
    return TRUE;
}

BOOL CGridCtrl::GetItem(GV_ITEM* pItem) const
{
    if (!pItem)
        return FALSE;
    const CGridCell* cell = GetCell(pItem->row, pItem->col);
    if (!cell)
        return FALSE;
    if (pItem->mask & GVIF_TEXT)
        pItem->szText = GetItemText(pItem->row, pItem->col);
    if (pItem->mask & GVIF_PARAM)
        pItem->lParam = cell->lParam;
    if (pItem->mask & GVIF_IMAGE)
        pItem->iImage = cell->iImage;
    if (pItem->mask & GVIF_STATE)
        pItem->state = cell->state;
    if (pItem->mask & GVIF_FORMAT)
        pItem->nFormat = cell->nFormat;
    if (pItem->mask & GVIF_BKCLR)
        pItem->crBkClr = cell->crBkClr;
    if (pItem->mask & GVIF_FGCLR)
        pItem->crFgClr = cell->crFgClr;
    return TRUE;
}

BOOL CGridCtrl::SetItemText(int nRow, int nCol, LPCTSTR str)
{
    return WithCell(nRow, nCol, [&](CGridCell& c) { StoreText(&c, str); });
}

CString CGridCtrl::GetItemText(int nRow, int nCol) const
{
    return CellField(nRow, nCol, &CGridCell::szText, CString());
}

BOOL CGridCtrl::SetItemData(int nRow, int nCol, LPARAM lParam)
{
    return WithCell(nRow, nCol, [&](CGridCell& c) { c.lParam = lParam; });
}

LPARAM CGridCtrl::GetItemData(int nRow, int nCol) const
{
    return CellField(nRow, nCol, &CGridCell::lParam, LPARAM(0));
}

BOOL CGridCtrl::SetItemImage(int nRow, int nCol, int iImage)
{
    return WithCell(nRow, nCol, [&](CGridCell& c) { c.iImage = iImage; });
}

int CGridCtrl::GetItemImage(int nRow, int nCol) const
{
    return CellField(nRow, nCol, &CGridCell::iImage, -1);
}

BOOL CGridCtrl::SetItemState(int nRow, int nCol, UINT state)
{
    return WithCell(nRow, nCol, [&](CGridCell& c) {
        // The selected-cell set follows the selected flag.
        if (state & GVIS_SELECTED)
            m_SelectedCells.insert(CellKey(nRow, nCol));
        else
            m_SelectedCells.erase(CellKey(nRow, nCol));
        c.state = state;
    });
}

UINT CGridCtrl::GetItemState(int nRow, int nCol) const
{
    return CellField(nRow, nCol, &CGridCell::state, 0u);
}

BOOL CGridCtrl::SetItemFormat(int nRow, int nCol, UINT nFormat)
{
    return WithCell(nRow, nCol, [&](CGridCell& c) { c.nFormat = nFormat; });
}

UINT CGridCtrl::GetItemFormat(int nRow, int nCol) const
{
    return CellField(nRow, nCol, &CGridCell::nFormat, 0u);
}

BOOL CGridCtrl::SetItemBkColour(int nRow, int nCol, COLORREF cr)
{
    return WithCell(nRow, nCol, [&](CGridCell& c) { c.crBkClr = cr; });
}

COLORREF CGridCtrl::GetItemBkColour(int nRow, int nCol) const
{
    return CellField(nRow, nCol, &CGridCell::crBkClr, COLORREF(0));
}

BOOL CGridCtrl::SetItemFgColour(int nRow, int nCol, COLORREF cr)
{
    return WithCell(nRow, nCol, [&](CGridCell& c) { c.crFgClr = cr; });
}

COLORREF CGridCtrl::GetItemFgColour(int nRow, int nCol) const
{
    return CellField(nRow, nCol, &CGridCell::crFgClr, COLORREF(0));
}

BOOL CGridCtrl::SetItemFont(int nRow, int nCol, const LOGFONT* lf)
{
    return lf && WithCell(nRow, nCol, [&](CGridCell& c) { c.lfFont = *lf; });
}

const LOGFONT* CGridCtrl::GetItemFont(int nRow, int nCol) const
{
    const CGridCell* cell = GetCell(nRow, nCol);
    return cell ? &cell->lfFont : &m_Logfont;
}

BOOL CGridCtrl::IsCellEditable(int nRow, int nCol) const
{
    return m_bEditable && !(GetItemState(nRow, nCol) & GVIS_READONLY);
}

// Column options.

void CGridCtrl::SetColumnOptions(int nCol, const char** items, int count)
{
    if (nCol < 0 || size_t(nCol) >= m_arColumnOptions.size())
        return;
    CGridColumnOptions& options = m_arColumnOptions[size_t(nCol)];
    options.m_strOptions.clear();
    for (int i = 0; items && i < count; ++i)
        options.m_strOptions.emplace_back(items[i] ? items[i] : "");
    options.m_nOptions = int(options.m_strOptions.size());
}

BOOL CGridCtrl::GetColumnOptions(int nCol, std::vector<CString>& out) const
{
    if (nCol < 0 || size_t(nCol) >= m_arColumnOptions.size()
        || m_arColumnOptions[size_t(nCol)].m_nOptions == 0)
        return FALSE;
    out = m_arColumnOptions[size_t(nCol)].m_strOptions;
    return TRUE;
}

// Sorting.

BOOL CGridCtrl::SortTextItems(int nCol, BOOL bAscending)
{
    if (nCol < 0 || nCol >= m_nCols || m_nRows - m_nFixedRows < 2) {
        if (nCol >= 0 && nCol < m_nCols)
            ResetSelectedRange();
        return nCol >= 0 && nCol < m_nCols;
    }
    // Rows move whole, with their heights; equal texts keep their order.
    std::vector<std::pair<GridRow, UINT>> rows;
    rows.reserve(size_t(m_nRows - m_nFixedRows));
    for (int row = m_nFixedRows; row < m_nRows; ++row)
        rows.emplace_back(std::move(m_RowData[size_t(row)]), m_arRowHeights[size_t(row)]);
    const size_t column = size_t(nCol);
    std::stable_sort(rows.begin(), rows.end(), [&](const auto& a, const auto& b) {
        const int order
            = std::strcmp(a.first[column]->szText.GetString(), b.first[column]->szText.GetString());
        return bAscending ? order < 0 : order > 0;
    });
    for (int row = m_nFixedRows; row < m_nRows; ++row) {
        m_RowData[size_t(row)] = std::move(rows[size_t(row - m_nFixedRows)].first);
        m_arRowHeights[size_t(row)] = rows[size_t(row - m_nFixedRows)].second;
    }
    SetFocusCell(-1, -1);
    ResetSelectedRange();
    return TRUE;
}

// Notifications.

LRESULT CGridCtrl::SendMessageToParent(int nRow, int nCol, int nMessage)
{
    if (!m_hWnd)
        return 0;
    CWnd* owner = GetOwner();
    if (!owner || !owner->m_hWnd)
        return 0;
    NM_GRIDVIEW nmgv {};
    nmgv.hdr.hwndFrom = m_hWnd;
    nmgv.hdr.idFrom = UINT_PTR(GetDlgCtrlID());
    nmgv.hdr.code = UINT(nMessage);
    nmgv.iRow = nRow;
    nmgv.iColumn = nCol;
    return owner->SendMessage(WM_NOTIFY, WPARAM(GetDlgCtrlID()), reinterpret_cast<LPARAM>(&nmgv));
}
