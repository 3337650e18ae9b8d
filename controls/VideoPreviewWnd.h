// CVideoPreviewWnd: the 360 x 243 live preview of a camera. It pulls frames
// one at a time through a Plinto network thread of its own (or is handed
// frames by an owner that runs the thread), decodes each on the user
// interface thread into its picture surface and stretches it over its client
// area. On the PTZ page it steers the camera: pressing in the picture pans
// and tilts, two side levers drive zoom and focus. Quality-box owners let the
// user drag an area rectangle over the picture.
#pragma once

#include "platform/decoder/Decompress601.h"
#include "platform/ui/Wnd.h"
#include "stream/plinto/PlintoTypes.h"

#include <memory>

class CLevelBarDlg;
namespace plinto
{
class CNetThread;
class CPTZCtrl;
} // namespace plinto

// The picture every frame is decoded to.
constexpr int PREVIEW_PICTURE_WIDTH = 360;
constexpr int PREVIEW_PICTURE_HEIGHT = 243;

class CVideoPreviewWnd : public CWnd
{
public:
    // Hit codes of a point against the area rectangle.
    enum AreaHit {
        HIT_INSIDE = 1,
        HIT_TOP_LEFT = 2,
        HIT_TOP_RIGHT = 3,
        HIT_BOTTOM_LEFT = 4,
        HIT_BOTTOM_RIGHT = 5,
        HIT_OUTSIDE = 6,
        HIT_TOP = 7,
        HIT_BOTTOM = 8,
        HIT_LEFT = 9,
        HIT_RIGHT = 16,
    };
    static constexpr UINT_PTR TIMER_LEVERS = 4133; // hides the levers
    static constexpr UINT_PTR TIMER_PTZ_CONTINUE = 4134; // repeats a pan/tilt move

    CVideoPreviewWnd();
    ~CVideoPreviewWnd() override;

    // Starts the live service of a channel of the current device through the
    // window's own network thread; frames then arrive as WM_STREAM_FRAME.
    // False when the thread did not come up.
    BOOL StartVideo(BYTE nChannel);
    // Stops the service, closes the PTZ link and blanks the picture; the
    // thread stays for the next StartVideo.
    void StopVideo();
    // Decode one frame record and paint it; false when the decoder refused
    // it (nothing changes on screen). The record's payload is patched.
    BOOL DrawFrame(plinto::tagONLINEFRAME* pFrame);
    // The same, with the area rectangle drawn over the picture.
    BOOL DrawFrameWithArea(plinto::tagONLINEFRAME* pFrame);
    // One WM_STREAM_FRAME: a frame (status 0) is copied out of the client's
    // slot into `copy` and drawn; a status shows "No Video". The caller asks
    // for the next frame afterwards.
    void ShowStreamFrame(WPARAM status, LPARAM slot, plinto::tagONLINEFRAME& copy, bool withArea);
    void ClearScreen();
    // 0: black; 1: "No Video"; 2: "Disabled Channel".
    void ShowStatus(int nStatus);
    void EnablePtz(BOOL bEnable) { m_bPtzEnabled = bEnable != FALSE; }
    void GotoPreset(int nPreset);
    void SetPreset(int nPreset);
    void ClearPreset(int nPreset);
    // Places the levers at the window's left and right edges.
    void RepositionPtzBars();

    static AreaHit HitTestArea(const RECT& area, CPoint point);
    // A rectangle turned by 180 degrees within the picture.
    static RECT RotateArea180(const RECT& rect);
    // Rotates a 24-bit picture by 180 degrees in place.
    static void RotatePicture180(BYTE* pPixels, int nWidth, int nHeight);
    // The PTZ value 0..127 of a coordinate over a length.
    static int PointerValue(int v, int length);

    // The area in picture coordinates; owners write and read them.
    RECT m_rcArea {};
    RECT m_rcTrack {};
    // Set by an owner after writing device coordinates into the rectangles.
    bool m_bAdjustArea = false;
    // Mouse and keys leave the area alone.
    bool m_bAreaLocked = true;
    // Of the last frame DrawFrameWithArea drew.
    bool m_bRotated = false;
    bool m_bNtsc = false;

