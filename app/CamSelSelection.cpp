#include "app/CamSelSelection.h"

#include "app/CamSelView.h"
#include "app/ConfigView.h"
#include "link/DeviceHelpers.h"

CMySuperGrid* CCamSelSelection::Tree() const
{
    return m_pView->GetTree(m_pView->GetCurrentFamily());
}

BOOL CCamSelSelection::SetDevicePassword(int slot, const BYTE password[16], BOOL bSave)
{
    CMySuperGrid* tree = Tree();
    CSuperGridCtrl::CTreeItem* item = tree->FindLoggedInItem(nullptr);
    if (!item)
        return !bSave;
    // Only devices of "My DVR" keep passwords: for others there is nothing to clear.
    const BOOL stored = tree->SetPasswd(item->m_lpNodeInfo, slot, CONFIG_ADMIN_USER, password, bSave);
    return stored || !bSave;
}

BOOL CCamSelSelection::SetDevicePorts(DWORD streamPort, DWORD httpPort, DWORD configPort)
{
    return Tree()->SetCurrentDevicePorts(httpPort, streamPort, configPort) ? TRUE : FALSE;
}

void CCamSelSelection::UpdateSelectedDevice()
{
    Tree()->SetCurrentLookupSettings(g_CurrentDevice.dwLookup);
}

void CCamSelSelection::UpdateDeviceInfo()
{
    Tree()->SetCurrentInfoText(g_CurrentDevice.szInfo);
}

void CCamSelSelection::OnLoggedIn(const char* serial, const BYTE mac[6], BOOL bMacKnown)
{
    // The device of this login is selected at the next start.
    if (bMacKnown)
        Tree()->SetLastCam(serial, mac);
}

void CCamSelSelection::RediscoverDevice(DWORD address)
{
    CMySuperGrid* tree = Tree();
    tree->SetCurrentDeviceIp(address);
    tree->RediscoverDevice(address, 1);
    m_pView->ReqDiscoveryMsg();
}

BOOL CCamSelSelection::ReqUniQuestMsg(const char* address)
{
    return m_pView->ReqUniQuestMsg(address) ? TRUE : FALSE;
}

void CCamSelSelection::ReqChangeIpMsg(const BYTE password[16], const BYTE mac[6], DWORD newAddress)
{
    m_pView->ReqChangeIpMsg(password, mac, newAddress);
}

BOOL CCamSelSelection::FindConnectedDevice(DWORD address)
{
    return Tree()->FindConnectedDevice(address) ? TRUE : FALSE;
}

void CCamSelSelection::SetIpChangeWaiter(CConfigView* pView, DWORD address)
{
    m_pView->WaitForAddressChange(pView, pView ? FormatIpAddress(address).c_str() : nullptr);
}

void CCamSelSelection::SetRebootWaiter(IRebootWaiter* pWaiter, const char* address)
{
    m_pView->WaitForReboot(pWaiter, pWaiter ? address : nullptr);
}

void CCamSelSelection::DisconnectCurrentDevice()
{
    Tree()->DisconnectCurrentDevice();
}

void CCamSelSelection::PrepareExit()
{
    m_pView->KillTimer(TIMER_REBROADCAST);
}
