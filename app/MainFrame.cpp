#include "app/MainFrame.h"

#include "app/CamSelSelection.h"
#include "app/CamSelView.h"
#include "app/ConfigView.h"
#include "controls/CaptionButtonManager.h"

#include <memory>

IMPLEMENT_DYNCREATE(CMainFrame, CFrameWnd)

BEGIN_MESSAGE_MAP(CMainFrame, CFrameWnd)
ON_WM_CREATE()
ON_WM_GETMINMAXINFO()
ON_WM_MOVE()
ON_MESSAGE(WM_CAPTION_BUTTON, OnCaptionButton)
END_MESSAGE_MAP()

CMainFrame::CMainFrame() = default;

CMainFrame::~CMainFrame()
{
    if (g_pMainWnd == this)
        g_pMainWnd = nullptr;
}

BOOL CMainFrame::PreCreateWindow(CREATESTRUCT& cs)
{
    if (!CFrameWnd::PreCreateWindow(cs))
        return FALSE;
    const int screenWidth = GetSystemMetrics(SM_CXSCREEN);
    const int screenHeight = GetSystemMetrics(SM_CYSCREEN);
    // The panes do not fit a narrower screen: the program does not start.
    if (screenWidth < MAIN_FRAME_WIDTH)
        return FALSE;
    cs.cx = MAIN_FRAME_WIDTH;
    cs.cy = MAIN_FRAME_HEIGHT;
    cs.x = (screenWidth - MAIN_FRAME_WIDTH) / 2;
    cs.y = (screenHeight - MAIN_FRAME_HEIGHT) / 2;
    cs.hMenu = nullptr;
    cs.lpszName = "";
    return TRUE;
}

int CMainFrame::OnCreate(LPCREATESTRUCT lpCreateStruct)
{
    if (CFrameWnd::OnCreate(lpCreateStruct) == -1)
        return -1;
    return 0;
}

BOOL CMainFrame::OnCreateClient(LPCREATESTRUCT, CCreateContext* pContext)
{
    if (!m_wndSplitter.CreateStatic(this, 1, 2, WS_CHILD | WS_VISIBLE, AFX_IDW_PANE_FIRST))
        return FALSE;
    RECT client;
    GetClientRect(&client);
    const int width = client.right - client.left;
    const int height = client.bottom - client.top;
    if (!m_wndSplitter.CreateView(0, 0, RUNTIME_CLASS(CCamSelView), SIZE { width / 3, height }, pContext))
        return FALSE;
    const BOOL created = m_wndSplitter.CreateView(
        0, 1, RUNTIME_CLASS(CConfigView), SIZE { 2 * width / 3, height }, pContext);
    m_wndSplitter.SetRowInfo(0, 550, 550);
    m_wndSplitter.SetColumnInfo(0, 250, 220);
    m_wndSplitter.SetColumnInfo(1, 550, 550);
    m_pConfigView = dynamic_cast<CConfigView*>(m_wndSplitter.GetPane(0, 1));
    m_pCamSelView = dynamic_cast<CCamSelView*>(m_wndSplitter.GetPane(0, 0));
    if (m_pConfigView)
        SetActiveView(m_pConfigView);
    // The configuration view reaches the tree through the device-selection view.
    if (m_pConfigView && m_pCamSelView)
        m_pConfigView->SetSelection(std::make_unique<CCamSelSelection>(m_pCamSelView));
    m_wndSplitter.RecalcLayout();
    return created;
}

void CMainFrame::AttachCaptionButtons(CCaptionButtonManager* pButtons)
{
    m_pCaptionButtons = pButtons;
    if (pButtons)
        pButtons->Attach(this, [this](UINT message, WPARAM wParam, LPARAM lParam) {
            return CFrameWnd::WindowProc(message, wParam, lParam);
        });
    RecalcLayout();
}

void CMainFrame::RecalcLayout()
{
    RECT area;
    GetClientRect(&area);
    // No title bar is drawn for the caption buttons: they stand in a strip of
    // their own above the panes, where the title bar would be.
    if (m_pCaptionButtons)
        area.top = m_pCaptionButtons->GetCaptionStripHeight();
    FitPane(area);
}

LRESULT CMainFrame::WindowProc(UINT message, WPARAM wParam, LPARAM lParam)
{
    if (m_pCaptionButtons) {
        CCaptionButtonManager* buttons = m_pCaptionButtons;
        // The manager gives the frame back when the window goes.
        if (message == WM_DESTROY)
            m_pCaptionButtons = nullptr;
        return buttons->WindowProc(m_hWnd, message, wParam, lParam);
    }
    return CFrameWnd::WindowProc(message, wParam, lParam);
}

void CMainFrame::OnGetMinMaxInfo(MINMAXINFO* lpMMI)
{
    lpMMI->ptMinTrackSize.x = MAIN_FRAME_WIDTH;
    lpMMI->ptMinTrackSize.y = MAIN_FRAME_HEIGHT;
    CFrameWnd::OnGetMinMaxInfo(lpMMI);
}

void CMainFrame::OnMove(int x, int y)
{
    CFrameWnd::OnMove(x, y);
    // The PTZ page's floating level bars follow the frame once pages exist.
}

LRESULT CMainFrame::OnCaptionButton(WPARAM wParam, LPARAM)
{
    if (wParam == 1)
        ::SendMessage(m_hWnd, WM_COMMAND, ID_APP_ABOUT, 0);
    return 1;
}
