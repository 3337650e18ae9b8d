// The program's dialog templates (rectangles in dialog units).
#include "resources/setup/SetupResources.h"

#include "resources/setup/Resource.h"

namespace
{

// Styles used below, by their documented values.
constexpr uint32_t kChild = 0x40000000, kVisible = 0x10000000, kTabStop = 0x00010000, kGroup = 0x00020000;
constexpr uint32_t kPopup = 0x80000000, kCaption = 0x00C00000, kSysMenu = 0x00080000, kModalFrame = 0x80;
constexpr uint32_t kDefPushButton = 0x1, kStaticIcon = 0x3;

const DialogControl kAbout[] = {
    { IDC_STATIC, "Static", "#128", kChild | kVisible | kStaticIcon, 11, 17, 20, 20 },
    { IDC_STATIC, "Static", "Pellmoor Tarnwick Version 1.3.6.0", kChild | kVisible, 40, 10, 119, 8 },
    { 1, "Button", "OK", kChild | kVisible | kTabStop | kGroup | kDefPushButton, 178, 7, 50, 14 },
};

const DialogTemplate kDialogs[] = {
    { IDD_ABOUTBOX, "About Pellmoor Tarnwick", kPopup | kCaption | kSysMenu | kModalFrame, 0, 0, 235, 55,
        kAbout },
};

} // namespace

std::span<const DialogTemplate> SetupDialogs()
{
    return kDialogs;
}
