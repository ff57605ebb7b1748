// Speed of the list window on a full list: opening a 10,000-row list until its first screen is
// drawn, scrolling to its end, and commands on every cell of 10,000 rows of 128 columns with
// their undo. The program runs as a user starts it, on the virtual display.
#include "app/frame/ui/MainFrame.h"
#include "app/listwindow/ui/GridView.h"
#include "app/listwindow/ui/ListDocument.h"
#include "app/listwindow/ui/ListGrid.h"
#include "app/startup/SampleListMaker.h"
#include "app/startup/ui/ZantobyApp.h"
#include "app/startup/ui/ZantobyDocManager.h"
#include "app/testing/ui/FullListFile.h"
#include "app/testing/ui/ProgramStart.h"
#include "grid/ui/GridCellArea.h"
#include "list/ZantobyDoc.h"
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

// The list window's undo and redo commands.
constexpr int kUndo = 57643;
constexpr int kRedo = 57644;

// A list of 10,000 rows whose 128 columns all hold a value, open in the window.
CGridView& FullListView()
{
    static CGridView* view = [] {
        App();
        const CString folder = PrivateTempFolder::Get() + "bench-full";
        const CString path = folder + "/full.zbk";
        if (!WriteFullListFile(folder, path) || !App().OpenDocumentFile(path)) {
            std::abort();
        }
        return OpenView();
    }();
    return *view;
}

void SelectEveryCell(CGridView& view)
{
    view.Grid()->SelectBlock(0, 0, kMaxColumns - 1, kMaxRows - 1);
}

// A command on every cell, timed until the screen is drawn, then undone untimed.
template <typename Command> void TimeOnEveryCell(benchmark::State& state, Command command)
{
    CGridView& view = FullListView();
    for (auto _ : state) {
        SelectEveryCell(view);
        command(view);
        ShowScreen(*view.Grid());
        state.PauseTiming();
        view.RunCommand(kUndo);
        ShowScreen(*view.Grid());
        state.ResumeTiming();
    }
}

void BM_ClearEveryCellOfAFullList(benchmark::State& state)
{
    TimeOnEveryCell(state, [](CGridView& view) { view.DeleteCells(0); });
}
BENCHMARK(BM_ClearEveryCellOfAFullList)->Unit(benchmark::kMillisecond)->Iterations(3);

void BM_UndoAndRedoOfClearingEveryCell(benchmark::State& state)
{
    CGridView& view = FullListView();
    SelectEveryCell(view);
    view.DeleteCells(0);
    ShowScreen(*view.Grid());
    for (auto _ : state) {
        view.RunCommand(kUndo);
        ShowScreen(*view.Grid());
        view.RunCommand(kRedo);
        ShowScreen(*view.Grid());
    }
    view.RunCommand(kUndo);
    ShowScreen(*view.Grid());
}
BENCHMARK(BM_UndoAndRedoOfClearingEveryCell)->Unit(benchmark::kMillisecond)->Iterations(3);

void BM_ColourEveryCellOfAFullList(benchmark::State& state)
{
    TimeOnEveryCell(state, [](CGridView& view) { view.ApplyColor(RGB(255, 255, 0), true); });
}
BENCHMARK(BM_ColourEveryCellOfAFullList)->Unit(benchmark::kMillisecond)->Iterations(3);

} // namespace
