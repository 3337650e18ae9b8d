// The PTZ side of the live preview: pressing in the picture pans and tilts
// the camera, the two side levers zoom and focus it, and presets go to its
// PTZ client. Every move goes out on the user interface thread. The mouse
// and key handlers, which feed both this and the area editing, are here too.
#include "controls/VideoPreviewWnd.h"

#include "controls/LevelBarDlg.h"
#include "link/WindowMessages.h"
#include "stream/plinto/PTZCtrl.h"

#include <cstring>

namespace
{

// The PTZ login's reply id.
constexpr WPARAM kPtzLogin = 0x2110;
// The centre of the pan and tilt field: no movement.
constexpr BYTE kCentre = 64;
// The strips at the left and right edges that bring the levers up.
constexpr int kStripNear = 10;
constexpr int kStripFar = 30;

// A zero-padded text field as a terminated string.
template <size_t N> std::string FieldText(const char (&field)[N])
{
    return std::string(field, strnlen(field, N));
}

} // namespace

int CVideoPreviewWnd::PointerValue(int v, int length)
{
    if (v < 0)
        return 0;
    if (v > length)
        return 127;
    if (length <= 0)
        return kCentre;
    return int(127.0 / length * v + 0.5);
}

void CVideoPreviewWnd::SendMove(WORD opcode, WORD selector, BYTE first, BYTE second)
{
    m_bPtzReady = false;
    if (!m_pPtzCtrl)
        return;
    plinto::req_eptz_act_move_t move {};
    move.wOpcode = opcode;
    move.nParm = 4;
    move.wSelector = selector;
    move.byValue1 = first;
    move.byValue2 = second;
    m_pPtzCtrl->move(&move);
}

void CVideoPreviewWnd::GotoPreset(int nPreset)
{
    if (m_pPtzCtrl)
        m_pPtzCtrl->goto_preset(WORD(nPreset));
}

void CVideoPreviewWnd::SetPreset(int nPreset)
{
    if (m_pPtzCtrl)
        m_pPtzCtrl->set_preset(nPreset);
}

void CVideoPreviewWnd::ClearPreset(int nPreset)
{
    if (m_pPtzCtrl)
        m_pPtzCtrl->clear_preset(nPreset);
}

LRESULT CVideoPreviewWnd::OnAck(WPARAM, LPARAM)
{
    if (!m_bPtzEnabled || m_bPtzLoggedIn)
        return 0;
    if (!m_pPtzCtrl)
        m_pPtzCtrl = new plinto::CPTZCtrl;
    m_pPtzCtrl->m_hMsgHandler = m_hWnd;
    std::string user = FieldText(m_ServiceParm.szUserName);
    std::string password = FieldText(m_ServiceParm.szPassword);
    std::string host = FieldText(m_ServiceParm.szIpAddr);
    m_pPtzCtrl->open_ptz(m_ServiceParm.byChannel, user.data(), password.data(), host.data(), m_nHttpPort);
    return 0;
}

LRESULT CVideoPreviewWnd::OnPtzAck(WPARAM wParam, LPARAM)
{
    m_bPtzReady = true;
    if (wParam == kPtzLogin)
        m_bPtzLoggedIn = true;
    return 0;
}

LRESULT CVideoPreviewWnd::OnPtzError(WPARAM wParam, LPARAM)
{
    // A refused login turns PTZ off until the owner enables it again.
    if (wParam == kPtzLogin) {
        m_bPtzLoggedIn = false;
        m_bPtzEnabled = false;
    }
    return 0;
}

LRESULT CVideoPreviewWnd::OnFZMove(WPARAM wParam, LPARAM lParam)
{
    // Lever moves do not wait for the last move's acknowledgement.
    SendMove(LOWORD(wParam), HIWORD(wParam), BYTE(127 - (lParam & 0xFF)), BYTE(lParam >> 16));
    return 0;
}

void CVideoPreviewWnd::TakePointer(CPoint point)
{
    CRect client;
    GetClientRect(&client);
    m_nPtzX = PointerValue(point.x, client.Width());
    m_nPtzY = 127 - PointerValue(point.y, client.Height());
}

void CVideoPreviewWnd::PtzButtonDown(CPoint point)
{
    SetCapture();
    TakePointer(point);
    if (m_bPtzReady)
        SendMove(plinto::PTZ_MOVE_START, 0, BYTE(m_nPtzX), BYTE(m_nPtzY));
    // A start that waits for the last acknowledgement goes out as the
    // first repeat; the release always stops.
    SetTimer(TIMER_PTZ_CONTINUE, 200);
    m_bPtzMoving = 1;
}

