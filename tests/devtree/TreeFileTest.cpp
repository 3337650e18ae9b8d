#include "devtree/TreeFile.h"
#include "devtree/TreeFilePaths.h"
#include "platform/base/FileIo.h"
#include "tests/devtree/TreeFileTestTree.h"

#include <gtest/gtest.h>

#include <cstring>

using namespace fixture;

namespace
{

class TreeFile : public TreeFileTestBase
{
protected:
    // The sample saved into a new file; the bytes the file must hold.
    std::vector<uint8_t> SaveSample(const std::vector<LastCam>& lastCams = {})
    {
        EXPECT_TRUE(ResetFileIfNoFileIs(m_path));
        EXPECT_TRUE(SaveTree(m_path, m_tree.devices, &m_tree.servers));
        return Expected(lastCams);
    }
    std::vector<uint8_t> Expected(const std::vector<LastCam>& lastCams = {}) const
    {
        std::vector<std::vector<uint8_t>> parts { Header(0x01000003, 1052, 5, 164, 3, lastCams) };
        for (const Device& d : m_tree.deviceRecords)
            parts.push_back(Version3Record(d));
        for (const Server& s : m_tree.serverRecords)
            parts.push_back(ServerRecord(s));
        return Join(parts);
    }
    static CAM_SERIAL_MAC_INFO Key(const Device& d)
    {
        CAM_SERIAL_MAC_INFO key {};
        std::strncpy(key.szSerial, d.serial.c_str(), sizeof key.szSerial - 1);
        std::memcpy(key.byMac, d.mac, 6);
        key.dwIpAddress = d.ip;
        return key;
    }
    static TreeItemKey ItemKey(const Device& d)
    {
        TreeItemKey key {};
        std::strncpy(key.szSerial, d.serial.c_str(), sizeof key.szSerial - 1);
        std::memcpy(key.byMac, d.mac, 6);
        std::strncpy(key.szAddress, d.address.c_str(), sizeof key.szAddress - 1);
        return key;
    }
    static LastCam Cam(const Device& d)
    {
        LastCam cam;
        cam.id = d.id;
        cam.serial = d.serial;
        std::memcpy(cam.mac, d.mac, 6);
        return cam;
    }
    const Device& Gate() const { return m_tree.deviceRecords[1]; }
    const Device& Yard() const { return m_tree.deviceRecords[2]; }
    const Device& Lobby() const { return m_tree.deviceRecords[3]; }

