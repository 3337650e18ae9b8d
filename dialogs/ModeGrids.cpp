#include "dialogs/ModeGrids.h"

#include "resources/setup/Resource.h"

void SetModeGridHeading(CGridCtrl& grid, int row, int col, const CString& text)
{
    grid.SetItemText(row, col, text);
    grid.SetItemFormat(row, col, DT_CENTER | DT_VCENTER | DT_SINGLELINE);
}

void SetModeRowHeadings(CGridCtrl& grid)
{
    for (int mode = 0; mode < SCHEDULE_MODE_COUNT; ++mode) {
        CString name;
        name.LoadString(IDS_QUALITY_MODE_HOME + mode);
        SetModeGridHeading(grid, mode + 1, 0, name);
    }
}

int FitModeGrid(CGridCtrl& grid, int x, int y)
{
    int width = 2, height = 2;
    for (int c = 0; c < grid.GetColumnCount(); ++c)
        width += grid.GetColumnWidth(c);
    for (int r = 0; r < grid.GetRowCount(); ++r)
        height += grid.GetRowHeight(r);
    int extra = 0;
    if (width > MODE_GRID_MAX_WIDTH) {
        width = MODE_GRID_MAX_WIDTH;
        extra = MODE_GRID_SCROLL_HEIGHT;
    }
    grid.MoveWindow(x, y, width, height + extra);
    return extra;
}
