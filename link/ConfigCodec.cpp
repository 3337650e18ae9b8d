#include "link/ConfigCodec.h"

#include "link/ConfigBlock.h"
#include "link/ConfigCatalogue.h"
#include "link/DeviceFamily.h"
#include "link/Md4.h"

#include <algorithm>
#include <cstdlib>
#include <cstring>

namespace
{

constexpr uint16_t kDiscovery = 0x0101;
constexpr uint16_t kDvrSecondWord = 22;
constexpr uint32_t kRevisionReplyLength = 154;
constexpr uint32_t kRevisionOffset = 152; // after the title of 0x1104
constexpr size_t kUserFieldSize = 16;

// 0x0331 to 0x0334: groups of 0x0324 / 0x0326 records behind one count byte.
constexpr uint32_t kListEntries = 16;
struct ListShape {
    uint32_t groupOffset; // first group, from the frame
    uint32_t groupSize;
    uint32_t entryOffset; // first entry, from the group
    uint32_t entrySize;
    bool extraWord; // an entry carries a 32-bit after its value
};
constexpr ListShape kPtzShape { 1, 401, 1, 25, false };
constexpr ListShape kPtzShapeEx { 4, 516, 4, 32, true };

void WriteCredential(WireWriter& out, const char* text)
{
    uint8_t field[kUserFieldSize] = {};
    size_t n = 0;
    while (n < kUserFieldSize && text[n] != '\0')
        ++n;
    std::memcpy(field, text, n);
    uint8_t digest[16];
    MD4Digest(field, sizeof field, digest);
    out.Bytes(digest, sizeof digest);
}

uint8_t* Frame(uint8_t* record, bool afterGap)
{
    return record + (afterGap ? CONFIG_REQUEST_PARAMS : CONFIG_REPLY_FIELDS);
}

uint32_t GroupRoom(const ListShape& shape, size_t frameRoom)
{
    return static_cast<uint32_t>((frameRoom - shape.groupOffset) / shape.groupSize);
}

void EncodeWideLists(const uint8_t* frame, size_t frameRoom, const ListShape& shape, WireWriter& out)
{
    uint32_t n = std::min<uint32_t>(frame[0], GroupRoom(shape, frameRoom));
    const uint8_t* group = frame + shape.groupOffset;
    uint32_t m = n ? std::min<uint32_t>(group[0], kListEntries) : 0;
    out.U32(n);
    out.U32(m);
    for (uint32_t g = 0; g < n; ++g, group += shape.groupSize) {
        for (uint32_t e = 0; e < m; ++e) {
            const uint8_t* entry = group + shape.entryOffset + e * shape.entrySize;
            out.U32(entry[24]);
            if (shape.extraWord) {
                uint32_t extra;
                std::memcpy(&extra, entry + 28, 4);
                out.U32(extra);
            }
            out.Bytes(entry, 24);
        }
    }
}

void DecodeWideLists(uint8_t* frame, size_t frameRoom, const ListShape& shape, WireReader& in)
{
    uint32_t n = in.U32();
    uint32_t wireM = in.U32();
    uint32_t m = std::min(wireM, kListEntries);
    size_t entryWire = (shape.extraWord ? 8 : 4) + 24;
    n = std::min({ n, GroupRoom(shape, frameRoom), 255u });
    if (wireM)
        n = std::min<uint32_t>(n, static_cast<uint32_t>(in.RecordsLeft(entryWire * wireM)));
    frame[0] = static_cast<uint8_t>(n);
    uint8_t* group = frame + shape.groupOffset;
    for (uint32_t g = 0; g < n; ++g, group += shape.groupSize) {
        group[0] = static_cast<uint8_t>(m);
        for (uint32_t e = 0; e < m; ++e) {
            uint8_t* entry = group + shape.entryOffset + e * shape.entrySize;
            entry[24] = static_cast<uint8_t>(in.U32());
            if (shape.extraWord) {
                uint32_t extra = in.U32();
                std::memcpy(entry + 28, &extra, 4);
            }
            in.Bytes(entry, 24);
        }
        // Entries beyond the group's room are passed over: the next group
        // starts after all M of this one.
        in.Skip(entryWire * (wireM - m));
    }
}

// A zeroed block of count x size bytes, or null for none.
uint8_t* AllocateList(size_t count, size_t size)
{
    if (count == 0 || size == 0)
        return nullptr;
    return static_cast<uint8_t*>(std::calloc(count, size));
}

// Reads up to `count` records of `size` bytes into a new block; the count
// was bounded by the body before.
uint8_t* ReadList(WireReader& in, size_t count, size_t size)
{
    uint8_t* list = AllocateList(count, size);
    if (list)
        in.Bytes(list, count * size);
    return list;
}

template <typename T> void Store(uint8_t* frame, const T& value)
{
    std::memcpy(frame, &value, sizeof value);
}

void DecodeRules(uint8_t* frame, WireReader& in)
{
    CFG_DST_RULES rules {};
    uint32_t count = in.U32();
    rules.count = static_cast<uint32_t>(std::min<size_t>(count, in.RecordsLeft(64 + 15)));
    rules.names = ReadList(in, rules.count, 64);
    rules.rules = ReadList(in, rules.count, 15);
    Store(frame, rules);
}

void DecodeNameLists(uint8_t* frame, WireReader& in)
{
    CFG_NAME_LISTS lists {};
    for (int i = 0; i < 4; ++i) {
        size_t recordSize = i == 3 ? 16 + 3 : 16;
        uint8_t count = in.U8();
        lists.list[i].count = static_cast<uint8_t>(std::min<size_t>(count, in.RecordsLeft(recordSize)));
        lists.list[i].items = ReadList(in, lists.list[i].count, 16);
    }
    lists.extra = ReadList(in, lists.list[3].count, 3);
    Store(frame, lists);
}

void DecodeParamReply(uint8_t* frame, uint32_t bodyLength, WireReader& in)
{
    CFG_PARAM_REPLY reply {};
    uint32_t n = in.U16();
    // A size the body cannot hold reads as none.
    if (bodyLength < 2 || n > bodyLength - 2 || n > in.Remaining())
        n = 0;
    reply.size = static_cast<uint16_t>(n);
    reply.data = ReadList(in, n, 1);
    Store(frame, reply);
}

void DecodeStatusText(uint8_t* frame, WireReader& in)
{
    CFG_STATUS_TEXT status {};
    status.value = in.U32();
    uint32_t size = in.U32();
    status.size = static_cast<uint32_t>(std::min<size_t>(size, in.Remaining()));
    status.text = static_cast<char*>(std::calloc(status.size + 1, 1));
    if (status.text)
        in.Bytes(status.text, status.size);
    else
        status.size = 0;
    Store(frame, status);
}

void DecodeStreamList(uint8_t* frame, WireReader& in)
{
    constexpr uint32_t kSkipped = 0xFFFFFFFF;
    CFG_STREAM_LIST list {};
    uint32_t count = in.U32();
    size_t n = std::min<size_t>(count, in.RecordsLeft(16));
    list.entries = reinterpret_cast<CFG_STREAM_ENTRY*>(AllocateList(n, sizeof(CFG_STREAM_ENTRY)));
    if (!list.entries)
        n = 0;
    for (size_t i = 0; i < n; ++i) {
        uint32_t id = in.U32();
        if (id == kSkipped) {
            in.Skip(12);
            continue;
        }
        CFG_STREAM_ENTRY& e = list.entries[list.count++];
        e.id = id;
        e.a = in.U16();
        e.b = in.U16();
        e.c = in.U8();
        e.d = in.U8();
        e.e = in.U16();
        e.f = in.U32();
    }
    Store(frame, list);
}

bool EncodeSpecial(uint16_t command, const uint8_t* params, size_t room, WireWriter& out)
{
    switch (command) {
    case 0x0332:
        EncodeWideLists(params, room, kPtzShape, out);
        return true;
    case 0x0334:
        EncodeWideLists(params, room, kPtzShapeEx, out);
        return true;
    case 0x0B06: {
        CFG_PARAM_REQUEST request;
        std::memcpy(&request, params, sizeof request);
        out.U16(request.group);
        out.U16(request.item);
        out.U16(request.size);
        if (request.data)
            out.Bytes(request.data, request.size);
        else
            out.Zero(request.size);
        return true;
    }
    default:
        return false;
    }
}

bool DecodeSpecial(uint16_t replyId, uint8_t* frame, size_t room, uint32_t bodyLength, WireReader& in)
{
    switch (replyId) {
    case 0x110F:
        DecodeRules(frame, in);
        return true;
    case 0x1331:
        DecodeWideLists(frame, room, kPtzShape, in);
        return true;
    case 0x1333:
        DecodeWideLists(frame, room, kPtzShapeEx, in);
        return true;
    case 0x1705:
        DecodeNameLists(frame, in);
        return true;
    case 0x1B06:
        DecodeParamReply(frame, bodyLength, in);
        return true;
    case 0x1E05:
        DecodeStatusText(frame, in);
        return true;
    case 0x1E07:
        DecodeStreamList(frame, in);
        return true;
    default:
        return false;
    }
}

uint32_t DecodeRecord(const uint8_t* buf, size_t size, uint32_t* pos, uint8_t* record, uint16_t* revision)
{
    InitNetByteOrder();
    std::memset(record, 0, CONFIG_RECORD_SIZE);
    if (*pos > size || size - *pos < NET_MSG_HEADER_SIZE)
        return 0;
    const uint8_t* msg = buf + *pos;
    WireReader head(msg, NET_MSG_HEADER_SIZE);
    uint16_t replyId = head.U16();
    uint16_t status = head.U16();
    uint32_t length = head.U32();
    std::memcpy(record, &replyId, 2);
    std::memcpy(record + 2, &status, 2);
    std::memcpy(record + 4, &length, 4);

    const ConfigCommand* entry = replyId >= CONFIG_REPLY_OFFSET
        ? FindConfigCommand(static_cast<uint16_t>(replyId - CONFIG_REPLY_OFFSET))
        : nullptr;
    if (!entry || !entry->reply)
        return 0;

    size_t available = std::min<size_t>(length, size - *pos - NET_MSG_HEADER_SIZE);
    WireReader in(msg + NET_MSG_HEADER_SIZE, available);
    uint8_t* recordEnd = record + CONFIG_RECORD_SIZE;
    if (entry->reply[0] == '!') {
        uint8_t* frame = Frame(record, false);
        DecodeSpecial(replyId, frame, static_cast<size_t>(recordEnd - frame), length, in);
    } else {
        uint8_t* frame = Frame(record, entry->replyLayout.afterGap);
        DecodeLayout(entry->replyLayout, frame, recordEnd, length, revision ? *revision : 0, in);
        if (replyId == 0x1104 && revision) {
            uint16_t told = 0;
            if (length == kRevisionReplyLength)
                std::memcpy(&told, frame + kRevisionOffset, 2);
            *revision = told;
        }
    }
    uint32_t consumed = static_cast<uint32_t>(NET_MSG_HEADER_SIZE + std::min<size_t>(in.Offset(), available));
    *pos += consumed;
    return consumed;
}

} // namespace

