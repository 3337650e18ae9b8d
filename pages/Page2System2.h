// The camera system page of the older camera firmware: the clock and the
// zone offset, a clock that can follow the computer's second by second, the
// reset of the camera's settings and its reboot.
#pragma once

#include "pages/ConfigPage.h"
#include "platform/ui/Controls.h"
#include "platform/ui/DateTimeCtrl.h"

class CPage2System2 : public CConfigPage
{
public:
    CPage2System2();
    ~CPage2System2() override;

    BOOL OnInitDialog() override;
    BOOL OnSetActive() override;
    BOOL OnKillActive() override;

    CMonthCalCtrl m_MonthCal;
    CDateTimeCtrl m_TimeCtrl;
    CComboBox m_ZoneCombo;
    int32_t m_nDeviceTime = 0;
    CString m_strDescription;
    // The picker follows the computer's clock.
    BOOL m_bFollowing = FALSE;

protected:
    void DoDataExchange(CDataExchange* pDX) override;
    void ReadSettings() override;
    BOOL ValidateSettings() override;
    ConfigResult WriteGroup(int group) override;
    void BeforeSessionEnd() override { StopFollowing(); }

    void OnFlashReset();
    void OnReboot();
    void OnCurrentTime();
    void OnEdited();
    void OnTimeNotify(NMHDR* pNMHDR, LRESULT* pResult);
    void OnTimer(UINT_PTR nIDEvent);

    DECLARE_MESSAGE_MAP()

private:
    void StopFollowing();
    void ShowComputerTime();
};
