// The change of a device's address: check that nobody answers at the new
// address, send the change, and wait for the device to answer there.
#include "app/ConfigView.h"
#include "app/DeviceSelection.h"
#include "app/LoginBar.h"
#include "dialogs/IpAddressDlg.h"
#include "link/DeviceHelpers.h"
#include "link/HostName.h"
#include "pages/common/ArpFlush.h"
#include "resources/setup/Resource.h"

#include <algorithm>
#include <cstring>

namespace
{

constexpr UINT kCheckMs = 3000;
constexpr UINT kRepeatMs = 2000;
constexpr UINT kTimeoutMs = 5000;
constexpr int kWaitBoxWidth = 530;
constexpr int kWaitBoxHeight = 38;

} // namespace

void CConfigView::OnButtonChangeIp()
{
    DWORD address = 0;
    if (!ReadIpControl(&address) || address == 0) {
        AfxMessageBox(IDS_IP_INVALID);
        return;
    }
    CString password;
    m_Password.GetWindowText(password);
    StartIpChange(address, password);
}

void CConfigView::StartIpChange(DWORD newAddress, const char* password)
{
    IDeviceSelection* pSelection = GetDeviceSelection();
    if (!pSelection || m_bIpChanging)
        return;
    m_bIpChanging = TRUE;
    m_bIpChanged = 1;
    SetCapture();
    BeginWaitCursor();

    m_strWaitText = LoadText(IDS_IP_CHANGING);
    m_pWaitDlg = new CIpChangeWaitDlg(nullptr);
    if (m_pWaitDlg->Create(IDD_IP_CHANGE_WAIT, nullptr)) {
        CRect frame;
        if (CWnd* pMain = GetTopLevelParent())
            pMain->GetWindowRect(&frame);
        m_pWaitDlg->MoveWindow(frame.left + (frame.Width() - kWaitBoxWidth) / 2,
            frame.top + (frame.Height() - 50) / 2, kWaitBoxWidth, kWaitBoxHeight);
        m_pWaitDlg->SetMessage(LoadText(IDS_IP_CHANGING));
        m_pWaitDlg->ShowWindow(SW_SHOW);
    }

    m_dwNewAddress = newAddress;
    m_strNewAddress = FormatIpAddress(newAddress);
    // The dotted form of the address the device leaves, whatever text the
    // tree holds for it.
    m_strOldAddress = FormatIpAddress(g_CurrentDevice.dwIpAddress);
    m_strIpChangePassword = password ? password : "";

    if (!pSelection->ReqUniQuestMsg(m_strNewAddress.c_str())) {
        // Without the check nothing would ever end the wait.
        FinishIpChange(IDS_IP_CHANGE_FAILED);
        return;
    }
    m_bIpCheck = 1;
    pSelection->SetIpChangeWaiter(this, newAddress);
    SetTimer(TIMER_IP_CHECK, kCheckMs, nullptr);
}

void CConfigView::FinishIpChange(UINT messageId)
{
    KillTimer(TIMER_IP_CHECK);
    KillTimer(TIMER_IP_REPEAT);
    KillTimer(TIMER_IP_CHANGE_TIMEOUT);
    m_bIpCheck = 0;
    if (IDeviceSelection* pSelection = GetDeviceSelection())
        pSelection->SetIpChangeWaiter(nullptr, 0);
    m_strWaitText = LoadText(messageId);
    if (m_pWaitDlg) {
        if (m_pWaitDlg->GetSafeHwnd()) {
            m_pWaitDlg->SetMessageAndClose(m_strWaitText.c_str());
            m_pWaitDlg->DestroyWindow();
        }
        delete m_pWaitDlg;
        m_pWaitDlg = nullptr;
    }
    ReleaseCapture();
    EndWaitCursor();
    m_bIpChanging = FALSE;
    m_bIpChanged = 0;
}

void CConfigView::OnIpChangeReply(RES_DISCOVER_OVEL*)
{
    if (!m_bIpChanging)
        return;
    if (m_bIpCheck) {
        // Somebody already answers at the new address.
        FinishIpChange(IDS_IP_USED);
        return;
    }
    FinishIpChange(IDS_IP_CHANGE_OK);
    FlushArpEntry(m_strOldAddress.c_str());
    RediscoverDevice(m_dwNewAddress);
    m_ChangeIp.EnableWindow(FALSE);
}

void CConfigView::OnIpCheckTimer()
{
    KillTimer(TIMER_IP_CHECK);
    IDeviceSelection* pSelection = GetDeviceSelection();
    if (!pSelection || pSelection->FindConnectedDevice(m_dwNewAddress)) {
        FinishIpChange(IDS_IP_USED);
        return;
    }
    BYTE password[16] = {};
    std::memcpy(password, m_strIpChangePassword.data(), std::min<size_t>(16, m_strIpChangePassword.size()));
    pSelection->ReqChangeIpMsg(password, m_CameraInfo.byMac, m_dwNewAddress);
    SetTimer(TIMER_IP_REPEAT, kRepeatMs, nullptr);
    m_bIpCheck = 0;
    pSelection->SetIpChangeWaiter(this, m_dwNewAddress);
    SetTimer(TIMER_IP_CHANGE_TIMEOUT, kTimeoutMs, nullptr);
}

void CConfigView::OnIpChangeTimeout()
{
    FinishIpChange(IDS_IP_CHANGE_FAILED);
    // The device did not move: it stays at its old address, and the address
    // field shows that one again instead of the address that was refused.
    const DWORD oldAddress = ParseIpAddress(m_strOldAddress.c_str());
    g_CurrentDevice.dwIpAddress = oldAddress;
    std::memset(g_CurrentDevice.szAddress, 0, sizeof g_CurrentDevice.szAddress);
    std::memcpy(g_CurrentDevice.szAddress, m_strOldAddress.data(),
        std::min(m_strOldAddress.size(), sizeof g_CurrentDevice.szAddress - 1));
    WriteIpControl(oldAddress);
}

void CConfigView::OnTimer(UINT_PTR nIDEvent)
{
    switch (nIDEvent) {
    case TIMER_IP_CHECK:
        OnIpCheckTimer();
        break;
    case TIMER_IP_REPEAT:
        if (IDeviceSelection* pSelection = GetDeviceSelection())
            pSelection->ReqUniQuestMsg(m_strNewAddress.c_str());
        break;
    case TIMER_IP_CHANGE_TIMEOUT:
        OnIpChangeTimeout();
        break;
    default:
        CView::OnTimer(nIDEvent);
        break;
    }
}