uint32_t EncodeConfigRequest(
    uint8_t* buf, size_t capacity, uint32_t* pos, ConfigRequest* request, uint32_t family, uint16_t revision)
{
    InitNetByteOrder();
    // Requests to a recorder carry 22 in the header's second word.
    if (family == DEVICE_FAMILY_DVR)
        request->secondWord = kDvrSecondWord;
    NET_MSG_HEADER header { request->command, request->secondWord, request->length };

    WireWriter out(buf, capacity, *pos);
    out.U16(header.msgId);
    out.U16(header.word2);
    out.U32(header.length);
    if (request->length != 0) {
        const ConfigCommand* entry = FindConfigCommand(request->command);
        if (!entry || !entry->request)
            return 0;
        if (request->command != kDiscovery) {
            WriteCredential(out, request->user);
            WriteCredential(out, request->password);
        }
        const uint8_t* params = request->params;
        const uint8_t* recordEnd = reinterpret_cast<const uint8_t*>(request) + CONFIG_RECORD_SIZE;
        if (entry->request[0] == '!')
            EncodeSpecial(request->command, params, sizeof request->params, out);
        else
            EncodeLayout(entry->requestLayout, params, recordEnd, request->length, revision, out);
    }
    if (out.Failed())
        return 0;
    uint32_t written = out.Offset() - *pos;
    *pos = out.Offset();
    return written;
}

