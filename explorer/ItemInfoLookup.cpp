// A row's address lookup on its registration server.
#include "explorer/ItemInfo.h"
#include "explorer/ThreadZpt.h"
#include "link/DeviceHelpers.h"

#include <cstdio>
#include <cstring>

namespace morrik
{

namespace
{

constexpr int kRecorderTree = 2;

} // namespace

bool CItemInfo::GetAddress(BYTE*)
{
    if (!m_bLookup)
        return false;
    char server[sizeof(m_szLookupServer) + 1];
    CopyFixedText(server, sizeof(server), m_szLookupServer, sizeof(m_szLookupServer));
    char serial[sizeof(m_szSerial) + 1];
    CopyFixedText(serial, sizeof(serial), m_szSerial, sizeof(m_szSerial));
    // The server matches MACs as text, never as raw bytes.
    std::snprintf(m_szMacText, sizeof(m_szMacText), "%02x:%02x:%02x:%02x:%02x:%02x", m_byMac[0], m_byMac[1],
        m_byMac[2], m_byMac[3], m_byMac[4], m_byMac[5]);
    char address[sizeof(m_szAddress)];
    if (!GetRegServerAddress(
            server, GetZPTFtpModelNo(kRecorderTree), m_szMacText, serial, address, sizeof(address)))
        return false;
    std::memset(m_szAddress, 0, sizeof(m_szAddress));
    std::memcpy(m_szAddress, address, std::strlen(address));
    // First octet most significant, as every other writer of the field.
    m_dwIp = ParseDottedAddress(m_szAddress);
    SetFile(m_byMac, reinterpret_cast<const BYTE*>(m_szAddress), m_dwIp);
    return true;
}

} // namespace morrik
