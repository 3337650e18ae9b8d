#include "sim/SettingsStore.h"

#include "link/ByteOrder.h"

#include <algorithm>
#include <cstdint>
#include <cstring>
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
const uint16_t kActions[] = { 0x0102, 0x0103, 0x0105, 0x0106, 0x0328, 0x0329, 0x0330, 0x0335, 0x0336, 0x0337,
    0x0409, 0x0803, 0x0E08 };

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

constexpr uint16_t kContents = 0x0D03, kSetContents = 0x0D04, kMaxConnections = 0x0E06;
constexpr uint16_t kAccess = 0x0E03, kSetAccess = 0x0E04;
constexpr size_t kContentSize = 240, kContentRoom = 10;
constexpr uint16_t kInvalidValue = 0xF309;

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

// Appends network-order fields to a body.
class Body
{
public:
    Body& U8(uint8_t v) { return Raw(&v, 1); }
    Body& U16(uint16_t v)
    {
        uint8_t b[2];
        uint32_t o = 0;
        NetPutU16(b, &o, v);
        return Raw(b, 2);
    }
    Body& U32(uint32_t v)
    {
        uint8_t b[4];
        uint32_t o = 0;
        NetPutU32(b, &o, v);
        return Raw(b, 4);
    }
    Body& Text(const std::string& s, size_t width)
    {
        Bytes field(width, 0);
        std::memcpy(field.data(), s.data(), std::min(s.size(), width));
        return Raw(field.data(), width);
    }
    Body& Zero(size_t n)
    {
        bytes.insert(bytes.end(), n, 0);
        return *this;
    }
    Body& Raw(const void* p, size_t n)
    {
        size_t at = bytes.size();
        bytes.resize(at + n);
        if (n)
            std::memcpy(bytes.data() + at, p, n);
        return *this;
    }
    Bytes bytes;
};

void Unscramble(const uint8_t* in, char out[17])
{
    for (int i = 0; i < 16; ++i) {
        uint8_t b = in[i];
        b = static_cast<uint8_t>((b >> 1) | (b << 7));
        out[i] = static_cast<char>(b - 3);
    }
    out[16] = '\0';
}

void Scramble(const char* text, uint8_t out[16])
{
    for (int i = 0; i < 16; ++i) {
        uint8_t b = 0;
        if (std::strlen(text) > static_cast<size_t>(i))
            b = static_cast<uint8_t>(text[i]);
        b = static_cast<uint8_t>(b + 3);
        out[i] = static_cast<uint8_t>((b << 1) | (b >> 7));
    }
}

} // namespace

SettingsStore::SettingsStore(const DeviceProfile& profile)
    : m_profile(profile)
    , m_password(profile.password)
{
    Seed();
}

std::string SettingsStore::AdminPassword() const
{
    std::lock_guard<std::mutex> guard(m_lock);
    return m_password;
}

void SettingsStore::SetAdminPassword(const std::string& password)
{
    std::lock_guard<std::mutex> guard(m_lock);
    m_password = password;
}

Bytes SettingsStore::Stored(uint16_t getCommand, uint32_t key) const
{
    std::lock_guard<std::mutex> guard(m_lock);
    auto it = m_values.find({ getCommand, key });
    return it == m_values.end() ? Bytes {} : it->second;
}

void SettingsStore::Store(uint16_t getCommand, uint32_t key, Bytes body)
{
    std::lock_guard<std::mutex> guard(m_lock);
    m_values[{ getCommand, key }] = std::move(body);
}

Bytes SettingsStore::DiscoveryBody(bool withPort) const
{
    const DeviceProfile& p = m_profile;
    Body b;
    b.Text(p.model, 16).Text(p.version1, 32).Text(p.version2, 32).Text(p.serial, 24).U32(p.address);
    if (withPort)
        b.U32(p.configPort);
    b.Raw(p.mac, 6).Text(p.title, 32);
    return b.bytes;
}

Bytes SettingsStore::DeviceInfoBody() const
{
    const DeviceProfile& p = m_profile;
    Body b;
    b.U32(1765000000).Text(p.model, 16).Text(p.version1, 32).Text(p.version2, 32).Text(p.serial, 24);
    b.U32(p.address).Raw(p.mac, 6).Zero(2).Text(p.title, 32);
    if (p.revision)
        b.U16(p.revision);
    return b.bytes;
}

