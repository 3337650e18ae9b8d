// The grid's geometry, painting, scrolling and sizing.
#include "controls/GridCtrl.h"

#include <algorithm>
#include <cstring>

namespace
{

// WM_SIZE may resize the window again through the scroll bars it shows.
bool g_bInOnSize = false;

// The cell's own font when it differs from the grid's, else the grid's.
class CellFont
{
public:
    CellFont(CDC* dc, const LOGFONT& cellFont, const LOGFONT& gridFont, CFont* gridCFont, LONG weight = 0)
        : m_dc(dc)
    {
        CFont* use = gridCFont;
        if (weight || std::memcmp(&cellFont, &gridFont, sizeof(LOGFONT)) != 0 || !gridCFont
            || !gridCFont->m_hObject) {
            LOGFONT lf = cellFont;
            if (weight)
                lf.lfWeight = weight;
            if (m_own.CreateFontIndirect(&lf))
                use = &m_own;
        }
        m_old = use && use->m_hObject ? dc->SelectObject(use) : nullptr;
    }
    ~CellFont()
    {
        if (m_old)
            m_dc->SelectObject(m_old);
    }
    CellFont(const CellFont&) = delete;
    CellFont& operator=(const CellFont&) = delete;

private:
    CDC* m_dc;
    CFont m_own;
    CFont* m_old = nullptr;
};

// The size of an image of the list, (0, 0) without a list.
CSize ImageSize(CImageList* list, int image)
{
    if (!list || image < 0 || image >= list->GetImageCount())
        return CSize(0, 0);
    IMAGEINFO info {};
    if (!list->GetImageInfo(image, &info))
        return CSize(0, 0);
    return CSize(info.rcImage.right - info.rcImage.left, info.rcImage.bottom - info.rcImage.top);
}

} // namespace

// Scroll positions.

int CGridCtrl::GetScrollPos32(int nBar) const
{
    return m_hWnd ? GetScrollPos(nBar) : 0;
}

void CGridCtrl::SetScrollPos32(int nBar, int nPos)
{
    if (m_hWnd)
        SetScrollPos(nBar, nPos);
}

// Geometry.

CCellID CGridCtrl::GetTopleftNonFixedCell() const
{
    const int vertScroll = GetScrollPos32(SB_VERT);
    const int horzScroll = GetScrollPos32(SB_HORZ);
    int column = m_nFixedCols, right = 0;
    while (right < horzScroll && column < m_nCols - 1)
        right += GetColumnWidth(column++);
    int row = m_nFixedRows, top = 0;
    while (top < vertScroll && row < m_nRows - 1)
        top += GetRowHeight(row++);
    return CCellID(row, column);
}

CCellRange CGridCtrl::GetVisibleNonFixedCellRange(LPRECT pRect) const
{
    CRect client;
    GetClientRect(&client);
    const CCellID topLeft = GetTopleftNonFixedCell();
    int bottom = GetFixedRowHeight();
    int maxRow = topLeft.row;
    for (int row = topLeft.row; row < m_nRows; ++row) {
        maxRow = row;
        bottom += GetRowHeight(row);
        if (bottom >= client.bottom) {
            bottom = client.bottom;
            break;
        }
    }
    int right = GetFixedColumnWidth();
    int maxCol = topLeft.col;
    for (int col = topLeft.col; col < m_nCols; ++col) {
        maxCol = col;
        right += GetColumnWidth(col);
        if (right >= client.right) {
            right = client.right;
            break;
        }
    }
    if (pRect)
        *pRect = CRect(0, 0, right, bottom);
    if (topLeft.row >= m_nRows || topLeft.col >= m_nCols)
        return CCellRange();
    return CCellRange(topLeft.row, topLeft.col, maxRow, maxCol);
}

