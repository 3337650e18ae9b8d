// A received datagram as a socket hands it over: at most its receive
// buffer's 1024 bytes, on the heap in a block of exactly its size, so that
// the sanitizers see any read past what arrived.
#pragma once

#include <cstddef>
#include <cstdint>
#include <cstring>
#include <memory>

constexpr size_t kDatagramBuffer = 1024;

inline std::unique_ptr<uint8_t[]> ReceivedDatagram(const uint8_t* data, size_t* size)
{
    if (*size > kDatagramBuffer)
        *size = kDatagramBuffer;
    std::unique_ptr<uint8_t[]> datagram(new uint8_t[*size ? *size : 1]);
    if (*size)
        std::memcpy(datagram.get(), data, *size);
    return datagram;
}
