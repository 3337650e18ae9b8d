// The network page's ports outside firewall mode: two, or three on a recorder.
#include "resources/setup/dialogs/DialogParts.h"

namespace
{

// The network page's port dialogs; the labels of 1217 and 1216 follow the
// device family when the dialog starts.
const DialogControl kNormalPort[] = {
    { IDC_MONITOR_PORT_LABEL, WC_STATIC, "Monitor Port", kChild, 7, 9, 60, 8 },
    { IDC_NORMAL_MONITOR_PORT, WC_EDIT, "", kPortEdit, 70, 7, 60, 14 },
    { IDC_PLAYBACK_PORT_LABEL, WC_STATIC, "Playback Port", kChild, 7, 27, 60, 8 },
    { IDC_NORMAL_PLAYBACK_PORT, WC_EDIT, "", kPortEdit, 70, 25, 60, 14 },
    { IDC_PORT_DEFAULT, WC_BUTTON, "Default", kButton, 137, 7, 50, 14 },
    { IDOK, WC_BUTTON, "OK", kOk, 82, 46, 50, 14 },
    { IDCANCEL, WC_BUTTON, "Cancel", kButton, 137, 46, 50, 14 },
};

const DialogControl kNormalPortEx[] = {
    { IDC_MONITOR_PORT_LABEL, WC_STATIC, "Monitor Port", kChild, 7, 9, 60, 8 },
    { IDC_NORMAL_MONITOR_PORT, WC_EDIT, "", kPortEdit, 70, 7, 60, 14 },
    { IDC_PLAYBACK_PORT_LABEL, WC_STATIC, "Playback Port", kChild, 7, 27, 60, 8 },
    { IDC_NORMAL_PLAYBACK_PORT, WC_EDIT, "", kPortEdit, 70, 25, 60, 14 },
    { IDC_STATIC, WC_STATIC, "Transparent Port", kChild, 7, 45, 60, 8 },
    { IDC_TRANSPARENT_PORT, WC_EDIT, "", kPortEdit, 70, 43, 60, 14 },
    { IDC_PORT_DEFAULT, WC_BUTTON, "Default", kButton, 137, 7, 50, 14 },
    { IDOK, WC_BUTTON, "OK", kOk, 82, 64, 50, 14 },
    { IDCANCEL, WC_BUTTON, "Cancel", kButton, 137, 64, 50, 14 },
};

const DialogTemplate kTemplates[] = {
    { IDD_NORMAL_PORT, "Normal", kModal, 0, 0, 194, 66, kNormalPort },
    { IDD_NORMAL_PORT_EX, "Normal", kModal, 0, 0, 194, 84, kNormalPortEx },
};

} // namespace

const std::span<const DialogTemplate> kNormalPortDlgTemplates = kTemplates;
