#include "platform/ui/SplitterWnd.h"

#include <algorithm>

BEGIN_MESSAGE_MAP(CSplitterWnd, CWnd)
ON_WM_SIZE()
ON_WM_LBUTTONDOWN()
ON_WM_MOUSEMOVE()
ON_WM_LBUTTONUP()
END_MESSAGE_MAP()

CSplitterWnd::CSplitterWnd() = default;

BOOL CSplitterWnd::CreateStatic(CWnd* pParentWnd, int nRows, int nCols, DWORD dwStyle, UINT nID)
{
    if (!pParentWnd || nRows < 1 || nCols < 1 || nRows > 16 || nCols > 16)
        return FALSE;
    m_rows.assign(size_t(nRows), CRowColInfo {});
    m_cols.assign(size_t(nCols), CRowColInfo {});
    RECT client;
    pParentWnd->GetClientRect(&client);
    return Create("SplitterWnd", nullptr, dwStyle | WS_CHILD, client, pParentWnd, nID);
}

BOOL CSplitterWnd::CreateView(
    int row, int col, CRuntimeClass* pViewClass, SIZE sizeInit, CCreateContext* pContext)
{
    if (row < 0 || col < 0 || row >= GetRowCount() || col >= GetColumnCount() || !pViewClass)
        return FALSE;
    auto* view = dynamic_cast<CWnd*>(pViewClass->CreateObject());
    if (!view)
        return FALSE;
    m_rows[size_t(row)].nIdealSize = sizeInit.cy;
    m_cols[size_t(col)].nIdealSize = sizeInit.cx;
    const RECT rect { 0, 0, sizeInit.cx, sizeInit.cy };
    if (!view->Create(
            nullptr, nullptr, WS_CHILD | WS_VISIBLE, rect, this, UINT(IdFromRowCol(row, col)), pContext)) {
        delete view;
        return FALSE;
    }
    return TRUE;
}

CWnd* CSplitterWnd::GetPane(int row, int col) const
{
    return GetDlgItem(IdFromRowCol(row, col));
}

void CSplitterWnd::SetRowInfo(int row, int cyIdeal, int cyMin)
{
    if (row >= 0 && row < GetRowCount()) {
        m_rows[size_t(row)].nIdealSize = cyIdeal;
        m_rows[size_t(row)].nMinSize = cyMin;
    }
}

void CSplitterWnd::SetColumnInfo(int col, int cxIdeal, int cxMin)
{
    if (col >= 0 && col < GetColumnCount()) {
        m_cols[size_t(col)].nIdealSize = cxIdeal;
        m_cols[size_t(col)].nMinSize = cxMin;
    }
}

void CSplitterWnd::GetRowInfo(int row, int& cyCur, int& cyMin) const
{
    cyCur = cyMin = 0;
    if (row >= 0 && row < GetRowCount()) {
        cyCur = m_rows[size_t(row)].nCurSize;
        cyMin = m_rows[size_t(row)].nMinSize;
    }
}

void CSplitterWnd::GetColumnInfo(int col, int& cxCur, int& cxMin) const
{
    cxCur = cxMin = 0;
    if (col >= 0 && col < GetColumnCount()) {
        cxCur = m_cols[size_t(col)].nCurSize;
        cxMin = m_cols[size_t(col)].nMinSize;
    }
}

namespace
{

// Shares `extent` among the entries by their ideal sizes; the last entry
// takes what is left.
template <class Info> void Share(std::vector<Info>& entries, int extent, int gap)
{
    int left = extent;
    for (size_t i = 0; i < entries.size(); ++i) {
        if (i + 1 == entries.size()) {
            entries[i].nCurSize = std::max(left, 0);
            break;
        }
        const int size = std::clamp(entries[i].nIdealSize, 0, std::max(left, 0));
        entries[i].nCurSize = size;
        left -= size + gap;
    }
}

} // namespace

void CSplitterWnd::RecalcLayout()
{
    if (!GetSafeHwnd())
        return;
    RECT client;
    GetClientRect(&client);
    Share(m_cols, client.right - 2 * m_cxBorder, m_cxSplitterGap);
    Share(m_rows, client.bottom - 2 * m_cyBorder, m_cySplitterGap);
    int y = m_cyBorder;
    for (int row = 0; row < GetRowCount(); ++row) {
        int x = m_cxBorder;
        for (int col = 0; col < GetColumnCount(); ++col) {
            if (CWnd* pane = GetPane(row, col))
                pane->MoveWindow(x, y, m_cols[size_t(col)].nCurSize, m_rows[size_t(row)].nCurSize);
            x += m_cols[size_t(col)].nCurSize + m_cxSplitterGap;
        }
        y += m_rows[size_t(row)].nCurSize + m_cySplitterGap;
    }
    Invalidate();
}

void CSplitterWnd::OnSize(UINT, int, int)
{
    RecalcLayout();
}

int CSplitterWnd::HitTestColumnBar(CPoint point) const
{
    int x = m_cxBorder;
    for (int col = 0; col + 1 < GetColumnCount(); ++col) {
        x += m_cols[size_t(col)].nCurSize;
        if (point.x >= x && point.x < x + m_cxSplitterGap)
            return col;
        x += m_cxSplitterGap;
    }
    return -1;
}

void CSplitterWnd::OnLButtonDown(UINT, CPoint point)
{
    const int bar = HitTestColumnBar(point);
    if (bar < 0)
        return;
    int left = m_cxBorder;
    for (int col = 0; col <= bar; ++col)
        left += m_cols[size_t(col)].nCurSize + (col < bar ? m_cxSplitterGap : 0);
    m_bTracking = true;
    m_nTrackBar = bar;
    m_ptTrackOffset = CPoint(left - point.x, 0);
    m_nTrackPos = left;
    SetCapture();
}

void CSplitterWnd::OnMouseMove(UINT, CPoint point)
{
    if (m_bTracking)
        m_nTrackPos = point.x + m_ptTrackOffset.x;
}

void CSplitterWnd::OnLButtonUp(UINT, CPoint)
{
    if (!m_bTracking)
        return;
    m_bTracking = false;
    ReleaseCapture();
    // The bar's new place sets the size of the column left of it.
    int before = m_cxBorder;
    for (int col = 0; col < m_nTrackBar; ++col)
        before += m_cols[size_t(col)].nCurSize + m_cxSplitterGap;
    m_cols[size_t(m_nTrackBar)].nIdealSize = std::max(m_nTrackPos - before, 0);
    m_nTrackBar = -1;
    RecalcLayout();
}
