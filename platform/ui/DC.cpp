#include "platform/ui/DC.h"

#include "platform/ui/GdiInternal.h"
#include "platform/ui/IconInternal.h"

#include <QFontMetrics>
#include <QPainter>
#include <QPainterPath>
#include <QRegularExpression>

#include <algorithm>
#include <cstdlib>
#include <cstring>
#include <optional>
#include <utility>

namespace
{

template <typename T> T* StockWrapper(int index)
{
    // One wrapper object per stock object, handed back by SelectObject.
    static T* wrappers[DEFAULT_GUI_FONT + 1] = {};
    if (!wrappers[index]) {
        wrappers[index] = new T;
        wrappers[index]->CreateStockObject(index);
    }
    return wrappers[index];
}

QString ToQString(LPCTSTR text, int count)
{
    if (!text)
        return QString();
    size_t n = count < 0 ? std::strlen(text) : static_cast<size_t>(count);
    return QString::fromUtf8(text, static_cast<qsizetype>(n));
}

QRect ToQRect(int left, int top, int right, int bottom)
{
    return QRect(QPoint(left, top), QPoint(right - 1, bottom - 1));
}

// Largest side of a picture the DC accepts from a caller.
constexpr int kMaxPictureSide = 16384;

} // namespace

struct DCState {
    QImage* target = nullptr;
    void (*changed)(void*, const RECT&) = nullptr;
    void* context = nullptr;
    CBitmap memoryDefault;
    CPen* pen = StockWrapper<CPen>(BLACK_PEN);
    CBrush* brush = StockWrapper<CBrush>(WHITE_BRUSH);
    CFont* font = StockWrapper<CFont>(DEFAULT_GUI_FONT);
    CBitmap* bitmap = nullptr;
    COLORREF textColor = RGB(0, 0, 0);
    COLORREF bkColor = RGB(255, 255, 255);
    int bkMode = OPAQUE;
    int stretchMode = BLACKONWHITE;
    CPoint position;
    std::optional<QRect> clip;

    QFont Font() const { return ToQFont(font->m_hObject ? font->m_hObject->logFont : DefaultLogFont()); }

    void Changed(const QRect& area)
    {
        if (!changed || area.isEmpty())
            return;
        RECT r { area.left(), area.top(), area.right() + 1, area.bottom() + 1 };
        changed(context, r);
    }

    // Starts painting on the target within the clip region.
    void Begin(QPainter& p) const
    {
        p.begin(target);
        if (clip)
            p.setClipRect(*clip);
    }

    void Fill(const QRect& area, COLORREF color)
    {
        if (!target || area.isEmpty())
            return;
        QPainter p;
        Begin(p);
        p.fillRect(area, ToQColor(color));
        p.end();
        Changed(area);
    }
};

CDC::CDC()
    : m_state(std::make_unique<DCState>())
{
}

CDC::~CDC() = default;

BOOL CDC::CreateCompatibleDC(CDC*)
{
    if (m_state->target)
        return FALSE;
    if (!m_state->memoryDefault.GetSafeHandle())
        m_state->memoryDefault.CreateCompatibleBitmap(nullptr, 1, 1);
    m_state->bitmap = &m_state->memoryDefault;
    m_state->target = &m_state->memoryDefault.m_hObject->image;
    return TRUE;
}

BOOL CDC::DeleteDC()
{
    if (!m_state->target)
        return FALSE;
    m_state = std::make_unique<DCState>();
    return TRUE;
}

void CDC::AttachSurface(QImage* surface, void (*changed)(void*, const RECT&), void* context)
{
    m_state->target = surface;
    m_state->changed = changed;
    m_state->context = context;
}

QImage* CDC::GetTargetImage() const
{
    return m_state->target;
}

CPen* CDC::SelectObject(CPen* pen)
{
    if (!pen || !pen->m_hObject || pen->m_hObject->kind != GdiKind::Pen)
        return nullptr;
    return std::exchange(m_state->pen, pen);
}

CBrush* CDC::SelectObject(CBrush* brush)
{
    if (!brush || !brush->m_hObject || brush->m_hObject->kind != GdiKind::Brush)
        return nullptr;
    return std::exchange(m_state->brush, brush);
}

CFont* CDC::SelectObject(CFont* font)
{
    if (!font || !font->m_hObject || font->m_hObject->kind != GdiKind::Font)
        return nullptr;
    return std::exchange(m_state->font, font);
}

