// What the screen adjustment pages share on top of the screen-adjust core:
// the sliders and source buttons, the reads of an activation, the trial
// sets each slider move sends, Apply over the button slots, the restore of
// the kept values on Cancel or a declined leave, and the live preview. The
// pages supply where the video comes from.
#pragma once

#include "controls/VideoPreviewWnd.h"
#include "link/NetworkBlocks.h"
#include "pages/ConfigPage.h"
#include "pages/common/ScreenAdjust.h"

class CScreenAdjustPage : public CConfigPage
{
public:
    CScreenAdjustPage(UINT nIDTemplate, SheetSlot slot, const ScreenAdjustPolicy& policy);
    ~CScreenAdjustPage() override;

    BOOL OnInitDialog() override;
    BOOL OnKillActive() override;
    void OnButtonCancel();
    void OnButtonDefault();
    void OnButtonSource(UINT id);

    const CScreenAdjust& Screen() const { return m_screen; }
    bool IsVideoStarted() const { return m_bVideoStarted; }

    CVideoPreviewWnd m_wndPreview;

protected:
    void ReadSettings() override;
    void ShowSettings() override;
    ConfigResult WriteGroup(int group) override;
    void BeforeSessionEnd() override;

    // The ports the device reported (0x0A01).
    virtual void TakePorts(const CFG_PORT_PAIR& ports) = 0;
    // Live video of a source, and its end.
    virtual void StartSourceVideo(int source) = 0;
    virtual void StopSourceVideo() = 0;
    // After the selection and the sliders of an activation.
    virtual void AfterActivation() { }
    // First step of leaving the page.
    virtual void BeforeLeaving() { }

    // The slider rows of the camera layout, or the streaming server's.
    void PlaceSliders(bool serverRows);
    // The sources' buttons: enabled by the sources on, the selection checked.
    void ShowSourceButtons();
    void SetSliders();
    void SaveSliders();
    void ShowSource();
    void RestoreKept();
    void SendPictureTrial();
    void OnSliderDraw(UINT id, NMHDR* pNMHDR, LRESULT* pResult);
    void MarkModified();
    void CheckSourceButton(int slot, BOOL bCheck);

    CScreenAdjust m_screen;
    int m_nStreamingSource = SCREEN_NONE;
    bool m_bVideoStarted = false;
    bool m_bRestoring = false;

    DECLARE_MESSAGE_MAP()
};
