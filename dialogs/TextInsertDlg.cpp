#include "dialogs/TextInsertDlg.h"

#include "controls/ControlPlacement.h"
#include "dialogs/PaneNotify.h"
#include "dialogs/SyncChannels.h"
#include "platform/ui/DataExchange.h"

#include <algorithm>
#include <cstring>

namespace
{

constexpr int kMaxNumber = 65535;
constexpr int kHeaderLength = 64;
constexpr int kDelimiterLength = 9;

// The fields of finding a text, which only the first device uses.
constexpr int kFindingControls[] = { IDC_TEXT_SEEK_HEADER, IDC_TEXT_FIRST_HEADER, IDC_TEXT_SECOND_HEADER,
    IDC_TEXT_DELIMITER, IDC_TEXT_TIMEOUT, IDC_TEXT_LINES, IDC_TEXT_TIMEOUT_SPIN, IDC_TEXT_LINES_SPIN };

constexpr ControlPlace kPlaces[] = {
    { IDC_TEXT_RECORDING, 3, 2, 150, 20 },
    { IDC_TEXT_MONITORING, 3, 29, 150, 20 },
    { IDC_TEXT_SYNC_LABEL, 3, 59, 90, 16 },
    { IDC_TEXT_SYNC, 98, 55, 71, 20 },
    { IDC_TEXT_DEVICE_LABEL, 3, 89, 90, 16 },
    { IDC_TEXT_DEVICE, 99, 86, 155, 20 },
    { IDC_TEXT_SEEK_HEADER, 3, 115, 150, 20 },
    { IDC_TEXT_FIRST_HEADER_LABEL, 23, 145, 75, 16 },
    { IDC_TEXT_FIRST_HEADER, 101, 140, 155, 23 },
    { IDC_TEXT_SECOND_HEADER_LABEL, 23, 172, 75, 16 },
    { IDC_TEXT_SECOND_HEADER, 101, 169, 155, 23 },
    { IDC_TEXT_DELIMITER_LABEL, 3, 211, 95, 16 },
    { IDC_TEXT_DELIMITER, 101, 206, 155, 23 },
    { IDC_TEXT_TIMEOUT_LABEL, 3, 239, 95, 16 },
    { IDC_TEXT_TIMEOUT, 101, 236, 92, 23 },
    { IDC_TEXT_TIMEOUT_SPIN, 192, 236, 16, 23 },
    { IDC_TEXT_LINES_LABEL, 3, 271, 95, 16 },
    { IDC_TEXT_LINES, 101, 267, 54, 23 },
    { IDC_TEXT_LINES_SPIN, 155, 267, 16, 23 },
};

// The recorder pages' pane keeps all of it inside its 159-pixel group: the
// switches, channel and device on the left, how a text is found on the right.
constexpr ControlPlace kGroupPlaces[] = {
    { IDC_TEXT_RECORDING, 14, 20, 150, 20 },
    { IDC_TEXT_MONITORING, 14, 45, 150, 20 },
    { IDC_TEXT_SYNC_LABEL, 14, 76, 90, 16 },
    { IDC_TEXT_SYNC, 109, 72, 71, 20 },
    { IDC_TEXT_DEVICE_LABEL, 14, 104, 90, 16 },
    { IDC_TEXT_DEVICE, 109, 100, 140, 20 },
    { IDC_TEXT_SEEK_HEADER, 14, 128, 150, 20 },
    { IDC_TEXT_FIRST_HEADER_LABEL, 268, 20, 95, 16 },
    { IDC_TEXT_FIRST_HEADER, 366, 16, 110, 23 },
    { IDC_TEXT_SECOND_HEADER_LABEL, 268, 47, 95, 16 },
    { IDC_TEXT_SECOND_HEADER, 366, 43, 110, 23 },
    { IDC_TEXT_DELIMITER_LABEL, 268, 74, 95, 16 },
    { IDC_TEXT_DELIMITER, 366, 70, 110, 23 },
    { IDC_TEXT_TIMEOUT_LABEL, 268, 101, 95, 16 },
    { IDC_TEXT_TIMEOUT, 366, 97, 92, 23 },
    { IDC_TEXT_TIMEOUT_SPIN, 458, 97, 16, 23 },
    { IDC_TEXT_LINES_LABEL, 268, 128, 95, 16 },
    { IDC_TEXT_LINES, 366, 124, 54, 23 },
    { IDC_TEXT_LINES_SPIN, 420, 124, 16, 23 },
};

void CopyText(char* field, size_t size, const CString& text)
{
    std::memset(field, 0, size);
    std::memcpy(field, static_cast<LPCTSTR>(text), std::min<size_t>(size, size_t(text.GetLength())));
}

CString FieldText(const char* field, size_t size)
{
    return CString(field, int(strnlen(field, size)));
}

} // namespace

