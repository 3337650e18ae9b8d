// The three-dimensional pie of the disk pages: an ellipse standing on a rim
// of some pixels, the used share as a sector from the middle of its left
// side, clockwise, the rest in the free colour.
#pragma once

#include "platform/base/Geometry.h"
#include "platform/base/Types.h"

#include "pages/common/DiskShare.h"

class CDC;
class CWnd;

struct DiskPieGeometry {
    CRect rcPie; // the top ellipse
    int nDepth = 20; // of the rim
    COLORREF crUsed = RGB(35, 30, 221);
    COLORREF crFree = RGB(249, 2, 236);
    COLORREF crUsedSide = RGB(0, 0, 102);
    COLORREF crFreeSide = RGB(128, 0, 128);
};

// Where the used sector of a share ends on the ellipse: a point walks the
// ellipse's bounding rectangle clockwise from the middle of its left side, a
// full turn for 100 %, and the line from the centre through it meets the
// ellipse there.
CPoint DiskPieEnd(const CRect& rcPie, double dUsedPercent);

// Paints the pie of a share (0 draws no used sector, 100 a used ellipse).
void DrawDiskPie(CDC* pDC, const DiskPieGeometry& geometry, double dUsedPercent);

// What a disk page shows of its disk: the share, its numbers in the size
// rows and the pie with its legend.
struct DiskShareDisplay {
    DiskShare share;
    CPoint ptPieEnd;
    DiskPieGeometry pie;
    CPoint ptUsedLegend; // top-left corners of the 15 x 15 legend squares
    CPoint ptFreeLegend;

    // Takes a new share, writes its numbers into the page's size rows (no
    // percent for a disk of no size) and has the page repainted.
    void Show(CWnd* pPage, const DiskShare& newShare);
    void Paint(CDC* pDC) const;
};