BOOL CGridCtrl::GetCellOrigin(int nRow, int nCol, LPPOINT p) const
{
    if (!IsValid(nRow, nCol) || !p)
        return FALSE;
    const CCellID topLeft
        = (nCol >= m_nFixedCols || nRow >= m_nFixedRows) ? GetTopleftNonFixedCell() : CCellID();
    if (nCol < m_nFixedCols) {
        p->x = 0;
        for (int col = 0; col < nCol; ++col)
            p->x += GetColumnWidth(col);
    } else {
        if (nCol < topLeft.col)
            return FALSE;
        p->x = GetFixedColumnWidth();
        for (int col = topLeft.col; col < nCol; ++col)
            p->x += GetColumnWidth(col);
    }
    if (nRow < m_nFixedRows) {
        p->y = 0;
        for (int row = 0; row < nRow; ++row)
            p->y += GetRowHeight(row);
    } else {
        if (nRow < topLeft.row)
            return FALSE;
        p->y = GetFixedRowHeight();
        for (int row = topLeft.row; row < nRow; ++row)
            p->y += GetRowHeight(row);
    }
    return TRUE;
}

BOOL CGridCtrl::GetCellRect(int nRow, int nCol, LPRECT pRect) const
{
    CPoint origin;
    if (!pRect || !GetCellOrigin(nRow, nCol, &origin))
        return FALSE;
    pRect->left = origin.x;
    pRect->top = origin.y;
    pRect->right = origin.x + GetColumnWidth(nCol) - 1;
    pRect->bottom = origin.y + GetRowHeight(nRow) - 1;
    return TRUE;
}

BOOL CGridCtrl::GetTextRect(int nRow, int nCol, LPRECT pRect) const
{
    CRect rect;
    if (!pRect || !GetCellRect(nRow, nCol, &rect))
        return FALSE;
    rect.left += m_nMargin;
    rect.right -= m_nMargin;
    const int image = GetItemImage(nRow, nCol);
    if (m_pImageList && image >= 0)
        rect.left += ImageSize(m_pImageList, image).cx + m_nMargin;
    *pRect = rect;
    return TRUE;
}

CCellID CGridCtrl::GetCellFromPt(CPoint point, BOOL bAllowFixedCellCheck) const
{
    const CCellID topLeft = GetTopleftNonFixedCell();
    // The index along one axis: in the fixed band from 0, else from the
    // first scrolled index; -1 past the last.
    auto indexAt = [](int pos, int fixedCount, int count, int firstScrolled, int fixedExtent, BOOL allowFixed,
                       auto sizeOf) {
        if (pos < 0 || (!allowFixed && pos < fixedExtent))
            return -1;
        const bool inFixed = pos < fixedExtent;
        int edge = inFixed ? 0 : fixedExtent;
        const int end = inFixed ? fixedCount : count;
        for (int index = inFixed ? 0 : firstScrolled; index < end; ++index) {
            edge += sizeOf(index);
            if (edge > pos)
                return index;
        }
        return -1;
    };
    const int col = indexAt(point.x, m_nFixedCols, m_nCols, topLeft.col, GetFixedColumnWidth(),
        bAllowFixedCellCheck, [this](int i) { return GetColumnWidth(i); });
    const int row = indexAt(point.y, m_nFixedRows, m_nRows, topLeft.row, GetFixedRowHeight(),
        bAllowFixedCellCheck, [this](int i) { return GetRowHeight(i); });
    if (row < 0 || col < 0)
        return CCellID();
    return CCellID(row, col);
}

BOOL CGridCtrl::IsCellVisible(int nRow, int nCol) const
{
    if (!IsValid(nRow, nCol) || !m_hWnd)
        return FALSE;
    CPoint origin;
    if (!GetCellOrigin(nRow, nCol, &origin))
        return FALSE;
    CRect client;
    GetClientRect(&client);
    return origin.x < client.right && origin.y < client.bottom;
}

CRect CGridCtrl::NonFixedArea() const
{
    CRect rect;
    GetClientRect(&rect);
    rect.top = std::min<LONG>(GetFixedRowHeight(), rect.bottom);
    return rect;
}

// Painting.

