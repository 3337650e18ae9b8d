// The port assignment of a device entry: Normal (monitor and playback ports,
// configuration port 8405) or Firewall (one port for all three).
#pragma once

#include "platform/ui/Dialog.h"
#include "resources/setup/Resource.h"

constexpr int PORT_MODE_NORMAL = 0;
constexpr int PORT_MODE_FIREWALL = 1;

class CFirewallPortDlg : public CDialog
{
public:
    explicit CFirewallPortDlg(CWnd* pParent = nullptr);
    UINT m_nPort = 8405;

protected:
    void DoDataExchange(CDataExchange* pDX) override;
    // Port 80, shown at once.
    void OnButtonDefault();

    DECLARE_MESSAGE_MAP()
};

class CNormalPortAssignDlg : public CDialog
{
public:
    explicit CNormalPortAssignDlg(CWnd* pParent = nullptr);
    UINT m_nMonitorPort = 0;
    UINT m_nPlaybackPort = 0;

protected:
    void DoDataExchange(CDataExchange* pDX) override;
    // Monitor 8001 and playback 8105, shown at once.
    void OnButtonDefault();

    DECLARE_MESSAGE_MAP()
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
