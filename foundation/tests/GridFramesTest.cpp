// The grid list's focus frame and range frame on a cell area kept as the window keeps it: a
// picture whose pixels a scroll moves and whose queued cells alone are painted again.
#include "foundation/GridFocusFrame.h"
#include "foundation/GridRangeFrame.h"
#include "grid/CellGridCore.h"
#include "grid/CellRangeList.h"
#include "grid/GridPainter.h"
#include "platform/VirtualKeys.h"
#include "platform/canvas/Canvas.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

class FramedGrid;

class PictureHost : public CGridHost
{
  public:
    explicit PictureHost(FramedGrid& grid);
    CSize GetClientSize() const override { return CSize(430, 300); }
    bool IsKeyHeld(unsigned int key) const override { return key == VK_SHIFT && shiftHeld; }
    void RepaintAllParts() override;
    void UpdateCellArea(CCellRangeList& queued) override;

    bool shiftHeld = false;

  private:
    FramedGrid& m_grid;
};

// A grid of 60 x 20 cells wired to the frames as the grid list wires them.
class FramedGrid : public CCellGridCore
{
  public:
    explicit FramedGrid(bool withFocus) : host(*this), painter(*this), focusOn(withFocus)
    {
        SetHost(&host);
        SetColCount(12);
        SetRowCount(40);
        for (int column = 0; column < 12; ++column) {
            SetColumnWidth(column, 60);
        }
        LayoutParts();
        RepaintGrid();
    }

    void OnPrepareDC(Canvas*, Canvas*, int section) override
    {
        if (section == GridSection::CellArea && framesOn) {
            if (focusOn) {
                focus.QueueCells(*this);
            }
            range.QueueCells(*this);
        }
    }
    int OnDrawFocusRect(Canvas* dc, const CRect& rect) override
    {
        if (framesOn) {
            if (focusOn) {
                focus.Draw(*this, *dc, rect);
            }
            range.Draw(*this, *dc);
        }
        return 1;
    }

    // A whole new painting, with or without the frames.
    Bitmap Fresh(bool withFrames)
    {
        framesOn = withFrames;
        Bitmap bitmap;
        bitmap.Create(CurrentSheet()->areaWidth, CurrentSheet()->areaHeight, 32);
        Canvas dc(bitmap);
        CCellRangeList all;
        painter.PaintCellArea(dc, all, true);
        framesOn = true;
        RangeList().Clear();
        return bitmap;
    }

    PictureHost host;
    CGridPainter painter;
    Bitmap picture;
    CGridFocusFrame focus;
    CGridRangeFrame range;
    bool focusOn;
    bool framesOn = true;
};

PictureHost::PictureHost(FramedGrid& grid) : m_grid(grid) {}

void PictureHost::RepaintAllParts()
{
    m_grid.picture = m_grid.Fresh(true);
}

void PictureHost::UpdateCellArea(CCellRangeList& queued)
{
    if (m_grid.picture.Width() != m_grid.CurrentSheet()->areaWidth ||
        !m_grid.painter.ScrollPicture(m_grid.picture, queued)) {
        RepaintAllParts();
        return;
    }
    Canvas dc(m_grid.picture);
    m_grid.painter.PaintCellArea(dc, queued, false);
}

// The points where two pictures of one size differ.
std::vector<CPoint> Differences(const Bitmap& a, const Bitmap& b)
{
    std::vector<CPoint> points;
    for (int y = 0; y < a.Height(); ++y) {
        for (int x = 0; x < a.Width(); ++x) {
            if (a.GetPixel(x, y) != b.GetPixel(x, y)) {
                points.emplace_back(x, y);
            }
        }
    }
    return points;
}

::testing::AssertionResult PictureIsFresh(FramedGrid& grid)
{
    const std::vector<CPoint> stale = Differences(grid.picture, grid.Fresh(true));
    if (stale.empty()) {
        return ::testing::AssertionSuccess();
    }
    return ::testing::AssertionFailure()
           << stale.size() << " stale pixels, the first at " << stale[0].x << "," << stale[0].y;
}

// The frame drawn round a range: the differences from a painting without frames, all on the
// range's outline.
::testing::AssertionResult ShowsOnlyFrameOf(FramedGrid& grid, int left, int top, int right, int bottom)
{
    CRect rect;
    grid.GetRangeRect(left, top, right, bottom, rect);
    const std::vector<CPoint> frame = Differences(grid.picture, grid.Fresh(false));
    for (const CPoint& p : frame) {
        if (!rect.PtInRect(p) ||
            (p.x > rect.left && p.x < rect.right - 1 && p.y > rect.top && p.y < rect.bottom - 1)) {
            return ::testing::AssertionFailure() << "a pixel off the frame at " << p.x << "," << p.y;
        }
    }
    return frame.empty() ? ::testing::AssertionFailure() << "no frame" : ::testing::AssertionSuccess();
}

} // namespace

