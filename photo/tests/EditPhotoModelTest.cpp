#include "foundation/BitmapEx.h"
#include "list/drawing/DrawArea.h"
#include "list/drawing/DrawBox.h"
#include "photo/ShapeCommands.h"
#include "platform/FileSystem.h"
#include "support/EditorFixture.h"
#include "support/TestPhotos.h"

#include <gtest/gtest.h>

namespace {

class EditPhotoModel : public EditorFixture
{
  protected:
    void AddBox(const CRect& rect)
    {
        auto box = std::make_unique<CDrawBox>();
        box->SetRect(rect);
        model.drawing.shapes.AddShape(std::move(box));
        model.SetModifiedFlag(true);
    }

    static CSize JpegSize(const CString& path)
    {
        CBitmapEx image;
        return image.LoadJpeg(path) ? CSize(image.Width(), image.Height()) : CSize();
    }
};

TEST_F(EditPhotoModel, OpensAListPhotoWithItsPathsSizesAndComment)
{
    list->photoSizes.standardSize = 20;
    OpenPhoto();
    EXPECT_EQ(model.photoIndex, 0);
    EXPECT_EQ(model.listPath, list->GetPathName());
    EXPECT_EQ(model.originalPath, list->GetOriginalPhotoPath(0));
    EXPECT_EQ(model.drawing.path.GetPath(), list->GetDrawingPath(0));
    EXPECT_EQ(model.comment, "表紙");
    EXPECT_EQ(model.sizes.standardSize, 20);
    EXPECT_EQ(model.GetDisplaySize(), CSize(80, 40));
    EXPECT_FALSE(model.IsModified());
    EXPECT_FALSE(model.CanUndo());
    EXPECT_EQ(model.UndoSteps().GetCurrent(), 0);
}

TEST_F(EditPhotoModel, RefusesAnUnknownListAnUnusedSlotAndAnUnreadablePhoto)
{
    CEditPhotoModel other(host);
    EXPECT_FALSE(other.Open("/nowhere/list.zbk?0"));
    EXPECT_TRUE(host.HasMessage(41000));
    EXPECT_FALSE(other.Open(EditorPath(1)));
    EXPECT_FALSE(other.Open(list->GetPathName() + "?10000"));
    EXPECT_FALSE(other.Open(list->GetPathName() + "?x"));
    EXPECT_EQ(std::count(host.messages.begin(), host.messages.end(), 41001), 3);
    EXPECT_FALSE(other.Open(temp.Path() + "missing.jpg"));
    EXPECT_TRUE(host.HasMessage(41002));
    // Beyond what memory allows at full size: the photo is too large, not unreadable.
    ASSERT_TRUE(TestPhotos::WriteLargeJpeg(temp.Path() + "phone.jpg", 12000, 9000));
    EXPECT_FALSE(other.Open(temp.Path() + "phone.jpg"));
    EXPECT_TRUE(host.HasMessage(40208));
    EXPECT_EQ(std::count(host.messages.begin(), host.messages.end(), 41002), 1);
}

TEST_F(EditPhotoModel, SaveWritesTheDrawingBothJpegsAndTellsTheList)
{
    list->photoSizes.standardSize = 20;
    list->photoSizes.thumbnailSize = 10;
    RecordingView view;
    list->AddView(&view);
    OpenPhoto();
    AddBox(CRect(10, 10, 30, 30));
    model.comment = "新しい";
    ASSERT_TRUE(model.Save());

    EXPECT_TRUE(FileSystem::Exists(list->GetDrawingPath(0)));
    EXPECT_EQ(JpegSize(list->GetMiddlePhotoPath(0)), CSize(40, 20));
    EXPECT_EQ(JpegSize(list->GetThumbnailPath(0)), CSize(20, 10));
    EXPECT_EQ(list->GetPhoto(0).name, "新しい");
    EXPECT_EQ(list->GetPhoto(0).width, 80);
    EXPECT_TRUE(list->IsModified());
    EXPECT_FALSE(view.received.empty());
    EXPECT_FALSE(model.IsModified());

    CDrawingData reread;
    ASSERT_TRUE(reread.Read(list->GetDrawingPath(0), host));
    ASSERT_EQ(reread.shapes.GetSize(), 1);
    EXPECT_EQ(reread.shapes.GetShape(0)->GetRect(), CRect(10, 10, 30, 30));
    list->RemoveView(&view);
}

TEST_F(EditPhotoModel, SavingAnAreaStoresItsSizeAndCropsTheJpegs)
{
    list->photoSizes.standardSize = 1000;
    OpenPhoto();
    auto area = std::make_unique<CDrawArea>();
    area->SetRect(CRect(0, 0, 40, 30));
    model.drawing.shapes.InsertAt(0, area.release());
    model.drawing.shapes.hasArea = true;
    ASSERT_TRUE(model.Save());
    EXPECT_EQ(list->GetPhoto(0).width, 40);
    EXPECT_EQ(list->GetPhoto(0).height, 30);
    EXPECT_EQ(JpegSize(list->GetMiddlePhotoPath(0)), CSize(40, 30));
}

TEST_F(EditPhotoModel, AReadOnlyListOrAJpegAloneSavesNothing)
{
    OpenPhoto();
    list->readOnly = true;
    AddBox(CRect(1, 1, 9, 9));
    EXPECT_FALSE(model.Save());
    EXPECT_TRUE(host.HasMessage(30205));
    EXPECT_FALSE(FileSystem::Exists(list->GetDrawingPath(0)));
    EXPECT_TRUE(model.IsModified());

    CEditPhotoModel alone(host);
    ASSERT_TRUE(alone.Open(list->GetOriginalPhotoPath(0)));
    EXPECT_EQ(alone.photoIndex, -1);
    EXPECT_FALSE(alone.Save());
    EXPECT_TRUE(host.HasMessage(41003));
}

TEST_F(EditPhotoModel, UndoReachesBackAHundredStepsEachRestoringItsShapes)
{
    OpenPhoto();
    for (int i = 1; i <= 101; ++i) {
        AddBox(CRect(i, 0, i + 5, 5));
    }
    int steps = 0;
    while (model.Undo()) {
        ++steps;
        EXPECT_EQ(model.drawing.shapes.GetSize(), 101 - steps);
    }
    EXPECT_EQ(steps, 100);
    EXPECT_TRUE(model.Redo());
    EXPECT_EQ(model.drawing.shapes.GetSize(), 2);
    EXPECT_EQ(temp.CountFiles("ZantobyEditPhoto_"), 101);

    // A new edit after undo drops the steps that were undone.
    AddBox(CRect(0, 0, 3, 3));
    EXPECT_FALSE(model.CanRedo());
    model.Close();
    EXPECT_EQ(temp.CountFiles("ZantobyEditPhoto_"), 0);
}

TEST_F(EditPhotoModel, UndoOfAMirrorOnATurnedPhotoRestoresTheShownPhoto)
{
    OpenPhoto();
    CShapeCommands commands(model);
    commands.Rotate(-1);
    const Bitmap turned = model.GetWorkingBitmap();
    commands.Flip(true);
    EXPECT_TRUE(model.drawing.mirrorHorz);
    ASSERT_TRUE(model.Undo());
    const Bitmap& shown = model.GetWorkingBitmap();
    ASSERT_EQ(shown.Width(), 40);
    EXPECT_TRUE(TestPhotos::IsNear(shown.Row(0)[0], turned.Row(0)[0]));
    EXPECT_TRUE(TestPhotos::IsNear(shown.Row(79)[39], turned.Row(79)[39]));
    ASSERT_TRUE(model.Undo());
    EXPECT_EQ(model.GetDisplaySize(), CSize(80, 40));
    EXPECT_TRUE(TestPhotos::IsNear(model.GetWorkingBitmap().Row(0)[0], TestPhotos::kTopLeft));
}

} // namespace
