#include "link/CurrentDevice.h"

#include "link/ByteOrder.h"
#include "link/DeviceHelpers.h"

#include <cstring>

SELECTED_DEVICE g_CurrentDevice {};
SELECTED_DEVICE g_DialUpDevice {};
std::string g_strDevicePassword;
int32_t g_nRecorderModel = 0;
uint16_t g_nDeviceRevision = 0;

void SetCurrentDevice(const SELECTED_DEVICE& d)
{
    SELECTED_DEVICE& c = g_CurrentDevice;
    CopyField(c.szName, d.szName);
    c.wTreeWord = d.wTreeWord;
    CopyField(c.szModel, d.szModel);
    CopyField(c.szVersion1, d.szVersion1);
    CopyField(c.szVersion2, d.szVersion2);
    // A 24-character serial fills its field without a terminator.
    CopyFullField(c.szSerial, sizeof c.szSerial, d.szSerial, sizeof d.szSerial);
    c.dwIpAddress = d.dwIpAddress;
    std::memcpy(c.byMac, d.byMac, sizeof c.byMac);
    CopyField(c.szInfo, d.szInfo);
    std::memcpy(c.byPassword, d.byPassword, sizeof c.byPassword);
    c.bPasswordSaved = d.bPasswordSaved;
    c.dwStreamPort = d.dwStreamPort;
    c.dwHttpPort = d.dwHttpPort;
    c.dwConfigPort = d.dwConfigPort;
    c.bMacText = d.bMacText;
    c.bLookup = d.bLookup;
    if (d.bLookup) {
        CopyField(c.szLookupHost, d.szLookupHost);
        std::memcpy(c.dwLookup, d.dwLookup, sizeof c.dwLookup);
        CopyField(c.szAddress, d.szAddress);
        if (d.bMacText)
            FormatMacText(d.byMac, c.szKey, sizeof c.szKey);
        else
            CopyField(c.szKey, d.szKey);
    }
    c.dwFamily = d.dwFamily;
}

void ClearCurrentDevice()
{
    SELECTED_DEVICE& c = g_CurrentDevice;
    std::memset(c.szModel, 0, sizeof c.szModel);
    std::memset(c.szVersion1, 0, sizeof c.szVersion1);
    std::memset(c.szVersion2, 0, sizeof c.szVersion2);
    std::memset(c.szSerial, 0, sizeof c.szSerial);
    c.dwIpAddress = 0;
    std::memset(c.byMac, 0, sizeof c.byMac);
    std::memset(c.szInfo, 0, sizeof c.szInfo);
    std::memset(c.byPassword, 0, sizeof c.byPassword);
    c.bPasswordSaved = 0;
    c.bMacText = 0;
}
