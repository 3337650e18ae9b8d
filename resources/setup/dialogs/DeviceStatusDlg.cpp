// The device's status report.
#include "resources/setup/dialogs/DialogParts.h"

namespace
{

const DialogControl kDeviceStatus[] = {
    { IDC_DEVICE_STATUS_TEXT, WC_EDIT, "",
        kChild | WS_BORDER | WS_VSCROLL | WS_TABSTOP | ES_MULTILINE | ES_READONLY | ES_AUTOVSCROLL, 7, 7, 286,
        150 },
    { IDC_DEVICE_STATUS_REFRESH, WC_BUTTON, "Refresh", kButton, 170, 163, 58, 14 },
    { IDCANCEL, WC_BUTTON, "Close", kOk, 235, 163, 58, 14 },
};

const DialogTemplate kTemplates[] = {
    { IDD_DEVICE_STATUS, "Status", kModal, 0, 0, 300, 184, kDeviceStatus },
};

} // namespace

const std::span<const DialogTemplate> kDeviceStatusDlgTemplates = kTemplates;