void SettingsStore::Seed()
{
    const DeviceProfile& p = m_profile;
    m_values.clear();
    m_params.clear();
    for (const Setting& s : kSettings)
        if (s.keyBytes == 0)
            m_values[{ s.get, 0 }] = Bytes(s.seedSize, 0);

    // Time, zone and daylight saving.
    m_values[{ 0x0108, 0 }] = Body().U32(1765000000).U32(3600).bytes;
    m_values[{ 0x0D05, 0 }] = Body().U32(1).bytes;
    // Network: the device's own address on a /24 with its gateway at .1.
    uint32_t net = p.address & 0xFFFFFF00u;
    m_values[{ 0x0301, 0 }] = Body()
                                  .U32(p.address)
                                  .U32(0xFFFFFF00u)
                                  .U32(net | 0xFF)
                                  .U32(net | 1)
                                  .U32(0x08080808)
                                  .U32(0x08080404)
                                  .U32(0)
                                  .U32(300)
                                  .Text("reg.example.net", 64)
                                  .Text("group1", 16)
                                  .U8(0)
                                  .bytes;
    m_values[{ 0x0303, 0 }] = Body().U32(0).Text("", 128).Text("", 128).Text("xDSL link down", 128).bytes;
    m_values[{ 0x030C, 0 }] = Body().U32(8200).U32(8300).U32(8500).bytes;
    m_values[{ 0x0A01, 0 }] = Body().U32(8105).U32(8001).bytes;
    m_values[{ 0x0A03, 0 }] = Body().U32(0).U32(8405).bytes;
    // Users: admin with full rights in the first slot.
    Body users;
    users.U8(0x80).Zero(4);
    uint8_t id[16], pw[16];
    Scramble("admin", id);
    Scramble(m_password.c_str(), pw);
    users.Raw(id, 16).Raw(pw, 16).Zero(4 * 32).U8(1).Zero(4);
    m_values[{ 0x0201, 0 }] = users.bytes;
    // Cameras: four present channels and two PTZ models.
    Body channels;
    for (int i = 0; i < 5; ++i)
        channels.U8(i < 4 ? 0x80 : 0).U8(0).U16(0).U32(0).U8(0).U8(0).U16(1);
    channels.U8(2).Text("Pelco-D", 32).Text("Pelco-P", 32);
    m_values[{ 0x0401, 0 }] = channels.bytes;
    m_values[{ 0x0403, 0 }] = Body().U8(p.family == 4 ? 16 : 1).U8(0).U8(0).bytes;
    m_values[{ 0x0801, 0 }] = Body().U32(0x01000000).U32(2000).U32(488281250).U32(312500000).bytes;
    m_values[{ 0x0B01, 0 }] = Body().U8(4).U8(2).U8(0).U8(0).U32(0).bytes;
    // Lists with their counts.
    m_values[{ 0x010F, 0 }]
        = Body().U32(2).Text("Europe", 64).Text("North America", 64).Zero(13).U16(60).Zero(13).U16(60).bytes;
    Body rules;
    rules.U32(33);
    for (int i = 0; i < 33; ++i)
        rules.U8(static_cast<uint8_t>(i % 3));
    m_values[{ 0x0112, 0 }] = rules.bytes;
    m_values[{ 0x0705, 0 }] = Body()
                                  .U8(1)
                                  .Text("Front door", 16)
                                  .U8(1)
                                  .Text("Siren", 16)
                                  .U8(0)
                                  .U8(1)
                                  .Text("Dome", 16)
                                  .Zero(3)
                                  .bytes;
    Body content;
    content.U32(1).Text("rtsp://live/main", 128).Text("main", 24).Text("H.264", 12).U32(1).U32(554);
    content.Text("", 24).Zero(7 * 4 + 4 + 12);
    m_values[{ kContents, 0 }] = content.bytes;
    m_values[{ kMaxConnections, 0 }] = Body().U32(0).U32(8).bytes;
    m_values[{ kAccess, 0 }] = Body().U32(1).U32(0xFFFFFFFF).bytes;
    m_values[{ 0x0E05, 0 }] = Body().U32(0).U32(18).Raw("Recording: normal", 18).bytes;
    m_values[{ 0x0E07, 0 }] = Body()
                                  .U32(3)
                                  .U32(1)
                                  .U16(640)
                                  .U16(480)
                                  .U8(1)
                                  .U8(0)
                                  .U16(25)
                                  .U32(512)
                                  .U32(0xFFFFFFFF)
                                  .Zero(12)
                                  .U32(2)
                                  .U16(320)
                                  .U16(240)
                                  .U8(2)
                                  .U8(0)
                                  .U16(15)
                                  .U32(256)
                                  .bytes;
    // Generic parameters: two serial ports.
    m_params[{ 3, 3 }] = Body().U8(2).Text("COM1", 16).Text("COM2", 16).bytes;
    m_params[{ 3, 5 }] = Body().U32(9600).U8(8).U8(0).U8(1).bytes;
    m_params[{ 4, 5 }] = Body().U8(1).U8(50).bytes;
    m_params[{ 5, 5 }] = Body().U8(0).Text("", 32).bytes;
}

