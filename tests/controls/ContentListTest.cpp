// The streaming-server page's content list on a window that stands where
// the page does: it takes the list's modified message and its edit command
// as the page does.
#include "controls/ContentListCtrl.h"

#include "link/WindowMessages.h"
#include "platform/base/TestServices.h"
#include "platform/ui/WinApp.h"
#include "resources/setup/Resource.h"
#include "resources/setup/SetupResources.h"
#include "tests/platform/ListPicture.h"

#include <gtest/gtest.h>

#include <cstring>
#include <string>

namespace
{

tagContentInfo Content(const char* name, const char* resolution, const char* audio, bool active)
{
    tagContentInfo c {};
    std::strcpy(c.szUrl, name);
    std::strcpy(c.szName, "MPEG4");
    std::strcpy(c.szCodec, resolution);
    c.dwValue1 = 15;
    c.dwValue2 = 384000;
    std::strcpy(c.szText, audio);
    const uint32_t values[7] = { 16000, 1400, 10, 2, 31, 30, 5 };
    std::memcpy(c.dwValues, values, sizeof values);
    c.byFlag = active ? 1 : 0;
    std::memset(c.byReserved, 0x5A, sizeof c.byReserved);
    return c;
}

// What the page does with the list's messages: an edit of the selected row
// renames it.
class PageWindow : public CWnd
{
public:
    CContentListCtrl* list = nullptr;
    int modified = 0;
    CString editedName;

protected:
    LRESULT OnPageModified(WPARAM, LPARAM)
    {
        ++modified;
        return 0;
    }
    void OnButtonEdit()
    {
        tagContentInfo c {};
        const int row = list->GetSelectedIndex();
        ASSERT_TRUE(list->GetContent(&c, row));
        EXPECT_EQ(list->m_bEditing, 1);
        std::strcat(c.szUrl, "-edited");
        editedName = c.szUrl;
        list->UpdateContent(c, row);
    }
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(PageWindow, CWnd)
ON_MESSAGE(WM_PAGE_MODIFIED, OnPageModified)
ON_BN_CLICKED(IDC_CONTENT_EDIT, OnButtonEdit)
END_MESSAGE_MAP()

class ContentList : public ::testing::Test
{
protected:
    void SetUp() override
    {
        AfxSetInstanceHandle(SetupResourceModule());
        AfxSetResourceHandle(SetupResourceModule());
        ASSERT_TRUE(page.CreateEx(
            0, nullptr, "Streaming Server", WS_POPUP | WS_VISIBLE, 0, 0, 900, 300, nullptr, nullptr));
        auto* created = new CContentListCtrl;
        ASSERT_TRUE(created->Create(WS_CHILD | WS_VISIBLE | WS_BORDER | LVS_REPORT | LVS_SINGLESEL,
            CRect(10, 10, 890, 250), &page, IDC_CONTENT_LIST));
        created->SetExtendedStyle(LVS_EX_GRIDLINES | LVS_EX_FULLROWSELECT);
        created->InitColumns();
        created->m_nActivation = 1;
        page.list = created;
        owned.reset(created);
    }
    // The list as the page's controls give it.
    CContentListCtrl& List() { return *static_cast<CContentListCtrl*>(page.GetDlgItem(IDC_CONTENT_LIST)); }
    // Mouse messages at a row's check box or label.
    CPoint CheckBox(int row)
    {
        CRect icon;
        List().GetItemRect(row, &icon, LVIR_ICON);
        return CPoint(icon.left - 8, (icon.top + icon.bottom) / 2);
    }
    CPoint Label(int row)
    {
        CRect cell;
        List().GetSubItemRect(row, 1, LVIR_BOUNDS, cell);
        return cell.CenterPoint();
    }
    void Click(CPoint at)
    {
        List().SendMessage(WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(at.x, at.y));
        List().SendMessage(WM_LBUTTONUP, 0, MAKELPARAM(at.x, at.y));
    }

