#include "app/bench/FullListShared.h"

#include "app/startup/ui/ZantobyApp.h"
#include "app/testing/ui/ProgramStart.h"
#include "list/ListFileReader.h"
#include "list/ZantobyDoc.h"
#include "list/bench/BenchProducts.h"
#include "platform/FileSystem.h"
#include "platform/PrivateTempFolder.h"
#include "support/FakeListHost.h"
#include "web/exchange/CsvImporter.h"

#include <cstdlib>
#include <fstream>
#include <memory>
#include <random>
#include <string>
#include <time.h>

namespace FullListShared {

namespace {

namespace fs = std::filesystem;
using namespace BenchProducts;

const char* const kMakers[] = {"東日本文具", "西日本紙工", "北星製作所", "南海ペン", "山田商会"};

std::string Field(int column, std::mt19937& random)
{
    CString text;
    switch (TypeOfColumn(column)) {
    case kTypeNumber:
        text.Format("%u", static_cast<unsigned>(random() % 100000));
        break;
    case kTypeDate:
        text.Format("20%02u/%02u/%02u", static_cast<unsigned>(random() % 25),
                    static_cast<unsigned>(random() % 12 + 1), static_cast<unsigned>(random() % 28 + 1));
        break;
    case kTypeYesNo:
        text = random() % 2 ? "true" : "false";
        break;
    case kTypeMark:
        text.Format("A-%04u", static_cast<unsigned>(random() % 10000));
        break;
    default:
        if (column == 1) {
            text = kMakers[random() % std::size(kMakers)];
            break;
        }
        text = kTraits[random() % std::size(kTraits)];
        // Now and then two traits with a comma, which the file quotes.
        if (random() % 8 == 0) {
            text += ",";
            text += kTraits[random() % std::size(kTraits)];
        }
        text += kThings[random() % std::size(kThings)];
        if (random() % 4 == 0) {
            text.AppendFormat(" %uｃｍ", static_cast<unsigned>(random() % 200));
        }
        break;
    }
    std::string field(text.view());
    return field.find(',') != std::string::npos ? "\"" + field + "\"" : field;
}

} // namespace

// Seconds of a steady clock (<chrono> does not compile to Shift_JIS).
double Now()
{
    timespec now{};
    clock_gettime(CLOCK_MONOTONIC, &now);
    return static_cast<double>(now.tv_sec) + static_cast<double>(now.tv_nsec) / 1e9;
}

double Seconds(double from)
{
    return Now() - from;
}

fs::path Root()
{
    static const fs::path root = FileSystem::ToNative(PrivateTempFolder::Get()) / "full-list";
    return root;
}

fs::path CsvPath()
{
    return Root() / "goods.csv";
}

fs::path ListPath()
{
    return Root() / "goods/goods.zbk";
}

void DefineColumns(CZantobyDoc& doc)
{
    doc.columnCount = kMaxColumns;
    for (int i = 0; i < kMaxColumns; ++i) {
        ColumnRecord& column = doc.GetColumn(i);
        column.slot = i;
        column.type = TypeOfColumn(i);
        column.name.Format("項目%d", i + 1);
    }
    doc.GetColumn(0).name = "品名";
    doc.GetColumn(1).name = "メーカー";
    doc.BuildColumnMap();
}

// The import that replaces the rows of a list, without photos.
ImportCsvSettings ReplacingImport()
{
    ImportCsvSettings settings;
    settings.mode = 1;
    settings.pathMode = 0;
    return settings;
}

// The CSV of the full list, Shift_JIS with CR LF, and the list made from it; made once.
void MakeFiles()
{
    static bool made = [] {
        std::error_code ignored;
        fs::remove_all(Root(), ignored);
        fs::create_directories(ListPath().parent_path() / "Photo-goods");
        std::mt19937 random(7);
        std::string text;
        for (int row = 0; row < kMaxRows; ++row) {
            for (int column = 0; column < kMaxColumns; ++column) {
                text += column > 0 ? "," : "";
                text += Field(column, random);
            }
            text += "\r\n";
        }
        std::ofstream(CsvPath(), std::ios::binary) << text;

        FakeListHost host;
        CZantobyDoc doc(host);
        doc.listFolder = FileSystem::FromNative(ListPath().parent_path());
        doc.photoFolderName = "Photo-goods";
        DefineColumns(doc);
        CCsvImporter importer(doc, ReplacingImport());
        return importer.Import(FileSystem::FromNative(CsvPath())) && importer.GetRowCount() == kMaxRows &&
               doc.WriteListFile(FileSystem::FromNative(ListPath()), true);
    }();
    if (!made) {
        std::abort();
    }
}

// One line of the table: the work (label: work|unit|anchor), our figure, the anchor's and the
// goal, which limits the ratio ours / anchor when byRatio, else our figure.
void Report(benchmark::State& state, const char* label, double ours, double anchor, double goal, bool byRatio)
{
    state.SetLabel(label);
    state.counters["ours"] = ours;
    state.counters["anchor"] = anchor;
    state.counters["ratio"] = anchor > 0 ? ours / anchor : 0;
    state.counters["goal"] = goal;
    state.counters["by_ratio"] = byRatio ? 1 : 0;
}

CZantobyApp& App()
{
    static CZantobyApp& app = [&]() -> CZantobyApp& {
        // Settings and logs stay in the temporary folder.
        const CString home = PrivateTempFolder::Get();
        setenv("XDG_CONFIG_HOME", home.GetString(), 1);
        setenv("XDG_STATE_HOME", home.GetString(), 1);
        return StartProgram({});
    }();
    return app;
}

// The full list as the program reads it from its file.
CZantobyDoc& FullList()
{
    static FakeListHost host;
    static std::unique_ptr<CZantobyDoc> doc = [] {
        MakeFiles();
        auto made = std::make_unique<CZantobyDoc>(host);
        if (!made->ReadListFile(FileSystem::FromNative(ListPath()), CListFileReader::ReadAll)) {
            std::abort();
        }
        return made;
    }();
    return *doc;
}

} // namespace FullListShared
