// The "Schedule" tab of four-channel cameras that record by mode (Home,
// Night, Outing) instead of by the time of day: per channel and mode the
// normal-save and event-save settings as two cells, the relay plan per
// mode, the sensor and motion switches, the post-alarm time and the mode
// the device is in. Each channel is edited in the channel schedule dialog,
// the relay plan in the relay schedule dialog.
#pragma once

#include "controls/GridCtrl.h"
#include "link/CameraBlocks.h"
#include "link/ScheduleBlocks.h"
#include "pages/DayChartPage.h"
#include "pages/common/ScheduleChannels.h"
#include "platform/ui/ImageList.h"

class CPage8ScheduleFeldra : public CDayChartPage
{
public:
    CPage8ScheduleFeldra();

    BOOL OnInitDialog() override;

    tagChannelSchedule m_ChannelSchedule[DAY_CHART_CHANNELS] {};
    tagRelayTable m_RelaySchedule {};
    ScheduleChannels m_ChannelFlags;
    CFG_EXT_DEVICE m_ExtDevice {};
    int m_nDeviceMode = 0; // 0 Home, 1 Night, 2 Outing
    CGridCtrl m_SensorGrid;
    DayChannel m_Channels[DAY_CHART_CHANNELS];
    bool m_bRelayActive[3] = {};

protected:
    enum Group { GROUP_ALL, GROUP_COUNT };

    void ReadSettings() override;
    BOOL ValidateSettings() override;
    ConfigResult WriteGroup(int group) override;
    const DayChannel* ChartChannels(int* count, const BYTE** b30Frames) const override;
    CString HintAt(CPoint point) const override;

    void OnButtonCh1() { RunChannelDialog(0); }
    void OnButtonCh2() { RunChannelDialog(1); }
    void OnButtonCh3() { RunChannelDialog(2); }
    void OnButtonCh4() { RunChannelDialog(3); }
    void OnButtonRelay();
    void OnModeChange() { MarkGroupChanged(GROUP_ALL); }
    void OnSensorCell(NMHDR* pNMHDR, LRESULT* pResult);
    void OnPaint();
    DECLARE_MESSAGE_MAP()

private:
    void BuildSensorGrid();
    void ComputeChannel(int channel);
    void ComputeRelay();
    void RunChannelDialog(int channel);
    int ChosenMode() const;

    CImageList m_Images;
};
