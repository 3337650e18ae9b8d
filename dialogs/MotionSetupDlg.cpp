#include "dialogs/MotionSetupDlg.h"

#include "controls/ControlPlacement.h"
#include "dialogs/MotionDetectDlg.h"

#include <algorithm>
#include <cstring>

namespace
{

enum AreaChoice { AREA_SET_ALL, AREA_CLEAR_ALL };

} // namespace

BEGIN_MESSAGE_MAP(CMotionSetupDlg, CPagePane)
ON_LBN_SELCHANGE(IDC_MOTION_CAMERAS, OnCameraSelChange)
ON_CBN_SELCHANGE(IDC_MOTION_SENSITIVITY, OnSensitivityChange)
ON_BN_CLICKED(IDC_MOTION_VIDEO_LOSS, OnVideoLossClicked)
ON_BN_CLICKED(IDC_MOTION_APPLY, OnApply)
ON_BN_CLICKED(IDC_MOTION_CUSTOM_AREA, OnCustomArea)
END_MESSAGE_MAP()

CMotionSetupDlg::CMotionSetupDlg(CWnd* pPage)
    : CPagePane(IDD_MOTION_SETUP, pPage)
{
}

BOOL CMotionSetupDlg::OnInitDialog()
{
    CPagePane::OnInitDialog();
    if (auto* md = static_cast<CComboBox*>(GetDlgItem(IDC_MOTION_SENSITIVITY))) {
        for (const char* text : { "Off", "Low", "Standard", "High" })
            md->AddString(text);
    }
    if (auto* area = static_cast<CComboBox*>(GetDlgItem(IDC_MOTION_AREA))) {
        for (const char* text : { "Set All", "Clear All" })
            area->AddString(text);
    }
    ShowGlobal();
    return TRUE;
}

void CMotionSetupDlg::FillCameras(int nCount)
{
    auto* cameras = static_cast<CListBox*>(GetDlgItem(IDC_MOTION_CAMERAS));
    if (!cameras)
        return;
    cameras->ResetContent();
    m_nCameraCount = std::clamp(nCount, 0, int(kCameras));
    if (m_nCameraCount == 0)
        return;
    CString global;
    global.LoadString(IDS_GLOBAL_CAMERA);
    cameras->AddString(global);
    for (int camera = 1; camera <= m_nCameraCount; ++camera) {
        CString name;
        name.Format("Cam%d", camera);
        cameras->AddString(name);
    }
}

void CMotionSetupDlg::SetMotion(const tagMotionEntry* pMotion)
{
    std::memcpy(m_Motion, pMotion, sizeof m_Motion);
    SendDlgItemMessage(IDC_MOTION_CAMERAS, LB_SETCURSEL, 0);
    ShowGlobal();
    m_nCurrent = -1;
}

void CMotionSetupDlg::GetMotion(tagMotionEntry* pMotion)
{
    StoreCamera();
    std::memcpy(pMotion, m_Motion, sizeof m_Motion);
}

void CMotionSetupDlg::ShowGlobal()
{
    SendDlgItemMessage(IDC_MOTION_SENSITIVITY, CB_SETCURSEL, 0);
    CheckDlgButton(IDC_MOTION_VIDEO_LOSS, BST_UNCHECKED);
    SendDlgItemMessage(IDC_MOTION_AREA, CB_SETCURSEL, AREA_SET_ALL);
    ShowControls(this, { IDC_MOTION_AREA }, true);
    ShowControls(this, { IDC_MOTION_CUSTOM_AREA }, false);
    if (CWnd* apply = GetDlgItem(IDC_MOTION_APPLY))
        apply->EnableWindow(TRUE);
}

void CMotionSetupDlg::ShowCamera(int camera)
{
    SendDlgItemMessage(IDC_MOTION_SENSITIVITY, CB_SETCURSEL, m_Motion[camera].bySensitivity);
    CheckDlgButton(IDC_MOTION_VIDEO_LOSS, m_Motion[camera].byVideoLoss ? BST_CHECKED : BST_UNCHECKED);
    ShowControls(this, { IDC_MOTION_AREA }, false);
    ShowControls(this, { IDC_MOTION_CUSTOM_AREA }, true);
    if (CWnd* apply = GetDlgItem(IDC_MOTION_APPLY))
        apply->EnableWindow(FALSE);
}

void CMotionSetupDlg::StoreCamera()
{
    if (m_nCurrent < 0 || m_nCurrent >= kCameras)
        return;
    const int sensitivity = int(SendDlgItemMessage(IDC_MOTION_SENSITIVITY, CB_GETCURSEL));
    if (sensitivity >= 0)
        m_Motion[m_nCurrent].bySensitivity = uint8_t(sensitivity);
    m_Motion[m_nCurrent].byVideoLoss = IsDlgButtonChecked(IDC_MOTION_VIDEO_LOSS) ? 1 : 0;
}

void CMotionSetupDlg::OnCameraSelChange()
{
    const int selection = int(SendDlgItemMessage(IDC_MOTION_CAMERAS, LB_GETCURSEL));
    if (selection < 0)
        return;
    StoreCamera();
    m_nCurrent = std::min(selection - 1, int(kCameras) - 1);
    if (m_nCurrent < 0)
        ShowGlobal();
    else
        ShowCamera(m_nCurrent);
}

void CMotionSetupDlg::OnSensitivityChange()
{
    if (m_nCurrent >= 0)
        NotifyPage();
}

void CMotionSetupDlg::OnVideoLossClicked()
{
    if (m_nCurrent >= 0)
        NotifyPage();
}

void CMotionSetupDlg::OnApply()
{
    const int sensitivity = std::max(0, int(SendDlgItemMessage(IDC_MOTION_SENSITIVITY, CB_GETCURSEL)));
    const uint8_t videoLoss = IsDlgButtonChecked(IDC_MOTION_VIDEO_LOSS) ? 1 : 0;
    const uint8_t area
        = SendDlgItemMessage(IDC_MOTION_AREA, CB_GETCURSEL) == AREA_SET_ALL ? uint8_t(0xFF) : uint8_t(0);
    // The cameras the recorder has; the entries beyond them stay empty.
    for (int camera = 0; camera < m_nCameraCount; ++camera) {
        m_Motion[camera].bySensitivity = uint8_t(sensitivity);
        m_Motion[camera].byVideoLoss = videoLoss;
        std::fill(std::begin(m_Motion[camera].byArea), std::end(m_Motion[camera].byArea), area);
    }
    NotifyPage();
}

void CMotionSetupDlg::OnCustomArea()
{
    if (m_nCurrent < 0)
        return;
    tagMotionEntry& entry = m_Motion[m_nCurrent];
    CMotionDetectDlg dlg(this);
    dlg.SetMdArea(m_nCurrent + 1, entry.bySensitivity, entry.byArea);
    dlg.SetHideThreshold(1);
    if (dlg.DoModal() != IDOK)
        return;
    std::copy(std::begin(dlg.m_abMask8), std::end(dlg.m_abMask8), entry.byArea);
    NotifyPage();
}
