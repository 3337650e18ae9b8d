#include "pages/Page12DoutRZ4250XT.h"

#include "controls/ControlPlacement.h"
#include "pages/common/AlarmSourceMask.h"
#include "platform/ui/Controls.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <cstring>

namespace
{

constexpr int kRowTop = 88;
constexpr int kRowStep = 27;
constexpr int kSensorField = 0; // m_Sources[r] the sensors, [6 + r] the motion
constexpr uint8_t kLatch = 255;

int SensorAny(int row)
{
    return IDC_ACTION_SENSOR_ANY + row;
}
int MotionAny(int row)
{
    return IDC_ACTION_MOTION_ANY + row;
}
int SensorField(int row)
{
    return IDC_ACTION_SENSOR + row;
}
int MotionField(int row)
{
    return IDC_ACTION_MOTION + row;
}
int TextCheck(int row)
{
    return IDC_ACTION_TEXT + row;
}

const char* const kDurations[] = { "Off", "Latch", "5", "10", "15", "20", "25", "30", "40", "50", "60" };
const char* const kIntervals[] = { "Off", "1", "2", "3", "4", "5", "10", "15", "20", "25", "30" };

const ControlPlace kPlaces[] = {
    { IDC_ACTION_SCHEDULE_GROUP, 14, 11, 515, 290 },
    { IDC_PERIOD_TAB, 33, 36, 480, 225 },
    { IDC_ACTION_SENSOR_HEAD, 135, 66, 150, 15 },
    { IDC_ACTION_MOTION_HEAD, 325, 66, 120, 15 },
    { IDC_ACTION_TEXT_HEAD, 462, 66, 40, 15 },
    { IDC_SPECIAL_TIME_OFF, 45, 270, 200, 21 },
    { IDC_ACTION_GLOBAL, 405, 268, 100, 25 },
    { IDC_ACTION_HIDDEN_NOTE, 45, 250, 450, 15 },
    { IDC_ACTION_SETUP_GROUP, 14, 307, 515, 156 },
};

// A duration as its list shows it: 0 "Off", 255 "Latch", else the first
// entry that begins with the number.
int DurationIndex(const CComboBox* list, uint8_t value, bool latch)
{
    if (value == 0)
        return 0;
    if (latch && value == kLatch)
        return 1;
    char text[8];
    std::snprintf(text, sizeof text, "%d", int(value));
    return list->FindString(-1, text);
}

uint8_t DurationValue(const CComboBox* list, uint8_t stored, bool latch)
{
    const int selected = list->GetCurSel();
    if (selected < 0)
        return stored; // a value the list could not show stays
    if (selected == 0)
        return 0;
    if (latch && selected == 1)
        return kLatch;
    CString text;
    list->GetLBText(selected, text);
    return uint8_t(std::atoi(text));
}

} // namespace

BEGIN_MESSAGE_MAP(CPage12DoutRZ4250XT, CConfigPage)
ON_CONTROL_RANGE(BN_CLICKED, IDC_ACTION_SENSOR_ANY, IDC_ACTION_SENSOR_ANY + kAlarmActions - 1, OnAnyClicked)
ON_CONTROL_RANGE(BN_CLICKED, IDC_ACTION_MOTION_ANY, IDC_ACTION_MOTION_ANY + kAlarmActions - 1, OnAnyClicked)
ON_CONTROL_RANGE(BN_CLICKED, IDC_ACTION_TEXT, IDC_ACTION_TEXT + kAlarmActions - 1, OnTextClicked)
ON_BN_CLICKED(IDC_SPECIAL_TIME_OFF, OnSpecialTimeClicked)
ON_NOTIFY_RANGE(IPN_FIELDCHANGED, IDC_ACTION_SENSOR, IDC_ACTION_MOTION + kAlarmActions - 1, OnFieldChanged)
ON_NOTIFY(TCN_SELCHANGE, IDC_PERIOD_TAB, OnTabChange)
ON_BN_CLICKED(IDC_ACTION_GLOBAL, OnGloballyApply)
ON_CONTROL_RANGE(CBN_SELCHANGE, IDC_ACTION_RELAY_TIME, IDC_ACTION_BUZZER_TIME, OnDurationChanged)
ON_CBN_SELCHANGE(IDC_ACTION_INTERVAL, OnMailEdited)
ON_EN_CHANGE(IDC_ACTION_EMAIL, OnMailEdited)
ON_EN_CHANGE(IDC_ACTION_SMTP, OnMailEdited)
END_MESSAGE_MAP()

