// The main frame's splitter: a static splitter whose panes keep their
// minimum sizes while the user drags the bar and while the window shrinks.
#pragma once

#include "platform/ui/SplitterWnd.h"

class CMinSplitterWnd : public CSplitterWnd
{
public:
    CMinSplitterWnd();

    // The bar position (its left edge) a drag of column bar `bar` may reach.
    int MinTrackX(int bar) const;
    int MaxTrackX(int bar) const;

protected:
    void OnMouseMove(UINT nFlags, CPoint point);
    void OnWindowPosChanging(WINDOWPOS* lpwndpos);

    DECLARE_MESSAGE_MAP()
};
