#include "pages/Page8AlarmRec.h"

#include "controls/ControlPlacement.h"
#include "pages/common/AlarmSourceMask.h"

#include <cstdio>
#include <cstdlib>
#include <cstring>

namespace
{

constexpr UINT kCentred = DT_CENTER | DT_VCENTER | DT_SINGLELINE;
const char* const kNone = "-";
const char* const kAll = "*";
const char* const kNoPreset = "#";

const char* const kSources[]
    = { "-", "*", "1", "2", "3", "4", "5", "6", "7", "8", "9", "10", "11", "12", "13", "14", "15", "16" };
const char* const kPresets[]
    = { "#", "1", "2", "3", "4", "5", "6", "7", "8", "9", "10", "11", "12", "13", "14", "15", "16" };
const char* const kTextChoices[] = { "Off", "On" };

const int kGridLabels[]
    = { IDC_AREC_SOURCE_LABEL, IDC_AREC_SENSOR_LABEL, IDC_AREC_MD_LABEL, IDC_AREC_TEXT_LABEL };
const int kGlobalControls[] = { IDC_AREC_GLOBAL_SENSOR_LABEL, IDC_AREC_GLOBAL_SENSOR,
    IDC_AREC_GLOBAL_MD_LABEL, IDC_AREC_GLOBAL_MD, IDC_AREC_GLOBAL_TEXT_LABEL, IDC_AREC_GLOBAL_TEXT };

const ControlPlace kPlaces[] = {
    { IDC_REC_CAMERA_GROUP, 14, 11, 78, 440 },
    { IDC_REC_CAMERA_LIST, 23, 32, 59, 408 },
    { IDC_REC_ALARM_GROUP, 101, 11, 428, 440 },
    { IDC_AREC_SOURCE_LABEL, 114, 31, 300, 15 },
    { IDC_AREC_SENSOR_LABEL, 190, 52, 120, 15 },
    { IDC_AREC_MD_LABEL, 330, 52, 120, 15 },
    { IDC_AREC_TEXT_LABEL, 465, 52, 40, 15 },
    { IDC_AREC_HIDDEN_NOTE, 114, 118, 400, 15 },
    { IDC_AREC_GLOBAL_SENSOR_LABEL, 114, 42, 90, 15 },
    { IDC_AREC_GLOBAL_SENSOR, 207, 38, 101, 100 },
    { IDC_AREC_GLOBAL_MD_LABEL, 114, 73, 90, 15 },
    { IDC_AREC_GLOBAL_MD, 207, 69, 101, 100 },
    { IDC_AREC_GLOBAL_TEXT_LABEL, 114, 104, 90, 15 },
    { IDC_AREC_GLOBAL_TEXT, 207, 100, 101, 100 },
    { IDC_REC_ALARM_TYPE_LABEL, 114, 142, 90, 15 },
    { IDC_REC_ALARM_TYPE, 207, 138, 101, 150 },
    { IDC_REC_ALARM_SPEED_LABEL, 114, 174, 90, 15 },
    { IDC_REC_ALARM_SPEED, 207, 170, 101, 150 },
    { IDC_REC_ALARM_QUALITY_LABEL, 114, 208, 90, 15 },
    { IDC_REC_ALARM_QUALITY, 207, 204, 101, 150 },
    { IDC_REC_PRE_ALARM_LABEL, 330, 174, 80, 15 },
    { IDC_REC_PRE_ALARM, 414, 170, 73, 200 },
    { IDC_REC_PRE_ALARM_UNIT, 489, 174, 35, 15 },
    { IDC_REC_POST_ALARM_LABEL, 330, 210, 80, 15 },
    { IDC_REC_POST_ALARM, 414, 206, 73, 200 },
    { IDC_REC_POST_ALARM_UNIT, 489, 210, 35, 15 },
};

CString Number(int value)
{
    CString text;
    text.Format("%d", value);
    return text;
}

int Selection(CWnd* page, int id)
{
    return static_cast<CComboBox*>(page->GetDlgItem(id))->GetCurSel();
}

void SelectNumber(CWnd* page, int id, int value)
{
    auto* list = static_cast<CComboBox*>(page->GetDlgItem(id));
    list->SetCurSel(list->FindStringExact(-1, Number(value)));
}

// A source slot's number, 0 for "-", -1 for "*".
int SlotSource(const CString& text)
{
    if (text == kAll)
        return -1;
    return text == kNone ? 0 : std::atoi(text);
}

int PresetOf(const CString& text)
{
    return text == kNoPreset ? 0 : std::atoi(text);
}

} // namespace

