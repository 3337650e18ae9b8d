// The device-selection view against simulated devices on loopback: the DVR
// family's tree fills from discovery, cameras stay out, and a device that
// goes silent is shown offline (or dropped from "Local Area DVR") by the
// re-broadcast after the one it last answered.
#include "AppShellFixture.h"

#include "app/CamSelView.h"
#include "app/MainFrame.h"
#include "devtree/ItemInfo.h"
#include "sim/DiscoveryResponder.h"
#include "tests/devtree/TreeFileFixtures.h"

#include <QImage>
#include <QPixmap>
#include <QWidget>

#include <arpa/inet.h>
#include <filesystem>
#include <fstream>
#include <netinet/in.h>
#include <sys/socket.h>
#include <unistd.h>

namespace
{

constexpr uint32_t kDvr = 0x7F000002;
constexpr uint32_t kCamera = 0x7F000003;
constexpr uint32_t kMyDvr = 0x7F000004;
constexpr uint32_t kMarker = 0x7F000005;

sim::DiscoveryDevice Device(uint32_t family, uint32_t address, uint32_t port)
{
    sim::DiscoveryDevice device;
    device.profile = sim::MakeProfile(family);
    device.profile.address = address;
    device.profile.mac[5] = uint8_t(address);
    device.profile.serial += std::to_string(address & 0xFF);
    device.profile.configPort = port;
    return device;
}

class AppDiscoveryTest : public AppShellTest
{
protected:
    void SetUp() override
    {
        AppShellTest::SetUp();
        m_responder.AddDevice(Device(4, kDvr, 9102));
        m_responder.AddDevice(Device(0, kCamera, 9103));
        m_responder.AddDevice(Device(4, kMyDvr, 9104));
        ASSERT_TRUE(m_responder.Start());
    }
    void TearDown() override
    {
        AppShellTest::TearDown();
        m_responder.Stop();
    }
    // A tree file with the third device under "My DVR".
    void WriteMyDvrFile()
    {
        fixture::Device device;
        device.id = 1;
        device.name = "Warehouse";
        device.ip = kMyDvr;
        const sim::DiscoveryDevice sim = m_responder.Device(2);
        std::copy(std::begin(sim.profile.mac), std::end(sim.profile.mac), device.mac);
        device.serial = sim.profile.serial;
        device.config = 9104;
        device.http = 8001;
        device.stream = 8105;
        WriteTree({ device });
    }
    bool WaitFor(const std::function<bool()>& done) { return PumpMessagesUntil(done, 30000); }
    // Makes sure that every answer the devices sent so far has been read.
    // A DVR that no simulated device plays answers from kMarker, after those
    // answers, to the socket the program asks from; datagrams reach a socket
    // in the order they were sent, so once the tree lists the marker, the
    // answers before it were taken in. Waiting for quiet instead is a guess
    // that a loaded machine can lose.
    bool ReadEveryAnswerSent()
    {
        uint32_t program = 0;
        uint16_t programPort = 0;
        for (const sim::DiscoveryExchange& exchange : m_responder.Log()) {
            program = exchange.from;
            programPort = exchange.fromPort;
        }
        if (!programPort)
            return false;
        const std::vector<uint8_t> reply = sim::DiscoveryResponder::DiscoveryReply(Device(4, kMarker, 9105));
        const int fd = socket(AF_INET, SOCK_DGRAM | SOCK_CLOEXEC, 0);
        int one = 1;
        setsockopt(fd, SOL_SOCKET, SO_REUSEADDR, &one, sizeof one);
        sockaddr_in from {};
        from.sin_family = AF_INET;
        from.sin_addr.s_addr = htonl(kMarker);
        from.sin_port = htons(sim::kDiscoveryPort);
        sockaddr_in to {};
        to.sin_family = AF_INET;
        to.sin_addr.s_addr = htonl(program);
        to.sin_port = htons(programPort);
        const bool sent = fd >= 0 && bind(fd, reinterpret_cast<sockaddr*>(&from), sizeof from) == 0
            && sendto(fd, reply.data(), reply.size(), 0, reinterpret_cast<sockaddr*>(&to), sizeof to)
                == ssize_t(reply.size());
        if (fd >= 0)
            close(fd);
        return sent && WaitFor([&] { return FindByAddress(Tree()->m_pLocalRoot, kMarker) != nullptr; });
    }

