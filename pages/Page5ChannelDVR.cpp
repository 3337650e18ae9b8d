#include "pages/Page5ChannelDVR.h"

#include "controls/ControlPlacement.h"
#include "link/CurrentDevice.h"
#include "link/DeviceGates.h"
#include "pages/common/ParameterRequest.h"
#include "pages/common/RecorderCameras.h"
#include "platform/base/Services.h"
#include "platform/ui/DataExchange.h"
#include "viewer/quenby/BriselViewer.h"

#include <algorithm>
#include <cstring>

namespace
{

enum AgcChoice { AGC_ENABLE, AGC_DISABLE };

// Recorders from model class 4 on have a taller page.
// The camera set-up group and the height of a group's title line.
constexpr int kSourceTop = 60, kGroupTitle = 18;

bool TallLayout()
{
    return g_nRecorderModel >= 4;
}

// Gain is a slider on model class 0; the others choose AGC.
bool HasGainSlider()
{
    return g_nRecorderModel == 0;
}

constexpr int kAnalogueOnly[] = { IDC_CAMDVR_BRIGHTNESS_LABEL, IDC_CAMDVR_BRIGHTNESS,
    IDC_CAMDVR_CONTRAST_LABEL, IDC_CAMDVR_CONTRAST, IDC_CAMDVR_GAIN_LABEL, IDC_CAMDVR_GAIN, IDC_CAMDVR_AGC };

void Show(CWnd* parent, int id, bool show)
{
    if (CWnd* control = parent->GetDlgItem(id))
        control->ShowWindow(show ? SW_SHOW : SW_HIDE);
}

} // namespace

BEGIN_MESSAGE_MAP(CPage5ChannelDVR, CConfigPage)
ON_LBN_SELCHANGE(IDC_CAMDVR_LIST, OnCameraSelChange)
ON_BN_CLICKED(IDC_CAMDVR_ON, OnOnClicked)
ON_EN_CHANGE(IDC_CAMDVR_NAME, OnNameChange)
ON_CBN_SELCHANGE(IDC_CAMDVR_AGC, OnAgcChange)
ON_NOTIFY_RANGE(NM_CUSTOMDRAW, IDC_CAMDVR_BRIGHTNESS, IDC_CAMDVR_GAIN, OnSliderDraw)
ON_WM_LBUTTONUP()
ON_WM_DESTROY()
ON_MESSAGE(WM_PAGE_MODIFIED, OnPaneModified)
END_MESSAGE_MAP()

CPage5ChannelDVR::CPage5ChannelDVR()
    : CConfigPage(IDD_PAGE5_CHANNEL_DVR, SLOT_ChannelDVR)
{
}

CPage5ChannelDVR::~CPage5ChannelDVR()
{
    StopLive();
}

void CPage5ChannelDVR::ReleaseChildDialogs()
{
    StopLive();
    m_pViewer.reset();
    m_pCameraDlg.reset();
    m_pIpCameraDlg.reset();
}

void CPage5ChannelDVR::DoDataExchange(CDataExchange* pDX)
{
    CConfigPage::DoDataExchange(pDX);
    DDX_Control(pDX, IDC_CAMDVR_LIST, m_lbCameras);
    DDX_Check(pDX, IDC_CAMDVR_ON, m_bOn);
    DDX_Text(pDX, IDC_CAMDVR_NAME, m_strName);
}

