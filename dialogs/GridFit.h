// Small check grids are sized to what they hold: their rows and columns and
// two pixels of border, at most 450 wide; a wider one is cut to 430 and
// made taller by a scroll bar's height.
#pragma once

#include "controls/GridCtrl.h"

inline CSize FitGridToContent(CGridCtrl& grid, int x, int y)
{
    CSize size(int(grid.GetVirtualWidth()) + 2, int(grid.GetVirtualHeight()) + 2);
    if (size.cx > 450) {
        size.cx = 430;
        size.cy += 13;
    }
    grid.MoveWindow(x, y, size.cx, size.cy);
    grid.ResetScrollBars();
    return size;
}
