// The connectivity page's dial-in pane.
#include "resources/setup/dialogs/DialogParts.h"

#include "platform/ui/IpAddressCtrl.h"

namespace
{

const DialogControl kPpp[] = {
    { IDC_STATIC, WC_STATIC, "Configuration", kChild, 3, 6, 68, 8 },
    { IDC_PPP_CONFIG, WC_COMBOBOX, "", kButton | CBS_DROPDOWNLIST | WS_VSCROLL, 71, 4, 60, 12 },
    { IDC_STATIC, WC_STATIC, "DVR IP", kChild, 3, 24, 68, 8 },
    { IDC_PPP_DVR, WC_IPADDRESS, "", kChild | WS_TABSTOP, 71, 22, 116, 12 },
    { IDC_STATIC, WC_STATIC, "Client PC IP", kChild, 3, 42, 68, 8 },
    { IDC_PPP_CLIENT, WC_IPADDRESS, "", kChild | WS_TABSTOP, 71, 40, 116, 12 },
};

const DialogTemplate kTemplates[] = {
    { IDD_PPP, "", WS_CHILD, 0, 0, 325, 246, kPpp },
};

} // namespace

const std::span<const DialogTemplate> kPppDlgTemplates = kTemplates;
