// The recorder's "Alarm Source" page (model class 4): the sensor inputs'
// contact types, each camera's motion detection and the text insertion, each
// in its pane. Every group read is written back on Apply; a group whose read
// failed is not.
#pragma once

#include "dialogs/AudioTextSettings.h"
#include "dialogs/MotionSetupDlg.h"
#include "dialogs/SensorDlg.h"
#include "dialogs/TextInsertDlg.h"
#include "link/AlarmSourceBlocks.h"
#include "pages/ConfigPage.h"

#include <memory>

class CPage14DVRInput : public CConfigPage
{
public:
    enum Group { GROUP_SENSORS, GROUP_MOTION, GROUP_TEXT, GROUP_COUNT };
    static constexpr int kCameras = CMotionSetupDlg::kCameras;

    CPage14DVRInput();
    ~CPage14DVRInput() override;

    BOOL OnInitDialog() override;
    void ReleaseChildDialogs() override;

    CSensorDlg* SensorPane() const { return m_pSensorDlg.get(); }
    CMotionSetupDlg* MotionPane() const { return m_pMotionDlg.get(); }
    CTextInsertDlg* TextPane() const { return m_pTextDlg.get(); }

protected:
    void ReadSettings() override;
    ConfigResult WriteGroup(int group) override;
    ConfigResult WriteMotion();

    std::unique_ptr<CSensorDlg> m_pSensorDlg;
    std::unique_ptr<CMotionSetupDlg> m_pMotionDlg;
    std::unique_ptr<CTextInsertDlg> m_pTextDlg;
    int m_nCameraCount = 0;
    CFG_SENSOR_TYPES m_Sensors {};
    tagMotionEntry m_Motion[kCameras] {};
    bool m_bMotionRead[kCameras] = {};
    tagTextInsertSetting m_Text {};
};