void CGridCtrl::OnPaint()
{
    CPaintDC dc(this);
    if (!m_bDoubleBuffer) {
        OnDraw(&dc);
        return;
    }
    CRect client;
    GetClientRect(&client);
    CDC memDC;
    CBitmap bitmap;
    if (client.IsRectEmpty() || !memDC.CreateCompatibleDC(&dc)
        || !bitmap.CreateCompatibleBitmap(&dc, client.Width(), client.Height())) {
        OnDraw(&dc);
        return;
    }
    CBitmap* old = memDC.SelectObject(&bitmap);
    OnDraw(&memDC);
    dc.BitBlt(0, 0, client.Width(), client.Height(), &memDC, 0, 0, SRCCOPY);
    memDC.SelectObject(old);
}

BOOL CGridCtrl::OnEraseBkgnd(CDC*)
{
    return TRUE;
}

void CGridCtrl::OnDraw(CDC* pDC)
{
    CRect client;
    GetClientRect(&client);
    const int fixedHeight = std::min<int>(GetFixedRowHeight(), client.bottom);
    const int fixedWidth = std::min<int>(GetFixedColumnWidth(), client.right);
    CRect visible;
    const CCellRange range = GetVisibleNonFixedCellRange(&visible);
    const long virtualWidth = GetVirtualWidth();
    const long virtualHeight = GetVirtualHeight();
    // The cells end where the last column and row end (or at the window's edge).
    const int cellsRight = int(std::min<long>(
        client.right, range.IsValid() ? visible.right : std::min<long>(virtualWidth, fixedWidth)));
    const int cellsBottom = int(std::min<long>(
        client.bottom, range.IsValid() ? visible.bottom : std::min<long>(virtualHeight, fixedHeight)));

    pDC->FillSolidRect(&client, m_crBkColour);
    if (m_nRows > 0 && m_nCols > 0) {
        pDC->FillSolidRect(CRect(0, 0, cellsRight, fixedHeight), m_crFixedBkColour);
        pDC->FillSolidRect(CRect(0, 0, fixedWidth, cellsBottom), m_crFixedBkColour);
        pDC->FillSolidRect(CRect(fixedWidth, fixedHeight, cellsRight, cellsBottom), m_crTextBkColour);
    }
    if (m_nRows == 0 || m_nCols == 0)
        return;

    // A band of cells, row by row from `top` and column by column from `left`.
    auto band = [&](int row0, int row1, int top, int col0, int col1, int left, bool fixed) {
        CRect rect;
        rect.top = top;
        for (int row = row0; row <= row1; ++row) {
            rect.bottom = rect.top + GetRowHeight(row) - 1;
            rect.left = left;
            for (int col = col0; col <= col1; ++col) {
                rect.right = rect.left + GetColumnWidth(col) - 1;
                if (fixed)
                    DrawFixedCell(pDC, row, col, rect);
                else
                    DrawCell(pDC, row, col, rect);
                rect.left = rect.right + 1;
            }
            rect.top = rect.bottom + 1;
        }
    };
    band(0, m_nFixedRows - 1, 0, 0, m_nFixedCols - 1, 0, true); // the corner
    if (!range.IsValid())
        return;
    band(0, m_nFixedRows - 1, 0, range.GetMinCol(), range.GetMaxCol(), fixedWidth, true);
    band(range.GetMinRow(), range.GetMaxRow(), fixedHeight, 0, m_nFixedCols - 1, 0, true);
    band(range.GetMinRow(), range.GetMaxRow(), fixedHeight, range.GetMinCol(), range.GetMaxCol(), fixedWidth,
        false);
    // Grid lines over the cells.
    CPen pen(PS_SOLID, 0, m_crGridColour);
    CPen* oldPen = pDC->SelectObject(&pen);
    if (m_nGridLines == GVL_VERT || m_nGridLines == GVL_BOTH) {
        int x = fixedWidth;
        for (int col = range.GetMinCol(); col <= range.GetMaxCol(); ++col) {
            x += GetColumnWidth(col);
            pDC->MoveTo(x - 1, fixedHeight);
            pDC->LineTo(x - 1, visible.bottom);
        }
    }
    if (m_nGridLines == GVL_HORZ || m_nGridLines == GVL_BOTH) {
        int y = fixedHeight;
        for (int row = range.GetMinRow(); row <= range.GetMaxRow(); ++row) {
            y += GetRowHeight(row);
            pDC->MoveTo(fixedWidth, y - 1);
            pDC->LineTo(visible.right, y - 1);
        }
    }
    pDC->SelectObject(oldPen);
}

