#include "pages/Page8ScheduleDVR.h"

#include "controls/CheckMarkGrid.h"
#include "controls/ControlPlacement.h"
#include "dialogs/GridFit.h"
#include "dialogs/MotionDetectDlg.h"
#include "link/CurrentDevice.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>

namespace
{

constexpr UINT kCentred = DT_CENTER | DT_VCENTER | DT_SINGLELINE;
constexpr int kGridColumns = 18; // MD, S1 to S16, Text

// Trigger flags in the high byte of the record's 16-bit word.
constexpr uint8_t kMotion = 0x80;
constexpr uint8_t kNetworkEvent = 0x40;
constexpr uint32_t kMaskMotion = 0x80000000u;
constexpr uint32_t kMaskNetworkEvent = 0x40000000u;

struct TriggerBox {
    int id;
    uint8_t flag;
};
const TriggerBox kTriggerBoxes[] = {
    { IDC_REC_TRIGGER_MD, kMotion },
    { IDC_REC_TRIGGER_S1, 0x20 },
    { IDC_REC_TRIGGER_S2, 0x10 },
    { IDC_REC_TRIGGER_S3, 0x08 },
    { IDC_REC_TRIGGER_S4, 0x04 },
    { IDC_REC_TRIGGER_TEXT, 0x02 },
};
const int kTriggerX[] = { 114, 158, 198, 239, 279, 319 };

// Rows of the normal and the alarm part.
const ControlPlace kRows[] = {
    { IDC_REC_TYPE_LABEL, 125, 82, 90, 15 },
    { IDC_REC_TYPE, 218, 78, 101, 20 },
    { IDC_REC_SPEED_LABEL, 125, 114, 90, 15 },
    { IDC_REC_SPEED, 218, 110, 101, 20 },
    { IDC_REC_QUALITY_LABEL, 125, 146, 90, 15 },
    { IDC_REC_QUALITY, 218, 142, 101, 20 },
    { IDC_REC_SPECIAL_LABEL, 125, 178, 90, 15 },
    { IDC_REC_SPECIAL, 218, 174, 101, 20 },
    { IDC_REC_EVENT_LABEL, 330, 82, 95, 15 },
    { IDC_REC_EVENT_ON, 425, 82, 42, 15 },
    { IDC_REC_EVENT_OFF, 469, 82, 42, 15 },
    { IDC_REC_CAMERA_GROUP, 14, 11, 78, 440 },
    { IDC_REC_CAMERA_LIST, 23, 32, 59, 408 },
    { IDC_REC_ALARM_TYPE_LABEL, 114, 344, 90, 15 },
    { IDC_REC_ALARM_TYPE, 207, 340, 101, 20 },
    { IDC_REC_ALARM_SPEED_LABEL, 114, 376, 90, 15 },
    { IDC_REC_ALARM_SPEED, 207, 372, 101, 20 },
    { IDC_REC_ALARM_QUALITY_LABEL, 114, 410, 90, 15 },
    { IDC_REC_ALARM_QUALITY, 207, 406, 101, 20 },
    { IDC_REC_MOTION_LABEL, 330, 340, 80, 15 },
    { IDC_REC_SETUP, 414, 336, 72, 23 },
    { IDC_REC_PRE_ALARM_LABEL, 330, 374, 80, 15 },
    { IDC_REC_PRE_ALARM, 414, 370, 73, 20 },
    { IDC_REC_PRE_ALARM_UNIT, 489, 374, 35, 15 },
    { IDC_REC_POST_ALARM_LABEL, 330, 410, 80, 15 },
    { IDC_REC_POST_ALARM, 414, 406, 73, 20 },
    { IDC_REC_POST_ALARM_UNIT, 489, 410, 35, 15 },
};

void Show(CWnd* page, int id, bool show)
{
    if (CWnd* control = page->GetDlgItem(id))
        control->ShowWindow(show ? SW_SHOW : SW_HIDE);
}

int Selection(CWnd* page, int id)
{
    return static_cast<CComboBox*>(page->GetDlgItem(id))->GetCurSel();
}

void SelectNumber(CWnd* page, int id, int value)
{
    char text[8];
    std::snprintf(text, sizeof text, "%d", value);
    auto* list = static_cast<CComboBox*>(page->GetDlgItem(id));
    list->SetCurSel(list->FindStringExact(-1, text));
}

} // namespace

