// The "Event" page of a four-camera recorder: per camera the alarm input's
// switch, the motion sensitivity and the 16 x 16 motion area drawn over the
// live picture. Every camera read is written back on Apply.
#pragma once

#include "link/AlarmSourceBlocks.h"
#include "pages/ConfigPage.h"
#include "platform/ui/Controls.h"

class CPage16Event : public CConfigPage
{
public:
    // The page keeps four cameras' entries.
    static constexpr int kCameras = 4;

    CPage16Event();

    BOOL OnInitDialog() override;

    const CFG_EVENT& Entry(int camera) const { return m_Events[camera]; }

    int m_bAlarmInput = 0;
    int m_nSensitivity = 0;

protected:
    void DoDataExchange(CDataExchange* pDX) override;
    void ReadSettings() override;
    // Takes the controls into the shown camera's entry before the writes.
    BOOL ValidateSettings() override;
    ConfigResult WriteGroup(int group) override;
    void ShowCamera(int camera);
    // The controls into the current camera's entry.
    void StoreCamera();

    void OnCameraSelChange();
    void OnAlarmInputClicked();
    void OnSensitivityChange();
    void OnCustomArea();

    CListBox m_lbCameras;
    int m_nCamera = 0;
    int m_nCameraCount = 0;
    CFG_EVENT m_Events[kCameras] {};
    BOOL m_bRead[kCameras] = {};

    DECLARE_MESSAGE_MAP()
};