    // Read by owners.
    CLevelBarDlg* GetZoomBar() const { return m_pZoomBar; }
    CLevelBarDlg* GetFocusBar() const { return m_pFocusBar; }
    bool IsPtzLoggedIn() const { return m_bPtzLoggedIn; }
    bool IsStreaming() const { return m_pNetThread != nullptr; }

protected:
    int OnCreate(LPCREATESTRUCT lpCreateStruct);
    BOOL OnEraseBkgnd(CDC* pDC);
    void OnPaint();
    void OnLButtonDown(UINT nFlags, CPoint point);
    void OnLButtonUp(UINT nFlags, CPoint point);
    void OnMouseMove(UINT nFlags, CPoint point);
    void OnKeyDown(UINT nChar, UINT nRepCnt, UINT nFlags);
    void OnMove(int x, int y);
    void OnClose();
    void OnTimer(UINT_PTR nIDEvent);
    LRESULT OnPtzError(WPARAM wParam, LPARAM lParam);
    LRESULT OnPtzAck(WPARAM wParam, LPARAM lParam);
    LRESULT OnFZMove(WPARAM wParam, LPARAM lParam);
    LRESULT OnError(WPARAM wParam, LPARAM lParam);
    LRESULT OnAck(WPARAM wParam, LPARAM lParam);
    LRESULT OnReceivedFrame(WPARAM wParam, LPARAM lParam);
    void PostNcDestroy() override;
    DECLARE_MESSAGE_MAP()

private:
    // Decoding and painting (VideoPreviewWnd.cpp).
    enum DecodeResult { DECODE_REFUSED, DECODE_EMPTY, DECODE_PICTURE };
    // Decodes into the output buffer (clearing the picture on a change of
    // kind; "No Video" on it for an empty payload) and gives the client
    // size; a picture is left upside down as it came.
    DecodeResult DecodeFrame(plinto::tagONLINEFRAME* pFrame, int nLastKind, int& width, int& height);
    void StretchPicture(int width, int height);
    void PaintStatusText(LPCTSTR text);
    void ShowSurface(CDC* pSurface, int width, int height);
    void BlackenBesidePicture(CDC* pDC);
    // Area editing (VideoPreviewArea.cpp).
    void AreaButtonDown(CPoint point);
    void AreaDrag(CPoint point);
    void AreaButtonUp(CPoint point);
    void AreaHover(CPoint point);
    void AreaKey(UINT nChar, UINT nRepCnt);
    void MoveTrack(CPoint point);
    void ResizeTrack(CPoint point);
    // Copies the picture to the composition surface, outlines a rectangle
    // there and shows it.
    void RedrawArea(const RECT& rect);
    void DrawOutline(CDC* pDC, const RECT& rect);
    // PTZ (VideoPreviewPtz.cpp).
    void PtzButtonDown(CPoint point);
    void PtzButtonUp();
    void PtzMouseMove(CPoint point);
    void TakePointer(CPoint point);
    bool InLeverStrip(CPoint point) const;
    bool LeverPressed() const;
    void SendMove(WORD opcode, WORD selector, BYTE first, BYTE second);
    void ShowLevers(bool show);

    int m_bMoved = 0;
    CPoint m_ptLast;
    CPoint m_ptAnchor;
    int m_nHit = HIT_OUTSIDE;
    std::unique_ptr<CDC> m_pPictureDC;
    std::unique_ptr<CBitmap> m_pPictureBitmap;
    CBitmap* m_pOldPictureBitmap = nullptr;
    std::unique_ptr<CDC> m_pComposeDC;
    std::unique_ptr<CBitmap> m_pComposeBitmap;
    CBitmap* m_pOldComposeBitmap = nullptr;
    // The surface the window last showed, which a repaint shows again.
    CDC* m_pShownDC = nullptr;
    int32_t m_decodeInfo[10] {};
    BITMAPINFOHEADER m_bmpHeader {};
    // The decoder's output: a BITMAPINFO head, the pixels from byte 48.
    std::unique_ptr<BYTE[]> m_pOutput;
    HDECOMPRESS601 m_hDecoder = nullptr;
    int m_nMinAreaHeight = 0;
    int m_nMinAreaWidth = 0;
    bool m_bButtonDown = false;
    RECT m_rcSaved {};
    plinto::tagReqServiceParm m_ServiceParm {};
    // The port the service and the PTZ link go to.
    int m_nHttpPort = 0;
    int m_bPtzMoving = 0;
    bool m_bPtzReady = false;
    int m_nPtzX = 64;
    int m_nPtzY = 64;
    plinto::CPTZCtrl* m_pPtzCtrl = nullptr;
    CLevelBarDlg* m_pFocusBar = nullptr;
    CLevelBarDlg* m_pZoomBar = nullptr;
    plinto::CNetThread* m_pNetThread = nullptr;
    std::unique_ptr<plinto::tagONLINEFRAME> m_pFrame;
    bool m_bPtzLoggedIn = false;
    bool m_bPtzEnabled = false;
    // Between StartVideo and StopVideo: frames of the window's own stream are shown.
    bool m_bServiceRunning = false;
};