uint32_t TriggerMaskBit(int column)
{
    if (column == 0)
        return kMaskMotion;
    if (column < 0 || column >= kGridColumns)
        return 0;
    return 1u << (30 - column);
}

BEGIN_MESSAGE_MAP(CPage8ScheduleDVR, CRecordingPage)
ON_LBN_SELCHANGE(IDC_REC_CAMERA_LIST, OnCameraChanged)
ON_NOTIFY(TCN_SELCHANGE, IDC_PERIOD_TAB, OnTabChange)
ON_CBN_SELCHANGE(IDC_REC_TYPE, OnTypeChosen)
ON_CBN_SELCHANGE(IDC_REC_SPEED, OnSpeedChosen)
ON_CBN_SELCHANGE(IDC_REC_QUALITY, OnQualityChosen)
ON_CBN_SELCHANGE(IDC_REC_SPECIAL, OnSpecialChosen)
ON_BN_CLICKED(IDC_REC_EVENT_ON, OnEventOn)
ON_BN_CLICKED(IDC_REC_EVENT_OFF, OnEventOff)
ON_CBN_SELCHANGE(IDC_REC_ALARM_TYPE, OnAlarmTypeChosen)
ON_CBN_SELCHANGE(IDC_REC_ALARM_SPEED, OnAlarmSpeedOrQualityChosen)
ON_CBN_SELCHANGE(IDC_REC_ALARM_QUALITY, OnAlarmSpeedOrQualityChosen)
ON_CONTROL_RANGE(BN_CLICKED, IDC_REC_TRIGGER_S1, IDC_REC_TRIGGER_S2, OnTriggerClicked)
ON_CONTROL_RANGE(BN_CLICKED, IDC_REC_TRIGGER_S3, IDC_REC_TRIGGER_S4, OnTriggerClicked)
ON_CONTROL_RANGE(BN_CLICKED, IDC_REC_TRIGGER_MD, IDC_REC_TRIGGER_MD, OnTriggerClicked)
ON_CONTROL_RANGE(BN_CLICKED, IDC_REC_TRIGGER_NETWORK, IDC_REC_TRIGGER_NETWORK, OnTriggerClicked)
ON_CONTROL_RANGE(BN_CLICKED, IDC_REC_TRIGGER_TEXT, IDC_REC_TRIGGER_TEXT, OnTriggerClicked)
ON_CONTROL_RANGE(CBN_SELCHANGE, IDC_REC_PRE_ALARM, IDC_REC_POST_ALARM, OnAlarmTimeChosen)
ON_NOTIFY(GVN_BEGINLABELEDIT, IDC_REC_TRIGGER_GRID, OnGridBeginEdit)
ON_BN_CLICKED(IDC_REC_SETUP, OnMotionSetup)
END_MESSAGE_MAP()

CPage8ScheduleDVR::CPage8ScheduleDVR()
    : CRecordingPage(IDD_PAGE8_SCHEDULE_DVR, SLOT_ScheduleDVR)
{
    // One group per camera: each is written when it holds a change.
    DeclareGroups(kMaxRecorderCameras);
}

bool CPage8ScheduleDVR::IsSixteenChannel() const
{
    return m_nModelClass == 2 || m_nModelClass == 3;
}

