// The connectivity page's dial-out pane; the script grid is made by the pane.
#include "resources/setup/dialogs/DialogParts.h"

#include "platform/ui/IpAddressCtrl.h"
#include "platform/ui/SpinButtonCtrl.h"

namespace
{

constexpr uint32_t kList = kButton | CBS_DROPDOWNLIST | WS_VSCROLL;

const DialogControl kDialUp[] = {
    { IDC_NET_XDSL_USER_LABEL, WC_STATIC, "User ID", kChild, 5, 5, 75, 8 },
    { IDC_NET_XDSL_USER, WC_EDIT, "", kEdit, 86, 3, 116, 12 },
    { IDC_NET_XDSL_PASSWORD_LABEL, WC_STATIC, "Password", kChild, 5, 20, 75, 8 },
    { IDC_NET_XDSL_PASSWORD, WC_EDIT, "", kEdit | ES_PASSWORD, 86, 18, 116, 12 },
    { IDC_STATIC, WC_STATIC, "Assigned IP", kChild, 5, 35, 75, 8 },
    { IDC_DIAL_ADDRESS, WC_IPADDRESS, "", kChild | WS_TABSTOP, 86, 33, 116, 12 },
    { IDC_STATIC, WC_STATIC, "Connect Number", kChild, 5, 50, 75, 8 },
    { IDC_DIAL_NUMBER, WC_EDIT, "", kEdit, 86, 48, 116, 12 },
    { IDC_STATIC, WC_STATIC, "Dial Prefix", kChild, 5, 65, 75, 8 },
    { IDC_DIAL_PREFIX, WC_COMBOBOX, "", kList, 86, 63, 50, 12 },
    { IDC_STATIC, WC_STATIC, "Disconnect Time(sec)", kChild, 5, 80, 80, 8 },
    { IDC_DIAL_DISCONNECT, WC_EDIT, "", kEdit | ES_NUMBER, 86, 78, 40, 12 },
    { IDC_DIAL_SPIN, UPDOWN_CLASS, "", kChild, 126, 78, 10, 12 },
    { IDC_STATIC, WC_STATIC, "Connection Script", kChild, 5, 95, 75, 8 },
    { IDC_DIAL_SCRIPT, WC_COMBOBOX, "", kList, 86, 93, 50, 12 },
    { IDC_STATIC, WC_STATIC, "Script List", kChild, 5, 130, 75, 8 },
};

const DialogTemplate kTemplates[] = {
    { IDD_DIALUP_SETUP, "", WS_CHILD, 0, 0, 325, 260, kDialUp },
};

} // namespace

const std::span<const DialogTemplate> kDialUpSetupDlgTemplates = kTemplates;
