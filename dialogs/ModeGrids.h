// The grids of the Home/Night/Outing schedule dialogs: one heading row and
// column, centred one-line headings, the mode names down the side, and each
// grid sized to its cells, with room for a scroll bar when it would be wider
// than the dialog holds.
#pragma once

#include "controls/GridCtrl.h"

constexpr int SCHEDULE_MODE_COUNT = 3; // Home, Night, Outing
constexpr int MODE_GRID_MAX_WIDTH = 590;
constexpr int MODE_GRID_SCROLL_HEIGHT = 16;

// A heading cell: its text centred on one line.
void SetModeGridHeading(CGridCtrl& grid, int row, int col, const CString& text);
// "Home", "Night" and "Outing" down the heading column, rows 1 to 3.
void SetModeRowHeadings(CGridCtrl& grid);
// Sizes the grid to its columns and rows and its border and puts it at
// (x, y). A grid too wide is cut to the widest and grows by a scroll bar's
// height; gives that growth (0 or 16).
int FitModeGrid(CGridCtrl& grid, int x, int y);
