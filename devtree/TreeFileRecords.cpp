#include "devtree/TreeFileRecords.h"

#include "link/ByteOrder.h"

#include <bit>
#include <cstring>

// The file is little-endian and written with the host-order helpers.
static_assert(std::endian::native == std::endian::little, "tree files are little-endian");

namespace
{

// A text field: at most width - 1 characters, NUL-padded to the width, so
// that the file always holds a terminator.
void PutText(uint8_t* out, uint32_t* offset, const char* text, uint32_t width)
{
    size_t n = strnlen(text, width - 1);
    DirPutBytes(out, offset, text, static_cast<uint32_t>(n));
    DirZeroFill(out, offset, width - static_cast<uint32_t>(n));
}

bool IsEntryFilled(const PASSWORD_ENTRY& entry)
{
    return entry.byUser[0] != 0;
}

void PutPasswordEntry(uint8_t* out, uint32_t* offset, const PASSWORD_ENTRY& entry, const uint8_t mac[6])
{
    uint8_t password[16];
    std::memcpy(password, entry.byPassword, 16);
    MaskWithMac(password, 16, mac);
    DirPutBytes(out, offset, entry.byUser, 16);
    DirPutBytes(out, offset, password, 16);
}

// A table holds its entries up to the first one without a user name; that
// entry and every later one are zero.
void PutPasswordTable(uint8_t* out, uint32_t* offset, const PASSWORD_ENTRY* table, const uint8_t mac[6])
{
    int i = 0;
    for (; i < PASSWORD_TABLE_ENTRIES && IsEntryFilled(table[i]); ++i)
        PutPasswordEntry(out, offset, table[i], mac);
    DirZeroFill(out, offset, 32 * static_cast<uint32_t>(PASSWORD_TABLE_ENTRIES - i));
}

void GetPasswordEntry(WireReader& in, PASSWORD_ENTRY* entry, const uint8_t mac[6])
{
    in.Bytes(entry->byUser, 16);
    in.Bytes(entry->byPassword, 16);
    if (IsEntryFilled(*entry))
        MaskWithMac(entry->byPassword, 16, mac);
    else
        std::memset(entry, 0, sizeof *entry);
}

void GetPasswordTable(WireReader& in, PASSWORD_ENTRY* table, const uint8_t mac[6])
{
    bool ended = false;
    for (int i = 0; i < PASSWORD_TABLE_ENTRIES; ++i) {
        GetPasswordEntry(in, &table[i], mac);
        ended = ended || !IsEntryFilled(table[i]);
        if (ended)
            std::memset(&table[i], 0, sizeof table[i]);
    }
}

void GetFileItemType(WireReader& in, FileItemType* item)
{
    in.Text(item->szSerial, sizeof item->szSerial, 24);
    item->dwIpAddress = in.U32();
    in.Bytes(item->byMac, 6);
}

} // namespace

void MaskWithMac(uint8_t* bytes, size_t n, const uint8_t mac[6])
{
    for (size_t i = 0; i < n; ++i)
        bytes[i] ^= mac[i % 6];
}

TREE_FILE_HEADER NewTreeFileHeader()
{
    TREE_FILE_HEADER header {};
    header.dwVersion = TREE_FILE_VERSION;
    header.dwHeaderSize = TREE_FILE_HEADER_SIZE;
    header.dwNodeSize = FILE_NODE_SIZE;
    header.dwYemNodeSize = FILE_YEM_NODE_SIZE;
    return header;
}

void EncodeTreeFileHeader(const TREE_FILE_HEADER& header, uint8_t* out)
{
    uint32_t o = 0;
    DirPutU32(out, &o, header.dwVersion);
    DirPutU32(out, &o, header.dwHeaderSize);
    for (const LastCamInfo& entry : header.lastCam) {
        EncodeLastCamInfo(entry, out + o);
        o += TreeFileOffset::LastCamSize;
    }
    DirPutU32(out, &o, header.dwNodeSize);
    DirPutU32(out, &o, header.dwNodeCount);
    DirPutU32(out, &o, header.dwYemNodeSize);
    DirPutU32(out, &o, header.dwYemNodeCount);
}

void EncodeLastCamInfo(const LastCamInfo& entry, uint8_t* out)
{
    uint32_t o = 0;
    DirPutU32(out, &o, entry.dwId);
    PutText(out, &o, entry.szSerial, 24);
    DirPutBytes(out, &o, entry.byMac, 6);
    DirZeroFill(out, &o, 2);
}

void DecodeTreeFileHeader(const uint8_t* data, size_t size, TREE_FILE_HEADER* header)
{
    WireReader in(data, size, WireReader::Host);
    header->dwVersion = in.U32();
    header->dwHeaderSize = in.U32();
    for (LastCamInfo& entry : header->lastCam) {
        entry.dwId = in.U32();
        in.Text(entry.szSerial, sizeof entry.szSerial, 24);
        in.Bytes(entry.byMac, 6);
        in.Skip(2);
    }
    header->dwNodeSize = in.U32();
    header->dwNodeCount = in.U32();
    header->dwYemNodeSize = in.U32();
    header->dwYemNodeCount = in.U32();
}

