#include "explorer/TreeFile.h"

#include "explorer/TreeFileUpgrade.h"
#include "link/BitConverters.h"
#include "platform/base/FileIo.h"

#include <algorithm>
#include <cstring>
#include <new>

namespace morrik
{

namespace
{

TreeFileStatus Classify(const std::vector<uint8_t>& bytes, TREE_FILE_HEADER* header)
{
    if (bytes.empty())
        return TreeFileStatus::Empty;
    if (bytes.size() < TREE_FILE_HEADER_SIZE)
        return TreeFileStatus::Corrupt;
    *header = DecodeTreeFileHeader(bytes.data());
    if (header->dwVersion != TREE_FILE_VERSION || header->dwNodeSize != FILE_NODE_SIZE
        || header->dwYemNodeSize != FILE_YEM_NODE_SIZE)
        return TreeFileStatus::OtherFormat;
    return TreeFileStatus::Current;
}

TreeFileStatus LoadTreeFile(const std::string& path, std::vector<uint8_t>& bytes, TREE_FILE_HEADER* header)
{
    switch (ReadFileBytes(path, bytes)) {
    case FileReadResult::Missing:
        return TreeFileStatus::Missing;
    case FileReadResult::Unreadable:
        return TreeFileStatus::Corrupt;
    case FileReadResult::Read:
        break;
    }
    return Classify(bytes, header);
}

size_t WholeRecords(size_t size, size_t at, uint32_t count, uint32_t recordSize)
{
    return at > size ? 0 : std::min<size_t>(count, (size - at) / recordSize);
}

} // namespace

bool ResetFileIfNoFileIs(const std::string& path)
{
    UpgradeTreeFile(path);
    if (FileExists(path))
        return true;
    uint8_t header[TREE_FILE_HEADER_SIZE];
    EncodeTreeFileHeader(NewTreeFileHeader(), header);
    return WriteNewFile(path, header, sizeof header) || FileExists(path);
}

TreeFileStatus ConsistLlistFromBytes(const std::vector<uint8_t>& bytes, TreeFileLists* lists)
{
    lists->nodes.clear();
    lists->yemNodes.clear();
    TREE_FILE_HEADER header {};
    const TreeFileStatus status = Classify(bytes, &header);
    if (status != TreeFileStatus::Current)
        return status;
    try {
        size_t at = TREE_FILE_HEADER_SIZE;
        const size_t nodes = WholeRecords(bytes.size(), at, header.dwNodeCount, FILE_NODE_SIZE);
        lists->nodes.reserve(nodes);
        for (size_t i = 0; i < nodes; ++i, at += FILE_NODE_SIZE) {
            if (IsDroppedRecord(bytes.data() + at))
                continue;
            lists->nodes.emplace_back();
            DecodeFileNode(bytes.data() + at, &lists->nodes.back());
        }
        if (nodes < header.dwNodeCount)
            return TreeFileStatus::Current;
        const size_t yems = WholeRecords(bytes.size(), at, header.dwYemNodeCount, FILE_YEM_NODE_SIZE);
        lists->yemNodes.resize(yems);
        for (size_t i = 0; i < yems; ++i, at += FILE_YEM_NODE_SIZE)
            DecodeFileYemNode(bytes.data() + at, &lists->yemNodes[i]);
    } catch (const std::bad_alloc&) {
        return TreeFileStatus::OutOfMemory;
    }
    return TreeFileStatus::Current;
}

TreeFileStatus ReadTreeFileAndConsistLlist(const std::string& path, TreeFileLists* lists)
{
    lists->nodes.clear();
    lists->yemNodes.clear();
    UpgradeTreeFile(path);
    std::vector<uint8_t> bytes;
    TREE_FILE_HEADER header {};
    const TreeFileStatus status = LoadTreeFile(path, bytes, &header);
    if (status != TreeFileStatus::Current)
        return status;
    return ConsistLlistFromBytes(bytes, lists);
}

std::vector<uint8_t> BuildTreeFileBytes(TREE_FILE_HEADER header, const TreeFileLists& lists, bool withYem)
{
    const size_t yems = withYem ? lists.yemNodes.size() : 0;
    std::vector<uint8_t> bytes(
        TREE_FILE_HEADER_SIZE + FILE_NODE_SIZE * lists.nodes.size() + FILE_YEM_NODE_SIZE * yems);
    bool matched[LAST_CAM_COUNT] = {};
    uint8_t* at = bytes.data() + TREE_FILE_HEADER_SIZE;
    for (const FILE_NODE& node : lists.nodes) {
        EncodeFileNode(node, at);
        if (!node.bFolder) {
            for (int i = 0; i < LAST_CAM_COUNT; ++i) {
                if (!matched[i] && CompareCAM(node.item, header.lastCam[i])) {
                    header.lastCam[i].nRecord = static_cast<int32_t>(node.dwNo);
                    matched[i] = true;
                }
            }
        }
        at += FILE_NODE_SIZE;
    }
    for (size_t i = 0; i < yems; ++i, at += FILE_YEM_NODE_SIZE)
        EncodeFileYemNode(lists.yemNodes[i], at);
    header.dwNodeCount = static_cast<uint32_t>(lists.nodes.size());
    header.dwYemNodeCount = static_cast<uint32_t>(yems);
    EncodeTreeFileHeader(header, bytes.data());
    return bytes;
}

bool ReadLlistAndUpdateFile(const std::string& path, const TreeFileLists& lists, bool withYem)
{
    std::vector<uint8_t> old;
    TREE_FILE_HEADER header {};
    switch (LoadTreeFile(path, old, &header)) {
    case TreeFileStatus::Current:
        break;
    case TreeFileStatus::Empty:
        header = NewTreeFileHeader();
        break;
    default:
        return false;
    }
    try {
        const std::vector<uint8_t> bytes = BuildTreeFileBytes(header, lists, withYem);
        return WriteFileAtomic(path, bytes.data(), bytes.size());
    } catch (const std::bad_alloc&) {
        return false;
    }
}

bool TreeFileImage::Open(const std::string& path)
{
    m_path = path;
    m_count = 0;
    UpgradeTreeFile(path);
    if (LoadTreeFile(path, m_bytes, &m_header) != TreeFileStatus::Current)
        return false;
    // Records past the header's count are registration-server records.
    m_count = WholeRecords(m_bytes.size(), TREE_FILE_HEADER_SIZE, m_header.dwNodeCount, FILE_NODE_SIZE);
    return true;
}

long TreeFileImage::Find(const std::function<bool(const uint8_t* record)>& match)
{
    for (size_t i = 0; i < m_count; ++i)
        if (match(Record(i)))
            return static_cast<long>(i);
    return -1;
}

bool TreeFileImage::Save()
{
    // The counts stay as the file had them.
    uint8_t header[TREE_FILE_HEADER_SIZE];
    EncodeTreeFileHeader(m_header, header);
    std::memcpy(m_bytes.data(), header, sizeof header);
    return WriteFileAtomic(m_path, m_bytes.data(), m_bytes.size());
}

namespace
{

bool MatchesRow(const uint8_t* record, const RowIdentity& row)
{
    char address[128];
    RecordAddress(record, address);
    return CompareDVR(RecordItemType(record), address, GetLE32(record + TreeOffset::ConfigPort), row, true);
}

int NumberOf(TreeFileImage& image, long index)
{
    return index < 0 ? -1 : static_cast<int>(GetLE32(image.Record(static_cast<size_t>(index))));
}

} // namespace

int ReadTreeFileAndFindNoOfMacAndSerial(const std::string& path, const RowIdentity& row, bool channelRow)
{
    TreeFileImage image;
    if (!image.Open(path))
        return -1;
    return NumberOf(image, image.Find([&](const uint8_t* record) {
        return (!channelRow || !IsFolderRecord(record)) && MatchesRow(record, row);
    }));
}

int ReadTreeFileAndFindNoOfMacAndSerial(
    const std::string& path, const CAM_SERIAL_MAC_INFO& key, bool* fileRead)
{
    TreeFileImage image;
    const bool read = image.Open(path);
    if (fileRead)
        *fileRead = read;
    if (!read)
        return -1;
    return NumberOf(image, image.Find([&](const uint8_t* record) {
        return !IsFolderRecord(record) && CompareDVR(RecordItemType(record), key);
    }));
}

bool SetLastCam(const std::string& path, int i, int32_t number, const char serial[24], const uint8_t mac[6])
{
    TreeFileImage image;
    if (i < 0 || i >= LAST_CAM_COUNT || !image.Open(path))
        return false;
    LastCamInfo& entry = image.Header().lastCam[i];
    entry.nRecord = number;
    std::memcpy(entry.szSerial, serial, 24);
    std::memcpy(entry.byMac, mac, 6);
    return image.Save();
}

bool GetLastCam(const std::string& path, int i, FILE_NODE* node)
{
    TreeFileImage image;
    if (i < 0 || i >= LAST_CAM_COUNT || !image.Open(path))
        return false;
    LastCamInfo& entry = image.Header().lastCam[i];
    const auto matches = [&](const uint8_t* record) {
        return !IsFolderRecord(record) && CompareCAM(RecordItemType(record), entry);
    };
    if (entry.nRecord < 1)
        return false;
    const size_t at = static_cast<size_t>(entry.nRecord) - 1;
    if (at < image.Count()) {
        if (!matches(image.Record(at)))
            return false;
        DecodeFileNode(image.Record(at), node);
        return true;
    }
    const long found = image.Find(matches);
    if (found < 0)
        return false;
    entry.nRecord = NumberOf(image, found);
    image.Save();
    DecodeFileNode(image.Record(static_cast<size_t>(found)), node);
    return true;
}

bool GetLastCamKey(const std::string& path, int i, CAM_SERIAL_MAC_INFO* key)
{
    TreeFileImage image;
    if (i < 0 || i >= LAST_CAM_COUNT || !image.Open(path))
        return false;
    char wanted[18];
    FormatMac(image.Header().lastCam[i].byMac, wanted);
    const long found = image.Find([&](const uint8_t* record) {
        char text[18];
        FormatMac(record + TreeOffset::Mac, text);
        return !IsFolderRecord(record) && std::strcmp(text, wanted) == 0;
    });
    if (found < 0)
        return false;
    const FileItemType item = RecordItemType(image.Record(static_cast<size_t>(found)));
    std::memcpy(key->szSerial, item.szSerial, 24);
    std::memcpy(key->byMac, item.byMac, 6);
    return true;
}

bool GetCam(const std::string& path, const RowIdentity& row, FILE_NODE* node)
{
    TreeFileImage image;
    if (!image.Open(path))
        return false;
    const long found = image.Find(
        [&](const uint8_t* record) { return !IsFolderRecord(record) && MatchesRow(record, row); });
    if (found < 0)
        return false;
    DecodeFileNode(image.Record(static_cast<size_t>(found)), node);
    return true;
}

} // namespace morrik
