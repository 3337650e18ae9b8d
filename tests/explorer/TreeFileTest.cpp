// The explorer's tree files against files built field by field from their
// layout: what a write stores, what a read keeps, the upgrade of each old
// version, and the last cameras.
#include "explorer/TreeFile.h"
#include "explorer/TreeFileUpgrade.h"
#include "tests/devtree/TreeFileFixtures.h"
#include "tests/explorer/ScratchFolder.h"

#include "platform/base/FileIo.h"

#include <gtest/gtest.h>

#include <cstring>

namespace
{

using namespace morrik;
using fixture::Device;

const uint8_t kMac1[6] = { 0x00, 0x1B, 0x2C, 0x3D, 0x4E, 0x5F };
const uint8_t kMac2[6] = { 0x10, 0x20, 0x30, 0x40, 0x50, 0x61 };

void SetEntry(ACCOUNT_ENTRY& entry, const char* user, const char* password)
{
    std::memset(&entry, 0, sizeof entry);
    std::strncpy(entry.szUser, user, sizeof entry.szUser);
    std::strncpy(reinterpret_cast<char*>(entry.byPassword), password, sizeof entry.byPassword);
}

FILE_NODE Folder(uint32_t no, uint32_t parent, const char* name)
{
    FILE_NODE node {};
    node.dwNo = no;
    node.dwParentNo = parent;
    std::strcpy(node.szName, name);
    node.bFolder = 1;
    return node;
}

FILE_NODE DeviceNode(uint32_t no, uint32_t parent, const char* name, const char* serial, const uint8_t mac[6])
{
    FILE_NODE node {};
    node.dwNo = no;
    node.dwParentNo = parent;
    std::strcpy(node.szName, name);
    std::strncpy(node.item.szSerial, serial, sizeof node.item.szSerial);
    std::memcpy(node.item.byMac, mac, 6);
    node.item.dwIp = 0x0A000001; // 10.0.0.1
    std::strcpy(node.szAddress, "10.0.0.1");
    node.dwService2Port = 8001;
    node.dwService1Port = 8105;
    node.dwConfigPort = 8405;
    return node;
}

// The same devices as the fixture describes them.
Device FixtureFolder(uint32_t id, uint32_t parent, const char* name)
{
    Device d;
    d.id = id;
    d.parent = parent;
    d.name = name;
    d.folder = true;
    return d;
}

Device FixtureDevice(uint32_t id, uint32_t parent, const char* name, const char* serial, const uint8_t mac[6])
{
    Device d;
    d.id = id;
    d.parent = parent;
    d.name = name;
    d.serial = serial;
    std::memcpy(d.mac, mac, 6);
    d.ip = 0x0A000001;
    d.address = "10.0.0.1";
    d.http = 8001;
    d.stream = 8105;
    d.config = 8405;
    return d;
}

class TreeFileTest : public ::testing::Test
{
protected:
    ScratchFolder folder;
    std::string path = folder.Path("qarn.info");

