#include "app/LoginBar.h"

#include <gtest/gtest.h>

namespace
{

TEST(LoginBar, PortTexts)
{
    struct {
        const char* text;
        bool valid;
        DWORD port;
    } const cases[] = {
        { "8405", true, 8405 },
        { "1", true, 1 },
        { "65535", true, 65535 },
        { "", false, 0 },
        { "0", false, 0 },
        { "65536", false, 0 },
        { "99999999999", false, 0 },
        { "84a5", false, 0 },
        { " 8405", false, 0 },
        { "-1", false, 0 },
        { "00080", true, 80 },
    };
    for (const auto& c : cases) {
        DWORD port = 7;
        EXPECT_EQ(ParsePortText(c.text, &port), c.valid) << '"' << c.text << '"';
        EXPECT_EQ(port, c.valid ? c.port : 7u) << '"' << c.text << '"';
    }
}

TEST(LoginBar, LayoutFollowsTheClientArea)
{
    // 550 x 600: cx 275, y = 225 + 150 = 375.
    const LoginBarLayout layout = LayoutLoginBar(550, 600);
    auto find = [&layout](int id) {
        for (const LoginBarItem& item : layout.items)
            if (item.id == id)
                return item;
        return LoginBarItem {};
    };
    const LoginBarItem password = find(IDC_PASSWORD);
    EXPECT_EQ(password.x, 255);
    EXPECT_EQ(password.y, 310);
    EXPECT_EQ(password.cx, 190);
    const LoginBarItem login = find(IDC_LOGIN);
    EXPECT_EQ(login.x, 135);
    EXPECT_EQ(login.y, 535);
    EXPECT_EQ(find(IDC_EXIT).x, 290);
    EXPECT_EQ(find(IDC_LOGIN_HIDDEN).cx, 0);
}

} // namespace
