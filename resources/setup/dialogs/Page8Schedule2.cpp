// The three-channel schedule page; it places its controls itself in pixels
// and paints the day chart between them.
#include "platform/ui/SpinButtonCtrl.h"
#include "resources/setup/dialogs/DialogParts.h"

namespace
{

constexpr uint32_t kLabel = kChild;

const DialogControl kPage8Schedule2[] = {
    { IDC_SCHED_GROUP, WC_BUTTON, "Record Schedule", kChild | BS_GROUPBOX, 10, 9, 340, 140 },
    { IDC_SCHED_HOUR0_LABEL, WC_STATIC, "0H", kLabel, 47, 25, 33, 15 },
    { IDC_SCHED_HOUR6_LABEL, WC_STATIC, "6H", kLabel, 101, 25, 33, 15 },
    { IDC_SCHED_HOUR12_LABEL, WC_STATIC, "12H", kLabel, 160, 25, 33, 15 },
    { IDC_SCHED_HOUR18_LABEL, WC_STATIC, "18H", kLabel, 217, 25, 33, 15 },
    { IDC_SCHED_HOUR24_LABEL, WC_STATIC, "24H", kLabel, 273, 25, 33, 15 },
    { IDC_SCHED_CH1_LABEL, WC_STATIC, "CH 1", kLabel, 20, 49, 22, 15 },
    { IDC_SCHED_CH2_LABEL, WC_STATIC, "CH 2", kLabel, 20, 77, 22, 15 },
    { IDC_SCHED_CH3_LABEL, WC_STATIC, "CH 3", kLabel, 20, 106, 22, 15 },
    { IDC_SCHED_CH1, WC_BUTTON, "Setup", kButton, 297, 49, 40, 18 },
    { IDC_SCHED_CH2, WC_BUTTON, "Setup", kButton, 297, 77, 40, 18 },
    { IDC_SCHED_CH3, WC_BUTTON, "Setup", kButton, 297, 106, 40, 18 },
    { IDC_SCHED_ALARM_GROUP, WC_BUTTON, "Alarm", kChild | BS_GROUPBOX, 10, 155, 340, 43 },
    { IDC_SCHED_POST_ALARM_LABEL, WC_STATIC, "Post Alarm", kLabel, 100, 174, 67, 15 },
    { IDC_SCHED_POST_ALARM, WC_EDIT, "", kEdit | ES_NUMBER, 193, 170, 33, 15 },
    { IDC_SCHED_POST_ALARM_SPIN, UPDOWN_CLASS, "", kChild | UDS_SETBUDDYINT | UDS_ALIGNRIGHT, 227, 170, 7,
        15 },
    { IDC_SCHED_SECONDS_LABEL, WC_STATIC, "(Sec)", kLabel, 233, 174, 40, 15 },
    { IDC_PAGE_OK, WC_BUTTON, "OK", kButton, 203, 311, 47, 15 },
    { IDC_PAGE_CANCEL, WC_BUTTON, "Cancel", kButton, 253, 311, 47, 15 },
    { IDC_PAGE_APPLY, WC_BUTTON, "Apply", kButton, 303, 311, 47, 15 },
};

const DialogTemplate kTemplates[] = {
    { IDD_PAGE8_SCHEDULE2, "Schedule", kPage, 0, 0, 360, 400, kPage8Schedule2 },
};

} // namespace

const std::span<const DialogTemplate> kPage8Schedule2Templates = kTemplates;
