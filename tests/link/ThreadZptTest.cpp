// The download thread against the simulated registration server's FTP role
// on 127.0.0.1 port 21 (the test program has a network of its own).
#include "link/ThreadZpt.h"
#include "platform/msg/WndBase.h"
#include "sim/FtpServer.h"

#include <gtest/gtest.h>

#include <chrono>
#include <cstdlib>
#include <cstring>
#include <string>
#include <thread>
#include <vector>

namespace
{

constexpr char kServer[] = "127.0.0.1";

class COwnerWnd : public CWndBase
{
public:
    std::vector<ZPT_NODE> nodes;

private:
    LRESULT OnRecord(WPARAM wParam, LPARAM)
    {
        auto* node = reinterpret_cast<ZPT_NODE*>(wParam);
        nodes.push_back(*node);
        std::free(node); // the receiver owns the node
        return 0;
    }
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(COwnerWnd, CWndBase)
ON_MESSAGE(WM_REGSERVER_RECORD, OnRecord)
END_MESSAGE_MAP()

RegServerRecord Query(const char* server = kServer)
{
    RegServerRecord query;
    std::memset(&query, 0, sizeof query);
    std::strcpy(query.szServerAddress, server);
    query.dwProtocol = 0x0502;
    return query;
}

class ThreadZptTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(owner.CreateMessageWindow());
        for (int i = 0; i < 45; ++i) {
            sim::RegisteredDevice d;
            char text[32];
            std::snprintf(text, sizeof text, "shop-%02d", i);
            d.name = text;
            d.model = "PT-D16";
            std::snprintf(text, sizeof text, "00:1b:9e:0a:0b:%02x", i);
            d.mac = text;
            std::snprintf(text, sizeof text, "198.51.100.%d", i);
            d.address = text;
            server.AddDevice(d);
        }
    }
    void TearDown() override
    {
        delete thread;
        PumpWaitingMessages(); // nodes still on their way are freed by the owner
        owner.DestroyWindow();
        server.Stop();
    }
    void Start()
    {
        ASSERT_TRUE(server.Start(kServer, 21));
        thread = new CThreadZpt(&owner);
        thread->ResumeThread();
    }
    void Fetch(const RegServerRecord& query)
    {
        int slot = thread->AddRecord(&query);
        ASSERT_TRUE(thread->PostThreadMessage(WM_REGSERVER_FETCH, WPARAM(slot), 3));
    }
    size_t Retrievals() const
    {
        size_t n = 0;
        for (const std::string& c : server.Commands())
            n += c.rfind("RETR ", 0) == 0;
        return n;
    }
    // Done once the server saw `retrievals` requests and the thread is idle again.
    bool WaitForFetch(size_t retrievals)
    {
        return PumpMessagesUntil(
            [&] {
                return Retrievals() >= retrievals
                    && WaitForSingleObject(thread->m_hIdleEvent, 0) == WAIT_OBJECT_0;
            },
            20000);
    }

    sim::FtpServer server;
    COwnerWnd owner;
    CThreadZpt* thread = nullptr;
};

TEST_F(ThreadZptTest, AHostTextFillingItsFieldIsReadWithinIt)
{
    Start();
    // "127.0.0.0000000000000000" fills the field; read on into the protocol
    // word's "1" it would name the server at 127.0.0.1.
    RegServerRecord full = Query();
    std::memcpy(full.szServerAddress, "127.0.0.", 8);
    std::memset(full.szServerAddress + 8, '0', sizeof full.szServerAddress - 8);
    full.dwProtocol = '1';
    Fetch(full);
    // Fetches run one after another: the next one ends after the first.
    Fetch(Query());
    ASSERT_TRUE(WaitForFetch(3));
    ASSERT_TRUE(PumpMessagesUntil([&] { return owner.nodes.size() >= 45; }, 30000));
    EXPECT_EQ(Retrievals(), 3u) << "the host text is read within its field only";
    EXPECT_EQ(owner.nodes.size(), 45u);
}

TEST_F(ThreadZptTest, FortyFiveRecordsArriveAsTwentyTwentyAndFiveInOrder)
{
    Start();
    Fetch(Query());
    ASSERT_TRUE(WaitForFetch(3));
    ASSERT_TRUE(PumpMessagesUntil([&] { return owner.nodes.size() >= 45; }, 30000));
    EXPECT_EQ(Retrievals(), 3u);
    ASSERT_EQ(owner.nodes.size(), 45u);
    for (size_t i = 0; i < 45; ++i) {
        char name[16];
        std::snprintf(name, sizeof name, "shop-%02d", int(i));
        EXPECT_STREQ(owner.nodes[i].szName, name);
    }
    const ZPT_NODE& node = owner.nodes[10];
    EXPECT_STREQ(node.szServer, kServer);
    EXPECT_STREQ(node.szMac, "00:1B:9E:0A:0B:0A"); // upper-cased by the thread
    EXPECT_STREQ(node.szAddress, "198.51.100.10");
    EXPECT_STREQ(node.szModel, "PT-D16");
    EXPECT_EQ(thread->m_bBusy, 0);
    const std::vector<std::string> commands = server.Commands();
    ASSERT_GE(commands.size(), 2u);
    EXPECT_EQ(commands[0], "USER zq");
    EXPECT_EQ(commands[1], "PASS qv");
}

