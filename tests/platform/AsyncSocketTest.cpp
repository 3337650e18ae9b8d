#include "platform/msg/AsyncSocket.h"
#include "platform/msg/Sync.h"
#include "platform/msg/WinThread.h"
#include "platform/msg/WndBase.h"

#include <gtest/gtest.h>

#include <atomic>
#include <thread>

namespace
{

struct Events {
    std::vector<CString> log;
    std::vector<DWORD> threads;
    void Add(const char* what, int error)
    {
        CString s;
        s.Format("%s %d", what, error);
        log.push_back(s);
        threads.push_back(GetCurrentThreadId());
    }
    bool Has(const char* entry) const
    {
        return std::find(log.begin(), log.end(), CString(entry)) != log.end();
    }
};

class CRecordingSocket : public CAsyncSocket
{
public:
    explicit CRecordingSocket(Events* events)
        : m_events(events)
    {
    }
    CString lastText;
    CString lastFrom;
    UINT lastPort = 0;
    CRecordingSocket* acceptInto = nullptr;

    void OnReceive(int e) override
    {
        m_events->Add("receive", e);
        char buf[64] = {};
        int n = GetSockType() == SOCK_DGRAM ? ReceiveFrom(buf, sizeof buf - 1, lastFrom, lastPort)
                                            : Receive(buf, sizeof buf - 1);
        if (n > 0)
            lastText = CString(buf, n);
    }
    void OnSend(int e) override { m_events->Add("send", e); }
    void OnConnect(int e) override { m_events->Add("connect", e); }
    void OnClose(int e) override { m_events->Add("close", e); }
    void OnAccept(int e) override
    {
        m_events->Add("accept", e);
        if (acceptInto)
            Accept(*acceptInto);
    }

private:
    int GetSockType()
    {
        int type = 0, len = sizeof type;
        GetSockOpt(SO_TYPE, &type, &len);
        return type;
    }
    Events* m_events;
};

UINT PortOf(CAsyncSocket& s)
{
    CString addr;
    UINT port = 0;
    s.GetSockName(addr, port);
    return port;
}

// A framework thread that owns a UDP socket: its notifications must run on
// this thread, not on the one that sends.
class CSocketThread : public CWinThread
{
public:
    Events events;
    CRecordingSocket socket { &events };
    CEvent ready { FALSE, TRUE };
    CEvent received { FALSE, TRUE };
    std::atomic<UINT> port { 0 };

