#include "dialogs/AuxSetupDlg.h"

#include "platform/ui/Controls.h"
#include "platform/ui/DataExchange.h"
#include "platform/ui/SpinButtonCtrl.h"

#include <cstdlib>
#include <cstring>

namespace
{

constexpr int kNameLength = 23;

int UseId(int k)
{
    return IDC_AUX_USE_FIRST + k;
}
int NameId(int k)
{
    return IDC_AUX_NAME_FIRST + k;
}
int SpinId(int k)
{
    return IDC_AUX_SPIN_FIRST + k;
}
int ValueId(int k)
{
    return IDC_AUX_VALUE_FIRST + k;
}

} // namespace

CAuxSetupDlg::CAuxSetupDlg(CWnd* pParent)
    : CDialog(IDD_AUX_SETUP, pParent)
{
}

void CAuxSetupDlg::SetAuxBlock(const uint8_t block[512])
{
    std::memcpy(m_Entries, block, sizeof m_Entries);
}

void CAuxSetupDlg::GetAuxBlock(uint8_t block[512]) const
{
    std::memcpy(block, m_Entries, sizeof m_Entries);
}

void CAuxSetupDlg::DoDataExchange(CDataExchange* pDX)
{
    CDialog::DoDataExchange(pDX);
    for (int k = 0; k < kEntries; ++k) {
        DDX_Text(pDX, NameId(k), m_strNames[k]);
        DDV_MaxChars(pDX, m_strNames[k], kNameLength);
    }
}

BOOL CAuxSetupDlg::OnInitDialog()
{
    CDialog::OnInitDialog();
    MoveWindow(0, 0, 330, 504);
    const struct {
        int id, x, cx;
    } headers[] = { { IDC_AUX_USE_HEADER, 2, 36 }, { IDC_AUX_NAME_HEADER, 40, 218 },
        { IDC_AUX_VALUE_HEADER, 258, 60 } };
    for (const auto& h : headers) {
        if (CWnd* header = GetDlgItem(h.id))
            header->MoveWindow(h.x, 6, h.cx, 24);
    }
    for (int k = 0; k < kEntries; ++k) {
        const int y = 32 + 26 * k;
        GetDlgItem(UseId(k))->MoveWindow(0, y, 36, 24);
        GetDlgItem(NameId(k))->MoveWindow(44, y, 210, 24);
        GetDlgItem(ValueId(k))->MoveWindow(258, y, 60, 24);
        auto* spin = static_cast<CSpinButtonCtrl*>(GetDlgItem(SpinId(k)));
        spin->SetRange32(0, int(kMaxValue));
        spin->SetPos(0);
        spin->SetBuddy(GetDlgItem(ValueId(k)));
        CheckDlgButton(UseId(k), m_Entries[k].byUse == 1);
        m_strNames[k] = CString(m_Entries[k].szName, int(strnlen(m_Entries[k].szName, kNameLength)));
        static_cast<CEdit*>(GetDlgItem(NameId(k)))->LimitText(kNameLength);
        SetDlgItemInt(ValueId(k), m_Entries[k].dwValue, FALSE);
    }
    UpdateData(FALSE);
    CRect client;
    GetClientRect(&client);
    GetDlgItem(IDOK)->MoveWindow(client.Width() - 170, client.Height() - 30, 80, 26);
    GetDlgItem(IDCANCEL)->MoveWindow(client.Width() - 86, client.Height() - 30, 80, 26);
    m_bFilling = false;
    return TRUE;
}

BOOL CAuxSetupDlg::OnCommand(WPARAM wParam, LPARAM lParam)
{
    const int id = LOWORD(wParam);
    const int code = HIWORD(wParam);
    if (!m_bFilling) {
        if (code == BN_CLICKED && id >= UseId(0) && id < UseId(kEntries)) {
            OnUseClicked(id - UseId(0));
            return TRUE;
        }
        if (code == EN_CHANGE && id >= NameId(0) && id < NameId(kEntries)) {
            OnNameChanged(id - NameId(0));
            return TRUE;
        }
        if (code == EN_CHANGE && id >= ValueId(0) && id < ValueId(kEntries)) {
            OnValueChanged(id - ValueId(0));
            return TRUE;
        }
    }
    return CDialog::OnCommand(wParam, lParam);
}

void CAuxSetupDlg::OnUseClicked(int entry)
{
    m_Entries[entry].byUse = IsDlgButtonChecked(UseId(entry)) ? 1 : 0;
}

void CAuxSetupDlg::OnNameChanged(int entry)
{
    CString text;
    GetDlgItemText(NameId(entry), text);
    char* name = m_Entries[entry].szName;
    std::memset(name, 0, sizeof m_Entries[entry].szName);
    std::strncpy(name, text, kNameLength);
}

void CAuxSetupDlg::OnValueChanged(int entry)
{
    CString text;
    GetDlgItemText(ValueId(entry), text);
    unsigned long value = std::strtoul(text, nullptr, 10);
    if (value > kMaxValue) {
        value = kMaxValue;
        m_bFilling = true;
        SetDlgItemInt(ValueId(entry), UINT(value), FALSE);
        m_bFilling = false;
    }
    m_Entries[entry].dwValue = uint32_t(value);
}
