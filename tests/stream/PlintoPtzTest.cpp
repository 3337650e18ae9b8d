// The camera PTZ client against the simulated camera: the login, the moves,
// presets and auxiliary output as the camera receives them, replies however
// they arrive, refusals and a lost connection.
#include "tests/stream/PlintoFixture.h"

#include "stream/plinto/PTZCtrl.h"

#include <cstring>

using namespace plinto;
using namespace plinto_test;

namespace
{

class PlintoPtz : public PlintoFixture
{
protected:
    // A client that has logged in to camera `camera`.
    void Open(int cameraNumber = 3, const char* password = "admin")
    {
        ptz.SetMsgHandler(owner.m_hWnd);
        char user[] = "admin";
        std::string pass = password;
        ASSERT_EQ(
            1, ptz.open_ptz(cameraNumber, user, pass.data(), const_cast<char*>(address), camera->Port()));
        ASSERT_TRUE(PumpUntil([&] { return owner.Count(WM_PTZ_ACK) + owner.Count(WM_PTZ_ERROR) > 0; }));
    }
    req_eptz_act_move_t Move(WORD opcode, WORD selector, BYTE v1, BYTE v2)
    {
        req_eptz_act_move_t m {};
        m.wOpcode = opcode;
        m.nParm = 4;
        m.wCamera = 99; // move() puts the client's camera here
        m.wSelector = selector;
        m.byValue1 = v1;
        m.byValue2 = v2;
        return m;
    }
    // Waits until the camera has received `n` messages of `id`.
    std::vector<sim::StreamEvent> WaitReceived(uint16_t id, size_t n = 1)
    {
        camera->WaitFor([id](const sim::StreamEvent& e) { return !e.frame && e.id == id; }, n, 5000);
        return Received(id);
    }

