// The other brand's "Recording" tab for a four-camera recorder: for each
// period and camera the frame rate and quality of normal, input (alarm) and
// motion recording, and per period the recording and pre-event times.
#pragma once

#include "controls/GridCtrl.h"
#include "link/RecordingBlocks.h"
#include "pages/ConfigPage.h"
#include "pages/common/PeriodTabs.h"

class CPage8ScheduleDvrSorvak : public CConfigPage
{
public:
    static constexpr int kCameras = 4;

    CPage8ScheduleDvrSorvak();

    BOOL OnInitDialog() override;

    CFG_RECORD_PLAN m_Plans[kCameras] {};
    bool m_b25Frames[kCameras] {};
    CGridCtrl m_Grid;
    CPeriodTabs m_Periods;

protected:
    void ReadSettings() override;
    void ShowSettings() override;
    BOOL ValidateSettings() override;
    ConfigResult WriteGroup(int group) override;

    void ShowPeriod(int period);
    void TakePeriod(int period);
    void OnTabChange(NMHDR* pNMHDR, LRESULT* pResult);
    void OnGridBeginEdit(NMHDR* pNMHDR, LRESULT* pResult);
    void OnGridEndEdit(NMHDR* pNMHDR, LRESULT* pResult);
    void OnTimeChosen();

    DECLARE_MESSAGE_MAP()
};

// The rates a camera offers: 13 for the 25-frame standard, else 14.
int RecordRateCount(bool b25Frames);
const char* RecordRate(bool b25Frames, int index);
