#include "dialogs/CameraDlg.h"

#include "controls/ControlPlacement.h"
#include "link/CurrentDevice.h"
#include "platform/ui/DataExchange.h"
#include "platform/ui/SpinButtonCtrl.h"

#include <algorithm>

namespace
{

enum ColorChoice { COLOR_COLOR, COLOR_MONOCHROME, COLOR_MODE2 };

// The PTZ home controls exist from recorder model class 4 on.
bool HasPtzHome()
{
    return g_nRecorderModel >= 4;
}

constexpr int kPtzHomeControls[]
    = { IDC_CAM_PTZ_HOME_LABEL, IDC_CAM_PTZ_HOME, IDC_CAM_IDLE_LABEL, IDC_CAM_IDLE_TIME, IDC_CAM_IDLE_SPIN };

} // namespace

BEGIN_MESSAGE_MAP(CCameraDlg, CPagePane)
ON_CBN_SELCHANGE(IDC_CAM_COLOR, OnColorChange)
ON_CBN_SELCHANGE(IDC_CAM_PTZ_PORT, OnPtzPortChange)
ON_EN_CHANGE(IDC_CAM_PTZ_ADDRESS, OnAddressChange)
ON_BN_CLICKED(IDC_CAM_75OHM, On75OhmClicked)
ON_BN_CLICKED(IDC_CAM_PTZ_HOME, OnPtzHomeClicked)
ON_BN_CLICKED(IDC_CAM_VIDEO_LOSS, OnVideoLossClicked)
ON_EN_CHANGE(IDC_CAM_IDLE_TIME, OnIdleTimeChange)
ON_NOTIFY(UDN_DELTAPOS, IDC_CAM_IDLE_SPIN, OnIdleSpin)
END_MESSAGE_MAP()

CCameraDlg::CCameraDlg(CWnd* pPage)
    : CPagePane(IDD_CAMERA, pPage)
{
}

void CCameraDlg::DoDataExchange(CDataExchange* pDX)
{
    CPagePane::DoDataExchange(pDX);
    DDX_CBIndex(pDX, IDC_CAM_COLOR, m_nColor);
    DDX_Check(pDX, IDC_CAM_75OHM, m_b75Ohm);
    DDX_CBIndex(pDX, IDC_CAM_PTZ_PORT, m_nPtzPort);
    DDX_Text(pDX, IDC_CAM_PTZ_ADDRESS, m_nAddress);
    DDV_MinMaxUInt(pDX, m_nAddress, 0, 65535);
    DDX_Check(pDX, IDC_CAM_PTZ_HOME, m_bPtzHome);
    DDX_Text(pDX, IDC_CAM_IDLE_TIME, m_nIdleTime);
    DDX_Check(pDX, IDC_CAM_VIDEO_LOSS, m_bVideoLoss);
}

BOOL CCameraDlg::OnInitDialog()
{
    m_bFilling = true;
    CPagePane::OnInitDialog();
    if (auto* color = static_cast<CComboBox*>(GetDlgItem(IDC_CAM_COLOR))) {
        color->AddString("Color");
        color->AddString("B/W");
    }
    if (auto* spin = static_cast<CSpinButtonCtrl*>(GetDlgItem(IDC_CAM_IDLE_SPIN)))
        spin->SetRange(0, short(kMaxIdle));
    if (CWnd* ohm = GetDlgItem(IDC_CAM_75OHM))
        ohm->ShowWindow(g_nRecorderModel == 1 ? SW_SHOW : SW_HIDE);
    if (CWnd* loss = GetDlgItem(IDC_CAM_VIDEO_LOSS))
        loss->ShowWindow(SW_HIDE);
    // The PTZ group holds the home return only where the recorder has it.
    const bool home = HasPtzHome();
    for (int id : kPtzHomeControls) {
        if (CWnd* control = GetDlgItem(id))
            control->ShowWindow(home ? SW_SHOW : SW_HIDE);
    }
    if (CWnd* group = GetDlgItem(IDC_CAM_PTZ_GROUP)) {
        CRect rect;
        group->GetWindowRect(&rect);
        ScreenToClient(&rect);
        group->MoveWindow(rect.left, rect.top, rect.Width(), home ? 74 : 52);
    }
    m_bFilling = false;
    return TRUE;
}

void CCameraDlg::FillPtzPorts(int nPortCount)
{
    auto* ports = static_cast<CComboBox*>(GetDlgItem(IDC_CAM_PTZ_PORT));
    if (!ports)
        return;
    m_bFilling = true;
    ports->ResetContent();
    CString none;
    none.LoadString(IDS_NONE);
    ports->AddString(none);
    const bool numbered = g_nRecorderModel >= 2 && g_nRecorderModel <= 4;
    for (int entry = 1; entry < nPortCount; ++entry) {
        CString text;
        if (numbered)
            text.Format("COM %d", entry + 1);
        else if (entry == 1)
            text = "RS-232(PTZ)";
        else if (entry == 2)
            text = "RS-422/485(PTZ)";
        ports->AddString(text);
    }
    if (m_pCamera)
        ports->SetCurSel(m_pCamera->byPtzPort >= 1 ? m_pCamera->byPtzPort - 1 : 0);
    m_bFilling = false;
}

