// The user pages against a simulated device: what activation shows, the
// account bytes an Apply writes, the checks, the administrator's password
// change, and that a table never read is never written.
#include "pages/Page4User.h"
#include "controls/CheckMarkGrid.h"
#include "link/CurrentDevice.h"
#include "link/DeviceHelpers.h"
#include "pages/Page4UserDvr.h"
#include "pages/SheetFactory.h"
#include "tests/pages/PageFixture.h"

#include <cstring>
#include <string>

namespace
{

// An account field of a request, as its text.
std::string Field(const sim::Exchange& sent, size_t offset)
{
    uint8_t field[16] = {};
    if (sent.params.size() >= offset + 16)
        std::memcpy(field, &sent.params[offset], 16);
    UnscramblePassword(field);
    return std::string(
        reinterpret_cast<const char*>(field), strnlen(reinterpret_cast<const char*>(field), 16));
}

class UserPage : public PageTest
{
protected:
    CGridCtrl& Grid() { return *dynamic_cast<CGridCtrl*>(page->GetDlgItem(IDC_USER_GRID)); }
};

// Camera form.

TEST_F(UserPage, CameraFormShowsTheAccountsAndTheChannelsInUse)
{
    Profile(0);
    StartDevice();
    ShowPage<CPage4User>();
    EXPECT_EQ(Text(IDC_USER_ID1), "operator");
    EXPECT_EQ(Text(IDC_USER_PASSWORD1), "op2407");
    EXPECT_EQ(Text(IDC_USER_REPASSWORD1), "op2407");
    EXPECT_EQ(Text(IDC_USER_ID2), "guard");
    EXPECT_TRUE(Checked(IDC_USER_USE_ADMIN));
    EXPECT_TRUE(Checked(IDC_USER_USE1));
    EXPECT_TRUE(Checked(IDC_USER1_CH3));
    EXPECT_TRUE(Checked(IDC_USER1_PTZ));
    EXPECT_FALSE(Checked(IDC_USER2_PTZ));
    // Channel 4 has no camera: nobody's box may be used.
    EXPECT_FALSE(Enabled(IDC_USER1_CH4));
    EXPECT_TRUE(Enabled(IDC_USER1_CH1));
    EXPECT_FALSE(Checked(IDC_USER_USE3));
    EXPECT_FALSE(Enabled(IDC_USER_ID3));
    EXPECT_FALSE(Enabled(IDC_USER3_CH1));
    EXPECT_FALSE(Enabled(IDC_USER_USE_ADMIN));
    EXPECT_FALSE(Enabled(IDC_USER_ID_ADMIN));
    EXPECT_FALSE(Shown(IDC_USER1_DEL)) << "DEL only for the newest firmware";
    EXPECT_FALSE(Shown(IDC_USER_GRID));
    EXPECT_FALSE(Enabled(IDC_PAGE_APPLY));
    SavePicture("page4_user_camera.png");
}

TEST_F(UserPage, AddingAUserWritesItsRightsAndReadsThemBack)
{
    Profile(0);
    StartDevice();
    ShowPage<CPage4User>();
    Click(IDC_USER_USE3);
    EXPECT_TRUE(Enabled(IDC_USER_ID3));
    EXPECT_TRUE(Enabled(IDC_USER3_CH2));
    EXPECT_FALSE(Enabled(IDC_USER3_CH4));
    SetText(IDC_USER_ID3, "clerk");
    SetText(IDC_USER_PASSWORD3, "till7");
    SetText(IDC_USER_REPASSWORD3, "till7");
    Click(IDC_USER3_CH1);
    Click(IDC_USER3_CH3);
    Click(IDC_USER3_PTZ);
    EXPECT_TRUE(Enabled(IDC_PAGE_APPLY));
    Click(IDC_PAGE_APPLY);

    const auto sent = Sent(0x0202);
    ASSERT_EQ(sent.size(), 1u);
    EXPECT_EQ(sent[0].length, 197u) << "no extra rights below the newest firmware";
    // Administrator, operator, guard as read; the clerk with channels 1 and
    // 3 (0x03 | 0x08) and PTZ; user 4 out of use.
    EXPECT_EQ(HexOf(sent[0].params, 0, 5), "ffef87cb00");
    EXPECT_EQ(Field(sent[0], 5), "admin");
    EXPECT_EQ(Field(sent[0], 5 + 16), "admin");
    EXPECT_EQ(Field(sent[0], 5 + 3 * 32), "clerk");
    EXPECT_EQ(Field(sent[0], 5 + 3 * 32 + 16), "till7");
    EXPECT_FALSE(Enabled(IDC_PAGE_APPLY));
    EXPECT_TRUE(TakeMessages().empty());

    ShowPage<CPage4User>();
    EXPECT_EQ(Text(IDC_USER_ID3), "clerk");
    EXPECT_TRUE(Checked(IDC_USER_USE3));
    EXPECT_TRUE(Checked(IDC_USER3_CH1));
    EXPECT_FALSE(Checked(IDC_USER3_CH2));
    EXPECT_TRUE(Checked(IDC_USER3_CH3));
    EXPECT_TRUE(Checked(IDC_USER3_PTZ));
}

TEST_F(UserPage, InvalidAccountsAreRefusedWithTheirMessage)
{
    struct Case {
        const char* id3;
        const char* password1;
        const char* message;
    } cases[] = {
        { "", "op2407", "The User3 ID is not configured. Please enter the user's ID." },
        { "guard", "op2407", "The User2 ID and User3 ID are the same, use different user ID's." },
        { "clerk", "changed", "The User1 passwords are invalid. Please re-enter the passwords." },
    };
    Profile(0);
    StartDevice();
    for (const Case& c : cases) {
        ShowPage<CPage4User>();
        Click(IDC_USER_USE3);
        SetText(IDC_USER_ID3, c.id3);
        SetText(IDC_USER_PASSWORD1, c.password1);
        Click(IDC_PAGE_APPLY);
        EXPECT_EQ(TakeMessages(), std::vector<std::string> { c.message }) << c.id3;
        EXPECT_TRUE(Sent(0x0202).empty()) << c.id3;
        EXPECT_TRUE(Enabled(IDC_PAGE_APPLY)) << "the change stays to be fixed";
    }
    // A user out of use may keep an empty ID.
    ShowPage<CPage4User>();
    SetText(IDC_USER_PASSWORD2, "night6");
    SetText(IDC_USER_REPASSWORD2, "night6");
    Click(IDC_PAGE_APPLY);
    EXPECT_TRUE(TakeMessages().empty());
    EXPECT_EQ(Sent(0x0202).size(), 1u);
}

TEST_F(UserPage, TheNewestFirmwareGetsTheDeleteRights)
{
    Profile(0).version2 = "2.3.0";
    StartDevice();
    view.m_nFirmwareClass = 5;
    ShowPage<CPage4User>();
    EXPECT_TRUE(Shown(IDC_USER1_DEL));
    EXPECT_TRUE(Checked(IDC_USER1_DEL));
    Click(IDC_USER1_DEL);
    Click(IDC_PAGE_APPLY);
    const auto sent = Sent(0x0202);
    ASSERT_EQ(sent.size(), 1u);
    EXPECT_EQ(sent[0].length, 202u);
    EXPECT_EQ(HexOf(sent[0].params, 165, 5), "ff00000000");
}

TEST_F(UserPage, AChangedAdministratorPasswordIsUsedFromTheNextRequestOn)
{
    Profile(0);
    StartDevice();
    ShowPage<CPage4User>();
    SetText(IDC_USER_PASSWORD_ADMIN, "s3cret");
    SetText(IDC_USER_REPASSWORD_ADMIN, "s3cret");
    Click(IDC_PAGE_APPLY);
    EXPECT_EQ(Server().Store().AdminPassword(), "s3cret");
    EXPECT_EQ(g_strDevicePassword, "s3cret");

    // The session goes on without a new login.
    ClearSent();
    ShowPage<CPage4User>();
    EXPECT_TRUE(TakeMessages().empty());
    EXPECT_EQ(Text(IDC_USER_ID1), "operator");
    EXPECT_EQ(Text(IDC_USER_PASSWORD_ADMIN), "s3cret");
    for (const auto& exchange : Server().Log())
        EXPECT_TRUE(exchange.authorized) << std::hex << exchange.command;
}

TEST_F(UserPage, OkAfterAFailedReadWritesNothing)
{
    Profile(0);
    StartDevice();
    sim::Fault lost;
    lost.closeWithoutReply = true;
    Server().SetFault(0x0201, lost);
    ShowPage<CPage4User>();
    SetText(IDC_USER_PASSWORD_ADMIN, "1");
    SetText(IDC_USER_REPASSWORD_ADMIN, "1");
    Click(IDC_PAGE_OK);
    EXPECT_TRUE(Sent(0x0202).empty());
    EXPECT_EQ(Server().Store().AdminPassword(), "admin");
}

// Streaming-server form.

TEST_F(UserPage, StreamServerRenamingAUserTakesAwayItsContents)
{
    Profile(2);
    StartDevice();
    view.m_nFirmwareClass = 2;
    ShowPage<CPage4User>();
    EXPECT_FALSE(Shown(IDC_USER1_PTZ));
    EXPECT_TRUE(Enabled(IDC_USER_USE1));
    SavePicture("page4_user_stream_server.png");
    SetText(IDC_USER_ID2, "watchman");
    Click(IDC_PAGE_APPLY);
    ASSERT_EQ(Sent(0x0202).size(), 1u);
    const auto access = Sent(0x0E04);
    ASSERT_EQ(access.size(), 1u);
    EXPECT_EQ(access[0].length, 76u);
    // One content, every bit but user 2's (bit 3); users 3 and 4 are out
    // of use (bits 4 and 5).
    EXPECT_EQ(HexOf(access[0].params, 0, 8), "00000001ffffffc7");

    // Access follows only accounts the device took.
    ShowPage<CPage4User>();
    ClearSent();
    sim::Fault refused;
    refused.status = 0xF309;
    Server().SetFault(0x0202, refused);
    SetText(IDC_USER_ID1, "boss");
    Click(IDC_PAGE_APPLY);
    EXPECT_EQ(Sent(0x0202).size(), 1u);
    EXPECT_TRUE(Sent(0x0E04).empty());
    TakeMessages();
}

// Recorder form.

TEST_F(UserPage, RecorderFormGrantsCamerasInTheGrid)
{
    sim::DeviceProfile& profile = Profile(4);
    profile.version2 = "1.3.40";
    profile.analogCameras = 16;
    profile.networkCameras = 4;
    profile.camerasOff = 2;
    StartDevice();
    ShowPage<CPage4User>();
    CGridCtrl& grid = Grid();
    ASSERT_TRUE(Shown(IDC_USER_GRID));
    ASSERT_EQ(grid.GetRowCount(), 5);
    ASSERT_EQ(grid.GetColumnCount(), 21);
    EXPECT_EQ(grid.GetColumnWidth(1), 28) << "more than 15 cameras";
    EXPECT_FALSE(Shown(IDC_USER1_CH1));
    EXPECT_TRUE(Shown(IDC_USER1_HDD)) << "from firmware 1.3.40";
    // The guard sees cameras 1 to 4; camera 20 is off (grey).
    EXPECT_EQ(grid.GetItemImage(2, 4), CHECK_TICKED);
    EXPECT_EQ(grid.GetItemImage(2, 5), CHECK_CLEAR);
    EXPECT_EQ(grid.GetItemImage(2, 20), CHECK_GREY_CLEAR);
    // User 3 is out of use: grey everywhere.
    EXPECT_EQ(grid.GetItemImage(3, 1), CHECK_GREY_CLEAR);
    SavePicture("page4_user_recorder.png");

    ClickCell(IDC_USER_GRID, 3, 1);
    EXPECT_EQ(grid.GetItemImage(3, 1), CHECK_GREY_CLEAR) << "a grey cell does not change";
    EXPECT_FALSE(Enabled(IDC_PAGE_APPLY));
    Click(IDC_USER_USE3);
    SetText(IDC_USER_ID3, "clerk");
    for (int camera : { 1, 3, 17 })
        ClickCell(IDC_USER_GRID, 3, camera);
    Click(IDC_USER3_DIO);
    Click(IDC_PAGE_APPLY);
    const auto sent = Sent(0x0204);
    ASSERT_EQ(sent.size(), 1u);
    EXPECT_EQ(sent[0].length, 242u);
    EXPECT_EQ(HexOf(sent[0].params, 6, 2), "9000") << "in use, DIO";
    // Five rights words, five account pairs, then the masks: the clerk's
    // is the fourth.
    EXPECT_EQ(HexOf(sent[0].params, 10 + 5 * 32 + 3 * 8, 8), "0000000000010005");
    EXPECT_EQ(HexOf(sent[0].params, 10 + 5 * 32, 8), "ffffffffffffffff");

    ShowPage<CPage4User>();
    EXPECT_EQ(Grid().GetItemImage(3, 1), CHECK_TICKED);
    EXPECT_EQ(Grid().GetItemImage(3, 2), CHECK_CLEAR);
    EXPECT_EQ(Grid().GetItemImage(3, 3), CHECK_TICKED);
    EXPECT_EQ(Grid().GetItemImage(3, 17), CHECK_TICKED);
}

// The DVR user page.

class UserDvrPage : public UserPage
{
protected:
    void Start(const char* version = "1.7.22")
    {
        sim::DeviceProfile& profile = Profile(4);
        profile.version2 = version;
        profile.analogCameras = 16;
        profile.networkCameras = 4;
        profile.camerasOff = 2;
        StartDevice();
        ShowPage<CPage4UserDvr>();
    }
    int CameraColumn(int camera) { return 1 + 5 + camera - 1; }
};

TEST_F(UserDvrPage, ShowsElevenAccountsWithRightsAndCameras)
{
    Start();
    EXPECT_EQ(Text(IDC_UDVR_ROW_ID + 0), "admin");
    EXPECT_FALSE(Enabled(IDC_UDVR_ROW_ID + 0));
    EXPECT_EQ(Text(IDC_UDVR_ROW_ID + 1), "operator");
    EXPECT_EQ(Text(IDC_UDVR_ROW_ID + 10), "user10");
    EXPECT_TRUE(Checked(IDC_UDVR_ROW_USE + 2));
    EXPECT_FALSE(Checked(IDC_UDVR_ROW_USE + 3));
    EXPECT_FALSE(Enabled(IDC_UDVR_ROW_ID + 3));
    EXPECT_FALSE(Shown(IDC_UDVR_LOCAL_GROUP)) << "below 2.9.1";
    CGridCtrl& grid = Grid();
    ASSERT_EQ(grid.GetRowCount(), 11);
    ASSERT_EQ(grid.GetColumnCount(), 1 + 5 + 20) << "Q.Rec and Backup on this firmware";
    EXPECT_EQ(grid.GetItemText(0, 4), CString("Q.Rec"));
    EXPECT_EQ(grid.GetItemImage(1, 1), CHECK_TICKED) << "the operator's PTZ";
    EXPECT_EQ(grid.GetItemImage(1, CameraColumn(20)), CHECK_GREY_TICKED) << "camera 20 is off";
    EXPECT_EQ(grid.GetItemImage(2, CameraColumn(5)), CHECK_CLEAR);
    EXPECT_FALSE(Enabled(IDC_PAGE_APPLY));
    EXPECT_TRUE(Sent(0x0207).empty());
    SavePicture("page4_user_dvr.png");
}

TEST_F(UserDvrPage, AddingAUserWritesTheExactCameraMaskAndReadsItBack)
{
    Start();
    Click(IDC_UDVR_ROW_USE + 3);
    EXPECT_TRUE(Checked(IDC_UDVR_ROW_USE + 3));
    EXPECT_TRUE(Enabled(IDC_UDVR_ROW_ID + 3));
    SetText(IDC_UDVR_ROW_ID + 3, "clerk");
    SetText(IDC_UDVR_ROW_PASSWORD + 3, "till7");
    SetText(IDC_UDVR_ROW_REPASSWORD + 3, "till7");
    for (int camera : { 1, 3, 17 })
        ClickCell(IDC_USER_GRID, 3, CameraColumn(camera));
    ClickCell(IDC_USER_GRID, 3, 5); // Backup
    ClickCell(IDC_USER_GRID, 3, CameraColumn(20));
    EXPECT_EQ(Grid().GetItemImage(3, CameraColumn(20)), CHECK_GREY_CLEAR) << "camera 20 is off";
    Click(IDC_PAGE_APPLY);

    const auto sent = Sent(0x0206);
    ASSERT_EQ(sent.size(), 1u);
    EXPECT_EQ(sent[0].length, 36u + 44u * 11u);
    const size_t clerk = 4 + 3 * 44;
    EXPECT_EQ(Field(sent[0], clerk), "clerk");
    EXPECT_EQ(Field(sent[0], clerk + 16), "till7");
    EXPECT_EQ(HexOf(sent[0].params, clerk + 32, 4), "84000000") << "in use, Backup";
    EXPECT_EQ(HexOf(sent[0].params, clerk + 36, 8), "0000000000010005");
    EXPECT_EQ(HexOf(sent[0].params, 4 + 32, 12), "ffffffffffffffffffffffff") << "the administrator";

    ShowPage<CPage4UserDvr>();
    EXPECT_EQ(Text(IDC_UDVR_ROW_ID + 3), "clerk");
    EXPECT_TRUE(Checked(IDC_UDVR_ROW_USE + 3));
    for (int camera = 1; camera <= 18; ++camera) {
        const bool granted = camera == 1 || camera == 3 || camera == 17;
        EXPECT_EQ(Grid().GetItemImage(3, CameraColumn(camera)), granted ? CHECK_TICKED : CHECK_CLEAR)
            << camera;
    }
}

TEST_F(UserDvrPage, AUserOutOfUseKeepsItsRightsGreyed)
{
    Start();
    Click(IDC_UDVR_ROW_USE + 1);
    EXPECT_EQ(Grid().GetItemImage(1, 1), CHECK_GREY_TICKED);
    EXPECT_EQ(Grid().GetItemImage(1, CameraColumn(5)), CHECK_GREY_TICKED);
    Click(IDC_UDVR_ROW_USE + 1);
    EXPECT_EQ(Grid().GetItemImage(1, 1), CHECK_TICKED);
    EXPECT_EQ(Grid().GetItemImage(1, CameraColumn(20)), CHECK_GREY_TICKED) << "camera 20 stays off";
}

TEST_F(UserDvrPage, ValidationRefusesEmptyAndDuplicatedIdsAndUnequalPasswords)
{
    struct Case {
        int row;
        int control;
        const char* text;
        const char* message;
    } cases[] = {
        { 5, IDC_UDVR_ROW_ID, "", "The User ID is not configured. Please enter the user's ID." },
        { 6, IDC_UDVR_ROW_ID, "guard", "The User ID is duplicated, use different user ID's." },
        { 0, IDC_UDVR_ROW_PASSWORD, "x",
            "The Administrator passwords are invalid. Please re-enter the passwords." },
        { 2, IDC_UDVR_ROW_PASSWORD, "x", "The User passwords are invalid. Please re-enter the passwords." },
    };
    Start();
    for (const Case& c : cases) {
        ShowPage<CPage4UserDvr>();
        // Rows not in use are checked too.
        SetText(c.control + c.row, c.text);
        Click(IDC_PAGE_APPLY);
        EXPECT_EQ(TakeMessages(), std::vector<std::string> { c.message }) << c.row;
        EXPECT_TRUE(Enabled(IDC_PAGE_APPLY));
    }
    EXPECT_TRUE(Sent(0x0206).empty());
}

TEST_F(UserDvrPage, AChangedAdministratorPasswordKeepsTheSessionWorking)
{
    Start();
    SetText(IDC_UDVR_ROW_PASSWORD, "n3wpass");
    SetText(IDC_UDVR_ROW_REPASSWORD, "n3wpass");
    Click(IDC_PAGE_APPLY);
    EXPECT_EQ(Server().Store().AdminPassword(), "n3wpass");
    EXPECT_EQ(g_strDevicePassword, "n3wpass");
    ClearSent();
    ShowPage<CPage4UserDvr>();
    EXPECT_TRUE(TakeMessages().empty());
    EXPECT_EQ(Text(IDC_UDVR_ROW_ID + 1), "operator");
    for (const auto& exchange : Server().Log())
        EXPECT_TRUE(exchange.authorized) << std::hex << exchange.command;
}

TEST_F(UserDvrPage, OkAfterAFailedReadNeverWritesAnEmptyTable)
{
    sim::DeviceProfile& profile = Profile(4);
    (void)profile;
    StartDevice();
    sim::Fault lost;
    lost.closeWithoutReply = true;
    Server().SetFault(0x0205, lost);
    ShowPage<CPage4UserDvr>();
    EXPECT_EQ(Grid().GetRowCount(), 1);
    SetText(IDC_UDVR_ROW_PASSWORD + 4, "x");
    EXPECT_TRUE(Enabled(IDC_PAGE_APPLY) || !Enabled(IDC_UDVR_ROW_PASSWORD + 4));
    Click(IDC_PAGE_OK);
    EXPECT_TRUE(Sent(0x0206).empty());
}

TEST_F(UserDvrPage, LocalPasswordsFromFirmware291)
{
    Start("2.9.1");
    ASSERT_TRUE(Shown(IDC_UDVR_LOCAL_GROUP));
    EXPECT_EQ(Text(IDC_UDVR_LOCAL_ADMIN), "1357");
    EXPECT_EQ(Text(IDC_UDVR_LOCAL_USER), "2468");
    EXPECT_EQ(ComboSelection(IDC_UDVR_LOCAL_ADMIN_SWITCH), 1);
    SavePicture("page4_user_dvr_local.png");

    // Unchanged local passwords are not sent again.
    SetText(IDC_UDVR_ROW_PASSWORD + 1, "op2408");
    SetText(IDC_UDVR_ROW_REPASSWORD + 1, "op2408");
    Click(IDC_PAGE_APPLY);
    EXPECT_EQ(Sent(0x0206).size(), 1u);
    EXPECT_TRUE(Sent(0x0208).empty());

    // Too short a number is refused.
    SetText(IDC_UDVR_LOCAL_ADMIN, "111");
    SetText(IDC_UDVR_LOCAL_ADMIN_AGAIN, "111");
    Click(IDC_PAGE_APPLY);
    EXPECT_EQ(TakeMessages(),
        std::vector<std::string> {
            "The local admin password is invalid. Please use value from 1111 to 9999." });

    // The administrator's switch off takes the user's with it; an empty
    // field with its switch off means "none set".
    SetText(IDC_UDVR_LOCAL_ADMIN, "");
    SetText(IDC_UDVR_LOCAL_ADMIN_AGAIN, "");
    SelectCombo(IDC_UDVR_LOCAL_ADMIN_SWITCH, 0);
    EXPECT_EQ(ComboSelection(IDC_UDVR_LOCAL_USER_SWITCH), 0);
    Click(IDC_PAGE_APPLY);
    EXPECT_TRUE(TakeMessages().empty());
    auto local = Sent(0x0208);
    ASSERT_EQ(local.size(), 1u);
    EXPECT_EQ(local[0].length, 40u);
    EXPECT_EQ(HexOf(local[0].params, 0, 8), "0000000009a42710");

    // A refused write keeps the change to be applied and the old values.
    sim::Fault refused;
    refused.status = 0xF309;
    Server().SetFault(0x0208, refused);
    SetText(IDC_UDVR_LOCAL_USER, "4321");
    SetText(IDC_UDVR_LOCAL_USER_AGAIN, "4321");
    Click(IDC_PAGE_APPLY);
    TakeMessages();
    EXPECT_TRUE(Enabled(IDC_PAGE_APPLY));
    EXPECT_EQ(Sent(0x0208).size(), 2u);
    Server().ClearFaults();
    Click(IDC_PAGE_APPLY);
    EXPECT_EQ(Sent(0x0208).size(), 3u) << "the values are sent again";
}

TEST(UserPages, SheetSlotsCreateThePages)
{
    std::unique_ptr<CConfigPage> user(CreateSheetPage(SLOT_User));
    EXPECT_NE(dynamic_cast<CPage4User*>(user.get()), nullptr);
    std::unique_ptr<CConfigPage> dvr(CreatePageByClassName("CPage4UserDvr"));
    EXPECT_NE(dynamic_cast<CPage4UserDvr*>(dvr.get()), nullptr);
}

} // namespace
