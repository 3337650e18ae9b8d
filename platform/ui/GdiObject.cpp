#include "platform/ui/GdiInternal.h"

#include "platform/ui/DC.h"
#include "platform/ui/ResourceModule.h"

#include <algorithm>
#include <cstring>
#include <utility>

namespace
{

HGDIOBJ NewObject(GdiKind kind)
{
    auto* data = new GdiObjectData;
    data->kind = kind;
    return data;
}

HGDIOBJ MakeStock(int index)
{
    auto* data = new GdiObjectData;
    data->stock = true;
    switch (index) {
    case WHITE_BRUSH:
    case LTGRAY_BRUSH:
    case GRAY_BRUSH:
    case DKGRAY_BRUSH:
    case BLACK_BRUSH: {
        static const COLORREF colors[]
            = { RGB(255, 255, 255), RGB(192, 192, 192), RGB(128, 128, 128), RGB(64, 64, 64), RGB(0, 0, 0) };
        data->kind = GdiKind::Brush;
        data->color = colors[index];
        break;
    }
    case NULL_BRUSH:
        data->kind = GdiKind::Brush;
        data->hollow = true;
        break;
    case WHITE_PEN:
    case BLACK_PEN:
        data->kind = GdiKind::Pen;
        data->color = index == WHITE_PEN ? RGB(255, 255, 255) : RGB(0, 0, 0);
        break;
    case NULL_PEN:
        data->kind = GdiKind::Pen;
        data->penStyle = PS_NULL;
        break;
    case DEFAULT_GUI_FONT:
        data->kind = GdiKind::Font;
        data->logFont = DefaultLogFont();
        break;
    default:
        delete data;
        return nullptr;
    }
    return data;
}

} // namespace

HBITMAP NewBitmapObject(QImage image)
{
    HGDIOBJ object = NewObject(GdiKind::Bitmap);
    object->image = std::move(image);
    return object;
}

const LOGFONT& DefaultLogFont()
{
    static const LOGFONT font = [] {
        LOGFONT f {};
        f.lfHeight = -11;
        f.lfWeight = FW_NORMAL;
        f.lfCharSet = DEFAULT_CHARSET;
        return f;
    }();
    return font;
}

QFont ToQFont(const LOGFONT& lf)
{
    QFont font;
    char face[sizeof lf.lfFaceName + 1] = {};
    std::memcpy(face, lf.lfFaceName, sizeof lf.lfFaceName);
    if (face[0])
        font.setFamily(QString::fromLatin1(face));
    // A positive height counts the cell, internal leading included; fonts
    // keep about a fifth of the cell as leading.
    int pixels = lf.lfHeight < 0 ? -lf.lfHeight : (lf.lfHeight * 4 + 2) / 5;
    font.setPixelSize(pixels > 0 ? pixels : 11);
    int weight = lf.lfWeight == FW_DONTCARE ? FW_NORMAL : std::clamp<int>(lf.lfWeight, 100, 900);
    font.setWeight(QFont::Weight(weight));
    font.setItalic(lf.lfItalic != 0);
    font.setUnderline(lf.lfUnderline != 0);
    font.setStrikeOut(lf.lfStrikeOut != 0);
    return font;
}

HGDIOBJ GetStockObject(int index)
{
    static HGDIOBJ stock[DEFAULT_GUI_FONT + 1] = {};
    static bool made = [] {
        for (int i = 0; i <= DEFAULT_GUI_FONT; ++i)
            stock[i] = MakeStock(i);
        return true;
    }();
    (void)made;
    return index >= 0 && index <= DEFAULT_GUI_FONT ? stock[index] : nullptr;
}

BOOL DeleteObject(HGDIOBJ object)
{
    if (!object || object->stock)
        return FALSE;
    delete object;
    return TRUE;
}

CGdiObject::~CGdiObject()
{
    DeleteObject();
}

BOOL CGdiObject::Attach(HGDIOBJ object)
{
    if (m_hObject || !object)
        return FALSE;
    m_hObject = object;
    return TRUE;
}

HGDIOBJ CGdiObject::Detach()
{
    HGDIOBJ object = m_hObject;
    m_hObject = nullptr;
    return object;
}

BOOL CGdiObject::DeleteObject()
{
    if (!m_hObject)
        return FALSE;
    ::DeleteObject(Detach());
    return TRUE;
}

BOOL CGdiObject::CreateStockObject(int index)
{
    return Attach(GetStockObject(index));
}

BOOL CPen::CreatePen(int style, int width, COLORREF color)
{
    if (m_hObject)
        return FALSE;
    m_hObject = NewObject(GdiKind::Pen);
    m_hObject->penStyle = style;
    m_hObject->penWidth = std::max(width, 1);
    m_hObject->color = color;
    return TRUE;
}

BOOL CBrush::CreateSolidBrush(COLORREF color)
{
    if (m_hObject)
        return FALSE;
    m_hObject = NewObject(GdiKind::Brush);
    m_hObject->color = color;
    return TRUE;
}

BOOL CBrush::CreateHatchBrush(int index, COLORREF color)
{
    if (m_hObject || index < HS_HORIZONTAL || index > HS_DIAGCROSS)
        return FALSE;
    m_hObject = NewObject(GdiKind::Brush);
    m_hObject->color = color;
    m_hObject->hatch = index;
    return TRUE;
}

