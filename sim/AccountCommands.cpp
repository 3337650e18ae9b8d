// Group 0x02: the device's accounts, an administrator and two users in each
// of the three account lists. A write that changes the administrator's
// password changes what the device accepts from the next request on.
#include "sim/CommandGroup.h"

#include <cstring>
#include <string>

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

// The administrator's password out of a written account list.
void TakeAdminPassword(StoreState& state, uint16_t command, const Bytes& params)
{
    // Where the first of the (ID, password) pairs starts and how far apart
    // they are.
    size_t first = 10, step = 32, slots = 5;
    if (command == 0x0202) {
        first = 5;
    } else if (command == 0x0206) {
        WireReader in(params.data(), params.size());
        first = 4;
        step = 44;
        slots = in.U32();
    }
    for (size_t slot = 0; slot < slots; ++slot) {
        size_t at = first + slot * step;
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

struct Account {
    const char* id;
    const char* password;
};

// The administrator and two users; the device keeps five or eleven slots.
Account Accounts(const StoreState& state, int slot)
{
    switch (slot) {
    case 0:
        return { "admin", state.password.c_str() };
    case 1:
        return { "operator", "op2407" };
    case 2:
        return { "guard", "night5" };
    default:
        return { "", "" };
    }
}

Body& PutAccount(Body& b, const Account& a)
{
    uint8_t id[16], pw[16];
    Scramble(a.id, id);
    Scramble(a.password, pw);
    return b.Raw(id, 16).Raw(pw, 16);
}

// The camera families' rights bits of the channels that are on.
uint8_t ChannelRights(uint8_t sourcesOn, bool firstTwoOnly)
{
    uint8_t rights = (sourcesOn & 0x03) ? 0x03 : 0;
    const uint8_t bits[3] = { 0x04, 0x08, 0x10 };
    for (int c = 0; c < (firstTwoOnly ? 1 : 3); ++c)
        if (sourcesOn & (0x04 << c))
            rights |= bits[c];
    return rights;
}

// A recorder's camera mask: camera k is bit (k-1) mod 8 of byte 7 - (k-1) div 8.
Body& PutCameraMask(Body& b, int cameras)
{
    uint8_t mask[8] = {};
    for (int k = 0; k < cameras && k < 64; ++k)
        mask[7 - k / 8] |= static_cast<uint8_t>(1u << (k % 8));
    return b.Raw(mask, 8);
}

void Seed(StoreState& state)
{
    const DeviceProfile& p = state.profile;
    // Camera families: the operator sees every channel and may move the
    // cameras and use the disk; the guard watches channels 1 and 2.
    Body users;
    users.U8(0xFF).U8(0x80 | 0x40 | 0x20 | ChannelRights(p.sourcesOn, false));
    users.U8(0x80 | ChannelRights(p.sourcesOn, true)).Zero(2);
    for (int slot = 0; slot < 5; ++slot)
        PutAccount(users, Accounts(state, slot));
    users.U8(0xFF).U8(0x01).Zero(3); // the operator may delete recordings
    state.Value(0x0201) = users.bytes;

    // Recorders: the same accounts with recorder rights and camera masks.
    const int cameras = p.analogCameras + p.networkCameras;
    const uint16_t operatorRights = 0x8000 | 0x4000 | 0x2000 | 0x1000 | 0x0800 | 0x0400;
    Body table;
    table.U16(0xFFFF).U16(operatorRights).U16(0x8000).Zero(2 * 2);
    for (int slot = 0; slot < 5; ++slot)
        PutAccount(table, Accounts(state, slot));
    PutCameraMask(table, 64);
    PutCameraMask(table, cameras);
    PutCameraMask(table, 4).Zero(2 * 8);
    state.Value(0x0203) = table.bytes;

    // The newer recorders report all eleven slots; those not in use keep a
    // default ID and no rights.
    Body remote;
    remote.U32(11);
    PutAccount(remote, Accounts(state, 0)).U16(0xFFFF).U16(0xFFFF);
    PutCameraMask(remote, 64);
    PutAccount(remote, Accounts(state, 1)).U16(operatorRights).U16(0);
    PutCameraMask(remote, cameras);
    PutAccount(remote, Accounts(state, 2)).U16(0x8000).U16(0);
    PutCameraMask(remote, 4);
    for (int slot = 3; slot < 11; ++slot) {
        const std::string id = "user" + std::to_string(slot);
        PutAccount(remote, { id.c_str(), "" }).U16(0).U16(0);
        PutCameraMask(remote, 0);
    }
    state.Value(0x0205) = remote.bytes;
    // The front panel: both passwords on.
    state.Value(0x0207) = Body().U32(0xC0000000u).U16(2468).U16(1357).bytes;
}

bool Answer(StoreState& state, uint16_t command, const Bytes& params, SimReply* reply)
{
    if (command != 0x0202 && command != 0x0204 && command != 0x0206)
        return false;
    AnswerStoredSetting(state, command, params, reply);
    if (reply->status == 0)
        TakeAdminPassword(state, command, params);
    return true;
}

} // namespace

const CommandGroup kAccountCommands = { Seed, Answer };

} // namespace sim
