// The recorder's HDD tab: whether its normal and alarm partitions record,
// when it reminds the operator to back up, and how full its disk is.
#pragma once

#include "link/DiskBlocks.h"
#include "pages/ConfigPage.h"
#include "pages/common/DiskPie.h"
#include "platform/base/Time.h"

class CPage10HddDVR : public CConfigPage
{
public:
    CPage10HddDVR();

    BOOL OnInitDialog() override;

    // Reminder modes, as the mode list holds them.
    enum { REMINDER_NONE, REMINDER_DAILY, REMINDER_WEEKLY, REMINDER_MONTHLY };

    int m_bNormalPartition = FALSE;
    int m_bAlarmPartition = FALSE;
    int m_nReminderMode = REMINDER_NONE;
    int m_nWeekday = 0;
    BYTE m_nReminderDay = 1;
    CTime m_tmReminder;
    DiskShareDisplay m_Disk;

protected:
    void DoDataExchange(CDataExchange* pDX) override;
    void ReadSettings() override;
    ConfigResult WriteGroup(int group) override;

    void ShowReminderControls();
    void OnReminderModeChange();
    void OnEdit();
    void OnTimeChange(NMHDR* pNMHDR, LRESULT* pResult);
    void OnPaint();
    DECLARE_MESSAGE_MAP()

private:
    // From firmware 1.3.3 one switch stands for both partitions.
    bool OneSwitch() const;
};
