// The network page's port in firewall mode.
#include "resources/setup/dialogs/DialogParts.h"

namespace
{

const DialogControl kFirewall[] = {
    { IDC_STATIC, WC_STATIC, "Firewall Port", kChild, 7, 9, 50, 8 },
    { IDC_FIREWALL_DLG_PORT, WC_EDIT, "", kPortEdit, 60, 7, 60, 14 },
    { IDOK, WC_BUTTON, "OK", kOk, 15, 28, 50, 14 },
    { IDCANCEL, WC_BUTTON, "Cancel", kButton, 70, 28, 50, 14 },
};

const DialogTemplate kTemplates[] = {
    { IDD_FIREWALL, "Firewall", kModal, 0, 0, 127, 48, kFirewall },
};

} // namespace

const std::span<const DialogTemplate> kFirewallDlgTemplates = kTemplates;