    BOOL InitInstance() override
    {
        if (!socket.Create(0, SOCK_DGRAM, FD_READ, "127.0.0.1"))
            return FALSE;
        port = PortOf(socket);
        ready.SetEvent();
        return TRUE;
    }
    int ExitInstance() override
    {
        socket.Close();
        return CWinThread::ExitInstance();
    }
};

class CWatchingSocket : public CRecordingSocket
{
public:
    using CRecordingSocket::CRecordingSocket;
    CEvent* signal = nullptr;
    void OnReceive(int e) override
    {
        CRecordingSocket::OnReceive(e);
        signal->SetEvent();
    }
};

TEST(AsyncSockets, UdpReceiveArrivesOnTheOwningThread)
{
    auto* thread = new CSocketThread;
    thread->m_bAutoDelete = FALSE;
    ASSERT_TRUE(thread->CreateThread());
    ASSERT_EQ(WaitForSingleObject(thread->ready, 30000), WAIT_OBJECT_0);

    CAsyncSocket sender;
    ASSERT_TRUE(sender.Create(0, SOCK_DGRAM, 0, "127.0.0.1"));
    ASSERT_EQ(sender.SendTo("hello", 5, thread->port, "127.0.0.1"), 5);
    for (int i = 0; i < 3000 && thread->socket.lastText.IsEmpty(); ++i)
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
    thread->PostThreadMessage(WM_QUIT, 0, 0);
    ASSERT_EQ(WaitForSingleObject(thread->m_hThread, 30000), WAIT_OBJECT_0);

    EXPECT_EQ(thread->socket.lastText, "hello");
    EXPECT_EQ(thread->socket.lastFrom, "127.0.0.1");
    EXPECT_EQ(thread->socket.lastPort, PortOf(sender));
    ASSERT_FALSE(thread->events.threads.empty());
    for (DWORD t : thread->events.threads)
        EXPECT_EQ(t, thread->m_nThreadID);
    delete thread;
}

TEST(AsyncSockets, EachReceiveNotificationWaitsForTheReceive)
{
    Events events;
    // A socket that never reads gets told once, not in a loop.
    class CIdleSocket : public CAsyncSocket
    {
    public:
        int count = 0;
        void OnReceive(int) override { ++count; }
    } idle;
    ASSERT_TRUE(idle.Create(0, SOCK_DGRAM, FD_READ, "127.0.0.1"));
    CAsyncSocket sender;
    ASSERT_TRUE(sender.Create(0, SOCK_DGRAM, 0, "127.0.0.1"));
    sender.SendTo("a", 1, PortOf(idle), "127.0.0.1");
    sender.SendTo("b", 1, PortOf(idle), "127.0.0.1");
    PumpMessagesUntil([&] { return idle.count > 0; }, 30000);
    for (int i = 0; i < 5; ++i)
        PumpWaitingMessages();
    EXPECT_EQ(idle.count, 1);
    char buf[4];
    EXPECT_EQ(idle.Receive(buf, sizeof buf), 1);
    PumpMessagesUntil([&] { return idle.count > 1; }, 30000);
    EXPECT_EQ(idle.count, 2);
}

TEST(AsyncSockets, TcpConnectAcceptReceiveAndClose)
{
    Events events;
    CRecordingSocket listener(&events), accepted(&events), client(&events);
    listener.acceptInto = &accepted;
    ASSERT_TRUE(listener.Create(0, SOCK_STREAM, FD_ACCEPT, "127.0.0.1"));
    ASSERT_TRUE(listener.Listen());
    EXPECT_FALSE(client.Create(0, SOCK_STREAM, FD_ALL_EVENTS, "127.0.0.1") == FALSE);
    EXPECT_FALSE(client.Connect("127.0.0.1", PortOf(listener)));
    EXPECT_EQ(CAsyncSocket::GetLastError(), WSAEWOULDBLOCK);
    ASSERT_TRUE(PumpMessagesUntil([&] { return events.Has("connect 0") && events.Has("accept 0"); }, 30000));
    EXPECT_TRUE(PumpMessagesUntil([&] { return events.Has("send 0"); }, 30000));

    EXPECT_EQ(accepted.Send("status", 6), 6);
    ASSERT_TRUE(PumpMessagesUntil([&] { return client.lastText == "status"; }, 30000));
    accepted.Close();
    EXPECT_TRUE(PumpMessagesUntil([&] { return events.Has("close 0"); }, 30000));
    for (DWORD t : events.threads)
        EXPECT_EQ(t, GetCurrentThreadId());
}

TEST(AsyncSockets, ConnectToAClosedPortReportsTheRefusal)
{
    CAsyncSocket probe;
    ASSERT_TRUE(probe.Create(0, SOCK_STREAM, 0, "127.0.0.1"));
    UINT port = PortOf(probe);
    probe.Close();
    Events events;
    CRecordingSocket client(&events);
    ASSERT_TRUE(client.Create());
    client.Connect("127.0.0.1", port);
    ASSERT_TRUE(PumpMessagesUntil([&] { return !events.log.empty(); }, 30000));
    EXPECT_EQ(events.log[0], "connect 10061");
    EXPECT_FALSE(events.Has("send 0"));
}

// Counts rounds and gives up after a few, as the registration-server
// socket does.
class CGuardedSocket : public CSocket
{
public:
    int rounds = 0;
    int limit = 3;
    BOOL OnMessagePending() override
    {
        if (++rounds > limit)
            Close();
        return CSocket::OnMessagePending();
    }
};

class CPostTarget : public CWndBase
{
public:
    int posts = 0;

private:
    LRESULT OnPost(WPARAM, LPARAM)
    {
        ++posts;
        return 0;
    }
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CPostTarget, CWndBase)
ON_MESSAGE(WM_USER + 7, OnPost)
END_MESSAGE_MAP()

TEST(BlockingSocketObjects, RoundsServeMessagesAndAGuardEndsTheCall)
{
    CPostTarget target;
    ASSERT_TRUE(target.CreateMessageWindow());
    target.PostMessage(WM_USER + 7);
    CGuardedSocket s;
    s.m_nPendingInterval = 20;
    ASSERT_TRUE(s.Create(0, SOCK_DGRAM, FD_ALL_EVENTS, "127.0.0.1"));
    char buf[8];
    EXPECT_EQ(s.Receive(buf, sizeof buf), SOCKET_ERROR);
    EXPECT_EQ(CAsyncSocket::GetLastError(), WSAEINTR);
    EXPECT_EQ(s.rounds, 4);
    EXPECT_EQ(target.posts, 1);
    target.DestroyWindow();
}

TEST(BlockingSocketObjects, ReceiveCompletesWhenADatagramArrives)
{
    CGuardedSocket s;
    s.m_nPendingInterval = 20;
    s.limit = 1500; // 30 s: a loaded machine may start the sender late
    ASSERT_TRUE(s.Create(0, SOCK_DGRAM, FD_ALL_EVENTS, "127.0.0.1"));
    UINT port = PortOf(s);
    std::thread sender([port] {
        std::this_thread::sleep_for(std::chrono::milliseconds(50));
        CAsyncSocket out;
        out.Create(0, SOCK_DGRAM, 0, "127.0.0.1");
        out.SendTo("0123456789", 10, port, "127.0.0.1");
    });
    char buf[16] = {};
    CString from;
    UINT fromPort = 0;
    EXPECT_EQ(s.ReceiveFrom(buf, sizeof buf, from, fromPort), 10);
    EXPECT_STREQ(buf, "0123456789");
    EXPECT_EQ(fromPort != 0, true);
    sender.join();
}

TEST(BlockingSocketObjects, AnotherThreadCancelsABlockedReceivePromptly)
{
    CSocket s;
    s.m_nPendingInterval = 10000;
    ASSERT_TRUE(s.Create(0, SOCK_DGRAM, FD_ALL_EVENTS, "127.0.0.1"));
    std::thread canceller([&] {
        while (!s.IsBlocking())
            std::this_thread::sleep_for(std::chrono::milliseconds(1));
        std::this_thread::sleep_for(std::chrono::milliseconds(20));
        s.CancelBlockingCall();
    });
    auto start = std::chrono::steady_clock::now();
    char buf[8];
    EXPECT_EQ(s.Receive(buf, sizeof buf), SOCKET_ERROR);
    EXPECT_EQ(CAsyncSocket::GetLastError(), WSAEINTR);
    EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::milliseconds(2000));
    canceller.join();
}

TEST(BlockingSocketObjects, BlockingConnectAndExchange)
{
    CAsyncSocket listener;
    ASSERT_TRUE(listener.Create(0, SOCK_STREAM, 0, "127.0.0.1"));
    ASSERT_TRUE(listener.Listen());
    UINT port = PortOf(listener);
    std::thread server([&] {
        CAsyncSocket conn;
        listener.Accept(conn);
        char buf[8];
        int n = conn.Receive(buf, sizeof buf);
        conn.Send(buf, n);
    });
    CSocket s;
    ASSERT_TRUE(s.Create());
    ASSERT_TRUE(s.Connect("127.0.0.1", port));
    EXPECT_EQ(s.Send("ping", 4), 4);
    char buf[8] = {};
    EXPECT_EQ(s.Receive(buf, sizeof buf), 4);
    EXPECT_STREQ(buf, "ping");
    server.join();

    CSocket refused;
    ASSERT_TRUE(refused.Create());
    listener.Close();
    EXPECT_FALSE(refused.Connect("127.0.0.1", port));
    EXPECT_EQ(CAsyncSocket::GetLastError(), WSAECONNREFUSED);
}

} // namespace
