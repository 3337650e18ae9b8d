#include "pages/Page8NormalRec.h"

#include "controls/ControlPlacement.h"

namespace
{

constexpr int kGlobalRise = 50;

const ControlPlace kFrame[] = {
    { IDC_REC_CAMERA_GROUP, 14, 11, 78, 440 },
    { IDC_REC_CAMERA_LIST, 23, 32, 59, 408 },
    { IDC_PERIOD_TAB, 111, 36, 407, 205 },
    { IDC_REC_NORMAL_GROUP, 101, 11, 428, 440 },
};

// The rows as a camera shows them; "Global" shows them higher.
const ControlPlace kRows[] = {
    { IDC_REC_TYPE_LABEL, 125, 92, 90, 15 },
    { IDC_REC_TYPE, 218, 88, 101, 19 },
    { IDC_REC_SPEED_LABEL, 125, 125, 90, 15 },
    { IDC_REC_SPEED, 218, 122, 101, 19 },
    { IDC_REC_QUALITY_LABEL, 125, 159, 90, 15 },
    { IDC_REC_QUALITY, 218, 156, 101, 19 },
    { IDC_REC_SPECIAL_LABEL, 125, 193, 90, 15 },
    { IDC_REC_SPECIAL, 218, 190, 101, 19 },
    { IDC_REC_EVENT_LABEL, 330, 92, 95, 15 },
    { IDC_REC_EVENT_ON, 425, 92, 42, 15 },
    { IDC_REC_EVENT_OFF, 469, 92, 42, 15 },
};

} // namespace

BEGIN_MESSAGE_MAP(CPage8NormalRec, CRecordingPage)
ON_LBN_SELCHANGE(IDC_REC_CAMERA_LIST, OnCameraChanged)
ON_NOTIFY(TCN_SELCHANGE, IDC_PERIOD_TAB, OnTabChange)
ON_CBN_SELCHANGE(IDC_REC_TYPE, OnTypeChosen)
ON_CBN_SELCHANGE(IDC_REC_SPEED, OnSpeedChosen)
ON_CBN_SELCHANGE(IDC_REC_QUALITY, OnQualityChosen)
ON_CBN_SELCHANGE(IDC_REC_SPECIAL, OnSpecialChosen)
ON_BN_CLICKED(IDC_REC_EVENT_ON, OnEventOn)
ON_BN_CLICKED(IDC_REC_EVENT_OFF, OnEventOff)
END_MESSAGE_MAP()

CPage8NormalRec::CPage8NormalRec()
    : CRecordingPage(IDD_PAGE8_NORMAL_REC, SLOT_NormalRec)
{
    // One group per camera: each is written when it holds a change.
    DeclareGroups(kMaxRecorderCameras);
}

BOOL CPage8NormalRec::OnInitDialog()
{
    CRecordingPage::OnInitDialog();
    PlaceControls(this, kFrame);
    GetDlgItem(IDC_REC_SETUP)->ShowWindow(SW_HIDE);
    m_Normal.Attach(this);
    m_Periods.Attach(this, IDC_PERIOD_TAB);
    return TRUE;
}

void CPage8NormalRec::Load(Node& node)
{
    CFG_NORMAL_RECORDING record;
    if (ReadBlock(GET_NORMAL_RECORDING, &record, { uint8_t(node.camera) })) {
        node.record = record;
        node.loaded = true;
    }
}

void CPage8NormalRec::ReadSettings()
{
    m_Cameras.Clear();
    m_nCurrent = -1;
    m_bListed = FALSE;
    CameraList()->ResetContent();
    if (!ReadCameraCounts() || !ReadRecordingOptions())
        return;
    m_Normal.FillLists(m_Options, TRUE);
    FillRecordingCameraList(CameraList(), m_Counts, TRUE);
    m_bListed = TRUE;
    for (int camera = 0; camera < m_Counts.Total(); ++camera)
        Load(m_Cameras.Insert(camera, !m_Counts.IsNetwork(camera)));
    m_nCurrent = m_Counts.Total() > 0 ? 0 : -1;
}

void CPage8NormalRec::ShowSettings()
{
    m_bGlobal = TRUE;
    m_bGlobalEdited = FALSE;
    CameraList()->SetCurSel(m_bListed ? 0 : -1);
    m_Periods.Reset();
    ShowSelection();
}

void CPage8NormalRec::ShowSelection()
{
    const int rise = m_bGlobal ? kGlobalRise : 0;
    for (const ControlPlace& p : kRows) {
        if (CWnd* control = GetDlgItem(p.id))
            control->MoveWindow(p.x, p.y - rise, p.cx, p.cy);
    }
    GetDlgItem(IDC_PERIOD_TAB)->ShowWindow(m_bGlobal ? SW_HIDE : SW_SHOW);
    if (m_bGlobal) {
        m_Normal.m_Type.Type()->SetCurSel(1);
        m_Normal.m_Type.Speed()->SetCurSel(0);
        m_Normal.m_Type.Quality()->SetCurSel(4);
        static_cast<CComboBox*>(GetDlgItem(IDC_REC_SPECIAL))->SetCurSel(0);
        CheckRadioButton(IDC_REC_EVENT_ON, IDC_REC_EVENT_OFF, IDC_REC_EVENT_ON);
        m_Normal.m_Type.Speed()->EnableWindow(FALSE);
        m_Normal.m_Type.Quality()->EnableWindow(FALSE);
        return;
    }
    if (Node* node = m_Cameras.Find(m_nCurrent))
        m_Normal.ShowPeriod(node->record.periods[m_Periods.Current()]);
}