BEGIN_MESSAGE_MAP(CTextInsertDlg, CDialog)
ON_BN_CLICKED(IDC_TEXT_RECORDING, OnEdited)
ON_BN_CLICKED(IDC_TEXT_MONITORING, OnEdited)
ON_BN_CLICKED(IDC_TEXT_SEEK_HEADER, OnSeekHeader)
ON_CBN_SELCHANGE(IDC_TEXT_SYNC, OnEdited)
ON_CBN_SELCHANGE(IDC_TEXT_DEVICE, OnDeviceChange)
ON_EN_CHANGE(IDC_TEXT_FIRST_HEADER, OnEdited)
ON_EN_CHANGE(IDC_TEXT_SECOND_HEADER, OnEdited)
ON_EN_CHANGE(IDC_TEXT_DELIMITER, OnEdited)
ON_EN_CHANGE(IDC_TEXT_TIMEOUT, OnEdited)
ON_EN_CHANGE(IDC_TEXT_LINES, OnEdited)
ON_NOTIFY(UDN_DELTAPOS, IDC_TEXT_TIMEOUT_SPIN, OnTimeoutSpin)
ON_NOTIFY(UDN_DELTAPOS, IDC_TEXT_LINES_SPIN, OnLinesSpin)
END_MESSAGE_MAP()

CTextInsertDlg::CTextInsertDlg(CWnd* pOwner, int nKind)
    : CDialog(IDD_TEXT_INSERT, pOwner)
    , m_nKind(nKind)
{
}

CTextInsertDlg::CTextInsertDlg(UINT nIDTemplate, CWnd* pOwner)
    : CDialog(nIDTemplate, pOwner)
{
}

void CTextInsertDlg::DoDataExchange(CDataExchange* pDX)
{
    CDialog::DoDataExchange(pDX);
    DDX_Check(pDX, IDC_TEXT_RECORDING, m_bRecording);
    DDX_Check(pDX, IDC_TEXT_MONITORING, m_bMonitoring);
    DDX_Check(pDX, IDC_TEXT_SEEK_HEADER, m_bSeekHeader);
    DDX_CBIndex(pDX, IDC_TEXT_SYNC, m_nSyncChannel);
    DDX_CBIndex(pDX, IDC_TEXT_DEVICE, m_nDevice);
    DDX_Text(pDX, IDC_TEXT_FIRST_HEADER, m_strHeader1);
    DDV_MaxChars(pDX, m_strHeader1, kHeaderLength);
    DDX_Text(pDX, IDC_TEXT_SECOND_HEADER, m_strHeader2);
    DDV_MaxChars(pDX, m_strHeader2, kHeaderLength);
    DDX_Text(pDX, IDC_TEXT_DELIMITER, m_strDelimiter);
    DDV_MaxChars(pDX, m_strDelimiter, kDelimiterLength);
    DDX_Text(pDX, IDC_TEXT_TIMEOUT, m_nTimeout);
    DDV_MinMaxInt(pDX, m_nTimeout, 0, kMaxNumber);
    DDX_Text(pDX, IDC_TEXT_LINES, m_nLines);
    DDV_MinMaxInt(pDX, m_nLines, 0, kMaxNumber);
}

BOOL CTextInsertDlg::OnInitDialog()
{
    CDialog::OnInitDialog();
    if (CWnd* group = GetDlgItem(IDC_TEXT_GROUP)) {
        PlaceControls(this, kGroupPlaces);
        group->MoveWindow(0, 0, m_nKind == 1 ? 495 : 483, 159);
    } else {
        PlaceControls(this, kPlaces);
    }
    for (int spin : { IDC_TEXT_TIMEOUT_SPIN, IDC_TEXT_LINES_SPIN }) {
        // The range as the pane writes it: upper 65535, lower 0, in 16-bit fields.
        SendDlgItemMessage(spin, UDM_SETRANGE, 0, MAKELONG(WORD(kMaxNumber), 0));
    }
    static_cast<CEdit*>(GetDlgItem(IDC_TEXT_FIRST_HEADER))->LimitText(kHeaderLength);
    static_cast<CEdit*>(GetDlgItem(IDC_TEXT_SECOND_HEADER))->LimitText(kHeaderLength);
    static_cast<CEdit*>(GetDlgItem(IDC_TEXT_DELIMITER))->LimitText(kDelimiterLength);
    m_bLoading = false;
    return TRUE;
}

void CTextInsertDlg::FillSyncChannels(int count)
{
    FillSyncChannelList(static_cast<CComboBox*>(GetDlgItem(IDC_TEXT_SYNC)), count);
}

void CTextInsertDlg::FillDevices(int count, const char* const names[])
{
    auto* devices = static_cast<CComboBox*>(GetDlgItem(IDC_TEXT_DEVICE));
    if (!devices)
        return;
    devices->ResetContent();
    for (int i = 0; names && i < count; ++i)
        devices->AddString(names[i] ? names[i] : "");
}