BOOL CGridCtrl::DrawCell(CDC* pDC, int nRow, int nCol, CRect rect, BOOL)
{
    if (!m_bAllowDraw)
        return FALSE;
    const CGridCell* cell = GetCell(nRow, nCol);
    if (!cell)
        return FALSE;
    const COLORREF bk = cell->crBkClr == CLR_DEFAULT ? m_crTextBkColour : cell->crBkClr;
    const COLORREF fg = cell->crFgClr == CLR_DEFAULT ? m_crTextColour : cell->crFgClr;
    CRect grown(rect.left, rect.top, rect.right + 1, rect.bottom + 1);
    if (cell->state & GVIS_FOCUSED) {
        pDC->FillSolidRect(&grown, bk);
        CPen* oldPen = static_cast<CPen*>(pDC->SelectStockObject(BLACK_PEN));
        CGdiObject* oldBrush = pDC->SelectStockObject(NULL_BRUSH);
        pDC->Rectangle(&grown);
        pDC->SelectObject(oldPen);
        if (oldBrush)
            pDC->SelectObject(static_cast<CBrush*>(oldBrush));
        pDC->SetTextColor(fg);
        rect.DeflateRect(1, 1);
    } else if (cell->state & (GVIS_SELECTED | GVIS_DROPHILITED)) {
        pDC->FillSolidRect(&grown, GetSysColor(COLOR_HIGHLIGHT));
        pDC->SetTextColor(GetSysColor(COLOR_HIGHLIGHTTEXT));
    } else {
        pDC->FillSolidRect(&grown, bk);
        pDC->SetTextColor(fg);
    }
    CellFont font(pDC, cell->lfFont, m_Logfont, &m_Font);
    DrawCellContent(pDC, *cell, rect);
    return TRUE;
}

BOOL CGridCtrl::DrawFixedCell(CDC* pDC, int nRow, int nCol, CRect rect, BOOL)
{
    if (!m_bAllowDraw)
        return FALSE;
    const CGridCell* cell = GetCell(nRow, nCol);
    if (!cell)
        return FALSE;
    const COLORREF bk = cell->crBkClr == CLR_DEFAULT ? m_crFixedBkColour : cell->crBkClr;
    const COLORREF fg = cell->crFgClr == CLR_DEFAULT ? m_crFixedTextColour : cell->crFgClr;
    CRect grown(rect.left, rect.top, rect.right + 1, rect.bottom + 1);
    pDC->FillSolidRect(&grown, bk);
    pDC->SetTextColor(fg);
    const bool heading
        = m_idCurrentCell.IsValid() && (nRow == m_idCurrentCell.row || nCol == m_idCurrentCell.col);
    if (heading) {
        // The heading of the focus: bold on a sunken edge.
        pDC->Draw3dRect(&grown, GetSysColor(COLOR_3DSHADOW), GetSysColor(COLOR_3DHILIGHT));
        rect.DeflateRect(1, 1);
    } else {
        pDC->Draw3dRect(&grown, GetSysColor(COLOR_3DHILIGHT), GetSysColor(COLOR_3DDKSHADOW));
    }
    CellFont font(pDC, cell->lfFont, m_Logfont, &m_Font, heading ? FW_SEMIBOLD : 0);
    DrawCellContent(pDC, *cell, rect);
    return TRUE;
}

