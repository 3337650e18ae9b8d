// Records of the explorer's tree files and their byte layout.
//
// A tree file is one TREE_FILE_HEADER, then the device and folder records
// (FILE_NODE) of the "My DVR" branch in tree order, then the registration
// server and group-id records (FILE_YEM_NODE). Every integer is
// little-endian, whatever the host. In memory the records hold their
// passwords plain; the codecs scramble them with the record's own MAC on
// the way to the file and unscramble them on the way back.
#pragma once

#include <cstddef>
#include <cstdint>

namespace morrik
{

constexpr uint32_t TREE_FILE_VERSION = 0x01000003;
constexpr uint32_t TREE_FILE_VERSION_0 = 0x01000000;
constexpr uint32_t TREE_FILE_VERSION_1 = 0x01000001;
constexpr uint32_t TREE_FILE_VERSION_2 = 0x01000002;
constexpr uint32_t TREE_FILE_HEADER_SIZE = 132;
constexpr uint32_t FILE_NODE_SIZE = 1052;
constexpr uint32_t FILE_YEM_NODE_SIZE = 164;
// The bytes of a registration-server record that the tree keeps.
constexpr uint32_t FILE_YEM_NODE_KEPT = 157;
constexpr int LAST_CAM_COUNT = 3;
constexpr int ACCOUNT_COUNT = 10;
constexpr uint32_t TREE_NAME_SIZE = 48;

// One remembered last camera of the header.
struct LastCamInfo {
    int32_t nRecord; // record number (field 0) of its device record; 0 none, -1 not found
    char szSerial[24];
    uint8_t byMac[6];
};

struct TREE_FILE_HEADER {
    uint32_t dwVersion;
    uint32_t dwHeaderSize;
    LastCamInfo lastCam[LAST_CAM_COUNT];
    uint32_t dwNodeSize;
    uint32_t dwNodeCount;
    uint32_t dwYemNodeSize;
    uint32_t dwYemNodeCount;
};

// The key by which a record is matched to a device.
struct FileItemType {
    char szSerial[24]; // fills the field: no terminator when 24 characters long
    uint32_t dwIp; // first octet in the most significant byte
    uint8_t byMac[6];
};

// A user name and its password (plain in memory). An empty user name marks
// an unused entry; in an account list it ends the list.
struct ACCOUNT_ENTRY {
    char szUser[16];
    uint8_t byPassword[16];
};

// One device or folder of the "My DVR" branch.
struct FILE_NODE {
    uint32_t dwNo; // pre-order number in the branch, from 1
    uint32_t dwParentNo; // 0 = directly under the branch root
    char szName[TREE_NAME_SIZE];
    uint16_t wKept;
    uint8_t bFolder;
    uint8_t bLookup; // address looked up on a registration server
    char szLookupServer[64];
    uint8_t byGroupId[16]; // lookup group id text
    uint8_t byGroupRest[16]; // rest of the group settings
    FileItemType item;
    char szAddress[128];
    ACCOUNT_ENTRY login;
    ACCOUNT_ENTRY service1[ACCOUNT_COUNT];
    ACCOUNT_ENTRY service2[ACCOUNT_COUNT];
    uint32_t dwService2Port;
    uint32_t dwService1Port;
    uint32_t dwConfigPort;
    char szModel[16]; // as discovery reported it
    char szVersion2[32]; // second version text as discovery reported it
};

// One registration server or group id.
struct FILE_YEM_NODE {
    uint32_t dwNo;
    uint32_t dwParentNo;
    char szName[TREE_NAME_SIZE];
    uint16_t wKept;
    uint8_t bLookup;
    uint8_t bServerFolder; // the row is a registration server
    uint8_t bGroupFolder; // the row is a group id
    char szServer[64]; // host name or dotted address
    uint8_t byGroup[32]; // group id text, then 16 more bytes
};

// Byte offsets that the upgrade and the in-place operations use.
namespace TreeOffset
{
constexpr uint32_t Version = 0;
constexpr uint32_t LastCam = 8;
constexpr uint32_t LastCamSize = 36;
constexpr uint32_t NodeSize = 116;
constexpr uint32_t NodeCount = 120;
constexpr uint32_t YemNodeSize = 124;
constexpr uint32_t YemNodeCount = 128;

constexpr uint32_t No = 0;
constexpr uint32_t Name = 8;
constexpr uint32_t Folder = 58;
constexpr uint32_t Lookup = 59;
constexpr uint32_t LookupServer = 60;
constexpr uint32_t GroupId = 124;
constexpr uint32_t GroupRest = 140;
constexpr uint32_t Serial = 156;
constexpr uint32_t Ip = 180;
constexpr uint32_t Mac = 184;
constexpr uint32_t Address = 190;
constexpr uint32_t AddressWritten = 24; // bytes of the address text a write stores
constexpr uint32_t Login = 318;
constexpr uint32_t Service1 = 350;
constexpr uint32_t Service2 = 670;
constexpr uint32_t Service2Port = 992;
constexpr uint32_t Service1Port = 996;
constexpr uint32_t ConfigPort = 1000;
constexpr uint32_t Model = 1004;
constexpr uint32_t Version2 = 1020;

// Versions 0x01000000 to 0x01000002.
constexpr uint32_t OldLogin = 214;
constexpr uint32_t OldService1 = 246;
constexpr uint32_t OldService2 = 566;
constexpr uint32_t OldPorts = 888;
constexpr uint32_t OldConfigPort = 896;
constexpr uint32_t OldModel = 900;
constexpr uint32_t OldVersion2 = 916;
constexpr uint32_t YemOldPort = 160;
}

// The header of a new file: version, sizes, nothing else.
TREE_FILE_HEADER NewTreeFileHeader();

void EncodeTreeFileHeader(const TREE_FILE_HEADER& header, uint8_t out[TREE_FILE_HEADER_SIZE]);
TREE_FILE_HEADER DecodeTreeFileHeader(const uint8_t in[TREE_FILE_HEADER_SIZE]);
void EncodeLastCamInfo(const LastCamInfo& entry, uint8_t out[36]);

// The record a write stores: for a folder fields 0 to 155 and the first 24
// bytes of the address text, for a device also the key, the scrambled
// accounts (an entry with an empty user name, and every list entry after
// it, is zero), the ports, the model and version texts. The name is cut to
// 47 bytes on a character boundary. Bytes without data are zero.
void EncodeFileNode(const FILE_NODE& node, uint8_t out[FILE_NODE_SIZE]);
// What the reader keeps of a record: fields 0 to 155 and the address text,
// for a device also the rest with the accounts unscrambled. Texts come back
// terminated within their fields.
void DecodeFileNode(const uint8_t in[FILE_NODE_SIZE], FILE_NODE* node);
// A folder record with an empty name is dropped by the reader.
bool IsDroppedRecord(const uint8_t in[FILE_NODE_SIZE]);
void EncodeFileYemNode(const FILE_YEM_NODE& node, uint8_t out[FILE_YEM_NODE_SIZE]);
void DecodeFileYemNode(const uint8_t in[FILE_YEM_NODE_SIZE], FILE_YEM_NODE* node);

// The key and address text of a record as they lie in the file.
FileItemType RecordItemType(const uint8_t* record);
// Reads a record's address text (offset 190), terminated.
void RecordAddress(const uint8_t* record, char out[128]);
inline bool IsFolderRecord(const uint8_t* record)
{
    return record[TreeOffset::Folder] != 0;
}

// XORs a 16-byte password with the mask made from a MAC: M0..M5 M0..M5
// M0..M3. The same call scrambles and unscrambles.
void ScrambleWithMac(uint8_t password[16], const uint8_t mac[6]);

// Copies a text into a fixed field of `size` bytes: at most size - 1 bytes,
// never ending inside a multibyte character, the rest of the field zero.
void CutText(char* field, size_t size, const char* text);
template <size_t N> void CutText(char (&field)[N], const char* text)
{
    CutText(field, N, text);
}

bool IsMacSet(const uint8_t mac[6]);
// Serial texts of at most 24 characters, compared over the field.
bool IsSerialSet(const char serial[24]);
bool SameSerial(const char a[24], const char b[24]);
// "%02x:%02x:%02x:%02x:%02x:%02x" into out[18].
void FormatMac(const uint8_t mac[6], char out[18]);

// A remembered device: serial and MAC, and an address that only the
// key form of CompareDVR reads.
struct CAM_SERIAL_MAC_INFO {
    char szSerial[24];
    uint8_t byMac[6];
    uint32_t dwIp; // first octet in the most significant byte
};

// What a row of the tree offers for matching.
struct RowIdentity {
    char szSerial[24];
    uint8_t byMac[6];
    char szAddress[128];
    uint32_t dwConfigPort;
};

// A record against a last camera: serials when both are set, else MACs
// when both are set; false when neither applies.
bool CompareCAM(const FileItemType& item, const LastCamInfo& last);
// A record against a row: serials, else MACs, else both address texts set
// and equal (with `withPort`, and the record's configuration port equal to
// the row's).
bool CompareDVR(const FileItemType& item, const char* recordAddress, uint32_t recordConfigPort,
    const RowIdentity& row, bool withPort);
// A record against a key: serials, else MACs, else both addresses set and
// equal.
bool CompareDVR(const FileItemType& item, const CAM_SERIAL_MAC_INFO& key);

} // namespace morrik
