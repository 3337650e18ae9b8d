#include "pages/common/AddressChange.h"

#include "dialogs/IpAddressDlg.h"
#include "link/CurrentDevice.h"
#include "link/DeviceHelpers.h"
#include "pages/common/ArpFlush.h"
#include "platform/base/Services.h"
#include "platform/ui/WinApp.h"
#include "resources/setup/Resource.h"

#include <cstring>

namespace
{

constexpr int kWaitBoxWidth = 530;
constexpr int kWaitBoxHeight = 38;

} // namespace

void FollowAddressChange(IConfigPageHost* pHost, DWORD newAddress)
{
    // The text the device was reached by, before it changes.
    FlushArpEntry(g_CurrentDevice.szAddress);
    if (pHost)
        pHost->RediscoverDevice(newAddress);
    g_CurrentDevice.dwIpAddress = newAddress;
    const std::string text = FormatIpAddress(newAddress);
    std::memset(g_CurrentDevice.szAddress, 0, sizeof g_CurrentDevice.szAddress);
    std::memcpy(
        g_CurrentDevice.szAddress, text.data(), std::min(text.size(), sizeof g_CurrentDevice.szAddress - 1));
}

void ShowNetworkSettingWait(CWnd* pPage, DWORD ms)
{
    if (pPage)
        pPage->SetCapture();
    CWaitCursor wait;
    CIpChangeWaitDlg box(nullptr);
    if (box.Create(IDD_IP_CHANGE_WAIT, nullptr)) {
        CRect frame(0, 0, 800, 634);
        if (CWnd* pMain = AfxGetMainWnd())
            pMain->GetWindowRect(&frame);
        else if (pPage && pPage->GetTopLevelParent())
            pPage->GetTopLevelParent()->GetWindowRect(&frame);
        box.MoveWindow(frame.left + (frame.Width() - kWaitBoxWidth) / 2,
            frame.top + (frame.Height() - 50) / 2, kWaitBoxWidth, kWaitBoxHeight);
        box.ShowWindow(SW_SHOW);
        CString text;
        text.LoadString(IDS_NETWORK_SETTING_WAIT);
        box.SetMessage(text);
        Service<IClock>().Sleep(ms);
        box.DestroyWindow();
    }
    if (pPage)
        ReleaseCapture();
}
