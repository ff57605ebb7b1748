// Text from other programs pasted into the list grid by Ctrl+V: quoted cells with line breaks as
// spreadsheets put them there, the program's own copy carried back as plain text, and values a
// cell cannot hold, which keep the cell's value and are told.
#include "app/frame/ui/MainFrame.h"
#include "app/listwindow/ui/GridView.h"
#include "app/listwindow/ui/ListGrid.h"
#include "app/startup/ui/ZantobyApp.h"
#include "app/testing/ui/SampleListStart.h"
#include "foundation/PathName.h"
#include "foundation/tests/support/ScratchFolder.h"
#include "grid/ui/testing/GridInput.h"
#include "list/ZantobyDoc.h"
#include "platform/FileSystem.h"
#include "platform/ui/WxText.h"
#include "platform/ui/testing/ShownBoxTexts.h"
#include "platform/ui/testing/UserInput.h"
#include "support/FakeListHost.h"

#include <gtest/gtest.h>

#include <wx/clipbrd.h>

#include <cstdlib>
#include <filesystem>

namespace {

constexpr int kName = 0;
constexpr int kNote = 1;
constexpr int kPrice = 2;
constexpr int kStock = 3;

// A list of name, a multi-line note, price and stock, whose first rows hold quotes and line
// breaks.
bool MakeList(const CString& path)
{
    FakeListHost host;
    CZantobyDoc doc(host);
    doc.listFolder = GetFolderOfPath(path);
    doc.photoFolderName = "Photo";
    for (const char* sub : {"org", "m", "s", "draw"}) {
        std::filesystem::create_directories(FileSystem::ToNative(doc.listFolder + "/Photo/" + sub));
    }
    const struct
    {
        const char* name;
        int type;
    } columns[] = {{"品名", kTypeText}, {"説明", kTypeText}, {"価格", kTypeNumber}, {"在庫", kTypeYesNo}};
    doc.columnCount = 4;
    for (int j = 0; j < doc.columnCount; ++j) {
        doc.GetColumn(j).name = columns[j].name;
        doc.GetColumn(j).type = columns[j].type;
        doc.GetColumn(j).width = 12;
    }
    doc.GetColumn(kNote).multiLine = true;
    doc.BuildColumnMap();
    const char* rows[][4] = {{"\"特価\" ペン", "太さ 0.5\"\r\n\"青\"と\"赤\"", "120", "1"},
                             {"ノート", "\"A5\"\r\n\r\n罫線あり", "300", "0"}};
    for (const auto& row : rows) {
        const int record = doc.AllocProductRecord();
        for (int j = 0; j < doc.columnCount; ++j) {
            CellRecord cell;
            doc.ParseCellText(j, cell, row[j], kOutputGrid);
            doc.GetRow(record).SetCell(doc.GetColumn(j).slot, doc.GetColumn(j).type, cell);
        }
    }
    doc.ShowAllRows();
    return doc.WriteListFile(path, true);
}

CGridView& View()
{
    static ScratchFolder scratch;
    static const bool made = MakeList(scratch / "goods.zbk");
    CGridView* view = made ? StartWithList(scratch / "goods.zbk") : nullptr;
    if (view == nullptr) {
        std::abort();
    }
    return *view;
}

// Text as another program puts it on the clipboard: UTF-8, nothing else.
void PutTextOnClipboard(const wxString& text)
{
    ASSERT_TRUE(wxTheClipboard->Open());
    wxTheClipboard->SetData(new wxTextDataObject(text));
    wxTheClipboard->Close();
}

wxString ClipboardText()
{
    wxTextDataObject text;
    if (wxTheClipboard->Open()) {
        wxTheClipboard->GetData(text);
        wxTheClipboard->Close();
    }
    return text.GetText();
}

} // namespace

