// What a settings page and a sheet's dialogs ask of the window that holds the
// sheet: ending the session and keeping the device tree in step with what a
// page changed on the device. The configuration view implements it.
#pragma once

#include "platform/base/Types.h"

// Waits for a rebooting device: told when the device answered discovery.
class IRebootWaiter
{
public:
    virtual ~IRebootWaiter() = default;
    virtual void OnDeviceReturned() = 0;
};

class IConfigPageHost
{
public:
    virtual ~IConfigPageHost() = default;

    // The end of a session, from a page's OK or Cancel. The host deletes the
    // sheet's pages afterwards.
    virtual void OnConfigOK() = 0;
    virtual void OnConfigCancel() = 0;

    // The current device's ports into its tree node.
    virtual void SetDevicePorts(DWORD streamPort, DWORD httpPort, DWORD configPort) = 0;
    // The current device's lookup settings into its tree node.
    virtual void UpdateSelectedDevice() = 0;
    // A new description of the current device, for the tree and the view.
    virtual void UpdateDeviceInfo(const char text[32]) = 0;
    // Looks for the device again after it moved to `address`.
    virtual void RediscoverDevice(DWORD address) = 0;

    // Whether a device of the current tree is online at `address`.
    virtual BOOL FindConnectedDevice(DWORD) { return FALSE; }
    // Discovery for a device that reboots: a request to one address text
    // (FALSE when a send failed), the waiter that a reply from `address`
    // goes to (null clears it), and the current device's node going off
    // line while it is away. A host without discovery does nothing.
    virtual BOOL ReqUniQuestMsg(const char*) { return FALSE; }
    virtual void SetRebootWaiter(IRebootWaiter*, const char*) { }
    virtual void DisconnectCurrentDevice() { }

    // The firmware kind of the logged-in device (FirmwareKindOf).
    virtual int FirmwareKind() const = 0;

    // The device took a new administrator password (16 bytes, zero-filled):
    // the host keeps it for the session and, when "Save Password" is set,
    // stores it in the device tree.
    virtual void OnAdminPasswordChanged(const BYTE /*password*/[16]) { }
};
