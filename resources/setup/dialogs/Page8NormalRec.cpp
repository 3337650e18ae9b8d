// The normal recording page of model class 4: the camera list with
// "Global", the period tabs and one period's recording controls. The page
// places the controls at fixed pixels.
#include "resources/setup/dialogs/DialogParts.h"

namespace
{

constexpr uint32_t kList = kChild | WS_TABSTOP | CBS_DROPDOWNLIST | WS_VSCROLL;
constexpr uint32_t kRadio = kChild | WS_TABSTOP | BS_AUTORADIOBUTTON;

const DialogControl kNormal[] = {
    { IDC_REC_CAMERA_GROUP, WC_BUTTON, "Camera", kChild | BS_GROUPBOX, 9, 7, 52, 271 },
    { IDC_REC_CAMERA_LIST, WC_LISTBOX, "", kChild | WS_TABSTOP | WS_BORDER | WS_VSCROLL | LBS_NOTIFY, 15, 20,
        39, 251 },
    { IDC_REC_NORMAL_GROUP, WC_BUTTON, "Normal Recording", kChild | BS_GROUPBOX, 67, 7, 285, 271 },
    { IDC_PERIOD_TAB, "SysTabControl32", "", kChild | WS_TABSTOP, 74, 22, 271, 126 },
    { IDC_REC_TYPE_LABEL, WC_STATIC, "Recording Type", kChild, 83, 57, 60, 9 },
    { IDC_REC_TYPE, WC_COMBOBOX, "", kList, 145, 54, 67, 92 },
    { IDC_REC_SPEED_LABEL, WC_STATIC, "Speed(ips)", kChild, 83, 77, 60, 9 },
    { IDC_REC_SPEED, WC_COMBOBOX, "", kList, 145, 75, 67, 92 },
    { IDC_REC_QUALITY_LABEL, WC_STATIC, "Quality", kChild, 83, 98, 60, 9 },
    { IDC_REC_QUALITY, WC_COMBOBOX, "", kList, 145, 96, 67, 92 },
    { IDC_REC_SPECIAL_LABEL, WC_STATIC, "Special Time", kChild, 83, 119, 60, 9 },
    { IDC_REC_SPECIAL, WC_COMBOBOX, "", kList, 145, 117, 67, 92 },
    { IDC_REC_EVENT_LABEL, WC_STATIC, "Event Recording", kChild, 220, 57, 63, 9 },
    { IDC_REC_EVENT_ON, WC_BUTTON, "On", kRadio | WS_GROUP, 283, 57, 28, 9 },
    { IDC_REC_EVENT_OFF, WC_BUTTON, "Off", kRadio, 313, 57, 28, 9 },
    { IDC_REC_SETUP, WC_BUTTON, "Setup", kButton, 276, 207, 48, 14 },
    { IDC_PAGE_OK, WC_BUTTON, "OK", kButton, 203, 305, 47, 15 },
    { IDC_PAGE_CANCEL, WC_BUTTON, "Cancel", kButton, 253, 305, 47, 15 },
    { IDC_PAGE_APPLY, WC_BUTTON, "Apply", kButton, 303, 305, 47, 15 },
};

const DialogTemplate kTemplates[] = {
    { IDD_PAGE8_NORMAL_REC, "Normal Rec.", kPage, 0, 0, 360, 400, kNormal },
};

} // namespace

const std::span<const DialogTemplate> kPage8NormalRecTemplates = kTemplates;
