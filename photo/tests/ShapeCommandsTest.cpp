#include "photo/ShapeCommands.h"
#include "list/drawing/DrawArea.h"
#include "list/drawing/DrawBox.h"
#include "list/drawing/DrawGroup.h"
#include "support/EditorFixture.h"
#include "support/TestPhotos.h"

#include <gtest/gtest.h>

namespace {

class ShapeCommands : public EditorFixture
{
  protected:
    ShapeCommands() : commands(model) { OpenPhoto(); }

    CDrawShape* Add(std::unique_ptr<CDrawShape> shape, bool selected)
    {
        shape->selected = selected;
        CDrawShape* added = shape.get();
        Shapes().AddShape(std::move(shape));
        return added;
    }
    CDrawShape* AddBox(int left, bool selected)
    {
        auto box = std::make_unique<CDrawBox>();
        box->SetRect(CRect(left, 0, left + 10, 10));
        return Add(std::move(box), selected);
    }
    CDrawShape* AddArea(bool selected)
    {
        auto area = std::make_unique<CDrawArea>();
        area->SetRect(CRect(0, 0, 60, 30));
        area->selected = selected;
        CDrawShape* added = area.get();
        Shapes().InsertAt(0, area.release());
        Shapes().hasArea = true;
        return added;
    }
    CDrawShapeList& Shapes() { return model.drawing.shapes; }
    CDrawShape* At(int index) { return Shapes().GetShape(index); }

    CShapeCommands commands;
};

TEST_F(ShapeCommands, GroupAndUngroupGiveBackTheSameShapesSelected)
{
    CDrawShape* a = AddBox(0, true);
    CDrawShape* b = AddBox(20, false);
    CDrawShape* c = AddBox(40, true);
    commands.Group();
    ASSERT_EQ(Shapes().GetSize(), 2);
    EXPECT_EQ(At(0), b);
    auto* group = dynamic_cast<CDrawGroup*>(At(1));
    ASSERT_NE(group, nullptr);
    EXPECT_TRUE(group->selected);
    EXPECT_EQ(group->CountLeaves(), 2);
    EXPECT_EQ(group->GetRect(), CRect(0, 0, 50, 10));

    commands.Ungroup();
    ASSERT_EQ(Shapes().GetSize(), 3);
    EXPECT_EQ(At(1), a);
    EXPECT_EQ(At(2), c);
    EXPECT_TRUE(a->selected && c->selected);
    EXPECT_FALSE(b->selected);
    EXPECT_EQ(model.UndoSteps().GetCurrent(), 2);

    // Undo brings the group back from its step.
    ASSERT_TRUE(model.Undo());
    EXPECT_EQ(Shapes().GetSize(), 2);
    EXPECT_EQ(At(1)->KindName(), DrawKind::kGroup);
}

TEST_F(ShapeCommands, UngroupLeavesNestedGroupsWhole)
{
    AddBox(0, true);
    AddBox(20, true);
    commands.Group();
    AddBox(40, true);
    commands.Group();
    commands.Ungroup();
    ASSERT_EQ(Shapes().GetSize(), 2);
    EXPECT_EQ(At(0)->KindName(), DrawKind::kGroup);
}

TEST_F(ShapeCommands, StackingKeepsTheAreaAtTheBottom)
{
    CDrawShape* area = AddArea(true);
    CDrawShape* a = AddBox(0, false);
    CDrawShape* b = AddBox(10, true);
    CDrawShape* c = AddBox(20, true);
    commands.SendToBack();
    EXPECT_EQ(At(0), area);
    EXPECT_EQ(At(1), b);
    EXPECT_EQ(At(2), c);
    EXPECT_EQ(At(3), a);
    // Nothing moves under the area; of two neighbours the upper one goes below the lower.
    commands.SendBackward();
    EXPECT_EQ(At(1), c);
    EXPECT_EQ(At(2), b);
    commands.BringForward();
    EXPECT_EQ(At(1), a);
    EXPECT_EQ(At(2), c);
    EXPECT_EQ(At(3), b);
    commands.BringToFront();
    EXPECT_EQ(At(0), area);
}

TEST_F(ShapeCommands, DuplicateDeleteAndSteppingThroughShapes)
{
    CDrawShape* area = AddArea(true);
    commands.Duplicate();
    EXPECT_EQ(Shapes().GetSize(), 1);
    EXPECT_EQ(model.UndoSteps().GetCurrent(), 1);

    area->selected = false;
    AddBox(0, true);
    commands.Duplicate();
    ASSERT_EQ(Shapes().GetSize(), 3);
    EXPECT_FALSE(At(1)->selected);
    EXPECT_EQ(At(2)->GetRect(), CRect(80, 80, 90, 90));

    Shapes().DeselectAll();
    commands.SelectNext();
    EXPECT_TRUE(At(0)->selected);
    commands.SelectPrevious();
    EXPECT_TRUE(At(2)->selected);

    At(0)->selected = true;
    commands.Delete();
    EXPECT_EQ(Shapes().GetSize(), 1);
    EXPECT_FALSE(Shapes().hasArea);
}

TEST_F(ShapeCommands, FourRightTurnsBringThePhotoAndItsShapesBack)
{
    AddBox(5, false);
    for (int i = 0; i < 4; ++i) {
        commands.Rotate(-1);
        EXPECT_EQ(model.GetDisplaySize(), i % 2 == 0 ? CSize(40, 80) : CSize(80, 40));
    }
    EXPECT_EQ(model.drawing.rot, 0);
    EXPECT_EQ(At(0)->GetRect(), CRect(5, 0, 15, 10));
    EXPECT_TRUE(TestPhotos::IsNear(model.GetWorkingBitmap().Row(0)[0], TestPhotos::kTopLeft));
    // A right turn puts the bottom-left quadrant at the top left.
    commands.Rotate(-1);
    EXPECT_TRUE(TestPhotos::IsNear(model.GetWorkingBitmap().Row(0)[0], TestPhotos::kBottomLeft));
}

TEST_F(ShapeCommands, FlipsActOnTheSelectionOrOnTheWholePhoto)
{
    AddBox(0, true);
    AddBox(30, true);
    commands.Flip(true);
    EXPECT_EQ(At(0)->GetRect(), CRect(30, 0, 40, 10));
    EXPECT_FALSE(model.drawing.mirrorVert);
    Shapes().DeselectAll();
    commands.Flip(true);
    EXPECT_TRUE(model.drawing.mirrorVert);
    EXPECT_TRUE(TestPhotos::IsNear(model.GetWorkingBitmap().Row(0)[0], TestPhotos::kTopRight));
}

} // namespace
