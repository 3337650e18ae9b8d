// The remote access pane: its two switches.
#include "resources/setup/dialogs/DialogParts.h"

namespace
{

constexpr uint32_t kCheck = kChild | WS_TABSTOP | BS_AUTOCHECKBOX;

const DialogControl kRemote[] = {
    { IDC_REMOTE_SETUP, WC_BUTTON, "Remote Setup", kCheck, 5, 5, 100, 12 },
    { IDC_REMOTE_RELAY, WC_BUTTON, "Remote Relay", kCheck, 5, 21, 100, 12 },
};

const DialogTemplate kTemplates[] = {
    { IDD_REMOTE_ACCESS, "", kPane, 0, 0, 120, 40, kRemote },
};

} // namespace

const std::span<const DialogTemplate> kRemoteAccessDlgTemplates = kTemplates;
