#include "platform/ui/DocView.h"

#include "platform/ui/ResourceModule.h"
#include "platform/ui/WinApp.h"

#include <QGuiApplication>
#include <QScreen>
#include <QWidget>

namespace
{
int g_screenCx = 0;
int g_screenCy = 0;
} // namespace

int GetSystemMetrics(int index)
{
    if (index == SM_CXSCREEN && g_screenCx > 0)
        return g_screenCx;
    if (index == SM_CYSCREEN && g_screenCy > 0)
        return g_screenCy;
    if (index == SM_CXVSCROLL || index == SM_CYHSCROLL)
        return 16; // the scroll bars' thickness
    if (index == SM_CXICON || index == SM_CYICON)
        return kIconSize;
    QScreen* screen = QGuiApplication::primaryScreen();
    if (!screen)
        return 0;
    if (index == SM_CXSCREEN)
        return screen->geometry().width();
    if (index == SM_CYSCREEN)
        return screen->geometry().height();
    return 0;
}

void SetScreenSizeOverride(int cx, int cy)
{
    g_screenCx = cx;
    g_screenCy = cy;
}

void CView::OnInitialUpdate()
{
    Invalidate();
}

BOOL CView::Create(LPCTSTR lpszClassName, LPCTSTR lpszWindowName, DWORD dwStyle, const RECT& rect,
    CWnd* pParentWnd, UINT nID, void* pContext)
{
    if (auto* context = static_cast<CCreateContext*>(pContext))
        m_pDocument = context->m_pCurrentDoc;
    return CWnd::Create(
        lpszClassName ? lpszClassName : "View", lpszWindowName, dwStyle, rect, pParentWnd, nID);
}

LRESULT CView::WindowProc(UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == WM_INITIALUPDATE) {
        LRESULT result = 0;
        if (!OnWndMsg(message, wParam, lParam, &result))
            OnInitialUpdate();
        return 0;
    }
    if (message == WM_PAINT) {
        LRESULT result = 0;
        if (OnWndMsg(message, wParam, lParam, &result))
            return result;
        CPaintDC dc(this);
        OnDraw(&dc);
        return 0;
    }
    return CWnd::WindowProc(message, wParam, lParam);
}

CFrameWnd::CFrameWnd()
{
    m_bAutoDelete = TRUE;
}

CFrameWnd::~CFrameWnd()
{
    if (AfxGetApp() && AfxGetApp()->m_pMainWnd == this)
        AfxGetApp()->m_pMainWnd = nullptr;
}

BOOL CFrameWnd::LoadFrame(UINT nIDResource, DWORD dwDefaultStyle, CWnd* pParentWnd, CCreateContext* pContext)
{
    m_pCreateContext = pContext;
    const BOOL created = CreateEx(0, "FrameWnd", "", dwDefaultStyle, 0, 0, 800, 600,
        pParentWnd ? pParentWnd->GetSafeHwnd() : nullptr, nullptr);
    m_pCreateContext = nullptr;
    if (!created)
        return FALSE;
    ApplyMinTrackSize();
    // The frame's resource id names its icon too.
    if (HICON icon = ::LoadIcon(AfxGetResourceHandle(), nIDResource)) {
        SetIcon(icon, TRUE);
        SetIcon(icon, FALSE);
    }
    return TRUE;
}

BOOL CFrameWnd::OnCreateClient(LPCREATESTRUCT, CCreateContext* pContext)
{
    if (pContext && pContext->m_pNewViewClass)
        return CreateView(pContext) != nullptr;
    return TRUE;
}

CView* CFrameWnd::CreateView(CCreateContext* pContext, UINT nID)
{
    auto* view = dynamic_cast<CView*>(pContext->m_pNewViewClass->CreateObject());
    if (!view)
        return nullptr;
    RECT client;
    GetClientRect(&client);
    if (!view->Create(nullptr, nullptr, WS_CHILD | WS_VISIBLE, client, this, nID, pContext)) {
        delete view;
        return nullptr;
    }
    if (!m_pViewActive)
        m_pViewActive = view;
    return view;
}

void CFrameWnd::InitialUpdateFrame(CDocument*, BOOL bMakeVisible)
{
    SendMessageToDescendants(WM_INITIALUPDATE, 0, 0, TRUE);
    if (bMakeVisible)
        ShowWindow(SW_SHOW);
}

BOOL CFrameWnd::OnCmdMsg(UINT nID, int nCode, WPARAM wParam, LPARAM lParam, LRESULT* pResult)
{
    // The active view, then the frame, then the application.
    if (m_pViewActive && m_pViewActive->OnCmdMsg(nID, nCode, wParam, lParam, pResult))
        return TRUE;
    if (CWnd::OnCmdMsg(nID, nCode, wParam, lParam, pResult))
        return TRUE;
    CWinApp* app = AfxGetApp();
    return app && app->OnCmdMsg(nID, nCode, wParam, lParam, pResult);
}

LRESULT CFrameWnd::WindowProc(UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == WM_CREATE) {
        LRESULT result = 0;
        if (OnWndMsg(message, wParam, lParam, &result) && result == LRESULT(-1))
            return -1;
        auto* cs = reinterpret_cast<LPCREATESTRUCT>(lParam);
        if (!OnCreateClient(cs, m_pCreateContext))
            return -1;
        return 0;
    }
    if (message == WM_SIZE) {
        LRESULT result = 0;
        OnWndMsg(message, wParam, lParam, &result);
        RecalcLayout();
        return 0;
    }
    if (message == WM_CLOSE) {
        LRESULT result = 0;
        if (OnWndMsg(message, wParam, lParam, &result))
            return result;
        // Closing the main window ends the program.
        const bool main = AfxGetApp() && AfxGetApp()->m_pMainWnd == this;
        DestroyWindow();
        if (main)
            PostQuitMessage(0);
        return 0;
    }
    return CWnd::WindowProc(message, wParam, lParam);
}

void CFrameWnd::RecalcLayout()
{
    RECT client;
    GetClientRect(&client);
    FitPane(client);
}

void CFrameWnd::FitPane(const RECT& area)
{
    CWnd* pane = GetDlgItem(int(AFX_IDW_PANE_FIRST));
    if (!pane)
        return;
    // The pane may refuse to shrink below its own minimum.
    WINDOWPOS pos {};
    pos.hwnd = pane->GetSafeHwnd();
    pos.x = area.left;
    pos.y = area.top;
    pos.cx = area.right - area.left;
    pos.cy = area.bottom - area.top;
    pane->SendMessage(WM_WINDOWPOSCHANGING, 0, reinterpret_cast<LPARAM>(&pos));
    pane->SetWindowPos(nullptr, pos.x, pos.y, pos.cx, pos.cy, SWP_NOZORDER);
}

void CFrameWnd::ApplyMinTrackSize()
{
    MINMAXINFO info {};
    SendMessage(WM_GETMINMAXINFO, 0, reinterpret_cast<LPARAM>(&info));
    if (QWidget* widget = GetWidget(); widget && info.ptMinTrackSize.x > 0 && info.ptMinTrackSize.y > 0)
        widget->setMinimumSize(info.ptMinTrackSize.x, info.ptMinTrackSize.y);
}