    sim::DiscoveryResponder m_responder;
};

TEST_F(AppDiscoveryTest, TheDvrAppearsUnderLocalAreaDvrWithItsPorts)
{
    ASSERT_TRUE(Start());
    CMySuperGrid* tree = Tree();
    ASSERT_NE(tree, nullptr);
    ASSERT_NE(tree->m_pLocalRoot, nullptr);
    EXPECT_EQ(tree->m_pLocalRoot->m_lpNodeInfo->GetItemText(), CString("Local Area DVR"));
    ASSERT_TRUE(WaitFor([&] { return FindByAddress(tree->m_pLocalRoot, kDvr) != nullptr; }));
    const CItemInfo* info = FindByAddress(tree->m_pLocalRoot, kDvr)->m_lpNodeInfo;
    // The reply carries the configuration port.
    EXPECT_EQ(info->m_dwConfigPort, 9102u);
    EXPECT_NE(info->m_dwHttpPort, 0u);
    EXPECT_NE(info->m_dwStreamPort, 0u);
    EXPECT_EQ(info->GetImage(), TREE_IMAGE_ONLINE);

    // The camera answered as well, but it is not of the DVR family.
    ASSERT_TRUE(WaitFor([&] {
        for (const auto& exchange : m_responder.Log())
            if (exchange.device == 1 && exchange.answered)
                return true;
        return false;
    }));
    ASSERT_TRUE(ReadEveryAnswerSent());
    EXPECT_EQ(FindByAddress(tree->m_pLocalRoot, kCamera), nullptr);
    EXPECT_EQ(FindByAddress(tree->m_pMyRoot, kCamera), nullptr);
}

TEST_F(AppDiscoveryTest, ASilentDeviceGoesOfflineAtTheNextRebroadcast)
{
    WriteMyDvrFile();
    ASSERT_TRUE(Start());
    CMySuperGrid* tree = Tree();
    ASSERT_NE(tree, nullptr);
    CTreeItem* mine = FindByAddress(tree->m_pMyRoot, kMyDvr);
    ASSERT_NE(mine, nullptr);
    // The unicast probe of "My DVR" and the broadcast both find their devices.
    ASSERT_TRUE(WaitFor([&] {
        CTreeItem* local = FindByAddress(tree->m_pLocalRoot, kDvr);
        return mine->m_lpNodeInfo->m_bOnline && local && local->m_lpNodeInfo->m_bOnline;
    }));

    // Both go silent; every answer already sent is taken in before the clock moves.
    m_responder.Update(0, [](sim::DiscoveryDevice& d) { d.silent = true; });
    m_responder.Update(2, [](sim::DiscoveryDevice& d) { d.silent = true; });
    ASSERT_TRUE(ReadEveryAnswerSent());

    // The re-broadcast after their last answer still counts that answer
    // (here the one of discovery's restart a second after start); nothing
    // can answer it any more ...
    Advance(1000);
    EXPECT_EQ(mine->m_lpNodeInfo->GetImage(), TREE_IMAGE_ONLINE);
    EXPECT_NE(FindByAddress(tree->m_pLocalRoot, kDvr), nullptr);
    // ... the next one finds no answer: offline in "My DVR", gone from
    // "Local Area DVR".
    Advance(REBROADCAST_PERIOD_MS);
    EXPECT_EQ(mine->m_lpNodeInfo->GetImage(), TREE_IMAGE_OFFLINE);
    EXPECT_EQ(FindByAddress(tree->m_pLocalRoot, kDvr), nullptr);
}

TEST_F(AppDiscoveryTest, APictureOfTheMainWindowWithADiscoveredDevice)
{
    ASSERT_TRUE(Start());
    CMySuperGrid* tree = Tree();
    ASSERT_NE(tree, nullptr);
    ASSERT_TRUE(WaitFor([&] { return FindByAddress(tree->m_pLocalRoot, kDvr) != nullptr; }));
    Advance(1000);
    PumpMessagesUntil([] { return false; }, 300);
    QWidget* window = AfxGetMainWnd()->GetWidget();
    ASSERT_NE(window, nullptr);
    const QImage picture = window->grab().toImage();
    const std::string path = std::string(SUITE_BINARY_DIR) + "/main-window.png";
    ASSERT_TRUE(picture.save(QString::fromStdString(path)));
    EXPECT_EQ(picture.width(), 800);
    EXPECT_EQ(picture.height(), 634);
    // The tree shows below the DVR button with the device's row.
    EXPECT_TRUE(tree->IsWindowVisible());
    RECT rect, panes;
    tree->GetWindowRect(&rect);
    dynamic_cast<CMainFrame*>(AfxGetMainWnd())->m_wndSplitter.GetWindowRect(&panes);
    EXPECT_LT(rect.top - panes.top, 40);
    EXPECT_GT(rect.bottom - rect.top, 500);
    EXPECT_GE(tree->GetItemCount(), 4);
}

} // namespace
