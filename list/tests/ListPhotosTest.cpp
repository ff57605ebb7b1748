#include "foundation/BitmapEx.h"
#include "list/PhotoPlaceholder.h"
#include "list/ZantobyDoc.h"
#include "list/drawing/DrawingData.h"
#include "platform/FileSystem.h"
#include "support/FakeListHost.h"
#include "support/TempFolder.h"
#include "support/TestPhotos.h"

#include <cairo.h>
#include <gtest/gtest.h>

#include <array>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <memory>
#include <string>

namespace {

namespace fs = std::filesystem;

class ListPhotos : public ::testing::Test
{
  protected:
    ListPhotos() : doc(std::make_unique<CZantobyDoc>(host))
    {
        doc->tempFolder = temp.Path();
        doc->listFolder = temp.Path().Left(temp.Path().GetLength() - 1);
        doc->photoFolderName = "Photo-商品";
        for (const char* sub : {"org", "m", "s", "draw"}) {
            fs::create_directories(Native(PhotoFolder() + sub));
        }
    }

    CString PhotoFolder() const { return doc->listFolder + "/" + doc->photoFolderName + "/"; }
    static fs::path Native(const CString& path) { return FileSystem::ToNative(path); }

    CString Photo(int width, int height, const char* name = "camera.jpg")
    {
        CString path = temp.Path() + name;
        EXPECT_TRUE(TestPhotos::WriteJpeg(path, width, height));
        return path;
    }

    CString Drawing(const char* lines, const char* name = "shapes.drw")
    {
        CString path = temp.Path() + name;
        std::ofstream(Native(path)) << lines;
        return path;
    }

    static CSize JpegSize(const CString& path)
    {
        CBitmapEx image;
        return image.LoadJpeg(path) ? CSize(image.Width(), image.Height()) : CSize();
    }

    static std::string Bytes(const CString& path)
    {
        std::ifstream in(Native(path), std::ios::binary);
        return std::string(std::istreambuf_iterator<char>(in), {});
    }

