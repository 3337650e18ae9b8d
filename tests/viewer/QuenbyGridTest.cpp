// The viewer's motion-area grid and the bars' levels, without a window.
#include "stream/ferrock/PtzLevel.h"
#include "viewer/quenby/MdGrid.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <vector>

using namespace quenby;
using namespace ferrock;

namespace
{

std::vector<int> Set(const bool cells[kMdCells])
{
    std::vector<int> set;
    for (int i = 0; i < kMdCells; ++i)
        if (cells[i])
            set.push_back(i);
    return set;
}

TEST(QuenbyGrid, ClicksAndDragsSelectTheirCells)
{
    MdGrid grid; // 8 x 8, cells an eighth of the client
    const CSize cell = grid.CellSize(240, 184);
    EXPECT_EQ(CSize(30, 23), cell);
    EXPECT_EQ(9, grid.CellAt(CPoint(35, 30), cell));
    EXPECT_EQ(-1, grid.CellAt(CPoint(-1, 30), cell));
    EXPECT_EQ(-1, grid.CellAt(CPoint(240, 30), cell));

    // A drag selects the same rectangle whichever corner it starts from.
    const CPoint drags[][2] = { { { 35, 30 }, { 65, 50 } }, { { 65, 50 }, { 35, 30 } },
        { { 65, 30 }, { 35, 50 } }, { { 35, 50 }, { 65, 30 } } };
    for (const auto& d : drags) {
        bool cells[kMdCells] = {};
        int first = 0, last = 0;
        grid.Selection(d[0], d[1], cell, &first, &last);
        EXPECT_EQ(4, grid.Toggle(cells, first, last));
        EXPECT_EQ(std::vector<int>({ 9, 10, 17, 18 }), Set(cells)) << d[0].x << "," << d[0].y;
        EXPECT_EQ(CRect(30, 23, 90, 69), grid.SelectionRect(first, last, cell));
    }
}

TEST(QuenbyGrid, BlockSizeStaysWithinTheCells)
{
    struct Case {
        int cols, rows;
        int wantCols, wantRows;
    } cases[] = { { 16, 16, 16, 16 }, { 8, 8, 8, 8 }, { 32, 32, 32, 8 }, { 300, 2, 256, 1 }, { 0, 0, 1, 1 },
        { -5, 20, 1, 20 }, { 22, 18, 22, 11 } };
    for (const Case& c : cases) {
        MdGrid grid;
        grid.SetBlockSize(true, c.cols, c.rows, 22, 15);
        EXPECT_EQ(c.wantCols, grid.columns) << c.cols << "x" << c.rows;
        EXPECT_EQ(c.wantRows, grid.rows) << c.cols << "x" << c.rows;
        EXPECT_LE(grid.columns * grid.rows, kMdCells);
        // The last cell of the grid can be toggled, nothing past it.
        bool cells[kMdCells] = {};
        grid.Toggle(cells, 0, grid.columns * grid.rows - 1);
        EXPECT_EQ(size_t(grid.columns * grid.rows), Set(cells).size());
    }
    MdGrid fixed;
    fixed.SetBlockSize(true, 16, 16, 22, 15);
    EXPECT_EQ(CSize(22, 15), fixed.CellSize(360, 243));
    EXPECT_EQ(16 * 3 + 4, fixed.CellAt(CPoint(4 * 22 + 1, 3 * 15 + 1), fixed.CellSize(360, 243)));
}

TEST(QuenbyBars, LevelsOfPressesAndThumbs)
{
    EXPECT_EQ(64, LevelFromY(100, 200));
    EXPECT_EQ(0, LevelFromY(-5, 200));
    EXPECT_EQ(LevelFromY(199, 200), LevelFromY(190, 200)) << "within a thumb of the bottom";
    int top = -3;
    EXPECT_EQ(0, PlaceThumb(&top, 200));
    EXPECT_EQ(0, top);
    top = 190;
    EXPECT_EQ(127, PlaceThumb(&top, 200));
    EXPECT_EQ(182, top);
    top = 91;
    EXPECT_EQ(64, PlaceThumb(&top, 200));
}

} // namespace
