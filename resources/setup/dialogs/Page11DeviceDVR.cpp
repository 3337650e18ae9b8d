// The recorder's "Device" page: the inputs and outputs line, and a frame
// around the audio and text panes and the serial-port grid, which the page
// makes and places.
#include "resources/setup/dialogs/DialogParts.h"

namespace
{

constexpr uint32_t kGroup = kChild | BS_GROUPBOX;

const DialogControl kDevice[] = {
    { IDC_DEVICE_GROUP, WC_BUTTON, "", kGroup, 9, 3, 343, 282 },
    { IDC_DEVICE_IO_LABEL, WC_STATIC, "", kChild, 20, 12, 300, 8 },
    { IDC_DEVICE_SERIAL_GROUP, WC_BUTTON, "Serial Port", kGroup, 20, 178, 327, 100 },
    { IDC_PAGE_OK, WC_BUTTON, "OK", kButton, 203, 305, 47, 15 },
    { IDC_PAGE_CANCEL, WC_BUTTON, "Cancel", kButton, 253, 305, 47, 15 },
    { IDC_PAGE_APPLY, WC_BUTTON, "Apply", kButton, 303, 305, 47, 15 },
};

const DialogTemplate kTemplates[] = {
    { IDD_PAGE11_DEVICE_DVR, "Device", kPage, 0, 0, 360, 330, kDevice },
};

} // namespace

const std::span<const DialogTemplate> kPage11DeviceDVRTemplates = kTemplates;
