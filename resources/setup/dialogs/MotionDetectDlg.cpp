// "Motion Detect Setting": the live picture with its grid, the threshold and
// the buttons under it; the dialog places them itself.
#include "resources/setup/dialogs/DialogParts.h"

namespace
{

constexpr uint32_t kList = kChild | WS_TABSTOP | WS_VSCROLL | CBS_DROPDOWNLIST;

const DialogControl kMotionDetect[] = {
    { IDC_MD_THRESHOLD_LABEL, WC_STATIC, "MD THR.", kChild, 10, 164, 31, 8 },
    { IDC_MD_THRESHOLD, WC_COMBOBOX, "", kList, 43, 162, 48, 40 },
    { IDC_MD_CLEAR_ALL, WC_BUTTON, "Clear All", kButton, 95, 161, 34, 14 },
    { IDC_MD_SET_ALL, WC_BUTTON, "Set All", kButton, 131, 161, 34, 14 },
    { IDOK, WC_BUTTON, "OK", kOk, 167, 161, 34, 14 },
    { IDCANCEL, WC_BUTTON, "Cancel", kButton, 203, 161, 34, 14 },
};

const DialogTemplate kTemplates[] = {
    { IDD_MOTION_DETECT, "Motion Detect Setting", kModal, 0, 0, 253, 197, kMotionDetect },
};

} // namespace

const std::span<const DialogTemplate> kMotionDetectDlgTemplates = kTemplates;
