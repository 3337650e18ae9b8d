#include "platform/base/FileIo.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>

namespace
{

class FileIo : public ::testing::Test
{
protected:
    void SetUp() override
    {
        char pattern[] = "/tmp/fileio-XXXXXX";
        m_dir = mkdtemp(pattern);
        m_path = m_dir + "/tree.info";
    }
    void TearDown() override
    {
        SetFileFaultHook(nullptr);
        std::filesystem::remove_all(m_dir);
    }
    std::vector<uint8_t> Read()
    {
        std::vector<uint8_t> bytes;
        EXPECT_TRUE(ReadWholeFile(m_path, bytes));
        return bytes;
    }
    std::string m_dir, m_path;
};

TEST_F(FileIo, AtomicWriteReplacesTheWholeFile)
{
    const std::vector<uint8_t> first { 1, 2, 3, 4, 5 }, second { 9 };
    ASSERT_TRUE(WriteFileAtomic(m_path, first.data(), first.size()));
    EXPECT_EQ(Read(), first);
    ASSERT_TRUE(WriteFileAtomic(m_path, second.data(), second.size()));
    EXPECT_EQ(Read(), second);
    EXPECT_FALSE(FileExists(m_path + ".tmp"));
}

TEST_F(FileIo, AFailedStepLeavesTheOldBytesAndNoTemporaryFile)
{
    const std::vector<uint8_t> old { 1, 2, 3 }, fresh { 7, 7, 7, 7 };
    ASSERT_TRUE(WriteFileAtomic(m_path, old.data(), old.size()));
    for (FileOp failing : { FileOp::Open, FileOp::Write, FileOp::Flush, FileOp::Rename }) {
        SetFileFaultHook([failing](FileOp op, const std::string&) { return op == failing; });
        EXPECT_FALSE(WriteFileAtomic(m_path, fresh.data(), fresh.size()));
        SetFileFaultHook(nullptr);
        EXPECT_EQ(Read(), old);
        EXPECT_FALSE(FileExists(m_path + ".tmp"));
    }
}

TEST_F(FileIo, MissingFilesAndFolders)
{
    std::vector<uint8_t> bytes { 1 };
    EXPECT_FALSE(ReadWholeFile(m_dir + "/missing", bytes));
    EXPECT_TRUE(bytes.empty());
    EXPECT_FALSE(WriteFileAtomic(m_dir + "/no/such/folder", bytes.data(), 1));
    EXPECT_FALSE(RemoveFile(m_dir + "/missing"));
}

} // namespace
