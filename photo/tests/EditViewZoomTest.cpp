#include "photo/EditViewZoom.h"

#include <gtest/gtest.h>

namespace {

TEST(EditViewZoom, FitModesScaleThePhotoIntoTheWindowLessItsMargins)
{
    CEditViewZoom zoom;
    // Opening never enlarges a small photo.
    zoom.SetZoom(CEditViewZoom::kFitWindowAtMost100, 0, CSize(100, 50), CSize(408, 408), CPoint(0, 0));
    EXPECT_EQ(zoom.mapping.zoom, 10000);
    EXPECT_EQ(zoom.viewSize, CSize(100, 50));
    zoom.SetZoom(CEditViewZoom::kFitWindow, 0, CSize(100, 50), CSize(408, 408), CPoint(0, 0));
    EXPECT_EQ(zoom.mapping.zoom, 40000);
    EXPECT_EQ(zoom.viewSize, CSize(400, 200));
    zoom.SetZoom(CEditViewZoom::kFitHeight, 0, CSize(100, 50), CSize(408, 408), CPoint(0, 0));
    EXPECT_EQ(zoom.mapping.zoom, 80000);
    EXPECT_EQ(zoom.viewSize, CSize(800, 400));
    EXPECT_EQ(zoom.GetTotalSize(), CSize(808, 408));
    // A fit below the smallest step still maps the pointer onto the photo and hits shapes.
    zoom.SetZoom(CEditViewZoom::kFitWidth, 0, CSize(10000, 100), CSize(508, 100), CPoint(0, 0));
    EXPECT_EQ(zoom.mapping.zoom, 500);
    EXPECT_EQ(zoom.mapping.GetHitTolerance(), 60);
    CPoint point(100, 100);
    zoom.mapping.ViewToImage(point);
    EXPECT_EQ(point, CPoint(1940, 1940));
    CRect visible(4, 4, 504, 54);
    zoom.ViewToImageRect(visible);
    EXPECT_EQ(visible, CRect(0, 0, 10000, 1000));
    // A window without room for the photo shows none of it.
    zoom.SetZoom(CEditViewZoom::kFitWidth, 0, CSize(10000, 100), CSize(8, 100), CPoint(0, 0));
    EXPECT_EQ(zoom.mapping.zoom, 0);
    point = CPoint(100, 100);
    zoom.mapping.ViewToImage(point);
    EXPECT_EQ(point, CPoint(-1, -1));
}

TEST(EditViewZoom, StepsAndTheAnchorKeptInView)
{
    CEditViewZoom zoom;
    zoom.SetZoom(CEditViewZoom::kExplicit, 10000, CSize(1000, 1000), CSize(200, 200), CPoint(100, 100));
    EXPECT_EQ(zoom.GetZoomInStep(), 20000);
    EXPECT_EQ(zoom.GetZoomOutStep(), 5000);
    // The photo pixel under the window's centre stays there.
    zoom.SetZoom(CEditViewZoom::kExplicit, 20000, CSize(1000, 1000), CSize(200, 200), CPoint(100, 100));
    CPoint centre(100, 100);
    zoom.ClientToView(centre);
    zoom.mapping.ViewToImage(centre);
    EXPECT_NEAR(centre.x, 97, 1);
    zoom.SetZoom(CEditViewZoom::kExplicit, 1500, CSize(1000, 1000), CSize(200, 200), CPoint(100, 100));
    EXPECT_EQ(zoom.GetZoomOutStep(), 1000);
    zoom.SetZoom(CEditViewZoom::kExplicit, 80000, CSize(10, 10), CSize(2000, 2000), CPoint(0, 0));
    EXPECT_EQ(zoom.GetZoomInStep(), 0);
    EXPECT_EQ(zoom.mapping.scroll, CPoint(0, 0));
}

} // namespace
