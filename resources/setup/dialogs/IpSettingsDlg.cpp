// The connectivity page's network pane.
#include "resources/setup/dialogs/DialogParts.h"

#include "platform/ui/IpAddressCtrl.h"

namespace
{

constexpr uint32_t kPane = WS_CHILD;
constexpr uint32_t kList = kButton | CBS_DROPDOWNLIST | WS_VSCROLL;
constexpr uint32_t kIp = kChild | WS_TABSTOP;

const DialogControl kIpSettings[] = {
    { IDC_STATIC, WC_STATIC, "Type", kChild, 4, 4, 63, 8 },
    { IDC_PANE_TYPE, WC_COMBOBOX, "", kList, 79, 2, 78, 12 },
    { IDC_STATIC, WC_STATIC, "DHCP", kChild, 4, 20, 63, 8 },
    { IDC_PANE_DHCP, WC_COMBOBOX, "", kList, 79, 18, 78, 12 },
    { IDC_NET_ADDRESS_LABEL, WC_STATIC, "IP Address", kChild, 4, 40, 63, 8 },
    { IDC_NET_ADDRESS, WC_IPADDRESS, "", kIp, 79, 38, 116, 12 },
    { IDC_NET_MASK_LABEL, WC_STATIC, "Network Mask", kChild, 4, 54, 63, 8 },
    { IDC_NET_MASK, WC_IPADDRESS, "", kIp, 79, 52, 116, 12 },
    { IDC_NET_GATEWAY_LABEL, WC_STATIC, "Gateway Address", kChild, 4, 69, 66, 8 },
    { IDC_NET_GATEWAY, WC_IPADDRESS, "", kIp, 79, 67, 116, 12 },
    { IDC_NET_DNS1_LABEL, WC_STATIC, "DNS#1", kChild, 4, 88, 63, 8 },
    { IDC_NET_DNS1, WC_IPADDRESS, "", kIp, 79, 86, 116, 12 },
    { IDC_NET_DNS2_LABEL, WC_STATIC, "DNS#2", kChild, 4, 103, 63, 8 },
    { IDC_NET_DNS2, WC_IPADDRESS, "", kIp, 79, 101, 116, 12 },
    { IDC_NET_DNS3_LABEL, WC_STATIC, "DNS#3", kChild, 4, 118, 63, 8 },
    { IDC_NET_DNS3, WC_IPADDRESS, "", kIp, 79, 116, 116, 12 },
    { IDC_STATIC, WC_STATIC, "Auto-detect", kChild, 4, 124, 63, 8 },
    { IDC_PANE_AUTO_DETECT, WC_COMBOBOX, "", kList, 80, 122, 78, 12 },
};

const DialogTemplate kTemplates[] = {
    { IDD_IP_SETTINGS, "", kPane, 0, 0, 325, 246, kIpSettings },
};

} // namespace

const std::span<const DialogTemplate> kIpSettingsDlgTemplates = kTemplates;