TEST_F(ThreadZptTest, ATotalLargerThanTheServerHasStopsAtTheFirstEmptyPage)
{
    server.announcedTotal = 60;
    Start();
    Fetch(Query());
    ASSERT_TRUE(WaitForFetch(4));
    PumpMessagesUntil([] { return false; }, 50);
    EXPECT_EQ(Retrievals(), 4u); // 20, 20, 5, then none
    EXPECT_EQ(owner.nodes.size(), 45u);
}

TEST_F(ThreadZptTest, ATotalSmallerThanWhatTheServerDeliversEndsTheFetchOnceReached)
{
    // 30 announced, 45 delivered: the fetch ends with the page that passes
    // the total instead of asking on until the server runs dry.
    server.announcedTotal = 30;
    Start();
    Fetch(Query());
    ASSERT_TRUE(WaitForFetch(2));
    PumpMessagesUntil([] { return false; }, 300);
    EXPECT_EQ(Retrievals(), 2u);
    EXPECT_EQ(owner.nodes.size(), 40u);
}

TEST_F(ThreadZptTest, EndingTheThreadInTheMiddleOfATransferReturnsAtOnce)
{
    server.stallAfterRecords = 5; // then the thread waits in a receive
    Start();
    Fetch(Query());
    ASSERT_TRUE(PumpMessagesUntil([&] { return Retrievals() >= 1; }, 20000));
    PumpMessagesUntil([] { return false; }, 100);
    auto start = std::chrono::steady_clock::now();
    delete thread;
    thread = nullptr;
    double seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    // The transfer's own time-out is 30 s: ending must not wait for it.
    EXPECT_LT(seconds, 10.0);
    PumpWaitingMessages();
    EXPECT_TRUE(owner.nodes.empty()); // a batch is posted only when it is whole
}

TEST_F(ThreadZptTest, NodesStillQueuedWhenTheOwnerWindowGoesAreFreed)
{
    // As at exit: the thread has posted its nodes, and the window goes
    // before this thread's loop runs again.
    Start();
    Fetch(Query());
    const auto done
        = [&] { return Retrievals() >= 3 && WaitForSingleObject(thread->m_hIdleEvent, 0) == WAIT_OBJECT_0; };
    // Waits without running this thread's loop, so that the nodes stay queued.
    for (int i = 0; i < 6000 && !done(); ++i)
        std::this_thread::sleep_for(std::chrono::milliseconds(5));
    ASSERT_TRUE(done());
    owner.DestroyWindow();
    PumpWaitingMessages();
    EXPECT_TRUE(owner.nodes.empty());
    // The 45 nodes are freed by the queue; the leak check at exit fails otherwise.
}

TEST_F(ThreadZptTest, SlotsWrapAfterFiveHundredAndTheFetchUsesTheSlotJustWritten)
{
    Start();
    RegServerRecord other = Query("127.0.0.9"); // no server there
    for (int i = 0; i < CThreadZpt::SLOTS; ++i)
        EXPECT_EQ(thread->AddRecord(&other), i);
    // The 501st record goes to slot 0 and replaces what it held.
    RegServerRecord query = Query();
    EXPECT_EQ(thread->AddRecord(&query), 0);
    EXPECT_STREQ(thread->m_pRecords[0]->szServerAddress, kServer);
    ASSERT_TRUE(thread->PostThreadMessage(WM_REGSERVER_FETCH, 0, 3));
    ASSERT_TRUE(WaitForFetch(3));
    ASSERT_TRUE(PumpMessagesUntil([&] { return owner.nodes.size() >= 45; }, 30000));
}

TEST_F(ThreadZptTest, RequestsForNoRecordAreIgnored)
{
    Start();
    thread->PostThreadMessage(WM_REGSERVER_FETCH, 7, 3); // empty slot
    thread->PostThreadMessage(WM_REGSERVER_FETCH, 500, 3); // no such slot
    Fetch(Query()); // slot 0: the only fetch that runs
    ASSERT_TRUE(WaitForFetch(3));
    PumpMessagesUntil([] { return false; }, 50);
    EXPECT_EQ(Retrievals(), 3u);
}

TEST_F(ThreadZptTest, WithoutAReceiverTheFetchStopsAndFreesItsNodes)
{
    ASSERT_TRUE(server.Start(kServer, 21));
    thread = new CThreadZpt(nullptr);
    thread->ResumeThread();
    Fetch(Query());
    ASSERT_TRUE(WaitForFetch(1));
    PumpMessagesUntil([] { return false; }, 50);
    EXPECT_EQ(Retrievals(), 1u);
    EXPECT_TRUE(owner.nodes.empty());
}

TEST(ThreadZptLifetime, AThreadThatNeverRanEndsCleanly)
{
    COwnerWnd owner;
    ASSERT_TRUE(owner.CreateMessageWindow());
    delete new CThreadZpt(&owner);
    owner.DestroyWindow();
}

} // namespace
