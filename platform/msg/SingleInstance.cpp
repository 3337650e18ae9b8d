#include "platform/msg/SingleInstance.h"

#include <QDir>
#include <QFileInfo>
#include <QSocketNotifier>

#include <cerrno>
#include <cstdio>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>

namespace
{

// The holder listens on an abstract local socket named after the user and
// the lock file, so that nothing is left on disk when it ends.
socklen_t ActivationAddress(const CString& lockFile, sockaddr_un* address)
{
    uint64_t hash = 1469598103934665603ull;
    for (const char* p = lockFile.GetString(); *p; ++p)
        hash = (hash ^ uint8_t(*p)) * 1099511628211ull;
    *address = {};
    address->sun_family = AF_UNIX;
    int n = std::snprintf(address->sun_path + 1, sizeof address->sun_path - 1, "PellmoorTarnwick/%u/%016llx",
        unsigned(::getuid()), static_cast<unsigned long long>(hash));
    return socklen_t(offsetof(sockaddr_un, sun_path) + 1 + n);
}

} // namespace

struct CSingleInstance::Impl {
    int lockFd = -1;
    int listenFd = -1;
    std::unique_ptr<QSocketNotifier> notifier;
    std::function<void()> activate;
    CString lockFile;

    void OnConnection()
    {
        for (;;) {
            int fd = ::accept4(listenFd, nullptr, nullptr, SOCK_CLOEXEC | SOCK_NONBLOCK);
            if (fd < 0)
                return;
            // Only the same user may bring this window up.
            ucred peer {};
            socklen_t size = sizeof peer;
            const bool sameUser
                = ::getsockopt(fd, SOL_SOCKET, SO_PEERCRED, &peer, &size) == 0 && peer.uid == ::getuid();
            if (sameUser) {
                const char ack = 'A';
                (void)!::send(fd, &ack, 1, MSG_NOSIGNAL);
            }
            ::close(fd);
            if (sameUser && activate)
                activate();
        }
    }
};

CSingleInstance::CSingleInstance()
    : m(std::make_unique<Impl>())
{
}

CSingleInstance::~CSingleInstance()
{
    Release();
}

BOOL CSingleInstance::Claim(const CString& lockFile)
{
    Release();
    const QString path = QString::fromUtf8(lockFile.GetString());
    QDir().mkpath(QFileInfo(path).absolutePath());
    int fd = ::open(lockFile.GetString(), O_RDWR | O_CREAT | O_CLOEXEC, 0600);
    if (fd < 0)
        return TRUE;
    if (::flock(fd, LOCK_EX | LOCK_NB) != 0) {
        const bool held = errno == EWOULDBLOCK;
        ::close(fd);
        return held ? FALSE : TRUE;
    }
    m->lockFd = fd;
    m->lockFile = lockFile;
    return TRUE;
}

BOOL CSingleInstance::Listen(std::function<void()> activate)
{
    if (m->lockFd < 0 || m->listenFd >= 0)
        return FALSE;
    int fd = ::socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC | SOCK_NONBLOCK, 0);
    if (fd < 0)
        return FALSE;
    sockaddr_un address;
    socklen_t length = ActivationAddress(m->lockFile, &address);
    if (::bind(fd, reinterpret_cast<sockaddr*>(&address), length) != 0 || ::listen(fd, 4) != 0) {
        ::close(fd);
        return FALSE;
    }
    m->listenFd = fd;
    m->activate = std::move(activate);
    m->notifier = std::make_unique<QSocketNotifier>(fd, QSocketNotifier::Read);
    Impl* impl = m.get();
    QObject::connect(m->notifier.get(), &QSocketNotifier::activated, [impl] { impl->OnConnection(); });
    return TRUE;
}

void CSingleInstance::Release()
{
    m->notifier.reset();
    if (m->listenFd >= 0)
        ::close(m->listenFd);
    if (m->lockFd >= 0)
        ::close(m->lockFd);
    m->listenFd = m->lockFd = -1;
    m->activate = nullptr;
}

BOOL CSingleInstance::ActivateRunning(const CString& lockFile, DWORD timeoutMs)
{
    int fd = ::socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0);
    if (fd < 0)
        return FALSE;
    timeval wait { time_t(timeoutMs / 1000), suseconds_t(timeoutMs % 1000 * 1000) };
    ::setsockopt(fd, SOL_SOCKET, SO_RCVTIMEO, &wait, sizeof wait);
    sockaddr_un address;
    socklen_t length = ActivationAddress(lockFile, &address);
    char ack = 0;
    const bool answered = ::connect(fd, reinterpret_cast<sockaddr*>(&address), length) == 0
        && ::recv(fd, &ack, 1, 0) == 1 && ack == 'A';
    ::close(fd);
    return answered;
}
