#include "platform/msg/WinSock.h"

#include "platform/msg/WinSockInternal.h"

#include "platform/base/Services.h"

#include <cerrno>
#include <chrono>
#include <cstring>
#include <fcntl.h>
#include <map>
#include <memory>
#include <mutex>
#include <poll.h>
#include <sys/eventfd.h>
#include <unistd.h>

namespace
{

thread_local int t_lastError = 0;

// Every descriptor is non-blocking underneath; blocking calls wait in poll
// on the descriptor and on a wake descriptor that closesocket signals.
struct SocketRec {
    int fd = -1;
    int wakeFd = -1;
    bool nonBlocking = false;
    bool broadcast = false;
    DWORD sendTimeout = 0; // ms, 0 = none
    DWORD recvTimeout = 0;
    ~SocketRec()
    {
        if (fd >= 0)
            ::close(fd);
        if (wakeFd >= 0)
            ::close(wakeFd);
    }
};

std::mutex g_socketMutex;
std::map<SOCKET, std::shared_ptr<SocketRec>> g_sockets;
SOCKET g_nextSocket = 0x100;

int Fail(int wsaError)
{
    t_lastError = wsaError;
    return SOCKET_ERROR;
}

int FailErrno()
{
    return Fail(WSAErrorFromErrno(errno));
}

std::shared_ptr<SocketRec> Find(SOCKET s)
{
    std::lock_guard<std::mutex> lock(g_socketMutex);
    auto it = g_sockets.find(s);
    if (it == g_sockets.end()) {
        t_lastError = WSAENOTSOCK;
        return nullptr;
    }
    return it->second;
}

SOCKET Register(int fd)
{
    auto rec = std::make_shared<SocketRec>();
    rec->fd = fd;
    rec->wakeFd = ::eventfd(0, EFD_CLOEXEC | EFD_NONBLOCK);
    if (rec->wakeFd < 0) {
        t_lastError = WSAEMFILE;
        return INVALID_SOCKET;
    }
    ::fcntl(fd, F_SETFL, ::fcntl(fd, F_GETFL) | O_NONBLOCK);
    std::lock_guard<std::mutex> lock(g_socketMutex);
    SOCKET s = g_nextSocket++;
    g_sockets[s] = rec;
    return s;
}

enum class WaitResult { Ready, TimedOut, Closed, Error };

// Waits for `events` on the socket; timeoutMs 0 means no limit.
WaitResult WaitFor(const SocketRec& rec, short events, DWORD timeoutMs)
{
    using clock = std::chrono::steady_clock;
    auto deadline = clock::now() + std::chrono::milliseconds(timeoutMs);
    for (;;) {
        int wait = -1;
        if (timeoutMs) {
            auto left
                = std::chrono::duration_cast<std::chrono::milliseconds>(deadline - clock::now()).count();
            if (left <= 0)
                return WaitResult::TimedOut;
            wait = int(std::min<long long>(left, 1 << 30));
        }
        pollfd fds[2] = { { rec.fd, events, 0 }, { rec.wakeFd, POLLIN, 0 } };
        int n = ::poll(fds, 2, wait);
        if (n < 0) {
            if (errno == EINTR)
                continue;
            return WaitResult::Error;
        }
        if (fds[1].revents)
            return WaitResult::Closed;
        if (n > 0)
            return WaitResult::Ready;
    }
}

bool WouldBlock(int e)
{
    return e == EAGAIN || e == EWOULDBLOCK;
}

// Runs `op` until it does not report EAGAIN, waiting between tries when the
// socket is in blocking mode.
template <class Op> int Blocking(SocketRec& rec, short events, DWORD timeoutMs, Op op)
{
    for (;;) {
        int n = op();
        if (n >= 0)
            return n;
        if (errno == EINTR)
            continue;
        if (!WouldBlock(errno) || rec.nonBlocking)
            return FailErrno();
        switch (WaitFor(rec, events, timeoutMs)) {
        case WaitResult::Ready:
            continue;
        case WaitResult::TimedOut:
            return Fail(WSAETIMEDOUT);
        case WaitResult::Closed:
            return Fail(WSAEINTR);
        case WaitResult::Error:
            return FailErrno();
        }
    }
}

bool IsBroadcast(const sockaddr* to, int tolen)
{
    return to && tolen >= int(sizeof(sockaddr_in)) && to->sa_family == AF_INET
        && reinterpret_cast<const sockaddr_in*>(to)->sin_addr.s_addr == htonl(INADDR_BROADCAST);
}

} // namespace

int WSAGetLastError()
{
    return t_lastError;
}
void WSASetLastError(int error)
{
    t_lastError = error;
}
BOOL AfxSocketInit()
{
    return TRUE;
}

