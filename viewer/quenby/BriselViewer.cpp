#include "viewer/quenby/BriselViewer.h"

#include "link/ByteOrder.h"
#include "link/WindowMessages.h"
#include "viewer/quenby/ViewerPicture.h"
#include "viewer/quenby/XvidInstances.h"
#include "viewer/quenby/ZoomFocusBar.h"

#include <cmath>
#include <cstring>

namespace quenby
{

namespace
{

constexpr UINT_PTR kBarTimer = 293; // hides the bars once the mouse left them
constexpr UINT_PTR kPtzRepeatTimer = 294; // repeats the move while the button is held
constexpr UINT kPtzTimerMs = 300;
constexpr int kPictureWidth = 360;
constexpr int kPictureHeight = 243;
constexpr COLORREF kCrossColour = RGB(0xB4, 0xB4, 0xB4);
constexpr COLORREF kGridColour = RGB(0xB2, 0xB2, 0xB2);
constexpr COLORREF kRed = RGB(0xFF, 0, 0);
// The bars stand 10 pixels in from each side, 20 wide.
constexpr int kBarInset = 10;
constexpr int kBarWidth = 20;

int Level127(int at, int extent)
{
    if (at < 0)
        return 0;
    if (at > extent)
        return 127;
    return extent > 0 ? int(std::lround(127.0 / extent * at)) : 0;
}

} // namespace

BEGIN_MESSAGE_MAP(CBriselViewer, CWnd)
ON_WM_CREATE()
ON_WM_PAINT()
ON_WM_SIZE()
ON_WM_LBUTTONDOWN()
ON_WM_LBUTTONUP()
ON_WM_MOUSEMOVE()
ON_WM_TIMER()
ON_MESSAGE(WM_STREAM_FRAME, OnReceivedFrame)
ON_MESSAGE(WM_STREAM_ERROR, OnError)
ON_MESSAGE(WM_DVR_ACK, OnAck)
ON_MESSAGE(WM_PTZ_MOVE, OnFZMove)
ON_MESSAGE(WM_PTZ_ACK, OnPtzAck)
ON_MESSAGE(WM_PTZ_ERROR, OnPtzError)
ON_MESSAGE(WM_VIEWER_PICTURE, OnPicture)
END_MESSAGE_MAP()

CBriselViewer::CBriselViewer(bool bPtz, bool bAltService)
    : m_bPtz(bPtz)
    , m_bAltService(bAltService)
    , m_pPicture(std::make_unique<CViewerPicture>())
    , m_pXvid(std::make_unique<XvidInstances>())
{
}

CBriselViewer::~CBriselViewer()
{
    DeleteStream();
    PtzClose();
    if (m_pMemDC && m_pOldBitmap)
        m_pMemDC->SelectObject(m_pOldBitmap);
    if (m_hWnd)
        DestroyWindow();
}

void CBriselViewer::Init(HWND hParent)
{
    CreateEx(0, nullptr, "XViewer", WS_CHILD | WS_VISIBLE, 0, 0, 0, 0, hParent, nullptr);
}

int CBriselViewer::OnCreate(LPCREATESTRUCT lpCreateStruct)
{
    if (CWnd::OnCreate(lpCreateStruct) == -1)
        return -1;
    MakeMemoryPicture(kPictureWidth, kPictureHeight);
    if (m_bPtz) {
        m_pZoomBar = std::make_unique<CZoomFocusBar>();
        m_pZoomBar->CreateBar(GetParent());
        m_pZoomBar->m_bLabelZ = 1;
        m_pZoomBar->m_wSelector = 1;
        m_pZoomBar->m_pTarget = this;
        m_pFocusBar = std::make_unique<CZoomFocusBar>();
        m_pFocusBar->CreateBar(this);
        m_pFocusBar->m_bLabelZ = 0;
        m_pFocusBar->m_wSelector = 2;
        m_pFocusBar->m_pTarget = this;
    }
    return 0;
}

void CBriselViewer::PostNcDestroy()
{
    m_pZoomBar.reset();
    m_pFocusBar.reset();
    PtzClose();
    CWnd::PostNcDestroy();
}

void CBriselViewer::MakeMemoryPicture(int width, int height)
{
    if (width <= 0 || height <= 0 || (m_pMemDC && m_memSize == CSize(width, height)))
        return;
    CClientDC dc(this);
    auto memDC = std::make_unique<CDC>();
    auto bitmap = std::make_unique<CBitmap>();
    if (!memDC->CreateCompatibleDC(&dc) || !bitmap->CreateCompatibleBitmap(&dc, width, height))
        return;
    if (m_pMemDC && m_pOldBitmap)
        m_pMemDC->SelectObject(m_pOldBitmap);
    m_pOldBitmap = memDC->SelectObject(bitmap.get());
    memDC->SetStretchBltMode(HALFTONE);
    memDC->FillSolidRect(0, 0, width, height, RGB(0, 0, 0));
    m_pMemDC = std::move(memDC);
    m_pMemBitmap = std::move(bitmap);
    m_memSize = CSize(width, height);
}

CSize CBriselViewer::ClientSize() const
{
    CRect rc;
    GetClientRect(&rc);
    return CSize(rc.Width(), rc.Height());
}

void CBriselViewer::OnSize(UINT, int cx, int cy)
{
    MakeMemoryPicture(std::max(cx, kPictureWidth), std::max(cy, kPictureHeight));
    Redraw();
}

bool CBriselViewer::Start(const char* host, short port, const char* user, const char* password, int channel)
{
    if (!user || !password || std::strlen(user) > 16 || std::strlen(password) > 16)
        return false;
    CopyFixedText(m_start.host, sizeof m_start.host, host ? host : "", sizeof m_start.host);
    m_start.port = port;
    std::strcpy(m_start.user, user);
    std::strcpy(m_start.password, password);
    m_start.channel = channel;
    DeleteStream();
    ferrock::tagMsgHandlerInfo info;
    info.hWnd = m_hWnd;
    info.pfnCallback = FrameCallback;
    info.lUserData = reinterpret_cast<LPARAM>(this);
    auto* stream = new ferrock::CDVrOnNetCtrl(info);
    m_pStream = stream;
    ferrock::UserInfoParm credentials {};
    ferrock::CopyCredentialField(credentials.user, user);
    ferrock::CopyCredentialField(credentials.password, password);
    return stream->Login(&credentials, m_start.host, static_cast<uint16_t>(port));
}

CWnd* CBriselViewer::ZoomBar() const
{
    return m_pZoomBar.get();
}

CWnd* CBriselViewer::FocusBar() const
{
    return m_pFocusBar.get();
}

CSize CBriselViewer::PictureSize() const
{
    return m_pPicture->DecodeSize();
}

void CBriselViewer::DeleteStream()
{
    // Deleting the client ends its connection thread, so no frame reaches
    // this viewer afterwards.
    ferrock::CDVrOnNetCtrl* stream = m_pStream.load();
    if (!stream)
        return;
    stream->Logout();
    delete stream;
    m_pStream = nullptr;
}

bool CBriselViewer::Stop()
{
    DeleteStream();
    if (m_bPtz)
        PtzClose();
    m_pPicture->Clear();
    if (m_pMemDC)
        m_pMemDC->FillSolidRect(0, 0, m_memSize.cx, m_memSize.cy, RGB(0, 0, 0));
    if (m_hWnd) {
        CClientDC dc(this);
        dc.FillSolidRect(0, 0, std::max<int>(kPictureWidth, ClientSize().cx),
            std::max<int>(kPictureHeight, ClientSize().cy), RGB(0, 0, 0));
    }
    return true;
}

void CBriselViewer::ReqVideoFrame()
{
    ferrock::CDVrOnNetCtrl* stream = m_pStream.load();
    if (!stream)
        return;
    ferrock::tagServiceParm parm { 2, 2, 1, 0, 0x08000000, 0x08000000 };
    const uint16_t kind = m_bAltService ? ferrock::kServiceAlternative : ferrock::kServiceLive;
    ferrock::tagServiceEntry entry { static_cast<uint16_t>(kind << 8 | (m_start.channel & 0xFF)), 0, &parm };
    ferrock::tagReqServiceParm request { 0, 1, &entry };
    stream->AddService(&request);
}

LRESULT CBriselViewer::OnAck(WPARAM wParam, LPARAM)
{
    if (wParam == 0x2116)
        ReqVideoFrame();
    else if (wParam == 0x2113 && m_bPtz && !m_bPtzReady)
        OpenPtz();
    return 0;
}

LRESULT CBriselViewer::OnError(WPARAM, LPARAM)
{
    // The picture simply stops.
    return 0;
}

void CBriselViewer::OpenPtz()
{
    PtzClose();
    m_pPtz = std::make_unique<ferrock::CPTZCtrl>();
    m_pPtz->m_hMsgHandler = m_hWnd;
    SetTimer(kBarTimer, kPtzTimerMs);
    m_pPtz->open_ptz(
        m_start.channel, m_start.user, m_start.password, m_start.host, static_cast<uint16_t>(m_start.port));
}

void CBriselViewer::PtzClose()
{
    if (m_pPtz) {
        m_pPtz->close_ptz();
        m_pPtz.reset();
    }
    m_bPtzReady = false;
    m_bPtzPossible = false;
    if (m_hWnd) {
        KillTimer(kBarTimer);
        KillTimer(kPtzRepeatTimer);
    }
}

void CBriselViewer::GotoPreset(uint16_t wPreset)
{
    if (m_pPtz)
        m_pPtz->goto_preset(wPreset);
}

LRESULT CBriselViewer::OnPtzAck(WPARAM, LPARAM)
{
    m_bPtzReady = true;
    return 0;
}

LRESULT CBriselViewer::OnPtzError(WPARAM, LPARAM)
{
    m_bPtzReady = false;
    m_bPtzPossible = false;
    if (GetCapture() == this)
        ReleaseCapture();
    return 0;
}

void CBriselViewer::FrameCallback(LPARAM lUserData, uint16_t wKind, void* pFrame)
{
    reinterpret_cast<CBriselViewer*>(lUserData)->DisplayFrame(wKind, pFrame);
}

LRESULT CBriselViewer::OnReceivedFrame(WPARAM wParam, LPARAM lParam)
{
    DisplayFrame(static_cast<uint16_t>(wParam), reinterpret_cast<void*>(lParam));
    return 0;
}

void CBriselViewer::DisplayFrame(uint16_t wKind, void* pFrame)
{
    // Only video is a picture; audio, text and log frames are dropped.
    if (pFrame && (wKind == ferrock::kFrameVideo || wKind == ferrock::kFrameVideoLast)) {
        const auto* frame = static_cast<const ferrock::tagVIDEOFRAME*>(pFrame);
        if (m_pPicture->Decode(*frame) == CViewerPicture::Result::Shown) {
            m_bPtzPossible = frame->bFlagBit22 && frame->bFlagBit23;
            // Painting belongs to the window's thread; one request to paint
            // waits at a time, and it paints the newest picture.
            if (!m_bPicturePosted.exchange(true))
                ::PostMessage(m_hWnd, WM_VIEWER_PICTURE, 0, 0);
        }
    }
    ferrock::FreeStreamFrame(wKind, pFrame);
    if (ferrock::CDVrOnNetCtrl* stream = m_pStream.load())
        stream->ReqNextFrame();
}

LRESULT CBriselViewer::OnPicture(WPARAM, LPARAM)
{
    m_bPicturePosted = false;
    Redraw();
    return 0;
}

void CBriselViewer::OnPaint()
{
    CPaintDC dc(this);
    Redraw();
}

void CBriselViewer::Redraw()
{
    if (!m_pMemDC || !m_hWnd)
        return;
    const CSize client = ClientSize();
    const int width = client.cx > 0 ? client.cx : kPictureWidth;
    const int height = client.cy > 0 ? client.cy : kPictureHeight;
    m_pPicture->Paint(m_pMemDC.get(), width, height);
    DrawCross();
    ShowMDArea();
    CopyToWindow();
    if (m_bPtzReady)
        AdjustPtzBar();
}

void CBriselViewer::CopyToWindow()
{
    CClientDC dc(this);
    const CSize client = ClientSize();
    dc.BitBlt(0, 0, client.cx, client.cy, m_pMemDC.get(), 0, 0, SRCCOPY);
}

CPoint CBriselViewer::CursorInClient() const
{
    CPoint at;
    GetCursorPos(&at);
    ScreenToClient(&at);
    return at;
}

void CBriselViewer::DrawCross()
{
    const CSize client = ClientSize();
    const CPoint at = CursorInClient();
    const bool inside = at.x >= 0 && at.y >= 0 && at.x < client.cx && at.y < client.cy;
    if (!m_bPtzReady || !inside)
        return;
    const int w = client.cx, h = client.cy;
    CPen pen(PS_DOT, 1, kCrossColour);
    CPen* old = m_pMemDC->SelectObject(&pen);
    m_pMemDC->MoveTo(w / 4, h / 2);
    m_pMemDC->LineTo(w - w / 4, h / 2);
    m_pMemDC->MoveTo(w / 2, h / 4);
    m_pMemDC->LineTo(w / 2, h - h / 4);
    m_pMemDC->SelectObject(old);
}

void CBriselViewer::DrawCells(CDC* pDC, int nHatch)
{
    const CSize client = ClientSize();
    const CSize cell = m_grid.CellSize(client.cx, client.cy);
    CPen grey(PS_SOLID, 1, kGridColour);
    CBrush hatch;
    hatch.CreateHatchBrush(nHatch, kRed);
    CBrush frame(kGridColour);
    CPen* oldPen = pDC->SelectObject(&grey);
    CBrush* oldBrush = pDC->SelectObject(&hatch);
    // The picture shows between the hatch lines.
    const int oldMode = pDC->SetBkMode(TRANSPARENT);
    for (int i = 0; i < m_grid.columns * m_grid.rows; ++i) {
        const CRect rc = m_grid.CellRect(i, cell);
        if (MdAreaGrid[i])
            pDC->Rectangle(&rc);
        else
            pDC->FrameRect(&rc, &frame);
    }
    pDC->SetBkMode(oldMode);
    pDC->SelectObject(oldBrush);
    pDC->SelectObject(oldPen);
}

void CBriselViewer::ShowMDArea()
{
    if (!m_bShowGrid || !m_pMemDC)
        return;
    DrawCells(m_pMemDC.get(), HS_DIAGCROSS);
    if (!m_bGridDrag)
        return;
    const CSize client = ClientSize();
    const CSize cell = m_grid.CellSize(client.cx, client.cy);
    int first = 0, last = 0;
    m_grid.Selection(m_ptDragStart, m_ptDragCurrent, cell, &first, &last);
    CPen red(PS_SOLID, 1, kRed);
    CPen* oldPen = m_pMemDC->SelectObject(&red);
    CGdiObject* oldBrush = m_pMemDC->SelectStockObject(NULL_BRUSH);
    const CRect rc = m_grid.SelectionRect(first, last, cell);
    m_pMemDC->Rectangle(&rc);
    m_pMemDC->SelectObject(oldPen);
    m_pMemDC->SelectObject(static_cast<CBrush*>(oldBrush));
}

void CBriselViewer::ShowMDArea(CDC* pDC)
{
    if (pDC)
        DrawCells(pDC, HS_BDIAGONAL);
}

void CBriselViewer::ShowMDArea(bool bShow)
{
    m_bShowGrid = bShow;
    m_bGridDrag = false;
    Redraw();
}

void CBriselViewer::SetMDAreaValue(const bool cells[kMdCells])
{
    if (!cells)
        return;
    std::memcpy(MdAreaGrid, cells, sizeof MdAreaGrid);
    Redraw();
}

void CBriselViewer::SetMdBlockSize(bool bFixed, int cols, int rows, int cellWidth, int cellHeight)
{
    m_grid.SetBlockSize(bFixed, cols, rows, cellWidth, cellHeight);
}

void CBriselViewer::PtzMove(uint16_t wOpcode, uint16_t wSelector, uint8_t first, uint8_t second)
{
    if (!m_pPtz)
        return;
    ferrock::req_eptz_act_move_t req { wOpcode, 0, 4, 0, wSelector, first, second };
    m_pPtz->move(&req);
}

void CBriselViewer::PanTiltFrom(CPoint point)
{
    const CSize client = ClientSize();
    m_nPan = Level127(point.x, client.cx);
    m_nTilt = 127 - Level127(point.y, client.cy);
}

void CBriselViewer::OnLButtonDown(UINT, CPoint point)
{
    if (m_bPtzReady) {
        SetCapture();
        PanTiltFrom(point);
        if (m_bPtzPossible) {
            PtzMove(ferrock::kPtzMoveStart, 0, uint8_t(m_nPan), uint8_t(m_nTilt));
            SetTimer(kPtzRepeatTimer, kPtzTimerMs);
            m_bPtzDragging = true;
        }
        return;
    }
    if (!m_bShowGrid)
        return;
    m_ptDragStart = m_ptDragCurrent = point;
    m_bGridDrag = true;
    Redraw();
}

void CBriselViewer::OnMouseMove(UINT nFlags, CPoint point)
{
    if (m_bPtzReady) {
        if (InBarStrip(point) && m_pZoomBar && m_pFocusBar) {
            AdjustPtzBar();
            m_pZoomBar->ShowWindow(SW_SHOWNOACTIVATE);
            m_pFocusBar->ShowWindow(SW_SHOWNOACTIVATE);
        }
        if (m_bPtzDragging)
            PanTiltFrom(point);
        return;
    }
    if (!m_bShowGrid)
        return;
    if (nFlags == MK_LBUTTON && m_bGridDrag) {
        m_ptDragCurrent = point;
        m_ptDragCurrent.y = std::min<int>(point.y, ClientSize().cy - 5);
        Redraw();
    } else if (nFlags != MK_LBUTTON) {
        m_bGridDrag = false;
    }
}

void CBriselViewer::OnLButtonUp(UINT, CPoint point)
{
    if (m_bPtzReady) {
        if (GetCapture() == this)
            ReleaseCapture();
        KillTimer(kPtzRepeatTimer);
        if (m_bPtzPossible && m_bPtzDragging) {
            PtzMove(ferrock::kPtzMoveStop, 0, 64, 64);
            m_bPtzPossible = false;
        }
        m_bPtzDragging = false;
        return;
    }
    if (!m_bShowGrid)
        return;
    const CSize client = ClientSize();
    const CSize cell = m_grid.CellSize(client.cx, client.cy);
    if (m_bGridDrag) {
        int first = 0, last = 0;
        m_grid.Selection(m_ptDragStart, m_ptDragCurrent, cell, &first, &last);
        m_grid.Toggle(MdAreaGrid, first, last);
    } else {
        const int index = m_grid.CellAt(point, cell);
        if (index >= 0 && index < kMdCells)
            MdAreaGrid[index] = !MdAreaGrid[index];
    }
    m_bGridDrag = false;
    Redraw();
}

void CBriselViewer::OnTimer(UINT_PTR nIDEvent)
{
    if (nIDEvent == kPtzRepeatTimer) {
        if (m_bPtzPossible && m_bPtzDragging && m_bPtzReady)
            PtzMove(ferrock::kPtzMoveContinue, 0, uint8_t(m_nPan), uint8_t(m_nTilt));
        return;
    }
    if (nIDEvent == kBarTimer && m_pZoomBar && m_pFocusBar) {
        if (!InBarStrip(CursorInClient()) && !m_pZoomBar->m_bPressed && !m_pFocusBar->m_bPressed) {
            m_pZoomBar->ShowWindow(SW_HIDE);
            m_pFocusBar->ShowWindow(SW_HIDE);
        }
    }
}

bool CBriselViewer::InBarStrip(CPoint point) const
{
    const int width = ClientSize().cx;
    return (point.x >= kBarInset && point.x <= kBarInset + kBarWidth)
        || (point.x >= width - kBarInset - kBarWidth && point.x <= width - kBarInset);
}

void CBriselViewer::AdjustPtzBar()
{
    if (!m_pZoomBar || !m_pFocusBar)
        return;
    CRect rc;
    GetWindowRect(&rc);
    const int height = rc.Height() - 2 * kBarInset;
    m_pZoomBar->MoveWindow(rc.left + kBarInset, rc.top + kBarInset, kBarWidth, height);
    m_pFocusBar->MoveWindow(rc.right - kBarInset - kBarWidth, rc.top + kBarInset, kBarWidth, height);
    m_pZoomBar->Invalidate();
    m_pFocusBar->Invalidate();
}

LRESULT CBriselViewer::OnFZMove(WPARAM wParam, LPARAM lParam)
{
    if (!m_pPtz)
        return 0;
    const uint8_t first = static_cast<uint8_t>(127 - (lParam & 0xFF));
    const uint8_t second = static_cast<uint8_t>((lParam >> 16) & 0xFF);
    PtzMove(LOWORD(wParam), HIWORD(wParam), first, second);
    return 0;
}

} // namespace quenby
