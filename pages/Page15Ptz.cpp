#include "pages/Page15Ptz.h"

#include "controls/ControlPlacement.h"
#include "dialogs/AuxSetupDlg.h"
#include "link/CameraBlocks.h"
#include "link/CurrentDevice.h"
#include "platform/base/Services.h"
#include "platform/ui/DataExchange.h"
#include "viewer/quenby/BriselViewer.h"

#include <algorithm>
#include <cstring>

namespace
{

constexpr int kChannels = 4; // of a camera or video server
constexpr UINT kCentred = DT_CENTER | DT_VCENTER | DT_SINGLELINE;
constexpr int kGridLeft = 110, kGridTop = 32, kGridMaxHeight = 220, kScrollBar = 16;
constexpr int kRowHeight = 22;

constexpr ControlPlace kPlaces[] = {
    { IDC_PTZPAGE_CAMERA_GROUP, 14, 14, 75, 323 },
    { IDC_PTZPAGE_CAMERAS, 23, 32, 57, 296 },
    { IDC_PTZPAGE_PRESET_GROUP, 99, 13, 431, 254 },
    { IDC_PTZPAGE_NAME_LABEL, 230, 234, 43, 16 },
    { IDC_PTZPAGE_NAME, 275, 230, 111, 23 },
    { IDC_PTZPAGE_SET, 396, 230, 59, 23 },
    { IDC_PTZPAGE_CLEAR, 462, 230, 59, 23 },
    { IDC_PTZPAGE_AUX_GROUP, 99, 278, 431, 59 },
    { IDC_PTZPAGE_AUX_SETUP, 110, 300, 100, 24 },
};

} // namespace

BEGIN_MESSAGE_MAP(CPage15Ptz, CConfigPage)
ON_LBN_SELCHANGE(IDC_PTZPAGE_CAMERAS, OnCameraSelChange)
ON_NOTIFY(GVN_BEGINLABELEDIT, IDC_PTZPAGE_GRID, OnGridBeginEdit)
ON_EN_CHANGE(IDC_PTZPAGE_NAME, OnNameChange)
ON_BN_CLICKED(IDC_PTZPAGE_SET, OnSetPreset)
ON_BN_CLICKED(IDC_PTZPAGE_CLEAR, OnClearPreset)
ON_BN_CLICKED(IDC_PTZPAGE_AUX_SETUP, OnAuxSetup)
ON_WM_MOVE()
END_MESSAGE_MAP()

CPage15Ptz::CPage15Ptz()
    : CConfigPage(IDD_PAGE15_PTZ, SLOT_Ptz)
{
    // The preset table and the auxiliary table; each goes back on every
    // Apply once it was read, never when its read failed.
    DeclareGroups(2);
    SetWriteAllGroups(TRUE);
}

CPage15Ptz::~CPage15Ptz()
{
    StopLive();
}

void CPage15Ptz::ReleaseChildDialogs()
{
    StopLive();
    m_pViewer.reset();
}

bool CPage15Ptz::IsRecorder() const
{
    return g_CurrentDevice.dwFamily == 4;
}

void CPage15Ptz::DoDataExchange(CDataExchange* pDX)
{
    CConfigPage::DoDataExchange(pDX);
    DDX_Control(pDX, IDC_PTZPAGE_CAMERAS, m_lbCameras);
}

BOOL CPage15Ptz::OnInitDialog()
{
    m_bFilling = true;
    CConfigPage::OnInitDialog();
    PlaceControls(this, kPlaces);
    if (auto* name = static_cast<CEdit*>(GetDlgItem(IDC_PTZPAGE_NAME)))
        name->LimitText(kNameLength);
    CreateCheckMarkImages(m_ImageList);
    m_Grid.Create(CRect(kGridLeft, kGridTop, kGridLeft + 84, kGridTop + 100), this, IDC_PTZPAGE_GRID,
        WS_CHILD | WS_VISIBLE | WS_BORDER | WS_TABSTOP);
    PrepareCheckMarkGrid(m_Grid, &m_ImageList);
    m_Grid.SetEditable(TRUE);
    if (IsRecorder()) {
        m_pViewer = std::make_unique<quenby::CBriselViewer>(true, false);
        m_pViewer->Init(GetSafeHwnd());
        m_pViewer->MoveWindow(240, 36, 266, 180);
    } else {
        m_wndPreview.EnablePtz(TRUE);
        m_wndPreview.CreateEx(
            WS_EX_CLIENTEDGE, "VIEWER", nullptr, WS_CHILD | WS_VISIBLE, CRect(85, 70, 446, 315), this, 0);
        m_wndPreview.MoveWindow(240, 36, 266, 180);
        CString channel;
        channel.LoadString(IDS_CHANNEL_GROUP);
        SetDlgItemText(IDC_PTZPAGE_CAMERA_GROUP, channel);
    }
    m_bFilling = false;
    return TRUE;
}