void SettingsStore::TakeAdminPassword(uint16_t command, const Bytes& params)
{
    size_t first = command == 0x0202 ? 5 : 10;
    for (size_t slot = 0; slot < 5; ++slot) {
        size_t at = first + slot * 32;
        if (params.size() < at + 32)
            return;
        char id[17], pw[17];
        Unscramble(&params[at], id);
        Unscramble(&params[at + 16], pw);
        if (std::strcmp(id, "admin") == 0) {
            m_password = pw;
            return;
        }
    }
}

bool SettingsStore::Answer(uint16_t command, const Bytes& params, SimReply* reply)
{
    reply->status = 0;
    reply->body.clear();
    if (command == 0x0104) {
        reply->body = DeviceInfoBody();
        return true;
    }
    if (command == 0x0111) {
        reply->body = DiscoveryBody(true);
        return true;
    }
    if (std::find(std::begin(kActions), std::end(kActions), command) != std::end(kActions))
        return true;

    std::lock_guard<std::mutex> guard(m_lock);
    if (command == 0x0901) {
        m_password = m_profile.password;
        Seed();
        return true;
    }
    if (command == 0x0B06) {
        WireReader in(params.data(), params.size());
        uint16_t group = in.U16(), item = in.U16(), size = in.U16();
        if (size > in.Remaining()) {
            reply->status = kInvalidValue;
            return true;
        }
        if (size) {
            // A write (item k + 1) stores what the read (item k) reports.
            m_params[{ group, static_cast<uint16_t>(item - 1) }].assign(
                params.begin() + 6, params.begin() + 6 + size);
            reply->body = Body().U16(0).bytes;
            return true;
        }
        const Bytes& data = m_params[{ group, item }];
        reply->body = Body().U16(static_cast<uint16_t>(data.size())).Raw(data.data(), data.size()).bytes;
        return true;
    }
    if (command == kContents) {
        // The entries, then the value and the maximum of connections.
        Bytes body = m_values[{ kContents, 0 }];
        const Bytes& tail = m_values[{ kMaxConnections, 0 }];
        body.insert(body.end(), tail.begin(), tail.end());
        reply->body = body;
        return true;
    }
    if (command == kSetContents) {
        WireReader in(params.data(), params.size());
        uint32_t n = in.U32();
        if (n > kContentRoom || params.size() != 4 + n * kContentSize) {
            reply->status = kInvalidValue;
            return true;
        }
        m_values[{ kContents, 0 }] = params;
        return true;
    }
    if (command == kMaxConnections) {
        Bytes& tail = m_values[{ kMaxConnections, 0 }];
        Body b;
        b.Raw(tail.data(), 4).Raw(params.data(), std::min<size_t>(params.size(), 4));
        tail = b.bytes;
        tail.resize(8, 0);
        return true;
    }
    if (command == kAccess) {
        reply->body = m_values[{ kAccess, 0 }];
        return true;
    }
    if (command == kSetAccess) {
        // Row count, then ten flag words; the get reports as many as rows.
        WireReader in(params.data(), params.size());
        uint32_t rows = std::min<uint32_t>(in.U32(), 10);
        Body b;
        b.U32(rows);
        for (uint32_t i = 0; i < rows; ++i)
            b.U32(in.U32());
        m_values[{ kAccess, 0 }] = b.bytes;
        return true;
    }
    if (!FindGet(command) && m_values.count({ command, 0 })) {
        // Read-only lists the device was seeded with.
        reply->body = m_values[{ command, 0 }];
        return true;
    }
    if (const Setting* s = FindGet(command)) {
        uint32_t key = ReadKey(params, s->keyBytes);
        auto it = m_values.find({ command, key });
        if (it != m_values.end()) {
            reply->body = it->second;
        } else {
            uint16_t size = s->seedSize;
            if (command == 0x0406 && m_profile.revision >= 22)
                ++size;
            Body b;
            if (s->keyInReply)
                b.Raw(params.data(), std::min<size_t>(params.size(), s->keyBytes));
            b.bytes.resize(size, 0);
            reply->body = b.bytes;
        }
        return true;
    }
    if (const Setting* s = FindSet(command)) {
        uint32_t key = ReadKey(params, s->keyBytes);
        Bytes body(params.begin() + (s->keyInReply ? 0 : std::min<size_t>(s->keyBytes, params.size())),
            params.end());
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
        auto it = m_values.find({ s->get, key });
        if (prefix && it != m_values.end() && it->second.size() > body.size())
            body.insert(body.end(), it->second.begin() + body.size(), it->second.end());
        m_values[{ s->get, key }] = std::move(body);
        if (command == 0x0202 || command == 0x0204)
            TakeAdminPassword(command, params);
        return true;
    }
    return false;
}

} // namespace sim
