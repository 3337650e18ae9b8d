#include "pages/common/DiskPie.h"

#include "platform/ui/DC.h"
#include "platform/ui/GdiObject.h"
#include "platform/ui/Wnd.h"
#include "resources/setup/Resource.h"

#include <algorithm>
#include <cmath>
#include <numbers>
#include <vector>

namespace
{

// Each side of the bounding rectangle is a quarter of the walk; the corners
// fall at 12.5, 37.5, 62.5 and 87.5 %.
constexpr double kSideShare = 12.5;

struct Ellipse {
    double cx, cy, a, b;
    explicit Ellipse(const CRect& rc)
        : cx((rc.left + rc.right) / 2.0)
        , cy((rc.top + rc.bottom) / 2.0)
        , a((rc.right - rc.left) / 2.0)
        , b((rc.bottom - rc.top) / 2.0)
    {
    }
    // Angles run clockwise on the screen; pi is the middle of the left side.
    POINT At(double angle, int dy = 0) const
    {
        return { int(std::lround(cx + a * std::cos(angle))),
            int(std::lround(cy + b * std::sin(angle))) + dy };
    }
};

// The walking point of a share on the bounding rectangle, as an offset from
// the centre.
void WalkPoint(const CRect& rc, double p, double* dx, double* dy)
{
    const double left = rc.left, top = rc.top, right = rc.right, bottom = rc.bottom;
    const double stepX = (right - left) / 2.0 / kSideShare;
    const double stepY = (bottom - top) / 2.0 / kSideShare;
    const Ellipse e(rc);
    double x = left, y = e.cy;
    if (p < kSideShare) {
        y = e.cy - stepY * p;
    } else if (p < 3 * kSideShare) {
        x = left + stepX * (p - kSideShare);
        y = top;
    } else if (p < 5 * kSideShare) {
        x = right;
        y = top + stepY * (p - 3 * kSideShare);
    } else if (p < 7 * kSideShare) {
        x = right - stepX * (p - 5 * kSideShare);
        y = bottom;
    } else {
        y = bottom - stepY * (p - 7 * kSideShare);
    }
    *dx = x - e.cx;
    *dy = y - e.cy;
}

// The angle at which the used sector ends, from pi (no share) to 3 pi.
double EndAngle(const CRect& rc, double p)
{
    const Ellipse e(rc);
    if (e.a <= 0 || e.b <= 0)
        return std::numbers::pi;
    double dx = 0, dy = 0;
    WalkPoint(rc, p, &dx, &dy);
    double angle = std::atan2(dy / e.b, dx / e.a);
    // Clockwise from the left: the walk never goes back past its start.
    while (angle < std::numbers::pi)
        angle += 2 * std::numbers::pi;
    if (p >= 100)
        angle = 3 * std::numbers::pi;
    return angle;
}

// Points along the rim from one angle to another, one about every pixel.
void AddArc(std::vector<POINT>& points, const Ellipse& e, double from, double to, int dy = 0)
{
    const int steps = std::max(2, int(std::fabs(to - from) * std::max(e.a, e.b)));
    for (int i = 0; i <= steps; ++i)
        points.push_back(e.At(from + (to - from) * i / steps, dy));
}

void FillPolygon(CDC* pDC, const std::vector<POINT>& points, COLORREF color)
{
    CBrush brush(color);
    CPen pen(PS_SOLID, 1, color);
    CBrush* oldBrush = pDC->SelectObject(&brush);
    CPen* oldPen = pDC->SelectObject(&pen);
    pDC->Polygon(points.data(), int(points.size()));
    pDC->SelectObject(oldPen);
    pDC->SelectObject(oldBrush);
}

} // namespace

CPoint DiskPieEnd(const CRect& rcPie, double dUsedPercent)
{
    const Ellipse e(rcPie);
    const POINT end = e.At(EndAngle(rcPie, dUsedPercent));
    return CPoint(end.x, end.y);
}

void DrawDiskPie(CDC* pDC, const DiskPieGeometry& g, double dUsedPercent)
{
    if (!pDC)
        return;
    const double p = std::clamp(dUsedPercent, 0.0, 100.0);
    const Ellipse e(g.rcPie);
    const double pi = std::numbers::pi;
    const double end = p > 0 ? EndAngle(g.rcPie, p) : pi;

    // The rim: the lower half of the ellipse and the same moved down.
    std::vector<POINT> rim;
    AddArc(rim, e, 0, pi);
    AddArc(rim, e, pi, 0, g.nDepth);
    FillPolygon(pDC, rim, g.crFreeSide);
    // Below the used sector where it runs over the lower half (from the
    // right, clockwise, to its end).
    if (end > 2 * pi) {
        std::vector<POINT> usedRim;
        AddArc(usedRim, e, 0, end - 2 * pi);
        AddArc(usedRim, e, end - 2 * pi, 0, g.nDepth);
        FillPolygon(pDC, usedRim, g.crUsedSide);
    }

    std::vector<POINT> top;
    AddArc(top, e, 0, 2 * pi);
    FillPolygon(pDC, top, g.crFree);
    if (p >= 100) {
        FillPolygon(pDC, top, g.crUsed);
    } else if (p > 0) {
        std::vector<POINT> sector { POINT { int(std::lround(e.cx)), int(std::lround(e.cy)) } };
        AddArc(sector, e, pi, end);
        FillPolygon(pDC, sector, g.crUsed);
    }
}

void DiskShareDisplay::Show(CWnd* pPage, const DiskShare& newShare)
{
    share = newShare;
    ptPieEnd = DiskPieEnd(pie.rcPie, share.dUsedPercent);
    if (!pPage)
        return;
    const int used = int(share.dUsedPercent);
    const int free = share.nTotalMB > 0 ? 100 - used : 0;
    const struct {
        int id;
        int value;
    } rows[] = { { IDC_HDD_USED_MB, share.nUsedMB }, { IDC_HDD_FREE_MB, share.nFreeMB },
        { IDC_HDD_TOTAL_MB, share.nTotalMB }, { IDC_HDD_USED_PERCENT, used },
        { IDC_HDD_FREE_PERCENT, free } };
    for (const auto& row : rows) {
        CString text;
        text.Format("%d", row.value);
        pPage->SetDlgItemText(row.id, text);
    }
    pPage->Invalidate();
}

void DiskShareDisplay::Paint(CDC* pDC) const
{
    constexpr int kLegend = 15;
    pDC->FillSolidRect(ptUsedLegend.x, ptUsedLegend.y, kLegend, kLegend, pie.crUsed);
    pDC->FillSolidRect(ptFreeLegend.x, ptFreeLegend.y, kLegend, kLegend, pie.crFree);
    DrawDiskPie(pDC, pie, share.dUsedPercent);
}
