#include "dialogs/ContentDlg.h"

#include "dialogs/ContentTables.h"
#include "platform/ui/Controls.h"
#include "platform/ui/DataExchange.h"
#include "platform/ui/SpinButtonCtrl.h"

#include <algorithm>
#include <cstring>
#include <iterator>

namespace
{

constexpr UINT_PTR kAudioNoticeTimer = 200;
constexpr UINT kAudioNoticeMs = 500;
constexpr int kNameRoom = 126, kVideoTypeRoom = 22;
constexpr char kVideoType[] = "MP4V-ES";
constexpr int kPresetPacketSize = 500, kPresetIntraPercent = 30, kPresetScene = 100;
constexpr char kNoPresetEntry[] = "PSTN";

struct Preset {
    int bitrate, minQ, maxQ, intraPeriod, resolution;
};
constexpr Preset kPresets[] = {
    { 40000, 10, 31, 10, 0 },
    { 80000, 5, 20, 5, 0 },
    { 150000, 2, 15, 5, 1 },
    { 225000, 2, 10, 5, 1 },
};

struct NumberField {
    int edit, spin, label;
    int low, high;
};
// The seven numbers in the order of their edits and spins.
constexpr NumberField kNumbers[] = {
    { IDC_CONTENT_BITRATE, IDC_CONTENT_BITRATE_SPIN, IDC_CONTENT_BITRATE_LABEL, 10000, 500000 },
    { IDC_CONTENT_PACKET_SIZE, IDC_CONTENT_PACKET_SIZE_SPIN, IDC_CONTENT_PACKET_SIZE_LABEL, 100, 64000 },
    { IDC_CONTENT_INTRA_PERCENT, IDC_CONTENT_INTRA_PERCENT_SPIN, IDC_CONTENT_INTRA_PERCENT_LABEL, 1, 99 },
    { IDC_CONTENT_MIN_Q, IDC_CONTENT_MIN_Q_SPIN, IDC_CONTENT_MIN_Q_LABEL, 2, 31 },
    { IDC_CONTENT_MAX_Q, IDC_CONTENT_MAX_Q_SPIN, IDC_CONTENT_MAX_Q_LABEL, 2, 31 },
    { IDC_CONTENT_INTRA_PERIOD, IDC_CONTENT_INTRA_PERIOD_SPIN, IDC_CONTENT_INTRA_PERIOD_LABEL, 0, 600 },
    { IDC_CONTENT_SCENE_THRESHOLD, IDC_CONTENT_SCENE_THRESHOLD_SPIN, IDC_CONTENT_SCENE_THRESHOLD_LABEL, 0,
        255 },
};
// The six advanced rows (all numbers but the bit rate) in a two-column grid.
constexpr int kGridLabelX[] = { 30, 215 };
constexpr int kGridEditX[] = { 120, 310 };
constexpr int kGridRowY[] = { 115, 140, 165 };
constexpr int kGridEdit = 55, kGridSpin = 15, kRowHeight = 20;

template <size_t N> void CopyText(char (&field)[N], const CString& text)
{
    std::memset(field, 0, N);
    std::memcpy(field, text.GetString(), std::min(size_t(text.GetLength()), N - 1));
}

template <size_t N> CString FieldText(const char (&field)[N])
{
    return CString(std::string(field, strnlen(field, N)).c_str());
}

} // namespace

