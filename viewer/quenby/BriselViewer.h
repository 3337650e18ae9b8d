// CBriselViewer: a child window that shows live video of one DVR channel.
// It logs in through Ferrock's live client, decodes each video frame on the
// client's connection thread into its picture buffer and paints it on its
// own thread; over the picture it draws the motion-area grid, which the user
// edits with the mouse and the host reads back from MdAreaGrid, and, with
// PTZ, a cross to drag the camera by and zoom and focus bars at its sides.
#pragma once

#include "platform/ui/Wnd.h"
#include "quenbyExport.h"
#include "stream/ferrock/DVrOnNetCtrl.h"
#include "stream/ferrock/PTZCtrl.h"
#include "viewer/quenby/MdGrid.h"

#include <atomic>
#include <memory>

namespace quenby
{

class CViewerPicture;
class CZoomFocusBar;
struct XvidInstances;

class QUENBY_EXPORT CBriselViewer : public CWnd
{
public:
    CBriselViewer(bool bPtz = false, bool bAltService = false);
    ~CBriselViewer() override;

    // The motion-detection cells, row-major with a row of `columns` cells.
    bool MdAreaGrid[kMdCells] = {};

    // Creates the window under the parent; the host sizes it.
    void Init(HWND hParent);
    // Logs in and starts live video of the channel (1-based); false when
    // the user name or password is missing or longer than 16 characters.
    bool Start(const char* host, short port, const char* user, const char* password, int channel);
    // Ends the video and paints black.
    bool Stop();
    void ShowMDArea(bool bShow);
    void SetMDAreaValue(const bool cells[kMdCells]);
    void SetMdBlockSize(bool bFixed, int cols, int rows, int cellWidth, int cellHeight);
    void GotoPreset(uint16_t wPreset);
    // Paints the last picture again with the overlays.
    void Redraw();
    // Draws the grid's cells onto a DC of the host's.
    void ShowMDArea(CDC* pDC);

    bool IsPtzReady() const { return m_bPtzReady; }
    // The size the last frame was decoded at.
    CSize PictureSize() const;
    const MdGrid& Grid() const { return m_grid; }
    // The bars' windows (null without PTZ).
    CWnd* ZoomBar() const;
    CWnd* FocusBar() const;

protected:
    int OnCreate(LPCREATESTRUCT lpCreateStruct);
    void OnPaint();
    void OnSize(UINT nType, int cx, int cy);
    void OnLButtonDown(UINT nFlags, CPoint point);
    void OnLButtonUp(UINT nFlags, CPoint point);
    void OnMouseMove(UINT nFlags, CPoint point);
    void OnTimer(UINT_PTR nIDEvent);
    LRESULT OnReceivedFrame(WPARAM wParam, LPARAM lParam);
    LRESULT OnError(WPARAM wParam, LPARAM lParam);
    LRESULT OnAck(WPARAM wParam, LPARAM lParam);
    LRESULT OnFZMove(WPARAM wParam, LPARAM lParam);
    LRESULT OnPtzAck(WPARAM wParam, LPARAM lParam);
    LRESULT OnPtzError(WPARAM wParam, LPARAM lParam);
    LRESULT OnPicture(WPARAM wParam, LPARAM lParam);
    void PostNcDestroy() override;
    DECLARE_MESSAGE_MAP()

private:
    static void FrameCallback(LPARAM lUserData, uint16_t wKind, void* pFrame);
    // Decodes a frame (any thread), frees it and asks for the next.
    void DisplayFrame(uint16_t wKind, void* pFrame);
    void ReqVideoFrame();
    void OpenPtz();
    void PtzClose();
    void DeleteStream();
    void PtzMove(uint16_t wOpcode, uint16_t wSelector, uint8_t first, uint8_t second);
    void PanTiltFrom(CPoint point);
    void AdjustPtzBar();
    void ShowMDArea();
    // The cells: set ones hatched in red, the others framed in grey.
    void DrawCells(CDC* pDC, int nHatch);
    void DrawCross();
    void CopyToWindow();
    void MakeMemoryPicture(int width, int height);
    CSize ClientSize() const;
    bool InBarStrip(CPoint point) const;
    CPoint CursorInClient() const;

    // What Start was given, for the PTZ link of this viewer.
    struct StartValues {
        char host[16] = {};
        short port = 0;
        char user[17] = {};
        char password[17] = {};
        int channel = 0;
    } m_start;

    MdGrid m_grid;
    bool m_bShowGrid = false;
    bool m_bGridDrag = false;
    CPoint m_ptDragStart;
    CPoint m_ptDragCurrent;

    bool m_bPtz;
    bool m_bAltService;
    std::atomic<ferrock::CDVrOnNetCtrl*> m_pStream { nullptr };
    std::unique_ptr<ferrock::CPTZCtrl> m_pPtz;
    bool m_bPtzReady = false;
    std::atomic<bool> m_bPtzPossible { false };
    std::atomic<bool> m_bPicturePosted { false };
    bool m_bPtzDragging = false;
    int m_nPan = 64;
    int m_nTilt = 64;
    std::unique_ptr<CZoomFocusBar> m_pZoomBar;
    std::unique_ptr<CZoomFocusBar> m_pFocusBar;

    std::unique_ptr<CDC> m_pMemDC;
    std::unique_ptr<CBitmap> m_pMemBitmap;
    CBitmap* m_pOldBitmap = nullptr;
    CSize m_memSize;
    std::unique_ptr<CViewerPicture> m_pPicture;
    std::unique_ptr<XvidInstances> m_pXvid;
};

} // namespace quenby
