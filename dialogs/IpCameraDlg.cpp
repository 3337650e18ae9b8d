#include "dialogs/IpCameraDlg.h"

#include "link/CurrentDevice.h"

#include <algorithm>
#include <cstring>

namespace
{

enum TypeChoice { TYPE_GENERAL_OVEL, TYPE_GENERAL_SARNOK };
constexpr uint16_t kOVelPort = 8001;
constexpr uint16_t kSarnokPort = 8080;
const char* const kBandwidths[] = { "10", "20", "30", "40", "50", "70", "100" };

// The bandwidth byte exists from this device revision on.
bool HasBandwidth()
{
    return g_nDeviceRevision >= 22;
}

void CopyField(char* field, size_t size, const CString& text)
{
    std::memset(field, 0, size);
    std::memcpy(field, static_cast<LPCTSTR>(text), std::min(size - 1, size_t(text.GetLength())));
}

CString FieldText(const char* field, size_t size)
{
    return CString(field, int(strnlen(field, size)));
}

} // namespace

BEGIN_MESSAGE_MAP(CIpCameraDlg, CPagePane)
ON_CBN_SELCHANGE(IDC_IPCAM_TYPE, OnTypeChange)
ON_CBN_SELCHANGE(IDC_IPCAM_CHANNEL, OnChannelChange)
ON_CBN_SELCHANGE(IDC_IPCAM_BANDWIDTH, OnBandwidthChange)
ON_EN_CHANGE(IDC_IPCAM_SOURCE, OnSourceChange)
ON_EN_CHANGE(IDC_IPCAM_PORT, OnPortChange)
ON_EN_CHANGE(IDC_IPCAM_USER_ID, OnUserIdChange)
ON_EN_CHANGE(IDC_IPCAM_PASSWORD, OnPasswordChange)
ON_EN_CHANGE(IDC_IPCAM_ACCESS_TOKEN, OnAccessTokenChange)
END_MESSAGE_MAP()

CIpCameraDlg::CIpCameraDlg(CWnd* pPage)
    : CPagePane(IDD_IP_CAMERA, pPage)
{
}

void CIpCameraDlg::DoDataExchange(CDataExchange* pDX)
{
    CPagePane::DoDataExchange(pDX);
}

BOOL CIpCameraDlg::OnInitDialog()
{
    m_bFilling = true;
    CPagePane::OnInitDialog();
    if (auto* type = static_cast<CComboBox*>(GetDlgItem(IDC_IPCAM_TYPE))) {
        for (UINT id : { IDS_GENERAL_OVEL, IDS_GENERAL_SARNOK }) {
            CString text;
            text.LoadString(id);
            type->AddString(text);
        }
        type->SetCurSel(TYPE_GENERAL_OVEL);
    }
    if (auto* bandwidth = static_cast<CComboBox*>(GetDlgItem(IDC_IPCAM_BANDWIDTH))) {
        for (const char* text : kBandwidths)
            bandwidth->AddString(text);
    }
    for (int id : { IDC_IPCAM_BANDWIDTH_LABEL, IDC_IPCAM_BANDWIDTH }) {
        if (CWnd* control = GetDlgItem(id))
            control->ShowWindow(HasBandwidth() ? SW_SHOW : SW_HIDE);
    }
    if (CWnd* token = GetDlgItem(IDC_IPCAM_ACCESS_TOKEN)) {
        token->ShowWindow(SW_HIDE);
        token->EnableWindow(FALSE);
    }
    FillChannels(kGeneralChannels, 0);
    m_bFilling = false;
    return TRUE;
}

void CIpCameraDlg::FillChannels(int count, int selection)
{
    auto* channels = static_cast<CComboBox*>(GetDlgItem(IDC_IPCAM_CHANNEL));
    if (!channels)
        return;
    channels->ResetContent();
    for (int channel = 1; channel <= count; ++channel) {
        CString text;
        text.Format("CH%d", channel);
        channels->AddString(text);
    }
    channels->SetCurSel(selection);
}

