#include "list/drawing/DrawBox.h"
#include "list/drawing/DrawEllipse.h"
#include "list/drawing/DrawFreeLine.h"
#include "list/drawing/DrawLine.h"
#include "list/drawing/DrawPolygon.h"
#include "list/drawing/DrawShade.h"
#include "list/drawing/DrawText.h"

#include "support/FakeDrawingHost.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

TEST(DrawShapeKind, EachKindOpensItsOwnDialogAndCopiesAsItself)
{
    std::vector<std::unique_ptr<CDrawShape>> shapes;
    shapes.push_back(std::make_unique<CDrawLine>());
    shapes.push_back(std::make_unique<CDrawFreeLine>());
    shapes.push_back(std::make_unique<CDrawPolygon>());
    shapes.push_back(std::make_unique<CDrawBox>());
    shapes.push_back(std::make_unique<CDrawEllipse>());
    shapes.push_back(std::make_unique<CDrawShade>());
    shapes.push_back(std::make_unique<CDrawText>());
    const char* const kinds[] = {DrawKind::kLine,    DrawKind::kFreeLine, DrawKind::kPolygon, DrawKind::kBox,
                                 DrawKind::kEllipse, DrawKind::kShade,    DrawKind::kText};
    FakeDrawingHost host;
    std::vector<std::string> expectedDialogs;
    for (size_t i = 0; i < shapes.size(); ++i) {
        CDrawShape& shape = *shapes[i];
        // Kinds are told apart by the pointer of their name.
        EXPECT_EQ(shape.KindName(), kinds[i]) << kinds[i];
        shape.selected = true;
        std::unique_ptr<CDrawShape> copy = shape.Clone();
        ASSERT_NE(copy, nullptr) << kinds[i];
        EXPECT_EQ(copy->KindName(), kinds[i]);
        EXPECT_FALSE(copy->selected) << kinds[i];
        EXPECT_TRUE(shape.selected) << kinds[i];
        EXPECT_TRUE(copy->Properties(host)) << kinds[i];
        expectedDialogs.push_back(kinds[i]);
    }
    EXPECT_EQ(host.dialogsRun, expectedDialogs);
}

TEST(DrawShapeKind, CopiesKeepEveryFieldOfTheKindAndItsStyle)
{
    CDrawPolygon polygon;
    polygon.points.AddPoint(3, 4);
    polygon.points.AddPoint(30, 40);
    polygon.borderWidth = 5;
    polygon.fillColor = RGB(1, 2, 3);
    polygon.shadow.x = 7;
    auto polygonCopy = polygon.Clone();
    auto& p = static_cast<CDrawPolygon&>(*polygonCopy);
    polygon.points.Point(1) = CPoint(0, 0);
    ASSERT_EQ(p.points.GetSize(), 2);
    EXPECT_EQ(p.points.Point(1), CPoint(30, 40));
    EXPECT_EQ(p.borderWidth, 5);
    EXPECT_EQ(p.fillColor, RGB(1, 2, 3));
    EXPECT_EQ(p.shadow.x, 7);

    CDrawEllipse ellipse;
    ellipse.SetRect(CRect(1, 2, 30, 40));
    ellipse.borderColor = RGB(9, 8, 7);
    auto ellipseCopy = ellipse.Clone();
    auto& e = static_cast<CDrawEllipse&>(*ellipseCopy);
    EXPECT_EQ(e.GetRect(), CRect(1, 2, 30, 40));
    EXPECT_EQ(e.borderColor, RGB(9, 8, 7));
}