    TempFolder temp;
    FakeListHost host;
    std::unique_ptr<CZantobyDoc> doc;
};

TEST_F(ListPhotos, SlotSevenNamesItsFourFilesByFourDigitsInBothLayouts)
{
    doc->listFolder = "/lists";
    doc->photoFolderName = "Photo-A";
    EXPECT_EQ(doc->GetOriginalPhotoPath(7), "/lists/Photo-A/org/0007.jpg");
    EXPECT_EQ(doc->GetMiddlePhotoPath(7), "/lists/Photo-A/m/0007m.jpg");
    EXPECT_EQ(doc->GetThumbnailPath(7), "/lists/Photo-A/s/0007s.jpg");
    EXPECT_EQ(doc->GetDrawingPath(7), "/lists/Photo-A/draw/0007.drw");
    doc->GetPhoto(7).flatFiles = true;
    EXPECT_EQ(doc->GetOriginalPhotoPath(7), "/lists/Photo-A/0007.jpg");
    EXPECT_EQ(doc->GetMiddlePhotoPath(7), "/lists/Photo-A/0007m.jpg");
    EXPECT_EQ(doc->GetThumbnailPath(7), "/lists/Photo-A/0007s.jpg");
    EXPECT_EQ(doc->GetDrawingPath(7), "/lists/Photo-A/0007.drw");
    EXPECT_TRUE(doc->GetOriginalPhotoPath(10000).IsEmpty());
    EXPECT_TRUE(doc->GetDrawingPath(-1).IsEmpty());
}

TEST_F(ListPhotos, PhotosGoIntoTheRowAtTheirPositionOrAtTheEnd)
{
    ASSERT_TRUE(doc->AddPhotoToRow(0, -1, 5, 1));
    const ProductRecord& record = doc->GetRow(doc->displayOrder[0]);
    EXPECT_TRUE(record.inUse);
    EXPECT_EQ(record.lastChange.GetStatus(), COleDateTime::valid);
    doc->AppendNewRowLine();
    EXPECT_TRUE(doc->AddPhotoToRow(0, 99, 6, 1));
    EXPECT_TRUE(doc->AddPhotoToRow(0, 0, 7, 1));
    EXPECT_TRUE(doc->AddPhotoToRow(0, 1, 8, 0));
    EXPECT_FALSE(doc->AddPhotoToRow(2, -1, 9, 1));
    EXPECT_FALSE(doc->AddPhotoToRow(0, -1, -1, 1));
    ASSERT_EQ(record.photoCount, 4);
    EXPECT_EQ((std::array<int, 5>{record.photos[0], record.photos[1], record.photos[2], record.photos[3],
                                  record.photos[4]}),
              (std::array<int, 5>{7, 8, 5, 6, -1}));
}

TEST_F(ListPhotos, TwentyFirstPhotoGivesError40201AndUndoKeepsWorking)
{
    for (int i = 0; i < kMaxPhotosPerRow; ++i) {
        ASSERT_TRUE(doc->AddPhotoToRow(0, -1, i, 1));
    }
    doc->AppendNewRowLine();
    EXPECT_FALSE(doc->AddPhotoToRow(0, -1, 20, 1));
    EXPECT_TRUE(host.HasMessage(40201));
    int row = doc->displayOrder[0];
    EXPECT_EQ(doc->GetRow(row).photoCount, 20);

    doc->SetCellTextAt(0, 0, "x");
    doc->OnUndo();
    EXPECT_TRUE(doc->GetCellTextAt(0, 0, kOutputGrid).IsEmpty());
    EXPECT_EQ(doc->GetRow(row).photoCount, 20);
    doc->OnUndo();
    EXPECT_EQ(doc->GetRow(row).photoCount, 19);
}

TEST_F(ListPhotos, PhotoOnTheNewRowLineUndoesToAFreeRowAndTheLine)
{
    ASSERT_TRUE(doc->AddPhotoToRow(0, -1, 3, 1));
    doc->AppendNewRowLine();
    doc->OnUndo();
    EXPECT_FALSE(doc->GetRow(0).inUse);
    EXPECT_EQ(doc->displayOrder[0], kNewRowLine);
}

TEST_F(ListPhotos, RegisteringWritesFlatFilesAtTheListSizes)
{
    CString source = Photo(3000, 2000);
    int slot = doc->ImportPhotoImage(source, -1, CString(), 0);
    ASSERT_EQ(slot, 0);
    const PhotoRecord& photo = doc->GetPhoto(slot);
    EXPECT_TRUE(photo.inUse);
    EXPECT_TRUE(photo.flatFiles);
    EXPECT_EQ(photo.width, 3000);
    EXPECT_EQ(photo.height, 2000);
    EXPECT_EQ(doc->GetOriginalPhotoPath(slot), PhotoFolder() + "0000.jpg");
    EXPECT_EQ(Bytes(doc->GetOriginalPhotoPath(slot)), Bytes(source));
    EXPECT_EQ(JpegSize(doc->GetMiddlePhotoPath(slot)), CSize(300, 200));
    EXPECT_EQ(JpegSize(doc->GetThumbnailPath(slot)), CSize(90, 60));
    EXPECT_TRUE(host.messages.empty());
}

TEST_F(ListPhotos, DrawingComesAlongItsAreaCropsAndAReadOnlyPhotoBecomesWritable)
{
    CString source = Photo(400, 300);
    fs::permissions(Native(source), fs::perms::owner_read | fs::perms::group_read);
    CString drawing = Drawing("; Zantoby 2.108.0 Drawing Data\nphoto\nselected\n"
                              "area,ps.x1=100,ps.y1=50,ps.x2=300,ps.y2=250,\n");
    int slot = doc->ImportPhotoImage(source, -1, drawing, 0);
    ASSERT_EQ(slot, 0);
    FileSystem::Info info;
    ASSERT_TRUE(FileSystem::GetInfo(doc->GetOriginalPhotoPath(slot), info));
    EXPECT_FALSE(info.readOnly);
    EXPECT_EQ(Bytes(doc->GetDrawingPath(slot)), Bytes(drawing));
    EXPECT_EQ(doc->GetPhoto(slot).width, 200);
    EXPECT_EQ(doc->GetPhoto(slot).height, 200);
    EXPECT_EQ(JpegSize(doc->GetThumbnailPath(slot)), CSize(60, 60));
    CBitmapEx standard;
    ASSERT_TRUE(standard.LoadJpeg(doc->GetMiddlePhotoPath(slot)));
    EXPECT_EQ(standard.Width(), 200);
    EXPECT_TRUE(TestPhotos::IsNear(standard.GetPixel(20, 20), TestPhotos::kTopLeft));
    EXPECT_TRUE(TestPhotos::IsNear(standard.GetPixel(180, 180), TestPhotos::kBottomRight));
}

// A camera held upright or upside down says so in its EXIF block. The photo is taken in turned
// and mirrored as the block says, stored in its drawing like the user's own turns, and its file
// is kept as it came.
TEST_F(ListPhotos, CameraOrientationBecomesThePhotosFirstTurnAndMirror)
{
    const int width = 60; // the scene as the camera saw it
    const int height = 40;
    const Bitmap scene = TestPhotos::Quadrants(width, height);
    for (int orientation = 1; orientation <= 8; ++orientation) {
        const Bitmap stored = TestPhotos::StoredAs(scene, orientation);
        const CString source = temp.Path() + "camera.jpg";
        ASSERT_TRUE(TestPhotos::WriteJpeg(source, stored, orientation));
        const int slot = doc->ImportPhotoImage(source, -1, CString(), 0);
        ASSERT_GE(slot, 0) << orientation;
        EXPECT_EQ(Bytes(doc->GetOriginalPhotoPath(slot)), Bytes(source)) << "the original stays as it came";
        EXPECT_EQ(doc->GetPhoto(slot).width, width) << orientation;
        EXPECT_EQ(doc->GetPhoto(slot).height, height) << orientation;
        CBitmapEx standard;
        ASSERT_TRUE(standard.LoadJpeg(doc->GetMiddlePhotoPath(slot)));
        ASSERT_EQ(CSize(standard.Width(), standard.Height()), CSize(width, height)) << orientation;
        EXPECT_TRUE(TestPhotos::IsNear(standard.GetPixel(15, 10), TestPhotos::kTopLeft)) << orientation;
        EXPECT_TRUE(TestPhotos::IsNear(standard.GetPixel(45, 10), TestPhotos::kTopRight)) << orientation;
        EXPECT_TRUE(TestPhotos::IsNear(standard.GetPixel(15, 30), TestPhotos::kBottomLeft)) << orientation;
        EXPECT_TRUE(TestPhotos::IsNear(standard.GetPixel(45, 30), TestPhotos::kBottomRight)) << orientation;
        // The turn is the drawing's, so the user can turn it on from there.
        EXPECT_EQ(FileSystem::Exists(doc->GetDrawingPath(slot)), orientation != 1) << orientation;
    }
    EXPECT_TRUE(host.messages.empty());

    // A photo that brings its own drawing, from another list, keeps that drawing's turn.
    const CString drawing = Drawing("; Zantoby 2.108.0 Drawing Data\nphoto\nselected\n");
    const int slot = doc->ImportPhotoImage(temp.Path() + "camera.jpg", -1, drawing, 0);
    ASSERT_GE(slot, 0);
    EXPECT_EQ(JpegSize(doc->GetMiddlePhotoPath(slot)), CSize(height, width));
    EXPECT_EQ(Bytes(doc->GetDrawingPath(slot)), Bytes(drawing));
}

// A 108-megapixel phone photo is beyond what one bitmap may hold, but its pictures need far less:
// it is decoded reduced. Only a picture that would need more than memory allows is refused, and
// the message says the photo is too large.
TEST_F(ListPhotos, PhotoOf108MegapixelsIsTakenInAndATooLargeOneSaysSo)
{
    const CString source = temp.Path() + "phone.jpg";
    ASSERT_TRUE(TestPhotos::WriteLargeJpeg(source, 12000, 9000));
    const int slot = doc->ImportPhotoImage(source, -1, CString(), 0);
    ASSERT_EQ(slot, 0);
    EXPECT_TRUE(host.messages.empty());
    EXPECT_EQ(doc->GetPhoto(slot).width, 12000);
    EXPECT_EQ(doc->GetPhoto(slot).height, 9000);
    CBitmapEx standard;
    ASSERT_TRUE(standard.LoadJpeg(doc->GetMiddlePhotoPath(slot)));
    EXPECT_EQ(CSize(standard.Width(), standard.Height()), CSize(267, 200));
    EXPECT_TRUE(TestPhotos::IsNear(standard.GetPixel(200, 150), TestPhotos::kBottomRight));
    EXPECT_EQ(JpegSize(doc->GetThumbnailPath(slot)), CSize(80, 60));

    // A standard image of the whole photo's size would need every pixel.
    doc->photoSizes.standardPercent = 100;
    EXPECT_EQ(doc->ImportPhotoImage(source, -1, CString(), 0), -1);
    EXPECT_TRUE(host.HasMessage(40208));
    EXPECT_FALSE(host.HasMessage(40203));
    EXPECT_FALSE(doc->GetPhoto(1).inUse);
}

TEST_F(ListPhotos, FailedRegistrationGivesTheNewSlotBackWithItsFiles)
{
    EXPECT_EQ(doc->ImportPhotoImage(temp.Path() + "missing.jpg", -1, CString(), 0), -1);
    EXPECT_TRUE(host.HasMessage(30200));
    EXPECT_FALSE(doc->GetPhoto(0).inUse);

    CString notPhoto = Drawing("not a photo", "text.jpg");
    EXPECT_EQ(doc->ImportPhotoImage(notPhoto, -1, CString(), 0), -1);
    EXPECT_TRUE(host.HasMessage(40203));
    EXPECT_FALSE(doc->GetPhoto(0).inUse);
    EXPECT_FALSE(FileSystem::Exists(PhotoFolder() + "0000.jpg"));
}

TEST_F(ListPhotos, RerenderWithoutItsOriginalReportsAndKeepsTheSlotRowsReferTo)
{
    int slot = doc->ImportPhotoImage(Photo(80, 60), -1, CString(), 0);
    ASSERT_EQ(slot, 0);
    ASSERT_TRUE(doc->AddPhotoToRow(0, -1, slot, 0));
    fs::remove(Native(doc->GetOriginalPhotoPath(slot)));

    EXPECT_FALSE(doc->RotatePhotoRight(slot));
    EXPECT_TRUE(host.HasMessage(40203));
    EXPECT_TRUE(doc->GetPhoto(slot).inUse);
    EXPECT_NE(doc->AllocPhotoRecord(), slot);
}

TEST_F(ListPhotos, FourRightTurnsComeBackToTheFirstRenderingWithoutTouchingTheOriginal)
{
    CString drawing =
        Drawing("photo\nbox,ps.x1=20,ps.y1=20,ps.x2=60,ps.y2=60,bd.w=1,bd.c=0,bk.c=0,sd.x=0,sd.y=0,"
                "sd.c=-1,sd.s=0\n");
    int slot = doc->ImportPhotoImage(Photo(400, 300), -1, drawing, 0);
    ASSERT_EQ(slot, 0);
    CString original = doc->GetOriginalPhotoPath(slot);
    std::string originalBytes = Bytes(original);
    fs::file_time_type originalTime = fs::last_write_time(Native(original));
    std::string firstRendering = Bytes(doc->GetMiddlePhotoPath(slot));

    ASSERT_TRUE(doc->RotatePhotoRight(slot));
    CDrawingData turned;
    turned.ReadText(Bytes(doc->GetDrawingPath(slot)).c_str());
    EXPECT_EQ(turned.rot, 3);
    // The box turned with the photo: it still covers the same corner of the picture.
    EXPECT_EQ(turned.shapes.GetShape(0)->GetRect(), CRect(240, 20, 280, 60));
    EXPECT_EQ(doc->GetPhoto(slot).height, 400);
    CBitmapEx standard;
    ASSERT_TRUE(standard.LoadJpeg(doc->GetMiddlePhotoPath(slot)));
    ASSERT_EQ(standard.Width(), 150);
    EXPECT_TRUE(TestPhotos::IsNear(standard.GetPixel(100, 60), TestPhotos::kTopLeft));
    EXPECT_TRUE(TestPhotos::IsNear(standard.GetPixel(130, 20), 0));

    for (int i = 0; i < 3; ++i) {
        ASSERT_TRUE(doc->RotatePhotoRight(slot));
    }
    CDrawingData back;
    back.ReadText(Bytes(doc->GetDrawingPath(slot)).c_str());
    EXPECT_EQ(back.rot, 0);
    EXPECT_EQ(Bytes(doc->GetMiddlePhotoPath(slot)), firstRendering);
    EXPECT_EQ(Bytes(original), originalBytes);
    EXPECT_EQ(fs::last_write_time(Native(original)), originalTime);
}

TEST_F(ListPhotos, ThumbnailIsReadOnceAndThePlaceholderStandsInForAMissingFile)
{
    int slot = doc->ImportPhotoImage(Photo(300, 200), -1, CString(), 0);
    ASSERT_EQ(slot, 0);
    CBitmapEx* thumbnail = doc->GetThumbnailBitmap(slot);
    ASSERT_NE(thumbnail, nullptr);
    EXPECT_EQ(thumbnail->Width(), 90);
    fs::remove(Native(doc->GetThumbnailPath(slot)));
    EXPECT_EQ(doc->GetThumbnailBitmap(slot), thumbnail);
    EXPECT_EQ(thumbnail->Width(), 90);

    doc->GetPhoto(slot).thumbnail.reset();
    CBitmapEx* placeholder = doc->GetThumbnailBitmap(slot);
    ASSERT_NE(placeholder, nullptr);
    EXPECT_EQ(placeholder->Height(), 60);
    EXPECT_EQ(placeholder->Width(), 80);

    EXPECT_EQ(doc->GetThumbnailBitmap(1), nullptr);
    EXPECT_EQ(doc->GetThumbnailBitmap(kMaxPhotos), nullptr);
}

// One shape of every kind over a mirrored, turned and corrected photo.
constexpr char kEveryKind[] =
    "; Zantoby 2.108.0 Drawing Data\n"
    "photo,mirror-vert,rot=1,bright=10,shade=15,red=10,green=-5,blue=20\n"
    "selected\n"
    "area,ps.x1=20,ps.y1=20,ps.x2=460,ps.y2=620,\n"
    "shade,ps.x1=200,ps.y1=290,ps.x2=280,ps.y2=350,dot=12\n"
    "box,ps.x1=40,ps.y1=40,ps.x2=200,ps.y2=140,bd.w=5,bd.c=255,bk.c=16777152,sd.x=8,sd.y=8,sd.c=6316128,sd.s="
    "0\n"
    "ellipse,ps.x1=60,ps.y1=170,ps.x2=240,ps.y2=280,bd.w=4,bd.c=8388608,bk.c=-1,sd.x=6,sd.y=6,sd.c=8421504,"
    "sd.s=0\n"
    "polygon,ps=280:180,ps=420:200,ps=440:320,ps=330:340,ps=270:280,bd.w=3,bd.c=32768,bk.c=10092441,sd.x=0,"
    "sd.y=0,sd.c=-1,sd.s=0\n"
    "line,ps=50:320,ps=220:440,ar=20:25:1,ar=24:30:0,bd.w=3,bd.c=0,sd.x=4,sd.y=4,sd.c=12632256,sd.s=0\n"
    "freeline,ps=260:380,ps=300:450,ps=360:400,ps=430:480,ar=0:0:0,ar=22:30:1,bd.w=2,bd.c=16711680,sd.x=0,"
    "sd.y=0,sd.c=-1,sd.s=0\n"
    "text,ps=50:500,ft.nm='ＭＳ ゴシック',ft.sz=16:32,rp=0,bo,tx.c=255,sd.x=2,sd.y=2,sd.c=0,sd.s=0,"
    "tx='写真の説明\\r\\nSecond line'\n"
    "group{\n"
    "  box,ps.x1=300,ps.y1=520,ps.x2=420,ps.y2=600,bd.w=1,bd.c=0,bk.c=-1,sd.x=0,sd.y=0,sd.c=-1,sd.s=0\n"
    "  line,ps=300:520,ps=420:600,ar=0:0:0,ar=0:0:0,bd.w=1,bd.c=0,sd.x=0,sd.y=0,sd.c=-1,sd.s=0\n"
    "}\n";

void WritePng(const Bitmap& constImage, const char* name)
{
    const char* folder = std::getenv("ZANTOBY_TEST_OUTPUT");
    fs::path path = folder != nullptr ? folder : fs::temp_directory_path() / "zantoby-test";
    fs::create_directories(path);
    Bitmap image = constImage;
    cairo_surface_t* surface = cairo_image_surface_create_for_data(
        image.Data(), CAIRO_FORMAT_RGB24, image.Width(), image.Height(), image.Stride());
    EXPECT_EQ(cairo_surface_write_to_png(surface, (path / name).c_str()), CAIRO_STATUS_SUCCESS);
    cairo_surface_destroy(surface);
}

// The standard image is left as a picture to look at, with the placeholder beside it.
TEST_F(ListPhotos, EveryShapeAndCorrectionOverARegisteredPhoto)
{
    doc->photoSizes.standardSize = 300;
    int slot = doc->ImportPhotoImage(Photo(640, 480), -1, Drawing(kEveryKind), 0);
    ASSERT_EQ(slot, 0);
    EXPECT_EQ(doc->GetPhoto(slot).width, 440);
    EXPECT_EQ(doc->GetPhoto(slot).height, 600);
    EXPECT_EQ(JpegSize(doc->GetThumbnailPath(slot)), CSize(44, 60));
    CBitmapEx standard;
    ASSERT_TRUE(standard.LoadJpeg(doc->GetMiddlePhotoPath(slot)));
    EXPECT_EQ(standard.Width(), 220);
    EXPECT_EQ(standard.Height(), 300);
    WritePng(standard, "photo-rendering.png");

    Bitmap placeholder;
    CPhotoPlaceholder::Draw(placeholder, 120);
    WritePng(placeholder, "photo-placeholder.png");
}

} // namespace
