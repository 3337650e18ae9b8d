#include "devtree/TreeFileRecords.h"

#include "link/ByteOrder.h"

#include <algorithm>
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

// Serial numbers may fill their field: they are kept whole.
void PutSerial(uint8_t* out, uint32_t* offset, const char (&serial)[24])
{
    char field[24];
    CopyFullField(field, sizeof field, serial, sizeof serial);
    DirPutBytes(out, offset, field, sizeof field);
}

void GetSerial(WireReader& in, char (&serial)[24])
{
    in.Bytes(reinterpret_cast<uint8_t*>(serial), sizeof serial);
    CopyFullField(serial, sizeof serial, serial, sizeof serial);
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

// The reader below works on whole records of the file's own byte order, so
// that every field is a copy from a fixed offset that the compiler inlines.
template <class T> T LoadAt(const uint8_t* record, uint32_t offset)
{
    T value;
    std::memcpy(&value, record + offset, sizeof value);
    return value;
}

// A text field of `width` bytes into dst[dstSize]: at most dstSize - 1
// characters up to the first NUL, the rest zero.
void TextAt(char* dst, size_t dstSize, const uint8_t* record, uint32_t offset, size_t width)
{
    const size_t limit = std::min(width, dstSize - 1);
    const void* end = std::memchr(record + offset, 0, limit);
    const size_t n = end ? static_cast<size_t>(static_cast<const uint8_t*>(end) - (record + offset)) : limit;
    std::memcpy(dst, record + offset, n);
    std::memset(dst + n, 0, dstSize - n);
}

// Password entries from `offset` on, unmasked with a record's 16-byte mask;
// the first entry without a user name ends the table (it and all after it
// stay zero, as the caller cleared them).
void PasswordsAt(PASSWORD_ENTRY* entries, int count, const uint8_t* record, uint32_t offset, const uint8_t* mask)
{
    for (int i = 0; i < count; ++i, offset += 32) {
        if (record[offset] == 0)
            return;
        PASSWORD_ENTRY& entry = entries[i];
        std::memcpy(entry.byUser, record + offset, 16);
        for (int k = 0; k < 16; ++k)
            entry.byPassword[k] = static_cast<uint8_t>(record[offset + 16 + k] ^ mask[k]);
    }
}

void DecodeWholeFileNode(const uint8_t* p, FILE_NODE* node)
{
    namespace at = TreeFileOffset;
    std::memset(node, 0, sizeof *node);
    node->dwId = LoadAt<uint32_t>(p, 0);
    node->dwParentId = LoadAt<uint32_t>(p, 4);
    TextAt(node->szName, sizeof node->szName, p, 8, 48);
    node->wTreeWord = LoadAt<uint16_t>(p, 56);
    node->bFolder = p[at::Folder];
    node->bLookup = p[at::Folder + 1];
    TextAt(node->szLookupHost, sizeof node->szLookupHost, p, 60, 64);
    std::memcpy(node->dwLookup, p + at::Lookup, sizeof node->dwLookup);
    TextAt(node->szAddress, sizeof node->szAddress, p, at::Address, 128);
    if (node->bFolder)
        return;
    // Serial numbers may fill their field: kept whole.
    CopyFullField(node->item.szSerial, sizeof node->item.szSerial, reinterpret_cast<const char*>(p + at::Item), 24);
    node->item.dwIpAddress = LoadAt<uint32_t>(p, at::IpAddress);
    std::memcpy(node->item.byMac, p + at::Mac, 6);
    uint8_t mask[16];
    for (int i = 0; i < 16; ++i)
        mask[i] = node->item.byMac[i % 6];
    PasswordsAt(&node->login, 1, p, at::Login, mask);
    PasswordsAt(node->tableA, PASSWORD_TABLE_ENTRIES, p, at::TableA, mask);
    PasswordsAt(node->tableB, PASSWORD_TABLE_ENTRIES, p, at::TableB, mask);
    node->dwHttpPort = LoadAt<uint32_t>(p, at::HttpPort);
    node->dwStreamPort = LoadAt<uint32_t>(p, at::StreamPort);
    node->dwConfigPort = LoadAt<uint32_t>(p, at::ConfigPort);
    TextAt(node->szModel, sizeof node->szModel, p, at::Model, 16);
    TextAt(node->szVersion, sizeof node->szVersion, p, at::FirmwareVersion, 32);
}

void GetFileItemType(WireReader& in, FileItemType* item)
{
    GetSerial(in, item->szSerial);
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
    PutSerial(out, &o, entry.szSerial);
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
        GetSerial(in, entry.szSerial);
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
    PutSerial(out, &o, node.item.szSerial);
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
    if (size >= FILE_NODE_SIZE) {
        DecodeWholeFileNode(data, node);
        return;
    }
    // A short last record: its missing bytes read as zero.
    uint8_t whole[FILE_NODE_SIZE] = {};
    std::memcpy(whole, data, size);
    DecodeWholeFileNode(whole, node);
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
