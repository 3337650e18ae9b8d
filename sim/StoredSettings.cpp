// The settings the device keeps as they were written: every get of the
// catalogue answers its stored body (zeros on a fresh device), every set of a
// size the device knows stores its body for the get that reads it.
#include "sim/CommandGroup.h"

#include <algorithm>
#include <cstdint>
#include <iterator>

namespace sim
{

namespace
{

// A get command, the set that writes what it reads, and how the first
// parameter selects a stored value.
struct Setting {
    uint16_t get;
    uint16_t set; // 0: read only
    uint8_t keyBytes; // 0, 1 or 4 bytes of key in front of the parameters
    bool keyInReply; // the reply body starts with the key, as the set does
    uint16_t seedSize; // reply body of a fresh device
};

// clang-format off
const Setting kSettings[] = {
    { 0x0108, 0x0107, 0, false, 8 },    { 0x010A, 0x010B, 0, false, 5 },
    { 0x010C, 0,      0, false, 9 },    { 0x010D, 0x010E, 0, false, 27 },
    { 0x0110, 0,      0, false, 20 },   { 0x0201, 0x0202, 0, false, 170 },
    { 0x0203, 0x0204, 0, false, 210 },  { 0x0205, 0x0206, 0, false, 4 },
    { 0x0207, 0x0208, 0, false, 8 },    { 0x0301, 0x0302, 0, false, 113 },
    { 0x0303, 0x0304, 0, false, 388 },  { 0x0305, 0x0306, 0, false, 4 },
    { 0x030C, 0x030D, 0, false, 12 },   { 0x030E, 0x030F, 0, false, 12 },
    { 0x0310, 0x0311, 1, true, 5 },     { 0x0312, 0x0313, 0, false, 16 },
    { 0x0314, 0x0315, 1, true, 11 },    { 0x0316, 0x0317, 0, false, 16 },
    { 0x0318, 0x0319, 0, false, 1 },    { 0x031A, 0x031B, 0, false, 193 },
    { 0x031C, 0x031D, 1, true, 34 },    { 0x031E, 0x031F, 0, false, 1281 },
    { 0x0320, 0x0321, 0, false, 259 },  { 0x0322, 0x0323, 0, false, 1 },
    { 0x0324, 0x0325, 0, false, 1 },    { 0x0326, 0x0327, 0, false, 1 },
    { 0x0331, 0x0332, 0, false, 8 },    { 0x0333, 0x0334, 0, false, 8 },
    { 0x0338, 0x0339, 0, false, 65 },   { 0x0340, 0x0341, 0, false, 224 },
    { 0x0342, 0x0343, 0, false, 2 },    { 0x0401, 0x0402, 0, false, 61 },
    { 0x0403, 0,      0, false, 3 },    { 0x0404, 0x0405, 1, false, 42 },
    { 0x0406, 0x0407, 1, false, 237 },  { 0x0501, 0x0502, 0, false, 160 },
    { 0x0601, 0x0602, 1, true, 8 },     { 0x0701, 0x0702, 4, true, 184 },
    { 0x0703, 0x0704, 0, false, 8 },    { 0x0706, 0x0707, 1, false, 24 },
    { 0x0708, 0x0709, 1, false, 53 },   { 0x070A, 0x070B, 0, false, 72 },
    { 0x070C, 0x070D, 0, false, 120 },  { 0x070E, 0x070F, 1, true, 15 },
    { 0x0710, 0x0711, 1, true, 29 },    { 0x0712, 0x0713, 1, true, 29 },
    { 0x0714, 0x0715, 1, true, 29 },    { 0x0716, 0x0717, 0, false, 11 },
    { 0x0718, 0x0719, 0, false, 44 },   { 0x071A, 0x071B, 1, false, 32 },
    { 0x0801, 0x0802, 0, false, 16 },   { 0x0A01, 0x0A02, 0, false, 8 },
    { 0x0A03, 0x0A04, 0, false, 8 },    { 0x0B01, 0x0B02, 0, false, 8 },
    { 0x0B07, 0x0B08, 0, false, 132 },  { 0x0C01, 0x0C02, 0, false, 4 },
    { 0x0D05, 0x0D06, 0, false, 4 },    { 0x0D07, 0x0D08, 0, false, 12 },
    { 0x0E01, 0x0E02, 1, true, 4 },
};
// clang-format on

// Commands the device accepts without keeping anything it would report.
const uint16_t kActions[]
    = { 0x0102, 0x0103, 0x0105, 0x0328, 0x0329, 0x0330, 0x0335, 0x0336, 0x0337, 0x0409, 0x0803, 0x0E08 };

// Sets that also come in shorter forms (optional trailing fields).
struct SetSizes {
    uint16_t set;
    uint16_t sizes[2];
};
const SetSizes kVariants[]
    = { { 0x0202, { 165, 0 } }, { 0x0302, { 112, 0 } }, { 0x0702, { 164, 0 } }, { 0x0709, { 17, 21 } },
          { 0x070B, { 36, 0 } }, { 0x070D, { 80, 0 } }, { 0x0B02, { 4, 0 } }, { 0x0407, { 237, 238 } } };
// Sets that write the first part of what the get reports; the rest stays.
const SetSizes kPrefixes[]
    = { { 0x0802, { 8, 0 } }, { 0x0402, { 60, 0 } }, { 0x0B08, { 4, 0 } }, { 0x0304, { 260, 0 } } };

const SetSizes* FindSizes(const SetSizes* table, size_t n, uint16_t set)
{
    for (size_t i = 0; i < n; ++i)
        if (table[i].set == set)
            return &table[i];
    return nullptr;
}

constexpr size_t kBadSize = SIZE_MAX;

// The body size a list-carrying set must have, by the counts it carries.
size_t CountedSize(uint16_t set, const Bytes& body)
{
    WireReader in(body.data(), body.size());
    switch (set) {
    case 0x0206:
        return 4 + size_t { in.U32() } * 44;
    case 0x0311:
        in.Skip(1);
        return 5 + size_t { in.U32() };
    case 0x0325:
    case 0x0327: {
        size_t entry = set == 0x0325 ? 25 : 29;
        uint8_t groups = in.U8();
        for (int g = 0; g < groups; ++g) {
            uint8_t m = in.U8();
            in.Skip(m * entry);
            if (in.Short())
                return kBadSize;
        }
        return in.Offset();
    }
    case 0x0332:
    case 0x0334: {
        uint64_t n = in.U32(), m = in.U32();
        uint64_t size = 8 + n * m * (set == 0x0332 ? 28 : 32);
        return size > body.size() + 1 ? kBadSize : static_cast<size_t>(size);
    }
    default:
        return 0;
    }
}

const Setting* FindGet(uint16_t command)
{
    for (const Setting& s : kSettings)
        if (s.get == command)
            return &s;
    return nullptr;
}

const Setting* FindSet(uint16_t command)
{
    for (const Setting& s : kSettings)
        if (s.set == command)
            return &s;
    return nullptr;
}

uint32_t ReadKey(const Bytes& params, uint8_t keyBytes)
{
    WireReader in(params.data(), params.size());
    return keyBytes == 4 ? in.U32() : keyBytes == 1 ? in.U8() : 0;
}

void Seed(StoreState& state)
{
    // Values another group seeded stay.
    for (const Setting& s : kSettings)
        if (s.keyBytes == 0)
            state.values.emplace(std::make_pair(s.get, uint32_t { 0 }), Bytes(s.seedSize, 0));
}

bool Answer(StoreState& state, uint16_t command, const Bytes& params, SimReply* reply)
{
    if (std::find(std::begin(kActions), std::end(kActions), command) != std::end(kActions))
        return true;
    if (!FindGet(command) && state.values.count({ command, 0 })) {
        // Read-only lists the device was seeded with.
        reply->body = state.Value(command);
        return true;
    }
    return AnswerStoredSetting(state, command, params, reply);
}

} // namespace

bool AnswerStoredSetting(StoreState& state, uint16_t command, const Bytes& params, SimReply* reply)
{
    if (const Setting* s = FindGet(command)) {
        uint32_t key = ReadKey(params, s->keyBytes);
        auto it = state.values.find({ command, key });
        if (it != state.values.end()) {
            reply->body = it->second;
        } else {
            uint16_t size = s->seedSize;
            if (command == 0x0406 && state.profile.revision >= 22)
                ++size;
            Body b;
            if (s->keyInReply)
                b.Raw(params.data(), std::min<size_t>(params.size(), s->keyBytes));
            b.bytes.resize(size, 0);
            reply->body = b.bytes;
        }
        return true;
    }
    const Setting* s = FindSet(command);
    if (!s)
        return false;
    uint32_t key = ReadKey(params, s->keyBytes);
    Bytes body(
        params.begin() + (s->keyInReply ? 0 : std::min<size_t>(s->keyBytes, params.size())), params.end());
    // The device takes only bodies of the sizes it knows.
    size_t expected = CountedSize(command, body);
    const SetSizes* prefix = FindSizes(kPrefixes, std::size(kPrefixes), command);
    const SetSizes* variant = FindSizes(kVariants, std::size(kVariants), command);
    bool fits = expected ? body.size() == expected
        : prefix         ? body.size() == prefix->sizes[0]
                         : body.size() == s->seedSize
            || (variant && (body.size() == variant->sizes[0] || body.size() == variant->sizes[1]));
    if (!fits) {
        reply->status = kInvalidValue;
        return true;
    }
    // A prefix set keeps the tail the device had (read-only fields).
    auto it = state.values.find({ s->get, key });
    if (prefix && it != state.values.end() && it->second.size() > body.size())
        body.insert(body.end(), it->second.begin() + body.size(), it->second.end());
    state.values[{ s->get, key }] = std::move(body);
    return true;
}

const CommandGroup kStoredSettings = { Seed, Answer };

} // namespace sim
