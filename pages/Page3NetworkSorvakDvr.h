// The "Connectivity" page of a recorder: every connection setting in one tab
// control of panes (network, xDSL, registration, ports, serial port, dial-in,
// dial-out, e-mail notification). The panes tell the page of their edits;
// Apply asks each pane whether it changed and sends only those groups.
#pragma once

#include "link/ConnectivityBlocks.h"
#include "link/NetworkBlocks.h"
#include "pages/ConfigPage.h"
#include "platform/ui/TabCtrl.h"

#include <memory>

class CPagePane;
class CIpSettingsDlg;
class CXdslDlg;
class CRegServerDlg;
class CPortsDlg;
class CSerialPortDlg;
class CPppDlg;
class CDialUpSetupDlg;
class CEmailAlarmDlg;

class CPage3NetworkSorvakDvr : public CConfigPage
{
public:
    CPage3NetworkSorvakDvr();
    ~CPage3NetworkSorvakDvr() override;

    enum Tab {
        TAB_NETWORK,
        TAB_XDSL,
        TAB_REG,
        TAB_PORTS,
        TAB_SERIAL,
        TAB_DIAL_IN,
        TAB_DIAL_OUT,
        TAB_EMAIL,
        TAB_COUNT
    };

    BOOL OnInitDialog() override;
    void ReleaseChildDialogs() override;
    void SetPageModified(BOOL bModified) { CConfigPage::SetPageModified(bModified); }
    void ShowTab(int tab);
    CWnd* Pane(int tab) const;

    CIpSettingsDlg* m_pIpSettings = nullptr;
    CXdslDlg* m_pXdsl = nullptr;
    CRegServerDlg* m_pRegServer = nullptr;
    CPortsDlg* m_pPorts = nullptr;
    CSerialPortDlg* m_pSerial = nullptr;
    CPppDlg* m_pPpp = nullptr;
    CDialUpSetupDlg* m_pDialUp = nullptr;
    CEmailAlarmDlg* m_pEmail = nullptr;

protected:
    void ReadSettings() override;
    BOOL ValidateSettings() override;
    ConfigResult WriteGroup(int group) override;

    ConfigResult WriteNetwork();
    ConfigResult WritePorts();
    void ReadSerialPort();
    void OnTabChange(NMHDR* pNotify, LRESULT* pResult);

    CTabCtrl m_Tab;
    CPagePane* m_pPanes[TAB_COUNT] = {};
    std::unique_ptr<CPagePane> m_owned[TAB_COUNT];

    // What the last validation collected for the writes.
    CFG_IP_CONFIG m_Network {};
    BYTE m_byDhcp = 0;
    BYTE m_byXdsl = 0;
    bool m_bNetworkChanged = false;
    CFG_IP_CONFIG m_Registration {};
    bool m_bRegChanged = false;
    int m_nNormalConfigPort = 8405;

    DECLARE_MESSAGE_MAP()
};
