// The dial-up networking service: dial a number, follow the connection's
// state, list and hang up open connections. Linux has no such service; the
// built-in says so with a clear text, and tests install a scripted service
// that plays any sequence of states.
#pragma once

#include "platform/base/Errors.h"
#include "platform/base/Services.h"

#include <map>
#include <mutex>
#include <string>
#include <vector>

struct RasConnection;
using HRASCONN = RasConnection*;

// Connection states with their documented values.
constexpr int RASCS_OpenPort = 0;
constexpr int RASCS_DeviceConnected = 3;
constexpr int RASCS_AuthNotify = 6;
constexpr int RASCS_Connected = 0x2000;
constexpr int RASCS_Disconnected = 0x2001;

// The error of every dial on a system without dial-up networking.
constexpr DWORD ERROR_DIALUP_NOT_AVAILABLE = 0x20000001;

struct RASCONNSTATUS {
    DWORD dwSize = 160;
    int rasconnstate = 0;
    DWORD dwError = 0;
};

class PLATFORM_API IDialUpService
{
public:
    virtual ~IDialUpService() = default;
    // Starts dialling; gives 0 and the connection, or an error code (the
    // connection may still be set then and must be hung up).
    virtual DWORD Dial(
        const char* phoneNumber, const char* userName, const char* password, HRASCONN* connection)
        = 0;
    virtual DWORD GetConnectStatus(HRASCONN connection, RASCONNSTATUS* status) = 0;
    virtual DWORD HangUp(HRASCONN connection) = 0;
    // The open connections, at most `room` of them; 0 or an error code.
    virtual DWORD EnumConnections(std::vector<HRASCONN>* connections, size_t room) = 0;
    // The system's text for an error code; false when it has none.
    virtual bool GetErrorString(DWORD error, std::string* text) = 0;
};

template <> PLATFORM_API IDialUpService& Service<IDialUpService>();
template <> PLATFORM_API IDialUpService* InstallService<IDialUpService>(IDialUpService* impl);

// For tests: Dial gives `dialResult`; each status query gives the next of
// `states` (the last one repeats); open connections are counted and can be
// made to refuse their hang-up. Safe to use from the dialling thread.
class PLATFORM_API ScriptedDialUpService : public IDialUpService
{
public:
    struct Dialled {
        std::string number, user, password;
    };

    DWORD Dial(
        const char* phoneNumber, const char* userName, const char* password, HRASCONN* connection) override;
    DWORD GetConnectStatus(HRASCONN connection, RASCONNSTATUS* status) override;
    DWORD HangUp(HRASCONN connection) override;
    DWORD EnumConnections(std::vector<HRASCONN>* connections, size_t room) override;
    bool GetErrorString(DWORD error, std::string* text) override;

    // Script, set before dialling.
    void SetDialResult(DWORD error);
    void SetStates(std::vector<int> states);
    void SetErrorText(DWORD error, std::string text);
    // Adds an open connection (as if dialled earlier); `refuseHangUp` makes
    // its hang-up fail.
    void AddOpenConnection(bool refuseHangUp = false);
    void SetEnumResult(DWORD error);

    // What happened.
    std::vector<Dialled> Dials() const;
    size_t OpenConnections() const;
    size_t StatusQueries() const;
    size_t HangUps() const;

private:
    struct Connection {
        bool refuseHangUp = false;
    };
    HRASCONN Open(bool refuseHangUp);

    mutable std::mutex m_mutex;
    DWORD m_dialResult = 0;
    DWORD m_enumResult = 0;
    std::vector<int> m_states { RASCS_Connected };
    std::map<DWORD, std::string> m_errorTexts;
    std::map<HRASCONN, Connection> m_open;
    uintptr_t m_nextHandle = 1;
    std::vector<Dialled> m_dials;
    size_t m_queries = 0;
    size_t m_hangUps = 0;
};
