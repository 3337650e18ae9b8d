// The motion-area grid over the viewer's picture: where its cells lie, which
// cell a point falls in, and the cells a drag selects. No window here.
#pragma once

#include "platform/base/Geometry.h"

namespace quenby
{

constexpr int kMdCells = 256;

struct MdGrid {
    int columns = 8;
    int rows = 8;
    int cellWidth = 30;
    int cellHeight = 46;
    bool fixedSize = false;

    // Keeps columns x rows within the cells there are and each side at
    // least 1; cells are at least a pixel.
    void SetBlockSize(bool fixed, int cols, int rowCount, int width, int height);
    // The cell size for a client area: the fixed size, or an eighth of it.
    CSize CellSize(int clientWidth, int clientHeight) const;
    CRect CellRect(int index, CSize cell) const;
    // The cell under a point, or -1 outside the grid.
    int CellAt(CPoint point, CSize cell) const;
    // The selection of a drag from one point to another as the cells at its
    // corners: first the top-left one, then the bottom-right one.
    void Selection(CPoint from, CPoint to, CSize cell, int* first, int* last) const;
    // The frame of a selection, from the first cell's top-left to the last
    // cell's bottom-right.
    CRect SelectionRect(int first, int last, CSize cell) const;
    // Toggles every cell of the selection; gives how many.
    int Toggle(bool cells[kMdCells], int first, int last) const;
};

} // namespace quenby
