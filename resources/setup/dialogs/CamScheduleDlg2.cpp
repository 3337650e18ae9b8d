// The day plan of one channel of a three-channel camera: five rows of
// times, recording settings, quality boxes and three trigger columns.
#include "platform/ui/DateTimeCtrl.h"
#include "resources/setup/dialogs/DialogParts.h"

namespace
{

constexpr uint32_t kPicker = kChild | WS_TABSTOP | WS_BORDER | DTS_TIMEFORMAT;
constexpr uint32_t kList = kChild | WS_TABSTOP | WS_VSCROLL | CBS_DROPDOWNLIST;
constexpr uint32_t kCheck = kButton | BS_AUTOCHECKBOX;
constexpr uint32_t kArea = kChild | SS_OWNERDRAW | SS_NOTIFY;

const DialogControl kCamSchedule2[] = {
    { IDC_STATIC, WC_STATIC, "Time Table", kChild, 5, 5, 60, 10 },
    { IDC_STATIC, WC_STATIC, "Start", kChild, 5, 20, 40, 10 },
    { IDC_STATIC, WC_STATIC, "End", kChild, 48, 20, 40, 10 },
    { IDC_STATIC, WC_STATIC, "Normal Save", kChild, 92, 8, 100, 10 },
    { IDC_STATIC, WC_STATIC, "Event Save", kChild, 238, 8, 100, 10 },
    { IDC_STATIC, WC_STATIC, "Frame rate", kChild, 92, 20, 45, 10 },
    { IDC_STATIC, WC_STATIC, "Resolution", kChild, 139, 20, 58, 10 },
    { IDC_STATIC, WC_STATIC, "Quality", kChild, 199, 20, 22, 10 },
    { IDC_STATIC, WC_STATIC, "Box", kChild, 223, 20, 14, 10 },
    { IDC_STATIC, WC_STATIC, "Frame rate", kChild, 238, 20, 45, 10 },
    { IDC_STATIC, WC_STATIC, "Resolution", kChild, 285, 20, 58, 10 },
    { IDC_STATIC, WC_STATIC, "Quality", kChild, 345, 20, 22, 10 },
    { IDC_STATIC, WC_STATIC, "Box", kChild, 369, 20, 14, 10 },
    { IDC_STATIC, WC_STATIC, "Area", kChild, 384, 20, 30, 10 },
    { IDC_STATIC, WC_STATIC, "Motion Detect", kChild, 418, 20, 32, 10 },
    { IDC_STATIC, WC_STATIC, "Sensor", kChild, 450, 20, 30, 10 },
    { IDC_STATIC, WC_STATIC, "Relay output", kChild, 480, 20, 44, 10 },
    { IDC_SCHEDULE_START1, DATETIMEPICK_CLASS, "", kPicker, 3, 34, 42, 14 },
    { IDC_SCHEDULE_END1, DATETIMEPICK_CLASS, "", kPicker, 46, 34, 42, 14 },
    { IDC_SCHEDULE_RATE1, WC_COMBOBOX, "", kList, 92, 34, 45, 12 },
    { IDC_SCHEDULE_RESOLUTION1, WC_COMBOBOX, "", kList, 139, 34, 58, 12 },
    { IDC_SCHEDULE_QUALITY1, WC_COMBOBOX, "", kList, 199, 34, 22, 12 },
    { IDC_SCHEDULE_BOX1, WC_BUTTON, "", kCheck, 225, 36, 10, 10 },
    { IDC_SCHEDULE_ALARM_RATE1, WC_COMBOBOX, "", kList, 238, 34, 45, 12 },
    { IDC_SCHEDULE_ALARM_RESOLUTION1, WC_COMBOBOX, "", kList, 285, 34, 58, 12 },
    { IDC_SCHEDULE_ALARM_QUALITY1, WC_COMBOBOX, "", kList, 345, 34, 22, 12 },
    { IDC_SCHEDULE_ALARM_BOX1, WC_BUTTON, "", kCheck, 371, 36, 10, 10 },
    { IDC_SCHEDULE_AREA1, WC_STATIC, "", kArea, 384, 32, 30, 18 },
    { IDC_SCHEDULE2_MOTION1, WC_BUTTON, "", kCheck, 424, 36, 10, 10 },
    { IDC_SCHEDULE2_SENSOR1, WC_BUTTON, "", kCheck, 456, 36, 10, 10 },
    { IDC_SCHEDULE2_RELAY1, WC_BUTTON, "", kCheck, 486, 36, 10, 10 },
    { IDC_SCHEDULE_START2, DATETIMEPICK_CLASS, "", kPicker, 3, 56, 42, 14 },
    { IDC_SCHEDULE_END2, DATETIMEPICK_CLASS, "", kPicker, 46, 56, 42, 14 },
    { IDC_SCHEDULE_RATE2, WC_COMBOBOX, "", kList, 92, 56, 45, 12 },
    { IDC_SCHEDULE_RESOLUTION2, WC_COMBOBOX, "", kList, 139, 56, 58, 12 },
    { IDC_SCHEDULE_QUALITY2, WC_COMBOBOX, "", kList, 199, 56, 22, 12 },
    { IDC_SCHEDULE_BOX2, WC_BUTTON, "", kCheck, 225, 58, 10, 10 },
    { IDC_SCHEDULE_ALARM_RATE2, WC_COMBOBOX, "", kList, 238, 56, 45, 12 },
    { IDC_SCHEDULE_ALARM_RESOLUTION2, WC_COMBOBOX, "", kList, 285, 56, 58, 12 },
    { IDC_SCHEDULE_ALARM_QUALITY2, WC_COMBOBOX, "", kList, 345, 56, 22, 12 },
    { IDC_SCHEDULE_ALARM_BOX2, WC_BUTTON, "", kCheck, 371, 58, 10, 10 },
    { IDC_SCHEDULE_AREA2, WC_STATIC, "", kArea, 384, 54, 30, 18 },
    { IDC_SCHEDULE2_MOTION2, WC_BUTTON, "", kCheck, 424, 58, 10, 10 },
    { IDC_SCHEDULE2_SENSOR2, WC_BUTTON, "", kCheck, 456, 58, 10, 10 },
    { IDC_SCHEDULE2_RELAY2, WC_BUTTON, "", kCheck, 486, 58, 10, 10 },
    { IDC_SCHEDULE_START3, DATETIMEPICK_CLASS, "", kPicker, 3, 78, 42, 14 },
    { IDC_SCHEDULE_END3, DATETIMEPICK_CLASS, "", kPicker, 46, 78, 42, 14 },
    { IDC_SCHEDULE_RATE3, WC_COMBOBOX, "", kList, 92, 78, 45, 12 },
    { IDC_SCHEDULE_RESOLUTION3, WC_COMBOBOX, "", kList, 139, 78, 58, 12 },
    { IDC_SCHEDULE_QUALITY3, WC_COMBOBOX, "", kList, 199, 78, 22, 12 },
    { IDC_SCHEDULE_BOX3, WC_BUTTON, "", kCheck, 225, 80, 10, 10 },
    { IDC_SCHEDULE_ALARM_RATE3, WC_COMBOBOX, "", kList, 238, 78, 45, 12 },
    { IDC_SCHEDULE_ALARM_RESOLUTION3, WC_COMBOBOX, "", kList, 285, 78, 58, 12 },
    { IDC_SCHEDULE_ALARM_QUALITY3, WC_COMBOBOX, "", kList, 345, 78, 22, 12 },
    { IDC_SCHEDULE_ALARM_BOX3, WC_BUTTON, "", kCheck, 371, 80, 10, 10 },
    { IDC_SCHEDULE_AREA3, WC_STATIC, "", kArea, 384, 76, 30, 18 },
    { IDC_SCHEDULE2_MOTION3, WC_BUTTON, "", kCheck, 424, 80, 10, 10 },
    { IDC_SCHEDULE2_SENSOR3, WC_BUTTON, "", kCheck, 456, 80, 10, 10 },
    { IDC_SCHEDULE2_RELAY3, WC_BUTTON, "", kCheck, 486, 80, 10, 10 },
    { IDC_SCHEDULE_START4, DATETIMEPICK_CLASS, "", kPicker, 3, 100, 42, 14 },
    { IDC_SCHEDULE_END4, DATETIMEPICK_CLASS, "", kPicker, 46, 100, 42, 14 },
    { IDC_SCHEDULE_RATE4, WC_COMBOBOX, "", kList, 92, 100, 45, 12 },
    { IDC_SCHEDULE_RESOLUTION4, WC_COMBOBOX, "", kList, 139, 100, 58, 12 },
    { IDC_SCHEDULE_QUALITY4, WC_COMBOBOX, "", kList, 199, 100, 22, 12 },
    { IDC_SCHEDULE_BOX4, WC_BUTTON, "", kCheck, 225, 102, 10, 10 },
    { IDC_SCHEDULE_ALARM_RATE4, WC_COMBOBOX, "", kList, 238, 100, 45, 12 },
    { IDC_SCHEDULE_ALARM_RESOLUTION4, WC_COMBOBOX, "", kList, 285, 100, 58, 12 },
    { IDC_SCHEDULE_ALARM_QUALITY4, WC_COMBOBOX, "", kList, 345, 100, 22, 12 },
    { IDC_SCHEDULE_ALARM_BOX4, WC_BUTTON, "", kCheck, 371, 102, 10, 10 },
    { IDC_SCHEDULE_AREA4, WC_STATIC, "", kArea, 384, 98, 30, 18 },
    { IDC_SCHEDULE2_MOTION4, WC_BUTTON, "", kCheck, 424, 102, 10, 10 },
    { IDC_SCHEDULE2_SENSOR4, WC_BUTTON, "", kCheck, 456, 102, 10, 10 },
    { IDC_SCHEDULE2_RELAY4, WC_BUTTON, "", kCheck, 486, 102, 10, 10 },
    { IDC_SCHEDULE_START5, DATETIMEPICK_CLASS, "", kPicker, 3, 122, 42, 14 },
    { IDC_SCHEDULE_END5, DATETIMEPICK_CLASS, "", kPicker, 46, 122, 42, 14 },
    { IDC_SCHEDULE_RATE5, WC_COMBOBOX, "", kList, 92, 122, 45, 12 },
    { IDC_SCHEDULE_RESOLUTION5, WC_COMBOBOX, "", kList, 139, 122, 58, 12 },
    { IDC_SCHEDULE_QUALITY5, WC_COMBOBOX, "", kList, 199, 122, 22, 12 },
    { IDC_SCHEDULE_BOX5, WC_BUTTON, "", kCheck, 225, 124, 10, 10 },
    { IDC_SCHEDULE_ALARM_RATE5, WC_COMBOBOX, "", kList, 238, 122, 45, 12 },
    { IDC_SCHEDULE_ALARM_RESOLUTION5, WC_COMBOBOX, "", kList, 285, 122, 58, 12 },
    { IDC_SCHEDULE_ALARM_QUALITY5, WC_COMBOBOX, "", kList, 345, 122, 22, 12 },
    { IDC_SCHEDULE_ALARM_BOX5, WC_BUTTON, "", kCheck, 371, 124, 10, 10 },
    { IDC_SCHEDULE_AREA5, WC_STATIC, "", kArea, 384, 120, 30, 18 },
    { IDC_SCHEDULE2_MOTION5, WC_BUTTON, "", kCheck, 424, 124, 10, 10 },
    { IDC_SCHEDULE2_SENSOR5, WC_BUTTON, "", kCheck, 456, 124, 10, 10 },
    { IDC_SCHEDULE2_RELAY5, WC_BUTTON, "", kCheck, 486, 124, 10, 10 },
    { IDOK, WC_BUTTON, "OK", kOk, 418, 150, 50, 15 },
    { IDCANCEL, WC_BUTTON, "Cancel", kButton, 473, 150, 50, 15 },
};

const DialogTemplate kTemplates[] = {
    { IDD_CAM_SCHEDULE2, "Schedule", kModal, 0, 0, 530, 172, kCamSchedule2 },
};

} // namespace

const std::span<const DialogTemplate> kCamScheduleDlg2Templates = kTemplates;
