#include "list/drawing/DrawShapeList.h"
#include "list/drawing/DrawBox.h"
#include "list/drawing/DrawGroup.h"
#include "list/drawing/DrawLine.h"

#include "support/TestShapes.h"

#include <gtest/gtest.h>

namespace {

std::unique_ptr<CDrawBox> FilledBox(int x1, int y1, int x2, int y2)
{
    auto box = std::make_unique<CDrawBox>(MakeRect<CDrawBox>(x1, y1, x2, y2));
    box->fillColor = RGB(200, 200, 200);
    return box;
}

std::unique_ptr<CDrawLine> Line(int x1, int y1, int x2, int y2)
{
    return std::make_unique<CDrawLine>(MakeLine(x1, y1, x2, y2));
}

// What the editor does on a click: deselect, test, select what was hit.
int Click(CDrawShapeList& list, int x, int y)
{
    list.DeselectAll();
    int hit = list.HitTest(x, y, 3);
    if (hit >= 0) {
        list.GetShape(hit)->selected = true;
    }
    return hit;
}

} // namespace

TEST(DrawShapeList, RepeatedClicksCycleTopMiddleBottomTop)
{
    CDrawShapeList list;
    list.AddShape(FilledBox(0, 0, 100, 100));
    list.AddShape(FilledBox(10, 10, 110, 110));
    list.AddShape(FilledBox(20, 20, 120, 120));
    EXPECT_EQ(Click(list, 50, 50), 2);
    EXPECT_EQ(Click(list, 50, 50), 1);
    EXPECT_EQ(Click(list, 50, 50), 0);
    EXPECT_EQ(Click(list, 50, 50), 2);
    // Elsewhere only the shapes under the point take part.
    EXPECT_EQ(Click(list, 5, 5), 0);
    EXPECT_EQ(Click(list, 5, 5), 0);
}

TEST(DrawShapeList, MissLeavesTheHitCodeAlone)
{
    CDrawShapeList list;
    list.AddShape(FilledBox(0, 0, 10, 10));
    int code = 42;
    EXPECT_EQ(list.HitTest(500, 500, 3, &code), -1);
    EXPECT_EQ(code, 42);
    EXPECT_EQ(list.HitTest(5, 5, 3, &code), 0);
    EXPECT_EQ(code, HitCode::kBody);
}

TEST(DrawShapeList, WithSeveralSelectedAPressCanOnlyMove)
{
    CDrawShapeList list;
    list.AddShape(FilledBox(0, 0, 100, 100));
    list.AddShape(FilledBox(200, 0, 300, 100));
    list.GetShape(0)->selected = true;
    int code = 0;
    list.HitTest(100, 100, 3, &code);
    EXPECT_EQ(code, HitCode::kTopLeftBottomRight);
    list.GetShape(1)->selected = true;
    list.HitTest(100, 100, 3, &code);
    EXPECT_EQ(code, HitCode::kBody);
}

TEST(DrawShapeList, ResizeModesActOnTheFirstSelectedShapeOnly)
{
    CDrawShapeList list;
    list.AddShape(FilledBox(0, 0, 100, 100));
    list.AddShape(FilledBox(0, 0, 100, 100));
    list.AddShape(FilledBox(0, 0, 100, 100));
    list.GetShape(1)->selected = true;
    list.GetShape(2)->selected = true;
    list.MoveResize(HitCode::kTopLeftBottomRight, 100, 100, 150, 120, 3);
    EXPECT_EQ(list.GetShape(1)->GetRect(), CRect(0, 0, 150, 120));
    EXPECT_EQ(list.GetShape(2)->GetRect(), CRect(0, 0, 100, 100));
    list.MoveResize(HitCode::kBody, 0, 0, 10, 10, 3);
    EXPECT_EQ(list.GetShape(0)->GetRect(), CRect(0, 0, 100, 100));
    EXPECT_EQ(list.GetShape(1)->GetRect(), CRect(10, 10, 160, 130));
    EXPECT_EQ(list.GetShape(2)->GetRect(), CRect(10, 10, 110, 110));
    list.MoveResize(HitCode::kCreating, 0, 0, 10, 10, 3);
    EXPECT_EQ(list.GetShape(2)->GetRect(), CRect(10, 10, 110, 110));
}

TEST(DrawShapeList, SelectionHandlesAndBounds)
{
    CDrawShapeList list;
    EXPECT_TRUE(list.GetBounds().IsRectNull());
    EXPECT_TRUE(list.GetSelectedBounds().IsRectNull());
    list.AddShape(FilledBox(0, 0, 10, 10));
    list.AddShape(Line(50, 60, 70, 80));
    list.AddShape(FilledBox(-20, 5, -10, 15));
    EXPECT_EQ(list.SelectInRect(CRect(5, 5, 60, 70)), 2);
    EXPECT_EQ(list.CountSelected(), 2);
    EXPECT_EQ(list.GetSelectedBounds(), CRect(0, 0, 70, 80));
    EXPECT_EQ(list.GetBounds(), CRect(-20, 0, 70, 80));
    CPointArray handles;
    handles.AddPoint(1, 1);
    EXPECT_EQ(list.GetHandlePoints(handles), 10);
    EXPECT_EQ(handles.Point(8), CPoint(50, 60));
    list.DeselectAll();
    EXPECT_EQ(list.CountSelected(), 0);
}