BEGIN_MESSAGE_MAP(CPage8AlarmRec, CRecordingPage)
ON_LBN_SELCHANGE(IDC_REC_CAMERA_LIST, OnCameraChanged)
ON_CBN_SELCHANGE(IDC_REC_ALARM_TYPE, OnAlarmTypeChosen)
ON_CBN_SELCHANGE(IDC_REC_ALARM_SPEED, OnAlarmSpeedOrQualityChosen)
ON_CBN_SELCHANGE(IDC_REC_ALARM_QUALITY, OnAlarmSpeedOrQualityChosen)
ON_CONTROL_RANGE(CBN_SELCHANGE, IDC_REC_PRE_ALARM, IDC_REC_POST_ALARM, OnAlarmTimeChosen)
ON_CBN_SELCHANGE(IDC_AREC_GLOBAL_SENSOR, OnGlobalChosen)
ON_CBN_SELCHANGE(IDC_AREC_GLOBAL_MD, OnGlobalChosen)
ON_CBN_SELCHANGE(IDC_AREC_GLOBAL_TEXT, OnGlobalChosen)
ON_NOTIFY(GVN_BEGINLABELEDIT, IDC_AREC_GRID, OnGridBeginEdit)
ON_NOTIFY(GVN_ENDLABELEDIT, IDC_AREC_GRID, OnGridEndEdit)
END_MESSAGE_MAP()

CPage8AlarmRec::CPage8AlarmRec()
    : CRecordingPage(IDD_PAGE8_ALARM_REC, SLOT_AlarmRec)
{
    // One group per camera: each is written when it holds a change.
    DeclareGroups(kMaxRecorderCameras);
}

BOOL CPage8AlarmRec::OnInitDialog()
{
    CRecordingPage::OnInitDialog();
    PlaceControls(this, kPlaces);
    GetDlgItem(IDC_REC_SETUP)->ShowWindow(SW_HIDE);
    m_Grid.Create(CRect(114, 70, 114 + 400, 70 + 44), this, IDC_AREC_GRID, WS_CHILD | WS_BORDER | WS_TABSTOP);
    m_Grid.EnableScrollBars(FALSE, FALSE);
    m_Grid.SetRowCount(2);
    m_Grid.SetColumnCount(GRID_COLUMNS);
    m_Grid.SetFixedRowCount(0);
    m_Grid.SetFixedColumnCount(1);
    m_Grid.SetRowResize(FALSE);
    m_Grid.SetColumnResize(FALSE);
    m_Grid.SetSortOnClick(FALSE);
    m_Grid.SetDragAndDrop(FALSE);
    m_Grid.SetItemText(0, 0, "Select");
    m_Grid.SetItemText(1, 0, "Preset");
    for (int r = 0; r < 2; ++r) {
        for (int c = 0; c < GRID_COLUMNS; ++c)
            m_Grid.SetItemFormat(r, c, kCentred);
    }
    m_Grid.SetColumnWidth(0, 58);
    for (int c = 1; c < GRID_COLUMNS; ++c)
        m_Grid.SetColumnWidth(c, 37);
    m_AlarmType.Attach(this, IDC_REC_ALARM_TYPE, IDC_REC_ALARM_SPEED, IDC_REC_ALARM_QUALITY, 1);
    FillComboTexts(static_cast<CComboBox*>(GetDlgItem(IDC_AREC_GLOBAL_SENSOR)), { "Off", "Pairing" });
    FillComboTexts(static_cast<CComboBox*>(GetDlgItem(IDC_AREC_GLOBAL_MD)), { "Off", "Pairing" });
    FillComboTexts(static_cast<CComboBox*>(GetDlgItem(IDC_AREC_GLOBAL_TEXT)), { "Off", "On" });
    FillAlarmTimeLists(this, IDC_REC_PRE_ALARM, IDC_REC_POST_ALARM);
    return TRUE;
}

