#include "explorer/PendingAdds.h"

#include <cstring>

namespace morrik
{

namespace
{

// The port a device without one in its reply is taken to answer on.
constexpr uint32_t kReplyDefaultPort = 8405;

bool IsZeroMac(const uint8_t* mac)
{
    static const uint8_t zero[6] = {};
    return std::memcmp(mac, zero, sizeof zero) == 0;
}

} // namespace

bool CPendingAdds::IsFree(int index) const
{
    const CItemInfo& buffer = m_NewItem[index];
    return buffer.m_dwIp == 0 && IsZeroMac(buffer.m_byMac);
}

int CPendingAdds::FindEmptyNewItemBuf() const
{
    for (int i = 0; i < PENDING_ADD_COUNT; ++i)
        if (IsFree(i))
            return i;
    return -1;
}

bool CPendingAdds::AnyWaiting() const
{
    for (int i = 0; i < PENDING_ADD_COUNT; ++i)
        if (!IsFree(i))
            return true;
    return false;
}

int CPendingAdds::FindNewItemIndx(const uint8_t* mac, uint32_t ip, uint32_t port) const
{
    // A free buffer's zero MAC never stands for a device's.
    if (!IsZeroMac(mac))
        for (int i = 0; i < PENDING_ADD_COUNT; ++i)
            if (std::memcmp(m_NewItem[i].m_byMac, mac, 6) == 0)
                return i;
    if (port == 0)
        port = kReplyDefaultPort;
    for (int i = 0; i < PENDING_ADD_COUNT; ++i)
        if (!IsFree(i) && m_NewItem[i].m_dwIp == ip && m_NewItem[i].m_dwConfigPort == port)
            return i;
    return -1;
}

void CPendingAdds::Fill(int index, const CItemInfo& item, int tree)
{
    CItemInfo& buffer = m_NewItem[index];
    buffer.m_nTreeNo = tree;
    buffer.SetItemText(item.GetItemText());
    buffer.m_strName = item.m_strName;
    buffer.m_login = item.m_login;
    std::memcpy(buffer.m_service1, item.m_service1, sizeof buffer.m_service1);
    std::memcpy(buffer.m_service2, item.m_service2, sizeof buffer.m_service2);
    buffer.m_bLookup = item.m_bLookup;
    std::memcpy(buffer.m_szAddress, item.m_szAddress, sizeof buffer.m_szAddress);
    buffer.m_dwIp = item.m_dwIp;
    std::memcpy(buffer.m_szLookupServer, item.m_szLookupServer, sizeof buffer.m_szLookupServer);
    std::memcpy(buffer.m_byMac, item.m_byMac, sizeof buffer.m_byMac);
    buffer.m_dwConfigPort = item.m_dwConfigPort;
    buffer.m_dwService1Port = item.m_dwService1Port;
    buffer.m_dwService2Port = item.m_dwService2Port;
}

void CPendingAdds::Release(int index)
{
    m_NewItem[index].m_dwIp = 0;
    std::memset(m_NewItem[index].m_byMac, 0, sizeof m_NewItem[index].m_byMac);
}

void CPendingAdds::Clear()
{
    for (int i = 0; i < PENDING_ADD_COUNT; ++i)
        Release(i);
}

} // namespace morrik
