#include "explorer/ExplorerRegistry.h"

#include "explorer/TreeFilePaths.h"
#include "platform/base/Settings.h"

namespace morrik
{

namespace
{

constexpr const char* kKey = "SOFTWARE\\Halvern\\Pellmoor";

} // namespace

int OpenExplorerRegistry()
{
    HKEY key = nullptr;
    char installDir[TREE_PATH_SIZE] = {};
    DWORD tree = 0;
    if (RegOpenKeyEx(HKEY_LOCAL_MACHINE, kKey, 0, KEY_ALL_ACCESS, &key) == ERROR_SUCCESS) {
        DWORD type = 0;
        DWORD size = sizeof installDir - 1;
        if (RegQueryValueEx(key, "InstallDir", nullptr, &type, reinterpret_cast<BYTE*>(installDir), &size)
                != ERROR_SUCCESS
            || type != REG_SZ)
            installDir[0] = 0;
        size = sizeof tree;
        if (RegQueryValueEx(key, "LastTreeNo_Pb_Mon", nullptr, &type, reinterpret_cast<BYTE*>(&tree), &size)
                != ERROR_SUCCESS
            || type != REG_DWORD)
            tree = 0;
        RegCloseKey(key);
    }
    SetTreeFilePaths(installDir);
    // The number picks one of three trees: anything else is the first.
    return tree < DWORD(TREE_COUNT) ? int(tree) : 0;
}

void WriteLastTree(int tree)
{
    HKEY key = nullptr;
    if (RegOpenKeyEx(HKEY_LOCAL_MACHINE, kKey, 0, KEY_ALL_ACCESS, &key) != ERROR_SUCCESS)
        return;
    DWORD value = DWORD(tree);
    RegSetValueEx(
        key, "LastTreeNo_Pb_Mon", 0, REG_DWORD, reinterpret_cast<const BYTE*>(&value), sizeof value);
    RegCloseKey(key);
}

} // namespace morrik
