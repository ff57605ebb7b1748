#include "photo/EditTools.h"
#include "list/drawing/DrawArea.h"
#include "list/drawing/DrawBox.h"
#include "list/drawing/DrawEllipse.h"
#include "list/drawing/DrawFreeLine.h"
#include "list/drawing/DrawLine.h"
#include "list/drawing/DrawPolygon.h"
#include "list/drawing/DrawShade.h"
#include "list/drawing/DrawText.h"
#include "list/drawing/EditViewMapping.h"
#include "photo/EditorCommandIds.h"
#include "support/EditorFixture.h"

#include <gtest/gtest.h>

namespace {

// At 100 % a view point is the photo pixel plus the 4-pixel margin, less one.
CPoint View(int x, int y)
{
    return CPoint(x + 3, y + 3);
}

class EditTools : public EditorFixture
{
  protected:
    EditTools() : tools(model, mapping) { OpenPhoto(); }

    void Drag(CPoint from, CPoint to, bool shift = false, bool ctrl = false)
    {
        tools.ButtonDown(from);
        tools.PointerMove(to, true, shift);
        tools.ButtonUp(to, shift, ctrl, defaults, dialogs);
    }
    void Click(CPoint at, bool shift = false, bool ctrl = false) { Drag(at, at, shift, ctrl); }

    CDrawShapeList& Shapes() { return model.drawing.shapes; }
    int Step() const { return model.UndoSteps().GetCurrent(); }

