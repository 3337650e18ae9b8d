// The in- and outputs pane: two groups around the grids the pane makes, and
// the relay dwell time.
#include "resources/setup/dialogs/DialogParts.h"

namespace
{

const DialogControl kRelayDwell[] = {
    { IDC_STATIC, WC_BUTTON, "Input", kChild | BS_GROUPBOX, 7, 5, 318, 48 },
    { IDC_STATIC, WC_BUTTON, "Output", kChild | BS_GROUPBOX, 7, 57, 318, 48 },
    { IDC_STATIC, WC_STATIC, "Relay dwell time", kChild, 13, 117, 70, 8 },
    { IDC_RELAY_DWELL, WC_COMBOBOX, "", kChild | WS_TABSTOP | WS_VSCROLL | CBS_DROPDOWNLIST, 87, 115, 60,
        120 },
};

const DialogTemplate kTemplates[] = {
    { IDD_RELAY_DWELL, "", kPane, 0, 0, 325, 246, kRelayDwell },
};

} // namespace

const std::span<const DialogTemplate> kRelayDwellDlgTemplates = kTemplates;
