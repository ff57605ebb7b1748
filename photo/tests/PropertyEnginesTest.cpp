#include "list/drawing/DrawArea.h"
#include "list/drawing/DrawBox.h"
#include "list/drawing/DrawGroup.h"
#include "list/drawing/DrawLine.h"
#include "list/drawing/DrawPolygon.h"
#include "list/drawing/DrawText.h"
#include "photo/PhotoPropertiesState.h"
#include "photo/PointListEditor.h"
#include "photo/ShapePropertyValues.h"

#include <gtest/gtest.h>

namespace {

TEST(ShapePropertyValues, ABoxKeepsItsRectangleAsEnteredAnAreaIsNormalised)
{
    CDrawBox box;
    ShapePropertyValues values = ShapePropertyValues::From(box);
    values.rect = CRect(50, 40, 10, 5);
    values.fillColor = kDefaultColor;
    values.shadowColor = RGB(1, 2, 3);
    values.shadowX = 500;
    values.ApplyTo(box);
    EXPECT_EQ(box.GetRect(), CRect(50, 40, 10, 5));
    EXPECT_EQ(box.fillColor, kDefaultColor);
    EXPECT_EQ(box.shadow.color, RGB(1, 2, 3));
    EXPECT_EQ(box.shadow.x, 99);

    CDrawArea area;
    values.ApplyTo(area);
    EXPECT_EQ(area.GetRect(), CRect(10, 5, 50, 40));
}

// On a photo 11,000 pixels wide a shape lies beyond 9,999; taking its values and giving them
// back unchanged, as a dialog closed with its OK button does, must leave it where it is.
TEST(ShapePropertyValues, ShapesFarOutOnALargePhotoKeepTheirPlace)
{
    CDrawBox box;
    box.SetRect(CRect(10900, 8800, 11400, 9200));
    ShapePropertyValues::From(box).ApplyTo(box);
    EXPECT_EQ(box.GetRect(), CRect(10900, 8800, 11400, 9200));

    CDrawLine line;
    line.start = CPoint(-12000, 10950);
    line.end = CPoint(10990, 45000);
    ShapePropertyValues::From(line).ApplyTo(line);
    EXPECT_EQ(line.start, CPoint(-12000, 10950));
    EXPECT_EQ(line.end, CPoint(10990, 45000));

    CDrawText text;
    text.text = "傷";
    text.corners[0] = CPoint(10900, 300);
    ShapePropertyValues::From(text).ApplyTo(text);
    EXPECT_EQ(text.corners[0], CPoint(10900, 300));
}

TEST(ShapePropertyValues, PolygonPointsTextAndGroupGoBackIntoTheirShapes)
{
    CDrawPolygon polygon;
    polygon.points.AddPoint(0, 0);
    polygon.points.AddPoint(10, 0);
    polygon.points.AddPoint(10, 10);
    ShapePropertyValues values = ShapePropertyValues::From(polygon);
    ASSERT_EQ(values.points.size(), 3u);
    values.points.emplace_back(-2000000, 5);
    values.ApplyTo(polygon);
    ASSERT_EQ(polygon.points.GetSize(), 4);
    EXPECT_EQ(polygon.points.Point(3), CPoint(-1000000, 5));

    CDrawText text;
    ShapePropertyValues words = ShapePropertyValues::From(text);
    words.text = "見出し";
    words.start = CPoint(7, 8);
    words.charHeight = 2;
    words.ApplyTo(text);
    EXPECT_EQ(text.text, "見出し");
    EXPECT_EQ(text.corners[0], CPoint(7, 8));
    EXPECT_EQ(text.charHeight, 8);

    CDrawGroup group;
    auto box = std::make_unique<CDrawBox>();
    box->SetRect(CRect(10, 10, 20, 20));
    group.AddMember(std::move(box));
    ShapePropertyValues place = ShapePropertyValues::From(group);
    EXPECT_EQ(place.leafCount, 1);
    place.rect.left = 30;
    place.rect.top = 0;
    place.ApplyTo(group);
    EXPECT_EQ(group.GetRect(), CRect(30, 0, 40, 10));
}

TEST(PointListEditor, NeverGoesBelowThreePointsAndSteps10PixelsForNewOnes)
{
    std::vector<CPoint> points = {{0, 0}, {10, 0}, {10, 10}};
    CPointListEditor editor(points);
    EXPECT_EQ(editor.Delete(1), 1);
    EXPECT_EQ(points.size(), 3u);
    EXPECT_EQ(editor.Append(0), 3);
    EXPECT_EQ(points.back(), CPoint(20, 20));
    EXPECT_EQ(editor.InsertBefore(1), 1);
    EXPECT_EQ(points[1], CPoint(0, -10));
    EXPECT_EQ(editor.MoveUp(0), 0);
    EXPECT_EQ(editor.MoveDown(4), 4);
    EXPECT_EQ(editor.MoveDown(0), 1);
    EXPECT_EQ(points[1], CPoint(0, 0));
    EXPECT_EQ(editor.Delete(4), 3);
    EXPECT_EQ(points.size(), 4u);
}

TEST(PhotoPropertiesState, BarsWriteThroughPreviewAfterFiveTicksAndCancelRestores)
{
    int values[5] = {10, 0, 0, 0, -3};
    CString comment = "前";
    CPhotoPropertiesState state({&values[0], &values[1], &values[2], &values[3], &values[4]}, &comment, true);
    EXPECT_EQ(state.GetPosition(0), 266);
    state.MoveBar(2, 300);
    EXPECT_EQ(values[2], 44);
    int ticks = 1;
    while (!state.Tick()) {
        ++ticks;
    }
    EXPECT_EQ(ticks, 5);
    EXPECT_FALSE(state.Tick());
    state.Cancel();
    EXPECT_EQ(values[2], 0);
    EXPECT_EQ(comment, "前");

    state.Reset();
    state.Ok("後");
    EXPECT_TRUE(state.IsChanged());
    EXPECT_EQ(values[0], 0);
    EXPECT_EQ(values[4], 0);
    EXPECT_EQ(comment, "後");
}

TEST(PhotoPropertiesState, APhotoOnlyShownChangesNothing)
{
    CPhotoPropertiesState state({nullptr, nullptr, nullptr, nullptr, nullptr}, nullptr, true);
    EXPECT_FALSE(state.IsEditable());
    state.MoveBar(0, 400);
    state.Reset();
    EXPECT_FALSE(state.IsChanged());
    EXPECT_EQ(state.GetValue(0), 0);
}

} // namespace