    CPTZCtrl ptz;
};

TEST_F(PlintoPtz, LogsInWithTheDigestsAndTheCamera)
{
    Open(3);
    EXPECT_TRUE(owner.Has(WM_PTZ_ACK, 0x2110));
    std::vector<sim::StreamEvent> login = WaitReceived(0x2010);
    ASSERT_EQ(1u, login.size());
    ASSERT_EQ(33u, login[0].body.size());
    uint8_t digest[16];
    sim::DigestText("admin", digest);
    EXPECT_EQ(0, std::memcmp(login[0].body.data(), digest, 16));
    EXPECT_EQ(0, std::memcmp(login[0].body.data() + 16, digest, 16));
    EXPECT_EQ(3, login[0].body[32]);
}

TEST_F(PlintoPtz, RefusedLoginIsReportedAndEndsTheLink)
{
    Open(1, "wrong");
    EXPECT_TRUE(owner.Has(WM_PTZ_ERROR, 0xF301));
    EXPECT_EQ(0, ptz.isConnected());
}

TEST_F(PlintoPtz, MovesGoOutAsTheCameraExpects)
{
    Open(3);
    req_eptz_act_move_t zoom = Move(PTZ_MOVE_START, 1, 100, 0);
    EXPECT_EQ(14, ptz.move(&zoom));
    EXPECT_EQ(3, zoom.wCamera);
    req_eptz_act_move_t pan = Move(PTZ_MOVE_CONTINUE, 0, 20, 110);
    ptz.move(&pan);
    req_eptz_act_move_t stop = Move(PTZ_MOVE_STOP, 0, 64, 64);
    ptz.move(&stop);
    EXPECT_EQ((sim::Bytes { 0, 3, 0, 1, 100, 0 }), WaitReceived(0xE011).at(0).body);
    EXPECT_EQ((sim::Bytes { 0, 3, 0, 0, 20, 110 }), WaitReceived(0xE012).at(0).body);
    EXPECT_EQ((sim::Bytes { 0, 3, 0, 0, 64, 64 }), WaitReceived(0xE013).at(0).body);
    // Each move is acknowledged by its reply.
    ASSERT_TRUE(PumpUntil([&] { return owner.Has(WM_PTZ_ACK, 0xE113); }));
    EXPECT_TRUE(owner.Has(WM_PTZ_ACK, 0xE111));
    EXPECT_TRUE(owner.Has(WM_PTZ_ACK, 0xE112));

    uint8_t bytes[16];
    int length = 0;
    EXPECT_EQ(14, ptz.encode_msg(bytes, &length, &zoom));
    EXPECT_EQ(14, length);
    const uint8_t expected[] = { 0xE0, 0x11, 0, 0, 0, 0, 0, 6, 0, 3, 0, 1, 100, 0 };
    EXPECT_EQ(0, std::memcmp(expected, bytes, sizeof expected));
}

TEST_F(PlintoPtz, PresetsAndAuxiliaryOutputReachTheCamera)
{
    Open(2);
    ptz.goto_preset(5);
    ptz.set_preset(6);
    ptz.clear_preset(7);
    ptz.aux_control(5, 1);
    ptz.aux_control(9, 0);
    std::vector<sim::StreamEvent> presets = WaitReceived(0x2018, 3);
    ASSERT_EQ(3u, presets.size());
    EXPECT_EQ((sim::Bytes { 0, 2, 0, 0, 0, 5 }), presets[0].body);
    EXPECT_EQ((sim::Bytes { 0, 2, 0, 1, 0, 6 }), presets[1].body);
    EXPECT_EQ((sim::Bytes { 0, 2, 0, 2, 0, 7 }), presets[2].body);
    std::vector<sim::StreamEvent> aux = WaitReceived(0x2019, 2);
    ASSERT_EQ(2u, aux.size());
    EXPECT_EQ((sim::Bytes { 0, 2, 0x01, 0x01, 0, 5 }), aux[0].body);
    EXPECT_EQ((sim::Bytes { 0, 2, 0x01, 0x00, 0, 9 }), aux[1].body);
    ASSERT_TRUE(PumpUntil([&] { return owner.Has(WM_PTZ_ACK, 0x2119); }));
    EXPECT_TRUE(owner.Has(WM_PTZ_ACK, 0x2118));
}

TEST_F(PlintoPtz, LogoutKeepsTheSocketAndWithoutOneSendsNothing)
{
    CPTZCtrl unopened;
    EXPECT_EQ(1, unopened.close_ptz());
    Open(1);
    EXPECT_EQ(1, ptz.close_ptz());
    EXPECT_EQ(1u, WaitReceived(0x2011).size());
    EXPECT_EQ(1, ptz.isConnected());
}

TEST_F(PlintoPtz, RepliesAreReadByTheirLengthInWhateverPieces)
{
    sim::Fault split;
    split.pieces = { 3, 2, 1 };
    camera->SetFault(0x2010, split);
    camera->SetFault(0xE011, split);
    Open(1);
    EXPECT_TRUE(owner.Has(WM_PTZ_ACK, 0x2110));
    req_eptz_act_move_t m = Move(PTZ_MOVE_START, 0, 1, 2);
    ptz.move(&m);
    ASSERT_TRUE(PumpUntil([&] { return owner.Has(WM_PTZ_ACK, 0xE111); }));
    EXPECT_EQ(2u, owner.Count(WM_PTZ_ACK));
    EXPECT_EQ(0u, owner.Count(WM_PTZ_ERROR));
}

TEST_F(PlintoPtz, OversizedReplyIsAProtocolError)
{
    sim::Fault huge;
    huge.announcedLength = 5000;
    camera->SetFault(0xE011, huge);
    Open(1);
    req_eptz_act_move_t m = Move(PTZ_MOVE_START, 0, 1, 2);
    ptz.move(&m);
    ASSERT_TRUE(PumpUntil([&] { return owner.Has(WM_PTZ_ERROR, ERR_SEND_RECEIVE); }));
    EXPECT_EQ(0, ptz.isConnected());
    // Later moves fail at once and say so.
    owner.posted.clear();
    ptz.move(&m);
    EXPECT_TRUE(PumpUntil([&] { return owner.Has(WM_PTZ_ERROR, ERR_SEND_RECEIVE); }));
}

TEST_F(PlintoPtz, LostConnectionIsReported)
{
    Open(1);
    camera.reset();
    ASSERT_TRUE(PumpUntil([&] { return owner.Has(WM_PTZ_ERROR, ERR_CONNECTION_CLOSED); }));
    EXPECT_EQ(0, ptz.isConnected());
}

} // namespace