CBitmap* CDC::SelectObject(CBitmap* bitmap)
{
    // Only a memory DC takes a bitmap.
    if (!m_state->bitmap || !bitmap || !bitmap->m_hObject || bitmap->m_hObject->kind != GdiKind::Bitmap)
        return nullptr;
    m_state->target = &bitmap->m_hObject->image;
    return std::exchange(m_state->bitmap, bitmap);
}

CGdiObject* CDC::SelectStockObject(int index)
{
    HGDIOBJ stock = GetStockObject(index);
    if (!stock)
        return nullptr;
    switch (stock->kind) {
    case GdiKind::Pen:
        return SelectObject(StockWrapper<CPen>(index));
    case GdiKind::Brush:
        return SelectObject(StockWrapper<CBrush>(index));
    case GdiKind::Font:
        return SelectObject(StockWrapper<CFont>(index));
    case GdiKind::Bitmap:
    case GdiKind::Region:
        break;
    }
    return nullptr;
}

COLORREF CDC::SetTextColor(COLORREF color)
{
    return std::exchange(m_state->textColor, color);
}
COLORREF CDC::GetTextColor() const
{
    return m_state->textColor;
}
COLORREF CDC::SetBkColor(COLORREF color)
{
    return std::exchange(m_state->bkColor, color);
}
COLORREF CDC::GetBkColor() const
{
    return m_state->bkColor;
}

int CDC::SetBkMode(int mode)
{
    if (mode != TRANSPARENT && mode != OPAQUE)
        return 0;
    return std::exchange(m_state->bkMode, mode);
}

int CDC::GetBkMode() const
{
    return m_state->bkMode;
}

int CDC::SetStretchBltMode(int mode)
{
    return std::exchange(m_state->stretchMode, mode);
}

CPoint CDC::MoveTo(int x, int y)
{
    CPoint old = m_state->position;
    m_state->position = CPoint(x, y);
    return old;
}

CPoint CDC::GetCurrentPosition() const
{
    return m_state->position;
}

BOOL CDC::LineTo(int x, int y)
{
    CPoint from = m_state->position;
    m_state->position = CPoint(x, y);
    if (!m_state->target)
        return FALSE;
    const GdiObjectData* pen = m_state->pen->m_hObject;
    if (pen->penStyle == PS_NULL)
        return TRUE;
    // A flat cap leaves the end point out, as the platform's lines do.
    static const Qt::PenStyle styles[] = { Qt::SolidLine, Qt::DashLine, Qt::DotLine };
    Qt::PenStyle style
        = pen->penStyle >= 0 && pen->penStyle <= PS_DOT ? styles[pen->penStyle] : Qt::SolidLine;
    QPainter p;
    m_state->Begin(p);
    p.setPen(QPen(ToQColor(pen->color), pen->penWidth, style, Qt::FlatCap));
    p.drawLine(QPoint(from.x, from.y), QPoint(x, y));
    p.end();
    int w = pen->penWidth;
    m_state->Changed(QRect(QPoint(std::min<int>(from.x, x) - w, std::min<int>(from.y, y) - w),
        QPoint(std::max<int>(from.x, x) + w, std::max<int>(from.y, y) + w)));
    return TRUE;
}

