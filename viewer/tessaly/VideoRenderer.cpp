#include "viewer/tessaly/VideoRenderer.h"

#include "platform/ui/WindowBlit.h"

#include <cstdlib>
#include <cstring>

namespace tessaly
{

RECT LetterboxRect(const RECT& client, int width, int height)
{
    const int64_t cw = client.right - client.left;
    const int64_t ch = client.bottom - client.top;
    if (width <= 0 || height <= 0 || cw <= 0 || ch <= 0)
        return RECT { 0, 0, 0, 0 };
    const int64_t fitWidth = int64_t(width) * ch / height;
    if (cw < fitWidth) {
        const int64_t h = cw * height / width;
        const int64_t top = (ch - h) / 2;
        return RECT { client.left, LONG(client.top + top), client.right, LONG(client.top + top + h) };
    }
    const int64_t left = (cw - fitWidth) / 2;
    return RECT { LONG(client.left + left), client.top, LONG(client.left + left + fitWidth), client.bottom };
}

namespace
{

// Full-screen drawing keeps the proportions of its aspect mode.
RECT Fit4x3(const RECT& client, int, int)
{
    return LetterboxRect(client, 4, 3);
}
RECT Fit16x9(const RECT& client, int, int)
{
    return LetterboxRect(client, 16, 9);
}
RECT Fit1x1(const RECT& client, int, int)
{
    return LetterboxRect(client, 1, 1);
}

BlitPlacement AspectPlacement(int mode)
{
    switch (mode) {
    case 2:
        return Fit4x3;
    case 3:
        return Fit16x9;
    case 4:
        return Fit1x1;
    default:
        return LetterboxRect;
    }
}

} // namespace

COffscreenRenderer::~COffscreenRenderer()
{
    Close();
}

int COffscreenRenderer::Create(HWND window, int width, int height)
{
    if (!window || width <= 0 || height <= 0)
        return 0;
    Close();
    // The surface of a 32-bit screen, rows aligned as video memory has them.
    const int64_t pitch = (int64_t(width) * 4 + 15) & ~int64_t(15);
    if (pitch > 0x7FFFFFFF / height)
        return 0;
    m_pSurface = static_cast<uint8_t*>(std::calloc(size_t(pitch) * size_t(height), 1));
    if (!m_pSurface)
        return 0;
    m_nPitch = int(pitch);
    m_nWidth = width;
    m_nHeight = height;
    m_hWnd = window;
    m_nBytesPerPixel = 4;
    m_nFormat = RENDER_RGB32;
    return 1;
}

int COffscreenRenderer::CreateFullScreen(HWND window, int width, int height)
{
    return Create(window, width, height);
}

void COffscreenRenderer::CopyPicture(const void* picture, int topDown)
{
    const auto* source = static_cast<const uint8_t*>(picture);
    const size_t row = size_t(m_nWidth) * size_t(m_nBytesPerPixel);
    for (int i = 0; i < m_nHeight; ++i) {
        const int from = topDown ? i : m_nHeight - 1 - i;
        std::memcpy(m_pSurface + size_t(i) * size_t(m_nPitch), source + size_t(from) * row, row);
    }
}

int COffscreenRenderer::Blit(RECT (*place)(const RECT&, int, int))
{
    if (!m_pSurface)
        return 0;
    return BlitToWindow(m_hWnd, m_pSurface, m_nWidth, m_nHeight, m_nPitch, place) ? 1 : 0;
}

uint8_t* COffscreenRenderer::GetSurface(int width, int height, int* pitch)
{
    if (!m_pSurface || width != m_nWidth || height != m_nHeight)
        return nullptr;
    *pitch = m_nPitch;
    return m_pSurface;
}

int COffscreenRenderer::Draw(const void* picture, const RECT*, int, int topDown)
{
    if (!m_pSurface || !picture)
        return 0;
    CopyPicture(picture, topDown);
    return Blit(LetterboxRect);
}

int COffscreenRenderer::DrawFullScreen(const void* picture, const RECT*, int topDown, int)
{
    if (!m_pSurface || !picture)
        return 0;
    CopyPicture(picture, topDown);
    return Blit(AspectPlacement(m_nAspectMode));
}

int COffscreenRenderer::Refresh()
{
    return Blit(LetterboxRect);
}

void COffscreenRenderer::Close()
{
    std::free(m_pSurface);
    m_pSurface = nullptr;
    m_nPitch = m_nWidth = m_nHeight = m_nBytesPerPixel = m_nFormat = 0;
    m_hWnd = nullptr;
}

COverlayRenderer::~COverlayRenderer()
{
    Close();
}

CVideoRenderer::CVideoRenderer()
    : m_pOverlay(new COverlayRenderer)
    , m_pOffscreen(new COffscreenRenderer)
{
}

CVideoRenderer::~CVideoRenderer()
{
    delete m_pOverlay;
    delete m_pOffscreen;
}

int CVideoRenderer::OpenWith(
    int format, int (CRendererBase::*create)(HWND, int, int), HWND window, int width, int height)
{
    if (m_pActive)
        m_pActive->Close();
    m_pActive = nullptr;
    switch (format) {
    case RENDER_RGB16:
    case RENDER_RGB24:
    case RENDER_RGB32:
        break;
    case RENDER_YV12:
    case RENDER_YUY2:
    case RENDER_UYVY:
        if ((m_pOverlay->*create)(window, width, height)) {
            m_pActive = m_pOverlay;
            return 1;
        }
        break;
    default:
        return 0;
    }
    if ((m_pOffscreen->*create)(window, width, height)) {
        m_pActive = m_pOffscreen;
        return 1;
    }
    return 0;
}

int CVideoRenderer::Open(HWND window, int width, int height, int format)
{
    return OpenWith(format, &CRendererBase::Create, window, width, height);
}

int CVideoRenderer::OpenFullScreen(HWND window, int width, int height, int format)
{
    return OpenWith(format, &CRendererBase::CreateFullScreen, window, width, height);
}

int CVideoRenderer::Create(HWND window, int width, int height)
{
    if (m_pActive)
        m_pActive->Close();
    return m_pActive ? m_pActive->Create(window, width, height) : 0;
}

int CVideoRenderer::CreateFullScreen(HWND window, int width, int height)
{
    if (m_pActive)
        m_pActive->Close();
    return m_pActive ? m_pActive->CreateFullScreen(window, width, height) : 0;
}

int CVideoRenderer::GetFormat()
{
    return m_pActive ? m_pActive->GetFormat() : 0;
}

int CVideoRenderer::Draw(const void* picture, const RECT* target, int unused, int topDown)
{
    return m_pActive ? m_pActive->Draw(picture, target, unused, topDown) : 0;
}

int CVideoRenderer::DrawFullScreen(const void* picture, const RECT* target, int topDown, int unused)
{
    return m_pActive ? m_pActive->DrawFullScreen(picture, target, topDown, unused) : 0;
}

int CVideoRenderer::Refresh()
{
    return m_pActive ? m_pActive->Refresh() : 0;
}

int CVideoRenderer::Hide()
{
    return m_pActive ? m_pActive->Hide() : 0;
}

void CVideoRenderer::Close()
{
    if (m_pActive)
        m_pActive->Close();
    m_pActive = nullptr;
}

void CVideoRenderer::SetAspectMode(int mode)
{
    if (m_pActive)
        m_pActive->SetAspectMode(mode);
}

uint8_t* CVideoRenderer::GetSurface(int width, int height, int* pitch)
{
    return m_pActive ? m_pActive->GetSurface(width, height, pitch) : nullptr;
}

} // namespace tessaly
