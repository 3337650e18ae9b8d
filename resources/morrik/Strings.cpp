// The string table of the explorer library Morrik.
#include "resources/morrik/MorrikTables.h"
#include "resources/morrik/Resource.h"

std::span<const StringEntry> MorrikStrings()
{
    static const StringEntry strings[] = {
        { IDS_TREE_CAMERA_EXISTS, "そのカメラは既に存在します。もう一度登録しますか？" },
        { IDS_TREE_NAME_USED, "その名前は既に使われています。他の名前を使用して下さい。" },
        { IDS_TREE_DVR_EXISTS, "そのDVRは既に存在します。" },
        { IDS_TREE_MY_CAMERA, "マイカメラ" },
        { IDS_TREE_LOCAL_CAMERA, "ローカルエリアカメラ" },
        { IDS_TREE_MY_DVR, "My DVR" },
        { IDS_TREE_LOCAL_DVR, "ローカルエリアDVR" },
        { IDS_TREE_ZPT, "ZPT" },
        // The add and edit dialogs and the tree's commands.
        { IDS_DELETE_FOLDER_ASK, "フォルダを削除してよろしいですか？" },
        { IDS_DELETE_CAMERA_ASK, "カメラを削除してよろしいですか？" },
        { IDS_DELETE_DVR_ASK, "本当にDVRを削除してよろしいですか？" },
        { IDS_CAM_INFO_SERIAL, "\r\n $ シリアル番号 : " },
        { IDS_CAM_INFO_MAC, "\r\n $ MACアドレス :" },
        { IDS_DELETE_ONLY_ITEMS, "フォルダまたはDVR項目のみ削除できます。" },
        { IDS_PROBE_TRY_1, "1回目" },
        { 62033, "2回目" },
        { 62034, "3回目" },
        { IDS_CAMERA_FOUND, "カメラが見つかりました。" },
        { IDS_CAMERA_NOT_FOUND, "カメラが見つかりません。" },
        { IDS_EDIT_DVR, "DVRの編集" },
        { IDS_NEW_FOLDER, "新しいフォルダ" },
        { IDS_RENAME_CHANNEL, "チャンネル名の変更" },
        { IDS_HOST_NOT_RESOLVED, "アドレスが見つかりません。アドレスを確認して下さい。" },
        // The explorer dialogs.
        { IDS_EXPLORE_FOLDER_SELECTED, "フォルダは選択されています。" },
        { IDS_EXPLORE_BAD_BACKUP, "ファイル%sは無効なバックアップファイルです。\n\t開けませんでした。" },
        // Discovery and the port query.
        { IDS_CONNECTION_CLOSED, "接続を閉じました。" },
    };
    return strings;
}