BOOL CPage8ScheduleDVR::OnInitDialog()
{
    CRecordingPage::OnInitDialog();
    m_nModelClass = g_nRecorderModel;
    CreateCheckMarkImages(m_ImageList);
    m_Grid.Create(CRect(0, 0, 400, 50), this, IDC_REC_TRIGGER_GRID, WS_CHILD | WS_BORDER | WS_TABSTOP);
    PrepareCheckMarkGrid(m_Grid, &m_ImageList);
    m_Normal.Attach(this);
    m_AlarmType.Attach(this, IDC_REC_ALARM_TYPE, IDC_REC_ALARM_SPEED, IDC_REC_ALARM_QUALITY, 1);
    // The device's speeds and qualities replace these on activation.
    auto combo = [this](int id) { return static_cast<CComboBox*>(GetDlgItem(id)); };
    FillComboTexts(combo(IDC_REC_TYPE), { "No Save", "Low", "Standard", "High", "Custom" });
    FillComboTexts(combo(IDC_REC_SPECIAL), { "No Save", "Low", "Standard", "High", "Same as above" });
    FillComboTexts(combo(IDC_REC_ALARM_TYPE), { "Low", "Standard", "High", "Custom" });
    FillComboTexts(combo(IDC_REC_THRESHOLD), { "Low", "Standard", "High" });
    for (int id : { IDC_REC_SPEED, IDC_REC_ALARM_SPEED })
        FillComboTexts(
            combo(id), { "0", "1", "2", "3", "4", "5", "6", "7", "8", "9", "10", "15", "20", "MAX" });
    for (int id : { IDC_REC_QUALITY, IDC_REC_ALARM_QUALITY })
        FillComboTexts(combo(id), { "Standard", "Medium", "High" });
    FillAlarmTimeLists(this, IDC_REC_PRE_ALARM, IDC_REC_POST_ALARM);
    Layout();
    m_Periods.Attach(this, IDC_PERIOD_TAB);
    return TRUE;
}

void CPage8ScheduleDVR::Layout()
{
    PlaceControls(this, kRows);
    const bool sixteen = IsSixteenChannel();
    const ControlPlace groups[] = {
        { IDC_REC_NORMAL_GROUP, 101, 11, 428, sixteen ? 212 : 252 },
        { IDC_PERIOD_TAB, 111, 36, 407, sixteen ? 170 : 205 },
        { IDC_REC_ALARM_GROUP, 101, sixteen ? 228 : 278, 428, sixteen ? 224 : 174 },
        { IDC_REC_TRIGGER_NETWORK, 114, 309, 150, 18 },
    };
    PlaceControls(this, groups);
    for (size_t i = 0; i < std::size(kTriggerBoxes); ++i) {
        if (CWnd* box = GetDlgItem(kTriggerBoxes[i].id))
            box->MoveWindow(kTriggerX[i], 309, 40, 18);
        // The grid stands for the boxes on 16-channel recorders.
        Show(this, kTriggerBoxes[i].id, !sixteen);
    }
    Show(this, IDC_REC_THRESHOLD, false);
}

// Reading.

void CPage8ScheduleDVR::Load(Node& node)
{
    DvrCameraRecording record {};
    const uint8_t camera = uint8_t(node.camera);
    const BOOL normal = ReadBlock(GET_NORMAL_RECORDING, &record.normal, { camera });
    if (normal)
        node.record.normal = record.normal;
    const BOOL alarm = ReadBlock(GET_ALARM_RECORDING, &record.alarm, { camera });
    if (alarm)
        node.record.alarm = record.alarm;
    node.loaded = normal && alarm;
}

void CPage8ScheduleDVR::ReadSettings()
{
    m_Cameras.Clear();
    m_nCurrent = -1;
    CameraList()->ResetContent();
    if (!ReadCameraCounts())
        return;
    FillRecordingCameraList(CameraList(), m_Counts, FALSE);
    if (!ReadRecordingOptions() || m_Counts.Total() == 0)
        return;
    m_Normal.FillLists(m_Options, FALSE);
    FillCombo(m_AlarmType.Speed(), m_Options.speeds);
    FillCombo(m_AlarmType.Quality(), m_Options.qualities);
    Load(m_Cameras.Insert(0, !m_Counts.IsNetwork(0)));
    m_nCurrent = 0;
}

