#include "link/AccountBlocks.h"
#include "tests/link/BlockRoundTrip.h"

#include <cstring>

namespace blocks
{
namespace
{

CFG_USER_ENTRY Account(const char* id, const char* password)
{
    CFG_USER_ENTRY entry {};
    std::memcpy(entry.id, id, std::strlen(id));
    std::memcpy(entry.password, password, std::strlen(password));
    return entry;
}

CFG_USER_LIST UserList()
{
    CFG_USER_LIST list {};
    const uint8_t rights[5] = { 0x80, 0x80, 0x80, 0, 0 };
    std::memcpy(list.rights, rights, sizeof rights);
    list.users[0] = Account("admin", "1234");
    list.users[1] = Account("operator", "op");
    list.users[2] = Account("guard", "gd");
    const uint8_t extra[5] = { 1, 2, 3, 4, 5 };
    std::memcpy(list.extraRights, extra, sizeof extra);
    return list;
}

CFG_USER_TABLE UserTable()
{
    CFG_USER_TABLE table {};
    table.rights[0] = 0xFFFF;
    table.rights[1] = 0x8000;
    table.rights[2] = 0xC000;
    table.users[0] = Account("admin", "1234");
    table.users[1] = Account("operator", "op");
    table.users[2] = Account("guard", "gd");
    std::memset(table.channels[0], 0xFF, 8);
    table.channels[1][7] = 0x0F;
    return table;
}

CFG_RECORDER_USERS RecorderUsers()
{
    CFG_RECORDER_USERS users {};
    users.count = 3;
    users.users[0]
        = { Account("admin", "1234"), 0xFFFF, 0xFFFF, { 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF } };
    users.users[1] = { Account("operator", "op"), 0x8000, 0, { 0, 0, 0, 0, 0, 0, 0, 0x03 } };
    users.users[2] = { Account("guard", "gd"), 0, 0, {} };
    return users;
}

#define ADMIN "'admin' 00*11 '1234' 00*12"
#define OPERATOR "'operator' 00*8 'op' 00*14"
#define GUARD "'guard' 00*11 'gd' 00*14"

// clang-format off
const BlockRow kRows[] = {
    Row("user list", GET_USER_LIST, {}, nullptr, UserList(),
        "8080800000 " ADMIN " " OPERATOR " " GUARD " 00*64 0102030405"),
    Row("user table", GET_USER_TABLE, {}, nullptr, UserTable(),
        "ffff 8000 c000 0000 0000 " ADMIN " " OPERATOR " " GUARD " 00*64 ff*8 00*7 0f 00*24"),
    Row("recorder users", GET_RECORDER_USERS, {}, nullptr, RecorderUsers(),
        "00000003 " ADMIN " ffff ffff ff*8 " OPERATOR " 8000 0000 00*7 03 " GUARD " 0000 0000 00*8"),
    // Three accounts: a length of 36 + 3 x 44.
    Row("recorder users set", SET_RECORDER_USERS, RecorderUsers(),
        "00000003 " ADMIN " ffff ffff ff*8 " OPERATOR " 8000 0000 00*7 03 " GUARD " 0000 0000 00*8", {}, nullptr),
    // Without the extra rights (197) and with them (202).
    Row("user list set", SET_USER_LIST, UserList(), "8080800000 " ADMIN " " OPERATOR " " GUARD " 00*64", {},
        nullptr),
    Row("user list set with extra rights", SET_USER_LIST_EXTRA, UserList(),
        "8080800000 " ADMIN " " OPERATOR " " GUARD " 00*64 0102030405", {}, nullptr),
    Row("user table set", SET_USER_TABLE, UserTable(),
        "ffff 8000 c000 0000 0000 " ADMIN " " OPERATOR " " GUARD " 00*64 ff*8 00*7 0f 00*24", {}, nullptr),
    Row("local users", GET_LOCAL_USERS, {}, nullptr, CFG_LOCAL_USERS { 0xC0000000u, 2468, 10000 },
        "c0000000 09a4 2710"),
    Row("local users set", SET_LOCAL_USERS, CFG_LOCAL_USERS { 0x40000000u, 1111, 9999 }, "40000000 0457 270f", {},
        nullptr),
};
// clang-format on

INSTANTIATE_TEST_SUITE_P(Account, BlockRoundTrip, ::testing::ValuesIn(kRows), RowName);

} // namespace
} // namespace blocks
