// The network page and the camera network page. The pages place their
// controls at fixed pixels by family when they start, and show or hide the
// groups the family has.
#include "resources/setup/dialogs/DialogParts.h"

#include "platform/ui/IpAddressCtrl.h"
#include "platform/ui/SpinButtonCtrl.h"

namespace
{

constexpr uint32_t kGroup = kChild | BS_GROUPBOX;
constexpr uint32_t kIp = kChild | WS_TABSTOP;
constexpr uint32_t kCheck = kButton | BS_AUTOCHECKBOX;
constexpr uint32_t kDropList = kButton | CBS_DROPDOWNLIST | WS_VSCROLL;
constexpr uint32_t kRadio = kButton | BS_AUTORADIOBUTTON;
constexpr uint32_t kNumber = kEdit | ES_NUMBER;

const DialogControl kNetwork[] = {
    { IDC_NET_ETHERNET_BOX, WC_BUTTON, "Ethernet", kGroup, 10, 9, 340, 68 },
    { IDC_NET_ADDRESS_LABEL, WC_STATIC, "IP Address", kChild, 50, 22, 87, 12 },
    { IDC_NET_ADDRESS, WC_IPADDRESS, "", kIp, 160, 20, 153, 12 },
    { IDC_NET_MASK_LABEL, WC_STATIC, "Network Mask", kChild, 50, 35, 87, 12 },
    { IDC_NET_MASK, WC_IPADDRESS, "", kIp, 160, 33, 153, 12 },
    { IDC_NET_GATEWAY_LABEL, WC_STATIC, "Gateway Address", kChild, 50, 48, 87, 12 },
    { IDC_NET_GATEWAY, WC_IPADDRESS, "", kIp, 160, 46, 153, 12 },
    { IDC_NET_DHCP, WC_BUTTON, "DHCP Enable", kCheck, 50, 61, 87, 12 },
    { IDC_NET_XDSL_BOX, WC_BUTTON, "", kGroup, 10, 80, 340, 68 },
    { IDC_NET_XDSL, WC_BUTTON, "xDSL (PPPoE)", kCheck, 50, 93, 87, 12 },
    { IDC_NET_XDSL_USER_LABEL, WC_STATIC, "User ID", kChild, 50, 106, 87, 12 },
    { IDC_NET_XDSL_USER, WC_EDIT, "", kEdit, 160, 104, 153, 12 },
    { IDC_NET_XDSL_PASSWORD_LABEL, WC_STATIC, "Password", kChild, 50, 119, 87, 12 },
    { IDC_NET_XDSL_PASSWORD, WC_EDIT, "", kEdit | ES_PASSWORD, 160, 117, 153, 12 },
    { IDC_NET_XDSL_STATUS, WC_STATIC, "", kChild, 50, 132, 263, 12 },
    { IDC_NET_DNS_BOX, WC_BUTTON, "DNS", kGroup, 10, 151, 340, 54 },
    { IDC_NET_DNS1_LABEL, WC_STATIC, "DNS#1", kChild, 50, 164, 87, 12 },
    { IDC_NET_DNS1, WC_IPADDRESS, "", kIp, 160, 162, 153, 12 },
    { IDC_NET_DNS2_LABEL, WC_STATIC, "DNS#2", kChild, 50, 177, 87, 12 },
    { IDC_NET_DNS2, WC_IPADDRESS, "", kIp, 160, 175, 153, 12 },
    { IDC_NET_DNS3_LABEL, WC_STATIC, "DNS#3", kChild, 50, 190, 87, 12 },
    { IDC_NET_DNS3, WC_IPADDRESS, "", kIp, 160, 188, 153, 12 },
    { IDC_NET_REG_BOX, WC_BUTTON, "ZPT", kGroup, 10, 207, 340, 54 },
    { IDC_NET_REG_INTERVAL_LABEL, WC_STATIC, "Registration Interval", kChild, 50, 220, 87, 12 },
    { IDC_NET_REG_LIST, WC_COMBOBOX, "", kDropList, 160, 217, 67, 12 },
    { IDC_NET_REG_INTERVAL, WC_EDIT, "", kNumber, 160, 217, 53, 12 },
    { IDC_NET_REG_SPIN, UPDOWN_CLASS, "", kChild, 213, 217, 10, 12 },
    { IDC_NET_REG_SEC, WC_STATIC, "(sec)", kChild, 228, 220, 30, 12 },
    { IDC_NET_REG_SERVER_LABEL, WC_STATIC, "Registration Server", kChild, 50, 233, 87, 12 },
    { IDC_NET_REG_SERVER, WC_EDIT, "", kEdit, 160, 231, 153, 12 },
    { IDC_NET_GROUP_ID_LABEL, WC_STATIC, "Group ID", kChild, 50, 246, 87, 12 },
    { IDC_NET_GROUP_ID, WC_EDIT, "", kEdit, 160, 244, 153, 12 },
    { IDC_NET_PORT_BOX, WC_BUTTON, "Port Assignment", kGroup, 10, 264, 340, 31 },
    { IDC_NET_PORT_NORMAL, WC_BUTTON, "Normal", kRadio | WS_GROUP, 50, 276, 60, 12 },
    { IDC_NET_PORT_FIREWALL, WC_BUTTON, "Firewall", kRadio, 137, 276, 60, 12 },
    { IDC_NET_PORT_ADVANCED, WC_BUTTON, "Advanced", kButton, 223, 274, 90, 15 },
    { IDC_NET_FIRST_PORT_LABEL, WC_STATIC, "Playback", kChild, 50, 277, 60, 12 },
    { IDC_NET_FIRST_PORT, WC_EDIT, "", kNumber, 120, 276, 33, 12 },
    { IDC_NET_SECOND_PORT_LABEL, WC_STATIC, "Monitor", kChild, 163, 277, 40, 12 },
    { IDC_NET_SECOND_PORT, WC_EDIT, "", kNumber, 200, 276, 33, 12 },
    { IDC_PORT_DEFAULT, WC_BUTTON, "Default", kButton, 247, 274, 67, 15 },
    { IDC_PAGE_OK, WC_BUTTON, "OK", kButton, 203, 305, 47, 15 },
    { IDC_PAGE_CANCEL, WC_BUTTON, "Cancel", kButton, 253, 305, 47, 15 },
    { IDC_PAGE_APPLY, WC_BUTTON, "Apply", kButton, 303, 305, 47, 15 },
};

// The camera network page: DHCP, xDSL and the interval edit stay hidden.
const DialogControl kNetwork2[] = {
    { IDC_NET_ETHERNET_BOX, WC_BUTTON, "Ethernet", kGroup, 10, 9, 340, 54 },
    { IDC_NET_ADDRESS_LABEL, WC_STATIC, "IP Address", kChild, 50, 22, 87, 12 },
    { IDC_NET_ADDRESS, WC_IPADDRESS, "", kIp, 160, 20, 153, 12 },
    { IDC_NET_MASK_LABEL, WC_STATIC, "Network Mask", kChild, 50, 35, 87, 12 },
    { IDC_NET_MASK, WC_IPADDRESS, "", kIp, 160, 33, 153, 12 },
    { IDC_NET_GATEWAY_LABEL, WC_STATIC, "Gateway Address", kChild, 50, 48, 87, 12 },
    { IDC_NET_GATEWAY, WC_IPADDRESS, "", kIp, 160, 46, 153, 12 },
    { IDC_NET_DHCP, WC_BUTTON, "DHCP Enable", WS_CHILD | WS_DISABLED | BS_AUTOCHECKBOX, 50, 61, 87, 12 },
    { IDC_NET_XDSL, WC_BUTTON, "xDSL (PPPoE)", WS_CHILD | WS_DISABLED | BS_AUTOCHECKBOX, 50, 61, 87, 12 },
    { IDC_NET_XDSL_USER, WC_EDIT, "", WS_CHILD | WS_DISABLED | WS_BORDER, 160, 61, 53, 12 },
    { IDC_NET_XDSL_PASSWORD, WC_EDIT, "", WS_CHILD | WS_DISABLED | WS_BORDER, 160, 61, 53, 12 },
    { IDC_NET_DNS_BOX, WC_BUTTON, "DNS", kGroup, 10, 66, 340, 54 },
    { IDC_NET_DNS1_LABEL, WC_STATIC, "DNS#1", kChild, 50, 78, 87, 12 },
    { IDC_NET_DNS1, WC_IPADDRESS, "", kIp, 160, 76, 153, 12 },
    { IDC_NET_DNS2_LABEL, WC_STATIC, "DNS#2", kChild, 50, 91, 87, 12 },
    { IDC_NET_DNS2, WC_IPADDRESS, "", kIp, 160, 89, 153, 12 },
    { IDC_NET_DNS3_LABEL, WC_STATIC, "DNS#3", kChild, 50, 104, 87, 12 },
    { IDC_NET_DNS3, WC_IPADDRESS, "", kIp, 160, 102, 153, 12 },
    { IDC_NET_REG_BOX, WC_BUTTON, "ZPT", kGroup, 10, 123, 340, 54 },
    { IDC_NET_REG_INTERVAL_LABEL, WC_STATIC, "Registration Interval", kChild, 50, 135, 87, 12 },
    { IDC_NET_REG_LIST, WC_COMBOBOX, "", kDropList, 160, 132, 67, 12 },
    { IDC_NET_REG_INTERVAL, WC_EDIT, "", WS_CHILD | WS_DISABLED | WS_BORDER, 160, 132, 53, 12 },
    { IDC_NET_REG_SERVER_LABEL, WC_STATIC, "Registration Server", kChild, 50, 148, 87, 12 },
    { IDC_NET_REG_SERVER, WC_EDIT, "", kEdit, 160, 146, 153, 12 },
    { IDC_NET_GROUP_ID_LABEL, WC_STATIC, "Group ID", kChild, 50, 161, 87, 12 },
    { IDC_NET_GROUP_ID, WC_EDIT, "", kEdit, 160, 159, 153, 12 },
    { IDC_NET_PORT_BOX, WC_BUTTON, "Port Assignment", kGroup, 10, 180, 340, 43 },
    { IDC_NET_SECOND_PORT_LABEL, WC_STATIC, "Monitor", kChild, 50, 193, 93, 12 },
    { IDC_NET_SECOND_PORT, WC_EDIT, "", kNumber, 160, 191, 67, 12 },
    { IDC_NET_FIRST_PORT_LABEL, WC_STATIC, "Playback", kChild, 50, 206, 93, 12 },
    { IDC_NET_FIRST_PORT, WC_EDIT, "", kNumber, 160, 204, 67, 12 },
    { IDC_PORT_DEFAULT, WC_BUTTON, "Default", kButton, 247, 196, 67, 15 },
    { IDC_PAGE_OK, WC_BUTTON, "OK", kButton, 203, 305, 47, 15 },
    { IDC_PAGE_CANCEL, WC_BUTTON, "Cancel", kButton, 253, 305, 47, 15 },
    { IDC_PAGE_APPLY, WC_BUTTON, "Apply", kButton, 303, 305, 47, 15 },
};

const DialogTemplate kTemplates[] = {
    { IDD_PAGE3_NETWORK, "Network", kPage, 0, 0, 360, 400, kNetwork },
    { IDD_PAGE3_NETWORK2, "Network", kPage, 0, 0, 360, 400, kNetwork2 },
};

} // namespace

const std::span<const DialogTemplate> kPage3NetworkTemplates = kTemplates;
