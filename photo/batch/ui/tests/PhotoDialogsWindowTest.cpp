#include "foundation/tests/support/ScratchFolder.h"
#include "foundation/ui/ButtonEdit.h"
#include "foundation/ui/ReportList.h"
#include "grid/ui/testing/GridInput.h"
#include "list/BulkImportLayout.h"
#include "list/tests/support/TestPhotos.h"
#include "photo/batch/Thumbnail.h"
#include "photo/batch/testing/PhotoList.h"
#include "photo/batch/ui/AutoPhotoDlg.h"
#include "photo/batch/ui/LumpPhotoDlg.h"
#include "photo/batch/ui/LumpPhotoGrid.h"
#include "photo/batch/ui/OutputPhotoDlg.h"
#include "photo/batch/ui/OutputPhotoGrid.h"
#include "photo/batch/ui/PhotoFrame.h"
#include "photo/batch/ui/SequencePhotoDlg.h"
#include "photo/batch/ui/SizeCheckDlg.h"
#include "photo/batch/ui/ZoomPhotoDlg.h"
#include "photo/batch/ui/tests/support/FakePhotoProfile.h"
#include "platform/FileSystem.h"
#include "platform/ui/testing/UserInput.h"
#include "platform/ui/testing/WxTestEnvironment.h"

#include <gtest/gtest.h>

#include <memory>

namespace {

class PhotoDialogsWindow : public ::testing::Test
{
  protected:
    PhotoDialogsWindow() { WxTestEnvironment::Ensure(); }

    // Shows a dialog without a modal loop and waits until it has laid itself out.
    static void ShowAndSettle(wxDialog& dialog)
    {
        dialog.Show();
        WxTestEnvironment::PumpFor(200);
    }

