#include "dialogs/RegServerDlg.h"

#include "dialogs/TextField.h"
#include "platform/base/Services.h"
#include "platform/ui/DataExchange.h"
#include "platform/ui/SpinButtonCtrl.h"

#include <algorithm>
#include <cstring>
#include <string>

namespace
{

// The group ID's field holds 16 bytes: 15 characters keep its terminator.
constexpr int kGroupIdChars = 15;

} // namespace

int StepRegInterval(int interval, int step)
{
    int value = interval + step;
    if (step < 0 && value < kRegIntervalLowest)
        value = 0;
    else if (step > 0 && value >= 1 && value < kRegIntervalLowest)
        value = kRegIntervalLowest;
    return std::clamp(value, 0, kRegIntervalHighest);
}

BEGIN_MESSAGE_MAP(CRegServerDlg, CPagePane)
ON_EN_CHANGE(IDC_NET_REG_SERVER, OnChanged)
ON_EN_CHANGE(IDC_NET_GROUP_ID, OnChanged)
ON_EN_CHANGE(IDC_NET_REG_INTERVAL, OnIntervalTyped)
ON_NOTIFY(UDN_DELTAPOS, IDC_NET_REG_SPIN, OnIntervalSpin)
END_MESSAGE_MAP()

CRegServerDlg::CRegServerDlg(CWnd* pParent)
    : CPagePane(IDD_REG_SERVER, pParent)
{
}

BOOL CRegServerDlg::OnInitDialog()
{
    CPagePane::OnInitDialog();
    if (auto* spin = static_cast<CSpinButtonCtrl*>(GetDlgItem(IDC_NET_REG_SPIN))) {
        spin->SetBuddy(GetDlgItem(IDC_NET_REG_INTERVAL));
        spin->SetRange32(0, 12032);
    }
    SendDlgItemMessage(IDC_NET_REG_SERVER, EM_LIMITTEXT, 63);
    SendDlgItemMessage(IDC_NET_GROUP_ID, EM_LIMITTEXT, kGroupIdChars);
    UpdateData(FALSE);
    EnableFields();
    return TRUE;
}

void CRegServerDlg::DoDataExchange(CDataExchange* pDX)
{
    CPagePane::DoDataExchange(pDX);
    DDX_Text(pDX, IDC_NET_REG_INTERVAL, m_nInterval);
    DDX_Text(pDX, IDC_NET_REG_SERVER, m_strServer);
    DDV_MaxChars(pDX, m_strServer, 63);
    DDX_Text(pDX, IDC_NET_GROUP_ID, m_strGroupId);
    DDV_MaxChars(pDX, m_strGroupId, kGroupIdChars);
}

void CRegServerDlg::EnableFields()
{
    for (int id : { IDC_NET_REG_SERVER, IDC_NET_GROUP_ID })
        if (CWnd* control = GetDlgItem(id))
            control->EnableWindow(m_nInterval != 0);
}

void CRegServerDlg::SetRegServer(CFG_IP_CONFIG settings)
{
    m_Stored = settings;
    m_nInterval = int(std::min<uint32_t>(settings.dwInterval, kRegIntervalHighest));
    m_strServer = TextOfField(settings.szRegServer, sizeof settings.szRegServer);
    // A 16-character ID from the device keeps its first 15 here.
    m_strGroupId = std::string(settings.szGroupId, strnlen(settings.szGroupId, kGroupIdChars)).c_str();
    if (GetSafeHwnd()) {
        UpdateData(FALSE);
        EnableFields();
    }
}

void CRegServerDlg::OnIntervalTyped()
{
    BOOL number = FALSE;
    const UINT typed = GetDlgItemInt(IDC_NET_REG_INTERVAL, &number, FALSE);
    m_nInterval = number ? int(std::min<UINT>(typed, kRegIntervalHighest)) : 0;
    if (number && typed > UINT(kRegIntervalHighest))
        SetDlgItemInt(IDC_NET_REG_INTERVAL, UINT(kRegIntervalHighest), FALSE);
    EnableFields();
    NotifyPage();
}

void CRegServerDlg::OnIntervalSpin(NMHDR* pNotify, LRESULT* pResult)
{
    const auto* step = reinterpret_cast<NMUPDOWN*>(pNotify);
    BOOL number = FALSE;
    const int typed = int(GetDlgItemInt(IDC_NET_REG_INTERVAL, &number, FALSE));
    m_nInterval = StepRegInterval(number ? typed : 0, step->iDelta);
    SetDlgItemInt(IDC_NET_REG_INTERVAL, UINT(m_nInterval), FALSE);
    EnableFields();
    NotifyPage();
    *pResult = 1;
}

bool CRegServerDlg::GetRegServer(CFG_IP_CONFIG* pSettings, bool* pChanged)
{
    if (GetSafeHwnd() && !UpdateData(TRUE))
        return false;
    if (m_nInterval < 0 || (m_nInterval >= 1 && m_nInterval < kRegIntervalLowest)) {
        AfxMessageBox(IDS_REG_INTERVAL_INVALID);
        if (CWnd* edit = GetDlgItem(IDC_NET_REG_INTERVAL))
            edit->SetFocus();
        return false;
    }
    CFG_IP_CONFIG settings = m_Stored;
    settings.dwInterval = uint32_t(m_nInterval);
    CopyTextField(settings.szRegServer, sizeof settings.szRegServer, static_cast<LPCTSTR>(m_strServer));
    CopyTextField(settings.szGroupId, sizeof settings.szGroupId, static_cast<LPCTSTR>(m_strGroupId));
    *pChanged = std::memcmp(&settings, &m_Stored, sizeof settings) != 0;
    *pSettings = settings;
    m_Stored = settings;
    return true;
}
