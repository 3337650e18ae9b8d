#include "viewer/tessaly/KelmothWire.h"

#include "link/ByteOrder.h"

#include <cstring>

namespace tessaly
{

KelmothHeader ReadKelmothHeader(const uint8_t* bytes)
{
    WireReader reader(bytes, KELMOTH_HEADER_SIZE);
    KelmothHeader header;
    header.type = reader.U16();
    header.status = reader.U16();
    header.length = reader.U32();
    return header;
}

void WriteKelmothHeader(uint8_t* bytes, const KelmothHeader& header)
{
    uint32_t offset = 0;
    NetPutU16(bytes, &offset, header.type);
    NetPutU16(bytes, &offset, header.status);
    NetPutU32(bytes, &offset, header.length);
}

namespace
{

void PutTextField(uint8_t* field, size_t width, const char* text)
{
    std::memset(field, 0, width);
    if (text)
        std::memcpy(field, text, strnlen(text, width));
}

} // namespace

void BuildLoginRequest(uint8_t (&request)[KELMOTH_LOGIN_SIZE], const char* token, const char* name)
{
    WriteKelmothHeader(request, { KELMOTH_LOGIN, 0, KELMOTH_LOGIN_LENGTH });
    uint32_t offset = KELMOTH_HEADER_SIZE;
    PutTextField(request + offset, KELMOTH_TOKEN_FIELD, token);
    offset += KELMOTH_TOKEN_FIELD;
    PutTextField(request + offset, KELMOTH_NAME_FIELD, name);
    offset += KELMOTH_NAME_FIELD;
    NetPutU32(request, &offset, 1);
}

bool ParseMediaFrame(const uint8_t* body, size_t length, MediaFrameFields* fields)
{
    WireReader reader(body, length);
    fields->seconds = reader.I32();
    fields->fraction = reader.I32();
    fields->frameType = reader.U32();
    const uint64_t areaOffset = reader.U32();
    if (reader.Short())
        return false;
    // The video area starts 16 bytes into the body, X bytes on.
    const uint64_t area = 16 + areaOffset;
    if (area + 8 > length)
        return false;
    WireReader areaReader(body, length, WireReader::Network, static_cast<size_t>(area));
    const uint64_t videoSize = areaReader.U32();
    const uint64_t words = areaReader.U32();
    // (words + 1) skipped words, then the video bytes.
    const uint64_t video = area + 8 + 4 * (words + 1);
    if (video > length || videoSize > length - video)
        return false;
    fields->video = body + video;
    fields->videoSize = static_cast<uint32_t>(videoSize);
    return true;
}

} // namespace tessaly
