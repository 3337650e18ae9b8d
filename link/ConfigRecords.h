// In-memory request and reply records of the configuration protocol.
//
// A request record holds the header, the two 16-byte credential texts and
// the command's parameters from byte 40 on; a reply record holds the header
// and the reply's fields from byte 8 on (a few replies, "after the gap",
// from byte 40 like a request). Parameters and fields sit in table order at
// their natural alignment, as a C structure of the same fields would, so a
// page may describe a command's block with a plain struct. Integers are in
// host order; the codec turns them into wire bytes field by field.
#pragma once

#include <cstddef>
#include <cstdint>

// Both records share one size so that a set request can take its reply.
constexpr size_t CONFIG_RECORD_SIZE = 8304;
constexpr size_t CONFIG_REQUEST_PARAMS = 40; // offset of a request's parameters
constexpr size_t CONFIG_REPLY_FIELDS = 8; // offset of a reply's fields

struct ConfigRequest {
    uint16_t command;
    uint16_t secondWord; // 0; the encoder stores 22 here for a family-4 device
    uint32_t length; // 32 plus the parameter bytes as encoded; 0 = header only
    char user[16];
    char password[16];
    alignas(8) uint8_t params[CONFIG_RECORD_SIZE - CONFIG_REQUEST_PARAMS];
};

struct ConfigReply {
    uint16_t command; // request id + 0x1000
    uint16_t status; // 0 = success
    uint32_t length; // body length as announced
    alignas(8) uint8_t body[CONFIG_RECORD_SIZE - CONFIG_REPLY_FIELDS];
};

static_assert(sizeof(ConfigRequest) == CONFIG_RECORD_SIZE);
static_assert(sizeof(ConfigReply) == CONFIG_RECORD_SIZE);
static_assert(offsetof(ConfigRequest, params) == CONFIG_REQUEST_PARAMS);
static_assert(offsetof(ConfigReply, body) == CONFIG_REPLY_FIELDS);

// Credential block that follows the header of every request but discovery.
constexpr uint32_t CONFIG_CRED_SIZE = 32;
// The fixed user of every request the program builds.
constexpr char CONFIG_ADMIN_USER[] = "admin";

// Allocated reply lists (C allocator; the caller frees them).
// 0x110F: count, then the two tables.
struct CFG_DST_RULES {
    uint32_t count;
    uint8_t* names; // count x 64 bytes
    uint8_t* rules; // count x 15 bytes
};
// 0x1705: four named lists and a list of 3-byte records.
struct CFG_NAME_LISTS {
    struct List {
        uint8_t count;
        uint8_t* items; // count x 16 bytes
    } list[4];
    uint8_t* extra; // list[3].count x 3 bytes
};
// 0x0B06 request parameters and 0x1B06 reply.
struct CFG_PARAM_REQUEST {
    uint16_t group;
    uint16_t item;
    uint16_t size;
    const uint8_t* data; // size bytes, the caller's
};
struct CFG_PARAM_REPLY {
    uint16_t size;
    uint8_t* data; // allocated when size > 0
};
// 0x1E05: the status text.
struct CFG_STATUS_TEXT {
    uint32_t value;
    uint32_t size;
    char* text; // allocated, size bytes and a terminator
};
// 0x1E07: the stored entries.
struct CFG_STREAM_ENTRY {
    uint32_t id;
    uint16_t a;
    uint16_t b;
    uint8_t c;
    uint8_t d;
    uint16_t e;
    uint32_t f;
};
static_assert(sizeof(CFG_STREAM_ENTRY) == 16);
struct CFG_STREAM_LIST {
    uint32_t count;
    CFG_STREAM_ENTRY* entries;
};

// Frees the lists a decoded reply owns (0x110F, 0x1705, 0x1B06, 0x1E05,
// 0x1E07) and clears their pointers; other replies are left alone.
void FreeConfigReplyLists(ConfigReply* reply);