void CIpCameraDlg::SetCamera(CFG_NET_CAMERA* pCamera)
{
    m_pCamera = pCamera;
    if (!pCamera)
        return;
    m_bFilling = true;
    const uint8_t group = uint8_t(pCamera->wModel & 0xFF);
    SendDlgItemMessage(
        IDC_IPCAM_TYPE, CB_SETCURSEL, group == kGroupGeneralOVel ? TYPE_GENERAL_OVEL : TYPE_GENERAL_SARNOK);
    FillChannels(kGeneralChannels, pCamera->wChannel);
    SetDlgItemText(IDC_IPCAM_SOURCE, FieldText(pCamera->szSource, kMaxSource));
    SetDlgItemInt(IDC_IPCAM_PORT, pCamera->wPort, FALSE);
    SetDlgItemText(IDC_IPCAM_ACCESS_TOKEN, FieldText(pCamera->szAccessToken, kMaxAccessToken));
    SetDlgItemText(IDC_IPCAM_USER_ID, FieldText(pCamera->szUserId, kMaxCredential));
    SetDlgItemText(IDC_IPCAM_PASSWORD, FieldText(pCamera->szPassword, kMaxCredential));
    SendDlgItemMessage(IDC_IPCAM_BANDWIDTH, CB_SETCURSEL, pCamera->byBandwidth);
    m_bFilling = false;
}

CString CIpCameraDlg::LimitedText(int id, int maxChars)
{
    CString text;
    GetDlgItemText(id, text);
    if (text.GetLength() > maxChars) {
        // What the field cannot hold is not kept, nor shown as if it were.
        text = text.Left(maxChars);
        m_bFilling = true;
        SetDlgItemText(id, text);
        m_bFilling = false;
    }
    return text;
}

void CIpCameraDlg::OnTypeChange()
{
    if (!m_pCamera || m_bFilling)
        return;
    const int type = int(SendDlgItemMessage(IDC_IPCAM_TYPE, CB_GETCURSEL));
    const uint16_t port = type == TYPE_GENERAL_OVEL ? kOVelPort : kSarnokPort;
    m_bFilling = true;
    SetDlgItemInt(IDC_IPCAM_PORT, port, FALSE);
    m_bFilling = false;
    m_pCamera->wPort = port;
    // Only the two general types are offered: model index 0, six channels.
    const uint8_t group = type == TYPE_GENERAL_OVEL ? kGroupGeneralOVel : kGroupGeneralSarnok;
    const int channel = int(SendDlgItemMessage(IDC_IPCAM_CHANNEL, CB_GETCURSEL));
    const int kept = channel >= 0 && channel < kGeneralChannels ? channel : 0;
    FillChannels(kGeneralChannels, kept);
    m_pCamera->wChannel = uint16_t(kept);
    m_pCamera->wModel = group;
    NotifyPage();
}

void CIpCameraDlg::OnChannelChange()
{
    if (!m_pCamera || m_bFilling)
        return;
    const int channel = int(SendDlgItemMessage(IDC_IPCAM_CHANNEL, CB_GETCURSEL));
    m_pCamera->wChannel = uint16_t(std::max(channel, 0));
    NotifyPage();
}

void CIpCameraDlg::OnBandwidthChange()
{
    if (!m_pCamera || m_bFilling)
        return;
    const int bandwidth = int(SendDlgItemMessage(IDC_IPCAM_BANDWIDTH, CB_GETCURSEL));
    m_pCamera->byBandwidth = uint8_t(std::max(bandwidth, 0));
    NotifyPage();
}

void CIpCameraDlg::OnSourceChange()
{
    if (!m_pCamera || m_bFilling)
        return;
    CopyField(m_pCamera->szSource, kMaxSource + 1, LimitedText(IDC_IPCAM_SOURCE, kMaxSource));
    NotifyPage();
}

void CIpCameraDlg::OnPortChange()
{
    if (!m_pCamera || m_bFilling)
        return;
    m_pCamera->wPort = uint16_t(GetDlgItemInt(IDC_IPCAM_PORT, nullptr, FALSE));
    NotifyPage();
}

void CIpCameraDlg::OnUserIdChange()
{
    if (!m_pCamera || m_bFilling)
        return;
    CopyField(
        m_pCamera->szUserId, sizeof m_pCamera->szUserId, LimitedText(IDC_IPCAM_USER_ID, kMaxCredential));
    NotifyPage();
}

void CIpCameraDlg::OnPasswordChange()
{
    if (!m_pCamera || m_bFilling)
        return;
    CopyField(
        m_pCamera->szPassword, sizeof m_pCamera->szPassword, LimitedText(IDC_IPCAM_PASSWORD, kMaxCredential));
    NotifyPage();
}

void CIpCameraDlg::OnAccessTokenChange()
{
    if (!m_pCamera || m_bFilling)
        return;
    CopyField(m_pCamera->szAccessToken, sizeof m_pCamera->szAccessToken,
        LimitedText(IDC_IPCAM_ACCESS_TOKEN, kMaxAccessToken));
    NotifyPage();
}
