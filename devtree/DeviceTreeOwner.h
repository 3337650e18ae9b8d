// What the device tree asks of the view that owns it: logins, probes and
// registration-server lookups. The device-selection view implements it.
#pragma once

#include <cstdint>

class CItemInfo;

class IDeviceTreeOwner
{
public:
    virtual ~IDeviceTreeOwner() = default;
    // Return on a device row: log in to the selected device.
    virtual void DoLogin() = 0;
    // A device row was double-clicked: log in unless logged in already.
    virtual void RequestLogin() = 0;
    // Probe one address by unicast discovery; with `isProbe`, the tree waits
    // for that address's reply (probe flag and probe address of the view).
    virtual void ReqUniQuestMsg(const char* address, bool isProbe) = 0;
    // Ask the registration server for a looked-up device's current address.
    virtual void RequestLookup(
        const char* host, const uint8_t lookup[16], const char* serial, const char* key)
        = 0;
    // Fetch the device records of a group from a registration server.
    virtual void FetchGroup(const char* serverAddress, const char* groupId) = 0;
    // The address of a device that a registration server reported.
    virtual void RegistrationAddress(const char* address) = 0;
    // The add-device dialog was cancelled: forget the probe.
    virtual void ClearProbe() = 0;
    // Dial Up and Hang Up of the selected device, by the configuration view.
    virtual void DialUp() = 0;
    virtual void HangUp() = 0;
    // The device answered at the address it was changed to.
    virtual void ClearAddressChanged() = 0;
};