TEST(PasteWindowTest, ACellQuotedWithItsLineBreakBySpreadsheetsStaysOneCell)
{
    CGridView& view = View();
    CListGrid& grid = *view.Grid();
    CZantobyDoc& list = *view.ListDoc();
    ASSERT_TRUE(UserInput::Activate(*wxGetApp().GetMainFrame()));
    const int line = grid.GetRowCount() - 1;
    PutTextOnClipboard(ToWx("商品A\t\"行1\n行2\"\t100\n商品B\tx\t200\n"));

    GridInput::Click(grid, kName, line);
    UserInput::Press('v', wxMOD_CONTROL);
    UserInput::Settle();

    ASSERT_EQ(grid.GetRowCount(), line + 3) << "two rows and the new-row line";
    EXPECT_EQ(list.GetCellTextAt(kName, line, kOutputGrid), "商品A");
    EXPECT_EQ(list.GetCellTextAt(kNote, line, kOutputGrid), "行1\r\n行2");
    EXPECT_EQ(grid.GetCellText(kNote, line), "行1\r\n行2");
    EXPECT_EQ(list.GetCellTextAt(kPrice, line, kOutputGrid), "100");
    EXPECT_EQ(list.GetCellTextAt(kName, line + 1, kOutputGrid), "商品B");
    EXPECT_EQ(list.GetCellTextAt(kNote, line + 1, kOutputGrid), "x");
    EXPECT_EQ(list.GetCellTextAt(kPrice, line + 1, kOutputGrid), "200");
    wxTheClipboard->Clear();
}

TEST(PasteWindowTest, OurOwnCopyCarriedBackAsPlainTextGivesTheSameCells)
{
    CGridView& view = View();
    CListGrid& grid = *view.Grid();
    CZantobyDoc& list = *view.ListDoc();
    ASSERT_TRUE(UserInput::Activate(*wxGetApp().GetMainFrame()));

    // Name and note of the first two rows, whose texts hold quotes and line breaks.
    GridInput::Click(grid, kName, 0);
    UserInput::Press(WXK_RIGHT, wxMOD_SHIFT);
    UserInput::Press(WXK_DOWN, wxMOD_SHIFT);
    UserInput::Press('c', wxMOD_CONTROL);
    UserInput::Settle();
    // Through a program that takes only the text, such as an editor or a spreadsheet.
    const wxString text = ClipboardText();
    ASSERT_FALSE(text.empty());
    PutTextOnClipboard(text);

    const int line = grid.GetRowCount() - 1;
    GridInput::Click(grid, kName, line);
    UserInput::Press('v', wxMOD_CONTROL);
    UserInput::Settle();

    ASSERT_EQ(grid.GetRowCount(), line + 3);
    for (int row = 0; row < 2; ++row) {
        for (int column : {kName, kNote}) {
            EXPECT_EQ(list.GetCellTextAt(column, line + row, kOutputGrid),
                      list.GetCellTextAt(column, row, kOutputGrid))
                << "column " << column << ", row " << row;
        }
    }
    EXPECT_EQ(list.GetCellTextAt(kNote, line, kOutputGrid), "太さ 0.5\"\r\n\"青\"と\"赤\"");
    wxTheClipboard->Clear();
}

TEST(PasteWindowTest, AWordPastedIntoAYesNoCellLeavesItAndSaysSo)
{
    CGridView& view = View();
    CListGrid& grid = *view.Grid();
    CZantobyDoc& list = *view.ListDoc();
    ASSERT_TRUE(UserInput::Activate(*wxGetApp().GetMainFrame()));
    ASSERT_EQ(list.GetCellTextAt(kStock, 0, kOutputGrid), "true");
    PutTextOnClipboard("x");
    GridInput::Click(grid, kStock, 0);

    ShownBoxTexts boxes;
    UserInput::AnswerNextModal([](wxWindow*) { UserInput::Press(WXK_RETURN); });
    UserInput::Press('v', wxMOD_CONTROL);
    ASSERT_TRUE(UserInput::Finish());

    EXPECT_EQ(list.GetCellTextAt(kStock, 0, kOutputGrid), "true");
    EXPECT_EQ(grid.GetCellBool(kStock, 0), 1) << "the box stays ticked";
    ASSERT_EQ(boxes.texts.size(), 1u);
    const CString& said = boxes.texts[0];
    EXPECT_NE(said.Find("1 個"), -1) << said.GetString();
    EXPECT_NE(said.Find("[在庫] の 1 行目"), -1) << said.GetString();
    EXPECT_NE(said.Find("x はYes/Noとして変換できません"), -1) << said.GetString();
    wxTheClipboard->Clear();
}

