// The device-selection view as the configuration view reaches it: its tree
// of the current family, its discovery sockets and its address-change waiter.
#pragma once

#include "app/DeviceSelection.h"

class CCamSelView;
class CMySuperGrid;

class CCamSelSelection : public IDeviceSelection
{
public:
    explicit CCamSelSelection(CCamSelView* pView)
        : m_pView(pView)
    {
    }

    BOOL SetDevicePassword(int slot, const BYTE password[16], BOOL bSave) override;
    BOOL SetDevicePorts(DWORD streamPort, DWORD httpPort, DWORD configPort) override;
    void UpdateSelectedDevice() override;
    void UpdateDeviceInfo() override;
    void OnLoggedIn(const char* serial, const BYTE mac[6], BOOL bMacKnown) override;
    void RediscoverDevice(DWORD address) override;
    BOOL ReqUniQuestMsg(const char* address) override;
    void ReqChangeIpMsg(const BYTE password[16], const BYTE mac[6], DWORD newAddress) override;
    BOOL FindConnectedDevice(DWORD address) override;
    void SetIpChangeWaiter(CConfigView* pView, DWORD address) override;
    void SetRebootWaiter(IRebootWaiter* pWaiter, const char* address) override;
    void DisconnectCurrentDevice() override;
    void PrepareExit() override;

private:
    CMySuperGrid* Tree() const;
    CCamSelView* m_pView;
};
