#include "sim/SimSocket.h"

#include <arpa/inet.h>
#include <cerrno>
#include <fcntl.h>
#include <netinet/in.h>
#include <netinet/tcp.h>
#include <poll.h>
#include <sys/socket.h>
#include <unistd.h>

namespace sim
{

int ListenTcp(const std::string& address, uint16_t port, uint16_t* boundPort)
{
    int fd = socket(AF_INET, SOCK_STREAM | SOCK_CLOEXEC, 0);
    if (fd < 0)
        return -1;
    int one = 1;
    setsockopt(fd, SOL_SOCKET, SO_REUSEADDR, &one, sizeof one);
    sockaddr_in sa {};
    sa.sin_family = AF_INET;
    sa.sin_port = htons(port);
    if (inet_pton(AF_INET, address.c_str(), &sa.sin_addr) != 1
        || bind(fd, reinterpret_cast<sockaddr*>(&sa), sizeof sa) != 0 || listen(fd, 16) != 0) {
        close(fd);
        return -1;
    }
    socklen_t len = sizeof sa;
    getsockname(fd, reinterpret_cast<sockaddr*>(&sa), &len);
    if (boundPort)
        *boundPort = ntohs(sa.sin_port);
    return fd;
}

int ConnectTcp(const std::string& address, uint16_t port)
{
    int fd = socket(AF_INET, SOCK_STREAM | SOCK_CLOEXEC, 0);
    if (fd < 0)
        return -1;
    sockaddr_in sa {};
    sa.sin_family = AF_INET;
    sa.sin_port = htons(port);
    if (inet_pton(AF_INET, address.c_str(), &sa.sin_addr) != 1
        || connect(fd, reinterpret_cast<sockaddr*>(&sa), sizeof sa) != 0) {
        close(fd);
        return -1;
    }
    return fd;
}

bool WaitReadable(int fd, int stopFd, int timeoutMs)
{
    pollfd fds[2] = { { fd, POLLIN, 0 }, { stopFd, POLLIN, 0 } };
    for (;;) {
        int n = poll(fds, stopFd >= 0 ? 2 : 1, timeoutMs);
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0)
            return false;
        if (stopFd >= 0 && fds[1].revents)
            return false;
        return true;
    }
}

bool ReadFull(int fd, void* buf, size_t n, int stopFd)
{
    auto p = static_cast<uint8_t*>(buf);
    while (n) {
        if (!WaitReadable(fd, stopFd))
            return false;
        ssize_t got = recv(fd, p, n, 0);
        if (got < 0 && errno == EINTR)
            continue;
        if (got <= 0)
            return false;
        p += got;
        n -= static_cast<size_t>(got);
    }
    return true;
}

bool ReadLine(int fd, std::string* line, size_t room, int stopFd)
{
    line->clear();
    for (;;) {
        char c;
        if (!ReadFull(fd, &c, 1, stopFd))
            return false;
        if (line->size() + 1 < room)
            line->push_back(c);
        if (c == '\n')
            return true;
    }
}

bool SendAll(int fd, const void* buf, size_t n)
{
    auto p = static_cast<const uint8_t*>(buf);
    while (n) {
        ssize_t sent = send(fd, p, n, MSG_NOSIGNAL);
        if (sent < 0 && errno == EINTR)
            continue;
        if (sent <= 0)
            return false;
        p += sent;
        n -= static_cast<size_t>(sent);
    }
    return true;
}

bool SendText(int fd, const std::string& text)
{
    return SendAll(fd, text.data(), text.size());
}

void CloseSocket(int fd)
{
    if (fd >= 0)
        close(fd);
}

StopSignal::StopSignal()
{
    if (pipe2(m_fds, O_CLOEXEC | O_NONBLOCK) != 0)
        m_fds[0] = m_fds[1] = -1;
}

StopSignal::~StopSignal()
{
    CloseSocket(m_fds[0]);
    CloseSocket(m_fds[1]);
}

void StopSignal::Raise()
{
    char c = 1;
    if (write(m_fds[1], &c, 1) < 0) {
        // Already raised: the pipe holds a byte.
    }
}

void StopSignal::Reset()
{
    char buf[16];
    while (read(m_fds[0], buf, sizeof buf) > 0) { }
}

} // namespace sim