    ScratchFolder scratch;
    FakePhotoProfile profile;
    PhotoList list;
};

TEST_F(PhotoDialogsWindow, TheZoomWindowFillsAWideFrameAtFullHeightAndSaysWhenAPhotoCannotBeRead)
{
    CZoomPhotoDlg zoom(list.WriteJpeg("wide.jpg", 400, 300));
    ShowAndSettle(zoom);
    ASSERT_TRUE(zoom.IsLoaded());
    EXPECT_EQ(zoom.GetItemText(1041), "size = 400 * 300");
    zoom.SetClientSize(1200, 420);
    ASSERT_TRUE(WxTestEnvironment::PumpUntil([&] { return zoom.Frame()->GetClientSize().x > 1000; }));
    const wxSize frame = zoom.Frame()->GetClientSize();
    const CRect image = zoom.Frame()->GetImageRect();
    EXPECT_EQ(image.Height(), frame.y);
    EXPECT_NEAR(image.left, frame.x - image.right, 1) << "centred between two bands";
    WxTestEnvironment::SaveScreenshot(zoom, "ZoomPhotoDlg");
    zoom.Hide();

    CZoomPhotoDlg broken(list.temp.Path() + "missing.jpg");
    ShowAndSettle(broken);
    EXPECT_FALSE(broken.IsLoaded());
    EXPECT_TRUE(broken.Frame()->GetImageRect().IsRectEmpty());
    broken.Hide();
}

TEST_F(PhotoDialogsWindow, ThePhotoOutputWritesTheCheckedPhotosByTheirNamesAndKeepsItsChoices)
{
    const int slot = list.AddPhotoRow(list.WriteJpeg("camera.jpg", 400, 300));
    const CString folder = list.temp.Path() + "out";
    FileSystem::CreateFolder(folder);
    PhotoOutputSettings settings;
    settings.folder = folder;
    settings.sizeThumbnail = true;
    profile.SavePhotoOutputSettings(settings);
    {
        COutputPhotoDlg dialog(nullptr, *list.doc, {slot}, profile);
        ShowAndSettle(dialog);
        ASSERT_EQ(dialog.Grid().GetRowCount(), 1);
        EXPECT_EQ(dialog.Grid().GetCellText(COutputPhotoGrid::kBaseName, 0), "0000");
        dialog.Grid().SetCellText(COutputPhotoGrid::kBaseName, 0, "商品");
        dialog.SetItemCheck(1162, true, true);
        dialog.RunOutput();
        EXPECT_TRUE(list.host.HasMessage(10700));
        WxTestEnvironment::SaveScreenshot(dialog, "OutputPhotoDlg");
        dialog.Hide();
    }
    EXPECT_TRUE(FileSystem::Exists(folder + "/商品.jpg"));
    EXPECT_TRUE(FileSystem::Exists(folder + "/商品m.jpg"));
    EXPECT_TRUE(FileSystem::Exists(folder + "/商品s.jpg"));
    PhotoOutputSettings kept;
    profile.LoadPhotoOutputSettings(kept);
    EXPECT_TRUE(kept.sizeOriginal) << "the choices of the last output are kept";
}

TEST_F(PhotoDialogsWindow, TheOrganiserAsksForAFolderThenBuildsTheListAndEndsWithOk)
{
    list.WriteJpeg("写真/a.jpg", 40, 30);
    list.WriteJpeg("写真/b.jpg", 40, 30);
    CAutoPhotoDlg dialog(nullptr, *list.doc);
    ShowAndSettle(dialog);
    dialog.RunBuild();
    EXPECT_TRUE(list.host.HasMessage(31700));
    dynamic_cast<CButtonEdit*>(dialog.FindWindow(1000))->SetPath(list.temp.Path() + "写真");
    dialog.RunBuild();
    EXPECT_EQ(dialog.GetReturnCode(), wxID_OK);
    EXPECT_EQ(list.doc->GetRow(list.doc->displayOrder[0]).photoCount, 2);
    EXPECT_EQ(dialog.GetItemText(1380), "2 / 2");
}

TEST_F(PhotoDialogsWindow, TheContinuousImportSelectsFileAfterFileAndNoneAfterTheLast)
{
    list.WriteJpeg("連続/1.jpg", 40, 30);
    list.WriteJpeg("連続/2.jpg", 40, 30);
    profile.SetPhotoFolder(list.temp.Path() + "連続");
    CSequencePhotoDlg dialog(nullptr, list.host, profile);
    ShowAndSettle(dialog);
    ASSERT_EQ(dialog.List().GetItemCount(), 2);
    CStringArray files;
    EXPECT_FALSE(dialog.GetSelectedFiles(files));
    dialog.SelectNext();
    ASSERT_TRUE(dialog.GetSelectedFiles(files));
    EXPECT_EQ(files[0], list.temp.Path() + "連続/1.jpg");
    EXPECT_TRUE(WxTestEnvironment::PumpUntil([&] { return dialog.Preview().IsLoaded(); }))
        << "the preview follows the selection";
    EXPECT_EQ(dialog.GetItemText(1055), "X:40 Y:30");
    dialog.SelectNext();
    dialog.SelectNext();
    EXPECT_FALSE(dialog.GetSelectedFiles(files)) << "nothing stays selected after the last row";
    dialog.Hide();
}

TEST_F(PhotoDialogsWindow, TheBulkImportArrangesPhotosThroughTheClipboardAndOkDropsTheEmptiedRows)
{
    list.WriteJpeg("一括/1.jpg", 40, 30);
    list.WriteJpeg("一括/2.jpg", 40, 30);
    list.WriteJpeg("一括/3.jpg", 40, 30);
    profile.SetPhotoFolder(list.temp.Path() + "一括");
    CLumpPhotoDlg dialog(nullptr, list.host, profile);
    ShowAndSettle(dialog);
    ASSERT_TRUE(WxTestEnvironment::PumpUntil([&] { return dialog.Grid().GetRowCount() == 3; }));
    EXPECT_EQ(dialog.GetItemText(1035), "3枚");
    CLumpPhotoGrid& grid = dialog.Grid();
    grid.MoveToCell(0, 0);
    grid.Copy();
    grid.MoveToCell(1, 1);
    EXPECT_EQ(dialog.GetItemText(1038), "X:2 Y:2");
    grid.Paste();
    grid.MoveToCell(0, 2);
    grid.Cut();
    EXPECT_EQ(grid.Cells().At(0, 2), -1);
    wxCommandEvent ok(wxEVT_BUTTON, 1104);
    dialog.ProcessWindowEvent(ok);
    BulkImportLayout layout;
    dialog.FillLayout(layout);
    EXPECT_EQ(layout.rows, 2) << "the emptied row is gone";
    EXPECT_EQ(layout.ItemAt(0, 1), 1);
    EXPECT_EQ(layout.ItemAt(1, 1), 0) << "the pasted photo is the copied one, not a new one";
    EXPECT_EQ(layout.items.size(), 3u);
}

// A camera held upright stores a landscape of pixels and names the turn: every picture of it
// stands as the list will show it, 30 x 40.
CString WritePortrait(const PhotoList& list, const CString& name)
{
    return list.WriteCameraJpeg(name, 30, 40, 6);
}

// Arms the answer for the zoom window that opens next: the photo's size as seen, and a picture
// taller than wide; then Esc closes it.
void ExpectUprightZoomNext(bool* seen)
{
    UserInput::AnswerNextModal([seen](wxWindow* window) {
        auto* zoom = dynamic_cast<CZoomPhotoDlg*>(window);
        if (zoom == nullptr) {
            ADD_FAILURE() << "no zoom window";
            UserInput::Press(WXK_ESCAPE);
            return;
        }
        *seen = true;
        EXPECT_EQ(zoom->GetItemText(1041), "size = 30 * 40");
        const CRect image = zoom->Frame()->GetImageRect();
        EXPECT_GT(image.Height(), image.Width());
        UserInput::PressToClose(*zoom, WXK_ESCAPE, std::make_shared<bool>(false));
    });
}

TEST_F(PhotoDialogsWindow, TheBulkImportShowsATurnedPhotoUprightInItsThumbnailAndItsZoom)
{
    WritePortrait(list, "縦/1.jpg");
    profile.SetPhotoFolder(list.temp.Path() + "縦");
    CLumpPhotoDlg dialog(nullptr, list.host, profile);
    ShowAndSettle(dialog);
    CLumpPhotoGrid& grid = dialog.Grid();
    ASSERT_TRUE(WxTestEnvironment::PumpUntil([&] { return grid.GetRowCount() == 1; }));
    ASSERT_EQ(grid.Photos().GetSize(), 1);
    const Bitmap& picture = grid.Photos().At(0).Picture();
    ASSERT_EQ(CSize(picture.Width(), picture.Height()), CSize(90, CThumbnail::kHeight));
    EXPECT_TRUE(TestPhotos::IsNear(picture.GetPixel(20, 20), TestPhotos::kTopLeft));
    EXPECT_TRUE(TestPhotos::IsNear(picture.GetPixel(70, 100), TestPhotos::kBottomRight));

    ASSERT_TRUE(UserInput::Activate(dialog));
    GridInput::Click(grid, 0, 0);
    bool zoomed = false;
    ExpectUprightZoomNext(&zoomed);
    UserInput::Press(WXK_SPACE);
    EXPECT_TRUE(UserInput::Finish());
    EXPECT_TRUE(zoomed);
    dialog.Hide();
}

TEST_F(PhotoDialogsWindow, TheContinuousImportPreviewsATurnedPhotoUprightAndForgetsADeletedOne)
{
    const CString path = WritePortrait(list, "連続縦/1.jpg");
    list.WriteJpeg("連続縦/2.jpg", 40, 30);
    profile.SetPhotoFolder(list.temp.Path() + "連続縦");
    CSequencePhotoDlg dialog(nullptr, list.host, profile);
    ShowAndSettle(dialog);
    CReportList& files = dialog.List();
    ASSERT_EQ(files.GetItemCount(), 2);
    ASSERT_TRUE(UserInput::Activate(dialog));
    wxRect row;
    ASSERT_TRUE(files.GetItemRect(0, row));
    const wxPoint first(row.x + 20, row.y + row.height / 2);
    UserInput::Click(files, first);
    ASSERT_TRUE(WxTestEnvironment::PumpUntil([&] { return dialog.Preview().IsLoaded(); }));
    EXPECT_EQ(dialog.GetItemText(1055), "X:30 Y:40");
    const Bitmap& picture = dialog.Preview().Picture();
    ASSERT_EQ(CSize(picture.Width(), picture.Height()), CSize(30, 40));
    EXPECT_TRUE(TestPhotos::IsNear(picture.GetPixel(5, 5), TestPhotos::kTopLeft));
    EXPECT_TRUE(TestPhotos::IsNear(picture.GetPixel(25, 35), TestPhotos::kBottomRight));

    bool zoomed = false;
    ExpectUprightZoomNext(&zoomed);
    UserInput::DoubleClick(files, first);
    EXPECT_TRUE(UserInput::Finish());
    EXPECT_TRUE(zoomed);

    // The file goes from the disk and its picture from the window.
    UserInput::Click(files, first);
    UserInput::Click(*dialog.FindWindow(1062), wxPoint(10, 10));
    ASSERT_TRUE(WxTestEnvironment::PumpUntil([&] { return files.GetItemCount() == 1; }));
    EXPECT_FALSE(FileSystem::Exists(path));
    EXPECT_FALSE(WxTestEnvironment::PumpUntil([&] { return dialog.Preview().IsLoaded(); }, 800))
        << "the deleted photo still shows";
    EXPECT_TRUE(dialog.GetItemText(1055).IsEmpty());
    dialog.Hide();
}

TEST_F(PhotoDialogsWindow, TheSizeCheckTakesTheLengthFromTheWindowsHeight)
{
    CSizeCheckDlg dialog(nullptr, 300, 100, 2560, wxPoint(20, 20));
    ShowAndSettle(dialog);
    EXPECT_EQ(dialog.GetLength(), 300);
    dialog.SetClientSize(900, 400);
    ASSERT_TRUE(WxTestEnvironment::PumpUntilSized(dialog));
    ASSERT_TRUE(WxTestEnvironment::PumpUntil([&] { return dialog.GetLength() == 400; }));
    EXPECT_EQ(dialog.GetItemText(1281), "400");
    dialog.SetClientSize(450, 400);
    ASSERT_TRUE(WxTestEnvironment::PumpUntil([&] { return dialog.GetLength() == 300; }))
        << "a narrow window limits the picture by its width";
    dialog.Hide();
}

} // namespace
