#include "devtree/TreeFile.h"

#include "link/ByteOrder.h"
#include "platform/base/FileIo.h"

#include <algorithm>
#include <cstring>
#include <filesystem>
#include <vector>

bool ReadTreeFileBytes(const std::string& path, std::vector<uint8_t>& bytes)
{
    return ReadWholeFile(path, bytes);
}

bool IsCurrentTreeFormat(const TREE_FILE_HEADER& header)
{
    return header.dwVersion == TREE_FILE_VERSION && header.dwNodeSize == FILE_NODE_SIZE
        && header.dwYemNodeSize == FILE_YEM_NODE_SIZE;
}

namespace
{

// A tree file read whole, with its records located. The header's counts
// are bounded by the bytes that are there; the last record of each kind may
// be short (its missing bytes read as zero).
class TreeFileImage
{
public:
    // False when the file cannot be read, has no whole header or is not of
    // the current format (so it is never written back).
    bool Read(const std::string& path)
    {
        std::vector<uint8_t> bytes;
        return ReadTreeFileBytes(path, bytes) && Assign(std::move(bytes)) && IsCurrentTreeFormat(m_header);
    }

    bool Assign(std::vector<uint8_t> bytes)
    {
        m_bytes = std::move(bytes);
        if (m_bytes.size() < TREE_FILE_HEADER_SIZE)
            return false;
        DecodeTreeFileHeader(m_bytes.data(), m_bytes.size(), &m_header);
        m_nodeCount
            = std::min<size_t>(m_header.dwNodeCount, RecordsFrom(TREE_FILE_HEADER_SIZE, FILE_NODE_SIZE));
        m_yemOffset = std::min(m_bytes.size(), TREE_FILE_HEADER_SIZE + m_nodeCount * FILE_NODE_SIZE);
        m_yemCount = std::min<size_t>(m_header.dwYemNodeCount, RecordsFrom(m_yemOffset, FILE_YEM_NODE_SIZE));
        return true;
    }

    const TREE_FILE_HEADER& Header() const { return m_header; }
    size_t NodeCount() const { return m_nodeCount; }
    size_t YemNodeCount() const { return m_yemCount; }
    uint8_t* Node(size_t i) { return m_bytes.data() + NodeOffset(i); }
    size_t NodeBytes(size_t i) const
    {
        return std::min<size_t>(FILE_NODE_SIZE, m_bytes.size() - NodeOffset(i));
    }
    const uint8_t* YemNode(size_t i) const { return m_bytes.data() + YemOffset(i); }
    size_t YemNodeBytes(size_t i) const
    {
        return std::min<size_t>(FILE_YEM_NODE_SIZE, m_bytes.size() - YemOffset(i));
    }
    bool IsFolder(size_t i) const
    {
        return NodeBytes(i) > TreeFileOffset::Folder && m_bytes[NodeOffset(i) + TreeFileOffset::Folder] != 0;
    }

    // The first device record matching the key, or -1.
    int64_t FindDevice(const CAM_SERIAL_MAC_INFO& key)
    {
        for (size_t i = 0; i < m_nodeCount; ++i) {
            if (IsFolder(i) || !CompareDVR(DecodeFileItemType(Node(i), NodeBytes(i)), key))
                continue;
            WireReader in(Node(i), NodeBytes(i), WireReader::Host);
            return in.U32();
        }
        return -1;
    }

    uint8_t* HeaderBytes() { return m_bytes.data(); }
    bool Write(const std::string& path) const
    {
        return WriteFileAtomic(path, m_bytes.data(), m_bytes.size());
    }

private:
    size_t RecordsFrom(size_t offset, size_t recordSize) const
    {
        size_t left = offset < m_bytes.size() ? m_bytes.size() - offset : 0;
        return (left + recordSize - 1) / recordSize;
    }
    size_t NodeOffset(size_t i) const { return TREE_FILE_HEADER_SIZE + i * FILE_NODE_SIZE; }
    size_t YemOffset(size_t i) const { return m_yemOffset + i * FILE_YEM_NODE_SIZE; }

