#include "platform/base/FileIo.h"

#include <gtest/gtest.h>

#include <atomic>
#include <cstdlib>
#include <filesystem>
#include <thread>

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
    // No temporary file is left beside the file.
    bool NothingButTheFile() const
    {
        for (const auto& entry : std::filesystem::directory_iterator(m_dir))
            if (entry.path() != m_path)
                return false;
        return true;
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
    EXPECT_TRUE(NothingButTheFile());
}

TEST_F(FileIo, AFailedStepLeavesTheOldBytesAndNoTemporaryFile)
{
    const std::vector<uint8_t> old { 1, 2, 3 }, fresh { 7, 7, 7, 7 };
    ASSERT_TRUE(WriteFileAtomic(m_path, old.data(), old.size()));
    for (FileOp failing : { FileOp::Open, FileOp::Write, FileOp::Flush, FileOp::Rename }) {
        SetFileFaultHook([failing](FileOp op, const std::string&) { return op == failing; });
        EXPECT_FALSE(WriteFileAtomic(m_path, fresh.data(), fresh.size()));
        EXPECT_FALSE(WriteNewFile(m_dir + "/new.info", fresh.data(), fresh.size()));
        SetFileFaultHook(nullptr);
        EXPECT_EQ(Read(), old);
        EXPECT_TRUE(NothingButTheFile());
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

// A file that is there but cannot be read must not be taken for a missing
// one, which its owner would then create anew over it.
TEST_F(FileIo, AMissingFileIsNotAnUnreadableOne)
{
    const std::vector<uint8_t> old(200000, 0x5A);
    ASSERT_TRUE(WriteFileAtomic(m_path, old.data(), old.size()));
    std::filesystem::create_directory(m_dir + "/folder");
    struct Case {
        const char* what;
        std::string path;
        FileOp failing;
        FileReadResult result;
    };
    const Case cases[] = {
        { "missing", m_dir + "/missing", FileOp::Remove, FileReadResult::Missing },
        { "in a missing folder", m_dir + "/none/tree.info", FileOp::Remove, FileReadResult::Missing },
        { "a folder", m_dir + "/folder", FileOp::Remove, FileReadResult::Unreadable },
        { "cannot be opened", m_path, FileOp::Open, FileReadResult::Unreadable },
        { "read fails", m_path, FileOp::Read, FileReadResult::Unreadable },
        { "readable", m_path, FileOp::Remove, FileReadResult::Read },
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        SetFileFaultHook([&](FileOp op, const std::string&) { return op == c.failing; });
        std::vector<uint8_t> bytes { 1 };
        EXPECT_EQ(ReadFileBytes(c.path, bytes), c.result);
        SetFileFaultHook(nullptr);
        EXPECT_EQ(bytes.size(), c.result == FileReadResult::Read ? old.size() : 0u);
    }
    // The first bytes only.
    std::vector<uint8_t> head;
    EXPECT_EQ(ReadFileBytes(m_path, head, 132), FileReadResult::Read);
    EXPECT_EQ(head, std::vector<uint8_t>(old.begin(), old.begin() + 132));
}

TEST_F(FileIo, ANewFileNeverReplacesOneThatIsThere)
{
    const std::vector<uint8_t> old { 1, 2, 3 }, fresh { 4 };
    EXPECT_TRUE(WriteNewFile(m_path, old.data(), old.size()));
    EXPECT_FALSE(WriteNewFile(m_path, fresh.data(), fresh.size()));
    EXPECT_EQ(Read(), old);
    EXPECT_TRUE(NothingButTheFile());
}

// Two programs saving one file at once: each save has a temporary file of
// its own, so a reader sees one whole version or the other, never an empty
// or torn file, and no save fails because the other took its temporary file.
TEST_F(FileIo, TwoSaversAtOnceNeverLeaveATornFile)
{
    const std::vector<uint8_t> a(40000, 'a'), b(90000, 'b');
    ASSERT_TRUE(WriteFileAtomic(m_path, a.data(), a.size()));
    std::atomic<bool> done { false };
    std::atomic<int> failedSaves { 0 }, badReads { 0 };
    auto saver = [&](const std::vector<uint8_t>& bytes) {
        for (int i = 0; i < 300; ++i)
            if (!WriteFileAtomic(m_path, bytes.data(), bytes.size()))
                ++failedSaves;
    };
    std::thread reader([&] {
        std::vector<uint8_t> bytes;
        while (!done) {
            if (!ReadWholeFile(m_path, bytes) || (bytes != a && bytes != b))
                ++badReads;
        }
    });
    std::thread first(saver, std::cref(a)), second(saver, std::cref(b));
    first.join();
    second.join();
    done = true;
    reader.join();
    EXPECT_EQ(failedSaves, 0);
    EXPECT_EQ(badReads, 0);
    EXPECT_TRUE(NothingButTheFile());
}

} // namespace