void CPage15Ptz::ReadSettings()
{
    m_bFilling = true;
    m_lbCameras.ResetContent();
    if (IsRecorder()) {
        CFG_CAMERA_COUNTS counts {};
        ReadBlock(GET_CAMERA_COUNTS, &counts);
        m_nCameraCount = counts.analogue;
        for (int camera = 0; camera < m_nCameraCount; ++camera) {
            CString name;
            name.Format("Cam%d", camera + 1);
            m_lbCameras.AddString(name);
        }
    } else {
        // A camera has its four channels whatever it reports.
        m_nCameraCount = kChannels;
        for (int channel = 1; channel <= kChannels; ++channel) {
            CString name;
            name.Format("CH%d", channel);
            m_lbCameras.AddString(name);
        }
    }
    m_Presets = {};
    m_Aux = {};
    for (tagPresetCamera& camera : m_Presets.cameras)
        camera.byCount = kPtzPresets;
    m_bPresetsRead = ReadBlock(IsRecorder() ? GET_PRESETS : GET_PRESETS_WIDE, &m_Presets);
    if (!m_bPresetsRead) {
        m_Presets = {};
        for (tagPresetCamera& camera : m_Presets.cameras)
            camera.byCount = kPtzPresets;
    }
    m_bAuxRead = ReadBlock(IsRecorder() ? GET_AUX : GET_AUX_WIDE, &m_Aux);
    if (!m_bAuxRead)
        m_Aux = {};
    MarkGroupRead(0, m_bPresetsRead);
    MarkGroupRead(1, m_bAuxRead);
    m_lbCameras.SetCurSel(0);
    ShowCamera(0);
    m_bFilling = false;
}

void CPage15Ptz::FillGrid()
{
    const int count = std::min<int>(m_Presets.cameras[m_nCamera].byCount, kPtzPresets);
    m_Grid.SetRowCount(count);
    m_Grid.SetColumnCount(2);
    m_Grid.SetFixedRowCount(0);
    m_Grid.SetFixedColumnCount(0);
    m_Grid.SetColumnWidth(0, 20);
    m_Grid.SetColumnWidth(1, 62);
    for (int row = 0; row < count; ++row) {
        const tagPresetEntry& preset = m_Presets.cameras[m_nCamera].presets[row];
        m_Grid.SetItemImage(row, 0, preset.byEnable == 1 ? CHECK_TICKED : CHECK_CLEAR);
        CString title;
        title.Format("Preset %d", row + 1);
        m_Grid.SetItemText(row, 1, title);
        m_Grid.SetItemFormat(row, 1, kCentred);
        m_Grid.SetRowHeight(row, kRowHeight);
    }
    int width = 20 + 62 + 2;
    int height = count * kRowHeight + 2;
    // Sixteen presets do not fit: the grid scrolls.
    if (height > kGridMaxHeight) {
        height = kGridMaxHeight;
        width += kScrollBar;
    }
    m_Grid.MoveWindow(kGridLeft, kGridTop, width, height);
    m_Grid.ResetScrollBars();
    m_Grid.Invalidate();
}

void CPage15Ptz::ShowCamera(int camera)
{
    if (camera < 0 || camera >= std::min(m_nCameraCount, kPtzCameras)) {
        m_nCamera = 0;
        m_Grid.SetRowCount(0);
        return;
    }
    m_nCamera = camera;
    FillGrid();
    m_nPreset = 0;
    if (IsRecorder()) {
        SelectPreset(0);
        if (m_pViewer) {
            m_pViewer->Stop();
            Sleep(100);
            m_pViewer->ShowMDArea(false);
            m_pViewer->Start(g_CurrentDevice.szAddress, short(g_CurrentDevice.dwHttpPort), "admin",
                g_strDevicePassword.c_str(), camera + 1);
        }
    } else {
        m_wndPreview.StopVideo();
        m_wndPreview.StartVideo(BYTE(camera + 1));
        SelectPreset(0);
    }
}

void CPage15Ptz::SelectPreset(int preset)
{
    const int count = m_Presets.cameras[m_nCamera].byCount;
    if (preset < 0 || preset >= std::min(count, kPtzPresets))
        return;
    m_nPreset = preset;
    m_Grid.ResetSelectedRange();
    m_Grid.SetFocusCell(preset, 1);
    for (int row = 0; row < m_Grid.GetRowCount(); ++row)
        m_Grid.RedrawCell(row, 0);
    if (IsRecorder())
        WriteBlock(GOTO_PTZ_PRESET, { uint8_t(m_nCamera), uint8_t(preset) });
    else
        m_wndPreview.GotoPreset(preset + 1);
    const tagPresetEntry& entry = m_Presets.cameras[m_nCamera].presets[preset];
    const bool filling = m_bFilling;
    m_bFilling = true;
    SetDlgItemText(IDC_PTZPAGE_NAME, CString(entry.szName, int(strnlen(entry.szName, kNameLength))));
    m_bFilling = filling;
}

