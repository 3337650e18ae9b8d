// The "Schedule" tab of the four-channel cameras: each channel's day plan as
// bars of its normal-save and event-save frame rates, the relay plan and the
// sensor switches (newest firmware), the post-alarm time, and a hint over
// the bars. The plans are edited in the camera schedule dialog.
#pragma once

#include "link/ScheduleBlocks.h"
#include "pages/DayChartPage.h"
#include "pages/common/ScheduleChannels.h"

class CCamScheduleDlg;

constexpr int SCHEDULE_SLOTS = 5;

class CPage8Schedule : public CDayChartPage
{
public:
    CPage8Schedule();
    ~CPage8Schedule() override;

    void SetSheetLink(SheetLinkRole role, CWnd* pTarget) override;
    BOOL OnInitDialog() override;

    // Reads everything again (also after the device's settings were reset).
    void LoadSettings();

    // The firmware of the newest cameras (relay row and sensor switches).
    bool IsNewestFirmware() const;
    // What the schedule dialog reads and writes.
    tagScheduleEntry m_Schedule[SCHEDULE_SLOTS * SCHEDULE_ROW_COUNT] {};
    int m_nSlot = 0;
    BYTE m_bSlotChanged[SCHEDULE_SLOTS] {};
    int m_nRelayOwner[4] = { -1, -1, -1, -1 };

    ScheduleChannels m_ChannelFlags;
    tagRelayTable m_RelaySchedule {};
    BYTE m_bSensorEnabled[4] {};
    BYTE m_bRelayAvailable[4] {};
    DayChannel m_Channels[DAY_CHART_CHANNELS];
    DayRelayRow m_RelayBars;
    CCamScheduleDlg* m_pScheduleDlg = nullptr;

protected:
    enum Group { GROUP_SENSOR, GROUP_POST_ALARM, GROUP_SCHEDULE, GROUP_RELAY, GROUP_COUNT };

    void ReadSettings() override;
    ConfigResult WriteGroup(int group) override;
    const DayChannel* ChartChannels(int* count, const BYTE** b30Frames) const override;

    void OnButtonCh1() { RunScheduleDialog(0); }
    void OnButtonCh2() { RunScheduleDialog(1); }
    void OnButtonCh3() { RunScheduleDialog(2); }
    void OnButtonCh4() { RunScheduleDialog(3); }
    void OnButtonRelay();
    void OnButtonSensor1() { OnSensor(0); }
    void OnButtonSensor2() { OnSensor(1); }
    void OnButtonSensor3() { OnSensor(2); }
    void OnButtonSensor4() { OnSensor(3); }
    void OnPaint();
    DECLARE_MESSAGE_MAP()

private:
    void ReadSensors();
    void ReadDeviceTime();
    bool ReadLocalTime(int64_t* local);
    void RunScheduleDialog(int channel);
    void OnSensor(int sensor);
    // Bars and colours of a slot from its rows; a start after its end is
    // taken from 0:00.
    void ComputeSlot(int slot);
    void ComputeRelayBars();
    void UpdateRelayOwners(int slot, const tagScheduleEntry* rows);
    bool IsTriggerLive(int channel, const tagScheduleEntry& row) const;
    void PlaceAll();
    ConfigResult WriteSchedules();
    ConfigResult WriteSensors();
};