    void Write(const std::vector<uint8_t>& bytes)
    {
        ASSERT_TRUE(WriteWholeFile(path, bytes.data(), bytes.size()));
    }
    std::vector<uint8_t> Bytes()
    {
        std::vector<uint8_t> bytes;
        ReadWholeFile(path, bytes);
        return bytes;
    }
};

TEST_F(TreeFileTest, ANewFileIsAHeaderAlone)
{
    ASSERT_TRUE(ResetFileIfNoFileIs(path));
    EXPECT_EQ(fixture::Header(0x01000003, 1052, 0, 164, 0), Bytes());

    // An existing file is kept as it is.
    const auto before = fixture::Join({ fixture::Header(0x01000003, 1052, 1, 164, 0),
        fixture::Version3Record(FixtureFolder(1, 0, "Site")) });
    Write(before);
    ASSERT_TRUE(ResetFileIfNoFileIs(path));
    EXPECT_EQ(before, Bytes());
}

TEST_F(TreeFileTest, AWriteStoresEveryFieldByTheLayout)
{
    TreeFileLists lists;
    lists.nodes.push_back(Folder(1, 0, "Site"));
    FILE_NODE dvr = DeviceNode(2, 1, "Gate", "SN-0001", kMac1);
    SetEntry(dvr.login, "admin", "secret");
    SetEntry(dvr.service1[0], "u1", "p1");
    SetEntry(dvr.service1[1], "u2", "p2");
    SetEntry(dvr.service1[3], "late", "never"); // after the gap: not stored
    SetEntry(dvr.service2[0], "v1", "q1");
    std::strcpy(dvr.szModel, "KX-16");
    std::strcpy(dvr.szVersion2, "2.10");
    lists.nodes.push_back(dvr);
    // A device named like a channel row is a device and is stored.
    FILE_NODE ch = DeviceNode(4, 0, "CH01", "", kMac2);
    SetEntry(ch.login, "", "ignored"); // no user: 32 zero bytes
    lists.nodes.push_back(ch);
    FILE_YEM_NODE server {};
    server.dwNo = 1;
    std::strcpy(server.szName, "Directory");
    server.bServerFolder = 1;
    std::strcpy(server.szServer, "192.168.0.9");
    std::memcpy(server.byGroup, "group-0001", 10);
    lists.yemNodes.push_back(server);
    ResetFileIfNoFileIs(path);
    ASSERT_TRUE(ReadLlistAndUpdateFile(path, lists, true));

    Device gate = FixtureDevice(2, 1, "Gate", "SN-0001", kMac1);
    gate.login = { "admin", "secret" };
    gate.tableA = { { "u1", "p1" }, { "u2", "p2" }, {}, { "late", "never" } };
    gate.tableB = { { "v1", "q1" } };
    gate.model = "KX-16";
    gate.version = "2.10";
    fixture::Server s;
    s.id = 1;
    s.name = "Directory";
    s.server = true;
    s.address = "192.168.0.9";
    s.regId = "group-0001";
    const auto expected = fixture::Join({ fixture::Header(0x01000003, 1052, 3, 164, 1),
        fixture::Version3Record(FixtureFolder(1, 0, "Site")), fixture::Version3Record(gate),
        fixture::Version3Record(FixtureDevice(4, 0, "CH01", "", kMac2)), fixture::ServerRecord(s) });
    const auto bytes = Bytes();
    ASSERT_EQ(expected.size(), bytes.size());
    EXPECT_EQ(expected, bytes);
    // 10.0.0.1 with the first octet most significant.
    EXPECT_EQ(0x01, bytes[132 + 1052 + 180]);
    EXPECT_EQ(0x0A, bytes[132 + 1052 + 183]);

    // Read back: passwords plain, the list cut at its first gap.
    TreeFileLists back;
    ASSERT_EQ(TreeFileStatus::Current, ReadTreeFileAndConsistLlist(path, &back));
    ASSERT_EQ(3u, back.nodes.size());
    ASSERT_EQ(1u, back.yemNodes.size());
    EXPECT_STREQ("Gate", back.nodes[1].szName);
    EXPECT_EQ(0, std::memcmp("secret", back.nodes[1].login.byPassword, 7));
    EXPECT_STREQ("u2", back.nodes[1].service1[1].szUser);
    EXPECT_EQ(0, back.nodes[1].service1[3].szUser[0]);
    EXPECT_EQ(0, std::memcmp("p2", back.nodes[1].service1[1].byPassword, 3));
    EXPECT_STREQ("CH01", back.nodes[2].szName);
    EXPECT_EQ(0, std::memcmp(back.yemNodes[0].byGroup, "group-0001", 10));
    EXPECT_STREQ("192.168.0.9", back.yemNodes[0].szServer);

    // Without the registration-server branch no such record is written.
    ASSERT_TRUE(ReadLlistAndUpdateFile(path, back, false));
    EXPECT_EQ(132u + 3 * 1052, Bytes().size());
}

TEST_F(TreeFileTest, TextsAreCutToTheirFields)
{
    TreeFileLists lists;
    // 46 letters and a two-byte character: the character does not fit.
    std::string name(46, 'n');
    name += "\xC3\xA9";
    FILE_NODE node = DeviceNode(1, 0, "", "", kMac1);
    std::memcpy(node.szName, name.data(), 48);
    std::strcpy(node.szAddress, "camera-at-the-north-gate.example.net");
    lists.nodes.push_back(node);
    ResetFileIfNoFileIs(path);
    ASSERT_TRUE(ReadLlistAndUpdateFile(path, lists, true));
    const auto bytes = Bytes();
    const uint8_t* record = bytes.data() + 132;
    EXPECT_EQ(std::string(46, 'n'), std::string(reinterpret_cast<const char*>(record + 8)));
    EXPECT_EQ(0, record[8 + 46]);
    EXPECT_EQ(0, record[8 + 47]);
    // Only the first 24 bytes of the address text are stored.
    EXPECT_EQ(0, std::memcmp(record + 190, "camera-at-the-north-gate", 24));
    for (int i = 214; i < 318; ++i)
        ASSERT_EQ(0, record[i]) << i;
}

TEST_F(TreeFileTest, ReadDropsNamelessFoldersAndStopsAtAPartialRecord)
{
    const auto full = fixture::Join(
        { fixture::Header(0x01000003, 1052, 4, 164, 1), fixture::Version3Record(FixtureFolder(1, 0, "")),
            fixture::Version3Record(FixtureFolder(2, 0, "Kept")),
            fixture::Version3Record(FixtureDevice(3, 2, "Dvr", "S3", kMac1)),
            fixture::Version3Record(FixtureDevice(4, 2, "Cut", "S4", kMac2)) });
    auto cut = full;
    cut.resize(full.size() - 100);
    Write(cut);
    TreeFileLists lists;
    ASSERT_EQ(TreeFileStatus::Current, ReadTreeFileAndConsistLlist(path, &lists));
    ASSERT_EQ(2u, lists.nodes.size());
    EXPECT_STREQ("Kept", lists.nodes[0].szName);
    EXPECT_STREQ("Dvr", lists.nodes[1].szName);
    EXPECT_TRUE(lists.yemNodes.empty());
}

// The upgrade of each old version, against the current layout the fixture
// gives for it.
TEST_F(TreeFileTest, OldVersionsComeOutCurrent)
{
    Device dvr = FixtureDevice(2, 1, "Dvr", "SN-9", kMac1);
    dvr.login = { "admin", "pw" };
    dvr.tableA = { { "a", "1" }, { "b", "2" } };
    dvr.tableB = { { "c", "3" } };
    dvr.model = "M16";
    dvr.version = "v2";
    fixture::Server s;
    s.id = 1;
    s.name = "Dir";
    s.server = true;
    s.address = "dir.example";

    struct Case {
        uint32_t version;
        size_t nodeSize, yemSize;
        bool fromVersion2;
    } cases[] = {
        { 0x01000000, 1052, 164, false },
        { 0x01000001, 948, 160, false },
        { 0x01000002, 1052, 164, true },
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.version);
        Write(fixture::Join({ fixture::Header(c.version, uint32_t(c.nodeSize), 2, uint32_t(c.yemSize), 1),
            fixture::OldRecord(FixtureFolder(1, 0, "Site"), c.version, c.nodeSize),
            fixture::OldRecord(dvr, c.version, c.nodeSize), fixture::ServerRecord(s, false, c.yemSize) }));
        EXPECT_EQ(1, UpgradeTreeFile(path));
        const auto expected = fixture::Join({ fixture::Header(0x01000003, 1052, 2, 164, 1),
            fixture::UpgradedRecord(FixtureFolder(1, 0, "Site"), c.fromVersion2),
            fixture::UpgradedRecord(dvr, c.fromVersion2),
            fixture::ServerRecord(s, c.version != 0x01000002) });
        EXPECT_EQ(expected, Bytes());

        // Scrambled exactly once: the read gives the plain password back.
        TreeFileLists lists;
        ASSERT_EQ(TreeFileStatus::Current, ReadTreeFileAndConsistLlist(path, &lists));
        ASSERT_EQ(2u, lists.nodes.size());
        EXPECT_EQ(0, std::memcmp("pw", lists.nodes[1].login.byPassword, 3));
        EXPECT_STREQ("b", lists.nodes[1].service1[1].szUser);
    }
}

