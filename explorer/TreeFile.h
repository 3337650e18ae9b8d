// The operations on an explorer tree file: create when missing, read into
// the two lists, write from them, and read or patch single records.
//
// Only a file of the current version with the current record sizes is read
// or written. A file that ends inside its header, or whose version has no
// upgrade step, gives empty lists and is never written over. Every change
// replaces the whole file atomically, so that a failed write leaves the
// previous file as it was.
#pragma once

#include "explorer/TreeFileRecords.h"

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

namespace morrik
{

// The device and folder records and the registration-server records, in
// file order, passwords plain.
struct TreeFileLists {
    std::vector<FILE_NODE> nodes;
    std::vector<FILE_YEM_NODE> yemNodes;
};

enum class TreeFileStatus {
    Current, // readable and writable
    Missing, // no such file
    Empty, // no byte: a write starts from a new header
    Corrupt, // ends inside its header, or cannot be read
    OtherFormat, // another version or record size
    OutOfMemory, // the lists hold what was read before memory ran out
};

// Runs the upgrade, then creates the file with a new header when there is
// none. True when a file is there on return; an existing file, readable or
// not, is never replaced.
bool ResetFileIfNoFileIs(const std::string& path);

// Runs the upgrade, then reads the file into the lists (emptied first). A
// folder record with an empty name is dropped; a file that ends inside a
// record gives the records before it.
TreeFileStatus ReadTreeFileAndConsistLlist(const std::string& path, TreeFileLists* lists);
// The same from the bytes of a file, without the upgrade.
TreeFileStatus ConsistLlistFromBytes(const std::vector<uint8_t>& bytes, TreeFileLists* lists);

// Writes the file from the lists: the header as the file holds it (a new
// one for an empty file) with the two counts, each last camera moved to the
// number of the first written device it matches, then every device and
// folder record and, with `withYem`, every registration-server record.
// False, with the file as it was, when the file is missing, not writable
// in this format or the write fails.
bool ReadLlistAndUpdateFile(const std::string& path, const TreeFileLists& lists, bool withYem);
// The bytes such a write stores, after `header`.
std::vector<uint8_t> BuildTreeFileBytes(TREE_FILE_HEADER header, const TreeFileLists& lists, bool withYem);

// A readable tree file in memory, for the operations on single records.
class TreeFileImage
{
public:
    // Runs the upgrade and reads the file; false unless it is current and
    // holds its header.
    bool Open(const std::string& path);
    TREE_FILE_HEADER& Header() { return m_header; }
    // The whole device and folder records the header counts.
    size_t Count() const { return m_count; }
    uint8_t* Record(size_t i) { return m_bytes.data() + TREE_FILE_HEADER_SIZE + FILE_NODE_SIZE * i; }
    // Index of the first record that `match` accepts, -1 when none.
    long Find(const std::function<bool(const uint8_t* record)>& match);
    // Writes the header and the records back, atomically.
    bool Save();

private:
    std::string m_path;
    std::vector<uint8_t> m_bytes;
    TREE_FILE_HEADER m_header {};
    size_t m_count = 0;
};

// Record number (field 0) of the first record matching the row (folders take
// part unless the row is a channel row), or of the first device record
// matching the key; -1 when none or the file cannot be read (`fileRead`,
// when given, tells which).
int ReadTreeFileAndFindNoOfMacAndSerial(const std::string& path, const RowIdentity& row, bool channelRow);
int ReadTreeFileAndFindNoOfMacAndSerial(
    const std::string& path, const CAM_SERIAL_MAC_INFO& key, bool* fileRead = nullptr);

// Remembers a device as last camera i (0 to 2).
bool SetLastCam(const std::string& path, int i, int32_t number, const char serial[24], const uint8_t mac[6]);
// The device record of last camera i, by its record number, or, when the
// file ends before it, by the first device record matching the entry (whose
// number is then stored back). False for a number below 1, a folder or
// another device at that number, or no match.
bool GetLastCam(const std::string& path, int i, FILE_NODE* node);
// The serial and MAC of the first device record whose MAC is last camera
// i's MAC.
bool GetLastCamKey(const std::string& path, int i, CAM_SERIAL_MAC_INFO* key);
// The first device record matching the row (with the configuration port).
bool GetCam(const std::string& path, const RowIdentity& row, FILE_NODE* node);

} // namespace morrik
