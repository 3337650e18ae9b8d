// The recorder's "Camera" page: the cameras, analogue ones first, each with
// its On switch, name, brightness, contrast and gain or AGC, and the
// analogue camera's or network camera's pane; the shown camera's live
// picture while it is on. A camera is read when it is first shown; Apply
// writes every camera that changed.
#pragma once

#include "dialogs/CameraDlg.h"
#include "dialogs/IpCameraDlg.h"
#include "pages/ConfigPage.h"
#include "pages/common/CameraRecordCache.h"
#include "platform/ui/Controls.h"

#include <memory>

namespace quenby
{
class CBriselViewer;
}

class CPage5ChannelDVR : public CConfigPage
{
public:
    static constexpr int kMaxPorts = 5;
    static constexpr int kMaxSliderValue = 18;

    // One camera's settings as the device sends them.
    struct CameraSettings {
        CFG_CAMERA analogue;
        CFG_NET_CAMERA network;
    };
    using CameraEntry = CameraRecordCache<CameraSettings>::Entry;

    CPage5ChannelDVR();
    ~CPage5ChannelDVR() override;

    BOOL OnInitDialog() override;
    BOOL OnKillActive() override;
    void ReleaseChildDialogs() override;
    // Marks the shown camera changed and enables Apply.
    void SetPageModified();

    quenby::CBriselViewer* Viewer() const { return m_pViewer.get(); }
    CCameraDlg* CameraPane() const { return m_pCameraDlg.get(); }
    CIpCameraDlg* IpCameraPane() const { return m_pIpCameraDlg.get(); }
    CameraEntry* Camera(int index) { return m_cameras.Find(index); }
    int SerialPortCount() const { return m_nPortCount; }

    int m_bOn = 0;
    CString m_strName;

protected:
    void DoDataExchange(CDataExchange* pDX) override;
    void ReadSettings() override;
    ConfigResult WriteGroup(int group) override;
    void OnApplied() override;
    void BeforeSessionEnd() override;

    void ReadSerialPorts();
    BOOL ReadCamera(CameraEntry& entry);
    void ShowCamera(CameraEntry& entry);
    void ShowAnalogueLayout();
    void ShowNetworkLayout();
    // The sliders' and the AGC's values into the shown camera's record.
    void StorePictureValues();
    void StartLive(const CameraEntry& entry);
    void StopLive();
    void MarkShownChanged();

    void OnCameraSelChange();
    void OnOnClicked();
    void OnNameChange();
    void OnAgcChange();
    void OnSliderDraw(UINT id, NMHDR* pNMHDR, LRESULT* pResult);
    void OnLButtonUp(UINT nFlags, CPoint point);
    void OnDestroy();
    LRESULT OnPaneModified(WPARAM wParam, LPARAM lParam);

    CFG_CAMERA_COUNTS m_counts {};
    int m_nPortCount = 0;
    uint8_t m_byPortValues[kMaxPorts] = {};
    CameraRecordCache<CameraSettings> m_cameras;
    CameraEntry* m_pShown = nullptr;
    int m_bLive = 0; // the live view runs for the shown camera
    uint8_t m_bAreaShown = 0;
    bool m_bFilling = false;

    CListBox m_lbCameras;
    std::unique_ptr<quenby::CBriselViewer> m_pViewer;
    std::unique_ptr<CCameraDlg> m_pCameraDlg;
    std::unique_ptr<CIpCameraDlg> m_pIpCameraDlg;

    DECLARE_MESSAGE_MAP()
};
