// The string table of the explorer library Morrik.
#include "resources/morrik/MorrikTables.h"
#include "resources/morrik/Resource.h"

std::span<const StringEntry> MorrikStrings()
{
    static const StringEntry strings[] = {
        { IDS_TREE_NAME_USED, "その名前は既に使われています。他の名前を使用して下さい。" },
        { IDS_TREE_DVR_EXISTS, "そのDVRは既に存在します。" },
        { IDS_TREE_MY_CAMERA, "マイカメラ" },
        { IDS_TREE_LOCAL_CAMERA, "ローカルエリアカメラ" },
        { IDS_TREE_MY_DVR, "My DVR" },
        { IDS_TREE_LOCAL_DVR, "ローカルエリアDVR" },
        { IDS_TREE_ZPT, "ZPT" },
    };
    return strings;
}
