// Records of the device tree file and their byte layout.
//
// A tree file is one TREE_FILE_HEADER, then dwNodeCount FILE_NODE records,
// then dwYemNodeCount FILE_YEM_NODE records, all little-endian. In memory the
// records hold their passwords in clear; the codecs mask them with the
// record's own MAC on the way to the file and unmask them on the way back.
#pragma once

#include <cstddef>
#include <cstdint>

constexpr uint32_t TREE_FILE_VERSION = 0x01000003;
constexpr uint32_t TREE_FILE_HEADER_SIZE = 132;
constexpr uint32_t FILE_NODE_SIZE = 1052;
constexpr uint32_t FILE_YEM_NODE_SIZE = 164;
constexpr int LAST_CAM_SLOTS = 3;
constexpr int PASSWORD_TABLE_ENTRIES = 10;

// One remembered last device of the header.
struct LastCamInfo {
    uint32_t dwId; // record id of the device
    char szSerial[24];
    uint8_t byMac[6];
};

struct TREE_FILE_HEADER {
    uint32_t dwVersion;
    uint32_t dwHeaderSize;
    LastCamInfo lastCam[LAST_CAM_SLOTS];
    uint32_t dwNodeSize;
    uint32_t dwNodeCount;
    uint32_t dwYemNodeSize;
    uint32_t dwYemNodeCount;
};

// The key by which a record is matched to a device.
struct FileItemType {
    char szSerial[24];
    uint32_t dwIpAddress; // a.b.c.d = a·2^24 + b·2^16 + c·2^8 + d
    uint8_t byMac[6];
};

// A saved login: user name and password (in clear in memory).
struct PASSWORD_ENTRY {
    uint8_t byUser[16]; // text; empty (first byte 0) = no entry
    uint8_t byPassword[16];
};

// One folder or device of the "My DVR" branch.
struct FILE_NODE {
    uint32_t dwId; // 1-based, in save order
    uint32_t dwParentId; // 0 = directly under the branch root
    char szName[48];
    uint16_t wTreeWord;
    uint8_t bFolder;
    uint8_t bLookup; // address looked up by name on a registration server
    char szLookupHost[64];
    uint32_t dwLookup[4];
    // Device fields; a folder is written with all of them zero.
    FileItemType item;
    char szAddress[128]; // host name or dotted address
    PASSWORD_ENTRY login;
    PASSWORD_ENTRY tableA[PASSWORD_TABLE_ENTRIES];
    PASSWORD_ENTRY tableB[PASSWORD_TABLE_ENTRIES];
    uint32_t dwHttpPort;
    uint32_t dwStreamPort;
    uint32_t dwConfigPort;
    char szModel[16];
    char szVersion[32]; // firmware version text
};

// One registration server or group id of the registration-server branch.
struct FILE_YEM_NODE {
    uint32_t dwId;
    uint32_t dwParentId;
    char szName[48];
    uint16_t wWord;
    uint8_t bTransient; // never saved
    uint8_t bServer;
    uint8_t bGroupId;
    char szServerAddress[64];
    uint8_t byRegId[16]; // registration id (server) or group id (group node)
    uint8_t byRegPassword[16];
};

// Byte offsets of the fields that the upgrade and the in-place updates touch.
namespace TreeFileOffset
{
constexpr uint32_t Version = 0;
constexpr uint32_t LastCam = 8;
constexpr uint32_t LastCamSize = 36;
constexpr uint32_t NodeSize = 116;
constexpr uint32_t NodeCount = 120;
constexpr uint32_t YemNodeSize = 124;
constexpr uint32_t YemNodeCount = 128;

constexpr uint32_t Folder = 58;
constexpr uint32_t Lookup = 124;
constexpr uint32_t Item = 156;
constexpr uint32_t IpAddress = 180;
constexpr uint32_t Mac = 184;
constexpr uint32_t Address = 190;
constexpr uint32_t Login = 318;
constexpr uint32_t TableA = 350;
constexpr uint32_t TableB = 670;
constexpr uint32_t HttpPort = 992;
constexpr uint32_t StreamPort = 996;
constexpr uint32_t ConfigPort = 1000;
constexpr uint32_t Model = 1004;
constexpr uint32_t FirmwareVersion = 1020;
}

// The header of a new, empty tree file.
TREE_FILE_HEADER NewTreeFileHeader();

// Codecs. Encoders write exactly the record's size at `out`; decoders read
// from `size` bytes at most (missing bytes read as zero).
void EncodeTreeFileHeader(const TREE_FILE_HEADER& header, uint8_t* out);
// One last-device entry, 36 bytes at `out`.
void EncodeLastCamInfo(const LastCamInfo& entry, uint8_t* out);
void DecodeTreeFileHeader(const uint8_t* data, size_t size, TREE_FILE_HEADER* header);
// Masks the passwords with the record's MAC; writes a folder's device fields
// as zero.
void EncodeFileNode(const FILE_NODE& node, uint8_t* out);
// Keeps what the load keeps: the reserved bytes are dropped, a folder's
// device fields are not read, the passwords come back in clear. The node
// may lie over the record's own bytes, at or before them.
void DecodeFileNode(const uint8_t* data, size_t size, FILE_NODE* node);
void EncodeFileYemNode(const FILE_YEM_NODE& node, uint8_t* out);
void DecodeFileYemNode(const uint8_t* data, size_t size, FILE_YEM_NODE* node);
// The key fields of a record (offsets 156 to 189) and its address text, as
// they lie in the file; `size` bytes of the record are there.
FileItemType DecodeFileItemType(const uint8_t* record, size_t size, char (*address)[128] = nullptr);

// XORs a password (n = 16) with the mask made from a MAC: mask byte i is
// MAC byte i mod 6. The same call masks and unmasks.
void MaskWithMac(uint8_t* bytes, size_t n, const uint8_t mac[6]);
