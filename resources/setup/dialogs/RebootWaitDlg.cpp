// The wait while a device reboots: one line; OK and Cancel only end it.
#include "resources/setup/dialogs/DialogParts.h"

namespace
{

const DialogControl kRebootWait[] = {
    { IDC_REBOOT_MESSAGE, WC_STATIC, "", kChild | SS_CENTER, 7, 12, 226, 10 },
    { IDOK, WC_BUTTON, "OK", WS_CHILD | WS_DISABLED, 0, 0, 6, 6 },
    { IDCANCEL, WC_BUTTON, "Cancel", WS_CHILD | WS_DISABLED, 6, 0, 6, 6 },
};

const DialogTemplate kTemplates[] = {
    { IDD_REBOOT_WAIT, "Reboot", kModal, 0, 0, 240, 34, kRebootWait },
};

} // namespace

const std::span<const DialogTemplate> kRebootWaitDlgTemplates = kTemplates;
