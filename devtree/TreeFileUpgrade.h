// Brings a tree file written by an older release to the current format.
//
// Only the DVR family's file is upgraded. Versions 0x01000000 to 0x01000002
// are converted step by step in memory; the result is written completely
// to a temporary file of its own beside the tree file, which then replaces
// it by a rename (two programs upgrading at once never share a scratch
// file). On any failure the tree file stays as it was and the temporary
// file is removed.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

constexpr uint32_t TREE_FILE_VERSION_0 = 0x01000000;
constexpr uint32_t TREE_FILE_VERSION_1 = 0x01000001;
constexpr uint32_t TREE_FILE_VERSION_2 = 0x01000002;

enum class TreeFileConversion {
    Current, // already at the current version: nothing to do
    Converted, // `current` holds the file in the current format
    Unreadable, // no whole header: the file is deleted
    BadVersion, // below 0x01000000 (top bit set included): the file is deleted
    Unknown, // a newer version or record sizes this program cannot read: left alone
};

// Converts the bytes of a tree file of any version.
TreeFileConversion ConvertTreeFileImage(const std::vector<uint8_t>& old, std::vector<uint8_t>* current);

// -1 when the file cannot be read, has no whole header (it is deleted) or
// cannot be replaced (it stays); 0 for another family, a version this
// program cannot read (below 0x01000000 the file is deleted; above the
// current one it stays); 1 when the file is at the current version on
// return. A deleted file is created again at once, empty, so that the
// tree's next save has a file to write.
int UpgradeTreeFile(int family, const std::string& installDir);
