// The connectivity page's registration pane.
#include "resources/setup/dialogs/DialogParts.h"

#include "platform/ui/SpinButtonCtrl.h"

namespace
{

const DialogControl kRegServer[] = {
    { IDC_NET_REG_INTERVAL_LABEL, WC_STATIC, "Registration Interval", kChild, 3, 6, 75, 8 },
    { IDC_NET_REG_INTERVAL, WC_EDIT, "", kEdit | ES_NUMBER, 78, 3, 30, 14 },
    { IDC_NET_REG_SPIN, UPDOWN_CLASS, "", kChild, 107, 3, 11, 14 },
    { IDC_NET_REG_SEC, WC_STATIC, "(sec)", kChild, 122, 6, 30, 8 },
    { IDC_NET_REG_SERVER_LABEL, WC_STATIC, "Registration Server", kChild, 3, 25, 75, 8 },
    { IDC_NET_REG_SERVER, WC_EDIT, "", kEdit, 78, 23, 116, 12 },
    { IDC_NET_GROUP_ID_LABEL, WC_STATIC, "Group ID", kChild, 3, 44, 68, 8 },
    { IDC_NET_GROUP_ID, WC_EDIT, "", kEdit, 78, 41, 116, 12 },
    { IDC_NET_XDSL_STATUS, WC_STATIC, "Registration Status : Not registered.", kChild, 3, 63, 231, 8 },
};

const DialogTemplate kTemplates[] = {
    { IDD_REG_SERVER, "", WS_CHILD, 0, 0, 325, 246, kRegServer },
};

} // namespace

const std::span<const DialogTemplate> kRegServerDlgTemplates = kTemplates;
