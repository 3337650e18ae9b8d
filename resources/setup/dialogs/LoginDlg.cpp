// The program's own login and the change of its password.
#include "resources/setup/dialogs/DialogParts.h"

namespace
{

constexpr uint32_t kPassword = kEdit | ES_PASSWORD;

const DialogControl kLogin[] = {
    { IDC_STATIC, WC_STATIC, "Password", kChild, 7, 10, 40, 8 },
    { IDC_LOGIN_PASSWORD, WC_EDIT, "", kPassword, 50, 8, 100, 14 },
    { IDOK, WC_BUTTON, "OK", kOk, 7, 30, 45, 14 },
    { IDCANCEL, WC_BUTTON, "Cancel", kButton, 56, 30, 45, 14 },
    { IDC_LOGIN_CHANGE_PASSWORD, WC_BUTTON, "Change", kButton, 105, 30, 45, 14 },
};

const DialogControl kChangePassword[] = {
    { IDC_STATIC, WC_STATIC, "Old Password", kChild, 7, 10, 60, 8 },
    { IDC_LOGIN_OLD_PASSWORD, WC_EDIT, "", kPassword, 70, 8, 90, 14 },
    { IDC_STATIC, WC_STATIC, "New Password", kChild, 7, 28, 60, 8 },
    { IDC_LOGIN_NEW_PASSWORD, WC_EDIT, "", kPassword, 70, 26, 90, 14 },
    { IDC_STATIC, WC_STATIC, "Confirm", kChild, 7, 46, 60, 8 },
    { IDC_LOGIN_CONFIRM_PASSWORD, WC_EDIT, "", kPassword, 70, 44, 90, 14 },
    { IDOK, WC_BUTTON, "OK", kOk, 60, 64, 48, 14 },
    { IDCANCEL, WC_BUTTON, "Cancel", kButton, 112, 64, 48, 14 },
};

const DialogTemplate kTemplates[] = {
    { IDD_LOGIN, "Login", kModal, 0, 0, 157, 50, kLogin },
    { IDD_CHANGE_PASSWORD, "Change Password", kModal, 0, 0, 167, 84, kChangePassword },
};

} // namespace

const std::span<const DialogTemplate> kLoginDlgTemplates = kTemplates;
