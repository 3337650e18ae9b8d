// The system page: the device's date, time, time zone and daylight saving,
// its time synchronisation pane where it has one, the reset to the setup
// defaults and the reboot. Cameras below the newest firmware keep their
// zone as an offset; recorders and the newest cameras by the zone table.
#pragma once

#include "dialogs/NtpDlg.h"
#include "dialogs/NtpIpTypeDlg.h"
#include "pages/ConfigPage.h"
#include "pages/common/DeviceTime.h"
#include "platform/ui/Controls.h"
#include "platform/ui/DateTimeCtrl.h"

#include <memory>
#include <vector>

class CPage2System : public CConfigPage
{
public:
    CPage2System();
    ~CPage2System() override;

    void SetSheetLink(SheetLinkRole role, CWnd* pTarget) override;
    void ReleaseChildDialogs() override;
    // The reboot without its question (after a reset, or after the network
    // page changed the device's ports).
    BOOL RebootNoConfirm();

    BOOL OnInitDialog() override;
    BOOL OnSetActive() override;

    // Which time interface the device speaks.
    bool UsesZoneTable() const;

    CMonthCalCtrl m_MonthCal;
    CDateTimeCtrl m_TimeCtrl;
    CComboBox m_ZoneCombo;
    CComboBox m_RuleCombo;
    std::unique_ptr<CNtpDlg> m_pNtpDlg;
    std::unique_ptr<CNtpIpTypeDlg> m_pNtpIpTypeDlg;

    int32_t m_nDeviceTime = 0;
    int32_t m_nAppliedOffset = 0;
    int32_t m_nSelectedOffset = 0;
    BOOL m_bManualDaylight = FALSE;
    BOOL m_bAutoDaylight = FALSE;
    BOOL m_bTimeEdited = FALSE;

    // Settings groups, each written only when it changed.
    enum { GROUP_CLOCK, GROUP_SYNC, GROUP_COUNT };

protected:
    void DoDataExchange(CDataExchange* pDX) override;
    void ReadSettings() override;
    BOOL ValidateSettings() override;
    ConfigResult WriteGroup(int group) override;

    void OnLoadDefaults();
    void OnReboot();
    void OnManualDaylight();
    void OnAutoDaylight();
    void OnSelchangeZone();
    void OnSelchangeRule();
    void OnTimeChange(NMHDR* pNMHDR, LRESULT* pResult);
    void OnCalendarChange(NMHDR* pNMHDR, LRESULT* pResult);
    void OnTimer(UINT_PTR nIDEvent);
    LRESULT OnPaneModified(WPARAM wParam, LPARAM lParam);

    DECLARE_MESSAGE_MAP()

private:
    void LayOut();
    void ReadByOffset();
    void ReadByTable();
    void ShowDeviceTime(int32_t daylightShift);
    void ClockEdited();
    ConfigResult WriteByOffset();
    ConfigResult WriteByTable();
    // The calendar's day with the picker's time, as seconds counted as UTC.
    int64_t PickedWallClock() const;
    void RefreshSiblings();

    std::vector<DaylightRule> m_Rules;
    CWnd* m_pChannelPage = nullptr;
    CWnd* m_pSchedulePage = nullptr;
};
