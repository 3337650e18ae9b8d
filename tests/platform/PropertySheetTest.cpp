#include "platform/ui/PropertySheet.h"
#include "platform/base/TestServices.h"
#include "platform/ui/DataExchange.h"
#include "platform/ui/ResourceModule.h"

#include <gtest/gtest.h>

#include <QTabBar>

namespace
{

enum : int { IDD_PAGE_A = 600, IDD_PAGE_B = 601, IDC_VALUE = 1100, IDC_APPLY = 1271 };

const DialogControl kPageA[] = {
    { IDC_VALUE, WC_EDIT, "", WS_CHILD | WS_VISIBLE | WS_TABSTOP, 10, 10, 60, 14 },
    { IDC_APPLY, WC_BUTTON, "Apply", WS_CHILD | WS_VISIBLE | WS_TABSTOP, 10, 40, 50, 14 },
};
const DialogControl kPageB[] = {
    { IDC_VALUE, WC_EDIT, "", WS_CHILD | WS_VISIBLE | WS_TABSTOP, 20, 20, 60, 14 },
};
const DialogTemplate kDialogs[] = {
    { IDD_PAGE_A, "System", WS_CHILD | WS_DISABLED | WS_CAPTION, 0, 0, 200, 120, kPageA },
    { IDD_PAGE_B, "Network", WS_CHILD | WS_DISABLED | WS_CAPTION, 0, 0, 180, 140, kPageB },
};
const ResourceTables kTables { .moduleName = "SheetTest", .dialogs = kDialogs };

// A page that keeps a number and counts its activations.
class CCountingPage : public CPropertyPage
{
public:
    explicit CCountingPage(UINT id)
        : CPropertyPage(id)
    {
    }
    BOOL OnSetActive() override
    {
        ++activations;
        return CPropertyPage::OnSetActive();
    }
    BOOL OnKillActive() override
    {
        ++kills;
        return allowLeave && CPropertyPage::OnKillActive();
    }
    BOOL OnApply() override
    {
        ++applies;
        return CPropertyPage::OnApply();
    }
    void OnButtonApply()
    {
        SetModified(FALSE);
        OnApply();
    }
    int value = 5;
    bool allowLeave = true;
    int activations = 0, kills = 0, applies = 0;

protected:
    void DoDataExchange(CDataExchange* pDX) override
    {
        DDX_Text(pDX, IDC_VALUE, value);
        DDV_MinMaxInt(pDX, value, 0, 9);
    }
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CCountingPage, CPropertyPage)
ON_BN_CLICKED(IDC_APPLY, OnButtonApply)
END_MESSAGE_MAP()

class PropertySheets : public ::testing::Test
{
protected:
    void SetUp() override
    {
        m_previous = AfxGetResourceHandle();
        AfxSetResourceHandle(RegisterResourceModule(&kTables));
        ASSERT_TRUE(
            m_view.CreateEx(0, nullptr, "view", WS_POPUP | WS_VISIBLE, 0, 0, 600, 500, nullptr, nullptr));
        m_sheet.AddPage(&m_a);
        m_sheet.AddPage(&m_b);
        ASSERT_TRUE(m_sheet.Create(&m_view, WS_CHILD | WS_VISIBLE));
    }
    void TearDown() override
    {
        m_view.DestroyWindow();
        AfxSetResourceHandle(m_previous);
    }
    // Picks a tab as the user does.
    void ClickTab(int index)
    {
        static_cast<QTabBar*>(m_sheet.GetTabControl()->GetWidget())->setCurrentIndex(index);
    }