BEGIN_MESSAGE_MAP(CContentDlg, CDialog)
ON_CBN_SELCHANGE(IDC_CONTENT_PRESET, OnPresetChange)
ON_CBN_SELCHANGE(IDC_CONTENT_RESOLUTION, OnResolutionChange)
ON_CBN_SELCHANGE(IDC_CONTENT_AUDIO_TYPE, OnAudioTypeChange)
ON_CBN_SELCHANGE(IDC_CONTENT_AMR_BITRATE, OnAmrRateChange)
ON_EN_CHANGE(IDC_CONTENT_NAME, OnNameChange)
ON_EN_CHANGE(IDC_CONTENT_VIDEO_TYPE, OnVideoTypeChange)
ON_EN_CHANGE(IDC_CONTENT_BITRATE, OnNumberChange)
ON_EN_CHANGE(IDC_CONTENT_PACKET_SIZE, OnNumberChange)
ON_EN_CHANGE(IDC_CONTENT_INTRA_PERCENT, OnNumberChange)
ON_EN_CHANGE(IDC_CONTENT_MIN_Q, OnNumberChange)
ON_EN_CHANGE(IDC_CONTENT_MAX_Q, OnNumberChange)
ON_EN_CHANGE(IDC_CONTENT_INTRA_PERIOD, OnNumberChange)
ON_EN_CHANGE(IDC_CONTENT_SCENE_THRESHOLD, OnNumberChange)
ON_NOTIFY(UDN_DELTAPOS, IDC_CONTENT_BITRATE_SPIN, OnSpin)
ON_NOTIFY(UDN_DELTAPOS, IDC_CONTENT_PACKET_SIZE_SPIN, OnSpin)
ON_NOTIFY(UDN_DELTAPOS, IDC_CONTENT_INTRA_PERCENT_SPIN, OnSpin)
ON_NOTIFY(UDN_DELTAPOS, IDC_CONTENT_MIN_Q_SPIN, OnSpin)
ON_NOTIFY(UDN_DELTAPOS, IDC_CONTENT_MAX_Q_SPIN, OnSpin)
ON_NOTIFY(UDN_DELTAPOS, IDC_CONTENT_INTRA_PERIOD_SPIN, OnSpin)
ON_NOTIFY(UDN_DELTAPOS, IDC_CONTENT_SCENE_THRESHOLD_SPIN, OnSpin)
ON_BN_CLICKED(IDC_CONTENT_ADVANCED, OnAdvanced)
ON_WM_TIMER()
END_MESSAGE_MAP()

CContentDlg::CContentDlg()
    : CDialog(IDD_CONTENT, nullptr)
{
}

void CContentDlg::DoDataExchange(CDataExchange* pDX)
{
    CDialog::DoDataExchange(pDX);
    DDX_Text(pDX, IDC_CONTENT_NAME, m_strName);
    DDV_MaxChars(pDX, m_strName, kNameRoom);
    DDX_Text(pDX, IDC_CONTENT_VIDEO_TYPE, m_strVideoType);
    DDV_MaxChars(pDX, m_strVideoType, kVideoTypeRoom);
    DDX_Text(pDX, IDC_CONTENT_BITRATE, m_nBitrate);
    DDX_Text(pDX, IDC_CONTENT_PACKET_SIZE, m_nPacketSize);
    DDX_Text(pDX, IDC_CONTENT_INTRA_PERCENT, m_nIntraPercent);
    DDX_Text(pDX, IDC_CONTENT_MIN_Q, m_nMinQ);
    DDX_Text(pDX, IDC_CONTENT_MAX_Q, m_nMaxQ);
    DDX_Text(pDX, IDC_CONTENT_INTRA_PERIOD, m_nIntraPeriod);
    DDX_Text(pDX, IDC_CONTENT_SCENE_THRESHOLD, m_nSceneThreshold);
}

int CContentDlg::Selection(int nID) const
{
    return int(SendDlgItemMessage(nID, CB_GETCURSEL));
}

BOOL CContentDlg::OnInitDialog()
{
    CDialog::OnInitDialog();
    auto fill = [this](int id, std::span<const char* const> items) {
        if (auto* combo = static_cast<CComboBox*>(GetDlgItem(id)))
            for (const char* item : items)
                combo->AddString(item);
    };
    static constexpr const char* kPresetNames[] = { "ISDN ", "LAN1", "LAN2/ADSL ", "Custom", kNoPresetEntry };
    static constexpr const char* kAudioNames[] = { "None", "AAC", "AMR" };
    fill(IDC_CONTENT_PRESET, kPresetNames);
    fill(IDC_CONTENT_AUDIO_TYPE, kAudioNames);
    fill(IDC_CONTENT_AMR_BITRATE, kAmrBitrateTexts);
    fill(IDC_CONTENT_RESOLUTION, kContentResolutions);
    if (CWnd* ok = GetDlgItem(IDOK))
        ok->EnableWindow(FALSE);

    for (const NumberField& n : kNumbers) {
        if (auto* spin = static_cast<CSpinButtonCtrl*>(GetDlgItem(n.spin))) {
            spin->SetBuddy(GetDlgItem(n.edit));
            spin->SetRange32(n.low, n.high);
        }
    }
    if (auto* spin = static_cast<CSpinButtonCtrl*>(GetDlgItem(IDC_CONTENT_BITRATE_SPIN))) {
        UDACCEL accel { 0, 1000 };
        spin->SetAccel(1, &accel);
    }
    LoadContent();
    SetWindowText(LoadText(m_bAdd ? IDS_ADD_CONTENT : IDS_EDIT_CONTENT));
    m_bAdvanced = 0;
    ShowView();
    m_bInitialising = 0;
    if (m_nMode == 0 && !m_bAdd
        && FindContentName(kContentAudioTypes, m_Content.szText) != CONTENT_AUDIO_NONE)
        m_nTimer = SetTimer(kAudioNoticeTimer, kAudioNoticeMs);
    return TRUE;
}

