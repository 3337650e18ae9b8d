#include "pages/Page10Hdd.h"

#include "controls/ControlPlacement.h"
#include "dialogs/HddFormatDlg.h"
#include "platform/base/Services.h"
#include "platform/msg/WndBase.h"
#include "platform/ui/Controls.h"
#include "platform/ui/DataExchange.h"
#include "platform/ui/WinApp.h"
#include "resources/setup/Resource.h"

#include <atomic>
#include <iterator>
#include <thread>

namespace
{

constexpr uint32_t kDiskOn = 0x01000000; // status byte 0
constexpr uint32_t kNoDisk = 0x80; // status byte 3
constexpr uint32_t kAutoDeleteValues[] = { 0, 1000, 2000, 5000, 10000 };
// The session's long time-out bounds the format; the wait adds a margin.
constexpr DWORD kFormatWaitMs = 610 * 1000;
constexpr int kNoticeWidth = 370, kNoticeHeight = 50;

constexpr ControlPlace kLayout[] = {
    { IDC_HDD_AUTO_DELETE_GROUP, 15, 15, 510, 60 },
    { IDC_HDD_DELETE_DISABLE, 80, 40, 70, 15 },
    { IDC_HDD_DELETE_1000, 160, 40, 70, 15 },
    { IDC_HDD_DELETE_2000, 240, 40, 70, 15 },
    { IDC_HDD_DELETE_5000, 320, 40, 70, 15 },
    { IDC_HDD_DELETE_10000, 400, 40, 70, 15 },
    { IDC_HDD_STATUS_GROUP, 15, 85, 510, 255 },
    { IDC_HDD_USED_CAPTION, 80, 140, 80, 15 },
    { IDC_HDD_USED_MB, 160, 140, 50, 15 },
    { IDC_HDD_USED_UNIT, 215, 140, 50, 15 },
    { IDC_HDD_USED_PERCENT, 265, 140, 15, 15 },
    { IDC_HDD_USED_PERCENT_SIGN, 280, 140, 20, 15 },
    { IDC_HDD_FREE_CAPTION, 80, 165, 80, 15 },
    { IDC_HDD_FREE_MB, 160, 165, 50, 15 },
    { IDC_HDD_FREE_UNIT, 215, 165, 50, 15 },
    { IDC_HDD_FREE_PERCENT, 265, 165, 15, 15 },
    { IDC_HDD_FREE_PERCENT_SIGN, 280, 165, 20, 15 },
    { IDC_HDD_TOTAL_CAPTION, 80, 205, 80, 15 },
    { IDC_HDD_TOTAL_MB, 160, 205, 50, 15 },
    { IDC_HDD_TOTAL_UNIT, 215, 205, 50, 15 },
    { IDC_HDD_ENABLE, 120, 265, 140, 15 },
    { IDC_HDD_FORMAT, 275, 260, 160, 30 },
};

// The system's Japanese face, for a system whose language is Japanese.
constexpr char kJapaneseFace[]
    = "\xEF\xBC\xAD\xEF\xBC\xB3 \xEF\xBC\xB0\xE3\x82\xB4\xE3\x82\xB7\xE3\x83\x83\xE3\x82\xAF";

bool SystemIsJapanese()
{
    char language[16] = {};
    return GetLocaleInfo(LOCALE_SYSTEM_DEFAULT, LOCALE_SENGLANGUAGE, language, sizeof language) > 0
        && CString(language) == "Japanese";
}

} // namespace

BEGIN_MESSAGE_MAP(CPage10Hdd, CConfigPage)
ON_BN_CLICKED(IDC_HDD_DELETE_DISABLE, OnAutoDelete)
ON_BN_CLICKED(IDC_HDD_DELETE_1000, OnAutoDelete)
ON_BN_CLICKED(IDC_HDD_DELETE_2000, OnAutoDelete)
ON_BN_CLICKED(IDC_HDD_DELETE_5000, OnAutoDelete)
ON_BN_CLICKED(IDC_HDD_DELETE_10000, OnAutoDelete)
ON_BN_CLICKED(IDC_HDD_ENABLE, OnHddEnable)
ON_BN_CLICKED(IDC_HDD_FORMAT, OnFormat)
ON_WM_PAINT()
END_MESSAGE_MAP()

CPage10Hdd::CPage10Hdd()
    : CConfigPage(IDD_PAGE10_HDD, SLOT_Hdd)
{
    m_Disk.pie.rcPie = CRect(330, 135, 480, 205);
    m_Disk.ptUsedLegend = CPoint(50, 138);
    m_Disk.ptFreeLegend = CPoint(50, 163);
}

CPage10Hdd::~CPage10Hdd()
{
    delete m_pFormatDlg;
}

BOOL CPage10Hdd::OnInitDialog()
{
    CConfigPage::OnInitDialog();
    m_Font.CreateFont(
        26, 0, 0, 10, 100, 0, 0, 0, 1, 0, 0, 0, 0, SystemIsJapanese() ? kJapaneseFace : "Arial");
    for (int id : { IDC_HDD_ENABLE, IDC_HDD_FORMAT })
        if (CWnd* control = GetDlgItem(id))
            control->SetFont(&m_Font);
    PlaceControls(this, kLayout);
    return TRUE;
}

void CPage10Hdd::DoDataExchange(CDataExchange* pDX)
{
    CConfigPage::DoDataExchange(pDX);
    DDX_Radio(pDX, IDC_HDD_DELETE_DISABLE, m_nAutoDelete);
    DDX_Check(pDX, IDC_HDD_ENABLE, m_bHddEnable);
}