BOOL CDC::Rectangle(int left, int top, int right, int bottom)
{
    if (!m_state->target)
        return FALSE;
    if (right < left)
        std::swap(left, right);
    if (bottom < top)
        std::swap(top, bottom);
    const GdiObjectData* pen = m_state->pen->m_hObject;
    const GdiObjectData* brush = m_state->brush->m_hObject;
    QRect outer = ToQRect(left, top, right, bottom);
    int w = pen->penStyle == PS_NULL ? 0 : std::min(pen->penWidth, std::min(outer.width(), outer.height()));
    QRect inner = outer.adjusted(w, w, -w, -w);
    QPainter p;
    m_state->Begin(p);
    if (!brush->hollow && !inner.isEmpty() && brush->hatch >= 0) {
        static constexpr Qt::BrushStyle kHatches[] = { Qt::HorPattern, Qt::VerPattern, Qt::FDiagPattern,
            Qt::BDiagPattern, Qt::CrossPattern, Qt::DiagCrossPattern };
        if (m_state->bkMode == OPAQUE)
            p.fillRect(inner, ToQColor(m_state->bkColor));
        p.fillRect(inner, QBrush(ToQColor(brush->color), kHatches[brush->hatch]));
    } else if (!brush->hollow && !inner.isEmpty()) {
        p.fillRect(inner, ToQColor(brush->color));
    }
    if (w > 0 && pen->penStyle == PS_SOLID) {
        // The outline lies inside the rectangle.
        QColor c = ToQColor(pen->color);
        p.fillRect(QRect(outer.left(), outer.top(), outer.width(), w), c);
        p.fillRect(QRect(outer.left(), outer.bottom() - w + 1, outer.width(), w), c);
        p.fillRect(QRect(outer.left(), outer.top(), w, outer.height()), c);
        p.fillRect(QRect(outer.right() - w + 1, outer.top(), w, outer.height()), c);
    } else if (w > 0) {
        p.setPen(QPen(ToQColor(pen->color), 1, pen->penStyle == PS_DASH ? Qt::DashLine : Qt::DotLine));
        p.drawRect(outer.adjusted(0, 0, -1, -1));
    }
    p.end();
    m_state->Changed(outer);
    return TRUE;
}

// Fills a shape with the brush and outlines it with the pen, without
// smoothing, so that its pixels are the colours selected.
static BOOL DrawShape(DCState& state, const QPainterPath& shape)
{
    if (!state.target)
        return FALSE;
    const GdiObjectData* pen = state.pen->m_hObject;
    const GdiObjectData* brush = state.brush->m_hObject;
    QPainter p;
    state.Begin(p);
    p.setRenderHint(QPainter::Antialiasing, false);
    if (pen->penStyle == PS_NULL)
        p.setPen(Qt::NoPen);
    else
        p.setPen(QPen(ToQColor(pen->color), std::max(pen->penWidth, 1),
            pen->penStyle == PS_DASH      ? Qt::DashLine
                : pen->penStyle == PS_DOT ? Qt::DotLine
                                          : Qt::SolidLine));
    p.setBrush(brush->hollow ? QBrush(Qt::NoBrush) : QBrush(ToQColor(brush->color)));
    p.drawPath(shape);
    p.end();
    state.Changed(shape.boundingRect().toAlignedRect().adjusted(-1, -1, 1, 1));
    return TRUE;
}

BOOL CDC::Ellipse(int left, int top, int right, int bottom)
{
    if (right < left)
        std::swap(left, right);
    if (bottom < top)
        std::swap(top, bottom);
    QPainterPath shape;
    shape.addEllipse(QRectF(left, top, right - left - 1, bottom - top - 1));
    return DrawShape(*m_state, shape);
}

BOOL CDC::Polygon(const POINT* points, int count)
{
    if (!points || count < 2)
        return FALSE;
    QPolygonF polygon;
    for (int i = 0; i < count; ++i)
        polygon << QPointF(points[i].x, points[i].y);
    QPainterPath shape;
    shape.addPolygon(polygon);
    shape.closeSubpath();
    return DrawShape(*m_state, shape);
}

BOOL CDC::RoundRect(int left, int top, int right, int bottom, int width, int height)
{
    // Corners of an ellipse up to 3 pixels wide only lose their corner
    // pixels; the rest keeps what lay under them.
    if (!m_state->target)
        return FALSE;
    if (right < left)
        std::swap(left, right);
    if (bottom < top)
        std::swap(top, bottom);
    const QRect outer = ToQRect(left, top, right, bottom);
    if (outer.isEmpty())
        return TRUE;
    const int corner = std::min(width, height);
    if (corner < 2)
        return Rectangle(left, top, right, bottom);
    const QImage before = m_state->target->copy(outer);
    Rectangle(left, top, right, bottom);
    QPainter p;
    m_state->Begin(p);
    p.setCompositionMode(QPainter::CompositionMode_Source);
    if (corner <= 3) {
        const QPoint corners[]
            = { outer.topLeft(), outer.topRight(), outer.bottomLeft(), outer.bottomRight() };
        for (const QPoint& c : corners)
            p.drawImage(c, before, QRect(c - outer.topLeft(), QSize(1, 1)));
    } else {
        // Larger corners: what lies outside the rounded shape is put back.
        QPainterPath shape;
        shape.addRoundedRect(QRectF(outer), corner / 2.0, corner / 2.0);
        QPainterPath outside;
        outside.addRect(QRectF(outer));
        p.setClipPath(outside.subtracted(shape), Qt::IntersectClip);
        p.drawImage(outer.topLeft(), before);
    }
    p.end();
    return TRUE;
}