void CGridCtrl::DrawCellContent(CDC* pDC, const CGridCell& cell, CRect rect)
{
    pDC->SetBkMode(TRANSPARENT);
    rect.DeflateRect(m_nMargin, 0);
    if (m_pImageList && cell.iImage >= 0) {
        const CSize image = ImageSize(m_pImageList, cell.iImage);
        if (cell.szText.IsEmpty()) {
            // An image alone sits in the middle of its cell.
            const CPoint at(
                rect.left + (rect.Width() - image.cx) / 2, rect.top + (rect.Height() + 1 - image.cy) / 2);
            m_pImageList->Draw(pDC, cell.iImage, at, ILD_NORMAL);
        } else {
            m_pImageList->Draw(pDC, cell.iImage, rect.TopLeft(), ILD_NORMAL);
            rect.left += image.cx + m_nMargin;
        }
    }
    if (!cell.szText.IsEmpty())
        pDC->DrawText(cell.szText, -1, &rect, cell.nFormat);
}

BOOL CGridCtrl::RedrawCell(int nRow, int nCol, CDC* pDC)
{
    if (!m_bAllowDraw || !m_hWnd || !IsCellVisible(nRow, nCol))
        return FALSE;
    CRect rect;
    if (!GetCellRect(nRow, nCol, &rect))
        return FALSE;
    if (!pDC && m_bDoubleBuffer) {
        CRect area(rect.left, rect.top, rect.right + 1, rect.bottom + 1);
        InvalidateRect(&area, TRUE);
        return TRUE;
    }
    std::unique_ptr<CClientDC> own;
    if (!pDC) {
        own = std::make_unique<CClientDC>(this);
        pDC = own.get();
    }
    const BOOL drawn = (nRow < m_nFixedRows || nCol < m_nFixedCols)
        ? DrawFixedCell(pDC, nRow, nCol, rect, TRUE)
        : DrawCell(pDC, nRow, nCol, rect, TRUE);
    CPen pen(PS_SOLID, 0, m_crGridColour);
    CPen* oldPen = pDC->SelectObject(&pen);
    if (m_nGridLines == GVL_HORZ || m_nGridLines == GVL_BOTH) {
        pDC->MoveTo(rect.left, rect.bottom);
        pDC->LineTo(rect.right + 1, rect.bottom);
    }
    if (m_nGridLines == GVL_VERT || m_nGridLines == GVL_BOTH) {
        pDC->MoveTo(rect.right, rect.top);
        pDC->LineTo(rect.right, rect.bottom + 1);
    }
    pDC->SelectObject(oldPen);
    return drawn;
}

BOOL CGridCtrl::RedrawRow(int row)
{
    BOOL all = TRUE;
    for (int col = 0; col < m_nCols; ++col)
        all = RedrawCell(row, col) && all;
    return all;
}

BOOL CGridCtrl::RedrawColumn(int col)
{
    if (!m_bAllowDraw || !m_hWnd)
        return FALSE;
    CClientDC dc(this);
    BOOL all = TRUE;
    for (int row = 0; row < m_nRows; ++row)
        all = RedrawCell(row, col, &dc) && all;
    return all;
}

// Sizing.

CSize CGridCtrl::GetCellExtent(int nRow, int nCol, CDC* pDC)
{
    const CGridCell* cell = GetCell(nRow, nCol);
    if (!cell || !pDC)
        return CSize(0, 0);
    const bool fixed = nRow < m_nFixedRows || nCol < m_nFixedCols;
    CellFont font(pDC, cell->lfFont, m_Logfont, &m_Font, fixed ? FW_SEMIBOLD : 0);
    CSize size = pDC->GetTextExtent(cell->szText);
    if (size_t(nCol) < m_arColumnOptions.size()) {
        for (const CString& option : m_arColumnOptions[size_t(nCol)].m_strOptions)
            size.cx = std::max<LONG>(size.cx, pDC->GetTextExtent(option).cx);
    }
    const CSize image = m_pImageList ? ImageSize(m_pImageList, cell->iImage) : CSize(0, 0);
    return CSize(size.cx + 4 * m_nMargin + image.cx, std::max<LONG>(size.cy + 2 * m_nMargin, image.cy));
}

