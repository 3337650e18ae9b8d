// The "Schedule Zone" tab of a recorder: which weekdays form the working
// week, the day time, and four special periods, which the recording
// schedules refer to.
#pragma once

#include "link/RecordingBlocks.h"
#include "pages/ConfigPage.h"

class CPage6ScheduleZone : public CConfigPage
{
public:
    CPage6ScheduleZone();

    BOOL OnInitDialog() override;

    CFG_SCHEDULE_ZONE m_Zone {};

protected:
    void ReadSettings() override;
    void ShowSettings() override;
    ConfigResult WriteGroup(int group) override;

    void OnEdited();
    void OnClockChanged(UINT nID, NMHDR* pNMHDR, LRESULT* pResult);

    BOOL m_bZoneRead = FALSE;

    DECLARE_MESSAGE_MAP()
};

// The weekday lists of the zone editors: "Monday" to "Sunday".
void FillWeekdayList(CWnd* pParent, int id);
// The zone record's week and day time from the controls of both zone pages.
void TakeWeekAndDayTime(CWnd* pParent, CFG_SCHEDULE_ZONE* pZone);
void ShowWeekAndDayTime(CWnd* pParent, const CFG_SCHEDULE_ZONE& zone);
