// The "Network" tab of cameras on the newest firmware: the Ethernet group
// (address, mask, gateway, name servers and, but for family 1, the
// registration at a directory server) and the monitor and playback ports.
#pragma once

#include "pages/NetworkPage.h"

class CPage3Network2 : public CNetworkPage
{
public:
    CPage3Network2();

    enum Group { GROUP_PORT = GROUP_IP + 1, GROUP_COUNT };

    BOOL OnInitDialog() override;
    void SetSheetLink(SheetLinkRole role, CWnd* pTarget) override;

    static const IntervalList& Intervals();

    CString m_strServer;
    CString m_strGroupId;
    int m_nPlaybackPort = 0; // edit 1074
    int m_nMonitorPort = 0; // edit 1075
    int m_nPlaybackPortRead = 0;
    int m_nMonitorPortRead = 0;

protected:
    void DoDataExchange(CDataExchange* pDX) override;
    void ReadSettings() override;
    BOOL ValidateSettings() override;
    ConfigResult WriteGroup(int group) override;

    ConfigResult WriteEthernet();
    ConfigResult WritePorts();
    void LayOut();
    bool HasRegistration() const;
    // After the device took new ports: the reboot they need, when wanted.
    void RebootCamera();

    void OnPortChanged();
    void OnButtonDefault();

    CWnd* m_pSystemPage = nullptr;

    DECLARE_MESSAGE_MAP()
};
