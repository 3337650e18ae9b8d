#include "sim/RegisteredDevice.h"

#include "link/ByteOrder.h"

#include <algorithm>
#include <cstdio>

namespace sim
{

namespace
{

void PutText(std::vector<uint8_t>& out, const std::string& s, size_t width)
{
    size_t n = std::min(s.size(), width);
    out.insert(out.end(), s.begin(), s.begin() + static_cast<long>(n));
    out.insert(out.end(), width - n, 0);
}

} // namespace

RegisteredDevice MakeRegisteredDevice(const std::string& login, int index)
{
    RegisteredDevice d;
    char buf[64];
    d.login = login;
    std::snprintf(buf, sizeof buf, "shop-%04d", index);
    d.name = buf;
    d.model = "PT-D16";
    d.text128 = "Recorder at the front desk";
    d.text256 = "Unit " + std::to_string(index);
    std::snprintf(buf, sizeof buf, "key%05d", index);
    d.key32 = buf;
    std::snprintf(
        buf, sizeof buf, "00:1b:9e:%02x:%02x:%02x", (index >> 16) & 0xFF, (index >> 8) & 0xFF, index & 0xFF);
    d.mac = buf;
    std::snprintf(buf, sizeof buf, "198.51.%d.%d", (index >> 8) & 0xFF, index & 0xFF);
    d.address = buf;
    d.numbers[0] = 80;
    d.numbers[1] = 8105;
    d.numbers[2] = 8405;
    d.numbers[3] = uint32_t(index);
    d.text16 = "group-a";
    return d;
}

std::vector<uint8_t> EncodeRegisteredDevice(const RegisteredDevice& d)
{
    std::vector<uint8_t> out;
    out.reserve(kRegisteredRecordSize);
    PutText(out, d.name, 68);
    PutText(out, d.model, 16);
    PutText(out, d.text128, 128);
    PutText(out, d.text256, 256);
    PutText(out, d.key32, 32);
    PutText(out, d.mac, 24);
    PutText(out, d.address, 24);
    for (uint32_t n : d.numbers) {
        uint8_t word[4];
        uint32_t o = 0;
        DirPutU32(word, &o, n);
        out.insert(out.end(), word, word + 4);
    }
    PutText(out, d.text16, 16);
    return out;
}

} // namespace sim
