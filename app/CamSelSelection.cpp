#include "app/CamSelSelection.h"

#include "app/CamSelView.h"
#include "app/ConfigView.h"
#include "link/DeviceHelpers.h"

CMySuperGrid* CCamSelSelection::Tree() const
{
    return m_pView->GetTree(m_pView->GetCurrentFamily());
}

void CCamSelSelection::SetDevicePassword(int slot, const BYTE password[16], BOOL bSave)
{
    CMySuperGrid* tree = Tree();
    if (CSuperGridCtrl::CTreeItem* item = tree->FindCurrentItem(nullptr))
        tree->SetPasswd(item->m_lpNodeInfo, slot, CONFIG_ADMIN_USER, password, bSave);
}

void CCamSelSelection::SetDevicePorts(DWORD streamPort, DWORD httpPort, DWORD configPort)
{
    Tree()->SetCurrentDevicePorts(httpPort, streamPort, configPort);
}

void CCamSelSelection::UpdateSelectedDevice()
{
    Tree()->SetCurrentLookupSettings(g_CurrentDevice.dwLookup);
}

void CCamSelSelection::UpdateDeviceInfo()
{
    Tree()->SetCurrentInfoText(g_CurrentDevice.szInfo);
}

void CCamSelSelection::OnLoggedIn(const char*, const BYTE*, BOOL) { }

void CCamSelSelection::RediscoverDevice(DWORD address)
{
    Tree()->SetCurrentDeviceIp(address);
    m_pView->ReqDiscoveryMsg();
}

BOOL CCamSelSelection::ReqUniQuestMsg(const char* address)
{
    return m_pView->ReqUniQuestMsg(static_cast<LPCTSTR>(address));
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

void CCamSelSelection::PrepareExit()
{
    m_pView->KillTimer(TIMER_REBROADCAST);
}
