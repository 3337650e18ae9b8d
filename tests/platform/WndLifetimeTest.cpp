#include "platform/ui/Wnd.h"

#include <gtest/gtest.h>

namespace
{

constexpr UINT WM_CLOSE_YOURSELF = WM_USER + 7;

// A window that ends itself from inside one of its own handlers, as the
// in-place editors do when their edit is over.
class CSelfEndingWnd : public CWnd
{
public:
    explicit CSelfEndingWnd(bool* deleted)
        : m_pDeleted(deleted)
    {
        m_bAutoDelete = TRUE;
    }
    ~CSelfEndingWnd() override { *m_pDeleted = true; }

protected:
    LRESULT OnCloseYourself(WPARAM, LPARAM)
    {
        DestroyWindow();
        return 42;
    }
    DECLARE_MESSAGE_MAP()

private:
    bool* m_pDeleted;
};

BEGIN_MESSAGE_MAP(CSelfEndingWnd, CWnd)
ON_MESSAGE(WM_CLOSE_YOURSELF, OnCloseYourself)
END_MESSAGE_MAP()

TEST(WndLifetime, AWindowMayDeleteItselfInItsOwnHandler)
{
    bool deleted = false;
    auto* wnd = new CSelfEndingWnd(&deleted);
    ASSERT_TRUE(wnd->CreateEx(0, nullptr, "self", WS_POPUP, 0, 0, 50, 50, nullptr, nullptr));
    HWND hWnd = wnd->m_hWnd;
    // AddressSanitizer reports any touch of the deleted object after the handler.
    EXPECT_EQ(::SendMessage(hWnd, WM_CLOSE_YOURSELF, 0, 0), 42);
    EXPECT_TRUE(deleted);
    EXPECT_FALSE(::IsWindow(hWnd));
}

} // namespace
