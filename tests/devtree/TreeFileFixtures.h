// Tree files built byte by byte from the documented layouts of every
// version, independent of the writer under test.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace fixture
{

// Appends little-endian fields.
struct Bytes {
    std::vector<uint8_t> b;
    Bytes& U8(uint8_t v);
    Bytes& U16(uint16_t v);
    Bytes& U32(uint32_t v);
    Bytes& Text(const std::string& text, size_t width);
    Bytes& Raw(const std::vector<uint8_t>& bytes);
    Bytes& Zero(size_t n);
    Bytes& ZeroTo(size_t size) { return Zero(size - b.size()); }
};

struct Entry {
    std::string user;
    std::string password;
};

// What a record of the "My DVR" branch holds.
struct Device {
    uint32_t id = 0, parent = 0;
    std::string name;
    uint16_t treeWord = 0;
    bool folder = false;
    bool lookup = false;
    std::string lookupHost;
    uint32_t lookupWords[4] = {};
    std::string serial;
    uint32_t ip = 0;
    uint8_t mac[6] = {};
    std::string address;
    Entry login;
    std::vector<Entry> tableA, tableB; // up to 10 each, in order; may hold gaps
    uint32_t http = 0, stream = 0, config = 0;
    std::string model, version;
};

struct Server {
    uint32_t id = 0, parent = 0;
    std::string name;
    uint16_t word = 0;
    bool server = false, group = false;
    std::string address;
    std::string regId, regPassword;
};

struct LastCam {
    uint32_t id = 0;
    std::string serial;
    uint8_t mac[6] = {};
};

// Header of any version.
std::vector<uint8_t> Header(uint32_t version, uint32_t nodeSize, uint32_t nodeCount, uint32_t yemSize,
    uint32_t yemCount, const std::vector<LastCam>& lastCams = {});

// Current layout as the save writes it: passwords masked, every table entry
// from the first one without a user name on zero, folders zero from 156.
std::vector<uint8_t> Version3Record(const Device& d);
// Current layout as the upgrade leaves it: fields moved, passwords masked
// up to a table's first gap and kept as they were after it; from versions
// 0 and 1 configuration port 8405 and no model or version text.
std::vector<uint8_t> UpgradedRecord(const Device& d, bool fromVersion2);
// The layout of versions 0 to 2: passwords in clear (version 0) or masked;
// configuration port, model and version only in version 2. `size` bytes.
std::vector<uint8_t> OldRecord(const Device& d, uint32_t version, size_t size = 1052);
std::vector<uint8_t> ServerRecord(const Server& s, bool port8405 = false, size_t size = 164);

std::vector<uint8_t> Join(const std::vector<std::vector<uint8_t>>& parts);

} // namespace fixture
