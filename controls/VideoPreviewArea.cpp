// The area rectangle of the live preview: hover cursors, moving, resizing
// and drawing a new rectangle with the mouse, arrow keys, and its outline.
#include "controls/VideoPreviewWnd.h"

#include "link/WindowMessages.h"

#include <algorithm>
#include <cstdlib>

namespace
{

// How near to a side or corner the mouse grabs it.
constexpr int kGrab = 4;
// A moved area stays within these; a resized or new one within the picture
// less its outline.
constexpr int kMoveRight = 356;
constexpr int kMoveBottom = 238;
constexpr int kPointRight = 355;
constexpr int kPointBottom = 238;

LPCTSTR CursorOfHit(int hit)
{
    switch (hit) {
    case CVideoPreviewWnd::HIT_INSIDE:
        return IDC_SIZEALL;
    case CVideoPreviewWnd::HIT_TOP_LEFT:
    case CVideoPreviewWnd::HIT_BOTTOM_RIGHT:
        return IDC_SIZENWSE;
    case CVideoPreviewWnd::HIT_TOP_RIGHT:
    case CVideoPreviewWnd::HIT_BOTTOM_LEFT:
        return IDC_SIZENESW;
    case CVideoPreviewWnd::HIT_TOP:
    case CVideoPreviewWnd::HIT_BOTTOM:
        return IDC_SIZENS;
    case CVideoPreviewWnd::HIT_LEFT:
    case CVideoPreviewWnd::HIT_RIGHT:
        return IDC_SIZEWE;
    default:
        return nullptr;
    }
}

void OffsetRect(RECT& r, int dx, int dy)
{
    r.left += dx;
    r.right += dx;
    r.top += dy;
    r.bottom += dy;
}

void Normalize(RECT& r)
{
    if (r.left > r.right)
        std::swap(r.left, r.right);
    if (r.top > r.bottom)
        std::swap(r.top, r.bottom);
}

} // namespace

CVideoPreviewWnd::AreaHit CVideoPreviewWnd::HitTestArea(const RECT& area, CPoint point)
{
    const int x = point.x;
    const int y = point.y;
    const auto near = [](int a, int b) { return std::abs(a - b) <= kGrab; };
    if (area.left <= x && x < area.right && area.top <= y && y < area.bottom)
        return HIT_INSIDE;
    if (near(x, area.left) && near(y, area.top))
        return HIT_TOP_LEFT;
    if (near(x, area.right) && near(y, area.top))
        return HIT_TOP_RIGHT;
    if (near(x, area.left) && near(y, area.bottom))
        return HIT_BOTTOM_LEFT;
    if (near(x, area.right) && near(y, area.bottom))
        return HIT_BOTTOM_RIGHT;
    const bool alongX = area.left - kGrab <= x && x <= area.right + kGrab;
    const bool alongY = area.top - kGrab <= y && y <= area.bottom + kGrab;
    if (alongX && near(y, area.top))
        return HIT_TOP;
    if (alongX && near(y, area.bottom))
        return HIT_BOTTOM;
    if (near(x, area.left) && alongY)
        return HIT_LEFT;
    if (near(x, area.right) && alongY)
        return HIT_RIGHT;
    return HIT_OUTSIDE;
}

RECT CVideoPreviewWnd::RotateArea180(const RECT& r)
{
    return RECT { PREVIEW_PICTURE_WIDTH - r.right, PREVIEW_PICTURE_HEIGHT - r.bottom,
        PREVIEW_PICTURE_WIDTH - r.left, PREVIEW_PICTURE_HEIGHT - r.top };
}

void CVideoPreviewWnd::DrawOutline(CDC* pDC, const RECT& rect)
{
    // No area: nothing to convert and nothing drawn (not even a dot at the
    // corner).
    if (rect.left == 0 && rect.top == 0 && rect.right == 0 && rect.bottom == 0) {
        m_bAdjustArea = false;
        return;
    }
    RECT r = rect;
    r.right = std::min<LONG>(r.right, 358);
    r.bottom = std::min<LONG>(r.bottom, m_bNtsc ? 241 : 263);
    if (m_bAdjustArea) {
        // Device coordinates of a 625-line picture start 25 lines lower.
        if (!m_bNtsc) {
            r.top -= 25;
            r.bottom -= 25;
        }
        if (m_bRotated)
            r = RotateArea180(r);
        m_rcArea = r;
        m_rcTrack = r;
        m_bAdjustArea = false;
    }
    CPen pen(PS_SOLID, 2, RGB(216, 176, 103));
    CPen* oldPen = pDC->SelectObject(&pen);
    pDC->MoveTo(r.left, r.top);
    pDC->LineTo(r.right, r.top);
    pDC->LineTo(r.right, r.bottom);
    pDC->LineTo(r.left, r.bottom);
    pDC->LineTo(r.left, r.top);
    pDC->SelectObject(oldPen);
}

void CVideoPreviewWnd::RedrawArea(const RECT& rect)
{
    if (!m_pPictureDC)
        return;
    CRect client;
    GetClientRect(&client);
    m_pComposeDC->BitBlt(
        0, 0, PREVIEW_PICTURE_WIDTH, PREVIEW_PICTURE_HEIGHT, m_pPictureDC.get(), 0, 0, SRCCOPY);
    DrawOutline(m_pComposeDC.get(), rect);
    ShowSurface(m_pComposeDC.get(), client.Width(), client.Height());
}

