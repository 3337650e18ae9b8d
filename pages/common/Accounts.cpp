#include "pages/common/Accounts.h"

#include "link/CurrentDevice.h"
#include "link/DeviceHelpers.h"

#include <algorithm>
#include <cstring>

namespace
{

CString FieldText(const uint8_t field[16])
{
    char text[17] = {};
    std::memcpy(text, field, 16);
    return CString(text);
}

void FillField(uint8_t field[16], const char* text)
{
    std::memset(field, 0, 16);
    if (text)
        std::memcpy(field, text, std::min<size_t>(std::strlen(text), kAccountTextLimit));
    ScramblePassword(field);
}

} // namespace

void DecodeAccount(const CFG_USER_ENTRY& entry, CString* id, CString* password)
{
    CFG_USER_ENTRY plain = entry;
    UnscramblePassword(plain.id);
    UnscramblePassword(plain.password);
    *id = FieldText(plain.id);
    *password = FieldText(plain.password);
}

CFG_USER_ENTRY EncodeAccount(const char* id, const char* password)
{
    CFG_USER_ENTRY entry;
    FillField(entry.id, id);
    FillField(entry.password, password);
    return entry;
}

std::vector<UserAccount> DecodeUserList(const CFG_USER_LIST& list)
{
    std::vector<UserAccount> accounts(5);
    for (int i = 0; i < 5; ++i) {
        DecodeAccount(list.users[i], &accounts[i].id, &accounts[i].password);
        accounts[i].rights = list.rights[i];
        accounts[i].extraRights = list.extraRights[i];
    }
    return accounts;
}

std::vector<UserAccount> DecodeUserTable(const CFG_USER_TABLE& table)
{
    std::vector<UserAccount> accounts(5);
    for (int i = 0; i < 5; ++i) {
        DecodeAccount(table.users[i], &accounts[i].id, &accounts[i].password);
        accounts[i].rights = table.rights[i];
        std::memcpy(accounts[i].cameras, table.channels[i], 8);
    }
    return accounts;
}

std::vector<UserAccount> DecodeRecorderUsers(const CFG_RECORDER_USERS& users)
{
    const uint32_t count = std::min<uint32_t>(users.count, kMaxRecorderUsers);
    std::vector<UserAccount> accounts(count);
    for (uint32_t i = 0; i < count; ++i) {
        const CFG_RECORDER_USER& user = users.users[i];
        DecodeAccount(user.user, &accounts[i].id, &accounts[i].password);
        accounts[i].rights = user.rights;
        accounts[i].reserved = user.reserved;
        std::memcpy(accounts[i].cameras, user.channels, 8);
    }
    return accounts;
}

bool HasCameraRight(const uint8_t mask[8], int camera)
{
    if (camera < 1 || camera > 64)
        return false;
    return (mask[7 - (camera - 1) / 8] >> ((camera - 1) % 8)) & 1;
}

void SetCameraRight(uint8_t mask[8], int camera, bool granted)
{
    if (camera < 1 || camera > 64)
        return;
    const uint8_t bit = uint8_t(1u << ((camera - 1) % 8));
    uint8_t& byte = mask[7 - (camera - 1) / 8];
    byte = granted ? uint8_t(byte | bit) : uint8_t(byte & ~bit);
}

void AdoptAdminPassword(IConfigPageHost* pHost, const char* password)
{
    BYTE block[16] = {};
    std::memcpy(block, password, std::min<size_t>(std::strlen(password), kAccountTextLimit));
    g_strDevicePassword = reinterpret_cast<const char*>(block);
    if (pHost)
        pHost->OnAdminPasswordChanged(block);
}
