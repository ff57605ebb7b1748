// The drawing rules of the cell types and the painting of the grid's parts, on bitmaps.
#include "grid/CellRangeList.h"
#include "grid/CellRecord.h"
#include "grid/CellType.h"
#include "grid/GridPainter.h"
#include "platform/SystemColors.h"
#include "platform/canvas/Canvas.h"
#include "platform/canvas/PdfDocument.h"
#include "support/FakeGrid.h"

#include <cstdio>
#include <gtest/gtest.h>
#include <unistd.h>

namespace {

const LogFont& TestFont()
{
    static const LogFont font{"ＭＳ ゴシック", -12};
    return font;
}

COLORREF At(const Bitmap& bitmap, int x, int y)
{
    const Bitmap::Pixel pixel = bitmap.GetPixel(x, y);
    return RGB((pixel >> 16) & 0xFF, (pixel >> 8) & 0xFF, pixel & 0xFF);
}

// Pixels in the rectangle that differ from the colour.
int InkIn(const Bitmap& bitmap, const CRect& rect, COLORREF background)
{
    int count = 0;
    for (int y = rect.top; y < rect.bottom; ++y) {
        for (int x = rect.left; x < rect.right; ++x) {
            count += At(bitmap, x, y) != background;
        }
    }
    return count;
}

CRect InkBounds(const Bitmap& bitmap, const CRect& rect, COLORREF background)
{
    CRect bounds;
    for (int y = rect.top; y < rect.bottom; ++y) {
        for (int x = rect.left; x < rect.right; ++x) {
            if (At(bitmap, x, y) != background) {
                bounds.UnionRect(bounds, CRect(x, y, x + 1, y + 1));
            }
        }
    }
    return bounds;
}

// A grid of 75 x 20 cells whose cell area is painted into a bitmap of the area's size.
class PaintedGrid : public RecordingGrid
{
  public:
    PaintedGrid(int columns, int rows) : RecordingGrid(columns, rows)
    {
        SetStandardFont(&TestFont());
        CurrentSheet()->gridLines = 1;
    }

    Bitmap PaintArea()
    {
        Bitmap bitmap;
        bitmap.Create(CurrentSheet()->areaWidth, CurrentSheet()->areaHeight, 32);
        Canvas dc(bitmap);
        CCellRangeList all;
        CGridPainter(*this).PaintCellArea(dc, all, true);
        return bitmap;
    }
};

const COLORREF kWindow = RGB(255, 255, 255);

} // namespace

TEST(CellTypeDrawing, EmptyCellBestSizeIsNineByFive)
{
    CCellType type;
    CCellRecord record;
    Canvas measure;
    CSize size;
    type.GetBestSize(measure, size, record);
    EXPECT_EQ(size, CSize(9, 5));
}

TEST(CellTypeDrawing, TopAlignedTextStartsFourPixelsBelowTheTop)
{
    PaintedGrid grid(3, 3);
    grid.CurrentSheet()->gridLines = 0;
    grid.SetCellText(0, 1, "Hg");
    const Bitmap painted = grid.PaintArea();
    CRect cell;
    grid.GetCellRect(0, 1, cell);

    // The same text placed by hand with its box's top 4 pixels below the cell's top.
    Bitmap reference;
    reference.Create(painted.Width(), painted.Height(), 32);
    Canvas dc(reference);
    dc.FillRect(CRect(0, 0, reference.Width(), reference.Height()), kWindow);
    dc.SelectFont(TestFont());
    dc.SetBkMode(TRANSPARENT);
    dc.TextOut(cell.left + 4, cell.top + 4, "Hg");

    const CRect inked = InkBounds(painted, cell, kWindow);
    EXPECT_FALSE(inked.IsRectEmpty());
    EXPECT_EQ(inked, InkBounds(reference, cell, kWindow));
}

