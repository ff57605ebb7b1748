#include "list/drawing/DrawingData.h"
#include "list/drawing/DrawArea.h"
#include "list/drawing/DrawBox.h"
#include "list/drawing/DrawFreeLine.h"
#include "list/drawing/DrawGroup.h"
#include "list/drawing/DrawLine.h"
#include "list/drawing/DrawPolygon.h"
#include "list/drawing/DrawShade.h"
#include "list/drawing/DrwValues.h"

#include <gtest/gtest.h>

namespace {

constexpr char kHead[] = "; Zantoby 2.108.0 Drawing Data\n";

CString WriteBack(CDrawingData& data)
{
    return data.WriteText("2.108.0");
}

// The lines after the head comment.
CString Body(CDrawingData& data)
{
    CString text = WriteBack(data);
    return text.Mid(text.Find('\n') + 1);
}

} // namespace

TEST(DrawingData, BothMirrorsAreWrittenAsAHalfTurn)
{
    CDrawingData data;
    data.ReadText("photo,mirror-vert,mirror-horz,rot=1\n");
    EXPECT_TRUE(data.mirrorVert);
    EXPECT_TRUE(data.mirrorHorz);
    EXPECT_EQ(Body(data), "photo,rot=3\nselected\n");
    EXPECT_FALSE(data.mirrorVert);
    EXPECT_FALSE(data.mirrorHorz);
    EXPECT_EQ(data.rot, 3);
}

TEST(DrawingData, OneMirrorKeepsItsOwnKey)
{
    CDrawingData data;
    data.ReadText("photo,mirror-horz,rot=2\n");
    EXPECT_FALSE(data.mirrorVert);
    EXPECT_TRUE(data.mirrorHorz);
    EXPECT_EQ(Body(data), "photo,mirror-horz,rot=2\nselected\n");
}

TEST(DrawingData, OnlyTheFirstPhotoAndSelectionLinesCount)
{
    CDrawingData data;
    data.ReadText("; comment\n"
                  "\n"
                  "photo,bright=5,red=-3\n"
                  "photo,bright=9,mirror-vert\n"
                  "selected,0(box),7(line)\n"
                  "selected,1(line)\n"
                  "box,ps.x1=0,ps.y1=0,ps.x2=10,ps.y2=10,bd.w=1,bd.c=0,bk.c=-1,sd.x=0,sd.y=0,sd.c=-1,sd.s=0\n"
                  "line,ps=0:0,ps=5:5,ar=0:0:0,ar=0:0:0,bd.w=1,bd.c=0,sd.x=0,sd.y=0,sd.c=-1,sd.s=0\n");
    EXPECT_EQ(data.bright, 5);
    EXPECT_EQ(data.red, -3);
    EXPECT_FALSE(data.mirrorVert);
    ASSERT_EQ(data.shapes.GetSize(), 2);
    EXPECT_TRUE(data.shapes.GetShape(0)->selected);
    EXPECT_FALSE(data.shapes.GetShape(1)->selected);
}

TEST(DrawingData, AdjustmentsOnlyGiveHeadPhotoAndSelectedLines)
{
    CDrawingData data;
    data.ReadText("photo,bright=5\n");
    EXPECT_EQ(data.shapes.GetSize(), 0);
    EXPECT_EQ(WriteBack(data), CString(kHead) + "photo,bright=5\nselected\n");
}

TEST(DrawingData, ReadingKeepsAdjustmentsTheFileDoesNotName)
{
    CDrawingData data;
    data.shade = 7;
    data.mirrorVert = true;
    data.rot = 2;
    data.ReadText("photo,green=4\n");
    EXPECT_EQ(data.shade, 7);
    EXPECT_EQ(data.green, 4);
    EXPECT_FALSE(data.mirrorVert);
    EXPECT_EQ(data.rot, 0);
}

