// The relay plan of the Home/Night/Outing schedules: a check grid per mode,
// made at run time inside its group.
#include "resources/setup/dialogs/DialogParts.h"

namespace
{

const DialogControl kRelayMode[] = {
    { IDC_RELAY_MODE_HOME, WC_BUTTON, "Home", kChild | BS_GROUPBOX, 7, 7, 408, 79 },
    { IDC_RELAY_MODE_NIGHT, WC_BUTTON, "Night", kChild | BS_GROUPBOX, 7, 89, 408, 79 },
    { IDC_RELAY_MODE_OUTING, WC_BUTTON, "Outing", kChild | BS_GROUPBOX, 7, 171, 408, 79 },
    { IDOK, WC_BUTTON, "OK", kOk, 311, 259, 50, 16 },
    { IDCANCEL, WC_BUTTON, "Cancel", kButton, 365, 259, 50, 16 },
};

const DialogTemplate kTemplates[] = {
    { IDD_RELAY_MODE, "Relay", kModal, 0, 0, 423, 282, kRelayMode },
};

} // namespace

const std::span<const DialogTemplate> kRelayModeDlgTemplates = kTemplates;
