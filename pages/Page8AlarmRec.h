// The "Alarm Rec." tab of recorders of model class 4: per camera which
// alarm sources (up to four sensors, up to four motion inputs, text) start
// alarm recording, with a PTZ preset per source, and the alarm recording's
// type, speed, quality and the time kept before and after the alarm. The
// "Global" entry pairs every camera with its own sensor and motion input.
#pragma once

#include "controls/GridCtrl.h"
#include "link/RecordingBlocks.h"
#include "pages/common/RecordingCameras.h"
#include "pages/common/RecordingPage.h"
#include "pages/common/RecordingPresets.h"

struct AlarmRecording {
    CFG_ALARM_SOURCES sources;
    CFG_ALARM_PRESETS presets;
    bool presetsRead;
};

class CPage8AlarmRec : public CRecordingPage
{
public:
    // Grid columns: the row titles, four sensor slots, four motion slots,
    // the text input.
    enum { COL_SENSOR = 1, COL_MOTION = 5, COL_TEXT = 9, GRID_COLUMNS = 10 };

    CPage8AlarmRec();

    BOOL OnInitDialog() override;

    CRecordingCameras<AlarmRecording> m_Cameras;
    CGridCtrl m_Grid;
    int m_nCurrent = -1; // -1: "Global" or none

protected:
    using Node = CRecordingCameras<AlarmRecording>::Node;

    void ReadSettings() override;
    void ShowSettings() override;
    BOOL ValidateSettings() override;
    ConfigResult WriteGroup(int group) override;
    void OnApplied() override;

    void Load(Node& node);
    void ShowSelection();
    void ShowCamera(const Node& node);
    void ShowGroup(int firstColumn, uint16_t mask, const uint8_t* presets);
    // The grid read back into the node; FALSE (nothing stored) when a
    // source is duplicated or a preset stands where no source is.
    BOOL TakeGrid(Node& node);
    Node* Edited();
    void MarkEdited();

    void OnCameraChanged();
    void OnAlarmTypeChosen();
    void OnAlarmSpeedOrQualityChosen();
    void OnAlarmTimeChosen(UINT nID);
    void OnGlobalChosen();
    void OnGridBeginEdit(NMHDR* pNMHDR, LRESULT* pResult);
    void OnGridEndEdit(NMHDR* pNMHDR, LRESULT* pResult);

    CRecordingTypeLink m_AlarmType;
    BOOL m_bListed = FALSE;
    BOOL m_bGlobalEdited = FALSE;
    // The sources of the shown camera's masks the grid does not show, as it
    // was shown; they go back with the grid.
    uint16_t m_HiddenSensors = 0;
    uint16_t m_HiddenMotion = 0;

    DECLARE_MESSAGE_MAP()
};
