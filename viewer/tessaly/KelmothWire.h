// The viewer-client protocol on the wire: every message starts with the
// 8-byte big-endian header (type, status, length of what follows); the
// login request carries the token and the stream name; media frames carry
// one MPEG-4 picture.
#pragma once

#include <cstddef>
#include <cstdint>

namespace tessaly
{

constexpr uint16_t KELMOTH_LOGIN = 0x1000;
constexpr uint16_t KELMOTH_MEDIA = 0x2001;

constexpr uint32_t KELMOTH_HEADER_SIZE = 8;
constexpr uint32_t KELMOTH_TOKEN_FIELD = 32;
constexpr uint32_t KELMOTH_NAME_FIELD = 128;
constexpr uint32_t KELMOTH_LOGIN_LENGTH = KELMOTH_TOKEN_FIELD + KELMOTH_NAME_FIELD + 4;
constexpr uint32_t KELMOTH_LOGIN_SIZE = KELMOTH_HEADER_SIZE + KELMOTH_LOGIN_LENGTH;
constexpr uint32_t KELMOTH_CHALLENGE_FIELD = 32;

// Longest reply body a login waits for, and longest media body.
constexpr uint32_t KELMOTH_REPLY_LIMIT = 1024;
constexpr uint32_t KELMOTH_MEDIA_LIMIT = 0x100000;

// Reply statuses; any other status is the server's refusal.
constexpr uint16_t KELMOTH_ACCEPTED = 512;
constexpr uint16_t KELMOTH_FAILURE = 1024;

// Frame types: a key frame carries the stream headers; the others follow.
constexpr uint32_t KELMOTH_FRAME_KEY = 0;
constexpr uint32_t KELMOTH_FRAME_PREDICTED = 1;
constexpr uint32_t KELMOTH_FRAME_BIDIRECTIONAL = 2;

struct KelmothHeader {
    uint16_t type;
    uint16_t status;
    uint32_t length;
};
KelmothHeader ReadKelmothHeader(const uint8_t* bytes);
void WriteKelmothHeader(uint8_t* bytes, const KelmothHeader& header);

// The login request: header {0x1000, 0, 164}, the token text and the stream
// name zero-padded into their fields (cut to the field, never past it), 1.
void BuildLoginRequest(uint8_t (&request)[KELMOTH_LOGIN_SIZE], const char* token, const char* name);

// The fields of a media frame's body. `video` points into the body.
struct MediaFrameFields {
    int32_t seconds = 0;
    int32_t fraction = 0; // units of 1e-7 s
    uint32_t frameType = 0;
    const uint8_t* video = nullptr;
    uint32_t videoSize = 0;
};

// Reads a media frame body of `length` bytes. The video area's offset, the
// count of skipped words and the video size are checked against the body
// before anything is taken from it; false (fields unspecified) when they
// do not fit.
bool ParseMediaFrame(const uint8_t* body, size_t length, MediaFrameFields* fields);

} // namespace tessaly
