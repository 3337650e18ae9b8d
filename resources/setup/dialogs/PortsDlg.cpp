// The connectivity page's ports pane: only the firewall port shows; the
// other ports and the flag pass through hidden.
#include "resources/setup/dialogs/DialogParts.h"

namespace
{

constexpr uint32_t kHiddenEdit = WS_CHILD | WS_TABSTOP | WS_BORDER | ES_RIGHT;

const DialogControl kPorts[] = {
    { IDC_MONITOR_PORT_LABEL, WC_STATIC, "Monitor Port", WS_CHILD, 4, 8, 63, 8 },
    { IDC_NORMAL_MONITOR_PORT, WC_EDIT, "", kHiddenEdit, 79, 6, 50, 12 },
    { IDC_PLAYBACK_PORT_LABEL, WC_STATIC, "Playback Port", WS_CHILD, 4, 24, 63, 8 },
    { IDC_NORMAL_PLAYBACK_PORT, WC_EDIT, "", kHiddenEdit, 79, 22, 50, 12 },
    { IDC_STATIC, WC_STATIC, "TP Server Port", WS_CHILD, 4, 40, 63, 8 },
    { IDC_TRANSPARENT_PORT, WC_EDIT, "", kHiddenEdit, 79, 38, 50, 12 },
    { IDC_STATIC, WC_BUTTON, "Firewall", WS_CHILD | BS_GROUPBOX, 2, 56, 200, 40 },
    { IDC_PANE_FIREWALL_ENABLE, WC_BUTTON, "Enable", WS_CHILD | WS_TABSTOP | BS_AUTOCHECKBOX, 8, 66, 60, 10 },
    { IDC_NET_PORT_BOX, WC_STATIC, "Port", kChild, 4, 8, 63, 8 },
    { IDC_PANE_FIREWALL_PORT, WC_EDIT, "", kPortEdit, 79, 6, 50, 12 },
};

const DialogTemplate kTemplates[] = {
    { IDD_PORTS, "", WS_CHILD, 0, 0, 325, 246, kPorts },
};

} // namespace

const std::span<const DialogTemplate> kPortsDlgTemplates = kTemplates;
