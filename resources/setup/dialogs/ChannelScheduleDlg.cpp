// One channel's Home/Night/Outing recording; the two grids are made at run
// time and every control is placed in pixels when the dialog starts.
#include "resources/setup/dialogs/DialogParts.h"

namespace
{

constexpr uint32_t kArea = kChild | SS_OWNERDRAW | SS_NOTIFY;
constexpr uint32_t kCheck = kButton | BS_AUTOCHECKBOX;

const DialogControl kChannelSchedule[] = {
    { IDC_CHSCHED_IMAGE_GROUP, WC_BUTTON, "Image Information", kChild | BS_GROUPBOX, 7, 7, 408, 81 },
    { IDC_CHSCHED_NORMAL_LABEL, WC_STATIC, "Normal", kChild, 100, 20, 40, 10 },
    { IDC_CHSCHED_EVENT_LABEL, WC_STATIC, "Event", kChild, 275, 20, 40, 10 },
    { IDC_CHSCHED_TRIGGER_GROUP, WC_BUTTON, "Alarm Trigger", kChild | BS_GROUPBOX, 7, 91, 408, 70 },
    { IDC_CHSCHED_BOX_GROUP, WC_BUTTON, "Quality Box", kChild | BS_GROUPBOX, 7, 164, 408, 45 },
    { IDC_CHSCHED_BOX_HOME, WC_BUTTON, "Home", kCheck, 63, 183, 40, 8 },
    { IDC_CHSCHED_BOX_NIGHT, WC_BUTTON, "Night", kCheck, 173, 183, 40, 8 },
    { IDC_CHSCHED_BOX_OUTING, WC_BUTTON, "Outing", kCheck, 284, 183, 40, 8 },
    { IDC_SCHEDULE_AREA1, WC_STATIC, "", kArea, 110, 175, 43, 25 },
    { IDC_SCHEDULE_AREA2, WC_STATIC, "", kArea, 218, 175, 43, 25 },
    { IDC_SCHEDULE_AREA3, WC_STATIC, "", kArea, 329, 175, 43, 25 },
    { IDOK, WC_BUTTON, "OK", kOk | WS_DISABLED, 311, 234, 50, 16 },
    { IDCANCEL, WC_BUTTON, "Cancel", kButton, 365, 234, 50, 16 },
};

const DialogTemplate kTemplates[] = {
    { IDD_CHANNEL_SCHEDULE, "Channel", kModal, 0, 0, 423, 260, kChannelSchedule },
};

} // namespace

const std::span<const DialogTemplate> kChannelScheduleDlgTemplates = kTemplates;
