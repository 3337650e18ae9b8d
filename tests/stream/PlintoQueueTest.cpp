// The request queue and the network thread: the queue flag follows the
// entries, the thread drops what is queued without a connection, and an
// owner ends a thread that deletes itself by waiting on a handle of its own.
#include "tests/stream/PlintoFixture.h"

#include "stream/plinto/MessageQueue.h"

using namespace plinto;
using namespace plinto_test;

namespace
{

tagOnLineMsgType* Message(WORD id)
{
    auto* m = new tagOnLineMsgType {};
    m->wMsgId = id;
    return m;
}

TEST(PlintoQueue, FlagIsUpExactlyWhileEntriesWait)
{
    CMessageQueue q;
    EXPECT_EQ(0, q.IsQueueFull());
    EXPECT_EQ(0, q.AddSingleMessage(Message(1), MSG_PRIORITY_NORMAL));
    EXPECT_EQ(1, q.AddMessage(Message(3), MSG_PRIORITY_NORMAL));
    EXPECT_EQ(1, q.InsertMessage(1, Message(2), MSG_PRIORITY_NORMAL));
    EXPECT_EQ(1, q.IsQueueFull());
    EXPECT_EQ(3, q.GetMsgCount());
    EXPECT_EQ(2, q.PeekMessageA(1)->wMsgId);
    // An index equal to the count, or below 0, names no entry.
    EXPECT_EQ(nullptr, q.PeekMessageA(3));
    EXPECT_EQ(nullptr, q.GetMessageA(3));
    EXPECT_EQ(nullptr, q.GetMessageA(-1));
    EXPECT_EQ(0, q.IsMsgValid(3));
    for (WORD id = 1; id <= 3; ++id) {
        tagOnLineMsgType* m = q.GetFirstMessage();
        ASSERT_NE(nullptr, m);
        EXPECT_EQ(id, m->wMsgId);
        delete m;
    }
    EXPECT_EQ(0, q.IsQueueFull());
    EXPECT_EQ(nullptr, q.GetFirstMessage());
    // What the queue still holds when it goes is freed with it.
    q.AddMessage(Message(4), MSG_PRIORITY_NORMAL);
    q.AddMessage(Message(5), MSG_PRIORITY_NORMAL);
    q.RemoveMessage(0);
    EXPECT_EQ(1, q.GetMsgCount());
}

using PlintoThread = PlintoFixture;

TEST_F(PlintoThread, ClientIsMadeOnTheThreadAndTheThreadEndsOnRequest)
{
    int finished = 0;
    auto* t = new CNetThread(&finished);
    ASSERT_EQ(1u, t->ResumeThread());
    ASSERT_EQ(WAIT_OBJECT_0, WaitForSingleObject(t->m_hReadyEvent, 5000));
    ASSERT_NE(nullptr, t->m_pOnNetCtrl);
    EXPECT_EQ(t->m_nThreadID, GetWindowThreadProcessId(t->m_pOnNetCtrl->m_hWnd, nullptr));
    EXPECT_TRUE(CNetThread::EndThread(t, 5000));
    // The object is gone with its thread.
    EXPECT_EQ(1, finished);
}

TEST_F(PlintoThread, ThreadNeverResumedEndsAllTheSame)
{
    int finished = 0;
    EXPECT_TRUE(CNetThread::EndThread(new CNetThread(&finished), 5000));
    EXPECT_EQ(1, finished);
}

TEST_F(PlintoThread, StreamingThreadEndsWithItsConnection)
{
    ASSERT_EQ(1, StartService());
    ASSERT_TRUE(WaitFrames(3));
    const int connection = Received(0x2002).at(0).connection;
    EndThread();
    // The camera sees the connection go; no frame reaches the owner after.
    const size_t frames = owner.frames.size();
    PumpUntil([] { return false; }, 200);
    EXPECT_EQ(frames, owner.frames.size());
    EXPECT_EQ(1, connection);
}

} // namespace