BOOL CGridCtrl::AutoSizeColumn(int nCol)
{
    if (nCol < 0 || nCol >= m_nCols || !m_hWnd)
        return FALSE;
    CClientDC dc(this);
    int width = 0;
    for (int row = 0; row < m_nRows; ++row)
        width = std::max<int>(width, GetCellExtent(row, nCol, &dc).cx);
    m_arColWidths[size_t(nCol)] = UINT(width);
    ResetScrollBars();
    return TRUE;
}

BOOL CGridCtrl::AutoSizeRow(int nRow)
{
    if (nRow < 0 || nRow >= m_nRows || !m_hWnd)
        return FALSE;
    CClientDC dc(this);
    int height = 0;
    for (int col = 0; col < m_nCols; ++col)
        height = std::max<int>(height, GetCellExtent(nRow, col, &dc).cy);
    m_arRowHeights[size_t(nRow)] = UINT(height);
    ResetScrollBars();
    return TRUE;
}

void CGridCtrl::AutoSizeColumns()
{
    for (int col = 0; col < m_nCols; ++col)
        AutoSizeColumn(col);
}

void CGridCtrl::AutoSizeRows()
{
    for (int row = 0; row < m_nRows; ++row)
        AutoSizeRow(row);
}

void CGridCtrl::AutoSize()
{
    if (!m_hWnd)
        return;
    CClientDC dc(this);
    std::fill(m_arColWidths.begin(), m_arColWidths.end(), 0u);
    std::fill(m_arRowHeights.begin(), m_arRowHeights.end(), 0u);
    for (int col = 0; col < m_nCols; ++col) {
        for (int row = 0; row < m_nRows; ++row) {
            const CSize extent = GetCellExtent(row, col, &dc);
            // Each cell is compared with the width already reduced by 5.
            if (extent.cx > LONG(m_arColWidths[size_t(col)]))
                m_arColWidths[size_t(col)] = UINT(std::max<LONG>(extent.cx - 5, 0));
            if (extent.cy > LONG(m_arRowHeights[size_t(row)]))
                m_arRowHeights[size_t(row)] = UINT(extent.cy);
        }
    }
    if (m_bAllowDraw) {
        ResetScrollBars();
        Invalidate();
    }
}

void CGridCtrl::ResetScrollBars()
{
    if (!m_bAllowDraw || !m_hWnd)
        return;
    CRect client;
    GetClientRect(&client);
    client.left += GetFixedColumnWidth();
    client.top += GetFixedRowHeight();
    if (client.left >= client.right || client.top >= client.bottom)
        return;
    CRect whole;
    GetClientRect(&whole);
    const long width = GetVirtualWidth();
    const long height = GetVirtualHeight();
    if (whole.Width() >= width - 2 && whole.Height() >= height - 2) {
        m_nHScrollMax = m_nVScrollMax = 0;
    } else {
        const long scrollWidth = width - GetFixedColumnWidth();
        const long scrollHeight = height - GetFixedRowHeight();
        SCROLLINFO info {};
        info.cbSize = sizeof info;
        info.fMask = SIF_PAGE;
        info.nPage = UINT(std::max<LONG>(client.Width(), 0));
        SetScrollInfo(SB_HORZ, &info, FALSE);
        info.nPage = UINT(std::max<LONG>(client.Height() + 16, 0));
        SetScrollInfo(SB_VERT, &info, FALSE);
        m_nVScrollMax
            = m_bVertScrollAllowed && long(client.Height() + 16) < scrollHeight ? int(scrollHeight - 1) : 0;
        m_nHScrollMax = m_bHorzScrollAllowed && long(client.Width()) < scrollWidth ? int(scrollWidth - 1) : 0;
    }
    SetScrollRange(SB_VERT, 0, m_nVScrollMax, TRUE);
    SetScrollRange(SB_HORZ, 0, m_nHScrollMax, TRUE);
}

