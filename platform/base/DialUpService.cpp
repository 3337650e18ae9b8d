#include "platform/base/DialUpService.h"

#include <atomic>

namespace
{

// Linux has no dial-up networking: every dial fails with a text that says
// so, and there is never an open connection to test for or hang up.
class UnavailableDialUpService : public IDialUpService
{
public:
    DWORD Dial(const char*, const char*, const char*, HRASCONN* connection) override
    {
        *connection = nullptr;
        return ERROR_DIALUP_NOT_AVAILABLE;
    }
    DWORD GetConnectStatus(HRASCONN, RASCONNSTATUS*) override { return ERROR_INVALID_HANDLE; }
    DWORD HangUp(HRASCONN) override { return 0; }
    DWORD EnumConnections(std::vector<HRASCONN>* connections, size_t) override
    {
        connections->clear();
        return 0;
    }
    bool GetErrorString(DWORD error, std::string* text) override
    {
        if (error != ERROR_DIALUP_NOT_AVAILABLE)
            return false;
        *text = "Dial-up networking is not available on this system.";
        return true;
    }
};

std::atomic<IDialUpService*> g_override { nullptr };

} // namespace

template <> PLATFORM_API IDialUpService& Service<IDialUpService>()
{
    static UnavailableDialUpService builtin;
    IDialUpService* impl = g_override.load();
    return impl ? *impl : builtin;
}

template <> PLATFORM_API IDialUpService* InstallService<IDialUpService>(IDialUpService* impl)
{
    return g_override.exchange(impl);
}

HRASCONN ScriptedDialUpService::Open(bool refuseHangUp)
{
    auto handle = reinterpret_cast<HRASCONN>(m_nextHandle++);
    m_open[handle].refuseHangUp = refuseHangUp;
    return handle;
}

DWORD ScriptedDialUpService::Dial(
    const char* phoneNumber, const char* userName, const char* password, HRASCONN* connection)
{
    std::lock_guard lock(m_mutex);
    m_dials.push_back({ phoneNumber ? phoneNumber : "", userName ? userName : "", password ? password : "" });
    // A failed dial may still leave a handle behind, which the caller hangs up.
    *connection = Open(false);
    m_queries = 0;
    return m_dialResult;
}

DWORD ScriptedDialUpService::GetConnectStatus(HRASCONN connection, RASCONNSTATUS* status)
{
    std::lock_guard lock(m_mutex);
    if (!m_open.count(connection))
        return ERROR_INVALID_HANDLE;
    size_t index = m_queries < m_states.size() ? m_queries : m_states.size() - 1;
    ++m_queries;
    status->rasconnstate = m_states.empty() ? RASCS_Connected : m_states[index];
    status->dwError = 0;
    return 0;
}

DWORD ScriptedDialUpService::HangUp(HRASCONN connection)
{
    std::lock_guard lock(m_mutex);
    ++m_hangUps;
    auto it = m_open.find(connection);
    if (it == m_open.end())
        return connection ? ERROR_INVALID_HANDLE : 0;
    if (it->second.refuseHangUp)
        return ERROR_INVALID_HANDLE;
    m_open.erase(it);
    return 0;
}

DWORD ScriptedDialUpService::EnumConnections(std::vector<HRASCONN>* connections, size_t room)
{
    std::lock_guard lock(m_mutex);
    connections->clear();
    if (m_enumResult)
        return m_enumResult;
    for (const auto& entry : m_open) {
        if (connections->size() == room)
            break;
        connections->push_back(entry.first);
    }
    return 0;
}

bool ScriptedDialUpService::GetErrorString(DWORD error, std::string* text)
{
    std::lock_guard lock(m_mutex);
    auto it = m_errorTexts.find(error);
    if (it == m_errorTexts.end())
        return false;
    *text = it->second;
    return true;
}

void ScriptedDialUpService::SetDialResult(DWORD error)
{
    std::lock_guard lock(m_mutex);
    m_dialResult = error;
}

void ScriptedDialUpService::SetStates(std::vector<int> states)
{
    std::lock_guard lock(m_mutex);
    m_states = std::move(states);
}

void ScriptedDialUpService::SetErrorText(DWORD error, std::string text)
{
    std::lock_guard lock(m_mutex);
    m_errorTexts[error] = std::move(text);
}

void ScriptedDialUpService::AddOpenConnection(bool refuseHangUp)
{
    std::lock_guard lock(m_mutex);
    Open(refuseHangUp);
}

void ScriptedDialUpService::SetEnumResult(DWORD error)
{
    std::lock_guard lock(m_mutex);
    m_enumResult = error;
}

std::vector<ScriptedDialUpService::Dialled> ScriptedDialUpService::Dials() const
{
    std::lock_guard lock(m_mutex);
    return m_dials;
}

size_t ScriptedDialUpService::OpenConnections() const
{
    std::lock_guard lock(m_mutex);
    return m_open.size();
}

size_t ScriptedDialUpService::StatusQueries() const
{
    std::lock_guard lock(m_mutex);
    return m_queries;
}

size_t ScriptedDialUpService::HangUps() const
{
    std::lock_guard lock(m_mutex);
    return m_hangUps;
}
