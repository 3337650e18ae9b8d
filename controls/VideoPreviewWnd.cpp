#include "controls/VideoPreviewWnd.h"

#include "controls/LevelBarDlg.h"
#include "controls/PreviewStream.h"
#include "link/CurrentDevice.h"
#include "link/WindowMessages.h"
#include "stream/plinto/NetThread.h"
#include "stream/plinto/OstraOnNetCtrl.h"
#include "stream/plinto/PTZCtrl.h"

#include <algorithm>
#include <cstring>

namespace
{

// The decoder's output block: a BITMAPINFO head, then the pixels.
constexpr size_t kOutputSize = 0x300028;
constexpr size_t kOutputPixels = 48;
// The live preview's stream settings.
constexpr DWORD kStreamSetting = 0x0F000000;
constexpr UINT kLeverPeriod = 300;

// The kind of the last frame each drawing routine drew, shared by every
// preview: a change of kind clears the old picture first.
int g_nLastKind = 2;
int g_nLastKindWithArea = 2;

} // namespace

BEGIN_MESSAGE_MAP(CVideoPreviewWnd, CWnd)
ON_WM_CREATE()
ON_WM_ERASEBKGND()
ON_WM_PAINT()
ON_WM_LBUTTONDOWN()
ON_WM_LBUTTONUP()
ON_WM_MOUSEMOVE()
ON_WM_KEYDOWN()
ON_WM_MOVE()
ON_WM_CLOSE()
ON_WM_TIMER()
ON_MESSAGE(WM_PTZ_ERROR, OnPtzError)
ON_MESSAGE(WM_PTZ_ACK, OnPtzAck)
ON_MESSAGE(WM_PTZ_MOVE, OnFZMove)
ON_MESSAGE(WM_STREAM_ERROR, OnError)
ON_MESSAGE(WM_STREAM_ACK, OnAck)
ON_MESSAGE(WM_STREAM_FRAME, OnReceivedFrame)
END_MESSAGE_MAP()

CVideoPreviewWnd::CVideoPreviewWnd()
    : m_pOutput(new BYTE[kOutputSize]())
    , m_hDecoder(decompress601_open())
    , m_pFrame(std::make_unique<plinto::tagONLINEFRAME>())
{
    m_bmpHeader.biSize = sizeof(BITMAPINFOHEADER);
    m_bmpHeader.biWidth = PREVIEW_PICTURE_WIDTH;
    m_bmpHeader.biHeight = PREVIEW_PICTURE_HEIGHT;
    m_bmpHeader.biPlanes = 1;
    m_bmpHeader.biBitCount = 24;
}

CVideoPreviewWnd::~CVideoPreviewWnd()
{
    StopPreviewThread(m_pNetThread);
    if (m_pPtzCtrl) {
        m_pPtzCtrl->close_ptz();
        delete m_pPtzCtrl;
        m_pPtzCtrl = nullptr;
    }
    // Levers of a window that never got its final message.
    delete m_pFocusBar;
    delete m_pZoomBar;
    if (m_pPictureDC)
        m_pPictureDC->SelectObject(m_pOldPictureBitmap);
    if (m_pComposeDC)
        m_pComposeDC->SelectObject(m_pOldComposeBitmap);
    if (m_hDecoder)
        decompress601_close(m_hDecoder);
}

