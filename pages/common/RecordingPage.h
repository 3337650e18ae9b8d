// What the recorders' recording pages (normal, alarm, DVR schedule) share:
// the camera counts and recording options each read starts with, and the
// camera list they fill from the counts.
#pragma once

#include "pages/ConfigPage.h"
#include "pages/common/RecordingCameras.h"
#include "pages/common/RecordingPresets.h"

class CRecordingPage : public CConfigPage
{
public:
    using CConfigPage::CConfigPage;

    RecordingCameraCounts m_Counts;
    RecordingOptions m_Options;

protected:
    // Each gives false, with its member as it was, when the device gives none.
    BOOL ReadCameraCounts();
    BOOL ReadRecordingOptions();
    CListBox* CameraList();
};