// Reading.

void CPage8AlarmRec::Load(Node& node)
{
    const uint8_t camera = uint8_t(node.camera);
    CFG_ALARM_SOURCES sources;
    if (ReadBlock(GET_ALARM_SOURCES, &sources, { camera })) {
        node.record.sources = sources;
        node.loaded = true;
    }
    CFG_ALARM_PRESETS presets;
    if (ReadBlock(GET_ALARM_PRESETS, &presets, { camera })) {
        node.record.presets = presets;
        node.record.presetsRead = true;
    }
}

void CPage8AlarmRec::ReadSettings()
{
    m_Cameras.Clear();
    m_nCurrent = -1;
    m_bListed = FALSE;
    CameraList()->ResetContent();
    if (!ReadCameraCounts() || !ReadRecordingOptions())
        return;
    // The alarm types start after "No Save", which alarm recording lacks.
    std::vector<CString> types(
        m_Options.types.begin() + (m_Options.types.empty() ? 0 : 1), m_Options.types.end());
    FillCombo(m_AlarmType.Type(), types);
    FillCombo(m_AlarmType.Speed(), m_Options.speeds);
    FillCombo(m_AlarmType.Quality(), m_Options.qualities);
    FillRecordingCameraList(CameraList(), m_Counts, TRUE);
    m_bListed = TRUE;
    for (int camera = 0; camera < m_Counts.Total(); ++camera)
        Load(m_Cameras.Insert(camera, !m_Counts.IsNetwork(camera)));
}

void CPage8AlarmRec::ShowSettings()
{
    m_bGlobalEdited = FALSE;
    CameraList()->SetCurSel(m_bListed ? 0 : -1);
    ShowSelection();
}

// Showing.

void CPage8AlarmRec::ShowSelection()
{
    Node* node = m_Cameras.Find(m_nCurrent);
    const bool global = !node;
    m_Grid.ShowWindow(global ? SW_HIDE : SW_SHOW);
    for (int id : kGridLabels)
        GetDlgItem(id)->ShowWindow(global ? SW_HIDE : SW_SHOW);
    for (int id : kGlobalControls)
        GetDlgItem(id)->ShowWindow(global ? SW_SHOW : SW_HIDE);
    GetDlgItem(IDC_AREC_HIDDEN_NOTE)->ShowWindow(SW_HIDE);
    if (node) {
        ShowCamera(*node);
        return;
    }
    m_AlarmType.Type()->SetCurSel(0);
    m_AlarmType.Speed()->SetCurSel(0);
    m_AlarmType.Quality()->SetCurSel(4);
    for (int id : { IDC_REC_PRE_ALARM, IDC_REC_POST_ALARM, IDC_AREC_GLOBAL_SENSOR, IDC_AREC_GLOBAL_MD,
             IDC_AREC_GLOBAL_TEXT })
        static_cast<CComboBox*>(GetDlgItem(id))->SetCurSel(0);
    m_AlarmType.Speed()->EnableWindow(FALSE);
    m_AlarmType.Quality()->EnableWindow(FALSE);
}

void CPage8AlarmRec::ShowGroup(int firstColumn, uint16_t mask, const uint8_t* presets)
{
    for (int slot = 0; slot < kShownSources; ++slot) {
        m_Grid.SetItemText(0, firstColumn + slot, mask == kAnySource ? kAll : kNone);
        m_Grid.SetItemText(1, firstColumn + slot, kNoPreset);
    }
    int sources[kShownSources];
    const int count = SourcesOfMask(mask, sources);
    for (int slot = 0; slot < count; ++slot) {
        m_Grid.SetItemText(0, firstColumn + slot, Number(sources[slot]));
        const int preset = presets[sources[slot] - 1];
        if (preset != 0)
            m_Grid.SetItemText(1, firstColumn + slot, Number(preset));
    }
}