int CVideoPreviewWnd::OnCreate(LPCREATESTRUCT lpCreateStruct)
{
    if (CWnd::OnCreate(lpCreateStruct) == -1)
        return -1;
    // The zoom lever belongs to the parent, the focus lever to the preview;
    // both report here and stay hidden until the mouse comes near an edge.
    struct Lever {
        CLevelBarDlg*& bar;
        CWnd* owner;
        WORD selector;
        int zoomLabel;
    } levers[] = { { m_pZoomBar, GetParent(), 1, 1 }, { m_pFocusBar, this, 2, 0 } };
    for (Lever& lever : levers) {
        lever.bar = new CLevelBarDlg;
        if (!lever.bar->Create(CLevelBarDlg::IDD, lever.owner)) {
            delete lever.bar;
            lever.bar = nullptr;
            continue;
        }
        lever.bar->m_wSelector = lever.selector;
        lever.bar->m_pTargetWnd = this;
        lever.bar->m_bZoomLabel = lever.zoomLabel;
        lever.bar->ShowWindow(SW_HIDE);
    }
    CClientDC dc(this);
    struct Surface {
        std::unique_ptr<CDC>& dc;
        std::unique_ptr<CBitmap>& bitmap;
        CBitmap*& old;
    } surfaces[] = { { m_pPictureDC, m_pPictureBitmap, m_pOldPictureBitmap },
        { m_pComposeDC, m_pComposeBitmap, m_pOldComposeBitmap } };
    for (Surface& s : surfaces) {
        if (s.dc)
            continue;
        s.dc = std::make_unique<CDC>();
        s.bitmap = std::make_unique<CBitmap>();
        s.dc->CreateCompatibleDC(&dc);
        s.bitmap->CreateCompatibleBitmap(&dc, PREVIEW_PICTURE_WIDTH, PREVIEW_PICTURE_HEIGHT);
        s.old = s.dc->SelectObject(s.bitmap.get());
    }
    ClearScreen();
    CRect client;
    GetClientRect(&client);
    m_nMinAreaHeight = client.Height() / 7;
    m_nMinAreaWidth = client.Width() / 7;
    return 0;
}

void CVideoPreviewWnd::PostNcDestroy()
{
    for (CLevelBarDlg** bar : { &m_pFocusBar, &m_pZoomBar }) {
        if (*bar) {
            (*bar)->DestroyWindow();
            delete *bar;
            *bar = nullptr;
        }
    }
    CWnd::PostNcDestroy();
}

BOOL CVideoPreviewWnd::OnEraseBkgnd(CDC* pDC)
{
    return CWnd::OnEraseBkgnd(pDC);
}

void CVideoPreviewWnd::OnPaint()
{
    CPaintDC dc(this);
    if (m_pShownDC)
        dc.BitBlt(0, 0, PREVIEW_PICTURE_WIDTH, PREVIEW_PICTURE_HEIGHT, m_pShownDC, 0, 0, SRCCOPY);
    BlackenBesidePicture(&dc);
}

void CVideoPreviewWnd::BlackenBesidePicture(CDC* pDC)
{
    // A client area larger than the picture shows black around it.
    CRect client;
    GetClientRect(&client);
    if (client.right > PREVIEW_PICTURE_WIDTH)
        pDC->FillSolidRect(
            PREVIEW_PICTURE_WIDTH, 0, client.right - PREVIEW_PICTURE_WIDTH, client.bottom, RGB(0, 0, 0));
    if (client.bottom > PREVIEW_PICTURE_HEIGHT)
        pDC->FillSolidRect(
            0, PREVIEW_PICTURE_HEIGHT, client.right, client.bottom - PREVIEW_PICTURE_HEIGHT, RGB(0, 0, 0));
}

void CVideoPreviewWnd::OnClose()
{
    CWnd::OnClose();
}

void CVideoPreviewWnd::ShowSurface(CDC* pSurface, int width, int height)
{
    m_pShownDC = pSurface;
    if (!m_hWnd)
        return;
    CClientDC dc(this);
    dc.BitBlt(0, 0, width, height, pSurface, 0, 0, SRCCOPY);
    BlackenBesidePicture(&dc);
}

void CVideoPreviewWnd::ClearScreen()
{
    if (!m_pPictureDC)
        return;
    m_pPictureDC->FillSolidRect(0, 0, PREVIEW_PICTURE_WIDTH, PREVIEW_PICTURE_HEIGHT, RGB(0, 0, 0));
    ShowSurface(m_pPictureDC.get(), PREVIEW_PICTURE_WIDTH, PREVIEW_PICTURE_HEIGHT);
}

void CVideoPreviewWnd::PaintStatusText(LPCTSTR text)
{
    if (!text)
        return;
    const int oldMode = m_pPictureDC->SetBkMode(TRANSPARENT);
    const COLORREF oldColor = m_pPictureDC->SetTextColor(RGB(255, 255, 255));
    m_pPictureDC->TextOut(10, 10, text);
    m_pPictureDC->SetTextColor(oldColor);
    m_pPictureDC->SetBkMode(oldMode);
}

