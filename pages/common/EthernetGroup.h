// The Ethernet group of the network pages: the six address controls as
// activation filled them, which of them the user changed, the checks made
// before the group is written (address in use, the IPv4 fields) and the
// network settings record that goes to the device.
#pragma once

#include "dialogs/Ipv4Checks.h"
#include "dialogs/TextField.h"
#include "link/NetworkBlocks.h"
#include "pages/ConfigPageHost.h"

class CEthernetGroup
{
public:
    // Shows the settings the device reported in the page's controls.
    void Show(CWnd* pPage, const CFG_IP_CONFIG& ip);
    // An address control's field changed: true when its value now differs
    // from the one last seen (the group is changed).
    bool OnFieldChanged(CWnd* pPage, UINT id);
    // The address is not another online device's and every field is sound;
    // false after the message of the first fault.
    bool Validate(CWnd* pPage, IConfigPageHost* pHost);
    // The record read, with the checked fields in place.
    CFG_IP_CONFIG Record() const;
    // After the device took `ip`: the program follows it.
    void Written(const CFG_IP_CONFIG& ip, IConfigPageHost* pHost);

    const CFG_IP_CONFIG& Read() const { return m_Read; }
    DWORD ActiveAddress() const { return m_dwActiveAddress; }

private:
    CFG_IP_CONFIG m_Read {};
    DWORD m_dwActiveAddress = 0; // the reference of the address-in-use test
    DWORD m_dwShown[6] = {}; // address, mask, gateway, DNS 1 to 3
    IPV4_SETTINGS m_Checked {};
};

// The registration interval lists: the entry of a value read (-1: none) and
// the seconds of an entry. The hour is written as 3600 seconds; 216000, the
// value older programs wrote for it, still reads as the hour.
struct IntervalList {
    const char* const* texts;
    const uint32_t* seconds;
    int count;

    int IndexOf(uint32_t value) const;
    uint32_t SecondsOf(int index) const { return index >= 0 && index < count ? seconds[index] : 0; }
};