CPage12DoutRZ4250XT::CPage12DoutRZ4250XT()
    : CConfigPage(IDD_PAGE12_DOUT_RZ4250XT, SLOT_DoutRZ4250XT)
{
    DeclareGroups(GROUP_COUNT);
    SetWriteAllGroups(TRUE);
}

BOOL CPage12DoutRZ4250XT::OnInitDialog()
{
    CConfigPage::OnInitDialog();
    PlaceControls(this, kPlaces);
    CFont* font = GetFont();
    for (int r = 0; r < kAlarmActions; ++r) {
        const int y = kRowTop + kRowStep * r;
        const ControlPlace row[] = {
            { IDC_ACTION_ROW_LABEL + r, 45, y + 3, 60, 15 },
            { SensorAny(r), 92, y, 48, 20 },
            { MotionAny(r), 282, y, 48, 20 },
            { TextCheck(r), 470, y, 20, 20 },
        };
        PlaceControls(this, row);
        for (int kind = 0; kind < 2; ++kind) {
            CIPAddressCtrl& field = m_Sources[kind * kAlarmActions + r];
            const int x = kind == kSensorField ? 142 : 332;
            field.Create(WS_CHILD | WS_VISIBLE | WS_TABSTOP | WS_BORDER, CRect(x, y, x + 130, y + 20), this,
                kind == kSensorField ? SensorField(r) : MotionField(r));
            for (int n = 0; n < 4; ++n)
                field.SetFieldRange(n, 1, kMaxSource);
            if (font)
                field.SetFont(font);
        }
    }
    for (int i = 0; i < 5; ++i) {
        auto* list = static_cast<CComboBox*>(GetDlgItem(IDC_ACTION_RELAY_TIME + i));
        for (const char* item : kDurations)
            list->AddString(item);
        const ControlPlace places[] = { { IDC_ACTION_TIME_LABEL + i, 40 + 95 * i, 330, 85, 15 },
            { IDC_ACTION_RELAY_TIME + i, 40 + 95 * i, 348, 85, 200 } };
        PlaceControls(this, places);
    }
    auto* interval = static_cast<CComboBox*>(GetDlgItem(IDC_ACTION_INTERVAL));
    for (const char* item : kIntervals)
        interval->AddString(item);
    const ControlPlace mail[] = {
        { IDC_ACTION_INTERVAL_LABEL, 40, 388, 120, 15 },
        { IDC_ACTION_INTERVAL, 40, 406, 85, 200 },
        { IDC_ACTION_EMAIL_LABEL, 150, 388, 120, 15 },
        { IDC_ACTION_EMAIL, 150, 406, 360, 20 },
        { IDC_ACTION_SMTP_LABEL, 150, 432, 120, 15 },
        { IDC_ACTION_SMTP, 270, 430, 240, 20 },
    };
    PlaceControls(this, mail);
    static_cast<CEdit*>(GetDlgItem(IDC_ACTION_EMAIL))->LimitText(sizeof m_Mail.szAddress - 1);
    static_cast<CEdit*>(GetDlgItem(IDC_ACTION_SMTP))->LimitText(sizeof m_Mail.szServer - 1);
    m_Periods.Attach(this, IDC_PERIOD_TAB);
    return TRUE;
}

// Reading and showing.

