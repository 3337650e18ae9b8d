// Add Group ID: a group under a registration server.
#include "resources/setup/dialogs/DialogParts.h"

namespace
{

const DialogControl kAddGroupId[] = {
    { IDC_STATIC, WC_STATIC, "Group ID", kChild, 7, 9, 40, 8 },
    { IDC_GROUP_ID, WC_EDIT, "", kEdit, 50, 7, 117, 14 },
    { IDOK, WC_BUTTON, "OK", kOk, 62, 28, 50, 14 },
    { IDCANCEL, WC_BUTTON, "Cancel", kButton, 117, 28, 50, 14 },
};

const DialogTemplate kTemplates[] = {
    { IDD_ADD_GROUP_ID, "Add Group ID", kModal, 0, 0, 174, 48, kAddGroupId },
};

} // namespace

const std::span<const DialogTemplate> kAddGroupIdDlgTemplates = kTemplates;
