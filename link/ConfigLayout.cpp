#include "link/ConfigLayout.h"

#include <algorithm>
#include <cstring>

struct LayoutItem {
    enum Kind { Int, Widen, Bytes, Group, Counted, Cond } kind = Int;
    uint32_t width = 0; // Int: 1, 2 or 4; Bytes: n
    uint32_t offset = 0; // record offset within the enclosing group
    bool isCount = false;
    int listIndex = -1; // a count: index of its list among the siblings
    // Group and Counted
    uint32_t wireCount = 0; // Group: repeats on the wire
    uint32_t room = 0; // entries the record holds; 0 for Counted = up to the record's end
    bool zeroWhenOver = false;
    uint32_t elemSize = 0;
    uint32_t elemAlign = 1;
    uint32_t minWire = 0; // fewest wire bytes of one element
    uint32_t countOffset = 0, countWidth = 0;
    // Cond
    enum Test { Eq, Ne, Ge, Gt, Revision } test = Eq;
    uint32_t value = 0;
    LayoutItems children;
};

namespace
{

constexpr uint16_t kRevisionThreshold = 22;

struct Parser {
    const char* p;
    bool bad = false;

    void Space()
    {
        while (*p == ' ')
            ++p;
    }
    uint32_t Number()
    {
        if (*p < '0' || *p > '9')
            bad = true;
        uint32_t n = 0;
        while (*p >= '0' && *p <= '9')
            n = n * 10 + static_cast<uint32_t>(*p++ - '0');
        return n;
    }
    void Expect(char c)
    {
        if (*p == c)
            ++p;
        else
            bad = true;
    }

