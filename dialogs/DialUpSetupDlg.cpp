#include "dialogs/DialUpSetupDlg.h"

#include "dialogs/Ipv4Checks.h"
#include "dialogs/TextField.h"
#include "platform/ui/Controls.h"
#include "platform/ui/DataExchange.h"
#include "platform/ui/IpAddressCtrl.h"
#include "platform/ui/SpinButtonCtrl.h"
#include "resources/setup/Resource.h"

#include <iterator>

namespace
{

constexpr const char* kSteps[]
    = { "End", "Wait For", "Wait Prompt For", "Send", "Send CR", "Send ID", "Send Password", "Delay" };
constexpr int kGridId = 305;
constexpr BYTE kNoPrefix = 255;

} // namespace

BEGIN_MESSAGE_MAP(CDialUpSetupDlg, CPagePane)
ON_EN_CHANGE(IDC_NET_XDSL_PASSWORD, OnChanged)
ON_EN_CHANGE(IDC_NET_XDSL_USER, OnChanged)
ON_EN_CHANGE(IDC_DIAL_NUMBER, OnChanged)
ON_EN_CHANGE(IDC_DIAL_DISCONNECT, OnChanged)
ON_CBN_SELCHANGE(IDC_DIAL_PREFIX, OnChanged)
ON_CBN_SELCHANGE(IDC_DIAL_SCRIPT, OnChanged)
ON_NOTIFY(IPN_FIELDCHANGED, IDC_DIAL_ADDRESS, OnAddressChanged)
ON_NOTIFY(UDN_DELTAPOS, IDC_DIAL_SPIN, OnDisconnectSpin)
ON_NOTIFY(GVN_BEGINLABELEDIT, kGridId, OnGridEdit)
END_MESSAGE_MAP()

CDialUpSetupDlg::CDialUpSetupDlg(CWnd* pParent)
    : CPagePane(IDD_DIALUP_SETUP, pParent)
{
}

const char* CDialUpSetupDlg::StepText(int kind)
{
    return kind >= 0 && kind < int(std::size(kSteps)) ? kSteps[kind] : nullptr;
}

BYTE CDialUpSetupDlg::StepKind(const CString& text)
{
    for (int i = 0; i < int(std::size(kSteps)); ++i)
        if (text == kSteps[i])
            return BYTE(i);
    return 0;
}

BOOL CDialUpSetupDlg::OnInitDialog()
{
    CPagePane::OnInitDialog();
    if (auto* spin = static_cast<CSpinButtonCtrl*>(GetDlgItem(IDC_DIAL_SPIN))) {
        spin->SetBuddy(GetDlgItem(IDC_DIAL_DISCONNECT));
        // Lower 0, upper 0xFFFF as the 16-bit form takes it: a reversed range.
        spin->SetRange(0, short(-1));
    }
    if (auto* prefix = static_cast<CComboBox*>(GetDlgItem(IDC_DIAL_PREFIX))) {
        prefix->AddString("None");
        for (char digit = '0'; digit <= '9'; ++digit)
            prefix->AddString(CString(digit));
    }
    if (auto* script = static_cast<CComboBox*>(GetDlgItem(IDC_DIAL_SCRIPT))) {
        script->AddString("Disable");
        script->AddString("Enable");
    }
    SendDlgItemMessage(IDC_NET_XDSL_USER, EM_LIMITTEXT, 127);
    SendDlgItemMessage(IDC_NET_XDSL_PASSWORD, EM_LIMITTEXT, 63);
    SendDlgItemMessage(IDC_DIAL_NUMBER, EM_LIMITTEXT, 31);

    m_Grid.Create(CRect(5, 233, 465, 411), this, kGridId);
    m_Grid.EnableScrollBars(FALSE, TRUE);
    m_Grid.SetRowCount(kDialUpScriptRows + 1);
    m_Grid.SetColumnCount(3);
    m_Grid.SetFixedRowCount(1);
    m_Grid.SetFixedColumnCount(1);
    const UINT headers[3] = { IDS_DIAL_COLUMN_INDEX, IDS_DIAL_COLUMN_COMMAND, IDS_DIAL_COLUMN_ARGUMENT };
    for (int col = 0; col < 3; ++col) {
        CString text;
        text.LoadString(headers[col]);
        m_Grid.SetItemText(0, col, text);
        m_Grid.SetItemFormat(0, col, DT_CENTER | DT_VCENTER | DT_SINGLELINE);
    }
    for (int row = 1; row <= kDialUpScriptRows; ++row) {
        CString text;
        text.Format("%d", row);
        m_Grid.SetItemText(row, 0, text);
        m_Grid.SetItemFormat(row, 0, DT_CENTER | DT_VCENTER | DT_SINGLELINE);
    }
    m_Grid.SetColumnOptions(1, const_cast<const char**>(kSteps), int(std::size(kSteps)));
    m_Grid.SetColumnWidth(0, 50);
    m_Grid.SetColumnWidth(1, 110);
    m_Grid.SetColumnWidth(2, 298);
    Refresh();
    return TRUE;
}

