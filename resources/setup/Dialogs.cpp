// The program's dialog templates (rectangles in dialog units).
#include "resources/setup/SetupResources.h"

#include "platform/base/Services.h"
#include "platform/ui/Dialog.h"
#include "resources/setup/Resource.h"

namespace
{

constexpr uint32_t kModal = WS_POPUP | WS_CAPTION | WS_SYSMENU | DS_MODALFRAME;

const DialogControl kAbout[] = {
    { IDC_STATIC, WC_STATIC, "#128", WS_CHILD | WS_VISIBLE | SS_ICON, 11, 17, 20, 20 },
    { IDC_STATIC, WC_STATIC, "Pellmoor Tarnwick Version 1.3.6.0", WS_CHILD | WS_VISIBLE, 40, 10, 119, 8 },
    { IDOK, WC_BUTTON, "OK", WS_CHILD | WS_VISIBLE | WS_TABSTOP | WS_GROUP | BS_DEFPUSHBUTTON, 178, 7, 50,
        14 },
};

const DialogTemplate kDialogs[] = {
    { IDD_ABOUTBOX, "About Pellmoor Tarnwick", kModal, 0, 0, 235, 55, kAbout },
};

} // namespace

std::span<const DialogTemplate> SetupDialogs()
{
    return kDialogs;
}
