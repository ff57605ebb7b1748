// The list grid's editing commands in a running program: cells through the real clipboard, a
// drop of photo files, rows and cells inserted and deleted from the menus, auto input.
#include "app/editing/ui/DeleteCellDlg.h"
#include "app/editing/ui/InsertCellDlg.h"
#include "app/listwindow/ui/GridView.h"
#include "app/listwindow/ui/ListDocument.h"
#include "app/listwindow/ui/ListGrid.h"
#include "app/startup/SampleListMaker.h"
#include "app/startup/ui/ZantobyApp.h"
#include "app/startup/ui/ZantobyDocManager.h"
#include "app/testing/ui/ProgramStart.h"
#include "foundation/tests/support/ScratchFolder.h"
#include "foundation/ui/ClipboardText.h"
#include "grid/OleDataObject.h"
#include "grid/ui/CellEdit.h"
#include "grid/ui/testing/GridInput.h"
#include "list/ZantobyDoc.h"
#include "platform/FileSystem.h"
#include "platform/MessageBox.h"
#include "platform/ui/testing/UserInput.h"
#include "platform/ui/testing/WxTestEnvironment.h"
#include "support/FakeListHost.h"
#include "support/TestPhotos.h"

#include <gtest/gtest.h>

#include <wx/clipbrd.h>

namespace {

ScratchFolder& Scratch()
{
    static ScratchFolder scratch;
    return scratch;
}

CGridView& View()
{
    static bool made = [] {
        FakeListHost host;
        return CSampleListMaker(host).Make(Scratch() / "goods.zbk", 6, 3);
    }();
    if (!made) {
        std::abort();
    }
    CZantobyApp& app = StartProgram({FileSystem::ToNative(Scratch() / "goods.zbk").string()});
    for (wxDocument* doc : app.GetDocManager()->GetDocumentsVector()) {
        if (auto* list = wxDynamicCast(doc, CListDocument)) {
            return *wxDynamicCast(list->GetFirstView(), CGridView);
        }
    }
    std::abort();
}

wxFrame& Frame(CGridView& view)
{
    return *dynamic_cast<wxFrame*>(view.GetFrame());
}

std::vector<int> Photos(CZantobyDoc& list, int line)
{
    const ProductRecord& record = list.GetRow(list.displayOrder[line]);
    return std::vector<int>(record.photos.begin(), record.photos.begin() + record.photoCount);
}

// Answers every message box with its first button while it lives.
class AnswerBoxes
{
  public:
    AnswerBoxes()
        : m_previous(SetMessageBoxHandler([this](const CString& text, const CString&, unsigned) {
              texts.push_back(text);
              return IDOK;
          }))
    {
    }
    ~AnswerBoxes() { SetMessageBoxHandler(m_previous); }
    std::vector<CString> texts;

  private:
    MessageBoxHandler m_previous;
};

} // namespace

TEST(GridEditWindowTest, CellsGoThroughTheClipboardAndDroppedFilesBecomePhotos)
{
    CGridView& view = View();
    CListGrid& grid = *view.Grid();
    CZantobyDoc& list = *view.ListDoc();
    const int lines = grid.GetRowCount();
    const int photoColumn = list.columnCount;

    // Two lines of name and stock copied onto the new-row line by their keys: two rows more.
    GridInput::Click(grid, 0, 0);
    UserInput::Press(WXK_RIGHT, wxMOD_SHIFT);
    UserInput::Press(WXK_DOWN, wxMOD_SHIFT);
    UserInput::Press('c', wxMOD_CONTROL);
    GridInput::Click(grid, 0, lines - 1);
    UserInput::Press('v', wxMOD_CONTROL);
    ASSERT_EQ(grid.GetRowCount(), lines + 2);
    EXPECT_EQ(grid.GetCellText(0, lines - 1), grid.GetCellText(0, 0));
    EXPECT_EQ(list.GetCellTextAt(1, lines, kOutputGrid), list.GetCellTextAt(1, 1, kOutputGrid));
    EXPECT_FALSE(list.IsUndoStepOpen());

    // The first line's photo by reference onto the last row: both show the same slot.
    int withPhoto = 0;
    while (Photos(list, withPhoto).empty()) {
        ++withPhoto;
    }
    grid.DeselectAll();
    grid.MoveToCell(photoColumn, withPhoto);
    UserInput::Press('c', wxMOD_CONTROL);
    grid.MoveToCell(photoColumn, lines);
    ASSERT_TRUE(UserInput::ChooseMenu(Frame(view), {"編集(&E)", "参照貼り付け"}));
    ASSERT_EQ(Photos(list, lines).size(), 1u);
    EXPECT_EQ(Photos(list, lines)[0], Photos(list, withPhoto)[0]);

    // Two JPEG files and a text file dropped on the second photo column of that row.
    COleDataObject drop;
    CStringArray files;
    for (const char* name : {"a.jpg", "b.jpg"}) {
        ASSERT_TRUE(TestPhotos::WriteJpeg(Scratch() / name, 60, 40));
        files.Add(Scratch() / name);
    }
    files.Add(Scratch() / "notes.txt");
    drop.SetFiles(files);
    grid.OnDragEnter(&drop);
    EXPECT_EQ(grid.OnDragOver(&drop, photoColumn + 1, lines), 1);
    EXPECT_EQ(grid.OnDrop(&drop, photoColumn + 1, lines), 1);
    EXPECT_EQ(Photos(list, lines).size(), 3u);
    EXPECT_EQ(list.GetPhoto(Photos(list, lines)[2]).inUse, true);

    // Cut inside an open edit copies the edit's selection and leaves its text.
    grid.BeginEditAt(0, 0, 0);
    CCellEdit* edit = grid.DefaultEdit();
    ASSERT_TRUE(grid.IsEditing());
    edit->SetText("abcd");
    edit->SetSelection(0, 2);
    ASSERT_TRUE(UserInput::ChooseMenu(Frame(view), {"編集(&E)", "切り取り"}));
    EXPECT_EQ(edit->GetValue(), "abcd");
    CString copied;
    ASSERT_TRUE(CClipboardText::ReadFromClipboard(copied));
    EXPECT_EQ(copied, "ab");
    grid.CancelEdit();
}

