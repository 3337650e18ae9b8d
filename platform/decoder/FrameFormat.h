// The compressed picture format of our decoder stand-in, shared by the
// decoder and its encoder.
//
// A frame payload is a 24-byte header followed by the picture data. Every
// integer is little-endian. Bytes 8 to 19 sit where the stream clients and
// viewers read and patch them in a device frame: the picture size (8-11),
// the flag word (12-15: kind in bits 16-18, PAL in bit 19, PTZ in bits 22
// and 23, 180-degree rotation when bits 24-25 equal 2) and the second flag
// word (16-19, whose low byte the preview clears before it decodes). The
// decoder reads the picture size from here and never the flag words.
//
//   0  4 bytes  magic "S601"
//   4  byte     format version (1)
//   5  byte     coding: 0 solid, 1 run-length, 2 raw
//   6  16-bit   header length (at least 24; later versions may add fields)
//   8  16-bit   picture width (1..1024)
//  10  16-bit   picture height (1..1024)
//  12  32-bit   flag word
//  16  32-bit   second flag word
//  20  32-bit   data length (bytes behind the header)
//
// Data, pixels as blue, green, red, rows top to bottom:
//   solid       3 bytes: one colour for the whole picture
//   run-length  runs of {16-bit count 1..65535, blue, green, red} that cover
//               exactly width x height pixels, running over row ends
//   raw         width x height x 3 bytes
#pragma once

#include <cstddef>
#include <cstdint>

namespace frame601
{

constexpr uint8_t kMagic[4] = { 'S', '6', '0', '1' };
constexpr uint8_t kVersion = 1;
constexpr uint32_t kHeaderSize = 24;
constexpr int kMaxSide = 1024;

enum Coding : uint8_t { Solid = 0, RunLength = 1, Raw = 2 };

constexpr size_t kOffsetMagic = 0;
constexpr size_t kOffsetVersion = 4;
constexpr size_t kOffsetCoding = 5;
constexpr size_t kOffsetHeaderSize = 6;
constexpr size_t kOffsetWidth = 8;
constexpr size_t kOffsetHeight = 10;
constexpr size_t kOffsetFlags = 12;
constexpr size_t kOffsetFlags2 = 16;
constexpr size_t kOffsetDataLength = 20;

// Bits of the flag word.
constexpr uint32_t kKindShift = 16;
constexpr uint32_t kKindMask = 7u << kKindShift;
constexpr uint32_t kPal = 1u << 19;
constexpr uint32_t kPtzPan = 1u << 22;
constexpr uint32_t kPtzTilt = 1u << 23;
constexpr uint32_t kRotationMask = 3u << 24;
constexpr uint32_t kRotated = 2u << 24;

// The flag word of a frame of resolution kind 0..4.
constexpr uint32_t Flags(unsigned kind, bool pal, bool rotated = false, bool ptz = false)
{
    return ((kind << kKindShift) & kKindMask) | (pal ? kPal : 0) | (rotated ? kRotated : 0)
        | (ptz ? kPtzPan | kPtzTilt : 0);
}

inline uint16_t GetLe16(const uint8_t* p)
{
    return uint16_t(p[0] | p[1] << 8);
}
inline uint32_t GetLe32(const uint8_t* p)
{
    return uint32_t(p[0]) | uint32_t(p[1]) << 8 | uint32_t(p[2]) << 16 | uint32_t(p[3]) << 24;
}
inline void PutLe16(uint8_t* p, uint16_t v)
{
    p[0] = uint8_t(v);
    p[1] = uint8_t(v >> 8);
}
inline void PutLe32(uint8_t* p, uint32_t v)
{
    for (int i = 0; i < 4; ++i)
        p[i] = uint8_t(v >> (8 * i));
}

// The header of a payload as the decoder understands it.
struct Header {
    Coding coding = Solid;
    uint32_t headerSize = 0;
    int width = 0;
    int height = 0;
    uint32_t flags = 0;
    uint32_t flags2 = 0;
    uint32_t dataLength = 0;
};

// Reads and checks the header of `size` payload bytes: magic, version,
// coding, header and data lengths within the payload, picture size within
// 1..kMaxSide, and the data length the coding needs (raw and solid exactly;
// run-length at least one run per whole data). False for anything else.
bool ReadHeader(const uint8_t* payload, size_t size, Header* header);

} // namespace frame601
