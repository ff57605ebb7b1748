// The figures of a full list (10,000 rows of 128 columns made from a CSV of Japanese product
// data) wherever the list window takes part, each beside its anchor timed in the same run:
// Python's csv module for reading and writing the list's CSV, a plain Python page writer for Web
// output, the importer with no window for the import in the program, the sample list for the
// program's start and memory. scripts/bench-table prints them as one table.
#include "app/bench/FullListShared.h"
#include "app/frame/ui/MainFrame.h"
#include "app/listwindow/ui/GridView.h"
#include "app/listwindow/ui/ListDocument.h"
#include "app/listwindow/ui/ListGrid.h"
#include "app/startup/ui/ZantobyApp.h"
#include "app/startup/ui/ZantobyDocManager.h"
#include "app/testing/ui/ProgramStart.h"
#include "grid/ui/GridCellArea.h"
#include "list/IListView.h"
#include "list/ListFileReader.h"
#include "list/ZantobyDoc.h"
#include "platform/FileSystem.h"
#include "platform/PrivateTempFolder.h"
#include "platform/ui/testing/WxTestEnvironment.h"
#include "support/FakeListHost.h"
#include "web/exchange/CsvImporter.h"
#include "web/exchange/ui/ImportCsvDlg.h"
#include "web/site/WebFileCreator.h"

#include <benchmark/benchmark.h>

#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <memory>
#include <random>
#include <string>
#include <sys/stat.h>
#include <sys/wait.h>
#include <time.h>
#include <unistd.h>

