// The add and edit dialogs of the explorer and the About box. The device
// dialog is English; the others carry the library's Japanese texts.
#include "resources/morrik/dialogs/DialogParts.h"

#include "platform/ui/IpAddressCtrl.h"

namespace
{

const DialogControl kDvrEdit[] = {
    { IDC_STATIC, WC_STATIC, "DVR Name", kMorrikChild, 7, 9, 50, 8 },
    { IDC_DVR_NAME, WC_EDIT, "", kMorrikEdit, 60, 7, 124, 14 },
    { IDC_STATIC, WC_STATIC, "Address", kMorrikChild, 7, 27, 50, 8 },
    { IDC_DVR_ADDRESS, WC_EDIT, "", kMorrikEdit, 60, 25, 124, 14 },
    { IDC_STATIC, WC_STATIC, "Port", kMorrikChild, 7, 45, 50, 8 },
    { IDC_DVR_PORT, WC_EDIT, "", kMorrikEdit | ES_NUMBER, 60, 43, 50, 14 },
    { IDC_STATIC, WC_STATIC, "Password", kMorrikChild, 7, 63, 50, 8 },
    { IDC_DVR_PASSWORD, WC_EDIT, "", kMorrikEdit | ES_PASSWORD, 60, 61, 124, 14 },
    { IDOK, WC_BUTTON, "OK", kMorrikButton | BS_DEFPUSHBUTTON, 79, 82, 50, 14 },
    { IDCANCEL, WC_BUTTON, "Cancel", kMorrikButton, 134, 82, 50, 14 },
};

const DialogControl kNewFolder[] = {
    { IDC_NEW_FOLDER_TEXT, WC_EDIT, "", kMorrikEdit, 7, 7, 170, 14 },
    { IDOK, WC_BUTTON, "OK", kMorrikButton | BS_DEFPUSHBUTTON, 72, 28, 50, 14 },
    { IDCANCEL, WC_BUTTON, "キャンセル", kMorrikButton, 127, 28, 50, 14 },
};

const DialogControl kNewOvel[] = {
    { IDC_STATIC, WC_STATIC, "IPアドレス", kMorrikChild, 7, 9, 42, 8 },
    { IDC_NEW_OVEL_ADDRESS, WC_IPADDRESS, "", kMorrikButton, 52, 7, 100, 14 },
    { IDC_NEW_OVEL_SEARCH, WC_BUTTON, "検索開始", kMorrikButton, 157, 7, 50, 14 },
    { IDC_NEW_OVEL_RESULT, WC_EDIT, "",
        kMorrikChild | WS_BORDER | WS_VSCROLL | ES_MULTILINE | ES_AUTOVSCROLL | ES_READONLY, 7, 26, 200, 70 },
    { IDOK, WC_BUTTON, "追加", kMorrikButton | BS_DEFPUSHBUTTON, 102, 102, 50, 14 },
    { IDCANCEL, WC_BUTTON, "キャンセル", kMorrikButton, 157, 102, 50, 14 },
};

// The id and password of a registration server are not asked for: their
// fields stay hidden and disabled.
const DialogControl kInsertYem[] = {
    { IDC_STATIC, WC_STATIC, "登録サーバ", kMorrikChild, 7, 9, 45, 8 },
    { IDC_YEM_SERVER, WC_EDIT, "", kMorrikEdit, 55, 7, 120, 14 },
    { IDC_STATIC, WC_STATIC, "ID", WS_CHILD | WS_DISABLED, 7, 27, 45, 8 },
    { IDC_YEM_ID, WC_EDIT, "", WS_CHILD | WS_DISABLED | WS_TABSTOP | WS_BORDER | ES_AUTOHSCROLL, 55, 25, 120,
        14 },
    { IDC_STATIC, WC_STATIC, "Password", WS_CHILD | WS_DISABLED, 7, 45, 45, 8 },
    { IDC_YEM_PASSWORD, WC_EDIT, "", WS_CHILD | WS_DISABLED | WS_TABSTOP | WS_BORDER | ES_AUTOHSCROLL, 55, 43,
        120, 14 },
    { IDOK, WC_BUTTON, "OK", kMorrikButton | BS_DEFPUSHBUTTON, 70, 62, 50, 14 },
    { IDCANCEL, WC_BUTTON, "キャンセル", kMorrikButton, 125, 62, 50, 14 },
};

const DialogControl kInsertYemGroupId[] = {
    { IDC_STATIC, WC_STATIC, "グループID", kMorrikChild, 7, 9, 45, 8 },
    { IDC_YEM_GROUP_ID, WC_EDIT, "", kMorrikEdit, 55, 7, 120, 14 },
    { IDOK, WC_BUTTON, "OK", kMorrikButton | BS_DEFPUSHBUTTON, 70, 28, 50, 14 },
    { IDCANCEL, WC_BUTTON, "キャンセル", kMorrikButton, 125, 28, 50, 14 },
};

const DialogControl kAbout[] = {
    { IDC_STATIC, WC_STATIC, "#128", kMorrikChild | SS_ICON, 11, 17, 20, 20 },
    { IDC_STATIC, WC_STATIC, "Sel2 ?? 1.0", kMorrikChild, 40, 10, 119, 8 },
    { IDC_STATIC, WC_STATIC, "Finds cameras and DVRs.", kMorrikChild, 40, 25, 130, 8 },
    { IDOK, WC_BUTTON, "??", kMorrikButton | WS_GROUP | BS_DEFPUSHBUTTON, 178, 7, 50, 14 },
};

const DialogTemplate kTemplates[] = {
    { IDD_ABOUTBOX, "Sel2 ??", kMorrikModal, 0, 0, 235, 55, kAbout },
    { IDD_NEW_FOLDER, "新しいフォルダ", kMorrikModal, 0, 0, 184, 48, kNewFolder },
    { IDD_NEW_OVEL, "カメラの追加", kMorrikModal, 0, 0, 214, 123, kNewOvel },
    { IDD_INSERT_YEM, "ZPTの追加", kMorrikModal, 0, 0, 182, 83, kInsertYem },
    { IDD_INSERT_YEM_GROUP_ID, "グループIDの追加", kMorrikModal, 0, 0, 182, 48, kInsertYemGroupId },
    { IDD_DVR_EDIT, "Add DVR", kMorrikModal, 0, 0, 191, 103, kDvrEdit },
};

} // namespace

const std::span<const DialogTemplate> kEditDlgTemplates = kTemplates;
