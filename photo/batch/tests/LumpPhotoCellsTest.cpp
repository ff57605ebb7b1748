#include "photo/batch/LumpPhotoCells.h"
#include "list/BulkImportLayout.h"
#include "list/ClipTable.h"
#include "photo/batch/ILumpLoadMonitor.h"
#include "photo/batch/LumpDragState.h"
#include "photo/batch/ThumbnailList.h"
#include "photo/batch/testing/PhotoList.h"
#include "platform/FileSystem.h"

#include <gtest/gtest.h>

#include <fstream>

namespace {

class ScriptedLoad : public ILumpLoadMonitor
{
  public:
    void ShowLoading(const CString&, int done, int total) override { shown.push_back({done, total}); }
    bool AskToGoOnAfter(const CString&) override
    {
        ++asked;
        return goOn;
    }
    bool IsLoadCancelled() override { return static_cast<int>(shown.size()) == cancelAt; }

    std::vector<std::pair<int, int>> shown;
    int asked = 0;
    bool goOn = true;
    int cancelAt = -1;
};

// A row of the grid as photo indexes up to its last photo.
std::vector<int> RowOf(const CLumpPhotoCells& cells, int row)
{
    std::vector<int> photos;
    for (int column = 0; column < CLumpPhotoCells::kColumns; ++column) {
        photos.push_back(cells.At(column, row));
    }
    while (!photos.empty() && photos.back() < 0) {
        photos.pop_back();
    }
    return photos;
}

TEST(LumpPhotoCells, BreakingARowMovesThePhotosFromTheCellIntoANewRowBelow)
{
    CLumpPhotoCells cells;
    cells.ShowOnePerRow(2);
    cells.Set(1, 0, 5);
    cells.Set(2, 0, 6);
    EXPECT_FALSE(cells.BreakRow(0, 0)) << "column 0";
    EXPECT_FALSE(cells.BreakRow(3, 0)) << "an empty cell";
    ASSERT_TRUE(cells.BreakRow(1, 0));
    EXPECT_EQ(cells.Rows(), 3);
    EXPECT_EQ(RowOf(cells, 0), (std::vector<int>{0}));
    EXPECT_EQ(RowOf(cells, 1), (std::vector<int>{5, 6}));
    EXPECT_EQ(RowOf(cells, 2), (std::vector<int>{1}));
}

TEST(LumpPhotoCells, DeletingCellsShiftsTheRestLeftAndEmptyRowsGoOnlyAtTheEnd)
{
    CLumpPhotoCells cells;
    cells.SetRows(2);
    for (int column = 0; column < CLumpPhotoCells::kColumns; ++column) {
        cells.Set(column, 0, column);
    }
    cells.Set(0, 1, 7);
    cells.DeleteCells(1, 0, 2, 1);
    EXPECT_EQ(cells.At(1, 0), 3);
    EXPECT_EQ(cells.At(17, 0), 19);
    EXPECT_EQ(cells.At(18, 0), -1);
    EXPECT_EQ(RowOf(cells, 1), (std::vector<int>{7}));
    cells.DeleteCells(0, 1, 0, 1);
    EXPECT_EQ(cells.Rows(), 2) << "an emptied row stays until OK";
    cells.RemoveEmptyRows();
    EXPECT_EQ(cells.Rows(), 1);
}

TEST(LumpPhotoCells, InsertingReusesKnownPhotosKeepsToTwentyColumnsAndClosesGaps)
{
    PhotoList list;
    CThumbnailList photos;
    std::vector<CString> files;
    for (int i = 0; i < 4; ++i) {
        CString name;
        name.Format("f%d.jpg", i);
        files.push_back(list.WriteJpeg(name, 240, 180));
    }
    files.insert(files.begin() + 1, list.temp.Path() + "missing.jpg");
    CLumpPhotoCells cells;
    cells.InsertFiles(0, 0, files, photos);
    EXPECT_EQ(cells.Rows(), 0) << "the target row must exist";

    cells.SetRows(1);
    cells.InsertFiles(17, 0, files, photos);
    EXPECT_EQ(RowOf(cells, 0), (std::vector<int>{0, 1, 2})) << "to column 19 only, gaps closed";
    EXPECT_EQ(photos.At(0).Picture().Height(), CThumbnail::kHeight);
    EXPECT_EQ(photos.At(0).Picture().Width(), 160);

    // f3 is new; f1 and f0 are known and reuse their photos.
    cells.InsertTable(3, 0, {{files[4], ""}, {files[2], files[0]}}, photos);
    EXPECT_EQ(cells.Rows(), 2);
    EXPECT_EQ(RowOf(cells, 0), (std::vector<int>{0, 1, 2, 3}));
    EXPECT_EQ(RowOf(cells, 1), (std::vector<int>{1, 0}));
    EXPECT_EQ(photos.GetSize(), 4);

    BulkImportLayout layout;
    cells.FillLayout(photos, layout);
    EXPECT_EQ(layout.ItemAt(1, 1), 0);
    EXPECT_EQ(layout.items[3].path, files[4]);
}

TEST(LumpPhotoCells, ACopiedBlockComesBackAsItsPhotosAndAFileListFillsOneRow)
{
    PhotoList list;
    CThumbnailList photos;
    const CString a = list.WriteJpeg("a.jpg", 40, 30);
    const CString b = list.WriteJpeg("b.jpg", 40, 30);
    CLumpPhotoCells cells;
    cells.SetRows(2);
    cells.InsertFiles(0, 0, {a, b}, photos);
    cells.Set(1, 1, 0);

    CClipTable table;
    cells.FillTable(1, 0, 2, 1, photos, table);
    EXPECT_EQ(CClipTable().ToPrivateFormat().Left(12), "'lump_photo'");
    EXPECT_EQ(table.GetPhotoFileName(0, 0), b);
    EXPECT_EQ(table.GetPhotoFileName(0, 1), a);

    CClipTable read;
    read.ReadPrivateFormat(table.ToPrivateFormat());
    cells.InsertClip(3, 1, read, photos);
    EXPECT_EQ(cells.Rows(), 3) << "the grid grows to hold the table's rows";
    EXPECT_EQ(RowOf(cells, 1), (std::vector<int>{0, 1}));
    EXPECT_EQ(RowOf(cells, 2), (std::vector<int>{0}));

    CStringArray files;
    files.Add(b);
    files.Add(a);
    read.ReadFileNames(files);
    cells.InsertClip(0, 2, read, photos);
    EXPECT_EQ(RowOf(cells, 2), (std::vector<int>{1, 0}));
    EXPECT_EQ(photos.GetSize(), 2);
}

TEST(LumpDragState, OwnPhotosMoveUnlessCtrlFilesCopyAndEscEndsTheDrag)
{
    CLumpDragState drag;
    EXPECT_EQ(drag.Enter(true, true), CLumpDragState::kMove);
    EXPECT_EQ(drag.Over(false, false), CLumpDragState::kMove);
    EXPECT_EQ(drag.Over(true, false), CLumpDragState::kCopy);
    EXPECT_EQ(drag.Over(false, true), CLumpDragState::kNone);
    EXPECT_EQ(drag.Over(false, false), CLumpDragState::kNone) << "Esc ends it for good";
    EXPECT_EQ(drag.Enter(false, true), CLumpDragState::kCopy);
    EXPECT_EQ(drag.Over(false, false), CLumpDragState::kCopy);
    EXPECT_EQ(drag.Enter(false, false), CLumpDragState::kNone);

    drag.BeginOwnDrag();
    EXPECT_FALSE(drag.MayDrop(2, 1, 1, 0, 3, 1)) << "onto the dragged block itself";
    EXPECT_TRUE(drag.MayDrop(4, 1, 1, 0, 3, 1));
    drag.EndDrag();
    EXPECT_TRUE(drag.MayDrop(2, 1, 1, 0, 3, 1));
}

TEST(ThumbnailList, AnUnreadableFileIsReportedAndLeftOutAndACancelDiscardsAll)
{
    PhotoList list;
    list.WriteJpeg("d/a.jpg", 40, 30);
    std::ofstream(FileSystem::ToNative(list.temp.Path() + "d/b.jpg")) << "no photo";
    list.WriteJpeg("d/c.jpg", 40, 30);
    list.WriteJpeg("d/sub/e.jpg", 40, 30);
    CThumbnailList photos;
    ScriptedLoad load;
    photos.LoadFolder(list.temp.Path() + "d", load, list.host);
    ASSERT_EQ(photos.GetSize(), 2);
    EXPECT_EQ(photos.At(1).Path(), list.temp.Path() + "d/c.jpg");
    EXPECT_EQ(load.asked, 1);
    EXPECT_EQ(list.host.errorReports.size(), 1u);
    EXPECT_EQ(load.shown.front(), (std::pair<int, int>{0, 3})) << "the count shows the files read so far";

    ScriptedLoad stop;
    stop.goOn = false;
    photos.LoadFolder(list.temp.Path() + "d", stop, list.host);
    EXPECT_EQ(photos.GetSize(), 1) << "No keeps the photos read so far";

    ScriptedLoad cancel;
    cancel.cancelAt = 1;
    photos.LoadFolder(list.temp.Path() + "d", cancel, list.host);
    EXPECT_EQ(photos.GetSize(), 0);
}

} // namespace
