// Add New DVR: probe an address and add the device that answers.
#include "resources/setup/dialogs/DialogParts.h"

namespace
{

const DialogControl kAddDvr[] = {
    { IDC_STATIC, WC_STATIC, "DVR Address", kChild, 7, 9, 48, 8 },
    { IDC_DVR_ADDRESS, WC_EDIT, "", kEdit, 55, 7, 120, 14 },
    { IDC_START_PROBE, WC_BUTTON, "Start Probe", kButton, 180, 7, 55, 14 },
    { IDC_PROBE_STATUS, WC_EDIT, "", kChild | WS_BORDER | WS_VSCROLL | ES_MULTILINE | ES_READONLY, 7, 26, 228,
        60 },
    { IDC_STATIC, WC_BUTTON, "Port Assignment", kChild | BS_GROUPBOX, 7, 90, 228, 28 },
    { IDC_DVR_MODE_NORMAL, WC_BUTTON, "Normal", kButton | WS_GROUP | BS_AUTORADIOBUTTON, 14, 102, 50, 10 },
    { IDC_DVR_MODE_FIREWALL, WC_BUTTON, "Firewall", kChild | BS_AUTORADIOBUTTON, 70, 102, 50, 10 },
    { IDC_DVR_ADVANCED, WC_BUTTON, "Advanced", kButton | WS_GROUP, 180, 100, 50, 14 },
    { IDOK, WC_BUTTON, "Add", kOk, 130, 124, 50, 14 },
    { IDCANCEL, WC_BUTTON, "Cancel", kButton, 185, 124, 50, 14 },
};

const DialogTemplate kTemplates[] = {
    { IDD_ADD_DVR, "Add New DVR", kModal, 0, 0, 242, 145, kAddDvr },
};

} // namespace

const std::span<const DialogTemplate> kAddDvrDlgTemplates = kTemplates;
