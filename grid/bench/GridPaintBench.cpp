// Painting a full 1280 x 800 grid of a list-sized data source, and a page scroll.
#include "grid/CellDataSource.h"
#include "grid/CellGridCore.h"
#include "grid/CellRangeList.h"
#include "grid/CellRecord.h"
#include "grid/GridPainter.h"
#include "platform/canvas/Canvas.h"

#include <benchmark/benchmark.h>

namespace {

constexpr int kRows = 10000;
constexpr int kColumns = 148;

// Cells made up on request, as a list document answers for its rows.
class ListSource : public CCellDataSource
{
  public:
    int GetRowCount() override { return kRows; }
    int GetCell(int column, int row, CCellRecord& record) override
    {
        if (column < 0 || row < 0) {
            CString text;
            text.Format(row < 0 ? "列 %d" : "%d", row < 0 ? column + 1 : row + 1);
            record.SetTextValue(text);
            return 0;
        }
        CString text;
        switch (column % 4) {
        case 0:
            text.Format("品番 %05d-%03d", row, column);
            break;
        case 1:
            text.Format("%d", row * 37 % 100000);
            break;
        case 2:
            text = row % 3 == 0 ? "東日本電機" : "西部工業";
            break;
        default:
            text.Format("2024/%02d/%02d", row % 12 + 1, column % 28 + 1);
            break;
        }
        record.SetTextValue(text);
        return 0;
    }
    int FindTextBefore(int* column, int) override
    {
        --*column;
        return *column >= 0 ? 0 : 1;
    }
};

class WindowSize : public CGridHost
{
  public:
    CSize GetClientSize() const override { return CSize(1280, 800); }
};

struct PaintedGrid
{
    PaintedGrid()
    {
        font.faceName = "ＭＳ Ｐゴシック";
        font.height = -12;
        grid.SetStandardFont(&font);
        grid.SetHost(&host);
        grid.RegisterDataSource(&source);
        grid.CurrentSheet()->dataSource = &source;
        grid.SetColCount(kColumns);
        grid.SetRowCount(kRows);
        grid.LayoutParts();
        const CGridSheetInfo& sheet = *grid.CurrentSheet();
        area.Create(sheet.areaWidth, sheet.areaHeight, 32);
        top.Create(sheet.areaWidth, sheet.topHeadingHeight, 32);
        side.Create(sheet.sideHeadingWidth, sheet.areaHeight, 32);
    }

    void PaintAll()
    {
        CGridPainter painter(grid);
        CCellRangeList all;
        Canvas areaDc(area);
        painter.PaintCellArea(areaDc, all, true);
        Canvas topDc(top);
        painter.PaintTopHeading(topDc, CSize(top.Width(), top.Height()), -1);
        Canvas sideDc(side);
        painter.PaintSideHeading(sideDc, CSize(side.Width(), side.Height()));
    }

    LogFont font;
    WindowSize host;
    ListSource source;
    CCellGridCore grid;
    Bitmap area;
    Bitmap top;
    Bitmap side;
};

void BM_PaintFullGrid(benchmark::State& state)
{
    PaintedGrid painted;
    for (auto _ : state) {
        painted.PaintAll();
        benchmark::DoNotOptimize(painted.area.Data());
    }
    state.counters["cells"] =
        static_cast<double>((painted.grid.LastVisibleColumn() + 1) *
                            (painted.grid.LastVisibleRow() - painted.grid.FirstVisibleRow() + 1));
}
BENCHMARK(BM_PaintFullGrid)->Unit(benchmark::kMillisecond);

// A page down repaints every cell of the area and both headings.
void BM_ScrollOnePage(benchmark::State& state)
{
    PaintedGrid painted;
    painted.PaintAll();
    for (auto _ : state) {
        if (painted.grid.ScrollRows(MoveKind::PageForward) != 0 ||
            painted.grid.FirstVisibleRow() >= kRows - 100) {
            painted.grid.ScrollToTopRow(0);
        }
        painted.PaintAll();
        benchmark::DoNotOptimize(painted.area.Data());
    }
}
BENCHMARK(BM_ScrollOnePage)->Unit(benchmark::kMillisecond);

} // namespace