    // Parses items up to `close` (or the end of the text).
    LayoutItems Items(char close)
    {
        LayoutItems items;
        for (;;) {
            Space();
            if (bad || *p == '\0' || *p == close)
                break;
            long place = -1;
            if (*p == '@') {
                ++p;
                place = Number();
                Space();
            }
            LayoutItem item;
            char c = *p;
            if (c >= '0' && c <= '9') {
                uint32_t n = Number();
                if (*p == '/' || *p == '*') {
                    item.kind = LayoutItem::Group;
                    item.wireCount = item.room = n;
                    if (*p == '/') {
                        ++p;
                        item.room = Number();
                    }
                    Expect('*');
                    Expect('(');
                    item.children = Items(')');
                    Expect(')');
                } else {
                    if (n != 1 && n != 2 && n != 4)
                        bad = true;
                    item.width = n;
                }
            } else if (c == 'w') {
                ++p;
                item.kind = LayoutItem::Widen;
                item.width = 1;
            } else if (c == 'b') {
                ++p;
                item.kind = LayoutItem::Bytes;
                item.width = Number();
            } else if (c == 'c') {
                ++p;
                item.width = Number();
                item.isCount = true;
                if (item.width != 1 && item.width != 4)
                    bad = true;
            } else if (c == '#') {
                ++p;
                item.kind = LayoutItem::Counted;
                if (*p >= '0' && *p <= '9')
                    item.room = Number();
                if (*p == 'z') {
                    ++p;
                    item.zeroWhenOver = true;
                }
                Expect('(');
                item.children = Items(')');
                Expect(')');
            } else if (c == '[') {
                ++p;
                item.kind = LayoutItem::Cond;
                if (*p == 'r') {
                    ++p;
                    item.test = LayoutItem::Revision;
                } else if (p[0] == '!' && p[1] == '=') {
                    p += 2;
                    item.test = LayoutItem::Ne;
                } else if (p[0] == '>' && p[1] == '=') {
                    p += 2;
                    item.test = LayoutItem::Ge;
                } else if (p[0] == '>') {
                    ++p;
                    item.test = LayoutItem::Gt;
                } else {
                    Expect('=');
                }
                if (item.test != LayoutItem::Revision)
                    item.value = Number();
                item.children = Items(']');
                Expect(']');
            } else {
                bad = true;
                break;
            }
            item.offset = place < 0 ? UINT32_MAX : static_cast<uint32_t>(place);
            items.push_back(std::move(item));
        }
        return items;
    }
};

uint32_t AlignUp(uint32_t v, uint32_t a)
{
    return (v + a - 1) / a * a;
}

uint32_t RecordAlign(const LayoutItem& item)
{
    switch (item.kind) {
    case LayoutItem::Int:
        return item.width;
    case LayoutItem::Group:
    case LayoutItem::Counted:
        return item.elemAlign;
    default:
        return 1;
    }
}

// Places the items from `offset` on; gives the end offset and raises
// `align` to the strictest member. A conditional's fields sit inline.
bool Place(LayoutItems& items, uint32_t& offset, uint32_t& align, uint32_t& minWire);

bool PlaceGroupElement(LayoutItem& item)
{
    uint32_t size = 0, align = 1, minWire = 0;
    if (!Place(item.children, size, align, minWire))
        return false;
    item.elemAlign = align;
    item.elemSize = AlignUp(std::max<uint32_t>(size, 1), align);
    item.minWire = std::max<uint32_t>(minWire, 1);
    return true;
}

bool Place(LayoutItems& items, uint32_t& offset, uint32_t& align, uint32_t& minWire)
{
    int lastCount = -1;
    uint32_t end = offset;
    for (size_t i = 0; i < items.size(); ++i) {
        LayoutItem& item = items[i];
        if (item.kind == LayoutItem::Group || item.kind == LayoutItem::Counted) {
            if (!PlaceGroupElement(item))
                return false;
        }
        uint32_t at = item.offset;
        if (item.kind == LayoutItem::Cond) {
            uint32_t condWire = 0;
            uint32_t inner = offset;
            if (!Place(item.children, inner, align, condWire))
                return false;
            offset = inner;
            end = std::max(end, offset);
            continue;
        }
        uint32_t a = RecordAlign(item);
        align = std::max(align, a);
        if (at == UINT32_MAX)
            at = AlignUp(offset, a);
        item.offset = at;
        uint32_t size = 0;
        switch (item.kind) {
        case LayoutItem::Int:
        case LayoutItem::Widen:
        case LayoutItem::Bytes:
            size = item.width;
            minWire += item.kind == LayoutItem::Widen ? 4 : item.width;
            break;
        case LayoutItem::Group:
            size = item.elemSize * item.room;
            minWire += item.minWire * item.wireCount;
            break;
        case LayoutItem::Counted:
            if (lastCount < 0)
                return false;
            items[lastCount].listIndex = static_cast<int>(i);
            item.countOffset = items[lastCount].offset;
            item.countWidth = items[lastCount].width;
            lastCount = -1;
            // A list without a room runs to the record's end: nothing follows it.
            if (item.room == 0 && i + 1 != items.size())
                return false;
            size = item.elemSize * item.room;
            break;
        default:
            break;
        }
        if (item.isCount)
            lastCount = static_cast<int>(i);
        offset = std::max(offset, at + size);
        end = std::max(end, offset);
    }
    offset = end;
    return true;
}

bool Present(const LayoutItem& item, uint32_t bodyLength, uint16_t revision)
{
    switch (item.test) {
    case LayoutItem::Eq:
        return bodyLength == item.value;
    case LayoutItem::Ne:
        return bodyLength != item.value;
    case LayoutItem::Ge:
        return bodyLength >= item.value;
    case LayoutItem::Gt:
        return bodyLength > item.value;
    case LayoutItem::Revision:
        return revision >= kRevisionThreshold;
    }
    return false;
}

uint32_t LoadInt(const uint8_t* at, uint32_t width)
{
    if (width == 1)
        return *at;
    if (width == 2) {
        uint16_t v;
        std::memcpy(&v, at, 2);
        return v;
    }
    uint32_t v;
    std::memcpy(&v, at, 4);
    return v;
}

void StoreInt(uint8_t* at, uint32_t width, uint32_t value)
{
    if (width == 1) {
        *at = static_cast<uint8_t>(value);
    } else if (width == 2) {
        uint16_t v = static_cast<uint16_t>(value);
        std::memcpy(at, &v, 2);
    } else {
        std::memcpy(at, &value, 4);
    }
}

// Entries a counted list may hold in the record.
uint32_t ListRoom(const LayoutItem& list, const uint8_t* frame, const uint8_t* recordEnd)
{
    if (list.room)
        return list.room;
    const uint8_t* start = frame + list.offset;
    if (start >= recordEnd)
        return 0;
    return static_cast<uint32_t>((recordEnd - start) / list.elemSize);
}

uint32_t BoundCount(const LayoutItem& list, uint32_t count, uint32_t room)
{
    if (count <= room)
        return count;
    return list.zeroWhenOver ? 0 : room;
}

// Receives the fields of an encoding walk; a writer or a field list.
struct FieldSink {
    WireWriter* out = nullptr;
    std::vector<LayoutField>* fields = nullptr;
    const uint8_t* base = nullptr;

