// The Home/Night/Outing schedule page; it places its controls in pixels and
// paints the mode chart between them.
#include "platform/ui/SpinButtonCtrl.h"
#include "resources/setup/dialogs/DialogParts.h"

namespace
{

constexpr uint32_t kLabel = kChild;

const DialogControl kPage8ScheduleFeldra[] = {
    { IDC_SCHED_GROUP, WC_BUTTON, "Schedule", kChild | BS_GROUPBOX, 10, 9, 337, 203 },
    { IDC_SCHED_HOME_LABEL, WC_STATIC, "Home", kLabel, 73, 22, 33, 13 },
    { IDC_SCHED_NIGHT_LABEL, WC_STATIC, "Night", kLabel, 153, 22, 33, 13 },
    { IDC_SCHED_OUTING_LABEL, WC_STATIC, "Outing", kLabel, 233, 22, 33, 13 },
    { IDC_SCHED_CH1_LABEL, WC_STATIC, "CH 1", kLabel, 20, 46, 22, 15 },
    { IDC_SCHED_CH2_LABEL, WC_STATIC, "CH 2", kLabel, 20, 74, 22, 15 },
    { IDC_SCHED_CH3_LABEL, WC_STATIC, "CH 3", kLabel, 20, 102, 22, 15 },
    { IDC_SCHED_CH4_LABEL, WC_STATIC, "CH 4", kLabel, 20, 129, 22, 15 },
    { IDC_SCHED_RELAY_LABEL, WC_STATIC, "Relay", kLabel, 20, 154, 22, 15 },
    { IDC_SCHED_CH1, WC_BUTTON, "Setup", kButton, 297, 41, 40, 18 },
    { IDC_SCHED_CH2, WC_BUTTON, "Setup", kButton, 297, 68, 40, 18 },
    { IDC_SCHED_CH3, WC_BUTTON, "Setup", kButton, 297, 96, 40, 18 },
    { IDC_SCHED_CH4, WC_BUTTON, "Setup", kButton, 297, 124, 40, 18 },
    { IDC_SCHED_RELAY, WC_BUTTON, "Setup", kButton, 297, 151, 40, 18 },
    { IDC_SCHED_MODE_LABEL, WC_STATIC, "Current Schedule Mode", kLabel, 47, 185, 100, 13 },
    { IDC_SCHED_MODE, WC_COMBOBOX, "", kChild | WS_TABSTOP | CBS_DROPDOWNLIST | WS_VSCROLL, 153, 182, 73,
        60 },
    { IDC_SCHED_SENSOR_GROUP, WC_BUTTON, "Enable Sensor Input Device", kChild | BS_GROUPBOX, 10, 218, 337,
        48 },
    { IDC_SCHED_POST_ALARM_LABEL, WC_STATIC, "Post Alarm", kLabel, 17, 277, 47, 15 },
    { IDC_SCHED_POST_ALARM, WC_EDIT, "", kEdit | ES_NUMBER, 67, 274, 40, 15 },
    { IDC_SCHED_POST_ALARM_SPIN, UPDOWN_CLASS, "", kChild | UDS_SETBUDDYINT | UDS_ALIGNRIGHT, 107, 274, 13,
        15 },
    { IDC_SCHED_SECONDS_LABEL, WC_STATIC, "(Sec)", kLabel, 127, 277, 27, 15 },
    { IDC_PAGE_OK, WC_BUTTON, "OK", kButton, 203, 305, 47, 15 },
    { IDC_PAGE_CANCEL, WC_BUTTON, "Cancel", kButton, 253, 305, 47, 15 },
    { IDC_PAGE_APPLY, WC_BUTTON, "Apply", kButton, 303, 305, 47, 15 },
};

const DialogTemplate kTemplates[] = {
    { IDD_PAGE8_SCHEDULE_FELDRA, "Schedule", kPage, 0, 0, 360, 330, kPage8ScheduleFeldra },
};

} // namespace

const std::span<const DialogTemplate> kPage8ScheduleFeldraTemplates = kTemplates;