uint32_t DecodeConfigReply(
    const uint8_t* buf, size_t size, uint32_t* pos, ConfigReply* reply, uint16_t* revision)
{
    return DecodeRecord(buf, size, pos, reinterpret_cast<uint8_t*>(reply), revision);
}

uint32_t DecodeConfigReply(
    const uint8_t* buf, size_t size, uint32_t* pos, ConfigRequest* record, uint16_t* revision)
{
    return DecodeRecord(buf, size, pos, reinterpret_cast<uint8_t*>(record), revision);
}

void PrepareConfigRequest(ConfigRequest* request, uint16_t command, uint32_t length, const char* password)
{
    std::memset(request, 0, CONFIG_RECORD_SIZE);
    request->command = command;
    request->length = length;
    std::memcpy(request->user, CONFIG_ADMIN_USER, sizeof CONFIG_ADMIN_USER);
    if (password)
        CopyFixedText(request->password, sizeof request->password, password, std::strlen(password));
}

const uint8_t* ConfigReplyFields(const ConfigReply& reply)
{
    const ConfigCommand* entry = reply.command >= CONFIG_REPLY_OFFSET
        ? FindConfigCommand(static_cast<uint16_t>(reply.command - CONFIG_REPLY_OFFSET))
        : nullptr;
    const bool afterGap = entry && entry->replyLayout.afterGap;
    return reinterpret_cast<const uint8_t*>(&reply)
        + (afterGap ? CONFIG_REQUEST_PARAMS : CONFIG_REPLY_FIELDS);
}

