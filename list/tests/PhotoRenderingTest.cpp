#include "foundation/BitmapEx.h"
#include "list/PhotoRenderer.h"
#include "list/drawing/DrawingData.h"
#include "support/TestPhotos.h"

#include <gtest/gtest.h>

namespace {

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