void CVideoPreviewWnd::ShowStatus(int nStatus)
{
    if (!m_pPictureDC)
        return;
    m_pPictureDC->FillSolidRect(0, 0, PREVIEW_PICTURE_WIDTH, PREVIEW_PICTURE_HEIGHT, RGB(0, 0, 0));
    PaintStatusText(nStatus == 1 ? "No Video" : nStatus == 2 ? "Disabled Channel" : nullptr);
    ShowSurface(m_pPictureDC.get(), PREVIEW_PICTURE_WIDTH, PREVIEW_PICTURE_HEIGHT);
}

void CVideoPreviewWnd::RotatePicture180(BYTE* pPixels, int nWidth, int nHeight)
{
    if (!pPixels || nWidth <= 0 || nHeight <= 0)
        return;
    const size_t stride = size_t(nWidth) * 3;
    for (int i = 0; i < nHeight / 2; ++i)
        std::swap_ranges(
            pPixels + i * stride, pPixels + (i + 1) * stride, pPixels + (nHeight - 1 - i) * stride);
    for (int row = 0; row < nHeight; ++row) {
        BYTE* line = pPixels + row * stride;
        for (int j = 0; j < nWidth / 2; ++j)
            std::swap_ranges(line + j * 3, line + j * 3 + 3, line + (nWidth - 1 - j) * 3);
    }
}

CVideoPreviewWnd::DecodeResult CVideoPreviewWnd::DecodeFrame(
    plinto::tagONLINEFRAME* pFrame, int nLastKind, int& width, int& height)
{
    if (!pFrame || !m_pPictureDC)
        return DECODE_REFUSED;
    CRect client;
    GetClientRect(&client);
    width = client.Width();
    height = client.Height();
    const int kind = pFrame->byKind;
    if (kind != nLastKind)
        m_pPictureDC->FillSolidRect(0, 0, width, height, RGB(0, 0, 0));
    const uint32_t length = pFrame->dwPayloadLength;
    // A record never holds more than its slot; anything else is not a frame.
    if (length > plinto::FRAME_PAYLOAD_ROOM)
        return DECODE_REFUSED;
    BYTE* payload = pFrame->byPayload;
    m_decodeInfo[5] = int32_t(length);
    // The decoder reads the picture kind and standard from the payload.
    payload[14] = BYTE(kind | (pFrame->nNtsc != 1 ? 8 : 0));
    payload[16] = 0;
    tagDecodeParm parm { 1, 0, 0, m_decodeInfo, payload, &m_bmpHeader, m_pOutput.get() + kOutputPixels };
    const int result = decompress601_ex(m_hDecoder, &parm);
    if (length == 0) {
        m_pPictureDC->FillSolidRect(0, 0, width, height, RGB(0, 0, 0));
        PaintStatusText("No Video");
        return DECODE_EMPTY;
    }
    if (result != 0)
        return DECODE_REFUSED;
    m_bmpHeader.biHeight = PREVIEW_PICTURE_HEIGHT;
    std::memcpy(m_pOutput.get(), &m_bmpHeader, sizeof m_bmpHeader);
    return DECODE_PICTURE;
}

void CVideoPreviewWnd::StretchPicture(int width, int height)
{
    m_pPictureDC->StretchDIBits(0, 0, width, height, 0, 0, PREVIEW_PICTURE_WIDTH, PREVIEW_PICTURE_HEIGHT,
        m_pOutput.get() + kOutputPixels, reinterpret_cast<const BITMAPINFO*>(m_pOutput.get()), DIB_RGB_COLORS,
        SRCCOPY);
}

BOOL CVideoPreviewWnd::DrawFrame(plinto::tagONLINEFRAME* pFrame)
{
    int w = 0;
    int h = 0;
    switch (DecodeFrame(pFrame, g_nLastKind, w, h)) {
    case DECODE_REFUSED:
        return FALSE;
    case DECODE_EMPTY:
        ShowSurface(m_pPictureDC.get(), w, h);
        return TRUE;
    case DECODE_PICTURE:
        break;
    }
    if (pFrame->nRotated)
        RotatePicture180(m_pOutput.get() + kOutputPixels, PREVIEW_PICTURE_WIDTH, PREVIEW_PICTURE_HEIGHT);
    if (w < PREVIEW_PICTURE_WIDTH)
        m_pPictureDC->SetStretchBltMode(HALFTONE);
    StretchPicture(w, h);
    if (m_bPtzLoggedIn) {
        // The centre of the pan and tilt field.
        CPen pen(PS_DOT, 1, RGB(180, 180, 180));
        CPen* oldPen = m_pPictureDC->SelectObject(&pen);
        m_pPictureDC->MoveTo(w / 4, h / 2);
        m_pPictureDC->LineTo(w - w / 4, h / 2);
        m_pPictureDC->MoveTo(w / 2, h / 4);
        m_pPictureDC->LineTo(w / 2, h - h / 4);
        m_pPictureDC->SelectObject(oldPen);
    }
    g_nLastKind = pFrame->byKind;
    ShowSurface(m_pPictureDC.get(), w, h);
    return TRUE;
}

