// The recorder's camera page: the camera list, the shown camera's switch,
// name and picture values; its panes and live picture are placed by the page.
#include "resources/setup/dialogs/DialogParts.h"

#include "platform/ui/Controls.h"

namespace
{

constexpr uint32_t kGroup = kChild | BS_GROUPBOX;
constexpr uint32_t kCheck = kButton | BS_AUTOCHECKBOX;
constexpr uint32_t kList = kChild | WS_TABSTOP | WS_VSCROLL | CBS_DROPDOWNLIST;
constexpr uint32_t kSlider = kChild | WS_TABSTOP;

const DialogControl kChannelDvr[] = {
    { IDC_CAMDVR_CAMERA_GROUP, WC_BUTTON, "Camera", kGroup, 9, 7, 52, 270 },
    { IDC_CAMDVR_LIST, WC_LISTBOX, "", kChild | WS_TABSTOP | WS_BORDER | WS_VSCROLL | LBS_NOTIFY, 15, 18, 39,
        250 },
    { IDC_CAMDVR_INFO_GROUP, WC_BUTTON, "Information", kGroup, 66, 7, 281, 270 },
    { IDC_CAMDVR_ON, WC_BUTTON, "On", kCheck, 78, 24, 37, 10 },
    { IDC_CAMDVR_NAME_LABEL, WC_STATIC, "Name", kChild, 120, 24, 15, 8 },
    { IDC_CAMDVR_NAME, WC_EDIT, "", kEdit, 137, 21, 90, 14 },
    { IDC_CAMDVR_SOURCE_GROUP, WC_BUTTON, "Camera Setup", kGroup, 77, 37, 269, 64 },
    { IDC_CAMDVR_VIDEO_GROUP, WC_BUTTON, "Live Video", kGroup, 77, 105, 269, 130 },
    { IDC_CAMDVR_BRIGHTNESS_LABEL, WC_STATIC, "Brightness", kChild, 83, 243, 45, 8 },
    { IDC_CAMDVR_BRIGHTNESS, TRACKBAR_CLASS, "", kSlider, 135, 242, 80, 12 },
    { IDC_CAMDVR_CONTRAST_LABEL, WC_STATIC, "Contrast", kChild, 223, 243, 40, 8 },
    { IDC_CAMDVR_CONTRAST, TRACKBAR_CLASS, "", kSlider, 265, 242, 75, 12 },
    { IDC_CAMDVR_GAIN_LABEL, WC_STATIC, "Gain", kChild, 83, 256, 45, 8 },
    { IDC_CAMDVR_GAIN, TRACKBAR_CLASS, "", kSlider, 135, 254, 80, 12 },
    { IDC_CAMDVR_AGC, WC_COMBOBOX, "", kList, 135, 254, 80, 40 },
    { IDC_PAGE_OK, WC_BUTTON, "OK", kButton, 203, 305, 47, 15 },
    { IDC_PAGE_CANCEL, WC_BUTTON, "Cancel", kButton, 253, 305, 47, 15 },
    { IDC_PAGE_APPLY, WC_BUTTON, "Apply", kButton, 303, 305, 47, 15 },
};

const DialogTemplate kTemplates[] = {
    { IDD_PAGE5_CHANNEL_DVR, "Camera", kPage, 0, 0, 360, 330, kChannelDvr },
};

} // namespace

const std::span<const DialogTemplate> kPage5ChannelDVRTemplates = kTemplates;
