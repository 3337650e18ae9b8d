#include "sim/TcpService.h"

#include <netinet/in.h>
#include <netinet/tcp.h>
#include <sys/socket.h>

namespace sim
{

TcpService::~TcpService()
{
    Stop();
}

bool TcpService::Start(const std::string& address, uint16_t port)
{
    Stop();
    uint16_t bound = 0;
    m_listen = ListenTcp(address, port, &bound);
    if (m_listen < 0)
        return false;
    m_port = bound;
    {
        std::lock_guard<std::mutex> guard(m_addressLock);
        m_address = address;
    }
    m_stop.Reset();
    m_thread = std::thread([this] { Run(); });
    return true;
}

void TcpService::Stop()
{
    if (m_thread.joinable()) {
        m_stop.Raise();
        m_thread.join();
    }
    for (std::thread& worker : m_workers)
        worker.join();
    m_workers.clear();
    CloseSocket(m_listen);
    m_listen = -1;
}

std::string TcpService::Address() const
{
    std::lock_guard<std::mutex> guard(m_addressLock);
    return m_address;
}

bool TcpService::Rebind(const std::string& address, uint16_t port)
{
    uint16_t bound = 0;
    const int fd = ListenTcp(address, port, &bound);
    if (fd < 0)
        return false;
    // Run waits on m_listen afresh for every connection.
    CloseSocket(m_listen);
    m_listen = fd;
    m_port = bound;
    std::lock_guard<std::mutex> guard(m_addressLock);
    m_address = address;
    return true;
}

void TcpService::Run()
{
    while (WaitReadable(m_listen, m_stop.Fd())) {
        int fd = accept4(m_listen, nullptr, nullptr, SOCK_CLOEXEC);
        if (fd < 0)
            continue;
        int one = 1;
        setsockopt(fd, IPPROTO_TCP, TCP_NODELAY, &one, sizeof one);
        if (m_concurrent) {
            m_workers.emplace_back([this, fd] {
                Serve(fd);
                CloseSocket(fd);
            });
            continue;
        }
        Serve(fd);
        CloseSocket(fd);
    }
}

} // namespace sim
