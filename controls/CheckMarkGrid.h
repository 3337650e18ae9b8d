// Check marks in a grid: each cell of a rights or switch table shows one of
// four images of bitmap 213 instead of a text. A click toggles a white mark
// and never opens an editor; a grey mark stands for a right that cannot be
// used now, and keeps whether it was granted so that it comes back when the
// cell is available again.
#pragma once

#include "controls/GridCtrl.h"
#include "platform/ui/ImageList.h"

enum CheckMark {
    CHECK_CLEAR = 0,
    CHECK_TICKED = 1,
    CHECK_GREY_CLEAR = 2,
    CHECK_GREY_TICKED = 3,
};

// The 16-pixel check images (pure red is transparent).
BOOL CreateCheckMarkImages(CImageList& images);
// Gives the grid its images and white cells, and keeps its cells from being
// typed into or dragged.
void PrepareCheckMarkGrid(CGridCtrl& grid, CImageList* images);

// The image of a right: white when available, grey when not.
inline int CheckMarkFor(bool granted, bool available)
{
    return available ? (granted ? CHECK_TICKED : CHECK_CLEAR)
                     : (granted ? CHECK_GREY_TICKED : CHECK_GREY_CLEAR);
}
inline bool IsCheckMarkGranted(int image)
{
    return image == CHECK_TICKED || image == CHECK_GREY_TICKED;
}
inline bool IsCheckMarkGranted(const CGridCtrl& grid, int row, int col)
{
    return IsCheckMarkGranted(grid.GetItemImage(row, col));
}

// The grid's begin-edit notification (-105) on a check cell: a white mark
// toggles, a grey one stays. Gives whether the mark changed; the caller
// answers the notification with 1 so that no editor opens.
bool ToggleCheckMark(CGridCtrl& grid, int row, int col);
// The whole answer of a check-mark grid's owner to the begin-edit
// notification: column 0 (the row titles) is left alone (0), any other cell
// toggles and opens no editor (1). *pChanged tells whether a mark changed.
LRESULT AnswerCheckMarkEdit(CGridCtrl& grid, const NMHDR* pNMHDR, bool* pChanged);
// Makes a cell available (grey to white) or not (white to grey), keeping
// the grant, and redraws it.
void SetCheckMarkAvailable(CGridCtrl& grid, int row, int col, bool available);
// Puts a mark into a cell and redraws it.
void SetCheckMark(CGridCtrl& grid, int row, int col, bool granted, bool available);
