#include "grid/CellGridCore.h"

#include "platform/FindReplaceFlags.h"
#include "platform/MessageBox.h"
#include "support/FakeGrid.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <vector>

namespace {

// Records message boxes instead of showing them.
class BoxRecorder
{
  public:
    BoxRecorder()
    {
        m_previous = SetMessageBoxHandler([this](const CString& text, const CString& caption, unsigned) {
            boxes.push_back(text + "|" + caption);
            return IDOK;
        });
    }
    ~BoxRecorder() { SetMessageBoxHandler(m_previous); }

    std::vector<CString> boxes;

  private:
    MessageBoxHandler m_previous;
};

CGridFindRequest Request(const char* find, unsigned int flags, const char* replace = "")
{
    CGridFindRequest request;
    request.findWhat = find;
    request.replaceWith = replace;
    request.flags = flags;
    return request;
}

} // namespace

TEST(GridFind, FindsDownTheCurrentColumnAndWraps)
{
    BoxRecorder recorder;
    RecordingGrid grid(3, 5);
    grid.SetCellText(1, 0, "target");
    grid.SetCellText(1, 3, "another target");
    grid.SetCellText(2, 1, "target");
    grid.MoveToCell(1, 3);
    EXPECT_EQ(grid.FindReplace(Request("TARGET", FR_DOWN | FR_FINDNEXT)), 0);
    EXPECT_EQ(grid.CurrentRow(), 0);
    EXPECT_EQ(grid.CurrentColumn(), 1);
    EXPECT_EQ(grid.FindReplace(Request("target", FR_DOWN | FR_MATCHCASE | FR_WHOLEWORD)), 0);
    EXPECT_EQ(grid.CurrentRow(), 0); // the only whole match, found again
    EXPECT_EQ(grid.FindReplace(Request("target", FR_FINDNEXT)), 0);
    EXPECT_EQ(grid.CurrentRow(), 3); // backwards from row 0 wraps to the last rows
    EXPECT_TRUE(recorder.boxes.empty());
}

TEST(GridFind, SearchingAlongRowsVisitsEveryColumn)
{
    BoxRecorder recorder;
    RecordingGrid grid(3, 3);
    grid.SetSearchByColumns(1);
    grid.SetCellText(2, 0, "x");
    grid.SetCellText(0, 2, "x");
    grid.MoveToCell(2, 2);
    grid.FindReplace(Request("x", FR_DOWN));
    EXPECT_EQ(grid.CurrentColumn(), 2);
    EXPECT_EQ(grid.CurrentRow(), 0);
    grid.FindReplace(Request("x", FR_DOWN));
    EXPECT_EQ(grid.CurrentColumn(), 0);
    EXPECT_EQ(grid.CurrentRow(), 2);
}

TEST(GridFind, NothingFoundShowsOneBoxAndKeepsTheCurrentCell)
{
    BoxRecorder recorder;
    RecordingGrid grid(2, 4);
    grid.SetCellText(0, 1, "something");
    grid.MoveToCell(0, 2);
    EXPECT_EQ(grid.FindReplace(Request("nowhere", FR_DOWN)), 0);
    ASSERT_EQ(recorder.boxes.size(), 1u);
    EXPECT_EQ(recorder.boxes[0], "Item not found|Not Found");
    EXPECT_EQ(grid.CurrentRow(), 2);
}

TEST(GridReplace, OnlyAMatchingCurrentCellIsChanged)
{
    BoxRecorder recorder;
    RecordingGrid grid(1, 3);
    grid.SetCellText(0, 0, "keep me");
    grid.SetCellText(0, 1, "red apple");
    grid.FindReplace(Request("apple", FR_DOWN | FR_REPLACE, "pear"));
    EXPECT_EQ(grid.GetCellText(0, 0), "keep me");
    EXPECT_EQ(grid.CurrentRow(), 1);
    grid.FindReplace(Request("apple", FR_DOWN | FR_REPLACE, "pear"));
    EXPECT_EQ(grid.GetCellText(0, 1), "red pear");
}

TEST(GridReplace, APartialMatchReplacesOnlyTheMatchedText)
{
    BoxRecorder recorder;
    RecordingGrid grid(1, 2);
    grid.SetCellText(0, 1, "Abc-abc-ABC");
    grid.FindReplace(Request("abc", FR_DOWN | FR_REPLACEALL, "x"));
    EXPECT_EQ(grid.GetCellText(0, 1), "x-x-x");
    grid.SetCellText(0, 0, "Abc-abc");
    grid.MoveToCell(0, 1);
    grid.FindReplace(Request("abc", FR_DOWN | FR_MATCHCASE | FR_REPLACEALL, "y"));
    EXPECT_EQ(grid.GetCellText(0, 0), "Abc-y");
}

TEST(GridReplace, ReplaceAllMakesOnePassEvenWhenTheResultStillMatches)
{
    BoxRecorder recorder;
    RecordingGrid grid(1, 4);
    for (int row = 0; row < 4; ++row) {
        grid.SetCellText(0, row, "abc");
    }
    // Only the case differs: every replacement matches again.
    grid.FindReplace(Request("abc", FR_DOWN | FR_REPLACEALL, "ABC"));
    for (int row = 0; row < 4; ++row) {
        EXPECT_EQ(grid.GetCellText(0, row), "ABC") << row;
    }
    grid.FindReplace(Request("b", FR_DOWN | FR_REPLACEALL, "bb"));
    for (int row = 0; row < 4; ++row) {
        EXPECT_EQ(grid.GetCellText(0, row), "AbbC") << row;
    }
    EXPECT_TRUE(recorder.boxes.empty());
}

