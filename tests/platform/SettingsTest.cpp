#include "platform/base/Settings.h"
#include "platform/base/FileIo.h"

#include <gtest/gtest.h>

#include <cstring>
#include <filesystem>
#include <sys/wait.h>
#include <unistd.h>

namespace
{

const char* const kKey = "SOFTWARE\\Halvern\\Pellmoor";

class Settings : public ::testing::Test
{
protected:
    void SetUp() override
    {
        char pattern[] = "/tmp/settings-XXXXXX";
        m_dir = mkdtemp(pattern);
        m_file = m_dir + "/config/PellmoorTarnwick/registry.ini";
        SetSettingsFile(m_file.c_str());
    }
    void TearDown() override
    {
        SetSettingsWriteFaultHook(nullptr);
        std::filesystem::remove_all(m_dir);
    }
    static HKEY Create(const char* path)
    {
        HKEY key = nullptr;
        EXPECT_EQ(RegCreateKeyEx(HKEY_LOCAL_MACHINE, path, 0, nullptr, REG_OPTION_NON_VOLATILE,
                      KEY_ALL_ACCESS, nullptr, &key, nullptr),
            ERROR_SUCCESS);
        return key;
    }
    static LONG SetText(HKEY key, const char* name, const char* text)
    {
        return RegSetValueEx(
            key, name, 0, REG_SZ, reinterpret_cast<const BYTE*>(text), DWORD(strlen(text) + 1));
    }
    std::string m_dir, m_file;
};

TEST_F(Settings, ValuesSurviveARestartOfTheProcess)
{
    const BYTE odd[] = { 'a', '\n', '=', ']', '[', 0, 0xFF, '\\', '@', ':' };
    pid_t child = fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
        // The first process writes and ends without any clean-up.
        HKEY key = nullptr;
        bool ok
            = RegCreateKeyEx(HKEY_LOCAL_MACHINE, kKey, 0, nullptr, 0, KEY_ALL_ACCESS, nullptr, &key, nullptr)
            == ERROR_SUCCESS;
        const char* dir = "/home/user/Pellmoor Tarnwick";
        ok = ok
            && RegSetValueEx(
                   key, "InstallDir", 0, REG_SZ, reinterpret_cast<const BYTE*>(dir), DWORD(strlen(dir) + 1))
                == ERROR_SUCCESS;
        DWORD family = 4;
        ok = ok
            && RegSetValueEx(key, "LastTreeNo", 0, REG_DWORD, reinterpret_cast<const BYTE*>(&family), 4)
                == ERROR_SUCCESS;
        ok = ok && RegSetValueEx(key, "Odd=Name]", 0, REG_BINARY, odd, sizeof odd) == ERROR_SUCCESS;
        _exit(ok ? 0 : 1);
    }
    int status = 0;
    waitpid(child, &status, 0);
    ASSERT_TRUE(WIFEXITED(status));
    ASSERT_EQ(WEXITSTATUS(status), 0);

    // This process reads the file afresh; names compare without case.
    SetSettingsFile(m_file.c_str());
    HKEY key = nullptr;
    ASSERT_EQ(
        RegOpenKeyEx(HKEY_LOCAL_MACHINE, "software\\HALVERN\\pellmoor", 0, KEY_READ, &key), ERROR_SUCCESS);
    DWORD type = 0, size = 0;
    ASSERT_EQ(RegQueryValueEx(key, "installdir", nullptr, &type, nullptr, &size), ERROR_SUCCESS);
    EXPECT_EQ(type, REG_SZ);
    EXPECT_EQ(size, strlen("/home/user/Pellmoor Tarnwick") + 1);
    char text[64] = {};
    size = sizeof text;
    ASSERT_EQ(RegQueryValueEx(key, "InstallDir", nullptr, &type, reinterpret_cast<BYTE*>(text), &size),
        ERROR_SUCCESS);
    EXPECT_STREQ(text, "/home/user/Pellmoor Tarnwick");
    DWORD family = 0;
    size = sizeof family;
    ASSERT_EQ(RegQueryValueEx(key, "LastTreeNo", nullptr, &type, reinterpret_cast<BYTE*>(&family), &size),
        ERROR_SUCCESS);
    EXPECT_EQ(type, REG_DWORD);
    EXPECT_EQ(family, 4u);
    BYTE back[16] = {};
    size = sizeof back;
    ASSERT_EQ(RegQueryValueEx(key, "odd=name]", nullptr, &type, back, &size), ERROR_SUCCESS);
    EXPECT_EQ(type, REG_BINARY);
    ASSERT_EQ(size, sizeof odd);
    EXPECT_EQ(memcmp(back, odd, sizeof odd), 0);
    RegCloseKey(key);
}

