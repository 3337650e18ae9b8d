// CNtpIpTypeDlg: the NTP pane of the newer cameras' system page: none,
// server or client; a public or a local server; a sync interval of one to
// twenty-four hours.
#pragma once

#include "dialogs/TimePane.h"
#include "resources/setup/Resource.h"

class CNtpIpTypeDlg : public CTimePane
{
public:
    explicit CNtpIpTypeDlg(CWnd* pPage);

    void SetNtp(tagNtpSetting setting);
    // The record for 0x0D08.
    void GetNtp(tagNtpSetting* setting);

    int m_nMode = -1; // 0 none, 1 server, 2 client
    int m_nIpType = -1; // 0 public, 1 local
    int m_nInterval = -1; // index into 1, 3, 6, 12, 24 hours

protected:
    void DoDataExchange(CDataExchange* pDX) override;
    BOOL OnInitDialog() override;
    void OnEdit() { ReportEdit(); }
    void OnModeOrType();
    void ApplyEnabling();

    DECLARE_MESSAGE_MAP()
};
