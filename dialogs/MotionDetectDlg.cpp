#include "dialogs/MotionDetectDlg.h"

#include "controls/ControlPlacement.h"
#include "link/CurrentDevice.h"
#include "platform/ui/Controls.h"
#include "platform/ui/DataExchange.h"
#include "viewer/quenby/BriselViewer.h"

#include <algorithm>

namespace
{

constexpr int kButtonWidth = 51;
constexpr int kButtonHeight = 23;
constexpr int kButtonTop = 262;

constexpr ControlPlace kWithThreshold[] = {
    { IDC_MD_THRESHOLD_LABEL, 15, 265, 47, 13 },
    { IDC_MD_THRESHOLD, 64, 263, 72, 20 },
    { IDC_MD_CLEAR_ALL, 142, kButtonTop, kButtonWidth, kButtonHeight },
    { IDC_MD_SET_ALL, 196, kButtonTop, kButtonWidth, kButtonHeight },
    { IDOK, 250, kButtonTop, kButtonWidth, kButtonHeight },
    { IDCANCEL, 304, kButtonTop, kButtonWidth, kButtonHeight },
};
constexpr ControlPlace kWithoutThreshold[] = {
    { IDC_MD_CLEAR_ALL, 84, kButtonTop, kButtonWidth, kButtonHeight },
    { IDC_MD_SET_ALL, 138, kButtonTop, kButtonWidth, kButtonHeight },
    { IDOK, 192, kButtonTop, kButtonWidth, kButtonHeight },
    { IDCANCEL, 246, kButtonTop, kButtonWidth, kButtonHeight },
};

} // namespace

BEGIN_MESSAGE_MAP(CMotionDetectDlg, CDialog)
ON_CBN_SELCHANGE(IDC_MD_THRESHOLD, OnThresholdChange)
ON_BN_CLICKED(IDC_MD_CLEAR_ALL, OnClearAll)
ON_BN_CLICKED(IDC_MD_SET_ALL, OnSetAll)
ON_WM_LBUTTONUP()
ON_WM_CLOSE()
END_MESSAGE_MAP()

CMotionDetectDlg::CMotionDetectDlg(CWnd* pParent)
    : CDialog(IDD_MOTION_DETECT, pParent)
{
}

CMotionDetectDlg::~CMotionDetectDlg() = default;

void CMotionDetectDlg::SetMdArea(int nChannel, int nThreshold, const uint8_t mask[8])
{
    m_nChannel = nChannel;
    m_nThreshold = nThreshold;
    std::copy(mask, mask + 8, m_abMask8);
    std::fill(std::begin(m_abCells), std::end(m_abCells), 0);
    for (int cell = 0; cell < 64; ++cell)
        m_abCells[cell] = (mask[cell / 8] >> (7 - cell % 8)) & 1;
}

void CMotionDetectDlg::SetMdArea16(int nChannel, int nThreshold, const uint16_t mask[16])
{
    m_nChannel = nChannel;
    m_nThreshold = nThreshold;
    std::copy(mask, mask + 16, m_awMask16);
    for (int cell = 0; cell < kCells; ++cell)
        m_abCells[cell] = (mask[cell / 16] >> (15 - cell % 16)) & 1;
}

void CMotionDetectDlg::SetMdBlockSize(bool bFixed, int nColumns, int nRows, int nCellWidth, int nCellHeight)
{
    m_b16x16 = nColumns > 8;
    m_blockSize = { true, bFixed, nColumns, nRows, nCellWidth, nCellHeight };
}

void CMotionDetectDlg::DoDataExchange(CDataExchange* pDX)
{
    CDialog::DoDataExchange(pDX);
    DDX_CBIndex(pDX, IDC_MD_THRESHOLD, m_nThreshold);
}