void CPage12DoutRZ4250XT::ReadSettings()
{
    // An action whose read fails keeps what the page held.
    for (int a = 0; a < kAlarmActions; ++a) {
        const auto& block = a < 4 ? GET_RELAY_ACTION
            : a == GROUP_BUZZER   ? GET_BUZZER_ACTION
                                  : GET_EMAIL_ACTION;
        CFG_ALARM_ACTION action;
        const BOOL read = ReadBlock(block, &action, { uint8_t(a < 4 ? a : 0) });
        if (read)
            m_Actions[a] = action;
        MarkGroupRead(a, read);
    }
    // The set-up values stop at the first that cannot be read.
    CFG_RELAY_DURATIONS durations;
    CFG_BUZZER_DURATION buzzer;
    CFG_ALARM_MAIL mail;
    const BOOL durationsRead = ReadBlock(GET_RELAY_DURATIONS, &durations);
    const BOOL buzzerRead = durationsRead && ReadBlock(GET_BUZZER_DURATION, &buzzer);
    const BOOL mailRead = buzzerRead && ReadBlock(GET_ALARM_MAIL, &mail);
    if (durationsRead)
        m_Durations = durations;
    if (buzzerRead)
        m_Buzzer = buzzer;
    if (mailRead) {
        m_Mail = mail;
        m_Mail.szAddress[sizeof m_Mail.szAddress - 1] = '\0';
        m_Mail.szServer[sizeof m_Mail.szServer - 1] = '\0';
    }
    MarkGroupRead(GROUP_DURATIONS, durationsRead);
    MarkGroupRead(GROUP_BUZZER_TIME, buzzerRead);
    MarkGroupRead(GROUP_MAIL, mailRead);
}

void CPage12DoutRZ4250XT::ShowSettings()
{
    m_Periods.Reset();
    ShowPeriod(0);
    ShowSetup();
}

void CPage12DoutRZ4250XT::ShowField(int id, uint16_t mask)
{
    int sources[kShownSources] = {};
    const int count = SourcesOfMask(mask, sources);
    CString text;
    for (int i = 0; i < kShownSources; ++i) {
        if (i > 0)
            text += ".";
        if (i < count) {
            CString number;
            number.Format("%d", sources[i]);
            text += number;
        }
    }
    SetDlgItemText(id, text);
}

void CPage12DoutRZ4250XT::ShowPeriod(int period)
{
    m_bShowing = TRUE;
    bool hidden = false;
    for (int r = 0; r < kAlarmActions; ++r) {
        const ACTION_PERIOD& entry = m_Actions[r].periods[period];
        CheckDlgButton(SensorAny(r), entry.wSensors == kAnySource ? BST_CHECKED : BST_UNCHECKED);
        CheckDlgButton(MotionAny(r), entry.wMotion == kAnySource ? BST_CHECKED : BST_UNCHECKED);
        ShowField(SensorField(r), entry.wSensors);
        ShowField(MotionField(r), entry.wMotion);
        CheckDlgButton(TextCheck(r), (entry.wText & 1) ? BST_CHECKED : BST_UNCHECKED);
        m_HiddenSensors[r] = HiddenSources(entry.wSensors);
        m_HiddenMotion[r] = HiddenSources(entry.wMotion);
        hidden = hidden || m_HiddenSensors[r] || m_HiddenMotion[r];
    }
    CheckDlgButton(
        IDC_SPECIAL_TIME_OFF, (m_Actions[0].periods[period].byFlags & 0x80) ? BST_CHECKED : BST_UNCHECKED);
    // Sources beyond the four a field shows are kept; the page says so.
    if (CWnd* note = GetDlgItem(IDC_ACTION_HIDDEN_NOTE))
        note->ShowWindow(hidden ? SW_SHOW : SW_HIDE);
    UpdateSourceEnabling();
    m_bShowing = FALSE;
}

