// The NTP pane of the newer cameras' system page.
#include "resources/setup/dialogs/DialogParts.h"

#include "platform/ui/IpAddressCtrl.h"

namespace
{

constexpr uint32_t kList = kChild | WS_TABSTOP | CBS_DROPDOWNLIST | WS_VSCROLL;

const DialogControl kNtpIpType[] = {
    { IDC_NTP_GROUP, WC_BUTTON, "NTP Settings", kChild | BS_GROUPBOX, 0, 0, 341, 54 },
    { IDC_STATIC, WC_STATIC, "NTP Mode", kChild, 8, 15, 45, 8 },
    { IDC_NTP_MODE, WC_COMBOBOX, "", kList, 55, 13, 80, 60 },
    { IDC_STATIC, WC_STATIC, "IP Type", kChild, 150, 15, 40, 8 },
    { IDC_NTP_LOCATION, WC_COMBOBOX, "", kList, 192, 13, 80, 60 },
    { IDC_STATIC, WC_STATIC, "Interval", kChild, 8, 34, 45, 8 },
    { IDC_NTP_INTERVAL_LIST, WC_COMBOBOX, "", kList, 55, 32, 80, 80 },
    { IDC_STATIC, WC_STATIC, "Local IP", kChild, 150, 34, 40, 8 },
    { IDC_NTP_ADDRESS, WC_IPADDRESS, "", kEdit, 192, 32, 90, 13 },
};

const DialogTemplate kTemplates[] = {
    { IDD_NTP_IP_TYPE, "", WS_CHILD, 0, 0, 353, 62, kNtpIpType },
};

} // namespace

const std::span<const DialogTemplate> kNtpIpTypeDlgTemplates = kTemplates;
