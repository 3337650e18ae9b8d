// CLevelBarDlg: the narrow zoom or focus lever beside the live preview. While
// its thumb is held it reports the thumb's level (0 at the top, 127 at the
// bottom) to its target window as WM_PTZ_MOVE: a start on press, a repeat
// every 200 ms, a stop on release; the thumb then springs back to the middle.
// It never talks to a device itself.
#pragma once

#include "controls/SkinSliderCtrl.h"
#include "platform/ui/Dialog.h"
#include "resources/setup/Resource.h"
#include "stream/plinto/PlintoTypes.h"

class CLevelBarDlg : public CDialog
{
public:
    enum { IDD = IDD_LEVEL_BAR };
    // The repeat timer while the thumb is held.
    static constexpr UINT_PTR TIMER_REPEAT = 4137;
    static constexpr UINT REPEAT_PERIOD = 200;
    // The thumb is a band this many pixels high.
    static constexpr int THUMB_HEIGHT = 18;

    explicit CLevelBarDlg(CWnd* pParent = nullptr);

    // The level of a press or release at client y on a lever of the given
    // client height.
    static int LevelFromPoint(int y, int height);

    // Written by the owner after Create.
    int m_bZoomLabel = 1; // 1: the thumb reads "Z", 0: "F"
    CWnd* m_pTargetWnd = nullptr; // receives WM_PTZ_MOVE
    WORD m_wSelector = 0; // 1 zoom, 2 focus
    // The last level computed, by a press, a release or a drawing.
    int m_nLevel = 0;
    // Read by the owner: the thumb is held (the owner keeps the levers shown).
    int m_bPressed = 0;

protected:
    void OnPaint();
    BOOL OnEraseBkgnd(CDC* pDC);
    void OnLButtonDown(UINT nFlags, CPoint point);
    void OnMouseMove(UINT nFlags, CPoint point);
    void OnLButtonUp(UINT nFlags, CPoint point);
    void OnTimer(UINT_PTR nIDEvent);
    void OnKillFocus(CWnd* pNewWnd);
    DECLARE_MESSAGE_MAP()

private:
    void DrawBackground(CDC* pDC);
    // Draws the lever with its thumb's top at `thumbTop` and takes the level
    // the thumb shows.
    void DrawBar(CDC* pDC, int thumbTop);
    int MiddleThumbTop() const;
    // Draws the held thumb where the mouse put it.
    void DrawHeld(int thumbTop);
    void SendMove(WORD code);

    CSkinSliderCtrl m_painter;
    // Where a drag last drew the thumb: a repaint while the thumb is held
    // shows it there, so that repeats keep the level the user sees.
    int m_nHeldThumbTop = 0;
};
