// Saved logins of a device: the saved password and the two password tables,
// kept in the item and in the device's record of the tree file.
#include "devtree/MySuperGrid.h"

#include "devtree/TreeFile.h"

#include <cstring>

namespace
{

// The login bar's default user name: the only one the saved login keeps.
const char kDefaultUser[] = "admin";

bool SameUser(const char (&field)[16], const char* user)
{
    return std::strncmp(field, user, sizeof(field)) == 0;
}

} // namespace

BOOL CMySuperGrid::GetPasswd(const CItemInfo* info, int selector, const char* user, uint8_t password[16])
{
    if (!info || !user)
        return FALSE;
    if (selector == 0)
        return GetSavedPassword(info, password);
    FILE_NODE record;
    if (!ReadRecordOf(info, &record))
        return FALSE;
    const PASSWORD_ENTRY* table = selector == 1 ? record.tableA : record.tableB;
    for (int i = 0; i < PASSWORD_TABLE_ENTRIES; ++i) {
        const char* entryUser = reinterpret_cast<const char*>(table[i].byUser);
        if (table[i].byUser[0] && std::strncmp(entryUser, user, sizeof(table[i].byUser)) == 0) {
            std::memcpy(password, table[i].byPassword, 16);
            return TRUE;
        }
    }
    return FALSE;
}

bool CMySuperGrid::ReadRecordOf(const CItemInfo* info, FILE_NODE* record)
{
    CTreeFileLists lists;
    if (::ReadTreeFileAndConsistLlist(TreeFilePath(), lists) != TreeLoadResult::Loaded)
        return false;
    const TreeItemKey key = ItemKey(info);
    for (const tagLinkedListNode* n = lists.m_pHead; n; n = n->pNext) {
        if (!n->node.bFolder && CompareDVR(n->node.item, n->node.szAddress, key)) {
            *record = n->node;
            return true;
        }
    }
    return false;
}

BOOL CMySuperGrid::SetPasswd(
    CItemInfo* info, int selector, const char* user, const uint8_t password[16], BOOL store)
{
    if (!info || !user || !info->m_bKnown)
        return FALSE;
    if (selector == 0) {
        if (std::strcmp(user, kDefaultUser) != 0)
            return FALSE;
        std::memset(info->m_szUser, 0, sizeof(info->m_szUser));
        std::memset(info->m_byPassword, 0, sizeof(info->m_byPassword));
        if (store) {
            CItemInfo::SetText(info->m_szUser, sizeof(info->m_szUser), user);
            std::memcpy(info->m_byPassword, password, 16);
        }
    } else {
        ITEM_PASSWORD* table = selector == 1 ? info->m_tableA : info->m_tableB;
        int at = -1;
        for (int i = 0; i < PASSWORD_TABLE_ENTRIES && at < 0; ++i)
            if (table[i].szUser[0] && SameUser(table[i].szUser, user))
                at = i;
        if (store) {
            // A new user takes the first free entry; a full table stays.
            for (int i = 0; i < PASSWORD_TABLE_ENTRIES && at < 0; ++i)
                if (!table[i].szUser[0])
                    at = i;
            if (at < 0)
                return FALSE;
            CItemInfo::SetText(table[at].szUser, sizeof(table[at].szUser), user);
            std::memcpy(table[at].byPassword, password, 16);
        } else {
            if (at < 0)
                return FALSE;
            // The later entries move up; the last one becomes empty.
            for (int i = at; i + 1 < PASSWORD_TABLE_ENTRIES; ++i)
                table[i] = table[i + 1];
            table[PASSWORD_TABLE_ENTRIES - 1] = ITEM_PASSWORD {};
        }
    }
    return ConsistLlistAndUpdateFile();
}
