#include "devtree/TreeFileUpgrade.h"

#include "devtree/TreeFile.h"
#include "devtree/TreeFilePaths.h"
#include "devtree/TreeFileRecords.h"
#include "link/ByteOrder.h"
#include "platform/base/FileIo.h"

#include <algorithm>
#include <cstring>

namespace
{

constexpr uint32_t DEFAULT_CONFIG_PORT = 8405;

// Offsets of the device record of versions 0 to 2.
namespace OldOffset
{
constexpr uint32_t Address = 190;
constexpr uint32_t Login = 214;
constexpr uint32_t TableA = 246;
constexpr uint32_t TableB = 566;
constexpr uint32_t HttpPort = 888;
constexpr uint32_t ConfigPort = 896; // version 2
constexpr uint32_t Model = 900; // version 2
constexpr uint32_t FirmwareVersionEnd = 948; // version 2
}
constexpr uint32_t YemConfigPort = 160; // version 2 on
// The smallest records that still hold their flags.
constexpr uint32_t MinNodeSize = TreeFileOffset::Folder + 2;
constexpr uint32_t MinYemNodeSize = 61;

// Where each field of a version-2 record moves in version 3.
struct FieldMove {
    uint32_t from, to, width;
};
constexpr FieldMove kVersion3Moves[] = {
    { 0, 0, TreeFileOffset::Address }, // ids to MAC: same place
    { OldOffset::Address, TreeFileOffset::Address, 24 }, { OldOffset::Login, TreeFileOffset::Login, 32 },
    { OldOffset::TableA, TreeFileOffset::TableA, 320 }, { OldOffset::TableB, TreeFileOffset::TableB, 320 },
    { OldOffset::HttpPort, TreeFileOffset::HttpPort, 12 }, // HTTP, streaming, configuration port
    { OldOffset::Model, TreeFileOffset::Model, 48 }, // model name, firmware version text
};

// The records of an old file, each widened to the current size with zeros.
struct OldTree {
    uint8_t header[TREE_FILE_HEADER_SIZE];
    uint32_t version;
    std::vector<uint8_t> nodes; // FILE_NODE_SIZE each
    std::vector<uint8_t> yemNodes; // FILE_YEM_NODE_SIZE each
    size_t NodeCount() const { return nodes.size() / FILE_NODE_SIZE; }
    size_t YemNodeCount() const { return yemNodes.size() / FILE_YEM_NODE_SIZE; }
};

// Reads `count` records of `size` bytes from `in` (a short last record has
// its missing bytes zero) into records of `width` bytes. False when a record
// would not fit the current one, or is too small to hold its flags (which
// also bounds how much a file can grow in memory).
bool ReadOldRecords(WireReader& in, uint32_t count, uint32_t size, uint32_t minSize, uint32_t width,
    std::vector<uint8_t>* out)
{
    if (count == 0)
        return true;
    if (size < minSize || size > width)
        return false;
    size_t present = (in.Remaining() + size - 1) / size;
    out->assign(std::min<size_t>(count, present) * width, 0);
    for (size_t i = 0; i < out->size() / width; ++i)
        in.Bytes(out->data() + i * width, size);
    return true;
}

uint32_t U32At(const uint8_t* p, uint32_t offset)
{
    uint32_t value;
    DirGetU32(p, &offset, &value);
    return value;
}

void PutU32At(uint8_t* p, uint32_t offset, uint32_t value)
{
    DirPutU32(p, &offset, value);
}

bool IsDevice(const uint8_t* record)
{
    return record[TreeFileOffset::Folder] == 0;
}

// Version 0 kept the passwords in clear; version 1 masks the filled ones
// with the record's MAC.
void MaskOldTable(uint8_t* record, uint32_t table)
{
    for (uint32_t i = 0; i < 10; ++i) {
        uint8_t* entry = record + table + 32 * i;
        if (entry[0] == 0)
            return;
        MaskWithMac(entry + 16, 16, record + TreeFileOffset::Mac);
    }
}

void ToVersion1(OldTree& tree)
{
    for (size_t i = 0; i < tree.NodeCount(); ++i) {
        uint8_t* record = tree.nodes.data() + i * FILE_NODE_SIZE;
        if (!IsDevice(record))
            continue;
        if (record[OldOffset::Login] != 0)
            MaskWithMac(record + OldOffset::Login + 16, 16, record + TreeFileOffset::Mac);
        MaskOldTable(record, OldOffset::TableA);
        MaskOldTable(record, OldOffset::TableB);
    }
}

// Version 2 added the configuration port, model name and version text.
void ToVersion2(OldTree& tree)
{
    for (size_t i = 0; i < tree.NodeCount(); ++i) {
        uint8_t* record = tree.nodes.data() + i * FILE_NODE_SIZE;
        if (!IsDevice(record))
            continue;
        PutU32At(record, OldOffset::ConfigPort, DEFAULT_CONFIG_PORT);
        std::memset(record + OldOffset::Model, 0, OldOffset::FirmwareVersionEnd - OldOffset::Model);
    }
    for (size_t i = 0; i < tree.YemNodeCount(); ++i)
        PutU32At(tree.yemNodes.data() + i * FILE_YEM_NODE_SIZE, YemConfigPort, DEFAULT_CONFIG_PORT);
}

// Version 3 widened the address text from 24 to 128 bytes.
void ToVersion3(OldTree& tree)
{
    uint8_t relaid[FILE_NODE_SIZE];
    for (size_t i = 0; i < tree.NodeCount(); ++i) {
        uint8_t* record = tree.nodes.data() + i * FILE_NODE_SIZE;
        std::memset(relaid, 0, sizeof relaid);
        for (const FieldMove& move : kVersion3Moves)
            std::memcpy(relaid + move.to, record + move.from, move.width);
        std::memcpy(record, relaid, sizeof relaid);
    }
}

} // namespace

