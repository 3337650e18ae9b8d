// The motion detection pane of the recorder's alarm-source page: per camera
// the sensitivity, whether video loss counts, and the area drawn in the
// motion detect dialog; "Global" sets every camera at once.
#pragma once

#include "dialogs/PagePane.h"
#include "link/AlarmSourceBlocks.h"
#include "platform/ui/Controls.h"

class CMotionSetupDlg : public CPagePane
{
public:
    static constexpr int kCameras = 16;

    explicit CMotionSetupDlg(CWnd* pPage);

    // "Global", then "Cam1" to "Cam<count>"; nothing for no camera.
    void FillCameras(int nCount);
    // Copies the 16 entries in and shows "Global".
    void SetMotion(const tagMotionEntry* pMotion);
    // Keeps the shown camera's controls, then copies the 16 entries out.
    void GetMotion(tagMotionEntry* pMotion);

    const tagMotionEntry& Entry(int camera) const { return m_Motion[camera]; }

protected:
    BOOL OnInitDialog() override;
    void OnCameraSelChange();
    void OnSensitivityChange();
    void OnVideoLossClicked();
    void OnApply();
    void OnCustomArea();
    void ShowGlobal();
    void ShowCamera(int camera);
    void StoreCamera();

    int m_nCurrent = -1; // the shown camera, -1 for "Global"
    int m_nCameraCount = 0;
    tagMotionEntry m_Motion[kCameras] {};

    DECLARE_MESSAGE_MAP()
};