    bool Failed() const { return out && out->Failed(); }
    void Int(const uint8_t* at, uint32_t width, uint32_t value)
    {
        if (fields)
            fields->push_back({ static_cast<uint32_t>(at - base), width });
        if (!out)
            return;
        if (width == 1)
            out->U8(static_cast<uint8_t>(value));
        else if (width == 2)
            out->U16(static_cast<uint16_t>(value));
        else
            out->U32(value);
    }
    void Widen(const uint8_t* at)
    {
        if (fields)
            fields->push_back({ static_cast<uint32_t>(at - base), 1 });
        if (out)
            out->U32(*at);
    }
    void Bytes(const uint8_t* at, uint32_t n)
    {
        if (fields)
            fields->push_back({ static_cast<uint32_t>(at - base), n });
        if (out)
            out->Bytes(at, n);
    }
};

void EncodeItems(const LayoutItems& items, const uint8_t* frame, const uint8_t* recordEnd,
    uint32_t bodyLength, uint16_t revision, FieldSink& out)
{
    for (const LayoutItem& item : items) {
        const uint8_t* at = frame + item.offset;
        switch (item.kind) {
        case LayoutItem::Int: {
            uint32_t v = LoadInt(at, item.width);
            if (item.isCount && item.listIndex >= 0) {
                const LayoutItem& list = items[item.listIndex];
                v = BoundCount(list, v, ListRoom(list, frame, recordEnd));
            }
            out.Int(at, item.width, v);
            break;
        }
        case LayoutItem::Widen:
            out.Widen(at);
            break;
        case LayoutItem::Bytes:
            out.Bytes(at, item.width);
            break;
        case LayoutItem::Group:
            for (uint32_t k = 0; k < item.wireCount; ++k)
                EncodeItems(item.children, at + k * item.elemSize, recordEnd, bodyLength, revision, out);
            break;
        case LayoutItem::Counted: {
            uint32_t n = BoundCount(
                item, LoadInt(frame + item.countOffset, item.countWidth), ListRoom(item, frame, recordEnd));
            for (uint32_t k = 0; k < n; ++k)
                EncodeItems(item.children, at + k * item.elemSize, recordEnd, bodyLength, revision, out);
            break;
        }
        case LayoutItem::Cond:
            if (Present(item, bodyLength, revision))
                EncodeItems(item.children, frame, recordEnd, bodyLength, revision, out);
            break;
        }
        if (out.Failed())
            return;
    }
}

void DecodeItems(const LayoutItems& items, uint8_t* frame, uint8_t* recordEnd, uint32_t bodyLength,
    uint16_t revision, WireReader& in)
{
    // Entries a list carries beyond its room, by list index: they are read
    // past, so that the fields after the list come from their own place.
    std::vector<uint32_t> surplus;
    for (const LayoutItem& item : items) {
        uint8_t* at = frame + item.offset;
        switch (item.kind) {
        case LayoutItem::Int: {
            uint32_t v = item.width == 1 ? in.U8() : item.width == 2 ? in.U16() : in.U32();
            if (item.isCount && item.listIndex >= 0) {
                const LayoutItem& list = items[item.listIndex];
                uint32_t room = ListRoom(list, frame, recordEnd);
                // No more entries than the body can still carry.
                uint32_t carried = std::min<uint32_t>(v, static_cast<uint32_t>(in.RecordsLeft(list.minWire)));
                v = std::min(BoundCount(list, v, room), carried);
                if (!list.zeroWhenOver && carried > v) {
                    surplus.resize(items.size());
                    surplus[size_t(item.listIndex)] = carried - v;
                }
            }
            StoreInt(at, item.width, v);
            break;
        }
        case LayoutItem::Widen:
            *at = static_cast<uint8_t>(in.U32());
            break;
        case LayoutItem::Bytes:
            in.Bytes(at, item.width);
            break;
        case LayoutItem::Group:
            for (uint32_t k = 0; k < item.wireCount; ++k)
                DecodeItems(item.children, at + k * item.elemSize, recordEnd, bodyLength, revision, in);
            break;
        case LayoutItem::Counted: {
            uint32_t n = LoadInt(frame + item.countOffset, item.countWidth);
            for (uint32_t k = 0; k < n; ++k)
                DecodeItems(item.children, at + k * item.elemSize, recordEnd, bodyLength, revision, in);
            size_t index = size_t(&item - items.data());
            if (index < surplus.size() && surplus[index]) {
                std::vector<uint8_t> scratch(item.elemSize);
                for (uint32_t k = 0; k < surplus[index] && !in.Short(); ++k) {
                    std::fill(scratch.begin(), scratch.end(), 0);
                    DecodeItems(item.children, scratch.data(), scratch.data() + scratch.size(), bodyLength,
                        revision, in);
                }
            }
            break;
        }
        case LayoutItem::Cond:
            if (Present(item, bodyLength, revision))
                DecodeItems(item.children, frame, recordEnd, bodyLength, revision, in);
            break;
        }
    }
}

} // namespace

