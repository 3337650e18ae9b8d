// The program's menus.
#include "resources/setup/SetupResources.h"

namespace
{

// The device tree's context menus: "Cam" texts (146), "DVR" texts (164,
// with the dial-up submenu) and the registration-server branch (163).
const MenuEntry kCamPopup[] = {
    { 32771, "New Folder", 0 },
    { 32772, "Delete Folder", 0 },
    { 32774, "Add Cam", 0 },
    { 32773, "Delete Cam", 0 },
    { 32781, "Rename Cam", 0 },
};
const MenuEntry kDvrPopup[] = {
    { 32771, "New Folder", 0 },
    { 32772, "Delete Folder", 0 },
    { 32774, "Add DVR", 0 },
    { 32773, "Delete DVR", 0 },
    { 32781, "Rename DVR", 0 },
};
const MenuEntry kPstnPopup[] = {
    { 32783, "Dial Up", 0 },
    { 32784, "Hang Up", 0 },
};
const MenuEntry kServerPopup[] = {
    { 32775, "Add ZPT", 0 },
    { 32778, "Delete ZPT", 0 },
    { 32779, "Add Group Id", 0 },
    { 32780, "Delete Group Id", 0 },
};
const MenuEntry kCamMenu[] = { { 0, "Popup", 0, kCamPopup } };
const MenuEntry kDvrMenu[] = { { 0, "Popup", 0, kDvrPopup }, { 0, "Pstn-Popup", 0, kPstnPopup } };
const MenuEntry kServerMenu[] = { { 0, "Popup", 0, kServerPopup } };

const MenuTemplate kMenus[] = {
    { 146, kCamMenu },
    { 163, kServerMenu },
    { 164, kDvrMenu },
};

} // namespace

std::span<const MenuTemplate> SetupMenus()
{
    return kMenus;
}
