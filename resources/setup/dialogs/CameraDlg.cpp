// The analogue camera pane of the recorder's camera page.
#include "resources/setup/dialogs/DialogParts.h"

#include "platform/ui/SpinButtonCtrl.h"

namespace
{

constexpr uint32_t kGroup = kChild | BS_GROUPBOX;
constexpr uint32_t kCheck = kButton | BS_AUTOCHECKBOX;
constexpr uint32_t kList = kChild | WS_TABSTOP | WS_VSCROLL | CBS_DROPDOWNLIST;

const DialogControl kCamera[] = {
    { -1, WC_STATIC, "Video", kChild, 4, 4, 30, 8 },
    { IDC_CAM_STANDARD, WC_STATIC, "NTSC", kChild, 40, 4, 40, 8 },
    { -1, WC_STATIC, "Color", kChild, 90, 4, 25, 8 },
    { IDC_CAM_COLOR, WC_COMBOBOX, "", kList, 118, 2, 60, 40 },
    { IDC_CAM_75OHM, WC_BUTTON, "75 ohm", kCheck, 190, 3, 50, 10 },
    { IDC_CAM_PTZ_GROUP, WC_BUTTON, "PTZ", kGroup, 2, 14, 252, 45 },
    { -1, WC_STATIC, "PTZ Port", kChild, 8, 26, 45, 8 },
    { IDC_CAM_PTZ_PORT, WC_COMBOBOX, "", kList, 55, 24, 80, 60 },
    { -1, WC_STATIC, "Address", kChild, 142, 26, 40, 8 },
    { IDC_CAM_PTZ_ADDRESS, WC_EDIT, "", kEdit | ES_NUMBER, 184, 24, 50, 12 },
    { IDC_CAM_PTZ_HOME_LABEL, WC_STATIC, "PTZ Home", kChild, 8, 42, 45, 8 },
    { IDC_CAM_PTZ_HOME, WC_BUTTON, "On", kCheck, 55, 41, 30, 10 },
    { IDC_CAM_IDLE_LABEL, WC_STATIC, "Idle Time", kChild, 142, 42, 40, 8 },
    { IDC_CAM_IDLE_TIME, WC_EDIT, "", kEdit | ES_NUMBER, 184, 40, 30, 12 },
    { IDC_CAM_IDLE_SPIN, UPDOWN_CLASS, "", kChild, 214, 40, 10, 12 },
    { IDC_CAM_VIDEO_LOSS, WC_BUTTON, "Videoloss detection", kCheck, 8, 64, 90, 10 },
};

const DialogTemplate kTemplates[] = {
    { IDD_CAMERA, "", kPane, 0, 0, 258, 62, kCamera },
};

} // namespace

const std::span<const DialogTemplate> kCameraDlgTemplates = kTemplates;
