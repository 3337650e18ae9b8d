// The audio pane of the recorders' device page: "+ 20dB", recording, the
// channel the audio goes with and the gain (shown as -7 to 8). Every edit
// marks the page modified.
#pragma once

#include "dialogs/AudioTextSettings.h"
#include "dialogs/PagePane.h"
#include "platform/ui/Controls.h"

constexpr uint8_t AUDIO_PLUS_20DB = 0x80;
constexpr uint8_t AUDIO_SYNC = 0x40;
constexpr uint8_t AUDIO_RECORDING = 0x20;

class CAudioDlg : public CPagePane
{
public:
    static constexpr int kHighestGain = 15;
    // The gain shown is the slider's position less this.
    static constexpr int kGainShift = 7;

    explicit CAudioDlg(CWnd* pPage = nullptr);

    // "All", then "CH1" to "CH<count>".
    void FillSyncChannels(int count);
    void SetAudio(tagAudioSetting setting);
    void GetAudio(tagAudioSetting* pOut);

protected:
    void DoDataExchange(CDataExchange* pDX) override;
    BOOL OnInitDialog() override;
    void ShowGain(int position);
    void OnEdited();
    void OnGainDraw(NMHDR* pNMHDR, LRESULT* pResult);

    int m_bPlus20dB = 0;
    int m_bRecording = 0;
    int m_nSyncChannel = 0;
    int m_nLastGain = 0;
    bool m_bShowing = false; // the pane moves its own slider

    DECLARE_MESSAGE_MAP()
};
