// Blocks of the device's accounts. Ids and passwords travel scrambled
// (UnscramblePassword reads them).
#pragma once

#include "link/ConfigBlock.h"

#include <cstdint>

struct CFG_USER_ENTRY {
    uint8_t id[16];
    uint8_t password[16];
};

// 0x1201: rights (bit 0x80: shown), the five accounts and extra rights.
struct CFG_USER_LIST {
    uint8_t rights[5];
    CFG_USER_ENTRY users[5];
    uint8_t extraRights[5];
};

// 0x1203: the recorder's user table; room for eleven, five travel.
struct CFG_USER_TABLE {
    uint16_t rights[11]; // bit 15: shown
    CFG_USER_ENTRY users[11];
    uint8_t channels[5][8];
};

// 0x1205: the newer recorder's accounts, the administrator first.
struct CFG_RECORDER_USER {
    CFG_USER_ENTRY user;
    uint16_t rights; // bit 15: shown
    uint16_t reserved;
    uint8_t channels[8];
};
static_assert(sizeof(CFG_RECORDER_USER) == 44);
struct CFG_RECORDER_USERS {
    uint32_t count; // as the device sent it: bound it by the room below
    CFG_RECORDER_USER users[11];
};

constexpr ConfigGet<CFG_USER_LIST> GET_USER_LIST { 0x0201, CONFIG_CRED_SIZE };
constexpr ConfigGet<CFG_USER_TABLE> GET_USER_TABLE { 0x0203, CONFIG_CRED_SIZE };
constexpr ConfigGet<CFG_RECORDER_USERS> GET_RECORDER_USERS { 0x0205, CONFIG_CRED_SIZE };
// The length follows the count of accounts sent.
constexpr ConfigSet<CFG_RECORDER_USERS> SET_RECORDER_USERS { 0x0206, CONFIG_CRED_SIZE + 4, true,
    [](const CFG_RECORDER_USERS& users) {
        return CONFIG_CRED_SIZE + 4 + users.count * uint32_t(sizeof(CFG_RECORDER_USER));
    } };

// 0x0202: the account list as written; the extra rights travel only to a
// device of the newest firmware.
constexpr ConfigSet<CFG_USER_LIST> SET_USER_LIST { 0x0202, CONFIG_CRED_SIZE + 165 };
constexpr ConfigSet<CFG_USER_LIST> SET_USER_LIST_EXTRA { 0x0202, CONFIG_CRED_SIZE + 170 };
// 0x0204: the older recorder's table, five accounts with their camera masks.
constexpr ConfigSet<CFG_USER_TABLE> SET_USER_TABLE { 0x0204, CONFIG_CRED_SIZE + 210 };

// 0x1207 / 0x0208: the recorder's front-panel passwords.
struct CFG_LOCAL_USERS {
    uint32_t dwFlags; // bit 31: user password on, bit 30: administrator password on
    uint16_t wUserPassword; // 1111 to 9999; 10000: none set
    uint16_t wAdminPassword;
};
constexpr ConfigGet<CFG_LOCAL_USERS> GET_LOCAL_USERS { 0x0207, CONFIG_CRED_SIZE };
constexpr ConfigSet<CFG_LOCAL_USERS> SET_LOCAL_USERS { 0x0208, CONFIG_CRED_SIZE + 8 };