TEST_F(TreeFileTest, EmptyAndUnusableFilesAreDeleted)
{
    Write({});
    EXPECT_EQ(-1, UpgradeTreeFile(path));
    EXPECT_FALSE(FileExists(path));
    for (uint32_t version : { 0x80000000u, 0x99999999u, 0x00FFFFFFu }) {
        SCOPED_TRACE(version);
        Write(fixture::Header(version, 1052, 0, 164, 0));
        EXPECT_EQ(0, UpgradeTreeFile(path));
        EXPECT_FALSE(FileExists(path));
    }
    // The next reset makes a new empty file.
    EXPECT_TRUE(ResetFileIfNoFileIs(path));
    EXPECT_EQ(fixture::Header(0x01000003, 1052, 0, 164, 0), Bytes());
}

TEST_F(TreeFileTest, LastCamerasFollowTheirDevicesThroughAWrite)
{
    fixture::LastCam cam0, cam1, cam2;
    cam0.id = 7; // renumbered by the write
    cam0.serial = "SN-B";
    cam1.id = 9; // its device is gone: the number stays
    cam1.serial = "SN-GONE";
    std::memcpy(cam2.mac, kMac1, 6); // by MAC
    Write(fixture::Header(0x01000003, 1052, 0, 164, 0, { cam0, cam1, cam2 }));

    TreeFileLists lists;
    lists.nodes.push_back(DeviceNode(1, 0, "A", "SN-A", kMac1));
    // Number 2 was a channel row: numbered, not written.
    lists.nodes.push_back(DeviceNode(3, 0, "B", "SN-B", kMac2));
    ASSERT_TRUE(ReadLlistAndUpdateFile(path, lists, true));
    const auto bytes = Bytes();
    const TREE_FILE_HEADER header = DecodeTreeFileHeader(bytes.data());
    EXPECT_EQ(3, header.lastCam[0].nRecord);
    EXPECT_EQ(9, header.lastCam[1].nRecord);
    EXPECT_EQ(1, header.lastCam[2].nRecord);

    FILE_NODE node {};
    ASSERT_TRUE(GetLastCam(path, 0, &node));
    EXPECT_STREQ("B", node.szName);
    CAM_SERIAL_MAC_INFO key {};
    ASSERT_TRUE(GetLastCamKey(path, 2, &key));
    EXPECT_EQ(0, std::memcmp(key.byMac, kMac1, 6));
    EXPECT_EQ(0, std::strncmp(key.szSerial, "SN-A", 24));
}