    CWinApp app;
    ScriptedMessageBoxPresenter boxes;
    ScopedService<IMessageBoxPresenter> useBoxes { &boxes };
    PageWindow page;
    std::unique_ptr<CContentListCtrl> owned;
};

TEST_F(ContentList, ColumnsFitTheirTitles)
{
    ASSERT_EQ(List().GetColumnCount(), CONTENT_COLUMNS);
    char title[32] = {};
    LVCOLUMN column {};
    column.mask = LVCF_TEXT | LVCF_FMT;
    column.pszText = title;
    column.cchTextMax = sizeof title;
    ASSERT_TRUE(List().GetColumn(3, &column));
    EXPECT_STREQ(title, "Resolution");
    EXPECT_EQ(column.fmt & LVCFMT_JUSTIFYMASK, LVCFMT_CENTER);
    EXPECT_EQ(List().GetColumnWidth(13), List().GetStringWidth("Scene THR.") + 20);
    EXPECT_GT(List().GetColumnWidth(9), List().GetColumnWidth(10)) << "Intra Percent is wider than Min. Q";
}

TEST_F(ContentList, AddUpdateAndReadBack)
{
    tagContentInfo first = Content("lobby", "sif", "aac", true);
    ASSERT_TRUE(List().AddContent(first));
    EXPECT_STREQ(first.szCodec, "SIF") << "upper-cased in the record too";
    EXPECT_STREQ(first.szText, "AAC");
    const char* cells[CONTENT_COLUMNS]
        = { "", "lobby", "MPEG4", "SIF", "15", "384000", "AAC", "16000", "1400", "10", "2", "31", "30", "5" };
    for (int col = 0; col < CONTENT_COLUMNS; ++col)
        EXPECT_EQ(List().GetItemText(0, col), CString(cells[col])) << col;
    EXPECT_EQ(List().GetRowState(0), CONTENT_STATE_ACTIVE);
    EXPECT_NE(List().GetItemState(0, LVIS_SELECTED), 0u);
    EXPECT_EQ(List().GetSelectedIndex(), -1) << "a row selected by the program is not the clicked row";

    tagContentInfo second = Content("yard", "qcif", "none", false);
    ASSERT_TRUE(List().AddContent(second));
    EXPECT_EQ(List().GetRowState(1), CONTENT_STATE_INACTIVE);

    // Reading back fills the fields and keeps what the list does not show.
    tagContentInfo read {};
    std::memset(&read, 0x5A, sizeof read);
    ASSERT_TRUE(List().GetContent(&read, 0));
    tagContentInfo expected = first;
    std::memset(expected.dwTail, 0x5A, sizeof expected.dwTail);
    EXPECT_EQ(std::memcmp(&read, &expected, sizeof read), 0);
    ASSERT_TRUE(List().GetContent(&read, 1));
    EXPECT_EQ(read.byFlag, 0);

    second.dwValue2 = 64000;
    std::strcpy(second.szUrl, "gate");
    ASSERT_TRUE(List().UpdateContent(second, 1));
    EXPECT_EQ(List().GetItemText(1, 1), CString("gate"));
    EXPECT_EQ(List().GetItemText(1, 5), CString("64000"));
    EXPECT_FALSE(List().UpdateContent(second, 2));
    EXPECT_FALSE(List().GetContent(&read, -1));

    List().SetResolutionAll("QCIF");
    List().SetFrameRateAll(7);
    List().SetAudioBitrateForType("AAC", 24000);
    EXPECT_EQ(List().GetItemText(0, 3), CString("QCIF"));
    EXPECT_EQ(List().GetItemText(1, 4), CString("7"));
    EXPECT_EQ(List().GetItemText(0, 7), CString("24000"));
    EXPECT_EQ(List().GetItemText(1, 7), CString("16000")) << "audio type NONE keeps its rate";
}

// A cell text longer than its field is cut so that the field stays terminated.
TEST_F(ContentList, ReadingBackKeepsEachTextWithinItsField)
{
    tagContentInfo c = Content("cam", "SIF", "AAC", true);
    ASSERT_TRUE(List().AddContent(c));
    List().SetResolutionAll(std::string(40, 'R').c_str());
    List().SetItemText(0, 1, std::string(300, 'n').c_str());
    tagContentInfo read {};
    ASSERT_TRUE(List().GetContent(&read, 0));
    EXPECT_EQ(std::string(read.szCodec), std::string(11, 'R'));
    EXPECT_EQ(std::string(read.szUrl), std::string(127, 'n'));
    EXPECT_STREQ(read.szName, "MPEG4") << "the neighbouring field is untouched";
}

TEST_F(ContentList, ClickedRowIsTheSelectedOneForDeleteAndNames)
{
    for (const char* name : { "a", "b", "c" }) {
        tagContentInfo c = Content(name, "SIF", "AAC", false);
        ASSERT_TRUE(List().AddContent(c));
    }
    EXPECT_FALSE(List().DeleteSelected()) << "nothing clicked yet";
    EXPECT_TRUE(List().IsNameUsed("b"));

    Click(Label(1));
    EXPECT_EQ(List().GetSelectedIndex(), 1);
    EXPECT_FALSE(List().IsNameUsed("b")) << "renaming a content to its own name";
    EXPECT_TRUE(List().IsNameUsed("c"));
    EXPECT_FALSE(List().IsNameUsed("B")) << "names compare with case";

    ASSERT_TRUE(List().DeleteSelected());
    ASSERT_EQ(List().GetItemCount(), 2);
    EXPECT_EQ(List().GetItemText(1, 1), CString("c"));
    EXPECT_NE(List().GetItemState(1, LVIS_SELECTED), 0u) << "the row after the deleted one";
    // Deleting the last row leaves no selection to delete again.
    ASSERT_TRUE(List().DeleteSelected());
    EXPECT_EQ(List().GetSelectedIndex(), -1);
    EXPECT_FALSE(List().DeleteSelected());
    EXPECT_EQ(List().GetItemCount(), 1);

    Click(CPoint(400, 200)); // below the rows
    EXPECT_EQ(List().GetSelectedIndex(), -1);
    List().DeleteAll();
    EXPECT_EQ(List().GetItemCount(), 0);
}

TEST_F(ContentList, CheckBoxesStayWithinThePagesMaximum)
{
    List().m_nMaxActiveContents = 2;
    const bool active[] = { true, true, false };
    for (bool on : active) {
        tagContentInfo c = Content("x", "SIF", "AAC", on);
        ASSERT_TRUE(List().AddContent(c));
    }
    Click(CheckBox(2));
    EXPECT_EQ(List().GetRowState(2), CONTENT_STATE_INACTIVE);
    ASSERT_EQ(boxes.Boxes().size(), 1u);
    EXPECT_EQ(boxes.Boxes()[0].text, CString("You can not active content more than 2."));
    EXPECT_EQ(boxes.Boxes()[0].type & 0xF, MB_OK);
    EXPECT_EQ(page.modified, 0);

    Click(CheckBox(0)); // an active row always switches off
    EXPECT_EQ(List().GetRowState(0), CONTENT_STATE_INACTIVE);
    Click(CheckBox(2));
    EXPECT_EQ(List().GetRowState(2), CONTENT_STATE_ACTIVE);
    EXPECT_EQ(page.modified, 2);
    EXPECT_EQ(boxes.Boxes().size(), 1u);
    EXPECT_EQ(List().GetSelectedIndex(), -1) << "a check-box click is no row click";

    // A click beside the check box selects the row and switches nothing.
    Click(Label(0));
    EXPECT_EQ(List().GetRowState(0), CONTENT_STATE_INACTIVE);
    EXPECT_EQ(List().GetSelectedIndex(), 0);

    // The tick's middle, in the state image beside each row's label.
    const ListPicture picture(List(), "content_list.png");
    auto tick = [&](int row) {
        CRect icon;
        List().GetItemRect(row, &icon, LVIR_ICON);
        return picture.At(icon.left - 16 + 7, icon.top + (icon.Height() - 16) / 2 + 9);
    };
    EXPECT_TRUE(ListPicture::Dark(tick(2))) << "the active row is ticked";
    EXPECT_FALSE(ListPicture::Dark(tick(0))) << "the inactive row is not";
    // Cell texts are centred in their columns.
    CRect cell;
    List().GetSubItemRect(2, 10, LVIR_BOUNDS, cell);
    const int third = cell.Width() / 3;
    EXPECT_FALSE(picture.Has(CRect(cell.left, cell.top, cell.left + third, cell.bottom), ListPicture::Dark));
    EXPECT_TRUE(
        picture.Has(CRect(cell.left + third, cell.top, cell.right - third, cell.bottom), ListPicture::Dark));
}

TEST_F(ContentList, WithoutActivationEveryRowReadsActive)
{
    List().m_nActivation = 0;
    tagContentInfo c = Content("a", "SIF", "AAC", false);
    ASSERT_TRUE(List().AddContent(c));
    EXPECT_EQ(List().GetRowState(0), CONTENT_STATE_DISABLED);
    Click(CheckBox(0));
    EXPECT_EQ(List().GetRowState(0), CONTENT_STATE_DISABLED);
    EXPECT_EQ(page.modified, 0);
    tagContentInfo read {};
    ASSERT_TRUE(List().GetContent(&read, 0));
    EXPECT_EQ(read.byFlag, 1);
}

TEST_F(ContentList, DoubleClickEditsTheRowOnThePage)
{
    for (const char* name : { "a", "b" }) {
        tagContentInfo c = Content(name, "SIF", "AAC", false);
        ASSERT_TRUE(List().AddContent(c));
    }
    const CPoint at = Label(0);
    Click(at);
    List().SendMessage(WM_LBUTTONDBLCLK, MK_LBUTTON, MAKELPARAM(at.x, at.y));
    EXPECT_EQ(page.editedName, CString("a-edited"));
    EXPECT_EQ(List().GetItemText(0, 1), CString("a-edited"));
    EXPECT_EQ(List().m_bEditing, 0);
    EXPECT_NE(List().GetItemState(0, LVIS_SELECTED), 0u);

    page.editedName.Empty();
    List().SendMessage(WM_LBUTTONDBLCLK, MK_LBUTTON, MAKELPARAM(400, 200));
    EXPECT_TRUE(page.editedName.IsEmpty()) << "no row under the pointer";
}

} // namespace