TEST(GridEditWindowTest, RowAndCellCommandsReshapeTheListAndAutoInputCountsOn)
{
    CGridView& view = View();
    CListGrid& grid = *view.Grid();
    CZantobyDoc& list = *view.ListDoc();
    AnswerBoxes boxes;
    const int lines = grid.GetRowCount();
    const CString first = grid.GetCellText(0, 0);

    grid.DeselectAll();
    grid.MoveToCell(0, 1);
    ASSERT_TRUE(UserInput::ChooseMenu(Frame(view), {"編集(&E)", "行挿入"}));
    ASSERT_EQ(grid.GetRowCount(), lines + 1);
    EXPECT_EQ(grid.GetCellText(0, 1), "");
    EXPECT_EQ(list.displayOrder[1], kNewRowLine);

    grid.MoveToCell(0, 0);
    ASSERT_TRUE(UserInput::ChooseMenu(Frame(view), {"編集(&E)", "行複写"}));
    EXPECT_EQ(grid.GetCellText(0, 0), first);
    EXPECT_EQ(grid.GetCellText(0, 1), first);

    // The blank line and the copy go again, after the question.
    grid.DeselectAll();
    grid.SelectBlock(0, 1, 0, 2);
    ASSERT_TRUE(UserInput::ChooseMenu(Frame(view), {"編集(&E)", "行削除"}));
    EXPECT_EQ(boxes.texts.size(), 1u);
    EXPECT_EQ(grid.GetRowCount(), lines);
    EXPECT_EQ(grid.GetCellText(0, 0), first);

    // The price column's first two cells count on to the last row.
    grid.DeselectAll();
    list.SetCellTextAt(3, 0, "100");
    list.SetCellTextAt(3, 1, "110");
    grid.SelectBlock(3, 0, 3, 1);
    ASSERT_TRUE(UserInput::ChooseMenu(Frame(view), {"編集(&E)", "自動入力"}));
    CString last;
    last.Format("%d", 100 + 10 * (lines - 2));
    EXPECT_EQ(list.GetCellTextAt(3, lines - 2, kOutputGrid), last);
    EXPECT_EQ(grid.GetCellText(3, 2), "120");

    // Cells of the name column pushed down by one and pulled up again.
    grid.DeselectAll();
    grid.SelectBlock(0, 0, 0, 0);
    view.InsertCells(CInsertCellDlg::kShiftDown);
    EXPECT_EQ(grid.GetCellText(0, 0), "");
    EXPECT_EQ(grid.GetCellText(0, 1), first);
    view.DeleteCells(CDeleteCellDlg::kShiftUp);
    EXPECT_EQ(grid.GetCellText(0, 0), first);
    GridInput::Click(grid, 0, 0);
    UserInput::Press('z', wxMOD_CONTROL);
    EXPECT_EQ(grid.GetCellText(0, 1), first);
    EXPECT_FALSE(list.IsUndoStepOpen());

    // The insert dialog opens with nothing chosen, the delete dialog with the contents.
    CInsertCellDlg insert(view.GetFrame());
    EXPECT_EQ(insert.GetChoice(), 0);
    insert.Choose(CInsertCellDlg::kInsertLine);
    EXPECT_EQ(insert.GetChoice(), CInsertCellDlg::kInsertLine);
    CDeleteCellDlg remove(view.GetFrame());
    EXPECT_EQ(remove.GetChoice(), CDeleteCellDlg::kContents);
}