BOOL CPage5ChannelDVR::OnInitDialog()
{
    m_bFilling = true;
    CConfigPage::OnInitDialog();
    CString gain;
    gain.LoadString(HasGainSlider() ? IDS_GAIN : IDS_AGC);
    SetDlgItemText(IDC_CAMDVR_GAIN_LABEL, gain);

    const bool tall = TallLayout();
    const int groupHeight = tall ? 460 : 440;
    const int row1 = tall ? 415 : 393;
    const int row2 = tall ? 434 : 412;
    const ControlPlace places[] = {
        { IDC_CAMDVR_CAMERA_GROUP, 14, 11, 78, groupHeight },
        { IDC_CAMDVR_LIST, 23, 30, 59, tall ? 430 : 410 },
        { IDC_CAMDVR_INFO_GROUP, 99, 11, 422, groupHeight },
        { IDC_CAMDVR_ON, 117, 39, 56, 16 },
        { IDC_CAMDVR_NAME_LABEL, 175, 39, 40, 16 },
        { IDC_CAMDVR_NAME, 218, 34, 135, 23 },
        { IDC_CAMDVR_BRIGHTNESS_LABEL, 125, row1 + 2, 75, 16 },
        { IDC_CAMDVR_BRIGHTNESS, 203, row1, 120, 20 },
        { IDC_CAMDVR_CONTRAST_LABEL, 335, row1 + 2, 60, 16 },
        { IDC_CAMDVR_CONTRAST, 400, row1, 110, 20 },
        { IDC_CAMDVR_GAIN_LABEL, 125, row2 + 4, 75, 16 },
        { IDC_CAMDVR_GAIN, 203, row2, 120, 20 },
        { IDC_CAMDVR_AGC, 203, row2, 120, 80 },
    };
    PlaceControls(this, places);
    if (auto* agc = static_cast<CComboBox*>(GetDlgItem(IDC_CAMDVR_AGC))) {
        for (UINT id : { IDS_AGC_ENABLE, IDS_AGC_DISABLE }) {
            CString text;
            text.LoadString(id);
            agc->AddString(text);
        }
    }
    if (auto* name = static_cast<CEdit*>(GetDlgItem(IDC_CAMDVR_NAME))) {
        name->LimitText(kRecorderCameraNameLength);
        name->EnableWindow(IsFeatureSupported());
    }

    m_pCameraDlg = std::make_unique<CCameraDlg>(this);
    m_pCameraDlg->CreatePane(this);
    m_pCameraDlg->MoveWindow(125, kSourceTop + kGroupTitle, 388, 100);
    m_pCameraDlg->ShowWindow(SW_SHOW);
    m_pIpCameraDlg = std::make_unique<CIpCameraDlg>(this);
    m_pIpCameraDlg->CreatePane(this);
    m_pIpCameraDlg->MoveWindow(125, 75, 390, 155);
    m_pIpCameraDlg->ShowWindow(SW_HIDE);

    for (int id : { IDC_CAMDVR_BRIGHTNESS, IDC_CAMDVR_CONTRAST, IDC_CAMDVR_GAIN })
        SendDlgItemMessage(id, TBM_SETRANGE, TRUE, MAKELPARAM(0, kMaxSliderValue));
    m_pViewer = std::make_unique<quenby::CBriselViewer>(false, false);
    m_pViewer->Init(GetSafeHwnd());
    ShowAnalogueLayout();
    m_bFilling = false;
    return TRUE;
}

void CPage5ChannelDVR::ShowAnalogueLayout()
{
    const bool tall = TallLayout();
    const int sourceHeight = tall ? 124 : 104;
    // The live picture's group starts below the source group, its title
    // clear of the picture.
    const int videoTop = kSourceTop + sourceHeight + 2;
    const int viewerTop = tall ? 205 : 185;
    const ControlPlace places[] = {
        { IDC_CAMDVR_SOURCE_GROUP, 116, kSourceTop, 404, sourceHeight },
        { IDC_CAMDVR_VIDEO_GROUP, 116, videoTop, 404, viewerTop + 190 - videoTop },
    };
    PlaceControls(this, places);
    if (m_pCameraDlg) {
        // The pane fills the group below its title, inside its frame.
        m_pCameraDlg->MoveWindow(125, kSourceTop + kGroupTitle, 388, sourceHeight - kGroupTitle - 4);
        m_pCameraDlg->ShowWindow(SW_SHOW);
    }
    if (m_pIpCameraDlg)
        m_pIpCameraDlg->ShowWindow(SW_HIDE);
    for (int id : kAnalogueOnly)
        Show(this, id, true);
    Show(this, HasGainSlider() ? IDC_CAMDVR_AGC : IDC_CAMDVR_GAIN, false);
    if (m_pViewer)
        m_pViewer->MoveWindow(189, viewerTop, 266, 180);
}

