#include "devtree/TreeFileUpgrade.h"
#include "devtree/TreeFile.h"
#include "devtree/TreeFilePaths.h"
#include "platform/base/FileIo.h"
#include "tests/devtree/TreeFileTestTree.h"

#include <gtest/gtest.h>

#include <cstring>
#include <filesystem>

using namespace fixture;

namespace
{

constexpr uint32_t V0 = 0x01000000, V1 = 0x01000001, V2 = 0x01000002, V3 = 0x01000003;

class TreeFileUpgrade : public TreeFileTestBase
{
protected:
    TreeFileUpgrade()
    {
        // Version-0 and version-1 records hold 24 bytes of address text.
        m_devices = m_tree.deviceRecords;
        m_devices[3].address = "lobby.example";
        // A device without a saved user name keeps its password bytes.
        m_devices[3].login = { "", "keepme" };
        m_lastCams = { { 2, "SN-GATE-0001", { 0x00, 0x1a, 0x2b, 0x3c, 0x4d, 0x5e } } };
    }

    // A file of `version` with the sample's records, written by the old
    // layout with the given record sizes.
    std::vector<uint8_t> OldFile(uint32_t version, uint32_t nodeSize = 1052, uint32_t yemSize = 164) const
    {
        std::vector<std::vector<uint8_t>> parts { Header(version, nodeSize,
            static_cast<uint32_t>(m_devices.size()), yemSize,
            static_cast<uint32_t>(m_tree.serverRecords.size()), m_lastCams) };
        for (const Device& d : m_devices)
            parts.push_back(OldRecord(d, version, nodeSize));
        for (const Server& s : m_tree.serverRecords)
            parts.push_back(ServerRecord(s, version == V2, yemSize));
        return Join(parts);
    }
    std::vector<uint8_t> UpgradedFile(uint32_t from) const
    {
        std::vector<std::vector<uint8_t>> parts { Header(V3, 1052, static_cast<uint32_t>(m_devices.size()),
            164, static_cast<uint32_t>(m_tree.serverRecords.size()), m_lastCams) };
        for (const Device& d : m_devices)
            parts.push_back(UpgradedRecord(d, from == V2));
        for (const Server& s : m_tree.serverRecords)
            parts.push_back(ServerRecord(s, true));
        return Join(parts);
    }
    // No temporary file is left beside the tree file.
    bool NothingButTheTreeFile() const
    {
        for (const auto& entry : std::filesystem::directory_iterator(m_dir))
            if (entry.path() != m_path)
                return false;
        return true;
    }

