#include "platform/base/String.h"
#include "platform/base/Geometry.h"

#include <gtest/gtest.h>

namespace
{

TEST(CString, FindAndSlicesStayInsideTheText)
{
    CString s("192.168.0.5");
    EXPECT_EQ(s.GetLength(), 11);
    EXPECT_EQ(s.Find('.'), 3);
    EXPECT_EQ(s.Find('.', 4), 7);
    EXPECT_EQ(s.Find("0.5"), 8);
    EXPECT_EQ(s.Find('x'), -1);
    EXPECT_EQ(s.Find('.', 99), -1);
    EXPECT_EQ(s.ReverseFind('.'), 9);
    EXPECT_EQ(s.Left(3), "192");
    EXPECT_EQ(s.Mid(4, 3), "168");
    EXPECT_EQ(s.Mid(8), "0.5");
    EXPECT_EQ(s.Right(1), "5");
    EXPECT_EQ(s.Left(-1), "");
    EXPECT_EQ(s.Mid(20), "");
    EXPECT_EQ(s.Right(50), s);
    EXPECT_EQ(s.GetAt(99), '\0');
}

TEST(CString, EditingOperations)
{
    CString s("  xDSL Server Status  ");
    s.TrimRight();
    s.TrimLeft();
    EXPECT_EQ(s, "xDSL Server Status");
    EXPECT_EQ(s.Replace("Server", "Host"), 1);
    EXPECT_EQ(s, "xDSL Host Status");
    CString mac("00:1a:2b");
    mac.MakeUpper();
    EXPECT_EQ(mac, "00:1A:2B");
    EXPECT_EQ(mac.Remove(':'), 2);
    EXPECT_EQ(mac, "001A2B");
    EXPECT_EQ(CString("abc").CompareNoCase("ABC"), 0);
    EXPECT_LT(CString("abc").Compare("abd"), 0);
    // UTF-8 text keeps its bytes through case mapping.
    CString jp("接続を閉じました。ab");
    jp.MakeUpper();
    EXPECT_EQ(jp, "接続を閉じました。AB");
}

TEST(CString, FormatAndBuffers)
{
    CString s;
    s.Format("Dialing %s ...", "5551234");
    EXPECT_EQ(s, "Dialing 5551234 ...");
    s.Format("%s\\%s", "/home/u/Pellmoor", "qarn.info");
    EXPECT_EQ(s, "/home/u/Pellmoor\\qarn.info");
    s.AppendFormat(" %d", 42);
    EXPECT_EQ(s.Right(3), " 42");
    CString long_;
    long_.Format("%0300d", 7);
    EXPECT_EQ(long_.GetLength(), 300);

    CString b;
    char* p = b.GetBuffer(16);
    std::snprintf(p, 17, "%s", "abc");
    b.ReleaseBuffer();
    EXPECT_EQ(b.GetLength(), 3);
    EXPECT_EQ(b + "d" + CString("e"), "abcde");
}

TEST(Geometry, RectanglesAreHalfOpen)
{
    CRect r(10, 20, 110, 70);
    EXPECT_EQ(r.Width(), 100);
    EXPECT_EQ(r.Height(), 50);
    EXPECT_TRUE(r.PtInRect(CPoint(10, 20)));
    EXPECT_FALSE(r.PtInRect(CPoint(110, 20)));
    CRect i;
    EXPECT_TRUE(i.IntersectRect(&r, CRect(100, 60, 200, 200)));
    EXPECT_EQ(i, CRect(100, 60, 110, 70));
    EXPECT_FALSE(i.IntersectRect(&r, CRect(110, 0, 120, 10)));
    EXPECT_TRUE(i.IsRectEmpty());
    CPoint p(MAKELPARAM(WORD(-5), 7));
    EXPECT_EQ(p.x, -5);
    EXPECT_EQ(p.y, 7);
    EXPECT_EQ(RGB(0xFF, 0x00, 0xFF), 0xFF00FFu);
}

} // namespace
