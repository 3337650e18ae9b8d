// The explorer pane (a borderless child; its grid is made at creation) and
// the camera explorer with its frame, backup button and tree buttons.
#include "resources/morrik/dialogs/DialogParts.h"

namespace
{

const DialogControl kSel2[] = {
    { IDC_SEL2_FRAME, WC_STATIC, "", kMorrikChild | SS_BLACKFRAME | SS_SUNKEN, 7, 7, 178, 226 },
    { IDC_SEL2_TREE0, WC_BUTTON, "TOR592", WS_CHILD | WS_DISABLED, 7, 7, 178, 12 },
    { IDC_SEL2_TREE1, WC_BUTTON, "K386", WS_CHILD | WS_DISABLED, 7, 19, 178, 12 },
    { IDC_SEL2_TREE2, WC_BUTTON, "DVR", WS_CHILD | WS_DISABLED, 7, 31, 178, 12 },
    { IDC_SEL2_BACKUP, WC_BUTTON, "バックアップファイルを開く...", kMorrikButton, 7, 240, 120, 14 },
    { IDC_SEL2_REFRESH, WC_BUTTON, "更新", WS_CHILD | WS_TABSTOP | WS_DISABLED, 7, 258, 50, 14 },
    { IDOK, WC_BUTTON, "OK", kMorrikButton | BS_DEFPUSHBUTTON, 81, 258, 50, 14 },
    { IDCANCEL, WC_BUTTON, "キャンセル", kMorrikButton, 135, 258, 50, 14 },
};

const DialogTemplate kTemplates[] = {
    { IDD_SEL2_DIALOG, "カメラエクスプローラ", kMorrikModal | WS_MINIMIZEBOX, 0, 0, 192, 279, kSel2 },
    // Its grid is made by the dialog when it is created.
    { IDD_EXPLORE_DIALOG, "", WS_CHILD | DS_CONTROL, 0, 0, 160, 300, {} },
};

} // namespace

const std::span<const DialogTemplate> kExploreDlgTemplates = kTemplates;
