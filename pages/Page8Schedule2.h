// The "Schedule" tab of the three-channel cameras: the day plans of CH 1 to
// CH 3 as bars on whole hours, the post-alarm time and the hint over the
// bars. The plans are edited in the three-channel schedule dialog.
#pragma once

#include "link/ScheduleBlocks.h"
#include "pages/DayChartPage.h"
#include "pages/common/ScheduleChannels.h"

class CCamScheduleDlg2;

constexpr int SCHEDULE2_SLOTS = 4;
constexpr int SCHEDULE2_CHANNELS = 3;

class CPage8Schedule2 : public CDayChartPage
{
public:
    CPage8Schedule2();
    ~CPage8Schedule2() override;

    void SetSheetLink(SheetLinkRole role, CWnd* pTarget) override;
    BOOL OnInitDialog() override;

    // Reads everything again (also after the device's settings were reset).
    void LoadSettings();

    // What the schedule dialog reads and writes.
    tagScheduleEntry m_Schedule[SCHEDULE2_SLOTS * SCHEDULE_ROW_COUNT] {};
    int m_nSlot = 0;
    BYTE m_bSlotChanged[SCHEDULE2_SLOTS] {};

    ScheduleChannels m_ChannelFlags;
    BYTE m_bSensorAvailable[SCHEDULE2_CHANNELS] {};
    BYTE m_bRelayAvailable[SCHEDULE2_CHANNELS] {};
    DayChannel m_Channels[SCHEDULE2_CHANNELS];
    CCamScheduleDlg2* m_pScheduleDlg = nullptr;

protected:
    enum Group { GROUP_POST_ALARM, GROUP_SCHEDULE, GROUP_COUNT };

    void ReadSettings() override;
    ConfigResult WriteGroup(int group) override;
    const DayChannel* ChartChannels(int* count, const BYTE** b30Frames) const override;

    void OnButtonCh1() { RunScheduleDialog(0); }
    void OnButtonCh2() { RunScheduleDialog(1); }
    void OnButtonCh3() { RunScheduleDialog(2); }
    void OnPaint();
    DECLARE_MESSAGE_MAP()

private:
    void RunScheduleDialog(int channel);
    void ComputeSlot(int slot);
};
