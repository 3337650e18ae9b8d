#include "dialogs/DeviceStatusDlg.h"

#include "link/StreamServerBlocks.h"
#include "platform/ui/DataExchange.h"

namespace
{

// The system's Japanese face, for a system whose language is Japanese.
constexpr char kJapaneseFace[] = "\xEF\xBC\xAD\xEF\xBC\xB3 "
                                 "\xEF\xBC\xB0\xE3\x82\xB4\xE3\x82\xB7\xE3\x83\x83\xE3\x82\xAF";

} // namespace

BEGIN_MESSAGE_MAP(CDeviceStatusDlg, CDialog)
ON_BN_CLICKED(IDC_DEVICE_STATUS_REFRESH, OnRefresh)
END_MESSAGE_MAP()

CDeviceStatusDlg::CDeviceStatusDlg(CWnd* pParent)
    : CDialog(IDD_DEVICE_STATUS, pParent)
{
}

CDeviceStatusDlg::~CDeviceStatusDlg()
{
    FreeConfigReplyLists(&m_Reply);
}

void CDeviceStatusDlg::DoDataExchange(CDataExchange* pDX)
{
    CDialog::DoDataExchange(pDX);
    DDX_Text(pDX, IDC_DEVICE_STATUS_TEXT, m_strStatus);
}

BOOL CDeviceStatusDlg::OnInitDialog()
{
    CDialog::OnInitDialog();
    char language[10] = {};
    const bool japanese = GetLocaleInfo(LOCALE_SYSTEM_DEFAULT, LOCALE_SENGLANGUAGE, language, 9) > 0
        && CString(language) == "Japanese";
    m_Font.CreateFont(15, 0, 0, 0, 400, 0, 0, 0, 1, 0, 0, 0, 0, japanese ? kJapaneseFace : "Courier New");
    if (CWnd* text = GetDlgItem(IDC_DEVICE_STATUS_TEXT))
        text->SetFont(&m_Font, TRUE);
    OnRefresh();
    return TRUE;
}

void CDeviceStatusDlg::OnRefresh()
{
    CFG_STATUS_TEXT status {};
    if (m_ConfigSession.Request(GET_STREAM_STATUS, { 0 }, &status, m_Reply) == CONFIG_DONE) {
        m_strStatus = status.text ? status.text : "";
        // The text is the reply's to free.
        FreeConfigReplyLists(&m_Reply);
    }
    UpdateData(FALSE);
}