void CGridCtrl::OnSize(UINT nType, int cx, int cy)
{
    if (g_bInOnSize)
        return;
    g_bInOnSize = true;
    CWnd::OnSize(nType, cx, cy);
    ResetScrollBars();
    g_bInOnSize = false;
}

// Scrolling.

void CGridCtrl::OnVScroll(UINT nSBCode, UINT, CScrollBar*)
{
    HandleScroll(SB_VERT, nSBCode);
}

void CGridCtrl::OnHScroll(UINT nSBCode, UINT, CScrollBar*)
{
    HandleScroll(SB_HORZ, nSBCode);
}

void CGridCtrl::HandleScroll(int nBar, UINT nSBCode)
{
    if (CWnd::GetFocus() != this)
        SetFocus();
    m_TitleTip.Hide();
    const bool vert = nBar == SB_VERT;
    const int position = GetScrollPos32(nBar);
    const int maximum = vert ? m_nVScrollMax : m_nHScrollMax;
    const CCellID topLeft = GetTopleftNonFixedCell();
    CRect client;
    GetClientRect(&client);
    CRect scrolled = client;
    if (vert)
        scrolled.top = std::min<LONG>(GetFixedRowHeight(), client.bottom);
    else
        scrolled.left = std::min<LONG>(GetFixedColumnWidth(), client.right);
    const int page = vert ? client.Height() - GetFixedRowHeight() : client.Width() - GetFixedColumnWidth();
    const int firstNonFixed = vert ? m_nFixedRows : m_nFixedCols;
    const int topIndex = vert ? topLeft.row : topLeft.col;
    auto size = [&](int index) { return vert ? GetRowHeight(index) : GetColumnWidth(index); };

    switch (nSBCode) {
    case SB_LINEDOWN:
        if (position < maximum) {
            const int step = std::max(size(topIndex), 0);
            SetScrollPos32(nBar, position + step);
            if (GetScrollPos32(nBar) != position)
                InvalidateRect(&scrolled);
        }
        break;
    case SB_LINEUP:
        if (position > 0 && topIndex > firstNonFixed) {
            const int step = std::max(size(topIndex - 1), 0);
            SetScrollPos32(nBar, std::max(0, position - step));
            InvalidateRect(&scrolled);
        }
        break;
    case SB_PAGEDOWN:
    case SB_PAGEUP: {
        const int target = nSBCode == SB_PAGEDOWN ? position + page : position - page;
        const int clamped = std::clamp(target, 0, std::max(maximum, 0));
        if (clamped != position) {
            SetScrollPos32(nBar, clamped);
            InvalidateRect(&scrolled);
        }
        break;
    }
    case SB_THUMBPOSITION:
    case SB_THUMBTRACK: {
        SCROLLINFO info {};
        info.cbSize = sizeof info;
        info.fMask = SIF_TRACKPOS;
        GetScrollInfo(nBar, &info, SIF_TRACKPOS);
        SetScrollPos32(nBar, std::clamp(info.nTrackPos, 0, std::max(maximum, 0)));
        if (GetTopleftNonFixedCell() != topLeft)
            InvalidateRect(&scrolled);
        break;
    }
    case SB_TOP:
        if (position > 0) {
            SetScrollPos32(nBar, 0);
            Invalidate();
        }
        break;
    case SB_BOTTOM:
        if (maximum > 0 && position != maximum) {
            SetScrollPos32(nBar, maximum);
            Invalidate();
        }
        break;
    default:
        break;
    }
}

