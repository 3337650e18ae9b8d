#include "explorer/TreeFilePaths.h"

#include <cstdio>
#include <cstring>

namespace morrik
{

char g_TreeFilePaths[TREE_COUNT][TREE_PATH_SIZE] = {};
char g_szInstallDir[TREE_PATH_SIZE] = {};

void SetTreeFilePaths(const char* installDir)
{
    if (!installDir || !*installDir) {
        std::snprintf(g_TreeFilePaths[2], TREE_PATH_SIZE, "qarn.info");
        return;
    }
    std::snprintf(g_szInstallDir, TREE_PATH_SIZE, "%s", installDir);
    for (auto& path : g_TreeFilePaths)
        std::snprintf(path, TREE_PATH_SIZE, "%s", installDir);
    // A folder too long for the entry names no file rather than another one.
    if (std::snprintf(g_TreeFilePaths[2], TREE_PATH_SIZE, "%s/qarn.info", installDir) >= TREE_PATH_SIZE)
        g_TreeFilePaths[2][0] = 0;
}

std::string TreeFilePath(int tree)
{
    if (tree < 0 || tree >= TREE_COUNT)
        return {};
    return std::string(g_TreeFilePaths[tree], strnlen(g_TreeFilePaths[tree], TREE_PATH_SIZE));
}

} // namespace morrik
