#include "platform/base/Services.h"
#include "platform/base/TestServices.h"
#include "platform/msg/WinSock.h"

#include <gtest/gtest.h>

#include <atomic>
#include <chrono>
#include <thread>

namespace
{

using Clock = std::chrono::steady_clock;

sockaddr_in Loopback(uint16_t port)
{
    sockaddr_in a {};
    a.sin_family = AF_INET;
    a.sin_addr.s_addr = inet_addr("127.0.0.1");
    a.sin_port = htons(port);
    return a;
}

uint16_t PortOf(SOCKET s)
{
    sockaddr_in a {};
    int len = sizeof a;
    ws::getsockname(s, reinterpret_cast<sockaddr*>(&a), &len);
    return ntohs(a.sin_port);
}

SOCKET BoundUdp()
{
    SOCKET s = ws::socket(AF_INET, SOCK_DGRAM, 0);
    sockaddr_in a = Loopback(0);
    EXPECT_EQ(ws::bind(s, reinterpret_cast<sockaddr*>(&a), sizeof a), 0);
    return s;
}

TEST(BlockingSockets, ReceiveTimesOutAsSet)
{
    SOCKET s = BoundUdp();
    DWORD timeout = 150;
    ASSERT_EQ(ws::setsockopt(s, SOL_SOCKET, SO_RCVTIMEO, &timeout, sizeof timeout), 0);
    char buf[16];
    auto start = Clock::now();
    EXPECT_EQ(ws::recv(s, buf, sizeof buf, 0), SOCKET_ERROR);
    auto took = Clock::now() - start;
    EXPECT_EQ(WSAGetLastError(), WSAETIMEDOUT);
    EXPECT_GE(took, std::chrono::milliseconds(140));
    EXPECT_LT(took, std::chrono::milliseconds(2000));
    ws::closesocket(s);
}

TEST(BlockingSockets, CloseFromAnotherThreadAbortsABlockedReceivePromptly)
{
    // Under load the receiver may not have reached its call before the
    // close; such a round ends with WSAENOTSOCK and is run again.
    bool aborted = false;
    for (int round = 0; round < 20 && !aborted; ++round) {
        SOCKET s = BoundUdp();
        std::atomic<int> result { 0 }, error { 0 };
        std::thread receiver([&] {
            char buf[16];
            result = ws::recvfrom(s, buf, sizeof buf, 0, nullptr, nullptr);
            error = WSAGetLastError();
        });
        std::this_thread::sleep_for(std::chrono::milliseconds(50));
        auto start = Clock::now();
        ws::closesocket(s);
        receiver.join();
        EXPECT_EQ(result, SOCKET_ERROR);
        if (error == WSAENOTSOCK)
            continue;
        EXPECT_EQ(error, WSAEINTR);
        EXPECT_LT(Clock::now() - start, std::chrono::milliseconds(1000));
        aborted = true;
        char buf[4];
        EXPECT_EQ(ws::recv(s, buf, sizeof buf, 0), SOCKET_ERROR);
        EXPECT_EQ(WSAGetLastError(), WSAENOTSOCK);
    }
    EXPECT_TRUE(aborted);
}

TEST(BlockingSockets, ConnectToAClosedPortIsRefused)
{
    // Find a port nobody listens on: bind, read it back, close.
    SOCKET probe = ws::socket(AF_INET, SOCK_STREAM, 0);
    sockaddr_in any = Loopback(0);
    ws::bind(probe, reinterpret_cast<sockaddr*>(&any), sizeof any);
    uint16_t port = PortOf(probe);
    ws::closesocket(probe);

    SOCKET s = ws::socket(AF_INET, SOCK_STREAM, 0);
    sockaddr_in to = Loopback(port);
    EXPECT_EQ(ws::connect(s, reinterpret_cast<sockaddr*>(&to), sizeof to), SOCKET_ERROR);
    EXPECT_EQ(WSAGetLastError(), WSAECONNREFUSED);
    EXPECT_EQ(WSAECONNREFUSED, 10061);
    ws::closesocket(s);

    // In non-blocking mode the attempt is reported as started.
    SOCKET nb = ws::socket(AF_INET, SOCK_STREAM, 0);
    unsigned long on = 1;
    ws::ioctlsocket(nb, FIONBIO, &on);
    int r = ws::connect(nb, reinterpret_cast<sockaddr*>(&to), sizeof to);
    if (r == SOCKET_ERROR && WSAGetLastError() == WSAEWOULDBLOCK) {
        ws::SelectResult sel;
        EXPECT_EQ(ws::select(nb, false, true, true, 2000, &sel) > 0, true);
        int err = 0, len = sizeof err;
        ws::getsockopt(nb, SOL_SOCKET, SO_ERROR, &err, &len);
        EXPECT_EQ(err, WSAECONNREFUSED);
    } else {
        EXPECT_EQ(WSAGetLastError(), WSAECONNREFUSED);
    }
    ws::closesocket(nb);
}

TEST(BlockingSockets, TcpExchangeAndPeerClose)
{
    SOCKET server = ws::socket(AF_INET, SOCK_STREAM, 0);
    sockaddr_in any = Loopback(0);
    ASSERT_EQ(ws::bind(server, reinterpret_cast<sockaddr*>(&any), sizeof any), 0);
    ASSERT_EQ(ws::listen(server, 1), 0);
    sockaddr_in to = Loopback(PortOf(server));
    std::thread peer([&] {
        SOCKET c = ws::accept(server, nullptr, nullptr);
        char buf[8];
        int n = ws::recv(c, buf, sizeof buf, 0);
        ws::send(c, buf, n, 0);
        ws::closesocket(c);
    });
    SOCKET s = ws::socket(AF_INET, SOCK_STREAM, 0);
    ASSERT_EQ(ws::connect(s, reinterpret_cast<sockaddr*>(&to), sizeof to), 0);
    EXPECT_EQ(ws::send(s, "ping", 4, 0), 4);
    char buf[8] = {};
    EXPECT_EQ(ws::recv(s, buf, sizeof buf, 0), 4);
    EXPECT_STREQ(buf, "ping");
    EXPECT_EQ(ws::recv(s, buf, sizeof buf, 0), 0);
    peer.join();
    ws::closesocket(s);
    ws::closesocket(server);
}

TEST(BlockingSockets, DatagramsLongerThanTheBufferAreTruncatedWithAnError)
{
    SOCKET rx = BoundUdp();
    SOCKET tx = ws::socket(AF_INET, SOCK_DGRAM, 0);
    sockaddr_in to = Loopback(PortOf(rx));
    ASSERT_EQ(ws::sendto(tx, "0123456789", 10, 0, reinterpret_cast<sockaddr*>(&to), sizeof to), 10);
    char buf[4];
    sockaddr_in from {};
    int fromLen = sizeof from;
    EXPECT_EQ(
        ws::recvfrom(rx, buf, sizeof buf, 0, reinterpret_cast<sockaddr*>(&from), &fromLen), SOCKET_ERROR);
    EXPECT_EQ(WSAGetLastError(), WSAEMSGSIZE);
    EXPECT_EQ(std::string(buf, 4), "0123");
    EXPECT_EQ(ntohs(from.sin_port), PortOf(tx));
    ws::closesocket(rx);
    ws::closesocket(tx);
}

TEST(BlockingSockets, BroadcastNeedsTheOptionAndGoesToTheTargets)
{
    FixedNetworkEnvironment net;
    net.broadcastTargets = { 0x7F000001 };
    ScopedService<INetworkEnvironment> useNet(&net);
    SOCKET rx = BoundUdp();
    SOCKET tx = ws::socket(AF_INET, SOCK_DGRAM, 0);
    sockaddr_in to = Loopback(PortOf(rx));
    to.sin_addr.s_addr = htonl(INADDR_BROADCAST);
    EXPECT_EQ(ws::sendto(tx, "hi", 2, 0, reinterpret_cast<sockaddr*>(&to), sizeof to), SOCKET_ERROR);
    EXPECT_EQ(WSAGetLastError(), WSAEACCES);
    int on = 1;
    ASSERT_EQ(ws::setsockopt(tx, SOL_SOCKET, SO_BROADCAST, &on, sizeof on), 0);
    EXPECT_EQ(ws::sendto(tx, "hi", 2, 0, reinterpret_cast<sockaddr*>(&to), sizeof to), 2);
    DWORD timeout = 2000;
    ws::setsockopt(rx, SOL_SOCKET, SO_RCVTIMEO, &timeout, sizeof timeout);
    char buf[8];
    EXPECT_EQ(ws::recv(rx, buf, sizeof buf, 0), 2);
    ws::closesocket(rx);
    ws::closesocket(tx);
}

} // namespace
