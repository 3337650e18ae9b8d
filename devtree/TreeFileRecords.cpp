#include "devtree/TreeFileRecords.h"

#include "devtree/RecordChunk.h"
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

// The reader below moves each field of a record into the node, which keeps
// the file's order of fields:
namespace layout
{
namespace at = TreeFileOffset;
// Ids, name, tree word, flags, look-up host and settings lie as in the file.
static_assert(offsetof(FILE_NODE, dwParentId) == 4 && offsetof(FILE_NODE, szName) == 8
    && offsetof(FILE_NODE, wTreeWord) == 56 && offsetof(FILE_NODE, bFolder) == at::Folder
    && offsetof(FILE_NODE, bLookup) == at::Folder + 1 && offsetof(FILE_NODE, szLookupHost) == 60
    && offsetof(FILE_NODE, dwLookup) == at::Lookup);
// The saved login and both password tables: one block in each.
static_assert(offsetof(FILE_NODE, tableA) == offsetof(FILE_NODE, login) + (at::TableA - at::Login)
    && offsetof(FILE_NODE, tableB) == offsetof(FILE_NODE, login) + (at::TableB - at::Login));
// The three ports; model and firmware version texts.
static_assert(offsetof(FILE_NODE, dwStreamPort) == offsetof(FILE_NODE, dwHttpPort) + 4
    && offsetof(FILE_NODE, dwConfigPort) == offsetof(FILE_NODE, dwHttpPort) + 8
    && offsetof(FILE_NODE, szVersion) == offsetof(FILE_NODE, szModel) + (at::FirmwareVersion - at::Model)
    && sizeof(FILE_NODE) == offsetof(FILE_NODE, szVersion) + sizeof(FILE_NODE::szVersion));
// Serial, IPv4 number and MAC, then the item's own padding.
static_assert(sizeof(PASSWORD_ENTRY) == 32 && offsetof(FileItemType, dwIpAddress) == at::IpAddress - at::Item
    && offsetof(FileItemType, byMac) == at::Mac - at::Item && at::Address == at::Mac + 6
    && sizeof(FileItemType) == at::Address - at::Item + 2);
// Every field lies in the node at or before its place in the record.
static_assert(offsetof(FILE_NODE, item) <= at::Item && offsetof(FILE_NODE, szAddress) <= at::Address
    && offsetof(FILE_NODE, login) <= at::Login && offsetof(FILE_NODE, dwHttpPort) <= at::HttpPort
    && offsetof(FILE_NODE, szModel) <= at::Model);
}

using namespace record_chunk;

// The length of an N-byte text field at `text`: at most N - 1 characters
// up to the first NUL (N a multiple of 16).
template <int N> inline int TextLength(const uint8_t* text)
{
    static_assert(N % 16 == 0);
    for (int at = 0; at < N; at += 16) {
        uint32_t zeros = ZeroBytes(LoadChunk(text + at));
        if (at + 16 == N)
            zeros |= 1u << 15; // the field's last byte is its terminator
        if (zeros)
            return at + std::countr_zero(zeros);
    }
    return N - 1;
}

// An N-byte text field from the record at `from` into the node at `to`
// (at or before it): its characters, then zeros to the field's end.
template <int N> inline void MoveText(uint8_t* to, const uint8_t* from)
{
    const Chunk length = Limit(TextLength<N>(from));
    for (int at = 0; at < N; at += 16)
        StoreChunk(to + at, And(LoadChunk(from + at), BytesBelow(length, at)));
}

// A few bytes that are not a whole chunk, through a register.
template <size_t N> inline void MoveBytes(uint8_t* to, const uint8_t* from)
{
    uint8_t bytes[N];
    std::memcpy(bytes, from, N);
    std::memcpy(to, bytes, N);
}

// The 16-byte password mask of a record, MAC byte i mod 6 at byte i, made
// in registers from the MAC in the file.
Chunk MaskOfMac(const uint8_t* mac)
{
    uint32_t first;
    uint16_t last;
    std::memcpy(&first, mac, 4);
    std::memcpy(&last, mac + 4, 2);
    const uint64_t m = first | uint64_t(last) << 32;
    return MaskChunk(m | m << 48, m >> 16 | m << 32);
}

