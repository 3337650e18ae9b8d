// The "Recording" tab of recorders of model classes 0 to 3: per camera the
// normal recording of the four periods and the alarm recording (what
// triggers it, its type, speed, quality and the time kept before and after
// the alarm). Cameras are read when first chosen; Apply writes each camera
// that holds a change.
#pragma once

#include "controls/GridCtrl.h"
#include "link/RecordingBlocks.h"
#include "pages/common/NormalRecording.h"
#include "pages/common/PeriodTabs.h"
#include "pages/common/RecordingCameras.h"
#include "pages/common/RecordingPage.h"
#include "platform/ui/ImageList.h"

struct DvrCameraRecording {
    CFG_NORMAL_RECORDING normal;
    CFG_ALARM_RECORDING alarm;
};

// The trigger mask bit of a column of the 16-channel trigger grid: "MD",
// "S1" to "S16", "Text".
uint32_t TriggerMaskBit(int column);

class CPage8ScheduleDVR : public CRecordingPage
{
public:
    CPage8ScheduleDVR();

    BOOL OnInitDialog() override;

    CRecordingCameras<DvrCameraRecording> m_Cameras;
    CPeriodTabs m_Periods;
    CGridCtrl m_Grid;
    CImageList m_ImageList;
    int m_nCurrent = -1; // -1: no camera

protected:
    using Node = CRecordingCameras<DvrCameraRecording>::Node;

    void ReadSettings() override;
    void ShowSettings() override;
    ConfigResult WriteGroup(int group) override;
    void OnApplied() override;

    bool IsSixteenChannel() const;
    void Layout();
    void Load(Node& node);
    void ShowCamera();
    void ShowTriggers(const Node& node);
    void BuildGrid();
    // The camera the controls edit, when it was read.
    Node* Edited();
    void MarkEdited(Node* node);

    void OnCameraChanged();
    void OnTabChange(NMHDR* pNMHDR, LRESULT* pResult);
    void OnTypeChosen();
    void OnSpeedChosen();
    void OnQualityChosen();
    void OnSpecialChosen();
    void OnEventOn();
    void OnEventOff();
    void OnAlarmTypeChosen();
    void OnAlarmSpeedOrQualityChosen();
    void OnTriggerClicked(UINT nID);
    void OnAlarmTimeChosen(UINT nID);
    void OnGridBeginEdit(NMHDR* pNMHDR, LRESULT* pResult);
    // "Setup": the motion area and threshold of the camera shown.
    void OnMotionSetup();

    CNormalRecordingControls m_Normal;
    CRecordingTypeLink m_AlarmType;
    int m_nModelClass = 0;

    DECLARE_MESSAGE_MAP()
};
