#include "link/Base64.h"

namespace
{

const char kAlphabet[] = "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789+/";

int DecodeChar(char c)
{
    if (c >= 'A' && c <= 'Z')
        return c - 'A';
    if (c >= 'a' && c <= 'z')
        return c - 'a' + 26;
    if (c >= '0' && c <= '9')
        return c - '0' + 52;
    if (c == '+')
        return 62;
    if (c == '/')
        return 63;
    return -1;
}

} // namespace

int Base64Encode(const uint8_t* input, int length, char* output, int room)
{
    if (length < 1)
        return 0;
    long need = 4L * ((length + 2L) / 3);
    if (room < need)
        return 0;
    int out = 0;
    for (int i = 0; i < length; i += 3) {
        int n = length - i < 3 ? length - i : 3;
        uint32_t group = static_cast<uint32_t>(input[i]) << 16;
        if (n > 1)
            group |= static_cast<uint32_t>(input[i + 1]) << 8;
        if (n > 2)
            group |= input[i + 2];
        output[out++] = kAlphabet[(group >> 18) & 63];
        output[out++] = kAlphabet[(group >> 12) & 63];
        output[out++] = n > 1 ? kAlphabet[(group >> 6) & 63] : '=';
        output[out++] = n > 2 ? kAlphabet[group & 63] : '=';
    }
    return out;
}

int Base64Decode(const char* input, int length, uint8_t* output, int room)
{
    if (length < 0 || length % 4 != 0)
        return -1;
    int out = 0;
    for (int i = 0; i < length; i += 4) {
        bool last = i + 4 == length;
        int pad = 0;
        uint32_t group = 0;
        for (int k = 0; k < 4; ++k) {
            char c = input[i + k];
            int v;
            if (c == '=') {
                // Padding only in the last two places of the last group.
                if (!last || k < 2)
                    return -1;
                ++pad;
                v = 0;
            } else {
                if (pad)
                    return -1;
                v = DecodeChar(c);
                if (v < 0)
                    return -1;
            }
            group = (group << 6) | static_cast<uint32_t>(v);
        }
        int n = 3 - pad;
        if (out + n > room)
            return -1;
        for (int k = 0; k < n; ++k)
            output[out++] = static_cast<uint8_t>(group >> (16 - 8 * k));
    }
    return out;
}
