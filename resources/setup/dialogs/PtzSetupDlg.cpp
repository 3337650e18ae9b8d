// The PTZ set-up dialog of a channel: the camera model and its serial line.
#include "resources/setup/dialogs/DialogParts.h"

namespace
{

constexpr uint32_t kList = kChild | WS_TABSTOP | WS_VSCROLL | CBS_DROPDOWNLIST;

const DialogControl kPtzSetup[] = {
    { -1, WC_STATIC, "Model", kChild, 10, 12, 50, 8 },
    { IDC_PTZ_MODEL, WC_COMBOBOX, "", kList | WS_GROUP, 65, 10, 110, 12 },
    { -1, WC_STATIC, "Interface", kChild, 10, 30, 50, 8 },
    { IDC_PTZ_INTERFACE, WC_COMBOBOX, "", kList, 65, 28, 110, 12 },
    { -1, WC_STATIC, "Baud rate", kChild, 10, 48, 50, 8 },
    { IDC_PTZ_BAUD_RATE, WC_COMBOBOX, "", kList, 65, 46, 110, 12 },
    { -1, WC_STATIC, "Data bit", kChild, 10, 66, 50, 8 },
    { IDC_PTZ_DATA_BITS, WC_COMBOBOX, "", kList, 65, 64, 110, 12 },
    { -1, WC_STATIC, "Parity bit", kChild, 10, 84, 50, 8 },
    { IDC_PTZ_PARITY, WC_COMBOBOX, "", kList, 65, 82, 110, 12 },
    { -1, WC_STATIC, "Stop bit", kChild, 10, 102, 50, 8 },
    { IDC_PTZ_STOP_BITS, WC_COMBOBOX, "", kList, 65, 100, 110, 12 },
    { -1, WC_STATIC, "Address", kChild, 10, 120, 50, 8 },
    { IDC_PTZ_ADDRESS, WC_EDIT, "", kEdit | ES_NUMBER, 65, 118, 110, 12 },
    { IDOK, WC_BUTTON, "OK", kOk | WS_GROUP, 40, 142, 50, 14 },
    { IDCANCEL, WC_BUTTON, "Cancel", kButton, 100, 142, 50, 14 },
};

const DialogTemplate kTemplates[] = {
    { IDD_PTZ_SETUP, "PTZ", kModal, 0, 0, 186, 164, kPtzSetup },
};

} // namespace

const std::span<const DialogTemplate> kPtzSetupDlgTemplates = kTemplates;
