// The device tree kept in step with the network: discovery replies matched
// to saved and found devices, discovery cycles, devices added from a reply,
// and the devices of the registration servers' groups.
#include "tests/explorer/MySuperGridFixture.h"

#include "explorer/ZptNode.h"
#include "link/DiscoveryRecord.h"
#include "resources/morrik/Resource.h"

namespace morrik_test
{
namespace
{

RES_DISCOVER_OVEL Reply(uint32_t ip, uint8_t macLast, const char* serial, uint32_t port = 0)
{
    RES_DISCOVER_OVEL rec {};
    std::snprintf(rec.model, sizeof rec.model, "QARN-1604");
    std::snprintf(rec.version1, sizeof rec.version1, "V1.20");
    std::snprintf(rec.version2, sizeof rec.version2, "2.1.7");
    std::snprintf(rec.serial, sizeof rec.serial, "%s", serial);
    rec.ipAddress = ip;
    rec.mac[1] = 0x1B;
    rec.mac[5] = macLast;
    std::snprintf(rec.title, sizeof rec.title, "Recorder");
    rec.port = port;
    return rec;
}

ZPT_NODE Registered(const char* group, const char* mac, const char* address, uint32_t ip = 0)
{
    ZPT_NODE node {};
    std::snprintf(node.szServer, sizeof node.szServer, "127.0.0.1");
    std::snprintf(node.szName, sizeof node.szName, "%s", group);
    std::snprintf(node.szModel, sizeof node.szModel, "QARN-0802");
    std::snprintf(node.szKey32, sizeof node.szKey32, "SN-REG");
    std::snprintf(node.szMac, sizeof node.szMac, "%s", mac);
    std::snprintf(node.szAddress, sizeof node.szAddress, "%s", address);
    node.dwIp = ip;
    if (ip)
        std::sscanf(mac, "%hhx:%hhx:%hhx:%hhx:%hhx:%hhx", &node.byMac[0], &node.byMac[1], &node.byMac[2],
            &node.byMac[3], &node.byMac[4], &node.byMac[5]);
    return node;
}

class MergeTest : public MySuperGridTest
{
protected:
    void SetUp() override
    {
        MySuperGridTest::SetUp();
        std::vector<FILE_NODE> nodes = {
            FileNode(1, 0, "Site", true),
            FileNode(2, 1, "Gate", false, 1), // serial and MAC
            FileNode(3, 0, "Hall", false, 2),
            FileNode(4, 0, "Remote", false, 3),
        };
        // Hall was entered by hand: no serial, no MAC.
        std::memset(nodes[2].item.szSerial, 0, 24);
        std::memset(nodes[2].item.byMac, 0, 6);
        // Remote's address comes from the registration server.
        nodes[3].bLookup = 1;
        std::snprintf(nodes[3].szLookupServer, 64, "127.0.0.1");
        OpenWith(std::move(nodes));
        grid.ExpandAll(grid.m_pMyRoot);
    }
    CItemInfo* Row(const char* name)
    {
        Item* item = Find(name);
        return item ? item->m_lpNodeInfo : nullptr;
    }
    const FILE_NODE* Saved(const TreeFileLists& lists, const char* name)
    {
        for (const FILE_NODE& node : lists.nodes)
            if (std::strcmp(node.szName, name) == 0)
                return &node;
        return nullptr;
    }
};

TEST_F(MergeTest, RepliesRefreshTheSavedDeviceTheyMatch)
{
    struct Case {
        const char* what;
        RES_DISCOVER_OVEL reply;
        const char* row; // the saved row it refreshes
        uint32_t ip; // that row's address afterwards
        uint32_t port;
        uint32_t service2Port;
    };
    const Case cases[] = {
        // A row without serial and MAC by address and port; port 0 is 8405.
        { "by address", Reply(0xC0A80002, 0x42, "SN-NEW"), "Hall", 0xC0A80002, 8405, 8001 },
        // A row with both by its MAC, wherever the device moved.
        { "by MAC", Reply(0xC0A80063, 0x01, "SN-Gate"), "Gate", 0xC0A80063, 8405, 8001 },
        // A reported port becomes all three ports.
        { "new port", Reply(0xC0A80063, 0x01, "SN-Gate", 9000), "Gate", 0xC0A80063, 9000, 9000 },
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        grid.ResDiscoverProc(&c.reply);
        const CItemInfo* row = Row(c.row);
        ASSERT_NE(nullptr, row);
        EXPECT_EQ(c.ip, row->m_dwIp);
        EXPECT_EQ(c.port, row->m_dwConfigPort);
        EXPECT_EQ(c.service2Port, row->m_dwService2Port);
        EXPECT_TRUE(row->m_bOnline);
        EXPECT_EQ(2, row->GetImage());
        EXPECT_EQ(0, std::memcmp(row->m_byMac, c.reply.mac, 6));
        EXPECT_EQ(DottedIp(c.ip), row->GetSubItem(1));
        // The saved record follows.
        const TreeFileLists saved = ReadFile();
        const FILE_NODE* record = Saved(saved, c.row);
        ASSERT_NE(nullptr, record);
        EXPECT_EQ(c.ip, record->item.dwIp);
        EXPECT_EQ(c.port, record->dwConfigPort);
    }
    EXPECT_TRUE(grid.m_pLocalRoot->m_listChild.empty());
}

TEST_F(MergeTest, ALookedUpDeviceKeepsItsAddressAndUnknownDevicesGoToTheLocalArea)
{
    const RES_DISCOVER_OVEL remote = Reply(0x0A000007, 0x03, "SN-Remote");
    grid.ResDiscoverProc(&remote);
    EXPECT_EQ(0xC0A80003u, Row("Remote")->m_dwIp);
    EXPECT_FALSE(Row("Remote")->m_bOnline);

    const RES_DISCOVER_OVEL stranger = Reply(0x0A000008, 0x77, "SN-X", 8405);
    grid.ResDiscoverProc(&stranger);
    grid.ResDiscoverProc(&stranger);
    ASSERT_EQ(1u, grid.m_pLocalRoot->m_listChild.size());
    const CItemInfo* found = grid.m_pLocalRoot->m_listChild[0]->m_lpNodeInfo;
    EXPECT_EQ(CString("10.0.0.8"), found->GetItemText());
    EXPECT_FALSE(found->m_bInFile);
    EXPECT_EQ(2, found->GetImage());
    EXPECT_EQ(CString("00:1b:00:00:00:77"), found->GetSubItem(2));
    // Found devices are not saved.
    EXPECT_EQ(nullptr, Saved(ReadFile(), "10.0.0.8"));
}

TEST_F(MergeTest, ACycleMarksUnseenDevicesAndDropsFoundOnesThatWentAway)
{
    const RES_DISCOVER_OVEL gone = Reply(0x0A000009, 0x90, "SN-G");
    const RES_DISCOVER_OVEL stays = Reply(0x0A00000A, 0x91, "SN-S");
    grid.ResDiscoverProc(&gone);
    grid.ResDiscoverProc(&stays);
    const RES_DISCOVER_OVEL gate = Reply(0xC0A80001, 0x01, "SN-Gate");
    grid.ResDiscoverProc(&gate);
    ASSERT_EQ(2u, grid.m_pLocalRoot->m_listChild.size());

    const int folderImage = Row("Site")->GetImage();
    grid.ResetCamOfRoots();
    EXPECT_FALSE(Row("Gate")->m_bOnline);
    grid.ResDiscoverProc(&gate);
    grid.ResDiscoverProc(&stays);
    grid.ConfirmCamOfRoots();
    EXPECT_EQ(2, Row("Gate")->GetImage());
    EXPECT_EQ(11, Row("Hall")->GetImage());
    EXPECT_EQ(folderImage, Row("Site")->GetImage()); // folders untouched
    ASSERT_EQ(1u, grid.m_pLocalRoot->m_listChild.size());
    EXPECT_EQ(CString("10.0.0.10"), grid.m_pLocalRoot->m_listChild[0]->m_lpNodeInfo->GetItemText());
}

TEST_F(MergeTest, AddingADeviceNamesItUniquelyAndRefusesASecondCopy)
{
    ScriptedMessageBoxPresenter boxes;
    ScopedService<IMessageBoxPresenter> useBoxes { &boxes };
    // The device was found first: adding it takes it out of the local area.
    const RES_DISCOVER_OVEL first = Reply(0x0A000011, 0x11, "SN-11", 8405);
    grid.ResDiscoverProc(&first);
    ASSERT_EQ(1u, grid.m_pLocalRoot->m_listChild.size());
    grid.SetBar(Find("Site"));
    CItemInfo* a = grid.InsertDVR(&first, "Yard");
    ASSERT_NE(nullptr, a);
    EXPECT_TRUE(grid.m_pLocalRoot->m_listChild.empty());
    EXPECT_EQ(Find("Site"), grid.FindTreeItem(a)->m_pParent);
    EXPECT_TRUE(a->m_bInFile);
    EXPECT_EQ(11, a->GetImage());

    const RES_DISCOVER_OVEL second = Reply(0x0A000012, 0x12, "SN-12");
    const RES_DISCOVER_OVEL third = Reply(0x0A000013, 0x13, "SN-13");
    grid.SetBar(Find("Site"));
    ASSERT_NE(nullptr, grid.InsertDVR(&second, "Yard"));
    grid.SetBar(Find("Site"));
    ASSERT_NE(nullptr, grid.InsertDVR(&third, "Yard"));
    EXPECT_EQ((std::vector<std::string> { "Gate", "Yard", "Yard(2)", "Yard(3)" }), Children(Find("Site")));
    // No name: the dotted address; the selected device is no folder, so the
    // device goes under "My DVR".
    const RES_DISCOVER_OVEL fourth = Reply(0x0A000014, 0x14, "SN-14");
    ASSERT_NE(nullptr, grid.InsertDVR(&fourth, ""));
    EXPECT_EQ(grid.m_pMyRoot, Find("10.0.0.20")->m_pParent);

    // The same device again: refused with the message, the row refreshed.
    const RES_DISCOVER_OVEL again = Reply(0x0A000015, 0x12, "SN-12");
    EXPECT_EQ(nullptr, grid.InsertDVR(&again, "Other"));
    ASSERT_EQ(1u, boxes.Boxes().size());
    EXPECT_EQ(CString("そのDVRは既に存在します。"), boxes.Boxes()[0].text);
    EXPECT_EQ(0x0A000015u, Row("Yard(2)")->m_dwIp);

    const TreeFileLists saved = ReadFile();
    for (const char* name : { "Yard", "Yard(2)", "Yard(3)", "10.0.0.20" })
        EXPECT_NE(nullptr, Saved(saved, name)) << name;
    SavePicture("morrik_device_tree_added.png");
}

TEST_F(MergeTest, TheSameAddressAsksBeforeRegisteringAgain)
{
    ScriptedMessageBoxPresenter boxes;
    ScopedService<IMessageBoxPresenter> useBoxes { &boxes };
    int answer = -1;
    EXPECT_EQ(nullptr, grid.CheckSameIp(0x0A0000FF, &answer));
    EXPECT_EQ(2, answer);
    boxes.Answer(IDYES);
    EXPECT_EQ(Find("Hall"), grid.CheckSameIp(0xC0A80002, &answer));
    EXPECT_EQ(0, answer);
    boxes.Answer(IDNO);
    EXPECT_EQ(nullptr, grid.CheckSameIp(0xC0A80002, &answer));
    EXPECT_EQ(1, answer);
    ASSERT_EQ(2u, boxes.Boxes().size());
    EXPECT_EQ(UINT(MB_YESNO), boxes.Boxes()[1].type & 0xF);
}

TEST_F(MergeTest, RegisteredDevicesFillTheirGroupAndLendTheirAddressToSavedDevices)
{
    const ZPT_NODE one = Registered("GRP-A", "00:1B:00:00:00:21", "10.1.0.21");
    grid.RetYemMsg(&one);
    // Another case of the MAC text is the same device.
    ZPT_NODE oneAgain = Registered("GRP-A", "00:1b:00:00:00:21", "10.1.0.99");
    grid.RetYemMsg(&oneAgain);
    // Groups the tree does not hold, or another server: dropped.
    const ZPT_NODE elsewhere = Registered("GRP-B", "00:1B:00:00:00:22", "10.1.0.22");
    grid.RetYemMsg(&elsewhere);
    ZPT_NODE otherServer = Registered("GRP-A", "00:1B:00:00:00:23", "10.1.0.23");
    std::snprintf(otherServer.szServer, sizeof otherServer.szServer, "127.0.0.9");
    grid.RetYemMsg(&otherServer);

    Item* group = Find("GRP-A");
    ASSERT_EQ(1u, group->m_listChild.size());
    const CItemInfo* dev = group->m_listChild[0]->m_lpNodeInfo;
    EXPECT_EQ(CString("GRP-A-00:1B:00:00:00:21"), dev->GetItemText());
    EXPECT_STREQ("10.1.0.99", dev->m_szAddress);
    EXPECT_EQ(1, dev->m_bLookup);
    EXPECT_STREQ("127.0.0.1", dev->m_szLookupServer);
    EXPECT_STREQ("GRP-A", reinterpret_cast<const char*>(dev->m_byGroupId));
    EXPECT_EQ(80u, dev->m_dwConfigPort); // refreshed: no port means 80
    EXPECT_EQ(0x21, dev->m_byMac[5]);

    // While a lookup of one device runs, lists are not merged.
    grid.m_bYemQuery = true;
    const ZPT_NODE during = Registered("GRP-A", "00:1B:00:00:00:24", "10.1.0.24");
    grid.RetYemMsg(&during);
    EXPECT_EQ(1u, group->m_listChild.size());
    grid.m_bYemQuery = false;

    // A saved device registered there takes over the lookup; the file keeps it.
    const ZPT_NODE gate = Registered("GRP-A", "00:1B:00:00:00:01", "10.1.0.1", 0x0A010001);
    grid.RetYemMsg(&gate);
    const CItemInfo* saved = Row("Gate");
    EXPECT_EQ(1, saved->m_bLookup);
    EXPECT_STREQ("10.1.0.1", saved->m_szAddress);
    EXPECT_EQ(0x0A010001u, saved->m_dwIp);
    const TreeFileLists file = ReadFile();
    const FILE_NODE* record = Saved(file, "Gate");
    ASSERT_NE(nullptr, record);
    EXPECT_EQ(1, record->bLookup);
    EXPECT_EQ(0x0A010001u, record->item.dwIp);
    EXPECT_STREQ("GRP-A", reinterpret_cast<const char*>(record->byGroupId));

    // A new round removes the group's devices and keeps the groups.
    grid.DeleteYem();
    EXPECT_TRUE(group->m_listChild.empty());
    EXPECT_EQ(Find("Main server"), group->m_pParent);
}

TEST_F(MergeTest, AnAwaitedAddressChangeIsSeenOnce)
{
    grid.m_bWaitIpChange = true;
    grid.m_strWaitIp = "10.0.0.44";
    const RES_DISCOVER_OVEL other = Reply(0x0A00002B, 0x44, "SN-44");
    const RES_DISCOVER_OVEL awaited = Reply(0x0A00002C, 0x44, "SN-44");
    EXPECT_FALSE(grid.SelectIpChange(&other));
    EXPECT_TRUE(grid.SelectIpChange(&awaited));
    EXPECT_FALSE(grid.SelectIpChange(&awaited));
}

} // namespace
} // namespace morrik_test
