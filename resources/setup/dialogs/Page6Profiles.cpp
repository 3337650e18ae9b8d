// The profiles page: the working week and day time, and the exception
// days with the editor of the chosen one. The page places the controls at
// fixed pixels.
#include "resources/setup/dialogs/DialogParts.h"

#include "platform/ui/DateTimeCtrl.h"
#include "platform/ui/ListCtrl.h"
#include "platform/ui/SpinButtonCtrl.h"

namespace
{

constexpr uint32_t kList = kChild | WS_TABSTOP | CBS_DROPDOWNLIST | WS_VSCROLL;
constexpr uint32_t kClock = kChild | WS_TABSTOP | DTS_TIMEFORMAT;

const DialogControl kProfiles[] = {
    { IDC_PROFILE_SCHEDULE_GROUP, WC_BUTTON, "Schedule", kChild | BS_GROUPBOX, 9, 7, 343, 46 },
    { IDC_ZONE_WEEKDAY_LABEL, WC_STATIC, "Weekday", kChild, 20, 22, 60, 9 },
    { IDC_ZONE_WEEKDAY_START, WC_COMBOBOX, "", kList, 92, 20, 64, 98 },
    { IDC_STATIC, WC_STATIC, "~", kChild, 160, 22, 7, 9 },
    { IDC_ZONE_WEEKDAY_END, WC_COMBOBOX, "", kList, 169, 20, 64, 98 },
    { IDC_ZONE_DAY_LABEL, WC_STATIC, "Day Time", kChild, 20, 37, 60, 9 },
    { IDC_ZONE_DAY_START, DATETIMEPICK_CLASS, "", kClock, 92, 34, 64, 14 },
    { IDC_STATIC, WC_STATIC, "~", kChild, 160, 37, 7, 9 },
    { IDC_ZONE_DAY_END, DATETIMEPICK_CLASS, "", kClock, 169, 34, 64, 14 },
    { IDC_ZONE_DAY_HINT, WC_STATIC, "(ex 09:00~18:00)", kChild, 240, 37, 80, 9 },
    { IDC_PROFILE_EXCEPTION_GROUP, WC_BUTTON, "Exception Days", kChild | BS_GROUPBOX, 9, 58, 343, 240 },
    { IDC_PROFILE_LIST, WC_LISTVIEW, "",
        kChild | WS_TABSTOP | WS_BORDER | LVS_REPORT | LVS_SINGLESEL | LVS_SHOWSELALWAYS, 17, 71, 200, 222 },
    { IDC_PROFILE_START_LABEL, WC_STATIC, "Start Time && Date", kChild, 227, 73, 120, 9 },
    { IDC_PROFILE_START, DATETIMEPICK_CLASS, "", kChild | WS_TABSTOP, 227, 84, 100, 14 },
    { IDC_PROFILE_DURATION_LABEL, WC_STATIC, "Duration", kChild, 227, 106, 120, 9 },
    { IDC_PROFILE_DURATION, WC_EDIT, "", kEdit | ES_NUMBER, 227, 117, 47, 14 },
    { IDC_PROFILE_DURATION_SPIN, UPDOWN_CLASS, "", kChild | UDS_ARROWKEYS, 273, 117, 11, 14 },
    { IDC_PROFILE_MINUTES, WC_STATIC, "(min)", kChild, 288, 119, 27, 9 },
    { IDC_PROFILE_LABEL, WC_STATIC, "Profile", kChild, 227, 139, 120, 9 },
    { IDC_PROFILE, WC_COMBOBOX, "", kList, 227, 150, 100, 62 },
    { IDC_PROFILE_MODIFY, WC_BUTTON, "Modify", kButton, 227, 175, 60, 15 },
    { IDC_PAGE_OK, WC_BUTTON, "OK", kButton, 203, 305, 47, 15 },
    { IDC_PAGE_CANCEL, WC_BUTTON, "Cancel", kButton, 253, 305, 47, 15 },
    { IDC_PAGE_APPLY, WC_BUTTON, "Apply", kButton, 303, 305, 47, 15 },
};

const DialogTemplate kTemplates[] = {
    { IDD_PAGE6_PROFILES, "Profiles", kPage, 0, 0, 360, 400, kProfiles },
};

} // namespace

const std::span<const DialogTemplate> kPage6ProfilesTemplates = kTemplates;