void CPage15Ptz::OnCameraSelChange()
{
    const int selection = m_lbCameras.GetCurSel();
    if (selection >= 0 && selection != m_nCamera)
        ShowCamera(selection);
}

void CPage15Ptz::OnGridBeginEdit(NMHDR* pNMHDR, LRESULT* pResult)
{
    const auto* item = reinterpret_cast<const NM_GRIDVIEW*>(pNMHDR);
    // No cell is ever typed into.
    *pResult = 1;
    const int row = item->iRow;
    if (row < 0 || row >= std::min<int>(m_Presets.cameras[m_nCamera].byCount, kPtzPresets))
        return;
    if (item->iColumn == 0) {
        tagPresetEntry& preset = m_Presets.cameras[m_nCamera].presets[row];
        preset.byEnable = preset.byEnable == 1 ? 0 : 1;
        m_Grid.SetItemImage(row, 0, preset.byEnable ? CHECK_TICKED : CHECK_CLEAR);
        m_Grid.RedrawCell(row, 0);
        MarkGroupChanged(0);
    } else if (row != m_nPreset) {
        SelectPreset(row);
    }
}

void CPage15Ptz::OnNameChange()
{
    if (m_bFilling)
        return;
    CString text;
    GetDlgItemText(IDC_PTZPAGE_NAME, text);
    if (text.GetLength() > kNameLength)
        text = text.Left(kNameLength);
    tagPresetEntry& preset = m_Presets.cameras[m_nCamera].presets[m_nPreset];
    if (text == CString(preset.szName, int(strnlen(preset.szName, kNameLength))))
        return;
    std::memset(preset.szName, 0, sizeof preset.szName);
    std::memcpy(preset.szName, static_cast<LPCTSTR>(text), size_t(text.GetLength()));
    MarkGroupChanged(0);
}

void CPage15Ptz::PresetAction(const ConfigSet<CFG_PTZ_PRESET>& block, int previewPreset)
{
    if (IsRecorder()) {
        WriteBlock(block, { uint8_t(m_nCamera), uint8_t(m_nPreset) });
        return;
    }
    if (block.command == SET_PTZ_PRESET.command)
        m_wndPreview.SetPreset(previewPreset);
    else
        m_wndPreview.ClearPreset(previewPreset);
}

void CPage15Ptz::OnSetPreset()
{
    PresetAction(SET_PTZ_PRESET, m_nPreset + 1);
}

void CPage15Ptz::OnClearPreset()
{
    PresetAction(CLEAR_PTZ_PRESET, m_nPreset + 1);
}

void CPage15Ptz::OnAuxSetup()
{
    CAuxSetupDlg dlg;
    dlg.SetAuxBlock(m_Aux.cameras[m_nCamera].byEntries);
    if (dlg.DoModal() != IDOK)
        return;
    dlg.GetAuxBlock(m_Aux.cameras[m_nCamera].byEntries);
    MarkGroupChanged(1);
}

ConfigResult CPage15Ptz::WriteGroup(int group)
{
    // A table the device did not give is not written with zeros.
    if (group == 0)
        return m_bPresetsRead ? WriteBlock(IsRecorder() ? SET_PRESETS : SET_PRESETS_WIDE, m_Presets)
                              : CONFIG_DONE;
    return m_bAuxRead ? WriteBlock(IsRecorder() ? SET_AUX : SET_AUX_WIDE, m_Aux) : CONFIG_DONE;
}

void CPage15Ptz::StopLive()
{
    if (m_pViewer && m_pViewer->GetSafeHwnd())
        m_pViewer->Stop();
    if (m_wndPreview.GetSafeHwnd())
        m_wndPreview.StopVideo();
}

void CPage15Ptz::BeforeSessionEnd()
{
    StopLive();
}

BOOL CPage15Ptz::OnKillActive()
{
    const BOOL left = CConfigPage::OnKillActive();
    if (left)
        StopLive();
    return left;
}

void CPage15Ptz::OnMainFrameMove()
{
    if (m_wndPreview.GetSafeHwnd())
        m_wndPreview.RepositionPtzBars();
}

void CPage15Ptz::OnMove(int x, int y)
{
    CConfigPage::OnMove(x, y);
    OnMainFrameMove();
}
