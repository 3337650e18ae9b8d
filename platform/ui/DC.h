// A device context: drawing state (pen, brush, font, colours, position) over
// a target image. A memory DC draws into the bitmap selected into it; a
// window's DC draws into the window's surface, which the window shows.
#pragma once

#include "platform/ui/GdiObject.h"
#include "platform/ui/Icon.h"
#include "platform/ui/UiExport.h"

#include <memory>

class QImage;
struct DCState;

class PLATFORM_UI_API CDC
{
public:
    CDC();
    virtual ~CDC();
    CDC(const CDC&) = delete;
    CDC& operator=(const CDC&) = delete;

    // A memory DC with a 1 x 1 bitmap selected, until one is selected.
    BOOL CreateCompatibleDC(CDC* dc);
    BOOL DeleteDC();

    // Each gives the object selected before, to be selected back.
    CPen* SelectObject(CPen* pen);
    CBrush* SelectObject(CBrush* brush);
    CFont* SelectObject(CFont* font);
    CBitmap* SelectObject(CBitmap* bitmap);
    CGdiObject* SelectStockObject(int index);

    COLORREF SetTextColor(COLORREF color);
    COLORREF GetTextColor() const;
    COLORREF SetBkColor(COLORREF color);
    COLORREF GetBkColor() const;
    int SetBkMode(int mode);
    int GetBkMode() const;
    int SetStretchBltMode(int mode);

    CPoint MoveTo(int x, int y);
    CPoint MoveTo(POINT point) { return MoveTo(point.x, point.y); }
    CPoint GetCurrentPosition() const;
    // Draws with the pen up to, not including, the end point, which becomes
    // the current position.
    BOOL LineTo(int x, int y);
    BOOL LineTo(POINT point) { return LineTo(point.x, point.y); }

    // Outline with the pen, inside filled with the brush; right and bottom
    // are exclusive.
    BOOL Rectangle(int left, int top, int right, int bottom);
    BOOL Rectangle(LPCRECT rect) { return Rectangle(rect->left, rect->top, rect->right, rect->bottom); }
    // A rectangle whose corners are rounded by an ellipse of the given size.
    BOOL RoundRect(int left, int top, int right, int bottom, int width, int height);
    BOOL RoundRect(LPCRECT rect, POINT corner)
    {
        return RoundRect(rect->left, rect->top, rect->right, rect->bottom, corner.x, corner.y);
    }
    // The ellipse inside the rectangle, filled and outlined as Rectangle.
    BOOL Ellipse(int left, int top, int right, int bottom);
    BOOL Ellipse(LPCRECT rect) { return Ellipse(rect->left, rect->top, rect->right, rect->bottom); }
    // A closed polygon through the points, filled and outlined likewise.
    BOOL Polygon(const POINT* points, int count);
    void FillRect(LPCRECT rect, CBrush* brush);
    void FillSolidRect(LPCRECT rect, COLORREF color);
    void FillSolidRect(int x, int y, int cx, int cy, COLORREF color);
    void FrameRect(LPCRECT rect, CBrush* brush);
    // A one-pixel frame: top and left in one colour, bottom and right in the other.
    void Draw3dRect(LPCRECT rect, COLORREF topLeft, COLORREF bottomRight);
    void Draw3dRect(int x, int y, int cx, int cy, COLORREF topLeft, COLORREF bottomRight);
    // A three-dimensional border of up to two lines in the system's 3-D
    // colours on the sides `flags` names; BF_MIDDLE fills the inside with
    // the button face. The DC's colours stay as they are.
    BOOL DrawEdge(LPRECT rect, UINT edge, UINT flags);
    // A dotted frame that inverts what is under it: drawn twice it is gone.
    void DrawFocusRect(LPCRECT rect);
    COLORREF SetPixel(int x, int y, COLORREF color);
    COLORREF GetPixel(int x, int y) const;

    // Text. A count of -1 means up to the terminator.
    BOOL TextOut(int x, int y, LPCTSTR text, int count = -1);
    // Gives the height of the text; with DT_CALCRECT it only measures and
    // sets the rectangle's right and bottom.
    int DrawText(LPCTSTR text, int count, LPRECT rect, UINT format);
    CSize GetTextExtent(LPCTSTR text, int count = -1) const;
    BOOL GetTextMetrics(TEXTMETRIC* metrics) const;

    BOOL BitBlt(int x, int y, int width, int height, CDC* source, int xSrc, int ySrc, DWORD rop);
    BOOL StretchBlt(int x, int y, int width, int height, CDC* source, int xSrc, int ySrc, int srcWidth,
        int srcHeight, DWORD rop);
    // Paints a 24- or 32-bit device-independent picture (rows bottom-up
    // when the height is positive, top-down when negative) into the
    // destination rectangle; gives the number of source lines used, 0 on
    // refusal.
    int StretchDIBits(int x, int y, int width, int height, int xSrc, int ySrc, int srcWidth, int srcHeight,
        const void* bits, const BITMAPINFO* info, UINT usage, DWORD rop);

    // The icon's large picture with its top left at (x, y); what its
    // transparent parts cover stays as it is.
    BOOL DrawIcon(int x, int y, HICON icon);

    // Every later drawing stays inside the region's rectangle (a copy of it
    // is kept); null draws everywhere again. Gives the kind of the region.
    int SelectClipRgn(CRgn* region);

    // The image the DC draws into (null when none).
    QImage* GetTargetImage() const;

protected:
    // Window DCs draw into a window's surface and report changed areas.
    void AttachSurface(QImage* surface, void (*changed)(void* context, const RECT& area), void* context);

    std::unique_ptr<DCState> m_state;
};
