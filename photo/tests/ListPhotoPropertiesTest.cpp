#include "photo/ListPhotoProperties.h"
#include "foundation/BitmapEx.h"
#include "list/drawing/DrawBox.h"
#include "platform/FileSystem.h"
#include "support/EditorFixture.h"

#include <gtest/gtest.h>

namespace {

using ListPhotoProperties = EditorFixture;

// Mean of the red channel, which the brightness correction raises.
int MeanRed(const CString& path)
{
    CBitmapEx image;
    if (!image.LoadJpeg(path) || image.Width() == 0) {
        return -1;
    }
    long sum = 0;
    for (int y = 0; y < image.Height(); ++y) {
        for (int x = 0; x < image.Width(); ++x) {
            sum += (image.GetPixel(x, y) >> 16) & 0xFF;
        }
    }
    return static_cast<int>(sum / (image.Width() * image.Height()));
}

// The properties of photo 0 show it, but a correction is not taken.
void ExpectOnlyShown(CZantobyDoc& list, IDrawingHost& host)
{
    CListPhotoProperties properties(list, 0, host);
    ASSERT_TRUE(properties.Load());
    EXPECT_FALSE(properties.IsEditable());
    properties.drawing.bright = 60;
    EXPECT_FALSE(properties.Apply());
    EXPECT_FALSE(FileSystem::Exists(list.GetDrawingPath(0)));
}

TEST_F(ListPhotoProperties, CorrectionsAndCommentGoIntoTheDrawingFileAndThePictures)
{
    // A box drawn earlier stays when only the corrections change.
    CDrawingData earlier;
    earlier.path.SetPath(list->GetDrawingPath(0));
    auto box = std::make_unique<CDrawBox>();
    box->SetRect(CRect(1, 1, 9, 9));
    earlier.shapes.AddShape(std::move(box));
    ASSERT_TRUE(CListPhotoProperties::WriteDrawingFile(earlier, host));
    ASSERT_GE(list->ImportPhotoImage(CString(), 0, CString(), 0), 0);
    const int before = MeanRed(list->GetMiddlePhotoPath(0));

    CListPhotoProperties properties(*list, 0, host);
    ASSERT_TRUE(properties.Load());
    EXPECT_EQ(properties.comment, "表紙");
    EXPECT_EQ(properties.GetOriginalPath(), list->GetOriginalPhotoPath(0));
    ASSERT_EQ(properties.drawing.shapes.GetSize(), 1);
    properties.drawing.bright = 60;
    properties.comment = "裏表紙";
    ASSERT_TRUE(properties.Apply());

    CDrawingData reread;
    ASSERT_TRUE(reread.Read(list->GetDrawingPath(0), host));
    EXPECT_EQ(reread.bright, 60);
    EXPECT_EQ(reread.shapes.GetSize(), 1);
    EXPECT_EQ(list->GetPhoto(0).name, "裏表紙");
    EXPECT_TRUE(list->IsModified());
    EXPECT_GT(MeanRed(list->GetMiddlePhotoPath(0)), before);
    // The properties do not hold the photo as the editor does.
    EXPECT_EQ(list->editingPhotos.count(0), 0u);
}

TEST_F(ListPhotoProperties, AnUnusedSlotOpensNothingAndAReadOnlyListWritesNothing)
{
    CListPhotoProperties unused(*list, 1, host);
    EXPECT_FALSE(unused.Load());

    list->readOnly = true;
    ExpectOnlyShown(*list, host);
    EXPECT_FALSE(list->IsModified());
}

// The editor holds the photo's corrections and comment and writes them back when it saves; a
// change from the list meanwhile would be lost without a word, so the list only shows them.
TEST_F(ListPhotoProperties, APhotoOpenInTheEditorIsOnlyShownFromTheList)
{
    ASSERT_TRUE(list->OpenPhotoEditor(0));
    OpenPhoto();
    ExpectOnlyShown(*list, host);

    // What the editor saves is what the user sees in it.
    model.drawing.red = 30;
    model.SetModifiedFlag(true);
    ASSERT_TRUE(model.Save());
    CDrawingData saved;
    ASSERT_TRUE(saved.Read(list->GetDrawingPath(0), host));
    EXPECT_EQ(saved.red, 30);
    EXPECT_EQ(saved.bright, 0);

    // Once the editor has closed, the list takes changes again.
    model.Close();
    CListPhotoProperties later(*list, 0, host);
    ASSERT_TRUE(later.Load());
    EXPECT_TRUE(later.IsEditable());
    later.drawing.bright = 60;
    EXPECT_TRUE(later.Apply());
}

} // namespace
