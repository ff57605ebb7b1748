// Replace All over a list-sized sheet in a grid window on the virtual display: every row of a
// column holds the text that is replaced.
#include "grid/GridFindRequest.h"
#include "grid/ui/CellGrid.h"
#include "grid/ui/GridCellArea.h"
#include "platform/FindReplaceFlags.h"
#include "platform/MessageBox.h"
#include "platform/ui/testing/WxTestEnvironment.h"

#include <benchmark/benchmark.h>
#include <wx/frame.h>

namespace {

constexpr int kRows = 10000;
constexpr int kColumns = 10;

CCellGrid& FilledGrid()
{
    static CCellGrid* grid = [] {
        WxTestEnvironment::Ensure();
        auto* frame = new wxFrame(nullptr, wxID_ANY, "grid", wxPoint(0, 0), wxSize(900, 600));
        auto* made = new CCellGrid();
        made->CreateGridWindow(0, wxRect(wxPoint(0, 0), frame->GetClientSize()), frame, 100);
        made->SetPaintEnabled(0);
        made->SetColCount(kColumns);
        made->SetRowCount(kRows);
        for (int row = 0; row < kRows; ++row) {
            for (int column = 0; column < kColumns; ++column) {
                CString text;
                text.Format(column == 1 ? "赤いボトル %d" : "商品%d-%d", row, column);
                made->SetCellText(column, row, text);
            }
        }
        made->SetPaintEnabled(1);
        frame->Show();
        WxTestEnvironment::PumpUntil([made] { return made->IsShownOnScreen(); });
        WxTestEnvironment::PumpFor(100);
        // A box would wait for a user; none is expected.
        SetMessageBoxHandler([](const CString&, const CString&, unsigned) { return IDOK; });
        return made;
    }();
    return *grid;
}

// Replaces a word and back again from the first row, so that every pass finds every cell: in
// one column (10,000 cells) going down it, or in the nine other columns (90,000 cells) going
// along the rows.
void ReplaceAll(benchmark::State& state, int column, bool alongRows, const char* word, const char* other)
{
    CCellGrid& grid = FilledGrid();
    grid.SetSearchByColumns(alongRows ? 1 : 0);
    const char* words[] = {word, other};
    int pass = 0;
    for (auto _ : state) {
        grid.MoveToCell(column, 0);
        CGridFindRequest request;
        request.findWhat = words[pass % 2];
        request.replaceWith = words[(pass + 1) % 2];
        request.flags = FR_DOWN | FR_REPLACEALL;
        grid.FindReplace(request);
        grid.CellArea()->Update();
        ++pass;
    }
    if (grid.GetCellText(column, kRows - 1).Find(words[pass % 2]) != 0) {
        state.SkipWithError("the last row was not replaced");
    }
}

void BM_ReplaceAllInAColumn(benchmark::State& state)
{
    ReplaceAll(state, 1, false, "赤い", "青い");
}
BENCHMARK(BM_ReplaceAllInAColumn)->Unit(benchmark::kMillisecond);

void BM_ReplaceAllAlongTheRows(benchmark::State& state)
{
    ReplaceAll(state, 0, true, "商品", "製品");
}
BENCHMARK(BM_ReplaceAllAlongTheRows)->Unit(benchmark::kMillisecond);

} // namespace
