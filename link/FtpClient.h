// A minimal blocking FTP client through which Setup queries the registration
// server: login, a passive data connection, and a RETR whose "file name" is
// the Base64 text of a scrambled query record.
#pragma once

#include "link/RegServerRecords.h"
#include "platform/msg/WinSock.h"

#include <atomic>
#include <cstddef>
#include <cstdint>

// The registration server's FTP service and its fixed login.
constexpr int REGSERVER_FTP_PORT = 21;
constexpr char REGSERVER_FTP_USER[] = "zq";
constexpr char REGSERVER_FTP_PASSWORD[] = "qv";

class CFtpClient
{
public:
    using ReplyObserver = void (*)(void* userData, const char* line);

    CFtpClient();
    virtual ~CFtpClient();
    CFtpClient(const CFtpClient&) = delete;
    CFtpClient& operator=(const CFtpClient&) = delete;

    // Logs in: the greeting, USER (331 needed), PASS (230 needed).
    bool Connect(const char* host, int port, const char* user, const char* password);
    // Connect to the registration server's FTP service at `host`.
    bool ConnectToRegServer(const char* host);
    bool SendCommand(const char* text);
    // Gives the code of the last line of a (multi-line) reply, 0 on failure.
    // A line longer than the buffer is cut and read on to its line feed; a
    // line without end, a reply of endless continuation lines or one that
    // is not whole within the transfer time-out fails.
    int ReadReply(char* buffer, int size);
    bool OpenPassive();
    // Receives at most `count` records into `records` (a bounded rest of
    // what the server sends is read and dropped); gives the number stored
    // or -1.
    int RetrieveRecords(uint32_t protocol, const RegServerRecord& query, uint32_t start, uint32_t count,
        RegServerRecord* records, uint32_t* total);
    // The address text of the first record matching the keys (each may be
    // null), as a new[]-free heap copy (free()), or null.
    char* QueryDeviceAddress(uint32_t protocol, const char* mac, const char* key32, const char* key16);
    // Logs in to the registration server at `host`, asks for the address
    // of the device with these keys and closes: the address text (free()),
    // or null when the login fails or no address comes.
    static char* LookUpDeviceAddress(
        const char* host, uint32_t protocol, const char* mac, const char* key32, const char* key16);

    // Takes one record of a download; false ends the download.
    using RecordTaker = bool (*)(void* user, const RegServerRecord& record);
    // Downloads every record matching `query` from the registration server
    // at `host`, `pageSize` records per retrieve from the first, handing
    // each to `take` in order. Ends on a failed login or retrieve, a page
    // without records, the server's total reached, `take` giving false or
    // `keepGoing` (when given) turning 0. Gives the records taken.
    int FetchAll(const char* host, uint32_t protocol, const RegServerRecord& query, uint32_t pageSize,
        RecordTaker take, void* user, const std::atomic<int>* keepGoing = nullptr);
    void Close();
    // From another thread: ends the call the owning thread is blocked in,
    // and every connection it would still open, by shutting the sockets
    // down; the owning thread then fails and closes them itself.
    void Abort();

    static int SendAll(SOCKET s, const char* bytes, int count);
    static int RecvAll(SOCKET s, char* buffer, int count);
    static bool ConnectWithTimeout(SOCKET s, const sockaddr_in& address, int seconds);

    ReplyObserver m_pfnObserver = nullptr;
    void* m_pObserverData = nullptr;
    // A reply announcing more records than were asked for fails the
    // retrieve instead of being cut to the count.
    bool m_bRefuseSurplus = false;

private:
    void CloseControl();
    void CloseData();

    std::atomic<bool> m_bAborted { false };
    SOCKET m_control = 0;
    SOCKET m_data = 0;
    char* m_pszUser = nullptr;
    char* m_pszPassword = nullptr;
    sockaddr_in m_controlAddress {};
    sockaddr_in m_dataAddress {};
};
