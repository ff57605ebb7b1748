// The list window driven by keys and clicks as a user drives it: every menu accelerator with the
// focus in the grid, Shift+arrow chords, the row heading's context menu, the sort commands and
// buttons, tips over cells, the status after a paste.
#include "app/frame/ui/MainFrame.h"
#include "app/listwindow/ui/GridView.h"
#include "app/listwindow/ui/ListGrid.h"
#include "app/startup/ui/ZantobyApp.h"
#include "app/testing/ui/SampleListStart.h"
#include "grid/ui/GridCellArea.h"
#include "grid/ui/GridTopHeading.h"
#include "grid/ui/testing/GridInput.h"
#include "list/ZantobyDoc.h"
#include "platform/ui/WxText.h"
#include "platform/ui/testing/FakeInput.h"
#include "platform/ui/testing/GtkMenuProbe.h"
#include "platform/ui/testing/GtkTipProbe.h"
#include "platform/ui/testing/UserInput.h"
#include "platform/ui/testing/WxTestEnvironment.h"
#include "res/menus/MenuTables.h"

#include <gtest/gtest.h>

#include <wx/accel.h>
#include <wx/aui/auibar.h>
#include <wx/menu.h>
#include <wx/statusbr.h>

#include <map>

namespace {

constexpr int ID_FILE_PRINT_MODE = 33064;
constexpr int ID_SORT_ASCENDING = 32803;
constexpr int ID_SORT_DESCENDING = 32804;

CGridView& View()
{
    CGridView* view = StartWithSampleList(6, 3);
    if (view == nullptr) {
        std::abort();
    }
    return *view;
}

// Counts the commands that reach the list window, and keeps them from running, while it lives.
class CommandCounter : public wxEvtHandler
{
  public:
    explicit CommandCounter(wxWindow& frame) : m_frame(frame)
    {
        Bind(wxEVT_MENU, [this](wxCommandEvent& event) { ++runs[event.GetId()]; });
        m_frame.PushEventHandler(this);
    }
    ~CommandCounter() override { m_frame.PopEventHandler(); }
    std::map<int, int> runs;

  private:
    wxWindow& m_frame;
};

struct KeyCommand
{
    int key;
    int modifiers;
    int id;
};

// The list menu's accelerators, as its items name them, and the print button's key.
void CollectKeys(const MenuEntry* entries, std::vector<KeyCommand>& keys)
{
    for (const MenuEntry* entry = entries; entry->kind != MenuEntryKind::End; ++entry) {
        if (entry->kind == MenuEntryKind::Popup) {
            CollectKeys(entry->items, keys);
            continue;
        }
        // Only the text after a tab names a key: in Japanese "削除" alone is wx's name of Delete.
        const wxString label = entry->text != nullptr ? ToWx(entry->text) : wxString();
        wxAcceleratorEntry accelerator;
        if (label.Contains('\t') && accelerator.FromString(label.AfterFirst('\t'))) {
            int key = accelerator.GetKeyCode();
            key = key >= 'A' && key <= 'Z' ? key - 'A' + 'a' : key;
            int modifiers = 0;
            modifiers |= (accelerator.GetFlags() & wxACCEL_CTRL) ? wxMOD_CONTROL : 0;
            modifiers |= (accelerator.GetFlags() & wxACCEL_SHIFT) ? wxMOD_SHIFT : 0;
            modifiers |= (accelerator.GetFlags() & wxACCEL_ALT) ? wxMOD_ALT : 0;
            keys.push_back({key, modifiers, entry->id});
        }
    }
}

std::vector<CString> FirstColumn(CListGrid& grid)
{
    std::vector<CString> names;
    for (int line = 0; line + 1 < grid.GetRowCount(); ++line) {
        names.push_back(grid.GetCellText(0, line));
    }
    return names;
}

} // namespace

