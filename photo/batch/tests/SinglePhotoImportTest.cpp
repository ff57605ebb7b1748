#include "photo/batch/SinglePhotoImport.h"
#include "photo/batch/PhotoPreview.h"
#include "photo/batch/testing/PhotoList.h"

#include <gtest/gtest.h>

namespace {

TEST(SinglePhotoImport, APhotoJoinsTheLineAndKeepsAnEmptyPhotoColumnToTheRight)
{
    PhotoList list;
    list.doc->photoColumns = 1;
    CSinglePhotoImport import(*list.doc);
    const CString photo = list.WriteJpeg("one.jpg", 40, 30);
    ASSERT_TRUE(import.Import(0, photo));
    EXPECT_TRUE(import.AddedPhotoColumn());
    EXPECT_EQ(list.doc->photoColumns, 2);
    ASSERT_EQ(list.doc->displayCount, 2) << "a new-row line follows the new row";
    EXPECT_EQ(list.doc->GetRow(list.doc->displayOrder[0]).photoCount, 1);
    EXPECT_TRUE(list.doc->IsModified());
    EXPECT_TRUE(list.doc->CanUndo());
    ASSERT_TRUE(import.Import(0, photo));
    EXPECT_EQ(list.doc->photoColumns, 3);
    EXPECT_EQ(list.doc->GetRow(list.doc->displayOrder[0]).photoCount, 2);
}

TEST(SinglePhotoImport, AFullRowRefusesThePhotoBeforeItIsRegistered)
{
    PhotoList list;
    const CString photo = list.WriteJpeg("one.jpg", 8, 6);
    list.AddPhotoRow(photo);
    ProductRecord& row = list.doc->GetRow(list.doc->displayOrder[0]);
    for (int i = 1; i < kMaxPhotosPerRow; ++i) {
        row.photos[i] = row.photos[0];
    }
    row.photoCount = kMaxPhotosPerRow;
    CSinglePhotoImport import(*list.doc);
    EXPECT_FALSE(import.Import(0, photo));
    EXPECT_TRUE(list.host.HasMessage(40201));
    EXPECT_FALSE(list.doc->GetPhoto(1).inUse) << "no photo is left in no row";
}

TEST(SinglePhotoImport, OnlyJpgFilesAreTakenAndOnlyTheyArePreviewed)
{
    PhotoList list;
    CSinglePhotoImport import(*list.doc);
    const CString jpeg = list.WriteJpeg("two.jpeg", 16, 12);
    const CString jpg = list.WriteJpeg("two.JPG", 16, 12);
    EXPECT_FALSE(import.IsAcceptedFile(jpeg));
    EXPECT_TRUE(list.host.HasMessage(40202));
    EXPECT_TRUE(import.IsAcceptedFile(jpg));

    CPhotoPreview preview;
    EXPECT_FALSE(preview.Load(jpeg));
    EXPECT_TRUE(preview.SizeText().IsEmpty());
    ASSERT_TRUE(preview.Load(jpg));
    EXPECT_EQ(preview.SizeText(), "X:16 Y:12");
    EXPECT_TRUE(preview.BytesText().Right(6) == " bytes");
    EXPECT_EQ(preview.DateText().GetLength(), 10);
}

} // namespace
