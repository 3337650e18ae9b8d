#include "devtree/TreeFileRecords.h"

#include "link/ByteOrder.h"

#include <algorithm>
#include <bit>
#include <cstddef>
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

// The reader below copies whole runs of a record that lie in the node as
// they lie in the file, then mends the fields in place; the runs:
namespace run
{
namespace at = TreeFileOffset;
// Ids, name, tree word, flags, look-up host and settings: bytes 0 to 139.
static_assert(offsetof(FILE_NODE, dwParentId) == 4 && offsetof(FILE_NODE, szName) == 8
    && offsetof(FILE_NODE, wTreeWord) == 56 && offsetof(FILE_NODE, bFolder) == at::Folder
    && offsetof(FILE_NODE, bLookup) == at::Folder + 1 && offsetof(FILE_NODE, szLookupHost) == 60
    && offsetof(FILE_NODE, dwLookup) == at::Lookup);
constexpr size_t HEAD = at::Lookup + sizeof(FILE_NODE::dwLookup);
// The saved login and both password tables: one block in each.
static_assert(offsetof(FILE_NODE, tableA) == offsetof(FILE_NODE, login) + (at::TableA - at::Login)
    && offsetof(FILE_NODE, tableB) == offsetof(FILE_NODE, login) + (at::TableB - at::Login));
constexpr size_t LOGINS = at::TableB - at::Login + PASSWORD_TABLE_ENTRIES * sizeof(PASSWORD_ENTRY);
// The three ports; model and firmware version texts.
static_assert(offsetof(FILE_NODE, dwStreamPort) == offsetof(FILE_NODE, dwHttpPort) + 4
    && offsetof(FILE_NODE, dwConfigPort) == offsetof(FILE_NODE, dwHttpPort) + 8
    && offsetof(FILE_NODE, szVersion) == offsetof(FILE_NODE, szModel) + (at::FirmwareVersion - at::Model)
    && sizeof(FILE_NODE) == offsetof(FILE_NODE, szVersion) + sizeof(FILE_NODE::szVersion));
constexpr size_t TEXTS = FILE_NODE_SIZE - at::Model;
// Serial, IPv4 number and MAC, then the item's own padding.
static_assert(sizeof(PASSWORD_ENTRY) == 32 && offsetof(FileItemType, dwIpAddress) == at::IpAddress - at::Item
    && offsetof(FileItemType, byMac) == at::Mac - at::Item && at::Address == at::Mac + 6);
// Every run lies in the node at or before its place in the record.
static_assert(offsetof(FILE_NODE, item) <= at::Item && offsetof(FILE_NODE, szAddress) <= at::Address
    && offsetof(FILE_NODE, login) <= at::Login && offsetof(FILE_NODE, dwHttpPort) <= at::HttpPort
    && offsetof(FILE_NODE, szModel) <= at::Model);
}

// The length of a text field at `text` in the record: at most N - 1
// characters up to the first NUL. It is measured in the record before the
// field moves, not in the node just written.
template <size_t N> size_t TextLength(const char (&)[N], const uint8_t* text)
{
    return strnlen(reinterpret_cast<const char*>(text), N - 1);
}

// The rest of a field after its first n bytes is zero.
template <size_t N> void ZeroAfter(char (&field)[N], size_t n)
{
    std::memset(field + n, 0, N - n);
}

// The 16-byte password mask of a record, MAC byte i mod 6 at byte i, as
// two little-endian words made in registers from the MAC in the file.
struct PasswordMask {
    uint64_t low, high;
};

PasswordMask MaskOfMac(const uint8_t* mac)
{
    uint32_t first;
    uint16_t last;
    std::memcpy(&first, mac, 4);
    std::memcpy(&last, mac + 4, 2);
    const uint64_t m = first | uint64_t(last) << 32;
    return { m | m << 48, m >> 16 | m << 32 };
}

// Password entries as they came from the file: unmasked; the first entry
// without a user name ends the table (it and all after it are zero).
void UnmaskPasswords(PASSWORD_ENTRY* entries, size_t count, PasswordMask mask)
{
    size_t i = 0;
    for (; i < count && entries[i].byUser[0] != 0; ++i) {
        uint64_t password[2];
        std::memcpy(password, entries[i].byPassword, 16);
        password[0] ^= mask.low;
        password[1] ^= mask.high;
        std::memcpy(entries[i].byPassword, password, 16);
    }
    // Entry by entry: a few small stores, which a string instruction for the
    // whole rest would not beat.
    for (; i < count; ++i) {
        const uint64_t zero[4] = {};
        std::memcpy(&entries[i], zero, sizeof zero);
    }
}

// The node may lie over the record's own bytes, at or before them (a load
// reads the file straight into the nodes' memory): the runs move towards
// the start in field order, so none overwrites bytes still to be read, and
// the flag and MAC are taken before anything moves.
void DecodeWholeFileNode(const uint8_t* p, FILE_NODE* node)
{
    namespace at = TreeFileOffset;
    const bool folder = p[at::Folder] != 0;
    const PasswordMask mask = MaskOfMac(p + at::Mac);
    const size_t name = TextLength(node->szName, p + offsetof(FILE_NODE, szName));
    const size_t host = TextLength(node->szLookupHost, p + offsetof(FILE_NODE, szLookupHost));
    std::memmove(node, p, run::HEAD);
    ZeroAfter(node->szName, name);
    ZeroAfter(node->szLookupHost, host);
    if (folder) {
        // A folder keeps no device fields.
        node->item = {};
        const size_t address = TextLength(node->szAddress, p + at::Address);
        std::memmove(node->szAddress, p + at::Address, sizeof node->szAddress);
        ZeroAfter(node->szAddress, address);
        std::memset(&node->login, 0, sizeof *node - offsetof(FILE_NODE, login));
        return;
    }
    // Serial numbers may fill their field: kept whole.
    constexpr size_t itemBytes = at::Address - at::Item;
    const size_t serial = strnlen(reinterpret_cast<const char*>(p + at::Item), sizeof node->item.szSerial);
    std::memmove(&node->item, p + at::Item, itemBytes);
    std::memset(reinterpret_cast<uint8_t*>(&node->item) + itemBytes, 0, sizeof node->item - itemBytes);
    std::memset(node->item.szSerial + serial, 0, sizeof node->item.szSerial - serial);
    const size_t address = TextLength(node->szAddress, p + at::Address);
    std::memmove(node->szAddress, p + at::Address, sizeof node->szAddress);
    ZeroAfter(node->szAddress, address);
    std::memmove(&node->login, p + at::Login, run::LOGINS);
    UnmaskPasswords(&node->login, 1, mask);
    UnmaskPasswords(node->tableA, PASSWORD_TABLE_ENTRIES, mask);
    UnmaskPasswords(node->tableB, PASSWORD_TABLE_ENTRIES, mask);
    std::memmove(&node->dwHttpPort, p + at::HttpPort, 12);
    const size_t model = TextLength(node->szModel, p + at::Model);
    const size_t version = TextLength(node->szVersion, p + at::FirmwareVersion);
    std::memmove(node->szModel, p + at::Model, run::TEXTS);
    ZeroAfter(node->szModel, model);
    ZeroAfter(node->szVersion, version);
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