TEST_F(Settings, QueriesFollowTheRegistryRules)
{
    HKEY key = nullptr;
    EXPECT_EQ(RegOpenKeyEx(HKEY_LOCAL_MACHINE, kKey, 0, KEY_READ, &key), ERROR_FILE_NOT_FOUND);
    EXPECT_EQ(key, nullptr);
    key = Create(kKey);
    DWORD size = 0;
    EXPECT_EQ(RegQueryValueEx(key, "InstallDir", nullptr, nullptr, nullptr, &size), ERROR_FILE_NOT_FOUND);
    EXPECT_EQ(SetText(key, "InstallDir", "/opt/pt"), ERROR_SUCCESS);
    char small[4];
    size = sizeof small;
    EXPECT_EQ(RegQueryValueEx(key, "InstallDir", nullptr, nullptr, reinterpret_cast<BYTE*>(small), &size),
        ERROR_MORE_DATA);
    EXPECT_EQ(size, 8u);
    DWORD word = 1;
    EXPECT_EQ(
        RegSetValueEx(key, "Bad", 0, REG_DWORD, reinterpret_cast<BYTE*>(&word), 2), ERROR_INVALID_PARAMETER);
    // A parent with a subkey cannot be deleted; the leaf can.
    EXPECT_EQ(RegDeleteKey(HKEY_LOCAL_MACHINE, "SOFTWARE\\Halvern"), ERROR_ACCESS_DENIED);
    EXPECT_EQ(RegDeleteValue(key, "installdir"), ERROR_SUCCESS);
    EXPECT_EQ(RegDeleteValue(key, "InstallDir"), ERROR_FILE_NOT_FOUND);
    RegCloseKey(key);
    EXPECT_EQ(RegDeleteKey(HKEY_LOCAL_MACHINE, kKey), ERROR_SUCCESS);
    EXPECT_EQ(RegOpenKeyEx(HKEY_LOCAL_MACHINE, kKey, 0, KEY_READ, &key), ERROR_FILE_NOT_FOUND);
    EXPECT_EQ(RegQueryValueEx(key, "x", nullptr, nullptr, nullptr, &size), ERROR_INVALID_HANDLE);
}

TEST_F(Settings, AFailedWriteLeavesStoreAndFileAsTheyWere)
{
    HKEY key = Create(kKey);
    ASSERT_EQ(SetText(key, "InstallDir", "/opt/old"), ERROR_SUCCESS);
    SetSettingsWriteFaultHook([](FileOp op, const std::string&) { return op == FileOp::Rename; });
    EXPECT_EQ(SetText(key, "InstallDir", "/opt/new"), ERROR_WRITE_FAULT);
    SetSettingsWriteFaultHook(nullptr);
    char text[32] = {};
    DWORD size = sizeof text;
    ASSERT_EQ(RegQueryValueEx(key, "InstallDir", nullptr, nullptr, reinterpret_cast<BYTE*>(text), &size),
        ERROR_SUCCESS);
    EXPECT_STREQ(text, "/opt/old");
    RegCloseKey(key);
    SetSettingsFile(m_file.c_str());
    ASSERT_EQ(RegOpenKeyEx(HKEY_LOCAL_MACHINE, kKey, 0, KEY_READ, &key), ERROR_SUCCESS);
    size = sizeof text;
    ASSERT_EQ(RegQueryValueEx(key, "InstallDir", nullptr, nullptr, reinterpret_cast<BYTE*>(text), &size),
        ERROR_SUCCESS);
    EXPECT_STREQ(text, "/opt/old");
    RegCloseKey(key);
}

// One read error must not wipe the user's settings: a file that is there
// but cannot be read is never written over, while the store works on in
// memory; a missing file is simply a new store.
TEST_F(Settings, AnUnreadableFileIsNeverWrittenOver)
{
    HKEY key = Create(kKey);
    ASSERT_EQ(SetText(key, "InstallDir", "/opt/old"), ERROR_SUCCESS);
    RegCloseKey(key);
    std::vector<uint8_t> before;
    ASSERT_TRUE(ReadWholeFile(m_file, before));
    for (FileOp failing : { FileOp::Open, FileOp::Read }) {
        SCOPED_TRACE(static_cast<int>(failing));
        SetSettingsWriteFaultHook(
            [&](FileOp op, const std::string& path) { return op == failing && path == m_file; });
        SetSettingsFile(m_file.c_str());
        SetSettingsWriteFaultHook(nullptr);
        EXPECT_TRUE(IsSettingsFileUnreadable());
        // Nothing was read; changes hold for this run.
        HKEY open = nullptr;
        EXPECT_EQ(RegOpenKeyEx(HKEY_LOCAL_MACHINE, kKey, 0, KEY_READ, &open), ERROR_FILE_NOT_FOUND);
        key = Create(kKey);
        EXPECT_EQ(SetText(key, "LastTreeNo", "4"), ERROR_SUCCESS);
        char text[8] = {};
        DWORD size = sizeof text;
        EXPECT_EQ(RegQueryValueEx(key, "LastTreeNo", nullptr, nullptr, reinterpret_cast<BYTE*>(text), &size),
            ERROR_SUCCESS);
        EXPECT_EQ(RegDeleteValue(key, "LastTreeNo"), ERROR_SUCCESS);
        RegCloseKey(key);
        EXPECT_EQ(RegDeleteKey(HKEY_LOCAL_MACHINE, kKey), ERROR_SUCCESS);
        std::vector<uint8_t> after;
        ASSERT_TRUE(ReadWholeFile(m_file, after));
        EXPECT_EQ(after, before);
    }
    // Readable again: the old values are there, and writes reach the file.
    SetSettingsFile(m_file.c_str());
    EXPECT_FALSE(IsSettingsFileUnreadable());
    ASSERT_EQ(RegOpenKeyEx(HKEY_LOCAL_MACHINE, kKey, 0, KEY_ALL_ACCESS, &key), ERROR_SUCCESS);
    EXPECT_EQ(SetText(key, "LastTreeNo", "4"), ERROR_SUCCESS);
    RegCloseKey(key);
    std::vector<uint8_t> after;
    ASSERT_TRUE(ReadWholeFile(m_file, after));
    EXPECT_NE(after, before);
    // A missing file is a new, writable store.
    std::filesystem::remove(m_file);
    SetSettingsFile(m_file.c_str());
    EXPECT_FALSE(IsSettingsFileUnreadable());
    key = Create(kKey);
    EXPECT_EQ(SetText(key, "InstallDir", "/opt/new"), ERROR_SUCCESS);
    RegCloseKey(key);
    EXPECT_TRUE(std::filesystem::exists(m_file));
}

