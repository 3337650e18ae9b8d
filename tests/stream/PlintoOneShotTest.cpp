// The camera client's one-shot exchanges against the simulated camera:
// version, channel information and password change, read exactly however
// the reply arrives, refused when too large, bounded in time when the
// camera falls silent; and the asynchronous version query, whose record
// belongs to the client that asked.
#include "tests/stream/PlintoFixture.h"

#include "platform/base/TestServices.h"
#include "tests/link/MovingClock.h"

#include <cstring>

using namespace plinto;
using namespace plinto_test;

namespace
{

class PlintoOneShot : public PlintoFixture
{
protected:
    UserInfoParm User(const char* password = "admin") const
    {
        UserInfoParm u {};
        std::strncpy(u.szUserName, "admin", sizeof u.szUserName);
        std::strncpy(u.szPassword, password, sizeof u.szPassword);
        return u;
    }
    char* Host() { return const_cast<char*>(address); }
    int Port() const { return camera->Port(); }

    COstraOnNetCtrl client;
};

TEST_F(PlintoOneShot, VersionTextsArriveSwapped)
{
    tagONLINEVERSION2 version {};
    UserInfoParm user = User();
    ASSERT_EQ(1, client.getServerVersion(&version, &user, Host(), Port()));
    // The device sends the hardware text first, the firmware text second.
    EXPECT_STREQ(profile.version2.c_str(), version.szText1);
    EXPECT_STREQ(profile.version1.c_str(), version.szText2);
}

TEST_F(PlintoOneShot, ReplyInPiecesIsReadWhole)
{
    sim::Fault split;
    split.pieces = { 3, 4, 1, 30 };
    camera->SetFault(0x2001, split);
    tagONLINEVERSION2 version {};
    UserInfoParm user = User();
    ASSERT_EQ(1, client.getServerVersion(&version, &user, Host(), Port()));
    EXPECT_STREQ(profile.version2.c_str(), version.szText1);
}

TEST_F(PlintoOneShot, BrokenRepliesFailTheExchange)
{
    struct Case {
        const char* what;
        sim::Fault fault;
    };
    sim::Fault huge, cut, closed, empty;
    huge.announcedLength = 0x100000;
    cut.cutAfter = 20;
    closed.closeWithoutReply = true;
    empty.status = 0xF301; // a refusal carries no body
    const Case cases[] = { { "body larger than the buffer", huge }, { "reply cut short", cut },
        { "connection closed", closed }, { "empty body", empty } };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        camera->SetFault(0x2001, c.fault);
        camera->SetFault(0x2006, c.fault);
        tagONLINEVERSION2 version {};
        tagCHINFOSET info {};
        UserInfoParm user = User();
        EXPECT_EQ(0, client.getServerVersion(&version, &user, Host(), Port()));
        EXPECT_EQ(0, client.getCHInfoSet(&info, &user, Host(), Port()));
        EXPECT_EQ(0, info.wLength);
    }
}

TEST_F(PlintoOneShot, SilentCameraTimesOut)
{
    ManualClock clock;
    ScopedService<IClock> useClock { &clock };
    sim::Fault silence;
    silence.silence = true;
    camera->SetFault(0x2001, silence);
    tagONLINEVERSION2 version {};
    UserInfoParm user = User();
    {
        MovingClock moving(clock, 1000);
        EXPECT_EQ(0, client.getServerVersion(&version, &user, Host(), Port()));
    }
    EXPECT_EQ(ERR_TIME_OUT, client.GetLastErrorCode());
    EXPECT_GE(clock.GetTickCount(), 90000u);
}

TEST_F(PlintoOneShot, ChannelInformationIsCopiedWithinTheRecord)
{
    tagCHINFOSET info {};
    UserInfoParm user = User();
    ASSERT_EQ(1, client.getCHInfoSet(&info, &user, Host(), Port()));
    const std::string expected = "CH1:" + profile.title + ";CH2:Entrance;CH3:Yard;CH4:";
    EXPECT_EQ(expected.size(), info.wLength);
    EXPECT_EQ(expected, std::string(reinterpret_cast<char*>(info.byInfo), info.wLength));

    // A length word that claims more than the body carries: only the body.
    sim::Fault shorter;
    shorter.announcedLength = 2 + 10;
    shorter.cutAfter = 8 + 2 + 10;
    camera->SetFault(0x2006, shorter);
    tagCHINFOSET cut {};
    ASSERT_EQ(1, client.getCHInfoSet(&cut, &user, Host(), Port()));
    EXPECT_EQ(10, cut.wLength);
    EXPECT_EQ(expected.substr(0, 10), std::string(reinterpret_cast<char*>(cut.byInfo), cut.wLength));
}

TEST_F(PlintoOneShot, PasswordChangeReachesTheCamera)
{
    tagReqPasswordParm parm {};
    std::strcpy(parm.szUserName, "admin");
    std::strcpy(parm.szOldPassword, "admin");
    std::strcpy(parm.szNewPassword, "s3cret");
    EXPECT_EQ(0, client.changePassword(&parm, Host(), Port()));
    // The new password now logs in; the old one no longer does.
    tagONLINEVERSION2 version {};
    UserInfoParm user = User("s3cret");
    EXPECT_EQ(1, client.getServerVersion(&version, &user, Host(), Port()));
    std::strcpy(parm.szOldPassword, "admin");
    EXPECT_EQ(ERR_PASSWORD_REFUSED, client.changePassword(&parm, Host(), Port()));
}

TEST_F(PlintoOneShot, ExchangesWithoutACameraFail)
{
    const int port = Port();
    camera->Stop();
    tagReqPasswordParm parm {};
    EXPECT_EQ(ERR_CONNECT_FAILED, client.changePassword(&parm, Host(), port));
    tagONLINEVERSION2 version {};
    UserInfoParm user = User();
    EXPECT_EQ(0, client.getServerVersion(&version, &user, Host(), port));
    EXPECT_EQ(ERR_CONNECT_FAILED, client.GetLastErrorCode());
}

TEST_F(PlintoOneShot, EachClientKeepsItsOwnVersionRecord)
{
    tagONLINEVERSION2 first {}, second {};
    std::memset(&second, 'x', sizeof second);
    second.szText1[31] = second.szText2[31] = 0;
    UserInfoParm user = User();
    // Two clients ask; only the first's reply is awaited, and it must land
    // in the first's record even though the second asked last.
    COstraOnNetCtrl other;
    ASSERT_EQ(1, client.getServerVersionByNonBlocking(&first, &user, Host(), Port()));
    ASSERT_EQ(1, other.getServerVersionByNonBlocking(&second, &user, Host(), 1));
    ASSERT_TRUE(PumpUntil([&] { return first.szText1[0] != 0; }, 5000));
    EXPECT_STREQ(profile.version2.c_str(), first.szText1);
    EXPECT_STREQ(profile.version1.c_str(), first.szText2);
    EXPECT_EQ('x', second.szText1[0]);
}

} // namespace
