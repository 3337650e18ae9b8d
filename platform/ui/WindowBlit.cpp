// Blits onto a window's surface, run on the window's thread.
#include "platform/ui/WindowBlit.h"

#include "platform/ui/WndInternal.h"

#include <QPainter>

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
    const QImage picture(static_cast<const uchar*>(request.bits), request.width, request.height,
        request.stride, QImage::Format_RGB32);
    {
        QPainter painter(&surface->Surface());
        painter.drawImage(target, picture);
    }
    surface->Present(target.intersected(client));
    return TRUE;
}
