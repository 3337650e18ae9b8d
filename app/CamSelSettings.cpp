#include "app/CamSelSettings.h"

#include "devtree/TreeFilePaths.h"
#include "link/ByteOrder.h"
#include "platform/base/Settings.h"

#include <cstring>
#include <string>

char g_szInstallDir[MAX_PATH];
char g_TreeFilePaths[5][MAX_PATH];

namespace
{

void CopyPath(char* target, const std::string& path)
{
    CopyFixedText(target, MAX_PATH, path.c_str(), path.size());
}

} // namespace

DWORD ReadCamSelSettings()
{
    std::memset(g_szInstallDir, 0, sizeof g_szInstallDir);
    DWORD lastFamily = 0;
    HKEY key = nullptr;
    if (RegOpenKeyEx(HKEY_LOCAL_MACHINE, CAMSEL_SETTINGS_KEY, 0, KEY_READ, &key) == ERROR_SUCCESS) {
        DWORD size = 0;
        if (RegQueryValueEx(key, "InstallDir", nullptr, nullptr, nullptr, &size) == ERROR_SUCCESS
            && size > 0) {
            char folder[MAX_PATH] = {};
            DWORD read = sizeof folder - 1;
            DWORD type = 0;
            if (RegQueryValueEx(key, "InstallDir", nullptr, &type, reinterpret_cast<LPBYTE>(folder), &read)
                    == ERROR_SUCCESS
                && type == REG_SZ)
                CopyFixedText(g_szInstallDir, sizeof g_szInstallDir, folder, sizeof folder);
        }
        DWORD value = 0;
        DWORD size4 = sizeof value;
        DWORD type = 0;
        if (RegQueryValueEx(key, "LastTreeNo", nullptr, &type, reinterpret_cast<LPBYTE>(&value), &size4)
                == ERROR_SUCCESS
            && type == REG_DWORD && size4 == sizeof value)
            lastFamily = value;
        RegCloseKey(key);
    }
    for (int family = 0; family < TREE_FAMILY_COUNT; ++family)
        CopyPath(g_TreeFilePaths[family], TreeFilePath(g_szInstallDir, family));
    return lastFamily;
}

void WriteLastTreeNo(DWORD family)
{
    HKEY key = nullptr;
    if (RegCreateKeyEx(HKEY_LOCAL_MACHINE, CAMSEL_SETTINGS_KEY, 0, nullptr, REG_OPTION_NON_VOLATILE,
            KEY_ALL_ACCESS, nullptr, &key, nullptr)
        != ERROR_SUCCESS)
        return;
    RegSetValueEx(key, "LastTreeNo", 0, REG_DWORD, reinterpret_cast<const BYTE*>(&family), sizeof family);
    RegCloseKey(key);
}
