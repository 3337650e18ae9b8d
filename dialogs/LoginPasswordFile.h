// The program's own login password: 16 bytes in "LoginPassword.dat" in the
// user's configuration folder, the password zero-padded to 16 bytes and
// enciphered with Blowfish under the program's fixed key. A missing file is
// made with the password "velto".
#pragma once

#include "platform/base/String.h"

#include <cstdint>

class LoginPasswordFile
{
public:
    static constexpr int kPasswordSize = 16;

    // The file in the folder of the settings store.
    static CString Path();

    // Makes the file with the default password when there is none; an
    // existing file is never replaced.
    static void CreateDefault();
    // The deciphered 16 bytes; false when the file cannot be opened or holds
    // fewer than 16 bytes (never compared with bytes that were not read).
    static bool Read(uint8_t password[kPasswordSize]);
    // Replaces the file at once with the new password; false on failure.
    static bool Write(const char* password);

    // `text` zero-padded (or cut) to the 16-byte field the file holds.
    static void Field(const char* text, uint8_t field[kPasswordSize]);
};
