// The full list printed, A4 portrait: the list print into a PDF file, drawn as a printer gets it,
// beside a plain cairo page writer of the same table in the same run; the list preview until its
// first page is shown, and a turn of its page.
#include "app/bench/FullListShared.h"
#include "app/bench/PlainPageWriter.h"
#include "app/frame/ui/MainFrame.h"
#include "app/printing/ui/ListPrintRunner.h"
#include "app/printing/ui/ListPrintout.h"
#include "app/startup/ui/ZantobyApp.h"
#include "app/testing/ui/PrintoutPdf.h"
#include "list/ZantobyDoc.h"
#include "platform/FileSystem.h"
#include "platform/ui/testing/WxTestEnvironment.h"

#include <benchmark/benchmark.h>

#include <wx/print.h>

#include <filesystem>
#include <memory>
#include <string>
#include <unistd.h>
#include <vector>

namespace {

using namespace FullListShared;
namespace fs = std::filesystem;

// A folder in memory for the printed files, gone with the benchmark.
class PrintFolder
{
  public:
    PrintFolder() : m_path("/dev/shm/zantoby-print-bench-" + std::to_string(getpid()))
    {
        fs::create_directories(m_path);
    }
    ~PrintFolder()
    {
        std::error_code ignored;
        fs::remove_all(m_path, ignored);
    }
    PrintFolder(const PrintFolder&) = delete;
    PrintFolder& operator=(const PrintFolder&) = delete;

    fs::path operator/(const char* name) const { return m_path / name; }

  private:
    fs::path m_path;
};

// The columns that start on the paper.
int ColumnsOnThePaper(const CPrintJob& job)
{
    const std::vector<int>& widths = job.ListLayout().ColumnWidths();
    int columns = 0;
    for (int column = 0, left = 0; column < static_cast<int>(widths.size());
         left += widths[column], ++column) {
        columns += widths[column] > 0 && left < job.Area().printableWidth ? 1 : 0;
    }
    return columns;
}

void BM_ListPrintIntoAPdfFile(benchmark::State& state)
{
    CZantobyDoc& doc = FullList();
    App();
    const PrintFolder folder;
    double total = 0;
    int pages = 0;
    int columns = 0;
    for (auto _ : state) {
        const double start = Now();
        CListPrintout printout(doc, CPrintJob::Form::List, {});
        pages = PrintPrintoutToPdf(printout, FileSystem::FromNative(folder / "list.pdf"), 2100, 2970);
        const double seconds = Seconds(start);
        if (pages < 1) {
            state.SkipWithError("the list did not print");
            return;
        }
        state.SetIterationTime(seconds);
        total += seconds;
        columns = ColumnsOnThePaper(printout.Job());
    }
    double anchor = 0;
    constexpr int kAnchorRuns = 2;
    for (int i = 0; i < kAnchorRuns; ++i) {
        const double start = Now();
        // The same table: as many columns and pages, as many rows a page.
        if (CPlainPageWriter::Write(doc, (folder / "plain.pdf").string(), columns,
                                    (doc.displayCount + pages - 1) / pages) < 1) {
            state.SkipWithError("the plain writer did not write");
            return;
        }
        anchor += Seconds(start) / kAnchorRuns;
    }
    state.counters["pages"] = pages;
    state.counters["columns"] = columns;
    Report(
        state,
        "list print of the full list into a PDF file, A4 portrait, as a printer gets it|s|a plain cairo page "
        "writer of the same table (heading row, the columns on the paper, as many rows a page, cells cut, "
        "grid lines)",
        total / static_cast<double>(state.iterations()), anchor, 2, true);
}
BENCHMARK(BM_ListPrintIntoAPdfFile)->UseManualTime()->Unit(benchmark::kSecond)->Iterations(2);

struct PreviewRun
{
    double firstPage = 0; // from the command until the first page is shown
    double pageTurn = 0;  // a turn to the next page, until it is shown
};

wxPrintPreviewBase* PreviewOf(wxPreviewFrame& frame)
{
    for (wxWindow* child : frame.GetChildren()) {
        if (auto* bar = dynamic_cast<wxPreviewControlBar*>(child)) {
            return bar->GetPrintPreview();
        }
    }
    return nullptr;
}

// The list preview opened as its command opens it, its first page drawn, then ten turns of the
// page; zeros when it did not open.
const PreviewRun& Preview()
{
    static const PreviewRun run = [] {
        CZantobyDoc& doc = FullList();
        CMainFrame* main = App().GetMainFrame();
        PreviewRun made;
        const double start = Now();
        wxPreviewFrame* frame = CListPrintRunner::Preview(doc, nullptr, main, CPrintJob::Form::List);
        wxPrintPreviewBase* preview = frame != nullptr ? PreviewOf(*frame) : nullptr;
        if (preview == nullptr || preview->GetCanvas() == nullptr) {
            return made;
        }
        // The preview lays its pages out as it is made, and draws the first as its window paints:
        // the page is shown once a paint has run. A paint that came before this waits for is
        // asked again.
        auto painted = std::make_shared<bool>(false);
        wxWindow* canvas = preview->GetCanvas();
        canvas->Bind(wxEVT_PAINT, [painted](wxPaintEvent& event) {
            *painted = true;
            event.Skip();
        });
        canvas->Refresh();
        if (!WxTestEnvironment::PumpUntil([&] { return *painted; }, 120000)) {
            return made;
        }
        made.firstPage = Seconds(start);
        constexpr int kTurns = 10;
        for (int page = 2; page <= kTurns + 1; ++page) {
            const double turn = Now();
            // What a turn does before the new page is blitted to the window.
            preview->RenderPage(page);
            made.pageTurn += Seconds(turn) / kTurns;
        }
        frame->Close(true);
        WxTestEnvironment::PumpFor(300);
        return made;
    }();
    return run;
}

void BM_ListPreviewToItsFirstPage(benchmark::State& state)
{
    const PreviewRun& run = Preview();
    for (auto _ : state) {
        state.SetIterationTime(run.firstPage);
    }
    if (run.firstPage == 0) {
        state.SkipWithError("the preview did not open");
        return;
    }
    Report(state, "list preview of the full list, from the command until its first page is shown|s|-",
           run.firstPage, 0, 1, false);
}
BENCHMARK(BM_ListPreviewToItsFirstPage)->UseManualTime()->Unit(benchmark::kSecond)->Iterations(1);

void BM_ListPreviewPageTurn(benchmark::State& state)
{
    const PreviewRun& run = Preview();
    for (auto _ : state) {
        state.SetIterationTime(run.pageTurn);
    }
    if (run.firstPage == 0) {
        state.SkipWithError("the preview did not open");
        return;
    }
    Report(state, "list preview, a turn to the next page until it is shown|ms|-", run.pageTurn * 1000, 0, 50,
           false);
}
BENCHMARK(BM_ListPreviewPageTurn)->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(1);

} // namespace