// `count` password entries of the file into the node, passwords unmasked;
// the first entry without a user name ends the table: it and all after it
// are zero.
inline void MovePasswords(uint8_t* to, const uint8_t* from, int count, Chunk mask)
{
    static_assert(sizeof(PASSWORD_ENTRY) == 32);
    int i = 0;
    for (; i < count && from[32 * i] != 0; ++i) {
        const Chunk user = LoadChunk(from + 32 * i);
        const Chunk password = LoadChunk(from + 32 * i + 16);
        StoreChunk(to + 32 * i, user);
        StoreChunk(to + 32 * i + 16, Xor(password, mask));
    }
    for (; i < count; ++i) {
        StoreChunk(to + 32 * i, ZeroChunk());
        StoreChunk(to + 32 * i + 16, ZeroChunk());
    }
}

// The node may lie over the record's own bytes, at or before them (a load
// reads the file straight into the nodes' memory): the fields move towards
// the start in field order, each read whole before it is written, so that
// none overwrites bytes still to be read; the flag and the MAC are taken
// before anything moves.
void DecodeWholeFileNode(const uint8_t* p, FILE_NODE* node)
{
    namespace at = TreeFileOffset;
    uint8_t* const n = reinterpret_cast<uint8_t*>(node);
    const bool folder = p[at::Folder] != 0;
    const Chunk mask = MaskOfMac(p + at::Mac);
    MoveBytes<8>(n, p); // the two ids
    MoveText<48>(n + offsetof(FILE_NODE, szName), p + 8);
    MoveBytes<4>(n + offsetof(FILE_NODE, wTreeWord), p + 56); // tree word and flags
    MoveText<64>(n + offsetof(FILE_NODE, szLookupHost), p + 60);
    MoveBytes<16>(n + offsetof(FILE_NODE, dwLookup), p + at::Lookup);
    uint8_t* const item = n + offsetof(FILE_NODE, item);
    if (folder) {
        // A folder keeps no device fields, only its address text.
        std::memset(item, 0, sizeof node->item);
        MoveText<128>(n + offsetof(FILE_NODE, szAddress), p + at::Address);
        std::memset(&node->login, 0, sizeof *node - offsetof(FILE_NODE, login));
        return;
    }
    // The serial number may fill its field (it is kept whole); then the IPv4
    // number, the MAC and the item's own padding (zero).
    const Chunk serialHead = LoadChunk(p + at::Item);
    const Chunk serialTail = LoadChunk(p + at::Item + 8);
    const uint32_t zeros = (ZeroBytes(serialHead) | ZeroBytes(serialTail) << 8) | 1u << 24;
    const int serial = std::countr_zero(zeros);
    const Chunk rest = LoadChunk(p + at::Item + 16); // up to the MAC's fourth byte
    uint8_t macEnd[2];
    std::memcpy(macEnd, p + at::Mac + 4, 2);
    const Chunk length = Limit(serial);
    StoreChunk(item, And(serialHead, BytesBelow(length, 0)));
    StoreChunk(item + 16, And(rest, Or(BytesBelow(length, 16), MaskChunk(0, ~uint64_t(0)))));
    const uint8_t end[4] = { macEnd[0], macEnd[1], 0, 0 };
    std::memcpy(item + 32, end, 4);
    MoveText<128>(n + offsetof(FILE_NODE, szAddress), p + at::Address);
    uint8_t* const login = n + offsetof(FILE_NODE, login);
    MovePasswords(login, p + at::Login, 1, mask);
    MovePasswords(login + (at::TableA - at::Login), p + at::TableA, PASSWORD_TABLE_ENTRIES, mask);
    MovePasswords(login + (at::TableB - at::Login), p + at::TableB, PASSWORD_TABLE_ENTRIES, mask);
    MoveBytes<12>(n + offsetof(FILE_NODE, dwHttpPort), p + at::HttpPort);
    MoveText<16>(n + offsetof(FILE_NODE, szModel), p + at::Model);
    MoveText<32>(n + offsetof(FILE_NODE, szVersion), p + at::FirmwareVersion);
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
