// A device's new address, and the wait while it changes.
#include "resources/setup/dialogs/DialogParts.h"

namespace
{

const DialogControl kIpAddress[] = {
    { IDC_STATIC, WC_STATIC, "IP Address", kChild, 7, 9, 45, 8 },
    { IDC_IP_ADDRESS, WC_EDIT, "", kEdit, 55, 7, 100, 14 },
    { IDC_STATIC, WC_STATIC, "Password", kChild, 7, 27, 45, 8 },
    { IDC_IP_SECOND_TEXT, WC_EDIT, "", kEdit | ES_PASSWORD, 55, 25, 100, 14 },
    { IDOK, WC_BUTTON, "OK", kOk, 50, 46, 50, 14 },
    { IDCANCEL, WC_BUTTON, "Cancel", kButton, 105, 46, 50, 14 },
};

const DialogControl kIpChangeWait[] = {
    { IDC_WAIT_MESSAGE, WC_STATIC, "IP Address is being changed.", kChild | SS_CENTER, 0, 4, 240, 8 },
    { IDOK, WC_BUTTON, "OK", WS_CHILD | WS_DISABLED, 0, 0, 6, 6 },
    { IDCANCEL, WC_BUTTON, "Cancel", WS_CHILD | WS_DISABLED, 6, 0, 6, 6 },
};

const DialogTemplate kTemplates[] = {
    { IDD_IP_CHANGE_WAIT, "", WS_POPUP | WS_BORDER, 0, 0, 240, 16, kIpChangeWait },
    { IDD_IP_ADDRESS, "IP Address", kModal, 0, 0, 162, 66, kIpAddress },
};

} // namespace

const std::span<const DialogTemplate> kIpAddressDlgTemplates = kTemplates;