TEST_F(TreeFileTest, GetLastCamByNumberAndByScan)
{
    TreeFileLists lists;
    lists.nodes.push_back(Folder(1, 0, "F"));
    lists.nodes.push_back(DeviceNode(2, 1, "A", "SN-A", kMac1));
    ResetFileIfNoFileIs(path);
    ASSERT_TRUE(ReadLlistAndUpdateFile(path, lists, true));
    FILE_NODE node {};

    // Below 1 there is no record to look at.
    for (int32_t number : { 0, -1 }) {
        ASSERT_TRUE(SetLastCam(path, 0, number, "SN-A\0\0\0\0\0\0\0\0\0\0\0\0\0\0\0\0\0\0\0", kMac1));
        EXPECT_FALSE(GetLastCam(path, 0, &node)) << number;
    }
    // A folder at the number.
    SetLastCam(path, 0, 1, "SN-A\0\0\0\0\0\0\0\0\0\0\0\0\0\0\0\0\0\0\0", kMac1);
    EXPECT_FALSE(GetLastCam(path, 0, &node));
    // Past the end: found by scan, and the number is stored.
    SetLastCam(path, 0, 40, "SN-A\0\0\0\0\0\0\0\0\0\0\0\0\0\0\0\0\0\0\0", kMac1);
    ASSERT_TRUE(GetLastCam(path, 0, &node));
    EXPECT_STREQ("A", node.szName);
    EXPECT_EQ(2, DecodeTreeFileHeader(Bytes().data()).lastCam[0].nRecord);
    EXPECT_FALSE(GetLastCam(path, 3, &node));

    RowIdentity row {};
    std::strcpy(row.szSerial, "SN-A");
    EXPECT_EQ(2, ReadTreeFileAndFindNoOfMacAndSerial(path, row, false));
    CAM_SERIAL_MAC_INFO key {};
    key.dwIp = 0x0A000001;
    EXPECT_EQ(2, ReadTreeFileAndFindNoOfMacAndSerial(path, key));
    key.dwIp = 0x0A000002;
    EXPECT_EQ(-1, ReadTreeFileAndFindNoOfMacAndSerial(path, key));
}

TEST(TreeFileMatching, SerialThenMacThenAddress)
{
    FileItemType item {};
    std::strcpy(item.szSerial, "S1");
    std::memcpy(item.byMac, kMac1, 6);
    RowIdentity row {};
    std::strcpy(row.szSerial, "S2");
    std::memcpy(row.byMac, kMac1, 6);
    // Both serials set: they decide, even when the MACs are equal.
    EXPECT_FALSE(CompareDVR(item, "", 0, row, false));
    row.szSerial[0] = 0;
    EXPECT_TRUE(CompareDVR(item, "", 0, row, false));
    std::memset(row.byMac, 0, 6);
    std::strcpy(row.szAddress, "cam.example");
    row.dwConfigPort = 8405;
    // One serial alone does not decide: the address texts do.
    EXPECT_TRUE(CompareDVR(item, "cam.example", 8405, row, false));
    EXPECT_FALSE(CompareDVR(item, "cam.other", 8405, row, false));
    item.szSerial[0] = 0;
    EXPECT_TRUE(CompareDVR(item, "cam.example", 8405, row, true));
    EXPECT_FALSE(CompareDVR(item, "cam.example", 9000, row, true));
    EXPECT_TRUE(CompareDVR(item, "cam.example", 9000, row, false));
    // Zero bytes never match.
    RowIdentity empty {};
    FileItemType none {};
    EXPECT_FALSE(CompareDVR(none, "", 0, empty, true));
    LastCamInfo last {};
    EXPECT_FALSE(CompareCAM(none, last));
}

} // namespace
