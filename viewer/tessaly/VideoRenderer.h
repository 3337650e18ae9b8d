// The video output of the viewer client: a facade that owns an overlay
// renderer and an off-screen renderer with one virtual interface and
// forwards every call to the one that is open. The off-screen renderer
// keeps the picture in an image of its own and blits it, letterboxed to the
// picture's proportions, into the video window; overlays need hardware this
// platform does not have, so the overlay renderer never opens.
#pragma once

#include "platform/base/Types.h"

namespace tessaly
{

// Format codes: what a renderer takes in.
constexpr int RENDER_RGB16 = 2;
constexpr int RENDER_RGB24 = 3;
constexpr int RENDER_RGB32 = 4;
constexpr int RENDER_YV12 = 6;
constexpr int RENDER_YUY2 = 7;
constexpr int RENDER_UYVY = 8;

class CRendererBase
{
public:
    virtual ~CRendererBase() = default;
    virtual int Create(HWND window, int width, int height) = 0;
    virtual int CreateFullScreen(HWND window, int width, int height) = 0;
    virtual int GetFormat() = 0;
    virtual int Draw(const void* picture, const RECT* target, int, int topDown) = 0;
    virtual int DrawFullScreen(const void* picture, const RECT* target, int topDown, int) = 0;
    virtual int Refresh() = 0;
    virtual int Hide() = 0;
    virtual void Close() = 0;
    virtual void SetAspectMode(int mode) = 0;
    // The memory of the off-screen image, for a picture of this size to be
    // written straight into it (rows `*pitch` bytes apart, in the format
    // GetFormat gives) and shown with Refresh; null when the renderer has
    // no such image.
    virtual uint8_t* GetSurface(int width, int height, int* pitch) = 0;
};

// The picture's place in a client area: as large as fits with the
// picture's proportions, centred, bars on the other sides.
RECT LetterboxRect(const RECT& client, int width, int height);

class COffscreenRenderer : public CRendererBase
{
public:
    COffscreenRenderer() = default;
    ~COffscreenRenderer() override;
    COffscreenRenderer(const COffscreenRenderer&) = delete;
    COffscreenRenderer& operator=(const COffscreenRenderer&) = delete;

    int Create(HWND window, int width, int height) override;
    int CreateFullScreen(HWND window, int width, int height) override;
    int GetFormat() override { return m_nFormat; }
    int Draw(const void* picture, const RECT* target, int, int topDown) override;
    int DrawFullScreen(const void* picture, const RECT* target, int topDown, int) override;
    int Refresh() override;
    int Hide() override { return 1; }
    void Close() override;
    void SetAspectMode(int mode) override { m_nAspectMode = mode; }
    uint8_t* GetSurface(int width, int height, int* pitch) override;

private:
    void CopyPicture(const void* picture, int topDown);
    int Blit(RECT (*place)(const RECT&, int, int));

    uint8_t* m_pSurface = nullptr; // the off-screen image, m_nPitch bytes a row
    int m_nPitch = 0;
    int m_nAspectMode = 1;
    int m_nWidth = 0;
    int m_nHeight = 0;
    int m_nBytesPerPixel = 0;
    int m_nFormat = 0;
    HWND m_hWnd = nullptr;
};

class COverlayRenderer : public CRendererBase
{
public:
    COverlayRenderer() = default;
    ~COverlayRenderer() override;

    // No overlay hardware: creation fails, as on a card without overlays.
    int Create(HWND, int, int) override { return 0; }
    int CreateFullScreen(HWND, int, int) override { return 0; }
    int GetFormat() override { return m_nFormat; }
    int Draw(const void*, const RECT*, int, int) override { return 0; }
    int DrawFullScreen(const void*, const RECT*, int, int) override { return 0; }
    int Refresh() override { return 0; }
    int Hide() override { return 1; }
    void Close() override { m_nFormat = 0; }
    void SetAspectMode(int mode) override { m_nAspectMode = mode; }
    uint8_t* GetSurface(int, int, int*) override { return nullptr; }

private:
    int m_nAspectMode = 1;
    int m_nFormat = 0;
};

class CVideoRenderer : public CRendererBase
{
public:
    CVideoRenderer();
    ~CVideoRenderer() override;
    CVideoRenderer(const CVideoRenderer&) = delete;
    CVideoRenderer& operator=(const CVideoRenderer&) = delete;

    // Opens the renderer that takes the format code; 1 when one was created.
    int Open(HWND window, int width, int height, int format);
    int OpenFullScreen(HWND window, int width, int height, int format);

    int Create(HWND window, int width, int height) override;
    int CreateFullScreen(HWND window, int width, int height) override;
    int GetFormat() override;
    int Draw(const void* picture, const RECT* target, int, int topDown) override;
    int DrawFullScreen(const void* picture, const RECT* target, int topDown, int) override;
    int Refresh() override;
    int Hide() override;
    void Close() override;
    void SetAspectMode(int mode) override;
    uint8_t* GetSurface(int width, int height, int* pitch) override;

private:
    int OpenWith(
        int format, int (CRendererBase::*create)(HWND, int, int), HWND window, int width, int height);

    COverlayRenderer* m_pOverlay;
    COffscreenRenderer* m_pOffscreen;
    CRendererBase* m_pActive = nullptr;
};

} // namespace tessaly
