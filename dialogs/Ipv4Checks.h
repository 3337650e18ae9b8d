// The IPv4 settings of the network pages and panes as their address controls
// hold them, and the checks made before they are sent: every field filled,
// the gateway within the address's subnet, the broadcast address derived.
#pragma once

#include "platform/ui/Wnd.h"
#include "resources/setup/Resource.h"

// (address AND mask) OR NOT mask: 10.0.0.5/255.0.0.0 gives 10.255.255.255.
constexpr DWORD BroadcastAddress(DWORD address, DWORD mask)
{
    return (address & mask) | ~mask;
}

// The gateway agrees with the address in every bit the mask keeps.
constexpr bool IsInSubnet(DWORD address, DWORD mask, DWORD gateway)
{
    return (address & mask) == (gateway & mask);
}

struct IPV4_SETTINGS {
    DWORD dwAddress;
    DWORD dwMask;
    DWORD dwBroadcast;
    DWORD dwGateway;
    DWORD dwDns[3];
};

// The ids of the six address controls.
struct IPV4_CONTROLS {
    int address;
    int mask;
    int gateway;
    int dns[3];
};
constexpr IPV4_CONTROLS kIpv4Controls { IDC_NET_ADDRESS, IDC_NET_MASK, IDC_NET_GATEWAY,
    { IDC_NET_DNS1, IDC_NET_DNS2, IDC_NET_DNS3 } };

// Reads the controls of `parent` in order: address, mask, gateway, the
// gateway within the subnet, DNS 1 to 3. The first that fails shows its
// message, takes the focus and gives false; *pSettings is then untouched.
bool ReadIpv4Settings(CWnd* parent, const IPV4_CONTROLS& ids, IPV4_SETTINGS* pSettings);

// Shows an address in one of the controls (no change notice follows).
void ShowIpv4Address(CWnd* parent, int id, DWORD address);
// The control's value; a blank field reads as 0.
DWORD Ipv4AddressOf(CWnd* parent, int id);
