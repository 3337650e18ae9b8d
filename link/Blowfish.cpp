#include "link/Blowfish.h"

#include "link/BlowfishTables.h"

#include <algorithm>
#include <cstring>

namespace
{

uint32_t LoadLE(const uint8_t* p)
{
    return p[0] | (static_cast<uint32_t>(p[1]) << 8) | (static_cast<uint32_t>(p[2]) << 16)
        | (static_cast<uint32_t>(p[3]) << 24);
}

void StoreLE(uint8_t* p, uint32_t v)
{
    for (int i = 0; i < 4; ++i)
        p[i] = static_cast<uint8_t>(v >> (8 * i));
}

} // namespace

CBlowfish::CBlowfish()
    : m_pP(new uint32_t[18])
    , m_pS(new uint32_t[4][256])
{
    std::memcpy(m_pP, kBlowfishInitP, sizeof kBlowfishInitP);
    std::memcpy(m_pS, kBlowfishInitS, sizeof kBlowfishInitS);
}

CBlowfish::~CBlowfish()
{
    delete[] m_pP;
    delete[] m_pS;
}

uint32_t CBlowfish::F(uint32_t x) const
{
    return ((m_pS[0][x >> 24] + m_pS[1][(x >> 16) & 0xFF]) ^ m_pS[2][(x >> 8) & 0xFF]) + m_pS[3][x & 0xFF];
}

void CBlowfish::EncipherBlock(uint32_t& left, uint32_t& right) const
{
    uint32_t l = left, r = right;
    for (int i = 0; i < 16; ++i) {
        l ^= m_pP[i];
        r ^= F(l);
        std::swap(l, r);
    }
    std::swap(l, r);
    r ^= m_pP[16];
    l ^= m_pP[17];
    left = l;
    right = r;
}

void CBlowfish::DecipherBlock(uint32_t& left, uint32_t& right) const
{
    uint32_t l = left, r = right;
    for (int i = 17; i > 1; --i) {
        l ^= m_pP[i];
        r ^= F(l);
        std::swap(l, r);
    }
    std::swap(l, r);
    r ^= m_pP[1];
    l ^= m_pP[0];
    left = l;
    right = r;
}

void CBlowfish::Initialize(const uint8_t* key, int keyLength)
{
    std::memcpy(m_pP, kBlowfishInitP, sizeof kBlowfishInitP);
    std::memcpy(m_pS, kBlowfishInitS, sizeof kBlowfishInitS);
    int n = std::clamp(keyLength, 0, 56);
    if (n > 0) {
        int j = 0;
        for (int i = 0; i < 18; ++i) {
            uint32_t data = 0;
            for (int k = 0; k < 4; ++k) {
                data = (data << 8) | key[j];
                j = (j + 1) % n;
            }
            m_pP[i] ^= data;
        }
    }
    uint32_t l = 0, r = 0;
    for (int i = 0; i < 18; i += 2) {
        EncipherBlock(l, r);
        m_pP[i] = l;
        m_pP[i + 1] = r;
    }
    for (int s = 0; s < 4; ++s) {
        for (int i = 0; i < 256; i += 2) {
            EncipherBlock(l, r);
            m_pS[s][i] = l;
            m_pS[s][i + 1] = r;
        }
    }
}

uint32_t CBlowfish::Encode(const uint8_t* input, uint8_t* output, uint32_t length)
{
    uint32_t padded = (length + 7) / 8 * 8;
    for (uint32_t off = 0; off < padded; off += 8) {
        uint8_t block[8] = {};
        std::memcpy(block, input + off, std::min<uint32_t>(8, length - off));
        uint32_t l = LoadLE(block), r = LoadLE(block + 4);
        EncipherBlock(l, r);
        StoreLE(output + off, l);
        StoreLE(output + off + 4, r);
    }
    return padded;
}

void CBlowfish::Decode(const uint8_t* input, uint8_t* output, uint32_t length)
{
    uint32_t padded = (length + 7) / 8 * 8;
    for (uint32_t off = 0; off < padded; off += 8) {
        uint32_t l = LoadLE(input + off), r = LoadLE(input + off + 4);
        DecipherBlock(l, r);
        StoreLE(output + off, l);
        StoreLE(output + off + 4, r);
    }
}
