#include "tests/devtree/TreeFileTestTree.h"

#include "platform/base/FileIo.h"

#include <cstring>

namespace fixture
{

namespace
{

template <size_t N> void Set(char (&dst)[N], const std::string& text)
{
    std::strncpy(dst, text.c_str(), N - 1);
}

template <size_t N> void SetBytes(uint8_t (&dst)[N], const std::string& text)
{
    std::memcpy(dst, text.data(), std::min(N, text.size()));
}

void SetTable(PASSWORD_ENTRY* table, const std::vector<Entry>& entries)
{
    for (size_t i = 0; i < entries.size() && i < 10; ++i) {
        SetBytes(table[i].byUser, entries[i].user);
        SetBytes(table[i].byPassword, entries[i].password);
    }
}

Device Folder(uint32_t id, uint32_t parent, const std::string& name)
{
    Device d;
    d.id = id;
    d.parent = parent;
    d.name = name;
    d.folder = true;
    return d;
}

template <class Node> const std::vector<Item<Node>>& Children(const Item<Node>& item)
{
    return item.children;
}

} // namespace

FILE_NODE ToNode(const Device& d)
{
    FILE_NODE n {};
    n.dwId = d.id;
    n.dwParentId = d.parent;
    Set(n.szName, d.name);
    n.wTreeWord = d.treeWord;
    n.bFolder = d.folder;
    n.bLookup = d.lookup;
    Set(n.szLookupHost, d.lookupHost);
    std::memcpy(n.dwLookup, d.lookupWords, sizeof n.dwLookup);
    Set(n.item.szSerial, d.serial);
    n.item.dwIpAddress = d.ip;
    std::memcpy(n.item.byMac, d.mac, 6);
    Set(n.szAddress, d.address);
    SetBytes(n.login.byUser, d.login.user);
    SetBytes(n.login.byPassword, d.login.password);
    SetTable(n.tableA, d.tableA);
    SetTable(n.tableB, d.tableB);
    n.dwHttpPort = d.http;
    n.dwStreamPort = d.stream;
    n.dwConfigPort = d.config;
    Set(n.szModel, d.model);
    Set(n.szVersion, d.version);
    return n;
}

FILE_YEM_NODE ToYemNode(const Server& s)
{
    FILE_YEM_NODE n {};
    n.dwId = s.id;
    n.dwParentId = s.parent;
    Set(n.szName, s.name);
    n.wWord = s.word;
    n.bServer = s.server;
    n.bGroupId = s.group;
    Set(n.szServerAddress, s.address);
    SetBytes(n.byRegId, s.regId);
    SetBytes(n.byRegPassword, s.regPassword);
    return n;
}

SampleTree::SampleTree()
{
    Device gate;
    gate.id = 2;
    gate.parent = 1;
    gate.name = "Gate";
    gate.serial = "SN-GATE-0001";
    gate.ip = 0xC0A80114; // 192.168.1.20
    const uint8_t gateMac[6] = { 0x00, 0x1a, 0x2b, 0x3c, 0x4d, 0x5e };
    std::memcpy(gate.mac, gateMac, 6);
    gate.address = "192.168.1.20";
    gate.login = { "admin", "s3cret" };
    // The third entry has no user: it and everything after it are dropped.
    gate.tableA
        = { { "admin", "s3cret" }, { "operator", "1234567890abcdef" }, { "", "lost" }, { "late", "x" } };
    gate.tableB = { { "guest", "guest" } };
    gate.http = 8001;
    gate.stream = 8105;
    gate.config = 8405;
    gate.model = "DVR-16";
    gate.version = "2.3.1 build 0412";

    Device yard; // no serial, all-zero MAC: passwords stored in clear
    yard.id = 3;
    yard.parent = 1;
    yard.name = "Yard";
    yard.ip = 0x0A010105;
    yard.address = "yard.example";
    yard.login = { "admin", "clearpw" };
    yard.http = 80;
    yard.stream = 554;
    yard.config = 9000;

    Device lobby; // a lookup device without a saved login
    lobby.id = 4;
    lobby.name = "Lobby";
    lobby.lookup = true;
    lobby.lookupHost = "reg.example.net";
    lobby.lookupWords[0] = 1;
    lobby.lookupWords[3] = 0xDEADBEEF;
    lobby.serial = "SN-LOBBY";
    const uint8_t lobbyMac[6] = { 0xfe, 0x01, 0x80, 0x7f, 0x00, 0xaa };
    std::memcpy(lobby.mac, lobbyMac, 6);
    lobby.address = "lobby.example.net";
    lobby.http = 8001;
    lobby.stream = 8105;
    lobby.config = 8405;

    deviceRecords = { Folder(1, 0, "Site A"), gate, yard, lobby, Folder(5, 0, "Empty") };

    auto item = [](const Device& d) {
        DeviceItem it;
        it.node = ToNode(d);
        // The walk numbers the items; the ids the items carry are stale.
        it.node.dwId = 77;
        it.node.dwParentId = 99;
        return it;
    };
    DeviceItem site = item(deviceRecords[0]);
    DeviceItem lobbyItem = item(lobby);
    lobbyItem.node.login.byPassword[0] = 'x'; // a password without a user name is not saved
    site.children = { item(gate), item(yard) };
    devices.children = { site, lobbyItem, item(deviceRecords[4]) };

    Server one;
    one.id = 1;
    one.name = "ZPT One";
    one.word = 0x1234;
    one.server = true;
    one.address = "10.0.0.9";
    one.regId = "reg-0001";
    one.regPassword = "pw-0001";
    Server g1;
    g1.id = 2;
    g1.parent = 1;
    g1.name = "Group 1";
    g1.group = true;
    g1.regId = "grp-0001";
    Server two;
    two.id = 3;
    two.name = "ZPT Two";
    two.server = true;
    two.address = "reg2.example.net";
    serverRecords = { one, g1, two };

    auto serverItem = [](const Server& s) {
        ServerItem it;
        it.node = ToYemNode(s);
        return it;
    };
    ServerItem oneItem = serverItem(one);
    ServerItem transient = serverItem(g1);
    transient.transient = true;
    transient.children = { serverItem(g1) };
    Server g2 = g1;
    g2.name = "Group 2";
    oneItem.children = { serverItem(g1), transient, serverItem(g2) };
    servers.children = { oneItem, serverItem(two) };
}

bool SaveTree(const std::string& path, const DeviceItem& devices, const ServerItem* servers)
{
    CTreeFileLists lists;
    auto fillDevice = [](const DeviceItem& item, FILE_NODE& node) { node = item.node; };
    auto fillServer = [](const ServerItem& item, FILE_YEM_NODE& node) { node = item.node; };
    if (!ConsistLlist(devices, Children<FILE_NODE>, fillDevice, lists))
        return false;
    if (servers
        && !ConsistYemLlist(
            *servers, Children<FILE_YEM_NODE>, fillServer,
            [](const ServerItem& item) { return item.transient; }, lists))
        return false;
    return ReadLlistAndUpdateFile(path, lists, servers != nullptr);
}

void ExpectSameNode(const FILE_NODE& a, const FILE_NODE& e)
{
    EXPECT_EQ(a.dwId, e.dwId);
    EXPECT_EQ(a.dwParentId, e.dwParentId);
    EXPECT_STREQ(a.szName, e.szName);
    EXPECT_EQ(a.wTreeWord, e.wTreeWord);
    EXPECT_EQ(a.bFolder, e.bFolder);
    EXPECT_EQ(a.bLookup, e.bLookup);
    EXPECT_STREQ(a.szLookupHost, e.szLookupHost);
    EXPECT_EQ(0, std::memcmp(a.dwLookup, e.dwLookup, sizeof a.dwLookup));
    EXPECT_STREQ(a.item.szSerial, e.item.szSerial);
    EXPECT_EQ(a.item.dwIpAddress, e.item.dwIpAddress);
    EXPECT_EQ(0, std::memcmp(a.item.byMac, e.item.byMac, 6));
    EXPECT_STREQ(a.szAddress, e.szAddress);
    EXPECT_EQ(0, std::memcmp(&a.login, &e.login, sizeof a.login)) << a.szName;
    EXPECT_EQ(0, std::memcmp(a.tableA, e.tableA, sizeof a.tableA)) << a.szName;
    EXPECT_EQ(0, std::memcmp(a.tableB, e.tableB, sizeof a.tableB)) << a.szName;
    EXPECT_EQ(a.dwHttpPort, e.dwHttpPort);
    EXPECT_EQ(a.dwStreamPort, e.dwStreamPort);
    EXPECT_EQ(a.dwConfigPort, e.dwConfigPort);
    EXPECT_STREQ(a.szModel, e.szModel);
    EXPECT_STREQ(a.szVersion, e.szVersion);
}

void ExpectSameYemNode(const FILE_YEM_NODE& a, const FILE_YEM_NODE& e)
{
    EXPECT_EQ(a.dwId, e.dwId);
    EXPECT_EQ(a.dwParentId, e.dwParentId);
    EXPECT_STREQ(a.szName, e.szName);
    EXPECT_EQ(a.wWord, e.wWord);
    EXPECT_EQ(a.bTransient, e.bTransient);
    EXPECT_EQ(a.bServer, e.bServer);
    EXPECT_EQ(a.bGroupId, e.bGroupId);
    EXPECT_STREQ(a.szServerAddress, e.szServerAddress);
    EXPECT_EQ(0, std::memcmp(a.byRegId, e.byRegId, 16));
    EXPECT_EQ(0, std::memcmp(a.byRegPassword, e.byRegPassword, 16));
}

std::vector<uint8_t> ReadBytes(const std::string& path)
{
    std::vector<uint8_t> bytes;
    EXPECT_TRUE(ReadWholeFile(path, bytes)) << path;
    return bytes;
}

void WriteBytes(const std::string& path, const std::vector<uint8_t>& bytes)
{
    ASSERT_TRUE(WriteWholeFile(path, bytes.data(), bytes.size()));
}

void TreeFileTestBase::SetUp()
{
    char pattern[] = "/tmp/devtree-XXXXXX";
    m_dir = mkdtemp(pattern);
    m_path = m_dir + "/qarn.info";
}

void TreeFileTestBase::TearDown()
{
    SetFileFaultHook(nullptr);
    std::filesystem::remove_all(m_dir);
}

} // namespace fixture
