// The schedule zone page: the working week, the day time and four special
// periods of a recorder. The page places the controls at fixed pixels.
#include "resources/setup/dialogs/DialogParts.h"

#include "platform/ui/DateTimeCtrl.h"

namespace
{

constexpr uint32_t kList = kChild | WS_TABSTOP | CBS_DROPDOWNLIST | WS_VSCROLL;
constexpr uint32_t kClock = kChild | WS_TABSTOP | DTS_TIMEFORMAT;

const DialogControl kZone[] = {
    { IDC_ZONE_GROUP, WC_BUTTON, "Time Schedule", kChild | BS_GROUPBOX, 9, 7, 343, 59 },
    { IDC_ZONE_WEEKDAY_LABEL, WC_STATIC, "Weekday", kChild, 20, 22, 60, 9 },
    { IDC_ZONE_WEEKDAY_START, WC_COMBOBOX, "", kList, 92, 20, 64, 100 },
    { IDC_STATIC, WC_STATIC, "~", kChild, 160, 22, 8, 9 },
    { IDC_ZONE_WEEKDAY_END, WC_COMBOBOX, "", kList, 169, 20, 64, 100 },
    { IDC_ZONE_WEEKEND_LABEL, WC_STATIC, "Weekend", kChild, 20, 36, 60, 9 },
    { IDC_ZONE_WEEKEND_START, WC_COMBOBOX, "", kList | WS_DISABLED, 92, 34, 64, 100 },
    { IDC_STATIC, WC_STATIC, "~", kChild, 160, 36, 8, 9 },
    { IDC_ZONE_WEEKEND_END, WC_COMBOBOX, "", kList | WS_DISABLED, 169, 34, 64, 100 },
    { IDC_ZONE_DAY_LABEL, WC_STATIC, "Day Time", kChild, 20, 50, 60, 9 },
    { IDC_ZONE_DAY_START, DATETIMEPICK_CLASS, "", kClock, 92, 48, 64, 14 },
    { IDC_STATIC, WC_STATIC, "~", kChild, 160, 50, 8, 9 },
    { IDC_ZONE_DAY_END, DATETIMEPICK_CLASS, "", kClock, 169, 48, 64, 14 },
    { IDC_ZONE_DAY_HINT, WC_STATIC, "(ex 09:00~18:00)", kChild, 240, 50, 80, 9 },
    { IDC_ZONE_SPECIAL_GROUP, WC_BUTTON, "Special Time", kChild | BS_GROUPBOX, 9, 73, 343, 108 },
    { IDC_ZONE_SPECIAL_LABEL1, WC_STATIC, "1", kChild, 60, 89, 10, 9 },
    { IDC_ZONE_SPECIAL_FIRST + 0, DATETIMEPICK_CLASS, "", kClock, 92, 87, 64, 14 },
    { IDC_STATIC, WC_STATIC, "~", kChild, 160, 89, 8, 9 },
    { IDC_ZONE_SPECIAL_FIRST + 1, DATETIMEPICK_CLASS, "", kClock, 169, 87, 64, 14 },
    { IDC_ZONE_SPECIAL_LABEL2, WC_STATIC, "2", kChild, 60, 111, 10, 9 },
    { IDC_ZONE_SPECIAL_FIRST + 2, DATETIMEPICK_CLASS, "", kClock, 92, 109, 64, 14 },
    { IDC_STATIC, WC_STATIC, "~", kChild, 160, 111, 8, 9 },
    { IDC_ZONE_SPECIAL_FIRST + 3, DATETIMEPICK_CLASS, "", kClock, 169, 109, 64, 14 },
    { IDC_ZONE_SPECIAL_LABEL3, WC_STATIC, "3", kChild, 60, 134, 10, 9 },
    { IDC_ZONE_SPECIAL_FIRST + 4, DATETIMEPICK_CLASS, "", kClock, 92, 132, 64, 14 },
    { IDC_STATIC, WC_STATIC, "~", kChild, 160, 134, 8, 9 },
    { IDC_ZONE_SPECIAL_FIRST + 5, DATETIMEPICK_CLASS, "", kClock, 169, 132, 64, 14 },
    { IDC_ZONE_SPECIAL_LABEL4, WC_STATIC, "4", kChild, 60, 158, 10, 9 },
    { IDC_ZONE_SPECIAL_FIRST + 6, DATETIMEPICK_CLASS, "", kClock, 92, 156, 64, 14 },
    { IDC_STATIC, WC_STATIC, "~", kChild, 160, 158, 8, 9 },
    { IDC_ZONE_SPECIAL_FIRST + 7, DATETIMEPICK_CLASS, "", kClock, 169, 156, 64, 14 },
    { IDC_PAGE_OK, WC_BUTTON, "OK", kButton, 203, 305, 47, 15 },
    { IDC_PAGE_CANCEL, WC_BUTTON, "Cancel", kButton, 253, 305, 47, 15 },
    { IDC_PAGE_APPLY, WC_BUTTON, "Apply", kButton, 303, 305, 47, 15 },
};

const DialogTemplate kTemplates[] = {
    { IDD_PAGE6_SCHEDULE_ZONE, "Schedule Zone", kPage, 0, 0, 360, 400, kZone },
};

} // namespace

const std::span<const DialogTemplate> kPage6ScheduleZoneTemplates = kTemplates;
