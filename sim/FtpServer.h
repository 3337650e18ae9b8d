// The registration server's FTP role: a login, passive data connections and
// RETR of a Base64 query, answered with the matching device records.
#pragma once

#include "sim/RegisteredDevice.h"
#include "sim/TcpService.h"

#include <cstdint>
#include <mutex>
#include <string>
#include <vector>

namespace sim
{

class FtpServer : public TcpService
{
public:
    FtpServer() { ServeConcurrently(); }
    ~FtpServer() override;

    void AddDevice(const RegisteredDevice& device);
    // Commands received, in order (RETR with its argument).
    std::vector<std::string> Commands() const;
    // Queries received: the MAC text each asked for.
    std::vector<std::string> QueriedMacs() const;
    // Queries received: the first record and the count each asked for, and
    // the query fields it gave (header flags).
    struct Page {
        uint32_t start, count, flags;
    };
    std::vector<Page> QueriedPages() const;

    // Behaviour a test may change before Start.
    std::string greeting = "220-Registration server\r\n220 Ready\r\n";
    std::string passiveHost = "10.9.8.7"; // the host the 227 reply names
    bool userWithoutPassword = false; // answer USER with 230
    bool sendEveryMatch = false; // ignore the count asked for
    int64_t announcedTotal = -1; // total put into replies (-1: the number of matches)
    // Send the header and this many records of a reply, then hold the data
    // connection open without sending more until the client goes (-1: off).
    int stallAfterRecords = -1;
    // Send the greeting one byte at a time, this many milliseconds apart (0: at once).
    int greetingByteDelayMs = 0;
    // Put this record count into reply headers (-1: the number of records sent).
    int64_t announcedCount = -1;

protected:
    void Serve(int fd) override;

private:
    bool Retrieve(int control, int dataListen, const std::string& argument);
    mutable std::mutex m_lock;
    std::vector<RegisteredDevice> m_devices;
    std::vector<std::string> m_commands;
    std::vector<std::string> m_macs;
    std::vector<Page> m_pages;
};

} // namespace sim
