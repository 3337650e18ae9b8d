#include "sim/SettingsStore.h"

#include "sim/CommandGroup.h"
#include "sim/DeviceCommands.h"

namespace sim
{

namespace
{

constexpr uint16_t kResetFlash = 0x0901;
// The sets that move where the device listens.
constexpr uint16_t kSetNetwork = 0x0302;
constexpr uint16_t kSetAltPort = 0x0A04;

uint32_t FirstWord(const Bytes& body, size_t at)
{
    WireReader in(body.data(), body.size());
    in.Skip(at);
    const uint32_t value = in.U32();
    return in.Short() ? 0 : value;
}

} // namespace

SettingsStore::SettingsStore(const DeviceProfile& profile)
    : m_state(profile)
{
    Seed();
}

std::string SettingsStore::AdminPassword() const
{
    std::lock_guard<std::mutex> guard(m_lock);
    return m_state.password;
}

std::string SettingsStore::Title() const
{
    std::lock_guard<std::mutex> guard(m_lock);
    return m_state.title;
}

void SettingsStore::SetAdminPassword(const std::string& password)
{
    std::lock_guard<std::mutex> guard(m_lock);
    m_state.password = password;
}

Bytes SettingsStore::Stored(uint16_t getCommand, uint32_t key) const
{
    std::lock_guard<std::mutex> guard(m_lock);
    auto it = m_state.values.find({ getCommand, key });
    return it == m_state.values.end() ? Bytes {} : it->second;
}

void SettingsStore::Store(uint16_t getCommand, uint32_t key, Bytes body)
{
    std::lock_guard<std::mutex> guard(m_lock);
    m_state.Value(getCommand, key) = std::move(body);
}

Bytes SettingsStore::StoredParameter(uint16_t group, uint16_t key) const
{
    std::lock_guard<std::mutex> guard(m_lock);
    auto it = m_state.params.find({ group, key });
    return it == m_state.params.end() ? Bytes {} : it->second;
}

void SettingsStore::StoreParameter(uint16_t group, uint16_t key, Bytes data)
{
    std::lock_guard<std::mutex> guard(m_lock);
    m_state.params[{ group, key }] = std::move(data);
}

Bytes SettingsStore::DiscoveryBody(bool withPort) const
{
    std::lock_guard<std::mutex> guard(m_lock);
    return sim::DiscoveryBody(m_state, withPort);
}

Bytes SettingsStore::DeviceInfoBody() const
{
    std::lock_guard<std::mutex> guard(m_lock);
    return sim::DeviceInfoBody(m_state);
}

void SettingsStore::Seed()
{
    m_state.values.clear();
    m_state.params.clear();
    for (const CommandGroup& group : CommandGroups())
        if (group.seed)
            group.seed(m_state);
}

void SettingsStore::StartReboot()
{
    std::lock_guard<std::mutex> guard(m_lock);
    m_bRebooting = true;
    m_rebootEnd = std::chrono::steady_clock::now()
        + std::chrono::milliseconds(m_state.profile.rebootMs < 0 ? 0 : m_state.profile.rebootMs);
}

bool SettingsStore::Rebooting() const
{
    std::lock_guard<std::mutex> guard(m_lock);
    if (!m_bRebooting)
        return false;
    return m_state.profile.rebootMs < 0 || std::chrono::steady_clock::now() < m_rebootEnd;
}

bool SettingsStore::Answer(uint16_t command, const Bytes& params, SimReply* reply)
{
    reply->status = 0;
    reply->body.clear();
    std::lock_guard<std::mutex> guard(m_lock);

    if (command == kResetFlash) {
        // Back to the values the device left the factory with.
        m_state.password = m_state.profile.password;
        Seed();
        return true;
    }
    const bool moves = command == kSetNetwork || command == kSetAltPort;
    const Endpoint before = moves ? ListeningLocked() : Endpoint();
    for (const CommandGroup& group : CommandGroups()) {
        if (group.answer && group.answer(m_state, command, params, reply)) {
            if (moves && reply->status == 0 && !(ListeningLocked() == before))
                ++m_moves;
            return true;
        }
    }
    return false;
}

SettingsStore::Endpoint SettingsStore::Listening() const
{
    std::lock_guard<std::mutex> guard(m_lock);
    return ListeningLocked();
}

SettingsStore::Endpoint SettingsStore::ListeningLocked() const
{
    Endpoint endpoint;
    auto network = m_state.values.find({ 0x0301, 0 });
    endpoint.address = network == m_state.values.end() ? 0 : FirstWord(network->second, 0);
    if (!endpoint.address)
        endpoint.address = m_state.profile.address;
    auto alt = m_state.values.find({ 0x0A03, 0 });
    if (alt != m_state.values.end() && FirstWord(alt->second, 0) == 1)
        endpoint.firewallPort = FirstWord(alt->second, 4);
    return endpoint;
}

unsigned SettingsStore::Moves() const
{
    std::lock_guard<std::mutex> guard(m_lock);
    return m_moves;
}

} // namespace sim
