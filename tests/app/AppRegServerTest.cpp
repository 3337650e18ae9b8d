// The registration-server download: a group id under a server in the DVR
// tree fetches the server's device records over FTP (the simulator's FTP
// role on 127.0.0.1 port 21) into the server's branch.
#include "AppShellFixture.h"

#include "app/CamSelView.h"
#include "app/MainFrame.h"
#include "devtree/ItemInfo.h"
#include "sim/FtpServer.h"

#include <cstdio>

namespace
{

TEST_F(AppShellTest, TheDownloadFillsTheServersBranch)
{
    sim::FtpServer server;
    for (int i = 0; i < 3; ++i) {
        sim::RegisteredDevice device;
        char text[32];
        std::snprintf(text, sizeof text, "store-%d", i);
        device.name = text;
        device.model = "PT-D16";
        device.key32 = "SN" + std::to_string(i);
        std::snprintf(text, sizeof text, "00:1b:9e:0a:0b:%02x", i);
        device.mac = text;
        std::snprintf(text, sizeof text, "198.51.100.%d", 10 + i);
        device.address = text;
        server.AddDevice(device);
    }
    ASSERT_TRUE(server.Start("127.0.0.1", 21));

    ASSERT_TRUE(Start());
    auto* frame = dynamic_cast<CMainFrame*>(AfxGetMainWnd());
    ASSERT_NE(frame, nullptr);
    CMySuperGrid* tree = frame->m_pCamSelView->GetTree(FAMILY_DVR);
    CSuperGridCtrl::CTreeItem* node = tree->InsertServer("127.0.0.1", "demo", "secret");
    ASSERT_NE(node, nullptr);
    ASSERT_NE(tree->InsertGroupId(node, "demo"), nullptr);

    // Discovery restarts a second after start and asks for every group.
    Advance(1000);
    ASSERT_TRUE(PumpMessagesUntil(
        [&] {
            int devices = 0;
            for (auto* child : node->m_listChild)
                devices += child->m_lpNodeInfo->m_bGroupId ? 0 : 1;
            return devices == 3;
        },
        10000));
    bool found = false;
    for (auto* child : node->m_listChild)
        found = found || child->m_lpNodeInfo->m_dwIpAddress == 0xC633640B; // 198.51.100.11
    EXPECT_TRUE(found);
    EXPECT_FALSE(server.Commands().empty());
    server.Stop();
}

} // namespace
