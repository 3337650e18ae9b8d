// Asks for a device password.
#include "resources/setup/dialogs/DialogParts.h"

namespace
{

const DialogControl kPasswordInput[] = {
    { IDC_STATIC, WC_STATIC, "Password", kChild, 7, 9, 40, 8 },
    { IDC_PASSWORD_INPUT, WC_EDIT, "", kEdit | ES_PASSWORD, 50, 7, 110, 14 },
    { IDC_PASSWORD_SAVE, WC_BUTTON, "Save password", kChild | WS_TABSTOP | BS_AUTOCHECKBOX, 50, 25, 90, 10 },
    { IDOK, WC_BUTTON, "OK", kOk, 55, 42, 50, 14 },
    { IDCANCEL, WC_BUTTON, "Cancel", kButton, 110, 42, 50, 14 },
};

const DialogTemplate kTemplates[] = {
    { IDD_PASSWORD_INPUT, "Input password", kModal, 0, 0, 168, 62, kPasswordInput },
};

} // namespace

const std::span<const DialogTemplate> kPasswordInputDlgTemplates = kTemplates;