NORMAL_PERIOD* CPage8NormalRec::EditedPeriod()
{
    Node* node = m_bGlobal ? nullptr : m_Cameras.Find(m_nCurrent);
    return node && node->loaded ? &node->record.periods[m_Periods.Current()] : nullptr;
}

void CPage8NormalRec::MarkEdited()
{
    if (!m_bListed)
        return;
    if (m_bGlobal) {
        // Only the controls change; Apply gives them to every camera.
        m_bGlobalEdited = TRUE;
        SetPageModified(TRUE);
        return;
    }
    Node* node = m_Cameras.Find(m_nCurrent);
    // A camera that could not be read is never written.
    if (!node || !node->loaded)
        return;
    node->changed = true;
    MarkGroupChanged(node->camera);
}

void CPage8NormalRec::OnCameraChanged()
{
    auto* list = CameraList();
    const int entry = list->GetCurSel();
    if (!m_bListed || entry < 0)
        return;
    if (entry == 0) {
        m_bGlobal = TRUE;
        ShowSelection();
        return;
    }
    const int camera = entry - 1;
    if (!MayChooseCamera(m_Counts, camera)) {
        list->SetCurSel(m_bGlobal ? 0 : m_nCurrent + 1);
        return;
    }
    m_Cameras.Take(camera, !m_Counts.IsNetwork(camera), [this](Node& node) { Load(node); });
    m_nCurrent = camera;
    m_bGlobal = FALSE;
    ShowSelection();
}

void CPage8NormalRec::OnTabChange(NMHDR*, LRESULT* pResult)
{
    // Edits go straight into the records; a tab only shows.
    m_Periods.OnSelChange([](int) {}, [this](int) { ShowSelection(); });
    *pResult = 0;
}

void CPage8NormalRec::OnTypeChosen()
{
    m_Normal.OnTypeChosen(EditedPeriod(), m_Options);
    MarkEdited();
}

void CPage8NormalRec::OnSpeedChosen()
{
    m_Normal.OnSpeedChosen(EditedPeriod());
    MarkEdited();
}

void CPage8NormalRec::OnQualityChosen()
{
    m_Normal.OnQualityChosen(EditedPeriod());
    MarkEdited();
}

void CPage8NormalRec::OnSpecialChosen()
{
    m_Normal.OnSpecialChosen(EditedPeriod());
    MarkEdited();
}

void CPage8NormalRec::OnEventOn()
{
    m_Normal.OnEventRecording(EditedPeriod(), TRUE);
    MarkEdited();
}

void CPage8NormalRec::OnEventOff()
{
    m_Normal.OnEventRecording(EditedPeriod(), FALSE);
    MarkEdited();
}

BOOL CPage8NormalRec::ValidateSettings()
{
    // "Global" gives its controls to every period of every camera read,
    // once the user set them: merely showing it overwrites nothing.
    if (!m_bListed || !m_bGlobal || !m_bGlobalEdited)
        return TRUE;
    m_bGlobalEdited = FALSE;
    auto selection = [this](int id) { return static_cast<CComboBox*>(GetDlgItem(id))->GetCurSel(); };
    const int type = selection(IDC_REC_TYPE), speed = selection(IDC_REC_SPEED);
    const int quality = selection(IDC_REC_QUALITY), special = selection(IDC_REC_SPECIAL);
    const bool on = IsDlgButtonChecked(IDC_REC_EVENT_ON) == BST_CHECKED;
    for (auto& [camera, node] : m_Cameras.Nodes()) {
        if (!node.loaded)
            continue;
        for (NORMAL_PERIOD& period : node.record.periods) {
            if (type >= 0)
                period.byType = uint8_t(type);
            if (speed >= 0)
                period.bySpeed = uint8_t(speed);
            if (quality >= 0)
                period.byQuality = uint8_t(quality);
            if (special >= 0)
                period.bySpecialType = uint8_t(special);
            period.byFlags = uint8_t(on ? (period.byFlags | 0x80) : (period.byFlags & ~0x80));
        }
        node.changed = true;
        MarkGroupChanged(camera);
    }
    return TRUE;
}

ConfigResult CPage8NormalRec::WriteGroup(int group)
{
    Node* node = m_Cameras.Find(group);
    if (!node || !node->loaded || !node->changed)
        return CONFIG_DONE;
    CFG_NORMAL_RECORDING_SET set {};
    set.byCamera = uint8_t(node->camera);
    set.record = node->record;
    const ConfigResult result = WriteBlock(SET_NORMAL_RECORDING, set);
    if (result == CONFIG_DONE)
        node->changed = false;
    return result;
}

void CPage8NormalRec::OnApplied()
{
    m_Cameras.ForEachChanged([this](int camera) { MarkGroupChanged(camera); });
}
