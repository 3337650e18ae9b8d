// The period panes: four daily zones, and a daylight-saving period from a
// weekday and time to a weekday and time. The panes place the controls at
// fixed pixels.
#include "resources/setup/dialogs/DialogParts.h"

#include "platform/ui/DateTimeCtrl.h"

namespace
{

constexpr uint32_t kList = kChild | WS_TABSTOP | CBS_DROPDOWNLIST | WS_VSCROLL;
constexpr uint32_t kClock = kChild | WS_TABSTOP | DTS_TIMEFORMAT;

const DialogControl kZones[] = {
    { IDC_ZONE_SPECIAL_LABEL1, WC_STATIC, "Zone 1", kChild, 0, 6, 40, 9 },
    { IDC_ZONE_SPECIAL_FIRST + 0, DATETIMEPICK_CLASS, "", kClock, 67, 4, 76, 15 },
    { IDC_STATIC, WC_STATIC, "~", kChild, 147, 6, 8, 9 },
    { IDC_ZONE_SPECIAL_FIRST + 1, DATETIMEPICK_CLASS, "", kClock, 155, 4, 76, 15 },
    { IDC_ZONE_SPECIAL_LABEL2, WC_STATIC, "Zone 2", kChild, 0, 28, 40, 9 },
    { IDC_ZONE_SPECIAL_FIRST + 2, DATETIMEPICK_CLASS, "", kClock, 67, 26, 76, 15 },
    { IDC_STATIC, WC_STATIC, "~", kChild, 147, 28, 8, 9 },
    { IDC_ZONE_SPECIAL_FIRST + 3, DATETIMEPICK_CLASS, "", kClock, 155, 26, 76, 15 },
    { IDC_ZONE_SPECIAL_LABEL3, WC_STATIC, "Zone 3", kChild, 0, 51, 40, 9 },
    { IDC_ZONE_SPECIAL_FIRST + 4, DATETIMEPICK_CLASS, "", kClock, 67, 49, 76, 15 },
    { IDC_STATIC, WC_STATIC, "~", kChild, 147, 51, 8, 9 },
    { IDC_ZONE_SPECIAL_FIRST + 5, DATETIMEPICK_CLASS, "", kClock, 155, 49, 76, 15 },
    { IDC_ZONE_SPECIAL_LABEL4, WC_STATIC, "Zone 4", kChild, 0, 76, 40, 9 },
    { IDC_ZONE_SPECIAL_FIRST + 6, DATETIMEPICK_CLASS, "", kClock, 67, 73, 76, 15 },
    { IDC_STATIC, WC_STATIC, "~", kChild, 147, 76, 8, 9 },
    { IDC_ZONE_SPECIAL_FIRST + 7, DATETIMEPICK_CLASS, "", kClock, 155, 73, 76, 15 },
};

const DialogControl kDst[] = {
    { IDC_ZONE_WEEKDAY_LABEL, WC_STATIC, "Weekday", kChild, 3, 4, 60, 9 },
    { IDC_ZONE_WEEKDAY_START, WC_COMBOBOX, "", kList, 65, 2, 75, 100 },
    { IDC_STATIC, WC_STATIC, "~", kChild, 145, 4, 8, 9 },
    { IDC_ZONE_WEEKDAY_END, WC_COMBOBOX, "", kList, 158, 2, 75, 100 },
    { IDC_ZONE_DAY_LABEL, WC_STATIC, "Day Time", kChild, 3, 23, 60, 9 },
    { IDC_ZONE_DAY_START, DATETIMEPICK_CLASS, "", kClock, 65, 20, 75, 15 },
    { IDC_STATIC, WC_STATIC, "~", kChild, 145, 23, 8, 9 },
    { IDC_ZONE_DAY_END, DATETIMEPICK_CLASS, "", kClock, 158, 19, 75, 15 },
};

const DialogTemplate kTemplates[] = {
    { IDD_DST_PERIOD, "", kPane, 0, 0, 240, 40, kDst },
    { IDD_ZONE_PERIODS, "", kPane, 0, 0, 240, 95, kZones },
};

} // namespace

const std::span<const DialogTemplate> kPeriodPanesTemplates = kTemplates;