void FreeConfigReplyLists(ConfigReply* reply)
{
    uint8_t* frame = reply->body;
    switch (reply->command) {
    case 0x110F: {
        CFG_DST_RULES rules;
        std::memcpy(&rules, frame, sizeof rules);
        std::free(rules.names);
        std::free(rules.rules);
        rules = {};
        Store(frame, rules);
        break;
    }
    case 0x1705: {
        CFG_NAME_LISTS lists;
        std::memcpy(&lists, frame, sizeof lists);
        for (auto& l : lists.list)
            std::free(l.items);
        std::free(lists.extra);
        lists = {};
        Store(frame, lists);
        break;
    }
    case 0x1B06: {
        CFG_PARAM_REPLY p;
        std::memcpy(&p, frame, sizeof p);
        std::free(p.data);
        p = {};
        Store(frame, p);
        break;
    }
    case 0x1E05: {
        CFG_STATUS_TEXT s;
        std::memcpy(&s, frame, sizeof s);
        std::free(s.text);
        s = {};
        Store(frame, s);
        break;
    }
    case 0x1E07: {
        CFG_STREAM_LIST l;
        std::memcpy(&l, frame, sizeof l);
        std::free(l.entries);
        l = {};
        Store(frame, l);
        break;
    }
    default:
        break;
    }
}
