// Discovery replies of simulated devices, registration-server records and
// added devices, as the device tree takes them.
#include "DeviceTreeHarness.h"

#include "link/DeviceHelpers.h"
#include "link/HostName.h"
#include "link/MsgSocket.h"
#include "sim/DiscoveryResponder.h"

#include <gtest/gtest.h>

#include <chrono>
#include <cstring>
#include <filesystem>

namespace
{

using namespace devtree_test;
using Item = CSuperGridCtrl::CTreeItem;

// Stands in for the device-selection view: hands every reply to the tree.
class TreeDiscoveryOwner : public CDiscoveryOwner
{
public:
    explicit TreeDiscoveryOwner(CMySuperGrid** grid)
        : m_grid(grid)
    {
    }
    void ResDiscoverProc(RES_DISCOVER_OVEL* pReply) override
    {
        (*m_grid)->ResDiscoverProc(pReply);
        ++replies;
    }
    void SetChangedIp() override { }
    int replies = 0;

private:
    CMySuperGrid** m_grid;
};

sim::DiscoveryDevice SimDevice(uint32_t address, uint16_t form)
{
    sim::DiscoveryDevice d;
    d.profile = sim::MakeProfile(4);
    d.profile.address = address;
    // The MAC the harness gives its devices, ending in the host number.
    const uint8_t mac[6] = { 0x00, 0x1c, 0x23, 0x10, 0x20, uint8_t(address) };
    std::memcpy(d.profile.mac, mac, 6);
    d.profile.configPort = 9000 + (address & 0xFF);
    d.profile.serial = "SN" + std::to_string(address & 0xFF);
    d.replyCommand = form;
    return d;
}

Item* Child(Item* parent, const char* name)
{
    for (Item* child : parent->m_listChild)
        if (child->m_lpNodeInfo->GetItemText() == name)
            return child;
    return nullptr;
}

FILE_NODE FileRecord(const std::string& path, const char* name)
{
    CTreeFileLists lists;
    ReadTreeFileAndConsistLlist(path, lists);
    for (const tagLinkedListNode* n = lists.m_pHead; n; n = n->pNext)
        if (std::strcmp(n->node.szName, name) == 0)
            return n->node;
    return FILE_NODE {};
}

class DeviceDiscoveryTest : public ::testing::Test
{
protected:
    void Start()
    {
        ASSERT_TRUE(responder.Start());
        ASSERT_TRUE(socket.Create(0, SOCK_DGRAM, FD_ALL_EVENTS, "127.0.0.1"));
        socket.Init(&forward);
    }
    // Asks one address and waits for its reply to reach the tree.
    bool Ask(const char* address)
    {
        const int before = forward.replies;
        return socket.ReqUniQuestMsg(address)
            && PumpMessagesUntil([&] { return forward.replies > before; }, 10000);
    }

