#include "devtree/TreeFileIdentity.h"

#include "link/ByteOrder.h"

#include <cstring>

namespace
{

// The first two steps of the rule: 1 same, 0 different, -1 neither applies.
int CompareSerialOrMac(const char* serialA, const uint8_t* macA, const char* serialB, const uint8_t* macB)
{
    if (serialA[0] && serialB[0])
        return std::strncmp(serialA, serialB, 24) == 0 ? 1 : 0;
    if (IsMacAddressSet(macA) && IsMacAddressSet(macB))
        return std::memcmp(macA, macB, 6) == 0 ? 1 : 0;
    return -1;
}

} // namespace

bool IsMacAddressSet(const uint8_t mac[6])
{
    for (int i = 0; i < 6; ++i)
        if (mac[i])
            return true;
    return false;
}

void CopySerial(char (&dst)[24], const char (&src)[24])
{
    CopyFullField(dst, sizeof dst, src, sizeof src);
}

bool CompareCAM(const FileItemType& item, const LastCamInfo& lastCam)
{
    return CompareSerialOrMac(item.szSerial, item.byMac, lastCam.szSerial, lastCam.byMac) == 1;
}

bool CompareDVR(const FileItemType& item, const CAM_SERIAL_MAC_INFO& key)
{
    int same = CompareSerialOrMac(item.szSerial, item.byMac, key.szSerial, key.byMac);
    if (same >= 0)
        return same == 1;
    return item.dwIpAddress != 0 && item.dwIpAddress == key.dwIpAddress;
}

bool CompareDVR(const FileItemType& item, const char* address, const TreeItemKey& key)
{
    int same = CompareSerialOrMac(item.szSerial, item.byMac, key.szSerial, key.byMac);
    if (same >= 0)
        return same == 1;
    return address[0] && std::strncmp(address, key.szAddress, sizeof key.szAddress) == 0;
}
