// The recording page of recorders of model classes 0 to 3: the camera
// list, the period tabs with the normal recording, and the alarm recording
// with its triggers. The page places the controls by model class.
#include "resources/setup/dialogs/DialogParts.h"

namespace
{

constexpr uint32_t kList = kChild | WS_TABSTOP | CBS_DROPDOWNLIST | WS_VSCROLL;
constexpr uint32_t kRadio = kChild | WS_TABSTOP | BS_AUTORADIOBUTTON;
constexpr uint32_t kCheck = kChild | WS_TABSTOP | BS_AUTOCHECKBOX;

const DialogControl kRecording[] = {
    { IDC_REC_CAMERA_GROUP, WC_BUTTON, "Camera", kChild | BS_GROUPBOX, 9, 7, 52, 271 },
    { IDC_REC_CAMERA_LIST, WC_LISTBOX, "", kChild | WS_TABSTOP | WS_BORDER | WS_VSCROLL | LBS_NOTIFY, 15, 20,
        39, 251 },
    { IDC_REC_NORMAL_GROUP, WC_BUTTON, "Normal Recording", kChild | BS_GROUPBOX, 67, 7, 285, 155 },
    { IDC_PERIOD_TAB, "SysTabControl32", "", kChild | WS_TABSTOP, 74, 22, 271, 126 },
    { IDC_REC_TYPE_LABEL, WC_STATIC, "Recording Type", kChild, 83, 50, 60, 9 },
    { IDC_REC_TYPE, WC_COMBOBOX, "", kList, 145, 48, 67, 92 },
    { IDC_REC_SPEED_LABEL, WC_STATIC, "Speed(ips)", kChild, 83, 70, 60, 9 },
    { IDC_REC_SPEED, WC_COMBOBOX, "", kList, 145, 68, 67, 92 },
    { IDC_REC_QUALITY_LABEL, WC_STATIC, "Quality", kChild, 83, 90, 60, 9 },
    { IDC_REC_QUALITY, WC_COMBOBOX, "", kList, 145, 87, 67, 92 },
    { IDC_REC_SPECIAL_LABEL, WC_STATIC, "Special Time", kChild, 83, 110, 60, 9 },
    { IDC_REC_SPECIAL, WC_COMBOBOX, "", kList, 145, 107, 67, 92 },
    { IDC_REC_EVENT_LABEL, WC_STATIC, "Event Recording", kChild, 220, 50, 63, 9 },
    { IDC_REC_EVENT_ON, WC_BUTTON, "On", kRadio | WS_GROUP, 283, 50, 28, 9 },
    { IDC_REC_EVENT_OFF, WC_BUTTON, "Off", kRadio, 313, 50, 28, 9 },
    { IDC_REC_ALARM_GROUP, WC_BUTTON, "Alarm Recording", kChild | BS_GROUPBOX, 67, 171, 285, 107 },
    { IDC_REC_TRIGGER_MD, WC_BUTTON, "MD", kCheck, 76, 190, 27, 11 },
    { IDC_REC_TRIGGER_S1, WC_BUTTON, "S1", kCheck, 105, 190, 27, 11 },
    { IDC_REC_TRIGGER_S2, WC_BUTTON, "S2", kCheck, 132, 190, 27, 11 },
    { IDC_REC_TRIGGER_S3, WC_BUTTON, "S3", kCheck, 159, 190, 27, 11 },
    { IDC_REC_TRIGGER_S4, WC_BUTTON, "S4", kCheck, 186, 190, 27, 11 },
    { IDC_REC_TRIGGER_TEXT, WC_BUTTON, "Text", kCheck, 213, 190, 33, 11 },
    { IDC_REC_TRIGGER_NETWORK, WC_BUTTON, "Event from network", kCheck | WS_CHILD, 76, 190, 100, 11 },
    { IDC_REC_ALARM_TYPE_LABEL, WC_STATIC, "Recording Type", kChild, 76, 212, 60, 9 },
    { IDC_REC_ALARM_TYPE, WC_COMBOBOX, "", kList, 138, 209, 67, 92 },
    { IDC_REC_ALARM_SPEED_LABEL, WC_STATIC, "Speed(ips)", kChild, 76, 231, 60, 9 },
    { IDC_REC_ALARM_SPEED, WC_COMBOBOX, "", kList, 138, 229, 67, 92 },
    { IDC_REC_ALARM_QUALITY_LABEL, WC_STATIC, "Quality", kChild, 76, 252, 60, 9 },
    { IDC_REC_ALARM_QUALITY, WC_COMBOBOX, "", kList, 138, 250, 67, 92 },
    { IDC_REC_THRESHOLD, WC_COMBOBOX, "", kList, 276, 209, 48, 60 },
    { IDC_REC_MOTION_LABEL, WC_STATIC, "Motion Detect", kChild, 220, 209, 53, 9 },
    { IDC_REC_SETUP, WC_BUTTON, "Setup", kButton, 276, 207, 48, 14 },
    { IDC_REC_PRE_ALARM_LABEL, WC_STATIC, "Pre Alarm", kChild, 220, 230, 53, 9 },
    { IDC_REC_PRE_ALARM, WC_COMBOBOX, "", kList, 276, 228, 49, 92 },
    { IDC_REC_PRE_ALARM_UNIT, WC_STATIC, "(sec)", kChild, 326, 230, 23, 9 },
    { IDC_REC_POST_ALARM_LABEL, WC_STATIC, "Post Alarm", kChild, 220, 252, 53, 9 },
    { IDC_REC_POST_ALARM, WC_COMBOBOX, "", kList, 276, 250, 49, 92 },
    { IDC_REC_POST_ALARM_UNIT, WC_STATIC, "(sec)", kChild, 326, 252, 23, 9 },
    { IDC_PAGE_OK, WC_BUTTON, "OK", kButton, 203, 305, 47, 15 },
    { IDC_PAGE_CANCEL, WC_BUTTON, "Cancel", kButton, 253, 305, 47, 15 },
    { IDC_PAGE_APPLY, WC_BUTTON, "Apply", kButton, 303, 305, 47, 15 },
};

const DialogTemplate kTemplates[] = {
    { IDD_PAGE8_SCHEDULE_DVR, "Recording", kPage, 0, 0, 360, 400, kRecording },
};

} // namespace

const std::span<const DialogTemplate> kPage8ScheduleDVRTemplates = kTemplates;
