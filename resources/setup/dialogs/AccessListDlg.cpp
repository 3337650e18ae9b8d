// The access list: per content, "Public" and the users granted.
#include "resources/setup/dialogs/DialogParts.h"

namespace
{

constexpr uint32_t kUserList = kChild | WS_BORDER | WS_VSCROLL | WS_TABSTOP | LBS_NOTIFY | LBS_EXTENDEDSEL;

const DialogControl kAccessList[] = {
    { IDC_STATIC, WC_STATIC, "Content", kChild, 10, 10, 40, 9 },
    { IDC_ACCESS_CONTENT, WC_COMBOBOX, "", kDropList, 50, 8, 120, 80 },
    { IDC_ACCESS_PUBLIC, WC_BUTTON, "Public", kCheckBox, 180, 9, 50, 10 },
    { IDC_STATIC, WC_STATIC, "Registered User", kChild, 10, 26, 80, 9 },
    { IDC_ACCESS_REGISTERED, WC_LISTBOX, "", kUserList | LBS_SORT, 10, 37, 90, 80 },
    { IDC_ACCESS_ADD, WC_BUTTON, "Add >>", kButton, 108, 40, 56, 14 },
    { IDC_ACCESS_ADD_ALL, WC_BUTTON, "Add All", kButton, 108, 58, 56, 14 },
    { IDC_ACCESS_REMOVE, WC_BUTTON, "<< Remove", kButton, 108, 80, 56, 14 },
    { IDC_ACCESS_REMOVE_ALL, WC_BUTTON, "Remove All", kButton, 108, 98, 56, 14 },
    { IDC_STATIC, WC_STATIC, "Granted User", kChild, 172, 26, 80, 9 },
    { IDC_ACCESS_GRANTED, WC_LISTBOX, "", kUserList, 172, 37, 90, 80 },
    { IDC_ACCESS_ALL_PUBLIC, WC_BUTTON, "All content to public setting", kButton, 10, 124, 130, 14 },
    { IDOK, WC_BUTTON, "OK", kOk, 150, 124, 54, 14 },
    { IDCANCEL, WC_BUTTON, "Cancel", kButton, 208, 124, 54, 14 },
};

const DialogTemplate kTemplates[] = {
    { IDD_ACCESS_LIST, "Access List", kModal, 0, 0, 272, 146, kAccessList },
};

} // namespace

const std::span<const DialogTemplate> kAccessListDlgTemplates = kTemplates;
