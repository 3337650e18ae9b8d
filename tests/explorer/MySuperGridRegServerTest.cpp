// The device tree fed by the registration server itself: the download
// thread lists a group from the simulated server over FTP, and each device
// it posts is merged into the tree as the explorer dialogs hand it on.
#include "tests/explorer/MySuperGridFixture.h"

#include "explorer/ThreadZpt.h"
#include "platform/msg/WndBase.h"
#include "sim/FtpServer.h"

#include <cstdlib>

namespace morrik_test
{
namespace
{

constexpr char kServer[] = "127.0.0.1";

// Takes the posted devices as the explorer dialogs do: copy, free, merge.
class RecordOwner : public CWndBase
{
public:
    CMySuperGrid* grid = nullptr;
    int received = 0;

private:
    LRESULT OnRecord(WPARAM wParam, LPARAM)
    {
        auto* node = reinterpret_cast<morrik::ZPT_NODE*>(wParam);
        const morrik::ZPT_NODE copy = *node;
        std::free(node);
        ++received;
        grid->RetYemMsg(&copy);
        return 1;
    }
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(RecordOwner, CWndBase)
ON_MESSAGE(WM_REGSERVER_RECORD, OnRecord)
END_MESSAGE_MAP()

sim::RegisteredDevice GroupDevice(const char* group, int i)
{
    sim::RegisteredDevice d = sim::MakeRegisteredDevice(group, i);
    d.name = group;
    return d;
}

TEST_F(MySuperGridTest, AGroupListedByTheServerFillsItsFolder)
{
    sim::FtpServer server;
    for (int i = 0; i < 3; ++i)
        server.AddDevice(GroupDevice("GRP-A", i));
    server.AddDevice(GroupDevice("GRP-B", 7));
    ASSERT_TRUE(server.Start(kServer, REGSERVER_FTP_PORT));

    // A saved recorder that is device 1 of the group.
    FILE_NODE saved = FileNode(1, 0, "Front desk", false, 1);
    saved.item.byMac[0] = 0x00;
    saved.item.byMac[1] = 0x1B;
    saved.item.byMac[2] = 0x9E;
    OpenWith({ saved });

    RecordOwner owner;
    owner.grid = &grid;
    ASSERT_TRUE(owner.CreateMessageWindow());
    CThreadZpt* thread = nullptr;
    grid.SendYemMsg(); // no owner dialog: asks nothing
    ASSERT_TRUE(ReqFindMsg(thread, &owner, 0x502, kServer, "GRP-A", nullptr, nullptr));
    ASSERT_NE(nullptr, thread);
    EXPECT_TRUE(PumpMessagesUntil([&] { return owner.received >= 3; }, 20000));
    PumpWaitingMessages();
    thread->Stop();
    delete thread;
    owner.DestroyWindow();
    server.Stop();

    const Item* group = Find("GRP-A");
    ASSERT_EQ(3u, group->m_listChild.size());
    const CItemInfo* first = Find("GRP-A-00:1B:9E:00:00:00")->m_lpNodeInfo;
    EXPECT_STREQ("198.51.0.0", first->m_szAddress);
    EXPECT_STREQ("key00000", first->m_szSerial);
    EXPECT_EQ(1, first->m_bLookup);
    EXPECT_EQ(0x9E, first->m_byMac[2]);

    // The saved recorder takes the address the server holds for it, in the
    // tree and in its file.
    const CItemInfo* desk = Find("Front desk")->m_lpNodeInfo;
    EXPECT_EQ(1, desk->m_bLookup);
    EXPECT_STREQ("198.51.0.1", desk->m_szAddress);
    EXPECT_EQ(0xC6330001u, desk->m_dwIp);
    const TreeFileLists file = ReadFile();
    ASSERT_EQ(1u, file.nodes.size());
    EXPECT_EQ(1, file.nodes[0].bLookup);
    EXPECT_EQ(0xC6330001u, file.nodes[0].item.dwIp);
    EXPECT_STREQ("GRP-A", reinterpret_cast<const char*>(file.nodes[0].byGroupId));
}

} // namespace
} // namespace morrik_test