TEST_F(Settings, DamagedLinesAreSkippedAndTheRestIsRead)
{
    std::string text = "[HKEY_LOCAL_MACHINE\\SOFTWARE\\Halvern\\Pellmoor]\n"
                       "LastTreeNo=dword:00000004\n"
                       "Broken=dword:12\n"
                       "NoEquals\n"
                       "Bad=hex(3):ABC\n"
                       "Huge=hex(99999999999):00\n"
                       "[unterminated\n"
                       "Orphan=sz:x\n"
                       "[HKEY_CURRENT_USER\\Control Panel\\Desktop]\r\n"
                       "WheelScrollLines=sz:3\\x00\r\n";
    std::filesystem::create_directories(std::filesystem::path(m_file).parent_path());
    ASSERT_TRUE(WriteFileAtomic(m_file, text.data(), text.size()));
    SetSettingsFile(m_file.c_str());
    HKEY key = nullptr;
    ASSERT_EQ(RegOpenKeyEx(HKEY_LOCAL_MACHINE, kKey, 0, KEY_READ, &key), ERROR_SUCCESS);
    DWORD value = 0, size = sizeof value;
    EXPECT_EQ(RegQueryValueEx(key, "LastTreeNo", nullptr, nullptr, reinterpret_cast<BYTE*>(&value), &size),
        ERROR_SUCCESS);
    EXPECT_EQ(value, 4u);
    for (const char* name : { "Broken", "NoEquals", "Bad", "Huge", "Orphan" })
        EXPECT_EQ(RegQueryValueEx(key, name, nullptr, nullptr, nullptr, &size), ERROR_FILE_NOT_FOUND) << name;
    RegCloseKey(key);
    ASSERT_EQ(RegOpenKeyEx(HKEY_CURRENT_USER, "Control Panel\\Desktop", 0, KEY_READ, &key), ERROR_SUCCESS);
    char lines[8] = {};
    size = sizeof lines;
    EXPECT_EQ(
        RegQueryValueEx(key, "WheelScrollLines", nullptr, nullptr, reinterpret_cast<BYTE*>(lines), &size),
        ERROR_SUCCESS);
    EXPECT_STREQ(lines, "3");
    EXPECT_EQ(size, 2u);
    RegCloseKey(key);
}

TEST_F(Settings, InstallFolderIsCreatedAndRecordedOnce)
{
    std::string folder = m_dir + "/data/PellmoorTarnwick";
    SetInstallFolder(folder.c_str());
    ASSERT_TRUE(EnsureInstallFolder());
    EXPECT_TRUE(std::filesystem::is_directory(folder));
    HKEY key = nullptr;
    ASSERT_EQ(RegOpenKeyEx(HKEY_LOCAL_MACHINE, kKey, 0, KEY_ALL_ACCESS, &key), ERROR_SUCCESS);
    char text[256] = {};
    DWORD size = sizeof text;
    ASSERT_EQ(RegQueryValueEx(key, "InstallDir", nullptr, nullptr, reinterpret_cast<BYTE*>(text), &size),
        ERROR_SUCCESS);
    EXPECT_EQ(std::string(text), folder);
    // A folder the store already names is kept.
    ASSERT_EQ(SetText(key, "InstallDir", "/elsewhere"), ERROR_SUCCESS);
    ASSERT_TRUE(EnsureInstallFolder());
    size = sizeof text;
    RegQueryValueEx(key, "InstallDir", nullptr, nullptr, reinterpret_cast<BYTE*>(text), &size);
    EXPECT_STREQ(text, "/elsewhere");
    RegCloseKey(key);
    SetInstallFolder("");
}

} // namespace