void CTextInsertDlg::ShowRecord(const tagTextInsertSetting& s)
{
    m_bRecording = (s.byFlags & TEXT_RECORDING) != 0;
    m_bMonitoring = (s.byFlags & TEXT_MONITORING) != 0;
    m_bSeekHeader = (s.byFlags & TEXT_SEEK_HEADER) != 0;
    m_nSyncChannel = (s.byFlags & TEXT_SYNC) ? s.bySyncChannel + 1 : 0;
    m_nDevice = s.byDevice;
    m_strHeader1 = FieldText(s.szHeader1, sizeof s.szHeader1);
    m_strHeader2 = FieldText(s.szHeader2, sizeof s.szHeader2);
    m_strDelimiter = FieldText(s.szDelimiter, kDelimiterLength);
    m_nTimeout = s.wTimeout;
    m_nLines = s.wLines;
    // What the page hands in is no edit of the user's.
    m_bLoading = true;
    UpdateData(FALSE);
    m_bLoading = false;
}

void CTextInsertDlg::SetTextSettings(tagTextInsertSetting setting)
{
    ShowRecord(setting);
    HeaderRule();
}

bool CTextInsertDlg::ReadRecord(tagTextInsertSetting* pOut)
{
    if (!UpdateData(TRUE))
        return false;
    tagTextInsertSetting& s = *pOut;
    std::memset(s.byReserved, 0, sizeof s.byReserved);
    s.byFlags = uint8_t((m_bRecording ? TEXT_RECORDING : 0) | (m_bMonitoring ? TEXT_MONITORING : 0)
        | (m_nSyncChannel > 0 ? TEXT_SYNC : 0) | (m_bSeekHeader ? TEXT_SEEK_HEADER : 0));
    if (m_nDevice >= 0)
        s.byDevice = uint8_t(m_nDevice);
    s.bySyncChannel = m_nSyncChannel > 0 ? uint8_t(m_nSyncChannel - 1) : SYNC_ALL;
    CopyText(s.szHeader1, sizeof s.szHeader1, m_strHeader1);
    CopyText(s.szHeader2, sizeof s.szHeader2, m_strHeader2);
    CopyText(s.szDelimiter, sizeof s.szDelimiter, m_strDelimiter);
    s.wTimeout = uint16_t(m_nTimeout);
    s.wLines = uint16_t(m_nLines);
    return true;
}

void CTextInsertDlg::GetTextSettings(tagTextInsertSetting* pOut)
{
    if (pOut)
        ReadRecord(pOut);
}

void CTextInsertDlg::HeaderRule()
{
    const BOOL seek = IsDlgButtonChecked(IDC_TEXT_SEEK_HEADER) != 0;
    GetDlgItem(IDC_TEXT_FIRST_HEADER)->EnableWindow(seek);
    GetDlgItem(IDC_TEXT_SECOND_HEADER)->EnableWindow(seek);
}

void CTextInsertDlg::UpdateHeaderControls()
{
    const int device = int(SendDlgItemMessage(IDC_TEXT_DEVICE, CB_GETCURSEL));
    const BOOL first = device == 0;
    for (int id : kFindingControls)
        GetDlgItem(id)->EnableWindow(first);
    if (first)
        HeaderRule();
}

void CTextInsertDlg::OnEdited()
{
    if (!m_bLoading)
        NotifyPageModified(this);
}

void CTextInsertDlg::OnSeekHeader()
{
    HeaderRule();
    NotifyPageModified(this);
}

void CTextInsertDlg::OnDeviceChange()
{
    UpdateHeaderControls();
    NotifyPageModified(this);
}

void CTextInsertDlg::Spin(int& value, int delta)
{
    if (!UpdateData(TRUE))
        return;
    value = std::clamp(value - delta, 0, kMaxNumber);
    m_bLoading = true;
    UpdateData(FALSE);
    m_bLoading = false;
    NotifyPageModified(this);
}

void CTextInsertDlg::OnTimeoutSpin(NMHDR* pNMHDR, LRESULT* pResult)
{
    Spin(m_nTimeout, reinterpret_cast<NMUPDOWN*>(pNMHDR)->iDelta);
    *pResult = 0;
}

void CTextInsertDlg::OnLinesSpin(NMHDR* pNMHDR, LRESULT* pResult)
{
    Spin(m_nLines, reinterpret_cast<NMUPDOWN*>(pNMHDR)->iDelta);
    *pResult = 0;
}

CTextInsertDlg2::CTextInsertDlg2(CWnd* pParent)
    : CTextInsertDlg(IDD_TEXT_INSERT2, pParent)
{
}

BOOL CTextInsertDlg2::OnInitDialog()
{
    CTextInsertDlg::OnInitDialog();
    // This recorder chooses its text device itself.
    GetDlgItem(IDC_TEXT_DEVICE)->EnableWindow(FALSE);
    return TRUE;
}

void CTextInsertDlg2::SetTextSettings(tagTextInsertSetting setting)
{
    m_Stored = setting;
    ShowRecord(setting);
    HeaderRule();
    UpdateHeaderControls();
    GetDlgItem(IDC_TEXT_DEVICE)->EnableWindow(FALSE);
}

BOOL CTextInsertDlg2::GetTextSettings(tagTextInsertSetting* pOut)
{
    tagTextInsertSetting setting = m_Stored;
    if (!ReadRecord(&setting))
        return FALSE;
    const BOOL changed = std::memcmp(&setting, &m_Stored, sizeof setting) != 0;
    m_Stored = setting;
    if (pOut)
        *pOut = setting;
    return changed;
}
