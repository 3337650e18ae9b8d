// CFirewallDlg: the network page's single port in firewall mode. OK stays
// disabled until the port is edited.
#pragma once

#include "platform/ui/Dialog.h"
#include "resources/setup/Resource.h"

class CFirewallDlg : public CDialog
{
public:
    explicit CFirewallDlg(CWnd* pParent = nullptr);

    int m_nFirewallPort = 0;

protected:
    void DoDataExchange(CDataExchange* pDX) override;
    BOOL OnInitDialog() override;
    void OnPortChange();

    DECLARE_MESSAGE_MAP()
};
