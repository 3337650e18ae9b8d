// The library's menus: the tree-grid's context menus.
#include "resources/morrik/MorrikTables.h"

#include "resources/morrik/Resource.h"

namespace
{

// Menu 110: camera trees, the DVR tree (2) and channel rows.
const MenuEntry kCamPopup[] = {
    { ID_POPUP_INSERT, "新しいフォルダ", 0 },
    { ID_POPUP_DELETE, "フォルダの削除", 0 },
    { ID_POPUP_INSERT_OVEL, "カメラの追加", 0 },
    { ID_POPUP_DELETE_OVEL, "カメラの削除", 0 },
    { ID_POPUP_RENAME_OVEL, "カメラ名の変更", 0 },
};
const MenuEntry kDvrPopup[] = {
    { ID_POPUP_INSERT, "新しいフォルダ", 0 },
    { ID_POPUP_DELETE, "フォルダの削除", 0 },
    { ID_POPUP_INSERT_OVEL, "DVRの追加", 0 },
    { ID_POPUP_DELETE_OVEL, "DVRの削除", 0 },
    { ID_POPUP_RENAME_OVEL, "DVRの編集", 0 },
};
const MenuEntry kChannelPopup[] = {
    { ID_POPUP_RENAME, "名前の変更", 0 },
};
// Menu 111: the registration-server branch.
const MenuEntry kYemPopup[] = {
    { ID_POPUP_INSERT_YEM, "ZPTの追加", 0 },
    { ID_POPUP_DELETE_YEM, "ZPTの削除", 0 },
    { ID_POPUP_INSERT_YEM_GROUP_ID, "グループIDの追加", 0 },
    { ID_POPUP_DELETE_YEM_GROUP_ID, "グループIDの削除", 0 },
};
const MenuEntry kTreeMenu[] = {
    { 0, "Popup", 0, kCamPopup },
    { 0, "Popup-DVR", 0, kDvrPopup },
    { 0, "PopupCh", 0, kChannelPopup },
};
const MenuEntry kYemMenu[] = { { 0, "Popup", 0, kYemPopup } };

const MenuTemplate kMenus[] = {
    { IDR_TREE_POPUP, kTreeMenu },
    { IDR_YEM_POPUP, kYemMenu },
};

} // namespace

std::span<const MenuTemplate> MorrikMenus()
{
    return kMenus;
}
