// MD4 message digest (RFC 1320). Devices never see a user name or password
// in clear: every request carries the digests of the 16-byte fields.
#pragma once

#include <cstddef>
#include <cstdint>

// Digests `length` bytes of `data` into digest[16]. Any length is accepted;
// the call keeps no shared state, so digests may run on several threads.
bool MD4Digest(const uint8_t* data, size_t length, uint8_t digest[16]);