void CPage10Hdd::ReadSettings()
{
    CFG_HDD_INFO info {};
    if (!ReadBlock(GET_HDD_INFO, &info))
        return;
    MarkGroupRead(0, TRUE);
    const uint32_t on = info.dwStatus >> 24;
    const uint32_t present = info.dwStatus & 0xFF;
    CWnd* enable = GetDlgItem(IDC_HDD_ENABLE);
    CWnd* format = GetDlgItem(IDC_HDD_FORMAT);
    if (present == 0) {
        m_bHddFound = TRUE;
        // A disk that came back (fitted or formatted) may be switched again.
        if (enable)
            enable->EnableWindow(TRUE);
        if (on == 0 || on == 1) {
            m_bHddEnable = BOOL(on);
            if (format)
                format->EnableWindow(BOOL(on));
        }
    } else if (present == kNoDisk) {
        m_bHddFound = FALSE;
        m_bHddEnable = FALSE;
        if (enable)
            enable->EnableWindow(FALSE);
        if (format)
            format->EnableWindow(FALSE);
    }
    m_dwAutoDeleteRead = info.dwAutoDelete;
    m_nAutoDelete = -1;
    for (int i = 0; i < int(std::size(kAutoDeleteValues)); ++i)
        if (kAutoDeleteValues[i] == info.dwAutoDelete)
            m_nAutoDelete = i;

    // Devices of firmware class 5 report the room they offer.
    const bool keepReserve = !m_pConfigView || m_pConfigView->FirmwareKind() != 5;
    m_Disk.Show(this, DiskShareFromKb(info.dwTotalKb, info.dwFreeKb, keepReserve));
    Sleep(1);
}

ConfigResult CPage10Hdd::WriteGroup(int)
{
    CFG_HDD_CONFIG config {};
    if (m_bHddFound)
        config.dwStatus = m_bHddEnable ? kDiskOn : kNoDisk;
    // With no choice made the device keeps the value it reported.
    config.dwAutoDelete = m_nAutoDelete >= 0 && m_nAutoDelete < int(std::size(kAutoDeleteValues))
        ? kAutoDeleteValues[m_nAutoDelete]
        : m_dwAutoDeleteRead;
    return WriteBlock(SET_HDD_CONFIG, config);
}

void CPage10Hdd::OnAutoDelete()
{
    UpdateData(TRUE);
    SetPageModified(TRUE);
}

void CPage10Hdd::OnHddEnable()
{
    const BOOL ticked = IsDlgButtonChecked(IDC_HDD_ENABLE) == BST_CHECKED;
    if (CWnd* format = GetDlgItem(IDC_HDD_FORMAT))
        format->EnableWindow(ticked);
    SetPageModified(TRUE);
}

BOOL CPage10Hdd::FormatWhilePainting()
{
    CConfigSession session;
    session.m_bQuietStatus = true;
    ConfigReply reply {};
    std::atomic<bool> done { false };
    ConfigResult result = CONFIG_NO_CONNECTION;
    std::thread worker([&] {
        result = session.Request(FORMAT_HDD, {}, nullptr, reply);
        done = true;
    });
    PumpMessagesUntil([&] { return done.load(); }, kFormatWaitMs);
    worker.join();
    // The device's reason, if it gave a known one, on this thread.
    if (result == CONFIG_REFUSED && !session.m_strMessage.IsEmpty())
        AfxMessageBox(session.m_strMessage, MB_OK);
    return result == CONFIG_DONE;
}

void CPage10Hdd::OnFormat()
{
    if (AfxMessageBox(IDS_HDD_FORMAT_QUESTION, MB_OKCANCEL) != IDOK)
        return;
    CWnd* top = GetTopLevelParent();
    CWnd* main = AfxGetMainWnd();
    CRect rcMain;
    (main ? main : top ? top : this)->GetWindowRect(&rcMain);
    SetCapture();
    // Nothing may be clicked while the device formats; the windows still paint.
    if (top)
        top->EnableWindow(FALSE);
    BOOL formatted = FALSE;
    {
        CWaitCursor wait;
        m_pFormatDlg = new CHddFormatDlg(this);
        m_pFormatDlg->Create(IDD_HDD_FORMAT, this);
        m_pFormatDlg->MoveWindow(rcMain.left + (rcMain.Width() - kNoticeWidth) / 2,
            rcMain.top + (rcMain.Height() - kNoticeHeight) / 2, kNoticeWidth, kNoticeHeight);
        m_pFormatDlg->ShowWindow(SW_SHOW);
        m_pFormatDlg->SetMessage(LoadText(IDS_HDD_FORMATTING));
        formatted = FormatWhilePainting();
        m_pFormatDlg->SetMessageAndClose(LoadText(formatted ? IDS_HDD_FORMAT_DONE : IDS_HDD_FORMAT_FAILED));
        m_pFormatDlg->DestroyWindow();
        delete m_pFormatDlg;
        m_pFormatDlg = nullptr;
    }
    if (top)
        top->EnableWindow(TRUE);
    ReleaseCapture();
    if (formatted) {
        // The new sizes.
        CConfigPage::OnSetActive();
        Invalidate();
    }
}

void CPage10Hdd::OnPaint()
{
    CPaintDC dc(this);
    m_Disk.Paint(&dc);
}
