#include "tests/controls/GridFixture.h"

#include "controls/GridInPlaceList.h"
#include "platform/base/Settings.h"
#include "platform/ui/DocView.h"
#include "platform/ui/ImageList.h"

#include <QClipboard>
#include <QComboBox>
#include <QGuiApplication>
#include <QLineEdit>
#include <QTimer>

#include <string>

namespace
{

using Grid = GridTestBase;

// An editor that ended closed itself and told the grid's owner once, for
// its cell; the cell holds `text` (unless null) and the focus moved on.
void ExpectEditorEnded(
    CGridCtrl& g, const GridHost& host, CCellID cell, const char* text, bool modified, CCellID focusAfter)
{
    EXPECT_EQ(g.GetDlgItem(int(IDC_GRID_INPLACE_EDITOR)), nullptr) << "the editor closed itself";
    const std::vector<GridHost::Note> ended = host.Of(GVN_ENDLABELEDIT);
    ASSERT_EQ(ended.size(), 1u);
    EXPECT_EQ(ended[0].row, cell.row);
    EXPECT_EQ(ended[0].col, cell.col);
    if (text) {
        EXPECT_EQ(g.GetItemText(cell.row, cell.col), CString(text));
    }
    EXPECT_EQ(g.GetModified(cell.row, cell.col) != FALSE, modified);
    EXPECT_EQ(g.GetFocusCell(), focusAfter);
}

TEST_F(Grid, FixedCountsGrowTheGridAndClearAFocusThatFallsIntoThem)
{
    Make(4, 4);
    grid.SetFocusCell(2, 2);
    ASSERT_TRUE(grid.SetFixedRowCount(6));
    EXPECT_EQ(grid.GetRowCount(), 6) << "the rows grow to the fixed band";
    EXPECT_FALSE(grid.GetFocusCell().IsValid()) << "the focus fell into the fixed band";

    // Fewer rows or columns than fixed ones lower the fixed count.
    ASSERT_TRUE(grid.SetRowCount(3));
    EXPECT_EQ(grid.GetFixedRowCount(), 3);
    ASSERT_TRUE(grid.SetColumnCount(0));
    EXPECT_EQ(grid.GetFixedColumnCount(), 0);
    EXPECT_FALSE(grid.SetRowCount(-1));

    // An empty grid answers every cell with FALSE or the neutral value.
    EXPECT_FALSE(grid.SetItemText(0, 0, "x"));
    EXPECT_EQ(grid.GetItemText(0, 0), CString(""));
    EXPECT_EQ(grid.GetItemImage(0, 0), -1);
    EXPECT_EQ(grid.GetColumnWidth(0), -1);
    grid.UpdateWindow(); // paints the background only
}

TEST_F(Grid, EveryCellAccessIsCheckedAgainstTheSize)
{
    Make(4, 3);
    struct Case {
        int row, col;
    } outside[] = { { -1, 0 }, { 0, -1 }, { 4, 0 }, { 0, 3 }, { 1 << 30, 1 }, { -100000, -5 } };
    LOGFONT lf {};
    for (const Case& c : outside) {
        SCOPED_TRACE(testing::Message() << c.row << "," << c.col);
        EXPECT_FALSE(grid.SetItemText(c.row, c.col, "x"));
        EXPECT_FALSE(grid.SetItemImage(c.row, c.col, 1));
        EXPECT_FALSE(grid.SetItemFormat(c.row, c.col, DT_CENTER));
        EXPECT_FALSE(grid.SetItemState(c.row, c.col, GVIS_READONLY));
        EXPECT_FALSE(grid.SetItemData(c.row, c.col, 7));
        EXPECT_FALSE(grid.SetItemBkColour(c.row, c.col, 0x123456));
        EXPECT_FALSE(grid.SetItemFgColour(c.row, c.col, 0x123456));
        EXPECT_FALSE(grid.SetItemFont(c.row, c.col, &lf));
        EXPECT_EQ(grid.GetItemText(c.row, c.col), CString(""));
        EXPECT_EQ(grid.GetItemImage(c.row, c.col), -1);
        EXPECT_EQ(grid.GetItemState(c.row, c.col), 0u);
        EXPECT_EQ(grid.GetItemFormat(c.row, c.col), 0u);
        EXPECT_EQ(grid.GetItemData(c.row, c.col), 0);
        EXPECT_EQ(grid.GetItemBkColour(c.row, c.col), 0u);
        EXPECT_NE(grid.GetItemFont(c.row, c.col), nullptr) << "the grid's own font";
        EXPECT_FALSE(grid.RedrawCell(c.row, c.col));
        grid.SetFocusCell(c.row, c.col);
        grid.EnsureVisible(c.row, c.col);
        grid.SetSelectedRange(c.row, c.col, c.row + 2, c.col + 2);
    }
    EXPECT_FALSE(grid.SetRowHeight(4, 10));
    EXPECT_FALSE(grid.SetColumnWidth(1, -3));
    EXPECT_EQ(grid.GetRowHeight(-1), -1);
    // A range half outside the grid selects only what lies inside.
    grid.SetSelectedRange(2, 1, 9, 9);
    EXPECT_EQ(Selection(), CCellRange(2, 1, 3, 2));
}

TEST_F(Grid, CellsKeepTheirTextsImagesFormatsColoursAndFonts)
{
    Make(4, 3);
    EXPECT_TRUE(grid.SetItemText(2, 1, "camera"));
    EXPECT_TRUE(grid.SetItemImage(2, 1, 1));
    EXPECT_TRUE(grid.SetItemFormat(1, 2, DT_CENTER | DT_VCENTER | DT_SINGLELINE));
    EXPECT_TRUE(grid.SetItemBkColour(2, 1, RGB(1, 2, 3)));
    EXPECT_TRUE(grid.SetItemFgColour(2, 1, RGB(4, 5, 6)));
    EXPECT_TRUE(grid.SetItemData(2, 1, 42));
    LOGFONT bold = *grid.GetItemFont(2, 1);
    bold.lfWeight = FW_BOLD;
    EXPECT_TRUE(grid.SetItemFont(2, 1, &bold));
    EXPECT_EQ(grid.GetItemText(2, 1), CString("camera"));
    EXPECT_EQ(grid.GetItemImage(2, 1), 1);
    EXPECT_EQ(grid.GetItemFormat(1, 2), 37u);
    EXPECT_EQ(grid.GetItemBkColour(2, 1), RGB(1, 2, 3));
    EXPECT_EQ(grid.GetItemFgColour(2, 1), RGB(4, 5, 6));
    EXPECT_EQ(grid.GetItemData(2, 1), 42);
    EXPECT_EQ(grid.GetItemFont(2, 1)->lfWeight, FW_BOLD);

    GV_ITEM item;
    item.row = 3;
    item.col = 2;
    item.mask = GVIF_TEXT | GVIF_IMAGE;
    item.szText = "via item";
    item.iImage = 0;
    EXPECT_TRUE(grid.SetItem(&item));
    GV_ITEM read;
    read.row = 3;
    read.col = 2;
    read.mask = GVIF_TEXT | GVIF_IMAGE | GVIF_FORMAT;
    EXPECT_TRUE(grid.GetItem(&read));
    EXPECT_EQ(read.szText, CString("via item"));
    EXPECT_EQ(read.iImage, 0);

    // New rows take the format of the row above; a cell's text has a bound.
    ASSERT_TRUE(grid.SetRowCount(6));
    EXPECT_EQ(grid.GetItemFormat(5, 2), 0u);
    grid.SetItemFormat(5, 2, DT_RIGHT);
    ASSERT_TRUE(grid.SetRowCount(7));
    EXPECT_EQ(grid.GetItemFormat(6, 2), DT_RIGHT);
    EXPECT_TRUE(grid.SetItemText(1, 1, std::string(GRID_MAX_CELL_TEXT + 500, 'w').c_str()));
    EXPECT_EQ(grid.GetItemText(1, 1).GetLength(), GRID_MAX_CELL_TEXT);
}

TEST_F(Grid, ColumnOptionsBelongToTheColumnLayout)
{
    Make(4, 4);
    const char* choices[] = { "Off", "On", "Auto" };
    grid.SetColumnOptions(2, choices, 3);
    grid.SetColumnOptions(9, choices, 3); // no such column: nothing
    std::vector<CString> options;
    ASSERT_TRUE(grid.GetColumnOptions(2, options));
    EXPECT_EQ(options, (std::vector<CString> { "Off", "On", "Auto" }));
    EXPECT_FALSE(grid.GetColumnOptions(1, options));

    ASSERT_TRUE(grid.SetColumnCount(4)); // the same count keeps them
    EXPECT_TRUE(grid.GetColumnOptions(2, options));
    ASSERT_TRUE(grid.SetColumnCount(5));
    EXPECT_FALSE(grid.GetColumnOptions(2, options)) << "a new column count discards every column's options";
}

TEST_F(Grid, ClicksAndKeysMoveTheFocusAndTheSelection)
{
    Make(8, 5);
    Click(2, 2);
    Pump();
    EXPECT_EQ(grid.GetFocusCell(), CCellID(2, 2));
    EXPECT_EQ(Selection(), CCellRange(2, 2, 2, 2));
    EXPECT_EQ(host.clicks, 1);
    ASSERT_FALSE(host.Of(GVN_SELCHANGED).empty());
    EXPECT_EQ(host.Of(GVN_SELCHANGED).back().row, 2);

    // Shift+click spans a block from the focus; Ctrl+click adds to it.
    Click(4, 3, Qt::ShiftModifier);
    EXPECT_EQ(Selection(), CCellRange(2, 2, 4, 3));
    EXPECT_EQ(grid.GetFocusCell(), CCellID(4, 3));
    Click(6, 1, Qt::ControlModifier);
    EXPECT_TRUE(grid.IsCellSelected(6, 1));
    EXPECT_TRUE(grid.IsCellSelected(3, 2)) << "Ctrl keeps the earlier block";
    Click(1, 1);
    EXPECT_EQ(Selection(), CCellRange(1, 1, 1, 1));

    // A click on a heading selects its column or row; the corner selects all.
    Click(0, 3);
    EXPECT_EQ(Selection(), CCellRange(1, 3, 7, 3));
    Click(5, 0);
    EXPECT_EQ(Selection(), CCellRange(5, 1, 5, 4));
    Click(0, 0);
    EXPECT_EQ(Selection(), CCellRange(1, 1, 7, 4));

    struct Step {
        UINT key;
        bool shift;
        CCellID focus;
        CCellRange selection;
    } steps[] = {
        { VK_DOWN, false, { 2, 1 }, { 2, 1, 2, 1 } },
        { VK_RIGHT, false, { 2, 2 }, { 2, 2, 2, 2 } },
        { VK_DOWN, true, { 3, 2 }, { 2, 2, 3, 2 } },
        { VK_RIGHT, true, { 3, 3 }, { 2, 2, 3, 3 } },
        { VK_UP, false, { 2, 3 }, { 2, 3, 2, 3 } },
        { VK_LEFT, false, { 2, 2 }, { 2, 2, 2, 2 } },
        { VK_LEFT, false, { 2, 1 }, { 2, 1, 2, 1 } },
        { VK_LEFT, false, { 2, 1 }, { 2, 1, 2, 1 } }, // never into the fixed column
        { VK_TAB, false, { 2, 2 }, { 2, 2, 2, 2 } },
        { VK_TAB, true, { 2, 1 }, { 2, 1, 2, 1 } },
        { VK_TAB, true, { 1, 4 }, { 1, 4, 1, 4 } }, // wraps to the row above
        { VK_TAB, false, { 2, 1 }, { 2, 1, 2, 1 } }, // and back
        { VK_END, false, { 7, 1 }, { 7, 1, 7, 1 } },
        { VK_DOWN, false, { 7, 1 }, { 7, 1, 7, 1 } },
        { VK_HOME, false, { 1, 1 }, { 1, 1, 1, 1 } },
        { VK_UP, false, { 1, 1 }, { 1, 1, 1, 1 } },
    };
    Click(1, 1);
    for (const Step& s : steps) {
        SCOPED_TRACE(testing::Message() << "key " << s.key << (s.shift ? " with Shift" : ""));
        if (s.shift)
            Hold(VK_SHIFT);
        Key(s.key);
        if (s.shift)
            Release(VK_SHIFT);
        EXPECT_EQ(grid.GetFocusCell(), s.focus);
        EXPECT_EQ(Selection(), s.selection);
    }
}

TEST_F(Grid, TabStopsAtTheEndsOfTheGrid)
{
    Make(4, 3);
    Click(3, 2);
    Key(VK_TAB);
    EXPECT_EQ(grid.GetFocusCell(), CCellID(3, 2));
    Click(1, 1);
    Hold(VK_SHIFT);
    Key(VK_TAB);
    Release(VK_SHIFT);
    EXPECT_EQ(grid.GetFocusCell(), CCellID(1, 1));
}

TEST_F(Grid, DeleteEmptiesAnEditableCellOnly)
{
    Make(4, 3);
    grid.SetItemState(2, 2, GVIS_READONLY);
    Click(2, 2);
    host.notes.clear();
    Key(VK_DELETE);
    EXPECT_EQ(grid.GetItemText(2, 2), CString("r2c2"));
    EXPECT_TRUE(host.notes.empty()) << "a read-only cell tells nothing";

    Click(2, 1);
    host.notes.clear();
    Key(VK_DELETE);
    EXPECT_EQ(grid.GetItemText(2, 1), CString(""));
    EXPECT_TRUE(grid.GetModified(2, 1));
    ASSERT_EQ(host.notes.size(), 2u);
    EXPECT_EQ(host.notes[0].code, GVN_BEGINLABELEDIT);
    EXPECT_EQ(host.notes[1].code, GVN_ENDLABELEDIT);
    EXPECT_EQ(grid.GetFocusCell(), CCellID(2, 1));
}

// How an in-place edit ends: the key, what the grid receives and where the
// focus goes afterwards.
TEST_F(Grid, TheInPlaceEditEndsOnItsKeys)
{
    struct Case {
        const char* name;
        bool openByClick;
        int key;
        const char* text; // typed after opening
        const char* cellAfter;
        CCellID focusAfter;
        bool modified;
    } cases[] = {
        { "typing, Return", false, Qt::Key_Return, "ab", "xab", { 2, 2 }, true },
        { "typing, Tab", false, Qt::Key_Tab, "", "x", { 2, 3 }, true },
        { "typing, Escape", false, Qt::Key_Escape, "ab", "r2c2", { 2, 2 }, false },
        { "typing, Right", false, Qt::Key_Right, "", "x", { 2, 3 }, true },
        { "typing, Down", false, Qt::Key_Down, "", "x", { 3, 2 }, true },
        { "click, Right moves the caret", true, Qt::Key_Right, "", "", { 2, 2 }, false },
        { "click, Return", true, Qt::Key_Return, "z", "r2c2z", { 2, 2 }, true },
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        CGridCtrl g;
        host.grid = &g;
        Make(g, 6, 5);
        Click(g, 2, 2);
        host.notes.clear();
        if (c.openByClick)
            Click(g, 2, 2); // a click on the focus cell
        else
            g.SendMessage(WM_CHAR, 'x', 1);
        auto* edit = g.GetDlgItem(int(IDC_GRID_INPLACE_EDITOR));
        ASSERT_NE(edit, nullptr);
        ASSERT_EQ(host.Of(GVN_BEGINLABELEDIT).size(), 1u);
        QWidget* w = edit->GetWidget();
        for (const char* t = c.text; *t; ++t)
            Type(w, Qt::Key_A + (*t - 'a'), QString(QChar(*t)));
        Type(w, c.key);
        Pump();
        if (c.openByClick && c.key == Qt::Key_Right) {
            ASSERT_NE(g.GetDlgItem(int(IDC_GRID_INPLACE_EDITOR)), nullptr) << "the edit stays open";
            EXPECT_TRUE(host.Of(GVN_ENDLABELEDIT).empty());
            g.SetFocus();
            Pump();
        }
        const bool caretMoved = c.openByClick && c.key == Qt::Key_Right;
        ExpectEditorEnded(g, host, { 2, 2 }, caretMoved ? nullptr : c.cellAfter, c.modified, c.focusAfter);
        host.grid = &grid;
    }
}

TEST_F(Grid, APasswordColumnEchoesAsterisks)
{
    Make(4, 3);
    grid.SetPasswordColumn(2);
    Click(1, 2);
    grid.SendMessage(WM_CHAR, 'p', 1);
    CWnd* edit = Editor();
    ASSERT_NE(edit, nullptr);
    Type(edit->GetWidget(), Qt::Key_W, "w");
    CString shown;
    edit->GetWindowText(shown);
    EXPECT_EQ(shown, CString("**"));
    Type(edit->GetWidget(), Qt::Key_Return);
    Pump();
    EXPECT_EQ(grid.GetItemText(1, 2), CString("**"));

    // Other columns keep what is typed.
    Click(1, 1);
    grid.SendMessage(WM_CHAR, 'p', 1);
    ASSERT_NE(Editor(), nullptr);
    Editor()->GetWindowText(shown);
    EXPECT_EQ(shown, CString("p"));
}

TEST_F(Grid, AColumnWithOptionsOpensAList)
{
    Make(4, 4);
    const char* choices[] = { "Off", "On", "Auto" };
    grid.SetColumnOptions(2, choices, 3);
    grid.SetItemText(1, 2, "on");
    grid.SetItemText(2, 2, "Manual");
    Click(1, 2);
    Click(1, 2);
    auto* list = Editor();
    ASSERT_NE(list, nullptr);
    auto* combo = qobject_cast<QComboBox*>(list->GetWidget());
    ASSERT_NE(combo, nullptr);
    EXPECT_EQ(combo->count(), 3);
    EXPECT_EQ(combo->currentText(), QString("On")) << "found without regard to case";

    // The first release of Return is the one that may have opened the list.
    Type(combo, Qt::Key_Down);
    Type(combo, Qt::Key_Return);
    Pump();
    ASSERT_NE(Editor(), nullptr) << "the first Return is swallowed";
    Type(combo, Qt::Key_Return);
    Pump();
    EXPECT_EQ(Editor(), nullptr);
    EXPECT_EQ(grid.GetItemText(1, 2), CString("Auto"));

    // A text that is not a choice leads the list; Escape keeps it.
    Click(2, 2);
    Click(2, 2);
    combo = qobject_cast<QComboBox*>(Editor()->GetWidget());
    ASSERT_NE(combo, nullptr);
    EXPECT_EQ(combo->count(), 4);
    EXPECT_EQ(combo->itemText(0), QString("Manual"));
    Type(combo, Qt::Key_Down);
    Type(combo, Qt::Key_Escape);
    Pump();
    EXPECT_EQ(Editor(), nullptr);
    EXPECT_EQ(grid.GetItemText(2, 2), CString("Manual"));
    EXPECT_FALSE(grid.GetModified(2, 2));

    // The grid kind that fixes rows 1 and 2 of column 2 opens nothing there.
    grid.SetGridKind(CGridCtrl::GRID_KIND_FIXED_CHOICE);
    Click(1, 2);
    Click(1, 2);
    EXPECT_EQ(Editor(), nullptr);
}

// A list with an edit part, opened over a cell as the grid opens its lists:
// the part (id 1001 in the list, id 8 in the grid) takes the keys, the list
// ends on their release or on the loss of the focus, and the grid stores
// the text and moves on as the key says.
TEST_F(Grid, AListWithAnEditPartEndsOnItsKeysAndTheLossOfTheFocus)
{
    struct Case {
        const char* name;
        UINT firstChar;
        const char* typed; // after opening
        int key; // the key that ends it; 0: the grid takes the focus
        bool ctrl;
        const char* cellAfter;
        CCellID focusAfter;
        bool modified;
    } cases[] = {
        { "typing replaces, Return", 'x', "yz", Qt::Key_Return, false, "xyz", { 1, 2 }, true },
        { "a click keeps, Tab", VK_LBUTTON, "q", Qt::Key_Tab, false, "r1c2q", { 1, 3 }, true },
        { "Escape puts the first text back", 'x', "y", Qt::Key_Escape, false, "r1c2", { 1, 2 }, false },
        { "Ctrl+Down", VK_LBUTTON, "", Qt::Key_Down, true, "r1c2", { 2, 2 }, false },
        { "the focus goes elsewhere", VK_BACK, "", 0, false, "r1c", { 1, 2 }, true },
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        CGridCtrl g;
        host.grid = &g;
        Make(g, 4, 4);
        Click(g, 1, 2);
        host.notes.clear();
        CRect rect;
        ASSERT_TRUE(g.GetCellRect(1, 2, &rect));
        const std::vector<CString> choices { "Off", "On", "Auto" };
        new CInPlaceList(
            &g, rect, CBS_DROPDOWN, IDC_GRID_INPLACE_EDITOR, 1, 2, choices, g.GetItemText(1, 2), c.firstChar);
        CWnd* list = g.GetDlgItem(int(IDC_GRID_INPLACE_EDITOR));
        ASSERT_NE(list, nullptr);
        CWnd* part = list->GetDlgItem(COMBO_EDIT_ID);
        ASSERT_NE(part, nullptr);
        EXPECT_NE(dynamic_cast<CInPlaceComboEdit*>(part), nullptr) << "the list took its edit part over";
        EXPECT_EQ(CWnd::GetFocus(), part);
        QWidget* w = list->GetWidget(); // the combo's, which hands keys to its part
        for (const char* t = c.typed; *t; ++t)
            Type(w, Qt::Key_A + (*t - 'a'), QString(QChar(*t)));
        if (c.key == Qt::Key_Return) {
            Type(w, Qt::Key_Return);
            Pump();
            ASSERT_NE(g.GetDlgItem(int(IDC_GRID_INPLACE_EDITOR)), nullptr) << "the first Return is swallowed";
        }
        // Ctrl is held as its key messages say (Qt's own modifier state,
        // which synthetic events would leave set, stays out of it).
        if (c.ctrl) {
            QKeyEvent press(QEvent::KeyPress, Qt::Key_Control, Qt::NoModifier);
            QApplication::sendEvent(w, &press);
        }
        if (c.key)
            Type(w, c.key);
        else
            g.SetFocus();
        if (c.ctrl) {
            // Released where the focus is now, so that Ctrl is up for what follows.
            QKeyEvent release(QEvent::KeyRelease, Qt::Key_Control, Qt::NoModifier);
            QApplication::sendEvent(QApplication::focusWidget() ? QApplication::focusWidget() : w, &release);
        }
        Pump();
        ExpectEditorEnded(g, host, { 1, 2 }, c.cellAfter, c.modified, c.focusAfter);
        host.grid = &grid;
    }
}

TEST_F(Grid, TheEditPartKeepsTheArrowsWithoutCtrlAndNoDialogTakesItsKeys)
{
    Make(4, 4);
    Click(1, 2);
    CRect rect;
    ASSERT_TRUE(grid.GetCellRect(1, 2, &rect));
    const std::vector<CString> choices { "Off", "On", "Auto" };
    new CInPlaceList(&grid, rect, CBS_DROPDOWN, IDC_GRID_INPLACE_EDITOR, 1, 2, choices, "On", VK_LBUTTON);
    CWnd* part = Editor()->GetDlgItem(COMBO_EDIT_ID);
    ASSERT_NE(part, nullptr);
    QWidget* w = Editor()->GetWidget();
    // Down moves the choice, the list stays.
    Type(w, Qt::Key_Down);
    Pump();
    ASSERT_NE(Editor(), nullptr);
    CString text;
    Editor()->GetWindowText(text);
    EXPECT_EQ(text, CString("Auto"));
    // The press of Return and Escape is the list's: the dialog's OK and
    // Cancel never see it; a drop-down list has no edit part.
    MSG press { part->m_hWnd, WM_KEYDOWN, VK_ESCAPE, 1, 0, { 0, 0 } };
    EXPECT_TRUE(part->PreTranslateMessage(&press));
    MSG character { part->m_hWnd, WM_KEYDOWN, 'A', 1, 0, { 0, 0 } };
    EXPECT_FALSE(part->PreTranslateMessage(&character)) << "a key of the text goes on to the edit";
    grid.SetFocus();
    Pump();
    EXPECT_EQ(grid.GetItemText(1, 2), CString("Auto"));
    grid.SetColumnOptions(2, std::vector<const char*> { "Off", "On" }.data(), 2);
    Click(1, 2);
    ASSERT_NE(Editor(), nullptr);
    EXPECT_EQ(Editor()->GetDlgItem(COMBO_EDIT_ID), nullptr);
}

// The routed edit commands ask the grid whether they can run.
TEST_F(Grid, EditCommandsAreEnabledAsTheSelectionAndClipboardAllow)
{
    Make(4, 4);
    auto state = [&](UINT id) {
        CCmdUI ui;
        ui.m_nID = id;
        EXPECT_TRUE(ui.DoUpdate(&grid, TRUE)) << id;
        return ui.m_bEnabled != FALSE;
    };
    QGuiApplication::clipboard()->setText("x");
    EXPECT_TRUE(state(ID_EDIT_SELECT_ALL));
    EXPECT_FALSE(state(ID_EDIT_COPY)) << "nothing selected";
    EXPECT_FALSE(state(ID_EDIT_CUT));
    EXPECT_FALSE(state(ID_EDIT_PASTE)) << "no focus cell";
    Click(1, 1);
    EXPECT_TRUE(state(ID_EDIT_COPY));
    EXPECT_TRUE(state(ID_EDIT_CUT));
    EXPECT_TRUE(state(ID_EDIT_PASTE));
    grid.SetItemState(1, 1, grid.GetItemState(1, 1) | GVIS_READONLY);
    EXPECT_FALSE(state(ID_EDIT_PASTE)) << "a read-only focus cell";
    grid.SetEditable(FALSE);
    EXPECT_TRUE(state(ID_EDIT_COPY));
    EXPECT_FALSE(state(ID_EDIT_CUT));
    QGuiApplication::clipboard()->clear();
    grid.SetEditable(TRUE);
    grid.SetItemState(1, 1, grid.GetItemState(1, 1) & ~GVIS_READONLY);
    EXPECT_FALSE(state(ID_EDIT_PASTE)) << "no text on the clipboard";

    // Another command is not the grid's.
    CCmdUI other;
    other.m_nID = ID_APP_ABOUT;
    EXPECT_FALSE(other.DoUpdate(&grid, TRUE));
    EXPECT_FALSE(other.m_bEnabled);
}

// The check-mark grids of the settings pages: an image per cell toggled on
// GVN_BEGINLABELEDIT, which refuses the editor.
TEST_F(Grid, CheckMarkCellsToggleTheirImageAndNeverOpenAnEditor)
{
    CImageList images;
    ASSERT_TRUE(images.Create(16, 16, ILC_COLOR24, 2, 0));
    Make(4, 3);
    grid.SetImageList(&images);
    for (int r = 1; r < 4; ++r)
        for (int c = 1; c < 3; ++c) {
            grid.SetItemText(r, c, "");
            grid.SetItemImage(r, c, 0);
        }
    host.onBeginEdit = [](CGridCtrl& g, int row, int col) -> LRESULT {
        g.SetItemImage(row, col, g.GetItemImage(row, col) == 1 ? 0 : 1);
        g.RedrawCell(row, col);
        return 1;
    };
    Click(2, 1);
    EXPECT_EQ(grid.GetItemImage(2, 1), 1) << "the click's selection of one cell reaches the handler";
    Click(2, 1);
    EXPECT_EQ(grid.GetItemImage(2, 1), 0);
    grid.SendMessage(WM_CHAR, 'x', 1);
    EXPECT_EQ(grid.GetItemImage(2, 1), 1);
    grid.SendMessage(WM_LBUTTONDBLCLK, MK_LBUTTON, MAKELPARAM(Middle(grid, 2, 1).x, Middle(grid, 2, 1).y));
    EXPECT_EQ(Editor(), nullptr) << "no click, double click or key opens an editor";
    EXPECT_EQ(grid.GetItemText(2, 1), CString(""));
}

TEST_F(Grid, CopyAndPasteGiveTheSameTexts)
{
    Make(6, 5);
    grid.SetItemText(2, 3, "");
    Click(1, 2);
    Click(2, 3, Qt::ShiftModifier);
    Hold(VK_CONTROL);
    Key('C');
    Release(VK_CONTROL);
    EXPECT_EQ(QGuiApplication::clipboard()->text(), QString("r1c2\tr1c3\nr2c2\t "))
        << "an empty cell as one space";

    Click(4, 1);
    Hold(VK_CONTROL);
    Key('V');
    Release(VK_CONTROL);
    EXPECT_EQ(grid.GetItemText(4, 1), CString("r1c2"));
    EXPECT_EQ(grid.GetItemText(4, 2), CString("r1c3"));
    EXPECT_EQ(grid.GetItemText(5, 1), CString("r2c2"));
    EXPECT_EQ(grid.GetItemText(5, 2), CString(""));
    EXPECT_TRUE(grid.GetModified(5, 1));

    // Cut empties what it copied; a read-only grid cuts nothing.
    grid.SetSelectedRange(1, 1, 1, 1);
    grid.SetFocusCell(1, 1);
    grid.SetEditable(FALSE);
    QGuiApplication::clipboard()->setText("before");
    grid.OnEditCut();
    EXPECT_EQ(QGuiApplication::clipboard()->text(), QString("before"));
    EXPECT_EQ(grid.GetItemText(1, 1), CString("r1c1"));
    grid.SetEditable(TRUE);
    grid.OnEditCut();
    EXPECT_EQ(QGuiApplication::clipboard()->text(), QString("r1c1"));
    EXPECT_EQ(grid.GetItemText(1, 1), CString(""));
}

TEST_F(Grid, APasteIsCutAtTheGridsEdges)
{
    Make(4, 4);
    struct Case {
        const char* name;
        std::string text;
        CCellID at;
        std::vector<std::pair<CCellID, const char*>> expect;
    } cases[] = {
        { "empty fields are skipped", "x,,y", { 1, 1 },
            { { { 1, 1 }, "x" }, { { 1, 2 }, "y" }, { { 1, 3 }, "r1c3" } } },
        { "past the last row and column", "a\tb\tc\nd\te\tf\ng\th\ti", { 2, 2 },
            { { { 2, 2 }, "a" }, { { 2, 3 }, "b" }, { { 3, 2 }, "d" }, { { 3, 3 }, "e" } } },
        { "fields are trimmed", "  spaced \t tab\t", { 1, 1 },
            { { { 1, 1 }, "spaced" }, { { 1, 2 }, "tab" } } },
        { "a huge block", std::string(200000, '\n') + "tail", { 3, 3 }, { { { 3, 3 }, "" } } },
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        QGuiApplication::clipboard()->setText(QString::fromStdString(c.text));
        grid.SetFocusCell(c.at);
        grid.OnEditPaste();
        for (const auto& [cell, text] : c.expect)
            EXPECT_EQ(grid.GetItemText(cell.row, cell.col), CString(text)) << cell.row << "," << cell.col;
    }
    EXPECT_EQ(grid.GetRowCount(), 4);
    EXPECT_EQ(grid.GetColumnCount(), 4);
}

TEST_F(Grid, DraggingCellsIntoAnotherGridMovesTheirTexts)
{
    Make(5, 4);
    CGridCtrl other;
    Make(other, 5, 4, CRect(340, 0, 640, 170), kGridId + 1);
    for (CGridCtrl* g : { &grid, &other })
        g->SetDragAndDrop(TRUE);
    Click(1, 1);
    Click(2, 2, Qt::ShiftModifier);
    ASSERT_EQ(Selection(), CCellRange(1, 1, 2, 2));

    // The drag follows the mouse into the other grid and drops on (3, 1).
    const CPoint target = Middle(other, 3, 1);
    QTimer::singleShot(0, [&] {
        Mouse(other, QEvent::MouseMove, target, Qt::NoButton, Qt::LeftButton);
        EXPECT_TRUE(other.GetItemState(3, 1) & GVIS_DROPHILITED);
        Mouse(other, QEvent::MouseButtonRelease, target, Qt::LeftButton, Qt::NoButton);
    });
    const CPoint from = Middle(grid, 1, 1);
    Mouse(grid, QEvent::MouseButtonPress, from, Qt::LeftButton, Qt::LeftButton);
    EXPECT_EQ(grid.GetMouseMode(), CGridCtrl::MOUSE_PREPARE_DRAG);
    Mouse(grid, QEvent::MouseMove, from + CSize(3, 0), Qt::NoButton, Qt::LeftButton);
    Pump();

    EXPECT_EQ(other.GetItemText(3, 1), CString("r1c1"));
    EXPECT_EQ(other.GetItemText(4, 2), CString("r2c2"));
    EXPECT_FALSE(other.GetItemState(3, 1) & GVIS_DROPHILITED);
    EXPECT_EQ(grid.GetItemText(1, 1), CString("")) << "a drop without Ctrl moves";
    EXPECT_EQ(grid.GetItemText(2, 2), CString(""));
    ASSERT_FALSE(host.Of(GVN_BEGINDRAG).empty());
    EXPECT_EQ(host.Of(GVN_BEGINDRAG)[0].row, 1);

    // Drag and drop is off unless the owner turns it on.
    CGridCtrl plain;
    EXPECT_FALSE(plain.GetDragAndDrop());
}

// Sizes that cells ask for, as a page's own grid class may answer them.
class FixedExtentGrid : public CGridCtrl
{
public:
    std::vector<int> widths;
    CSize GetCellExtent(int nRow, int, CDC*) override { return CSize(widths[size_t(nRow)], 18); }
};

TEST_F(Grid, AutoSizeComparesWithTheReducedWidth)
{
    FixedExtentGrid g;
    g.widths = { 100, 98, 50 };
    ASSERT_TRUE(g.Create(CRect(0, 0, 300, 150), &host, 306));
    g.SetRowCount(3);
    g.SetColumnCount(1);
    g.AutoSize();
    EXPECT_EQ(g.GetColumnWidth(0), 93);
    EXPECT_EQ(g.GetRowHeight(1), 18);
    g.AutoSizeColumn(0);
    EXPECT_EQ(g.GetColumnWidth(0), 100);
    EXPECT_FALSE(g.AutoSizeColumn(1));
}

TEST_F(Grid, ScrollBarsAndTheWheel)
{
    Make(40, 4);
    int low = 0, high = 0;
    grid.GetScrollRange(SB_VERT, &low, &high);
    EXPECT_GT(high, 0) << "the rows overflow";
    grid.GetScrollRange(SB_HORZ, &low, &high);
    EXPECT_EQ(high, 0) << "the columns fit";

    grid.SendMessage(WM_MOUSEWHEEL, MAKEWPARAM(0, WORD(SHORT(-120))), 0);
    Pump();
    EXPECT_EQ(grid.GetTopleftNonFixedCell().row, 4) << "three rows per notch";
    grid.SendMessage(WM_MOUSEWHEEL, MAKEWPARAM(0, WORD(SHORT(120))), 0);
    Pump();
    EXPECT_EQ(grid.GetTopleftNonFixedCell().row, 1);

    // Keys keep the focus in view.
    Click(1, 1);
    Key(VK_END);
    EXPECT_TRUE(grid.IsCellVisible(39, 1));
    Key(VK_PRIOR);
    EXPECT_LT(grid.GetFocusCell().row, 39);
    EXPECT_TRUE(grid.IsCellVisible(grid.GetFocusCell()));

    // Without vertical scrolling the range stays empty.
    grid.EnableScrollBars(TRUE, FALSE);
    grid.ResetScrollBars();
    grid.GetScrollRange(SB_VERT, &low, &high);
    EXPECT_EQ(high, 0);
}

TEST_F(Grid, AWheelSetToPagesScrollsAPage)
{
    HKEY key = nullptr;
    ASSERT_EQ(RegCreateKeyEx(HKEY_CURRENT_USER, "Control Panel\\Desktop", 0, nullptr, 0, KEY_ALL_ACCESS,
                  nullptr, &key, nullptr),
        ERROR_SUCCESS);
    const char page[] = "4294967295";
    RegSetValueEx(key, "WheelScrollLines", 0, REG_SZ, reinterpret_cast<const BYTE*>(page), sizeof page);
    CGridCtrl paged;
    RegDeleteValue(key, "WheelScrollLines");
    RegCloseKey(key);
    host.grid = &paged;
    Make(paged, 40, 4);
    const int before = paged.GetTopleftNonFixedCell().row;
    paged.SendMessage(WM_MOUSEWHEEL, MAKEWPARAM(0, WORD(SHORT(-120))), 0);
    Pump();
    CRect client;
    paged.GetClientRect(&client);
    EXPECT_GE(paged.GetTopleftNonFixedCell().row - before, (client.Height() - 20) / 20 - 1) << "one page";
    host.grid = &grid;
}

} // namespace
