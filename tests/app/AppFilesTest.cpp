// The user's files under faults, through the running program: a tree file
// or settings file that cannot be read or written, a second Setup started
// beside the first, the bound of "Local Area DVR", and serial numbers that
// fill their whole field.
#include "AppShellFixture.h"

#include "app/CamSelView.h"
#include "app/MainFrame.h"
#include "devtree/ItemInfo.h"
#include "devtree/TreeFile.h"
#include "platform/base/FileIo.h"
#include "platform/base/Settings.h"
#include "platform/msg/SingleInstance.h"
#include "platform/msg/WndBase.h"
#include "platform/ui/DocView.h"
#include "sim/DiscoveryResponder.h"
#include "tests/devtree/TreeFileFixtures.h"

#include <QProcess>
#include <QProcessEnvironment>

#include <cstring>
#include <filesystem>

namespace
{

std::vector<uint8_t> ReadBytes(const std::string& path)
{
    std::vector<uint8_t> bytes;
    EXPECT_TRUE(ReadWholeFile(path, bytes)) << path;
    return bytes;
}

void WriteBytes(const std::string& path, const std::vector<uint8_t>& bytes)
{
    std::filesystem::create_directories(std::filesystem::path(path).parent_path());
    ASSERT_TRUE(WriteWholeFile(path, bytes.data(), bytes.size()));
}

fixture::Device Gate(uint32_t id)
{
    fixture::Device device;
    device.id = id;
    device.name = "Gate " + std::to_string(id);
    device.ip = 0xC0A80000 + id;
    device.mac[5] = uint8_t(id);
    device.serial = "SN" + std::to_string(id);
    device.config = 8405;
    return device;
}

// A current tree file with three devices under "My DVR".
std::vector<uint8_t> ThreeDevices(uint32_t version = 0x01000003, uint32_t nodeSize = 1052)
{
    return fixture::Join({ fixture::Header(version, nodeSize, 3, 164, 0), fixture::Version3Record(Gate(1)),
        fixture::Version3Record(Gate(2)), fixture::Version3Record(Gate(3)) });
}

class AppFilesTest : public AppShellTest
{
protected:
    void TearDown() override
    {
        SetFileFaultHook(nullptr);
        AppShellTest::TearDown();
    }
    std::string TreePath() const { return InstallPath("qarn.info"); }
    // Ends the running program and makes a new application object.
    void Restart()
    {
        m_app->ExitInstance();
        PumpWaitingMessages();
        m_app.reset();
        m_boxes.Clear();
        m_app = std::make_unique<CConfigApp>();
    }
    static bool Says(const std::string& text, const std::string& path, const char* what)
    {
        return text.find(path) != std::string::npos && text.find(what) != std::string::npos;
    }
};

// A save that fails would otherwise show the change in the tree and lose
// it at the next start.
TEST_F(AppFilesTest, AFailedSaveOfTheTreeNamesTheFile)
{
    ASSERT_TRUE(Start());
    CMySuperGrid* tree = Tree();
    ASSERT_NE(tree, nullptr);
    ASSERT_TRUE(BoxTexts().empty());
    const std::vector<uint8_t> before = ReadBytes(TreePath());
    SetFileFaultHook(
        [&](FileOp op, const std::string& path) { return op == FileOp::Rename && path == TreePath(); });
    ASSERT_NE(tree->HowToInsertFolder(tree->m_pMyRoot, "Site A"), nullptr);
    ASSERT_EQ(BoxTexts().size(), 1u);
    EXPECT_TRUE(Says(BoxTexts()[0], TreePath(), "could not be saved")) << BoxTexts()[0];
    // While saves keep failing the user is not told again at each change.
    ASSERT_NE(tree->HowToInsertFolder(tree->m_pMyRoot, "Site B"), nullptr);
    EXPECT_EQ(BoxTexts().size(), 1u);
    EXPECT_EQ(ReadBytes(TreePath()), before);

    // The next save that works writes the whole tree ...
    SetFileFaultHook(nullptr);
    ASSERT_NE(tree->HowToInsertFolder(tree->m_pMyRoot, "Site C"), nullptr);
    EXPECT_EQ(BoxTexts().size(), 1u);
    CTreeFileLists lists;
    ASSERT_EQ(ReadTreeFileAndConsistLlist(TreePath(), lists), TreeLoadResult::Loaded);
    int folders = 0;
    for (const tagLinkedListNode* p = lists.m_pHead; p; p = p->pNext)
        folders += p->node.bFolder;
    EXPECT_EQ(folders, 3);
    // ... and a failure after it is told again.
    SetFileFaultHook(
        [&](FileOp op, const std::string& path) { return op == FileOp::Rename && path == TreePath(); });
    ASSERT_NE(tree->HowToInsertFolder(tree->m_pMyRoot, "Site D"), nullptr);
    ASSERT_EQ(BoxTexts().size(), 2u);
    EXPECT_TRUE(Says(BoxTexts()[1], TreePath(), "could not be saved"));
}

// A tree file this version cannot read as it is (the start-up upgrade
// leaves it alone) and a tree file that cannot be read at all: the tree
// starts empty, the user is told, saves are refused with a message and the
// file stays byte for byte, even once it can be read again.
TEST_F(AppFilesTest, ATreeFileThatCannotBeReadIsNeverWritten)
{
    struct Case {
        const char* what;
        std::vector<uint8_t> bytes;
        FileOp failing; // Remove: nothing fails
        const char* told;
    };
    const Case cases[] = {
        { "next version", ThreeDevices(0x01000004), FileOp::Remove, "format" },
        { "larger records", fixture::Join({ ThreeDevices(0x01000003, 1060), std::vector<uint8_t>(24) }),
            FileOp::Remove, "format" },
        { "old version with records too large to upgrade", ThreeDevices(0x01000002, 1200), FileOp::Remove,
            "format" },
        { "read fails", ThreeDevices(), FileOp::Read, "cannot be read" },
        { "cannot be opened", ThreeDevices(), FileOp::Open, "cannot be read" },
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        Restart();
        WriteBytes(TreePath(), c.bytes);
        SetFileFaultHook(
            [&](FileOp op, const std::string& path) { return op == c.failing && path == TreePath(); });
        ASSERT_TRUE(Start());
        SetFileFaultHook(nullptr);
        CMySuperGrid* tree = Tree();
        ASSERT_NE(tree, nullptr);
        ASSERT_EQ(BoxTexts().size(), 1u);
        EXPECT_TRUE(Says(BoxTexts()[0], TreePath(), c.told)) << BoxTexts()[0];
        EXPECT_TRUE(tree->m_pMyRoot->m_listChild.empty());

        ASSERT_NE(tree->HowToInsertFolder(tree->m_pMyRoot, "Site A"), nullptr);
        ASSERT_EQ(BoxTexts().size(), 2u);
        EXPECT_TRUE(Says(BoxTexts()[1], TreePath(), "not saved")) << BoxTexts()[1];
        ASSERT_NE(tree->HowToInsertFolder(tree->m_pMyRoot, "Site B"), nullptr);
        EXPECT_EQ(BoxTexts().size(), 2u);
        EXPECT_EQ(ReadBytes(TreePath()), c.bytes);
    }
}

// One read error of the settings file must not wipe the user's settings:
// Setup says so, works on and writes nothing to that file.
TEST_F(AppFilesTest, AnUnreadableSettingsFileIsNeverWrittenOver)
{
    const std::string settings = m_dir + "/registry.ini";
    std::string text = "[HKEY_LOCAL_MACHINE\\SOFTWARE\\Halvern\\Pellmoor]\nLastTreeNo=dword:00000004\n"
                       "[HKEY_CURRENT_USER\\Software\\Local AppWizard-Generated Applications\\Setup]\n";
    for (int i = 0; i < 200; ++i)
        text += "Value" + std::to_string(i) + "=sz:" + std::to_string(i * 7) + "\n";
    const std::vector<uint8_t> before(text.begin(), text.end());
    WriteBytes(settings, before);
    SetSettingsWriteFaultHook(
        [&](FileOp op, const std::string& path) { return op == FileOp::Read && path == settings; });
    SetSettingsFile(settings.c_str());
    SetSettingsWriteFaultHook(nullptr);

    ASSERT_TRUE(Start());
    ASSERT_EQ(BoxTexts().size(), 1u);
    EXPECT_TRUE(Says(BoxTexts()[0], settings, "cannot be read")) << BoxTexts()[0];
    ASSERT_NE(Tree(), nullptr);
    EXPECT_TRUE(std::filesystem::exists(TreePath()));
    EXPECT_EQ(ReadBytes(settings), before);
}

// A second copy that cannot reach the first (it does not answer) says that
// one runs, and ends before it writes anything.
TEST_F(AppFilesTest, ASecondCopyWithoutAnswerSaysThatOneRuns)
{
    CSingleInstance first;
    ASSERT_TRUE(first.Claim(SingleInstanceLockFile()));
    EXPECT_FALSE(Start());
    EXPECT_EQ(BoxTexts(), std::vector<std::string> { "Pellmoor Tarnwick is already running." });
    EXPECT_EQ(AfxGetMainWnd(), nullptr);
    EXPECT_FALSE(std::filesystem::exists(m_dir + "/registry.ini"));
    EXPECT_FALSE(std::filesystem::exists(m_dir + "/install"));
    // Once the first has ended, the program starts.
    first.Release();
    Restart();
    EXPECT_TRUE(Start());
}

// Two copies would write the same files: the real program started a second
// time brings the first to the front and ends, writing nothing.
TEST_F(AppFilesTest, ASecondSetupBringsTheFirstToTheFront)
{
    // Where Setup keeps its settings for this environment.
    const std::string settings = m_dir + "/config/PellmoorTarnwick/registry.ini";
    SetSettingsFile(settings.c_str());
    ASSERT_TRUE(Start());
    CWnd* main = AfxGetMainWnd();
    ASSERT_NE(main, nullptr);
    main->ShowWindow(SW_MINIMIZE);
    PumpWaitingMessages();
    ASSERT_TRUE(main->IsIconic());
    const std::vector<uint8_t> before = ReadBytes(settings);

    QProcess second;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert("XDG_CONFIG_HOME", QString::fromStdString(m_dir + "/config"));
    env.insert("XDG_DATA_HOME", QString::fromStdString(m_dir + "/data"));
    env.insert("QT_QPA_PLATFORM", "offscreen");
    second.setProcessEnvironment(env);
    second.start(SETUP_PROGRAM, {});
    ASSERT_TRUE(second.waitForStarted(10000));
    ASSERT_TRUE(PumpMessagesUntil([&] { return second.state() == QProcess::NotRunning; }, 60000));
    EXPECT_EQ(second.exitStatus(), QProcess::NormalExit);
    EXPECT_EQ(second.exitCode(), 0) << second.readAllStandardError().toStdString();

    EXPECT_FALSE(main->IsIconic());
    EXPECT_TRUE(main->IsWindowVisible());
    EXPECT_TRUE(BoxTexts().empty());
    EXPECT_EQ(ReadBytes(settings), before);
    EXPECT_FALSE(std::filesystem::exists(m_dir + "/data/PellmoorTarnwick"));
}

RES_DISCOVER_OVEL Reply(uint32_t n)
{
    RES_DISCOVER_OVEL reply {};
    std::snprintf(reply.model, sizeof reply.model, "DVR16");
    std::snprintf(reply.serial, sizeof reply.serial, "SN%u", n);
    reply.ipAddress = 0x0A000000 + n;
    reply.mac[0] = 0x02;
    reply.mac[4] = uint8_t(n >> 8);
    reply.mac[5] = uint8_t(n);
    reply.port = 8405;
    return reply;
}

// Made-up replies must not grow the program without end: "Local Area DVR"
// stops at its bound and says so once; listed devices still update.
TEST_F(AppFilesTest, LocalAreaDvrStopsAtItsBoundAndSaysSoOnce)
{
    ASSERT_TRUE(Start());
    CMySuperGrid* tree = Tree();
    ASSERT_NE(tree, nullptr);
    tree->m_nLocalAreaLimit = 5;
    for (uint32_t n = 1; n <= 8; ++n) {
        const RES_DISCOVER_OVEL reply = Reply(n);
        tree->ResDiscoverProc(&reply);
    }
    EXPECT_EQ(tree->m_pLocalRoot->m_listChild.size(), 5u);
    ASSERT_EQ(BoxTexts().size(), 1u);
    EXPECT_NE(BoxTexts()[0].find("Local Area DVR\" lists 5 devices"), std::string::npos) << BoxTexts()[0];

    RES_DISCOVER_OVEL moved = Reply(1);
    moved.ipAddress = 0x0A0000FE;
    tree->ResDiscoverProc(&moved);
    bool found = false;
    for (CTreeItem* node : tree->m_pLocalRoot->m_listChild)
        found = found || node->m_lpNodeInfo->m_dwIpAddress == moved.ipAddress;
    EXPECT_TRUE(found);
    const RES_DISCOVER_OVEL another = Reply(9);
    tree->ResDiscoverProc(&another);
    EXPECT_EQ(tree->m_pLocalRoot->m_listChild.size(), 5u);
    EXPECT_EQ(BoxTexts().size(), 1u);
}

constexpr uint32_t kMoved = 0x7F000002;
constexpr uint32_t kNeighbour = 0x7F000003;
constexpr uint32_t kStale = 0x7F000009;

sim::DiscoveryDevice SerialDevice(uint32_t address, const std::string& serial, uint32_t port)
{
    sim::DiscoveryDevice device;
    device.profile = sim::MakeProfile(4);
    device.profile.address = address;
    std::memset(device.profile.mac, 0, sizeof device.profile.mac);
    device.profile.serial = serial;
    device.profile.configPort = port;
    return device;
}

// A device without a MAC whose 24-character serial fills its field (no
// terminator on the wire or in the file) is known by the whole serial after
// a save and a restart: when it answers from a new address it is the entry
// of "My DVR", and a neighbour whose serial differs only in the last
// character is another device.
TEST_F(AppFilesTest, ASerialThatFillsItsFieldIsComparedWhole)
{
    const std::string serial = "DVR16E0500-ABCDEFGHIJKL1";
    const std::string neighbour = "DVR16E0500-ABCDEFGHIJKL2";
    ASSERT_EQ(serial.size(), 24u);
    sim::DiscoveryResponder responder;
    responder.AddDevice(SerialDevice(kMoved, serial, 9102));
    responder.AddDevice(SerialDevice(kNeighbour, neighbour, 9102));
    ASSERT_TRUE(responder.Start());

    fixture::Device saved;
    saved.id = 1;
    saved.name = "Warehouse";
    saved.ip = kStale;
    saved.serial = serial;
    saved.config = 9102;
    WriteBytes(TreePath(),
        fixture::Join({ fixture::Header(0x01000003, 1052, 1, 164, 0), fixture::Version3Record(saved) }));

    for (int run = 0; run < 2; ++run) {
        SCOPED_TRACE(run);
        if (run)
            Restart();
        ASSERT_TRUE(Start());
        CMySuperGrid* tree = Tree();
        ASSERT_NE(tree, nullptr);
        ASSERT_EQ(tree->m_pMyRoot->m_listChild.size(), 1u);
        CItemInfo* mine = tree->m_pMyRoot->m_listChild[0]->m_lpNodeInfo;
        // As loaded: from the fixture's file, then from the program's own save.
        EXPECT_EQ(std::string(mine->m_szSerial, 24), serial);
        ASSERT_TRUE(PumpMessagesUntil(
            [&] { return mine->m_bOnline && FindByAddress(tree->m_pLocalRoot, kNeighbour); }, 5000));
        PumpMessagesUntil([] { return false; }, 300);
        EXPECT_EQ(mine->m_dwIpAddress, kMoved);
        EXPECT_EQ(FindByAddress(tree->m_pLocalRoot, kMoved), nullptr);
        EXPECT_EQ(tree->m_pLocalRoot->m_listChild.size(), 1u);
        // The file holds the whole serial.
        const std::vector<uint8_t> bytes = ReadBytes(TreePath());
        ASSERT_GE(bytes.size(), 132u + 1052);
        EXPECT_EQ(std::string(bytes.begin() + 132 + 156, bytes.begin() + 132 + 180), serial);
    }
    responder.Stop();
}

} // namespace
