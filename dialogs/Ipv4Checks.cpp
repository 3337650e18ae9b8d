#include "dialogs/Ipv4Checks.h"

#include "platform/base/Services.h"

#include "platform/ui/IpAddressCtrl.h"

namespace
{

CIPAddressCtrl* AddressControl(CWnd* parent, int id)
{
    return static_cast<CIPAddressCtrl*>(parent->GetDlgItem(id));
}

// All four fields filled; else the message, with the focus on the control.
bool ReadFilled(CWnd* parent, int id, UINT message, DWORD* pAddress)
{
    CIPAddressCtrl* control = AddressControl(parent, id);
    if (control && control->GetAddress(*pAddress) == 4)
        return true;
    AfxMessageBox(message);
    if (control)
        control->SetFocus();
    return false;
}

} // namespace

bool ReadIpv4Settings(CWnd* parent, const IPV4_CONTROLS& ids, IPV4_SETTINGS* pSettings)
{
    IPV4_SETTINGS read {};
    if (!ReadFilled(parent, ids.address, IDS_IP_INVALID, &read.dwAddress)
        || !ReadFilled(parent, ids.mask, IDS_MASK_INVALID, &read.dwMask)
        || !ReadFilled(parent, ids.gateway, IDS_GATEWAY_INVALID, &read.dwGateway))
        return false;
    if (!IsInSubnet(read.dwAddress, read.dwMask, read.dwGateway)) {
        AfxMessageBox(IDS_GATEWAY_OUTSIDE);
        if (CWnd* gateway = parent->GetDlgItem(ids.gateway))
            gateway->SetFocus();
        return false;
    }
    const UINT dnsMessages[3] = { IDS_DNS1_INVALID, IDS_DNS2_INVALID, IDS_DNS3_INVALID };
    for (int i = 0; i < 3; ++i) {
        if (!ReadFilled(parent, ids.dns[i], dnsMessages[i], &read.dwDns[i]))
            return false;
    }
    read.dwBroadcast = BroadcastAddress(read.dwAddress, read.dwMask);
    *pSettings = read;
    return true;
}

void ShowIpv4Address(CWnd* parent, int id, DWORD address)
{
    if (CIPAddressCtrl* control = AddressControl(parent, id))
        control->SetAddress(address);
}

DWORD Ipv4AddressOf(CWnd* parent, int id)
{
    DWORD address = 0;
    if (CIPAddressCtrl* control = AddressControl(parent, id))
        control->GetAddress(address);
    return address;
}
