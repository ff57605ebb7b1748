#include "foundation/FileUtility.h"
#include "list/ZantobyDoc.h"
#include "support/FakeListHost.h"
#include "support/TempFolder.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>
#include <memory>

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
    doc->GetRow(first).Cell(0).text = "A";
    doc->SaveUndoSnapshot(2, second, 0);
    doc->GetRow(second).Cell(0).text = "B";
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
    doc->GetRow(0).Cell(0).text = "x";
    doc->GetRow(1).inUse = false;
    doc->SaveUndoSnapshot(3, 0, 1);
    doc->OnUndo();
    EXPECT_EQ(Text(0), "a");
    EXPECT_TRUE(doc->GetRow(1).inUse);
    EXPECT_EQ(Text(1), "b");
}

TEST_F(Undo, DamagedSnapshotStopsUndoAndKeepsWhatWasRead)
{
    TypeNewRow("a");
    TypeNewRow("b");
    doc->SaveUndoSnapshot(3, 0, 0);
    doc->GetRow(0).Cell(0).text = "x";
    doc->GetRow(1).Cell(0).text = "y";
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
