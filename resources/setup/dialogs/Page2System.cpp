// The system page: date, time, zone and daylight saving, the reset to the
// setup defaults and the reboot. The page places the controls for the time
// interface the device speaks.
#include "resources/setup/dialogs/DialogParts.h"

#include "platform/ui/DateTimeCtrl.h"

namespace
{

constexpr uint32_t kList = kChild | WS_TABSTOP | CBS_DROPDOWNLIST | WS_VSCROLL;
constexpr uint32_t kCheck = kChild | WS_TABSTOP | BS_AUTOCHECKBOX;

const DialogControl kPageSystem[] = {
    { IDC_SYS_TIME_GROUP, WC_BUTTON, "Date && Time", kChild | BS_GROUPBOX, 10, 6, 340, 145 },
    { IDC_SYS_CALENDAR, MONTHCAL_CLASS, "", kChild | WS_TABSTOP, 27, 22, 147, 117 },
    { IDC_SYS_TIME, DATETIMEPICK_CLASS, "", kChild | WS_TABSTOP | DTS_TIMEFORMAT, 200, 71, 120, 15 },
    { IDC_SYS_ZONE_GROUP, WC_BUTTON, "Timezone && Daylight saving time", kChild | BS_GROUPBOX, 10, 157, 340,
        77 },
    { IDC_SYS_ZONE, WC_COMBOBOX, "", kList, 20, 172, 320, 185 },
    { IDC_SYS_DST_RULE, WC_COMBOBOX, "", kList, 20, 191, 320, 185 },
    { IDC_SYS_DST_MANUAL, WC_BUTTON,
        "Please check box during Daylight Savings Time. \nUncheck box and adjust time when Daylight Savings "
        "ends.",
        kCheck, 20, 194, 320, 31 },
    { IDC_SYS_DST_AUTO, WC_BUTTON, "Automatically adjust clock for daylight saving changes", kCheck, 20, 210,
        320, 15 },
    { IDC_SYS_DEFAULTS_LABEL, WC_STATIC, "Load Setup Defaults", kChild, 27, 247, 167, 15 },
    { IDC_SYS_DEFAULTS, WC_BUTTON, "Start", kButton, 220, 245, 80, 17 },
    { IDC_SYS_REBOOT_LABEL, WC_STATIC, "Reboot Camera", kChild, 27, 272, 167, 15 },
    { IDC_SYS_REBOOT, WC_BUTTON, "Start", kButton, 220, 270, 80, 17 },
    { IDC_PAGE_OK, WC_BUTTON, "OK", kButton, 203, 305, 47, 15 },
    { IDC_PAGE_CANCEL, WC_BUTTON, "Cancel", kButton, 253, 305, 47, 15 },
    { IDC_PAGE_APPLY, WC_BUTTON, "Apply", kButton, 303, 305, 47, 15 },
};

const DialogTemplate kTemplates[] = {
    { IDD_PAGE2_SYSTEM, "System", kPage, 0, 0, 360, 400, kPageSystem },
};

} // namespace

const std::span<const DialogTemplate> kPage2SystemTemplates = kTemplates;
