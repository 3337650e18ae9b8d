// CMainFrame: the program's only top-level window, a fixed 800 x 634 frame
// without menu, toolbar or status bar whose client area is a splitter with
// the device-selection view on the left and the configuration view on the
// right. The views reach each other through its two view pointers.
#pragma once

#include "app/MinSplitterWnd.h"

class CCamSelView;
class CConfigView;
class CCaptionButtonManager;

constexpr int MAIN_FRAME_WIDTH = 800;
constexpr int MAIN_FRAME_HEIGHT = 634;

class CMainFrame : public CFrameWnd
{
    DECLARE_DYNCREATE(CMainFrame)
public:
    CMainFrame();
    ~CMainFrame() override;

    BOOL PreCreateWindow(CREATESTRUCT& cs) override;
    BOOL OnCreateClient(LPCREATESTRUCT lpcs, CCreateContext* pContext) override;
    // Lets the caption-button manager see every message of the frame first.
    void AttachCaptionButtons(CCaptionButtonManager* pButtons);
    // The panes fill the client area below the caption buttons' strip.
    void RecalcLayout() override;

    CMinSplitterWnd m_wndSplitter;
    CConfigView* m_pConfigView = nullptr;
    CCamSelView* m_pCamSelView = nullptr;

protected:
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;
    int OnCreate(LPCREATESTRUCT lpCreateStruct);
    void OnGetMinMaxInfo(MINMAXINFO* lpMMI);
    void OnMove(int x, int y);
    LRESULT OnCaptionButton(WPARAM wParam, LPARAM lParam);

    CCaptionButtonManager* m_pCaptionButtons = nullptr;

    DECLARE_MESSAGE_MAP()
};
