// The network page's service ports outside firewall mode: CNormalPortDlg
// for the monitor and playback ports (HTTP and streaming-server ports on a
// streaming server), CNormalPortExDlg adds the recorders' transparent port.
// OK stays disabled until a port is edited or Default is pressed.
#pragma once

#include "platform/ui/Dialog.h"
#include "resources/setup/Resource.h"

class CNormalPortDlg : public CDialog
{
public:
    explicit CNormalPortDlg(CWnd* pParent = nullptr);

    int m_nPlaybackPort = 0; // or the streaming-server port
    int m_nMonitorPort = 0; // or the HTTP port

protected:
    CNormalPortDlg(UINT nIDTemplate, CWnd* pParent);

    void DoDataExchange(CDataExchange* pDX) override;
    BOOL OnInitDialog() override;
    void OnOK() override;
    void OnPortChange();
    virtual void OnButtonDefault();
    // The family's range for the monitor and playback ports; false after
    // telling the user which one is out of it.
    bool CheckPorts();
    // Shows `message` and puts the focus on the edit, its text selected.
    bool RefusePort(int nIDC, UINT message);
    void EnableOk();

    DECLARE_MESSAGE_MAP()
};

class CNormalPortExDlg : public CNormalPortDlg
{
public:
    explicit CNormalPortExDlg(CWnd* pParent = nullptr);

    int m_nTransparentPort = 0;

protected:
    void DoDataExchange(CDataExchange* pDX) override;
    void OnOK() override;
    void OnButtonDefault() override;
};