TEST(DrawingData, FileOfEveryKindRoundTripsUnchanged)
{
    const CString text =
        CString(kHead) +
        "photo,mirror-vert,rot=1,bright=10,shade=-2,red=1,green=2,blue=3\n"
        "selected,1(box),3(group)\n"
        "area,ps.x1=0,ps.y1=0,ps.x2=640,ps.y2=480,\n"
        "box,ps.x1=10,ps.y1=20,ps.x2=110,ps.y2=80,bd.w=1,bd.c=0,bk.c=-1,sd.x=0,sd.y=0,sd.c=-1,sd.s=0\n"
        "ellipse,ps.x1=5,ps.y1=6,ps.x2=50,ps.y2=60,bd.w=3,bd.c=255,bk.c=65280,sd.x=4,sd.y=4,sd.c=8421504,"
        "sd.s=2\n"
        "group{\n"
        "  polygon,ps=1:2,ps=30:4,ps=15:40,bd.w=2,bd.c=16711680,bk.c=-1,sd.x=0,sd.y=0,sd.c=-1,sd.s=0\n"
        "  group{\n"
        "    freeline,ps=0:0,ps=10:10,ps=20:5,ar=12:30:1,ar=0:0:0,bd.w=2,bd.c=0,sd.x=1,sd.y=1,"
        "sd.c=0,sd.s=0\n"
        "    line,ps=3:4,ps=100:4,ar=0:0:0,ar=15:25:0,bd.w=1,bd.c=0,sd.x=0,sd.y=0,sd.c=-1,sd.s=0\n"
        "  }\n"
        "}\n"
        "shade,ps.x1=100,ps.y1=100,ps.x2=200,ps.y2=150,dot=12\n";
    CDrawingData data;
    data.ReadText(text);
    ASSERT_EQ(data.shapes.GetSize(), 5);
    EXPECT_TRUE(data.shapes.hasArea);
    EXPECT_EQ(WriteBack(data), text);
    // Windows line ends read the same.
    CString crlf = text;
    crlf.Replace("\n", "\r\n");
    CDrawingData again;
    again.ReadText(crlf);
    EXPECT_EQ(WriteBack(again), text);
}

TEST(DrawingData, GroupsReadBackNestedWithTheirBounds)
{
    CDrawingData data;
    data.ReadText("group{\n"
                  "  box,ps.x1=0,ps.y1=0,ps.x2=10,ps.y2=10\n"
                  "  group{\n"
                  "    line,ps=20:5,ps=40:30\n"
                  "  }\n"
                  "}\n");
    ASSERT_EQ(data.shapes.GetSize(), 1);
    auto* group = static_cast<CDrawGroup*>(data.shapes.GetShape(0));
    ASSERT_EQ(group->KindName(), DrawKind::kGroup);
    EXPECT_EQ(group->members.GetSize(), 2);
    EXPECT_EQ(group->bounds, CRect(0, 0, 40, 30));
    EXPECT_EQ(group->CountLeaves(), 2);
}

TEST(DrawingData, StrayClosingBraceEndsTheShapes)
{
    CDrawingData data;
    data.ReadText("box,ps.x1=0,ps.y1=0,ps.x2=10,ps.y2=10\n"
                  "}\n"
                  "box,ps.x1=5,ps.y1=5,ps.x2=10,ps.y2=10\n");
    EXPECT_EQ(data.shapes.GetSize(), 1);
}

TEST(DrawingData, KindsAreMatchedExactlyAfterTheIndent)
{
    CDrawingData data;
    data.ReadText("    box,ps.x1=1,ps.y1=2,ps.x2=3,ps.y2=4\n"
                  "Box,ps.x1=0,ps.y1=0,ps.x2=10,ps.y2=10\n"
                  "circle,ps.x1=0\n");
    ASSERT_EQ(data.shapes.GetSize(), 1);
    EXPECT_EQ(data.shapes.GetShape(0)->GetRect(), CRect(1, 2, 3, 4));
}

TEST(DrawingData, ShapeDefaultsFillWhatALineLeavesOut)
{
    CDrawingData data;
    data.ReadText("box,ps.x2=10,noise,bd.c=255,bd.c=128,color=5\n"
                  "line,ps=7,ps=8:9,ps=1:1,ar=5:20,ar=6:30:1,ar=9:9:9\n");
    auto* box = static_cast<CDrawBox*>(data.shapes.GetShape(0));
    EXPECT_EQ(box->GetRect(), CRect(0, 0, 10, 0));
    EXPECT_EQ(box->borderWidth, 1);
    EXPECT_EQ(box->borderColor, 128u);
    EXPECT_EQ(box->fillColor, kDefaultColor);
    auto* line = static_cast<CDrawLine*>(data.shapes.GetShape(1));
    EXPECT_EQ(line->start, CPoint(7, 0));
    EXPECT_EQ(line->end, CPoint(8, 9));
    EXPECT_EQ(line->startArrow, (ArrowRecord{5, 20, false}));
    EXPECT_EQ(line->endArrow, (ArrowRecord{6, 30, true}));
}