TEST(CellTypeDrawing, BottomAlignedTextEndsOnePixelAboveTheBottom)
{
    PaintedGrid grid(2, 2);
    grid.CurrentSheet()->gridLines = 0;
    CCellRecord record;
    record.SetTextValue("Hg");
    record.SetAlignFlags(CellAlign::Bottom);
    grid.WriteCell(0, 1, record);
    const Bitmap painted = grid.PaintArea();

    Bitmap reference;
    reference.Create(painted.Width(), painted.Height(), 32);
    Canvas dc(reference);
    dc.FillRect(CRect(0, 0, reference.Width(), reference.Height()), kWindow);
    dc.SelectFont(TestFont());
    const int height = dc.GetTextExtent(CString("Hg")).cy;
    dc.SetBkMode(TRANSPARENT);
    dc.TextOut(4, 40 - height - 1, "Hg");
    const CRect cell(0, 20, 75, 40);
    EXPECT_FALSE(InkBounds(painted, cell, kWindow).IsRectEmpty());
    EXPECT_EQ(InkBounds(painted, cell, kWindow), InkBounds(reference, cell, kWindow));
}

TEST(CellTypeDrawing, TextRunsOnIntoEmptyCellsUntilATextStopsIt)
{
    PaintedGrid grid(4, 2);
    grid.CurrentSheet()->gridLines = 0;
    grid.SetCellText(0, 0, "WWWWWWWWWWWWWWWWWWWWWWWWWWWW");
    CRect second;
    grid.GetCellRect(1, 0, second);
    EXPECT_GT(InkIn(grid.PaintArea(), second, kWindow), 0) << "an empty neighbour shows the continuation";

    // A neighbour whose text is a blank shows nothing of the run.
    grid.SetCellText(1, 0, " ");
    EXPECT_EQ(InkIn(grid.PaintArea(), second, kWindow), 0);
}

TEST(CellTypeDrawing, JoinedOrMultiLineTextNeverRunsOn)
{
    PaintedGrid grid(4, 2);
    grid.CurrentSheet()->gridLines = 0;
    CCellRecord record;
    record.SetTextValue("WWWWWWWWWWWWWWWWWWWWWWWWWWWW");
    record.SetTypeStyle(kCellStyleMultiLine);
    grid.WriteCell(0, 0, record);
    CRect second;
    grid.GetCellRect(1, 0, second);
    EXPECT_EQ(InkIn(grid.PaintArea(), second, kWindow), 0);
}

TEST(CellTypeDrawing, HeadingCellHasARaisedFrame)
{
    PaintedGrid grid(3, 3);
    Bitmap heading;
    heading.Create(225, 20, 32);
    Canvas dc(heading);
    CGridPainter(grid).PaintTopHeading(dc, CSize(225, 20), -1);
    EXPECT_EQ(At(heading, 0, 5), GetSysColor(COLOR_BTNHIGHLIGHT)) << "left edge";
    EXPECT_EQ(At(heading, 5, 0), GetSysColor(COLOR_BTNHIGHLIGHT)) << "top edge";
    EXPECT_EQ(At(heading, 74, 5), GetSysColor(COLOR_BTNSHADOW)) << "right edge";
    EXPECT_EQ(At(heading, 5, 19), GetSysColor(COLOR_BTNSHADOW)) << "bottom edge";
    EXPECT_EQ(At(heading, 10, 10), GetSysColor(COLOR_BTNFACE)) << "inside";
}

TEST(GridPainting, SideHeadingCellsAreButtonsNotSelected)
{
    PaintedGrid grid(3, 3);
    Bitmap heading;
    heading.Create(40, 60, 32);
    Canvas dc(heading);
    CGridPainter(grid).PaintSideHeading(dc, CSize(40, 60));
    EXPECT_EQ(At(heading, 10, 10), GetSysColor(COLOR_BTNFACE)) << "inside the first row's heading";
    EXPECT_EQ(At(heading, 10, 30), GetSysColor(COLOR_BTNFACE)) << "inside the second row's heading";
}

