// Where the explorer's tree files live: one path per tree number 0 to 2.
// The explorer dialogs fill them from the install folder; trees 0 and 1
// name no file of their own, so every file operation on them fails quietly.
#pragma once

#include "morrikExport.h"

#include <string>

namespace morrik
{

constexpr int TREE_COUNT = 3;
constexpr int TREE_PATH_SIZE = 260;

MORRIK_EXPORT extern char g_TreeFilePaths[TREE_COUNT][TREE_PATH_SIZE];
MORRIK_EXPORT extern char g_szInstallDir[TREE_PATH_SIZE];

// Entries 0 and 1 become the install folder, entry 2 the DVR tree file in
// it; with no install folder entry 2 is the bare file name.
MORRIK_EXPORT void SetTreeFilePaths(const char* installDir);
// The path of a tree, empty for any other number.
MORRIK_EXPORT std::string TreeFilePath(int tree);

} // namespace morrik
