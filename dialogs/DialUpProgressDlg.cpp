#include "dialogs/DialUpProgressDlg.h"

#include "platform/ui/DataExchange.h"

#include <cstring>

BEGIN_MESSAGE_MAP(CDialUpProgressDlg, CDialog)
ON_MESSAGE(WM_DIAL_STATUS, OnDialStatus)
ON_WM_DESTROY()
END_MESSAGE_MAP()

CDialUpProgressDlg::CDialUpProgressDlg(CWnd* pParent)
    : CDialog(IDD_DIALUP_PROGRESS, pParent)
    , m_strStatus("Dialing ...")
{
}

CDialUpProgressDlg::~CDialUpProgressDlg()
{
    delete m_pConnection;
}

void CDialUpProgressDlg::DoDataExchange(CDataExchange* pDX)
{
    CDialog::DoDataExchange(pDX);
    DDX_Text(pDX, IDC_DIALUP_STATUS, m_strStatus);
}

void CDialUpProgressDlg::ShowStatus(LPCTSTR text)
{
    m_strStatus = text;
    UpdateData(FALSE);
}

BOOL CDialUpProgressDlg::OnInitDialog()
{
    CDialog::OnInitDialog();
    m_pConnection = new CDialUpConnection(this);

    if (IsDialUpConnected()) {
        if (MessageBox(GetSafeHwnd(), "Currect connected Dial-up line. Do you want isconnect and continue ?",
                "Dial-up Connection", MB_OKCANCEL | MB_ICONQUESTION)
            != IDOK) {
            EndDialog(IDCANCEL);
            return TRUE;
        }
        HangUpAllDialUp();
    }
    m_pConnection->m_bCancel = 0;
    char number[sizeof m_szPhoneNumber + 1] = {};
    std::memcpy(number, m_szPhoneNumber, sizeof m_szPhoneNumber);
    CString text;
    text.Format("Dialing %s ...", number);
    ShowStatus(text);

    char user[sizeof m_szUserName + 1] = {};
    char password[sizeof m_szPassword + 1] = {};
    std::memcpy(user, m_szUserName, sizeof m_szUserName);
    std::memcpy(password, m_szPassword, sizeof m_szPassword);
    m_pConnection->Dial(number, user, password, TRUE);
    return TRUE;
}

LRESULT CDialUpProgressDlg::OnDialStatus(WPARAM wParam, LPARAM lParam)
{
    // A status without text ends the dial as stopped.
    if (wParam != 0 && lParam == 0) {
        HangUpAllDialUp();
        EndDialog(IDCANCEL);
        return 0;
    }
    const char* status = reinterpret_cast<const char*>(lParam);
    ShowStatus(status ? status : "");
    if (wParam != 0)
        return 0;
    if (m_pConnection && m_pConnection->m_nResult != 0) {
        const CString failure = m_strStatus;
        HangUpAllDialUp();
        EndDialog(IDCANCEL);
        MessageBox(GetSafeHwnd(), failure, "Dial-up Connection Error", MB_OK | MB_ICONSTOP);
    } else {
        EndDialog(IDOK);
    }
    return 0;
}

void CDialUpProgressDlg::OnCancel()
{
    if (!m_pConnection) {
        CDialog::OnCancel();
        return;
    }
    // The dialling thread confirms the stop with wParam 2, which closes us.
    m_pConnection->m_bCancel = 1;
}

void CDialUpProgressDlg::OnDestroy()
{
    CWnd::OnDestroy();
    delete m_pConnection;
    m_pConnection = nullptr;
}
