#include "app/ConfigView.h"

#include "platform/ui/WinApp.h"

#include <cstring>

CWnd* g_pMainWnd = nullptr;

IMPLEMENT_DYNCREATE(CConfigView, CView)

CConfigView::CConfigView() = default;

void CConfigView::OnInitialUpdate()
{
    CView::OnInitialUpdate();
    g_pMainWnd = AfxGetMainWnd();
}

void CConfigView::OnDraw(CDC* pDC)
{
    RECT client;
    GetClientRect(&client);
    pDC->FillSolidRect(&client, GetSysColor(COLOR_BTNFACE));
}

LRESULT CConfigView::OnDeviceClear(WPARAM, LPARAM)
{
    ClearCurrentDevice();
    return 1;
}

LRESULT CConfigView::OnDeviceSelect(WPARAM wParam, LPARAM)
{
    if (auto* record = reinterpret_cast<SELECTED_DEVICE*>(wParam))
        SetCurrentDevice(*record);
    return 1;
}

LRESULT CConfigView::OnDeviceInfo(WPARAM, LPARAM)
{
    return 1;
}

LRESULT CConfigView::OnDeviceReply(WPARAM, LPARAM)
{
    return 1;
}

LRESULT CConfigView::OnDeviceUpdate(WPARAM wParam, LPARAM)
{
    if (auto* record = reinterpret_cast<SELECTED_DEVICE*>(wParam))
        SetCurrentDevice(*record);
    return 1;
}

void CConfigView::OnIpChangeReply(RES_DISCOVER_OVEL*)
{
    m_bIpChanged = 0;
}

void CConfigView::StartIpChange(DWORD, LPCTSTR) { }
