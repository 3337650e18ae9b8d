// The four-channel schedule page; it places its controls itself in pixels
// and paints the day chart between them.
#include "platform/ui/SpinButtonCtrl.h"
#include "resources/setup/dialogs/DialogParts.h"

namespace
{

constexpr uint32_t kLabel = kChild;
constexpr uint32_t kCheck = kButton | BS_AUTOCHECKBOX | BS_PUSHLIKE;

const DialogControl kPage8Schedule[] = {
    { IDC_SCHED_GROUP, WC_BUTTON, "Record Schedule", kChild | BS_GROUPBOX, 10, 15, 340, 222 },
    { IDC_SCHED_HOUR0_LABEL, WC_STATIC, "0H", kLabel, 47, 25, 33, 15 },
    { IDC_SCHED_HOUR6_LABEL, WC_STATIC, "6H", kLabel, 101, 25, 33, 15 },
    { IDC_SCHED_HOUR12_LABEL, WC_STATIC, "12H", kLabel, 160, 25, 33, 15 },
    { IDC_SCHED_HOUR18_LABEL, WC_STATIC, "18H", kLabel, 217, 25, 33, 15 },
    { IDC_SCHED_HOUR24_LABEL, WC_STATIC, "24H", kLabel, 273, 25, 33, 15 },
    { IDC_SCHED_CH1_LABEL, WC_STATIC, "CH 1", kLabel, 20, 49, 22, 15 },
    { IDC_SCHED_CH2_LABEL, WC_STATIC, "CH 2", kLabel, 20, 77, 22, 15 },
    { IDC_SCHED_CH3_LABEL, WC_STATIC, "CH 3", kLabel, 20, 106, 22, 15 },
    { IDC_SCHED_CH4_LABEL, WC_STATIC, "CH 4", kLabel, 20, 132, 22, 15 },
    { IDC_SCHED_RELAY_LABEL, WC_STATIC, "Relay", kLabel, 20, 159, 22, 15 },
    { IDC_SCHED_CH1, WC_BUTTON, "Setup", kButton, 297, 47, 40, 18 },
    { IDC_SCHED_CH2, WC_BUTTON, "Setup", kButton, 297, 74, 40, 18 },
    { IDC_SCHED_CH3, WC_BUTTON, "Setup", kButton, 297, 103, 40, 18 },
    { IDC_SCHED_CH4, WC_BUTTON, "Setup", kButton, 297, 131, 40, 18 },
    { IDC_SCHED_RELAY, WC_BUTTON, "Setup", kButton, 297, 159, 40, 18 },
    { IDC_SCHED_NORMAL_LEGEND, WC_STATIC, "Normal Save\nFrame rate", kLabel, 47, 168, 67, 15 },
    { IDC_SCHED_NORMAL_MAX, WC_STATIC, "Maximum", kLabel, 117, 178, 67, 12 },
    { IDC_SCHED_NORMAL_NO_SAVE, WC_STATIC, "No save", kLabel, 267, 178, 67, 12 },
    { IDC_SCHED_EVENT_LEGEND, WC_STATIC, "Event Save\nFrame rate", kLabel, 47, 196, 67, 15 },
    { IDC_SCHED_EVENT_MAX, WC_STATIC, "Maximum", kLabel, 117, 214, 67, 12 },
    { IDC_SCHED_EVENT_NO_SAVE, WC_STATIC, "No save", kLabel, 267, 214, 67, 12 },
    { IDC_SCHED_SENSOR_GROUP, WC_BUTTON, "Enable Sensor Input Device", kChild | BS_GROUPBOX, 10, 252, 167,
        40 },
    { IDC_SCHED_S1, WC_BUTTON, "S1", kCheck, 27, 268, 33, 15 },
    { IDC_SCHED_S2, WC_BUTTON, "S2", kCheck, 60, 268, 33, 15 },
    { IDC_SCHED_S3, WC_BUTTON, "S3", kCheck, 93, 268, 33, 15 },
    { IDC_SCHED_S4, WC_BUTTON, "S4", kCheck, 127, 268, 33, 15 },
    { IDC_SCHED_ALARM_GROUP, WC_BUTTON, "Alarm", kChild | BS_GROUPBOX, 10, 243, 340, 43 },
    { IDC_SCHED_POST_ALARM_LABEL, WC_STATIC, "Post Alarm", kLabel, 100, 262, 67, 15 },
    { IDC_SCHED_POST_ALARM, WC_EDIT, "", kEdit | ES_NUMBER, 193, 258, 33, 15 },
    { IDC_SCHED_POST_ALARM_SPIN, UPDOWN_CLASS, "", kChild | UDS_SETBUDDYINT | UDS_ALIGNRIGHT, 227, 258, 7,
        15 },
    { IDC_SCHED_SECONDS_LABEL, WC_STATIC, "(Sec)", kLabel, 233, 262, 40, 15 },
    { IDC_PAGE_OK, WC_BUTTON, "OK", kButton, 203, 305, 47, 15 },
    { IDC_PAGE_CANCEL, WC_BUTTON, "Cancel", kButton, 253, 305, 47, 15 },
    { IDC_PAGE_APPLY, WC_BUTTON, "Apply", kButton, 303, 305, 47, 15 },
};

const DialogTemplate kTemplates[] = {
    { IDD_PAGE8_SCHEDULE, "Schedule", kPage, 0, 0, 360, 400, kPage8Schedule },
};

} // namespace

const std::span<const DialogTemplate> kPage8ScheduleTemplates = kTemplates;
