// Group 0x02: the device's accounts. A write that changes the administrator's
// password changes what the device accepts from the next request on.
#include "sim/CommandGroup.h"

#include <cstring>

namespace sim
{

namespace
{

void Unscramble(const uint8_t* in, char out[17])
{
    for (int i = 0; i < 16; ++i) {
        uint8_t b = in[i];
        b = static_cast<uint8_t>((b >> 1) | (b << 7));
        out[i] = static_cast<char>(b - 3);
    }
    out[16] = '\0';
}

void Scramble(const char* text, uint8_t out[16])
{
    for (int i = 0; i < 16; ++i) {
        uint8_t b = 0;
        if (std::strlen(text) > static_cast<size_t>(i))
            b = static_cast<uint8_t>(text[i]);
        b = static_cast<uint8_t>(b + 3);
        out[i] = static_cast<uint8_t>((b << 1) | (b >> 7));
    }
}

void TakeAdminPassword(StoreState& state, uint16_t command, const Bytes& params)
{
    size_t first = command == 0x0202 ? 5 : 10;
    for (size_t slot = 0; slot < 5; ++slot) {
        size_t at = first + slot * 32;
        if (params.size() < at + 32)
            return;
        char id[17], pw[17];
        Unscramble(&params[at], id);
        Unscramble(&params[at + 16], pw);
        if (std::strcmp(id, "admin") == 0) {
            state.password = pw;
            return;
        }
    }
}

void Seed(StoreState& state)
{
    // Users: admin with full rights in the first slot.
    Body users;
    users.U8(0x80).Zero(4);
    uint8_t id[16], pw[16];
    Scramble("admin", id);
    Scramble(state.password.c_str(), pw);
    users.Raw(id, 16).Raw(pw, 16).Zero(4 * 32).U8(1).Zero(4);
    state.Value(0x0201) = users.bytes;
}

bool Answer(StoreState& state, uint16_t command, const Bytes& params, SimReply* reply)
{
    if (command != 0x0202 && command != 0x0204)
        return false;
    AnswerStoredSetting(state, command, params, reply);
    if (reply->status == 0)
        TakeAdminPassword(state, command, params);
    return true;
}

} // namespace

const CommandGroup kAccountCommands = { Seed, Answer };

} // namespace sim
