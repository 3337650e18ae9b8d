// The "Normal Rec." tab of recorders of model class 4: per camera and
// period the recording type, speed, quality, special-time type and event
// recording, with a "Global" entry that gives one setting to every camera
// and period.
#pragma once

#include "link/RecordingBlocks.h"
#include "pages/common/NormalRecording.h"
#include "pages/common/PeriodTabs.h"
#include "pages/common/RecordingCameras.h"
#include "pages/common/RecordingPage.h"

class CPage8NormalRec : public CRecordingPage
{
public:
    CPage8NormalRec();

    BOOL OnInitDialog() override;

    CRecordingCameras<CFG_NORMAL_RECORDING> m_Cameras;
    CPeriodTabs m_Periods;
    int m_nCurrent = -1; // the camera shown or last shown; -1 none
    BOOL m_bGlobal = FALSE;
    BOOL m_bGlobalEdited = FALSE; // the "Global" controls were set

protected:
    using Node = CRecordingCameras<CFG_NORMAL_RECORDING>::Node;

    void ReadSettings() override;
    void ShowSettings() override;
    BOOL ValidateSettings() override;
    ConfigResult WriteGroup(int group) override;
    void OnApplied() override;

    void Load(Node& node);
    void ShowSelection();
    // The period the controls edit, or null ("Global", no camera read).
    NORMAL_PERIOD* EditedPeriod();
    void MarkEdited();

    void OnCameraChanged();
    void OnTabChange(NMHDR* pNMHDR, LRESULT* pResult);
    void OnTypeChosen();
    void OnSpeedChosen();
    void OnQualityChosen();
    void OnSpecialChosen();
    void OnEventOn();
    void OnEventOff();

    CNormalRecordingControls m_Normal;
    BOOL m_bListed = FALSE;

    DECLARE_MESSAGE_MAP()
};
