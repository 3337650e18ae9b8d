// The connectivity page's network pane: connection type, DHCP, address,
// mask, gateway, name servers and address auto-detection. Its read-out
// checks the fields and tells a refused entry from an unchanged one.
#pragma once

#include "dialogs/Ipv4Checks.h"
#include "dialogs/PagePane.h"
#include "link/NetworkBlocks.h"

#include <functional>

class CIpSettingsDlg : public CPagePane
{
public:
    explicit CIpSettingsDlg(CWnd* pParent = nullptr);

    enum Result { IP_REFUSED = -1, IP_UNCHANGED = 0, IP_CHANGED = 1 };

    void SetIpSettings(CFG_IP_CONFIG settings, BYTE byXdsl, BYTE byDhcp);
    // Checks the fields (the message of the first fault shown, nothing
    // written: IP_REFUSED); else writes the record and the two flags.
    int GetIpSettings(CFG_IP_CONFIG* pSettings, BYTE* pDhcp, BYTE* pXdsl);

    // Whether an online device of the tree has an address (the page's view).
    std::function<BOOL(DWORD)> m_isAddressInUse;

protected:
    BOOL OnInitDialog() override;
    void Refresh();
    void OnChanged();
    void OnFieldChanged(UINT id, NMHDR* pNotify, LRESULT* pResult);

    CFG_IP_CONFIG m_Stored {};
    BYTE m_byXdsl = 0;
    BYTE m_byDhcp = 0;

    DECLARE_MESSAGE_MAP()
};
