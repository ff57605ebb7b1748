#include "photo/batch/PhotoFit.h"
#include "photo/batch/SizeCheckGeometry.h"

#include <gtest/gtest.h>

namespace {

TEST(PhotoFit, PreviewKeepsASmallPhotoAtItsSizeAndShrinksALargeOneInProportion)
{
    const CRect frame(10, 10, 210, 160); // 200 x 150
    EXPECT_EQ(CPhotoFit::Preview(frame, CSize(100, 50)), CRect(60, 60, 160, 110));
    // 800 x 400 is relatively wider: it takes the frame's width.
    EXPECT_EQ(CPhotoFit::Preview(frame, CSize(800, 400)), CRect(10, 35, 210, 135));
    EXPECT_TRUE(CPhotoFit::Preview(frame, CSize(0, 0)).IsRectEmpty());
}

TEST(PhotoFit, AVeryWideZoomWindowShowsThePhotoAtFullHeightWithBandsOnBothSides)
{
    const CRect frame(0, 0, 1000, 200);
    const CRect image = CPhotoFit::Fill(frame, CSize(400, 300));
    EXPECT_EQ(image, CRect(366, 0, 633, 200)); // 267 wide, centred
    const auto bands = CPhotoFit::Surround(frame, image);
    EXPECT_TRUE(bands[0].IsRectEmpty());
    EXPECT_TRUE(bands[1].IsRectEmpty());
    EXPECT_EQ(bands[2], CRect(0, 0, 366, 200));
    EXPECT_EQ(bands[3], CRect(633, 0, 1000, 200));
    // A small photo is enlarged to fill.
    EXPECT_EQ(CPhotoFit::Fill(CRect(0, 0, 300, 300), CSize(30, 10)), CRect(0, 100, 300, 200));
}

TEST(PhotoFit, CentreShowsTheMiddleOfALargerPhotoUnscaled)
{
    CRect destination;
    CRect source;
    CPhotoFit::Centre(CRect(2, 2, 102, 52), CSize(300, 20), destination, source);
    EXPECT_EQ(destination, CRect(2, 17, 102, 37));
    EXPECT_EQ(source, CRect(100, 0, 200, 20));
}

TEST(SizeCheckGeometry, TheSamplePictureIsTheLargest3To2RectangleAndItsHeightIsTheLength)
{
    EXPECT_EQ(CSizeCheckGeometry::ClientFor(1280), CSize(1920, 1280));
    EXPECT_EQ(CSizeCheckGeometry::PictureRect(CSize(600, 300)), CRect(0, 0, 450, 300));
    EXPECT_EQ(CSizeCheckGeometry::RestRect(CSize(600, 300)), CRect(450, 0, 600, 300));
    // Too narrow for its height: the width limits the picture.
    EXPECT_EQ(CSizeCheckGeometry::PictureRect(CSize(300, 300)), CRect(0, 0, 300, 200));
    EXPECT_EQ(CSizeCheckGeometry::RestRect(CSize(300, 300)), CRect(0, 200, 300, 300));
}

} // namespace
