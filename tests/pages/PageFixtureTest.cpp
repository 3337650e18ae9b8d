// The page fixture shows a real page against the simulator and reads back
// what the device received.
#include "tests/pages/PageFixture.h"
#include "pages/Page1CamInfo.h"

TEST_F(PageTest, ShowsAPageThatReadsTheDevice)
{
    Profile(4, 2);
    StartDevice();
    ShowPage<CPage1CamInfo>();
    EXPECT_FALSE(Server().Log().empty());
    EXPECT_TRUE(TakeMessages().empty());
    SavePicture("page_fixture_info.png");
    Close();
    // A second device after the first, as a table of families does.
    Profile(0);
    StartDevice();
    ShowPage<CPage1CamInfo>();
    EXPECT_FALSE(Server().Log().empty());
}
