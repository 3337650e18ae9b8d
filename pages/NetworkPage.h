// What the two network pages share: the Ethernet group's address controls
// (a change counts only on the active page and only when a value differs
// from the one last seen), the registration server, group ID and interval
// list, which enable each other as the interval is on or off.
#pragma once

#include "pages/ConfigPage.h"
#include "pages/common/EthernetGroup.h"

class CNetworkPage : public CConfigPage
{
public:
    CNetworkPage(UINT nIDTemplate, SheetSlot slot);

    // The Ethernet group's index among the page's groups.
    static constexpr int GROUP_IP = 0;

protected:
    // Server and group ID follow whether registration is on.
    void EnableRegistration(BOOL bEnable);
    // Tells `message` and gives the port edit the focus, its text selected;
    // gives FALSE for the check that called it.
    BOOL RefusePort(int id, UINT message);

    void OnAddressChanged(UINT id, NMHDR* pNotify, LRESULT* pResult);
    void OnRegistrationChanged();
    void OnIntervalListChanged();

    CEthernetGroup m_Ethernet;
    int m_nQuiet = 0; // controls being filled by the page itself

    DECLARE_MESSAGE_MAP()
};
