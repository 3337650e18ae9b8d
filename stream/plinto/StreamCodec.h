// The camera dialect of the stream protocol, as plain functions: requests
// marshalled field by field, replies read within the bytes received. Every
// message starts with the 8-byte big-endian header {id, status, length};
// a reply's id is the request's plus 0x100.
#pragma once

#include "stream/plinto/PlintoTypes.h"

#include <cstddef>
#include <cstdint>

namespace plinto
{

// Request ids.
constexpr WORD MSG_VERSION = 0x2001;
constexpr WORD MSG_START_SERVICE = 0x2002;
constexpr WORD MSG_CHANGE_SERVICE = 0x2004;
constexpr WORD MSG_STOP_SERVICE = 0x2005;
constexpr WORD MSG_CHANNEL_INFO = 0x2006;
constexpr WORD MSG_CHANGE_PASSWORD = 0x2007;
constexpr WORD MSG_OUTPUT_CONTROL = 0x2008;
constexpr WORD MSG_INSTALL_INFO = 0x2009;
constexpr WORD MSG_PTZ_LOGIN = 0x2010;
constexpr WORD MSG_PTZ_LOGOUT = 0x2011;
constexpr WORD MSG_PTZ_INFO = 0x2017;
constexpr WORD MSG_PTZ_PRESET = 0x2018;
constexpr WORD MSG_PTZ_AUX = 0x2019;
constexpr WORD MSG_FRAME = 0x2202; // the frame reply; acknowledged with MSG_FRAME_ACK
constexpr WORD MSG_FRAME_ACK = 0x2302;
constexpr WORD REPLY_OFFSET = 0x100;

constexpr uint32_t HEADER_SIZE = 8;
// The largest message the client reassembles, header included.
constexpr uint32_t RECEIVE_ROOM = 0x20000;
// The largest request: the start request (8 + 46 bytes).
constexpr uint32_t REQUEST_ROOM = 64;

struct MsgHeader {
    WORD id = 0;
    WORD status = 0;
    uint32_t length = 0;
};

void PutHeader(uint8_t* out, WORD id, WORD status, uint32_t length);
MsgHeader GetHeader(const uint8_t* in);

// The 16-byte MD4 digest of a text copied into a zeroed 16-byte field (at
// most 16 characters of it).
void DigestField(const char* text, uint8_t digest[16]);

// The request of a queued message into out[REQUEST_ROOM]; its size, 0 for
// an id that has no request (nothing is then sent).
uint32_t MarshalRequest(const tagOnLineMsgType& msg, uint8_t* out);
// The change-password request 0x2007.
uint32_t MarshalPasswordRequest(const tagReqPasswordParm& parm, uint8_t* out);

// Fills a ring slot from the body of a frame reply. False, with the slot's
// earlier picture fields possibly changed but nothing written outside it,
// when the body is shorter than the frame information, or the payload would
// run past the body or the slot's room.
bool ParseFrame(const uint8_t* body, uint32_t length, tagONLINEFRAME* slot);

// Fills the version record from a 0x2101 body (missing bytes read as zero).
void ParseVersion(const uint8_t* body, uint32_t length, tagONLINEVERSION2* version);

// The PTZ lists of a 0x2117 body (32-bit count, entries {32-bit value, 24-byte
// name}; 32-bit count, entries {32-bit, 32-bit, 24-byte name}), allocated;
// null when the counts do not fit the body. Free with FreePtzInfo.
tagPTZINFO* ParsePtzInfo(const uint8_t* body, uint32_t length);
void FreePtzInfo(tagPTZINFO* info);

// Width and height by resolution kind and standard; false for a kind above 4.
bool FrameSize(BYTE kind, bool ntsc, WORD* width, WORD* height);

} // namespace plinto
