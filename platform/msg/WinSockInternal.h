// Internal: what the socket objects need of a SOCKET beyond its calls.
#pragma once

#include "platform/msg/WinSock.h"

#include <memory>

namespace ws_internal
{

// Keeps the descriptors of a socket open while held, even after
// closesocket; wakeFd becomes readable when the socket is closed.
struct Pinned {
    std::shared_ptr<void> keep;
    int fd = -1;
    int wakeFd = -1;
};
bool Pin(SOCKET s, Pinned& out);
bool IsNonBlocking(SOCKET s);

} // namespace ws_internal
