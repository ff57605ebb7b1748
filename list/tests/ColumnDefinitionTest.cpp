#include "list/ColumnDetail.h"
#include "list/DropChoiceList.h"
#include "list/ListInfoApply.h"
#include "list/ListInfoColumns.h"
#include "list/ZantobyDoc.h"
#include "platform/MessageBox.h"
#include "support/FakeListHost.h"
#include "support/TempFolder.h"

#include <gtest/gtest.h>

#include <memory>

namespace {

// Stands in for the dialog during a set: no pauses, never stopped.
class QuietObserver : public CPhotoReconverter::Observer
{
  public:
    void BeforePhoto(int) override {}
    bool StopRequested() override { return false; }
};

class ColumnDefinitions : public ::testing::Test
{
  protected:
    ColumnDefinitions() : doc(std::make_unique<CZantobyDoc>(host)) { doc->tempFolder = temp.Path(); }

    // A row whose first three cells hold the texts.
    int AddRow(const char* first, const char* second, const char* third)
    {
        const int line = doc->displayCount - 1;
        doc->SetCellTextAt(0, line, first);
        doc->SetCellTextAt(1, line, second);
        doc->SetCellTextAt(2, line, third);
        doc->AppendNewRowLine();
        return line;
    }

    CString Cell(int column, int line) const { return doc->GetCellTextAt(column, line, kOutputGrid); }

    void Apply(int lockedColumns = 0) { columns.ApplyTo(*doc, "商品一覧", lockedColumns); }