TEST(GridReplace, ReplaceAllOverManyRowsMovesAndDrawsOnce)
{
    BoxRecorder recorder;
    RecordingGrid grid(2, 2000);
    for (int row = 0; row < 2000; row += 2) {
        grid.SetCellText(1, row, "赤い皿");
    }
    grid.MoveToCell(1, 0);
    grid.Forget();
    grid.host.cellUpdates = 0;
    grid.host.fullRepaints = 0;
    grid.FindReplace(Request("赤い", FR_DOWN | FR_REPLACEALL, "青い"));

    for (int row = 0; row < 2000; row += 2) {
        ASSERT_EQ(grid.GetCellText(1, row), "青い皿") << row;
    }
    // The search wraps from the start, so the start row is the last one replaced.
    EXPECT_EQ(grid.CurrentRow(), 0);
    EXPECT_EQ(grid.host.fullRepaints, 1) << "the grid is drawn once, not cell by cell";
    EXPECT_LE(grid.host.cellUpdates, 1);
    grid.MoveToCell(1, 5);
    grid.Forget();
    grid.FindReplace(Request("青い", FR_DOWN | FR_REPLACEALL, "白い"));
    EXPECT_EQ(grid.CurrentRow(), 4) << "the last hit, before the start in the search order";
    EXPECT_TRUE(grid.Saw("OnCellChanged 1 1 5 4")) << "one move, to the last hit";
    EXPECT_EQ(grid.log.size(), 2u) << "asked and told once";
    EXPECT_TRUE(recorder.boxes.empty());
}

TEST(GridReplace, ReplaceAllReportsItsWayAndAStopKeepsWhatWasReplaced)
{
    BoxRecorder recorder;
    RecordingGrid grid(1, 4000);
    for (int row = 0; row < 4000; ++row) {
        grid.SetCellText(0, row, "赤い皿");
    }
    grid.MoveToCell(0, 3999);
    grid.FindReplace(Request("赤い", FR_DOWN | FR_REPLACEALL, "青い"));
    const std::vector<std::int64_t> reports = grid.host.progress;
    ASSERT_GE(reports.size(), 4u);
    EXPECT_EQ(reports.front(), 0);
    EXPECT_EQ(reports.back(), -1) << "the progress ends once";
    EXPECT_TRUE(std::is_sorted(reports.begin(), reports.end() - 1)) << "it only moves on";
    EXPECT_GE(reports.end()[-2], 90);

    grid.host.progress.clear();
    grid.host.stopAtReport = 3; // after the second batch of hits
    grid.MoveToCell(0, 3999);
    grid.Forget();
    grid.host.fullRepaints = 0;
    grid.FindReplace(Request("青い", FR_DOWN | FR_REPLACEALL, "白い"));
    int replaced = 0;
    int lastReplaced = -1;
    for (int row = 0; row < 4000; ++row) {
        const CString text = grid.GetCellText(0, row);
        ASSERT_TRUE(text == "白い皿" || text == "青い皿") << row;
        if (text == "白い皿") {
            ++replaced;
            lastReplaced = row;
        }
    }
    EXPECT_EQ(replaced, 512) << "the cells replaced before the stop stay replaced, no more";
    EXPECT_EQ(grid.CurrentRow(), lastReplaced) << "the last replaced cell becomes current";
    EXPECT_EQ(grid.host.fullRepaints, 1);
    EXPECT_EQ(grid.host.progress.back(), -1);
    EXPECT_TRUE(recorder.boxes.empty()) << "a stop is no failure to find";
}

TEST(GridReplace, DoubleByteTextIsReplacedWhole)
{
    BoxRecorder recorder;
    RecordingGrid grid(1, 1);
    grid.SetCellText(0, 0, "ケーキとヌードル");
    grid.FindReplace(Request("ヌ", FR_DOWN | FR_REPLACEALL, "ぬ"));
    EXPECT_EQ(grid.GetCellText(0, 0), "ケーキとぬードル");
}

TEST(GridReplace, ANumberCellKeepsItsType)
{
    BoxRecorder recorder;
    RecordingGrid grid(1, 1);
    CCellRecord number;
    number.SetDecimals(0);
    number.SetNumberValue(15);
    grid.WriteCell(0, 0, number);
    grid.FindReplace(Request("1", FR_DOWN | FR_REPLACEALL, "2"));
    CCellRecord stored;
    grid.ReadCell(0, 0, stored);
    EXPECT_EQ(stored.GetText(), "25");
    EXPECT_EQ(stored.GetDataType(), CellDataType::Number);
}

TEST(GridFind, ClosingTheDialogClearsTheFullRepaint)
{
    RecordingGrid grid(1, 1);
    grid.SetFullRepaint(1);
    EXPECT_EQ(grid.FindReplace(Request("", FR_DIALOGTERM)), 0);
    EXPECT_EQ(grid.FullRepaint(), 0);
}
