#include "dialogs/AudioGainDlg.h"

#include "controls/ControlPlacement.h"
#include "dialogs/SliderThumb.h"
#include "platform/ui/DataExchange.h"

#include <algorithm>
#include <cstring>

namespace
{

constexpr ControlPlace kPlaces[] = {
    { IDC_AUDIO_GAIN_GROUP, 0, 0, 83, 400 },
    { IDC_AUDIO_INPUTS, 8, 18, 65, 369 },
    { IDC_AUDIO_MONITORING, 107, 13, 105, 16 },
    { IDC_AUDIO_RECORDING, 107, 41, 105, 16 },
    { IDC_AUDIO_GAIN_LABEL, 110, 72, 86, 13 },
    { IDC_AUDIO_GAIN, 203, 72, 108, 16 },
    { IDC_AUDIO_GAIN_VALUE, 317, 72, 20, 13 },
    { IDC_AUDIO_CHANNEL_LABEL, 110, 104, 86, 13 },
    { IDC_AUDIO_CHANNEL, 203, 101, 83, 21 },
};

} // namespace

BEGIN_MESSAGE_MAP(CAudioGainDlg, CPagePane)
ON_LBN_SELCHANGE(IDC_AUDIO_INPUTS, OnInputChange)
ON_BN_CLICKED(IDC_AUDIO_RECORDING, OnEdited)
ON_BN_CLICKED(IDC_AUDIO_MONITORING, OnEdited)
ON_CBN_SELCHANGE(IDC_AUDIO_CHANNEL, OnEdited)
ON_NOTIFY(NM_CUSTOMDRAW, IDC_AUDIO_GAIN, OnGainDraw)
END_MESSAGE_MAP()

CAudioGainDlg::CAudioGainDlg(CWnd* pParent)
    : CPagePane(IDD_AUDIO_GAIN, pParent)
{
}

void CAudioGainDlg::DoDataExchange(CDataExchange* pDX)
{
    CPagePane::DoDataExchange(pDX);
    DDX_Control(pDX, IDC_AUDIO_CHANNEL, m_cbChannel);
    DDX_Control(pDX, IDC_AUDIO_GAIN, m_Gain);
    DDX_Control(pDX, IDC_AUDIO_INPUTS, m_lbInputs);
    DDX_Check(pDX, IDC_AUDIO_RECORDING, m_bRecording);
    DDX_Check(pDX, IDC_AUDIO_MONITORING, m_bMonitoring);
}

BOOL CAudioGainDlg::OnInitDialog()
{
    m_bShowing = true;
    CPagePane::OnInitDialog();
    PlaceControls(this, kPlaces);
    m_Gain.SetRange(0, kHighestGain);
    SetDlgItemInt(IDC_AUDIO_GAIN_VALUE, 0);
    m_bShowing = false;
    return TRUE;
}

void CAudioGainDlg::SetAudioInputs(int count, const unsigned char* records)
{
    std::memset(m_Inputs, 0, sizeof m_Inputs);
    m_nInputCount = records ? std::clamp(count, 0, kMaxInputs) : 0;
    if (m_nInputCount)
        std::memcpy(m_Inputs, records, size_t(m_nInputCount) * AUDIO_INPUT_SIZE);
    std::memcpy(m_Given, m_Inputs, sizeof m_Given);
    m_lbInputs.ResetContent();
    for (int i = 1; i <= m_nInputCount; ++i) {
        CString name;
        name.Format("Audio %d", i);
        m_lbInputs.AddString(name);
    }
    m_lbInputs.SetCurSel(0);
    m_cbChannel.ResetContent();
    for (int c = 1; c <= kChannels; ++c) {
        CString name;
        name.Format("CH%d", c);
        m_cbChannel.AddString(name);
    }
    m_nCurrent = 0;
    ShowInput();
}

void CAudioGainDlg::ShowInput()
{
    if (m_nCurrent < 0 || m_nCurrent >= m_nInputCount)
        return;
    const uint8_t* input = &m_Inputs[m_nCurrent * AUDIO_INPUT_SIZE];
    m_bShowing = true;
    m_bRecording = (input[3] & AUDIO_INPUT_RECORDING) ? 1 : 0;
    m_bMonitoring = (input[3] & AUDIO_INPUT_MONITORING) ? 1 : 0;
    m_Gain.SetPos(input[4]);
    // A gain beyond the slider shows at its end.
    m_nGain = m_Gain.GetPos();
    SetDlgItemInt(IDC_AUDIO_GAIN_VALUE, UINT(m_nGain));
    m_cbChannel.SetCurSel(input[5] < kChannels ? input[5] : -1);
    UpdateData(FALSE);
    m_bShowing = false;
}

void CAudioGainDlg::StoreInput()
{
    if (m_nCurrent < 0 || m_nCurrent >= m_nInputCount || !GetSafeHwnd())
        return;
    UpdateData(TRUE);
    uint8_t* input = &m_Inputs[m_nCurrent * AUDIO_INPUT_SIZE];
    input[2] = 0;
    input[3]
        = uint8_t((m_bRecording ? AUDIO_INPUT_RECORDING : 0) | (m_bMonitoring ? AUDIO_INPUT_MONITORING : 0));
    input[4] = uint8_t(m_Gain.GetPos());
    // A channel the list lacks stays the device's.
    const int channel = m_cbChannel.GetCurSel();
    if (channel >= 0)
        input[5] = uint8_t(channel);
}

BOOL CAudioGainDlg::GetAudioInputs(int* pCount, unsigned char* records)
{
    StoreInput();
    const size_t size = size_t(m_nInputCount) * AUDIO_INPUT_SIZE;
    if (pCount)
        *pCount = m_nInputCount;
    if (records)
        std::memcpy(records, m_Inputs, size);
    const BOOL changed = std::memcmp(m_Given, m_Inputs, size) != 0;
    std::memcpy(m_Given, m_Inputs, sizeof m_Given);
    return changed;
}

void CAudioGainDlg::OnInputChange()
{
    StoreInput();
    m_nCurrent = m_lbInputs.GetCurSel();
    ShowInput();
}

void CAudioGainDlg::OnEdited()
{
    NotifyPage();
}

void CAudioGainDlg::OnGainDraw(NMHDR* pNMHDR, LRESULT* pResult)
{
    const int position = ThumbDrawnAt(this, pNMHDR, pResult);
    if (position < 0 || m_bShowing || position == m_nGain)
        return;
    m_nGain = position;
    SetDlgItemInt(IDC_AUDIO_GAIN_VALUE, UINT(position));
    NotifyPage();
}
