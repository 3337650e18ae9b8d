#include "controls/CheckMarkGrid.h"

#include "resources/setup/Resource.h"

BOOL CreateCheckMarkImages(CImageList& images)
{
    return images.Create(IDB_CHECK_MARKS, 16, 2, RGB(255, 0, 0));
}

void PrepareCheckMarkGrid(CGridCtrl& grid, CImageList* images)
{
    grid.SetImageList(images);
    grid.SetTextBkColor(RGB(255, 255, 255));
    grid.SetRowResize(FALSE);
    grid.SetColumnResize(FALSE);
    grid.SetDragAndDrop(FALSE);
    grid.SetSortOnClick(FALSE);
    grid.EnableTitleTips(FALSE);
}

bool ToggleCheckMark(CGridCtrl& grid, int row, int col)
{
    const int image = grid.GetItemImage(row, col);
    if (image != CHECK_CLEAR && image != CHECK_TICKED)
        return false;
    grid.SetItemImage(row, col, image == CHECK_TICKED ? CHECK_CLEAR : CHECK_TICKED);
    grid.RedrawCell(row, col);
    return true;
}

LRESULT AnswerCheckMarkEdit(CGridCtrl& grid, const NMHDR* pNMHDR, bool* pChanged)
{
    const auto* item = reinterpret_cast<const NM_GRIDVIEW*>(pNMHDR);
    *pChanged = false;
    if (item->iColumn == 0)
        return 0;
    *pChanged = ToggleCheckMark(grid, item->iRow, item->iColumn);
    return 1;
}

void SetCheckMarkAvailable(CGridCtrl& grid, int row, int col, bool available)
{
    SetCheckMark(grid, row, col, IsCheckMarkGranted(grid, row, col), available);
}

void SetCheckMark(CGridCtrl& grid, int row, int col, bool granted, bool available)
{
    grid.SetItemImage(row, col, CheckMarkFor(granted, available));
    grid.RedrawCell(row, col);
}
