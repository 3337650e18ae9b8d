// The "Screen Adjustment" tab of three-channel cameras: four video sources
// on three buttons and no audio gain. The page runs the camera stream
// itself and hands each frame to its preview for drawing.
#pragma once

#include "controls/PreviewStream.h"
#include "pages/common/ScreenAdjustPage.h"

class CPage6ScrAd2 : public CScreenAdjustPage
{
public:
    CPage6ScrAd2();
    ~CPage6ScrAd2() override;

    BOOL OnInitDialog() override;

    bool IsStreaming() const { return m_stream.IsRunning(); }

protected:
    void TakePorts(const CFG_PORT_PAIR& ports) override;
    void StartSourceVideo(int source) override;
    void StopSourceVideo() override;

    LRESULT OnStreamFrame(WPARAM wParam, LPARAM lParam);
    LRESULT OnStreamError(WPARAM wParam, LPARAM lParam);
    LRESULT OnStreamAck(WPARAM wParam, LPARAM lParam);
    DECLARE_MESSAGE_MAP()

private:
    void LayOut();

    CPreviewStream m_stream;
    DWORD m_nStreamPort = 0;
    char m_szAddress[24] = {};
};
