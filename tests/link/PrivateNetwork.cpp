// Linked into every test program that uses the fixed discovery and
// registration-server ports: the program runs in a network namespace of its
// own, so that programs ctest runs side by side never answer each other's
// broadcasts or take each other's datagrams. Without the right to make one,
// the program stays in the test run's namespace.
#include <cstring>
#include <net/if.h>
#include <sched.h>
#include <sys/ioctl.h>
#include <sys/socket.h>
#include <unistd.h>

namespace
{

bool EnterPrivateNetwork()
{
    if (unshare(CLONE_NEWNET) != 0)
        return false;
    int fd = socket(AF_INET, SOCK_DGRAM | SOCK_CLOEXEC, 0);
    if (fd < 0)
        return false;
    ifreq ifr {};
    std::strncpy(ifr.ifr_name, "lo", IFNAMSIZ - 1);
    bool up = ioctl(fd, SIOCGIFFLAGS, &ifr) == 0;
    ifr.ifr_flags |= IFF_UP;
    up = up && ioctl(fd, SIOCSIFFLAGS, &ifr) == 0;
    close(fd);
    return up;
}

// Runs before main, while the program has one thread.
const bool g_privateNetwork = EnterPrivateNetwork();

} // namespace
