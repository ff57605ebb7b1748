#include "photo/ShapeClipboard.h"
#include "list/drawing/DrawArea.h"
#include "list/drawing/DrawBox.h"
#include "list/drawing/DrawGroup.h"
#include "photo/ShapeCommands.h"
#include "support/EditorFixture.h"

#include <gtest/gtest.h>

namespace {

class ShapeClipboard : public EditorFixture
{
  protected:
    ShapeClipboard() { OpenPhoto(); }

    CDrawShapeList& Shapes() { return model.drawing.shapes; }
    void AddBox(const CRect& rect, bool selected)
    {
        auto box = std::make_unique<CDrawBox>();
        box->SetRect(rect);
        box->fillColor = RGB(255, 0, 0);
        box->selected = selected;
        Shapes().AddShape(std::move(box));
    }
    void AddArea(const CRect& rect, bool selected)
    {
        auto area = std::make_unique<CDrawArea>();
        area->SetRect(rect);
        area->selected = selected;
        Shapes().InsertAt(0, area.release());
        Shapes().hasArea = true;
    }
    CString FilePath() const { return CShapeClipboard::GetFilePath(temp.Path()); }
};

TEST_F(ShapeClipboard, CopiedShapesPasteBackCentredSelectedAndOnTop)
{
    AddBox(CRect(0, 0, 10, 10), true);
    AddBox(CRect(20, 0, 30, 10), false);
    AddBox(CRect(10, 20, 20, 30), true);
    CShapeCommands(model).Group();
    CString reason;
    ASSERT_TRUE(CShapeClipboard::WriteSelected(Shapes(), FilePath(), reason));
    EXPECT_EQ(CShapeClipboard::GetCopyRect(model), CRect(0, 0, 20, 30));

    CDrawShapeList pasted;
    ASSERT_TRUE(CShapeClipboard::ReadShapes(FilePath(), pasted, reason));
    const int step = model.UndoSteps().GetCurrent();
    CShapeClipboard::Paste(model, pasted, CPoint(50, 25));
    ASSERT_EQ(Shapes().GetSize(), 3);
    auto* copy = dynamic_cast<CDrawGroup*>(Shapes().GetShape(2));
    ASSERT_NE(copy, nullptr);
    EXPECT_EQ(copy->CountLeaves(), 2);
    EXPECT_EQ(copy->GetRect(), CRect(40, 10, 60, 40));
    EXPECT_EQ(Shapes().CountSelected(), 1);
    EXPECT_TRUE(copy->selected);
    EXPECT_EQ(model.UndoSteps().GetCurrent(), step + 1);
}

TEST_F(ShapeClipboard, APhotoWithAnAreaDropsAPastedArea)
{
    AddArea(CRect(0, 0, 40, 20), true);
    AddBox(CRect(0, 0, 10, 10), true);
    CString reason;
    ASSERT_TRUE(CShapeClipboard::WriteSelected(Shapes(), FilePath(), reason));
    CDrawShapeList pasted;
    ASSERT_TRUE(CShapeClipboard::ReadShapes(FilePath(), pasted, reason));
    CShapeClipboard::Paste(model, pasted, CPoint(40, 20));
    ASSERT_EQ(Shapes().GetSize(), 3);
    EXPECT_EQ(Shapes().GetShape(2)->KindName(), DrawKind::kBox);

    // A photo without one takes the pasted area as its crop, at the bottom.
    CEditPhotoModel other(host);
    ASSERT_TRUE(other.Open(EditorPath()));
    CDrawShapeList again;
    ASSERT_TRUE(CShapeClipboard::ReadShapes(FilePath(), again, reason));
    CShapeClipboard::Paste(other, again, CPoint(40, 20));
    ASSERT_EQ(other.drawing.shapes.GetSize(), 2);
    EXPECT_EQ(other.drawing.shapes.GetShape(0)->KindName(), DrawKind::kArea);
    EXPECT_TRUE(other.drawing.shapes.hasArea);
}

TEST_F(ShapeClipboard, WithoutASelectionThePictureIsTheAreaWithinThePhotoOrTheWholePhoto)
{
    EXPECT_EQ(CShapeClipboard::GetCopyRect(model), CRect(0, 0, 80, 40));
    AddArea(CRect(60, 10, 120, 30), false);
    const CRect rect = CShapeClipboard::GetCopyRect(model);
    EXPECT_EQ(rect, CRect(60, 10, 80, 30));
    const Bitmap picture = CShapeClipboard::CopyPicture(model, rect);
    EXPECT_EQ(picture.Width(), 20);
    EXPECT_EQ(picture.Height(), 20);
}

TEST_F(ShapeClipboard, AMissingFileIsNotRead)
{
    CDrawShapeList pasted;
    CString reason;
    EXPECT_FALSE(CShapeClipboard::ReadShapes(temp.Path() + "none.drw", pasted, reason));
    EXPECT_FALSE(reason.IsEmpty());
    EXPECT_FALSE(CShapeClipboard::WriteSelected(Shapes(), temp.Path() + "no/such/folder.drw", reason));
}

} // namespace
