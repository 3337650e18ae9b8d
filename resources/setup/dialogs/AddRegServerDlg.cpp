// Add ZPT: a registration server of the device tree.
#include "resources/setup/dialogs/DialogParts.h"

namespace
{

const DialogControl kAddRegServer[] = {
    { IDC_STATIC, WC_STATIC, "Registration Server", kChild, 7, 9, 72, 8 },
    { IDC_REG_SERVER, WC_EDIT, "", kEdit, 80, 7, 117, 14 },
    { IDC_STATIC, WC_STATIC, "ID", WS_CHILD | WS_DISABLED, 7, 27, 70, 8 },
    { IDC_REG_ID, WC_EDIT, "", WS_CHILD | WS_DISABLED | WS_BORDER | ES_AUTOHSCROLL, 80, 25, 117, 14 },
    { IDC_STATIC, WC_STATIC, "Password", WS_CHILD | WS_DISABLED, 7, 45, 70, 8 },
    { IDC_REG_PASSWORD, WC_EDIT, "", WS_CHILD | WS_DISABLED | WS_BORDER | ES_AUTOHSCROLL | ES_PASSWORD, 80,
        43, 117, 14 },
    { IDOK, WC_BUTTON, "OK", kOk, 92, 28, 50, 14 },
    { IDCANCEL, WC_BUTTON, "Cancel", kButton, 147, 28, 50, 14 },
};

const DialogTemplate kTemplates[] = {
    { IDD_ADD_REG_SERVER, "Add ZPT", kModal, 0, 0, 204, 48, kAddRegServer },
};

} // namespace

const std::span<const DialogTemplate> kAddRegServerDlgTemplates = kTemplates;
