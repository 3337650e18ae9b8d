// CNtpDlg: the NTP pane of a recorder's system page: whether the clock
// follows an NTP server, as client or server, a public or a local server,
// and how often.
#pragma once

#include "dialogs/TimePane.h"
#include "resources/setup/Resource.h"

class CNtpDlg : public CTimePane
{
public:
    explicit CNtpDlg(CWnd* pPage);

    void SetNtp(tagNtpSetting setting);
    // The record for 0x030F.
    void GetNtp(tagNtpSetting* setting);

    int m_bSync = 0;
    int m_nMode = 0; // 0 client, 1 server
    int m_nLocation = 0; // 0 public, 1 local network
    UINT m_nInterval = 1; // minutes
    static constexpr int kIntervalSpinHighest = 4095;

protected:
    void DoDataExchange(CDataExchange* pDX) override;
    BOOL OnInitDialog() override;
    void OnEdit() { ReportEdit(); }
    void OnIntervalEdit();
    // The arrows step from the interval shown, within their range.
    void FollowInterval();
    void OnModeOrLocation();
    void ApplyEnabling();

    DECLARE_MESSAGE_MAP()
};
