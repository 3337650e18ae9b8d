// The device tree's New Folder dialog.
#include "resources/setup/dialogs/DialogParts.h"

namespace
{

const DialogControl kNewFolder[] = {
    { IDC_STATIC, WC_STATIC, "Folder Name", kChild, 7, 9, 50, 8 },
    { IDC_FOLDER_NAME, WC_EDIT, "", kEdit, 60, 7, 117, 14 },
    { IDOK, WC_BUTTON, "OK", kOk, 72, 28, 50, 14 },
    { IDCANCEL, WC_BUTTON, "Cancel", kButton, 127, 28, 50, 14 },
};

const DialogTemplate kTemplates[] = {
    { IDD_NEW_FOLDER, "New Folder", kModal, 0, 0, 184, 48, kNewFolder },
};

} // namespace

const std::span<const DialogTemplate> kNewFolderDlgTemplates = kTemplates;
