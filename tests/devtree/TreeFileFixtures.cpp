#include "tests/devtree/TreeFileFixtures.h"

#include <algorithm>

namespace fixture
{

Bytes& Bytes::U8(uint8_t v)
{
    b.push_back(v);
    return *this;
}

Bytes& Bytes::U16(uint16_t v)
{
    return U8(v & 0xFF).U8(v >> 8);
}

Bytes& Bytes::U32(uint32_t v)
{
    return U16(v & 0xFFFF).U16(v >> 16);
}

Bytes& Bytes::Text(const std::string& text, size_t width)
{
    size_t n = std::min(text.size(), width);
    b.insert(b.end(), text.begin(), text.begin() + static_cast<long>(n));
    return Zero(width - n);
}

Bytes& Bytes::Raw(const std::vector<uint8_t>& bytes)
{
    b.insert(b.end(), bytes.begin(), bytes.end());
    return *this;
}

Bytes& Bytes::Zero(size_t n)
{
    b.insert(b.end(), n, 0);
    return *this;
}

namespace
{

std::vector<uint8_t> Password(const std::string& password, const uint8_t* mac)
{
    std::vector<uint8_t> bytes(16, 0);
    std::copy_n(password.begin(), std::min<size_t>(password.size(), 16), bytes.begin());
    for (size_t i = 0; mac && i < 16; ++i)
        bytes[i] ^= mac[i % 6];
    return bytes;
}

// The ten entries of a table. Entries up to the first one without a user
// name are masked with `mac` (when given); the later ones are zero
// (`zeroTail`) or kept as they are.
void Table(Bytes& out, const std::vector<Entry>& table, const uint8_t* mac, bool zeroTail)
{
    bool gap = false;
    for (size_t i = 0; i < 10; ++i) {
        const Entry entry = i < table.size() ? table[i] : Entry {};
        gap = gap || entry.user.empty();
        if (gap && zeroTail)
            out.Zero(32);
        else
            out.Text(entry.user, 16).Raw(Password(entry.password, gap ? nullptr : mac));
    }
}

void FixedPart(Bytes& out, const Device& d)
{
    out.U32(d.id)
        .U32(d.parent)
        .Text(d.name, 48)
        .U16(d.treeWord)
        .U8(d.folder)
        .U8(d.lookup)
        .Text(d.lookupHost, 64);
    for (uint32_t w : d.lookupWords)
        out.U32(w);
    out.Zero(16);
    out.Text(d.serial, 24).U32(d.ip).Raw(std::vector<uint8_t>(d.mac, d.mac + 6));
}

void Login(Bytes& out, const Device& d, const uint8_t* mac)
{
    out.Text(d.login.user, 16).Raw(Password(d.login.password, d.login.user.empty() ? nullptr : mac));
}

} // namespace

std::vector<uint8_t> Header(uint32_t version, uint32_t nodeSize, uint32_t nodeCount, uint32_t yemSize,
    uint32_t yemCount, const std::vector<LastCam>& lastCams)
{
    Bytes out;
    out.U32(version).U32(132);
    for (size_t i = 0; i < 3; ++i) {
        LastCam cam = i < lastCams.size() ? lastCams[i] : LastCam {};
        out.U32(cam.id).Text(cam.serial, 24).Raw(std::vector<uint8_t>(cam.mac, cam.mac + 6)).Zero(2);
    }
    out.U32(nodeSize).U32(nodeCount).U32(yemSize).U32(yemCount);
    return out.b;
}

std::vector<uint8_t> Version3Record(const Device& d)
{
    Bytes out;
    FixedPart(out, d);
    if (d.folder)
        return out.ZeroTo(1052).b;
    out.Text(d.address, 128);
    if (d.login.user.empty())
        out.Zero(32);
    else
        Login(out, d, d.mac);
    Table(out, d.tableA, d.mac, true);
    Table(out, d.tableB, d.mac, true);
    out.Zero(2).U32(d.http).U32(d.stream).U32(d.config).Text(d.model, 16).Text(d.version, 32);
    return out.b;
}

std::vector<uint8_t> UpgradedRecord(const Device& d, bool fromVersion2)
{
    Bytes out;
    FixedPart(out, d);
    if (d.folder)
        return out.ZeroTo(1052).b;
    out.Text(d.address, 24).Zero(104);
    Login(out, d, d.mac);
    Table(out, d.tableA, d.mac, false);
    Table(out, d.tableB, d.mac, false);
    out.Zero(2).U32(d.http).U32(d.stream);
    if (fromVersion2)
        out.U32(d.config).Text(d.model, 16).Text(d.version, 32);
    else
        out.U32(8405).Zero(48);
    return out.b;
}

std::vector<uint8_t> OldRecord(const Device& d, uint32_t version, size_t size)
{
    Bytes out;
    FixedPart(out, d);
    if (!d.folder) {
        const uint8_t* mac = version >= 0x01000001 ? d.mac : nullptr;
        out.Text(d.address, 24);
        Login(out, d, mac);
        Table(out, d.tableA, mac, false);
        Table(out, d.tableB, mac, false);
        out.Zero(2).U32(d.http).U32(d.stream);
        if (version == 0x01000002)
            out.U32(d.config).Text(d.model, 16).Text(d.version, 32);
    }
    out.ZeroTo(1052).b.resize(size);
    return out.b;
}

std::vector<uint8_t> ServerRecord(const Server& s, bool port8405, size_t size)
{
    Bytes out;
    out.U32(s.id).U32(s.parent).Text(s.name, 48).U16(s.word).U8(0).U8(s.server).U8(s.group);
    out.Text(s.address, 64).Text(s.regId, 16).Text(s.regPassword, 16).Zero(3).U32(port8405 ? 8405 : 0);
    out.b.resize(size);
    return out.b;
}

std::vector<uint8_t> Join(const std::vector<std::vector<uint8_t>>& parts)
{
    std::vector<uint8_t> all;
    for (const auto& part : parts)
        all.insert(all.end(), part.begin(), part.end());
    return all;
}

} // namespace fixture