void CPage8ScheduleDVR::ShowSettings()
{
    m_Periods.Reset();
    CameraList()->SetCurSel(m_nCurrent >= 0 ? 0 : -1);
    ShowCamera();
}

// Showing.

void CPage8ScheduleDVR::BuildGrid()
{
    m_Grid.SetRowCount(2);
    m_Grid.SetColumnCount(kGridColumns);
    m_Grid.SetFixedRowCount(1);
    m_Grid.SetFixedColumnCount(0);
    for (int c = 0; c < kGridColumns; ++c) {
        CString title;
        if (c == 0)
            title = "MD";
        else if (c == kGridColumns - 1)
            title = "Text";
        else
            title.Format("S%d", c);
        m_Grid.SetItemText(0, c, title);
        m_Grid.SetItemFormat(0, c, kCentred);
    }
    m_Grid.AutoSizeColumns();
    FitGridToContent(m_Grid, 114, 262);
}

void CPage8ScheduleDVR::ShowTriggers(const Node& node)
{
    const bool network = !node.analog;
    const uint8_t flags = uint8_t(node.record.alarm.wTriggers >> 8);
    if (IsSixteenChannel()) {
        Show(this, IDC_REC_TRIGGER_NETWORK, network);
        if (!network) {
            BuildGrid();
            for (int c = 0; c < kGridColumns; ++c)
                SetCheckMark(m_Grid, 1, c, (node.record.alarm.dwTriggerMask & TriggerMaskBit(c)) != 0, true);
        }
        m_Grid.ShowWindow(network ? SW_HIDE : SW_SHOW);
        CheckDlgButton(IDC_REC_TRIGGER_NETWORK,
            (node.record.alarm.dwTriggerMask & kMaskNetworkEvent) ? BST_CHECKED : BST_UNCHECKED);
        return;
    }
    for (const TriggerBox& box : kTriggerBoxes) {
        Show(this, box.id, !network);
        CheckDlgButton(box.id, (flags & box.flag) ? BST_CHECKED : BST_UNCHECKED);
    }
    Show(this, IDC_REC_MOTION_LABEL, !network);
    Show(this, IDC_REC_SETUP, !network);
    Show(this, IDC_REC_TRIGGER_NETWORK, network);
    CheckDlgButton(IDC_REC_TRIGGER_NETWORK, (flags & kNetworkEvent) ? BST_CHECKED : BST_UNCHECKED);
}

void CPage8ScheduleDVR::ShowCamera()
{
    Node* node = m_Cameras.Find(m_nCurrent);
    if (!node) {
        m_Grid.ShowWindow(SW_HIDE);
        return;
    }
    m_Normal.ShowPeriod(node->record.normal.periods[m_Periods.Current()]);
    ShowTriggers(*node);
    const CFG_ALARM_RECORDING& alarm = node->record.alarm;
    CComboBox* type = m_AlarmType.Type();
    type->SetCurSel(alarm.byType == 0 ? m_AlarmType.LastType() : alarm.byType - 1);
    m_AlarmType.Speed()->SetCurSel(alarm.bySpeed);
    m_AlarmType.Quality()->SetCurSel(alarm.byQuality);
    m_AlarmType.UpdateEnabling();
    SelectNumber(this, IDC_REC_PRE_ALARM, alarm.byPreAlarm);
    SelectNumber(this, IDC_REC_POST_ALARM, alarm.byPostAlarm);
}

// Editing.

CPage8ScheduleDVR::Node* CPage8ScheduleDVR::Edited()
{
    // A camera that could not be read is never written.
    return m_Cameras.Loaded(m_nCurrent);
}

void CPage8ScheduleDVR::MarkEdited(Node* node)
{
    if (!node)
        return;
    node->changed = true;
    MarkGroupChanged(node->camera);
}