TEST(CellTypeDrawing, BitmapTwiceTheCellIsShrunkKeepingItsShape)
{
    EXPECT_EQ(CCellType::FitBitmap(CSize(142, 32), CSize(71, 16)), CSize(71, 16));
    EXPECT_EQ(CCellType::FitBitmap(CSize(100, 100), CSize(71, 16)), CSize(16, 16));
    EXPECT_EQ(CCellType::FitBitmap(CSize(10, 8), CSize(71, 16)), CSize(10, 8));
}

TEST(GridPainting, GridLinesLieOnTheRightAndBottomPixelOfEachCell)
{
    PaintedGrid grid(3, 3);
    const Bitmap painted = grid.PaintArea();
    const COLORREF line = grid.CurrentSheet()->gridLineColor;
    EXPECT_EQ(At(painted, 74, 10), line);
    EXPECT_EQ(At(painted, 75, 10), kWindow);
    EXPECT_EQ(At(painted, 30, 19), line);
    EXPECT_EQ(At(painted, 30, 20), kWindow);
    // Right of the last column and below the last row lies the empty area.
    EXPECT_EQ(At(painted, 230, 10), grid.OnGetDefaultBackColor(1));
    EXPECT_EQ(At(painted, 10, 65), grid.OnGetDefaultBackColor(1));
}

TEST(GridPainting, CurrentCellGetsAFocusFrame)
{
    PaintedGrid grid(3, 3);
    grid.MoveToCell(1, 1);
    const Bitmap painted = grid.PaintArea();
    // The dotted frame inverts every other pixel of the cell's outline, inside its grid lines.
    int inverted = 0;
    for (int x = 76; x < 86; ++x) {
        inverted += At(painted, x, 20) != kWindow;
        EXPECT_NE(At(painted, x, 20) != kWindow, At(painted, x + 1, 20) != kWindow) << x;
    }
    EXPECT_EQ(inverted, 5);
    EXPECT_EQ(InkIn(painted, CRect(80, 24, 140, 34), kWindow), 0) << "the inside stays empty";
    EXPECT_NE(At(painted, 148, 30) != kWindow, At(painted, 148, 31) != kWindow)
        << "right side, inside the line";
}

TEST(GridPainting, JoinedCellsPaintAsOne)
{
    PaintedGrid grid(5, 4);
    grid.MergeCellRange(1, 1, 3, 2);
    CCellRecord record;
    grid.ReadCell(1, 1, record);
    record.SetFillColor(RGB(255, 240, 200));
    grid.WriteCell(1, 1, record);
    const Bitmap painted = grid.PaintArea();
    // No grid line between the joined columns and rows; the fill covers all six cells.
    EXPECT_EQ(At(painted, 149, 25), RGB(255, 240, 200));
    EXPECT_EQ(At(painted, 100, 39), RGB(255, 240, 200));
    EXPECT_EQ(At(painted, 290, 55), RGB(255, 240, 200));
    EXPECT_EQ(At(painted, 299, 30), grid.CurrentSheet()->gridLineColor) << "the join's own right edge";
}

TEST(GridPainting, LockedColumnsAreEdgedInBlack)
{
    PaintedGrid grid(5, 4);
    grid.SetLockedColCount(1);
    const Bitmap painted = grid.PaintArea();
    EXPECT_EQ(At(painted, 74, 30), RGB(0, 0, 0));
}

TEST(GridPainting, PaintingNeverAddsRowsOrChangesData)
{
    PaintedGrid grid(3, 2);
    grid.rowsToAdd = 5;
    grid.Forget();
    grid.PaintArea();
    EXPECT_EQ(grid.GetRowCount(), 2);
    EXPECT_FALSE(grid.Saw("OnPastLastRow 2 1"));
}

