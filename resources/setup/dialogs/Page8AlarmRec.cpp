// The alarm recording page of model class 4: the camera list with
// "Global", the alarm-source grid (made by the page) or the "Global" form,
// and the alarm recording's settings. The page places the controls at fixed
// pixels.
#include "resources/setup/dialogs/DialogParts.h"

namespace
{

constexpr uint32_t kList = kChild | WS_TABSTOP | CBS_DROPDOWNLIST | WS_VSCROLL;

const DialogControl kAlarm[] = {
    { IDC_REC_CAMERA_GROUP, WC_BUTTON, "Camera", kChild | BS_GROUPBOX, 9, 7, 52, 271 },
    { IDC_REC_CAMERA_LIST, WC_LISTBOX, "", kChild | WS_TABSTOP | WS_BORDER | WS_VSCROLL | LBS_NOTIFY, 15, 20,
        39, 251 },
    { IDC_REC_ALARM_GROUP, WC_BUTTON, "Alarm Recording", kChild | BS_GROUPBOX, 67, 7, 285, 271 },
    { IDC_AREC_SOURCE_LABEL, WC_STATIC, "Alarm Source (*=All, -=None)", kChild, 76, 19, 200, 9 },
    { IDC_AREC_SENSOR_LABEL, WC_STATIC, "Sensor", kChild, 127, 32, 80, 9 },
    { IDC_AREC_MD_LABEL, WC_STATIC, "MD", kChild, 220, 32, 80, 9 },
    { IDC_AREC_TEXT_LABEL, WC_STATIC, "Text", kChild, 310, 32, 27, 9 },
    { IDC_AREC_HIDDEN_NOTE, WC_STATIC, "More than four sources are set; those not shown are kept.", WS_CHILD,
        76, 73, 267, 9 },
    { IDC_AREC_GLOBAL_SENSOR_LABEL, WC_STATIC, "Sensor", kChild, 76, 26, 60, 9 },
    { IDC_AREC_GLOBAL_SENSOR, WC_COMBOBOX, "", kList, 138, 23, 67, 62 },
    { IDC_AREC_GLOBAL_MD_LABEL, WC_STATIC, "MD", kChild, 76, 45, 60, 9 },
    { IDC_AREC_GLOBAL_MD, WC_COMBOBOX, "", kList, 138, 42, 67, 62 },
    { IDC_AREC_GLOBAL_TEXT_LABEL, WC_STATIC, "Text", kChild, 76, 64, 60, 9 },
    { IDC_AREC_GLOBAL_TEXT, WC_COMBOBOX, "", kList, 138, 62, 67, 62 },
    { IDC_REC_ALARM_TYPE_LABEL, WC_STATIC, "Recording Type", kChild, 76, 87, 60, 9 },
    { IDC_REC_ALARM_TYPE, WC_COMBOBOX, "", kList, 138, 85, 67, 92 },
    { IDC_REC_ALARM_SPEED_LABEL, WC_STATIC, "Speed(ips)", kChild, 76, 107, 60, 9 },
    { IDC_REC_ALARM_SPEED, WC_COMBOBOX, "", kList, 138, 105, 67, 92 },
    { IDC_REC_ALARM_QUALITY_LABEL, WC_STATIC, "Quality", kChild, 76, 128, 60, 9 },
    { IDC_REC_ALARM_QUALITY, WC_COMBOBOX, "", kList, 138, 126, 67, 92 },
    { IDC_REC_PRE_ALARM_LABEL, WC_STATIC, "Pre Alarm", kChild, 220, 107, 53, 9 },
    { IDC_REC_PRE_ALARM, WC_COMBOBOX, "", kList, 276, 105, 49, 123 },
    { IDC_REC_PRE_ALARM_UNIT, WC_STATIC, "(sec)", kChild, 326, 107, 23, 9 },
    { IDC_REC_POST_ALARM_LABEL, WC_STATIC, "Post Alarm", kChild, 220, 129, 53, 9 },
    { IDC_REC_POST_ALARM, WC_COMBOBOX, "", kList, 276, 127, 49, 123 },
    { IDC_REC_POST_ALARM_UNIT, WC_STATIC, "(sec)", kChild, 326, 129, 23, 9 },
    { IDC_REC_SETUP, WC_BUTTON, "Setup", kButton, 276, 207, 48, 14 },
    { IDC_PAGE_OK, WC_BUTTON, "OK", kButton, 203, 305, 47, 15 },
    { IDC_PAGE_CANCEL, WC_BUTTON, "Cancel", kButton, 253, 305, 47, 15 },
    { IDC_PAGE_APPLY, WC_BUTTON, "Apply", kButton, 303, 305, 47, 15 },
};

const DialogTemplate kTemplates[] = {
    { IDD_PAGE8_ALARM_REC, "Alarm Rec.", kPage, 0, 0, 360, 400, kAlarm },
};

} // namespace

const std::span<const DialogTemplate> kPage8AlarmRecTemplates = kTemplates;
