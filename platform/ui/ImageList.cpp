#include "platform/ui/ImageListInternal.h"

#include "platform/ui/DC.h"
#include "platform/ui/GdiInternal.h"
#include "platform/ui/ResourceModule.h"

#include <QPainter>

#include <utility>

namespace
{

// Highlight colour that ILD_BLEND mixes in.
const QColor kBlendColor(10, 36, 106);

} // namespace

QImage ImageListImage(HIMAGELIST list, int index)
{
    if (!list || index < 0 || index >= static_cast<int>(list->images.size()))
        return QImage();
    return list->images[index];
}

CImageList::CImageList() = default;
CImageList::~CImageList() = default;

BOOL CImageList::Create(int cx, int cy, UINT flags, int, int)
{
    if (m_handle || cx <= 0 || cy <= 0)
        return FALSE;
    m_handle = std::make_unique<ImageListData>();
    m_handle->cx = cx;
    m_handle->cy = cy;
    m_handle->flags = flags;
    return TRUE;
}

BOOL CImageList::Create(UINT bitmapId, int cx, int grow, COLORREF mask)
{
    CBitmap bitmap;
    if (!bitmap.LoadBitmap(bitmapId))
        return FALSE;
    if (!Create(cx, bitmap.m_hObject->image.height(), ILC_COLOR24 | ILC_MASK, 0, grow))
        return FALSE;
    if (Add(&bitmap, mask) < 0) {
        DeleteImageList();
        return FALSE;
    }
    return TRUE;
}

BOOL CImageList::DeleteImageList()
{
    if (!m_handle)
        return FALSE;
    m_handle.reset();
    return TRUE;
}

int CImageList::Add(CBitmap* bitmap, COLORREF mask)
{
    if (!m_handle || !bitmap || !bitmap->m_hObject || bitmap->m_hObject->kind != GdiKind::Bitmap)
        return -1;
    const QImage& strip = bitmap->m_hObject->image;
    int count = strip.width() / m_handle->cx;
    if (count <= 0)
        return -1;
    int first = static_cast<int>(m_handle->images.size());
    bool masked = (m_handle->flags & ILC_MASK) && mask != CLR_NONE;
    QRgb key = ToQColor(mask).rgb();
    for (int i = 0; i < count; ++i) {
        QImage image(m_handle->cx, m_handle->cy, QImage::Format_ARGB32);
        image.fill(Qt::transparent);
        QPainter p(&image);
        p.drawImage(0, 0, strip, i * m_handle->cx, 0, m_handle->cx, m_handle->cy);
        p.end();
        if (masked) {
            for (int y = 0; y < image.height(); ++y) {
                auto* line = reinterpret_cast<QRgb*>(image.scanLine(y));
                for (int x = 0; x < image.width(); ++x) {
                    if ((line[x] | 0xFF000000u) == (key | 0xFF000000u))
                        line[x] = 0;
                }
            }
        }
        m_handle->images.push_back(std::move(image));
    }
    return first;
}

int CImageList::Add(CBitmap* bitmap, CBitmap* mask)
{
    if (!mask || !mask->m_hObject)
        return Add(bitmap, CLR_NONE);
    int first = Add(bitmap, CLR_NONE);
    if (first < 0 || !(m_handle->flags & ILC_MASK))
        return first;
    // White mask pixels mark where the image is transparent.
    const QImage& m = mask->m_hObject->image;
    for (size_t i = first; i < m_handle->images.size(); ++i) {
        QImage& image = m_handle->images[i];
        int offset = static_cast<int>(i - first) * m_handle->cx;
        for (int y = 0; y < image.height() && y < m.height(); ++y) {
            auto* line = reinterpret_cast<QRgb*>(image.scanLine(y));
            for (int x = 0; x < image.width() && offset + x < m.width(); ++x) {
                if (qGray(m.pixel(offset + x, y)) >= 128)
                    line[x] = 0;
            }
        }
    }
    return first;
}

BOOL CImageList::Remove(int index)
{
    if (!m_handle)
        return FALSE;
    if (index == -1) {
        m_handle->images.clear();
        return TRUE;
    }
    if (index < 0 || index >= static_cast<int>(m_handle->images.size()))
        return FALSE;
    m_handle->images.erase(m_handle->images.begin() + index);
    return TRUE;
}

int CImageList::GetImageCount() const
{
    return m_handle ? static_cast<int>(m_handle->images.size()) : 0;
}

BOOL CImageList::GetImageInfo(int nImage, IMAGEINFO* pImageInfo) const
{
    if (!pImageInfo || nImage < 0 || nImage >= GetImageCount())
        return FALSE;
    *pImageInfo = IMAGEINFO {};
    pImageInfo->rcImage = RECT { nImage * m_handle->cx, 0, (nImage + 1) * m_handle->cx, m_handle->cy };
    return TRUE;
}

COLORREF CImageList::SetBkColor(COLORREF color)
{
    if (!m_handle)
        return CLR_NONE;
    return std::exchange(m_handle->bkColor, color);
}

BOOL CImageList::Draw(CDC* dc, int index, POINT point, UINT style)
{
    QImage image = ImageListImage(m_handle.get(), index);
    if (!dc || image.isNull() || !dc->GetTargetImage())
        return FALSE;
    // A background colour fills the transparent parts unless drawn transparent.
    if (!(style & ILD_TRANSPARENT) && m_handle->bkColor != CLR_NONE) {
        QImage filled(image.size(), QImage::Format_ARGB32);
        filled.fill(ToQColor(m_handle->bkColor));
        QPainter p(&filled);
        p.drawImage(0, 0, image);
        image = filled;
    }
    if (style & (ILD_BLEND50 | ILD_BLEND25)) {
        QColor tint = kBlendColor;
        tint.setAlpha(style & ILD_BLEND50 ? 128 : 64);
        QPainter p(&image);
        p.setCompositionMode(QPainter::CompositionMode_SourceAtop);
        p.fillRect(image.rect(), tint);
    }
    // Drawn through a memory DC so the target's owner learns of the change.
    QImage* target = dc->GetTargetImage();
    QImage under = target->copy(point.x, point.y, image.width(), image.height());
    {
        QPainter p(&under);
        p.drawImage(0, 0, image);
    }
    CBitmap holder;
    holder.Attach(NewBitmapObject(std::move(under)));
    CDC source;
    source.CreateCompatibleDC(dc);
    source.SelectObject(&holder);
    return dc->BitBlt(point.x, point.y, image.width(), image.height(), &source, 0, 0, SRCCOPY);
}
