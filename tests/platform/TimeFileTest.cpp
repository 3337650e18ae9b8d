#include "platform/base/File.h"
#include "platform/base/TestServices.h"
#include "platform/base/Time.h"

#include <gtest/gtest.h>

#include <filesystem>

namespace
{

TEST(CTime, LocalFieldsRoundTrip)
{
    CTime reference(2000, 1, 1, 0, 0, 0);
    ASSERT_NE(reference.GetTime(), time_t(-1));
    EXPECT_EQ(reference.GetYear(), 2000);
    EXPECT_EQ(reference.GetMonth(), 1);
    EXPECT_EQ(reference.GetDay(), 1);
    EXPECT_EQ(reference.GetHour(), 0);
    EXPECT_EQ(reference.GetDayOfWeek(), 7); // a Saturday
    CTime later = reference + CTimeSpan(0, 13, 5, 0);
    EXPECT_EQ(later.Format("%H:%M"), "13:05");
    EXPECT_EQ((later - reference).GetTotalSeconds(), 13 * 3600 + 5 * 60);
    EXPECT_EQ(CTimeSpan(1, 2, 3, 4).GetHours(), 2);
    EXPECT_EQ(CTimeSpan(1, 2, 3, 4).GetDays(), 1);
    SYSTEMTIME st {};
    ASSERT_TRUE(later.GetAsSystemTime(st));
    EXPECT_EQ(CTime(st), later);
    EXPECT_EQ(CTime(2000, 13, 1, 0, 0, 0).GetTime(), time_t(-1));
    EXPECT_EQ(CTime(0).FormatGmt("%Y-%m-%d %H:%M:%S"), "1970-01-01 00:00:00");
}

TEST(CTime, CurrentTimeComesFromTheClock)
{
    ManualClock clock;
    ScopedService<IClock> use(&clock);
    clock.SetNow(1000000000);
    EXPECT_EQ(CTime::GetCurrentTime().GetTime(), 1000000000);
    clock.Advance(61000);
    EXPECT_EQ(CTime::GetCurrentTime().GetTime(), 1000000061);
}

TEST(CFile, WriteSeekReadAndLength)
{
    std::string path = std::filesystem::temp_directory_path() / ("cfile-" + std::to_string(getpid()));
    CFile f;
    EXPECT_FALSE(f.Open((path + "/missing/x").c_str(), CFile::modeRead));
    ASSERT_TRUE(f.Open(path.c_str(), CFile::modeCreate | CFile::modeReadWrite | CFile::typeBinary));
    EXPECT_TRUE(f.Write("0123456789", 10));
    EXPECT_EQ(f.GetLength(), 10);
    EXPECT_EQ(f.Seek(4, CFile::begin), 4);
    char buf[16] = {};
    EXPECT_EQ(f.Read(buf, 3), 3u);
    EXPECT_STREQ(buf, "456");
    EXPECT_EQ(f.GetPosition(), 7);
    EXPECT_EQ(f.Read(buf, sizeof buf), 3u); // only what is left
    EXPECT_TRUE(f.SetLength(2));
    EXPECT_EQ(f.SeekToEnd(), 2);
    f.Close();
    // modeNoTruncate keeps the contents.
    ASSERT_TRUE(f.Open(path.c_str(), CFile::modeCreate | CFile::modeNoTruncate | CFile::modeRead));
    EXPECT_EQ(f.GetLength(), 2);
    f.Close();
    EXPECT_TRUE(CFile::Remove(path.c_str()));
    EXPECT_FALSE(CFile::Remove(path.c_str()));
}

} // namespace
