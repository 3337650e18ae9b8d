// The DVR's PTZ client against the simulated DVR: what each command puts on
// the wire, the preset and tour lists, and the DVR's refusals.
#include "link/WindowMessages.h"
#include "sim/DvrStreamServer.h"
#include "stream/ferrock/PTZCtrl.h"
#include "tests/stream/FerrockOwner.h"

#include <gtest/gtest.h>

using namespace ferrock;

namespace
{

constexpr char kHost[] = "127.0.0.1";

class FerrockPtzTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(dvr.Start(kHost, 0));
        ptz.SetMsgHandler(owner.GetSafeHwnd());
    }

    void Open(int camera = 3)
    {
        ASSERT_EQ(1, ptz.open_ptz(camera, "admin", "admin", kHost, dvr.Port()));
        ASSERT_TRUE(owner.WaitFor([&] { return owner.Count(WM_PTZ_ACK, 0x2110) > 0; }));
    }

    sim::Bytes LastBody(uint16_t id)
    {
        EXPECT_TRUE(owner.WaitFor([&] { return !dvr.Requests(id).empty(); })) << std::hex << id;
        const auto found = dvr.Requests(id);
        return found.empty() ? sim::Bytes() : found.back().body;
    }

    sim::DvrStreamServer dvr { sim::MakeProfile(4, 2) };
    FerrockOwner owner;
    CPTZCtrl ptz;
};

TEST_F(FerrockPtzTest, MoveIsEncodedForTheClientsCamera)
{
    Open(3);
    req_eptz_act_move_t req { kPtzMoveStart, 0, 4, 9, 1, 100, 0 };
    uint8_t bytes[16];
    int length = 0;
    EXPECT_EQ(14, ptz.encode_msg(bytes, &length, &req));
    const uint8_t expected[14] = { 0xE0, 0x11, 0, 0, 0, 0, 0, 6, 0, 3, 0, 1, 0x64, 0 };
    EXPECT_EQ(0, std::memcmp(expected, bytes, sizeof expected));
    EXPECT_EQ(14, ptz.move(&req));
    EXPECT_EQ(3, req.wCamera);
    EXPECT_EQ(sim::Bytes(expected + 8, expected + 14), LastBody(0xE011));
}

TEST_F(FerrockPtzTest, CommandsPresetsAndListReachTheDvr)
{
    Open(3);
    const sim::Bytes login = dvr.Requests(0x2010).front().body;
    ASSERT_EQ(33u, login.size());
    EXPECT_EQ(3, login[32]) << "the camera rides on the login";

    for (uint16_t opcode : { kPtzMoveStart, kPtzMoveContinue, kPtzMoveStop }) {
        req_eptz_act_move_t req { opcode, 0, 4, 0, 0, 20, 107 };
        ptz.move(&req);
        EXPECT_EQ(sim::Bytes({ 0, 3, 0, 0, 20, 107 }), LastBody(opcode));
    }
    ptz.goto_preset(2);
    EXPECT_EQ(sim::Bytes({ 0, 3, 0, 0, 0, 2 }), LastBody(0xE014));
    ptz.auc_control(5, 1);
    EXPECT_EQ(sim::Bytes({ 0, 3, 0, 1, 0, 5 }), LastBody(0xE090));

    EXPECT_EQ(0, ptz.ptz_info(1));
    ASSERT_TRUE(owner.WaitFor([&] { return owner.Count(WM_PTZ_INFO, 0x21E0) > 0; }));
    EXPECT_EQ(std::vector<std::string>({ "Entrance", "Till", "Back door", "Night round" }), owner.ptzNames);
    EXPECT_EQ(sim::Bytes({ 0, 1 }), LastBody(0x20E0));

    // The timer's keepalive, then the logout; the link stays up.
    ptz.SendMessage(WM_TIMER, 10000);
    LastBody(0x2017);
    EXPECT_EQ(1, ptz.close_ptz());
    LastBody(0x2011);
    EXPECT_EQ(0u, owner.Count(WM_PTZ_ERROR));
}

TEST_F(FerrockPtzTest, ListReplyIsTakenWhateverTheReadsAre)
{
    sim::Fault split;
    split.pieces = { 3, 9, 30 };
    dvr.SetFault(0x20E0, split);
    Open();
    ptz.ptz_info(1);
    ASSERT_TRUE(owner.WaitFor([&] { return owner.Count(WM_PTZ_INFO) > 0; }));
    EXPECT_EQ(4u, owner.ptzNames.size());
    EXPECT_EQ(0u, owner.Count(WM_PTZ_ERROR));
}

TEST_F(FerrockPtzTest, ListsAreCheckedAgainstTheBody)
{
    const uint8_t empty[2] = { 0, 0 };
    tagPtzList* list = ReadPtzList(empty, sizeof empty);
    ASSERT_NE(nullptr, list);
    EXPECT_EQ(nullptr, list->pList1);
    EXPECT_EQ(nullptr, list->pList2);
    FreePtzList(list);

    std::vector<uint8_t> body = { 2 };
    body.resize(1 + 25 * 2, 'a');
    body.push_back(1);
    body.resize(body.size() + 31, 'b'); // one byte short of a tour
    EXPECT_EQ(nullptr, ReadPtzList(body.data(), body.size()));
    body.push_back(0);
    list = ReadPtzList(body.data(), body.size());
    ASSERT_NE(nullptr, list);
    EXPECT_EQ(2, list->byCount1);
    EXPECT_EQ(1, list->byCount2);
    FreePtzList(list);
    const uint8_t lying[3] = { 200, 0, 0 };
    EXPECT_EQ(nullptr, ReadPtzList(lying, sizeof lying));
}

TEST_F(FerrockPtzTest, RefusalsCloseTheLinkOnlyForTheFatalStatuses)
{
    EXPECT_EQ(1, ptz.close_ptz()) << "no socket yet";
    EXPECT_EQ(1, ptz.ptz_info(1));
    sim::Fault refused;
    refused.status = 0xF309;
    dvr.SetFault(0xE014, refused);
    sim::Fault denied;
    denied.status = 0xF301;
    dvr.SetFault(0xE090, denied);
    Open();
    ptz.goto_preset(1);
    ASSERT_TRUE(owner.WaitFor([&] { return owner.Count(WM_PTZ_ERROR, 0xF309) > 0; }));
    EXPECT_TRUE(ptz.IsConnected());
    ptz.auc_control(1, 1);
    ASSERT_TRUE(owner.WaitFor([&] { return owner.Count(WM_PTZ_ERROR, 0xF301) > 0; }));
    EXPECT_FALSE(ptz.IsConnected());
}

TEST_F(FerrockPtzTest, WrongPasswordIsRefused)
{
    ASSERT_EQ(1, ptz.open_ptz(1, "admin", "nope", kHost, dvr.Port()));
    ASSERT_TRUE(owner.WaitFor([&] { return owner.Count(WM_PTZ_ERROR) > 0; }));
    EXPECT_EQ(1u, owner.Count(WM_PTZ_ERROR, 0xF301));
    EXPECT_EQ(0u, owner.Count(WM_PTZ_ACK));
}

} // namespace