TEST(DrawingData, SelectionIndexesOutsideTheListAreIgnored)
{
    CDrawingData data;
    data.ReadText("selected,-1(box),,1(area),x\n"
                  "area,ps.x1=0,ps.y1=0,ps.x2=10,ps.y2=10,\n"
                  "box,ps.x1=0,ps.y1=0,ps.x2=10,ps.y2=10\n");
    EXPECT_TRUE(data.shapes.GetShape(0)->selected); // "x" reads as 0
    EXPECT_TRUE(data.shapes.GetShape(1)->selected);
}

TEST(DrawingData, CraftedValuesAreClampedAndReadingGoesOn)
{
    CDrawingData data;
    data.ReadText("photo,rot=-7\n"
                  "shade,ps.x1=0,ps.y1=0,ps.x2=20,ps.y2=20,dot=0\n"
                  "shade,ps.x1=0,ps.y1=0,ps.x2=20,ps.y2=20,dot=-5\n"
                  "box,ps.x1=-2147483648,ps.y1=0,ps.x2=2147483647,ps.y2=99999999999,bd.w=2000000000\n"
                  "line,ps=0:0,ps=1:1,ar=2147483647:30:1,ar=0:0:0,bd.w=-2000000000\n"
                  "polygon,ps=1:1,bd.w=1\n"
                  "freeline,ps=2:2\n"
                  "box,ps.x1=1,ps.y1=1,ps.x2=2,ps.y2=2\n");
    EXPECT_EQ(data.rot, 1);
    ASSERT_EQ(data.shapes.GetSize(), 7);
    EXPECT_EQ(static_cast<CDrawShade*>(data.shapes.GetShape(0))->dot, 1);
    EXPECT_EQ(static_cast<CDrawShade*>(data.shapes.GetShape(1))->dot, 1);
    auto* box = static_cast<CDrawBox*>(data.shapes.GetShape(2));
    EXPECT_EQ(box->GetRect(),
              CRect(-DrwValue::kMaxCoordinate, 0, DrwValue::kMaxCoordinate, DrwValue::kMaxCoordinate));
    EXPECT_EQ(box->borderWidth, DrwValue::kMaxPenWidth);
    auto* line = static_cast<CDrawLine*>(data.shapes.GetShape(3));
    EXPECT_EQ(line->startArrow.length, DrwValue::kMaxCoordinate);
    EXPECT_EQ(line->width, -DrwValue::kMaxPenWidth);
    EXPECT_EQ(static_cast<CDrawPolygon*>(data.shapes.GetShape(4))->points.GetSize(), 1);
    EXPECT_EQ(static_cast<CDrawFreeLine*>(data.shapes.GetShape(5))->points.GetSize(), 1);
    // Moving the clamped box as far as it goes stays within 32 bits.
    box->MoveResize(HitCode::kBody, 0, 0, DrwValue::kMaxCoordinate, 0, 0);
    EXPECT_EQ(box->x2, 2 * DrwValue::kMaxCoordinate);
}

// A damaged text shape: its text ends in a lead byte that lost its trail byte, right before the
// line end. The line ends there all the same, so the shape after it stays, and the drawing
// writes back as lines that read the same.
TEST(DrawingData, LeadByteBeforeTheLineEndLosesNoShape)
{
    for (const char* end : {"\n", "\r\n"}) {
        CDrawingData data;
        data.ReadText(CString("photo\ntext,ps=3:4,ft.nm='x',ft.sz=0:12,tx.c=0,tx='ab\x82") + end +
                      "box,ps.x1=0,ps.y1=0,ps.x2=5,ps.y2=5\n");
        ASSERT_EQ(data.shapes.GetSize(), 2) << "line end " << (end[0] == '\r' ? "CR LF" : "LF");
        EXPECT_STREQ(data.shapes.GetShape(1)->KindName(), "box");
        const CString written = WriteBack(data);
        CDrawingData reread;
        reread.ReadText(written);
        EXPECT_EQ(WriteBack(reread), written);
    }
}

// A field in double quotes can give a font name a comma, which the name, written as it is,
// cannot carry: the comma is left out, and the drawing reads back as it was written.
TEST(DrawingData, FontNameWithACommaWritesWhatReadsBack)
{
    CDrawingData data;
    data.ReadText("text,ps=3:4,\"ft.nm='ＭＳ,ゴシック'\",ft.sz=0:12,tx='x'\n");
    ASSERT_EQ(data.shapes.GetSize(), 1);
    const CString written = WriteBack(data);
    EXPECT_NE(written.Find("ft.nm='ＭＳゴシック',ft.sz=0:12,"), -1) << written.GetString();
    CDrawingData reread;
    reread.ReadText(written);
    EXPECT_EQ(WriteBack(reread), written);
}

