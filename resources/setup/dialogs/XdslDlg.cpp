// The connectivity page's xDSL pane.
#include "resources/setup/dialogs/DialogParts.h"

namespace
{

const DialogControl kXdsl[] = {
    { IDC_NET_XDSL_USER_LABEL, WC_STATIC, "User ID", kChild, 4, 8, 63, 8 },
    { IDC_NET_XDSL_USER, WC_EDIT, "", kEdit, 79, 6, 116, 12 },
    { IDC_NET_XDSL_PASSWORD_LABEL, WC_STATIC, "Password", kChild, 4, 27, 63, 8 },
    { IDC_NET_XDSL_PASSWORD, WC_EDIT, "", kEdit | ES_PASSWORD, 79, 25, 116, 12 },
    { IDC_NET_XDSL_STATUS, WC_STATIC, "xDSL Server Status : Not activated.", kChild, 4, 48, 231, 8 },
};

const DialogTemplate kTemplates[] = {
    { IDD_XDSL, "", WS_CHILD, 0, 0, 325, 246, kXdsl },
};

} // namespace

const std::span<const DialogTemplate> kXdslDlgTemplates = kTemplates;
