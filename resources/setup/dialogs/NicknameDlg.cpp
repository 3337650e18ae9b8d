// A device's nickname and location.
#include "resources/setup/dialogs/DialogParts.h"

namespace
{

const DialogControl kNickname[] = {
    { IDC_STATIC, WC_STATIC, "Nickname", kChild, 7, 10, 40, 8 },
    { IDC_NICKNAME, WC_EDIT, "", kEdit, 50, 8, 120, 14 },
    { IDC_STATIC, WC_STATIC, "Location", kChild, 7, 28, 40, 8 },
    { IDC_NICKNAME_LOCATION, WC_EDIT, "", kEdit, 50, 26, 120, 14 },
    { IDOK, WC_BUTTON, "OK", kOk, 68, 46, 50, 14 },
    { IDCANCEL, WC_BUTTON, "Cancel", kButton, 121, 46, 50, 14 },
};

const DialogTemplate kTemplates[] = {
    { IDD_NICKNAME, "Setting Nickname, Location", kModal, 0, 0, 178, 66, kNickname },
};

} // namespace

const std::span<const DialogTemplate> kNicknameDlgTemplates = kTemplates;
