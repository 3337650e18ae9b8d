#include "platform/ui/ToolTipCtrl.h"

#include <gtest/gtest.h>

namespace
{

TEST(ToolTips, RectangleToolsWinOverTheWindowsOwnText)
{
    CWnd frame;
    ASSERT_TRUE(frame.CreateEx(0, nullptr, "frame", WS_POPUP, 0, 0, 200, 100, nullptr, nullptr));
    CToolTipCtrl tips;
    ASSERT_TRUE(tips.Create(&frame));
    CRect button(150, 0, 170, 20);
    EXPECT_TRUE(tips.AddTool(&frame, "Version", &button, 1));
    EXPECT_TRUE(tips.AddTool(&frame, "Pellmoor Tarnwick"));
    EXPECT_EQ(tips.GetToolCount(), 2);
    EXPECT_STREQ(tips.TextAt(&frame, POINT { 155, 5 }), "Version");
    EXPECT_STREQ(tips.TextAt(&frame, POINT { 10, 50 }), "Pellmoor Tarnwick");
    tips.UpdateTipText("About", &frame, 1);
    EXPECT_STREQ(tips.TextAt(&frame, POINT { 155, 5 }), "About");
    tips.Activate(FALSE);
    EXPECT_EQ(tips.TextAt(&frame, POINT { 155, 5 }), nullptr);
    tips.Activate(TRUE);
    tips.DelTool(&frame, 1);
    EXPECT_STREQ(tips.TextAt(&frame, POINT { 155, 5 }), "Pellmoor Tarnwick");
    frame.DestroyWindow();
}

} // namespace