BOOL CVideoPreviewWnd::DrawFrameWithArea(plinto::tagONLINEFRAME* pFrame)
{
    int w = 0;
    int h = 0;
    switch (DecodeFrame(pFrame, g_nLastKindWithArea, w, h)) {
    case DECODE_REFUSED:
        return FALSE;
    case DECODE_EMPTY:
        DrawOutline(m_pPictureDC.get(), m_rcTrack);
        break;
    case DECODE_PICTURE:
        m_bNtsc = pFrame->nNtsc == 1;
        m_bRotated = pFrame->nRotated != 0;
        if (m_bRotated)
            RotatePicture180(m_pOutput.get() + kOutputPixels, PREVIEW_PICTURE_WIDTH, PREVIEW_PICTURE_HEIGHT);
        StretchPicture(w, h);
        break;
    }
    g_nLastKindWithArea = pFrame->byKind;
    m_pComposeDC->BitBlt(
        0, 0, PREVIEW_PICTURE_WIDTH, PREVIEW_PICTURE_HEIGHT, m_pPictureDC.get(), 0, 0, SRCCOPY);
    DrawOutline(m_pComposeDC.get(), m_rcTrack);
    ShowSurface(m_pComposeDC.get(), w, h);
    return TRUE;
}

void CVideoPreviewWnd::ShowStreamFrame(
    WPARAM status, LPARAM slot, plinto::tagONLINEFRAME& copy, bool withArea)
{
    // A frame reply with a status (no video on the channel, or another
    // refusal) carries no frame.
    if (status != 0) {
        ShowStatus(1);
        return;
    }
    if (!slot)
        return;
    // The slot stays the client's and is reused once the next frame is
    // asked for: the picture is made from a copy.
    std::memcpy(&copy, reinterpret_cast<const void*>(slot), sizeof copy);
    if (withArea)
        DrawFrameWithArea(&copy);
    else
        DrawFrame(&copy);
}

LRESULT CVideoPreviewWnd::OnReceivedFrame(WPARAM wParam, LPARAM lParam)
{
    // A frame that was under way when the service stopped would paint over
    // the blanked picture.
    if (!m_bServiceRunning)
        return 0;
    ShowStreamFrame(wParam, lParam, *m_pFrame, false);
    if (m_pNetThread && m_pNetThread->m_pOnNetCtrl)
        m_pNetThread->m_pOnNetCtrl->reqNextFrame();
    return 0;
}

BOOL CVideoPreviewWnd::StartVideo(BYTE nChannel)
{
    if (!m_pNetThread) {
        m_pNetThread = StartPreviewThread();
        if (!m_pNetThread)
            return FALSE;
    }
    m_ServiceParm = MakeServiceRequest(m_hWnd, nChannel, kStreamSetting);
    m_nHttpPort = int(g_CurrentDevice.dwHttpPort);
    m_bServiceRunning = true;
    m_pNetThread->m_pOnNetCtrl->startService(m_ServiceParm, m_nHttpPort);
    SetTimer(TIMER_LEVERS, kLeverPeriod);
    return TRUE;
}

void CVideoPreviewWnd::StopVideo()
{
    KillTimer(TIMER_LEVERS);
    m_bServiceRunning = false;
    m_bPtzLoggedIn = false;
    if (m_pNetThread && m_pNetThread->m_pOnNetCtrl)
        m_pNetThread->m_pOnNetCtrl->stopService();
    if (m_pPtzCtrl) {
        m_pPtzCtrl->close_ptz();
        ShowLevers(false);
    }
    ShowStatus(0);
}

LRESULT CVideoPreviewWnd::OnError(WPARAM, LPARAM)
{
    // The picture stays as it was; the owner decides whether to stop.
    return 0;
}
