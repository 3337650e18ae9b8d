// The registration-server messages of the explorer: the fetch request its
// download thread takes and the device node its dialogs receive, one per
// device the registration server knows.
#pragma once

#include "platform/base/Types.h"

#include <cstddef>
#include <cstdint>

namespace morrik
{

// Thread message to the download thread (CThreadZpt): wParam a request
// record (::RegServerRecord, 636 bytes) allocated with malloc; the thread
// frees it.
constexpr UINT WM_REGSERVER_FETCH = 0x46E;
// To the owner dialog's window: wParam a ZPT_NODE allocated with malloc,
// lParam 0. The receiver copies and frees it.
constexpr UINT WM_REGSERVER_RECORD = 0x46F;

// One device of a registration server (500 bytes). Texts are
// zero-terminated within their fields.
struct ZPT_NODE {
    char szServer[64]; // registration-server address text
    char szName[68]; // device name (the group's login id)
    char szModel[16]; // model text
    char szText256[256]; // the record's 256-byte text
    char szKey32[32]; // the record's 32-byte text: the serial a lookup asks by
    char szMac[24]; // "XX:XX:XX:XX:XX:XX"
    char szAddress[24]; // dotted address text
    // The datagram path only (zero from the FTP download):
    uint32_t dwIp; // szAddress as a value, first octet most significant
    uint32_t dwPort; // the record's 32-bit word: the device's port (0: none)
    uint8_t byMac[6]; // szMac parsed
    uint8_t reserved[2];
};
static_assert(sizeof(ZPT_NODE) == 500);
static_assert(offsetof(ZPT_NODE, szName) == 64);
static_assert(offsetof(ZPT_NODE, szModel) == 132);
static_assert(offsetof(ZPT_NODE, szText256) == 148);
static_assert(offsetof(ZPT_NODE, szKey32) == 404);
static_assert(offsetof(ZPT_NODE, szMac) == 436);
static_assert(offsetof(ZPT_NODE, szAddress) == 460);
static_assert(offsetof(ZPT_NODE, dwIp) == 484);
static_assert(offsetof(ZPT_NODE, dwPort) == 488);
static_assert(offsetof(ZPT_NODE, byMac) == 492);

} // namespace morrik
