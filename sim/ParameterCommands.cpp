// 0x0B06, the generic parameter request: a read of item k reports what a
// write of item k + 1 stored in the same group.
#include "sim/CommandGroup.h"

namespace sim
{

namespace
{

void Seed(StoreState& state)
{
    // Two serial ports.
    state.params[{ 3, 3 }] = Body().U8(2).Text("COM1", 16).Text("COM2", 16).bytes;
    state.params[{ 3, 5 }] = Body().U32(9600).U8(8).U8(0).U8(1).bytes;
    state.params[{ 4, 5 }] = Body().U8(1).U8(50).bytes;
    state.params[{ 5, 5 }] = Body().U8(0).Text("", 32).bytes;
}

bool Answer(StoreState& state, uint16_t command, const Bytes& params, SimReply* reply)
{
    if (command != 0x0B06)
        return false;
    WireReader in(params.data(), params.size());
    uint16_t group = in.U16(), item = in.U16(), size = in.U16();
    if (size > in.Remaining()) {
        reply->status = kInvalidValue;
        return true;
    }
    if (size) {
        state.params[{ group, static_cast<uint16_t>(item - 1) }].assign(
            params.begin() + 6, params.begin() + 6 + size);
        reply->body = Body().U16(0).bytes;
        return true;
    }
    const Bytes& data = state.params[{ group, item }];
    reply->body = Body().U16(static_cast<uint16_t>(data.size())).Raw(data.data(), data.size()).bytes;
    return true;
}

} // namespace

const CommandGroup kParameterCommands = { Seed, Answer };

} // namespace sim