namespace {

namespace fs = std::filesystem;
using namespace FullListShared;

// The time of an anchor in seconds; 0 when it did not run.
double Anchor(const std::string& arguments)
{
    const std::string command = "/usr/bin/python3 '" ZANTOBY_ANCHORS "' " + arguments;
    FILE* pipe = popen(command.c_str(), "r");
    if (pipe == nullptr) {
        return 0;
    }
    double seconds = 0;
    if (std::fscanf(pipe, "%lf", &seconds) != 1) {
        seconds = 0;
    }
    return pclose(pipe) == 0 ? seconds : 0;
}

std::string Quoted(const fs::path& path)
{
    return "'" + path.string() + "'";
}

// The program started as a user starts it, with a list on its command line.
struct ProgramRun
{
    double splashSeconds = 0;      // until the splash, the first window, has been drawn
    double firstWindowSeconds = 0; // until the list's window has drawn its first screen
    double residentMegabytes = 0;  // once it has settled
};

double ResidentMegabytes(pid_t pid)
{
    std::ifstream status("/proc/" + std::to_string(pid) + "/status");
    std::string line;
    while (std::getline(status, line)) {
        if (line.rfind("VmRSS:", 0) == 0) {
            return std::atof(line.c_str() + 6) / 1024;
        }
    }
    return 0;
}

bool Contains(const fs::path& file, const std::string& text)
{
    std::ifstream stream(file);
    std::string line;
    while (std::getline(stream, line)) {
        if (line.find(text) != std::string::npos) {
            return true;
        }
    }
    return false;
}

// Starts the program in a home of its own, times it until the list's window has drawn, then
// waits until its resident size has stayed within 1 MB for two seconds. Zeros when the program
// did not get there within a minute.
ProgramRun RunProgram(const fs::path& list, const fs::path& home)
{
    std::error_code ignored;
    fs::remove_all(home, ignored);
    fs::create_directories(home / "run");
    chmod((home / "run").c_str(), 0700);
    fs::create_directories(home / "tmp");
    fs::create_directories(home / "config/zantoby");
    // A quiet start: no navigator, no tutorial, no last list.
    std::ofstream(home / "config/zantoby/Zantoby.ini")
        << "[Auto]\r\nNavigate=0\r\nTutorial=0\r\nOpen=0\r\n[MainFrame]\r\nShow=1\r\n";
    const fs::path log = home / "paint.log";
    const double start = Now();
    const pid_t pid = fork();
    if (pid == 0) {
        setenv("XDG_RUNTIME_DIR", (home / "run").c_str(), 1);
        setenv("XDG_CONFIG_HOME", (home / "config").c_str(), 1);
        setenv("XDG_STATE_HOME", (home / "state").c_str(), 1);
        setenv("TMPDIR", (home / "tmp").c_str(), 1);
        setenv("ZANTOBY_PAINT_LOG", log.c_str(), 1);
        execl(ZANTOBY_PROGRAM, ZANTOBY_PROGRAM, list.c_str(), static_cast<char*>(nullptr));
        _exit(127);
    }
    ProgramRun run;
    constexpr int kStepMs = 250;
    constexpr int kSteadySteps = 8;
    double last = 0;
    int steady = 0;
    for (int waited = 0; waited < 60000 && run.residentMegabytes == 0; usleep(1000), ++waited) {
        if (waitpid(pid, nullptr, WNOHANG) == pid) {
            return {};
        }
        if (run.splashSeconds == 0) {
            if (Contains(log, CZantobyApp::kSplashShownLine)) {
                run.splashSeconds = Seconds(start);
            }
            continue;
        }
        if (run.firstWindowSeconds == 0) {
            if (Contains(log, list.filename().string())) {
                run.firstWindowSeconds = Seconds(start);
            }
            continue;
        }
        if (waited % kStepMs != 0) {
            continue;
        }
        const double now = ResidentMegabytes(pid);
        steady = (now > 0 && now - last < 1 && last - now < 1) ? steady + 1 : 0;
        last = now;
        if (steady >= kSteadySteps) {
            run.residentMegabytes = now;
        }
    }
    kill(pid, SIGKILL);
    waitpid(pid, nullptr, 0);
    return run.residentMegabytes > 0 ? run : ProgramRun{};
}

// The sample list and the full list, each started twice; the faster start counts.
struct ProgramRuns
{
    ProgramRun sample;
    ProgramRun full;
};

const ProgramRuns& Runs()
{
    static const ProgramRuns runs = [] {
        MakeFiles();
        std::error_code ignored;
        fs::copy(fs::path(ZANTOBY_RESOURCES) / "Sample", Root() / "sample", fs::copy_options::recursive,
                 ignored);
        ProgramRuns made;
        for (int pass = 0; pass < 2; ++pass) {
            const ProgramRun sample = RunProgram(Root() / "sample/sample.zbk", Root() / "home-sample");
            const ProgramRun full = RunProgram(ListPath(), Root() / "home-full");
            if (pass == 0 || (sample.firstWindowSeconds > 0 &&
                              sample.firstWindowSeconds < made.sample.firstWindowSeconds)) {
                made.sample = sample;
            }
            if (pass == 0 ||
                (full.firstWindowSeconds > 0 && full.firstWindowSeconds < made.full.firstWindowSeconds)) {
                made.full = full;
            }
        }
        return made;
    }();
    return runs;
}

void BM_ProgramMemoryWithTheFullList(benchmark::State& state)
{
    const ProgramRuns& runs = Runs();
    for (auto _ : state) {
        state.SetIterationTime(runs.full.firstWindowSeconds);
    }
    if (runs.sample.residentMegabytes == 0 || runs.full.residentMegabytes == 0) {
        state.SkipWithError("the program did not settle with a list open");
        return;
    }
    state.counters["sample_MB"] = runs.sample.residentMegabytes;
    state.counters["full_MB"] = runs.full.residentMegabytes;
    Report(state, "program memory with the full list open, above the sample list|MB|-",
           runs.full.residentMegabytes - runs.sample.residentMegabytes, 0, 60, false);
}
BENCHMARK(BM_ProgramMemoryWithTheFullList)->UseManualTime()->Unit(benchmark::kSecond)->Iterations(1);

// One figure of the program's start with the full list, beside the same figure of its start
// with the sample list.
void ReportStart(benchmark::State& state, double ProgramRun::*figure, const char* label, double goal,
                 bool byRatio)
{
    const ProgramRuns& runs = Runs();
    for (auto _ : state) {
        state.SetIterationTime(runs.full.*figure);
    }
    Report(state, label, runs.full.*figure, runs.sample.*figure, goal, byRatio);
}

void BM_StartWithTheFullListToFirstWindow(benchmark::State& state)
{
    ReportStart(state, &ProgramRun::splashSeconds,
                "start with the list on the command line to the first drawn window, the splash|s|the "
                "sample list's start",
                1.5, false);
}
BENCHMARK(BM_StartWithTheFullListToFirstWindow)->UseManualTime()->Unit(benchmark::kSecond)->Iterations(1);

// The main window follows the splash's three seconds however fast the list opens: a full list
// should keep the user no longer than the sample list does.
void BM_StartWithTheFullListToItsWindow(benchmark::State& state)
{
    ReportStart(state, &ProgramRun::firstWindowSeconds,
                "start with the list on the command line to the list's first screen, after the "
                "splash|s|the sample list's start",
                1.1, true);
}
BENCHMARK(BM_StartWithTheFullListToItsWindow)->UseManualTime()->Unit(benchmark::kSecond)->Iterations(1);

// The importer with no window into a list, timed; 0 when not every row came in.
double TimeImporter(CZantobyDoc& doc)
{
    const double start = Now();
    CCsvImporter importer(doc, ReplacingImport());
    importer.Import(FileSystem::FromNative(CsvPath()));
    return importer.GetRowCount() == kMaxRows ? Seconds(start) : 0;
}

void BM_CsvImportWithNoWindow(benchmark::State& state)
{
    MakeFiles();
    double total = 0;
    for (auto _ : state) {
        FakeListHost host;
        auto doc = std::make_unique<CZantobyDoc>(host);
        DefineColumns(*doc);
        const double seconds = TimeImporter(*doc);
        if (seconds == 0) {
            state.SkipWithError("not every row was imported");
            return;
        }
        state.SetIterationTime(seconds);
        total += seconds;
    }
    double anchor = 0;
    for (int i = 0; i < 3; ++i) {
        anchor += Anchor("read " + Quoted(CsvPath())) / 3;
    }
    Report(state, "CSV import, no window|s|Python csv read of the same file",
           total / static_cast<double>(state.iterations()), anchor, 1, true);
}
BENCHMARK(BM_CsvImportWithNoWindow)->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(3);

CListDocument* OpenList()
{
    for (wxDocument* doc : App().GetDocManager()->GetDocumentsVector()) {
        if (auto* list = wxDynamicCast(doc, CListDocument)) {
            return list;
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

void CloseList(CListDocument& list)
{
    list.List().SetModifiedFlag(false);
    list.Modify(false);
    App().GetDocManager()->CloseDocument(&list, true);
    wxTheApp->ProcessPendingEvents();
}

void BM_OpenTheFullListToFirstScreen(benchmark::State& state)
{
    MakeFiles();
    CZantobyApp& app = App();
    double total = 0;
    for (auto _ : state) {
        const double start = Now();
        CListDocument* list = app.OpenDocumentFile(FileSystem::FromNative(ListPath())) ? OpenList() : nullptr;
        if (list == nullptr) {
            state.SkipWithError("the list did not open");
            return;
        }
        ShowScreen(*wxDynamicCast(list->GetFirstView(), CGridView)->Grid());
        const double seconds = Seconds(start);
        state.SetIterationTime(seconds);
        total += seconds;
        CloseList(*list);
    }
    Report(state, "open to the first painted screen, inside the program|s|-",
           total / static_cast<double>(state.iterations()), 0, 1, false);
}
BENCHMARK(BM_OpenTheFullListToFirstScreen)->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(3);

void BM_CsvImportInTheProgram(benchmark::State& state)
{
    MakeFiles();
    CListDocument* list = App().OpenDocumentFile(FileSystem::FromNative(ListPath())) ? OpenList() : nullptr;
    if (list == nullptr) {
        state.SkipWithError("the list did not open");
        return;
    }
    CListGrid& grid = *wxDynamicCast(list->GetFirstView(), CGridView)->Grid();
    ShowScreen(grid);
    CZantobyDoc& doc = list->List();
    const fs::path copy = Root() / "anchor/goods.zbk";
    std::error_code ignored;
    fs::create_directories(copy.parent_path() / "Photo-goods", ignored);
    fs::copy_file(ListPath(), copy, fs::copy_options::overwrite_existing, ignored);
    double total = 0;
    double anchor = 0;
    for (auto _ : state) {
        // A user picks the command in a window that has long finished its layout and paints.
        WxTestEnvironment::PumpFor(300);
        const double start = Now();
        // As the import command runs it once its dialog has closed.
        doc.UpdateAllViews(nullptr, kHintDisableGrid);
        CImportCsvDlg::ImportCsv(doc, ReplacingImport(), FileSystem::FromNative(CsvPath()));
        doc.UpdateAllViews(nullptr, kHintColumnsAndRows);
        doc.UpdateAllViews(nullptr, kHintEnableGrid);
        ShowScreen(grid);
        const double seconds = Seconds(start);
        state.SetIterationTime(seconds);
        total += seconds;
        // A full list has no new-row line.
        if (grid.GetRowCount() != kMaxRows) {
            state.SkipWithError("the grid does not show every row");
            break;
        }
        // The same import with no window, in turn with ours so that both meet memory in the same
        // state: into the same full list, read untimed from a copy of its file (the program keeps
        // the list's own file to itself).
        FakeListHost host;
        CZantobyDoc alone(host);
        if (!alone.ReadListFile(FileSystem::FromNative(copy), CListFileReader::ReadAll)) {
            state.SkipWithError("the copy of the list did not open");
            break;
        }
        anchor += TimeImporter(alone);
    }
    CloseList(*list);
    const double runs = static_cast<double>(state.iterations());
    Report(state,
           "CSV import of 10,000 rows in the running program, with its progress|s|the same importer with no "
           "window",
           total / runs, anchor / runs, 1.3, true);
}
BENCHMARK(BM_CsvImportInTheProgram)->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(4);

int CountFiles(const fs::path& folder)
{
    int files = 0;
    std::error_code ignored;
    for (const auto& entry : fs::recursive_directory_iterator(folder, ignored)) {
        files += entry.is_regular_file(ignored) ? 1 : 0;
    }
    return files;
}

// On tmpfs, as the save: on this disk (ext4 without a journal) the kernel makes every new file
// step past each file freed in the last minutes, so ours and the anchor would be timed by what ran
// before them rather than by their own work.
void BM_WebOutputOfEveryPageAnew(benchmark::State& state)
{
    CZantobyDoc& doc = FullList();
    const fs::path folder = "/dev/shm/zantoby-bench-" + std::to_string(getpid());
    doc.web.listName = "goods";
    doc.web.webFolder = FileSystem::FromNative(folder / "Web");
    doc.web.rowCount = 50;
    fs::create_directories(folder / "Web");
    CWebFileCreator creator(doc);
    creator.SetBaseFolder(ZANTOBY_WEB_BASE);
    WebCreateForm form = creator.LoadSettings();
    double total = 0;
    for (auto _ : state) {
        const double start = Now();
        if (!creator.CreateWebFiles(form, true)) {
            state.SkipWithError("the run did not complete");
            return;
        }
        const double seconds = Seconds(start);
        state.SetIterationTime(seconds);
        total += seconds;
    }
    const double ours = total / static_cast<double>(state.iterations());
    const int files = CountFiles(FileSystem::ToNative(doc.web.webFolder));
    double anchor = 0;
    for (int i = 0; i < 2; ++i) {
        anchor += Anchor("pages " + Quoted(CsvPath()) + " " + Quoted(folder / "python-web") + " " +
                         std::to_string(files)) /
                  2;
    }
    std::error_code ignored;
    fs::remove_all(folder, ignored);
    state.counters["files"] = files;
    state.counters["files_per_s"] = files / ours;
    state.counters["anchor_files_per_s"] = anchor > 0 ? files / anchor : 0;
    Report(state,
           "Web output, every page anew (time for the same number of files)|s|a plain Python page writer",
           ours, anchor, 1, true);
}
BENCHMARK(BM_WebOutputOfEveryPageAnew)->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(2);

void BM_SaveTheFullListOnTmpfs(benchmark::State& state)
{
    CZantobyDoc& doc = FullList();
    const fs::path folder = "/dev/shm/zantoby-bench-" + std::to_string(getpid());
    fs::create_directories(folder);
    const CString path = FileSystem::FromNative(folder / "goods.zbk");
    double total = 0;
    for (auto _ : state) {
        const double start = Now();
        if (!doc.WriteListFile(path, true)) {
            state.SkipWithError("the list was not written");
            break;
        }
        const double seconds = Seconds(start);
        state.SetIterationTime(seconds);
        total += seconds;
    }
    double anchor = 0;
    for (int i = 0; i < 3; ++i) {
        anchor += Anchor("write " + Quoted(CsvPath()) + " " + Quoted(folder / "goods.csv")) / 3;
    }
    std::error_code ignored;
    fs::remove_all(folder, ignored);
    Report(state, "save the full list, on tmpfs|s|Python csv write",
           total / static_cast<double>(state.iterations()), anchor, 1.2, true);
}
BENCHMARK(BM_SaveTheFullListOnTmpfs)->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(3);

} // namespace
