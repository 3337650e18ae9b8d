// The page fixture shows a real page against the simulator and reads back
// what the device received.
#include "tests/pages/PageFixture.h"
#include "pages/Page1CamInfo.h"
#include "pages/SheetFactory.h"

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

TEST(PageByClassName, NamesGiveTheirPagesAndNothingElse)
{
    std::unique_ptr<CConfigPage> info(CreatePageByClassName("CPage1CamInfo"));
    EXPECT_NE(dynamic_cast<CPage1CamInfo*>(info.get()), nullptr);
    EXPECT_EQ(CreatePageByClassName("CQualityBoxDlg"), nullptr); // a dialog, not a page
    EXPECT_EQ(CreatePageByClassName("CNoSuchPage"), nullptr);
    EXPECT_EQ(CreatePageByClassName(nullptr), nullptr);
}