BOOL CMotionDetectDlg::OnInitDialog()
{
    CDialog::OnInitDialog();
    if (CWnd* parent = GetParent()) {
        CRect frame;
        parent->GetWindowRect(&frame);
        MoveWindow(frame.left + 187, frame.top + 160, 380, 320);
    }
    if (auto* threshold = static_cast<CComboBox*>(GetDlgItem(IDC_MD_THRESHOLD))) {
        for (const char* text : { "Low", "Standard", "High" })
            threshold->AddString(text);
    }
    if (m_bHideThreshold) {
        for (int id : { IDC_MD_THRESHOLD_LABEL, IDC_MD_THRESHOLD }) {
            if (CWnd* control = GetDlgItem(id))
                control->ShowWindow(SW_HIDE);
        }
        PlaceControls(this, kWithoutThreshold);
    } else {
        PlaceControls(this, kWithThreshold);
    }

    // A viewer of its own for each run: the last one went with its window.
    m_pViewer = std::make_unique<quenby::CBriselViewer>(false, false);
    if (m_blockSize.set)
        m_pViewer->SetMdBlockSize(
            m_blockSize.fixed, m_blockSize.columns, m_blockSize.rows, m_blockSize.width, m_blockSize.height);
    m_pViewer->Init(GetSafeHwnd());
    m_pViewer->MoveWindow(5, 5, 360, 243);
    m_pViewer->Stop();
    m_pViewer->ShowMDArea(true);
    bool cells[kCells];
    std::transform(std::begin(m_abCells), std::end(m_abCells), cells, [](uint8_t c) { return c != 0; });
    m_pViewer->SetMDAreaValue(cells);
    m_pViewer->Start(g_CurrentDevice.szAddress, short(g_CurrentDevice.dwHttpPort), "admin",
        g_strDevicePassword.c_str(), m_nChannel);
    SendDlgItemMessage(IDC_MD_THRESHOLD, CB_SETCURSEL, WPARAM(m_nThreshold));
    return TRUE;
}

void CMotionDetectDlg::StopViewer()
{
    if (m_pViewer && m_pViewer->GetSafeHwnd())
        m_pViewer->Stop();
}

void CMotionDetectDlg::OnThresholdChange()
{
    const int selection = int(SendDlgItemMessage(IDC_MD_THRESHOLD, CB_GETCURSEL));
    if (selection >= 0)
        m_nThreshold = selection;
}

void CMotionDetectDlg::SetAllCells(bool bOn)
{
    if (!m_pViewer)
        return;
    bool cells[kCells];
    std::fill(std::begin(cells), std::end(cells), bOn);
    m_pViewer->SetMDAreaValue(cells);
}

void CMotionDetectDlg::OnClearAll()
{
    SetAllCells(false);
}

void CMotionDetectDlg::OnSetAll()
{
    SetAllCells(true);
}

void CMotionDetectDlg::OnLButtonUp(UINT nFlags, CPoint point)
{
    // A drag in the picture ends even when the button is let go outside it.
    if (m_pViewer && m_pViewer->GetSafeHwnd())
        m_pViewer->PostMessage(WM_LBUTTONUP, nFlags, MAKELPARAM(point.x, point.y));
    CDialog::OnLButtonUp(nFlags, point);
}

void CMotionDetectDlg::OnClose()
{
    StopViewer();
    CDialog::OnClose();
}

void CMotionDetectDlg::OnOK()
{
    StopViewer();
    std::fill(std::begin(m_awMask16), std::end(m_awMask16), 0);
    const bool* cells = m_pViewer ? m_pViewer->MdAreaGrid : nullptr;
    if (cells && m_b16x16) {
        for (int cell = 0; cell < kCells; ++cell)
            if (cells[cell])
                m_awMask16[cell / 16] |= uint16_t(1u << (15 - cell % 16));
    } else if (cells) {
        std::fill(std::begin(m_abMask8), std::end(m_abMask8), 0);
        for (int cell = 0; cell < 64; ++cell)
            if (cells[cell])
                m_abMask8[cell / 8] |= uint8_t(1u << (7 - cell % 8));
    }
    CDialog::OnOK();
}

void CMotionDetectDlg::OnCancel()
{
    StopViewer();
    CDialog::OnCancel();
}

void CMotionDetectDlg::PostNcDestroy()
{
    m_pViewer.reset();
    CDialog::PostNcDestroy();
}
