#include "viewer/quenby/MdGrid.h"

#include <algorithm>

namespace quenby
{

void MdGrid::SetBlockSize(bool fixed, int cols, int rowCount, int width, int height)
{
    columns = std::clamp(cols, 1, kMdCells);
    rows = std::clamp(rowCount, 1, kMdCells / columns);
    cellWidth = std::max(width, 1);
    cellHeight = std::max(height, 1);
    fixedSize = fixed;
}

CSize MdGrid::CellSize(int clientWidth, int clientHeight) const
{
    if (fixedSize)
        return CSize(cellWidth, cellHeight);
    return CSize(std::max(clientWidth / 8, 1), std::max(clientHeight / 8, 1));
}

CRect MdGrid::CellRect(int index, CSize cell) const
{
    const int row = index / columns, column = index % columns;
    return CRect(column * cell.cx, row * cell.cy, (column + 1) * cell.cx, (row + 1) * cell.cy);
}

int MdGrid::CellAt(CPoint point, CSize cell) const
{
    if (point.x < 0 || point.y < 0 || cell.cx <= 0 || cell.cy <= 0)
        return -1;
    const int column = point.x / cell.cx, row = point.y / cell.cy;
    if (column >= columns || row >= rows)
        return -1;
    return row * columns + column;
}

void MdGrid::Selection(CPoint from, CPoint to, CSize cell, int* first, int* last) const
{
    auto clampedCell = [&](CPoint p) {
        const int column = std::clamp(p.x / std::max<int>(cell.cx, 1), 0, columns - 1);
        const int row = std::clamp(p.y / std::max<int>(cell.cy, 1), 0, rows - 1);
        return row * columns + column;
    };
    int a = clampedCell(from), b = clampedCell(to);
    if (a > b)
        std::swap(a, b);
    // The corners of the rectangle, whichever way the drag went.
    const int diff = a % columns - b % columns;
    if (diff > 0) {
        a -= diff;
        b += diff;
    }
    *first = a;
    *last = b;
}

CRect MdGrid::SelectionRect(int first, int last, CSize cell) const
{
    const CRect a = CellRect(first, cell), b = CellRect(last, cell);
    return CRect(a.left, a.top, b.right, b.bottom);
}

int MdGrid::Toggle(bool cells[kMdCells], int first, int last) const
{
    int toggled = 0;
    for (int row = first / columns; row <= last / columns; ++row) {
        for (int column = first % columns; column <= last % columns; ++column) {
            const int index = row * columns + column;
            if (index >= 0 && index < kMdCells) {
                cells[index] = !cells[index];
                ++toggled;
            }
        }
    }
    return toggled;
}

} // namespace quenby
