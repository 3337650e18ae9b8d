// The camera's HDD page: automatic deletion, the disk switch, formatting and
// how full the disk is. The page places the controls at fixed pixels.
#include "resources/setup/dialogs/DialogParts.h"

namespace
{

const DialogControl kHdd[] = {
    { IDC_HDD_AUTO_DELETE_GROUP, WC_BUTTON, "Auto Deletion", kGroupBox, 10, 9, 340, 37 },
    { IDC_HDD_DELETE_DISABLE, WC_BUTTON, "Disable", kRadioButton | WS_GROUP, 53, 25, 47, 9 },
    { IDC_HDD_DELETE_1000, WC_BUTTON, "1000", kRadioButton, 107, 25, 47, 9 },
    { IDC_HDD_DELETE_2000, WC_BUTTON, "2000", kRadioButton, 160, 25, 47, 9 },
    { IDC_HDD_DELETE_5000, WC_BUTTON, "5000", kRadioButton, 213, 25, 47, 9 },
    { IDC_HDD_DELETE_10000, WC_BUTTON, "10000", kRadioButton, 267, 25, 47, 9 },
    { IDC_HDD_STATUS_GROUP, WC_BUTTON, "HDD Status", kGroupBox | WS_GROUP, 10, 52, 340, 157 },
    { IDC_HDD_USED_CAPTION, WC_STATIC, "Used size :", kChild, 53, 86, 53, 9 },
    { IDC_HDD_USED_MB, WC_STATIC, "0", kChild | SS_RIGHT, 107, 86, 33, 9 },
    { IDC_HDD_USED_UNIT, WC_STATIC, "Mbyte,", kChild, 143, 86, 33, 9 },
    { IDC_HDD_USED_PERCENT, WC_STATIC, "0", kChild | SS_RIGHT, 177, 86, 10, 9 },
    { IDC_HDD_USED_PERCENT_SIGN, WC_STATIC, "%", kChild, 187, 86, 13, 9 },
    { IDC_HDD_FREE_CAPTION, WC_STATIC, "Free size :", kChild, 53, 102, 53, 9 },
    { IDC_HDD_FREE_MB, WC_STATIC, "0", kChild | SS_RIGHT, 107, 102, 33, 9 },
    { IDC_HDD_FREE_UNIT, WC_STATIC, "Mbyte,", kChild, 143, 102, 33, 9 },
    { IDC_HDD_FREE_PERCENT, WC_STATIC, "0", kChild | SS_RIGHT, 177, 102, 10, 9 },
    { IDC_HDD_FREE_PERCENT_SIGN, WC_STATIC, "%", kChild, 187, 102, 13, 9 },
    { IDC_HDD_TOTAL_CAPTION, WC_STATIC, "Total size :", kChild, 53, 126, 53, 9 },
    { IDC_HDD_TOTAL_MB, WC_STATIC, "0", kChild | SS_RIGHT, 107, 126, 33, 9 },
    { IDC_HDD_TOTAL_UNIT, WC_STATIC, "Mbyte", kChild, 143, 126, 33, 9 },
    { IDC_HDD_ENABLE, WC_BUTTON, "HDD Enable", kCheckBox, 80, 163, 93, 9 },
    { IDC_HDD_FORMAT, WC_BUTTON, "HDD Format ...", kButton, 183, 160, 107, 18 },
    { IDC_PAGE_OK, WC_BUTTON, "OK", kButton, 203, 305, 47, 15 },
    { IDC_PAGE_CANCEL, WC_BUTTON, "Cancel", kButton, 253, 305, 47, 15 },
    { IDC_PAGE_APPLY, WC_BUTTON, "Apply", kButton, 303, 305, 47, 15 },
};

const DialogTemplate kTemplates[] = {
    { IDD_PAGE10_HDD, "HDD", kPage, 0, 0, 360, 400, kHdd },
};

} // namespace

const std::span<const DialogTemplate> kPage10HddTemplates = kTemplates;
