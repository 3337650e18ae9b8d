// The "Screen Adjustment" tab of cameras, video servers and the streaming
// server: brightness, contrast, hue, saturation, offset and gain per video
// source (and the streaming server's audio gain), each move shown at once
// on the live picture: the preview for cameras and video servers, the
// viewer client on port 8081 for the streaming server.
#pragma once

#include "controls/DoubleBufferWnd.h"
#include "pages/common/ScreenAdjustPage.h"

namespace tessaly
{
class CKelmothClient;
}

class CPage6ScrAd : public CScreenAdjustPage
{
public:
    CPage6ScrAd();
    ~CPage6ScrAd() override;

    BOOL OnInitDialog() override;

    CDoubleBufferWnd m_wndViewer;
    // The streaming server's viewer client while the page is shown, or null.
    tessaly::CKelmothClient* m_pViewerClient = nullptr;

protected:
    void TakePorts(const CFG_PORT_PAIR& ports) override;
    void StartSourceVideo(int source) override;
    void StopSourceVideo() override;
    void AfterActivation() override;
    void BeforeLeaving() override;

private:
    bool IsStreamServer() const;
    void LayOut();
    void ReadAudioGain();
    void PlayViewer();
    void EndViewer();
};
