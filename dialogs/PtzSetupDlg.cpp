#include "dialogs/PtzSetupDlg.h"

#include "link/CurrentDevice.h"
#include "link/DeviceFamily.h"

#include "platform/ui/DataExchange.h"
#include <algorithm>

namespace
{

constexpr int kDefaultBaudItem = 6; // 9600
constexpr uint32_t kVideoServerFamily = 3;
const int kLineControls[] = { IDC_PTZ_STOP_BITS, IDC_PTZ_PARITY, IDC_PTZ_INTERFACE, IDC_PTZ_BAUD_RATE,
    IDC_PTZ_ADDRESS, IDC_PTZ_DATA_BITS };

} // namespace

const int CPtzSetupDlg::kBaudRates[8] = { 300, 600, 1200, 1800, 2400, 4800, 9600, 19200 };

BEGIN_MESSAGE_MAP(CPtzSetupDlg, CDialog)
ON_CBN_SELCHANGE(IDC_PTZ_MODEL, OnModelChanged)
ON_CBN_SELCHANGE(IDC_PTZ_INTERFACE, OnChanged)
ON_CBN_SELCHANGE(IDC_PTZ_BAUD_RATE, OnChanged)
ON_CBN_SELCHANGE(IDC_PTZ_PARITY, OnChanged)
ON_CBN_SELCHANGE(IDC_PTZ_STOP_BITS, OnChanged)
ON_CBN_SELCHANGE(IDC_PTZ_DATA_BITS, OnChanged)
ON_EN_CHANGE(IDC_PTZ_ADDRESS, OnChanged)
END_MESSAGE_MAP()

CString CPtzSetupDlg::ModelName(const PtzModelList& models, int model)
{
    if (const char* name = PtzModelText(models, model))
        return CString(name);
    CString none;
    none.LoadString(IDS_NONE);
    return none;
}

CPtzSetupDlg::CPtzSetupDlg(CWnd* pParent)
    : CDialog(IDD_PTZ_SETUP, pParent)
{
}

CComboBox* CPtzSetupDlg::Combo(int id)
{
    return static_cast<CComboBox*>(GetDlgItem(id));
}

void CPtzSetupDlg::DoDataExchange(CDataExchange* pDX)
{
    CDialog::DoDataExchange(pDX);
    DDX_Text(pDX, IDC_PTZ_ADDRESS, m_nAddress);
}

BOOL CPtzSetupDlg::OnInitDialog()
{
    m_nAddress = m_PtzSetting.nAddress;
    CDialog::OnInitDialog();
    CString title, prefix;
    prefix.LoadString(IDS_PTZ_TITLE);
    title.Format("%s%d", static_cast<LPCTSTR>(prefix), m_nChannel);
    SetWindowText(title);

    CComboBox* model = Combo(IDC_PTZ_MODEL);
    model->AddString(ModelName(m_Models, 0));
    for (int i = 0; i < m_Models.count; ++i)
        model->AddString(m_Models.names[i]);

    CComboBox* line = Combo(IDC_PTZ_INTERFACE);
    if (!m_bSerialDeviceUsed)
        line->AddString("232");
    // RS-422 is a line of the video servers only.
    if (g_CurrentDevice.dwFamily == kVideoServerFamily)
        line->AddString("422");
    line->AddString("485");
    line->SetCurSel(0);

    CComboBox* baud = Combo(IDC_PTZ_BAUD_RATE);
    for (int rate : kBaudRates) {
        CString text;
        text.Format("%d", rate);
        baud->AddString(text);
    }
    baud->SetCurSel(0);
    CComboBox* parity = Combo(IDC_PTZ_PARITY);
    for (UINT id : { IDS_NONE, IDS_PARITY_EVEN, IDS_PARITY_ODD }) {
        CString text;
        text.LoadString(id);
        parity->AddString(text);
    }
    parity->SetCurSel(0);
    CComboBox* stop = Combo(IDC_PTZ_STOP_BITS);
    for (const char* text : { "1", "1.5", "2" })
        stop->AddString(text);
    stop->SetCurSel(0);
    CComboBox* data = Combo(IDC_PTZ_DATA_BITS);
    data->AddString("7");
    data->AddString("8");

    // The setting.
    data->SetCurSel(m_PtzSetting.nDataBits7 ? 0 : 1);
    const char* lineText = m_PtzSetting.nInterface == PTZ_RS232 ? "232"
        : m_PtzSetting.nInterface == PTZ_RS422                  ? "422"
                                                                : "485";
    const int lineItem = line->FindStringExact(-1, lineText);
    if (lineItem >= 0)
        line->SetCurSel(lineItem);
    parity->SetCurSel(m_PtzSetting.nParity == PTZ_PARITY_EVEN ? 1
            : m_PtzSetting.nParity == PTZ_PARITY_ODD          ? 2
                                                              : 0);
    model->SetCurSel(
        m_PtzSetting.nModel >= 0 && m_PtzSetting.nModel <= m_Models.count ? m_PtzSetting.nModel : 0);
    int baudItem = kDefaultBaudItem;
    for (int i = 0; i < 8; ++i)
        if (kBaudRates[i] == m_PtzSetting.nBaudRate)
            baudItem = i;
    baud->SetCurSel(baudItem);
    stop->SetCurSel(m_PtzSetting.nStopBits >= 0 && m_PtzSetting.nStopBits <= 2 ? m_PtzSetting.nStopBits : 0);

    EnableLine(model->GetCurSel() > 0);
    GetDlgItem(IDOK)->EnableWindow(FALSE);
    return TRUE;
}

void CPtzSetupDlg::EnableLine(BOOL bEnable)
{
    for (int id : kLineControls)
        GetDlgItem(id)->EnableWindow(bEnable);
}

void CPtzSetupDlg::OnChanged()
{
    if (CWnd* ok = GetDlgItem(IDOK))
        ok->EnableWindow(TRUE);
}

void CPtzSetupDlg::OnModelChanged()
{
    OnChanged();
    EnableLine(Combo(IDC_PTZ_MODEL)->GetCurSel() > 0);
}

void CPtzSetupDlg::OnOK()
{
    if (!UpdateData(TRUE))
        return;
    m_PtzSetting.nModel = std::max(0, Combo(IDC_PTZ_MODEL)->GetCurSel());
    const int baud = Combo(IDC_PTZ_BAUD_RATE)->GetCurSel();
    if (baud >= 0 && baud < 8)
        m_PtzSetting.nBaudRate = kBaudRates[baud];
    m_PtzSetting.nStopBits = std::max(0, Combo(IDC_PTZ_STOP_BITS)->GetCurSel());
    CString line;
    CComboBox* lines = Combo(IDC_PTZ_INTERFACE);
    if (lines->GetCurSel() >= 0)
        lines->GetLBText(lines->GetCurSel(), line);
    m_PtzSetting.nInterface = line == "232" ? PTZ_RS232 : line == "422" ? PTZ_RS422 : PTZ_RS485;
    switch (Combo(IDC_PTZ_PARITY)->GetCurSel()) {
    case 0:
        m_PtzSetting.nParity = 0;
        break;
    case 1:
        m_PtzSetting.nParity = PTZ_PARITY_EVEN;
        break;
    case 2:
        m_PtzSetting.nParity = PTZ_PARITY_ODD;
        break;
    default:
        break;
    }
    m_PtzSetting.nAddress = m_nAddress;
    m_PtzSetting.nDataBits7 = Combo(IDC_PTZ_DATA_BITS)->GetCurSel() == 0 ? 1 : 0;
    EndDialog(IDOK);
}