BOOL CDC::DrawIcon(int x, int y, HICON icon)
{
    if (!m_state->target || !icon)
        return FALSE;
    QPainter p;
    m_state->Begin(p);
    p.drawImage(x, y, icon->large);
    p.end();
    m_state->Changed(QRect(QPoint(x, y), icon->large.size()));
    return TRUE;
}

int CDC::SelectClipRgn(CRgn* region)
{
    if (!region) {
        m_state->clip.reset();
        return SIMPLEREGION;
    }
    if (!region->m_hObject || region->m_hObject->kind != GdiKind::Region)
        return RGN_ERROR;
    m_state->clip = region->m_hObject->area;
    return region->m_hObject->area.isEmpty() ? NULLREGION : SIMPLEREGION;
}

void CDC::FillRect(LPCRECT rect, CBrush* brush)
{
    if (!rect || !brush || !brush->m_hObject || brush->m_hObject->hollow)
        return;
    m_state->Fill(ToQRect(rect->left, rect->top, rect->right, rect->bottom), brush->m_hObject->color);
}

void CDC::FillSolidRect(LPCRECT rect, COLORREF color)
{
    if (!rect)
        return;
    m_state->bkColor = color;
    m_state->Fill(ToQRect(rect->left, rect->top, rect->right, rect->bottom), color);
}

void CDC::FillSolidRect(int x, int y, int cx, int cy, COLORREF color)
{
    RECT r { x, y, x + cx, y + cy };
    FillSolidRect(&r, color);
}

void CDC::FrameRect(LPCRECT rect, CBrush* brush)
{
    if (!rect || !brush || !brush->m_hObject || brush->m_hObject->hollow)
        return;
    COLORREF c = brush->m_hObject->color;
    QRect r = ToQRect(rect->left, rect->top, rect->right, rect->bottom);
    if (r.isEmpty())
        return;
    m_state->Fill(QRect(r.left(), r.top(), r.width(), 1), c);
    m_state->Fill(QRect(r.left(), r.bottom(), r.width(), 1), c);
    m_state->Fill(QRect(r.left(), r.top(), 1, r.height()), c);
    m_state->Fill(QRect(r.right(), r.top(), 1, r.height()), c);
}

void CDC::Draw3dRect(LPCRECT rect, COLORREF topLeft, COLORREF bottomRight)
{
    if (rect)
        Draw3dRect(
            rect->left, rect->top, rect->right - rect->left, rect->bottom - rect->top, topLeft, bottomRight);
}

void CDC::Draw3dRect(int x, int y, int cx, int cy, COLORREF topLeft, COLORREF bottomRight)
{
    if (cx <= 0 || cy <= 0)
        return;
    m_state->Fill(QRect(x, y, cx - 1, 1), topLeft);
    m_state->Fill(QRect(x, y, 1, cy - 1), topLeft);
    m_state->Fill(QRect(x + cx - 1, y, 1, cy), bottomRight);
    m_state->Fill(QRect(x, y + cy - 1, cx, 1), bottomRight);
}