    SampleTree m_tree;
    std::vector<Device> m_devices;
    std::vector<LastCam> m_lastCams;
};

TEST_F(TreeFileUpgrade, EveryOldVersionEndsAsTheCurrentBytes)
{
    struct Case {
        uint32_t version, nodeSize, yemSize;
    };
    // Smaller records are read with the sizes the old header gives.
    for (const Case& c : { Case { V0, 1052, 164 }, Case { V1, 1052, 164 }, Case { V2, 1052, 164 },
             Case { V1, 896, 160 }, Case { V2, 948, 164 } }) {
        SCOPED_TRACE(testing::Message() << std::hex << c.version << " " << std::dec << c.nodeSize);
        WriteBytes(m_path, OldFile(c.version, c.nodeSize, c.yemSize));
        EXPECT_EQ(UpgradeTreeFile(4, m_dir), 1);
        EXPECT_EQ(ReadBytes(m_path), UpgradedFile(c.version));
        EXPECT_TRUE(NothingButTheTreeFile());
        // The current version is left as it is.
        EXPECT_EQ(UpgradeTreeFile(4, m_dir), 1);
        EXPECT_EQ(ReadBytes(m_path), UpgradedFile(c.version));
    }
}

TEST_F(TreeFileUpgrade, AnUpgradedFileLoadsWithItsPasswordsInClear)
{
    WriteBytes(m_path, OldFile(V0));
    ASSERT_EQ(UpgradeTreeFile(4, m_dir), 1);
    CTreeFileLists lists;
    ASSERT_EQ(ReadTreeFileAndConsistLlist(m_path, lists), TreeLoadResult::Loaded);
    ASSERT_NE(lists.m_pHead, nullptr);
    const FILE_NODE& gate = lists.m_pHead->pNext->node;
    EXPECT_STREQ(gate.szName, "Gate");
    EXPECT_STREQ(reinterpret_cast<const char*>(gate.login.byPassword), "s3cret");
    EXPECT_EQ(0, std::memcmp(gate.tableA[1].byPassword, "1234567890abcdef", 16));
    EXPECT_EQ(gate.tableA[3].byUser[0], 0); // after the gap
    EXPECT_EQ(gate.dwConfigPort, 8405u);
}

TEST_F(TreeFileUpgrade, OtherFamiliesAreUntouched)
{
    const std::string reg = m_dir + "/reg.info";
    WriteBytes(reg, OldFile(V0));
    WriteBytes(m_path, OldFile(V0));
    for (int family : { 0, 1, 2, 3, 5, -1 })
        EXPECT_EQ(UpgradeTreeFile(family, m_dir), 0);
    EXPECT_EQ(ReadBytes(reg), OldFile(V0));
    EXPECT_EQ(ReadBytes(m_path), OldFile(V0));
}

TEST_F(TreeFileUpgrade, UnreadableFilesAndBadVersionsAreReplacedByAnEmptyFile)
{
    std::vector<uint8_t> empty;
    ASSERT_TRUE(ResetFileIfNoFileIs(m_dir + "/empty.info"));
    ReadWholeFile(m_dir + "/empty.info", empty);

    struct Case {
        const char* what;
        std::vector<uint8_t> bytes;
        int result;
    };
    std::vector<uint8_t> v0 = OldFile(V0);
    auto withVersion = [&](uint32_t version) { return Join({ Header(version, 1052, 0, 164, 0) }); };
    const Case cases[] = {
        { "empty", {}, -1 },
        { "partial header", std::vector<uint8_t>(v0.begin(), v0.begin() + 100), -1 },
        { "top bit", withVersion(0x80000000), 0 },
        { "all bits", withVersion(0xFFFFFFFF), 0 },
        { "below version 0", withVersion(0x00FFFFFF), 0 },
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        WriteBytes(m_path, c.bytes);
        EXPECT_EQ(UpgradeTreeFile(4, m_dir), c.result);
        EXPECT_EQ(ReadBytes(m_path), empty);
    }
    std::filesystem::remove(m_path);
    EXPECT_EQ(UpgradeTreeFile(4, m_dir), -1);
    EXPECT_FALSE(FileExists(m_path));
}

TEST_F(TreeFileUpgrade, FilesItCannotReadAreLeftAlone)
{
    std::vector<uint8_t> v1 = OldFile(V1);
    auto patched = [&](size_t offset, uint32_t value) {
        std::vector<uint8_t> bytes = v1;
        for (int i = 0; i < 4; ++i)
            bytes[offset + i] = static_cast<uint8_t>(value >> (8 * i));
        return bytes;
    };
    struct Case {
        const char* what;
        std::vector<uint8_t> bytes;
    };
    const Case cases[] = {
        { "next version", patched(0, 0x01000004) },
        { "largest version", patched(0, 0x7FFFFFFF) },
        { "device record too large", patched(116, 1053) },
        { "server record too large", patched(124, 165) },
        { "device record too small for its flags", patched(116, 40) },
        { "server records of no size", patched(124, 0) },
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        WriteBytes(m_path, c.bytes);
        EXPECT_EQ(UpgradeTreeFile(4, m_dir), 0);
        EXPECT_EQ(ReadBytes(m_path), c.bytes);
        EXPECT_TRUE(NothingButTheTreeFile());
    }
}

TEST_F(TreeFileUpgrade, HostileOldFilesReadOnlyWhatIsThere)
{
    std::vector<uint8_t> v1 = OldFile(V1);
    struct Case {
        const char* what;
        std::vector<uint8_t> bytes;
        uint32_t nodes, servers;
    };
    const Case cases[] = {
        { "huge counts", Join({ Header(V1, 1052, 0xFFFFFFFF, 164, 0xFFFFFFFF), OldRecord(m_devices[1], V1) }),
            1, 0 },
        { "cut in a record", std::vector<uint8_t>(v1.begin(), v1.begin() + 132 + 1052 + 300), 2, 0 },
        { "cut in the servers", std::vector<uint8_t>(v1.begin(), v1.end() - 100), 5, 3 },
        { "smallest records", Join({ Header(V0, 60, 3, 61, 2), std::vector<uint8_t>(250, 0xFF) }), 3, 2 },
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        WriteBytes(m_path, c.bytes);
        EXPECT_EQ(UpgradeTreeFile(4, m_dir), 1);
        std::vector<uint8_t> bytes = ReadBytes(m_path);
        ASSERT_EQ(bytes.size(), 132u + 1052 * c.nodes + 164 * c.servers);
        EXPECT_EQ(bytes[120] | bytes[121] << 8 | bytes[122] << 16 | bytes[123] << 24, c.nodes);
        EXPECT_EQ(bytes[128] | bytes[129] << 8 | bytes[130] << 16 | bytes[131] << 24, c.servers);
    }
}

TEST_F(TreeFileUpgrade, AFailedStepLeavesTheOriginalFile)
{
    const std::vector<uint8_t> v0 = OldFile(V0);
    // The new file is written beside the old one (Open, Write, Flush of a
    // path other than the tree file's), then renamed over it.
    for (FileOp failing : { FileOp::Open, FileOp::Write, FileOp::Flush, FileOp::Rename }) {
        SCOPED_TRACE(static_cast<int>(failing));
        WriteBytes(m_path, v0);
        SetFileFaultHook([&](FileOp op, const std::string& path) {
            return op == failing && (op == FileOp::Rename) == (path == m_path);
        });
        EXPECT_EQ(UpgradeTreeFile(4, m_dir), -1);
        SetFileFaultHook(nullptr);
        EXPECT_EQ(ReadBytes(m_path), v0);
        EXPECT_TRUE(NothingButTheTreeFile());
    }
    // A file that cannot be deleted stays as it is.
    WriteBytes(m_path, {});
    SetFileFaultHook([](FileOp op, const std::string&) { return op == FileOp::Remove; });
    EXPECT_EQ(UpgradeTreeFile(4, m_dir), -1);
    SetFileFaultHook(nullptr);
    EXPECT_EQ(ReadBytes(m_path), std::vector<uint8_t> {});
}

} // namespace
