// What lies behind a drawing handle; for the layer's own code only.
#pragma once

#include "platform/ui/GdiObject.h"

#include <QColor>
#include <QFont>
#include <QImage>

enum class GdiKind { Pen, Brush, Font, Bitmap, Region };

struct GdiObjectData {
    GdiKind kind;
    bool stock = false;
    // Pen and brush.
    int penStyle = PS_SOLID;
    int penWidth = 1;
    bool hollow = false;
    int hatch = -1; // HS_* of a hatched brush
    COLORREF color = 0;
    // Font.
    LOGFONT logFont {};
    // Bitmap.
    QImage image;
    // Region: one rectangle.
    QRect area;
};

inline QColor ToQColor(COLORREF c)
{
    return QColor(GetRValue(c), GetGValue(c), GetBValue(c));
}
inline COLORREF FromQRgb(QRgb c)
{
    return RGB(qRed(c), qGreen(c), qBlue(c));
}

// A new bitmap handle holding `image`.
HBITMAP NewBitmapObject(QImage image);

// The Qt font a logical font stands for.
QFont ToQFont(const LOGFONT& font);
// The logical font of DC text when none is selected.
const LOGFONT& DefaultLogFont();
