#include "app/MinSplitterWnd.h"

#include <algorithm>

BEGIN_MESSAGE_MAP(CMinSplitterWnd, CSplitterWnd)
ON_WM_MOUSEMOVE()
ON_WM_WINDOWPOSCHANGING()
END_MESSAGE_MAP()

CMinSplitterWnd::CMinSplitterWnd()
{
    // The thin borders of the current window look.
    m_cxBorder = 2;
    m_cyBorder = 2;
}

int CMinSplitterWnd::MinTrackX(int bar) const
{
    int x = m_cxBorder;
    for (int col = 0; col < bar; ++col) {
        const CRowColInfo& info = m_cols[size_t(col)];
        x += (info.nCurSize > info.nMinSize ? info.nCurSize : info.nMinSize) + m_cxSplitterGap;
    }
    const CRowColInfo& own = m_cols[size_t(bar)];
    return x + std::max(own.nMinSize, 0);
}

int CMinSplitterWnd::MaxTrackX(int bar) const
{
    RECT client;
    GetClientRect(&client);
    int x = client.right - m_cxBorder;
    for (int col = bar + 2; col < GetColumnCount(); ++col)
        x -= m_cols[size_t(col)].nMinSize + m_cxSplitterGap;
    x -= m_cols[size_t(bar + 1)].nMinSize;
    return x - m_cxSplitterGap;
}

void CMinSplitterWnd::OnMouseMove(UINT nFlags, CPoint point)
{
    if (m_bTracking && m_nTrackBar >= 0) {
        // The tracked position is the pointer plus the tracking offset; clamp it.
        int x = point.x + m_ptTrackOffset.x;
        x = std::max(std::min(x, MaxTrackX(m_nTrackBar)), MinTrackX(m_nTrackBar));
        point.x = x - m_ptTrackOffset.x;
    }
    CSplitterWnd::OnMouseMove(nFlags, point);
}

void CMinSplitterWnd::OnWindowPosChanging(WINDOWPOS* lpwndpos)
{
    int minWidth = 2 * m_cxBorder;
    for (size_t col = 0; col < m_cols.size(); ++col)
        minWidth += m_cols[col].nMinSize + (col > 0 ? m_cxSplitterGap : 0);
    int minHeight = 2 * m_cyBorder;
    for (size_t row = 0; row < m_rows.size(); ++row)
        minHeight += m_rows[row].nMinSize + (row > 0 ? m_cySplitterGap : 0);
    RECT window;
    GetWindowRect(&window);
    if (GetParent() != nullptr)
        GetParent()->ScreenToClient(&window);
    if (lpwndpos->cx < minWidth) {
        if (window.left < lpwndpos->x)
            lpwndpos->x -= minWidth - lpwndpos->cx;
        lpwndpos->cx = minWidth;
    }
    if (lpwndpos->cy < minHeight) {
        if (window.top < lpwndpos->y)
            lpwndpos->y -= minHeight - lpwndpos->cy;
        lpwndpos->cy = minHeight;
    }
}
