// The connectivity page's ports pane: the user edits the firewall port;
// the monitor, playback and transparent ports and the firewall flag pass
// through hidden.
#pragma once

#include "dialogs/PagePane.h"

class CPortsDlg : public CPagePane
{
public:
    explicit CPortsDlg(CWnd* pParent = nullptr);

    void SetPorts(int nPlayback, int nMonitor, int nTransparent, BYTE byFirewall, int nFirewallPort);
    // ports[] gets playback, monitor, transparent; true when anything
    // changed since the last Set or Get.
    bool GetPorts(int ports[3], BYTE* pFirewall, int* pFirewallPort);

    int m_nMonitorPort = 0;
    int m_nPlaybackPort = 0;
    int m_nTransparentPort = 0;
    int m_nFirewallPort = 0;
    int m_bFirewall = 0;

protected:
    BOOL OnInitDialog() override;
    void DoDataExchange(CDataExchange* pDX) override;
    void OnChanged() { NotifyPage(); }

    struct Stored {
        int playback, monitor, transparent, firewallPort;
        BYTE firewall;
    } m_Stored {};

    DECLARE_MESSAGE_MAP()
};
