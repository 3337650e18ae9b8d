// The "PTZ" page; the page places its controls, the preset grid and the
// live picture.
#include "resources/setup/dialogs/DialogParts.h"

namespace
{

constexpr uint32_t kGroup = kChild | BS_GROUPBOX;

const DialogControl kPtz[] = {
    { IDC_PTZPAGE_CAMERA_GROUP, WC_BUTTON, "Camera", kGroup, 9, 9, 50, 199 },
    { IDC_PTZPAGE_CAMERAS, WC_LISTBOX, "", kChild | WS_TABSTOP | WS_BORDER | WS_VSCROLL | LBS_NOTIFY, 15, 20,
        38, 182 },
    { IDC_PTZPAGE_PRESET_GROUP, WC_BUTTON, "Preset", kGroup, 66, 8, 287, 156 },
    { IDC_PTZPAGE_NAME_LABEL, WC_STATIC, "Name", kChild, 153, 144, 29, 8 },
    { IDC_PTZPAGE_NAME, WC_EDIT, "", kEdit, 183, 141, 74, 14 },
    { IDC_PTZPAGE_SET, WC_BUTTON, "Set", kButton, 264, 141, 39, 14 },
    { IDC_PTZPAGE_CLEAR, WC_BUTTON, "Clear", kButton, 308, 141, 39, 14 },
    { IDC_PTZPAGE_AUX_GROUP, WC_BUTTON, "Auxiliary", kGroup, 66, 171, 287, 36 },
    { IDC_PTZPAGE_AUX_SETUP, WC_BUTTON, "Setup", kButton, 73, 185, 67, 15 },
    { IDC_PAGE_OK, WC_BUTTON, "OK", kButton, 203, 305, 47, 15 },
    { IDC_PAGE_CANCEL, WC_BUTTON, "Cancel", kButton, 253, 305, 47, 15 },
    { IDC_PAGE_APPLY, WC_BUTTON, "Apply", kButton, 303, 305, 47, 15 },
};

const DialogTemplate kTemplates[] = {
    { IDD_PAGE15_PTZ, "PTZ", kPage, 0, 0, 360, 330, kPtz },
};

} // namespace

const std::span<const DialogTemplate> kPage15PtzTemplates = kTemplates;
