// The camera system page of the older camera firmware.
#include "resources/setup/dialogs/DialogParts.h"

#include "platform/ui/DateTimeCtrl.h"

namespace
{

const DialogControl kPageSystem2[] = {
    { IDC_SYS_DEFAULTS_LABEL, WC_BUTTON, "Set  to Factory Default ", kChild | BS_GROUPBOX, 10, 9, 340, 43 },
    { IDC_SYS_DEFAULTS, WC_BUTTON, "Initialize FlashInfo...", kButton, 113, 25, 133, 18 },
    { IDC_SYS_TIME_GROUP, WC_BUTTON, "Time", kChild | BS_GROUPBOX, 10, 58, 340, 145 },
    { IDC_SYS_CALENDAR, MONTHCAL_CLASS, "", kChild | WS_TABSTOP, 73, 74, 133, 98 },
    { IDC_SYS_TIME, DATETIMEPICK_CLASS, "", kChild | WS_TABSTOP | DTS_TIMEFORMAT, 73, 174, 133, 18 },
    { IDC_SYS_CURRENT_TIME, WC_BUTTON, "Current Time", kChild | WS_TABSTOP | BS_AUTOCHECKBOX, 227, 132, 67,
        18 },
    { IDC_SYS_ZONE_GROUP, WC_BUTTON, "Time Zone", kChild | BS_GROUPBOX, 10, 209, 340, 31 },
    { IDC_SYS_ZONE, WC_COMBOBOX, "", kChild | WS_TABSTOP | CBS_DROPDOWNLIST | WS_VSCROLL, 20, 222, 320, 185 },
    { IDC_SYS_REBOOT, WC_BUTTON, "Reboot Cam...", kButton, 113, 246, 133, 18 },
    { IDC_PAGE_OK, WC_BUTTON, "OK", kButton, 203, 305, 47, 15 },
    { IDC_PAGE_CANCEL, WC_BUTTON, "Cancel", kButton, 253, 305, 47, 15 },
    { IDC_PAGE_APPLY, WC_BUTTON, "Apply", kButton, 303, 305, 47, 15 },
};

const DialogTemplate kTemplates[] = {
    { IDD_PAGE2_SYSTEM2, "System", kPage, 0, 0, 360, 400, kPageSystem2 },
};

} // namespace

const std::span<const DialogTemplate> kPage2System2Templates = kTemplates;
