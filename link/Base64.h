// Base64 (RFC 4648 standard alphabet, '=' padding).
#pragma once

#include <cstddef>
#include <cstdint>

// Writes 4 * ceil(length / 3) characters, no terminator. Gives the count, or
// 0 (nothing written) when length is below 1 or the room is too small.
int Base64Encode(const uint8_t* input, int length, char* output, int room);

// Decodes `length` characters. Gives the number of bytes written, or -1
// (nothing promised in output) when the text is not padded Base64 or the
// result does not fit in `room` bytes.
int Base64Decode(const char* input, int length, uint8_t* output, int room);
