// Base64 decoding of arbitrary text.
#include "link/Base64.h"

#include <cstdlib>
#include <cstring>
#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    if (size > 4096)
        return 0;
    const int length = static_cast<int>(size);
    std::vector<char> text(data, data + size);
    // Exactly as much room as the text can need, so an overrun is caught.
    std::vector<uint8_t> decoded(size / 4 * 3);
    int n = Base64Decode(text.data(), length, decoded.data(), static_cast<int>(decoded.size()));
    if (n > 0) {
        // Whatever decodes survives an encode and a second decode unchanged.
        std::vector<char> again(size);
        int m = Base64Encode(decoded.data(), n, again.data(), static_cast<int>(again.size()));
        std::vector<uint8_t> twice(decoded.size());
        if (m != length || Base64Decode(again.data(), m, twice.data(), static_cast<int>(twice.size())) != n
            || std::memcmp(twice.data(), decoded.data(), static_cast<size_t>(n)) != 0)
            std::abort();
    }
    // Encoding never writes past the room it is given.
    std::vector<char> encoded((size + 2) / 3 * 4);
    if (size
        && Base64Encode(data, length, encoded.data(), static_cast<int>(encoded.size()))
            != static_cast<int>(encoded.size()))
        std::abort();
    return 0;
}
