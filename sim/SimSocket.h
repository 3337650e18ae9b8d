// Small POSIX socket helpers of the simulator's servers.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

namespace sim
{

// A listening TCP socket on address:port (port 0: any free port); gives the
// descriptor and the port it got, or -1.
int ListenTcp(const std::string& address, uint16_t port, uint16_t* boundPort);
// A TCP connection to address:port, or -1.
int ConnectTcp(const std::string& address, uint16_t port);
// Waits until fd is readable or stopFd is signalled; false on stop or error.
bool WaitReadable(int fd, int stopFd, int timeoutMs = -1);
// Reads exactly n bytes unless the peer closes, an error or stop comes first.
bool ReadFull(int fd, void* buf, size_t n, int stopFd);
// Reads one line up to its line feed (cut at `room` - 1 characters, the rest
// read and dropped); false when the peer closes first.
bool ReadLine(int fd, std::string* line, size_t room, int stopFd);
bool SendAll(int fd, const void* buf, size_t n);
bool SendText(int fd, const std::string& text);
void CloseSocket(int fd);

// A pipe whose write end wakes every waiter of its read end.
class StopSignal
{
public:
    StopSignal();
    ~StopSignal();
    StopSignal(const StopSignal&) = delete;
    StopSignal& operator=(const StopSignal&) = delete;
    void Raise();
    void Reset();
    int Fd() const { return m_fds[0]; }

private:
    int m_fds[2] = { -1, -1 };
};

} // namespace sim