void CPage5ChannelDVR::ShowNetworkLayout()
{
    // The bandwidth row, from revision 22 on, makes the source group taller.
    const bool bandwidth = g_nDeviceRevision >= 22;
    const int sourceHeight = bandwidth ? 166 : 140;
    const ControlPlace places[] = {
        { IDC_CAMDVR_SOURCE_GROUP, 116, 60, 404, sourceHeight },
        { IDC_CAMDVR_VIDEO_GROUP, 116, 60 + sourceHeight + 6, 404, bandwidth ? 211 : 237 },
    };
    PlaceControls(this, places);
    if (m_pCameraDlg)
        m_pCameraDlg->ShowWindow(SW_HIDE);
    if (m_pIpCameraDlg)
        m_pIpCameraDlg->ShowWindow(SW_SHOW);
    for (int id : kAnalogueOnly)
        Show(this, id, false);
    if (m_pViewer)
        m_pViewer->MoveWindow(189, bandwidth ? 250 : 234, 266, 180);
}

void CPage5ChannelDVR::ReadSettings()
{
    StopLive();
    m_cameras.Clear();
    m_pShown = nullptr;
    m_counts = {};
    m_nPortCount = 0;
    std::memset(m_byPortValues, 0, sizeof m_byPortValues);
    m_bFilling = true;
    m_lbCameras.ResetContent();
    // A failed read leaves no cameras.
    if (!ReadBlock(GET_CAMERA_COUNTS, &m_counts))
        m_counts = {};
    const int total = m_counts.analogue + m_counts.network;
    if (total > 0 && m_counts.analogue == 0)
        ShowNetworkLayout();
    else
        ShowAnalogueLayout();
    if (total > 0) {
        for (int k = 0; k < total; ++k)
            m_lbCameras.AddString(RecorderCameraName(k, m_counts.analogue));
        CameraEntry& first = m_cameras.Get(0, m_counts.analogue >= 1);
        ReadCamera(first);
        ReadSerialPorts();
        m_lbCameras.SetCurSel(0);
        ShowCamera(first);
    }
    m_bFilling = false;
}

void CPage5ChannelDVR::ReadSerialPorts()
{
    SerialDeviceNames names;
    if (ReadSerialDeviceNames(m_ConfigSession, m_Reply, &names) == SERIAL_NAMES_READ) {
        // The page keeps what five ports need.
        m_nPortCount = std::clamp(names.portCount, 0, int(kMaxPorts));
        for (int port = 0; port < m_nPortCount; ++port) {
            tagSerialSetting setting {};
            if (ReadSerialSettings(m_ConfigSession, m_Reply, uint8_t(port), &setting))
                m_byPortValues[port] = setting.byDevice;
        }
    }
    if (m_pCameraDlg)
        m_pCameraDlg->FillPtzPorts(m_nPortCount);
}

BOOL CPage5ChannelDVR::ReadCamera(CameraEntry& entry)
{
    const uint8_t number = uint8_t(entry.analogue ? entry.index : entry.index - m_counts.analogue);
    const BOOL read = entry.analogue ? ReadBlock(GET_CAMERA, &entry.record.analogue, { number })
                                     : ReadBlock(GET_NET_CAMERA, &entry.record.network, { number });
    entry.read = read;
    return read;
}

