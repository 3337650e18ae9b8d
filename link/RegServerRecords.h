// Records of the registration server: the 40-byte message header, the
// device record as it travels and as it is kept, and the node a window gets.
// Integers are in host order (least significant byte first); every message
// is XORed with a one-byte key that travels in header byte 13.
#pragma once

#include "link/ByteOrder.h"

#include <cstddef>
#include <cstdint>
#include <cstring>

struct REGSERVER_MSG_HEADER {
    int32_t marker1; // -1
    uint32_t protocol; // protocol word << 16
    int32_t marker2; // -1
    uint8_t kind; // 16 registration, 32 query
    uint8_t key; // scramble key (byte 13)
    uint16_t reserved;
    uint32_t flags; // query fields given (REGSERVER_FLAG_*)
    uint32_t bodyLength;
    uint32_t total; // replies: matching records
    uint32_t start; // requests: first record
    uint32_t count; // requests: records wanted; FTP replies: records that follow
    uint32_t reserved2;
};

constexpr size_t REGSERVER_HEADER_SIZE = 40;
constexpr size_t REGSERVER_RECORD_WIRE_SIZE = 580;
constexpr size_t REGSERVER_QUERY_BODY_SIZE = 596;
constexpr uint8_t REGSERVER_KIND_REGISTRATION = 16;
constexpr uint8_t REGSERVER_KIND_QUERY = 32;

constexpr uint32_t REGSERVER_FLAG_NAME = 0x01;
constexpr uint32_t REGSERVER_FLAG_KEY32 = 0x10;
constexpr uint32_t REGSERVER_FLAG_MAC = 0x20;
constexpr uint32_t REGSERVER_FLAG_KEY16 = 0x80;
constexpr uint32_t REGSERVER_FLAG_TEXT16 = 0x100;

struct RegServerRecord {
    char szName[68];
    char szModel[16];
    char szText128[128];
    char szText256[256];
    char szKey32[32];
    char szMac[24];
    char szAddress[24];
    char szKey16[16]; // query key only; replies leave it empty
    uint16_t wNumber1;
    uint16_t wNumber2;
    uint16_t wNumber3;
    uint32_t dwNumber4;
    char szText16[16];
    char reserved[16];
    char szServerAddress[24]; // set by Setup in records it prepares
    uint32_t dwProtocol;
};
static_assert(sizeof(RegServerRecord) == 636);

struct ZPT_NODE {
    char szServer[64];
    char szName[68];
    char szModel[16];
    char szText256[256];
    char szKey32[32];
    char szMac[24];
    char szAddress[24];
    uint8_t byAddress[4]; // filled by the receiver
    uint8_t zero1[4];
    uint8_t byMac[6]; // filled by the receiver
    uint8_t zero2[2];
};
static_assert(sizeof(ZPT_NODE) == 500);

// A fresh key for one query: time() mod 127 + 1, never 0.
uint8_t MakeScrambleKey();
// XORs n bytes with the key.
void ScrambleBytes(uint8_t* data, size_t n, uint8_t key);

// Writes the 40 header bytes scrambled with `key`; byte 13 carries the key.
void EncodeDirHeader(uint8_t* buf, const REGSERVER_MSG_HEADER& header, uint8_t key);
// Reads a scrambled header; gives the key found in byte 13.
uint8_t DecodeDirHeader(const uint8_t* buf, REGSERVER_MSG_HEADER* header);
// Reads a scrambled 580-byte record into a cleared record; every text ends
// within its field.
void DecodeDirRecord(const uint8_t* buf, uint8_t key, RegServerRecord* record);
// Writes the 596-byte query body of a record (unscrambled) and gives the
// flag bits of the query fields that are not empty.
uint32_t EncodeDirQueryBody(uint8_t* buf, const RegServerRecord& query);

// Copies a record's texts into a node (Setup's ZPT_NODE or one of the same
// text fields): name, model, the 256-byte text, the key text, MAC and
// address text, each within its field.
template <class Node> void CopyRecordToNode(Node* node, const RegServerRecord& record)
{
    static_assert(sizeof(node->szName) == sizeof(record.szName) && sizeof(node->szMac) == sizeof(record.szMac)
        && sizeof(node->szAddress) == sizeof(record.szAddress)
        && sizeof(node->szKey32) == sizeof(record.szKey32)
        && sizeof(node->szText256) == sizeof(record.szText256)
        && sizeof(node->szModel) == sizeof(record.szModel));
    std::memcpy(node->szName, record.szName, sizeof(node->szName));
    std::memcpy(node->szModel, record.szModel, sizeof(node->szModel));
    std::memcpy(node->szText256, record.szText256, sizeof(node->szText256));
    std::memcpy(node->szKey32, record.szKey32, sizeof(node->szKey32));
    std::memcpy(node->szMac, record.szMac, sizeof(node->szMac));
    std::memcpy(node->szAddress, record.szAddress, sizeof(node->szAddress));
}

// Upper-cases a text field in place, up to its terminator or its width.
void UpperCaseText(char* text, size_t width);

// A node of a downloaded record: the query's server text, the record's
// texts and its MAC text upper-cased.
template <class Node>
void FillDownloadedNode(Node* node, const RegServerRecord& query, const RegServerRecord& record)
{
    CopyFixedText(
        node->szServer, sizeof(node->szServer), query.szServerAddress, sizeof(query.szServerAddress));
    CopyRecordToNode(node, record);
    UpperCaseText(node->szMac, sizeof(node->szMac));
}

// Fills the node's address and MAC bytes from its texts (the MAC text is
// lower-cased in place).
void ParseDirectoryReply(ZPT_NODE* node);