    TreeHarness h;
    CMySuperGrid* grid = h.grid.get();
    TreeDiscoveryOwner forward { &grid };
    sim::DiscoveryResponder responder;
    CMsgSocket socket;
};

TEST_F(DeviceDiscoveryTest, ANewDeviceJoinsLocalAreaDvrWithItsPortsAndOnlineMark)
{
    responder.AddDevice(SimDevice(0x7F000002, 0x1101)); // no port in the reply
    responder.AddDevice(SimDevice(0x7F000003, 0x1111)); // port 9003
    Start();
    ASSERT_TRUE(Ask("127.0.0.2"));
    ASSERT_TRUE(Ask("127.0.0.3"));

    Item* plain = Child(grid->m_pLocalRoot, "127.0.0.2");
    ASSERT_NE(plain, nullptr);
    const CItemInfo* info = plain->m_lpNodeInfo;
    EXPECT_EQ(info->m_dwHttpPort, 8001u);
    EXPECT_EQ(info->m_dwStreamPort, 8105u);
    EXPECT_EQ(info->m_dwConfigPort, 8405u);
    EXPECT_EQ(info->m_bOnline, 1);
    EXPECT_EQ(info->m_bKnown, 0);
    EXPECT_EQ(info->GetImage(), TREE_IMAGE_ONLINE);
    EXPECT_STREQ(info->m_szSerial, "SN2");
    EXPECT_STREQ(info->m_szModel, "PT-D16");
    EXPECT_STREQ(info->m_szInfo, "Shop recorder");
    EXPECT_STREQ(info->m_szAddress, "127.0.0.2");
    EXPECT_STREQ(info->m_szKey, "00:1c:23:10:20:02");
    EXPECT_EQ(info->m_dwIpAddress, 0x7F000002u);

    Item* withPort = Child(grid->m_pLocalRoot, "127.0.0.3");
    ASSERT_NE(withPort, nullptr);
    EXPECT_EQ(withPort->m_lpNodeInfo->m_dwHttpPort, 9003u);
    EXPECT_EQ(withPort->m_lpNodeInfo->m_dwStreamPort, 9003u);
    EXPECT_EQ(withPort->m_lpNodeInfo->m_dwConfigPort, 9003u);

    // A second answer updates the row rather than adding one; the end of
    // the cycle removes devices that stopped answering.
    ASSERT_TRUE(Ask("127.0.0.2"));
    EXPECT_EQ(grid->m_pLocalRoot->m_listChild.size(), 2u);
    grid->ClearOnlineFlags();
    ASSERT_TRUE(Ask("127.0.0.3"));
    grid->EndDiscoveryCycle();
    ASSERT_EQ(grid->m_pLocalRoot->m_listChild.size(), 1u);
    EXPECT_EQ(grid->m_pLocalRoot->m_listChild[0], withPort);
    for (int row = 0; row < grid->GetItemCount(); ++row)
        EXPECT_EQ(grid->RowOfNode(grid->NodeAtRow(row)), row);
}

TEST_F(DeviceDiscoveryTest, AKnownDeviceIsMatchedBySerialThenMacThenAddressAndPort)
{
    responder.AddDevice(SimDevice(0x7F000004, 0x1111));
    Start();
    struct Case {
        const char* name;
        const char* serial;
        uint8_t macLast;
        uint32_t ip;
        uint32_t port;
        bool matches;
    };
    const Case cases[] = {
        { "by serial, elsewhere", "SN4", 0x77, 0x0A000001, 8405, true },
        { "by MAC, no serial", "", 0x04, 0x0A000001, 8405, true },
        { "by address and port", "", 0x00, 0x7F000004, 9004, true },
        { "address but another port", "", 0x00, 0x7F000004, 8405, false },
        { "another device", "SN9", 0x09, 0x0A000009, 8405, false },
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        h.MakeGrid(false);
        grid = h.grid.get();
        CItemInfo* known = h.Device("Office", c.ip, c.macLast, c.serial);
        known->m_dwConfigPort = c.port;
        known->m_bOnline = 0;
        known->SetImage(TREE_IMAGE_OFFLINE);
        if (c.macLast == 0)
            std::memset(known->m_byMac, 0, 6);
        ASSERT_NE(grid->InsertDVR(grid->m_pMyRoot, known), nullptr);
        ASSERT_TRUE(Ask("127.0.0.4"));
        if (c.matches) {
            EXPECT_TRUE(grid->m_pLocalRoot->m_listChild.empty());
            EXPECT_EQ(known->m_bOnline, 1);
            EXPECT_EQ(known->GetImage(), TREE_IMAGE_ONLINE);
            EXPECT_EQ(known->m_dwIpAddress, 0x7F000004u);
            EXPECT_EQ(known->m_dwConfigPort, 9004u);
            EXPECT_EQ(known->GetItemText(), "Office"); // a known device keeps its name
            // The file holds the new address and ports once the burst ends.
            ASSERT_TRUE(PumpMessagesUntil([&] { return !grid->IsTreeChangePending(); }, 10000));
            const FILE_NODE rec = FileRecord(h.Path(), "Office");
            EXPECT_EQ(rec.item.dwIpAddress, 0x7F000004u);
            EXPECT_EQ(rec.dwHttpPort, 9004u);
            EXPECT_EQ(rec.dwConfigPort, 9004u);
        } else {
            EXPECT_EQ(known->m_bOnline, 0);
            EXPECT_EQ(grid->m_pLocalRoot->m_listChild.size(), 1u);
        }
    }
}

TEST_F(DeviceDiscoveryTest, RepliesRewriteTheFileOncePerBurstAndOnlyForAChange)
{
    for (uint32_t host = 6; host <= 8; ++host)
        responder.AddDevice(SimDevice(0x7F000000 | host, 0x1111));
    Start();
    // Three saved devices that the simulator knows by MAC, at old addresses.
    for (uint8_t host = 6; host <= 8; ++host) {
        const std::string name = "Site " + std::to_string(host);
        ASSERT_NE(
            grid->InsertDVR(grid->m_pMyRoot, h.Device(name.c_str(), 0x0A000000u | host, host)), nullptr);
    }
    auto fileBytes = [&] {
        std::vector<uint8_t> bytes;
        EXPECT_TRUE(ReadTreeFileBytes(h.Path(), bytes));
        return bytes;
    };
    namespace fs = std::filesystem;
    const auto longAgo = fs::file_time_type::clock::now() - std::chrono::hours(24);
    fs::last_write_time(h.Path(), longAgo);

    // A burst of replies that change saved devices: one write at its end,
    // holding every change.
    ASSERT_FALSE(grid->IsTreeChangePending());
    for (const char* address : { "127.0.0.6", "127.0.0.7", "127.0.0.8" })
        ASSERT_TRUE(socket.ReqUniQuestMsg(address));
    ASSERT_TRUE(
        PumpMessagesUntil([&] { return forward.replies == 3 && !grid->IsTreeChangePending(); }, 10000));
    for (uint8_t host = 6; host <= 8; ++host) {
        const FILE_NODE rec = FileRecord(h.Path(), ("Site " + std::to_string(host)).c_str());
        EXPECT_EQ(rec.item.dwIpAddress, 0x7F000000u | host);
        EXPECT_EQ(rec.dwConfigPort, 9000u + host);
    }
    EXPECT_NE(fs::last_write_time(h.Path()), longAgo);

    // The same replies again change nothing: nothing is written.
    const std::vector<uint8_t> saved = fileBytes();
    fs::last_write_time(h.Path(), longAgo);
    for (const char* address : { "127.0.0.6", "127.0.0.7", "127.0.0.8" })
        ASSERT_TRUE(Ask(address));
    EXPECT_FALSE(grid->IsTreeChangePending());
    PumpMessagesUntil([] { return false; }, 50);
    EXPECT_EQ(fs::last_write_time(h.Path()), longAgo);
    EXPECT_EQ(fileBytes(), saved);

    // A change still waiting is written by the end of the cycle, or when
    // the window goes, before its posted save comes.
    RES_DISCOVER_OVEL moved {};
    moved.ipAddress = 0x7F000016;
    const uint8_t mac6[6] = { 0x00, 0x1c, 0x23, 0x10, 0x20, 6 };
    std::memcpy(moved.mac, mac6, 6);
    grid->ResDiscoverProc(&moved);
    ASSERT_TRUE(grid->IsTreeChangePending());
    grid->EndDiscoveryCycle();
    EXPECT_FALSE(grid->IsTreeChangePending());
    EXPECT_EQ(FileRecord(h.Path(), "Site 6").item.dwIpAddress, 0x7F000016u);
    moved.ipAddress = 0x7F000026;
    grid->ResDiscoverProc(&moved);
    ASSERT_TRUE(grid->IsTreeChangePending());
    grid->DestroyWindow();
    EXPECT_EQ(FileRecord(h.Path(), "Site 6").item.dwIpAddress, 0x7F000026u);
}

TEST_F(DeviceDiscoveryTest, TheDeviceSelectedAtStartIsReportedWhenItAnswers)
{
    responder.AddDevice(SimDevice(0x7F000005, 0x1111));
    Start();
    CItemInfo* known = h.Device("Hall", 0x7F000005, 5, "SN5");
    grid->InsertDVR(grid->m_pMyRoot, known);
    CAM_SERIAL_MAC_INFO key {};
    std::strcpy(key.szSerial, "SN5");
    std::memcpy(key.byMac, known->m_byMac, 6);
    ASSERT_TRUE(SetLastCam(h.Path(), 0, key));
    h.MakeGrid(true);
    grid = h.grid.get();
    grid->OpenLastCam(0);
    ASSERT_EQ(grid->m_bWaitSelection, 1);
    ASSERT_TRUE(Ask("127.0.0.5"));
    EXPECT_EQ(grid->m_bWaitSelection, 0);
    const OwnerMessage* update = h.owner.Last(WM_DEVICE_UPDATE);
    ASSERT_NE(update, nullptr);
    EXPECT_EQ(update->lParam, 1);
    EXPECT_STREQ(update->device.szName, "Hall");
    EXPECT_STREQ(update->device.szModel, "PT-D16");
    EXPECT_EQ(update->device.dwConfigPort, 9005u);
    EXPECT_EQ(update->device.bMacText, 1);
}

ZPT_NODE Record(const char* server, const char* name, const char* mac, const char* address)
{
    ZPT_NODE record {};
    std::strcpy(record.szServer, server);
    std::strcpy(record.szName, name);
    std::strcpy(record.szModel, "PT-D8");
    std::strcpy(record.szMac, mac);
    std::strcpy(record.szAddress, address);
    return record;
}

TEST(DeviceTreeRegistration, ARecordInsertsOrUpdatesTheDeviceUnderItsServer)
{
    TreeHarness h;
    CMySuperGrid& g = *h.grid;
    Item* server = g.InsertServer("192.168.1.5", "reg", "pw");
    ASSERT_NE(server, nullptr);

    ZPT_NODE record = Record("192.168.1.5", "Warehouse", "00:1C:23:AA:BB:01", "203.0.113.7");
    g.RetYemMsg(&record);
    Item* device = Child(server, "Warehouse");
    ASSERT_NE(device, nullptr);
    const CItemInfo* info = device->m_lpNodeInfo;
    EXPECT_EQ(info->m_dwIpAddress, 0xCB007107u); // first octet most significant
    EXPECT_STREQ(info->m_szAddress, "203.0.113.7");
    EXPECT_STREQ(info->m_szKey, "00:1c:23:aa:bb:01");
    EXPECT_EQ(info->m_byMac[5], 0x01);
    EXPECT_STREQ(info->m_szLookupHost, "192.168.1.5");
    EXPECT_EQ(std::memcmp(info->m_byLookup, "reg", 4), 0);
    EXPECT_EQ(info->m_bLookup, 1);
    EXPECT_EQ(h.view.log.back(), "address 203.0.113.7");
    // Never saved: the file holds the server only.
    EXPECT_EQ(h.FileTree(), std::vector<std::string> { "192.168.1.5<ZPT" });

    // The same device again: updated, not added.
    ZPT_NODE moved = Record("192.168.1.5", "Warehouse", "00:1C:23:AA:BB:01", "203.0.113.9");
    g.RetYemMsg(&moved);
    EXPECT_EQ(server->m_listChild.size(), 1u);
    EXPECT_EQ(device->m_lpNodeInfo->m_dwIpAddress, 0xCB007109u);

    // A record of an unknown server, or one while a lookup is pending, is ignored.
    ZPT_NODE stranger = Record("10.9.9.9", "Other", "00:1C:23:AA:BB:02", "203.0.113.8");
    g.RetYemMsg(&stranger);
    g.m_bLookupPending = 1;
    ZPT_NODE pending = Record("192.168.1.5", "Later", "00:1C:23:AA:BB:03", "203.0.113.10");
    g.RetYemMsg(&pending);
    EXPECT_EQ(server->m_listChild.size(), 1u);

    // A server's answer for a looked-up device is kept the same way.
    CItemInfo looked;
    g.StoreLookupAnswer(&looked, "198.51.100.20");
    EXPECT_EQ(looked.m_dwIpAddress, 0xC6336414u);
    EXPECT_EQ(g.m_bLookupPending, 0);
}

TEST(DeviceTreeAdd, AnAddedDeviceGetsItsPortsAUniqueNameAndIsSelected)
{
    TreeHarness h;
    CMySuperGrid& g = *h.grid;
    g.SelectRow(0); // "My DVR"

    // Nothing answered: the ports entered and configuration port 8405.
    AddDeviceResult typed;
    typed.address = "10.1.2.3";
    typed.reply.ipAddress = ParseIpAddress("10.1.2.3");
    std::strcpy(typed.reply.title, "Welcome to Quillomaranth");
    typed.httpPort = 80;
    typed.streamPort = 8001;
    typed.configPort = 8405;
    Item* first = g.AddDevice(typed);
    ASSERT_NE(first, nullptr);
    EXPECT_EQ(first->m_lpNodeInfo->GetItemText(), "10.1.2.3");
    EXPECT_EQ(first->m_lpNodeInfo->m_dwHttpPort, 80u);
    EXPECT_EQ(first->m_lpNodeInfo->m_dwStreamPort, 8001u);
    EXPECT_EQ(first->m_lpNodeInfo->m_dwConfigPort, 8405u);
    EXPECT_EQ(first->m_lpNodeInfo->m_bKnown, 1);
    EXPECT_EQ(g.NodeAtRow(g.SelectedRow()), first);
    ASSERT_NE(h.owner.Last(WM_DEVICE_SELECT), nullptr);
    EXPECT_STREQ(h.owner.Last(WM_DEVICE_SELECT)->device.szName, "10.1.2.3");
    EXPECT_EQ(FileRecord(h.Path(), "10.1.2.3").dwConfigPort, 8405u);
    // Every "My DVR" device is probed again.
    EXPECT_EQ(h.view.log.back(), "discover 10.1.2.3");

    // A probed device found in "Local Area DVR" moves into "My DVR"; the
    // same address twice gets "(2)".
    RES_DISCOVER_OVEL local {};
    local.ipAddress = ParseIpAddress("10.1.2.3");
    local.mac[5] = 0x33;
    std::strcpy(local.serial, "SN33");
    local.port = 9100;
    g.InsertOvelNodeOfListCtrl(local);
    ASSERT_EQ(g.m_pLocalRoot->m_listChild.size(), 1u);
    g.SelectRow(0);
    AddDeviceResult probed;
    probed.probed = true;
    probed.reply = local;
    probed.address = "10.1.2.3";
    probed.httpPort = probed.streamPort = probed.configPort = 9100; // the reply's port, in Firewall mode
    h.boxes.Clear();
    Item* second = g.AddDevice(probed);
    ASSERT_NE(second, nullptr);
    EXPECT_NE(second, first);
    EXPECT_EQ(second->m_lpNodeInfo->GetItemText(), "10.1.2.3(2)");
    EXPECT_EQ(second->m_lpNodeInfo->m_dwHttpPort, 9100u);
    EXPECT_EQ(second->m_lpNodeInfo->m_dwConfigPort, 9100u);
    EXPECT_TRUE(g.m_pLocalRoot->m_listChild.empty());

    // The same device again: updated and reported as existing.
    g.SelectRow(0);
    EXPECT_EQ(g.AddDevice(probed), second);
    ASSERT_EQ(h.boxes.Boxes().size(), 1u);
    EXPECT_EQ(h.boxes.Boxes()[0].text, "The DVR already exists.");
}

} // namespace
