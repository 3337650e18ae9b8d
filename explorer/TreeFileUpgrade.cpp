#include "explorer/TreeFileUpgrade.h"

#include "explorer/TreeFileRecords.h"
#include "link/BitConverters.h"
#include "platform/base/FileIo.h"

#include <algorithm>
#include <cstring>

namespace morrik
{

namespace
{

constexpr uint32_t kOldConfigPort = 8405;

// The records of one kind that follow `at`: at most `count` whole records
// of `size` bytes; `at` moves past them.
size_t WholeRecords(const std::vector<uint8_t>& bytes, size_t at, uint32_t count, uint32_t size)
{
    if (!size || at > bytes.size())
        return 0;
    return std::min<size_t>(count, (bytes.size() - at) / size);
}

void ScrambleEntry(uint8_t* record, uint32_t offset)
{
    if (record[offset])
        ScrambleWithMac(record + offset + 16, record + TreeOffset::Mac);
}

void ScrambleList(uint8_t* record, uint32_t offset)
{
    for (int i = 0; i < ACCOUNT_COUNT && record[offset + 32 * i]; ++i)
        ScrambleEntry(record, offset + 32 * i);
}

// 0x01000000 to 0x01000001, in place: the passwords get scrambled.
void StepScramble(std::vector<uint8_t>& bytes)
{
    PutLE32(TREE_FILE_VERSION_1, bytes.data() + TreeOffset::Version);
    const uint32_t count = GetLE32(bytes.data() + TreeOffset::NodeCount);
    const size_t records = WholeRecords(bytes, TREE_FILE_HEADER_SIZE, count, FILE_NODE_SIZE);
    for (size_t i = 0; i < records; ++i) {
        uint8_t* record = bytes.data() + TREE_FILE_HEADER_SIZE + FILE_NODE_SIZE * i;
        if (IsFolderRecord(record))
            continue;
        ScrambleEntry(record, TreeOffset::OldLogin);
        ScrambleList(record, TreeOffset::OldService1);
        ScrambleList(record, TreeOffset::OldService2);
    }
}

// Copies the records of both kinds into a new image with the current record
// sizes; `device` mends each device or folder record (old record, old size,
// new record), `server` each registration-server record.
template <class Device, class Server>
std::vector<uint8_t> Relayout(const std::vector<uint8_t>& old, uint32_t version, Device device, Server server)
{
    std::vector<uint8_t> out(TREE_FILE_HEADER_SIZE);
    std::memcpy(out.data(), old.data(), TREE_FILE_HEADER_SIZE);
    uint8_t* header = out.data();
    const uint32_t nodeSize = GetLE32(header + TreeOffset::NodeSize);
    const uint32_t nodeCount = GetLE32(header + TreeOffset::NodeCount);
    const uint32_t yemSize = GetLE32(header + TreeOffset::YemNodeSize);
    const uint32_t yemCount = GetLE32(header + TreeOffset::YemNodeCount);
    PutLE32(version, header + TreeOffset::Version);
    PutLE32(FILE_NODE_SIZE, header + TreeOffset::NodeSize);
    PutLE32(FILE_YEM_NODE_SIZE, header + TreeOffset::YemNodeSize);

    size_t at = TREE_FILE_HEADER_SIZE;
    const size_t nodes = WholeRecords(old, at, nodeCount, nodeSize);
    out.reserve(TREE_FILE_HEADER_SIZE + nodes * FILE_NODE_SIZE);
    for (size_t i = 0; i < nodes; ++i, at += nodeSize) {
        uint8_t oldRecord[FILE_NODE_SIZE] = {};
        std::memcpy(oldRecord, old.data() + at, std::min(nodeSize, FILE_NODE_SIZE));
        const size_t end = out.size();
        out.resize(end + FILE_NODE_SIZE);
        device(oldRecord, out.data() + end);
    }
    // Registration-server records follow only a whole run of device records.
    const size_t yems = nodes == nodeCount ? WholeRecords(old, at, yemCount, yemSize) : 0;
    for (size_t i = 0; i < yems; ++i, at += yemSize) {
        const size_t end = out.size();
        out.resize(end + FILE_YEM_NODE_SIZE);
        std::memcpy(out.data() + end, old.data() + at, std::min(yemSize, FILE_YEM_NODE_SIZE));
        server(out.data() + end);
    }
    return out;
}

// 0x01000001 to 0x01000002: the configuration port and the discovery texts
// join the device records.
std::vector<uint8_t> StepPorts(const std::vector<uint8_t>& old)
{
    return Relayout(
        old, TREE_FILE_VERSION_2,
        [](const uint8_t* oldRecord, uint8_t* record) {
            std::memcpy(record, oldRecord, FILE_NODE_SIZE);
            if (IsFolderRecord(record))
                return;
            PutLE32(kOldConfigPort, record + TreeOffset::OldConfigPort);
            std::memset(record + TreeOffset::OldModel, 0, 16 + 32);
        },
        [](uint8_t* record) { PutLE32(kOldConfigPort, record + TreeOffset::YemOldPort); });
}

// 0x01000002 to 0x01000003: the address text grows to 128 bytes and
// everything after it moves.
std::vector<uint8_t> StepAddress(const std::vector<uint8_t>& old)
{
    return Relayout(
        old, TREE_FILE_VERSION,
        [](const uint8_t* oldRecord, uint8_t* record) {
            std::memcpy(record, oldRecord, TreeOffset::Address);
            std::memcpy(record + TreeOffset::Address, oldRecord + TreeOffset::Address, 24);
            std::memcpy(record + TreeOffset::Login, oldRecord + TreeOffset::OldLogin, 32);
            std::memcpy(record + TreeOffset::Service1, oldRecord + TreeOffset::OldService1, 320);
            std::memcpy(record + TreeOffset::Service2, oldRecord + TreeOffset::OldService2, 320);
            std::memcpy(record + TreeOffset::Service2Port, oldRecord + TreeOffset::OldPorts, 28);
            std::memcpy(record + TreeOffset::Version2, oldRecord + TreeOffset::OldVersion2, 32);
        },
        [](uint8_t*) {});
}

} // namespace

TreeFileConversion ConvertTreeFileImage(const std::vector<uint8_t>& old, std::vector<uint8_t>* current)
{
    if (old.empty())
        return TreeFileConversion::Empty;
    if (old.size() < TREE_FILE_HEADER_SIZE)
        return TreeFileConversion::Corrupt;
    const int32_t version = static_cast<int32_t>(GetLE32(old.data() + TreeOffset::Version));
    if (version < static_cast<int32_t>(TREE_FILE_VERSION_0))
        return TreeFileConversion::BadVersion;
    if (static_cast<uint32_t>(version) == TREE_FILE_VERSION)
        return TreeFileConversion::Current;
    if (static_cast<uint32_t>(version) > TREE_FILE_VERSION)
        return TreeFileConversion::NoStep;

    std::vector<uint8_t> bytes = old;
    if (static_cast<uint32_t>(version) == TREE_FILE_VERSION_0)
        StepScramble(bytes);
    if (GetLE32(bytes.data()) == TREE_FILE_VERSION_1)
        bytes = StepPorts(bytes);
    bytes = StepAddress(bytes);
    *current = std::move(bytes);
    return TreeFileConversion::Converted;
}

int UpgradeTreeFile(const std::string& path)
{
    std::vector<uint8_t> old;
    if (ReadFileBytes(path, old) != FileReadResult::Read)
        return -1;
    std::vector<uint8_t> current;
    switch (ConvertTreeFileImage(old, &current)) {
    case TreeFileConversion::Current:
        return 1;
    case TreeFileConversion::Converted:
        return WriteFileAtomic(path, current.data(), current.size()) ? 1 : -1;
    case TreeFileConversion::Empty:
        RemoveFile(path);
        return -1;
    case TreeFileConversion::Corrupt:
        return -1;
    case TreeFileConversion::BadVersion:
        RemoveFile(path);
        return 0;
    case TreeFileConversion::NoStep:
        return 0;
    }
    return -1;
}

} // namespace morrik
