// The dial-up progress; OK exists only for the dialog's own ending.
#include "resources/setup/dialogs/DialogParts.h"

namespace
{

const DialogControl kDialUpProgress[] = {
    { IDC_STATIC, WC_STATIC, "#132", WS_CHILD | WS_VISIBLE | SS_ICON, 10, 10, 20, 20 },
    { IDC_DIALUP_STATUS, WC_STATIC, "All devices in the device chain have successfully connected.", kChild,
        40, 12, 178, 18 },
    { IDCANCEL, WC_BUTTON, "Cancel", kButton, 90, 38, 50, 14 },
    { IDOK, WC_BUTTON, "OK", WS_CHILD | WS_DISABLED | BS_DEFPUSHBUTTON, 160, 38, 50, 14 },
};

const DialogTemplate kTemplates[] = {
    { IDD_DIALUP_PROGRESS, "Connecting Dial-up Connection...", kModal, 0, 0, 230, 60, kDialUpProgress },
};

} // namespace

const std::span<const DialogTemplate> kDialUpProgressDlgTemplates = kTemplates;