    SampleTree m_tree;
};

TEST_F(TreeFile, AMissingFileIsCreatedAsTheEmptyHeader)
{
    ASSERT_TRUE(ResetFileIfNoFileIs(m_path));
    std::vector<uint8_t> expected
        = Bytes().U32(0x01000003).U32(132).Zero(108).U32(1052).U32(0).U32(164).U32(0).b;
    EXPECT_EQ(ReadBytes(m_path), expected);

    // An existing file is the user's tree: it is never replaced.
    WriteBytes(m_path, { 1, 2, 3 });
    EXPECT_TRUE(ResetFileIfNoFileIs(m_path));
    EXPECT_EQ(ReadBytes(m_path), (std::vector<uint8_t> { 1, 2, 3 }));
}

TEST_F(TreeFile, FileNamesOfEachFamily)
{
    EXPECT_EQ(TreeFilePath("/opt/pm", 0), "/opt/pm/reg.info");
    EXPECT_EQ(TreeFilePath("/opt/pm/", 1), "/opt/pm/Module.info");
    EXPECT_EQ(TreeFilePath("/opt/pm", 2), "/opt/pm/Z3PAL.info");
    EXPECT_EQ(TreeFilePath("/opt/pm", 3), "/opt/pm/K386.info");
    EXPECT_EQ(TreeFilePath("/opt/pm", 4), "/opt/pm/qarn.info");
    EXPECT_EQ(TreeFilePath("", 4), "qarn.info");
    EXPECT_EQ(TreeFilePath("/opt/pm", 5), "");
    EXPECT_EQ(TreeFilePath("/opt/pm", -1), "");
}

TEST_F(TreeFile, SaveWritesThePartLayoutAndLoadGivesTheSameTree)
{
    std::vector<uint8_t> expected = SaveSample();
    ASSERT_EQ(ReadBytes(m_path), expected);

    CTreeFileLists lists;
    ASSERT_EQ(ReadTreeFileAndConsistLlist(m_path, lists), TreeLoadResult::Loaded);
    std::vector<FILE_NODE> wanted;
    for (const Device& d : m_tree.deviceRecords)
        wanted.push_back(ToNode(d));
    // What the file does not keep: table entries after the first without a
    // user name.
    std::memset(&wanted[1].tableA[2], 0, 2 * sizeof(PASSWORD_ENTRY));
    size_t i = 0;
    for (const tagLinkedListNode* p = lists.m_pHead; p; p = p->pNext, ++i)
        if (i < wanted.size())
            ExpectSameNode(p->node, wanted[i]);
    EXPECT_EQ(i, wanted.size());
    i = 0;
    for (const tagLinkedYemListNode* p = lists.m_pYemHead; p; p = p->pNext, ++i)
        if (i < m_tree.serverRecords.size())
            ExpectSameYemNode(p->node, ToYemNode(m_tree.serverRecords[i]));
    EXPECT_EQ(i, m_tree.serverRecords.size());

    // Saving what was loaded gives the same bytes again.
    ASSERT_TRUE(ReadLlistAndUpdateFile(m_path, lists, true));
    EXPECT_EQ(ReadBytes(m_path), expected);
}

// A large file is read in pieces straight into the nodes' memory: records
// that lie across the pieces, records after skipped folders (whose nodes
// then lie further before them) and a short last record come back whole.
TEST_F(TreeFile, ALargeFileLoadsEveryRecordWhole)
{
    std::vector<Device> devices(700, Gate());
    std::vector<std::vector<uint8_t>> parts { Header(0x01000003, 1052, 701 + 7, 164, 1) };
    for (size_t n = 0; n < devices.size(); ++n) {
        Device& d = devices[n];
        d.id = uint32_t(n + 1);
        d.name = "Site " + std::to_string(n);
        if (n % 100 == 50) {
            Device unnamed;
            unnamed.folder = true;
            parts.push_back(Version3Record(unnamed));
        }
        if (n % 100 == 0) {
            const Device device = d;
            d = Device {}; // a folder keeps no device fields
            d.id = device.id;
            d.name = device.name;
            d.folder = true;
        } else {
            d.serial = "SN" + std::to_string(n);
            // Six different bytes: each has its own place in the password mask.
            for (int i = 0; i < 6; ++i)
                d.mac[i] = uint8_t(n * 7 + i * 31 + 1);
            d.tableA.assign(n % 11, Entry { "user" + std::to_string(n), "pw" + std::to_string(n) });
        }
        parts.push_back(Version3Record(d));
    }
    std::vector<uint8_t> last = Version3Record(Yard());
    last.resize(600);
    parts.push_back(last);
    parts.push_back(ServerRecord(m_tree.serverRecords[0]));
    WriteBytes(m_path, Join(parts));

    CTreeFileLists lists;
    ASSERT_EQ(ReadTreeFileAndConsistLlist(m_path, lists), TreeLoadResult::Loaded);
    const tagLinkedListNode* p = lists.m_pHead;
    for (size_t n = 0; n < devices.size() && p; ++n, p = p->pNext) {
        SCOPED_TRACE(n);
        ExpectSameNode(p->node, ToNode(devices[n]));
    }
    ASSERT_NE(p, nullptr);
    EXPECT_STREQ(p->node.szAddress, "yard.example");
    EXPECT_EQ(p->pNext, nullptr);
    // The short last record ends the file: what follows is not a server.
    EXPECT_EQ(lists.m_pYemHead, nullptr);
}

// A loaded node holds its fields and nothing of the bytes beside them in
// the file: a text ends at its first NUL (or a byte before its field's end)
// and is zero after it, a serial number may fill its field, a password
// table ends at its first entry without a user name, a folder keeps no
// device fields, reserved bytes go nowhere. Each record has its own
// lengths and lies at its own place in the blocks the load reads.
TEST_F(TreeFile, LoadedNodesHoldTheirFieldsAndNothingBesideThem)
{
    constexpr size_t count = 300;
    std::vector<std::vector<uint8_t>> parts { Header(0x01000003, 1052, count, 164, 0) };
    std::vector<FILE_NODE> expected;
    for (size_t n = 0; n < count; ++n) {
        Device d = Gate();
        d.id = uint32_t(n + 1);
        d.folder = n % 37 == 5;
        d.name = std::string(1 + n % 47, 'n');
        d.lookupHost = std::string(n % 64, 'h');
        d.address = std::string(n % 128, 'a');
        d.serial = std::string(n % 25, 's');
        d.model = std::string(n % 16, 'm');
        d.version = std::string(n % 32, 'v');
        for (int i = 0; i < 6; ++i)
            d.mac[i] = uint8_t(n * 13 + i * 41 + 3);
        if (n % 3 == 0)
            d.login = {};
        d.tableA.assign(n % 11, Entry { "u" + std::to_string(n), "p" + std::to_string(n) });
        d.tableB.assign(n / 11 % 11, Entry { "w" + std::to_string(n), "q" + std::to_string(n) });
        std::vector<uint8_t> record = Version3Record(d);
        auto spoil = [&](size_t from, size_t to) {
            for (size_t i = from; i < to; ++i)
                record[i] = uint8_t(0x80 | (i + n));
        };
        // Bytes after each text's terminator; a text one byte short of its
        // field loses its terminator too.
        auto text = [&](size_t at, size_t width, size_t length) {
            spoil(at + length + 1, at + width);
            if (length == width - 1)
                record[at + length] = 'z';
        };
        text(8, 48, d.name.size());
        text(60, 64, d.lookupHost.size());
        spoil(140, 156);
        if (d.folder) {
            spoil(156, 1052);
            Bytes address;
            address.Text(d.address, 128);
            std::copy(address.b.begin(), address.b.end(), record.begin() + 190);
            text(190, 128, d.address.size());
        } else {
            if (d.serial.size() < 24)
                spoil(156 + d.serial.size() + 1, 180);
            text(190, 128, d.address.size());
            // Every entry from the one that ends a table: garbage, even a
            // user name after the end.
            auto table = [&](size_t at, size_t entries, size_t used) {
                if (used < entries)
                    spoil(at + 32 * used + 1, at + 32 * entries);
            };
            table(318, 1, d.login.user.empty() ? 0 : 1);
            table(350, 10, d.tableA.size());
            table(670, 10, d.tableB.size());
            spoil(990, 992);
            text(1004, 16, d.model.size());
            text(1020, 32, d.version.size());
        }
        parts.push_back(record);

        FILE_NODE node = ToNode(d);
        std::memcpy(node.item.szSerial, d.serial.data(), d.serial.size());
        std::memset(reinterpret_cast<uint8_t*>(&node.item) + 34, 0, sizeof node.item - 34);
        if (d.folder) {
            std::memset(&node.item, 0, sizeof node.item);
            std::memset(&node.login, 0, sizeof node - offsetof(FILE_NODE, login));
        }
        expected.push_back(node);
    }
    WriteBytes(m_path, Join(parts));

    CTreeFileLists lists;
    ASSERT_EQ(ReadTreeFileAndConsistLlist(m_path, lists), TreeLoadResult::Loaded);
    size_t n = 0;
    for (const tagLinkedListNode* p = lists.m_pHead; p && n < count; p = p->pNext, ++n) {
        SCOPED_TRACE(n);
        ExpectSameNode(p->node, expected[n]);
        EXPECT_EQ(0, std::memcmp(&p->node, &expected[n], sizeof(FILE_NODE)));
    }
    EXPECT_EQ(n, count);
}

TEST_F(TreeFile, ATreeWithoutServerBranchSavesNoServers)
{
    ASSERT_TRUE(ResetFileIfNoFileIs(m_path));
    ASSERT_TRUE(SaveTree(m_path, m_tree.devices, nullptr));
    std::vector<uint8_t> bytes = ReadBytes(m_path);
    ASSERT_EQ(bytes.size(), 132u + 5 * 1052);
    EXPECT_EQ(std::vector<uint8_t>(bytes.begin() + 124, bytes.begin() + 132), Bytes().U32(164).U32(0).b);

    // An empty branch gives an empty file.
    ASSERT_TRUE(SaveTree(m_path, DeviceItem {}, nullptr));
    EXPECT_EQ(ReadBytes(m_path).size(), 132u);
}

TEST_F(TreeFile, SavingWithoutAFileChangesNothing)
{
    EXPECT_FALSE(SaveTree(m_path, m_tree.devices, &m_tree.servers));
    EXPECT_FALSE(FileExists(m_path));
    CTreeFileLists lists;
    EXPECT_EQ(ReadTreeFileAndConsistLlist(m_path, lists), TreeLoadResult::NoFile);
    EXPECT_EQ(lists.m_pHead, nullptr);
}

TEST_F(TreeFile, FoldersWithoutNameAreSkippedOnLoad)
{
    Device unnamed;
    unnamed.id = 2;
    unnamed.folder = true;
    std::vector<uint8_t> file = Join({ Header(0x01000003, 1052, 2, 164, 0),
        Version3Record(m_tree.deviceRecords[0]), Version3Record(unnamed) });
    WriteBytes(m_path, file);
    CTreeFileLists lists;
    ASSERT_EQ(ReadTreeFileAndConsistLlist(m_path, lists), TreeLoadResult::Loaded);
    ASSERT_NE(lists.m_pHead, nullptr);
    EXPECT_STREQ(lists.m_pHead->node.szName, "Site A");
    EXPECT_EQ(lists.m_pHead->pNext, nullptr);
}

TEST_F(TreeFile, LastDeviceEntriesFollowTheRenumbering)
{
    SaveSample();
    ASSERT_TRUE(SetLastCam(m_path, 0, Key(Gate())));
    ASSERT_TRUE(SetLastCam(m_path, 2, Key(Lobby())));
    EXPECT_EQ(ReadBytes(m_path), Expected({ Cam(Gate()), {}, Cam(Lobby()) }));

    CAM_SERIAL_MAC_INFO found {};
    ASSERT_TRUE(GetLastCam(m_path, 0, &found));
    EXPECT_STREQ(found.szSerial, "SN-GATE-0001");
    EXPECT_EQ(0, std::memcmp(found.byMac, Gate().mac, 6));
    EXPECT_EQ(found.dwIpAddress, 0u);
    // An unset entry names no device, not the device without a MAC.
    EXPECT_FALSE(GetLastCam(m_path, 1, &found));
    EXPECT_FALSE(GetLastCam(m_path, 3, &found));
    EXPECT_FALSE(SetLastCam(m_path, -1, Key(Gate())));

    // A device with neither serial nor MAC is found by its IPv4 number.
    CAM_SERIAL_MAC_INFO yard = Key(Yard());
    EXPECT_EQ(ReadTreeFileAndFindNoOfMacAndSerial(m_path, yard), 3);
    yard.dwIpAddress = 0x0A010106;
    std::vector<uint8_t> before = ReadBytes(m_path);
    EXPECT_FALSE(SetLastCam(m_path, 1, yard));
    EXPECT_EQ(ReadBytes(m_path), before);

    // Move Lobby to the front: the next save gives it id 1 and the header
    // entries follow.
    DeviceItem reordered = m_tree.devices;
    std::swap(reordered.children[0], reordered.children[1]);
    ASSERT_TRUE(SaveTree(m_path, reordered, &m_tree.servers));
    std::vector<uint8_t> bytes = ReadBytes(m_path);
    auto idAt = [&](size_t slot) {
        size_t o = 8 + 36 * slot;
        return bytes[o] | bytes[o + 1] << 8 | bytes[o + 2] << 16 | bytes[o + 3] << 24;
    };
    EXPECT_EQ(idAt(0), 3); // Lobby 1, Site A 2, Gate 3
    EXPECT_EQ(idAt(2), 1);
    EXPECT_EQ(idAt(1), 0);
}

TEST_F(TreeFile, InPlaceUpdatesTouchOnlyTheMatchingRecords)
{
    SaveSample();
    const std::vector<uint8_t> before = ReadBytes(m_path);
    auto recordAt = [](size_t index) { return 132 + 1052 * index; };
    // Checks that the file differs from `before` only at [from, from + n)
    // and holds `want` there.
    auto expectOnlyChanged = [&](size_t from, const std::vector<uint8_t>& want) {
        std::vector<uint8_t> after = ReadBytes(m_path);
        ASSERT_EQ(after.size(), before.size());
        std::vector<uint8_t> expected = before;
        std::copy(want.begin(), want.end(), expected.begin() + static_cast<long>(from));
        EXPECT_EQ(after, expected);
        WriteBytes(m_path, before);
    };

    struct Case {
        const char* what;
        TreeItemKey key;
        size_t record;
    };
    TreeItemKey byAddress {};
    std::strcpy(byAddress.szAddress, "yard.example");
    TreeItemKey byMac {};
    std::memcpy(byMac.byMac, Lobby().mac, 6);
    TreeItemKey serialWins = ItemKey(Gate());
    std::memcpy(serialWins.byMac, Lobby().mac, 6); // serials decide when both have one
    for (const Case& c : { Case { "serial", ItemKey(Gate()), 1 }, Case { "address", byAddress, 2 },
             Case { "mac", byMac, 3 }, Case { "serial before mac", serialWins, 1 } }) {
        SCOPED_TRACE(c.what);
        EXPECT_EQ(UpdateDevicePortsInFile(m_path, c.key, 81, 82, 83), 1);
        expectOnlyChanged(recordAt(c.record) + 992, Bytes().U32(81).U32(82).U32(83).b);
        EXPECT_EQ(UpdateDeviceIpInFile(m_path, c.key, 0x01020304), 1);
        expectOnlyChanged(recordAt(c.record) + 180, Bytes().U32(0x01020304).b);
        const uint32_t lookup[4] = { 5, 6, 7, 8 };
        EXPECT_EQ(UpdateLookupSettingsInFile(m_path, c.key, lookup), 1);
        expectOnlyChanged(recordAt(c.record) + 124, Bytes().U32(5).U32(6).U32(7).U32(8).b);
    }

    TreeItemKey nobody {};
    std::strcpy(nobody.szSerial, "SN-NOBODY");
    EXPECT_EQ(UpdateDevicePortsInFile(m_path, nobody, 1, 2, 3), 0);
    EXPECT_EQ(ReadBytes(m_path), before);
    TreeItemKey empty {}; // matches no device, not even those without identity
    EXPECT_EQ(UpdateDevicePortsInFile(m_path, empty, 1, 2, 3), 0);

    // Every matching record is updated.
    DeviceItem twice = m_tree.devices;
    twice.children.push_back(twice.children[0].children[0]);
    ASSERT_TRUE(SaveTree(m_path, twice, nullptr));
    EXPECT_EQ(UpdateDevicePortsInFile(m_path, ItemKey(Gate()), 1, 2, 3), 2);
    CTreeFileLists lists;
    ASSERT_EQ(ReadTreeFileAndConsistLlist(m_path, lists), TreeLoadResult::Loaded);
    int updated = 0;
    for (const tagLinkedListNode* p = lists.m_pHead; p; p = p->pNext)
        updated += p->node.dwConfigPort == 3;
    EXPECT_EQ(updated, 2);
}

TEST_F(TreeFile, AFailedWriteLeavesTheFileAsItWas)
{
    SaveSample();
    const std::vector<uint8_t> before = ReadBytes(m_path);
    DeviceItem smaller = m_tree.devices;
    smaller.children.pop_back();
    for (FileOp failing : { FileOp::Open, FileOp::Write, FileOp::Flush, FileOp::Rename }) {
        SCOPED_TRACE(static_cast<int>(failing));
        // Reading the tree file still works; creating the new one fails.
        SetFileFaultHook([&](FileOp op, const std::string& path) {
            return op == failing && (op != FileOp::Open || path != m_path);
        });
        EXPECT_FALSE(SaveTree(m_path, smaller, &m_tree.servers));
        EXPECT_EQ(UpdateDevicePortsInFile(m_path, ItemKey(Gate()), 1, 2, 3), -1);
        EXPECT_FALSE(SetLastCam(m_path, 0, Key(Gate())));
        SetFileFaultHook(nullptr);
        EXPECT_EQ(ReadBytes(m_path), before);
        EXPECT_FALSE(FileExists(m_path + ".tmp"));
    }
}

TEST_F(TreeFile, HostileHeadersReadOnlyWhatTheFileHolds)
{
    std::vector<uint8_t> gate = Version3Record(Gate());
    std::vector<uint8_t> half(gate.begin(), gate.begin() + 500);
    std::vector<uint8_t> server = ServerRecord(m_tree.serverRecords[0]);
    struct Case {
        const char* what;
        std::vector<uint8_t> bytes;
        size_t nodes, servers;
    };
    const Case cases[] = {
        { "huge counts, no records", Header(0x01000003, 1052, 0xFFFFFFFF, 164, 0xFFFFFFFF), 0, 0 },
        { "huge counts, one record", Join({ Header(0x01000003, 1052, 0xFFFFFFFF, 164, 0xFFFFFFFF), gate }), 1,
            0 },
        { "truncated record", Join({ Header(0x01000003, 1052, 3, 164, 0), gate, half }), 2, 0 },
        { "servers cut short", Join({ Header(0x01000003, 1052, 1, 164, 7), gate, server, { 1, 2, 3 } }), 1,
            2 },
        { "partial header", std::vector<uint8_t>(gate.begin(), gate.begin() + 131), 0, 0 },
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        WriteBytes(m_path, c.bytes);
        CTreeFileLists lists;
        TreeLoadResult result = ReadTreeFileAndConsistLlist(m_path, lists);
        EXPECT_EQ(result, c.bytes.size() < 132 ? TreeLoadResult::NoFile : TreeLoadResult::Loaded);
        size_t nodes = 0, servers = 0;
        for (const tagLinkedListNode* p = lists.m_pHead; p; p = p->pNext)
            ++nodes;
        for (const tagLinkedYemListNode* p = lists.m_pYemHead; p; p = p->pNext)
            ++servers;
        EXPECT_EQ(nodes, c.nodes);
        EXPECT_EQ(servers, c.servers);
        CAM_SERIAL_MAC_INFO found {};
        GetLastCam(m_path, 0, &found);
        EXPECT_EQ(ReadTreeFileAndFindNoOfMacAndSerial(m_path, Key(Gate())), c.nodes ? 2 : -1);
        UpdateDevicePortsInFile(m_path, ItemKey(Gate()), 1, 2, 3);
        SetLastCam(m_path, 0, Key(Gate()));
    }
}

// A file this program cannot read as it is (another version, say one that
// a failed upgrade left, or other record sizes) and a file that cannot be
// read at all are never written: loading gives an empty tree and every
// write refuses, so the file stays byte for byte.
TEST_F(TreeFile, AFileThatCannotBeReadIsNeverWritten)
{
    const std::vector<uint8_t> gate = Version3Record(Gate());
    struct Case {
        const char* what;
        std::vector<uint8_t> bytes;
        FileOp failing; // Remove: none while reading
        TreeLoadResult result;
    };
    const Case cases[] = {
        { "next version", Join({ Header(0x01000004, 1052, 1, 164, 0), gate }), FileOp::Remove,
            TreeLoadResult::UnknownFormat },
        { "version 2 left by a failed upgrade", Join({ Header(0x01000002, 1052, 1, 164, 0), gate }),
            FileOp::Remove, TreeLoadResult::UnknownFormat },
        { "larger device records", Join({ Header(0x01000003, 1053, 1, 164, 0), gate, { 0 } }), FileOp::Remove,
            TreeLoadResult::UnknownFormat },
        { "device records of no size", Join({ Header(0x01000003, 0, 1, 164, 0), gate }), FileOp::Remove,
            TreeLoadResult::UnknownFormat },
        { "other server records", Join({ Header(0x01000003, 1052, 1, 165, 0), gate }), FileOp::Remove,
            TreeLoadResult::UnknownFormat },
        { "cannot be opened", Join({ Header(0x01000003, 1052, 1, 164, 0), gate }), FileOp::Open,
            TreeLoadResult::Unreadable },
        { "read fails", Join({ Header(0x01000003, 1052, 1, 164, 0), gate }), FileOp::Read,
            TreeLoadResult::Unreadable },
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        WriteBytes(m_path, c.bytes);
        SetFileFaultHook(
            [&](FileOp op, const std::string& path) { return op == c.failing && path == m_path; });
        CTreeFileLists lists;
        EXPECT_EQ(ReadTreeFileAndConsistLlist(m_path, lists), c.result);
        EXPECT_EQ(lists.m_pHead, nullptr);
        EXPECT_FALSE(ReadLlistAndUpdateFile(m_path, lists, true));
        EXPECT_FALSE(SaveTree(m_path, m_tree.devices, &m_tree.servers));
        EXPECT_EQ(UpdateDevicePortsInFile(m_path, ItemKey(Gate()), 1, 2, 3), -1);
        EXPECT_FALSE(SetLastCam(m_path, 0, Key(Gate())));
        EXPECT_TRUE(ResetFileIfNoFileIs(m_path));
        SetFileFaultHook(nullptr);
        EXPECT_EQ(ReadBytes(m_path), c.bytes);
    }
}

// Names longer than a field are cut so that the field keeps its
// terminator; a file whose field has none loads cut the same way.
TEST_F(TreeFile, TextFieldsAreCutToKeepTheirTerminator)
{
    ASSERT_TRUE(ResetFileIfNoFileIs(m_path));
    Device longName = Gate();
    longName.id = 1;
    longName.parent = 0;
    longName.name = std::string(60, 'n');
    longName.address = std::string(200, 'a');
    DeviceItem root;
    root.children.push_back({ ToNode(longName), false, {} });
    std::memset(root.children[0].node.szName, 'n', sizeof root.children[0].node.szName); // no terminator
    ASSERT_TRUE(SaveTree(m_path, root, nullptr));

    longName.name.resize(47);
    longName.address.resize(127);
    std::vector<uint8_t> expected = Join({ Header(0x01000003, 1052, 1, 164, 0), Version3Record(longName) });
    EXPECT_EQ(ReadBytes(m_path), expected);

    // The same record with a full, unterminated name field.
    std::fill(expected.begin() + 132 + 8, expected.begin() + 132 + 56, 'n');
    WriteBytes(m_path, expected);
    CTreeFileLists lists;
    ASSERT_EQ(ReadTreeFileAndConsistLlist(m_path, lists), TreeLoadResult::Loaded);
    ASSERT_NE(lists.m_pHead, nullptr);
    EXPECT_EQ(std::string(lists.m_pHead->node.szName), std::string(47, 'n'));
}

} // namespace
