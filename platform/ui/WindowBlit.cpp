// Blits onto a window's surface, run on the window's thread.
#include "platform/ui/WindowBlit.h"

#include "platform/ui/WndInternal.h"

#include <QPainter>

#include <cstring>

struct WindowBlitRequest {
    const void* bits;
    int width;
    int height;
    int stride;
    BlitPlacement place;
};

BOOL BlitToWindow(HWND hWnd, const void* bits, int width, int height, int stride, BlitPlacement place)
{
    if (!hWnd || !bits || width <= 0 || height <= 0 || stride < width * 4 || !::IsWindow(hWnd))
        return FALSE;
    WindowBlitRequest request { bits, width, height, stride, place };
    return ::SendMessage(hWnd, WM_LAYER_BLIT, 0, reinterpret_cast<LPARAM>(&request)) ? TRUE : FALSE;
}

LRESULT BlitOntoWindow(CWnd* wnd, const WindowBlitRequest& request)
{
    auto* surface = dynamic_cast<SurfaceWidget*>(wnd->GetWidget());
    if (!surface)
        return FALSE;
    const QRect client = surface->ClientRect();
    const RECT clientRect { 0, 0, client.width(), client.height() };
    const RECT dest = request.place ? request.place(clientRect, request.width, request.height) : clientRect;
    const QRect target(QPoint(dest.left, dest.top), QPoint(dest.right - 1, dest.bottom - 1));
    if (target.isEmpty())
        return FALSE;
    QImage& image = surface->Surface();
    if (target.size() == QSize(request.width, request.height) && image.rect().contains(target)
        && image.format() == QImage::Format_RGB32) {
        // Unscaled: the rows go straight into the surface.
        const auto* from = static_cast<const uchar*>(request.bits);
        const qsizetype pitch = image.bytesPerLine();
        uchar* to = image.bits() + target.top() * pitch + qsizetype(target.left()) * 4;
        const size_t row = size_t(request.width) * 4;
        for (int y = 0; y < request.height; ++y)
            std::memcpy(to + y * pitch, from + size_t(y) * size_t(request.stride), row);
    } else {
        const QImage picture(static_cast<const uchar*>(request.bits), request.width, request.height,
            request.stride, QImage::Format_RGB32);
        QPainter painter(&image);
        painter.drawImage(target, picture);
    }
    surface->Present(target.intersected(client));
    return TRUE;
}