void CPage8AlarmRec::ShowCamera(const Node& node)
{
    const CFG_ALARM_SOURCES& s = node.record.sources;
    const CFG_ALARM_PRESETS& p = node.record.presets;
    ShowGroup(COL_SENSOR, s.wSensors, p.bySensors);
    ShowGroup(COL_MOTION, s.wMotion, p.byMotion);
    const bool text = (s.wText & 0xFF) == 1;
    m_Grid.SetItemText(0, COL_TEXT, text ? "On" : "Off");
    m_Grid.SetItemText(1, COL_TEXT, text && p.byText ? Number(p.byText) : CString(kNoPreset));
    m_Grid.Invalidate();
    // Sources beyond the four a group shows are kept; the page says so.
    m_HiddenSensors = HiddenSources(s.wSensors);
    m_HiddenMotion = HiddenSources(s.wMotion);
    const bool hidden = m_HiddenSensors || m_HiddenMotion;
    GetDlgItem(IDC_AREC_HIDDEN_NOTE)->ShowWindow(hidden ? SW_SHOW : SW_HIDE);
    const int type = s.wTypeSpeed & 0xFF;
    m_AlarmType.Type()->SetCurSel(type == 0 ? m_AlarmType.LastType() : type - 1);
    m_AlarmType.Speed()->SetCurSel(s.wTypeSpeed >> 8);
    m_AlarmType.Quality()->SetCurSel(s.byQuality);
    m_AlarmType.UpdateEnabling();
    SelectNumber(this, IDC_REC_PRE_ALARM, s.byPreAlarm);
    SelectNumber(this, IDC_REC_POST_ALARM, s.byPostAlarm);
}

// Editing.

CPage8AlarmRec::Node* CPage8AlarmRec::Edited()
{
    // A camera that could not be read is never written.
    return m_Cameras.Loaded(m_nCurrent);
}

void CPage8AlarmRec::MarkEdited()
{
    if (!m_bListed)
        return;
    if (Node* node = Edited()) {
        node->changed = true;
        MarkGroupChanged(node->camera);
    } else if (m_nCurrent < 0) {
        // "Global": only the controls change; Apply gives them to every camera.
        m_bGlobalEdited = TRUE;
        SetPageModified(TRUE);
    }
}

void CPage8AlarmRec::OnCameraChanged()
{
    const int entry = CameraList()->GetCurSel();
    if (!m_bListed || entry < 0)
        return;
    m_nCurrent = entry - 1;
    if (m_nCurrent >= 0)
        m_Cameras.Take(m_nCurrent, !m_Counts.IsNetwork(m_nCurrent), [this](Node& node) { Load(node); });
    ShowSelection();
}

void CPage8AlarmRec::OnAlarmTypeChosen()
{
    const RecordingPreset* preset = m_AlarmType.OnTypeChosen(m_Options);
    if (Node* node = Edited()) {
        CFG_ALARM_SOURCES& s = node->record.sources;
        const int type = Selection(this, IDC_REC_ALARM_TYPE) + 1;
        const int speed = preset ? preset->speed : s.wTypeSpeed >> 8;
        s.wTypeSpeed = uint16_t(speed << 8 | type);
        if (preset)
            s.byQuality = preset->quality;
    }
    MarkEdited();
}

void CPage8AlarmRec::OnAlarmSpeedOrQualityChosen()
{
    const int custom = m_AlarmType.OnSpeedOrQualityChosen();
    if (Node* node = Edited()) {
        CFG_ALARM_SOURCES& s = node->record.sources;
        const int speed = Selection(this, IDC_REC_ALARM_SPEED);
        const int quality = Selection(this, IDC_REC_ALARM_QUALITY);
        s.wTypeSpeed = uint16_t((speed >= 0 ? speed : s.wTypeSpeed >> 8) << 8 | (custom + 1));
        if (quality >= 0)
            s.byQuality = uint8_t(quality);
    }
    MarkEdited();
}

void CPage8AlarmRec::OnAlarmTimeChosen(UINT nID)
{
    if (Node* node = Edited()) {
        CString text;
        GetDlgItemText(int(nID), text);
        uint8_t& seconds = int(nID) == IDC_REC_PRE_ALARM ? node->record.sources.byPreAlarm
                                                         : node->record.sources.byPostAlarm;
        seconds = uint8_t(std::atoi(text));
    }
    MarkEdited();
}

