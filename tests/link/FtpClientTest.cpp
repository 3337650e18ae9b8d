// The FTP client against the simulator's registration-server role.
#include "link/FtpClient.h"
#include "link/Base64.h"
#include "platform/base/TestServices.h"
#include "sim/FtpServer.h"
#include "tests/link/MovingClock.h"

#include <gtest/gtest.h>

#include <chrono>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

namespace
{

class Ftp : public ::testing::Test
{
protected:
    void Start()
    {
        for (int i = 0; i < 5; ++i) {
            sim::RegisteredDevice d;
            d.name = "dvr" + std::to_string(i);
            d.model = "PT-D16";
            d.key32 = "SER" + std::to_string(i);
            d.mac = "00:1B:9E:00:00:0" + std::to_string(i);
            d.address = "10.0.0." + std::to_string(i + 1);
            d.numbers[0] = 0x12345 + i;
            d.numbers[3] = 77;
            d.text16 = "group";
            server.AddDevice(d);
        }
        ASSERT_TRUE(server.Start("127.0.0.5", 0));
    }
    bool Login() { return client.Connect("127.0.0.5", server.Port(), "zq", "qv"); }

    sim::FtpServer server;
    CFtpClient client;
};

TEST_F(Ftp, QueriesFindRecordsThroughThePassiveConnection)
{
    std::vector<std::string> lines;
    client.m_pfnObserver
        = [](void* data, const char* line) { static_cast<std::vector<std::string>*>(data)->push_back(line); };
    client.m_pObserverData = &lines;
    Start();
    ASSERT_TRUE(Login());
    ASSERT_GE(lines.size(), 2u);
    EXPECT_EQ(lines[0], "220-Registration server\r\n") << "a multi-line greeting is read to its last line";

    // The 227 reply names 10.9.8.7; the data connection goes to the control host.
    char* address = client.QueryDeviceAddress(0x0502, "00:1b:9e:00:00:03", nullptr, nullptr);
    ASSERT_NE(address, nullptr);
    EXPECT_STREQ(address, "10.0.0.4");
    std::free(address);
    EXPECT_EQ(client.QueryDeviceAddress(0x0502, "00:1b:9e:00:00:09", nullptr, nullptr), nullptr);

    RegServerRecord records[3];
    uint32_t total = 0;
    RegServerRecord query {};
    ASSERT_EQ(client.RetrieveRecords(0x0502, query, 1, 3, records, &total), 3);
    EXPECT_EQ(total, 5u);
    EXPECT_STREQ(records[0].szName, "dvr1");
    EXPECT_STREQ(records[2].szKey32, "SER3");
    EXPECT_EQ(records[0].wNumber1, 0x2346) << "numbers are kept in 16 bits";
    EXPECT_EQ(records[0].dwNumber4, 77u);
    EXPECT_STREQ(records[0].szText16, "group");
    EXPECT_EQ(records[0].szKey16[0], 0);

    // The query went out as Base64 of a 636-byte scrambled message.
    std::string retr;
    for (const auto& c : server.Commands())
        if (c.rfind("RETR ", 0) == 0)
            retr = c.substr(5);
    uint8_t message[700];
    ASSERT_EQ(Base64Decode(retr.c_str(), static_cast<int>(retr.size()), message, sizeof message), 636);
    REGSERVER_MSG_HEADER header;
    uint8_t key = DecodeDirHeader(message, &header);
    EXPECT_GE(key, 1);
    EXPECT_LE(key, 127);
    EXPECT_EQ(header.protocol, 0x05020000u);
    EXPECT_EQ(header.kind, 32);
    EXPECT_EQ(header.bodyLength, 596u);
    EXPECT_EQ(header.start, 1u);
    EXPECT_EQ(header.count, 3u);
    EXPECT_EQ(header.flags, 0u);
}

TEST_F(Ftp, AtMostTheRecordsAskedForAreStored)
{
    server.sendEveryMatch = true;
    Start();
    ASSERT_TRUE(Login());
    RegServerRecord records[2] = {};
    std::memset(&records[1], 0x55, sizeof records[1]);
    uint32_t total = 0;
    RegServerRecord query {};
    EXPECT_EQ(client.RetrieveRecords(0x0501, query, 0, 1, records, &total), 1);
    EXPECT_EQ(records[1].szName[0], 0x55) << "nothing past the caller's room";
    // The rest was drained: the control connection still works.
    char* address = client.QueryDeviceAddress(0x0501, nullptr, "SER2", nullptr);
    ASSERT_NE(address, nullptr);
    EXPECT_STREQ(address, "10.0.0.3");
    std::free(address);
}

TEST_F(Ftp, ZeroRecordsCloseTheTransferNormally)
{
    Start();
    ASSERT_TRUE(Login());
    RegServerRecord query {};
    std::strcpy(query.szName, "nobody");
    RegServerRecord record;
    uint32_t total = 9;
    EXPECT_EQ(client.RetrieveRecords(0x0501, query, 0, 20, &record, &total), 0);
    EXPECT_EQ(total, 0u);
    std::strcpy(query.szName, "dvr4");
    EXPECT_EQ(client.RetrieveRecords(0x0501, query, 0, 20, &record, &total), 1);
}

TEST_F(Ftp, LoginNeedsThePasswordStep)
{
    server.userWithoutPassword = true;
    Start();
    EXPECT_FALSE(Login()) << "USER answered with 230 is refused";
    EXPECT_EQ(client.QueryDeviceAddress(0x0501, "x", nullptr, nullptr), nullptr);
}

TEST_F(Ftp, WrongPasswordsAndDeadServersFail)
{
    Start();
    EXPECT_FALSE(client.Connect("127.0.0.5", server.Port(), "zq", "nope"));
    EXPECT_FALSE(client.Connect("127.0.0.6", 2121, "zq", "qv"));
}

TEST_F(Ftp, LongReplyLinesAreCutAndReadToTheirEnd)
{
    server.greeting = "220-" + std::string(3000, 'x') + "\r\n220 Ready\r\n";
    Start();
    std::vector<std::string> lines;
    client.m_pfnObserver
        = [](void* data, const char* line) { static_cast<std::vector<std::string>*>(data)->push_back(line); };
    client.m_pObserverData = &lines;
    ASSERT_TRUE(Login());
    ASSERT_GE(lines.size(), 2u);
    EXPECT_EQ(lines[0].size(), 1023u);
    EXPECT_EQ(lines[1], "220 Ready\r\n");
}

TEST_F(Ftp, RepliesWithoutEndAreRefused)
{
    std::string manyLines;
    for (int i = 0; i < 500; ++i)
        manyLines += "220-Welcome\r\n";
    const std::string greetings[] = {
        "220-" + std::string(100000, 'x') + "\r\n220 Ready\r\n", // one line without end
        manyLines + "220 Ready\r\n", // continuation lines without end
    };
    for (const std::string& greeting : greetings) {
        sim::FtpServer endless;
        endless.greeting = greeting;
        ASSERT_TRUE(endless.Start("127.0.0.6", 0));
        CFtpClient ftp;
        EXPECT_FALSE(ftp.Connect("127.0.0.6", endless.Port(), "zq", "qv"));
        EXPECT_TRUE(endless.Commands().empty()) << "the login went no further";
    }
}

TEST_F(Ftp, AGreetingTrickledByteByByteEndsAtTheTimeOut)
{
    ManualClock clock;
    ScopedService<IClock> useClock { &clock };
    // 400 bytes, 10 ms apart: four seconds of real time to arrive whole.
    server.greeting = "220-" + std::string(390, 'x') + "\r\n220 Ready\r\n";
    server.greetingByteDelayMs = 10;
    Start();
    {
        // A second of the clock per millisecond: the 30 s pass at once.
        MovingClock moving(clock, 1000);
        EXPECT_FALSE(Login());
    }
    // Whole, the greeting would have come after some 4000 s of the clock.
    EXPECT_LT(clock.GetTickCount(), 1000000u);
    EXPECT_TRUE(server.Commands().empty());

    // A greeting that stops half-way holds the login no longer either.
    sim::FtpServer halfway;
    halfway.greeting = "220-Registration";
    ASSERT_TRUE(halfway.Start("127.0.0.6", 0));
    const DWORD before = clock.GetTickCount();
    {
        MovingClock moving(clock, 1000);
        EXPECT_FALSE(client.Connect("127.0.0.6", halfway.Port(), "zq", "qv"));
    }
    EXPECT_GE(clock.GetTickCount() - before, 30000u);
}

TEST_F(Ftp, OnlyABoundedRestOfUnaskedRecordsIsRead)
{
    // A header announcing a million records, then 150 of them and silence:
    // a client reading every announced record would wait on the silence.
    for (int i = 5; i < 150; ++i) {
        sim::RegisteredDevice d;
        d.name = "more" + std::to_string(i);
        d.address = "10.0.1." + std::to_string(i);
        server.AddDevice(d);
    }
    server.sendEveryMatch = true;
    server.announcedCount = 1000000;
    server.stallAfterRecords = 150;
    Start();
    ASSERT_TRUE(Login());
    RegServerRecord record;
    uint32_t total = 0;
    RegServerRecord query {};
    auto started = std::chrono::steady_clock::now();
    EXPECT_EQ(client.RetrieveRecords(0x0501, query, 0, 1, &record, &total), 1);
    EXPECT_LT(std::chrono::steady_clock::now() - started, std::chrono::seconds(10))
        << "no wait on the silence";
    EXPECT_STREQ(record.szName, "more5");
    // The control connection is still in step.
    server.announcedCount = -1;
    server.stallAfterRecords = -1;
    char* address = client.QueryDeviceAddress(0x0501, nullptr, "SER2", nullptr);
    ASSERT_NE(address, nullptr);
    EXPECT_STREQ(address, "10.0.0.3");
    std::free(address);
}

} // namespace