void CPage8ScheduleDVR::OnCameraChanged()
{
    auto* list = CameraList();
    const int camera = list->GetCurSel();
    if (camera < 0 || camera == m_nCurrent || m_nCurrent < 0)
        return;
    if (!MayChooseCamera(m_Counts, camera)) {
        list->SetCurSel(m_nCurrent);
        return;
    }
    m_Cameras.Take(camera, !m_Counts.IsNetwork(camera), [this](Node& node) { Load(node); });
    m_nCurrent = camera;
    ShowCamera();
}

void CPage8ScheduleDVR::OnMotionSetup()
{
    Node* node = Edited();
    if (!node)
        return;
    CFG_ALARM_RECORDING& alarm = node->record.alarm;
    CMotionDetectDlg dlg(this);
    dlg.SetMdArea(node->camera + 1, alarm.byThreshold, alarm.byArea);
    if (dlg.DoModal() != IDOK)
        return;
    alarm.byThreshold = uint8_t(dlg.m_nThreshold);
    std::copy(std::begin(dlg.m_abMask8), std::end(dlg.m_abMask8), alarm.byArea);
    MarkEdited(node);
}

void CPage8ScheduleDVR::OnTabChange(NMHDR*, LRESULT* pResult)
{
    // Edits go straight into the records; a tab only shows.
    m_Periods.OnSelChange([](int) {},
        [this](int period) {
            if (Node* node = m_Cameras.Find(m_nCurrent))
                m_Normal.ShowPeriod(node->record.normal.periods[period]);
        });
    *pResult = 0;
}

#define NORMAL_EDIT(handler, call)                                                                           \
    void CPage8ScheduleDVR::handler()                                                                        \
    {                                                                                                        \
        Node* node = Edited();                                                                               \
        NORMAL_PERIOD* period = node ? &node->record.normal.periods[m_Periods.Current()] : nullptr;          \
        m_Normal.call;                                                                                       \
        MarkEdited(node);                                                                                    \
    }
NORMAL_EDIT(OnTypeChosen, OnTypeChosen(period, m_Options))
NORMAL_EDIT(OnSpeedChosen, OnSpeedChosen(period))
NORMAL_EDIT(OnQualityChosen, OnQualityChosen(period))
NORMAL_EDIT(OnSpecialChosen, OnSpecialChosen(period))
NORMAL_EDIT(OnEventOn, OnEventRecording(period, TRUE))
NORMAL_EDIT(OnEventOff, OnEventRecording(period, FALSE))
#undef NORMAL_EDIT

void CPage8ScheduleDVR::OnAlarmTypeChosen()
{
    const RecordingPreset* preset = m_AlarmType.OnTypeChosen(m_Options);
    Node* node = Edited();
    if (!node)
        return;
    CFG_ALARM_RECORDING& alarm = node->record.alarm;
    alarm.byType = uint8_t(Selection(this, IDC_REC_ALARM_TYPE) + 1);
    if (preset) {
        alarm.bySpeed = preset->speed;
        alarm.byQuality = preset->quality;
    }
    MarkEdited(node);
}

void CPage8ScheduleDVR::OnAlarmSpeedOrQualityChosen()
{
    const int custom = m_AlarmType.OnSpeedOrQualityChosen();
    Node* node = Edited();
    if (!node)
        return;
    CFG_ALARM_RECORDING& alarm = node->record.alarm;
    const int speed = Selection(this, IDC_REC_ALARM_SPEED);
    const int quality = Selection(this, IDC_REC_ALARM_QUALITY);
    if (speed >= 0)
        alarm.bySpeed = uint8_t(speed);
    if (quality >= 0)
        alarm.byQuality = uint8_t(quality);
    alarm.byType = uint8_t(custom + 1);
    MarkEdited(node);
}

