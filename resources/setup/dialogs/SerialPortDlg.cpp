// The serial port pane: one port's device, baud rate, parity, stop and data
// bits. The pane places its lists at fixed pixels when it starts.
#include "resources/setup/dialogs/DialogParts.h"

namespace
{

constexpr uint32_t kList = kChild | WS_TABSTOP | WS_VSCROLL | CBS_DROPDOWNLIST;

const DialogControl kSerialPort[] = {
    { IDC_STATIC, WC_STATIC, "Device", kChild, 3, 4, 49, 8 },
    { IDC_SERIAL_DEVICE, WC_COMBOBOX, "", kList, 53, 2, 157, 80 },
    { IDC_STATIC, WC_STATIC, "Baud rate", kChild, 3, 23, 49, 8 },
    { IDC_SERIAL_BAUD, WC_COMBOBOX, "", kList, 54, 21, 45, 80 },
    { IDC_STATIC, WC_STATIC, "Parity bit", kChild, 115, 23, 49, 8 },
    { IDC_SERIAL_PARITY, WC_COMBOBOX, "", kList, 166, 21, 45, 60 },
    { IDC_STATIC, WC_STATIC, "Stop bit", kChild, 3, 42, 49, 8 },
    { IDC_SERIAL_STOP_BITS, WC_COMBOBOX, "", kList, 54, 40, 45, 40 },
    { IDC_STATIC, WC_STATIC, "Data bit", kChild, 115, 42, 49, 8 },
    { IDC_SERIAL_DATA_BITS, WC_COMBOBOX, "", kList, 166, 40, 45, 40 },
};

const DialogTemplate kTemplates[] = {
    { IDD_SERIAL_PORT, "", kPane, 0, 0, 325, 246, kSerialPort },
};

} // namespace

const std::span<const DialogTemplate> kSerialPortDlgTemplates = kTemplates;
