// Arbitrary bytes as the settings file: the store reads what it can, and
// what it writes back reads as the same store (writing it again gives the
// same bytes), so that no name or text is changed or lost between runs.
#include "fuzz/ScratchFile.h"
#include "platform/base/Settings.h"

#include <cstring>

namespace
{

const std::string& Path()
{
    static const std::string path = MakeScratchPath("registry.ini");
    return path;
}

// Writes one value, which makes the store write its whole file.
void Touch(const char* text)
{
    HKEY key = nullptr;
    if (RegCreateKeyEx(HKEY_CURRENT_USER, "Software\\Fuzz", 0, nullptr, REG_OPTION_NON_VOLATILE,
            KEY_ALL_ACCESS, nullptr, &key, nullptr)
        != ERROR_SUCCESS)
        std::abort();
    if (RegSetValueEx(
            key, "Touch", 0, REG_SZ, reinterpret_cast<const BYTE*>(text), DWORD(std::strlen(text) + 1))
        != ERROR_SUCCESS)
        std::abort();
    RegCloseKey(key);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    WriteScratch(Path(), data, size);
    SetSettingsFile(Path().c_str());

    // The values of the key the program reads, whatever the file holds.
    HKEY key = nullptr;
    if (RegOpenKeyEx(HKEY_LOCAL_MACHINE, "SOFTWARE\\Halvern\\Pellmoor", 0, KEY_READ, &key) == ERROR_SUCCESS) {
        char text[300];
        DWORD length = sizeof text, type = 0;
        RegQueryValueEx(key, "InstallDir", nullptr, &type, reinterpret_cast<BYTE*>(text), &length);
        DWORD number = 0;
        length = sizeof number;
        RegQueryValueEx(key, "LastTreeNo", nullptr, &type, reinterpret_cast<BYTE*>(&number), &length);
        RegCloseKey(key);
    }

    Touch("one");
    const std::vector<uint8_t> first = ReadScratch(Path());
    SetSettingsFile(Path().c_str());
    Touch("one");
    if (ReadScratch(Path()) != first)
        __builtin_trap();
    return 0;
}
