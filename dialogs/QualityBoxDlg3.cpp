#include "dialogs/QualityBoxDlg3.h"

#include "controls/ControlPlacement.h"
#include "controls/PreviewStream.h"
#include "controls/QualityBoxGeometry.h"
#include "link/CurrentDevice.h"
#include "link/WindowMessages.h"
#include "platform/ui/DataExchange.h"

#include <algorithm>

namespace
{

// The quality box streams a lighter picture than the live preview.
constexpr DWORD kStreamSetting = 0x04000000;

} // namespace

BEGIN_MESSAGE_MAP(CQualityBoxDlg3, CDialog)
ON_MESSAGE(WM_STREAM_FRAME, OnStreamFrame)
ON_MESSAGE(WM_STREAM_ERROR, OnStreamError)
ON_MESSAGE(WM_STREAM_ACK, OnStreamAck)
ON_MESSAGE(WM_PREVIEW_AREA_SELECTED, OnAreaSelected)
END_MESSAGE_MAP()

CQualityBoxDlg3::CQualityBoxDlg3(CWnd* pParent)
    : CDialog(IDD, pParent)
{
}

// A dialog whose window never ended normally still stops its thread (the
// stream's own end).
CQualityBoxDlg3::~CQualityBoxDlg3() = default;

void CQualityBoxDlg3::DoDataExchange(CDataExchange* pDX)
{
    CDialog::DoDataExchange(pDX);
    DDX_Radio(pDX, IDC_QUALITY_LEVEL1, m_nQuality);
}

void CQualityBoxDlg3::PlaceControls()
{
    // On top of the Z order (no window to go behind), shown.
    SetWindowPos(nullptr, 200, 200, 500, 340, SWP_SHOWWINDOW);
    ::PlaceControls(this,
        { { IDC_QUALITY_GROUP, 385, 15, 95, 244 }, { IDC_QUALITY_LEVEL1, 420, 55, 40, 25 },
            { IDC_QUALITY_LEVEL2, 420, 90, 40, 25 }, { IDC_QUALITY_LEVEL3, 420, 125, 40, 25 },
            { IDC_QUALITY_LEVEL4, 420, 160, 40, 25 }, { IDC_QUALITY_LEVEL5, 420, 195, 40, 25 },
            { IDOK, 70, 265, 100, 30 }, { IDCANCEL, 190, 265, 100, 30 } });
}

BOOL CQualityBoxDlg3::OnInitDialog()
{
    CDialog::OnInitDialog();
    CString caption;
    caption.LoadString(IDS_QUALITY_MODE_HOME + std::clamp(m_nMode, 0, 2));
    SetWindowText(caption);
    PlaceControls();

    // A thread that does not come up leaves the preview black and the
    // dialog usable.
    m_stream.StartThread();

    m_wndPreview.CreateEx(
        WS_EX_CLIENTEDGE, nullptr, "VIEWER", WS_CHILD | WS_VISIBLE, CRect(15, 15, 376, 259), this, 0);
    m_wndPreview.m_bAdjustArea = true;
    m_wndPreview.m_bRotated = false;
    m_wndPreview.m_bAreaLocked = false;
    // Vertical values stay: the preview corrects them on the next frame.
    const RECT half = m_rcArea.right - m_rcArea.left == 0 && m_rcArea.bottom - m_rcArea.top == 0
        ? RECT {}
        : QualityBoxBeforeFirstFrame(m_rcArea);
    m_wndPreview.m_rcArea = half;
    m_wndPreview.m_rcTrack = half;
    UpdateData(TRUE);
    m_wndPreview.GetClientRect(&m_rcPreview);

    m_stream.Start(m_hWnd, BYTE(m_nChannel & 0xFF), kStreamSetting, int(g_CurrentDevice.dwHttpPort));
    return TRUE;
}

LRESULT CQualityBoxDlg3::OnStreamFrame(WPARAM wParam, LPARAM lParam)
{
    m_stream.OnFrame(m_wndPreview, wParam, lParam, true);
    return 0;
}

LRESULT CQualityBoxDlg3::OnStreamError(WPARAM, LPARAM)
{
    return 0;
}

LRESULT CQualityBoxDlg3::OnStreamAck(WPARAM, LPARAM)
{
    return 0;
}

LRESULT CQualityBoxDlg3::OnAreaSelected(WPARAM, LPARAM)
{
    m_rcArea = NormalizedBox(m_wndPreview.m_rcArea);
    UpdateData(TRUE);
    m_rcArea = QualityBoxToDevice(m_wndPreview.m_rcArea, m_wndPreview.m_bNtsc, m_wndPreview.m_bRotated);
    return 0;
}

void CQualityBoxDlg3::PostNcDestroy()
{
    m_stream.End();
    CDialog::PostNcDestroy();
}
