// A looked-up device asks its registration server where it is now.
#include "devtree/ItemInfo.h"

#include "devtree/TreeFileIdentity.h"
#include "link/CurrentDevice.h"
#include "link/DeviceHelpers.h"
#include "link/HostName.h"
#include "link/RegServerSocket.h"

#include <cstring>

bool CItemInfo::GetAddress(CString& address)
{
    address = m_szAddress;
    if (!m_bLookup)
        return false;
    // The key is the MAC's text; a device that came without MAC bytes keeps its key text.
    if (IsMacAddressSet(m_byMac))
        FormatMacText(m_byMac, m_szKey, sizeof(m_szKey));
    char name[69] = {};
    std::memcpy(name, m_byLookup, sizeof(m_byLookup));
    char serial[25] = {};
    std::memcpy(serial, m_szSerial, sizeof(m_szSerial));
    char host[65] = {};
    std::memcpy(host, m_szLookupHost, sizeof(m_szLookupHost));
    char answer[25] = {};
    CRegServerSocket socket;
    if (!socket.Create(0, SOCK_DGRAM, FD_ALL_EVENTS, nullptr)
        || !socket.Query(host, name, serial, m_szKey, answer) || !answer[0])
        return false;
    SetText(m_szAddress, sizeof(m_szAddress), answer);
    m_dwIpAddress = ParseIpAddress(m_szAddress);
    address = m_szAddress;
    return true;
}
