// The "PTZ" page: per camera its presets with names and enable marks, going
// to, storing and clearing a preset while watching the camera, and its
// auxiliary outputs. A recorder's camera is watched through the DVR viewer
// with its PTZ bar, a camera's channel through the preview window.
#pragma once

#include "controls/CheckMarkGrid.h"
#include "controls/VideoPreviewWnd.h"
#include "link/PtzBlocks.h"
#include "pages/ConfigPage.h"
#include "platform/ui/Controls.h"
#include "platform/ui/ImageList.h"

#include <memory>

namespace quenby
{
class CBriselViewer;
}

class CPage15Ptz : public CConfigPage
{
public:
    static constexpr int kNameLength = 23;

    CPage15Ptz();
    ~CPage15Ptz() override;

    BOOL OnInitDialog() override;
    BOOL OnKillActive() override;
    void ReleaseChildDialogs() override;
    // The main frame moved: the preview's PTZ bars follow.
    void OnMainFrameMove();

    const CFG_PRESET_TABLE& Presets() const { return m_Presets; }
    const CFG_AUX_TABLE& Aux() const { return m_Aux; }
    int CurrentPreset() const { return m_nPreset; }
    quenby::CBriselViewer* Viewer() const { return m_pViewer.get(); }

protected:
    void DoDataExchange(CDataExchange* pDX) override;
    void ReadSettings() override;
    ConfigResult WriteGroup(int group) override;
    void BeforeSessionEnd() override;

    bool IsRecorder() const;
    void ShowCamera(int camera);
    void FillGrid();
    void SelectPreset(int preset);
    void PresetAction(const ConfigSet<CFG_PTZ_PRESET>& block, int previewPreset);
    void StopLive();

    void OnCameraSelChange();
    void OnGridBeginEdit(NMHDR* pNMHDR, LRESULT* pResult);
    void OnNameChange();
    void OnSetPreset();
    void OnClearPreset();
    void OnAuxSetup();
    void OnMove(int x, int y);

    CListBox m_lbCameras;
    CGridCtrl m_Grid;
    CImageList m_ImageList;
    CVideoPreviewWnd m_wndPreview;
    std::unique_ptr<quenby::CBriselViewer> m_pViewer;
    CFG_PRESET_TABLE m_Presets {};
    CFG_AUX_TABLE m_Aux {};
    BOOL m_bPresetsRead = FALSE;
    BOOL m_bAuxRead = FALSE;
    int m_nCameraCount = 0;
    int m_nCamera = 0;
    int m_nPreset = 0;
    bool m_bFilling = false;

    DECLARE_MESSAGE_MAP()
};