void CContentDlg::LoadContent()
{
    if (m_bAdd) {
        m_strName.Empty();
        m_strVideoType = kVideoType;
        m_nBitrate = 47000;
        m_nMinQ = 10;
        m_nMaxQ = 31;
        m_nPacketSize = kPresetPacketSize;
        m_nIntraPercent = kPresetIntraPercent;
        m_nIntraPeriod = 10;
        m_nSceneThreshold = kPresetScene;
        m_Content.byFlag = 0;
        UpdateData(FALSE);
        SendDlgItemMessage(IDC_CONTENT_AUDIO_TYPE, CB_SETCURSEL, CONTENT_AUDIO_AMR);
        SendDlgItemMessage(IDC_CONTENT_AMR_BITRATE, CB_SETCURSEL, 0);
        if (CWnd* amr = GetDlgItem(IDC_CONTENT_AMR_BITRATE))
            amr->EnableWindow(FALSE);
        SendDlgItemMessage(IDC_CONTENT_PRESET, CB_SETCURSEL, 0);
        SendDlgItemMessage(IDC_CONTENT_RESOLUTION, CB_SETCURSEL, 0);
        m_nPreset = 0;
        return;
    }
    m_strName = FieldText(m_Content.szUrl);
    m_strVideoType = FieldText(m_Content.szName);
    m_nBitrate = int(m_Content.dwValue2);
    m_nPacketSize = int(m_Content.dwValues[CONTENT_PACKET_SIZE]);
    m_nIntraPercent = int(m_Content.dwValues[CONTENT_INTRA_PERCENT]);
    m_nMinQ = int(m_Content.dwValues[CONTENT_MIN_Q]);
    m_nMaxQ = int(m_Content.dwValues[CONTENT_MAX_Q]);
    m_nIntraPeriod = int(m_Content.dwValues[CONTENT_INTRA_PERIOD]);
    m_nSceneThreshold = int(m_Content.dwValues[CONTENT_SCENE_THRESHOLD]);
    // A text in no table leaves its list without a selection (and the
    // record keeps the text).
    const int audio = FindContentName(kContentAudioTypes, m_Content.szText);
    SendDlgItemMessage(IDC_CONTENT_AUDIO_TYPE, CB_SETCURSEL, WPARAM(audio));
    const int amr = audio > CONTENT_AUDIO_NONE
        ? std::max(FindContentRate(kAmrBitrates, int(m_Content.dwValues[CONTENT_AUDIO_BITRATE])), 0)
        : 0;
    SendDlgItemMessage(IDC_CONTENT_AMR_BITRATE, CB_SETCURSEL, WPARAM(amr));
    if (CWnd* amrList = GetDlgItem(IDC_CONTENT_AMR_BITRATE))
        amrList->EnableWindow(audio > CONTENT_AUDIO_NONE);
    SendDlgItemMessage(IDC_CONTENT_RESOLUTION, CB_SETCURSEL,
        WPARAM(FindContentName(kContentResolutions, m_Content.szCodec)));
    UpdateData(FALSE);
    MatchPreset();
}