TEST(GridEditWindowTest, TheCornerSelectsEveryCellAndCopyTakesThemAll)
{
    CGridView& view = View();
    CListGrid& grid = *view.Grid();
    GridInput::Click(grid, 2, 1);
    ASSERT_EQ(grid.CurrentColumn(), 2);
    GridInput::Click(grid, -1, -1);
    EXPECT_EQ(grid.CurrentColumn(), 0);
    EXPECT_EQ(grid.CurrentRow(), 0);
    const std::vector<CListGridEdits::Block> blocks = grid.SelectedBlocks();
    ASSERT_EQ(blocks.size(), 1u);
    EXPECT_EQ(blocks[0].left, 0);
    EXPECT_EQ(blocks[0].top, 0);
    EXPECT_EQ(blocks[0].right, grid.GetColCount() - 1);
    EXPECT_EQ(blocks[0].bottom, grid.GetRowCount() - 1);

    ASSERT_TRUE(wxTheClipboard->Open());
    wxTheClipboard->Clear();
    wxTheClipboard->Close();
    UserInput::Press('c', wxMOD_CONTROL);
    CString copied;
    ASSERT_TRUE(CClipboardText::ReadFromClipboard(copied));
    // Every line's cells, a line each, in the order shown; the last has no line break.
    int start = 0;
    for (int line = 0; line < grid.GetRowCount(); ++line) {
        ASSERT_LT(start, copied.GetLength()) << "line " << line << " is missing: " << copied.GetString();
        const int found = copied.Find('\n', start);
        const int end = found >= 0 ? found : copied.GetLength();
        const CString copy = copied.Mid(start, end - start);
        EXPECT_EQ(copy.Left(grid.GetCellText(0, line).GetLength() + 1), grid.GetCellText(0, line) + "\t");
        EXPECT_NE(copy.Find("\t" + grid.GetCellText(3, line) + "\t"), -1) << "line " << line;
        start = end + 1;
    }
}

TEST(GridEditWindowTest, DuplicatingARowOfAFullListSaysTheListIsFull)
{
    View();
    const CString path = Scratch() / "full.zbk";
    FakeListHost host;
    ASSERT_TRUE(CSampleListMaker(host).Make(path, kMaxRows, 0));
    CZantobyApp& app = wxGetApp();
    ASSERT_TRUE(app.OpenDocumentFile(path));
    CListDocument* doc = nullptr;
    for (wxDocument* open : app.GetDocManager()->GetDocumentsVector()) {
        if (auto* list = wxDynamicCast(open, CListDocument);
            list != nullptr && list->List().displayCount == kMaxRows) {
            doc = list;
        }
    }
    ASSERT_NE(doc, nullptr);
    CGridView& view = *wxDynamicCast(doc->GetFirstView(), CGridView);
    CListGrid& grid = *view.Grid();
    CZantobyDoc& list = doc->List();
    ASSERT_EQ(grid.GetRowCount(), kMaxRows) << "ten thousand rows and no new-row line";
    const CString full = "これ以上新しい商品ﾃﾞｰﾀを追加する事は出来ません";
    AnswerBoxes boxes;

    GridInput::Click(grid, 0, 0);
    ASSERT_TRUE(UserInput::ChooseMenu(Frame(view), {"編集(&E)", "行複写"}));
    ASSERT_EQ(boxes.texts.size(), 1u) << "the command said nothing";
    EXPECT_NE(boxes.texts[0].Find(full), -1) << boxes.texts[0].GetString();
    EXPECT_EQ(grid.GetRowCount(), kMaxRows);

    // One row deleted leaves a free row, which a copy takes in place of the new-row line.
    GridInput::Click(grid, 0, 2);
    ASSERT_TRUE(UserInput::ChooseMenu(Frame(view), {"編集(&E)", "行削除"}));
    ASSERT_EQ(list.displayOrder[kMaxDisplayRows - 1], kNewRowLine);
    const CString first = grid.GetCellText(0, 0);
    GridInput::Click(grid, 0, 0);
    ASSERT_TRUE(UserInput::ChooseMenu(Frame(view), {"編集(&E)", "行複写"}));
    EXPECT_EQ(grid.GetRowCount(), kMaxRows);
    EXPECT_EQ(list.displayCount, kMaxDisplayRows);
    EXPECT_EQ(grid.GetCellText(0, 1), first);
    EXPECT_GE(list.displayOrder[kMaxDisplayRows - 1], 0);
    ASSERT_TRUE(UserInput::ChooseMenu(Frame(view), {"編集(&E)", "行複写"}));
    EXPECT_NE(boxes.texts.back().Find(full), -1) << boxes.texts.back().GetString();
    EXPECT_FALSE(list.IsUndoStepOpen());

    doc->Modify(false);
    WxTestEnvironment::PumpFor(200);
    app.GetDocManager()->CloseDocument(doc, true);
}
