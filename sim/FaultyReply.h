// Sending one reply as a fault says: the changes to the reply's bytes
// (status, announced length, cut) and the misbehaviour of the send itself
// (delay, close, silence, pieces, trickle). Shared by the simulator's
// roles that take faults per message code.
#pragma once

#include "sim/ConfigServer.h"

namespace sim
{

// The reply with the fault's changes: a status reply (header only, reply
// id kept) when the fault has a status, the announced length put into the
// header, and the bytes cut after `cutAfter`.
Bytes FaultedReply(Bytes reply, const Fault& fault);

enum class FaultSend {
    Sent, // the reply went out (in pieces, slowly or late as the fault says)
    Closed, // the connection is to be closed without (more of) the reply
    Silent, // nothing was sent and nothing is to be
};

// Sends the reply as the fault says; Closed also when the peer or the stop
// signal ended the send.
FaultSend SendFaulted(int fd, const Bytes& reply, const Fault& fault, int stopFd);

} // namespace sim