void CCameraDlg::SetCamera(CFG_CAMERA* pCamera)
{
    m_pCamera = pCamera;
    if (!pCamera)
        return;
    const uint16_t flags = pCamera->wFlags;
    SetDlgItemText(IDC_CAM_STANDARD, (flags & CAMERA_PAL) ? "PAL" : "NTSC");
    m_nColor = (flags & CAMERA_COLOUR_MODE2) ? COLOR_MODE2
        : (flags & CAMERA_MONOCHROME)        ? COLOR_MONOCHROME
                                             : COLOR_COLOR;
    m_b75Ohm = (flags & CAMERA_75_OHM) != 0;
    m_bPtzHome = (flags & CAMERA_PTZ_HOME) != 0;
    if (HasPtzHome())
        m_nIdleTime = flags >> 8;
    m_bVideoLoss = (flags & CAMERA_VIDEO_LOSS) != 0;
    m_nPtzPort = pCamera->byPtzPort >= 1 ? pCamera->byPtzPort - 1 : 0;
    m_nAddress = pCamera->wPtzAddress;
    m_bFilling = true;
    UpdateData(FALSE);
    m_bFilling = false;
}

void CCameraDlg::SetFlag(uint16_t flag, int on)
{
    if (on)
        m_pCamera->wFlags |= flag;
    else
        m_pCamera->wFlags &= uint16_t(~flag);
}

void CCameraDlg::OnColorChange()
{
    if (!m_pCamera || m_bFilling)
        return;
    const int choice = int(SendDlgItemMessage(IDC_CAM_COLOR, CB_GETCURSEL));
    m_pCamera->wFlags &= uint16_t(~CAMERA_COLOUR_MODE2);
    if (choice == COLOR_MODE2)
        m_pCamera->wFlags |= CAMERA_COLOUR_MODE2;
    else if (choice == COLOR_COLOR)
        m_pCamera->wFlags &= uint16_t(~CAMERA_MONOCHROME);
    else if (choice == COLOR_MONOCHROME)
        m_pCamera->wFlags |= CAMERA_MONOCHROME;
    m_nColor = choice;
    NotifyPage();
}

void CCameraDlg::OnPtzPortChange()
{
    if (!m_pCamera || m_bFilling)
        return;
    const int entry = int(SendDlgItemMessage(IDC_CAM_PTZ_PORT, CB_GETCURSEL));
    m_pCamera->byPtzPort = uint8_t(entry <= 0 ? 0 : entry + 1);
    m_nPtzPort = std::max(entry, 0);
    NotifyPage();
}

void CCameraDlg::OnAddressChange()
{
    if (!m_pCamera || m_bFilling)
        return;
    // Only the address is read back: the other fields keep their own rules.
    CDataExchange dx(this, TRUE);
    UINT address = 0;
    DDX_Text(&dx, IDC_CAM_PTZ_ADDRESS, address);
    DDV_MinMaxUInt(&dx, address, 0, 65535);
    if (dx.m_bFailed) {
        m_bFilling = true;
        SetDlgItemInt(IDC_CAM_PTZ_ADDRESS, m_pCamera->wPtzAddress, FALSE);
        m_bFilling = false;
        if (CWnd* edit = GetDlgItem(IDC_CAM_PTZ_ADDRESS))
            edit->SetFocus();
        return;
    }
    m_nAddress = address;
    m_pCamera->wPtzAddress = uint16_t(address);
    NotifyPage();
}

void CCameraDlg::On75OhmClicked()
{
    if (!m_pCamera)
        return;
    m_b75Ohm = IsDlgButtonChecked(IDC_CAM_75OHM);
    SetFlag(CAMERA_75_OHM, m_b75Ohm);
    NotifyPage();
}

void CCameraDlg::OnPtzHomeClicked()
{
    if (!m_pCamera)
        return;
    m_bPtzHome = IsDlgButtonChecked(IDC_CAM_PTZ_HOME);
    SetFlag(CAMERA_PTZ_HOME, m_bPtzHome);
    NotifyPage();
}

void CCameraDlg::OnVideoLossClicked()
{
    if (!m_pCamera)
        return;
    m_bVideoLoss = IsDlgButtonChecked(IDC_CAM_VIDEO_LOSS);
    SetFlag(CAMERA_VIDEO_LOSS, m_bVideoLoss);
    NotifyPage();
}

void CCameraDlg::StoreIdleTime(int idle)
{
    m_nIdleTime = idle;
    m_pCamera->wFlags = uint16_t((m_pCamera->wFlags & 0x00FF) | ((idle & 0xFF) << 8));
}

void CCameraDlg::OnIdleTimeChange()
{
    if (!m_pCamera || m_bFilling)
        return;
    BOOL ok = FALSE;
    const UINT idle = GetDlgItemInt(IDC_CAM_IDLE_TIME, &ok, FALSE);
    if (!ok)
        return;
    StoreIdleTime(int(idle));
    NotifyPage();
}

void CCameraDlg::OnIdleSpin(NMHDR* pNMHDR, LRESULT* pResult)
{
    *pResult = 1; // the pane moves the value itself
    if (!m_pCamera)
        return;
    const auto* step = reinterpret_cast<NMUPDOWN*>(pNMHDR);
    // Steps of five seconds, never outside the range, whatever was stored.
    const int idle
        = std::clamp(m_nIdleTime + (step->iDelta > 0 ? kIdleStep : -kIdleStep), kMinIdle, kMaxIdle);
    StoreIdleTime(idle);
    m_bFilling = true;
    SetDlgItemInt(IDC_CAM_IDLE_TIME, UINT(idle), FALSE);
    m_bFilling = false;
    NotifyPage();
}
