// The operations on a tree file: create when missing, load, save, update
// single records in place and remember the last devices.
//
// Every operation reads the file, works in memory and, when it changes
// anything, replaces the whole file atomically, so that a crash or a failed
// write leaves the previous file as it was.
#pragma once

#include "devtree/TreeFileIdentity.h"
#include "devtree/TreeFileLists.h"
#include "platform/base/FileIo.h"

#include <cstdint>
#include <string>
#include <vector>

// Reads a whole tree file.
bool ReadTreeFileBytes(const std::string& path, std::vector<uint8_t>& bytes);

// Whether this program can read and write a file of this header: the
// current version with the current record sizes. Any other file is never
// written.
bool IsCurrentTreeFormat(const TREE_FILE_HEADER& header);

// When the file is missing, creates it with an empty header (version,
// 132, three zero entries, 1052, 0, 164, 0). True when the file exists on
// return. An existing file, readable or not, is never overwritten.
bool ResetFileIfNoFileIs(const std::string& path);

enum class TreeLoadResult {
    Loaded, // the lists hold what the file holds (a short file: what was read)
    NoFile, // missing or without a whole header: an empty tree
    OutOfMemory, // "The memory is full." and quit; the lists hold what was read
    Unreadable, // there but cannot be read: an empty tree, the file is not to be written
    UnknownFormat, // another version or record size: an empty tree, the file is not to be written
};

// Loads the file into the two lists (emptied first). A folder with an empty
// name is skipped; the header's counts are bounded by what the file holds.
TreeLoadResult ReadTreeFileAndConsistLlist(const std::string& path, CTreeFileLists& lists);
// The same from the bytes of a file.
TreeLoadResult ConsistLlistFromBytes(const std::vector<uint8_t>& bytes, CTreeFileLists& lists);

// Rewrites the file from the lists: ids and parent ids as the lists hold
// them (ConsistLlist numbers them), passwords masked, each last-device entry
// moved to the id of the first record it matches. Server records are
// written only when the tree has the registration-server branch. Does
// nothing and gives false when the file is missing, cannot be read, is not
// of the current format or cannot be written.
bool ReadLlistAndUpdateFile(const std::string& path, const CTreeFileLists& lists, bool hasServerBranch);

// In-place updates: every device record matching the tree item gets the
// new values; every other byte of the file stays. The number of records
// changed, or -1 when the file cannot be read (or is not of the current
// format) or written.
int UpdateDevicePortsInFile(const std::string& path, const TreeItemKey& item, uint32_t httpPort,
    uint32_t streamPort, uint32_t configPort);
int UpdateDeviceIpInFile(const std::string& path, const TreeItemKey& item, uint32_t ipAddress);
int UpdateLookupSettingsInFile(const std::string& path, const TreeItemKey& item, const uint32_t lookup[4]);

// Record id of the first device record matching the key; -1 when none or
// when the file cannot be read.
int64_t ReadTreeFileAndFindNoOfMacAndSerial(const std::string& path, const CAM_SERIAL_MAC_INFO& key);
// Remembers the device of `key` in last-device entry `slot` (0 to 2); false
// when the device is not in the file or the file cannot be written.
bool SetLastCam(const std::string& path, int slot, const CAM_SERIAL_MAC_INFO& key);
// The device of last-device entry `slot`: the first device record whose MAC
// is the entry's, its serial number and MAC into `found` (IPv4 number
// left zero). False when the entry is unset or nothing matches.
bool GetLastCam(const std::string& path, int slot, CAM_SERIAL_MAC_INFO* found);
// Last-device entry `slot` as the header holds it, without reading the
// records; false when the slot is out of range or the file cannot be read.
bool GetLastCamEntry(const std::string& path, int slot, LastCamInfo* entry);
