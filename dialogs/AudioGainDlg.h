// The audio pane of the other brand's recorder system page: its audio
// inputs in a list, and for the chosen one whether it is recorded and
// monitored, its gain and the video channel it belongs to. Switching the
// input keeps what was shown for the one before; every edit marks the page
// modified.
#pragma once

#include "dialogs/PagePane.h"
#include "platform/ui/Controls.h"

#include <cstdint>

// One audio input on the wire and in the pane (6 bytes): two bytes the
// pane carries, the flag word, the gain and the video channel.
constexpr int AUDIO_INPUT_SIZE = 6;
constexpr uint8_t AUDIO_INPUT_RECORDING = 0x20;
constexpr uint8_t AUDIO_INPUT_MONITORING = 0x10;

class CAudioGainDlg : public CPagePane
{
public:
    static constexpr int kMaxInputs = 4;
    static constexpr int kChannels = 4;
    static constexpr int kHighestGain = 9;

    explicit CAudioGainDlg(CWnd* pParent = nullptr);

    // `count` inputs of 6 bytes (at most 4 are kept); the first is shown.
    void SetAudioInputs(int count, const unsigned char* records);
    // Keeps what is shown for the current input, then gives every input
    // (room for kMaxInputs records); TRUE when they differ from what was
    // last given or taken, which they then become.
    BOOL GetAudioInputs(int* pCount, unsigned char* records);

protected:
    void DoDataExchange(CDataExchange* pDX) override;
    BOOL OnInitDialog() override;
    void ShowInput();
    void StoreInput();
    void OnInputChange();
    void OnEdited();
    void OnGainDraw(NMHDR* pNMHDR, LRESULT* pResult);

    int m_nInputCount = 0;
    CComboBox m_cbChannel;
    CSliderCtrl m_Gain;
    CListBox m_lbInputs;
    int m_bRecording = 0;
    int m_nGain = 0;
    int m_bMonitoring = 0;
    int m_nCurrent = 0;
    uint8_t m_Inputs[kMaxInputs * AUDIO_INPUT_SIZE + 4] = {};
    uint8_t m_Given[kMaxInputs * AUDIO_INPUT_SIZE] = {};
    bool m_bShowing = false; // the pane moves its own slider

    DECLARE_MESSAGE_MAP()
};
