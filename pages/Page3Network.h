// The "Network" tab of every family: the device's address, mask, gateway
// and name servers with its registration at a directory server, DHCP, the
// xDSL account and the port assignment, each applied as a group of its own.
// After the device took a new address the program follows it there.
#pragma once

#include "link/NetworkBlocks.h"
#include "pages/NetworkPage.h"

class CPage3Network : public CNetworkPage
{
public:
    CPage3Network();

    enum Group { GROUP_DHCP = GROUP_IP + 1, GROUP_XDSL, GROUP_PORT, GROUP_COUNT };

    BOOL OnInitDialog() override;
    void SetSheetLink(SheetLinkRole role, CWnd* pTarget) override;

    // The registration interval list of the cameras and streaming servers.
    static const IntervalList& Intervals();

    // Page state, as read and as edited.
    int m_bDhcp = 0;
    int m_bXdsl = 0;
    CString m_strXdslUser;
    CString m_strXdslPassword;
    CString m_strXdslStatus;
    int m_nInterval = 0; // edit 1143 (recorders)
    CString m_strServer;
    CString m_strGroupId;
    int m_nPortMode = -1; // 0 normal, 1 firewall
    int m_nPortModeRead = -1;
    int m_nFirewallPort = 0;
    int m_nFirewallPortRead = 0;
    int m_nConfigPort = 8405;
    int m_nConfigPortRead = 8405;
    int m_nNormalConfigPort = 8405; // outside firewall mode
    int m_nFirstPort = 0; // playback, or the streaming server's port
    int m_nSecondPort = 0; // monitor, or the HTTP port
    int m_nTransparentPort = 0;
    int m_nFirstPortRead = 0;
    int m_nSecondPortRead = 0;
    int m_nTransparentPortRead = 0;

protected:
    void DoDataExchange(CDataExchange* pDX) override;
    void ReadSettings() override;
    void ShowSettings() override;
    BOOL ValidateSettings() override;
    ConfigResult WriteGroup(int group) override;
    void OnApplied() override;

    BOOL ReadPortsOfDevice();
    ConfigResult SendPortMode();
    ConfigResult WritePorts();
    void SetDefaultPorts();
    void StorePorts();
    void LayOut();
    uint32_t Family() const;

    void OnIntervalChanged();
    void OnIntervalSpin(NMHDR* pNotify, LRESULT* pResult);
    void OnDhcpChanged();
    void OnXdslChanged();
    void OnXdslCheck();
    void OnPortModeChanged();
    void OnPortChanged();
    void OnButtonDefault();
    void OnButtonAdvanced();
    CWnd* m_pSystemPage = nullptr;

    DECLARE_MESSAGE_MAP()
};
