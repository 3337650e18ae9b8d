// A static splitter: a fixed grid of panes (views) with bars between them
// that the user drags to share the space. Column and row sizes follow the
// ideal sizes; a bar drag sets the ideal size of the pane before it.
#pragma once

#include "platform/ui/DocView.h"

#include <vector>

class PLATFORM_UI_API CSplitterWnd : public CWnd
{
public:
    CSplitterWnd();

    BOOL CreateStatic(CWnd* pParentWnd, int nRows, int nCols, DWORD dwStyle = WS_CHILD | WS_VISIBLE,
        UINT nID = AFX_IDW_PANE_FIRST);
    virtual BOOL CreateView(
        int row, int col, CRuntimeClass* pViewClass, SIZE sizeInit, CCreateContext* pContext);
    CWnd* GetPane(int row, int col) const;
    int IdFromRowCol(int row, int col) const { return int(AFX_IDW_PANE_FIRST) + row * 16 + col; }
    int GetRowCount() const { return int(m_rows.size()); }
    int GetColumnCount() const { return int(m_cols.size()); }
    void SetRowInfo(int row, int cyIdeal, int cyMin);
    void SetColumnInfo(int col, int cxIdeal, int cxMin);
    void GetRowInfo(int row, int& cyCur, int& cyMin) const;
    void GetColumnInfo(int col, int& cxCur, int& cxMin) const;
    // Places the panes from the ideal sizes.
    virtual void RecalcLayout();

    // Bar width and the gap it leaves between panes, and the outer border.
    int m_cxSplitter = 7, m_cySplitter = 7;
    int m_cxSplitterGap = 7, m_cySplitterGap = 7;
    int m_cxBorder = 2, m_cyBorder = 2;

protected:
    struct CRowColInfo {
        int nMinSize = 0;
        int nIdealSize = 0;
        int nCurSize = 0;
    };

    void OnSize(UINT nType, int cx, int cy);
    void OnLButtonDown(UINT nFlags, CPoint point);
    void OnMouseMove(UINT nFlags, CPoint point);
    void OnLButtonUp(UINT nFlags, CPoint point);
    // The column bar under a client point (its left column), or -1.
    int HitTestColumnBar(CPoint point) const;

    std::vector<CRowColInfo> m_rows;
    std::vector<CRowColInfo> m_cols;
    bool m_bTracking = false;
    int m_nTrackBar = -1; // the column left of the bar being dragged
    CPoint m_ptTrackOffset; // bar's left edge minus the pointer when the drag began
    int m_nTrackPos = 0; // the bar's left edge while dragging

    DECLARE_MESSAGE_MAP()
};