void CGridCtrl::EnsureVisible(int nRow, int nCol)
{
    if (!IsValid(nRow, nCol) || !m_hWnd)
        return;
    // Each step scrolls one line; a step that moves nothing ends the walk.
    auto step = [&](UINT message, UINT code) {
        const CCellID before = GetTopleftNonFixedCell();
        SendMessage(message, code, 0);
        return GetTopleftNonFixedCell() != before;
    };
    for (CCellRange range = GetVisibleNonFixedCellRange();
         range.IsValid() && nCol >= m_nFixedCols && nCol > range.GetMaxCol();
         range = GetVisibleNonFixedCellRange())
        if (!step(WM_HSCROLL, SB_LINERIGHT))
            break;
    for (CCellRange range = GetVisibleNonFixedCellRange();
         range.IsValid() && nCol >= m_nFixedCols && nCol < range.GetMinCol();
         range = GetVisibleNonFixedCellRange())
        if (!step(WM_HSCROLL, SB_LINELEFT))
            break;
    for (CCellRange range = GetVisibleNonFixedCellRange();
         range.IsValid() && nRow >= m_nFixedRows && nRow > range.GetMaxRow();
         range = GetVisibleNonFixedCellRange())
        if (!step(WM_VSCROLL, SB_LINEDOWN))
            break;
    for (CCellRange range = GetVisibleNonFixedCellRange();
         range.IsValid() && nRow >= m_nFixedRows && nRow < range.GetMinRow();
         range = GetVisibleNonFixedCellRange())
        if (!step(WM_VSCROLL, SB_LINEUP))
            break;
    // A cell cut by the window's edge gets one more line.
    CRect rect, client;
    GetClientRect(&client);
    if (GetCellRect(nRow, nCol, &rect)) {
        if (rect.right > client.right && nCol >= m_nFixedCols)
            SendMessage(WM_HSCROLL, SB_LINERIGHT, 0);
        if (rect.bottom > client.bottom && nRow >= m_nFixedRows)
            SendMessage(WM_VSCROLL, SB_LINEDOWN, 0);
    }
}

LRESULT CGridCtrl::OnSetFont(WPARAM hFont, LPARAM)
{
    auto handle = reinterpret_cast<HFONT>(hFont);
    if (!handle)
        return 0;
    CFont given;
    given.Attach(handle);
    LOGFONT lf {};
    const bool read = given.GetLogFont(&lf) != 0;
    given.Detach();
    if (!read)
        return 0;
    m_Logfont = lf;
    m_Font.DeleteObject();
    m_Font.CreateFontIndirect(&m_Logfont);
    for (GridRow& row : m_RowData)
        for (CGridCell* cell : row)
            if (cell)
                cell->lfFont = m_Logfont;
    if (m_hWnd) {
        CClientDC dc(this);
        CFont* old = dc.SelectObject(&m_Font);
        TEXTMETRIC tm {};
        dc.GetTextMetrics(&tm);
        m_nMargin = dc.GetTextExtent(" ", 1).cx;
        dc.SelectObject(old);
        m_nDefCellHeight = tm.tmHeight + tm.tmExternalLeading + 2 * m_nMargin;
        m_nDefCellWidth = tm.tmAveCharWidth * 12 + 2 * m_nMargin;
        Invalidate();
    }
    return 0;
}

LRESULT CGridCtrl::OnGetFont(WPARAM, LPARAM)
{
    return reinterpret_cast<LRESULT>(m_Font.m_hObject);
}

void CGridCtrl::OnSysColorChange()
{
    const COLORREF windowText = GetSysColor(COLOR_WINDOWTEXT);
    const COLORREF window = GetSysColor(COLOR_WINDOW);
    const COLORREF face = GetSysColor(COLOR_BTNFACE);
    const COLORREF shadow = GetSysColor(COLOR_BTNSHADOW);
    if (m_crTextColour == m_crWindowText)
        m_crTextColour = windowText;
    if (m_crTextBkColour == m_crWindowColour)
        m_crTextBkColour = window;
    if (m_crBkColour == m_crShadow)
        m_crBkColour = shadow;
    if (m_crFixedTextColour == m_crWindowText)
        m_crFixedTextColour = windowText;
    if (m_crFixedBkColour == m_cr3DFace)
        m_crFixedBkColour = face;
    m_crWindowText = windowText;
    m_crWindowColour = window;
    m_cr3DFace = face;
    m_crShadow = shadow;
}
