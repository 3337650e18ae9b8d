// A TCP server on its own thread that serves one connection at a time; the
// simulator's configuration and FTP roles build on it.
#pragma once

#include "sim/SimSocket.h"

#include <atomic>
#include <cstdint>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

namespace sim
{

class TcpService
{
public:
    TcpService() = default;
    virtual ~TcpService();
    TcpService(const TcpService&) = delete;
    TcpService& operator=(const TcpService&) = delete;

    // Listens on address:port (127.0.0.x in tests; port 0 picks one).
    bool Start(const std::string& address, uint16_t port);
    // Ends the thread; a derived class calls it first in its destructor.
    void Stop();
    uint16_t Port() const { return m_port; }
    std::string Address() const;

protected:
    // Serves one accepted connection; the service closes it afterwards.
    virtual void Serve(int fd) = 0;
    // From Serve of a service that serves one connection at a time: listens
    // at address:port from the next connection on. False (and nothing
    // changed) when that address cannot be bound.
    bool Rebind(const std::string& address, uint16_t port);
    int StopFd() const { return m_stop.Fd(); }
    // Before Start: each connection is served on a thread of its own, as a
    // server that many clients stay logged in to at once.
    void ServeConcurrently() { m_concurrent = true; }

private:
    void Run();

    StopSignal m_stop;
    std::thread m_thread;
    bool m_concurrent = false;
    std::vector<std::thread> m_workers; // of the concurrent connections
    int m_listen = -1;
    std::atomic<uint16_t> m_port { 0 };
    mutable std::mutex m_addressLock;
    std::string m_address;
};

} // namespace sim