void CPage8AlarmRec::OnGlobalChosen()
{
    MarkEdited();
}

void CPage8AlarmRec::OnGridBeginEdit(NMHDR* pNMHDR, LRESULT* pResult)
{
    const auto* item = reinterpret_cast<const NM_GRIDVIEW*>(pNMHDR);
    const int row = item->iRow, col = item->iColumn;
    *pResult = 1;
    if (!Edited() || col < COL_SENSOR || col >= GRID_COLUMNS)
        return;
    if (row == 0) {
        if (col == COL_TEXT)
            m_Grid.SetColumnOptions(col, const_cast<const char**>(kTextChoices), 2);
        else
            m_Grid.SetColumnOptions(col, const_cast<const char**>(kSources), int(std::size(kSources)));
    } else {
        // A preset needs a source to call it.
        const CString source = m_Grid.GetItemText(0, col);
        const bool none = source == kNone || source == kAll || source == "Off";
        m_Grid.SetColumnOptions(col, const_cast<const char**>(kPresets), none ? 1 : int(std::size(kPresets)));
    }
    *pResult = 0;
}

void CPage8AlarmRec::OnGridEndEdit(NMHDR* pNMHDR, LRESULT* pResult)
{
    const auto* item = reinterpret_cast<const NM_GRIDVIEW*>(pNMHDR);
    const int row = item->iRow, col = item->iColumn;
    *pResult = 0;
    Node* node = Edited();
    if (!node || col < COL_SENSOR || col >= GRID_COLUMNS)
        return;
    if (row == 0 && col == COL_TEXT) {
        const bool on = m_Grid.GetItemText(0, col) == "On";
        const int preset = node->record.presets.byText;
        m_Grid.SetItemText(1, col, on && preset ? Number(preset) : CString(kNoPreset));
    } else if (row == 0) {
        const int first = col < COL_MOTION ? COL_SENSOR : COL_MOTION;
        const uint8_t* presets
            = first == COL_SENSOR ? node->record.presets.bySensors : node->record.presets.byMotion;
        const int source = SlotSource(m_Grid.GetItemText(0, col));
        if (source == -1) {
            for (int c = first; c < first + kShownSources; ++c) {
                m_Grid.SetItemText(0, c, kAll);
                m_Grid.SetItemText(1, c, kNoPreset);
            }
        } else {
            for (int c = first; c < first + kShownSources; ++c) {
                if (c != col && m_Grid.GetItemText(0, c) == kAll) {
                    m_Grid.SetItemText(0, c, kNone);
                    m_Grid.SetItemText(1, c, kNoPreset);
                }
            }
            const int preset = source >= 1 && source <= kMaxSource ? presets[source - 1] : 0;
            m_Grid.SetItemText(1, col, preset ? Number(preset) : CString(kNoPreset));
        }
    }
    m_Grid.Invalidate();
    if (!TakeGrid(*node))
        ShowDuplicateSourceMessage();
    MarkEdited();
}

BOOL CPage8AlarmRec::TakeGrid(Node& node)
{
    AlarmRecording taken = node.record;
    for (int first : { int(COL_SENSOR), int(COL_MOTION) }) {
        uint16_t& mask = first == COL_SENSOR ? taken.sources.wSensors : taken.sources.wMotion;
        uint8_t* presets = first == COL_SENSOR ? taken.presets.bySensors : taken.presets.byMotion;
        const uint16_t hidden = first == COL_SENSOR ? m_HiddenSensors : m_HiddenMotion;
        int numbers[kShownSources] = {};
        bool all = false;
        for (int slot = 0; slot < kShownSources; ++slot) {
            const int source = SlotSource(m_Grid.GetItemText(0, first + slot));
            const int preset = PresetOf(m_Grid.GetItemText(1, first + slot));
            if (source <= 0 && preset != 0)
                return FALSE;
            if (source == -1)
                all = true;
            if (source >= 1 && source <= kMaxSource) {
                numbers[slot] = source;
                presets[source - 1] = uint8_t(preset);
            }
        }
        if (HasDuplicateSources(numbers, kShownSources))
            return FALSE;
        // Sources beyond the four shown are kept.
        mask = all ? kAnySource : uint16_t(MaskOfSources(numbers, kShownSources) | hidden);
    }
    const bool text = m_Grid.GetItemText(0, COL_TEXT) == "On";
    taken.sources.wText = uint16_t((taken.sources.wText & 0xFF00) | (text ? 1 : 0));
    taken.presets.byText = text ? uint8_t(PresetOf(m_Grid.GetItemText(1, COL_TEXT))) : 0;
    node.record = taken;
    return TRUE;
}

