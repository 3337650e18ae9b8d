// Blocks of a recorder's connectivity: the dial-in (PPP) and dial-out
// settings, and the alarm notification by e-mail or telephone.
#pragma once

#include "link/ConfigBlock.h"

#include <cstdint>

// The addresses of a point-to-point link between recorder and client PC.
struct tagPppSetting {
    uint8_t byConfig; // 0 "Default", 1 "Custom"
    uint8_t reserved[3];
    uint32_t dwDvrAddress; // first octet most significant
    uint32_t dwClientAddress;
};
static_assert(sizeof(tagPppSetting) == 12);

constexpr int kDialUpScriptRows = 16;
constexpr int kDialUpArgumentSize = 64;

// How the recorder dials out: account, number and the modem script.
struct tagDialUpSetting {
    char szUser[128];
    char szPassword[64];
    uint32_t dwAddress; // assigned address
    char szNumber[32];
    uint8_t byPrefix; // 255 none, else the digit
    uint8_t reserved;
    uint16_t wDisconnect; // seconds
    uint8_t byScript; // 0 off, 1 on
    uint8_t byStep[kDialUpScriptRows];
    char szArgument[kDialUpScriptRows][kDialUpArgumentSize];
    uint8_t tail[3];
};
static_assert(sizeof(tagDialUpSetting) == 1276);

// 0x131E / 0x031F: both, in this order.
struct CFG_CONNECTIVITY {
    tagPppSetting ppp;
    tagDialUpSetting dialUp;
};

// 0x1320 / 0x0321.
struct tagEmailNotify {
    uint8_t byStatus;
    char szRecipient[128];
    char szSmtp[128];
    uint8_t byImages; // 0 to 5
    uint8_t byPstn;
};
static_assert(sizeof(tagEmailNotify) == 259);

constexpr ConfigGet<CFG_CONNECTIVITY> GET_CONNECTIVITY { 0x031E, CONFIG_CRED_SIZE };
constexpr ConfigSet<CFG_CONNECTIVITY> SET_CONNECTIVITY { 0x031F, CONFIG_CRED_SIZE + 1281 };
constexpr ConfigGet<tagEmailNotify> GET_EMAIL_NOTIFY { 0x0320, CONFIG_CRED_SIZE };
constexpr ConfigSet<tagEmailNotify> SET_EMAIL_NOTIFY { 0x0321, CONFIG_CRED_SIZE + 259 };
