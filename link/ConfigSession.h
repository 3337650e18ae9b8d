// The configuration session: for every request a new TCP connection to the
// device's configuration port, one request, one reply, close.
#pragma once

#include "link/ConfigBlock.h"
#include "link/ConfigRecords.h"
#include "link/Deadline.h"
#include "platform/base/String.h"
#include "platform/msg/WinSock.h"

#include <cstddef>
#include <cstdint>
#include <type_traits>

// How one exchange ended. A refusal is the device's answer with a status
// (a known one was shown); no connection means no answer came: the connect,
// send or receive failed, the reply was cut or too long, or it answered
// another request.
enum ConfigResult {
    CONFIG_DONE,
    CONFIG_REFUSED,
    CONFIG_NO_CONNECTION,
};

// The model number that tells the registration server the device's kind.
uint32_t RegServerModelNumber();

class CConfigSession
{
public:
    CConfigSession();
    virtual ~CConfigSession();
    CConfigSession(const CConfigSession&) = delete;
    CConfigSession& operator=(const CConfigSession&) = delete;

    // The dotted address to connect to; with the lookup flag of the current
    // device and `lookupAllowed`, asked of the registration server first.
    // The result (at most 23 characters) becomes the device's address.
    void ResolveDeviceAddress(char address[24], BOOL lookupAllowed);
    BOOL Connect(const char* address, uint32_t port);
    // 1 when every byte went out in one send, -1 otherwise.
    int Send(const uint8_t* buf, int length);
    // Receives one whole reply into buf (`capacity` bytes); 1, or -1 on a
    // socket error, an early close, a reply longer than the buffer or the
    // end of the exchange's time.
    int ReceiveReply(uint8_t* buf, int headerSize, size_t capacity);
    void Close();
    void SetNormalTimeout();
    void SetLongTimeout();
    // True for status 0; a known status shows its message once.
    BOOL CheckStatus(uint32_t status);
    BOOL Transact(ConfigRequest* request, ConfigReply* reply, BOOL lookupAllowed);
    // Builds the request as every request of the program is built ("admin"
    // and the session password, then `paramSize` bytes of parameters) and
    // decodes the answer into `reply` (a scratch record when null). A request
    // that has a fixed method below is exchanged as that method does.
    ConfigResult Exchange(uint16_t command, uint32_t length, const void* params, size_t paramSize,
        ConfigReply* reply, BOOL lookupAllowed);
    // The same for a typed block: its parameters from `params`; on success
    // the reply's fields are copied into `*fields` (lists a reply carries
    // stay owned by `reply` until it takes its next answer).
    template <class Params, class Fields>
    ConfigResult Request(const ConfigBlock<Params, Fields>& block, const std::type_identity_t<Params>& params,
        std::type_identity_t<Fields>* fields, ConfigReply& reply)
    {
        static_assert(std::is_trivially_copyable_v<Params>);
        static_assert(sizeof(Params) <= sizeof ConfigRequest::params);
        constexpr bool hasParams = !std::is_same_v<Params, CFG_NONE>;
        const ConfigResult result = Exchange(block.command, block.LengthOf(params),
            hasParams ? &params : nullptr, hasParams ? sizeof params : 0, &reply, block.lookupAllowed);
        if constexpr (!std::is_same_v<Fields, CFG_NONE>) {
            if (result == CONFIG_DONE && fields)
                *fields = ReplyFields<Fields>(reply);
        }
        return result;
    }
    static void ParseStoredAddress();
    BOOL IsBusy() { return FALSE; }

    // The fixed requests.
    BOOL GetDeviceInfo(ConfigReply* reply);
    BOOL Reboot();
    BOOL GetTimeZone(ConfigReply* reply);
    BOOL GetUserList(ConfigReply* reply);
    BOOL GetIpConfig(ConfigReply* reply);
    BOOL GetXdslAccount(ConfigReply* reply);
    BOOL GetDhcp(ConfigReply* reply);
    BOOL GetChannelConfig(ConfigReply* reply);
    BOOL GetSecurity(ConfigReply* reply);
    BOOL GetScreenAdjust(uint8_t source, ConfigReply* reply);
    BOOL GetSchedule(uint32_t slot, ConfigReply* reply);
    BOOL GetSchedule0703(ConfigReply* reply);
    BOOL GetHddInfo(ConfigReply* reply);
    BOOL FormatHdd();
    BOOL ResetFlash(ConfigReply* reply);
    BOOL GetServerPorts(ConfigReply* reply);
    BOOL GetAltPort(ConfigReply* reply);
    BOOL Get0B01(ConfigReply* reply);
    BOOL GetStreamServer(ConfigReply* reply);
    BOOL GetDaylightSaving(ConfigReply* reply);
    BOOL GetAudioGain(uint8_t source, ConfigReply* reply);
    BOOL Get0E03(ConfigReply* reply);
    BOOL GetStreamStatus(ConfigReply* reply);

    BOOL Send0106(ConfigRequest* record);
    BOOL SetTimeZone(ConfigRequest* record);
    BOOL Send0202(ConfigRequest* record);
    BOOL SetIpConfig(ConfigRequest* record);
    BOOL SetXdslAccount(ConfigRequest* record);
    BOOL SetDhcp(ConfigRequest* record);
    BOOL SetChannelConfig(ConfigRequest* record);
    BOOL SetSecurity(ConfigRequest* record);
    BOOL SetScreenAdjust(ConfigRequest* record);
    BOOL SetSchedule(ConfigRequest* record);
    BOOL Send0704(ConfigRequest* record);
    BOOL SetHddConfig(ConfigRequest* record);
    BOOL SetServerPorts(ConfigRequest* record);
    BOOL SetAltPort(ConfigRequest* record);
    BOOL GetChannelInfo(ConfigRequest* record);
    BOOL SetStreamServer(ConfigRequest* record);
    BOOL SetDaylightSaving(ConfigRequest* record);
    BOOL SetAudioGain(ConfigRequest* record);
    BOOL Send0E04(ConfigRequest* record);
    BOOL Send0E06(ConfigRequest* record);

    CString m_strMessage; // text of the last message box shown
    // A session that runs off the window's thread shows no box: a known
    // status only leaves its text in m_strMessage for the owner to show.
    bool m_bQuietStatus = false;
    bool m_bFirstHeader = true;
    uint32_t m_nTimeout = 180; // seconds, for the next connection
    SOCKET m_socket = 0;

private:
    struct Plan;
    CDeadline m_deadline; // of the exchange in progress
    ConfigResult Run(const Plan& plan);
    BOOL Get(uint16_t command, uint32_t length, const void* param, size_t paramSize, ConfigReply* reply);
    BOOL Set(ConfigRequest* record, size_t bufferSize = 1024);
};