void CVideoPreviewWnd::AreaHover(CPoint point)
{
    m_nHit = HitTestArea(m_rcArea, point);
    LPCTSTR cursor = CursorOfHit(m_nHit);
    // A rectangle over the whole picture cannot be moved.
    if (m_nHit == HIT_INSIDE
        && (m_rcTrack.right - m_rcTrack.left >= PREVIEW_PICTURE_WIDTH
            || m_rcTrack.bottom - m_rcTrack.top >= PREVIEW_PICTURE_HEIGHT))
        cursor = nullptr;
    ::SetCursor(::LoadCursor(nullptr, cursor ? cursor : IDC_ARROW));
}

void CVideoPreviewWnd::AreaButtonDown(CPoint point)
{
    m_bButtonDown = true;
    RedrawArea(m_rcArea);
    SetFocus();
    SetCapture();
    m_ptLast = point;
    m_ptAnchor = point;
    m_bMoved = 0;
    // The press is where the last hover was; a press without one is tested here.
    m_nHit = HitTestArea(m_rcArea, point);
    if (LPCTSTR cursor = CursorOfHit(m_nHit))
        ::SetCursor(::LoadCursor(nullptr, cursor));
    if (m_nHit == HIT_INSIDE) {
        m_rcTrack = m_rcArea;
    } else if (m_nHit == HIT_OUTSIDE) {
        m_rcArea = RECT { point.x, point.y, point.x, point.y };
        m_rcTrack = m_rcArea;
    } else {
        m_rcSaved = m_rcArea;
    }
}

void CVideoPreviewWnd::MoveTrack(CPoint point)
{
    OffsetRect(m_rcTrack, point.x - m_ptLast.x, point.y - m_ptLast.y);
    m_ptLast = point;
    // Pushed back inside from the right and bottom first, so that the left
    // and top edges win for a rectangle too large to fit.
    if (m_rcTrack.right > kMoveRight)
        OffsetRect(m_rcTrack, kMoveRight - m_rcTrack.right, 0);
    if (m_rcTrack.bottom > kMoveBottom)
        OffsetRect(m_rcTrack, 0, kMoveBottom - m_rcTrack.bottom);
    if (m_rcTrack.left < 0)
        OffsetRect(m_rcTrack, -m_rcTrack.left, 0);
    if (m_rcTrack.top < 0)
        OffsetRect(m_rcTrack, 0, -m_rcTrack.top);
}

void CVideoPreviewWnd::ResizeTrack(CPoint point)
{
    const int x = std::clamp<int>(point.x, 0, kPointRight);
    const int y = std::clamp<int>(point.y, 0, kPointBottom);
    RECT r = m_rcSaved;
    switch (m_nHit) {
    case HIT_TOP_LEFT:
        r.left = x;
        r.top = y;
        break;
    case HIT_TOP_RIGHT:
        r.right = x;
        r.top = y;
        break;
    case HIT_BOTTOM_LEFT:
        r.left = x;
        r.bottom = y;
        break;
    case HIT_BOTTOM_RIGHT:
        r.right = x;
        r.bottom = y;
        break;
    case HIT_TOP:
        r.top = y;
        break;
    case HIT_BOTTOM:
        r.bottom = y;
        break;
    case HIT_LEFT:
        r.left = x;
        break;
    case HIT_RIGHT:
        r.right = x;
        break;
    default:
        // A new rectangle from where the press was.
        r = RECT { m_ptAnchor.x, m_ptAnchor.y, x, y };
        m_rcArea = r;
        break;
    }
    m_rcSaved = r;
    m_rcTrack = r;
    Normalize(m_rcTrack);
}

void CVideoPreviewWnd::AreaDrag(CPoint point)
{
    m_bMoved = 1;
    if (m_nHit == HIT_INSIDE) {
        MoveTrack(point);
        m_rcArea = m_rcTrack;
    } else {
        ResizeTrack(point);
    }
    RedrawArea(m_rcTrack);
}

void CVideoPreviewWnd::AreaButtonUp(CPoint point)
{
    m_bButtonDown = false;
    if (m_nHit == HIT_INSIDE) {
        MoveTrack(point);
    } else if (m_bMoved) {
        ResizeTrack(point);
        if (m_rcTrack.right - m_rcTrack.left > m_nMinAreaWidth
            && m_rcTrack.bottom - m_rcTrack.top > m_nMinAreaHeight) {
            m_rcArea = m_rcTrack;
        } else {
            m_rcArea = RECT {};
            m_rcTrack = RECT {};
        }
    } else if (m_nHit == HIT_OUTSIDE) {
        m_rcArea = RECT {};
    }
    RedrawArea(m_rcArea);
    ::ReleaseCapture();
    m_bMoved = 0;
    if (CWnd* parent = GetParent())
        parent->PostMessage(WM_PREVIEW_AREA_SELECTED, 0, 0);
}

void CVideoPreviewWnd::AreaKey(UINT nChar, UINT nRepCnt)
{
    for (UINT i = 0; i < nRepCnt; ++i) {
        int dx = 0;
        int dy = 0;
        if (nChar == VK_LEFT && m_rcArea.left != 0)
            dx = -1;
        else if (nChar == VK_UP && m_rcArea.top != 0)
            dy = -1;
        else if (nChar == VK_RIGHT && m_rcArea.right != PREVIEW_PICTURE_WIDTH)
            dx = 1;
        else if (nChar == VK_DOWN && m_rcArea.bottom != PREVIEW_PICTURE_HEIGHT)
            dy = 1;
        else
            return;
        OffsetRect(m_rcArea, dx, dy);
        RedrawArea(m_rcArea);
    }
}
