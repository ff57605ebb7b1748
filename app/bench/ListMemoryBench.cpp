// Resident memory of the program as a user runs it: the program is started on the virtual
// display with the sample list, and again with a list of 10,000 rows of 10 columns, and its
// resident size is read once it has settled after opening the list.
#include "list/ZantobyDoc.h"
#include "platform/FileSystem.h"
#include "platform/PrivateTempFolder.h"
#include "support/FakeListHost.h"

#include <benchmark/benchmark.h>

#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

namespace {

namespace fs = std::filesystem;

constexpr int kRows = 10000;

struct ColumnSpec
{
    const char* name;
    int type;
};

constexpr ColumnSpec kColumns[] = {
    {"品名", kTypeText},   {"在庫", kTypeYesNo},   {"分類", kTypeMark}, {"価格", kTypeNumber},
    {"入荷日", kTypeDate}, {"幅", kTypeNumber},    {"高さ", kTypeNumber}, {"備考", kTypeText},
    {"メーカー", kTypeText}, {"産地", kTypeText},
};
constexpr const char* kNames[] = {"ボールペン", "ノート", "消しゴム", "定規", "ホッチキス", "はさみ", "付箋", "クリップ"};
constexpr const char* kMakers[] = {"東日本文具", "西日本紙工", "北星製作所", "南海ペン"};
constexpr const char* kPlaces[] = {"日本", "台湾", "ベトナム", "タイ", "ドイツ"};

fs::path Root()
{
    return FileSystem::ToNative(PrivateTempFolder::Get()) / "list-memory";
}

// Writes the list of 10,000 rows of 10 columns; false when it could not be written.
bool MakeTenColumnList(const fs::path& path)
{
    FakeListHost host;
    CZantobyDoc doc(host);
    doc.listFolder = FileSystem::FromNative(path.parent_path());
    doc.photoFolderName = "Photo-goods";
    fs::create_directories(path.parent_path() / "Photo-goods");
    doc.columnCount = static_cast<int>(std::size(kColumns));
    for (int j = 0; j < doc.columnCount; ++j) {
        doc.GetColumn(j).type = kColumns[j].type;
        doc.GetColumn(j).name = kColumns[j].name;
    }
    doc.BuildColumnMap();
    doc.SwitchUndoOff();
    for (int row = 0; row < kRows; ++row) {
        const int line = doc.displayCount - 1;
        CString text;
        text.Format("%s %d", kNames[row % std::size(kNames)], row + 1);
        doc.SetCellTextAt(0, line, text);
        doc.SetCellTextAt(1, line, row % 3 == 0 ? "0" : "1");
        doc.SetCellTextAt(2, line, row % 4 == 0 ? "★" : "A");
        text.Format("%d", 100 + (row * 37) % 5000);
        doc.SetCellTextAt(3, line, text);
        text.Format("2024/%02d/%02d", 1 + row % 12, 1 + row % 28);
        doc.SetCellTextAt(4, line, text);
        text.Format("%d", 10 + row % 90);
        doc.SetCellTextAt(5, line, text);
        text.Format("%d", 5 + row % 40);
        doc.SetCellTextAt(6, line, text);
        if (row % 4 == 1) {
            doc.SetCellTextAt(7, line, "色違いあり。まとめ買いの割引は店頭でお問い合わせください。");
        }
        doc.SetCellTextAt(8, line, kMakers[row % std::size(kMakers)]);
        doc.SetCellTextAt(9, line, kPlaces[row % std::size(kPlaces)]);
        doc.AppendNewRowLine();
    }
    return doc.WriteListFile(FileSystem::FromNative(path), true);
}

// The resident size of a process in megabytes, 0 when it cannot be read.
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

// Starts the program with a list in a home of its own, waits until it has taken the list and
// its resident size has stayed within 1 MB for two seconds, and reads that size; 0 when the
// program did not settle within a minute.
double SettledResidentMegabytes(const fs::path& list, const fs::path& home)
{
    fs::create_directories(home / "run");
    chmod((home / "run").c_str(), 0700);
    fs::create_directories(home / "tmp");
    fs::create_directories(home / "config/zantoby");
    // A quiet start: no navigator, no tutorial, no last list.
    std::ofstream(home / "config/zantoby/Zantoby.ini")
        << "[Auto]\r\nNavigate=0\r\nTutorial=0\r\nOpen=0\r\n[MainFrame]\r\nShow=1\r\n";
    const fs::path log = home / "open.log";
    const pid_t pid = fork();
    if (pid == 0) {
        setenv("XDG_RUNTIME_DIR", (home / "run").c_str(), 1);
        setenv("XDG_CONFIG_HOME", (home / "config").c_str(), 1);
        setenv("XDG_STATE_HOME", (home / "state").c_str(), 1);
        setenv("TMPDIR", (home / "tmp").c_str(), 1);
        setenv("ZANTOBY_OPEN_LOG", log.c_str(), 1);
        execl(ZANTOBY_PROGRAM, ZANTOBY_PROGRAM, list.c_str(), static_cast<char*>(nullptr));
        _exit(127);
    }
    constexpr int kStepMs = 250;
    constexpr int kSteadySteps = 8;
    double settled = 0;
    double last = 0;
    int steady = 0;
    for (int waited = 0; waited < 60000 && settled == 0; waited += kStepMs) {
        usleep(kStepMs * 1000);
        if (waitpid(pid, nullptr, WNOHANG) == pid) {
            return 0;
        }
        if (!Contains(log, list.filename().string())) {
            continue;
        }
        const double now = ResidentMegabytes(pid);
        steady = (now > 0 && now - last < 1 && last - now < 1) ? steady + 1 : 0;
        last = now;
        if (steady >= kSteadySteps) {
            settled = now;
        }
    }
    kill(pid, SIGKILL);
    waitpid(pid, nullptr, 0);
    return settled;
}

void BM_ResidentMemoryWithATenColumnList(benchmark::State& state)
{
    std::error_code ignored;
    fs::remove_all(Root(), ignored);
    fs::create_directories(Root());
    // A copy of the sample list, so that the program's own stays untouched.
    fs::copy(fs::path(ZANTOBY_RESOURCES) / "Sample", Root() / "sample", fs::copy_options::recursive, ignored);
    const fs::path sampleList = Root() / "sample/sample.zbk";
    const fs::path tenColumns = Root() / "goods/goods.zbk";
    fs::create_directories(tenColumns.parent_path());
    if (!fs::exists(sampleList) || !MakeTenColumnList(tenColumns)) {
        state.SkipWithError("the lists could not be made");
        return;
    }
    double sample = 0;
    double list = 0;
    for (auto _ : state) {
        sample = SettledResidentMegabytes(sampleList, Root() / "home-sample");
        list = SettledResidentMegabytes(tenColumns, Root() / "home-goods");
    }
    if (sample == 0 || list == 0) {
        state.SkipWithError("the program did not settle with a list open");
    }
    state.counters["sample_RSS_MB"] = sample;
    state.counters["list_RSS_MB"] = list;
    state.counters["above_MB"] = list - sample;
    fs::remove_all(Root(), ignored);
}
BENCHMARK(BM_ResidentMemoryWithATenColumnList)->Unit(benchmark::kSecond)->Iterations(1);

} // namespace
