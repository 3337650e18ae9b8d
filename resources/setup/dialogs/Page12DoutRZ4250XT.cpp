// The alarm action page of model class 4: the period tabs with a row of
// sources per action (the page makes the source fields), the durations and
// the e-mail notice. The page places the controls at fixed pixels.
#include "resources/setup/dialogs/DialogParts.h"

namespace
{

constexpr uint32_t kList = kChild | WS_TABSTOP | CBS_DROPDOWNLIST | WS_VSCROLL;
constexpr uint32_t kCheck = kChild | WS_TABSTOP | BS_AUTOCHECKBOX;
constexpr uint32_t kHidden = WS_CHILD;

const DialogControl kActions[] = {
    { IDC_ACTION_SCHEDULE_GROUP, WC_BUTTON, "Schedule", kChild | BS_GROUPBOX, 9, 7, 343, 178 },
    { IDC_PERIOD_TAB, "SysTabControl32", "", kChild | WS_TABSTOP, 22, 22, 320, 138 },
    { IDC_ACTION_SENSOR_HEAD, WC_STATIC, "Sensor", kChild, 90, 41, 100, 9 },
    { IDC_ACTION_MOTION_HEAD, WC_STATIC, "MD", kChild, 217, 41, 80, 9 },
    { IDC_ACTION_TEXT_HEAD, WC_STATIC, "Text", kChild, 308, 41, 27, 9 },
    { IDC_ACTION_ROW_LABEL + 0, WC_STATIC, "Relay1", kChild, 30, 56, 40, 9 },
    { IDC_ACTION_SENSOR_ANY + 0, WC_BUTTON, "Any", kCheck, 67, 54, 27, 12 },
    { IDC_ACTION_MOTION_ANY + 0, WC_BUTTON, "Any", kCheck, 193, 54, 27, 12 },
    { IDC_ACTION_TEXT + 0, WC_BUTTON, "", kCheck, 313, 54, 13, 12 },
    { IDC_ACTION_ROW_LABEL + 1, WC_STATIC, "Relay2", kChild, 30, 73, 40, 9 },
    { IDC_ACTION_SENSOR_ANY + 1, WC_BUTTON, "Any", kCheck, 67, 71, 27, 12 },
    { IDC_ACTION_MOTION_ANY + 1, WC_BUTTON, "Any", kCheck, 193, 71, 27, 12 },
    { IDC_ACTION_TEXT + 1, WC_BUTTON, "", kCheck, 313, 71, 13, 12 },
    { IDC_ACTION_ROW_LABEL + 2, WC_STATIC, "Relay3", kChild, 30, 89, 40, 9 },
    { IDC_ACTION_SENSOR_ANY + 2, WC_BUTTON, "Any", kCheck, 67, 87, 27, 12 },
    { IDC_ACTION_MOTION_ANY + 2, WC_BUTTON, "Any", kCheck, 193, 87, 27, 12 },
    { IDC_ACTION_TEXT + 2, WC_BUTTON, "", kCheck, 313, 87, 13, 12 },
    { IDC_ACTION_ROW_LABEL + 3, WC_STATIC, "Relay4", kChild, 30, 106, 40, 9 },
    { IDC_ACTION_SENSOR_ANY + 3, WC_BUTTON, "Any", kCheck, 67, 104, 27, 12 },
    { IDC_ACTION_MOTION_ANY + 3, WC_BUTTON, "Any", kCheck, 193, 104, 27, 12 },
    { IDC_ACTION_TEXT + 3, WC_BUTTON, "", kCheck, 313, 104, 13, 12 },
    { IDC_ACTION_ROW_LABEL + 4, WC_STATIC, "Buzzer", kChild, 30, 122, 40, 9 },
    { IDC_ACTION_SENSOR_ANY + 4, WC_BUTTON, "Any", kCheck, 67, 121, 27, 12 },
    { IDC_ACTION_MOTION_ANY + 4, WC_BUTTON, "Any", kCheck, 193, 121, 27, 12 },
    { IDC_ACTION_TEXT + 4, WC_BUTTON, "", kCheck, 313, 121, 13, 12 },
    { IDC_ACTION_ROW_LABEL + 5, WC_STATIC, "E-Mail", kChild, 30, 139, 40, 9 },
    { IDC_ACTION_SENSOR_ANY + 5, WC_BUTTON, "Any", kCheck, 67, 137, 27, 12 },
    { IDC_ACTION_MOTION_ANY + 5, WC_BUTTON, "Any", kCheck, 193, 137, 27, 12 },
    { IDC_ACTION_TEXT + 5, WC_BUTTON, "", kCheck, 313, 137, 13, 12 },
    { IDC_ACTION_HIDDEN_NOTE, WC_STATIC, "More than four sources are set; those not shown are kept.", kHidden,
        30, 154, 300, 9 },
    { IDC_SPECIAL_TIME_OFF, WC_BUTTON, "Disable in Special Time ", kCheck, 30, 166, 133, 13 },
    { IDC_ACTION_GLOBAL, WC_BUTTON, "Globally Apply", kButton, 270, 165, 67, 15 },
    { IDC_ACTION_SETUP_GROUP, WC_BUTTON, "Setup", kChild | BS_GROUPBOX, 9, 189, 343, 96 },
    { IDC_ACTION_TIME_LABEL + 0, WC_STATIC, "Relay1 (sec)", kChild, 27, 203, 57, 9 },
    { IDC_ACTION_RELAY_TIME + 0, WC_COMBOBOX, "", kList, 27, 214, 57, 123 },
    { IDC_ACTION_TIME_LABEL + 1, WC_STATIC, "Relay2 (sec)", kChild, 90, 203, 57, 9 },
    { IDC_ACTION_RELAY_TIME + 1, WC_COMBOBOX, "", kList, 90, 214, 57, 123 },
    { IDC_ACTION_TIME_LABEL + 2, WC_STATIC, "Relay3 (sec)", kChild, 153, 203, 57, 9 },
    { IDC_ACTION_RELAY_TIME + 2, WC_COMBOBOX, "", kList, 153, 214, 57, 123 },
    { IDC_ACTION_TIME_LABEL + 3, WC_STATIC, "Relay4 (sec)", kChild, 217, 203, 57, 9 },
    { IDC_ACTION_RELAY_TIME + 3, WC_COMBOBOX, "", kList, 217, 214, 57, 123 },
    { IDC_ACTION_TIME_LABEL + 4, WC_STATIC, "Buzzer (sec)", kChild, 280, 203, 57, 9 },
    { IDC_ACTION_RELAY_TIME + 4, WC_COMBOBOX, "", kList, 280, 214, 57, 123 },
    { IDC_ACTION_INTERVAL_LABEL, WC_STATIC, "Interval (min)", kChild, 27, 239, 80, 9 },
    { IDC_ACTION_INTERVAL, WC_COMBOBOX, "", kList, 27, 250, 57, 123 },
    { IDC_ACTION_EMAIL_LABEL, WC_STATIC, "E-Mail", kChild, 100, 239, 80, 9 },
    { IDC_ACTION_EMAIL, WC_EDIT, "", kEdit, 100, 250, 240, 12 },
    { IDC_ACTION_SMTP_LABEL, WC_STATIC, "SMTP Server", kChild, 100, 266, 80, 9 },
    { IDC_ACTION_SMTP, WC_EDIT, "", kEdit, 180, 265, 160, 12 },
    { IDC_PAGE_OK, WC_BUTTON, "OK", kButton, 203, 305, 47, 15 },
    { IDC_PAGE_CANCEL, WC_BUTTON, "Cancel", kButton, 253, 305, 47, 15 },
    { IDC_PAGE_APPLY, WC_BUTTON, "Apply", kButton, 303, 305, 47, 15 },
};

const DialogTemplate kTemplates[] = {
    { IDD_PAGE12_DOUT_RZ4250XT, "Alarm Act.", kPage, 0, 0, 360, 400, kActions },
};

} // namespace

const std::span<const DialogTemplate> kPage12DoutRZ4250XTTemplates = kTemplates;
