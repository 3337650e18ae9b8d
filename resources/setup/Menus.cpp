// The program's menus.
#include "resources/setup/SetupResources.h"

#include "resources/setup/Resource.h"

namespace
{

// The device tree's context menus: "Cam" texts, "DVR" texts (with the
// dial-up submenu) and the registration-server branch.
const MenuEntry kCamPopup[] = {
    { ID_TREE_NEW_FOLDER, "New Folder", 0 },
    { ID_TREE_DELETE_FOLDER, "Delete Folder", 0 },
    { ID_TREE_ADD_CAM, "Add Cam", 0 },
    { ID_TREE_DELETE_CAM, "Delete Cam", 0 },
    { ID_TREE_RENAME, "Rename Cam", 0 },
};
const MenuEntry kDvrPopup[] = {
    { ID_TREE_NEW_FOLDER, "New Folder", 0 },
    { ID_TREE_DELETE_FOLDER, "Delete Folder", 0 },
    { ID_TREE_ADD_CAM, "Add DVR", 0 },
    { ID_TREE_DELETE_CAM, "Delete DVR", 0 },
    { ID_TREE_RENAME, "Rename DVR", 0 },
};
const MenuEntry kPstnPopup[] = {
    { ID_TREE_DIAL_UP, "Dial Up", 0 },
    { ID_TREE_HANG_UP, "Hang Up", 0 },
};
const MenuEntry kServerPopup[] = {
    { ID_TREE_ADD_ZPT, "Add ZPT", 0 },
    { ID_TREE_DELETE_ZPT, "Delete ZPT", 0 },
    { ID_TREE_ADD_GROUP_ID, "Add Group Id", 0 },
    { ID_TREE_DELETE_GROUP_ID, "Delete Group Id", 0 },
};
const MenuEntry kCamMenu[] = { { 0, "Popup", 0, kCamPopup } };
const MenuEntry kDvrMenu[] = { { 0, "Popup", 0, kDvrPopup }, { 0, "Pstn-Popup", 0, kPstnPopup } };
const MenuEntry kServerMenu[] = { { 0, "Popup", 0, kServerPopup } };

const MenuTemplate kMenus[] = {
    { IDR_TREE_MENU_CAM, kCamMenu },
    { IDR_TREE_MENU_SERVER, kServerMenu },
    { IDR_TREE_MENU_DVR, kDvrMenu },
};

} // namespace

std::span<const MenuTemplate> SetupMenus()
{
    return kMenus;
}