TEST(GridPainting, ScrolledPictureMatchesAFreshPainting)
{
    PaintedGrid grid(12, 60);
    for (int row = 0; row < 60; ++row) {
        CString text;
        text.Format("r%d", row);
        grid.SetCellText(row % 12, row, text);
    }
    grid.host.client = CSize(500, 300);
    grid.LayoutParts();
    Bitmap picture = grid.PaintArea();
    CGridSheetInfo& sheet = *grid.CurrentSheet();
    for (int step : {3, -2, 1}) {
        sheet.previousTopRow = sheet.topRow;
        sheet.previousLeftColumn = sheet.leftColumn;
        sheet.topRow += step;
        CCellRangeList queued;
        ASSERT_TRUE(CGridPainter(grid).ScrollPicture(picture, queued));
        Canvas dc(picture);
        CGridPainter(grid).PaintCellArea(dc, queued, false);
        const Bitmap fresh = grid.PaintArea();
        EXPECT_EQ(InkIn(picture, CRect(0, 0, 0, 0), kWindow), 0);
        for (int y = 0; y < fresh.Height(); ++y) {
            for (int x = 0; x < fresh.Width(); ++x) {
                ASSERT_EQ(At(picture, x, y), At(fresh, x, y)) << "step " << step << " at " << x << "," << y;
            }
        }
    }
    sheet.previousTopRow = sheet.topRow;
    sheet.previousLeftColumn = sheet.leftColumn;
    sheet.leftColumn += 2;
    CCellRangeList queued;
    ASSERT_TRUE(CGridPainter(grid).ScrollPicture(picture, queued));
    Canvas dc(picture);
    CGridPainter(grid).PaintCellArea(dc, queued, false);
    const Bitmap fresh = grid.PaintArea();
    EXPECT_EQ(InkIn(fresh, CRect(0, 0, fresh.Width(), fresh.Height()), kWindow),
              InkIn(picture, CRect(0, 0, picture.Width(), picture.Height()), kWindow));
}

TEST(GridPainting, ScrollByMoreThanTheAreaPaintsEverything)
{
    PaintedGrid grid(3, 500);
    Bitmap picture = grid.PaintArea();
    CGridSheetInfo& sheet = *grid.CurrentSheet();
    sheet.previousTopRow = 0;
    sheet.topRow = 100;
    CCellRangeList queued;
    EXPECT_FALSE(CGridPainter(grid).ScrollPicture(picture, queued));
}

TEST(CellTypePrinting, CellsDrawOnAPdfPageScaledToTheirTarget)
{
    char folder[] = "/tmp/grid-print-XXXXXX";
    ASSERT_NE(mkdtemp(folder), nullptr);
    const CString path = CString(folder) + "/page.pdf";
    PaintedGrid grid(4, 4);
    grid.SetCellText(0, 1, "印刷される文字が隣まで続く");
    PdfDocument pdf;
    ASSERT_TRUE(pdf.Create(path, 2100, 2970));
    {
        Canvas dc(pdf.Context());
        dc.SetResolution(PdfDocument::kDotsPerInch);
        EXPECT_TRUE(CCellType::IsPrinting(dc));
        CCellRecord record;
        for (int column = 0; column < 3; ++column) {
            grid.ReadCellForDisplay(column, 1, record);
            // A row of 20 pixels printed 100 units high: five times the size.
            const CRect target(100 + column * 375, 100, 100 + (column + 1) * 375, 200);
            grid.GetCellType(0)->DrawScaled(dc, target, column, 1, record);
            EXPECT_FALSE(record.TestMaskBits(CellMask::Font)) << "the scaled font is not left in the record";
        }
    }
    EXPECT_TRUE(pdf.Close());
    FILE* file = std::fopen(path.GetString(), "rb");
    ASSERT_NE(file, nullptr);
    std::fseek(file, 0, SEEK_END);
    EXPECT_GT(std::ftell(file), 500);
    std::fclose(file);
    std::remove(path.GetString());
    rmdir(folder);
}
