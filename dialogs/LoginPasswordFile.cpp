#include "dialogs/LoginPasswordFile.h"

#include "link/Blowfish.h"
#include "platform/base/FileIo.h"
#include "platform/base/Settings.h"

#include <cstring>
#include <string>
#include <vector>

namespace
{

constexpr char kFileName[] = "LoginPassword.dat";
constexpr char kDefaultPassword[] = "velto";
// The whole 22 characters are the key, without a terminator.
constexpr char kKey[] = "QuillbarCo_Net_Harvest";
constexpr int kKeyLength = sizeof kKey - 1;

void Encipher(
    const uint8_t in[LoginPasswordFile::kPasswordSize], uint8_t out[LoginPasswordFile::kPasswordSize])
{
    CBlowfish cipher;
    cipher.Initialize(reinterpret_cast<const uint8_t*>(kKey), kKeyLength);
    cipher.Encode(in, out, LoginPasswordFile::kPasswordSize);
}

std::string Folder()
{
    std::string settings = static_cast<LPCTSTR>(GetSettingsFile());
    const size_t slash = settings.find_last_of('/');
    if (slash != std::string::npos)
        return settings.substr(0, slash);
    return static_cast<LPCTSTR>(GetInstallFolder());
}

} // namespace

CString LoginPasswordFile::Path()
{
    return CString((Folder() + "/" + kFileName).c_str());
}

void LoginPasswordFile::Field(const char* text, uint8_t field[kPasswordSize])
{
    std::memset(field, 0, kPasswordSize);
    if (text)
        std::memcpy(field, text, std::min<size_t>(std::strlen(text), kPasswordSize));
}

void LoginPasswordFile::CreateDefault()
{
    const std::string path = static_cast<LPCTSTR>(Path());
    if (FileExists(path))
        return;
    uint8_t field[kPasswordSize], sealed[kPasswordSize];
    Field(kDefaultPassword, field);
    Encipher(field, sealed);
    WriteNewFile(path, sealed, sizeof sealed);
}

bool LoginPasswordFile::Read(uint8_t password[kPasswordSize])
{
    std::vector<uint8_t> bytes;
    if (ReadFileBytes(static_cast<LPCTSTR>(Path()), bytes, kPasswordSize) != FileReadResult::Read
        || bytes.size() < size_t(kPasswordSize))
        return false;
    CBlowfish cipher;
    cipher.Initialize(reinterpret_cast<const uint8_t*>(kKey), kKeyLength);
    cipher.Decode(bytes.data(), password, kPasswordSize);
    return true;
}

bool LoginPasswordFile::Write(const char* password)
{
    uint8_t field[kPasswordSize], sealed[kPasswordSize];
    Field(password, field);
    Encipher(field, sealed);
    return WriteFileAtomic(static_cast<LPCTSTR>(Path()), sealed, sizeof sealed);
}