void CContentDlg::MatchPreset()
{
    // The edits as they stand, without the exchange's messages.
    auto number = [this](int id) { return int(GetDlgItemInt(id, nullptr, TRUE)); };
    CString videoType;
    GetDlgItemText(IDC_CONTENT_VIDEO_TYPE, videoType);
    const int resolution = Selection(IDC_CONTENT_RESOLUTION);
    int match = PRESET_NONE;
    if (videoType == kVideoType && number(IDC_CONTENT_PACKET_SIZE) == kPresetPacketSize
        && number(IDC_CONTENT_INTRA_PERCENT) == kPresetIntraPercent
        && number(IDC_CONTENT_SCENE_THRESHOLD) == kPresetScene
        && Selection(IDC_CONTENT_AUDIO_TYPE) == CONTENT_AUDIO_AAC) {
        for (int i = 0; i < PRESET_COUNT; ++i) {
            const Preset& p = kPresets[i];
            if (number(IDC_CONTENT_BITRATE) == p.bitrate && number(IDC_CONTENT_MIN_Q) == p.minQ
                && number(IDC_CONTENT_MAX_Q) == p.maxQ && number(IDC_CONTENT_INTRA_PERIOD) == p.intraPeriod
                && resolution == p.resolution) {
                match = i;
                break;
            }
        }
    }
    SendDlgItemMessage(IDC_CONTENT_PRESET, CB_SETCURSEL, WPARAM(match));
    m_nPreset = match;
}

void CContentDlg::EnableOk()
{
    if (m_bInitialising)
        return;
    if (CWnd* ok = GetDlgItem(IDOK))
        ok->EnableWindow(TRUE);
}

void CContentDlg::OnPresetChange()
{
    const int entry = Selection(IDC_CONTENT_PRESET);
    const int resolution = Selection(IDC_CONTENT_RESOLUTION);
    if (entry < 0 || entry > PRESET_NONE)
        return;
    if (entry < PRESET_COUNT) {
        const Preset& p = kPresets[entry];
        if (m_nMode != 2 && resolution != p.resolution
            && AfxMessageBox(IDS_RESOLUTION_FOR_ALL, MB_YESNO) != IDYES) {
            SendDlgItemMessage(IDC_CONTENT_PRESET, CB_SETCURSEL, WPARAM(m_nPreset));
            return;
        }
        ++m_bInitialising; // the preset's own writes are one edit
        m_strVideoType = kVideoType;
        m_nBitrate = p.bitrate;
        m_nMinQ = p.minQ;
        m_nMaxQ = p.maxQ;
        m_nIntraPeriod = p.intraPeriod;
        m_nPacketSize = kPresetPacketSize;
        m_nIntraPercent = kPresetIntraPercent;
        m_nSceneThreshold = kPresetScene;
        CString name;
        GetDlgItemText(IDC_CONTENT_NAME, name);
        m_strName = name;
        UpdateData(FALSE);
        SendDlgItemMessage(IDC_CONTENT_AUDIO_TYPE, CB_SETCURSEL, CONTENT_AUDIO_AAC);
        if (CWnd* amr = GetDlgItem(IDC_CONTENT_AMR_BITRATE))
            amr->EnableWindow(TRUE);
        SendDlgItemMessage(IDC_CONTENT_RESOLUTION, CB_SETCURSEL, WPARAM(p.resolution));
        SendDlgItemMessage(IDC_CONTENT_PRESET, CB_SETCURSEL, WPARAM(entry));
        --m_bInitialising;
    }
    m_nPreset = entry;
    EnableOk();
}

void CContentDlg::OnResolutionChange()
{
    if (m_nMode != 2 && !m_bInitialising && AfxMessageBox(IDS_RESOLUTION_FOR_ALL, MB_YESNO) != IDYES) {
        SendDlgItemMessage(IDC_CONTENT_RESOLUTION, CB_SETCURSEL,
            WPARAM(FindContentName(kContentResolutions, m_Content.szCodec)));
        return;
    }
    MatchPreset();
    EnableOk();
}

void CContentDlg::OnAudioTypeChange()
{
    if (CWnd* amr = GetDlgItem(IDC_CONTENT_AMR_BITRATE))
        amr->EnableWindow(Selection(IDC_CONTENT_AUDIO_TYPE) > CONTENT_AUDIO_NONE);
    MatchPreset();
    EnableOk();
}

void CContentDlg::OnNameChange()
{
    EnableOk();
}

