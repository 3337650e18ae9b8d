// Blowfish block cipher (16 rounds, 64-bit blocks, ECB). Each 8-byte block
// is read as two little-endian 32-bit words, the first four bytes being the
// left half; the saved-login file is written in this order.
#pragma once

#include <cstdint>

class CBlowfish
{
public:
    CBlowfish();
    ~CBlowfish();
    CBlowfish(const CBlowfish&) = delete;
    CBlowfish& operator=(const CBlowfish&) = delete;

    // Standard key schedule; keys longer than 56 bytes use their first 56.
    void Initialize(const uint8_t* key, int keyLength);
    // Enciphers ceil(length / 8) blocks, the last one filled with zeros;
    // input and output may be the same buffer. Gives the padded length.
    // The output must hold the padded length.
    uint32_t Encode(const uint8_t* input, uint8_t* output, uint32_t length);
    // Deciphers ceil(length / 8) blocks; input and output may be the same.
    void Decode(const uint8_t* input, uint8_t* output, uint32_t length);

    void EncipherBlock(uint32_t& left, uint32_t& right) const;
    void DecipherBlock(uint32_t& left, uint32_t& right) const;

private:
    uint32_t F(uint32_t x) const;
    uint32_t* m_pP; // 18 words
    uint32_t (*m_pS)[256]; // 4 boxes
};
