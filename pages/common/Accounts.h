// The device's accounts as the user pages show and write them: the ID and
// password fields travel scrambled, a recorder keeps a camera mask per
// account, and a write that the device took makes the administrator's new
// password the session's.
#pragma once

#include "link/AccountBlocks.h"
#include "pages/ConfigPageHost.h"
#include "platform/base/String.h"

#include <cstdint>
#include <vector>

// The most accounts a recorder keeps, the administrator included.
constexpr int kMaxRecorderUsers = 11;
// IDs and passwords fit a 16-byte field with its terminating zero.
constexpr int kAccountTextLimit = 15;

// One account of any of the three tables, unscrambled.
struct UserAccount {
    CString id;
    CString password;
    uint16_t rights = 0; // 0x80 (list) or 0x8000 (tables): in use
    uint16_t reserved = 0; // the recorder list's second word, written back as read
    uint8_t extraRights = 0; // the list's extra byte (bit 0: DEL)
    uint8_t cameras[8] = {}; // camera mask (tables only)
};

// An account's two fields as read from the device.
void DecodeAccount(const CFG_USER_ENTRY& entry, CString* id, CString* password);
// The two fields as written: zero-filled, at most 15 characters, scrambled.
CFG_USER_ENTRY EncodeAccount(const char* id, const char* password);

// The five accounts of 0x1201 (camera families, streaming server).
std::vector<UserAccount> DecodeUserList(const CFG_USER_LIST& list);
// The five accounts of 0x1203 (older recorders).
std::vector<UserAccount> DecodeUserTable(const CFG_USER_TABLE& table);
// The accounts of 0x1205, as many as the device says but no more than the
// table holds.
std::vector<UserAccount> DecodeRecorderUsers(const CFG_RECORDER_USERS& users);

// Camera k (1-based) is bit (k-1) mod 8 of byte 7 - (k-1) div 8 of a mask.
bool HasCameraRight(const uint8_t mask[8], int camera);
void SetCameraRight(uint8_t mask[8], int camera, bool granted);

// After the device took an account write: later requests of every page log
// in with the administrator's new password, and the host keeps it (in the
// device tree when "Save Password" is set).
void AdoptAdminPassword(IConfigPageHost* pHost, const char* password);
