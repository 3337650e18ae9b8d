// Tree files that must never be lost: files this version cannot read stay
// as they are, and a save or upgrade that fails part way leaves the old
// file whole.
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

class TreeFileFaultsTest : public ::testing::Test
{
protected:
    ScratchFolder folder;
    std::string path = folder.Path("qarn.info");

    void TearDown() override { SetFileFaultHook(nullptr); }
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
    static TreeFileLists OneDevice()
    {
        TreeFileLists lists;
        FILE_NODE node {};
        node.dwNo = 1;
        std::strcpy(node.szName, "New");
        lists.nodes.push_back(node);
        return lists;
    }
    // Every operation that could write the file, each of which must leave
    // it as it was.
    void TryEveryWrite()
    {
        TreeFileLists lists;
        EXPECT_NE(TreeFileStatus::Current, ReadTreeFileAndConsistLlist(path, &lists));
        EXPECT_TRUE(lists.nodes.empty());
        EXPECT_FALSE(ReadLlistAndUpdateFile(path, OneDevice(), true));
        const uint8_t mac[6] = { 1, 2, 3, 4, 5, 6 };
        EXPECT_FALSE(SetLastCam(path, 0, 1, "S\0\0\0\0\0\0\0\0\0\0\0\0\0\0\0\0\0\0\0\0\0\0", mac));
        EXPECT_TRUE(ResetFileIfNoFileIs(path));
    }
};

TEST_F(TreeFileFaultsTest, AVersionWithoutAStepIsLeftAsItIs)
{
    fixture::Device d;
    d.id = 1;
    d.name = "Kept";
    d.serial = "SN";
    const auto bytes
        = fixture::Join({ fixture::Header(0x01000004, 1052, 1, 164, 0), fixture::Version3Record(d) });
    Write(bytes);
    EXPECT_EQ(0, UpgradeTreeFile(path));
    TryEveryWrite();
    EXPECT_EQ(bytes, Bytes());
}

TEST_F(TreeFileFaultsTest, AFileEndingInsideItsHeaderIsNeverWrittenOver)
{
    const auto header = fixture::Header(0x01000003, 1052, 0, 164, 0);
    for (size_t size : { size_t { 1 }, size_t { 131 } }) {
        SCOPED_TRACE(size);
        const std::vector<uint8_t> bytes(header.begin(), header.begin() + long(size));
        Write(bytes);
        EXPECT_EQ(-1, UpgradeTreeFile(path));
        TryEveryWrite();
        EXPECT_EQ(bytes, Bytes());
    }
}

TEST_F(TreeFileFaultsTest, RecordSizesOtherThanTheCurrentOnesAreNotRead)
{
    const auto bytes = fixture::Header(0x01000003, 1000, 0, 164, 0);
    Write(bytes);
    TryEveryWrite();
    EXPECT_EQ(bytes, Bytes());
}

TEST_F(TreeFileFaultsTest, AMissingFileIsNotCreatedByAWrite)
{
    EXPECT_FALSE(ReadLlistAndUpdateFile(path, OneDevice(), true));
    EXPECT_FALSE(FileExists(path));
    // An empty file starts from a new header.
    Write({});
    EXPECT_TRUE(ReadLlistAndUpdateFile(path, OneDevice(), true));
    EXPECT_EQ(132u + 1052, Bytes().size());
}

// Each step of an atomic replacement failing in turn: the result says so
// and the file holds its old bytes.
TEST_F(TreeFileFaultsTest, FailedWritesLeaveTheOldFile)
{
    fixture::Device d;
    d.id = 1;
    d.name = "Old";
    d.serial = "SN";
    d.login = { "admin", "pw" };
    const auto current
        = fixture::Join({ fixture::Header(0x01000003, 1052, 1, 164, 0), fixture::Version3Record(d) });
    const auto old
        = fixture::Join({ fixture::Header(0x01000000, 1052, 1, 164, 0), fixture::OldRecord(d, 0x01000000) });
    const uint8_t mac[6] = { 1, 2, 3, 4, 5, 6 };

    for (FileOp failing : { FileOp::Open, FileOp::Write, FileOp::Flush, FileOp::Rename }) {
        SCOPED_TRACE(int(failing));
        SetFileFaultHook([failing](FileOp op, const std::string&) { return op == failing; });

        SetFileFaultHook(nullptr);
        Write(current);
        SetFileFaultHook([failing](FileOp op, const std::string&) { return op == failing; });
        EXPECT_FALSE(ReadLlistAndUpdateFile(path, OneDevice(), true));
        EXPECT_FALSE(SetLastCam(path, 1, 1, "SN\0\0\0\0\0\0\0\0\0\0\0\0\0\0\0\0\0\0\0\0\0", mac));
        SetFileFaultHook(nullptr);
        EXPECT_EQ(current, Bytes());

        Write(old);
        SetFileFaultHook([failing](FileOp op, const std::string&) { return op == failing; });
        EXPECT_EQ(-1, UpgradeTreeFile(path));
        SetFileFaultHook(nullptr);
        EXPECT_EQ(old, Bytes());
        // Nothing is left beside it.
        EXPECT_EQ(1, std::distance(std::filesystem::directory_iterator(folder.Dir()), {}));
    }
}

} // namespace
