// Our stand-in for the outside frame decoder: the same three calls, the
// same parameter block. It decodes the payloads of frame601 format
// (FrameFormat.h), as our simulator sends them, and refuses anything else,
// so frames of real devices show no picture.
//
// The caller fills tagDecodeParm with 1, 0, 0, its decode information block
// (ten ints; the sixth holds the payload length), the payload, its bitmap
// header (24 bits; the width and height of the picture it wants) and its
// pixel buffer. On success the picture, scaled to the header's size, lies
// in the buffer as rows of ((width * 3 + 3) & ~3) bytes, bottom-up for a
// positive height and top-down for a negative one, and biSizeImage holds
// the bytes written; nothing is written past |height| rows. On failure the
// buffer and the header are left as they were.
#pragma once

#include "platform/base/Types.h"
#include "platform/ui/GdiTypes.h"

struct tagDecodeParm {
    int32_t nVersion; // 1
    int32_t nReserved1; // 0
    int32_t nReserved2; // 0
    int32_t* pDecodeInfo; // ten ints; [5] = payload length in bytes
    const BYTE* pPayload;
    BITMAPINFOHEADER* pBitmapHeader; // 24 bits; the picture the caller wants
    BYTE* pOutput; // |biHeight| rows of the padded row length
};

using HDECOMPRESS601 = void*;

// Results of decompress601_ex besides 0 (decoded).
constexpr int DECOMPRESS601_BAD_ARGUMENT = 1; // no handle, block, payload or buffer
constexpr int DECOMPRESS601_BAD_PICTURE = 2; // the header asks for no 24-bit picture of a sane size
constexpr int DECOMPRESS601_BAD_HEADER = 3; // the payload's header is not ours or does not fit
constexpr int DECOMPRESS601_BAD_DATA = 4; // the picture data does not match its header

extern "C" {
// A decoder; null when none can be made. Close it with decompress601_close.
HDECOMPRESS601 decompress601_open();
// Decodes one payload; 0 on success, one of the codes above otherwise.
int decompress601_ex(HDECOMPRESS601 handle, tagDecodeParm* parm);
void decompress601_close(HDECOMPRESS601 handle);
}
