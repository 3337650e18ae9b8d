// Add New DVR from the devices a broadcast found.
#include "resources/setup/dialogs/DialogParts.h"

#include "platform/ui/ListCtrl.h"

namespace
{

// Add New DVR from the devices a broadcast found.
const DialogControl kAddDvrAuto[] = {
    { IDC_DETECT_LIST, WC_LISTVIEW, "", kChild | WS_BORDER | WS_TABSTOP | LVS_REPORT, 7, 7, 250, 90 },
    { IDC_AUTO_DETECT, WC_BUTTON, "Auto-detect", kButton, 207, 101, 50, 14 },
    { IDC_STATIC, WC_STATIC, "DVR Name", kChild, 7, 122, 50, 8 },
    { IDC_AUTO_NAME, WC_EDIT, "", kEdit, 60, 120, 120, 14 },
    { IDC_STATIC, WC_STATIC, "DVR Address", kChild, 7, 140, 50, 8 },
    { IDC_AUTO_ADDRESS, WC_EDIT, "", kEdit, 60, 138, 120, 14 },
    { IDC_STATIC, WC_BUTTON, "Access", kChild | BS_GROUPBOX, 7, 156, 250, 44 },
    { IDC_ACCESS_ETHERNET, WC_BUTTON, "Ethernet", kButton | WS_GROUP | BS_AUTORADIOBUTTON, 14, 168, 50, 10 },
    { IDC_ACCESS_DIAL, WC_BUTTON, "Dial", kChild | BS_AUTORADIOBUTTON, 70, 168, 50, 10 },
    { IDC_STATIC, WC_STATIC, "Phone Number", kChild, 14, 184, 56, 8 },
    { IDC_AUTO_PHONE, WC_EDIT, "", kEdit | WS_GROUP | WS_DISABLED, 70, 182, 120, 14 },
    { IDOK, WC_BUTTON, "OK", kOk, 152, 206, 50, 14 },
    { IDCANCEL, WC_BUTTON, "Cancel", kButton, 207, 206, 50, 14 },
};

const DialogTemplate kTemplates[] = {
    { IDD_ADD_DVR_AUTO, "Add New DVR", kModal, 0, 0, 264, 226, kAddDvrAuto },
};

} // namespace

const std::span<const DialogTemplate> kAddDvrAutoDlgTemplates = kTemplates;
