// The base types this library uses, until platform/base provides them.
#pragma once
#include <algorithm>
#include <cstdint>
using BOOL = int;
#ifndef TRUE
#define TRUE 1
#endif
#ifndef FALSE
#define FALSE 0
#endif
using BYTE = uint8_t;
using WORD = uint16_t;
using DWORD = uint32_t;
using UINT = unsigned int;
using LONG = int32_t;
using LPCTSTR = const char*;
using LPCSTR = const char*;
struct HINSTANCE__;
using HINSTANCE = HINSTANCE__*;
using COLORREF = DWORD;
constexpr COLORREF RGB(BYTE r, BYTE g, BYTE b)
{
    return COLORREF(r) | (COLORREF(g) << 8) | (COLORREF(b) << 16);
}
constexpr BYTE GetRValue(COLORREF c)
{
    return BYTE(c & 0xFF);
}
constexpr BYTE GetGValue(COLORREF c)
{
    return BYTE((c >> 8) & 0xFF);
}
constexpr BYTE GetBValue(COLORREF c)
{
    return BYTE((c >> 16) & 0xFF);
}
struct POINT {
    LONG x;
    LONG y;
};
struct SIZE {
    LONG cx;
    LONG cy;
};
struct RECT {
    LONG left;
    LONG top;
    LONG right;
    LONG bottom;
};
using LPRECT = RECT*;
using LPCRECT = const RECT*;
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
    int Width() const { return right - left; }
    int Height() const { return bottom - top; }
    operator LPRECT() { return this; }
    operator LPCRECT() const { return this; }
};
