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
    m_listen = ListenTcp(address, port, &m_port);
    if (m_listen < 0)
        return false;
    m_address = address;
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
