// The motion detection pane of the alarm-source page.
#include "resources/setup/dialogs/DialogParts.h"

namespace
{

constexpr uint32_t kGroup = kChild | BS_GROUPBOX;
constexpr uint32_t kList = kChild | WS_TABSTOP | WS_VSCROLL | CBS_DROPDOWNLIST;

const DialogControl kMotionSetup[] = {
    { IDC_MOTION_GROUP, WC_BUTTON, "Motion Detection", kGroup, 2, 2, 329, 100 },
    { IDC_MOTION_CAMERA_GROUP, WC_BUTTON, "Camera", kGroup, 8, 12, 55, 85 },
    { IDC_MOTION_CAMERAS, WC_LISTBOX, "", kChild | WS_TABSTOP | WS_BORDER | WS_VSCROLL | LBS_NOTIFY, 13, 22,
        45, 70 },
    { IDC_MOTION_SENSITIVITY_LABEL, WC_STATIC, "MD", kChild, 75, 22, 40, 8 },
    { IDC_MOTION_SENSITIVITY, WC_COMBOBOX, "", kList, 120, 20, 70, 60 },
    { IDC_MOTION_AREA_LABEL, WC_STATIC, "MD Area", kChild, 75, 42, 40, 8 },
    { IDC_MOTION_CUSTOM_AREA, WC_BUTTON, "Custom Area", kButton, 120, 40, 70, 14 },
    { IDC_MOTION_AREA, WC_COMBOBOX, "", kList, 120, 40, 70, 40 },
    { IDC_MOTION_VIDEO_LOSS, WC_BUTTON, "Include Video Loss", kButton | BS_AUTOCHECKBOX, 75, 62, 100, 10 },
    { IDC_MOTION_APPLY, WC_BUTTON, "Apply", kButton, 120, 80, 40, 14 },
};

const DialogTemplate kTemplates[] = {
    { IDD_MOTION_SETUP, "", kPane, 0, 0, 333, 105, kMotionSetup },
};

} // namespace

const std::span<const DialogTemplate> kMotionSetupDlgTemplates = kTemplates;