BOOL CFont::CreateFont(int height, int width, int escapement, int orientation, int weight, BYTE italic,
    BYTE underline, BYTE strikeOut, BYTE charSet, BYTE outPrecision, BYTE clipPrecision, BYTE quality,
    BYTE pitchAndFamily, LPCTSTR faceName)
{
    LOGFONT lf {};
    lf.lfHeight = height;
    lf.lfWidth = width;
    lf.lfEscapement = escapement;
    lf.lfOrientation = orientation;
    lf.lfWeight = weight;
    lf.lfItalic = italic;
    lf.lfUnderline = underline;
    lf.lfStrikeOut = strikeOut;
    lf.lfCharSet = charSet;
    lf.lfOutPrecision = outPrecision;
    lf.lfClipPrecision = clipPrecision;
    lf.lfQuality = quality;
    lf.lfPitchAndFamily = pitchAndFamily;
    if (faceName)
        std::strncpy(lf.lfFaceName, faceName, sizeof lf.lfFaceName - 1);
    return CreateFontIndirect(&lf);
}

BOOL CFont::CreateFontIndirect(const LOGFONT* font)
{
    if (m_hObject || !font)
        return FALSE;
    m_hObject = NewObject(GdiKind::Font);
    m_hObject->logFont = *font;
    m_hObject->logFont.lfFaceName[sizeof font->lfFaceName - 1] = '\0';
    return TRUE;
}

BOOL CFont::CreatePointFont(int pointSize, LPCTSTR faceName, CDC*)
{
    // Tenths of a point at 96 pixels per inch, as a character height.
    int height = -((pointSize * 96 + 360) / 720);
    return CreateFont(height, 0, 0, 0, FW_NORMAL, 0, 0, 0, DEFAULT_CHARSET, 0, 0, 0, 0, faceName);
}

int CFont::GetLogFont(LOGFONT* font) const
{
    if (!m_hObject || !font)
        return 0;
    *font = m_hObject->logFont;
    return sizeof(LOGFONT);
}

BOOL CRgn::CreateRectRgn(int left, int top, int right, int bottom)
{
    if (m_hObject)
        return FALSE;
    m_hObject = NewObject(GdiKind::Region);
    if (right > left && bottom > top)
        m_hObject->area = QRect(QPoint(left, top), QPoint(right - 1, bottom - 1));
    return TRUE;
}

BOOL CRgn::CreateRectRgnIndirect(LPCRECT rect)
{
    return rect ? CreateRectRgn(rect->left, rect->top, rect->right, rect->bottom) : FALSE;
}

BOOL CBitmap::CreateCompatibleBitmap(CDC*, int width, int height)
{
    if (m_hObject || width <= 0 || height <= 0)
        return FALSE;
    QImage image(width, height, QImage::Format_RGB32);
    if (image.isNull())
        return FALSE;
    image.fill(Qt::black);
    m_hObject = NewBitmapObject(std::move(image));
    return TRUE;
}

BOOL CBitmap::LoadBitmap(UINT id)
{
    if (m_hObject)
        return FALSE;
    m_hObject = ::LoadBitmap(AfxGetResourceHandle(), id);
    return m_hObject != nullptr;
}

int CBitmap::GetBitmap(BITMAP* info) const
{
    if (!m_hObject || !info)
        return 0;
    const QImage& image = m_hObject->image;
    *info = BITMAP {};
    info->bmWidth = image.width();
    info->bmHeight = image.height();
    info->bmWidthBytes = static_cast<LONG>(image.bytesPerLine());
    info->bmPlanes = 1;
    info->bmBitsPixel = static_cast<WORD>(image.depth());
    return sizeof(BITMAP);
}

HBITMAP LoadBitmap(HINSTANCE module, UINT id)
{
    const BitmapEntry* entry = FindBitmapResource(module, id);
    if (!entry || entry->bytes.empty())
        return nullptr;
    QImage image;
    if (!image.loadFromData(entry->bytes.data(), static_cast<int>(entry->bytes.size())))
        return nullptr;
    return NewBitmapObject(image.convertToFormat(QImage::Format_RGB32));
}

COLORREF GetSysColor(int index)
{
    switch (index) {
    case COLOR_WINDOW:
    case COLOR_BTNHIGHLIGHT:
    case COLOR_HIGHLIGHTTEXT:
        return RGB(255, 255, 255);
    case COLOR_HIGHLIGHT:
        return RGB(0, 120, 215);
    case COLOR_BTNFACE:
        return RGB(240, 240, 240);
    case COLOR_BTNSHADOW:
        return RGB(160, 160, 160);
    case COLOR_GRAYTEXT:
        return RGB(109, 109, 109);
    case COLOR_3DDKSHADOW:
        return RGB(105, 105, 105);
    case COLOR_3DLIGHT:
        return RGB(227, 227, 227);
    case COLOR_INFOBK:
        return RGB(255, 255, 225);
    case COLOR_SCROLLBAR:
        return RGB(200, 200, 200);
    case COLOR_BACKGROUND:
        return RGB(0, 0, 0);
    default: // window frame and every text colour
        return RGB(0, 0, 0);
    }
}
