// The alarm buzzer pane: one box.
#include "resources/setup/dialogs/DialogParts.h"

namespace
{

const DialogControl kAlarmBuzzer[] = {
    { IDC_ALARM_BUZZER, WC_BUTTON, "On Alarm Buzzer ", kButton | BS_AUTOCHECKBOX, 0, 2, 100, 12 },
};

const DialogTemplate kTemplates[] = {
    { IDD_ALARM_BUZZER, "", kPane, 0, 0, 110, 16, kAlarmBuzzer },
};

} // namespace

const std::span<const DialogTemplate> kAlarmBuzzerDlgTemplates = kTemplates;
