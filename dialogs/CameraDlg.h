// The analogue camera pane of the recorder's camera page: video standard
// (shown only), colour mode, 75-ohm termination, the PTZ port and address,
// and the PTZ home return with its idle time. It edits the page's record of
// the shown camera in place and tells the page of every edit.
#pragma once

#include "dialogs/PagePane.h"
#include "link/CameraBlocks.h"
#include "platform/ui/Controls.h"

class CCameraDlg : public CPagePane
{
public:
    static constexpr int kMinIdle = 5;
    static constexpr int kMaxIdle = 60;
    static constexpr int kIdleStep = 5;

    explicit CCameraDlg(CWnd* pPage);

    // Keeps the record (null: none) and shows it.
    void SetCamera(CFG_CAMERA* pCamera);
    // "None", then one row per serial port after the first.
    void FillPtzPorts(int nPortCount);

    int m_nColor = 0;
    int m_b75Ohm = 0;
    int m_nPtzPort = 0;
    UINT m_nAddress = 0;
    int m_bPtzHome = 0;
    int m_nIdleTime = kMinIdle;
    int m_bVideoLoss = 0;

protected:
    void DoDataExchange(CDataExchange* pDX) override;
    BOOL OnInitDialog() override;
    void OnColorChange();
    void OnPtzPortChange();
    void OnAddressChange();
    void On75OhmClicked();
    void OnPtzHomeClicked();
    void OnVideoLossClicked();
    void OnIdleTimeChange();
    void OnIdleSpin(NMHDR* pNMHDR, LRESULT* pResult);
    void SetFlag(uint16_t flag, int on);
    void StoreIdleTime(int idle);

    CFG_CAMERA* m_pCamera = nullptr;
    bool m_bFilling = false; // the pane writes its own controls

    DECLARE_MESSAGE_MAP()
};