    std::vector<uint8_t> m_bytes;
    TREE_FILE_HEADER m_header {};
    size_t m_nodeCount = 0;
    size_t m_yemOffset = 0;
    size_t m_yemCount = 0;
};

// The header of an existing file without reading its records. False when
// the file is missing, cannot be read or is of another format; a file
// without a whole header gives a new one.
bool ReadTreeFileHeader(const std::string& path, TREE_FILE_HEADER* header)
{
    std::vector<uint8_t> bytes;
    if (ReadFileBytes(path, bytes, TREE_FILE_HEADER_SIZE) != FileReadResult::Read)
        return false;
    if (bytes.size() < TREE_FILE_HEADER_SIZE) {
        *header = NewTreeFileHeader();
        return true;
    }
    DecodeTreeFileHeader(bytes.data(), bytes.size(), header);
    return IsCurrentTreeFormat(*header);
}

// Applies `patch` to every whole device record that matches the tree item
// and rewrites the file when any did.
template <class Patch> int PatchDeviceRecords(const std::string& path, const TreeItemKey& key, Patch patch)
{
    TreeFileImage image;
    if (!image.Read(path))
        return -1;
    int changed = 0;
    for (size_t i = 0; i < image.NodeCount(); ++i) {
        if (image.NodeBytes(i) < FILE_NODE_SIZE || image.IsFolder(i))
            continue;
        char address[128];
        FileItemType item = DecodeFileItemType(image.Node(i), FILE_NODE_SIZE, &address);
        if (!CompareDVR(item, address, key))
            continue;
        patch(image.Node(i));
        ++changed;
    }
    if (changed && !image.Write(path))
        return -1;
    return changed;
}

void PutU32At(uint8_t* record, uint32_t offset, uint32_t value)
{
    DirPutU32(record, &offset, value);
}

// The bytes of a file in memory, handed out in order.
class BytesSource
{
public:
    explicit BytesSource(const std::vector<uint8_t>& bytes)
        : m_bytes(bytes)
    {
    }
    // The next `size` bytes, fewer only at the end; false when they cannot
    // be read.
    bool Take(size_t size, const uint8_t*& data, size_t& got)
    {
        data = m_bytes.data() + m_at;
        got = std::min(size, m_bytes.size() - m_at);
        m_at += got;
        return true;
    }
    // The next `size` bytes (fewer only at the end) copied to `to`.
    bool Fill(uint8_t* to, size_t size, size_t& got)
    {
        const uint8_t* data = nullptr;
        Take(size, data, got);
        if (got)
            std::memcpy(to, data, got);
        return true;
    }

private:
    const std::vector<uint8_t>& m_bytes;
    size_t m_at = 0;
};

// A file read as it is decoded: the device records straight into the
// memory of their nodes, the other records through a buffer of a few.
class FileSource
{
public:
    explicit FileSource(FileReader& file)
        : m_file(file)
    {
    }
    bool Take(size_t size, const uint8_t*& data, size_t& got)
    {
        if (m_buffer.size() < size)
            m_buffer.resize(size);
        data = m_buffer.data();
        return m_file.Read(m_buffer.data(), size, got);
    }
    bool Fill(uint8_t* to, size_t size, size_t& got) { return m_file.Read(to, size, got); }

private:
    FileReader& m_file;
    std::vector<uint8_t> m_buffer;
};

// Records taken from a source this many at a time: few reads, and a
// buffer (about 270 KB) that the cache still holds while it is decoded.
constexpr size_t RECORDS_PER_TAKE = 256;

enum class Records { Taken, Unreadable, NoMemory };

// Up to `count` records of `size` bytes from the source into `decode`
// (record, its bytes; false when memory runs out). The last one may be
// short: the file ends there.
template <class Source, class Decode>
Records TakeRecords(Source& source, size_t count, size_t size, Decode decode)
{
    while (count) {
        const size_t want = std::min(count, RECORDS_PER_TAKE) * size;
        const uint8_t* data = nullptr;
        size_t got = 0;
        if (!source.Take(want, data, got))
            return Records::Unreadable;
        for (size_t at = 0; at < got; at += size)
            if (!decode(data + at, std::min(size, got - at)))
                return Records::NoMemory;
        if (got < want)
            break;
        count -= std::min(count, RECORDS_PER_TAKE);
    }
    return Records::Taken;
}

// Up to `count` device records from the source into the device list, a
// block of them at a time read into the memory of their nodes and decoded
// there while it is still in the cache. A folder without a name is
// skipped; the last record may be short (the file ends there).
template <class Source> Records TakeFileNodes(Source& source, size_t count, CTreeFileLists& lists)
{
    while (count) {
        size_t room = std::min(count, RECORDS_PER_TAKE);
        tagLinkedListNode* nodes = lists.LlistRoom(room);
        if (!nodes)
            return Records::NoMemory;
        uint8_t* records = reinterpret_cast<uint8_t*>(nodes);
        const size_t want = room * FILE_NODE_SIZE;
        size_t got = 0;
        if (!source.Fill(records, want, got))
            return Records::Unreadable;
        size_t kept = 0;
        for (size_t at = 0; at < got; at += FILE_NODE_SIZE) {
            const uint8_t* record = records + at;
            const size_t size = std::min<size_t>(FILE_NODE_SIZE, got - at);
            if (size > TreeFileOffset::Folder && record[TreeFileOffset::Folder] != 0 && record[8] == 0)
                continue; // a folder without a name
            DecodeFileNode(record, size, &nodes[kept++].node);
        }
        lists.AppendLlistRoom(kept);
        if (got < want)
            break;
        count -= room;
    }
    return Records::Taken;
}

template <class Source> TreeLoadResult LoadTree(Source& source, CTreeFileLists& lists)
{
    lists.DeleteLlist();
    const uint8_t* data = nullptr;
    size_t got = 0;
    if (!source.Take(TREE_FILE_HEADER_SIZE, data, got))
        return TreeLoadResult::Unreadable;
    if (got < TREE_FILE_HEADER_SIZE)
        return TreeLoadResult::NoFile;
    TREE_FILE_HEADER header;
    DecodeTreeFileHeader(data, got, &header);
    // Read as the current layout, a file of another would give made-up
    // records, and saving them would replace what it holds.
    if (!IsCurrentTreeFormat(header))
        return TreeLoadResult::UnknownFormat;
    Records taken = TakeFileNodes(source, header.dwNodeCount, lists);
    if (taken == Records::Taken)
        taken = TakeRecords(
            source, header.dwYemNodeCount, FILE_YEM_NODE_SIZE, [&](const uint8_t* record, size_t size) {
                FILE_YEM_NODE* node = lists.AppendYemLlist();
                if (node)
                    DecodeFileYemNode(record, size, node);
                return node != nullptr;
            });
    switch (taken) {
    case Records::Taken:
        return TreeLoadResult::Loaded;
    case Records::NoMemory:
        return TreeLoadResult::OutOfMemory;
    case Records::Unreadable:
        break;
    }
    lists.DeleteLlist();
    return TreeLoadResult::Unreadable;
}

} // namespace

