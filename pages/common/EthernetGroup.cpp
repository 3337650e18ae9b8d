#include "pages/common/EthernetGroup.h"

#include "pages/common/AddressChange.h"
#include "platform/base/Services.h"

#include <algorithm>
#include <cstring>
#include <iterator>

namespace
{

constexpr int kAddressIds[6]
    = { IDC_NET_ADDRESS, IDC_NET_MASK, IDC_NET_GATEWAY, IDC_NET_DNS1, IDC_NET_DNS2, IDC_NET_DNS3 };

} // namespace

void CEthernetGroup::Show(CWnd* pPage, const CFG_IP_CONFIG& ip)
{
    m_Read = ip;
    const DWORD values[6] = { ip.dwAddress, ip.dwMask, ip.dwGateway, ip.dwDns[0], ip.dwDns[1], ip.dwDns[2] };
    for (int i = 0; i < 6; ++i) {
        ShowIpv4Address(pPage, kAddressIds[i], values[i]);
        m_dwShown[i] = values[i];
    }
    m_dwActiveAddress = ip.dwAddress;
}

bool CEthernetGroup::OnFieldChanged(CWnd* pPage, UINT id)
{
    const auto* at = std::find(std::begin(kAddressIds), std::end(kAddressIds), int(id));
    if (at == std::end(kAddressIds))
        return false;
    const DWORD value = Ipv4AddressOf(pPage, int(id));
    DWORD& shown = m_dwShown[at - kAddressIds];
    if (value == shown)
        return false;
    shown = value;
    return true;
}

bool CEthernetGroup::Validate(CWnd* pPage, IConfigPageHost* pHost)
{
    const DWORD address = Ipv4AddressOf(pPage, IDC_NET_ADDRESS);
    if (address != m_dwActiveAddress && pHost && pHost->FindConnectedDevice(address)) {
        AfxMessageBox(IDS_IP_IN_USE);
        return false;
    }
    return ReadIpv4Settings(pPage, kIpv4Controls, &m_Checked);
}

CFG_IP_CONFIG CEthernetGroup::Record() const
{
    CFG_IP_CONFIG ip = m_Read;
    ip.dwAddress = m_Checked.dwAddress;
    ip.dwMask = m_Checked.dwMask;
    ip.dwBroadcast = m_Checked.dwBroadcast;
    ip.dwGateway = m_Checked.dwGateway;
    std::copy(std::begin(m_Checked.dwDns), std::end(m_Checked.dwDns), ip.dwDns);
    return ip;
}

void CEthernetGroup::Written(const CFG_IP_CONFIG& ip, IConfigPageHost* pHost)
{
    m_Read = ip;
    FollowAddressChange(pHost, ip.dwAddress);
    m_dwActiveAddress = ip.dwAddress;
}

int IntervalList::IndexOf(uint32_t value) const
{
    if (value == 216000)
        value = 3600;
    for (int i = 0; i < count; ++i)
        if (seconds[i] == value)
            return i;
    // A list without half a minute shows it as the minute.
    return value == 30 ? IndexOf(60) : -1;
}