void CVideoPreviewWnd::PtzButtonUp()
{
    ::ReleaseCapture();
    KillTimer(TIMER_PTZ_CONTINUE);
    if (m_bPtzMoving)
        SendMove(plinto::PTZ_MOVE_STOP, 0, kCentre, kCentre);
    m_bPtzMoving = 0;
}

bool CVideoPreviewWnd::InLeverStrip(CPoint point) const
{
    CRect client;
    GetClientRect(&client);
    if (point.y < 0 || point.y >= client.Height())
        return false;
    return (kStripNear <= point.x && point.x < kStripFar)
        || (client.Width() - kStripFar <= point.x && point.x < client.Width() - kStripNear);
}

void CVideoPreviewWnd::ShowLevers(bool show)
{
    for (CLevelBarDlg* bar : { m_pZoomBar, m_pFocusBar }) {
        if (bar && bar->m_hWnd && (bar->IsWindowVisible() != FALSE) != show)
            bar->ShowWindow(show ? SW_SHOWNA : SW_HIDE);
    }
}

void CVideoPreviewWnd::PtzMouseMove(CPoint point)
{
    TakePointer(point);
    if (!m_bPtzMoving)
        ShowLevers(InLeverStrip(point));
}

bool CVideoPreviewWnd::LeverPressed() const
{
    return (m_pZoomBar && m_pZoomBar->m_bPressed) || (m_pFocusBar && m_pFocusBar->m_bPressed);
}

void CVideoPreviewWnd::OnTimer(UINT_PTR nIDEvent)
{
    if (nIDEvent == TIMER_LEVERS) {
        POINT cursor {};
        ::GetCursorPos(&cursor);
        ScreenToClient(&cursor);
        if (!InLeverStrip(cursor) && !LeverPressed())
            ShowLevers(false);
    } else if (nIDEvent == TIMER_PTZ_CONTINUE) {
        if (m_bPtzLoggedIn && m_bPtzMoving && m_bPtzReady)
            SendMove(plinto::PTZ_MOVE_CONTINUE, 0, BYTE(m_nPtzX), BYTE(m_nPtzY));
    }
    CWnd::OnTimer(nIDEvent);
}

void CVideoPreviewWnd::RepositionPtzBars()
{
    if (!m_pZoomBar || !m_pFocusBar)
        return;
    CRect window;
    GetWindowRect(&window);
    m_pFocusBar->MoveWindow(window.right - 30, window.top + 10, 20, window.Height() - 20);
    m_pZoomBar->MoveWindow(window.left + 10, window.top + 10, 20, window.Height() - 20);
    m_pFocusBar->Invalidate();
    m_pZoomBar->Invalidate();
}

void CVideoPreviewWnd::OnMove(int x, int y)
{
    CWnd::OnMove(x, y);
    RepositionPtzBars();
}

void CVideoPreviewWnd::OnLButtonDown(UINT nFlags, CPoint point)
{
    if (m_bPtzLoggedIn)
        PtzButtonDown(point);
    if (!m_bAreaLocked)
        AreaButtonDown(point);
    CWnd::OnLButtonDown(nFlags, point);
}

void CVideoPreviewWnd::OnLButtonUp(UINT nFlags, CPoint point)
{
    if (m_bPtzLoggedIn)
        PtzButtonUp();
    if (!m_bAreaLocked && m_bButtonDown)
        AreaButtonUp(point);
    CWnd::OnLButtonUp(nFlags, point);
}

void CVideoPreviewWnd::OnMouseMove(UINT nFlags, CPoint point)
{
    if (m_bPtzLoggedIn)
        PtzMouseMove(point);
    if (!m_bAreaLocked) {
        if (nFlags == MK_LBUTTON && m_bButtonDown)
            AreaDrag(point);
        else if (!(nFlags & MK_LBUTTON))
            AreaHover(point);
    }
    CWnd::OnMouseMove(nFlags, point);
}

void CVideoPreviewWnd::OnKeyDown(UINT nChar, UINT nRepCnt, UINT nFlags)
{
    if (!m_bAreaLocked)
        AreaKey(nChar, nRepCnt);
    CWnd::OnKeyDown(nChar, nRepCnt, nFlags);
}