void CPage12DoutRZ4250XT::UpdateSourceEnabling()
{
    const BOOL showing = m_bShowing;
    m_bShowing = TRUE;
    for (int r = 0; r < kAlarmActions; ++r) {
        for (auto [any, field] :
            { std::pair { SensorAny(r), SensorField(r) }, std::pair { MotionAny(r), MotionField(r) } }) {
            const bool all = IsDlgButtonChecked(any) == BST_CHECKED;
            if (all)
                SetDlgItemText(field, "...");
            GetDlgItem(field)->EnableWindow(!all);
        }
    }
    m_bShowing = showing;
}

void CPage12DoutRZ4250XT::ShowSetup()
{
    for (int i = 0; i < 5; ++i) {
        auto* list = static_cast<CComboBox*>(GetDlgItem(IDC_ACTION_RELAY_TIME + i));
        list->SetCurSel(DurationIndex(list, i < 4 ? m_Durations.byRelays[i] : m_Buzzer.byDuration, true));
    }
    auto* interval = static_cast<CComboBox*>(GetDlgItem(IDC_ACTION_INTERVAL));
    interval->SetCurSel(DurationIndex(interval, m_Mail.byInterval, false));
    m_bShowing = TRUE;
    SetDlgItemText(IDC_ACTION_EMAIL, m_Mail.szAddress);
    SetDlgItemText(IDC_ACTION_SMTP, m_Mail.szServer);
    m_bShowing = FALSE;
}

// Taking a period back.

void CPage12DoutRZ4250XT::FieldNumbers(int id, int numbers[4])
{
    CString text;
    GetDlgItemText(id, text);
    const char* p = text;
    for (int i = 0; i < 4; ++i) {
        numbers[i] = *p && *p != '.' ? std::atoi(p) : 0;
        p = std::strchr(p, '.');
        if (!p) {
            for (int j = i + 1; j < 4; ++j)
                numbers[j] = 0;
            return;
        }
        ++p;
    }
}

uint16_t CPage12DoutRZ4250XT::TakeField(int anyId, int fieldId, uint16_t hidden)
{
    if (IsDlgButtonChecked(anyId) == BST_CHECKED)
        return kAnySource;
    int numbers[4];
    FieldNumbers(fieldId, numbers);
    return uint16_t(MaskOfSources(numbers, 4) | hidden);
}

void CPage12DoutRZ4250XT::TakePeriod(int period)
{
    for (int r = 0; r < kAlarmActions; ++r) {
        ACTION_PERIOD& entry = m_Actions[r].periods[period];
        entry.wSensors = TakeField(SensorAny(r), SensorField(r), m_HiddenSensors[r]);
        entry.wMotion = TakeField(MotionAny(r), MotionField(r), m_HiddenMotion[r]);
        entry.wText = IsDlgButtonChecked(TextCheck(r)) == BST_CHECKED ? 1 : 0;
    }
    m_Actions[0].periods[period].byFlags = IsDlgButtonChecked(IDC_SPECIAL_TIME_OFF) == BST_CHECKED ? 0x80 : 0;
}

// Editing.

void CPage12DoutRZ4250XT::OnRowEdited(int row)
{
    if (m_bShowing)
        return;
    m_Periods.MarkEdited();
    MarkGroupChanged(row);
}

void CPage12DoutRZ4250XT::OnAnyClicked(UINT nID)
{
    UpdateSourceEnabling();
    const int row
        = int(nID) - (int(nID) >= IDC_ACTION_MOTION_ANY ? IDC_ACTION_MOTION_ANY : IDC_ACTION_SENSOR_ANY);
    OnRowEdited(row);
}

void CPage12DoutRZ4250XT::OnTextClicked(UINT nID)
{
    OnRowEdited(int(nID) - IDC_ACTION_TEXT);
}

void CPage12DoutRZ4250XT::OnSpecialTimeClicked()
{
    OnRowEdited(0);
}

void CPage12DoutRZ4250XT::OnFieldChanged(UINT nID, NMHDR*, LRESULT* pResult)
{
    const int row = int(nID) - (int(nID) >= IDC_ACTION_MOTION ? IDC_ACTION_MOTION : IDC_ACTION_SENSOR);
    if (row >= 0 && row < kAlarmActions)
        OnRowEdited(row);
    *pResult = 0;
}

