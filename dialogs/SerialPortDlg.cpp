#include "dialogs/SerialPortDlg.h"

#include "controls/ControlPlacement.h"
#include "platform/ui/DataExchange.h"

#include <algorithm>
#include <cstring>
#include <iterator>

namespace
{

const UINT kParities[] = { IDS_NONE, IDS_PARITY_EVEN, IDS_PARITY_ODD };

constexpr ControlPlace kCombos[] = {
    { IDC_SERIAL_DEVICE, 80, 3, 236, 20 },
    { IDC_SERIAL_BAUD, 81, 34, 68, 20 },
    { IDC_SERIAL_PARITY, 249, 34, 68, 20 },
    { IDC_SERIAL_STOP_BITS, 81, 65, 68, 20 },
    { IDC_SERIAL_DATA_BITS, 249, 65, 68, 20 },
};

} // namespace

BEGIN_MESSAGE_MAP(CSerialPortDlg, CPagePane)
ON_CBN_SELCHANGE(IDC_SERIAL_DEVICE, OnSelChange)
ON_CBN_SELCHANGE(IDC_SERIAL_BAUD, OnSelChange)
ON_CBN_SELCHANGE(IDC_SERIAL_PARITY, OnSelChange)
ON_CBN_SELCHANGE(IDC_SERIAL_STOP_BITS, OnSelChange)
ON_CBN_SELCHANGE(IDC_SERIAL_DATA_BITS, OnSelChange)
END_MESSAGE_MAP()

CSerialPortDlg::CSerialPortDlg(CWnd* pParent)
    : CPagePane(IDD_SERIAL_PORT, pParent)
{
}

void CSerialPortDlg::DoDataExchange(CDataExchange* pDX)
{
    CPagePane::DoDataExchange(pDX);
    DDX_Control(pDX, IDC_SERIAL_BAUD, m_cbBaudRate);
    DDX_Control(pDX, IDC_SERIAL_DATA_BITS, m_cbDataBits);
    DDX_Control(pDX, IDC_SERIAL_STOP_BITS, m_cbStopBits);
    DDX_Control(pDX, IDC_SERIAL_DEVICE, m_cbDevice);
    DDX_CBIndex(pDX, IDC_SERIAL_PARITY, m_nParity);
}

BOOL CSerialPortDlg::OnInitDialog()
{
    CPagePane::OnInitDialog();
    PlaceControls(this, kCombos);
    for (const char* rate : kSerialBaudRates)
        m_cbBaudRate.AddString(rate);
    m_cbDataBits.AddString("7");
    m_cbDataBits.AddString("8");
    m_cbStopBits.AddString("1");
    m_cbStopBits.AddString("2");
    if (auto* parity = static_cast<CComboBox*>(GetDlgItem(IDC_SERIAL_PARITY))) {
        for (UINT id : kParities) {
            CString text;
            text.LoadString(id);
            parity->AddString(text);
        }
    }
    // Names given before the window existed.
    for (int i = 0; i < m_nDeviceCount; ++i)
        m_cbDevice.AddString(m_szDeviceNames[i]);
    ShowSettings();
    return TRUE;
}

void CSerialPortDlg::SetDeviceNames(int count, const char* const names[])
{
    m_nDeviceCount = std::clamp(count, 0, kMaxNames);
    std::memset(m_szDeviceNames, 0, sizeof m_szDeviceNames);
    for (int i = 0; i < m_nDeviceCount; ++i) {
        if (names && names[i])
            std::strncpy(m_szDeviceNames[i], names[i], kNameSize - 1);
    }
    if (!m_cbDevice.GetSafeHwnd())
        return;
    m_cbDevice.ResetContent();
    for (int i = 0; i < m_nDeviceCount; ++i)
        m_cbDevice.AddString(m_szDeviceNames[i]);
}

void CSerialPortDlg::SetSerialSettings(tagSerialSetting setting)
{
    m_Setting = setting;
    if (GetSafeHwnd())
        ShowSettings();
}

void CSerialPortDlg::ShowSettings()
{
    // The entry that begins with the stored device's name; a device the names
    // do not hold selects none.
    if (m_Setting.byDevice < m_nDeviceCount)
        m_cbDevice.SelectString(-1, m_szDeviceNames[m_Setting.byDevice]);
    else
        m_cbDevice.SetCurSel(-1);
    m_nParity = m_Setting.byParity < std::size(kParities) ? m_Setting.byParity : -1;
    m_cbStopBits.SetCurSel(m_Setting.byStopBits == 2 ? 1 : 0);
    m_cbDataBits.SetCurSel(m_Setting.byDataBits == 2 ? 1 : 0);
    m_cbBaudRate.SetCurSel(m_Setting.wBaudIndex < std::size(kSerialBaudRates) ? m_Setting.wBaudIndex : -1);
    UpdateData(FALSE);
}

BOOL CSerialPortDlg::GetSerialSettings(tagSerialSetting* pOut)
{
    tagSerialSetting setting = m_Setting;
    if (GetSafeHwnd()) {
        UpdateData(TRUE);
        const int device = m_cbDevice.GetCurSel();
        if (device >= 0) {
            CString text;
            m_cbDevice.GetLBText(device, text);
            for (int i = 0; i < m_nDeviceCount; ++i) {
                if (text == m_szDeviceNames[i]) {
                    setting.byDevice = uint8_t(i);
                    break;
                }
            }
        }
        // A list left without a choice keeps what the device reported.
        if (m_nParity >= 0)
            setting.byParity = uint8_t(m_nParity);
        setting.byStopBits = m_cbStopBits.GetCurSel() == 1 ? 2 : 0;
        setting.byDataBits = m_cbDataBits.GetCurSel() == 1 ? 2 : 1;
        if (m_cbBaudRate.GetCurSel() >= 0)
            setting.wBaudIndex = uint16_t(m_cbBaudRate.GetCurSel());
    }
    const BOOL changed = std::memcmp(&setting, &m_Setting, sizeof setting) != 0;
    m_Setting = setting;
    if (pOut)
        *pOut = setting;
    return changed;
}

void CSerialPortDlg::OnSelChange()
{
    NotifyPage();
}