int WSAErrorFromErrno(int e)
{
    switch (e) {
    case 0:
        return 0;
    case EINTR:
        return WSAEINTR;
    case EBADF:
        return WSAENOTSOCK;
    case EACCES:
    case EPERM:
        return WSAEACCES;
    case EFAULT:
        return WSAEFAULT;
    case EINVAL:
        return WSAEINVAL;
    case EMFILE:
    case ENFILE:
        return WSAEMFILE;
    case EAGAIN:
        return WSAEWOULDBLOCK;
    case EINPROGRESS:
        return WSAEINPROGRESS;
    case EALREADY:
        return WSAEALREADY;
    case ENOTSOCK:
        return WSAENOTSOCK;
    case EDESTADDRREQ:
        return WSAEDESTADDRREQ;
    case EMSGSIZE:
        return WSAEMSGSIZE;
    case EPROTOTYPE:
        return WSAEPROTOTYPE;
    case ENOPROTOOPT:
        return WSAENOPROTOOPT;
    case EPROTONOSUPPORT:
        return WSAEPROTONOSUPPORT;
    case ESOCKTNOSUPPORT:
        return WSAESOCKTNOSUPPORT;
    case EOPNOTSUPP:
        return WSAEOPNOTSUPP;
    case EAFNOSUPPORT:
        return WSAEAFNOSUPPORT;
    case EADDRINUSE:
        return WSAEADDRINUSE;
    case EADDRNOTAVAIL:
        return WSAEADDRNOTAVAIL;
    case ENETDOWN:
        return WSAENETDOWN;
    case ENETUNREACH:
        return WSAENETUNREACH;
    case ENETRESET:
        return WSAENETRESET;
    case ECONNABORTED:
        return WSAECONNABORTED;
    case ECONNRESET:
    case EPIPE:
        return WSAECONNRESET;
    case ENOBUFS:
    case ENOMEM:
        return WSAENOBUFS;
    case EISCONN:
        return WSAEISCONN;
    case ENOTCONN:
        return WSAENOTCONN;
    case ESHUTDOWN:
        return WSAESHUTDOWN;
    case ETIMEDOUT:
        return WSAETIMEDOUT;
    case ECONNREFUSED:
        return WSAECONNREFUSED;
    case EHOSTDOWN:
        return WSAEHOSTDOWN;
    case EHOSTUNREACH:
        return WSAEHOSTUNREACH;
    default:
        return WSAEINVAL;
    }
}

