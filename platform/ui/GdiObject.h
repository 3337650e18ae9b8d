// Pens, brushes, fonts and bitmaps. Each object owns a handle; a handle can
// travel in a message (WM_SETFONT) or be attached to another object.
#pragma once

#include "platform/ui/GdiTypes.h"
#include "platform/ui/UiExport.h"

struct GdiObjectData;
typedef GdiObjectData* HGDIOBJ;
typedef HGDIOBJ HPEN;
typedef HGDIOBJ HBRUSH;
typedef HGDIOBJ HFONT;
typedef HGDIOBJ HBITMAP;
typedef HGDIOBJ HRGN;

class CDC;

// A stock object is shared and never deleted.
PLATFORM_UI_API HGDIOBJ GetStockObject(int index);
PLATFORM_UI_API BOOL DeleteObject(HGDIOBJ object);

class PLATFORM_UI_API CGdiObject
{
public:
    CGdiObject() = default;
    virtual ~CGdiObject();
    CGdiObject(const CGdiObject&) = delete;
    CGdiObject& operator=(const CGdiObject&) = delete;

    HGDIOBJ GetSafeHandle() const { return m_hObject; }
    BOOL Attach(HGDIOBJ object);
    HGDIOBJ Detach();
    BOOL DeleteObject();
    BOOL CreateStockObject(int index);

    HGDIOBJ m_hObject = nullptr;
};

class PLATFORM_UI_API CPen : public CGdiObject
{
public:
    CPen() = default;
    CPen(int style, int width, COLORREF color) { CreatePen(style, width, color); }
    BOOL CreatePen(int style, int width, COLORREF color);
    operator HPEN() const { return m_hObject; }
};

class PLATFORM_UI_API CBrush : public CGdiObject
{
public:
    CBrush() = default;
    explicit CBrush(COLORREF color) { CreateSolidBrush(color); }
    BOOL CreateSolidBrush(COLORREF color);
    // Lines of the colour in the pattern HS_*; between them the DC's
    // background colour when its mode is OPAQUE, else what lies under.
    BOOL CreateHatchBrush(int index, COLORREF color);
    operator HBRUSH() const { return m_hObject; }
};

class PLATFORM_UI_API CFont : public CGdiObject
{
public:
    // The height is the character cell height in pixels when positive and
    // the character height when negative, as the platform reads it.
    BOOL CreateFont(int height, int width, int escapement, int orientation, int weight, BYTE italic,
        BYTE underline, BYTE strikeOut, BYTE charSet, BYTE outPrecision, BYTE clipPrecision, BYTE quality,
        BYTE pitchAndFamily, LPCTSTR faceName);
    BOOL CreateFontIndirect(const LOGFONT* font);
    // Size in tenths of a point at 96 dpi.
    BOOL CreatePointFont(int pointSize, LPCTSTR faceName, CDC* dc = nullptr);
    int GetLogFont(LOGFONT* font) const;
    operator HFONT() const { return m_hObject; }
};

class PLATFORM_UI_API CBitmap : public CGdiObject
{
public:
    // A bitmap of the given size in the colour depth of the screen (32 bits),
    // black at first.
    BOOL CreateCompatibleBitmap(CDC* dc, int width, int height);
    // From the resource module, or from a named module.
    BOOL LoadBitmap(UINT id);
    int GetBitmap(BITMAP* info) const;
    operator HBITMAP() const { return m_hObject; }
};

// Region kinds that clipping reports.
constexpr int RGN_ERROR = 0;
constexpr int NULLREGION = 1;
constexpr int SIMPLEREGION = 2;

// A rectangular region, for clipping.
class PLATFORM_UI_API CRgn : public CGdiObject
{
public:
    // Right and bottom are exclusive.
    BOOL CreateRectRgn(int left, int top, int right, int bottom);
    BOOL CreateRectRgnIndirect(LPCRECT rect);
    operator HRGN() const { return m_hObject; }
};

// System colours, by their documented indices.
constexpr int COLOR_SCROLLBAR = 0;
constexpr int COLOR_BACKGROUND = 1;
constexpr int COLOR_WINDOW = 5;
constexpr int COLOR_WINDOWFRAME = 6;
constexpr int COLOR_WINDOWTEXT = 8;
constexpr int COLOR_HIGHLIGHT = 13;
constexpr int COLOR_HIGHLIGHTTEXT = 14;
constexpr int COLOR_BTNFACE = 15;
constexpr int COLOR_3DFACE = 15;
constexpr int COLOR_BTNSHADOW = 16;
constexpr int COLOR_3DSHADOW = 16;
constexpr int COLOR_GRAYTEXT = 17;
constexpr int COLOR_BTNTEXT = 18;
constexpr int COLOR_BTNHIGHLIGHT = 20;
constexpr int COLOR_3DHILIGHT = 20;
constexpr int COLOR_3DDKSHADOW = 21;
constexpr int COLOR_3DLIGHT = 22;
constexpr int COLOR_INFOTEXT = 23;
constexpr int COLOR_INFOBK = 24;
PLATFORM_UI_API COLORREF GetSysColor(int index);

// Loads bitmap `id` of a module; null when it is absent or not an image.
PLATFORM_UI_API HBITMAP LoadBitmap(HINSTANCE module, UINT id);