TEST(DrawShapeList, LevelLinesCountInTheBounds)
{
    // Windows' union would drop a rectangle of no height, leaving a group frame off its lines.
    CDrawShapeList list;
    list.AddShape(Line(0, 10, 100, 10));
    list.AddShape(Line(0, 50, 200, 50));
    EXPECT_EQ(list.GetBounds(), CRect(0, 10, 200, 50));
}

TEST(DrawGroup, MembersMoveFlipAndTurnTogether)
{
    CDrawGroup group;
    group.AddMember(FilledBox(0, 0, 10, 10));
    group.AddMember(Line(20, 0, 30, 20));
    group.AddMember(nullptr);
    EXPECT_EQ(group.members.GetSize(), 2);
    EXPECT_EQ(group.bounds, CRect(0, 0, 30, 20));

    group.MoveResize(HitCode::kTopLeftBottomRight, 0, 0, 5, 5, 3);
    EXPECT_EQ(group.bounds, CRect(5, 5, 35, 25));
    EXPECT_EQ(group.members.GetShape(0)->GetRect(), CRect(5, 5, 15, 15));

    group.FlipHorizontal(CRect(0, 0, 100, 100));
    EXPECT_EQ(group.bounds, CRect(65, 5, 95, 25));
    group.Rotate(1, CRect(0, 0, 100, 100));
    EXPECT_EQ(group.bounds, group.GetRect());
    EXPECT_EQ(group.bounds, CRect(5, 5, 25, 35));
}

TEST(DrawGroup, FlippingWithAnotherShapeKeepsTheFrameOnTheMembers)
{
    CDrawShapeList list;
    auto group = std::make_unique<CDrawGroup>();
    group->AddMember(FilledBox(0, 0, 10, 10));
    group->AddMember(FilledBox(20, 0, 30, 10));
    group->selected = true;
    list.AddShape(std::move(group));
    auto box = FilledBox(100, 0, 120, 50);
    box->selected = true;
    list.AddShape(std::move(box));
    CRect frame = list.GetSelectedBounds();
    for (int i = 0; i < list.GetSize(); ++i) {
        list.GetShape(i)->FlipHorizontal(frame);
    }
    auto* flipped = static_cast<CDrawGroup*>(list.GetShape(0));
    EXPECT_EQ(flipped->bounds, CRect(90, 0, 120, 10));
    EXPECT_EQ(flipped->bounds, flipped->GetRect());
}

TEST(DrawGroup, SelectedGroupIsGrabbedByItsFrameOnly)
{
    CDrawGroup group;
    group.AddMember(FilledBox(0, 0, 40, 40));
    group.AddMember(FilledBox(60, 60, 100, 100));
    EXPECT_EQ(group.HitTest(20, 20, 3), HitCode::kBody);
    EXPECT_EQ(group.HitTest(50, 50, 3), HitCode::kNone);
    group.selected = true;
    EXPECT_EQ(group.HitTest(20, 20, 3), HitCode::kNone);
    EXPECT_EQ(group.HitTest(100, 50, 3), HitCode::kBody);
    EXPECT_EQ(group.HitTest(0, 0, 3), HitCode::kBody); // no handle codes
}

TEST(DrawGroup, SelectionRectangleSelectsTheMembersItCatches)
{
    CDrawGroup group;
    group.AddMember(FilledBox(0, 0, 40, 40));
    group.AddMember(FilledBox(60, 60, 100, 100));
    EXPECT_FALSE(group.IntersectsRect(CRect(45, 45, 55, 55)));
    EXPECT_TRUE(group.IntersectsRect(CRect(30, 30, 50, 50)));
    EXPECT_TRUE(group.members.GetShape(0)->selected);
    EXPECT_FALSE(group.members.GetShape(1)->selected);
}

TEST(DrawGroup, CountsLeavesThroughNestedGroups)
{
    CDrawGroup group;
    group.AddMember(FilledBox(0, 0, 10, 10));
    auto inner = std::make_unique<CDrawGroup>();
    inner->AddMember(Line(0, 0, 5, 5));
    inner->AddMember(Line(5, 5, 9, 9));
    group.AddMember(std::move(inner));
    EXPECT_EQ(group.CountLeaves(), 3);
}

TEST(DrawGroup, CloneCopiesMembersDeeply)
{
    CDrawGroup group;
    group.AddMember(FilledBox(0, 0, 10, 10));
    auto inner = std::make_unique<CDrawGroup>();
    inner->AddMember(Line(0, 0, 5, 5));
    group.AddMember(std::move(inner));
    group.selected = true;
    auto copy = group.Clone();
    auto& g = static_cast<CDrawGroup&>(*copy);
    EXPECT_FALSE(g.selected);
    EXPECT_EQ(g.CountLeaves(), 2);
    EXPECT_EQ(g.bounds, group.bounds);
    group.MoveResize(HitCode::kBody, 0, 0, 50, 50, 3);
    EXPECT_EQ(g.members.GetShape(0)->GetRect(), CRect(0, 0, 10, 10));
}