namespace ws
{

SOCKET socket(int af, int type, int protocol)
{
    int fd = ::socket(af, type | SOCK_CLOEXEC, protocol);
    if (fd < 0) {
        FailErrno();
        return INVALID_SOCKET;
    }
    return Register(fd);
}

int closesocket(SOCKET s)
{
    std::shared_ptr<SocketRec> rec;
    {
        std::lock_guard<std::mutex> lock(g_socketMutex);
        auto it = g_sockets.find(s);
        if (it == g_sockets.end())
            return Fail(WSAENOTSOCK);
        rec = std::move(it->second);
        g_sockets.erase(it);
    }
    // Wakes every call blocked on the socket; the descriptor itself closes
    // when the last of them has let go of it.
    uint64_t one = 1;
    [[maybe_unused]] ssize_t n = ::write(rec->wakeFd, &one, sizeof one);
    return 0;
}

int bind(SOCKET s, const sockaddr* name, int namelen)
{
    auto rec = Find(s);
    if (!rec)
        return SOCKET_ERROR;
    return ::bind(rec->fd, name, socklen_t(namelen)) == 0 ? 0 : FailErrno();
}

int listen(SOCKET s, int backlog)
{
    auto rec = Find(s);
    if (!rec)
        return SOCKET_ERROR;
    return ::listen(rec->fd, backlog) == 0 ? 0 : FailErrno();
}

SOCKET accept(SOCKET s, sockaddr* addr, int* addrlen)
{
    auto rec = Find(s);
    if (!rec)
        return INVALID_SOCKET;
    socklen_t len = addrlen ? socklen_t(*addrlen) : 0;
    int fd = Blocking(
        *rec, POLLIN, 0, [&] { return ::accept4(rec->fd, addr, addrlen ? &len : nullptr, SOCK_CLOEXEC); });
    if (fd < 0)
        return INVALID_SOCKET;
    if (addrlen)
        *addrlen = int(len);
    return Register(fd);
}

int connect(SOCKET s, const sockaddr* name, int namelen)
{
    auto rec = Find(s);
    if (!rec)
        return SOCKET_ERROR;
    if (::connect(rec->fd, name, socklen_t(namelen)) == 0)
        return 0;
    if (errno != EINPROGRESS)
        return FailErrno();
    if (rec->nonBlocking)
        return Fail(WSAEWOULDBLOCK);
    // No time-out of our own: the system gives up on an unanswered attempt.
    switch (WaitFor(*rec, POLLOUT, 0)) {
    case WaitResult::Closed:
        return Fail(WSAEINTR);
    case WaitResult::Error:
        return FailErrno();
    default:
        break;
    }
    int error = 0;
    socklen_t len = sizeof error;
    ::getsockopt(rec->fd, SOL_SOCKET, SO_ERROR, &error, &len);
    return error ? Fail(WSAErrorFromErrno(error)) : 0;
}

int send(SOCKET s, const char* buf, int len, int flags)
{
    auto rec = Find(s);
    if (!rec)
        return SOCKET_ERROR;
    if (len < 0 || (!buf && len))
        return Fail(WSAEFAULT);
    return Blocking(*rec, POLLOUT, rec->sendTimeout,
        [&] { return int(::send(rec->fd, buf, size_t(len), flags | MSG_NOSIGNAL)); });
}

int recv(SOCKET s, char* buf, int len, int flags)
{
    auto rec = Find(s);
    if (!rec)
        return SOCKET_ERROR;
    if (len < 0 || (!buf && len))
        return Fail(WSAEFAULT);
    return Blocking(
        *rec, POLLIN, rec->recvTimeout, [&] { return int(::recv(rec->fd, buf, size_t(len), flags)); });
}

int sendto(SOCKET s, const char* buf, int len, int flags, const sockaddr* to, int tolen)
{
    auto rec = Find(s);
    if (!rec)
        return SOCKET_ERROR;
    if (len < 0 || (!buf && len))
        return Fail(WSAEFAULT);
    auto sendOne = [&](const sockaddr* dest, socklen_t destLen) {
        return Blocking(*rec, POLLOUT, rec->sendTimeout,
            [&] { return int(::sendto(rec->fd, buf, size_t(len), flags | MSG_NOSIGNAL, dest, destLen)); });
    };
    if (!IsBroadcast(to, tolen))
        return sendOne(to, socklen_t(tolen));
    if (!rec->broadcast)
        return Fail(WSAEACCES);
    int result = Fail(WSAENETUNREACH);
    bool first = true;
    for (uint32_t target : Service<INetworkEnvironment>().BroadcastTargets(INADDR_BROADCAST)) {
        sockaddr_in dest = *reinterpret_cast<const sockaddr_in*>(to);
        dest.sin_addr.s_addr = htonl(target);
        int n = sendOne(reinterpret_cast<const sockaddr*>(&dest), sizeof dest);
        if (first || n < 0)
            result = n;
        first = false;
        if (n < 0)
            break;
    }
    return result;
}

int recvfrom(SOCKET s, char* buf, int len, int flags, sockaddr* from, int* fromlen)
{
    auto rec = Find(s);
    if (!rec)
        return SOCKET_ERROR;
    if (len < 0 || (!buf && len))
        return Fail(WSAEFAULT);
    sockaddr_storage source {};
    msghdr msg {};
    iovec iov { buf, size_t(len) };
    msg.msg_iov = &iov;
    msg.msg_iovlen = 1;
    int n = Blocking(*rec, POLLIN, rec->recvTimeout, [&] {
        msg.msg_name = &source;
        msg.msg_namelen = sizeof source;
        return int(::recvmsg(rec->fd, &msg, flags));
    });
    if (n < 0)
        return n;
    if (from && fromlen) {
        int copy = std::min(*fromlen, int(msg.msg_namelen));
        std::memcpy(from, &source, size_t(std::max(copy, 0)));
        *fromlen = int(msg.msg_namelen);
    }
    if (msg.msg_flags & MSG_TRUNC)
        return Fail(WSAEMSGSIZE);
    return n;
}

int setsockopt(SOCKET s, int level, int optname, const void* optval, int optlen)
{
    auto rec = Find(s);
    if (!rec)
        return SOCKET_ERROR;
    if (!optval || optlen < 0)
        return Fail(WSAEFAULT);
    if (level == SOL_SOCKET && (optname == SO_RCVTIMEO || optname == SO_SNDTIMEO)) {
        if (optlen < int(sizeof(DWORD)))
            return Fail(WSAEFAULT);
        DWORD ms;
        std::memcpy(&ms, optval, sizeof ms);
        (optname == SO_RCVTIMEO ? rec->recvTimeout : rec->sendTimeout) = ms;
        return 0;
    }
    if (level == SOL_SOCKET && optname == SO_LINGER && optlen == int(sizeof(WSALINGER))) {
        WSALINGER w;
        std::memcpy(&w, optval, sizeof w);
        linger l { w.l_onoff, w.l_linger };
        return ::setsockopt(rec->fd, level, optname, &l, sizeof l) == 0 ? 0 : FailErrno();
    }
    if (::setsockopt(rec->fd, level, optname, optval, socklen_t(optlen)) != 0)
        return FailErrno();
    if (level == SOL_SOCKET && optname == SO_BROADCAST && optlen >= int(sizeof(int))) {
        int on;
        std::memcpy(&on, optval, sizeof on);
        rec->broadcast = on != 0;
    }
    return 0;
}

int getsockopt(SOCKET s, int level, int optname, void* optval, int* optlen)
{
    auto rec = Find(s);
    if (!rec)
        return SOCKET_ERROR;
    if (!optval || !optlen)
        return Fail(WSAEFAULT);
    if (level == SOL_SOCKET && (optname == SO_RCVTIMEO || optname == SO_SNDTIMEO)) {
        if (*optlen < int(sizeof(DWORD)))
            return Fail(WSAEFAULT);
        DWORD ms = optname == SO_RCVTIMEO ? rec->recvTimeout : rec->sendTimeout;
        std::memcpy(optval, &ms, sizeof ms);
        *optlen = sizeof ms;
        return 0;
    }
    socklen_t len = socklen_t(*optlen);
    if (::getsockopt(rec->fd, level, optname, optval, &len) != 0)
        return FailErrno();
    *optlen = int(len);
    if (level == SOL_SOCKET && optname == SO_ERROR && len >= sizeof(int)) {
        int e;
        std::memcpy(&e, optval, sizeof e);
        e = WSAErrorFromErrno(e);
        std::memcpy(optval, &e, sizeof e);
    }
    return 0;
}

namespace
{

template <class Query> int AddressQuery(SOCKET s, sockaddr* name, int* namelen, Query query)
{
    auto rec = Find(s);
    if (!rec)
        return SOCKET_ERROR;
    if (!name || !namelen)
        return Fail(WSAEFAULT);
    socklen_t len = socklen_t(*namelen);
    if (query(rec->fd, name, &len) != 0)
        return FailErrno();
    *namelen = int(len);
    return 0;
}

} // namespace

int getsockname(SOCKET s, sockaddr* name, int* namelen)
{
    return AddressQuery(s, name, namelen, ::getsockname);
}

int getpeername(SOCKET s, sockaddr* name, int* namelen)
{
    return AddressQuery(s, name, namelen, ::getpeername);
}

int shutdown(SOCKET s, int how)
{
    auto rec = Find(s);
    if (!rec)
        return SOCKET_ERROR;
    return ::shutdown(rec->fd, how) == 0 ? 0 : FailErrno();
}

int ioctlsocket(SOCKET s, unsigned long cmd, unsigned long* argp)
{
    auto rec = Find(s);
    if (!rec)
        return SOCKET_ERROR;
    if (!argp)
        return Fail(WSAEFAULT);
    if (cmd == FIONBIO) {
        rec->nonBlocking = *argp != 0;
        return 0;
    }
    if (cmd == FIONREAD) {
        int n = 0;
        if (::ioctl(rec->fd, FIONREAD, &n) != 0)
            return FailErrno();
        *argp = unsigned(n);
        return 0;
    }
    return Fail(WSAEINVAL);
}

int select(SOCKET s, bool read, bool write, bool except, int timeoutMs, SelectResult* result)
{
    auto rec = Find(s);
    if (!rec)
        return SOCKET_ERROR;
    short events = short((read ? POLLIN : 0) | (write ? POLLOUT : 0) | (except ? POLLPRI : 0));
    pollfd fds[2] = { { rec->fd, events, 0 }, { rec->wakeFd, POLLIN, 0 } };
    int n;
    do
        n = ::poll(fds, 2, timeoutMs < 0 ? -1 : timeoutMs);
    while (n < 0 && errno == EINTR);
    if (n < 0)
        return FailErrno();
    if (fds[1].revents)
        return Fail(WSAENOTSOCK);
    SelectResult r;
    short ev = fds[0].revents;
    r.readable = read && (ev & (POLLIN | POLLHUP | POLLERR));
    r.writable = write && (ev & POLLOUT) && !(ev & POLLERR);
    r.failed = except && (ev & (POLLERR | POLLPRI));
    if (result)
        *result = r;
    return int(r.readable) + int(r.writable) + int(r.failed);
}

int NativeHandle(SOCKET s)
{
    auto rec = Find(s);
    return rec ? rec->fd : -1;
}

} // namespace ws

namespace ws_internal
{

bool Pin(SOCKET s, Pinned& out)
{
    auto rec = Find(s);
    if (!rec)
        return false;
    out.fd = rec->fd;
    out.wakeFd = rec->wakeFd;
    out.keep = rec;
    return true;
}

bool IsNonBlocking(SOCKET s)
{
    auto rec = Find(s);
    return rec && rec->nonBlocking;
}

} // namespace ws_internal