void CContentDlg::OnAmrRateChange()
{
    EnableOk();
}

void CContentDlg::OnNumberChange()
{
    if (m_bInitialising)
        return;
    MatchPreset();
    EnableOk();
}

void CContentDlg::OnVideoTypeChange()
{
    EnableOk();
}

void CContentDlg::OnSpin(NMHDR*, LRESULT* pResult)
{
    EnableOk();
    *pResult = 0;
}

void CContentDlg::OnTimer(UINT_PTR nIDEvent)
{
    if (nIDEvent != kAudioNoticeTimer)
        return;
    KillTimer(kAudioNoticeTimer);
    m_nTimer = 0;
    if (m_nMode == 0)
        AfxMessageBox(IDS_AUDIO_NOT_SUPPORTED);
}

void CContentDlg::OnAdvanced()
{
    m_bAdvanced = !m_bAdvanced;
    ShowView();
}

void CContentDlg::ShowView()
{
    const bool advanced = m_bAdvanced != 0;
    CRect rc;
    GetWindowRect(&rc);
    SetWindowPos(nullptr, rc.left, rc.top, 430, advanced ? 365 : 285, SWP_NOZORDER | SWP_NOMOVE);
    for (size_t i = 1; i < std::size(kNumbers); ++i) {
        const NumberField& n = kNumbers[i];
        const int column = int((i - 1) % 2), row = int((i - 1) / 2);
        const int y = kGridRowY[row];
        if (CWnd* label = GetDlgItem(n.label)) {
            label->MoveWindow(kGridLabelX[column], y + 3, kGridEditX[column] - kGridLabelX[column] - 5, 15);
            label->ShowWindow(advanced ? SW_SHOW : SW_HIDE);
        }
        if (CWnd* edit = GetDlgItem(n.edit)) {
            edit->MoveWindow(kGridEditX[column], y, kGridEdit, kRowHeight);
            edit->ShowWindow(advanced ? SW_SHOW : SW_HIDE);
        }
        if (CWnd* spin = GetDlgItem(n.spin)) {
            spin->MoveWindow(kGridEditX[column] + kGridEdit, y, kGridSpin, kRowHeight);
            spin->ShowWindow(advanced ? SW_SHOW : SW_HIDE);
        }
    }
    if (advanced)
        SetDlgItemText(IDC_CONTENT_SCENE_THRESHOLD_LABEL, LoadText(IDS_SCENE_THR_LABEL));
    if (CWnd* group = GetDlgItem(IDC_CONTENT_VIDEO_GROUP))
        group->MoveWindow(15, 45, 395, advanced ? 160 : 85);
    SetDlgItemText(IDC_CONTENT_ADVANCED, LoadText(advanced ? IDS_CONTENT_SIMPLE : IDS_CONTENT_ADVANCED));
    const int audioY = advanced ? 235 : 160;
    if (CWnd* group = GetDlgItem(IDC_CONTENT_AUDIO_GROUP))
        group->MoveWindow(15, audioY, 395, 55);
    if (CWnd* label = GetDlgItem(IDC_CONTENT_AUDIO_TYPE_LABEL))
        label->MoveWindow(30, audioY + 23, 85, 15);
    if (CWnd* combo = GetDlgItem(IDC_CONTENT_AUDIO_TYPE))
        combo->MoveWindow(120, audioY + 20, 120, 100);
    const int buttonY = advanced ? 300 : 225;
    if (CWnd* ok = GetDlgItem(IDOK))
        ok->MoveWindow(100, buttonY, 100, 25);
    if (CWnd* cancel = GetDlgItem(IDCANCEL))
        cancel->MoveWindow(230, buttonY, 100, 25);
    if (CWnd* audio = GetDlgItem(IDC_CONTENT_AUDIO_TYPE))
        audio->EnableWindow(m_nMode != 0);
}

void CContentDlg::FocusEdit(int nID)
{
    if (auto* edit = static_cast<CEdit*>(GetDlgItem(nID))) {
        GotoDlgCtrl(edit);
        edit->SetSel(0, -1);
    }
}

