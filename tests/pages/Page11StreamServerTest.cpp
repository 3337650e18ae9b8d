// The streaming server's page with its content editor, access list and
// status dialogs, against a simulated streaming server.
#include "pages/Page11StreamServer.h"
#include "dialogs/ContentDlg.h"
#include "dialogs/DeviceStatusDlg.h"
#include "link/DeviceHelpers.h"
#include "pages/ContentName.h"
#include "platform/msg/WndBase.h"
#include "platform/ui/Controls.h"
#include "platform/ui/SpinButtonCtrl.h"
#include "sim/WireBody.h"
#include "tests/pages/PageFixture.h"
#include "tests/platform/ScriptedDialogRunner.h"

#include <cstring>
#include <functional>
#include <string>
#include <vector>

namespace
{

constexpr uint16_t kContents = 0x0D03, kSetContents = 0x0D04, kAccess = 0x0E03, kSetAccess = 0x0E04;
constexpr uint16_t kMaxConnections = 0x0E06, kStatus = 0x0E05, kUsers = 0x0201;

struct Content {
    std::string name;
    std::string resolution;
    uint32_t frameRate, bitrate;
    std::string audio;
    uint32_t audioRate, minQ, maxQ;
    bool active;
};

sim::Bytes ContentsBody(const std::vector<Content>& contents)
{
    sim::Body b;
    b.U32(uint32_t(contents.size()));
    for (const Content& c : contents) {
        b.Text(c.name, 128).Text("MP4V-ES", 24).Text(c.resolution, 12).U32(c.frameRate).U32(c.bitrate);
        b.Text(c.audio, 24).U32(c.audioRate).U32(500).U32(30).U32(c.minQ).U32(c.maxQ).U32(5).U32(100);
        b.U8(c.active ? 1 : 0).Zero(3 + 12);
    }
    return b.bytes;
}

// One content record of a 0x0D04 body: name, resolution and the seven numbers.
struct Written {
    std::string name, resolution, audio;
    uint32_t frameRate, bitrate;
    uint32_t values[7];
    uint8_t active;
};

std::vector<Written> WrittenContents(const sim::Bytes& params)
{
    std::vector<Written> out;
    WireReader in(params.data(), params.size());
    const uint32_t n = in.U32();
    for (uint32_t i = 0; i < n && !in.Short(); ++i) {
        Written w {};
        char text[129] = {};
        in.Bytes(reinterpret_cast<uint8_t*>(text), 128);
        w.name = text;
        in.Skip(24);
        char res[13] = {};
        in.Bytes(reinterpret_cast<uint8_t*>(res), 12);
        w.resolution = res;
        w.frameRate = in.U32();
        w.bitrate = in.U32();
        char audio[25] = {};
        in.Bytes(reinterpret_cast<uint8_t*>(audio), 24);
        w.audio = audio;
        for (uint32_t& v : w.values)
            v = in.U32();
        w.active = in.U8();
        in.Skip(15);
        out.push_back(w);
    }
    return out;
}

std::vector<uint32_t> Words(const sim::Bytes& params)
{
    std::vector<uint32_t> words;
    WireReader in(params.data(), params.size());
    while (in.Remaining() >= 4 && words.size() < 11)
        words.push_back(in.U32());
    return words;
}

class StreamServerTest : public PageTest
{
protected:
    void SetUp() override
    {
        PageTest::SetUp();
        Profile(2);
        StartDevice();
        Server().Store().Store(kContents, 0,
            ContentsBody({ { "lobby", "SIF", 15, 150000, "AAC", 24000, 2, 15, true },
                { "yard", "QCIF", 15, 40000, "NONE", 0, 10, 31, false } }));
        Server().Store().Store(kMaxConnections, 0, sim::Body().U32(0).U32(8).bytes);
        Server().Store().Store(kAccess, 0, sim::Body().U32(2).U32(0x01).U32(0x18).bytes);
        view.m_nFirmwareClass = 1;
    }
    CPage11StreamServer* Open()
    {
        auto* shown = ShowPage<CPage11StreamServer>();
        ClearSent();
        return shown;
    }
    CContentListCtrl& List() { return *static_cast<CPage11StreamServer*>(page)->ContentList(); }
    std::string Cell(int row, int column) { return std::string(List().GetItemText(row, column)); }
    // A click on a row's name, as a person selects it.
    void ClickRow(int row)
    {
        CRect cell;
        List().GetSubItemRect(row, 1, LVIR_BOUNDS, cell);
        const CPoint at = cell.CenterPoint();
        List().SendMessage(WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(at.x, at.y));
        List().SendMessage(WM_LBUTTONUP, 0, MAKELPARAM(at.x, at.y));
    }
    void ClickCheckBox(int row)
    {
        CRect icon;
        List().GetItemRect(row, &icon, LVIR_ICON);
        const CPoint at(icon.left - 8, (icon.top + icon.bottom) / 2);
        List().SendMessage(WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(at.x, at.y));
        List().SendMessage(WM_LBUTTONUP, 0, MAKELPARAM(at.x, at.y));
    }
    // Runs the next modal dialog with a script.
    void Modal(std::function<void(CDialog*)> script)
    {
        // The old scope goes first: it puts back the runner it replaced.
        runnerScope.reset();
        runner = std::make_unique<ScriptedDialogRunner>(std::move(script));
        runnerScope = std::make_unique<ScopedService<IModalDialogRunner>>(runner.get());
    }
    std::unique_ptr<ScriptedDialogRunner> runner;
    std::unique_ptr<ScopedService<IModalDialogRunner>> runnerScope;
};

TEST_F(StreamServerTest, ActivationShowsContentsRatesAndLimit)
{
    Open();
    ASSERT_EQ(List().GetItemCount(), 2);
    EXPECT_EQ(Cell(0, 1), "lobby");
    EXPECT_EQ(Cell(1, 3), "QCIF");
    EXPECT_EQ(List().GetRowState(0), CONTENT_STATE_ACTIVE);
    EXPECT_EQ(List().GetRowState(1), CONTENT_STATE_INACTIVE);
    EXPECT_EQ(Text(IDC_STREAM_FRAME_RATE), "15");
    EXPECT_EQ(ComboSelection(IDC_STREAM_AAC_BITRATE), 5); // 24000
    EXPECT_EQ(ComboSelection(IDC_STREAM_AMR_BITRATE), 0); // no AMR content: 4750
    EXPECT_EQ(Text(IDC_STREAM_MAX_CONNECTIONS), "8");
    EXPECT_TRUE(Enabled(IDC_STREAM_ACCESS_LIST));
    EXPECT_FALSE(Enabled(IDC_PAGE_APPLY));
    SavePicture("page11_stream_server.png");

    // Apply with nothing changed sends nothing.
    Click(IDC_PAGE_APPLY);
    EXPECT_TRUE(Sent(kSetAccess).empty());
}

TEST_F(StreamServerTest, AddEditActivateAndDeleteAreWrittenAndReadBack)
{
    auto* streamPage = Open();
    // Add: a new content under the page's frame rate, access word 3.
    Modal([&](CDialog* dlg) {
        EXPECT_EQ(Text(IDC_CONTENT_PRESET, dlg), "ISDN ");
        SavePicture("content_dlg_add.png", dlg);
        SetText(IDC_CONTENT_NAME, "gate", dlg);
        SelectCombo(IDC_CONTENT_RESOLUTION, 1, dlg);
        dlg->SendMessage(WM_COMMAND, IDOK);
    });
    boxes.Answer(IDYES); // the resolution goes to every content
    Click(IDC_CONTENT_ADD);
    ASSERT_EQ(List().GetItemCount(), 3);
    EXPECT_EQ(Cell(2, 1), "gate");
    EXPECT_EQ(Cell(2, 4), "15");
    EXPECT_EQ(Cell(1, 3), "SIF") << "the new resolution in every row";
    EXPECT_EQ(std::string(streamPage->m_Access[2].szName), "gate");
    EXPECT_EQ(streamPage->m_Access[2].dwAccess, 3u);

    // Edit the first row: a rename keeps its access word.
    ClickRow(0);
    Modal([&](CDialog* dlg) {
        EXPECT_EQ(Text(IDC_CONTENT_NAME, dlg), "lobby");
        EXPECT_EQ(ComboSelection(IDC_CONTENT_PRESET, dlg), 2) << "150000 bps, Q 2-15, SIF, AAC";
        SetText(IDC_CONTENT_NAME, "hall", dlg);
        dlg->SendMessage(WM_COMMAND, IDOK);
    });
    Click(IDC_CONTENT_EDIT);
    EXPECT_EQ(Cell(0, 1), "hall");
    EXPECT_EQ(std::string(streamPage->m_Access[0].szName), "hall");

    // Activate the yard, delete the gate.
    ClickCheckBox(1);
    EXPECT_EQ(List().GetRowState(1), CONTENT_STATE_ACTIVE);
    ClickRow(2);
    Click(IDC_CONTENT_DELETE);
    ASSERT_EQ(List().GetItemCount(), 2);
    EXPECT_EQ(std::string(streamPage->m_Access[2].szName), "");

    TakeMessages();
    Click(IDC_PAGE_APPLY);
    EXPECT_EQ(TakeMessages(), std::vector<std::string> { "Streaming server restarted." });
    auto contents = Sent(kSetContents);
    ASSERT_EQ(contents.size(), 1u);
    EXPECT_EQ(contents[0].length, 36u + 2 * 240);
    auto written = WrittenContents(contents[0].params);
    ASSERT_EQ(written.size(), 2u);
    EXPECT_EQ(written[0].name, "hall");
    EXPECT_EQ(written[1].active, 1);
    EXPECT_EQ(written[1].resolution, "SIF");
    EXPECT_STREQ(g_szContentName, "hall") << "the active content of the highest bit rate";
    auto access = Sent(kSetAccess);
    ASSERT_EQ(access.size(), 1u);
    EXPECT_EQ(access[0].length, 76u);
    EXPECT_EQ(Words(access[0].params), (std::vector<uint32_t> { 2, 0x01, 0x18, 0, 0, 0, 0, 0, 0, 0, 0 }));
    EXPECT_TRUE(Sent(kMaxConnections).empty());

    // The next activation reads what was written.
    Open();
    ASSERT_EQ(List().GetItemCount(), 2);
    EXPECT_EQ(Cell(0, 1), "hall");
    EXPECT_EQ(List().GetRowState(1), CONTENT_STATE_ACTIVE);
    EXPECT_EQ(std::string(static_cast<CPage11StreamServer*>(page)->m_Access[0].szName), "hall");
}

TEST_F(StreamServerTest, AnEleventhContentIsRefusedBeforeTheEditorOpens)
{
    std::vector<Content> ten;
    for (int i = 0; i < 10; ++i)
        ten.push_back({ "c" + std::to_string(i), "QCIF", 8, 40000, "NONE", 0, 10, 31, i == 0 });
    Server().Store().Store(kContents, 0, ContentsBody(ten));
    Open();
    Modal([](CDialog*) { ADD_FAILURE() << "the editor opened"; });
    Click(IDC_CONTENT_ADD);
    EXPECT_EQ(TakeMessages(), std::vector<std::string> { "You can not add content more than 10." });
    EXPECT_EQ(runner->runs, 0);
}

TEST_F(StreamServerTest, TheQuantiserCheckRunsOnEveryRowBeforeAnythingIsSent)
{
    // The second row's quantisers are equal: refused like a smaller maximum.
    Server().Store().Store(kContents, 0,
        ContentsBody({ { "lobby", "SIF", 15, 150000, "AAC", 24000, 2, 15, true },
            { "yard", "QCIF", 15, 40000, "NONE", 0, 20, 20, false } }));
    Open();
    SetText(IDC_STREAM_MAX_CONNECTIONS, "20");
    EXPECT_TRUE(Enabled(IDC_PAGE_APPLY));
    TakeMessages();
    Click(IDC_PAGE_OK);
    EXPECT_EQ(TakeMessages(),
        std::vector<std::string> { "The yard can not apply because the Max. "
                                   "Q is smaller than the Min. Q. " });
    EXPECT_TRUE(Sent(kMaxConnections).empty()) << "nothing is sent";
    EXPECT_TRUE(Sent(kSetContents).empty());
    EXPECT_TRUE(Sent(kSetAccess).empty());
    EXPECT_TRUE(Enabled(IDC_PAGE_APPLY)) << "the change is kept";
    EXPECT_TRUE(List().GetItemState(1, LVIS_SELECTED) & LVIS_SELECTED);
    EXPECT_NE(static_cast<CPage11StreamServer*>(page)->ContentList(), nullptr) << "OK stayed on the page";

    // Mended, the apply writes the limit and the access words.
    Server().Store().Store(
        kContents, 0, ContentsBody({ { "lobby", "SIF", 15, 150000, "AAC", 24000, 2, 15, true } }));
    Open();
    SetText(IDC_STREAM_MAX_CONNECTIONS, "20");
    Click(IDC_PAGE_APPLY);
    auto limit = Sent(kMaxConnections);
    ASSERT_EQ(limit.size(), 1u);
    EXPECT_EQ(limit[0].length, 36u);
    EXPECT_EQ(Words(limit[0].params), std::vector<uint32_t> { 20 });
    EXPECT_TRUE(Sent(kSetContents).empty()) << "the contents did not change";
    EXPECT_EQ(Sent(kSetAccess).size(), 1u);
}

TEST_F(StreamServerTest, NoActiveContentAsksFirstAndNoKeepsTheChange)
{
    Server().Store().Store(
        kContents, 0, ContentsBody({ { "yard", "QCIF", 15, 40000, "NONE", 0, 10, 31, false } }));
    Open();
    SetText(IDC_STREAM_MAX_CONNECTIONS, "9");
    TakeMessages();
    boxes.Answer(IDNO);
    Click(IDC_PAGE_APPLY);
    EXPECT_EQ(TakeMessages(),
        std::vector<std::string> { "There is no activated content. Are you sure you want to continue?" });
    EXPECT_TRUE(Sent(kMaxConnections).empty());
    EXPECT_TRUE(Enabled(IDC_PAGE_APPLY));
    boxes.Answer(IDYES);
    Click(IDC_PAGE_APPLY);
    EXPECT_EQ(Sent(kMaxConnections).size(), 1u);
}

TEST_F(StreamServerTest, FrameRateAndConnectionsStayInRange)
{
    Open();
    SetText(IDC_STREAM_FRAME_RATE, "25");
    EXPECT_EQ(Cell(0, 4), "25");
    EXPECT_EQ(Cell(1, 4), "25");
    SetText(IDC_STREAM_FRAME_RATE, "31");
    EXPECT_EQ(Text(IDC_STREAM_FRAME_RATE), "25") << "the last accepted rate";
    auto* spin = static_cast<CSpinButtonCtrl*>(page->GetDlgItem(IDC_STREAM_FRAME_RATE_SPIN));
    spin->Step(true);
    EXPECT_EQ(Cell(1, 4), "26");
    SetText(IDC_STREAM_MAX_CONNECTIONS, "51");
    EXPECT_EQ(Text(IDC_STREAM_MAX_CONNECTIONS), "8") << "the value last read";
    SelectCombo(IDC_STREAM_AAC_BITRATE, 7);
    EXPECT_EQ(Cell(0, 7), "32000");
    EXPECT_EQ(Cell(1, 7), "0") << "only AAC rows";
}

TEST_F(StreamServerTest, TheFirstFirmwareClearsAudioAndSaysSoHalfASecondLater)
{
    ManualClock clock;
    ScopedService<IClock> clockScope { &clock };
    view.m_nFirmwareClass = 0;
    Open();
    EXPECT_EQ(Cell(0, 6), "NONE");
    EXPECT_EQ(Text(IDC_STREAM_MAX_CONNECTIONS), "50");
    EXPECT_FALSE(Enabled(IDC_STREAM_AAC_BITRATE));
    EXPECT_FALSE(Enabled(IDC_STREAM_ACCESS_LIST));
    EXPECT_FALSE(Enabled(IDC_PAGE_APPLY));
    clock.Advance(500);
    WaitFor([&] { return !boxes.Boxes().empty(); }, 2000);
    ASSERT_EQ(TakeMessages().size(), 1u);
    EXPECT_TRUE(Enabled(IDC_PAGE_APPLY));
    Click(IDC_PAGE_APPLY);
    auto contents = Sent(kSetContents);
    ASSERT_EQ(contents.size(), 1u);
    auto written = WrittenContents(contents[0].params);
    ASSERT_EQ(written.size(), 2u);
    EXPECT_EQ(written[0].audio, "NONE");
    EXPECT_EQ(written[0].values[0], 0u);
}

TEST_F(StreamServerTest, TheContentEditorChecksItsValues)
{
    Open();
    ClickRow(1);
    std::vector<std::string> seen;
    Modal([&](CDialog* dlg) {
        auto ok = [&] { dlg->SendMessage(WM_COMMAND, IDOK); };
        // The name of another row is refused; the row's own is not.
        SetText(IDC_CONTENT_NAME, "lobby", dlg);
        ok();
        SetText(IDC_CONTENT_NAME, "a.b", dlg);
        ok();
        SetText(IDC_CONTENT_NAME, "yard", dlg);
        dlg->SendMessage(WM_COMMAND, MAKEWPARAM(IDC_CONTENT_ADVANCED, BN_CLICKED),
            LPARAM(dlg->GetDlgItem(IDC_CONTENT_ADVANCED)->GetSafeHwnd()));
        SavePicture("content_dlg_advanced.png", dlg);
        SetText(IDC_CONTENT_MIN_Q, "40", dlg);
        ok();
        seen.push_back(Text(IDC_CONTENT_MIN_Q, dlg));
        SetText(IDC_CONTENT_MIN_Q, "20", dlg);
        SetText(IDC_CONTENT_MAX_Q, "20", dlg);
        ok();
        seen.push_back(Text(IDC_CONTENT_MAX_Q, dlg));
        EXPECT_FALSE(dlg->IsModalEnded());
        dlg->SendMessage(WM_COMMAND, IDCANCEL);
    });
    Click(IDC_CONTENT_EDIT);
    EXPECT_EQ(TakeMessages(),
        (std::vector<std::string> { "The name is already used! Use another name.",
            "The unknown character(.) is contained in the content "
            "name.\nPlease rename it again.",
            "The Min. Q is invalid. Please use value from 2 to 31.",
            "The Max. Q must be bigger than the Min. Q." }));
    EXPECT_EQ(seen, (std::vector<std::string> { "31", "20" }))
        << "clamped to the nearer bound; equal not clamped";
    EXPECT_EQ(Cell(1, 1), "yard") << "Cancel leaves the row";
}

TEST_F(StreamServerTest, AnUnknownAudioTypeKeepsItsText)
{
    Server().Store().Store(
        kContents, 0, ContentsBody({ { "lobby", "SIF", 15, 150000, "G.711", 64, 2, 15, true } }));
    Open();
    ClickRow(0);
    Modal([&](CDialog* dlg) {
        EXPECT_EQ(ComboSelection(IDC_CONTENT_AUDIO_TYPE, dlg), -1);
        SetText(IDC_CONTENT_BITRATE, "160000", dlg);
        EXPECT_EQ(ComboSelection(IDC_CONTENT_PRESET, dlg), 4) << "no preset";
        dlg->SendMessage(WM_COMMAND, IDOK);
    });
    Click(IDC_CONTENT_EDIT);
    EXPECT_EQ(Cell(0, 6), "G.711");
    EXPECT_EQ(Cell(0, 7), "64");
    EXPECT_EQ(Cell(0, 5), "160000");
}

TEST_F(StreamServerTest, TheAccessListOffersTheUsersAndStoresTheEntries)
{
    // Users 1 and 2 exist, user 3 does not, user 4 does.
    sim::Body users;
    users.U8(0x80).U8(0x80).U8(0x80).U8(0).U8(0x80);
    for (const char* name : { "admin", "anna", "ben", "", "dora" }) {
        uint8_t field[16] = {};
        std::strncpy(reinterpret_cast<char*>(field), name, 16);
        ScramblePassword(field);
        users.Raw(field, 16).Zero(16);
    }
    users.Zero(5);
    Server().Store().Store(kUsers, 0, users.bytes);
    auto* streamPage = Open();
    Modal([&](CDialog* dlg) {
        auto* registered = static_cast<CListBox*>(dlg->GetDlgItem(IDC_ACCESS_REGISTERED));
        auto* granted = static_cast<CListBox*>(dlg->GetDlgItem(IDC_ACCESS_GRANTED));
        EXPECT_EQ(registered->GetCount(), 3) << "anna, ben, dora: never the administrator nor an empty slot";
        EXPECT_EQ(granted->GetCount(), 0) << "lobby: public, nobody granted";
        EXPECT_EQ(Checked(IDC_ACCESS_PUBLIC, dlg), 1);
        SelectCombo(IDC_ACCESS_CONTENT, 1, dlg);
        EXPECT_EQ(Checked(IDC_ACCESS_PUBLIC, dlg), 0);
        EXPECT_EQ(granted->GetCount(), 1) << "yard: 0x18 grants ben, and user 3 who has no name";
        SavePicture("access_list_dlg.png", dlg);
        // Grant everybody on the yard, then make all contents public.
        Click(IDC_ACCESS_ADD_ALL, dlg);
        Click(IDC_ACCESS_ALL_PUBLIC, dlg);
        dlg->SendMessage(WM_COMMAND, IDOK);
    });
    Click(IDC_STREAM_ACCESS_LIST);
    EXPECT_EQ(streamPage->m_Access[0].dwAccess, 0x01u);
    // Users 1, 2 and 4; the empty user 3 loses its grant.
    EXPECT_EQ(streamPage->m_Access[1].dwAccess, 0x01u | 0x04 | 0x08 | 0x20);
    for (int i = 2; i < CONTENT_ACCESS_ENTRIES; ++i)
        EXPECT_EQ(streamPage->m_Access[i].dwAccess, 0x01u) << i;
    EXPECT_TRUE(Enabled(IDC_PAGE_APPLY));
    Click(IDC_PAGE_APPLY);
    auto access = Sent(kSetAccess);
    ASSERT_EQ(access.size(), 1u);
    EXPECT_EQ(Words(access[0].params), (std::vector<uint32_t> { 2, 0x01, 0x2D, 0, 0, 0, 0, 0, 0, 0, 0 }));

    // Cancel leaves the page's block as it was.
    Modal([&](CDialog* dlg) {
        Click(IDC_ACCESS_PUBLIC, dlg);
        dlg->SendMessage(WM_COMMAND, IDCANCEL);
    });
    Click(IDC_STREAM_ACCESS_LIST);
    EXPECT_EQ(streamPage->m_Access[0].dwAccess, 0x01u);
}

TEST_F(StreamServerTest, TheStatusDialogShowsTheDevicesTextAndKeepsItWhenRefreshFails)
{
    Server().Store().Store(kStatus, 0, sim::Body().U32(0).U32(24).Raw("Clients: 2\r\nUptime: 3 h", 24).bytes);
    Open();
    std::string first, after;
    Modal([&](CDialog* dlg) {
        first = Text(IDC_DEVICE_STATUS_TEXT, dlg);
        SavePicture("device_status_dlg.png", dlg);
        sim::Fault drop;
        drop.closeWithoutReply = true;
        Server().SetFault(kStatus, drop);
        Click(IDC_DEVICE_STATUS_REFRESH, dlg);
        after = Text(IDC_DEVICE_STATUS_TEXT, dlg);
        dlg->SendMessage(WM_COMMAND, IDCANCEL);
    });
    Click(IDC_STREAM_STATUS);
    EXPECT_EQ(first, "Clients: 2\r\nUptime: 3 h");
    EXPECT_EQ(after, first);
    EXPECT_EQ(Sent(kStatus).size(), 2u);
    EXPECT_TRUE(TakeMessages().empty());
}

TEST_F(StreamServerTest, ARefusedWriteEndsOkButALostConnectionDoesNot)
{
    // A connection that drops: "Connection failed." once, the change kept, OK
    // stays.
    auto* streamPage = Open();
    sim::Fault drop;
    drop.closeWithoutReply = true;
    Server().SetFault(kMaxConnections, drop);
    SetText(IDC_STREAM_MAX_CONNECTIONS, "12");
    TakeMessages();
    Click(IDC_PAGE_OK);
    EXPECT_EQ(TakeMessages(), std::vector<std::string> { "Connection failed." });
    EXPECT_NE(streamPage->ContentList(), nullptr) << "OK stayed on the page";
    EXPECT_TRUE(Enabled(IDC_PAGE_APPLY));
    EXPECT_TRUE(Sent(kSetAccess).empty()) << "nothing after the lost write";

    // The device refuses: its message, and OK ends the session.
    Server().ClearFaults();
    sim::Fault refuse;
    refuse.status = 0xF309;
    Server().SetFault(kMaxConnections, refuse);
    Click(IDC_PAGE_OK);
    EXPECT_EQ(TakeMessages(), std::vector<std::string> { "Invalid value" });
    EXPECT_EQ(streamPage->ContentList(), nullptr) << "the page ended its list for the view";
}

} // namespace
