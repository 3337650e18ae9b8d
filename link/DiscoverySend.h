// Setting up a discovery socket and sending its datagrams, as Setup's and the explorer's discovery
// sockets both do it.
#pragma once

#include "link/DiscoveryOvel.h"
#include "platform/msg/AsyncSocket.h"

// Port 8404 of an address whose most significant byte is the first octet.
inline SOCKADDR_IN DiscoveryAddress(uint32_t address)
{
    SOCKADDR_IN sa {};
    sa.sin_family = AF_INET;
    sa.sin_port = htons(DISCOVERY_PORT);
    sa.sin_addr.s_addr = htonl(address);
    return sa;
}

// After Create: allows broadcasts and gives the replies to one broadcast
// room (every device of the network answers at once, and the replies beyond
// the default queue would be lost); gives the broadcast destination,
// 255.255.255.255 port 8404.
inline SOCKADDR_IN InitDiscoverySocket(CSocket& socket)
{
    int broadcast = 1;
    socket.SetSockOpt(SO_BROADCAST, &broadcast, sizeof broadcast, SOL_SOCKET);
    int room = 1 << 20;
    socket.SetSockOpt(SO_RCVBUF, &room, sizeof room, SOL_SOCKET);
    return DiscoveryAddress(INADDR_BROADCAST);
}

// True when the datagram went out. A send that moved no bytes closes the
// socket, so that later rounds on it fail quietly; a send error leaves it
// open.
inline bool SendDiscoveryDatagram(CSocket& socket, const uint8_t* data, size_t size, const SOCKADDR_IN& dest)
{
    if (size == 0)
        return false;
    int sent = socket.SendTo(data, int(size), reinterpret_cast<const SOCKADDR*>(&dest), sizeof dest);
    if (sent == SOCKET_ERROR)
        return false;
    if (sent == 0) {
        socket.Close();
        return false;
    }
    return true;
}