bool CContentDlg::CheckRange(int nID, int& value, int low, int high, UINT nMessage)
{
    if (value >= low && value <= high)
        return true;
    FocusEdit(nID);
    AfxMessageBox(nMessage);
    value = std::clamp(value, low, high);
    SetDlgItemInt(nID, UINT(value), TRUE);
    return false;
}

void CContentDlg::OnOK()
{
    if (!UpdateData(TRUE))
        return;
    CopyText(m_Content.szUrl, m_strName);
    if (m_strName.IsEmpty()) {
        FocusEdit(IDC_CONTENT_NAME);
        AfxMessageBox(IDS_CONTENT_NAME_INVALID);
        return;
    }
    if (m_strName.Find('.') >= 0) {
        FocusEdit(IDC_CONTENT_NAME);
        AfxMessageBox(IDS_CONTENT_NAME_DOT);
        return;
    }
    if (!CheckRange(IDC_CONTENT_BITRATE, m_nBitrate, 10000, 500000, IDS_VIDEO_BITRATE_INVALID)
        || !CheckRange(IDC_CONTENT_PACKET_SIZE, m_nPacketSize, 100, 64000, IDS_PACKET_SIZE_INVALID)
        || !CheckRange(IDC_CONTENT_INTRA_PERCENT, m_nIntraPercent, 1, 99, IDS_INTRA_PERCENT_INVALID)
        || !CheckRange(IDC_CONTENT_MIN_Q, m_nMinQ, 2, 31, IDS_MIN_Q_INVALID)
        || !CheckRange(IDC_CONTENT_MAX_Q, m_nMaxQ, 2, 31, IDS_MAX_Q_INVALID))
        return;
    if (m_nMinQ >= m_nMaxQ) {
        FocusEdit(IDC_CONTENT_MAX_Q);
        AfxMessageBox(IDS_MAX_Q_BELOW_MIN_Q);
        return;
    }
    if (!CheckRange(IDC_CONTENT_INTRA_PERIOD, m_nIntraPeriod, 0, 600, IDS_INTRA_PERIOD_INVALID)
        || !CheckRange(IDC_CONTENT_SCENE_THRESHOLD, m_nSceneThreshold, 1, 255, IDS_SCENE_THRESHOLD_INVALID))
        return;
    if (m_pOwnerPage && m_pOwnerPage->IsContentNameUsed(m_strName)) {
        FocusEdit(IDC_CONTENT_NAME);
        AfxMessageBox(IDS_NAME_USED);
        return;
    }

    CopyText(m_Content.szName, m_strVideoType);
    m_Content.dwValue2 = uint32_t(m_nBitrate);
    m_Content.dwValues[CONTENT_PACKET_SIZE] = uint32_t(m_nPacketSize);
    m_Content.dwValues[CONTENT_INTRA_PERCENT] = uint32_t(m_nIntraPercent);
    m_Content.dwValues[CONTENT_MIN_Q] = uint32_t(m_nMinQ);
    m_Content.dwValues[CONTENT_MAX_Q] = uint32_t(m_nMaxQ);
    m_Content.dwValues[CONTENT_INTRA_PERIOD] = uint32_t(m_nIntraPeriod);
    m_Content.dwValues[CONTENT_SCENE_THRESHOLD] = uint32_t(m_nSceneThreshold);
    // A list without a selection keeps the text the content came with.
    const int audio = Selection(IDC_CONTENT_AUDIO_TYPE);
    if (audio >= 0 && audio < int(std::size(kContentAudioTypes))) {
        std::memset(m_Content.szText, 0, sizeof m_Content.szText);
        std::strcpy(m_Content.szText, kContentAudioTypes[audio]);
        const int rate
            = audio == CONTENT_AUDIO_NONE || !m_pOwnerPage ? 0 : m_pOwnerPage->PageAudioBitrate(audio);
        if (rate >= 0)
            m_Content.dwValues[CONTENT_AUDIO_BITRATE] = uint32_t(rate);
    }
    const int resolution = Selection(IDC_CONTENT_RESOLUTION);
    if (resolution >= 0 && resolution < int(std::size(kContentResolutions))) {
        std::memset(m_Content.szCodec, 0, sizeof m_Content.szCodec);
        std::strcpy(m_Content.szCodec, kContentResolutions[resolution]);
    }
    EndDialog(IDOK);
}