bool ResetFileIfNoFileIs(const std::string& path)
{
    if (FileExists(path))
        return true;
    uint8_t bytes[TREE_FILE_HEADER_SIZE];
    EncodeTreeFileHeader(NewTreeFileHeader(), bytes);
    // Another copy of the program may create it at the same moment.
    return WriteNewFile(path, bytes, sizeof bytes) || FileExists(path);
}

TreeLoadResult ReadTreeFileAndConsistLlist(const std::string& path, CTreeFileLists& lists)
{
    FileReader file;
    switch (file.Open(path)) {
    case FileReadResult::Read: {
        FileSource source(file);
        return LoadTree(source, lists);
    }
    case FileReadResult::Missing:
        lists.DeleteLlist();
        return TreeLoadResult::NoFile;
    case FileReadResult::Unreadable:
        break;
    }
    lists.DeleteLlist();
    return TreeLoadResult::Unreadable;
}

TreeLoadResult ConsistLlistFromBytes(const std::vector<uint8_t>& bytes, CTreeFileLists& lists)
{
    BytesSource source(bytes);
    return LoadTree(source, lists);
}

bool ReadLlistAndUpdateFile(const std::string& path, const CTreeFileLists& lists, bool hasServerBranch)
{
    TREE_FILE_HEADER old;
    if (!ReadTreeFileHeader(path, &old))
        return false;
    // The records are written in the current layout whatever the old header
    // said; only its last-device entries carry over.
    TREE_FILE_HEADER header = NewTreeFileHeader();
    std::copy(std::begin(old.lastCam), std::end(old.lastCam), header.lastCam);

    size_t nodes = 0, yemNodes = 0;
    for (const tagLinkedListNode* p = lists.m_pHead; p; p = p->pNext)
        ++nodes;
    for (const tagLinkedYemListNode* p = lists.m_pYemHead; p && hasServerBranch; p = p->pNext)
        ++yemNodes;
    // Kept from save to save: a large tree's buffer, fresh each time, would
    // be mapped and faulted in page by page by every save.
    static thread_local std::vector<uint8_t> bytes;
    bytes.assign(TREE_FILE_HEADER_SIZE + nodes * FILE_NODE_SIZE + yemNodes * FILE_YEM_NODE_SIZE, 0);
    uint8_t* out = bytes.data() + TREE_FILE_HEADER_SIZE;
    bool moved[LAST_CAM_SLOTS] = {};
    for (const tagLinkedListNode* p = lists.m_pHead; p; p = p->pNext, out += FILE_NODE_SIZE) {
        const FILE_NODE& node = p->node;
        EncodeFileNode(node, out);
        if (node.bFolder)
            continue;
        for (int slot = 0; slot < LAST_CAM_SLOTS; ++slot) {
            if (!moved[slot] && CompareCAM(node.item, header.lastCam[slot])) {
                header.lastCam[slot].dwId = node.dwId;
                moved[slot] = true;
            }
        }
    }
    for (const tagLinkedYemListNode* p = lists.m_pYemHead; p && hasServerBranch; p = p->pNext) {
        EncodeFileYemNode(p->node, out);
        out += FILE_YEM_NODE_SIZE;
    }
    header.dwNodeCount = static_cast<uint32_t>(nodes);
    header.dwYemNodeCount = static_cast<uint32_t>(yemNodes);
    EncodeTreeFileHeader(header, bytes.data());
    return WriteFileAtomic(path, bytes.data(), bytes.size());
}