BOOL CDC::DrawEdge(LPRECT rect, UINT edge, UINT flags)
{
    if (!rect || !m_state->target)
        return FALSE;
    CRect area(*rect);
    // Each line: its top-left and bottom-right colours for raised and sunken.
    auto line = [&](bool raised, bool sunken, int lightTL, int darkBR, int sunkTL, int sunkBR) {
        if (!raised && !sunken)
            return;
        const COLORREF topLeft = GetSysColor(raised ? lightTL : sunkTL);
        const COLORREF bottomRight = GetSysColor(raised ? darkBR : sunkBR);
        if (flags & BF_TOP)
            m_state->Fill(QRect(area.left, area.top, area.Width(), 1), topLeft);
        if (flags & BF_LEFT)
            m_state->Fill(QRect(area.left, area.top, 1, area.Height()), topLeft);
        if (flags & BF_BOTTOM)
            m_state->Fill(QRect(area.left, area.bottom - 1, area.Width(), 1), bottomRight);
        if (flags & BF_RIGHT)
            m_state->Fill(QRect(area.right - 1, area.top, 1, area.Height()), bottomRight);
        area.DeflateRect((flags & BF_LEFT) ? 1 : 0, (flags & BF_TOP) ? 1 : 0, (flags & BF_RIGHT) ? 1 : 0,
            (flags & BF_BOTTOM) ? 1 : 0);
    };
    line(edge & BDR_RAISEDOUTER, edge & BDR_SUNKENOUTER, COLOR_3DLIGHT, COLOR_3DDKSHADOW, COLOR_3DSHADOW,
        COLOR_3DHILIGHT);
    line(edge & BDR_RAISEDINNER, edge & BDR_SUNKENINNER, COLOR_3DHILIGHT, COLOR_3DSHADOW, COLOR_3DDKSHADOW,
        COLOR_3DLIGHT);
    if ((flags & BF_MIDDLE) && !area.IsRectEmpty())
        m_state->Fill(ToQRect(area.left, area.top, area.right, area.bottom), GetSysColor(COLOR_BTNFACE));
    return TRUE;
}

void CDC::DrawFocusRect(LPCRECT rect)
{
    if (!rect || rect->right <= rect->left || rect->bottom <= rect->top)
        return;
    auto invert = [this](int x, int y) {
        const COLORREF c = GetPixel(x, y);
        if (c != static_cast<COLORREF>(-1))
            SetPixel(x, y, c ^ 0x00FFFFFF);
    };
    for (int x = rect->left; x < rect->right; x += 2) {
        invert(x, rect->top);
        if (rect->bottom - 1 > rect->top)
            invert(x, rect->bottom - 1);
    }
    for (int y = rect->top + 2; y < rect->bottom - 1; y += 2) {
        invert(rect->left, y);
        if (rect->right - 1 > rect->left)
            invert(rect->right - 1, y);
    }
}

COLORREF CDC::SetPixel(int x, int y, COLORREF color)
{
    QImage* image = m_state->target;
    if (!image || !image->valid(x, y))
        return static_cast<COLORREF>(-1);
    if (m_state->clip && !m_state->clip->contains(x, y))
        return color;
    image->setPixel(x, y, ToQColor(color).rgb());
    m_state->Changed(QRect(x, y, 1, 1));
    return color;
}

COLORREF CDC::GetPixel(int x, int y) const
{
    const QImage* image = m_state->target;
    if (!image || !image->valid(x, y))
        return static_cast<COLORREF>(-1); // CLR_INVALID
    return FromQRgb(image->pixel(x, y));
}

BOOL CDC::TextOut(int x, int y, LPCTSTR text, int count)
{
    if (!m_state->target || !text)
        return FALSE;
    QString s = ToQString(text, count);
    QFont font = m_state->Font();
    QFontMetrics metrics(font);
    QRect area(x, y, metrics.horizontalAdvance(s), metrics.height());
    QPainter p;
    m_state->Begin(p);
    if (m_state->bkMode == OPAQUE)
        p.fillRect(area, ToQColor(m_state->bkColor));
    p.setFont(font);
    p.setPen(ToQColor(m_state->textColor));
    p.drawText(QPoint(x, y + metrics.ascent()), s);
    p.end();
    m_state->Changed(area);
    return TRUE;
}

