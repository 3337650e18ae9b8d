#include "devtree/TreeFilePaths.h"

const char* const g_TreeFileNames[TREE_FAMILY_COUNT]
    = { "reg.info", "Module.info", "Z3PAL.info", "K386.info", "qarn.info" };

std::string InstallFilePath(const std::string& installDir, const char* name)
{
    if (installDir.empty())
        return name;
    if (installDir.back() == '/')
        return installDir + name;
    return installDir + "/" + name;
}

std::string TreeFilePath(const std::string& installDir, int family)
{
    if (family < 0 || family >= TREE_FAMILY_COUNT)
        return {};
    return InstallFilePath(installDir, g_TreeFileNames[family]);
}
