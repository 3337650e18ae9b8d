// A device entry's port assignment: the choice and the two kinds of ports.
#include "resources/setup/dialogs/DialogParts.h"

namespace
{

const DialogControl kFirewallPort[] = {
    { IDC_STATIC, WC_STATIC, "Port Number", kChild, 7, 9, 50, 8 },
    { IDC_FIREWALL_PORT, WC_EDIT, "", kPortEdit, 60, 7, 60, 14 },
    { IDC_PORT_DEFAULT, WC_BUTTON, "Default", kButton, 125, 7, 50, 14 },
    { IDOK, WC_BUTTON, "OK", kOk, 70, 28, 50, 14 },
    { IDCANCEL, WC_BUTTON, "Cancel", kButton, 125, 28, 50, 14 },
};

const DialogControl kNormalPortAssign[] = {
    { IDC_STATIC, WC_STATIC, "Monitor Port", kChild, 7, 9, 50, 8 },
    { IDC_MONITOR_PORT, WC_EDIT, "", kPortEdit, 60, 7, 60, 14 },
    { IDC_STATIC, WC_STATIC, "Playback Port", kChild, 7, 27, 50, 8 },
    { IDC_PLAYBACK_PORT, WC_EDIT, "", kPortEdit, 60, 25, 60, 14 },
    { IDC_PORT_DEFAULT, WC_BUTTON, "Default", kButton, 125, 7, 50, 14 },
    { IDOK, WC_BUTTON, "OK", kOk, 70, 46, 50, 14 },
    { IDCANCEL, WC_BUTTON, "Cancel", kButton, 125, 46, 50, 14 },
};

const DialogControl kPortAssign[] = {
    { IDC_STATIC, WC_BUTTON, "Port Assignment", kChild | BS_GROUPBOX, 7, 4, 150, 30 },
    { IDC_MODE_NORMAL, WC_BUTTON, "Normal", kButton | WS_GROUP | BS_AUTORADIOBUTTON, 14, 16, 40, 10 },
    { IDC_MODE_FIREWALL, WC_BUTTON, "Firewall", kChild | BS_AUTORADIOBUTTON, 58, 16, 40, 10 },
    { IDC_PORT_ADVANCED, WC_BUTTON, "Advanced", kButton | WS_GROUP, 102, 14, 50, 14 },
    { IDOK, WC_BUTTON, "OK", kOk, 52, 40, 50, 14 },
    { IDCANCEL, WC_BUTTON, "Cancel", kButton, 107, 40, 50, 14 },
};

const DialogTemplate kTemplates[] = {
    { IDD_FIREWALL_PORT, "Firewall Port Assignment", kModal, 0, 0, 182, 48, kFirewallPort },
    { IDD_NORMAL_PORT_ASSIGN, "Normal Port Assignment", kModal, 0, 0, 182, 66, kNormalPortAssign },
    { IDD_PORT_ASSIGN, "Port Assignment", kModal, 0, 0, 164, 60, kPortAssign },
};

} // namespace

const std::span<const DialogTemplate> kPortAssignDlgTemplates = kTemplates;