int CDC::DrawText(LPCTSTR text, int count, LPRECT rect, UINT format)
{
    if (!text || !rect)
        return 0;
    QString s = ToQString(text, count);
    QFont font = m_state->Font();
    QFontMetrics metrics(font);
    QRect box = ToQRect(rect->left, rect->top, rect->right, rect->bottom);

    int flags = 0;
    if (format & DT_CENTER)
        flags |= Qt::AlignHCenter;
    else if (format & DT_RIGHT)
        flags |= Qt::AlignRight;
    else
        flags |= Qt::AlignLeft;
    // Vertical placement applies to single lines only.
    if ((format & DT_SINGLELINE) && (format & DT_VCENTER))
        flags |= Qt::AlignVCenter;
    else if ((format & DT_SINGLELINE) && (format & DT_BOTTOM))
        flags |= Qt::AlignBottom;
    else
        flags |= Qt::AlignTop;
    if (format & DT_SINGLELINE)
        flags |= Qt::TextSingleLine;
    if (format & DT_WORDBREAK)
        flags |= Qt::TextWordWrap;
    if (format & DT_EXPANDTABS)
        flags |= Qt::TextExpandTabs;
    if (!(format & DT_NOPREFIX))
        flags |= Qt::TextShowMnemonic;
    if ((format & DT_END_ELLIPSIS) && !(format & DT_CALCRECT))
        s = metrics.elidedText(s, Qt::ElideRight, std::max(box.width(), 0), flags & Qt::TextShowMnemonic);

    // A single line is as high as the font's cell, as on the platform.
    auto measure = [&](QRect within) {
        if (flags & Qt::TextSingleLine) {
            QString shown = s;
            if (flags & Qt::TextShowMnemonic)
                shown.remove(QRegularExpression(QStringLiteral("&(?!&)")));
            return QSize(metrics.horizontalAdvance(shown), metrics.height());
        }
        return metrics.boundingRect(within, flags, s).size();
    };
    if (format & DT_CALCRECT) {
        int width = (format & DT_WORDBREAK) ? std::max(box.width(), 1) : 0x3FFFFFF;
        QSize size = measure(QRect(rect->left, rect->top, width, 0x3FFFFFF));
        rect->right = rect->left + size.width();
        rect->bottom = rect->top + size.height();
        return size.height();
    }
    if (!m_state->target)
        return 0;
    QSize size = measure(box);
    int x = (flags & Qt::AlignHCenter) ? box.left() + (box.width() - size.width()) / 2
        : (flags & Qt::AlignRight)     ? box.right() + 1 - size.width()
                                       : box.left();
    int y = (flags & Qt::AlignVCenter) ? box.top() + (box.height() - size.height()) / 2
        : (flags & Qt::AlignBottom)    ? box.bottom() + 1 - size.height()
                                       : box.top();
    QRect bound(QPoint(x, y), size);
    QPainter p;
    m_state->Begin(p);
    if (!(format & DT_NOCLIP))
        p.setClipRect(box, Qt::IntersectClip);
    if (m_state->bkMode == OPAQUE)
        p.fillRect(bound, ToQColor(m_state->bkColor));
    p.setFont(font);
    p.setPen(ToQColor(m_state->textColor));
    p.drawText(bound.adjusted(0, 0, 1, 0), (flags & ~Qt::AlignVertical_Mask) | Qt::AlignTop, s);
    p.end();
    m_state->Changed((format & DT_NOCLIP) ? bound : bound.intersected(box));
    return size.height();
}

CSize CDC::GetTextExtent(LPCTSTR text, int count) const
{
    QFontMetrics metrics(m_state->Font());
    return CSize(metrics.horizontalAdvance(ToQString(text, count)), metrics.height());
}

BOOL CDC::GetTextMetrics(TEXTMETRIC* tm) const
{
    if (!tm)
        return FALSE;
    QFont font = m_state->Font();
    QFontMetrics metrics(font);
    *tm = TEXTMETRIC {};
    tm->tmHeight = metrics.height();
    tm->tmAscent = metrics.ascent();
    tm->tmDescent = metrics.descent();
    tm->tmInternalLeading = std::max(0, metrics.height() - font.pixelSize());
    tm->tmExternalLeading = std::max(0, metrics.leading());
    tm->tmAveCharWidth = metrics.averageCharWidth();
    tm->tmMaxCharWidth = metrics.maxWidth();
    tm->tmWeight = font.weight();
    return TRUE;
}

namespace
{

// Combines `source` into `target` at `at` with one raster operation.
bool Combine(QImage& target, const QImage& source, QPoint at, DWORD rop, const std::optional<QRect>& clip)
{
    if (rop == SRCCOPY) {
        QPainter p(&target);
        if (clip)
            p.setClipRect(*clip);
        p.setCompositionMode(QPainter::CompositionMode_Source);
        p.drawImage(at, source);
        return true;
    }
    if (rop != SRCAND && rop != SRCPAINT && rop != SRCINVERT)
        return false;
    QImage src = source.convertToFormat(QImage::Format_RGB32);
    QRect area = QRect(at, src.size()).intersected(target.rect());
    if (clip)
        area = area.intersected(*clip);
    for (int y = area.top(); y <= area.bottom(); ++y) {
        auto* dst = reinterpret_cast<QRgb*>(target.scanLine(y));
        const auto* s = reinterpret_cast<const QRgb*>(src.constScanLine(y - at.y()));
        for (int x = area.left(); x <= area.right(); ++x) {
            QRgb a = dst[x], b = s[x - at.x()];
            QRgb r = rop == SRCAND ? (a & b) : rop == SRCPAINT ? (a | b) : (a ^ b);
            dst[x] = r | 0xFF000000u;
        }
    }
    return true;
}

} // namespace

