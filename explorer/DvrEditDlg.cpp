#include "explorer/DvrEditDlg.h"

#include "link/DeviceHelpers.h"
#include "link/HostName.h"
#include "platform/ui/Controls.h"
#include "platform/ui/DataExchange.h"
#include "resources/morrik/Resource.h"

#include <algorithm>
#include <cstring>

namespace morrik
{

namespace
{

// What the fields may hold: the tree file keeps the name in 127
// characters, the address text in 40 and a password in 16 bytes.
constexpr int kNameChars = 127;
constexpr int kAddressChars = 40;
constexpr int kPasswordChars = 15;

void CopyText(char* out, size_t size, const CString& text)
{
    std::memset(out, 0, size);
    std::memcpy(out, static_cast<const char*>(text), std::min(size - 1, size_t(text.GetLength())));
}

} // namespace

bool ResolveDeviceAddress(const char* text, uint32_t* address)
{
    char resolved[128];
    if (ResolveHostName(text, resolved) != 0)
        return false;
    *address = ParseDottedAddress(resolved);
    return true;
}

CDvrEditDlg::CDvrEditDlg(CWnd* pParent)
    : CMorrikDialog(IDD_DVR_EDIT, pParent)
{
}

void CDvrEditDlg::DoDataExchange(CDataExchange* pDX)
{
    CMorrikDialog::DoDataExchange(pDX);
    DDX_Text(pDX, IDC_DVR_NAME, m_strName);
    DDV_MaxChars(pDX, m_strName, kNameChars);
    DDX_Text(pDX, IDC_DVR_ADDRESS, m_strAddress);
    DDV_MaxChars(pDX, m_strAddress, kAddressChars);
    DDX_Text(pDX, IDC_DVR_PORT, m_nPort);
    DDV_MinMaxUInt(pDX, m_nPort, 1, 65534);
    DDX_Text(pDX, IDC_DVR_PASSWORD, m_strPassword);
    DDV_MaxChars(pDX, m_strPassword, kPasswordChars);
}

BOOL CDvrEditDlg::OnInitDialog()
{
    if (m_bEdit) {
        m_strAddress
            = CString(m_item.m_szAddress, int(strnlen(m_item.m_szAddress, sizeof m_item.m_szAddress)));
        m_strName = m_item.GetItemText();
        m_nPort = m_item.m_dwConfigPort;
        const auto* password = reinterpret_cast<const char*>(m_item.m_login.byPassword);
        m_strPassword = CString(password, int(strnlen(password, sizeof m_item.m_login.byPassword)));
    }
    CMorrikDialog::OnInitDialog();
    if (m_bEdit)
        SetWindowText(MorrikString(IDS_EDIT_DVR));
    return TRUE;
}

void CDvrEditDlg::OnOK()
{
    if (!UpdateData(TRUE))
        return;
    // A name that does not resolve would leave the device at an address made
    // of its digits (or zeros): ask for another one instead.
    uint32_t address = 0;
    if (!ResolveDeviceAddress(m_strAddress, &address)) {
        MorrikMessageBox(IDS_HOST_NOT_RESOLVED, MB_ICONEXCLAMATION);
        if (CEdit* edit = static_cast<CEdit*>(GetDlgItem(IDC_DVR_ADDRESS))) {
            GotoDlgCtrl(edit);
            edit->SetSel(0, -1);
        }
        return;
    }
    m_item.SetItemText(m_strName);
    m_item.m_strName = m_strName;
    CopyText(m_item.m_szAddress, sizeof m_item.m_szAddress, m_strAddress);
    m_item.m_dwConfigPort = m_nPort;
    CopyText(
        reinterpret_cast<char*>(m_item.m_login.byPassword), sizeof m_item.m_login.byPassword, m_strPassword);
    m_item.m_dwIp = address;
    EndDialog(IDOK);
}

} // namespace morrik
