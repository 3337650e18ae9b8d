// Scroll bars of a window that paints itself.
#include "platform/ui/WndInternal.h"

#include <QScrollBar>

#include <algorithm>

BOOL CWnd::SetScrollInfo(int nBar, LPSCROLLINFO lpScrollInfo, BOOL)
{
    if (nBar == SB_CTL || !lpScrollInfo)
        return FALSE;
    auto* surface = dynamic_cast<SurfaceWidget*>(m_pWidget);
    if (!surface)
        return FALSE;
    SCROLLINFO& si = surface->BarInfo(nBar);
    if (lpScrollInfo->fMask & SIF_RANGE) {
        si.nMin = lpScrollInfo->nMin;
        si.nMax = lpScrollInfo->nMax;
    }
    if (lpScrollInfo->fMask & SIF_PAGE)
        si.nPage = lpScrollInfo->nPage;
    if (lpScrollInfo->fMask & SIF_POS)
        si.nPos = lpScrollInfo->nPos;
    // The position stays within what the range and page allow.
    int maxPos = si.nPage > 0 ? si.nMax - int(si.nPage) + 1 : si.nMax;
    si.nPos = std::max(si.nMin, std::min(si.nPos, std::max(si.nMin, maxPos)));
    surface->ApplyBar(nBar);
    return TRUE;
}

BOOL CWnd::GetScrollInfo(int nBar, LPSCROLLINFO lpScrollInfo, UINT nMask) const
{
    auto* surface = dynamic_cast<SurfaceWidget*>(m_pWidget);
    if (nBar == SB_CTL || !lpScrollInfo || !surface)
        return FALSE;
    const SCROLLINFO& si = surface->BarInfo(nBar);
    lpScrollInfo->fMask = nMask;
    if (nMask & SIF_RANGE) {
        lpScrollInfo->nMin = si.nMin;
        lpScrollInfo->nMax = si.nMax;
    }
    if (nMask & SIF_PAGE)
        lpScrollInfo->nPage = si.nPage;
    if (nMask & SIF_POS)
        lpScrollInfo->nPos = si.nPos;
    if (nMask & SIF_TRACKPOS)
        lpScrollInfo->nTrackPos = si.nTrackPos;
    return TRUE;
}

int CWnd::SetScrollPos(int nBar, int nPos, BOOL bRedraw)
{
    int old = GetScrollPos(nBar);
    SCROLLINFO si { sizeof(SCROLLINFO), SIF_POS, 0, 0, 0, nPos, 0 };
    SetScrollInfo(nBar, &si, bRedraw);
    return old;
}

int CWnd::GetScrollPos(int nBar) const
{
    SCROLLINFO si {};
    return GetScrollInfo(nBar, &si, SIF_POS) ? si.nPos : 0;
}

void CWnd::SetScrollRange(int nBar, int nMinPos, int nMaxPos, BOOL bRedraw)
{
    SCROLLINFO si { sizeof(SCROLLINFO), SIF_RANGE, nMinPos, nMaxPos, 0, 0, 0 };
    SetScrollInfo(nBar, &si, bRedraw);
}

void CWnd::GetScrollRange(int nBar, int* lpMinPos, int* lpMaxPos) const
{
    SCROLLINFO si {};
    GetScrollInfo(nBar, &si, SIF_RANGE);
    if (lpMinPos)
        *lpMinPos = si.nMin;
    if (lpMaxPos)
        *lpMaxPos = si.nMax;
}

int CWnd::GetScrollLimit(int nBar) const
{
    SCROLLINFO si {};
    if (!GetScrollInfo(nBar, &si, SIF_RANGE | SIF_PAGE))
        return 0;
    return std::max(si.nMin, si.nPage > 0 ? si.nMax - int(si.nPage) + 1 : si.nMax);
}

void CWnd::ShowScrollBar(UINT nBar, BOOL bShow)
{
    auto* surface = dynamic_cast<SurfaceWidget*>(m_pWidget);
    if (!surface)
        return;
    for (int bar : { SB_HORZ, SB_VERT }) {
        if (nBar != UINT(bar) && nBar != UINT(SB_BOTH))
            continue;
        DWORD flag = bar == SB_VERT ? WS_VSCROLL : WS_HSCROLL;
        m_dwStyle = bShow ? (m_dwStyle | flag) : (m_dwStyle & ~flag);
        surface->ApplyBar(bar);
    }
}