// Applying.

BOOL CPage8AlarmRec::ValidateSettings()
{
    if (!m_bListed)
        return TRUE;
    if (Node* node = Edited()) {
        if (!TakeGrid(*node)) {
            ShowDuplicateSourceMessage();
            return FALSE;
        }
        return TRUE;
    }
    // "Global" gives its controls to every camera read, once the user set
    // them: merely showing it overwrites nothing.
    if (m_nCurrent >= 0 || !m_bGlobalEdited)
        return TRUE;
    m_bGlobalEdited = FALSE;
    const bool sensors = Selection(this, IDC_AREC_GLOBAL_SENSOR) == 1;
    const bool motion = Selection(this, IDC_AREC_GLOBAL_MD) == 1;
    const bool text = Selection(this, IDC_AREC_GLOBAL_TEXT) == 1;
    const int type = Selection(this, IDC_REC_ALARM_TYPE), speed = Selection(this, IDC_REC_ALARM_SPEED);
    const int quality = Selection(this, IDC_REC_ALARM_QUALITY);
    CString pre, post;
    GetDlgItemText(IDC_REC_PRE_ALARM, pre);
    GetDlgItemText(IDC_REC_POST_ALARM, post);
    for (auto& [camera, node] : m_Cameras.Nodes()) {
        if (!node.loaded)
            continue;
        CFG_ALARM_SOURCES& s = node.record.sources;
        const uint16_t own = camera < kMaxSource ? uint16_t(1u << camera) : 0;
        s.wSensors = sensors ? own : 0;
        s.wMotion = motion ? own : 0;
        s.wText = uint16_t((s.wText & 0xFF00) | (text ? 1 : 0));
        s.wTypeSpeed = uint16_t(
            (speed >= 0 ? speed : s.wTypeSpeed >> 8) << 8 | (type >= 0 ? type + 1 : s.wTypeSpeed & 0xFF));
        if (quality >= 0)
            s.byQuality = uint8_t(quality);
        s.byPreAlarm = uint8_t(std::atoi(pre));
        s.byPostAlarm = uint8_t(std::atoi(post));
        node.changed = true;
        MarkGroupChanged(camera);
    }
    return TRUE;
}

ConfigResult CPage8AlarmRec::WriteGroup(int group)
{
    Node* node = m_Cameras.Find(group);
    if (!node || !node->loaded || !node->changed)
        return CONFIG_DONE;
    const uint8_t camera = uint8_t(node->camera);
    CFG_ALARM_SOURCES sources = node->record.sources;
    sources.byCamera = camera;
    const ConfigResult sourcesResult = WriteBlock(SET_ALARM_SOURCES, sources);
    if (sourcesResult == CONFIG_NO_CONNECTION)
        return sourcesResult;
    // Presets that could not be read are not written.
    ConfigResult presetsResult = CONFIG_DONE;
    if (node->record.presetsRead) {
        CFG_ALARM_PRESETS presets = node->record.presets;
        presets.byCamera = camera;
        presetsResult = WriteBlock(SET_ALARM_PRESETS, presets);
    }
    // The camera is done only when the device took all of it.
    if (sourcesResult == CONFIG_DONE && presetsResult == CONFIG_DONE)
        node->changed = false;
    return presetsResult == CONFIG_DONE ? sourcesResult : presetsResult;
}

void CPage8AlarmRec::OnApplied()
{
    m_Cameras.ForEachChanged([this](int camera) { MarkGroupChanged(camera); });
}
