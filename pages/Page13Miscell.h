// Two switches of a recorder: whether network cameras may be used as
// channels (kept hidden, written back as read) and "No Video Recording"
// (from firmware 1.3.3). Each is a miscellaneous item of its own; an item
// that was neither read nor changed is never written.
#pragma once

#include "pages/ConfigPage.h"

class CPage13Miscell : public CConfigPage
{
public:
    enum Group { GROUP_NETWORK_CAMERAS, GROUP_NO_VIDEO_RECORDING, GROUP_COUNT };

    CPage13Miscell();

    BOOL OnInitDialog() override;

    int m_bNetworkCameras = 0; // "IPCam enable"
    int m_bNoVideoRecording = 0;

protected:
    void DoDataExchange(CDataExchange* pDX) override;
    void ReadSettings() override;
    ConfigResult WriteGroup(int group) override;
    void OnNetworkCamerasClicked();
    void OnNoVideoRecordingClicked();

    BOOL m_bNetworkChannels = FALSE; // the recorder has network channels

    DECLARE_MESSAGE_MAP()
};
