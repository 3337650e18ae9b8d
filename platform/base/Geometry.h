// CPoint, CSize and CRect: the value classes over POINT, SIZE and RECT.
// Rectangles are half-open: right and bottom lie outside.
#pragma once

#include "platform/base/Types.h"

#include <algorithm>

class CSize : public SIZE
{
public:
    CSize()
        : SIZE { 0, 0 }
    {
    }
    CSize(int x, int y)
        : SIZE { x, y }
    {
    }
    CSize(SIZE s)
        : SIZE(s)
    {
    }
    bool operator==(const SIZE& o) const { return cx == o.cx && cy == o.cy; }
    bool operator!=(const SIZE& o) const { return !(*this == o); }
    CSize operator+(SIZE o) const { return CSize(cx + o.cx, cy + o.cy); }
    CSize operator-(SIZE o) const { return CSize(cx - o.cx, cy - o.cy); }
};

class CPoint : public POINT
{
public:
    CPoint()
        : POINT { 0, 0 }
    {
    }
    CPoint(int x0, int y0)
        : POINT { x0, y0 }
    {
    }
    CPoint(POINT p)
        : POINT(p)
    {
    }
    // From a mouse message's lParam: signed 16-bit x and y.
    explicit CPoint(LPARAM l)
        : POINT { GET_X_LPARAM(l), GET_Y_LPARAM(l) }
    {
    }
    void Offset(int dx, int dy)
    {
        x += dx;
        y += dy;
    }
    bool operator==(const POINT& o) const { return x == o.x && y == o.y; }
    bool operator!=(const POINT& o) const { return !(*this == o); }
    CPoint& operator+=(SIZE s)
    {
        x += s.cx;
        y += s.cy;
        return *this;
    }
    CPoint& operator-=(SIZE s)
    {
        x -= s.cx;
        y -= s.cy;
        return *this;
    }
    CPoint operator+(SIZE s) const { return CPoint(x + s.cx, y + s.cy); }
    CPoint operator-(SIZE s) const { return CPoint(x - s.cx, y - s.cy); }
    CSize operator-(POINT p) const { return CSize(x - p.x, y - p.y); }
};

class CRect : public RECT
{
public:
    CRect()
        : RECT { 0, 0, 0, 0 }
    {
    }
    CRect(int l, int t, int r, int b)
        : RECT { l, t, r, b }
    {
    }
    CRect(const RECT& r)
        : RECT(r)
    {
    }
    CRect(POINT p, SIZE s)
        : RECT { p.x, p.y, p.x + s.cx, p.y + s.cy }
    {
    }
    CRect(POINT tl, POINT br)
        : RECT { tl.x, tl.y, br.x, br.y }
    {
    }

    int Width() const { return right - left; }
    int Height() const { return bottom - top; }
    CSize Size() const { return CSize(Width(), Height()); }
    CPoint TopLeft() const { return CPoint(left, top); }
    CPoint BottomRight() const { return CPoint(right, bottom); }
    CPoint CenterPoint() const { return CPoint((left + right) / 2, (top + bottom) / 2); }
    bool IsRectEmpty() const { return right <= left || bottom <= top; }
    bool IsRectNull() const { return left == 0 && top == 0 && right == 0 && bottom == 0; }
    bool PtInRect(POINT p) const { return p.x >= left && p.x < right && p.y >= top && p.y < bottom; }

    void SetRect(int l, int t, int r, int b) { *this = CRect(l, t, r, b); }
    void SetRectEmpty() { SetRect(0, 0, 0, 0); }
    void CopyRect(LPCRECT r) { *this = CRect(*r); }
    bool EqualRect(LPCRECT r) const { return *this == *r; }
    void OffsetRect(int dx, int dy)
    {
        left += dx;
        right += dx;
        top += dy;
        bottom += dy;
    }
    void OffsetRect(POINT p) { OffsetRect(p.x, p.y); }
    void OffsetRect(SIZE s) { OffsetRect(s.cx, s.cy); }
    void InflateRect(int dx, int dy)
    {
        left -= dx;
        right += dx;
        top -= dy;
        bottom += dy;
    }
    void InflateRect(int l, int t, int r, int b)
    {
        left -= l;
        top -= t;
        right += r;
        bottom += b;
    }
    void DeflateRect(int dx, int dy) { InflateRect(-dx, -dy); }
    void DeflateRect(int l, int t, int r, int b) { InflateRect(-l, -t, -r, -b); }
    void NormalizeRect()
    {
        if (left > right)
            std::swap(left, right);
        if (top > bottom)
            std::swap(top, bottom);
    }
    // False (and an empty rectangle) when the two do not overlap.
    bool IntersectRect(LPCRECT a, LPCRECT b)
    {
        CRect r(std::max(a->left, b->left), std::max(a->top, b->top), std::min(a->right, b->right),
            std::min(a->bottom, b->bottom));
        if (r.IsRectEmpty()) {
            SetRectEmpty();
            return false;
        }
        *this = r;
        return true;
    }
    bool UnionRect(LPCRECT a, LPCRECT b)
    {
        CRect ra(*a), rb(*b);
        if (ra.IsRectEmpty())
            *this = rb;
        else if (rb.IsRectEmpty())
            *this = ra;
        else
            *this = CRect(std::min(a->left, b->left), std::min(a->top, b->top), std::max(a->right, b->right),
                std::max(a->bottom, b->bottom));
        return !IsRectEmpty();
    }

    bool operator==(const RECT& o) const
    {
        return left == o.left && top == o.top && right == o.right && bottom == o.bottom;
    }
    bool operator!=(const RECT& o) const { return !(*this == o); }
    operator LPRECT() { return this; }
    operator LPCRECT() const { return this; }
};
