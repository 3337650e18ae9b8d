// The explorer pane in a host window, against simulated devices and a
// registration server on loopback: what discovery and the registration
// server bring into its one tree, adding, editing and deleting devices
// through its dialogs, what it tells the host in each mode, and its end
// while a download runs.
#include "explorer/DlgExplore.h"
#include "explorer/DvrNetInfo.h"
#include "explorer/MySuperGrid.h"
#include "explorer/TreeMessages.h"
#include "resources/morrik/Resource.h"
#include "sim/ConfigServer.h"
#include "tests/explorer/ExplorerFixture.h"
#include "tests/platform/ScriptedDialogRunner.h"

#include <memory>

namespace
{

using namespace morrik;
using namespace explorer_test;
using Item = CSuperGridCtrl::CTreeItem;

FILE_NODE SavedDvr(uint32_t no, const char* name, uint32_t ip, const uint8_t* mac, const char* serial)
{
    FILE_NODE node {};
    node.dwNo = no;
    std::snprintf(node.szName, sizeof node.szName, "%s", name);
    node.item.dwIp = ip;
    std::memcpy(node.item.byMac, mac, 6);
    std::snprintf(node.item.szSerial, sizeof node.item.szSerial, "%s", serial);
    std::snprintf(node.szAddress, sizeof node.szAddress, "%u.%u.%u.%u", ip >> 24, (ip >> 16) & 0xFF,
        (ip >> 8) & 0xFF, ip & 0xFF);
    node.dwConfigPort = 8405;
    node.dwService1Port = 8105;
    node.dwService2Port = 8001;
    return node;
}

FILE_YEM_NODE YemFolder(uint32_t no, uint32_t parent, const char* name, const char* server, bool group)
{
    FILE_YEM_NODE node {};
    node.dwNo = no;
    node.dwParentNo = parent;
    std::snprintf(node.szName, sizeof node.szName, "%s", name);
    node.bServerFolder = group ? 0 : 1;
    node.bGroupFolder = group ? 1 : 0;
    std::snprintf(node.szServer, sizeof node.szServer, "%s", server);
    if (group)
        std::memcpy(node.byGroup, name, std::strlen(name));
    return node;
}

class DlgExploreTest : public ExplorerFixture
{
protected:
    void TearDown() override
    {
        Close();
        ExplorerFixture::TearDown();
    }
    void Open(bool modeZero)
    {
        m_pane = std::make_unique<CDlgExplore>(&m_host, false, modeZero);
        ASSERT_TRUE(m_pane->Create(&m_host));
        m_pane->MoveWindow2(0, 0, 340, 460);
        m_pane->ShowWindow(SW_SHOW);
        m_grid = m_pane->CurrentGrid();
    }
    void Close()
    {
        if (!m_pane)
            return;
        m_pane->DestroyWindow();
        m_pane.reset();
    }

    // The registration server's FTP role at 127.0.0.5, knowing `device`.
    void StartRegistrationServer(const sim::RegisteredDevice& device)
    {
        m_ftp.passiveHost = "127.0.0.5";
        m_ftp.AddDevice(device);
        ASSERT_TRUE(m_ftp.Start("127.0.0.5", 21));
    }