    HINSTANCE m_previous = nullptr;
    ScriptedMessageBoxPresenter m_boxes;
    ScopedService<IMessageBoxPresenter> m_boxScope { &m_boxes };
    CWnd m_view;
    CCountingPage m_a { IDD_PAGE_A };
    CCountingPage m_b { IDD_PAGE_B };
    CPropertySheet m_sheet { "Configuration" };
};

TEST_F(PropertySheets, ChildSheetShowsTheFirstPageAndCreatesOthersWhenShown)
{
    EXPECT_EQ(m_sheet.GetParent(), &m_view);
    EXPECT_TRUE(m_sheet.GetStyle() & WS_CHILD);
    EXPECT_EQ(m_sheet.GetPageCount(), 2);
    EXPECT_EQ(m_sheet.GetActiveIndex(), 0);
    EXPECT_EQ(m_sheet.GetActivePage(), &m_a);
    EXPECT_NE(m_a.m_hWnd, nullptr);
    EXPECT_EQ(m_b.m_hWnd, nullptr);
    EXPECT_EQ(m_a.activations, 1);
    EXPECT_EQ(m_a.GetParent(), &m_sheet);
    EXPECT_EQ(m_sheet.GetTabControl()->GetItemCount(), 2);
    TCITEM item {};
    char text[32];
    item.mask = TCIF_TEXT;
    item.pszText = text;
    item.cchTextMax = sizeof text;
    ASSERT_TRUE(m_sheet.GetTabControl()->GetItem(1, &item));
    EXPECT_STREQ(text, "Network");
    EXPECT_EQ(m_a.GetDlgItemInt(IDC_VALUE), 5u);

    ClickTab(1);
    EXPECT_EQ(m_sheet.GetActivePage(), &m_b);
    EXPECT_EQ(m_a.kills, 1);
    EXPECT_NE(m_b.m_hWnd, nullptr);
    EXPECT_TRUE(m_b.IsWindowVisible());
    EXPECT_FALSE(m_a.IsWindowVisible());

    // Coming back reloads the controls from the members.
    m_a.value = 8;
    EXPECT_TRUE(m_sheet.SetActivePage(&m_a));
    EXPECT_EQ(m_a.activations, 2);
    EXPECT_EQ(m_a.GetDlgItemInt(IDC_VALUE), 8u);
}

TEST_F(PropertySheets, APageThatRefusesToBeLeftKeepsTheSheetOnIt)
{
    m_a.allowLeave = false;
    ClickTab(1);
    EXPECT_EQ(m_sheet.GetActiveIndex(), 0);
    EXPECT_EQ(m_sheet.GetTabControl()->GetCurSel(), 0);
    EXPECT_EQ(m_b.m_hWnd, nullptr);
    EXPECT_EQ(m_b.activations, 0);
    EXPECT_TRUE(m_a.IsWindowVisible());

    EXPECT_FALSE(m_sheet.SetActivePage(1));
    EXPECT_EQ(m_sheet.GetActivePage(), &m_a);
    EXPECT_EQ(m_a.kills, 2);

    // The default refusal: a value that fails validation.
    m_a.allowLeave = true;
    m_a.SetDlgItemText(IDC_VALUE, "12");
    ClickTab(1);
    EXPECT_EQ(m_sheet.GetActiveIndex(), 0);
    EXPECT_EQ(m_boxes.Boxes().size(), 1u);
    m_a.SetDlgItemText(IDC_VALUE, "3");
    ClickTab(1);
    EXPECT_EQ(m_sheet.GetActiveIndex(), 1);
    EXPECT_EQ(m_a.value, 3);
}

TEST_F(PropertySheets, PageButtonsReachThePageAndModifiedStateFollows)
{
    m_a.SetModified(TRUE);
    EXPECT_TRUE(m_a.IsPageModified());
    m_a.SendDlgItemMessage(IDC_APPLY, BM_CLICK);
    EXPECT_EQ(m_a.applies, 1);
    EXPECT_FALSE(m_a.IsPageModified());

    // Pages deleted before the sheet leave it sound.
    m_sheet.RemovePage(&m_b);
    EXPECT_EQ(m_sheet.GetPageCount(), 1);
    EXPECT_EQ(m_sheet.GetTabControl()->GetItemCount(), 1);
}

} // namespace
