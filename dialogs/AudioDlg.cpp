#include "dialogs/AudioDlg.h"

#include "controls/ControlPlacement.h"
#include "dialogs/SliderThumb.h"
#include "dialogs/SyncChannels.h"
#include "platform/ui/DataExchange.h"

#include <cstring>

namespace
{

constexpr ControlPlace kPlaces[] = {
    { IDC_AUDIO_GAIN_GROUP, 0, 0, 483, 76 },
    { IDC_AUDIO_20DB, 12, 20, 100, 20 },
    { IDC_AUDIO_RECORDING, 12, 46, 100, 20 },
    { IDC_AUDIO_CHANNEL_LABEL, 130, 22, 105, 16 },
    { IDC_AUDIO_CHANNEL, 240, 18, 80, 20 },
    { IDC_AUDIO_GAIN_LABEL, 130, 50, 105, 16 },
    { IDC_AUDIO_GAIN, 240, 48, 190, 20 },
    { IDC_AUDIO_GAIN_VALUE, 438, 50, 30, 16 },
};

} // namespace

BEGIN_MESSAGE_MAP(CAudioDlg, CPagePane)
ON_BN_CLICKED(IDC_AUDIO_20DB, OnEdited)
ON_BN_CLICKED(IDC_AUDIO_RECORDING, OnEdited)
ON_CBN_SELCHANGE(IDC_AUDIO_CHANNEL, OnEdited)
ON_NOTIFY(NM_CUSTOMDRAW, IDC_AUDIO_GAIN, OnGainDraw)
END_MESSAGE_MAP()

CAudioDlg::CAudioDlg(CWnd* pPage)
    : CPagePane(IDD_AUDIO, pPage)
{
}

void CAudioDlg::DoDataExchange(CDataExchange* pDX)
{
    CPagePane::DoDataExchange(pDX);
    DDX_Check(pDX, IDC_AUDIO_20DB, m_bPlus20dB);
    DDX_Check(pDX, IDC_AUDIO_RECORDING, m_bRecording);
    DDX_CBIndex(pDX, IDC_AUDIO_CHANNEL, m_nSyncChannel);
}

BOOL CAudioDlg::OnInitDialog()
{
    m_bShowing = true;
    CPagePane::OnInitDialog();
    PlaceControls(this, kPlaces);
    SendDlgItemMessage(IDC_AUDIO_GAIN, TBM_SETRANGEMIN, FALSE, 0);
    SendDlgItemMessage(IDC_AUDIO_GAIN, TBM_SETRANGEMAX, TRUE, kHighestGain);
    SetDlgItemText(IDC_AUDIO_GAIN_VALUE, "0");
    m_bShowing = false;
    return TRUE;
}

void CAudioDlg::FillSyncChannels(int count)
{
    FillSyncChannelList(static_cast<CComboBox*>(GetDlgItem(IDC_AUDIO_CHANNEL)), count);
}

void CAudioDlg::ShowGain(int position)
{
    CString text;
    text.Format("%d", position - kGainShift);
    SetDlgItemText(IDC_AUDIO_GAIN_VALUE, text);
}

void CAudioDlg::SetAudio(tagAudioSetting s)
{
    m_bPlus20dB = (s.byFlags & AUDIO_PLUS_20DB) ? 1 : 0;
    m_bRecording = (s.byFlags & AUDIO_RECORDING) ? 1 : 0;
    m_nSyncChannel = (s.byFlags & AUDIO_SYNC) ? s.bySyncChannel + 1 : 0;
    m_bShowing = true;
    m_nLastGain = s.byGain;
    SendDlgItemMessage(IDC_AUDIO_GAIN, TBM_SETPOS, TRUE, s.byGain);
    ShowGain(s.byGain);
    UpdateData(FALSE);
    m_bShowing = false;
}

void CAudioDlg::GetAudio(tagAudioSetting* pOut)
{
    if (!pOut)
        return;
    UpdateData(TRUE);
    std::memset(pOut->byReserved, 0, sizeof pOut->byReserved);
    const bool sync = m_nSyncChannel > 0;
    pOut->byFlags = uint8_t(
        (m_bPlus20dB ? AUDIO_PLUS_20DB : 0) | (sync ? AUDIO_SYNC : 0) | (m_bRecording ? AUDIO_RECORDING : 0));
    pOut->byGain = uint8_t(SendDlgItemMessage(IDC_AUDIO_GAIN, TBM_GETPOS));
    pOut->bySyncChannel = sync ? uint8_t(m_nSyncChannel - 1) : SYNC_ALL;
}

void CAudioDlg::OnEdited()
{
    NotifyPage();
}

void CAudioDlg::OnGainDraw(NMHDR* pNMHDR, LRESULT* pResult)
{
    const int position = ThumbDrawnAt(this, pNMHDR, pResult);
    if (position < 0 || m_bShowing || position == m_nLastGain)
        return;
    m_nLastGain = position;
    ShowGain(position);
    NotifyPage();
}
