// Device contexts on a window's surface.
#include "platform/ui/WndInternal.h"

#include "platform/ui/GdiInternal.h"

namespace
{

void SurfaceChanged(void* context, const RECT& area)
{
    auto* widget = static_cast<QWidget*>(context);
    widget->update(QRect(QPoint(area.left, area.top), QPoint(area.right - 1, area.bottom - 1)));
}

} // namespace

CPaintDC::CPaintDC(CWnd* pWnd)
    : m_pWnd(pWnd)
{
    auto* surface = pWnd ? dynamic_cast<SurfaceWidget*>(pWnd->GetWidget()) : nullptr;
    if (!surface)
        return;
    m_ps.hdc = HandleOf(this);
    QRect area = surface->InPaint() ? surface->UpdateRect() : surface->ClientRect();
    m_ps.rcPaint = RECT { area.left(), area.top(), area.right() + 1, area.bottom() + 1 };
    // Inside WM_PAINT the widget shows the surface when painting ends.
    AttachSurface(&surface->Surface(), surface->InPaint() ? nullptr : SurfaceChanged, surface);
}

CPaintDC::~CPaintDC() = default;

CClientDC::CClientDC(CWnd* pWnd)
    : m_pWnd(pWnd)
{
    auto* surface = pWnd ? dynamic_cast<SurfaceWidget*>(pWnd->GetWidget()) : nullptr;
    if (surface)
        AttachSurface(&surface->Surface(), surface->InPaint() ? nullptr : SurfaceChanged, surface);
}