TEST(GridFocusFrame, RingsShadowAndCornerMarkRoundTheCurrentCell)
{
    FramedGrid grid(true);
    grid.focus.SetCornerMark(true);
    grid.MoveToCell(2, 3);
    CRect cell;
    grid.GetCellRect(2, 3, cell);
    // Across the left edge and across the top edge: outer ring, shadow, inner black and white.
    const Bitmap::Pixel across[] = {0x000000, 0x787878, 0x000000, 0xFFFFFF};
    for (int i = 0; i < 4; ++i) {
        EXPECT_EQ(grid.picture.GetPixel(cell.left - 2 + i, cell.top + 8), across[i])
            << "left edge, ring " << i;
        EXPECT_EQ(grid.picture.GetPixel(cell.left + 8, cell.top - 2 + i), across[i])
            << "top edge, ring " << i;
    }
    EXPECT_EQ(grid.picture.GetPixel(cell.right - 5, cell.bottom - 3), 0x000000u) << "corner mark";
    EXPECT_EQ(grid.picture.GetPixel(cell.right - 2, cell.bottom - 7), 0xFFFFFFu) << "corner mark";
}

TEST(GridFocusFrame, EarlierFramesLeaveNoTrace)
{
    FramedGrid grid(true);
    grid.SetLockedColCount(1);
    grid.RepaintGrid();
    grid.MoveToCell(2, 3);
    grid.MoveToCell(3, 4);
    EXPECT_TRUE(PictureIsFresh(grid)) << "after moving the current cell";
    grid.ScrollToLeftCol(3);
    grid.MoveToCell(3, 5);
    EXPECT_TRUE(PictureIsFresh(grid)) << "next to the locked column";
    grid.ScrollToTopRow(2);
    EXPECT_TRUE(PictureIsFresh(grid)) << "after a scroll";

    grid.SetSelectionMode(1);
    grid.SelectBlock(4, 4, 5, 6);
    grid.SelectBlock(3, 3, 6, 8);
    EXPECT_TRUE(PictureIsFresh(grid)) << "after a block grew round the old one";
    grid.host.shiftHeld = true;
    grid.MoveToCell(4, 5);
    EXPECT_TRUE(PictureIsFresh(grid)) << "after the block shrank";
    grid.ScrollToLeftCol(4);
    grid.ScrollToTopRow(4);
    EXPECT_TRUE(PictureIsFresh(grid)) << "with the block's first column and row scrolled away";
}

TEST(GridFocusFrame, BlockOutOfViewDrawsNoFrame)
{
    FramedGrid grid(true);
    grid.SetSelectionMode(1);
    grid.SelectBlock(1, 0, 2, 1);
    ASSERT_FALSE(Differences(grid.Fresh(true), grid.Fresh(false)).empty());
    grid.ScrollToTopRow(5);
    EXPECT_TRUE(Differences(grid.Fresh(true), grid.Fresh(false)).empty());
}

TEST(GridRangeFrame, MovesErasesAndGoesWithAScroll)
{
    FramedGrid grid(false);
    grid.range.Move(grid, 1, 2, 3, 4);
    grid.range.Move(grid, 1, 2, 3, 4);
    EXPECT_TRUE(ShowsOnlyFrameOf(grid, 1, 2, 3, 4)) << "the same range twice is drawn once";

    grid.range.Move(grid, -1, -1, -1, -1);
    EXPECT_FALSE(grid.range.IsDrawn());
    EXPECT_TRUE(Differences(grid.picture, grid.Fresh(false)).empty());
    grid.range.Move(grid, 5, 6, 6, 9);
    EXPECT_TRUE(ShowsOnlyFrameOf(grid, 5, 6, 6, 9)) << "the old frame is not restored";

    grid.ScrollToTopRow(1);
    EXPECT_FALSE(grid.range.IsDrawn());
    EXPECT_TRUE(Differences(grid.picture, grid.Fresh(false)).empty());
    grid.range.Move(grid, 5, 6, 6, 9);
    EXPECT_TRUE(ShowsOnlyFrameOf(grid, 5, 6, 6, 9)) << "moved again after the scroll";
}