void CPage5ChannelDVR::ShowCamera(CameraEntry& entry)
{
    m_pShown = &entry;
    const bool filling = m_bFilling;
    m_bFilling = true;
    if (entry.analogue) {
        ShowAnalogueLayout();
        const CFG_CAMERA& camera = entry.record.analogue;
        m_bOn = (camera.wFlags & CAMERA_ON) != 0;
        m_bLive = m_bOn;
        m_strName = CString(camera.szName, int(strnlen(camera.szName, kRecorderCameraNameLength)));
        if (HasGainSlider())
            SendDlgItemMessage(IDC_CAMDVR_GAIN, TBM_SETPOS, TRUE, int8_t(camera.byGain));
        else
            SendDlgItemMessage(IDC_CAMDVR_AGC, CB_SETCURSEL, camera.byGain ? AGC_DISABLE : AGC_ENABLE);
        SendDlgItemMessage(IDC_CAMDVR_BRIGHTNESS, TBM_SETPOS, TRUE, camera.byBrightness);
        SendDlgItemMessage(IDC_CAMDVR_CONTRAST, TBM_SETPOS, TRUE, camera.byContrast);
        m_pCameraDlg->SetCamera(&entry.record.analogue);
    } else {
        ShowNetworkLayout();
        const CFG_NET_CAMERA& camera = entry.record.network;
        m_bOn = (camera.wFlags & CAMERA_ON) != 0;
        m_strName = CString(camera.szName, int(strnlen(camera.szName, kRecorderCameraNameLength)));
        m_pIpCameraDlg->SetCamera(&entry.record.network);
    }
    StopLive();
    if (m_bOn)
        StartLive(entry);
    UpdateData(FALSE);
    m_bFilling = filling;
}

void CPage5ChannelDVR::StartLive(const CameraEntry& entry)
{
    if (!m_pViewer)
        return;
    m_bAreaShown = 0;
    m_pViewer->ShowMDArea(false);
    m_pViewer->Start(g_CurrentDevice.szAddress, short(g_CurrentDevice.dwHttpPort), "admin",
        g_strDevicePassword.c_str(), entry.index + 1);
}

void CPage5ChannelDVR::StopLive()
{
    if (m_pViewer && m_pViewer->GetSafeHwnd())
        m_pViewer->Stop();
}

void CPage5ChannelDVR::StorePictureValues()
{
    if (!m_pShown || !m_pShown->analogue)
        return;
    CFG_CAMERA& camera = m_pShown->record.analogue;
    camera.byBrightness = uint8_t(SendDlgItemMessage(IDC_CAMDVR_BRIGHTNESS, TBM_GETPOS));
    camera.byContrast = uint8_t(SendDlgItemMessage(IDC_CAMDVR_CONTRAST, TBM_GETPOS));
    if (HasGainSlider()) {
        camera.byGain = uint8_t(SendDlgItemMessage(IDC_CAMDVR_GAIN, TBM_GETPOS));
    } else {
        const int agc = int(SendDlgItemMessage(IDC_CAMDVR_AGC, CB_GETCURSEL));
        if (agc >= 0)
            camera.byGain = uint8_t(agc);
    }
}

void CPage5ChannelDVR::MarkShownChanged()
{
    if (m_pShown)
        m_pShown->changed = true;
    MarkGroupChanged(0);
}

void CPage5ChannelDVR::SetPageModified()
{
    MarkShownChanged();
}

LRESULT CPage5ChannelDVR::OnPaneModified(WPARAM, LPARAM)
{
    if (!m_bFilling)
        MarkShownChanged();
    return 0;
}

void CPage5ChannelDVR::OnCameraSelChange()
{
    const int selection = m_lbCameras.GetCurSel();
    if (selection < 0 || (m_pShown && selection == m_pShown->index))
        return;
    if (!MayShowRecorderCamera(selection, m_counts)) {
        m_lbCameras.SetCurSel(m_pShown ? m_pShown->index : -1);
        return;
    }
    StorePictureValues();
    CameraEntry& entry = m_cameras.Get(selection, selection < m_counts.analogue);
    if (!entry.read)
        ReadCamera(entry);
    ShowCamera(entry);
}

void CPage5ChannelDVR::OnOnClicked()
{
    if (!m_pShown || m_bFilling)
        return;
    m_bOn = IsDlgButtonChecked(IDC_CAMDVR_ON);
    uint16_t& flags = m_pShown->analogue ? m_pShown->record.analogue.wFlags : m_pShown->record.network.wFlags;
    flags = uint16_t(m_bOn ? flags | CAMERA_ON : flags & ~CAMERA_ON);
    MarkShownChanged();
}

