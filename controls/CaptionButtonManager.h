// Extra bitmap buttons at the right end of a frame's top edge, with hover and
// pressed images, a tooltip text each, and a click report to the frame.
//
// A Qt program cannot paint into the window manager's title bar, so the
// buttons live in a small bar window inside the frame, over the corner where
// a menu bar would end. The frame passes its messages through WindowProc
// (giving its own procedure as the previous one); the bar turns its mouse
// messages into the frame's non-client mouse messages in screen
// coordinates, so that hit tests, capture and the click report follow the
// frame's messages.
#pragma once

#include "controls/CaptionButtonLayout.h"
#include "link/WindowMessages.h"
#include "platform/base/String.h"
#include "platform/ui/ToolTipCtrl.h"
#include "platform/ui/Wnd.h"
#include "resources/setup/Resource.h"

#include <functional>
#include <memory>
#include <vector>

class CCaptionButtonBar;

class CCaptionButtonManager
{
public:
    using PreviousProc = std::function<LRESULT(UINT, WPARAM, LPARAM)>;

    CCaptionButtonManager();
    virtual ~CCaptionButtonManager();
    CCaptionButtonManager(const CCaptionButtonManager&) = delete;
    CCaptionButtonManager& operator=(const CCaptionButtonManager&) = delete;

    // Starts serving `frame`, whose messages from now on go through
    // WindowProc and on to `previous`.
    BOOL Attach(CWnd* frame, PreviousProc previous);
    void SetReservedSlots(const int& slots) { m_nReservedSlots = slots; }
    void SetTransparentColor(const COLORREF& color) { m_crTransparent = color; }
    // Takes ownership; an earlier image is deleted.
    void SetPressedBitmap(HBITMAP bitmap);
    // Takes ownership of both images (hot may be null: the normal one serves).
    // False when a button with this id exists.
    bool AddButton(UINT id, HBITMAP hot, HBITMAP normal, LPCTSTR tooltip, int position = -1);

    virtual LRESULT WindowProc(HWND hWnd, UINT message, WPARAM wParam, LPARAM lParam);

    // Screen rectangle of button `index`; the tooltip text of a button id.
    RECT GetButtonRect(int index) const;
    CString GetToolTipText(UINT id) const;
    int GetButtonCount() const { return m_nButtonCount; }
    int GetHoverIndex() const { return m_nHoverIndex; }
    int GetPressedIndex() const { return m_nPressedIndex; }
    CWnd* GetBar() const;
    // Height of the strip at the top of the frame's client area that the
    // buttons stand in, with the frame's margin below them as above; 0
    // before Attach.
    int GetCaptionStripHeight() const;
    // The tips of the buttons: tools of the frame, ids = button ids, in the
    // frame's client coordinates; null before Attach.
    const CToolTipCtrl* GetToolTip() const { return m_pToolTip.get(); }
    // The metrics the slot geometry uses.
    CaptionMetrics m_metrics;

private:
    friend class CCaptionButtonBar;
    struct Button {
        UINT id;
        HBITMAP normal;
        HBITMAP hot;
        RECT region; // screen coordinates
        CString tooltip;
    };

    void Detach();
    RECT SlotRect(int slot) const;
    RECT ClientRectOf(const RECT& screen) const;
    void RecalcLayout();
    void PlaceBar();
    void RedrawButtons();
    int HitTest(POINT screen) const;
    void TrackHover(POINT screen);
    LRESULT OnRelease(POINT screen, LPARAM lParam);
    // Draws every button into the bar's DC; `origin` is the bar's screen position.
    void Paint(CDC* dc, POINT origin);

    HWND m_hFrame = nullptr;
    CWnd* m_pFrame = nullptr;
    PreviousProc m_previous;
    DWORD m_dwStyle = 0;
    DWORD m_dwExStyle = 0;
    int m_nHoverIndex = -1;
    bool m_bCaptured = false;
    std::vector<Button> m_buttons;
    int m_nPressedIndex = -1;
    HBITMAP m_hPressed = nullptr;
    int m_nButtonCount = 0;
    COLORREF m_crTransparent = RGB(255, 0, 255);
    int m_nReservedSlots = 0;
    std::unique_ptr<CCaptionButtonBar> m_pBar;
    std::unique_ptr<CToolTipCtrl> m_pToolTip;
};

// A new bitmap of a's size filled with `back`, with a and then b drawn over
// it leaving out `back`; null when a or b is null.
HBITMAP CombineBitmaps(HBITMAP a, HBITMAP b, COLORREF back);
// Draws `bitmap` at (x, y) leaving out the pixels of `transparent`.
void DrawTransparentBitmap(CDC* dc, int x, int y, HBITMAP bitmap, COLORREF transparent);
