#include "link/RegServerRecords.h"

#include "link/ByteOrder.h"
#include "link/DeviceHelpers.h"

#include <cctype>
#include <cstdio>
#include <cstring>
#include <ctime>

namespace
{

constexpr size_t kKeyByte = 13;

// The texts of a reply record, in wire order, with their widths.
struct TextField {
    size_t offset; // in RegServerRecord
    size_t width;
};
const TextField kReplyTexts[] = {
    { offsetof(RegServerRecord, szName), 68 },
    { offsetof(RegServerRecord, szModel), 16 },
    { offsetof(RegServerRecord, szText128), 128 },
    { offsetof(RegServerRecord, szText256), 256 },
    { offsetof(RegServerRecord, szKey32), 32 },
    { offsetof(RegServerRecord, szMac), 24 },
    { offsetof(RegServerRecord, szAddress), 24 },
};

// A text field's length up to its terminator or its width.
size_t FieldLength(const char* field, size_t width)
{
    size_t n = 0;
    while (n < width && field[n] != '\0')
        ++n;
    return n;
}

} // namespace

uint8_t MakeScrambleKey()
{
    return static_cast<uint8_t>(std::time(nullptr) % 127 + 1);
}

void ScrambleBytes(uint8_t* data, size_t n, uint8_t key)
{
    for (size_t i = 0; i < n; ++i)
        data[i] ^= key;
}

void EncodeDirHeader(uint8_t* buf, const REGSERVER_MSG_HEADER& header, uint8_t key)
{
    uint32_t o = 0;
    DirPutI32(buf, &o, header.marker1);
    DirPutU32(buf, &o, header.protocol);
    DirPutI32(buf, &o, header.marker2);
    DirPutU8(buf, &o, header.kind);
    DirPutU8(buf, &o, 0);
    DirPutU16(buf, &o, header.reserved);
    DirPutU32(buf, &o, header.flags);
    DirPutU32(buf, &o, header.bodyLength);
    DirPutU32(buf, &o, header.total);
    DirPutU32(buf, &o, header.start);
    DirPutU32(buf, &o, header.count);
    DirPutU32(buf, &o, header.reserved2);
    ScrambleBytes(buf, REGSERVER_HEADER_SIZE, key);
}

uint8_t DecodeDirHeader(const uint8_t* buf, REGSERVER_MSG_HEADER* header)
{
    uint8_t key = buf[kKeyByte];
    uint8_t plain[REGSERVER_HEADER_SIZE];
    std::memcpy(plain, buf, sizeof plain);
    ScrambleBytes(plain, sizeof plain, key);
    WireReader in(plain, sizeof plain, WireReader::Host);
    header->marker1 = in.I32();
    header->protocol = in.U32();
    header->marker2 = in.I32();
    header->kind = in.U8();
    header->key = in.U8();
    header->reserved = in.U16();
    header->flags = in.U32();
    header->bodyLength = in.U32();
    header->total = in.U32();
    header->start = in.U32();
    header->count = in.U32();
    header->reserved2 = in.U32();
    return key;
}

void DecodeDirRecord(const uint8_t* buf, uint8_t key, RegServerRecord* record)
{
    uint8_t plain[REGSERVER_RECORD_WIRE_SIZE];
    std::memcpy(plain, buf, sizeof plain);
    ScrambleBytes(plain, sizeof plain, key);
    std::memset(record, 0, sizeof *record);
    WireReader in(plain, sizeof plain, WireReader::Host);
    char* base = reinterpret_cast<char*>(record);
    for (const TextField& f : kReplyTexts)
        in.Text(base + f.offset, f.width, f.width);
    record->wNumber1 = static_cast<uint16_t>(in.U32());
    record->wNumber2 = static_cast<uint16_t>(in.U32());
    record->wNumber3 = static_cast<uint16_t>(in.U32());
    record->dwNumber4 = in.U32();
    in.Text(record->szText16, sizeof record->szText16, 16);
}

uint32_t EncodeDirQueryBody(uint8_t* buf, const RegServerRecord& query)
{
    uint32_t o = 0;
    const char* base = reinterpret_cast<const char*>(&query);
    for (const TextField& f : kReplyTexts) {
        size_t n = FieldLength(base + f.offset, f.width);
        DirPutBytes(buf, &o, base + f.offset, static_cast<uint32_t>(n));
        DirZeroFill(buf, &o, static_cast<uint32_t>(f.width - n));
    }
    DirZeroFill(buf, &o, 16);
    size_t n = FieldLength(query.szText16, 16);
    DirPutBytes(buf, &o, query.szText16, static_cast<uint32_t>(n));
    DirZeroFill(buf, &o, static_cast<uint32_t>(16 - n));
    n = FieldLength(query.szKey16, 16);
    DirPutBytes(buf, &o, query.szKey16, static_cast<uint32_t>(n));
    DirZeroFill(buf, &o, static_cast<uint32_t>(16 - n));

    uint32_t flags = 0;
    if (query.szName[0])
        flags |= REGSERVER_FLAG_NAME;
    if (query.szKey32[0])
        flags |= REGSERVER_FLAG_KEY32;
    if (query.szMac[0])
        flags |= REGSERVER_FLAG_MAC;
    if (query.szKey16[0])
        flags |= REGSERVER_FLAG_KEY16;
    if (query.szText16[0])
        flags |= REGSERVER_FLAG_TEXT16;
    return flags;
}

void UpperCaseText(char* text, size_t width)
{
    for (size_t i = 0; i < width && text[i]; ++i)
        text[i] = static_cast<char>(std::toupper(static_cast<unsigned char>(text[i])));
}

void ParseDirectoryReply(ZPT_NODE* node)
{
    char address[sizeof node->szAddress + 1];
    CopyFixedText(address, sizeof address, node->szAddress, sizeof node->szAddress);
    const uint32_t value = ParseDottedAddress(address);
    for (int i = 0; i < 4; ++i)
        node->byAddress[i] = static_cast<uint8_t>(value >> (24 - 8 * i));

    node->szMac[sizeof node->szMac - 1] = '\0';
    for (char* p = node->szMac; *p; ++p)
        *p = static_cast<char>(std::tolower(static_cast<unsigned char>(*p)));
    unsigned mac[6] = {};
    std::sscanf(node->szMac, "%x:%x:%x:%x:%x:%x", &mac[0], &mac[1], &mac[2], &mac[3], &mac[4], &mac[5]);
    for (int i = 0; i < 6; ++i)
        node->byMac[i] = static_cast<uint8_t>(mac[i]);
}