void CPage5ChannelDVR::OnNameChange()
{
    if (!m_pShown || m_bFilling)
        return;
    GetDlgItemText(IDC_CAMDVR_NAME, m_strName);
    char* field = m_pShown->analogue ? m_pShown->record.analogue.szName : m_pShown->record.network.szName;
    const int length = std::min(m_strName.GetLength(), kRecorderCameraNameLength);
    // Showing the stored name is no edit.
    if (std::strncmp(field, m_strName, size_t(kRecorderCameraNameLength)) == 0 && field[length] == 0)
        return;
    std::memcpy(field, static_cast<LPCTSTR>(m_strName), size_t(length));
    field[length] = 0;
    MarkShownChanged();
}

void CPage5ChannelDVR::OnAgcChange()
{
    if (!m_pShown || !m_pShown->analogue || m_bFilling)
        return;
    const int agc = int(SendDlgItemMessage(IDC_CAMDVR_AGC, CB_GETCURSEL));
    if (agc >= 0)
        m_pShown->record.analogue.byGain = uint8_t(agc);
    MarkShownChanged();
}

void CPage5ChannelDVR::OnSliderDraw(UINT id, NMHDR* pNMHDR, LRESULT* pResult)
{
    auto* draw = reinterpret_cast<NMCUSTOMDRAW*>(pNMHDR);
    *pResult = CDRF_DODEFAULT;
    if (draw->dwDrawStage == CDDS_PREPAINT) {
        *pResult = CDRF_NOTIFYITEMDRAW;
        return;
    }
    if (draw->dwDrawStage != CDDS_ITEMPREPAINT || draw->dwItemSpec != TBCD_THUMB || !m_pShown
        || !m_pShown->analogue || m_bFilling
        || (id != IDC_CAMDVR_BRIGHTNESS && id != IDC_CAMDVR_CONTRAST && id != IDC_CAMDVR_GAIN))
        return;
    // A thumb drawn away from the stored value is a move; the value itself
    // is taken when the camera is left or applied.
    const CFG_CAMERA& camera = m_pShown->record.analogue;
    const int position = int(SendDlgItemMessage(int(id), TBM_GETPOS));
    const int stored = id == IDC_CAMDVR_BRIGHTNESS ? camera.byBrightness
        : id == IDC_CAMDVR_CONTRAST                ? camera.byContrast
                                                   : int8_t(camera.byGain);
    if (position != stored && !m_pShown->changed)
        MarkShownChanged();
}

ConfigResult CPage5ChannelDVR::WriteGroup(int)
{
    StorePictureValues();
    return m_cameras.WriteChanged([this](CameraEntry& entry) {
        if (entry.analogue)
            return WriteBlock(SET_CAMERA, CFG_CAMERA_SET { uint8_t(entry.index), entry.record.analogue });
        return WriteBlock(g_nDeviceRevision >= 22 ? SET_NET_CAMERA_REV22 : SET_NET_CAMERA,
            CFG_NET_CAMERA_SET { uint8_t(entry.index - m_counts.analogue), entry.record.network });
    });
}

void CPage5ChannelDVR::OnApplied()
{
    if (!m_pShown)
        return;
    // A camera switched on starts its picture, one switched off ends it.
    if (!m_bLive && m_bOn) {
        StopLive();
        Sleep(100);
        StartLive(*m_pShown);
    } else if (!m_bOn) {
        StopLive();
    }
    m_bLive = m_bOn;
}

BOOL CPage5ChannelDVR::OnKillActive()
{
    StopLive();
    return CConfigPage::OnKillActive();
}

void CPage5ChannelDVR::BeforeSessionEnd()
{
    StopLive();
}

void CPage5ChannelDVR::OnLButtonUp(UINT nFlags, CPoint)
{
    // A drag that began in the picture ends there, away from every cell.
    if (m_pViewer && m_pViewer->GetSafeHwnd())
        m_pViewer->PostMessage(WM_LBUTTONUP, nFlags, MAKELPARAM(0xFFFF, 0xFFFF));
}

void CPage5ChannelDVR::OnDestroy()
{
    StopLive();
    CConfigPage::OnDestroy();
}
