// What the configuration view asks of the device-selection view: the device
// tree's stored fields, discovery probes and the address change. The
// device-selection view implements it and registers itself.
#pragma once

#include "pages/ConfigPageHost.h"
#include "platform/base/Types.h"

#include <cstdint>

class CConfigView;

class IDeviceSelection
{
public:
    virtual ~IDeviceSelection() = default;

    // Stores the password of the current device's tree node (slot 0: the
    // default user), with the save-password flag; FALSE when a password to
    // keep could not be stored.
    virtual BOOL SetDevicePassword(int slot, const BYTE password[16], BOOL bSave) = 0;
    // FALSE when the device's node is not found or its file record not written.
    virtual BOOL SetDevicePorts(DWORD streamPort, DWORD httpPort, DWORD configPort) = 0;
    // Copies the lookup settings of g_CurrentDevice into the tree node.
    virtual void UpdateSelectedDevice() = 0;
    // The description of g_CurrentDevice into the tree node.
    virtual void UpdateDeviceInfo() = 0;
    // After a login: clears the tree's flag and, for a device found on the
    // local network, gives it the serial and MAC of the login.
    virtual void OnLoggedIn(const char* serial, const BYTE mac[6], BOOL bMacKnown) = 0;
    // Broadcasts a discovery request for the device at its new address.
    virtual void RediscoverDevice(DWORD address) = 0;

    // Unicast discovery request to an address text; FALSE when a send failed.
    virtual BOOL ReqUniQuestMsg(const char* address) = 0;
    // The address-change request on every adapter.
    virtual void ReqChangeIpMsg(const BYTE password[16], const BYTE mac[6], DWORD newAddress) = 0;
    // TRUE when a device of the current tree is online at the address.
    virtual BOOL FindConnectedDevice(DWORD address) = 0;
    // Discovery replies from `address` go to the view's OnIpChangeReply
    // until cleared (null view).
    virtual void SetIpChangeWaiter(CConfigView* pView, DWORD address) = 0;
    // Discovery replies from `address` go to the reboot waiter until it is
    // cleared (null waiter); the tree still learns the device is back.
    virtual void SetRebootWaiter(IRebootWaiter* pWaiter, const char* address) = 0;
    // The current device's node goes off line.
    virtual void DisconnectCurrentDevice() = 0;

    // Exit: stops the re-broadcast timer and collapses the trees.
    virtual void PrepareExit() = 0;
};

// The registered device-selection view, or null.
IDeviceSelection* GetDeviceSelection();
void SetDeviceSelection(IDeviceSelection* pSelection);
