// The date and time pane of a recorder's system page: shown, not edited.
#include "resources/setup/dialogs/DialogParts.h"

#include "platform/ui/DateTimeCtrl.h"

namespace
{

constexpr uint32_t kShown = kChild | WS_DISABLED;

const DialogControl kDateTime[] = {
    { IDC_PANE_TIME_GROUP, WC_BUTTON, "Date && Time ", kChild | BS_GROUPBOX, 0, 0, 302, 119 },
    { IDC_SYS_CALENDAR, MONTHCAL_CLASS, "", kShown, 92, 8, 120, 90 },
    { IDC_SYS_TIME, DATETIMEPICK_CLASS, "", kShown | DTS_TIMEFORMAT, 102, 99, 100, 15 },
    { IDC_PANE_ZONE_GROUP, WC_BUTTON, "Timezone && Daylight saving time", kChild | BS_GROUPBOX, 1, 122, 301,
        43 },
    { IDC_SYS_ZONE, WC_COMBOBOX, "", kShown | CBS_DROPDOWNLIST | WS_VSCROLL, 9, 134, 286, 120 },
    { IDC_PANE_DST_AUTO, WC_BUTTON, "Automatically adjust clock for daylight saving changes",
        kShown | BS_AUTOCHECKBOX, 11, 149, 290, 13 },
};

const DialogTemplate kTemplates[] = {
    { IDD_DATE_TIME, "", WS_CHILD, 0, 0, 303, 166, kDateTime },
};

} // namespace

const std::span<const DialogTemplate> kDateTimeDlgTemplates = kTemplates;
