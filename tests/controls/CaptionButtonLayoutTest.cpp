#include "controls/CaptionButtonLayout.h"

#include <gtest/gtest.h>

namespace
{

const CaptionMetrics kMetrics {};
const RECT kWindow { 100, 50, 900, 684 };

TEST(CaptionButtonLayout, SlotsCountFromTheRightEdgeLeftOfTheFrame)
{
    // The first button of a frame with three reserved slots takes slot 4.
    RECT slot = CaptionSlotRect(kWindow, 4, WS_THICKFRAME, 0, kMetrics);
    EXPECT_EQ(slot.right, kWindow.right - 3 * kMetrics.cxSize - kMetrics.cxFrame);
    EXPECT_EQ(slot.right - slot.left, kMetrics.cxSize);
    EXPECT_EQ(slot.top, kWindow.top + kMetrics.cyFrame);
    EXPECT_EQ(slot.bottom - slot.top, kMetrics.cySize);

    // A fixed border and a tool window use their own metrics.
    RECT fixed = CaptionSlotRect(kWindow, 1, 0, 0, kMetrics);
    EXPECT_EQ(fixed.left, kWindow.right - kMetrics.cxSize - kMetrics.cxDlgFrame);
    EXPECT_EQ(fixed.top, kWindow.top + kMetrics.cyDlgFrame);
    RECT tool = CaptionSlotRect(kWindow, 2, 0, WS_EX_TOOLWINDOW, kMetrics);
    EXPECT_EQ(tool.left, kWindow.right - 2 * kMetrics.cxSmSize - kMetrics.cxDlgFrame);
    EXPECT_EQ(tool.bottom - tool.top, kMetrics.cySmSize);
}

TEST(CaptionButtonLayout, AMenuBarPutsTheButtonRightAboveIt)
{
    const RECT item { 104, 80, 140, 99 };
    RECT slot = CaptionSlotRect(kWindow, 4, WS_THICKFRAME, 0, kMetrics, &item);
    EXPECT_EQ(slot.bottom, item.top - 1);
    EXPECT_EQ(slot.top, item.top - 1 - kMetrics.cySize);
    // An item without a bottom is no menu bar.
    const RECT none { 0, 0, 0, 0 };
    EXPECT_EQ(
        CaptionSlotRect(kWindow, 4, WS_THICKFRAME, 0, kMetrics, &none).top, kWindow.top + kMetrics.cyFrame);
}

TEST(CaptionButtonLayout, ImagesAreCentredRoundingTowardZero)
{
    POINT offset = CaptionImageOffset(13, 11, kMetrics);
    EXPECT_EQ(offset.x, (kMetrics.cxSize - 13) / 2);
    EXPECT_EQ(offset.y, (kMetrics.cySize - 11) / 2);
    // A bitmap wider than the box moves left by half the excess, toward zero.
    EXPECT_EQ(CaptionImageOffset(kMetrics.cxSize + 3, 0, kMetrics).x, -1);
}

} // namespace
