#include "pages/QualityBoxDlg.h"

#include "controls/ControlPlacement.h"
#include "controls/QualityBoxGeometry.h"
#include "link/CurrentDevice.h"
#include "link/WindowMessages.h"
#include "platform/ui/DataExchange.h"

#include <cstring>

namespace
{

// The quality box streams a lighter picture than the live preview.
constexpr DWORD kStreamSetting = 0x04000000;

} // namespace

BEGIN_MESSAGE_MAP(CQualityBoxDlg, CSheetDialog)
ON_MESSAGE(WM_STREAM_FRAME, OnStreamFrame)
ON_MESSAGE(WM_STREAM_ERROR, OnStreamError)
ON_MESSAGE(WM_STREAM_ACK, OnStreamAck)
ON_MESSAGE(WM_PREVIEW_AREA_SELECTED, OnAreaSelected)
END_MESSAGE_MAP()

CQualityBoxDlg::CQualityBoxDlg()
    : CQualityBoxDlg(IDD_QUALITY_BOX, false)
{
}

CQualityBoxDlg::CQualityBoxDlg(UINT nIDTemplate, bool threeChannel)
    : CSheetDialog(nIDTemplate, nullptr)
    , m_bThreeChannel(threeChannel)
{
}

// A window that never closed normally still ends its thread (the stream's
// own end).
CQualityBoxDlg::~CQualityBoxDlg() = default;

void CQualityBoxDlg::SetConfigView(IConfigPageHost*, const BYTE*, const BYTE*) { }

void CQualityBoxDlg::SetSheetLink(SheetLinkRole role, CWnd* pTarget)
{
    if (role == LINK_SchedulePage)
        m_pSchedulePage = pTarget;
    else if (role == LINK_ScheduleDialog)
        m_pScheduleDlg = pTarget;
}

void CQualityBoxDlg::DoDataExchange(CDataExchange* pDX)
{
    CSheetDialog::DoDataExchange(pDX);
    DDX_Radio(pDX, IDC_QUALITY_LEVEL1, m_nQuality);
}

BOOL CQualityBoxDlg::OnInitDialog()
{
    CSheetDialog::OnInitDialog();
    m_rcOpened = m_rcBox;
    m_nOpenedQuality = m_nQuality;
    CString title;
    title.LoadString(IDS_TIME_TABLE);
    CString number;
    number.Format(" %d", m_nPeriod + 1);
    SetWindowText(title + number);
    // On top of the Z order (no window to go behind), shown.
    SetWindowPos(nullptr, 200, 200, 500, 340, SWP_SHOWWINDOW);
    const bool fourAbove = m_bThreeChannel;
    PlaceControls(this,
        { { IDC_QUALITY_GROUP, 385, 15, 95, 244 }, { IDC_QUALITY_LEVEL1, 420, 55, 40, 25 },
            { IDC_QUALITY_LEVEL2, 420, 90, 40, 25 },
            { IDC_QUALITY_LEVEL3, 420, fourAbove ? 160 : 125, 40, 25 },
            { IDC_QUALITY_LEVEL4, 420, fourAbove ? 125 : 160, 40, 25 },
            { IDC_QUALITY_LEVEL5, 420, 195, 40, 25 }, { IDOK, 70, 265, 100, 30 },
            { IDCANCEL, 190, 265, 100, 30 } });

    // A thread that does not come up in time leaves the picture black; the
    // user can still set the level and keep or clear the box.
    m_stream.StartThread();
    m_wndPreview.CreateEx(
        WS_EX_CLIENTEDGE, "VIEWER", nullptr, WS_CHILD | WS_VISIBLE, CRect(15, 15, 376, 259), this, 0);
    m_wndPreview.m_bAdjustArea = true;
    m_wndPreview.m_rcArea = m_wndPreview.m_rcTrack
        = HasArea(m_rcBox) ? QualityBoxBeforeFirstFrame(m_rcBox) : RECT {};
    UpdateData(TRUE);
    m_wndPreview.m_bAreaLocked = false;

    std::memset(m_szAddress, 0, sizeof m_szAddress);
    m_ConfigSession.ResolveDeviceAddress(m_szAddress, TRUE);
    m_stream.Start(m_hWnd, BYTE(m_nChannel), kStreamSetting, int(g_CurrentDevice.dwHttpPort), m_szAddress);
    return TRUE;
}

LRESULT CQualityBoxDlg::OnStreamFrame(WPARAM wParam, LPARAM lParam)
{
    m_stream.OnFrame(m_wndPreview, wParam, lParam, true);
    return 0;
}

LRESULT CQualityBoxDlg::OnStreamError(WPARAM, LPARAM)
{
    return 0;
}

LRESULT CQualityBoxDlg::OnStreamAck(WPARAM, LPARAM)
{
    return 0;
}

void CQualityBoxDlg::TakeBox()
{
    UpdateData(TRUE);
    m_rcBox = QualityBoxToDevice(m_wndPreview.m_rcArea, m_wndPreview.m_bNtsc, m_wndPreview.m_bRotated);
}

LRESULT CQualityBoxDlg::OnAreaSelected(WPARAM, LPARAM)
{
    if (!m_bThreeChannel)
        TakeBox();
    return 0;
}

void CQualityBoxDlg::OnOK()
{
    m_stream.Stop();
    TakeBox();
    CSheetDialog::OnOK();
}

void CQualityBoxDlg::OnCancel()
{
    m_stream.Stop();
    // A box drawn before the cancel is not given back.
    m_rcBox = m_rcOpened;
    m_nQuality = m_nOpenedQuality;
    CSheetDialog::OnCancel();
}

void CQualityBoxDlg::PostNcDestroy()
{
    // Each opening ends its own thread: none is left behind.
    m_stream.End();
    CSheetDialog::PostNcDestroy();
}
