#include "foundation/BitmapEx.h"
#include "list/PhotoRegistration.h"
#include "list/PhotoRenderer.h"
#include "list/drawing/DrawingData.h"
#include "platform/FileSystem.h"
#include "support/TempFolder.h"
#include "support/TestPhotos.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <fstream>

namespace {

// How far two pictures of one size lie apart, over every channel of every pixel.
struct Difference
{
    double mean = 0;
    double beyond24 = 0; // the share of channels that differ by more than 24
    int largest = 0;
};

Difference Compare(const Bitmap& a, const Bitmap& b)
{
    Difference difference;
    long long sum = 0;
    long long beyond = 0;
    for (int y = 0; y < a.Height(); ++y) {
        for (int x = 0; x < a.Width(); ++x) {
            for (int shift : {0, 8, 16}) {
                const int d = std::abs(static_cast<int>((a.GetPixel(x, y) >> shift & 0xFF)) -
                                       static_cast<int>((b.GetPixel(x, y) >> shift & 0xFF)));
                sum += d;
                beyond += d > 24 ? 1 : 0;
                difference.largest = std::max(difference.largest, d);
            }
        }
    }
    const double channels = 3.0 * a.Width() * a.Height();
    difference.mean = static_cast<double>(sum) / channels;
    difference.beyond24 = static_cast<double>(beyond) / channels;
    return difference;
}

TEST(PhotoSizes, StandardAndThumbnailFollowTheListSettings)
{
    PhotoSizeSettings sizes;
    CPhotoRenderer byHeight(sizes);
    EXPECT_EQ(byHeight.StandardSize(3000, 2000), CSize(300, 200));
    EXPECT_EQ(byHeight.ThumbnailSize(3000, 2000), CSize(90, 60));
    EXPECT_EQ(byHeight.StandardSize(2000, 3000), CSize(133, 200));
    EXPECT_EQ(byHeight.ThumbnailSize(2000, 3000), CSize(40, 60));
    // Smaller than the limits: kept as it is.
    EXPECT_EQ(byHeight.StandardSize(120, 50), CSize(120, 50));
    EXPECT_EQ(byHeight.ThumbnailSize(120, 50), CSize(120, 50));
    // A sliver keeps at least one pixel of its short side.
    EXPECT_EQ(byHeight.StandardSize(4, 2000), CSize(1, 200));

    sizes.shortSide = true;
    CPhotoRenderer byShortSide(sizes);
    EXPECT_EQ(byShortSide.StandardSize(2000, 3000), CSize(200, 300));
    EXPECT_EQ(byShortSide.ThumbnailSize(2000, 3000), CSize(60, 90));
    EXPECT_EQ(byShortSide.StandardSize(3000, 2000), CSize(300, 200));

    sizes.shortSide = false;
    sizes.standardPercent = 50;
    CPhotoRenderer byPercent(sizes);
    EXPECT_EQ(byPercent.StandardSize(1500, 1000), CSize(750, 500));
    EXPECT_EQ(byPercent.StandardSize(300, 200), CSize(300, 200));
}

// "mirror-vert" exchanges left and right, "mirror-horz" reverses the rows; the turn follows,
// then the colour corrections, and the shapes come last in the coordinates of the turned photo.
TEST(PhotoRendering, MirrorsTurnCorrectionsAndShapesApplyInTheirOrder)
{
    CBitmapEx image;
    static_cast<Bitmap&>(image) = TestPhotos::Quadrants(8, 6);
    CDrawingData drawing;
    drawing.ReadText("photo,mirror-vert,rot=1,bright=-20,blue=30\n"
                     "box,ps.x1=0,ps.y1=0,ps.x2=2,ps.y2=2,bd.w=1,bd.c=8421504,bk.c=8421504,sd.x=0,sd.y=0,"
                     "sd.c=-1,sd.s=0\n");
    CRect frame;
    CString error;
    ASSERT_TRUE(CPhotoRenderer::ApplyDrawing(image, drawing, frame, error));
    ASSERT_EQ(image.Width(), 6);
    ASSERT_EQ(image.Height(), 8);
    EXPECT_EQ(frame, CRect(0, 0, 6, 8));
    EXPECT_EQ(image.GetPixel(0, 0), 0x808080u);
    EXPECT_EQ(image.GetPixel(1, 1), 0x808080u);
    EXPECT_EQ(image.GetPixel(2, 0), 0xEB000Au); // red, from the top right after the mirror
    EXPECT_EQ(image.GetPixel(5, 0), 0x0000FFu); // blue, from the bottom right
    EXPECT_EQ(image.GetPixel(0, 7), 0x00EB0Au); // green, from the top left
    EXPECT_EQ(image.GetPixel(5, 7), 0xEBEBFFu); // white, from the bottom left

    static_cast<Bitmap&>(image) = TestPhotos::Quadrants(80, 60);
    CDrawingData cropped;
    cropped.ReadText("photo,mirror-horz\narea,ps.x1=70,ps.y1=55,ps.x2=10,ps.y2=5,\n");
    ASSERT_TRUE(CPhotoRenderer::ApplyDrawing(image, cropped, frame, error));
    EXPECT_EQ(frame, CRect(10, 5, 70, 55));
    EXPECT_EQ(image.GetPixel(30, 40), TestPhotos::kTopLeft);
    EXPECT_EQ(image.GetPixel(30, 20), TestPhotos::kBottomLeft);
}

// Taken in, a photo is decoded at a fraction of its size; its pictures must look as if the photo
// had been decoded whole: shapes, text, mosaic, corrections, turns and crops alike.
TEST(PhotoRendering, ReducedDecodeLooksLikeTheWholePhoto)
{
    TempFolder temp;
    const CString photo = temp.Path() + "camera.jpg";
    CBitmapEx camera;
    static_cast<Bitmap&>(camera) = TestPhotos::CameraLike(1600, 1200);
    ASSERT_TRUE(camera.SaveJpeg(photo, 92));
    const char* const drawings[] = {
        "photo,bright=12,shade=-20,red=8\n"
        "box,ps.x1=200,ps.y1=150,ps.x2=800,ps.y2=600,bd.w=6,bd.c=255,bk.c=-1,sd.x=10,sd.y=10,sd.c=0,sd.s=0\n"
        "line,ps=1000:1100,ps=820:620,ar=60:25:1,ar=0:0:0,bd.w=1,bd.c=65280,sd.x=0,sd.y=0,sd.c=-1,sd.s=0\n"
        "ellipse,ps.x1=900,ps.y1=100,ps.x2=1500,ps.y2=500,bd.w=3,bd.c=16711680,bk.c=8421504,sd.x=0,sd.y=0,"
        "sd.c=-1,sd.s=0\n"
        "shade,ps.x1=1100,ps.y1=700,ps.x2=1500,ps.y2=1100,dot=24\n"
        "text,ps=100:900,ft.nm='ＭＳ ゴシック',ft.sz=30:60,rp=0,bo,tx.c=16777215,sd.x=4,sd.y=4,sd.c=0,sd.s=0,"
        "tx='傷あり ABC'\n",
        "photo,mirror-vert,rot=1,blue=-30\n"
        "area,ps.x1=101,ps.y1=203,ps.x2=1107,ps.y2=1493,\n"
        "box,ps.x1=300,ps.y1=300,ps.x2=700,ps.y2=900,bd.w=1,bd.c=0,bk.c=65535,sd.x=0,sd.y=0,sd.c=-1,sd.s=0\n"
        "text,ps=200:1300,ft.nm='ＭＳ 明朝',ft.sz=50:80,rp=0,an=30,tx.c=255,sd.x=0,sd.y=0,sd.c=-1,sd.s=0,"
        "tx='斜めの文字'\n",
    };
    const PhotoSizeSettings sizes;
    const CPhotoRenderer renderer(sizes);
    for (const char* text : drawings) {
        const CString drawingPath = temp.Path() + "photo.drw";
        std::ofstream(FileSystem::ToNative(drawingPath)) << text;
        CDrawingData drawing;
        drawing.ReadText(text);

        // The whole photo, as the editor renders it.
        CBitmapEx whole;
        ASSERT_TRUE(whole.LoadJpeg(photo));
        CRect frame;
        CString error;
        ASSERT_TRUE(CPhotoRenderer::ApplyDrawing(whole, drawing, frame, error));
        ASSERT_TRUE(renderer.WriteImages(whole, frame, temp.Path() + "whole-m.jpg", temp.Path() + "whole-s.jpg",
                                         error));
        EXPECT_GE(renderer.ChooseReduction(CSize(1600, 1200), frame), 4) << "the photo is decoded reduced";

        CPhotoRegistration registration("2.108.0");
        registration.originalPath = photo;
        registration.drawingPath = drawingPath;
        registration.standardPath = temp.Path() + "reduced-m.jpg";
        registration.thumbnailPath = temp.Path() + "reduced-s.jpg";
        registration.sizes = sizes;
        registration.Run();
        ASSERT_EQ(registration.outcome, CPhotoRegistration::Outcome::kDone) << registration.error.GetString();
        EXPECT_EQ(registration.size, frame.Size());

        for (const char* kind : {"-m.jpg", "-s.jpg"}) {
            CBitmapEx expected;
            CBitmapEx reduced;
            ASSERT_TRUE(expected.LoadJpeg(temp.Path() + "whole" + kind));
            ASSERT_TRUE(reduced.LoadJpeg(temp.Path() + "reduced" + kind));
            ASSERT_EQ(reduced.Width(), expected.Width());
            ASSERT_EQ(reduced.Height(), expected.Height());
            const Difference difference = Compare(reduced, expected);
            // Edges finer than a reduced pixel spread over it, and the JPEGs' halved colour
            // resolution shows that most; the thumbnails show what is left to the eye.
            const bool standard = kind[1] == 'm';
            EXPECT_LT(difference.mean, standard ? 3.0 : 2.5) << kind;
            EXPECT_LT(difference.beyond24, standard ? 0.01 : 0.001) << kind;
            EXPECT_LE(difference.largest, standard ? 128 : 32) << kind;
        }
    }
}

// A damaged drawing with corrections at the ends of the int range renders as the strongest
// corrections the photo's properties give: white or black, never wrapped round.
TEST(PhotoRendering, ExtremeCorrectionsStayInRange)
{
    for (const char* line : {"photo,bright=2147483647\n", "photo,bright=-2147483648,shade=-2147483648\n"}) {
        CBitmapEx image;
        static_cast<Bitmap&>(image) = TestPhotos::Quadrants(8, 6);
        CDrawingData drawing;
        drawing.ReadText(line);
        CRect frame;
        CString error;
        ASSERT_TRUE(CPhotoRenderer::ApplyDrawing(image, drawing, frame, error));
        const Bitmap::Pixel expected = line[13] == '2' ? 0xFFFFFFu : 0x000000u;
        for (int y = 0; y < image.Height(); ++y) {
            for (int x = 0; x < image.Width(); ++x) {
                ASSERT_EQ(image.GetPixel(x, y), expected) << line << " at " << x << "," << y;
            }
        }
    }
}

} // namespace
