#include "sim/FaultyReply.h"

#include "sim/SimSocket.h"

#include <algorithm>
#include <chrono>
#include <thread>

namespace sim
{

Bytes FaultedReply(Bytes reply, const Fault& fault)
{
    if (fault.status && reply.size() >= 8) {
        reply.resize(8);
        uint32_t o = 2;
        NetPutU16(reply.data(), &o, fault.status);
        NetPutU32(reply.data(), &o, 0);
    }
    if (fault.announcedLength >= 0 && reply.size() >= 8) {
        uint32_t o = 4;
        NetPutU32(reply.data(), &o, static_cast<uint32_t>(fault.announcedLength));
    }
    if (fault.cutAfter >= 0 && size_t(fault.cutAfter) < reply.size())
        reply.resize(size_t(fault.cutAfter));
    return reply;
}

FaultSend SendFaulted(int fd, const Bytes& reply, const Fault& fault, int stopFd)
{
    if (fault.delayMs > 0)
        WaitReadable(stopFd, -1, fault.delayMs);
    if (fault.closeWithoutReply)
        return FaultSend::Closed;
    if (fault.silence)
        return FaultSend::Silent;
    size_t sent = 0;
    for (size_t piece : fault.pieces) {
        piece = std::min(piece, reply.size() - sent);
        if (!SendAll(fd, reply.data() + sent, piece))
            return FaultSend::Closed;
        sent += piece;
        // Let each piece arrive on its own.
        std::this_thread::sleep_for(std::chrono::milliseconds(20));
    }
    // A slow line: byte by byte until the client gives up or the server
    // stops.
    for (; fault.trickleMs > 0 && sent < reply.size(); ++sent) {
        if (!SendAll(fd, reply.data() + sent, 1) || WaitReadable(stopFd, -1, fault.trickleMs))
            return FaultSend::Closed;
    }
    return SendAll(fd, reply.data() + sent, reply.size() - sent) ? FaultSend::Sent : FaultSend::Closed;
}

} // namespace sim
