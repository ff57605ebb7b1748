#include "foundation/FileUtility.h"
#include "list/ZantobyDoc.h"
#include "support/FakeListHost.h"
#include "support/TempFolder.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>
#include <memory>
#include <string>
#include <vector>

namespace {

class Undo : public ::testing::Test
{
  protected:
    Undo() : doc(std::make_unique<CZantobyDoc>(host)) { doc->tempFolder = temp.Path(); }

    // Types a text on the new-row line, as the grid does, and returns the new row.
    int TypeNewRow(const char* text)
    {
        int position = doc->displayCount - 1;
        doc->SetCellTextAt(0, position, text);
        doc->AppendNewRowLine();
        return doc->displayOrder[position];
    }

    CString Text(int position) const { return doc->GetCellTextAt(0, position, kOutputGrid); }

    TempFolder temp;
    FakeListHost host;
    std::unique_ptr<CZantobyDoc> doc;
};

// Every row's cells in every column type and colour, and the row's own fields, as text.
std::vector<std::string> RowImages(const CZantobyDoc& doc)
{
    std::vector<std::string> images;
    for (int line = 0; line < doc.displayCount; ++line) {
        const int row = doc.displayOrder[line];
        std::string image = row < 0 ? "new-row line" : "";
        for (int column = 0; row >= 0 && column < doc.columnCount; ++column) {
            const int slot = doc.GetColumn(column).slot;
            const RowCells& cells = doc.GetRow(row).Cells();
            image += doc.GetCellTextAt(column, line, kOutputFile).str() + "|" +
                     std::to_string(cells.TextColor(slot)) + "/" + std::to_string(cells.BackColor(slot)) +
                     "|";
        }
        if (row >= 0) {
            const ProductRecord& record = doc.GetRow(row);
            image += std::to_string(record.inUse) + std::to_string(record.rowHeight) +
                     record.lastChange.Format("%Y%m%d%H%M%S").str() +
                     std::to_string(record.Cells().ValueCount());
        }
        images.push_back(image);
    }
    return images;
}

TEST_F(Undo, FiftyOneEditsGiveFiftyUndos)
{
    TypeNewRow("0");
    for (int i = 1; i <= 50; ++i) {
        CString text;
        text.Format("%d", i);
        doc->SetCellTextAt(0, 0, text);
    }
    int undos = 0;
    while (doc->CanUndo()) {
        doc->OnUndo();
        ++undos;
    }
    EXPECT_EQ(undos, 50);
    EXPECT_EQ(Text(0), "0");
    EXPECT_TRUE(doc->IsUndoOn());
    doc->OnUndo();
    EXPECT_EQ(host.beeps, 1);
    // Two files per step stay: the oldest step's went.
    EXPECT_EQ(temp.CountFiles("Zantoby_"), 100);
}

TEST_F(Undo, UndoThenANewEditDropsTheRedoSteps)
{
    TypeNewRow("a");
    doc->SetCellTextAt(0, 0, "b");
    doc->SetCellTextAt(0, 0, "c");
    doc->OnUndo();
    doc->OnUndo();
    EXPECT_EQ(Text(0), "a");
    EXPECT_TRUE(doc->CanRedo());
    doc->SetCellTextAt(0, 0, "d");
    EXPECT_FALSE(doc->CanRedo());
    doc->OnRedo();
    EXPECT_EQ(host.beeps, 1);
    EXPECT_EQ(temp.CountFiles("Zantoby_"), 4);
    doc->OnUndo();
    EXPECT_EQ(Text(0), "a");
}

TEST_F(Undo, UndoAfterUndoAndNewEditsPastTheLimitNeverReachesLostSteps)
{
    TypeNewRow("0");
    for (int i = 1; i < 60; ++i) {
        doc->SetCellTextAt(0, 0, "x");
    }
    for (int i = 0; i < 5; ++i) {
        doc->OnUndo();
    }
    doc->SetCellTextAt(0, 0, "new");
    int undos = 0;
    while (doc->CanUndo()) {
        doc->OnUndo();
        ++undos;
    }
    EXPECT_EQ(undos, 46);
    EXPECT_TRUE(doc->IsUndoOn());
    EXPECT_TRUE(host.errorReports.empty());
}

TEST_F(Undo, NestedEditIsOneStep)
{
    int row = TypeNewRow("a");
    doc->SetCellTextAt(0, 0, "b");
    EXPECT_TRUE(doc->SaveUndoSnapshot(1, row, 0));
    doc->SetCellTextAt(0, 0, "c");
    doc->SetCellTextAt(1, 0, "d");
    EXPECT_TRUE(doc->SaveUndoSnapshot(1, row, 1));
    doc->OnUndo();
    EXPECT_EQ(Text(0), "b");
    EXPECT_EQ(doc->GetCellTextAt(1, 0, kOutputGrid), "");
    doc->OnRedo();
    EXPECT_EQ(Text(0), "c");
    EXPECT_EQ(doc->GetCellTextAt(1, 0, kOutputGrid), "d");
}

TEST_F(Undo, RowsAddedToAStepRestoreTogether)
{
    int first = TypeNewRow("a");
    int second = TypeNewRow("b");
    doc->SaveUndoSnapshot(1, -1, 0);
    doc->SaveUndoSnapshot(2, first, 0);
    doc->GetRow(first).EditCells().SetText(0, "A");
    doc->SaveUndoSnapshot(2, second, 0);
    doc->GetRow(second).EditCells().SetText(0, "B");
    doc->SaveUndoSnapshot(1, -1, 1);
    doc->SaveUndoSnapshot(2, first, 1);
    doc->SaveUndoSnapshot(2, second, 1);
    doc->OnUndo();
    EXPECT_EQ(Text(0), "a");
    EXPECT_EQ(Text(1), "b");
    doc->OnRedo();
    EXPECT_EQ(Text(0), "A");
    EXPECT_EQ(Text(1), "B");
}

TEST_F(Undo, AStepOfManyAddedRowsWrittenInPiecesRestoresEveryRow)
{
    // Row images of about 2 KB: the step's files are written in several pieces.
    const CString longText(std::string(2000, 'x'));
    std::vector<int> rows;
    for (int i = 0; i < 1200; ++i) {
        rows.push_back(TypeNewRow(longText + std::to_string(i).c_str()));
    }
    doc->SaveUndoSnapshot(1, -1, 0);
    for (int row : rows) {
        doc->SaveUndoSnapshot(2, row, 0);
        doc->GetRow(row).EditCells().SetText(0, "new");
    }
    doc->SaveUndoSnapshot(1, -1, 1);
    for (int row : rows) {
        doc->SaveUndoSnapshot(2, row, 1);
    }
    doc->OnUndo();
    EXPECT_EQ(Text(0), longText + "0");
    EXPECT_EQ(Text(1199), longText + "1199");
    doc->OnRedo();
    EXPECT_EQ(Text(0), "new");
    EXPECT_EQ(Text(1199), "new");
    EXPECT_TRUE(doc->IsUndoOn());
}

TEST_F(Undo, UnwritableTemporaryFolderSwitchesUndoOffSilently)
{
    // A folder below a plain file can never be made, whoever runs the test.
    CString blocker = temp.Path() + "file";
    std::fclose(std::fopen(blocker, "w"));
    doc->tempFolder = blocker + "/sub/";
    TypeNewRow("a");
    doc->SetCellTextAt(0, 0, "b");
    EXPECT_EQ(Text(0), "b");
    EXPECT_FALSE(doc->IsUndoOn());
    EXPECT_FALSE(doc->CanUndo());
    EXPECT_FALSE(doc->CanRedo());
    EXPECT_TRUE(host.messages.empty());
    EXPECT_TRUE(host.errorReports.empty());
    EXPECT_FALSE(doc->SaveUndoSnapshot(1, 0, 0));

    doc->tempFolder = temp.Path();
    doc->SwitchUndoOn();
    doc->SetCellTextAt(0, 0, "c");
    EXPECT_TRUE(doc->CanUndo());
}

TEST_F(Undo, SnapshotsGoToThePrivateTemporaryFolderByDefault)
{
    CZantobyDoc fresh(host);
    EXPECT_EQ(fresh.tempFolder, GetTempFolder());
    fresh.tempFolder.Empty();
    fresh.SetCellTextAt(0, 0, "a");
    EXPECT_FALSE(fresh.IsUndoOn());
}

TEST_F(Undo, FirstEntryOnTheNewRowLineUndoesToAFreeRowAndTheLine)
{
    TypeNewRow("a");
    TypeNewRow("b");
    doc->OnUndo();
    EXPECT_EQ(doc->displayCount, 2);
    EXPECT_EQ(doc->displayOrder[1], kNewRowLine);
    EXPECT_FALSE(doc->GetRow(1).inUse);
    EXPECT_FALSE(doc->GetRow(1).HasCells());
    doc->OnRedo();
    EXPECT_TRUE(doc->GetRow(1).inUse);
    EXPECT_EQ(Text(1), "b");
    // Redo puts the line for new rows back below the row it made.
    EXPECT_EQ(doc->displayCount, 3);
    EXPECT_EQ(doc->displayOrder[2], kNewRowLine);
}

TEST_F(Undo, RedoRestoresTheCursorThroughHint8)
{
    TypeNewRow("a");
    doc->currentColumn = 0;
    doc->currentRow = 0;
    doc->SetCellTextAt(0, 0, "b");
    RecordingView view;
    doc->AddView(&view);
    doc->currentColumn = 2;
    doc->currentRow = 0;
    doc->OnUndo();
    doc->currentColumn = 1;
    doc->currentRow = 1;
    doc->OnRedo();
    ASSERT_EQ(view.received.size(), 2u);
    EXPECT_EQ(view.received[1].hint, kHintGoToPosition);
    EXPECT_EQ(view.received[1].arg.column, 0);
    EXPECT_EQ(view.received[1].arg.row, 0);
    doc->RemoveView(&view);
}

TEST_F(Undo, DisplayOrderStepsRestoreOrderAndKeys)
{
    TypeNewRow("b");
    TypeNewRow("a");
    doc->SaveUndoSnapshot(1, -1, 0);
    doc->sortKeys[0].descending = true;
    doc->SortDisplayRows();
    doc->HideAllRows();
    doc->SaveUndoSnapshot(1, -1, 1);
    doc->OnUndo();
    EXPECT_EQ(doc->displayCount, 3);
    EXPECT_EQ(Text(0), "b");
    EXPECT_EQ(Text(1), "a");
    EXPECT_FALSE(doc->sortKeys[0].descending);
}

TEST_F(Undo, AllDisplayedRowsStepRestoresEveryShownRow)
{
    TypeNewRow("a");
    TypeNewRow("b");
    doc->SaveUndoSnapshot(3, 0, 0);
    doc->GetRow(0).EditCells().SetText(0, "x");
    doc->GetRow(1).inUse = false;
    doc->SaveUndoSnapshot(3, 0, 1);
    doc->OnUndo();
    EXPECT_EQ(Text(0), "a");
    EXPECT_TRUE(doc->GetRow(1).inUse);
    EXPECT_EQ(Text(1), "b");
}

TEST_F(Undo, ChangeOfEveryRowUndoesAndRedoesEveryValueAndColour)
{
    const int types[] = {kTypeText, kTypeNumber, kTypeDate, kTypeYesNo, kTypeMark};
    doc->columnCount = 5;
    for (int column = 0; column < 5; ++column) {
        doc->GetColumn(column).type = types[column];
    }
    doc->GetColumn(1).showZero = true; // a 0 reads apart from an invalid number
    doc->GetColumn(2).dateKind = 2;
    doc->BuildColumnMap();
    auto write = [this](int row, int column, const CString& text) {
        CellRecord cell;
        doc->ParseCellText(column, cell, text, kOutputGrid);
        doc->GetRow(row).SetCell(doc->GetColumn(column).slot, doc->GetColumn(column).type, cell);
    };
    for (int i = 0; i < kMaxRows; ++i) {
        const int row = doc->AllocProductRecord();
        CString text;
        text.Format(i % 3 == 0 ? "商品%d" : "商品%d の長い説明を持つ行", i);
        write(row, 0, text);
        text.Format("%d.25", i % 7);
        write(row, 1, text);
        text.Format("2024/%d/%d %d:%02d:07", i % 12 + 1, i % 28 + 1, i % 24, i % 60);
        write(row, 2, i % 5 == 0 ? CString() : text);
        write(row, 3, i % 2 == 0 ? "1" : "0");
        text.Format("A-%d", i % 11);
        write(row, 4, text);
        if (i % 4 == 0) {
            doc->GetRow(row).EditCells().SetColors(i % 5, RGB(i % 256, 0, 0),
                                                   i % 8 == 0 ? RGB(0, 0, 9) : kDefaultColor);
        }
        doc->GetRow(row).rowHeight = i % 30;
        doc->GetRow(row).lastChange.SetDateTime(2023, 1, 1, 0, 0, i % 60);
    }
    doc->GetRow(17).EditCells().SetNumber(doc->GetColumn(1).slot, COleCurrency(0, COleCurrency::invalid));
    doc->ShowAllRows();
    const std::vector<std::string> before = RowImages(*doc);

    doc->SaveUndoSnapshot(3, -1, 0);
    for (int line = 0; line < doc->displayCount; ++line) {
        const int row = doc->displayOrder[line];
        RowCells& cells = doc->GetRow(row).EditCells();
        const std::string longer = std::string(cells.Text(doc->GetColumn(0).slot)) + "（改）";
        cells.SetText(doc->GetColumn(0).slot, longer);
        cells.SetNumber(doc->GetColumn(1).slot, COleCurrency(line));
        cells.SetDate(doc->GetColumn(2).slot, COleDateTime(0, COleDateTime::null));
        cells.SetYesNo(doc->GetColumn(3).slot, line % 2 != 0);
        cells.SetText(doc->GetColumn(4).slot, "");
        cells.SetColors(line % 5, kDefaultColor, kDefaultColor);
        doc->GetRow(row).rowHeight = 40;
    }
    doc->GetRow(doc->displayOrder[9999]).inUse = false;
    doc->SaveUndoSnapshot(3, -1, 1);
    const std::vector<std::string> after = RowImages(*doc);
    ASSERT_NE(before, after);

    doc->OnUndo();
    EXPECT_EQ(RowImages(*doc), before);
    doc->OnRedo();
    EXPECT_EQ(RowImages(*doc), after);
    EXPECT_TRUE(doc->IsUndoOn());
}

TEST_F(Undo, DamagedSnapshotStopsUndoAndKeepsWhatWasRead)
{
    TypeNewRow("a");
    TypeNewRow("b");
    doc->SaveUndoSnapshot(3, 0, 0);
    doc->GetRow(0).EditCells().SetText(0, "x");
    doc->GetRow(1).EditCells().SetText(0, "y");
    doc->SaveUndoSnapshot(3, 0, 1);
    // Cut the step's before image inside its second row.
    int cut = 0;
    for (const auto& entry : std::filesystem::directory_iterator(temp.Path().str())) {
        std::string name = entry.path().filename().string();
        if (name.size() > 7 && name.compare(name.size() - 7, 7, "00002.A") == 0) {
            std::filesystem::resize_file(entry.path(), std::filesystem::file_size(entry.path()) - 10);
            ++cut;
        }
    }
    ASSERT_EQ(cut, 1);
    doc->OnUndo();
    EXPECT_FALSE(doc->IsUndoOn());
    EXPECT_EQ(Text(0), "a");
    EXPECT_FALSE(doc->CanUndo());
    EXPECT_FALSE(doc->CanRedo());
}

TEST_F(Undo, TwoListsOfTheSameNameKeepTheirOwnSteps)
{
    CZantobyDoc other(host);
    other.tempFolder = temp.Path();
    doc->SetPathName("/a/list.zbk");
    other.SetPathName("/b/list.zbk");
    TypeNewRow("mine");
    other.SetCellTextAt(0, 0, "theirs");
    other.SetCellTextAt(0, 0, "theirs2");
    doc->SetCellTextAt(0, 0, "mine2");
    doc->OnUndo();
    other.OnUndo();
    EXPECT_EQ(Text(0), "mine");
    EXPECT_EQ(other.GetCellTextAt(0, 0, kOutputGrid), "theirs");
}

TEST_F(Undo, NewListForgetsEverySnapshot)
{
    TypeNewRow("a");
    EXPECT_GT(temp.CountFiles("Zantoby_"), 0);
    doc->ResetToNewList();
    EXPECT_EQ(temp.CountFiles("Zantoby_"), 0);
    EXPECT_FALSE(doc->CanUndo());
}

} // namespace
