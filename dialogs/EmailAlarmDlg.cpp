#include "dialogs/EmailAlarmDlg.h"

#include "dialogs/TextField.h"
#include "platform/ui/DataExchange.h"
#include "platform/ui/SpinButtonCtrl.h"
#include "resources/setup/Resource.h"

#include <algorithm>
#include <cstring>
#include <string>

namespace
{

constexpr int kImagesMax = 5;

} // namespace

BEGIN_MESSAGE_MAP(CEmailAlarmDlg, CPagePane)
ON_BN_CLICKED(IDC_EMAIL_STATUS, OnChanged)
ON_BN_CLICKED(IDC_EMAIL_PSTN, OnChanged)
ON_EN_CHANGE(IDC_EMAIL_RECIPIENT, OnChanged)
ON_EN_CHANGE(IDC_EMAIL_SMTP, OnChanged)
ON_EN_CHANGE(IDC_EMAIL_IMAGES, OnChanged)
ON_NOTIFY(UDN_DELTAPOS, IDC_NET_REG_SPIN, OnImagesSpin)
END_MESSAGE_MAP()

CEmailAlarmDlg::CEmailAlarmDlg(CWnd* pParent)
    : CPagePane(IDD_EMAIL_ALARM, pParent)
{
}

BOOL CEmailAlarmDlg::OnInitDialog()
{
    CPagePane::OnInitDialog();
    if (auto* spin = static_cast<CSpinButtonCtrl*>(GetDlgItem(IDC_NET_REG_SPIN))) {
        spin->SetBuddy(GetDlgItem(IDC_EMAIL_IMAGES));
        spin->SetRange32(0, kImagesMax);
    }
    SendDlgItemMessage(IDC_EMAIL_RECIPIENT, EM_LIMITTEXT, 127);
    SendDlgItemMessage(IDC_EMAIL_SMTP, EM_LIMITTEXT, 127);
    UpdateData(FALSE);
    return TRUE;
}

void CEmailAlarmDlg::DoDataExchange(CDataExchange* pDX)
{
    CPagePane::DoDataExchange(pDX);
    DDX_Check(pDX, IDC_EMAIL_STATUS, m_bStatus);
    DDX_Text(pDX, IDC_EMAIL_RECIPIENT, m_strRecipient);
    DDV_MaxChars(pDX, m_strRecipient, 127);
    DDX_Text(pDX, IDC_EMAIL_SMTP, m_strSmtp);
    DDV_MaxChars(pDX, m_strSmtp, 127);
    DDX_Text(pDX, IDC_EMAIL_IMAGES, m_nImages);
    DDV_MinMaxInt(pDX, m_nImages, 0, kImagesMax);
    DDX_Check(pDX, IDC_EMAIL_PSTN, m_bPstn);
}

void CEmailAlarmDlg::SetSettings(tagEmailNotify settings)
{
    m_Stored = settings;
    m_bStatus = settings.byStatus ? 1 : 0;
    m_strRecipient = std::string(settings.szRecipient, strnlen(settings.szRecipient, 127)).c_str();
    m_strSmtp = std::string(settings.szSmtp, strnlen(settings.szSmtp, 127)).c_str();
    m_nImages = settings.byImages;
    m_bPstn = settings.byPstn ? 1 : 0;
}

void CEmailAlarmDlg::Refresh()
{
    if (GetSafeHwnd())
        UpdateData(FALSE);
}

void CEmailAlarmDlg::OnImagesSpin(NMHDR* pNotify, LRESULT* pResult)
{
    const auto* step = reinterpret_cast<NMUPDOWN*>(pNotify);
    BOOL number = FALSE;
    const int typed = int(GetDlgItemInt(IDC_EMAIL_IMAGES, &number, FALSE));
    m_nImages = std::clamp((number ? typed : 0) + step->iDelta, 0, kImagesMax);
    SetDlgItemInt(IDC_EMAIL_IMAGES, UINT(m_nImages), FALSE);
    NotifyPage();
    *pResult = 1;
}

bool CEmailAlarmDlg::GetSettings(tagEmailNotify* pSettings)
{
    if (GetSafeHwnd() && !UpdateData(TRUE))
        return false;
    tagEmailNotify settings = m_Stored;
    settings.byStatus = m_bStatus ? 1 : 0;
    CopyTextField(settings.szRecipient, sizeof settings.szRecipient, static_cast<LPCTSTR>(m_strRecipient));
    CopyTextField(settings.szSmtp, sizeof settings.szSmtp, static_cast<LPCTSTR>(m_strSmtp));
    settings.byImages = BYTE(std::clamp(m_nImages, 0, kImagesMax));
    settings.byPstn = m_bPstn ? 1 : 0;
    const bool changed = std::memcmp(&settings, &m_Stored, sizeof settings) != 0;
    *pSettings = settings;
    m_Stored = settings;
    return changed;
}