TEST(ListInputWindowTest, EveryAcceleratorRunsItsCommandOnceFromTheGrid)
{
    CGridView& view = View();
    CListGrid& grid = *view.Grid();
    wxFrame& frame = *dynamic_cast<wxFrame*>(view.GetFrame());
    // Two edits and an undo: undo and redo both have a step to take.
    for (int line = 0; line < 2; ++line) {
        GridInput::Click(grid, 0, line);
        UserInput::Type("x");
        UserInput::Press(WXK_RETURN);
    }
    ASSERT_TRUE(UserInput::ChooseMenu(frame, {"編集(&E)", "元に戻す(&U)"}));

    std::vector<KeyCommand> keys;
    CollectKeys(CMenuTables::Find(IDR_LISTTYPE), keys);
    keys.push_back({'p', wxMOD_CONTROL, ID_FILE_PRINT_MODE});
    ASSERT_GE(keys.size(), 15u);
    GridInput::Click(grid, 0, 2);
    ASSERT_TRUE(grid.CellArea()->HasFocus());
    CommandCounter counter(frame);
    for (const KeyCommand& key : keys) {
        counter.runs.clear();
        UserInput::Press(key.key, key.modifiers);
        WxTestEnvironment::PumpFor(50);
        EXPECT_EQ(counter.runs[key.id], 1)
            << "key " << key.key << " with " << key.modifiers << " for " << key.id;
        EXPECT_EQ(counter.runs.size(), 1u) << key.id;
        EXPECT_TRUE(grid.CellArea()->HasFocus()) << key.id;
    }

    // Alt and a menu's letter open that menu.
    UserInput::Press('v', wxMOD_ALT);
    GtkWidget* viewMenu = GtkMenuProbe::Submenu(GtkMenuProbe::MenuBarItem(frame, "表示(&V)"));
    EXPECT_TRUE(WxTestEnvironment::PumpUntil([&] { return GtkMenuProbe::IsOpen(viewMenu); }));
    UserInput::Press(WXK_ESCAPE);
    EXPECT_TRUE(WxTestEnvironment::PumpUntil([] { return !GtkMenuProbe::AnyOpen(); }));
}

TEST(ListInputWindowTest, QuickShiftArrowChordsGrowTheSelection)
{
    CListGrid& grid = *View().Grid();
    GridInput::Click(grid, 0, 0);
    // Both chords reach the server before the program looks at the first one.
    FakeInput::Key(WXK_DOWN, wxMOD_SHIFT);
    FakeInput::Key(WXK_DOWN, wxMOD_SHIFT);
    UserInput::Settle();
    WxTestEnvironment::PumpFor(100);
    const std::vector<CListGrid::Block> blocks = grid.GetSelectedBlocks();
    ASSERT_EQ(blocks.size(), 1u);
    EXPECT_EQ(blocks[0].top, 0);
    EXPECT_EQ(blocks[0].bottom, 2);
}

TEST(ListInputWindowTest, TheRowHeadingsMenuDuplicatesARowOnce)
{
    CGridView& view = View();
    CListGrid& grid = *view.Grid();
    const int lines = grid.GetRowCount();
    const CString name = grid.GetCellText(0, 1);
    UserInput::ChooseInNextPopup({"行複写"});
    GridInput::RightClick(grid, -1, 1);
    ASSERT_TRUE(UserInput::Finish());
    EXPECT_EQ(grid.GetRowCount(), lines + 1);
    EXPECT_EQ(grid.GetCellText(0, 1), name);
    EXPECT_EQ(grid.GetCellText(0, 2), name);
    EXPECT_NE(grid.GetCellText(0, 3), name);

    // Deleting the copy by the menu, after one question, leaves no selection on the lines that
    // moved up.
    GridInput::Click(grid, -1, 2);
    UserInput::AnswerNextModal([](wxWindow*) { UserInput::Press(WXK_RETURN); });
    ASSERT_TRUE(UserInput::ChooseMenu(*dynamic_cast<wxFrame*>(view.GetFrame()), {"編集(&E)", "行削除"}));
    ASSERT_TRUE(UserInput::Finish());
    EXPECT_EQ(grid.GetRowCount(), lines);
    const std::vector<CListGrid::Block> blocks = grid.GetSelectedBlocks();
    ASSERT_EQ(blocks.size(), 1u);
    EXPECT_EQ(blocks[0].left, blocks[0].right);
    EXPECT_EQ(blocks[0].top, blocks[0].bottom);
    EXPECT_EQ(grid.CurrentRow(), 2);
}

