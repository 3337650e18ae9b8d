// The disk manager tab of a recorder variant: the recording mode, the fill
// level at which the recorder warns that its disk is full, and how many days
// back playback is blocked.
#pragma once

#include "link/DiskBlocks.h"
#include "pages/ConfigPage.h"

class CPage10HddDvrSorvak : public CConfigPage
{
public:
    CPage10HddDvrSorvak();

    BOOL OnInitDialog() override;

    // Its two groups, each written on every apply once read.
    enum { GROUP_BLOCK_PLAYBACK, GROUP_DISK, GROUP_COUNT };

    int m_nRecordingMode = -1;
    int m_nDiskFullWarning = 0; // percent
    int m_nBlockPlayback = -1;

protected:
    void DoDataExchange(CDataExchange* pDX) override;
    void ReadSettings() override;
    ConfigResult WriteGroup(int group) override;

    void OnBlockPlaybackChange();
    void OnDiskChange();
    DECLARE_MESSAGE_MAP()
};
