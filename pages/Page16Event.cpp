#include "pages/Page16Event.h"

#include "controls/ControlPlacement.h"
#include "dialogs/MotionDetectDlg.h"
#include "link/CameraBlocks.h"
#include "platform/ui/DataExchange.h"

#include <algorithm>
#include <cstring>

namespace
{

constexpr ControlPlace kPlaces[] = {
    { IDC_EVENT_CAMERA_GROUP, 14, 14, 75, 323 },
    { IDC_EVENT_CAMERAS, 23, 32, 57, 296 },
    { IDC_EVENT_GROUP, 99, 14, 431, 323 },
    { IDC_EVENT_ALARM_LABEL, 115, 37, 100, 16 },
    { IDC_EVENT_ALARM_INPUT, 225, 37, 60, 16 },
    { IDC_EVENT_MD_LABEL, 115, 73, 100, 16 },
    { IDC_EVENT_MD, 225, 68, 110, 120 },
    { IDC_EVENT_AREA_LABEL, 115, 109, 100, 16 },
    { IDC_EVENT_CUSTOM_AREA, 225, 104, 110, 25 },
};

uint16_t AlarmInputBit(int camera)
{
    return uint16_t(kEventAlarmInputFirst >> camera);
}

} // namespace

BEGIN_MESSAGE_MAP(CPage16Event, CConfigPage)
ON_LBN_SELCHANGE(IDC_EVENT_CAMERAS, OnCameraSelChange)
ON_BN_CLICKED(IDC_EVENT_ALARM_INPUT, OnAlarmInputClicked)
ON_CBN_SELCHANGE(IDC_EVENT_MD, OnSensitivityChange)
ON_BN_CLICKED(IDC_EVENT_CUSTOM_AREA, OnCustomArea)
END_MESSAGE_MAP()

CPage16Event::CPage16Event()
    : CConfigPage(IDD_PAGE16_EVENT, SLOT_Event)
{
    DeclareGroups(kCameras);
    // Every camera read goes back with each Apply; one never read does not.
    SetWriteAllGroups(TRUE);
}

void CPage16Event::DoDataExchange(CDataExchange* pDX)
{
    CConfigPage::DoDataExchange(pDX);
    DDX_Control(pDX, IDC_EVENT_CAMERAS, m_lbCameras);
    DDX_Check(pDX, IDC_EVENT_ALARM_INPUT, m_bAlarmInput);
    DDX_CBIndex(pDX, IDC_EVENT_MD, m_nSensitivity);
}

BOOL CPage16Event::OnInitDialog()
{
    CConfigPage::OnInitDialog();
    PlaceControls(this, kPlaces);
    if (auto* md = static_cast<CComboBox*>(GetDlgItem(IDC_EVENT_MD))) {
        for (const char* text : { "Off", "Standard", "Medium", "High" })
            md->AddString(text);
    }
    return TRUE;
}

void CPage16Event::ReadSettings()
{
    CFG_CAMERA_COUNTS counts {};
    ReadBlock(GET_CAMERA_COUNTS, &counts);
    // The page lists only the cameras it keeps entries for.
    m_nCameraCount = std::min<int>(counts.analogue, kCameras);
    m_lbCameras.ResetContent();
    for (int camera = 0; camera < m_nCameraCount; ++camera) {
        CString name;
        name.Format("Cam%d", camera + 1);
        m_lbCameras.AddString(name);
    }
    m_lbCameras.SetCurSel(0);
    m_nCamera = 0;
    for (int camera = 0; camera < kCameras; ++camera) {
        m_bRead[camera] = ReadBlock(GET_EVENT, &m_Events[camera], { uint8_t(camera) });
        MarkGroupRead(camera, m_bRead[camera]);
    }
    ShowCamera(0);
}

void CPage16Event::ShowCamera(int camera)
{
    m_bAlarmInput = (m_Events[camera].wFlags & AlarmInputBit(camera)) != 0;
    m_nSensitivity = m_Events[camera].bySensitivity;
    UpdateData(FALSE);
}

void CPage16Event::StoreCamera()
{
    m_bAlarmInput = IsDlgButtonChecked(IDC_EVENT_ALARM_INPUT);
    const int sensitivity = int(SendDlgItemMessage(IDC_EVENT_MD, CB_GETCURSEL));
    CFG_EVENT& entry = m_Events[m_nCamera];
    const uint16_t bit = AlarmInputBit(m_nCamera);
    entry.wFlags = uint16_t(m_bAlarmInput ? entry.wFlags | bit : entry.wFlags & ~bit);
    if (sensitivity >= 0)
        entry.bySensitivity = uint8_t(sensitivity);
}

void CPage16Event::OnCameraSelChange()
{
    const int selection = m_lbCameras.GetCurSel();
    if (selection < 0 || selection >= kCameras || selection == m_nCamera)
        return;
    StoreCamera();
    m_nCamera = selection;
    ShowCamera(selection);
}

void CPage16Event::OnAlarmInputClicked()
{
    MarkGroupChanged(m_nCamera);
}

void CPage16Event::OnSensitivityChange()
{
    MarkGroupChanged(m_nCamera);
}

void CPage16Event::OnCustomArea()
{
    CFG_EVENT& entry = m_Events[m_nCamera];
    CMotionDetectDlg dlg(this);
    dlg.SetMdArea16(m_nCamera + 1, entry.bySensitivity, entry.wArea);
    dlg.SetHideThreshold(1);
    dlg.SetMdBlockSize(true, 16, 12, 22, 20);
    if (dlg.DoModal() != IDOK)
        return;
    std::copy(std::begin(dlg.m_awMask16), std::end(dlg.m_awMask16), entry.wArea);
    MarkGroupChanged(m_nCamera);
}

BOOL CPage16Event::ValidateSettings()
{
    StoreCamera();
    return TRUE;
}

ConfigResult CPage16Event::WriteGroup(int group)
{
    // An entry the device did not give is not written with made-up values.
    if (!m_bRead[group])
        return CONFIG_DONE;
    const CFG_EVENT& e = m_Events[group];
    CFG_EVENT_SET set {};
    set.byCamera = uint8_t(group);
    set.wFlags = e.wFlags;
    set.dwValue = e.dwValue;
    set.bySensitivity = e.bySensitivity;
    std::memcpy(set.byArea8, e.byArea8, sizeof set.byArea8);
    std::memcpy(set.byValues, e.byValues, sizeof set.byValues);
    std::memcpy(set.wArea, e.wArea, sizeof set.wArea);
    return WriteBlock(SET_EVENT, set);
}
