// The integer, handle and geometry types that the system's code is written
// against, with their documented sizes and values.
#pragma once

#include <cstddef>
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
using ULONG = uint32_t;
using SHORT = int16_t;
using USHORT = uint16_t;
using CHAR = char;
using TCHAR = char;
using INT_PTR = intptr_t;
using UINT_PTR = uintptr_t;
using LONG_PTR = intptr_t;
using DWORD_PTR = uintptr_t;
using WPARAM = uintptr_t;
using LPARAM = intptr_t;
using LRESULT = intptr_t;
using LPSTR = char*;
using LPCSTR = const char*;
using LPTSTR = char*;
using LPCTSTR = const char*;
using LPVOID = void*;
using LPCVOID = const void*;
using LPBYTE = BYTE*;
using LPDWORD = DWORD*;
using LPWORD = WORD*;

// Opaque handles: distinct types so that a window cannot be passed for an event.
struct HWND__;
using HWND = HWND__*;
struct HINSTANCE__;
using HINSTANCE = HINSTANCE__*;
using HMODULE = HINSTANCE;
struct HMENU__;
using HMENU = HMENU__*;
// Kernel objects (events, threads) share one handle type, as waits take either.
struct KernelObject;
using HANDLE = KernelObject*;
#define INVALID_HANDLE_VALUE (reinterpret_cast<HANDLE>(~uintptr_t(0)))

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

constexpr WORD LOWORD(uintptr_t v)
{
    return WORD(v & 0xFFFF);
}
constexpr WORD HIWORD(uintptr_t v)
{
    return WORD((v >> 16) & 0xFFFF);
}
constexpr BYTE LOBYTE(uintptr_t v)
{
    return BYTE(v & 0xFF);
}
constexpr BYTE HIBYTE(uintptr_t v)
{
    return BYTE((v >> 8) & 0xFF);
}
constexpr DWORD MAKELONG(WORD lo, WORD hi)
{
    return DWORD(lo) | (DWORD(hi) << 16);
}
constexpr WORD MAKEWORD(BYTE lo, BYTE hi)
{
    return WORD(lo | (WORD(hi) << 8));
}
constexpr WPARAM MAKEWPARAM(WORD lo, WORD hi)
{
    return WPARAM(MAKELONG(lo, hi));
}
constexpr LPARAM MAKELPARAM(WORD lo, WORD hi)
{
    return LPARAM(MAKELONG(lo, hi));
}
// Signed coordinates packed into an LPARAM (mouse messages).
constexpr int GET_X_LPARAM(LPARAM l)
{
    return int(SHORT(LOWORD(uintptr_t(l))));
}
constexpr int GET_Y_LPARAM(LPARAM l)
{
    return int(SHORT(HIWORD(uintptr_t(l))));
}

constexpr DWORD INFINITE = 0xFFFFFFFF;
constexpr int MAX_PATH = 260;

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
using LPPOINT = POINT*;
using LPRECT = RECT*;
using LPCRECT = const RECT*;
