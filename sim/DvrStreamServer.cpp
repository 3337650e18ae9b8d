#include "sim/DvrStreamServer.h"

#include "link/ByteOrder.h"
#include "link/Md4.h"
#include "sim/DvrStreamFrames.h"
#include "sim/DvrStreamSession.h"

#include <cstring>

namespace sim
{

DvrStreamServer::DvrStreamServer(const DeviceProfile& profile)
    : m_profile(profile)
{
    InitNetByteOrder();
    ServeConcurrently();
}

DvrStreamServer::~DvrStreamServer()
{
    Stop();
}

void DvrStreamServer::SetPicture(const DvrPicture& picture)
{
    std::lock_guard<std::mutex> guard(m_lock);
    m_picture = picture;
}

DvrPicture DvrStreamServer::Picture() const
{
    std::lock_guard<std::mutex> guard(m_lock);
    return m_picture;
}

void DvrStreamServer::SetFault(uint16_t id, const Fault& fault)
{
    std::lock_guard<std::mutex> guard(m_lock);
    m_faults[id] = fault;
}

void DvrStreamServer::ClearFaults()
{
    std::lock_guard<std::mutex> guard(m_lock);
    m_faults.clear();
}

bool DvrStreamServer::FaultFor(uint16_t id, Fault* fault) const
{
    std::lock_guard<std::mutex> guard(m_lock);
    auto it = m_faults.find(id);
    if (it == m_faults.end())
        return false;
    *fault = it->second;
    return true;
}

std::vector<DvrExchange> DvrStreamServer::Log() const
{
    std::lock_guard<std::mutex> guard(m_lock);
    return m_log;
}

void DvrStreamServer::ClearLog()
{
    std::lock_guard<std::mutex> guard(m_lock);
    m_log.clear();
}

std::vector<DvrExchange> DvrStreamServer::Requests(uint16_t id) const
{
    std::vector<DvrExchange> found;
    for (const DvrExchange& e : Log())
        if (e.id == id)
            found.push_back(e);
    return found;
}

size_t DvrStreamServer::Record(const DvrExchange& exchange)
{
    std::lock_guard<std::mutex> guard(m_lock);
    m_log.push_back(exchange);
    return m_log.size() - 1;
}

void DvrStreamServer::SetStatus(size_t entry, uint16_t status)
{
    std::lock_guard<std::mutex> guard(m_lock);
    if (entry < m_log.size())
        m_log[entry].status = status;
}

bool DvrStreamServer::Authorized(const Bytes& body) const
{
    if (body.size() < 32)
        return false;
    auto digest = [](const std::string& text, uint8_t out[16]) {
        uint8_t field[16] = {};
        std::memcpy(field, text.data(), std::min<size_t>(text.size(), 16));
        MD4Digest(field, sizeof field, out);
    };
    uint8_t user[16], password[16];
    digest("admin", user);
    digest(m_profile.password, password);
    return std::memcmp(body.data(), user, 16) == 0 && std::memcmp(body.data() + 16, password, 16) == 0;
}

void DvrStreamServer::Serve(int fd)
{
    DvrStreamSession session(*this, fd, ++m_connections, StopFd());
    session.Run();
}

} // namespace sim