TEST(ListInputWindowTest, SortCommandsAndSortButtonsSortByTheCurrentColumn)
{
    CGridView& view = View();
    CListGrid& grid = *view.Grid();
    wxFrame& frame = *dynamic_cast<wxFrame*>(view.GetFrame());
    GridInput::Click(grid, 0, 0);
    ASSERT_TRUE(UserInput::ChooseMenu(frame, {"表示(&V)", "降順並替"}));
    const std::vector<CString> descending = FirstColumn(grid);
    ASSERT_TRUE(UserInput::ChooseMenu(frame, {"表示(&V)", "昇順並替"}));
    std::vector<CString> ascending = FirstColumn(grid);
    EXPECT_NE(ascending, descending);
    EXPECT_EQ(std::vector<CString>(descending.rbegin(), descending.rend()), ascending);

    wxAuiToolBar& bar = *wxGetApp().GetMainFrame()->GetToolbar(CToolbarChoice::kMainBar);
    const auto clickTool = [&](int id) {
        const wxRect tool = bar.GetToolRect(id);
        UserInput::Click(bar, wxPoint(tool.x + tool.width / 2, tool.y + tool.height / 2));
        WxTestEnvironment::PumpFor(100);
    };
    clickTool(ID_SORT_DESCENDING);
    EXPECT_EQ(FirstColumn(grid), descending);
    clickTool(ID_SORT_ASCENDING);
    EXPECT_EQ(FirstColumn(grid), ascending);
}

TEST(ListInputWindowTest, TipsNameThePhotoUnderThePointer)
{
    CGridView& view = View();
    CListGrid& grid = *view.Grid();
    CZantobyDoc& list = *view.ListDoc();
    int line = 0;
    while (line < list.displayCount && list.GetRow(list.displayOrder[line]).photoCount == 0) {
        ++line;
    }
    ASSERT_LT(line, list.displayCount);
    const ProductRecord& row = list.GetRow(list.displayOrder[line]);
    const CString name = list.GetPhoto(row.photos[0]).name;
    ASSERT_FALSE(name.IsEmpty());
    GridInput::Hover(grid, list.columnCount, line);
    // The photo's name, with its slot when the settings ask for the program's inner numbers.
    EXPECT_TRUE(WxTestEnvironment::PumpUntil(
        [&] { return FromWx(grid.CellArea()->GetToolTipText()).Left(name.GetLength()) == name; }));
}

TEST(ListInputWindowTest, TheRowCountInTheStatusFollowsAPasteThatAddsLines)
{
    CGridView& view = View();
    CListGrid& grid = *view.Grid();
    wxStatusBar& status = *wxGetApp().GetMainFrame()->GetStatusBar();
    const int lines = grid.GetRowCount();
    GridInput::Click(grid, 0, 0);
    FakeInput::Key(WXK_DOWN, wxMOD_SHIFT);
    UserInput::Settle();
    UserInput::Press('c', wxMOD_CONTROL);
    GridInput::Click(grid, 0, lines - 1);
    UserInput::Press('v', wxMOD_CONTROL);
    ASSERT_TRUE(WxTestEnvironment::PumpUntil([&] { return grid.GetRowCount() == lines + 2; }));
    CString expected;
    expected.Format("%4d / %4d", lines, lines + 2);
    EXPECT_EQ(FromWx(status.GetStatusText(1)), expected);
}

TEST(ListInputWindowTest, AHeadingsTipGoesWhenItsColumnIsResized)
{
    CGridView& view = View();
    CListGrid& grid = *view.Grid();
    wxWindow& heading = *grid.TopHeading();
    CRect cell;
    grid.GetCellRect(0, -1, cell);
    const int middle = cell.top + cell.Height() / 2;
    UserInput::Hover(heading, wxPoint(cell.left + 10, middle));
    ASSERT_TRUE(WxTestEnvironment::PumpUntil([] { return GtkTipProbe::AnyShown(); }, 5000))
        << "the column's remark shows as its tip";

    const int width = grid.GetColumnWidth(0);
    UserInput::Drag(heading, wxPoint(cell.right - 1, middle), heading, wxPoint(cell.right + 40, middle));
    EXPECT_GT(grid.GetColumnWidth(0), width);
    // The pointer rests where the edge was let go: no tip comes over the cells.
    EXPECT_FALSE(WxTestEnvironment::PumpUntil([] { return GtkTipProbe::AnyShown(); }, 1500))
        << "the tip stays over the cells";
}