void EncodeFileNode(const FILE_NODE& node, uint8_t* out)
{
    uint32_t o = 0;
    DirPutU32(out, &o, node.dwId);
    DirPutU32(out, &o, node.dwParentId);
    PutText(out, &o, node.szName, 48);
    DirPutU16(out, &o, node.wTreeWord);
    DirPutU8(out, &o, node.bFolder);
    DirPutU8(out, &o, node.bLookup);
    PutText(out, &o, node.szLookupHost, 64);
    for (uint32_t word : node.dwLookup)
        DirPutU32(out, &o, word);
    DirZeroFill(out, &o, 16);
    if (node.bFolder) {
        DirZeroFill(out, &o, FILE_NODE_SIZE - o);
        return;
    }
    const uint8_t* mac = node.item.byMac;
    PutText(out, &o, node.item.szSerial, 24);
    DirPutU32(out, &o, node.item.dwIpAddress);
    DirPutBytes(out, &o, mac, 6);
    PutText(out, &o, node.szAddress, 128);
    if (IsEntryFilled(node.login))
        PutPasswordEntry(out, &o, node.login, mac);
    else
        DirZeroFill(out, &o, 32);
    PutPasswordTable(out, &o, node.tableA, mac);
    PutPasswordTable(out, &o, node.tableB, mac);
    DirZeroFill(out, &o, 2);
    DirPutU32(out, &o, node.dwHttpPort);
    DirPutU32(out, &o, node.dwStreamPort);
    DirPutU32(out, &o, node.dwConfigPort);
    PutText(out, &o, node.szModel, 16);
    PutText(out, &o, node.szVersion, 32);
}

void DecodeFileNode(const uint8_t* data, size_t size, FILE_NODE* node)
{
    std::memset(node, 0, sizeof *node);
    WireReader in(data, size, WireReader::Host);
    node->dwId = in.U32();
    node->dwParentId = in.U32();
    in.Text(node->szName, sizeof node->szName, 48);
    node->wTreeWord = in.U16();
    node->bFolder = in.U8();
    node->bLookup = in.U8();
    in.Text(node->szLookupHost, sizeof node->szLookupHost, 64);
    for (uint32_t& word : node->dwLookup)
        word = in.U32();
    in.Skip(16);
    FileItemType item;
    GetFileItemType(in, &item);
    in.Text(node->szAddress, sizeof node->szAddress, 128);
    if (node->bFolder)
        return;
    node->item = item;
    const uint8_t* mac = item.byMac;
    GetPasswordEntry(in, &node->login, mac);
    GetPasswordTable(in, node->tableA, mac);
    GetPasswordTable(in, node->tableB, mac);
    in.Skip(2);
    node->dwHttpPort = in.U32();
    node->dwStreamPort = in.U32();
    node->dwConfigPort = in.U32();
    in.Text(node->szModel, sizeof node->szModel, 16);
    in.Text(node->szVersion, sizeof node->szVersion, 32);
}

FileItemType DecodeFileItemType(const uint8_t* record, size_t size, char (*address)[128])
{
    FileItemType item;
    WireReader in(record, size, WireReader::Host, TreeFileOffset::Item);
    GetFileItemType(in, &item);
    if (address)
        in.Text(*address, sizeof *address, 128);
    return item;
}

void EncodeFileYemNode(const FILE_YEM_NODE& node, uint8_t* out)
{
    uint32_t o = 0;
    DirPutU32(out, &o, node.dwId);
    DirPutU32(out, &o, node.dwParentId);
    PutText(out, &o, node.szName, 48);
    DirPutU16(out, &o, node.wWord);
    DirPutU8(out, &o, node.bTransient);
    DirPutU8(out, &o, node.bServer);
    DirPutU8(out, &o, node.bGroupId);
    PutText(out, &o, node.szServerAddress, 64);
    DirPutBytes(out, &o, node.byRegId, 16);
    DirPutBytes(out, &o, node.byRegPassword, 16);
    DirZeroFill(out, &o, FILE_YEM_NODE_SIZE - o);
}

void DecodeFileYemNode(const uint8_t* data, size_t size, FILE_YEM_NODE* node)
{
    WireReader in(data, size, WireReader::Host);
    node->dwId = in.U32();
    node->dwParentId = in.U32();
    in.Text(node->szName, sizeof node->szName, 48);
    node->wWord = in.U16();
    node->bTransient = in.U8();
    node->bServer = in.U8();
    node->bGroupId = in.U8();
    in.Text(node->szServerAddress, sizeof node->szServerAddress, 64);
    in.Bytes(node->byRegId, 16);
    in.Bytes(node->byRegPassword, 16);
}