void CPage8ScheduleDVR::OnTriggerClicked(UINT nID)
{
    Node* node = Edited();
    if (!node)
        return;
    CFG_ALARM_RECORDING& alarm = node->record.alarm;
    const bool on = IsDlgButtonChecked(int(nID)) == BST_CHECKED;
    if (int(nID) == IDC_REC_TRIGGER_NETWORK && IsSixteenChannel()) {
        alarm.dwTriggerMask
            = on ? (alarm.dwTriggerMask | kMaskNetworkEvent) : (alarm.dwTriggerMask & ~kMaskNetworkEvent);
    } else {
        uint8_t flag = kNetworkEvent;
        for (const TriggerBox& box : kTriggerBoxes) {
            if (box.id == int(nID))
                flag = box.flag;
        }
        const uint16_t bit = uint16_t(flag << 8);
        alarm.wTriggers = uint16_t(on ? (alarm.wTriggers | bit) : (alarm.wTriggers & ~bit));
    }
    MarkEdited(node);
}

void CPage8ScheduleDVR::OnAlarmTimeChosen(UINT nID)
{
    Node* node = Edited();
    if (!node)
        return;
    CString text;
    GetDlgItemText(int(nID), text);
    const uint8_t seconds = uint8_t(std::atoi(text));
    if (int(nID) == IDC_REC_PRE_ALARM)
        node->record.alarm.byPreAlarm = seconds;
    else
        node->record.alarm.byPostAlarm = seconds;
    MarkEdited(node);
}

void CPage8ScheduleDVR::OnGridBeginEdit(NMHDR* pNMHDR, LRESULT* pResult)
{
    // Every cell of the check row is a trigger, the first too.
    *pResult = 1;
    const auto* item = reinterpret_cast<const NM_GRIDVIEW*>(pNMHDR);
    Node* node = Edited();
    if (!node || item->iRow != 1 || !ToggleCheckMark(m_Grid, item->iRow, item->iColumn))
        return;
    const uint32_t bit = TriggerMaskBit(item->iColumn);
    uint32_t& mask = node->record.alarm.dwTriggerMask;
    mask = IsCheckMarkGranted(m_Grid, item->iRow, item->iColumn) ? (mask | bit) : (mask & ~bit);
    MarkEdited(node);
}

// Applying.

ConfigResult CPage8ScheduleDVR::WriteGroup(int group)
{
    Node* node = m_Cameras.Find(group);
    if (!node || !node->loaded || !node->changed)
        return CONFIG_DONE;
    const uint8_t camera = uint8_t(node->camera);
    CFG_NORMAL_RECORDING_SET normal {};
    normal.byCamera = camera;
    normal.record = node->record.normal;
    const ConfigResult normalResult = WriteBlock(SET_NORMAL_RECORDING, normal);
    if (normalResult == CONFIG_NO_CONNECTION)
        return normalResult;
    const CFG_ALARM_RECORDING& a = node->record.alarm;
    CFG_ALARM_RECORDING_SET alarm {};
    alarm.byCamera = camera;
    alarm.wTriggers = a.wTriggers;
    alarm.dwTriggerMask = a.dwTriggerMask;
    alarm.byThreshold = a.byThreshold;
    std::copy(std::begin(a.byArea), std::end(a.byArea), alarm.byArea);
    alarm.byType = a.byType;
    alarm.bySpeed = a.bySpeed;
    alarm.byReserved = a.byReserved;
    alarm.byQuality = a.byQuality;
    alarm.byPreAlarm = a.byPreAlarm;
    alarm.byPostAlarm = a.byPostAlarm;
    std::copy(std::begin(a.wExtra), std::end(a.wExtra), alarm.wExtra);
    const ConfigResult alarmResult
        = WriteBlock(IsSixteenChannel() ? SET_ALARM_RECORDING_MASK : SET_ALARM_RECORDING, alarm);
    // The camera is done only when the device took both of its records.
    if (normalResult == CONFIG_DONE && alarmResult == CONFIG_DONE)
        node->changed = false;
    return alarmResult == CONFIG_DONE ? normalResult : alarmResult;
}

void CPage8ScheduleDVR::OnApplied()
{
    m_Cameras.ForEachChanged([this](int camera) { MarkGroupChanged(camera); });
}