ConfigLayout CompileConfigLayout(const char* text)
{
    ConfigLayout layout;
    Parser parser { text };
    parser.Space();
    if (*parser.p == 'g') {
        layout.afterGap = true;
        ++parser.p;
    }
    auto items = std::make_shared<LayoutItems>(parser.Items('\0'));
    uint32_t size = 0, align = 1, minWire = 0;
    if (parser.bad || *parser.p != '\0' || !Place(*items, size, align, minWire))
        return ConfigLayout {};
    layout.items = std::move(items);
    return layout;
}

void EncodeLayout(const ConfigLayout& layout, const uint8_t* frame, const uint8_t* recordEnd,
    uint32_t bodyLength, uint16_t revision, WireWriter& out)
{
    FieldSink sink;
    sink.out = &out;
    if (layout.items)
        EncodeItems(*layout.items, frame, recordEnd, bodyLength, revision, sink);
}

std::vector<LayoutField> ListLayoutFields(const ConfigLayout& layout, const uint8_t* frame,
    const uint8_t* recordEnd, uint32_t bodyLength, uint16_t revision)
{
    std::vector<LayoutField> fields;
    FieldSink sink;
    sink.fields = &fields;
    sink.base = frame;
    if (layout.items)
        EncodeItems(*layout.items, frame, recordEnd, bodyLength, revision, sink);
    return fields;
}

void DecodeLayout(const ConfigLayout& layout, uint8_t* frame, uint8_t* recordEnd, uint32_t bodyLength,
    uint16_t revision, WireReader& in)
{
    if (layout.items)
        DecodeItems(*layout.items, frame, recordEnd, bodyLength, revision, in);
}