// Colour corrections beyond what the photo's properties offer are taken at the nearest end.
TEST(DrawingData, ColourCorrectionsAreClampedOnReading)
{
    CDrawingData data;
    data.ReadText("photo,bright=2147483647,shade=-2147483648,red=256,green=-256,blue=-255\n");
    EXPECT_EQ(data.bright, DrwValue::kMaxColorCorrection);
    EXPECT_EQ(data.shade, -DrwValue::kMaxColorCorrection);
    EXPECT_EQ(data.red, 255);
    EXPECT_EQ(data.green, -255);
    EXPECT_EQ(data.blue, -255);
}

TEST(DrawingData, DeepNestingIsFlattenedWithoutLosingShapes)
{
    const int depth = 5000;
    CString text;
    for (int i = 0; i < depth; ++i) {
        text += "group{\n";
    }
    text += "box,ps.x1=1,ps.y1=1,ps.x2=2,ps.y2=2\n";
    for (int i = 0; i < depth; ++i) {
        text += "}\n";
    }
    text += "box,ps.x1=5,ps.y1=5,ps.x2=9,ps.y2=9\n";
    CDrawingData data;
    data.ReadText(text);
    ASSERT_EQ(data.shapes.GetSize(), 2);
    auto* outer = static_cast<CDrawGroup*>(data.shapes.GetShape(0));
    EXPECT_EQ(outer->CountLeaves(), 1);
    EXPECT_EQ(outer->bounds, CRect(1, 1, 2, 2));
    EXPECT_EQ(data.shapes.GetShape(1)->GetRect(), CRect(5, 5, 9, 9));
    // Written and read again, the same shapes come back.
    CDrawingData again;
    again.ReadText(WriteBack(data));
    EXPECT_EQ(again.shapes.GetSize(), 2);
    EXPECT_EQ(static_cast<CDrawGroup*>(again.shapes.GetShape(0))->CountLeaves(), 1);
}

TEST(DrawingData, UnclosedGroupTakesTheRestOfTheFile)
{
    CDrawingData data;
    data.ReadText("group{\n"
                  "  box,ps.x1=1,ps.y1=1,ps.x2=2,ps.y2=2\n");
    ASSERT_EQ(data.shapes.GetSize(), 1);
    EXPECT_EQ(static_cast<CDrawGroup*>(data.shapes.GetShape(0))->members.GetSize(), 1);
}

TEST(DrawingData, AreaOfTheTopLevelOnly)
{
    CDrawingData data;
    EXPECT_TRUE(data.GetAreaRect().IsRectNull());
    data.ReadText("group{\n"
                  "  area,ps.x1=1,ps.y1=1,ps.x2=9,ps.y2=9,\n"
                  "}\n"
                  "area,ps.x1=10,ps.y1=20,ps.x2=300,ps.y2=200,\n"
                  "area,ps.x1=0,ps.y1=0,ps.x2=5,ps.y2=5,\n");
    EXPECT_EQ(data.GetAreaRect(), CRect(10, 20, 300, 200));
}

TEST(DrawingData, CropNeverLeavesAnEmptyImage)
{
    CRect frame(0, 0, 640, 480);
    CDrawingData none;
    EXPECT_EQ(none.GetCropRect(frame), frame);

    CDrawingData inside;
    inside.ReadText("area,ps.x1=10,ps.y1=20,ps.x2=300,ps.y2=200,\n");
    EXPECT_EQ(inside.GetCropRect(frame), CRect(10, 20, 300, 200));

    CDrawingData overhanging;
    overhanging.ReadText("area,ps.x1=600,ps.y1=-50,ps.x2=10,ps.y2=100,\n");
    EXPECT_EQ(overhanging.GetCropRect(frame), CRect(10, 0, 600, 100));

    CDrawingData flat;
    flat.ReadText("area,ps.x1=10,ps.y1=20,ps.x2=10,ps.y2=200,\n");
    EXPECT_EQ(flat.GetCropRect(frame), frame);

    CDrawingData outside;
    outside.ReadText("area,ps.x1=700,ps.y1=0,ps.x2=900,ps.y2=100,\n");
    EXPECT_EQ(outside.GetCropRect(frame), frame);
}