void CPage12DoutRZ4250XT::OnTabChange(NMHDR*, LRESULT* pResult)
{
    m_Periods.OnSelChange(
        [this](int period) { TakePeriod(period); }, [this](int period) { ShowPeriod(period); });
    *pResult = 0;
}

void CPage12DoutRZ4250XT::OnGloballyApply()
{
    const int period = m_Periods.Current();
    m_Periods.TakeEdited([this](int shown) { TakePeriod(shown); });
    for (int a = 0; a < kAlarmActions; ++a) {
        CopyPeriodToAll(m_Actions[a].periods, period);
        MarkGroupChanged(a);
    }
}

void CPage12DoutRZ4250XT::OnDurationChanged(UINT nID)
{
    MarkGroupChanged(nID == IDC_ACTION_BUZZER_TIME ? GROUP_BUZZER_TIME : GROUP_DURATIONS);
}

void CPage12DoutRZ4250XT::OnMailEdited()
{
    if (!m_bShowing)
        MarkGroupChanged(GROUP_MAIL);
}

// Applying.

BOOL CPage12DoutRZ4250XT::ValidateSettings()
{
    m_Periods.TakeEdited([this](int period) { TakePeriod(period); });
    for (int r = 0; r < kAlarmActions; ++r) {
        for (int id : { SensorField(r), MotionField(r) }) {
            int numbers[4];
            FieldNumbers(id, numbers);
            if (HasDuplicateSources(numbers, 4)) {
                ShowDuplicateSourceMessage();
                GotoDlgCtrl(GetDlgItem(id));
                return FALSE;
            }
        }
    }
    return TRUE;
}

ConfigResult CPage12DoutRZ4250XT::WriteGroup(int group)
{
    if (group < 4) {
        m_Actions[group].byAction = uint8_t(group);
        return WriteBlock(SET_RELAY_ACTION, m_Actions[group]);
    }
    if (group == GROUP_BUZZER || group == GROUP_EMAIL) {
        m_Actions[group].byAction = 0;
        return WriteBlock(group == GROUP_BUZZER ? SET_BUZZER_ACTION : SET_EMAIL_ACTION, m_Actions[group]);
    }
    if (group == GROUP_DURATIONS) {
        CFG_RELAY_DURATIONS durations {};
        for (int i = 0; i < 4; ++i) {
            durations.byRelays[i]
                = DurationValue(static_cast<CComboBox*>(GetDlgItem(IDC_ACTION_RELAY_TIME + i)),
                    m_Durations.byRelays[i], true);
        }
        const ConfigResult result = WriteBlock(SET_RELAY_DURATIONS, durations);
        if (result == CONFIG_DONE)
            m_Durations = durations;
        return result;
    }
    if (group == GROUP_BUZZER_TIME) {
        const CFG_BUZZER_DURATION buzzer { DurationValue(
            static_cast<CComboBox*>(GetDlgItem(IDC_ACTION_BUZZER_TIME)), m_Buzzer.byDuration, true) };
        const ConfigResult result = WriteBlock(SET_BUZZER_DURATION, buzzer);
        if (result == CONFIG_DONE)
            m_Buzzer = buzzer;
        return result;
    }
    CFG_ALARM_MAIL mail {};
    mail.byInterval
        = DurationValue(static_cast<CComboBox*>(GetDlgItem(IDC_ACTION_INTERVAL)), m_Mail.byInterval, false);
    CString address, server;
    GetDlgItemText(IDC_ACTION_EMAIL, address);
    GetDlgItemText(IDC_ACTION_SMTP, server);
    std::strncpy(mail.szAddress, address, sizeof mail.szAddress - 1);
    std::strncpy(mail.szServer, server, sizeof mail.szServer - 1);
    const ConfigResult result = WriteBlock(SET_ALARM_MAIL, mail);
    if (result == CONFIG_DONE)
        m_Mail = mail;
    return result;
}