    std::unique_ptr<CDlgExplore> m_pane;
    CMySuperGrid* m_grid = nullptr;
    sim::FtpServer m_ftp;
};

const uint8_t kShopMac[6] = { 0x00, 0x1b, 0x9e, 0x20, 0x30, 0x02 };

TEST_F(DlgExploreTest, DiscoveryAndTheRegistrationServerMergeIntoOneTree)
{
    // "Shop" was saved at an address it has left; discovery finds it by its
    // MAC at its new one. The camera at .4 belongs to no tree of the pane.
    m_responder.AddDevice(SimDvr(0x7F000002, "PT-D16", 8405));
    m_responder.AddDevice(SimDvr(0x7F000003, "PT-D8", 8405));
    sim::DiscoveryDevice camera = SimDvr(0x7F000004, "NC-210", 8405);
    m_responder.AddDevice(camera);
    ASSERT_TRUE(m_responder.Start());
    // The server lists a group's devices by the name they registered with.
    sim::RegisteredDevice registered = sim::MakeRegisteredDevice("group-a", 7);
    registered.name = "group-a";
    ASSERT_NO_FATAL_FAILURE(StartRegistrationServer(registered));

    TreeFileLists lists;
    lists.nodes.push_back(SavedDvr(1, "Shop", 0x7F000009, kShopMac, "DVRSN2"));
    lists.yemNodes.push_back(YemFolder(1, 0, "127.0.0.5", "127.0.0.5", false));
    lists.yemNodes.push_back(YemFolder(2, 1, "group-a", "127.0.0.5", true));
    WriteTree(lists);
    Open(false);

    Item* shop = Child(m_grid->m_pMyRoot, "Shop");
    ASSERT_NE(shop, nullptr);
    ASSERT_TRUE(Pump([&] {
        return shop->m_lpNodeInfo->m_dwIp == 0x7F000002 && Child(m_grid->m_pLocalRoot, "127.0.0.3");
    }));
    EXPECT_TRUE(shop->m_lpNodeInfo->m_bOnline);
    EXPECT_STREQ(shop->m_lpNodeInfo->m_szAddress, "127.0.0.2");
    EXPECT_EQ(Child(m_grid->m_pLocalRoot, "127.0.0.2"), nullptr) << "a saved device is not listed again";
    EXPECT_EQ(Child(m_grid->m_pLocalRoot, "127.0.0.4"), nullptr) << "a camera has no place in the DVR tree";
    // The host hears of its saved device.
    bool told = false;
    for (const Notice& n : m_host.Of(WM_EXPLORE_DEVICE_SEEN))
        told = told || n.text == "Shop";
    EXPECT_TRUE(told);
    // The new address reached the tree file.
    ASSERT_TRUE(
        Pump([&] { return ReadTree().nodes.size() == 1 && ReadTree().nodes[0].item.dwIp == 0x7F000002; }));

    // The group's devices come from the registration server.
    Item* server = Child(m_grid->m_pYemRoot, "127.0.0.5");
    ASSERT_NE(server, nullptr);
    Item* group = Child(server, "group-a");
    ASSERT_NE(group, nullptr);
    ASSERT_TRUE(Pump([&] { return !group->m_listChild.empty(); }));
    const CItemInfo* listed = group->m_listChild.front()->m_lpNodeInfo;
    EXPECT_STREQ(listed->m_szAddress, registered.address.c_str());
    EXPECT_TRUE(listed->m_bLookup);
    SavePicture(m_pane->GetWidget(), "explorer_pane.png");
}

// Fills the add/edit dialog and presses OK.
void FillDvrDialog(CDialog* dialog, const char* name, const char* address, const char* port)
{
    ASSERT_NE(dialog, nullptr);
    if (name)
        dialog->SetDlgItemText(1004, name);
    if (address)
        dialog->SetDlgItemText(1007, address);
    if (port)
        dialog->SetDlgItemText(1008, port);
    dialog->SetDlgItemText(1006, "secret");
    dialog->SendDlgItemMessage(IDOK, BM_CLICK);
}

TEST_F(DlgExploreTest, AddEditAndDeleteThroughTheDialogs)
{
    m_responder.AddDevice(SimDvr(0x7F000003, "PT-D8", 8405));
    ASSERT_TRUE(m_responder.Start());
    WriteTree(TreeFileLists {});
    Open(true); // the pane runs its own dialogs
    ASSERT_TRUE(Pump([&] { return Child(m_grid->m_pLocalRoot, "127.0.0.3") != nullptr; }));

    // Added: the device answers the probe and moves under "My DVR" with
    // what the user typed; its unsaved row goes.
    ScriptedDialogRunner add([](CDialog* d) { FillDvrDialog(d, "Gate", "127.0.0.3", "8405"); });
    {
        ScopedService<IModalDialogRunner> scope(&add);
        m_pane->SendMessage(WM_TREE_INSERT_DEVICE, 0, 0); // as the grid's add command does
    }
    ASSERT_TRUE(Pump([&] { return !m_host.Of(WM_EXPLORE_DVR_ADDED).empty(); }));
    const Notice added = m_host.Of(WM_EXPLORE_DVR_ADDED).front();
    EXPECT_EQ(added.wParam, 1u);
    EXPECT_EQ(added.text, CString("Gate"));
    Item* gate = Child(m_grid->m_pMyRoot, "Gate");
    ASSERT_NE(gate, nullptr);
    EXPECT_EQ(gate->m_lpNodeInfo->m_dwIp, 0x7F000003u);
    EXPECT_STREQ(gate->m_lpNodeInfo->m_szSerial, "DVRSN3") << "the reply's fields came with it";
    EXPECT_EQ(Child(m_grid->m_pLocalRoot, "127.0.0.3"), nullptr);
    ASSERT_EQ(ReadTree().nodes.size(), 1u);
    EXPECT_STREQ(ReadTree().nodes[0].szName, "Gate");
    EXPECT_EQ(m_pane->MyDVR().size(), 1u);

    // A device that never answers is added with its address alone once the
    // wait is over.
    ScriptedDialogRunner silent([](CDialog* d) { FillDvrDialog(d, "Depot", "127.0.0.9", "8405"); });
    {
        ScopedService<IModalDialogRunner> scope(&silent);
        m_pane->SendMessage(WM_TREE_INSERT_DEVICE, 0, 0); // as the grid's add command does
    }
    m_clock.Advance(3000);
    ASSERT_TRUE(Pump([&] { return Child(m_grid->m_pMyRoot, "Depot") != nullptr; }));
    EXPECT_EQ(Child(m_grid->m_pMyRoot, "Depot")->m_lpNodeInfo->m_dwIp, 0x7F000009u);
    EXPECT_EQ(m_pane->FindEmptyNewItemBuf(), 0) << "every buffer is free again";

    // Edited: a name another row has is refused, with the pane's message.
    auto* copy = new CItemInfo;
    copy->CopyObjects(gate->m_lpNodeInfo);
    ScriptedDialogRunner taken([](CDialog* d) { FillDvrDialog(d, "Depot", nullptr, nullptr); });
    {
        ScopedService<IModalDialogRunner> scope(&taken);
        m_pane->SendMessage(WM_TREE_EDIT_ITEM, 0, LPARAM(copy)); // the pane frees the copy
    }
    ASSERT_EQ(m_boxes.Boxes().size(), 1u);
    EXPECT_EQ(m_boxes.Boxes()[0].text, CString("その名前は既に使われています。他の名前を使用して下さい。"));
    EXPECT_NE(Child(m_grid->m_pMyRoot, "Gate"), nullptr);

    copy = new CItemInfo;
    copy->CopyObjects(gate->m_lpNodeInfo);
    ScriptedDialogRunner renamed([](CDialog* d) { FillDvrDialog(d, "Front gate", nullptr, nullptr); });
    {
        ScopedService<IModalDialogRunner> scope(&renamed);
        m_pane->SendMessage(WM_TREE_EDIT_ITEM, 0, LPARAM(copy));
    }
    EXPECT_EQ(gate->m_lpNodeInfo->GetItemText(), CString("Front gate"));
    bool saved = false;
    for (const FILE_NODE& node : ReadTree().nodes)
        saved = saved || std::strcmp(node.szName, "Front gate") == 0;
    EXPECT_TRUE(saved);

    // Deleted by the host: the row and its record go, without a question.
    m_pane->DeleteItem(gate->m_lpNodeInfo);
    EXPECT_EQ(Child(m_grid->m_pMyRoot, "Front gate"), nullptr);
    ASSERT_EQ(ReadTree().nodes.size(), 1u);
    EXPECT_STREQ(ReadTree().nodes[0].szName, "Depot");
}

TEST_F(DlgExploreTest, ASixthAddWhileFiveWaitTellsTheHost)
{
    WriteTree(TreeFileLists {});
    Open(true);
    for (int i = 0; i < 6; ++i) {
        CItemInfo item;
        item.SetItemText(CString("Silent ") + char('0' + i));
        item.m_dwIp = 0x7F000010u + uint32_t(i);
        std::snprintf(item.m_szAddress, sizeof item.m_szAddress, "127.0.0.%d", 16 + i);
        item.m_dwConfigPort = 8405;
        m_pane->AddDVR(&item);
    }
    const auto full = m_host.Of(WM_TREE_INSERT_DEVICE);
    ASSERT_EQ(full.size(), 1u);
    EXPECT_EQ(full[0].wParam, 0u);
    EXPECT_EQ(full[0].lParam, 0);
    // The five are added once the wait is over.
    m_clock.Advance(3000);
    ASSERT_TRUE(Pump([&] { return m_host.Of(WM_EXPLORE_DVR_ADDED).size() == 5; }));
}

TEST_F(DlgExploreTest, WhatTheHostHearsInEachMode)
{
    WriteTree(TreeFileLists {});
    struct Case {
        bool modeZero;
        int mode; // set after creation: the camera explorer's mode 1
        UINT message;
        LPARAM lParam;
        UINT heard; // 0: nothing
    };
    const Case cases[] = {
        { false, 2, WM_TREE_ITEM_CLICK, 0, WM_TREE_ITEM_CLICK },
        { false, 2, WM_TREE_ITEM_CLICK, 2, WM_TREE_ITEM_CLICK },
        { true, 0, WM_TREE_ITEM_CLICK, 0, WM_EXPLORE_ITEM_CLICK },
        { true, 0, WM_TREE_ITEM_CLICK, 2, 0 },
        { true, 1, WM_TREE_ITEM_CLICK, 2, WM_EXPLORE_ITEM_CLICK },
        { false, 2, WM_TREE_ITEM_MOVED, 0, WM_TREE_ITEM_MOVED },
        { true, 0, WM_TREE_ITEM_MOVED, 0, 0 },
        { false, 2, WM_TREE_DELETE_ITEM, 0, WM_TREE_DELETE_ITEM },
        { true, 0, WM_TREE_DELETE_ITEM, 0, 0 },
        { false, 2, WM_TREE_DRAG_BEGIN, 0, WM_TREE_DRAG_BEGIN },
        { true, 0, WM_TREE_DRAG_BEGIN, 0, 0 },
        { true, 0, WM_TREE_DROP, 0, WM_TREE_DROP },
        { false, 2, WM_TREE_INSERT_DEVICE, 0, WM_TREE_INSERT_DEVICE },
    };
    for (const Case& c : cases) {
        Open(c.modeZero);
        m_pane->m_nMode = c.mode;
        m_host.notices.clear();
        m_pane->SendMessage(c.message, 0, c.lParam);
        std::vector<UINT> heard;
        for (const Notice& n : m_host.notices)
            if (n.message != WM_EXPLORE_DEVICE_SEEN)
                heard.push_back(n.message);
        EXPECT_EQ(heard, c.heard ? std::vector<UINT> { c.heard } : std::vector<UINT> {})
            << std::hex << c.message << " mode " << c.mode << " lParam " << c.lParam;
        Close();
    }

    // 0x475 from the host switches renaming, which the grid asks.
    Open(false);
    m_pane->SendMessage(WM_EXPLORE_RENAME_ENABLE, 0, 0);
    EXPECT_FALSE(m_pane->IsRenameEnabled());
    m_pane->SendMessage(WM_EXPLORE_RENAME_ENABLE, 1, 0);
    EXPECT_TRUE(m_pane->IsRenameEnabled());
}

TEST_F(DlgExploreTest, ThePaneEndsWhileADownloadHangs)
{
    // The server sends nothing after the header: the download thread sits
    // in a receive when the pane goes.
    m_ftp.passiveHost = "127.0.0.5";
    m_ftp.stallAfterRecords = 0;
    m_ftp.AddDevice(sim::MakeRegisteredDevice("group-a", 1));
    ASSERT_TRUE(m_ftp.Start("127.0.0.5", 21));
    TreeFileLists lists;
    lists.yemNodes.push_back(YemFolder(1, 0, "127.0.0.5", "127.0.0.5", false));
    lists.yemNodes.push_back(YemFolder(2, 1, "group-a", "127.0.0.5", true));
    WriteTree(lists);
    Open(false);
    ASSERT_TRUE(Pump([&] {
        for (const std::string& command : m_ftp.Commands())
            if (command.rfind("RETR", 0) == 0)
                return true;
        return false;
    }));
    ASSERT_NE(m_pane->m_pThreadZpt, nullptr);
    Close(); // stops the thread cooperatively and joins it
    EXPECT_EQ(m_pane, nullptr);
}

TEST_F(DlgExploreTest, AnAddedDeviceOfARegistrationServerIsLookedUpByItsMacText)
{
    sim::RegisteredDevice registered = sim::MakeRegisteredDevice("group-a", 3);
    ASSERT_NO_FATAL_FAILURE(StartRegistrationServer(registered));
    WriteTree(TreeFileLists {});
    Open(true);
    CItemInfo item;
    item.SetItemText("Remote");
    item.m_bLookup = 1;
    std::snprintf(item.m_szLookupServer, sizeof item.m_szLookupServer, "127.0.0.5");
    std::memcpy(item.m_byGroupId, "group-a", 7);
    const uint8_t mac[6] = { 0x00, 0x1b, 0x9e, 0x00, 0x00, 0x03 };
    std::memcpy(item.m_byMac, mac, 6);
    item.m_dwConfigPort = 8405;
    m_pane->AddDVR(&item);
    // The MAC goes to the server as the text it keeps, never as raw bytes.
    ASSERT_TRUE(Pump([&] { return !m_ftp.QueriedMacs().empty(); }));
    EXPECT_EQ(m_ftp.QueriedMacs().front(), "00:1b:9e:00:00:03");
}

TEST_F(DlgExploreTest, AHostsNetworkRecordTakesTheAddressTheServerHolds)
{
    sim::RegisteredDevice registered = sim::MakeRegisteredDevice("group-a", 3);
    registered.address = "198.51.100.23";
    registered.key32 = "DVR16E0500102-SHOP-FRONT"; // all 24 characters of the field
    ASSERT_NO_FATAL_FAILURE(StartRegistrationServer(registered));
    WriteTree(TreeFileLists {});
    Open(true);
    // The host's fields are full to their ends; the serial has no end.
    tagDVrNetInfo info;
    std::memset(&info, 'x', sizeof info);
    std::memcpy(info.szSerial, registered.key32.c_str(), sizeof info.szSerial);
    std::snprintf(info.szMacText, sizeof info.szMacText, "%s", registered.mac.c_str());
    std::snprintf(info.szServer, sizeof info.szServer, "127.0.0.5");
    ASSERT_TRUE(m_pane->GetAddress(&info));
    EXPECT_STREQ(info.szAddress, "198.51.100.23");
    EXPECT_EQ(m_ftp.QueriedMacs().back(), registered.mac);

    // A device the server does not know leaves the address as it was.
    std::snprintf(info.szMacText, sizeof info.szMacText, "00:00:00:00:00:01");
    EXPECT_FALSE(m_pane->GetAddress(&info));
    EXPECT_STREQ(info.szAddress, "198.51.100.23");
}

TEST_F(DlgExploreTest, PortsAskedOfTheDevice)
{
    sim::DeviceProfile profile = sim::MakeProfile(4);
    profile.password = "4321";
    profile.address = 0x7F000002;
    sim::ConfigServer device(profile);
    ASSERT_TRUE(device.Start("127.0.0.2", 0));
    WriteTree(TreeFileLists {});
    Open(true);
    const BYTE user[16] = "admin";
    struct Case {
        const char* password;
        uint32_t config, service1, service2;
    };
    // The extra-port flag is 0 on this device, so the pair is asked too;
    // a refused login changes nothing.
    const Case cases[] = {
        { "4321", device.Port(), 8105, 8001 },
        { "wrong", device.Port(), 1, 2 },
    };
    for (const Case& c : cases) {
        CItemInfo item;
        std::snprintf(item.m_szAddress, sizeof item.m_szAddress, "127.0.0.2");
        item.m_dwConfigPort = device.Port();
        item.m_dwService1Port = 1;
        item.m_dwService2Port = 2;
        BYTE password[16] = {};
        std::memcpy(password, c.password, std::strlen(c.password));
        m_pane->GetPort(&item, user, password);
        EXPECT_EQ(item.m_dwConfigPort, c.config) << c.password;
        EXPECT_EQ(item.m_dwService1Port, c.service1) << c.password;
        EXPECT_EQ(item.m_dwService2Port, c.service2) << c.password;
    }
}

TEST_F(DlgExploreTest, ChannelRowsAndTheSelectionTheHostReads)
{
    TreeFileLists lists;
    lists.nodes.push_back(SavedDvr(1, "Shop", 0x7F000002, kShopMac, "DVRSN2"));
    WriteTree(lists);
    Open(false);
    Item* shop = Child(m_grid->m_pMyRoot, "Shop");
    ASSERT_NE(shop, nullptr);
    CItemInfo key;
    key.CopyObjects(shop->m_lpNodeInfo);
    // Channels 1, 3 and 18 of 20 are on; 3 has a name of its own.
    const DWORD masks[1] = { (1u << 0) | (1u << 2) | (1u << 17) };
    char names[20][24] = {};
    std::snprintf(names[2], sizeof names[2], "Till");
    m_pane->SetChannel(&key, masks, 20, &names[0][0]);
    std::vector<std::string> channels;
    for (Item* child : shop->m_listChild)
        channels.push_back(child->m_lpNodeInfo->GetItemText().GetString());
    EXPECT_EQ(channels, (std::vector<std::string> { "CH01", "Till" })) << "a DVR has at most 16 channels";
    EXPECT_EQ(ReadTree().nodes.size(), 1u) << "channel rows are never saved";

    // A channel row selected: the host reads its DVR.
    m_pane->SetSelectedDVR(&key, 3);
    CItemInfo selected;
    m_pane->GetSelectedCam(&selected);
    EXPECT_EQ(selected.GetItemText(), CString("Shop"));
    EXPECT_EQ(selected.m_dwIp, 0x7F000002u);
    EXPECT_EQ(selected.m_lParam, 0u);
    EXPECT_EQ(m_pane->GetMyItemCount(), 1);
}

} // namespace