BOOL CDC::BitBlt(int x, int y, int width, int height, CDC* source, int xSrc, int ySrc, DWORD rop)
{
    return StretchBlt(x, y, width, height, source, xSrc, ySrc, width, height, rop);
}

BOOL CDC::StretchBlt(int x, int y, int width, int height, CDC* source, int xSrc, int ySrc, int srcWidth,
    int srcHeight, DWORD rop)
{
    QImage* target = m_state->target;
    if (!target)
        return FALSE;
    if (rop == BLACKNESS || rop == WHITENESS) {
        QRect area = QRect(x, y, width, height).normalized();
        m_state->Fill(area, rop == BLACKNESS ? RGB(0, 0, 0) : RGB(255, 255, 255));
        return TRUE;
    }
    if (!source || !source->m_state->target || width == 0 || height == 0 || srcWidth == 0 || srcHeight == 0)
        return FALSE;
    if (std::abs(width) > kMaxPictureSide || std::abs(height) > kMaxPictureSide)
        return FALSE;
    // Copying first keeps a blit within one image correct.
    QImage part = source->m_state->target->copy(QRect(xSrc, ySrc, srcWidth, srcHeight).normalized());
    bool mirrorX = (width < 0) != (srcWidth < 0);
    bool mirrorY = (height < 0) != (srcHeight < 0);
    QRect area = QRect(x, y, width, height).normalized();
    if (part.size() != area.size()) {
        Qt::TransformationMode mode
            = m_state->stretchMode == HALFTONE ? Qt::SmoothTransformation : Qt::FastTransformation;
        part = part.scaled(area.size(), Qt::IgnoreAspectRatio, mode);
    }
    if (mirrorX || mirrorY)
        part = part.mirrored(mirrorX, mirrorY);
    if (!Combine(*target, part, area.topLeft(), rop, m_state->clip))
        return FALSE;
    m_state->Changed(area);
    return TRUE;
}

int CDC::StretchDIBits(int x, int y, int width, int height, int xSrc, int ySrc, int srcWidth, int srcHeight,
    const void* bits, const BITMAPINFO* info, UINT usage, DWORD rop)
{
    if (!m_state->target || !bits || !info || usage != DIB_RGB_COLORS)
        return 0;
    const BITMAPINFOHEADER& h = info->bmiHeader;
    if (h.biCompression != BI_RGB || (h.biBitCount != 24 && h.biBitCount != 32))
        return 0;
    const int w = h.biWidth;
    const int rows = h.biHeight < 0 ? -h.biHeight : h.biHeight;
    if (w <= 0 || rows <= 0 || w > kMaxPictureSide || rows > kMaxPictureSide)
        return 0;
    if (srcWidth <= 0 || srcHeight <= 0 || xSrc < 0 || ySrc < 0 || xSrc + srcWidth > w
        || ySrc + srcHeight > rows)
        return 0;
    // Rows are padded to four bytes; the colour order is blue, green, red.
    const qsizetype stride = ((static_cast<qsizetype>(w) * h.biBitCount / 8) + 3) & ~qsizetype(3);
    QImage picture(static_cast<const uchar*>(bits), w, rows, stride,
        h.biBitCount == 24 ? QImage::Format_BGR888 : QImage::Format_RGB32);
    // A bottom-up picture keeps its last row first, and its source rectangle
    // counts from that bottom row.
    int top = ySrc;
    if (h.biHeight > 0) {
        picture = picture.mirrored(false, true);
        top = rows - ySrc - srcHeight;
    } else {
        picture = picture.copy();
    }
    CDC source;
    CBitmap holder;
    holder.Attach(NewBitmapObject(picture.convertToFormat(QImage::Format_RGB32)));
    source.CreateCompatibleDC(this);
    source.SelectObject(&holder);
    if (!StretchBlt(x, y, width, height, &source, xSrc, top, srcWidth, srcHeight, rop))
        return 0;
    source.DeleteDC();
    return srcHeight;
}
