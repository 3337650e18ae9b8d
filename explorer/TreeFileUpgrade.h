// Brings a tree file written by an older release to the current version.
//
// The steps from 0x01000000 run in memory, one after the other, and the
// result replaces the file atomically (temporary file beside it, flush,
// rename), so that a failure at any point leaves the old file as it was.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace morrik
{

enum class TreeFileConversion {
    Current, // already at the current version
    Converted, // `current` holds the file at the current version
    Empty, // no byte: the file is to be deleted
    Corrupt, // ends inside its header: left alone, never written
    BadVersion, // below 0x01000000 (the top bit set included): to be deleted
    NoStep, // 0x01000004 to 0x7FFFFFFF: left alone, never written
};

TreeFileConversion ConvertTreeFileImage(const std::vector<uint8_t>& old, std::vector<uint8_t>* current);

// -1 when the file does not open, is empty (it is deleted), ends inside its
// header or cannot be replaced (it stays); 0 for a version below
// 0x01000000 (the file is deleted) or one with no upgrade step (it stays,
// unchanged and unread); 1 when the file is at the current version.
int UpgradeTreeFile(const std::string& path);

} // namespace morrik