TEST(PasteWindowTest, ACellThatRefusesAPasteShowsAndCopiesItsOwnValue)
{
    CGridView& view = View();
    CListGrid& grid = *view.Grid();
    CZantobyDoc& list = *view.ListDoc();
    ASSERT_TRUE(UserInput::Activate(*wxGetApp().GetMainFrame()));
    ASSERT_EQ(list.GetCellTextAt(kStock, 0, kOutputGrid), "true");
    PutTextOnClipboard("B");
    GridInput::Click(grid, kStock, 0);

    // The box comes with the paste, over a grid that already shows the cell as it is.
    ShownBoxTexts boxes;
    int shownBehind = -1;
    UserInput::AnswerNextModal([&](wxWindow*) {
        shownBehind = grid.GetCellBool(kStock, 0);
        UserInput::Press(WXK_RETURN);
    });
    UserInput::Press('v', wxMOD_CONTROL);
    ASSERT_TRUE(UserInput::Finish());
    ASSERT_EQ(boxes.texts.size(), 1u);
    EXPECT_EQ(shownBehind, 1) << "the ticked box shows behind the message";

    UserInput::Press('c', wxMOD_CONTROL);
    UserInput::Settle();
    EXPECT_EQ(ClipboardText(), "true") << "the cell's own value, not the text it refused";
    EXPECT_EQ(grid.GetCellBool(kStock, 0), 1);
    wxTheClipboard->Clear();
}

TEST(PasteWindowTest, ColumnsPastTheDataColumnsAndRefusedCellsAreToldInOneBox)
{
    CGridView& view = View();
    CListGrid& grid = *view.Grid();
    CZantobyDoc& list = *view.ListDoc();
    ASSERT_TRUE(UserInput::Activate(*wxGetApp().GetMainFrame()));
    ASSERT_GT(list.photoColumns, 1);
    // Price and stock take the first two; the last two land on photo columns.
    PutTextOnClipboard(ToWx("75\tx\tA4\t青\n"));
    GridInput::Click(grid, kPrice, 1);

    ShownBoxTexts boxes;
    UserInput::AnswerNextModal([](wxWindow*) { UserInput::Press(WXK_RETURN); });
    UserInput::Press('v', wxMOD_CONTROL);
    ASSERT_TRUE(UserInput::Finish());
    EXPECT_EQ(list.GetCellTextAt(kPrice, 1, kOutputGrid), "75");
    EXPECT_EQ(grid.GetCellText(kPrice, 1), "75");
    ASSERT_EQ(boxes.texts.size(), 1u);
    EXPECT_EQ(boxes.texts[0],
              "貼り付け先に入りきらなかったため、貼り付けるﾃﾞｰﾀの右側の 2 列は貼り付けませんでした\n\n"
              "また、項目に合わない値があったため、1 個のｾﾙには貼り付けずに元の値を残しました\n\n"
              "最初のｾﾙ : [在庫] の 2 行目\nx はYes/Noとして変換できません");

    UserInput::Press('z', wxMOD_CONTROL);
    UserInput::Settle();
    EXPECT_EQ(list.GetCellTextAt(kPrice, 1, kOutputGrid), "300");
    wxTheClipboard->Clear();
}