TreeFileConversion ConvertTreeFileImage(const std::vector<uint8_t>& old, std::vector<uint8_t>* current)
{
    if (old.size() < TREE_FILE_HEADER_SIZE)
        return TreeFileConversion::Unreadable;
    OldTree tree;
    WireReader in(old.data(), old.size(), WireReader::Host);
    in.Bytes(tree.header, sizeof tree.header);
    tree.version = U32At(tree.header, TreeFileOffset::Version);
    if (static_cast<int32_t>(tree.version) < static_cast<int32_t>(TREE_FILE_VERSION_0))
        return TreeFileConversion::BadVersion;
    if (tree.version == TREE_FILE_VERSION)
        return TreeFileConversion::Current;
    if (tree.version > TREE_FILE_VERSION)
        return TreeFileConversion::Unknown;

    if (!ReadOldRecords(in, U32At(tree.header, TreeFileOffset::NodeCount),
            U32At(tree.header, TreeFileOffset::NodeSize), MinNodeSize, FILE_NODE_SIZE, &tree.nodes)
        || !ReadOldRecords(in, U32At(tree.header, TreeFileOffset::YemNodeCount),
            U32At(tree.header, TreeFileOffset::YemNodeSize), MinYemNodeSize, FILE_YEM_NODE_SIZE,
            &tree.yemNodes))
        return TreeFileConversion::Unknown;

    if (tree.version == TREE_FILE_VERSION_0)
        ToVersion1(tree);
    if (tree.version <= TREE_FILE_VERSION_1)
        ToVersion2(tree);
    ToVersion3(tree);

    PutU32At(tree.header, TreeFileOffset::Version, TREE_FILE_VERSION);
    PutU32At(tree.header, TreeFileOffset::NodeSize, FILE_NODE_SIZE);
    PutU32At(tree.header, TreeFileOffset::NodeCount, static_cast<uint32_t>(tree.NodeCount()));
    PutU32At(tree.header, TreeFileOffset::YemNodeSize, FILE_YEM_NODE_SIZE);
    PutU32At(tree.header, TreeFileOffset::YemNodeCount, static_cast<uint32_t>(tree.YemNodeCount()));
    current->assign(tree.header, tree.header + sizeof tree.header);
    current->insert(current->end(), tree.nodes.begin(), tree.nodes.end());
    current->insert(current->end(), tree.yemNodes.begin(), tree.yemNodes.end());
    return TreeFileConversion::Converted;
}

int UpgradeTreeFile(int family, const std::string& installDir)
{
    if (family != TREE_FAMILY_DVR)
        return 0;
    const std::string path = TreeFilePath(installDir, family);
    std::vector<uint8_t> old, current;
    if (!ReadTreeFileBytes(path, old))
        return -1;
    switch (ConvertTreeFileImage(old, &current)) {
    case TreeFileConversion::Current:
        return 1;
    case TreeFileConversion::Unknown:
        return 0;
    case TreeFileConversion::Unreadable:
    case TreeFileConversion::BadVersion: {
        bool unreadable = old.size() < TREE_FILE_HEADER_SIZE;
        if (RemoveFile(path))
            ResetFileIfNoFileIs(path);
        return unreadable ? -1 : 0;
    }
    case TreeFileConversion::Converted:
        break;
    }
    return WriteFileAtomic(path, current.data(), current.size()) ? 1 : -1;
}
