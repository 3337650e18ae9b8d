// Sockets with the calling conventions and error numbers the system's code
// expects: SOCKET handles, SOCKET_ERROR results, WSAGetLastError codes with
// their documented values, send and receive time-outs in milliseconds
// (SO_SNDTIMEO / SO_RCVTIMEO as a DWORD), and closesocket from any thread
// ending a call that another thread is blocked in (it fails with WSAEINTR).
// The functions live in namespace ws so they stay apart from the POSIX ones;
// addresses are the usual sockaddr_in, inet_addr and htons.
#pragma once

#include "platform/base/PlatformApi.h"
#include "platform/base/Types.h"

#include <arpa/inet.h>
#include <netinet/in.h>
#include <netinet/tcp.h>
#include <sys/ioctl.h>
#include <sys/socket.h>

using SOCKET = uintptr_t;
constexpr SOCKET INVALID_SOCKET = ~SOCKET(0);
constexpr int SOCKET_ERROR = -1;
using SOCKADDR = sockaddr;
using SOCKADDR_IN = sockaddr_in;

constexpr int WSAEINTR = 10004;
constexpr int WSAEBADF = 10009;
constexpr int WSAEACCES = 10013;
constexpr int WSAEFAULT = 10014;
constexpr int WSAEINVAL = 10022;
constexpr int WSAEMFILE = 10024;
constexpr int WSAEWOULDBLOCK = 10035;
constexpr int WSAEINPROGRESS = 10036;
constexpr int WSAEALREADY = 10037;
constexpr int WSAENOTSOCK = 10038;
constexpr int WSAEDESTADDRREQ = 10039;
constexpr int WSAEMSGSIZE = 10040;
constexpr int WSAEPROTOTYPE = 10041;
constexpr int WSAENOPROTOOPT = 10042;
constexpr int WSAEPROTONOSUPPORT = 10043;
constexpr int WSAESOCKTNOSUPPORT = 10044;
constexpr int WSAEOPNOTSUPP = 10045;
constexpr int WSAEAFNOSUPPORT = 10047;
constexpr int WSAEADDRINUSE = 10048;
constexpr int WSAEADDRNOTAVAIL = 10049;
constexpr int WSAENETDOWN = 10050;
constexpr int WSAENETUNREACH = 10051;
constexpr int WSAENETRESET = 10052;
constexpr int WSAECONNABORTED = 10053;
constexpr int WSAECONNRESET = 10054;
constexpr int WSAENOBUFS = 10055;
constexpr int WSAEISCONN = 10056;
constexpr int WSAENOTCONN = 10057;
constexpr int WSAESHUTDOWN = 10058;
constexpr int WSAETIMEDOUT = 10060;
constexpr int WSAECONNREFUSED = 10061;
constexpr int WSAEHOSTDOWN = 10064;
constexpr int WSAEHOSTUNREACH = 10065;
constexpr int WSANOTINITIALISED = 10093;
constexpr int WSAHOST_NOT_FOUND = 11001;

constexpr int SD_RECEIVE = 0;
constexpr int SD_SEND = 1;
constexpr int SD_BOTH = 2;

// The Winsock form of SO_LINGER (16-bit fields), accepted by ws::setsockopt.
struct WSALINGER {
    uint16_t l_onoff;
    uint16_t l_linger;
};

PLATFORM_API int WSAGetLastError();
PLATFORM_API void WSASetLastError(int error);
// The WSA code for an errno value.
PLATFORM_API int WSAErrorFromErrno(int error);
// Always succeeds here; kept because start-up checks it.
PLATFORM_API BOOL AfxSocketInit();

namespace ws
{

PLATFORM_API SOCKET socket(int af, int type, int protocol);
PLATFORM_API int closesocket(SOCKET s);
PLATFORM_API int bind(SOCKET s, const sockaddr* name, int namelen);
PLATFORM_API int listen(SOCKET s, int backlog);
PLATFORM_API SOCKET accept(SOCKET s, sockaddr* addr, int* addrlen);
PLATFORM_API int connect(SOCKET s, const sockaddr* name, int namelen);
PLATFORM_API int send(SOCKET s, const char* buf, int len, int flags);
PLATFORM_API int recv(SOCKET s, char* buf, int len, int flags);
// A datagram to INADDR_BROADCAST needs SO_BROADCAST and goes to the
// broadcast targets of the network environment service.
PLATFORM_API int sendto(SOCKET s, const char* buf, int len, int flags, const sockaddr* to, int tolen);
// A datagram longer than len fills the buffer and fails with WSAEMSGSIZE.
PLATFORM_API int recvfrom(SOCKET s, char* buf, int len, int flags, sockaddr* from, int* fromlen);
PLATFORM_API int setsockopt(SOCKET s, int level, int optname, const void* optval, int optlen);
PLATFORM_API int getsockopt(SOCKET s, int level, int optname, void* optval, int* optlen);
PLATFORM_API int getsockname(SOCKET s, sockaddr* name, int* namelen);
PLATFORM_API int getpeername(SOCKET s, sockaddr* name, int* namelen);
PLATFORM_API int shutdown(SOCKET s, int how);
// FIONBIO (non-blocking mode) and FIONREAD (bytes waiting).
PLATFORM_API int ioctlsocket(SOCKET s, unsigned long cmd, unsigned long* argp);

// Waits until the socket is readable (read), writable or has failed
// (write/except): a single-socket select. Gives a count of the ready
// conditions (0 on time-out) or SOCKET_ERROR. timeoutMs < 0 waits without
// limit.
struct SelectResult {
    bool readable = false;
    bool writable = false;
    bool failed = false;
};
PLATFORM_API int select(SOCKET s, bool read, bool write, bool except, int timeoutMs, SelectResult* result);

// The descriptor under a socket, for notifiers; -1 when there is none.
PLATFORM_API int NativeHandle(SOCKET s);

} // namespace ws
