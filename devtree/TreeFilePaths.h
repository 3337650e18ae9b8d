// Where the tree files live: one file per device family in the install folder.
#pragma once

#include <string>

constexpr int TREE_FAMILY_COUNT = 5;
constexpr int TREE_FAMILY_DVR = 4;

// File names indexed by family 0 to 4.
extern const char* const g_TreeFileNames[TREE_FAMILY_COUNT];

// A file of the install folder; the bare name when the folder is not known.
std::string InstallFilePath(const std::string& installDir, const char* name);
// The tree file of a family (0 to 4); empty for any other index.
std::string TreeFilePath(const std::string& installDir, int family);
