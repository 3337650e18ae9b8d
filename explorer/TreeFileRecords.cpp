#include "explorer/TreeFileRecords.h"

#include "link/BitConverters.h"

#include <cstring>

namespace morrik
{

namespace
{

// Field copies at fixed offsets: the structs are never written as memory.
void PutText(uint8_t* out, uint32_t offset, const char* text, size_t width, size_t room)
{
    const size_t n = strnlen(text, width);
    std::memcpy(out + offset, text, n < room ? n : room);
}

void GetText(const uint8_t* in, uint32_t offset, char* field, size_t size)
{
    char bounded[256] = {};
    std::memcpy(bounded, in + offset, size);
    CutText(field, size, bounded);
}

void PutAccount(uint8_t* out, uint32_t offset, const ACCOUNT_ENTRY& entry, const uint8_t mac[6])
{
    uint8_t password[16];
    std::memcpy(password, entry.byPassword, 16);
    ScrambleWithMac(password, mac);
    std::memcpy(out + offset, entry.szUser, 16);
    std::memcpy(out + offset + 16, password, 16);
}

void GetAccount(const uint8_t* in, uint32_t offset, ACCOUNT_ENTRY* entry, const uint8_t mac[6])
{
    std::memcpy(entry->szUser, in + offset, 16);
    std::memcpy(entry->byPassword, in + offset + 16, 16);
    ScrambleWithMac(entry->byPassword, mac);
}

// The list ends at the first entry without a user name; the rest is zero.
void PutAccountList(uint8_t* out, uint32_t offset, const ACCOUNT_ENTRY* list, const uint8_t mac[6])
{
    for (int i = 0; i < ACCOUNT_COUNT && list[i].szUser[0]; ++i)
        PutAccount(out, offset + 32 * i, list[i], mac);
}

void GetAccountList(const uint8_t* in, uint32_t offset, ACCOUNT_ENTRY* list, const uint8_t mac[6])
{
    std::memset(list, 0, sizeof(ACCOUNT_ENTRY) * ACCOUNT_COUNT);
    for (int i = 0; i < ACCOUNT_COUNT && in[offset + 32 * i]; ++i)
        GetAccount(in, offset + 32 * i, &list[i], mac);
}

} // namespace

TREE_FILE_HEADER NewTreeFileHeader()
{
    TREE_FILE_HEADER header {};
    header.dwVersion = TREE_FILE_VERSION;
    header.dwHeaderSize = TREE_FILE_HEADER_SIZE;
    header.dwNodeSize = FILE_NODE_SIZE;
    header.dwYemNodeSize = FILE_YEM_NODE_SIZE;
    return header;
}

void EncodeLastCamInfo(const LastCamInfo& entry, uint8_t out[36])
{
    std::memset(out, 0, 36);
    PutLE32(static_cast<uint32_t>(entry.nRecord), out);
    std::memcpy(out + 4, entry.szSerial, 24);
    std::memcpy(out + 28, entry.byMac, 6);
}

void EncodeTreeFileHeader(const TREE_FILE_HEADER& header, uint8_t out[TREE_FILE_HEADER_SIZE])
{
    PutLE32(header.dwVersion, out + TreeOffset::Version);
    PutLE32(header.dwHeaderSize, out + 4);
    for (int i = 0; i < LAST_CAM_COUNT; ++i)
        EncodeLastCamInfo(header.lastCam[i], out + TreeOffset::LastCam + TreeOffset::LastCamSize * i);
    PutLE32(header.dwNodeSize, out + TreeOffset::NodeSize);
    PutLE32(header.dwNodeCount, out + TreeOffset::NodeCount);
    PutLE32(header.dwYemNodeSize, out + TreeOffset::YemNodeSize);
    PutLE32(header.dwYemNodeCount, out + TreeOffset::YemNodeCount);
}

TREE_FILE_HEADER DecodeTreeFileHeader(const uint8_t in[TREE_FILE_HEADER_SIZE])
{
    TREE_FILE_HEADER header {};
    header.dwVersion = GetLE32(in + TreeOffset::Version);
    header.dwHeaderSize = GetLE32(in + 4);
    for (int i = 0; i < LAST_CAM_COUNT; ++i) {
        const uint8_t* entry = in + TreeOffset::LastCam + TreeOffset::LastCamSize * i;
        header.lastCam[i].nRecord = static_cast<int32_t>(GetLE32(entry));
        std::memcpy(header.lastCam[i].szSerial, entry + 4, 24);
        std::memcpy(header.lastCam[i].byMac, entry + 28, 6);
    }
    header.dwNodeSize = GetLE32(in + TreeOffset::NodeSize);
    header.dwNodeCount = GetLE32(in + TreeOffset::NodeCount);
    header.dwYemNodeSize = GetLE32(in + TreeOffset::YemNodeSize);
    header.dwYemNodeCount = GetLE32(in + TreeOffset::YemNodeCount);
    return header;
}

void EncodeFileNode(const FILE_NODE& node, uint8_t out[FILE_NODE_SIZE])
{
    std::memset(out, 0, FILE_NODE_SIZE);
    PutLE32(node.dwNo, out + TreeOffset::No);
    PutLE32(node.dwParentNo, out + 4);
    char name[TREE_NAME_SIZE];
    char bounded[TREE_NAME_SIZE + 1] = {};
    std::memcpy(bounded, node.szName, TREE_NAME_SIZE);
    CutText(name, bounded);
    PutText(out, TreeOffset::Name, name, sizeof name, sizeof name);
    PutLE16(node.wKept, out + 56);
    out[TreeOffset::Folder] = node.bFolder;
    out[TreeOffset::Lookup] = node.bLookup;
    PutText(out, TreeOffset::LookupServer, node.szLookupServer, 63, 63);
    std::memcpy(out + TreeOffset::GroupId, node.byGroupId, 16);
    std::memcpy(out + TreeOffset::GroupRest, node.byGroupRest, 16);
    PutText(out, TreeOffset::Address, node.szAddress, sizeof node.szAddress, TreeOffset::AddressWritten);
    if (node.bFolder)
        return;

    std::memcpy(out + TreeOffset::Serial, node.item.szSerial, 24);
    PutLE32(node.item.dwIp, out + TreeOffset::Ip);
    std::memcpy(out + TreeOffset::Mac, node.item.byMac, 6);
    if (node.login.szUser[0])
        PutAccount(out, TreeOffset::Login, node.login, node.item.byMac);
    PutAccountList(out, TreeOffset::Service1, node.service1, node.item.byMac);
    PutAccountList(out, TreeOffset::Service2, node.service2, node.item.byMac);
    PutLE32(node.dwService2Port, out + TreeOffset::Service2Port);
    PutLE32(node.dwService1Port, out + TreeOffset::Service1Port);
    PutLE32(node.dwConfigPort, out + TreeOffset::ConfigPort);
    std::memcpy(out + TreeOffset::Model, node.szModel, 16);
    std::memcpy(out + TreeOffset::Version2, node.szVersion2, 32);
}

bool IsDroppedRecord(const uint8_t in[FILE_NODE_SIZE])
{
    return IsFolderRecord(in) && in[TreeOffset::Name] == 0;
}

void DecodeFileNode(const uint8_t in[FILE_NODE_SIZE], FILE_NODE* node)
{
    std::memset(node, 0, sizeof *node);
    node->dwNo = GetLE32(in + TreeOffset::No);
    node->dwParentNo = GetLE32(in + 4);
    GetText(in, TreeOffset::Name, node->szName, sizeof node->szName);
    node->wKept = static_cast<uint16_t>(GetLE16(in + 56));
    node->bFolder = in[TreeOffset::Folder];
    node->bLookup = in[TreeOffset::Lookup];
    GetText(in, TreeOffset::LookupServer, node->szLookupServer, sizeof node->szLookupServer);
    std::memcpy(node->byGroupId, in + TreeOffset::GroupId, 16);
    std::memcpy(node->byGroupRest, in + TreeOffset::GroupRest, 16);
    GetText(in, TreeOffset::Address, node->szAddress, sizeof node->szAddress);
    if (node->bFolder)
        return;

    node->item = RecordItemType(in);
    if (in[TreeOffset::Login])
        GetAccount(in, TreeOffset::Login, &node->login, node->item.byMac);
    GetAccountList(in, TreeOffset::Service1, node->service1, node->item.byMac);
    GetAccountList(in, TreeOffset::Service2, node->service2, node->item.byMac);
    node->dwService2Port = GetLE32(in + TreeOffset::Service2Port);
    node->dwService1Port = GetLE32(in + TreeOffset::Service1Port);
    node->dwConfigPort = GetLE32(in + TreeOffset::ConfigPort);
    std::memcpy(node->szModel, in + TreeOffset::Model, 16);
    std::memcpy(node->szVersion2, in + TreeOffset::Version2, 32);
}

void EncodeFileYemNode(const FILE_YEM_NODE& node, uint8_t out[FILE_YEM_NODE_SIZE])
{
    std::memset(out, 0, FILE_YEM_NODE_SIZE);
    PutLE32(node.dwNo, out);
    PutLE32(node.dwParentNo, out + 4);
    char name[TREE_NAME_SIZE];
    char bounded[TREE_NAME_SIZE + 1] = {};
    std::memcpy(bounded, node.szName, TREE_NAME_SIZE);
    CutText(name, bounded);
    PutText(out, 8, name, sizeof name, sizeof name);
    PutLE16(node.wKept, out + 56);
    out[58] = node.bLookup;
    out[59] = node.bServerFolder;
    out[60] = node.bGroupFolder;
    PutText(out, 61, node.szServer, 63, 63);
    // Eight 32-bit values at unaligned offsets.
    for (int i = 0; i < 8; ++i)
        PutLE32(GetLE32(node.byGroup + 4 * i), out + 125 + 4 * i);
}

void DecodeFileYemNode(const uint8_t in[FILE_YEM_NODE_SIZE], FILE_YEM_NODE* node)
{
    std::memset(node, 0, sizeof *node);
    node->dwNo = GetLE32(in);
    node->dwParentNo = GetLE32(in + 4);
    GetText(in, 8, node->szName, sizeof node->szName);
    node->wKept = static_cast<uint16_t>(GetLE16(in + 56));
    node->bLookup = in[58];
    node->bServerFolder = in[59];
    node->bGroupFolder = in[60];
    GetText(in, 61, node->szServer, sizeof node->szServer);
    for (int i = 0; i < 8; ++i)
        PutLE32(GetLE32(in + 125 + 4 * i), node->byGroup + 4 * i);
}

FileItemType RecordItemType(const uint8_t* record)
{
    FileItemType item {};
    std::memcpy(item.szSerial, record + TreeOffset::Serial, 24);
    item.dwIp = GetLE32(record + TreeOffset::Ip);
    std::memcpy(item.byMac, record + TreeOffset::Mac, 6);
    return item;
}

void RecordAddress(const uint8_t* record, char out[128])
{
    GetText(record, TreeOffset::Address, out, 128);
}

void ScrambleWithMac(uint8_t password[16], const uint8_t mac[6])
{
    for (int i = 0; i < 16; ++i)
        password[i] ^= mac[i % 6];
}

void CutText(char* field, size_t size, const char* text)
{
    if (!size)
        return;
    size_t n = std::strlen(text);
    if (n > size - 1) {
        n = size - 1;
        // Back to the first byte of a UTF-8 character that would be split.
        while (n > 0 && (static_cast<unsigned char>(text[n]) & 0xC0) == 0x80)
            --n;
    }
    std::memcpy(field, text, n);
    std::memset(field + n, 0, size - n);
}

bool IsMacSet(const uint8_t mac[6])
{
    for (int i = 0; i < 6; ++i)
        if (mac[i])
            return true;
    return false;
}

bool IsSerialSet(const char serial[24])
{
    return serial[0] != 0;
}

bool SameSerial(const char a[24], const char b[24])
{
    return std::strncmp(a, b, 24) == 0;
}

void FormatMac(const uint8_t mac[6], char out[18])
{
    static const char digits[] = "0123456789abcdef";
    for (int i = 0; i < 6; ++i) {
        out[3 * i] = digits[mac[i] >> 4];
        out[3 * i + 1] = digits[mac[i] & 15];
        out[3 * i + 2] = i < 5 ? ':' : '\0';
    }
}

namespace
{

// The serial and MAC steps shared by every matching rule: 1 match, 0 no
// match, -1 neither applies.
int SerialOrMac(const char serialA[24], const uint8_t macA[6], const char serialB[24], const uint8_t macB[6])
{
    if (IsSerialSet(serialA) && IsSerialSet(serialB))
        return SameSerial(serialA, serialB) ? 1 : 0;
    if (IsMacSet(macA) && IsMacSet(macB))
        return std::memcmp(macA, macB, 6) == 0 ? 1 : 0;
    return -1;
}

} // namespace

bool CompareCAM(const FileItemType& item, const LastCamInfo& last)
{
    return SerialOrMac(item.szSerial, item.byMac, last.szSerial, last.byMac) == 1;
}

bool CompareDVR(const FileItemType& item, const char* recordAddress, uint32_t recordConfigPort,
    const RowIdentity& row, bool withPort)
{
    const int step = SerialOrMac(item.szSerial, item.byMac, row.szSerial, row.byMac);
    if (step >= 0)
        return step == 1;
    const size_t rowLength = strnlen(row.szAddress, sizeof row.szAddress);
    if (!recordAddress[0] || !rowLength || std::strlen(recordAddress) != rowLength
        || std::memcmp(recordAddress, row.szAddress, rowLength) != 0)
        return false;
    return !withPort || recordConfigPort == row.dwConfigPort;
}

bool CompareDVR(const FileItemType& item, const CAM_SERIAL_MAC_INFO& key)
{
    const int step = SerialOrMac(item.szSerial, item.byMac, key.szSerial, key.byMac);
    if (step >= 0)
        return step == 1;
    return item.dwIp != 0 && item.dwIp == key.dwIp;
}

} // namespace morrik
