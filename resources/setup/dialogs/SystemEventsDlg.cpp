// The system events pane: a group around the check grid the pane makes.
#include "resources/setup/dialogs/DialogParts.h"

namespace
{

const DialogControl kEvents[] = {
    { IDC_EVENTS_GROUP, WC_BUTTON, "System Events", kChild | BS_GROUPBOX, 5, 5, 300, 110 },
};

const DialogTemplate kTemplates[] = {
    { IDD_SYSTEM_EVENTS, "", kPane, 0, 0, 310, 120, kEvents },
};

} // namespace

const std::span<const DialogTemplate> kSystemEventsDlgTemplates = kTemplates;
