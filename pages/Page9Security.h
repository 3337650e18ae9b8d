// The Security tab of every family: the device's address filter, a master
// switch, whether the listed ranges are allowed or denied, and ten address
// ranges each with its own box. A range's end follows its start as the user
// types it (a 50 ms poll of the start fields).
#pragma once

#include "link/SecurityBlocks.h"
#include "pages/ConfigPage.h"
#include "platform/ui/IpAddressCtrl.h"

class CPage9Security : public CConfigPage
{
public:
    static constexpr int kRanges = 10;
    static constexpr UINT_PTR kFollowTimer = 200;
    static constexpr UINT kFollowPeriod = 50;

    CPage9Security();

    BOOL OnInitDialog() override;
    BOOL OnSetActive() override;
    BOOL OnKillActive() override;
    // Each range's end takes its start when the start changed.
    void OnTimer(UINT_PTR nIDEvent);

protected:
    void DoDataExchange(CDataExchange* pDX) override;
    void ReadSettings() override;
    void ShowSettings() override;
    BOOL ValidateSettings() override { return ValidateRanges(); }
    ConfigResult WriteGroup(int group) override;

    BOOL ValidateRanges();
    void OnFilterClicked();
    void OnRangeClicked(UINT nID);
    void OnKeyEnableClicked();
    void OnEdited();
    void OnEndFieldChanged(NMHDR* pNMHDR, LRESULT* pResult);
    void OnDestroy();
    void EnableFilterControls(BOOL bFilter);
    void EnableRange(int range, BOOL bEnable);
    CIPAddressCtrl& Start(int range) { return m_Addresses[range][0]; }
    CIPAddressCtrl& End(int range) { return m_Addresses[range][1]; }
    DWORD AddressOf(CIPAddressCtrl& control);

    CFG_SECURITY m_Security {};
    BOOL m_bRead = FALSE;
    int m_nPolicy = 0; // 0 allow, 1 deny
    CString m_strKey;
    CIPAddressCtrl m_Addresses[kRanges][2];
    // The start and end of each range as last read or seen by the poll.
    DWORD m_dwStart[kRanges] = {};
    DWORD m_dwEnd[kRanges] = {};
    UINT_PTR m_nTimer = 0;

    DECLARE_MESSAGE_MAP()
};