int UpdateDevicePortsInFile(const std::string& path, const TreeItemKey& item, uint32_t httpPort,
    uint32_t streamPort, uint32_t configPort)
{
    return PatchDeviceRecords(path, item, [&](uint8_t* record) {
        PutU32At(record, TreeFileOffset::HttpPort, httpPort);
        PutU32At(record, TreeFileOffset::StreamPort, streamPort);
        PutU32At(record, TreeFileOffset::ConfigPort, configPort);
    });
}

int UpdateDeviceIpInFile(const std::string& path, const TreeItemKey& item, uint32_t ipAddress)
{
    return PatchDeviceRecords(
        path, item, [&](uint8_t* record) { PutU32At(record, TreeFileOffset::IpAddress, ipAddress); });
}

int UpdateLookupSettingsInFile(const std::string& path, const TreeItemKey& item, const uint32_t lookup[4])
{
    return PatchDeviceRecords(path, item, [&](uint8_t* record) {
        for (uint32_t i = 0; i < 4; ++i)
            PutU32At(record, TreeFileOffset::Lookup + 4 * i, lookup[i]);
    });
}

int64_t ReadTreeFileAndFindNoOfMacAndSerial(const std::string& path, const CAM_SERIAL_MAC_INFO& key)
{
    TreeFileImage image;
    if (!image.Read(path))
        return -1;
    return image.FindDevice(key);
}

bool SetLastCam(const std::string& path, int slot, const CAM_SERIAL_MAC_INFO& key)
{
    TreeFileImage image;
    if (slot < 0 || slot >= LAST_CAM_SLOTS || !image.Read(path))
        return false;
    int64_t id = image.FindDevice(key);
    if (id < 0)
        return false;
    LastCamInfo entry {};
    entry.dwId = static_cast<uint32_t>(id);
    CopySerial(entry.szSerial, key.szSerial);
    std::memcpy(entry.byMac, key.byMac, 6);
    EncodeLastCamInfo(
        entry, image.HeaderBytes() + TreeFileOffset::LastCam + slot * TreeFileOffset::LastCamSize);
    return image.Write(path);
}

bool GetLastCamEntry(const std::string& path, int slot, LastCamInfo* entry)
{
    TREE_FILE_HEADER header;
    if (slot < 0 || slot >= LAST_CAM_SLOTS || !ReadTreeFileHeader(path, &header))
        return false;
    *entry = header.lastCam[slot];
    return true;
}

bool GetLastCam(const std::string& path, int slot, CAM_SERIAL_MAC_INFO* found)
{
    TreeFileImage image;
    if (slot < 0 || slot >= LAST_CAM_SLOTS || !image.Read(path))
        return false;
    // An unset entry names no device, not the first device without a MAC.
    const uint8_t* mac = image.Header().lastCam[slot].byMac;
    if (!IsMacAddressSet(mac))
        return false;
    for (size_t i = 0; i < image.NodeCount(); ++i) {
        if (image.IsFolder(i))
            continue;
        FileItemType item = DecodeFileItemType(image.Node(i), image.NodeBytes(i));
        if (std::memcmp(item.byMac, mac, 6) != 0)
            continue;
        *found = {};
        std::memcpy(found->szSerial, item.szSerial, sizeof found->szSerial);
        std::memcpy(found->byMac, item.byMac, 6);
        return true;
    }
    return false;
}
