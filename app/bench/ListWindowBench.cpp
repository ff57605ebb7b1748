// Speed of the list window on a full list: opening a 10,000-row list until its first screen is
// drawn, and scrolling to its end. The program runs as a user starts it, on the virtual display.
#include "app/frame/ui/MainFrame.h"
#include "app/listwindow/ui/GridView.h"
#include "app/listwindow/ui/ListDocument.h"
#include "app/listwindow/ui/ListGrid.h"
#include "app/startup/SampleListMaker.h"
#include "app/startup/ui/ZantobyApp.h"
#include "app/startup/ui/ZantobyDocManager.h"
#include "app/testing/ui/ProgramStart.h"
#include "grid/ui/GridCellArea.h"
#include "platform/PrivateTempFolder.h"
#include "support/FakeListHost.h"

#include <benchmark/benchmark.h>

#include <cstdlib>

namespace {

constexpr int kRows = 10000;

CString ListPath()
{
    return PrivateTempFolder::Get() + "bench-list/goods.zbk";
}

CZantobyApp& App()
{
    static bool made = [] {
        // Settings and logs stay in the temporary folder.
        const CString home = PrivateTempFolder::Get();
        setenv("XDG_CONFIG_HOME", home.GetString(), 1);
        setenv("XDG_STATE_HOME", home.GetString(), 1);
        FakeListHost host;
        return CSampleListMaker(host).Make(ListPath(), kRows, 20);
    }();
    if (!made) {
        std::abort();
    }
    return StartProgram({});
}

CGridView* OpenView()
{
    for (wxDocument* doc : App().GetDocManager()->GetDocumentsVector()) {
        if (wxDynamicCast(doc, CListDocument) != nullptr) {
            return wxDynamicCast(doc->GetFirstView(), CGridView);
        }
    }
    return nullptr;
}

// Draws what is waiting to be drawn.
void ShowScreen(CListGrid& grid)
{
    grid.CellArea()->Refresh();
    grid.CellArea()->Update();
    App().GetMainFrame()->Update();
}

void BM_OpenTenThousandRowsToFirstScreen(benchmark::State& state)
{
    CZantobyApp& app = App();
    for (auto _ : state) {
        if (!app.OpenDocumentFile(ListPath())) {
            state.SkipWithError("the list did not open");
            return;
        }
        CGridView* view = OpenView();
        ShowScreen(*view->Grid());
        state.PauseTiming();
        benchmark::DoNotOptimize(view->Grid()->GetRowCount());
        app.GetDocManager()->CloseDocument(view->GetDocument(), true);
        wxTheApp->ProcessPendingEvents();
        state.ResumeTiming();
    }
}
BENCHMARK(BM_OpenTenThousandRowsToFirstScreen)->Unit(benchmark::kMillisecond)->Iterations(5);

void BM_ScrollToTheEnd(benchmark::State& state)
{
    CZantobyApp& app = App();
    if (!app.OpenDocumentFile(ListPath())) {
        state.SkipWithError("the list did not open");
        return;
    }
    CListGrid& grid = *OpenView()->Grid();
    ShowScreen(grid);
    for (auto _ : state) {
        grid.MoveToCell(0, grid.GetRowCount() - 1);
        ShowScreen(grid);
        state.PauseTiming();
        grid.MoveToCell(0, 0);
        ShowScreen(grid);
        state.ResumeTiming();
    }
    app.GetDocManager()->CloseDocument(OpenView()->GetDocument(), true);
}
BENCHMARK(BM_ScrollToTheEnd)->Unit(benchmark::kMillisecond)->Iterations(20);

} // namespace
