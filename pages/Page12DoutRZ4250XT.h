// The "Alarm Act." tab of recorders of model class 4: for the six alarm
// actions (Relay1 to Relay4, Buzzer, E-Mail) and the four periods, which
// sensors, motion channels and text events trigger the action; how long
// the relays and the buzzer stay on; and the e-mail notice.
#pragma once

#include "link/AlarmBlocks.h"
#include "pages/ConfigPage.h"
#include "pages/common/PeriodTabs.h"
#include "platform/ui/IpAddressCtrl.h"

constexpr int kAlarmActions = 6;

class CPage12DoutRZ4250XT : public CConfigPage
{
public:
    // One group per action, then the set-up values; every group read is
    // written back.
    enum Group {
        GROUP_BUZZER = 4,
        GROUP_EMAIL = 5,
        GROUP_DURATIONS,
        GROUP_BUZZER_TIME,
        GROUP_MAIL,
        GROUP_COUNT
    };

    CPage12DoutRZ4250XT();

    BOOL OnInitDialog() override;

    CFG_ALARM_ACTION m_Actions[kAlarmActions] {};
    CFG_RELAY_DURATIONS m_Durations {};
    CFG_BUZZER_DURATION m_Buzzer {};
    CFG_ALARM_MAIL m_Mail {};
    CPeriodTabs m_Periods;

protected:
    void ReadSettings() override;
    void ShowSettings() override;
    BOOL ValidateSettings() override;
    ConfigResult WriteGroup(int group) override;

    void ShowPeriod(int period);
    void TakePeriod(int period);
    void ShowSetup();
    void UpdateSourceEnabling();
    // The numbers of a source field, blanks as 0.
    void FieldNumbers(int id, int numbers[4]);
    void ShowField(int id, uint16_t mask);
    uint16_t TakeField(int anyId, int fieldId, uint16_t hidden);

    void OnAnyClicked(UINT nID);
    void OnTextClicked(UINT nID);
    void OnSpecialTimeClicked();
    void OnFieldChanged(UINT nID, NMHDR* pNMHDR, LRESULT* pResult);
    void OnTabChange(NMHDR* pNMHDR, LRESULT* pResult);
    void OnGloballyApply();
    void OnDurationChanged(UINT nID);
    void OnMailEdited();
    void OnRowEdited(int row);

    CIPAddressCtrl m_Sources[2 * kAlarmActions];
    // The sources of each row's sensor and motion masks the fields do not
    // show, as the period was shown; they go back with the period.
    uint16_t m_HiddenSensors[kAlarmActions] {};
    uint16_t m_HiddenMotion[kAlarmActions] {};
    BOOL m_bShowing = FALSE;

    DECLARE_MESSAGE_MAP()
};
