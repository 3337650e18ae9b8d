// Plinto and Ferrock in one process, as Setup loads them: each library's
// CPTZCtrl is its own class, and each logs in to its own kind of device.
#include "link/WindowMessages.h"
#include "sim/CameraStream.h"
#include "sim/DvrStreamServer.h"
#include "stream/ferrock/PTZCtrl.h"
#include "stream/plinto/PTZCtrl.h"
#include "tests/stream/FerrockOwner.h"

#include <gtest/gtest.h>

#include <typeinfo>

namespace
{

constexpr char kHost[] = "127.0.0.1";

TEST(FerrockWithPlinto, TheTwoPtzClientsStayApart)
{
    EXPECT_NE(typeid(plinto::CPTZCtrl), typeid(ferrock::CPTZCtrl));
    sim::DvrStreamServer dvr(sim::MakeProfile(4, 2));
    sim::CameraStream camera(sim::MakeProfile(0));
    ASSERT_TRUE(dvr.Start(kHost, 0));
    ASSERT_TRUE(camera.Start(kHost, 0));

    FerrockOwner dvrOwner, cameraOwner;
    ferrock::CPTZCtrl dvrPtz;
    plinto::CPTZCtrl cameraPtz;
    dvrPtz.SetMsgHandler(dvrOwner.GetSafeHwnd());
    cameraPtz.SetMsgHandler(cameraOwner.GetSafeHwnd());
    char user[] = "admin", password[] = "admin", host[] = "127.0.0.1";
    ASSERT_EQ(1, dvrPtz.open_ptz(2, user, password, host, dvr.Port()));
    ASSERT_EQ(1, cameraPtz.open_ptz(1, user, password, host, camera.Port()));
    ASSERT_TRUE(PumpMessagesUntil(
        [&] { return dvrOwner.Count(WM_PTZ_ACK, 0x2110) && cameraOwner.Count(WM_PTZ_ACK, 0x2110); }, 10000));

    // The DVR's variant asks for its lists, which only it reads.
    dvrPtz.ptz_info(1);
    ASSERT_TRUE(PumpMessagesUntil([&] { return dvrOwner.Count(WM_PTZ_INFO) > 0; }, 10000));
    EXPECT_EQ(4u, dvrOwner.ptzNames.size());
    ASSERT_EQ(1u, dvr.Requests(0x2010).size());
    EXPECT_EQ(2, dvr.Requests(0x2010).front().body[32]);
    EXPECT_EQ(0u, dvrOwner.Count(WM_PTZ_ERROR));
    EXPECT_EQ(0u, cameraOwner.Count(WM_PTZ_ERROR));
}

} // namespace