    CEditViewMapping mapping;
    DrawingDefaults defaults;
    FakePropertyDialogs dialogs;
    CEditTools tools;
};

TEST_F(EditTools, EachRectangleToolAndTheLineMakeTheirShapeWithTheDefaults)
{
    defaults.borderWidth = 3;
    defaults.fillColor = RGB(1, 2, 3);
    defaults.shadowColor = RGB(9, 9, 9);
    const struct
    {
        int tool;
        const char* kind;
    } cases[] = {{EditorCommand::kBox, DrawKind::kBox},
                 {EditorCommand::kEllipse, DrawKind::kEllipse},
                 {EditorCommand::kShade, DrawKind::kShade},
                 {EditorCommand::kLine, DrawKind::kLine}};
    for (const auto& c : cases) {
        tools.SetTool(c.tool);
        Drag(View(30, 20), View(10, 5));
        ASSERT_EQ(Shapes().GetShape(Shapes().GetSize() - 1)->KindName(), c.kind);
    }
    ASSERT_EQ(Shapes().GetSize(), 4);
    auto* box = static_cast<CDrawBox*>(Shapes().GetShape(0));
    EXPECT_EQ(box->GetRect(), CRect(10, 5, 30, 20));
    EXPECT_EQ(box->borderWidth, 3);
    EXPECT_EQ(box->fillColor, RGB(1, 2, 3));
    EXPECT_EQ(box->shadow.x, 10);
    EXPECT_EQ(Shapes().GetShape(2)->shadow.color, kDefaultColor);
    auto* line = static_cast<CDrawLine*>(Shapes().GetShape(3));
    EXPECT_EQ(line->start, CPoint(30, 20));
    EXPECT_EQ(line->end, CPoint(10, 5));
    EXPECT_EQ(line->width, 3);
    EXPECT_EQ(Shapes().CountSelected(), 1);
    EXPECT_TRUE(Shapes().GetShape(3)->selected);
    EXPECT_EQ(Step(), 4);
}

TEST_F(EditTools, ATinyShapeIsDropped)
{
    tools.SetTool(EditorCommand::kBox);
    Drag(View(10, 10), View(11, 11));
    EXPECT_EQ(Shapes().GetSize(), 0);
    Drag(View(10, 10), View(12, 10));
    EXPECT_EQ(Shapes().GetSize(), 1);
    tools.SetTool(EditorCommand::kLine);
    Drag(View(10, 10), View(11, 9));
    EXPECT_EQ(Shapes().GetSize(), 1);
}

TEST_F(EditTools, TheAreaGoesToTheBottomAndHandsBackToTheSelectTool)
{
    tools.SetTool(EditorCommand::kBox);
    Drag(View(10, 10), View(20, 20));
    tools.SetTool(EditorCommand::kArea);
    Drag(View(0, 0), View(40, 10));
    ASSERT_EQ(Shapes().GetSize(), 2);
    EXPECT_EQ(Shapes().GetShape(0)->KindName(), DrawKind::kArea);
    // Without Shift the area keeps the photo's 2:1 proportions.
    EXPECT_EQ(Shapes().GetShape(0)->GetRect(), CRect(0, 0, 40, 20));
    EXPECT_TRUE(Shapes().hasArea);
    EXPECT_EQ(tools.GetTool(), EditorCommand::kSelect);
}

TEST_F(EditTools, TheTextToolAsksForItsTextAndDropsItWhenCancelledOrEmptied)
{
    tools.SetTool(EditorCommand::kText);
    dialogs.answer = false;
    Click(View(5, 5));
    EXPECT_EQ(Shapes().GetSize(), 0);
    dialogs.answer = true;
    dialogs.editText = [](CDrawText& text) { text.text.Empty(); };
    Click(View(5, 5));
    EXPECT_EQ(Shapes().GetSize(), 0);
    dialogs.editText = [](CDrawText& text) { text.text = "値札"; };
    Click(View(5, 6));
    ASSERT_EQ(Shapes().GetSize(), 1);
    auto* text = static_cast<CDrawText*>(Shapes().GetShape(0));
    EXPECT_EQ(text->text, "値札");
    EXPECT_EQ(text->corners[0], CPoint(5, 6));
    EXPECT_EQ(dialogs.calls, 3);
}

TEST_F(EditTools, PolygonsAndPolylinesGrowByClicksAndEndWithADoubleClick)
{
    tools.SetTool(EditorCommand::kPolygon);
    Click(View(0, 0));
    Click(View(30, 0));
    tools.PointerMove(View(31, 35), false, false);
    EXPECT_EQ(tools.GetPendingShape()->GetRect().bottom, 35);
    // Two corners are no polygon yet: it stays pending.
    EXPECT_FALSE(tools.DoubleClick(defaults));
    EXPECT_EQ(Shapes().GetSize(), 0);
    Click(View(30, 30));
    tools.ButtonDown(View(30, 30));
    EXPECT_FALSE(tools.DoubleClick(defaults));
    ASSERT_EQ(Shapes().GetSize(), 1);
    EXPECT_EQ(static_cast<CDrawPolygon*>(Shapes().GetShape(0))->points.GetSize(), 3);
    EXPECT_EQ(tools.GetPendingShape(), nullptr);

    tools.SetTool(EditorCommand::kFreeLine);
    Click(View(0, 0));
    Click(View(10, 10));
    tools.DoubleClick(defaults);
    ASSERT_EQ(Shapes().GetSize(), 2);
    EXPECT_EQ(static_cast<CDrawFreeLine*>(Shapes().GetShape(1))->points.GetSize(), 2);
}

TEST_F(EditTools, AClickSelectsADragMovesAndAHandleResizes)
{
    tools.SetTool(EditorCommand::kBox);
    Drag(View(10, 10), View(20, 20));
    Drag(View(40, 10), View(50, 20));
    tools.SetTool(EditorCommand::kSelect);
    const int before = Step();

    Click(View(15, 15));
    EXPECT_TRUE(Shapes().GetShape(0)->selected);
    EXPECT_FALSE(Shapes().GetShape(1)->selected);
    tools.ButtonDown(View(15, 15));
    tools.ButtonUp(View(16, 16), false, false, defaults, dialogs);
    EXPECT_EQ(Shapes().GetShape(0)->GetRect(), CRect(10, 10, 20, 20));
    EXPECT_EQ(Step(), before);

    Drag(View(15, 15), View(17, 15));
    EXPECT_EQ(Shapes().GetShape(0)->GetRect(), CRect(12, 10, 22, 20));
    EXPECT_EQ(Step(), before + 1);

    // The bottom-right corner handle of the selected box.
    Drag(View(22, 20), View(30, 25));
    EXPECT_EQ(Shapes().GetShape(0)->GetRect(), CRect(12, 10, 30, 25));
    EXPECT_EQ(Step(), before + 2);
}

TEST_F(EditTools, ModifiersToggleAndTheRubberBandReplacesTheSelection)
{
    tools.SetTool(EditorCommand::kBox);
    Drag(View(10, 10), View(20, 20));
    Drag(View(40, 10), View(50, 20));
    tools.SetTool(EditorCommand::kSelect);
    Click(View(45, 15), false, true);
    EXPECT_EQ(Shapes().CountSelected(), 0);
    Click(View(15, 15), true, false);
    EXPECT_EQ(Shapes().CountSelected(), 1);

    Drag(View(35, 5), View(60, 30), true, false);
    EXPECT_FALSE(Shapes().GetShape(0)->selected);
    EXPECT_TRUE(Shapes().GetShape(1)->selected);
    Drag(View(0, 0), View(70, 35), true, true);
    EXPECT_EQ(Shapes().CountSelected(), 1);
    Click(View(70, 35));
    EXPECT_EQ(Shapes().CountSelected(), 0);
}

TEST_F(EditTools, ADoubleClickWithTheSelectToolAsksForProperties)
{
    EXPECT_TRUE(tools.DoubleClick(defaults));
}

} // namespace