    TempFolder temp;
    FakeListHost host;
    std::unique_ptr<CZantobyDoc> doc;
    CListInfoColumns columns;
};

TEST_F(ColumnDefinitions, ChangingATypeConvertsTheCellsOfThatColumn)
{
    AddRow("1,234円", "TRUE", "2024/05/01");
    AddRow("abc", "1", "昨日");
    AddRow("", "0", "");
    columns.Load(*doc);
    columns.SetTypeByName(0, "数値");
    columns.SetTypeByName(1, "Yes/No");
    columns.SetTypeByName(2, "日付");
    Apply();

    EXPECT_EQ(Cell(0, 0), "1234");
    EXPECT_EQ(Cell(0, 1), "") << "abc becomes 0, shown blank";
    EXPECT_EQ(doc->GetRow(doc->displayOrder[1]).GetCell(doc->GetColumn(0).slot).number.ToInt(), 0);
    EXPECT_EQ(Cell(1, 0), "true");
    EXPECT_EQ(Cell(1, 1), "true");
    EXPECT_EQ(Cell(1, 2), "false");
    EXPECT_EQ(Cell(2, 0), "2024/05/01");
    EXPECT_EQ(Cell(2, 1), "") << "a text that is no date leaves the cell without one";

    // And back: the values read as the new type shows them.
    columns.Load(*doc);
    columns.SetTypeByName(0, "文字");
    Apply();
    EXPECT_EQ(Cell(0, 0), "1234");
}

TEST_F(ColumnDefinitions, AConversionReadsCellsAsTypingReadsThem)
{
    AddRow("１２３", "20240324", "");
    AddRow("－４５", "-7", "");
    doc->GetColumn(1).type = kTypeNumber;
    doc->GetColumn(1).thousands = true;
    doc->BuildColumnMap();
    doc->SetCellTextAt(1, 0, "20240324");
    doc->SetCellTextAt(1, 1, "-7");
    ASSERT_EQ(Cell(1, 0), "20,240,324");
    columns.Load(*doc);
    columns.SetTypeByName(0, "数値");
    columns.SetTypeByName(1, "日付");
    Apply();

    const int slot = doc->GetColumn(0).slot;
    EXPECT_EQ(doc->GetRow(doc->displayOrder[0]).GetCell(slot).number.ToInt(), 123) << "full-width digits";
    EXPECT_EQ(Cell(0, 1), "-45") << "a full-width sign";
    EXPECT_EQ(Cell(1, 0), "2024/03/24") << "a number is read by its value, not its separators";
    EXPECT_EQ(Cell(1, 1), "");
}

TEST_F(ColumnDefinitions, EveryTypeChangeLeavesTheRowOnlyTheNewTypesValue)
{
    using Kind = RowCells::Kind;
    struct Type
    {
        const char* name;
        const char* typed; // written under this type
        const char* shown;
    };
    const Type types[] = {{"Yes/No", "1", "true"},
                          {"文字", "12 個", "12 個"},
                          {"記号", "2024/05/01", "2024/05/01"},
                          {"数値", "1234", "1234"},
                          {"日付", "2024/5/1", "2024/05/01"}};
    // The grid text and the stored kind after a change from a row's type to a column's type.
    struct Outcome
    {
        const char* shown;
        Kind kind;
    };
    const Kind none = Kind::Empty;
    const Kind yes = Kind::YesNo;
    const Kind text = Kind::Text;
    const Kind number = Kind::Number;
    const Kind date = Kind::Date;
    const Outcome outcomes[5][5] = {
        {{}, {"true", text}, {"true", text}, {"", none}, {"", none}},
        {{"true", yes}, {}, {"12 個", text}, {"12", number}, {"", none}},
        {{"true", yes}, {"2024/05/01", text}, {}, {"20240501", number}, {"2024/05/01", date}},
        {{"true", yes}, {"1234", text}, {"1234", text}, {}, {"", none}},
        {{"true", yes}, {"2024/05/01", text}, {"2024/05/01", text}, {"20240501", number}, {}},
    };
    for (int from = 0; from < 5; ++from) {
        for (int to = 0; to < 5; ++to) {
            if (from == to) {
                continue;
            }
            doc->ResetToNewList();
            columns.Load(*doc);
            columns.SetTypeByName(0, types[from].name);
            Apply();
            doc->SetCellTextAt(0, 0, types[from].typed);
            ASSERT_EQ(Cell(0, 0), types[from].shown) << types[from].name;

            columns.Load(*doc);
            columns.SetTypeByName(0, types[to].name);
            Apply();
            const RowCells& cells = doc->GetRow(doc->displayOrder[0]).Cells();
            EXPECT_EQ(Cell(0, 0), outcomes[from][to].shown) << types[from].name << " to " << types[to].name;
            EXPECT_EQ(cells.KindAt(doc->GetColumn(0).slot), outcomes[from][to].kind)
                << types[from].name << " to " << types[to].name;
            EXPECT_EQ(cells.ValueCount(), outcomes[from][to].kind == Kind::Empty ? 0 : 1);
        }
    }
}

TEST_F(ColumnDefinitions, ATypeChangeThatLosesValuesAsksFirstAndIsOneUndoStep)
{
    AddRow("1,234円", "TRUE", "x");
    AddRow("abc", "はい", "y");
    AddRow("", "0", "z");
    AddRow("def", "", "w");
    doc->SetModifiedFlag(false);
    QuietObserver observer;
    const CListInfoApply::Input input{"商品一覧", 0, doc->photoSizes, true};
    auto changeTypes = [&] {
        columns.Load(*doc);
        columns.SetTypeByName(0, "数値");
        columns.SetTypeByName(1, "Yes/No");
        columns.SetCellText(2, CListInfoColumns::kName, "備考");
        return CListInfoApply(*doc, columns, observer).Run(input);
    };

    host.answers = {IDNO};
    EXPECT_EQ(changeTypes(), CListInfoApply::Outcome::StayOpen);
    ASSERT_EQ(host.messages.size(), 1u);
    EXPECT_EQ(host.messages[0].id, 21304);
    EXPECT_EQ(doc->GetColumn(0).type, kTypeText) << "No changes nothing";
    EXPECT_EQ(Cell(0, 1), "abc");

    host.answers = {IDYES};
    EXPECT_EQ(changeTypes(), CListInfoApply::Outcome::CloseOk);
    EXPECT_EQ(Cell(0, 0), "1234");
    EXPECT_EQ(Cell(0, 1), "");
    EXPECT_EQ(Cell(1, 1), "false");
    EXPECT_EQ(doc->GetColumn(2).name, "備考");
    EXPECT_FALSE(doc->IsUndoStepOpen());

    // One undo gives back the types, the name and every value; redo makes the change again.
    ASSERT_TRUE(doc->CanUndo());
    doc->OnUndo();
    EXPECT_EQ(doc->GetColumn(0).type, kTypeText);
    EXPECT_EQ(doc->GetColumn(1).type, kTypeText);
    EXPECT_EQ(doc->GetColumn(2).name, "項目3");
    EXPECT_EQ(doc->title, "新規リスト");
    const char* const before[][2] = {{"1,234円", "TRUE"}, {"abc", "はい"}, {"", "0"}, {"def", ""}};
    for (int line = 0; line < 4; ++line) {
        EXPECT_EQ(Cell(0, line), before[line][0]) << "line " << line;
        EXPECT_EQ(Cell(1, line), before[line][1]) << "line " << line;
    }
    doc->OnRedo();
    EXPECT_EQ(doc->GetColumn(0).type, kTypeNumber);
    EXPECT_EQ(Cell(0, 0), "1234");
    EXPECT_EQ(Cell(1, 0), "true");
    EXPECT_EQ(doc->GetColumn(2).name, "備考");
}

TEST_F(ColumnDefinitions, TheQuestionNamesEachColumnThatLosesValuesWithHowManyAndTheFirst)
{
    AddRow("1,234円", "12 個", "2024/05/01");
    AddRow("abc", "3", "昨日");
    AddRow("def", "x", "");
    columns.Load(*doc);
    columns.SetTypeByName(0, "数値");
    columns.SetTypeByName(1, "数値");
    columns.SetTypeByName(2, "日付");
    EXPECT_EQ(columns.LostValues(*doc),
              "[項目1] 2 個 (例 : abc)\n[項目2] 1 個 (例 : x)\n[項目3] 1 個 (例 : 昨日)\n");

    // Every text goes into a mark, and a Yes/No cell that holds no has nothing to lose.
    columns.Load(*doc);
    columns.SetTypeByName(0, "記号");
    EXPECT_TRUE(columns.LostValues(*doc).IsEmpty());
    columns.SetTypeByName(0, "Yes/No");
    Apply();
    ASSERT_EQ(Cell(0, 0), "true");
    ASSERT_EQ(Cell(0, 1), "false");
    columns.Load(*doc);
    columns.SetTypeByName(0, "日付");
    EXPECT_EQ(columns.LostValues(*doc), "[項目1] 1 個 (例 : true)\n");
}

TEST_F(ColumnDefinitions, RenamingAndMovingKeepTheCellsAndTheSortKeys)
{
    AddRow("a", "b", "c");
    doc->sortKeys[0] = SortKeyEntry{2, true};
    doc->sortKeys[2] = SortKeyEntry{0, false};
    columns.Load(*doc);
    columns.SetCellText(1, CListInfoColumns::kName, "品名");
    ASSERT_TRUE(columns.MoveUp(2));
    Apply(5);

    EXPECT_EQ(doc->GetColumn(0).name, "項目1");
    EXPECT_EQ(doc->GetColumn(1).name, "項目3");
    EXPECT_EQ(doc->GetColumn(2).name, "品名");
    EXPECT_EQ(Cell(1, 0), "c");
    EXPECT_EQ(Cell(2, 0), "b");
    EXPECT_EQ(doc->sortKeys[0].column, 1) << "the key follows its column";
    EXPECT_TRUE(doc->sortKeys[0].descending);
    EXPECT_EQ(doc->sortKeys[1].column, 2);
    EXPECT_EQ(doc->sortKeys[2].column, 0);
    EXPECT_EQ(doc->title, "商品一覧");
    EXPECT_EQ(doc->lockedColumns, 3) << "no more locked columns than columns";
}

TEST_F(ColumnDefinitions, AddedColumnsStartEmptyAndRemovedOnesKeepTheirValues)
{
    AddRow("a", "b", "c");
    columns.Load(*doc);
    ASSERT_EQ(columns.Count(), 4) << "the empty row for a new column";
    ASSERT_TRUE(columns.Insert(0));
    columns.SetCellText(0, CListInfoColumns::kName, "新項目");
    ASSERT_TRUE(columns.Delete(2));
    Apply();

    ASSERT_EQ(doc->columnCount, 3);
    EXPECT_EQ(doc->GetColumn(0).name, "新項目");
    EXPECT_EQ(Cell(0, 0), "");
    EXPECT_EQ(Cell(1, 0), "a");
    EXPECT_EQ(Cell(2, 0), "c");
    EXPECT_EQ(doc->GetColumn(0).slot, 127) << "a slot of its own";

    // The removed column's values wait in the rows under its slot.
    const int removedSlot = 1;
    EXPECT_EQ(doc->GetRow(doc->displayOrder[0]).GetCell(removedSlot).text, "b");
    EXPECT_EQ(doc->GetDisplayIndexOfSlot(removedSlot), kMaxColumns - 1) << "behind every other column";

    // A name cleared in the grid takes the column out on set.
    columns.Load(*doc);
    columns.ClearCell(0, CListInfoColumns::kName);
    Apply();
    EXPECT_EQ(doc->columnCount, 2);
    EXPECT_EQ(doc->GetColumn(0).name, "項目1");
}

TEST_F(ColumnDefinitions, AColumnAddedToAFullListReadsEmptyAndHoldsNothing)
{
    for (int i = 0; i < kMaxRows; ++i) {
        CString text;
        text.Format("商品%d", i);
        doc->GetRow(doc->AllocProductRecord()).EditCells().SetText(doc->GetColumn(0).slot, text.view());
    }
    doc->ShowAllRows();
    ASSERT_EQ(doc->displayCount, kMaxRows) << "a full list has no line for new rows";
    columns.Load(*doc);
    ASSERT_TRUE(columns.Insert(1));
    columns.SetCellText(1, CListInfoColumns::kName, "価格");
    columns.SetTypeByName(1, "数値");
    Apply();

    ASSERT_EQ(doc->columnCount, 4);
    const int slot = doc->GetColumn(1).slot;
    int filled = 0;
    int lost = 0;
    for (int line = 0; line < kMaxRows; ++line) {
        const RowCells& cells = doc->GetRow(doc->displayOrder[line]).Cells();
        filled += !Cell(1, line).IsEmpty() || cells.KindAt(slot) != RowCells::Kind::Empty;
        lost += cells.ValueCount() != 1 || Cell(0, line) != "商品" + std::to_string(line);
    }
    EXPECT_EQ(filled, 0) << "the new column is empty in every row and takes no room";
    EXPECT_EQ(lost, 0) << "every row keeps its name";

    doc->SetCellTextAt(1, kMaxRows - 1, "1200");
    EXPECT_EQ(Cell(1, kMaxRows - 1), "1200");
}

TEST_F(ColumnDefinitions, AColumnInsertedAfterADeleteStartsEmpty)
{
    AddRow("a", "b", "c");
    AddRow("d", "e", "f");
    columns.Load(*doc);
    ASSERT_TRUE(columns.Delete(1));
    ASSERT_TRUE(columns.Insert(0));
    columns.SetCellText(0, CListInfoColumns::kName, "新項目");
    // The new column is typed in the empty row too, with the dialog still open.
    columns.SetCellText(3, CListInfoColumns::kName, "末尾");
    Apply();

    ASSERT_EQ(doc->columnCount, 4);
    EXPECT_EQ(doc->GetColumn(0).name, "新項目");
    EXPECT_EQ(doc->GetColumn(3).name, "末尾");
    for (int line = 0; line < 2; ++line) {
        EXPECT_EQ(Cell(0, line), "") << "nothing of the deleted column shows";
        EXPECT_EQ(Cell(3, line), "");
    }
    EXPECT_EQ(Cell(1, 0), "a");
    EXPECT_EQ(Cell(2, 1), "f");

    // Reopened, the columns keep their values.
    doc->SetCellTextAt(0, 0, "x");
    columns.Load(*doc);
    columns.SetCellText(0, CListInfoColumns::kName, "改名");
    Apply();
    EXPECT_EQ(Cell(0, 0), "x");
}

TEST_F(ColumnDefinitions, GridRowsEndInAnEmptyRowUntil128Columns)
{
    columns.Load(*doc);
    EXPECT_EQ(columns.GetCellText(3, CListInfoColumns::kType), "文字");
    EXPECT_EQ(columns.GetCellText(3, CListInfoColumns::kWidth), "10");
    columns.SetCellText(3, CListInfoColumns::kSubName, "補助");
    EXPECT_EQ(columns.Count(), 5) << "a named last row brings a new empty one";
    columns.SetCellText(3, CListInfoColumns::kWidth, "-4");
    EXPECT_EQ(columns.GetCellText(3, CListInfoColumns::kWidth), "");
    columns.ClearCell(3, CListInfoColumns::kType);
    EXPECT_EQ(columns.GetCellText(3, CListInfoColumns::kSummary), "") << "a row without a type";

    while (columns.Count() < kMaxColumns) {
        columns.SetCellText(columns.Count() - 1, CListInfoColumns::kName, "x");
    }
    columns.SetCellText(kMaxColumns - 1, CListInfoColumns::kName, "x");
    EXPECT_EQ(columns.Count(), kMaxColumns);
    EXPECT_FALSE(columns.Insert(0));
}

TEST_F(ColumnDefinitions, NamesAreCheckedBeforeAnythingIsApplied)
{
    columns.Load(*doc);
    int number = 0;
    CString text;
    EXPECT_EQ(columns.Validate(number, text), 0);
    columns.SetCellText(2, CListInfoColumns::kName, "");
    columns.SetCellText(2, CListInfoColumns::kSubName, "色");
    EXPECT_EQ(columns.Validate(number, text), 31301);
    EXPECT_EQ(number, 3);
    columns.SetCellText(1, CListInfoColumns::kSubName, "a::b");
    EXPECT_EQ(columns.Validate(number, text), 31302);
    EXPECT_EQ(number, 2);
    EXPECT_EQ(text, "::");

    QuietObserver observer;
    CListInfoApply apply(*doc, columns, observer);
    CListInfoApply::Input input{"新しい題", 0, doc->photoSizes, true};
    EXPECT_EQ(apply.Run(input), CListInfoApply::Outcome::StayOpen);
    EXPECT_TRUE(host.HasMessage(31302));
    EXPECT_EQ(doc->title, "新規リスト");
    EXPECT_FALSE(apply.ChangedDocument());
}

TEST_F(ColumnDefinitions, SetWithoutChangesClosesAsCancelled)
{
    columns.Load(*doc);
    QuietObserver observer;
    CListInfoApply apply(*doc, columns, observer);
    EXPECT_EQ(apply.Run({"x", 0, doc->photoSizes, false}), CListInfoApply::Outcome::CloseCancel);
    EXPECT_EQ(doc->title, "新規リスト");
    EXPECT_TRUE(host.messages.empty());
}

TEST_F(ColumnDefinitions, SummaryNamesTheSettingsOfEachType)
{
    ColumnRecord number;
    number.type = kTypeNumber;
    number.align = 2;
    number.showZero = true;
    number.thousands = true;
    number.decimals = 2;
    number.hasMax = true;
    number.maxValue = CNumber(1000);
    EXPECT_EQ(CListInfoColumns::Summary(number), "右詰,ｾﾞﾛ表示,ｶﾝﾏ表示,小数点2桁,最大値ﾁｪｯｸ(1,000.00)");

    ColumnRecord text;
    text.dropType = 2;
    text.inputMode = 4;
    EXPECT_EQ(CListInfoColumns::Summary(text), "左詰,手動ﾄﾞﾛｯﾌﾟﾘｽﾄ,カタカナ");

    ColumnRecord date;
    date.type = kTypeDate;
    date.dateKind = 1;
    date.hasMinDate = true;
    date.minDate.ParseDateTime("9:30");
    EXPECT_EQ(CListInfoColumns::Summary(date), "左詰,時刻,最小値ﾁｪｯｸ(09:30:00)");
}

TEST(ColumnDetail, EachTypeWritesItsOwnFields)
{
    ColumnRecord yesNo;
    yesNo.type = kTypeYesNo;
    yesNo.dropType = 2;
    ColumnRecord form = yesNo;
    form.name = "在庫";
    form.required = true;
    form.yesHtml = "有";
    CColumnDetail::Apply(form, yesNo);
    EXPECT_EQ(yesNo.name, "在庫");
    EXPECT_EQ(yesNo.yesHtml, "有");
    EXPECT_EQ(yesNo.dropType, 0);
    EXPECT_FALSE(yesNo.required) << "a Yes/No column has no input rules";

    ColumnRecord text;
    form = text;
    form.dropType = 2;
    form.dropEntries.Add("赤");
    form.dropEntries.Add("");
    form.dropEntries.Add("青");
    form.inputMode = CColumnDetail::InputModeOfRow(3, text.inputMode);
    CColumnDetail::Apply(form, text);
    ASSERT_EQ(text.dropEntries.GetSize(), 2) << "empty choices are dropped";
    EXPECT_EQ(text.dropEntries[1], "青");
    EXPECT_EQ(text.inputMode, 4) << "カタカナ is full-width katakana";

    EXPECT_EQ(CColumnDetail::InputModeRow(3), -1);
    EXPECT_EQ(CColumnDetail::InputModeOfRow(-1, 3), 3) << "no row chosen keeps the mode";

    CDateEx moment;
    moment.ParseDateTime("2024/05/01 12:34:56");
    EXPECT_EQ(CColumnDetail::PreviewText(moment, "", "HH:NN"), "12:34")
        << "an empty format previews the display one";
}

TEST(ColumnDetail, DropChoicesMoveAndDropByRow)
{
    CStringArray entries;
    entries.Add("赤");
    entries.Add("青");
    CDropChoiceList choices;
    choices.Load(entries);
    ASSERT_EQ(choices.Count(), 3);
    EXPECT_EQ(choices.MoveUp(0), -1);
    EXPECT_EQ(choices.MoveDown(0), 1);
    EXPECT_EQ(choices.Insert(0), 0);
    EXPECT_TRUE(choices.SetText(0, "黄"));
    EXPECT_EQ(choices.Delete(1), 1);
    choices.Store(entries);
    ASSERT_EQ(entries.GetSize(), 3);
    EXPECT_EQ(entries[0], "黄");
    EXPECT_EQ(entries[1], "赤");
    EXPECT_TRUE(choices.IsChanged());
}

} // namespace
