// Speed of the Web file creation of a full list: 10,000 rows, no photos, every single page
// written anew (the re-create run).
#include "list/ZantobyDoc.h"
#include "platform/FileSystem.h"
#include "support/FakeListHost.h"
#include "support/TempFolder.h"
#include "web/site/WebFileCreator.h"

#include <benchmark/benchmark.h>

#include <memory>
#include <random>

namespace {

const char* const kThings[] = {"ボトル", "チェア",   "ライト", "花瓶",   "財布", "Tシャツ", "マグ",
                               "セット", "テーブル", "ランプ", "バッグ", "時計", "皿",      "<特価>"};
constexpr int kThingCount = sizeof(kThings) / sizeof(kThings[0]);
constexpr int kColumns = 12;

// A product list of twelve columns (texts, numbers, a mark and a date) and 10,000 rows.
void FillList(CZantobyDoc& doc)
{
    const int types[kColumns] = {kTypeText, kTypeText,  kTypeNumber, kTypeNumber, kTypeMark, kTypeDate,
                                 kTypeText, kTypeYesNo, kTypeText,   kTypeNumber, kTypeText, kTypeText};
    doc.columnCount = kColumns;
    for (int i = 0; i < kColumns; ++i) {
        ColumnRecord& column = doc.GetColumn(i);
        column.type = types[i];
        column.name.Format("項目%d", i + 1);
        column.thousands = true;
    }
    doc.BuildColumnMap();
    std::mt19937 random(11);
    for (int row = 0; row < kMaxRows; ++row) {
        int record = doc.AllocProductRecord();
        for (int c = 0; c < kColumns; ++c) {
            CString text;
            switch (types[c]) {
            case kTypeNumber:
                text.Format("%u", static_cast<unsigned>(random() % 100000));
                break;
            case kTypeDate:
                text.Format("20%02u/%02u/%02u", static_cast<unsigned>(random() % 30),
                            static_cast<unsigned>(random() % 12 + 1),
                            static_cast<unsigned>(random() % 28 + 1));
                break;
            case kTypeYesNo:
                text = random() % 2 ? "true" : "false";
                break;
            case kTypeMark:
                text = random() % 4 == 0 ? "http://example.jp/" : "A-1";
                break;
            default:
                text.Format("%s %u", kThings[random() % kThingCount], static_cast<unsigned>(random() % 1000));
                break;
            }
            CellRecord cell;
            doc.ParseCellText(c, cell, text, kOutputGrid);
            doc.GetRow(record).SetCell(doc.GetColumn(c).slot, doc.GetColumn(c).type, cell);
        }
    }
}

void CreateWebFiles(benchmark::State& state)
{
    TempFolder temp;
    FakeListHost host;
    auto doc = std::make_unique<CZantobyDoc>(host);
    FillList(*doc);
    doc->listFolder = temp.Path() + "list";
    doc->web.listName = "goods";
    doc->web.webFolder = doc->listFolder + "/Web";
    doc->web.rowCount = static_cast<int>(state.range(0));
    FileSystem::CreateFolder(doc->listFolder);
    FileSystem::CreateFolder(doc->web.webFolder);
    CWebFileCreator creator(*doc);
    creator.SetBaseFolder(ZANTOBY_WEB_BASE);
    WebCreateForm form = creator.LoadSettings();
    for (auto _ : state) {
        if (!creator.CreateWebFiles(form, true)) {
            state.SkipWithError("the run did not complete");
            break;
        }
    }
    state.counters["rows"] = static_cast<double>(creator.GetRows().size());
}

} // namespace

// Rows per list page: all on one page, and 50 (200 list pages).
BENCHMARK(CreateWebFiles)->Arg(0)->Arg(50)->Unit(benchmark::kMillisecond)->Iterations(3);
