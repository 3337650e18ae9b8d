// The Miscellaneous page of a recorder: two switches.
#include "resources/setup/dialogs/DialogParts.h"

namespace
{

constexpr uint32_t kCheck = kButton | BS_AUTOCHECKBOX;

const DialogControl kMiscell[] = {
    { IDC_MISC_NETWORK_CAMERAS, WC_BUTTON, "IPCam enable", kCheck, 13, 24, 200, 12 },
    { IDC_MISC_NO_VIDEO_RECORDING, WC_BUTTON, "No Video Recording", kCheck, 13, 6, 341, 12 },
    { IDC_PAGE_OK, WC_BUTTON, "OK", kButton, 203, 305, 47, 15 },
    { IDC_PAGE_CANCEL, WC_BUTTON, "Cancel", kButton, 253, 305, 47, 15 },
    { IDC_PAGE_APPLY, WC_BUTTON, "Apply", kButton, 303, 305, 47, 15 },
};

const DialogTemplate kTemplates[] = {
    { IDD_PAGE13_MISCELL, "Miscellaneous", kPage, 0, 0, 360, 400, kMiscell },
};

} // namespace

const std::span<const DialogTemplate> kPage13MiscellTemplates = kTemplates;
