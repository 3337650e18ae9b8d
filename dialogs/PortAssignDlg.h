// The port assignment of a device entry: Normal (monitor and playback ports,
// configuration port 8405) or Firewall (one port for all three).
#pragma once

#include "platform/ui/Dialog.h"

constexpr UINT IDD_FIREWALL_PORT = 373;
constexpr UINT IDD_NORMAL_PORT_ASSIGN = 374;
constexpr UINT IDD_PORT_ASSIGN = 375;
constexpr int IDC_FIREWALL_PORT = 1171;
constexpr int IDC_MODE_NORMAL = 1804;
constexpr int IDC_MODE_FIREWALL = 1805;
constexpr int IDC_MONITOR_PORT = 1805;
constexpr int IDC_PLAYBACK_PORT = 1806;
constexpr int IDC_PORT_ADVANCED = 1352;

constexpr int PORT_MODE_NORMAL = 0;
constexpr int PORT_MODE_FIREWALL = 1;

class CFirewallPortDlg : public CDialog
{
public:
    explicit CFirewallPortDlg(CWnd* pParent = nullptr);
    UINT m_nPort = 8405;

protected:
    void DoDataExchange(CDataExchange* pDX) override;
};

class CNormalPortAssignDlg : public CDialog
{
public:
    explicit CNormalPortAssignDlg(CWnd* pParent = nullptr);
    UINT m_nMonitorPort = 0;
    UINT m_nPlaybackPort = 0;

protected:
    void DoDataExchange(CDataExchange* pDX) override;
};

// Runs the detail dialog of the mode (Firewall or Normal) for the ports;
// the Add New DVR dialog shares it.
void EditAssignedPorts(CWnd* pParent, int mode, UINT& firewallPort, UINT& monitorPort, UINT& playbackPort);

class CPortAssignDlg : public CDialog
{
public:
    explicit CPortAssignDlg(CWnd* pParent = nullptr);

    UINT m_nFirewallPort = 80;
    UINT m_nPlaybackPort = 8105;
    UINT m_nMonitorPort = 8001;
    int m_nMode = PORT_MODE_NORMAL;

protected:
    void DoDataExchange(CDataExchange* pDX) override;
    void OnAdvanced();

    DECLARE_MESSAGE_MAP()
};