void CDialUpSetupDlg::DoDataExchange(CDataExchange* pDX)
{
    CPagePane::DoDataExchange(pDX);
    DDX_Text(pDX, IDC_NET_XDSL_USER, m_strUser);
    DDV_MaxChars(pDX, m_strUser, 127);
    DDX_Text(pDX, IDC_NET_XDSL_PASSWORD, m_strPassword);
    DDV_MaxChars(pDX, m_strPassword, 63);
    DDX_Text(pDX, IDC_DIAL_NUMBER, m_strNumber);
    DDV_MaxChars(pDX, m_strNumber, 31);
    DDX_CBIndex(pDX, IDC_DIAL_PREFIX, m_nPrefix);
    DDX_CBIndex(pDX, IDC_DIAL_SCRIPT, m_nScript);
    DDX_Text(pDX, IDC_DIAL_DISCONNECT, m_nDisconnect);
    DDV_MinMaxUInt(pDX, m_nDisconnect, 0, 65535);
}

void CDialUpSetupDlg::SetDialUp(tagDialUpSetting setting)
{
    m_Stored = setting;
    m_strUser = TextOfField(setting.szUser, sizeof setting.szUser);
    m_strPassword = TextOfField(setting.szPassword, sizeof setting.szPassword);
    m_strNumber = TextOfField(setting.szNumber, sizeof setting.szNumber);
    m_nPrefix = setting.byPrefix == kNoPrefix ? 0 : setting.byPrefix <= 9 ? setting.byPrefix + 1 : -1;
    m_nDisconnect = setting.wDisconnect;
    m_nScript = setting.byScript <= 1 ? setting.byScript : -1;
    if (GetSafeHwnd())
        Refresh();
}

void CDialUpSetupDlg::Refresh()
{
    ShowIpv4Address(this, IDC_DIAL_ADDRESS, m_Stored.dwAddress);
    for (int row = 1; row <= kDialUpScriptRows; ++row) {
        // A kind the list does not have leaves the cell as it was.
        if (const char* step = StepText(m_Stored.byStep[row - 1]))
            m_Grid.SetItemText(row, 1, step);
        m_Grid.SetItemText(row, 2, TextOfField(m_Stored.szArgument[row - 1], kDialUpArgumentSize));
        m_Grid.SetItemFormat(row, 1, DT_CENTER | DT_VCENTER | DT_SINGLELINE);
        m_Grid.SetItemFormat(row, 2, DT_CENTER | DT_VCENTER | DT_SINGLELINE);
    }
    m_Grid.ResetScrollBars();
    UpdateData(FALSE);
}

void CDialUpSetupDlg::OnAddressChanged(NMHDR*, LRESULT* pResult)
{
    NotifyPage();
    *pResult = 0;
}

void CDialUpSetupDlg::OnDisconnectSpin(NMHDR* pNotify, LRESULT* pResult)
{
    const auto* step = reinterpret_cast<NMUPDOWN*>(pNotify);
    BOOL number = FALSE;
    const long typed = long(GetDlgItemInt(IDC_DIAL_DISCONNECT, &number, FALSE));
    // The reversed range: up arrives as -1, so subtracting counts up; below 0
    // (and anything above the field) is its top.
    long value = (number ? typed : 0) - step->iDelta;
    if (value < 0 || value > 65535)
        value = 65535;
    m_nDisconnect = UINT(value);
    SetDlgItemInt(IDC_DIAL_DISCONNECT, m_nDisconnect, FALSE);
    NotifyPage();
    *pResult = 1;
}

void CDialUpSetupDlg::OnGridEdit(NMHDR*, LRESULT* pResult)
{
    NotifyPage();
    *pResult = 0;
}

bool CDialUpSetupDlg::GetDialUp(tagDialUpSetting* pSetting)
{
    if (GetSafeHwnd() && !UpdateData(TRUE))
        return false;
    tagDialUpSetting setting = m_Stored;
    CopyTextField(setting.szUser, sizeof setting.szUser, m_strUser.GetString());
    CopyTextField(setting.szPassword, sizeof setting.szPassword, m_strPassword.GetString());
    setting.dwAddress = Ipv4AddressOf(this, IDC_DIAL_ADDRESS);
    CopyTextField(setting.szNumber, sizeof setting.szNumber, m_strNumber.GetString());
    if (m_nPrefix >= 0)
        setting.byPrefix = m_nPrefix == 0 ? kNoPrefix : BYTE(m_nPrefix - 1);
    setting.wDisconnect = uint16_t(m_nDisconnect);
    if (m_nScript >= 0)
        setting.byScript = BYTE(m_nScript);
    for (int row = 1; row <= kDialUpScriptRows && m_Grid.GetSafeHwnd(); ++row) {
        setting.byStep[row - 1] = StepKind(m_Grid.GetItemText(row, 1));
        // The field keeps 63 characters and its terminator; a longer
        // argument is cut there and the next row's field stays as it is.
        const CString argument = m_Grid.GetItemText(row, 2);
        CopyTextField(setting.szArgument[row - 1], kDialUpArgumentSize,
            std::string(argument.GetString()).substr(0, kDialUpArgumentSize - 1).c_str());
    }
    const bool changed = std::memcmp(&setting, &m_Stored, sizeof setting) != 0;
    *pSetting = setting;
    m_Stored = setting;
    return changed;
}
