#include "platform/FileSystem.h"
#include "web/exchange/CsvExporter.h"
#include "web/exchange/CsvImporter.h"
#include "web/exchange/testing/ExchangeList.h"

#include <benchmark/benchmark.h>

#include <filesystem>
#include <memory>

namespace {

// A full list: 10,000 rows of 128 text columns, each cell a short Japanese text with a comma
// now and then, so that quoting and escaping take their part.
ExchangeList& FullList()
{
    static std::unique_ptr<ExchangeList> list = [] {
        auto made = std::make_unique<ExchangeList>();
        CZantobyDoc& doc = *made->doc;
        doc.columnCount = kMaxColumns;
        for (int column = 0; column < kMaxColumns; ++column) {
            ColumnRecord& record = doc.GetColumn(column);
            record.slot = column;
            record.type = kTypeText;
            record.name.Format("項目%d", column + 1);
        }
        doc.BuildColumnMap();
        for (int row = 0; row < kMaxRows; ++row) {
            ProductRecord& record = doc.GetRow(row);
            record.inUse = true;
            for (int column = 0; column < kMaxColumns; ++column) {
                CString text;
                text.Format(column % 8 == 0 ? "商品%d,表%d" : "商品%d-%d", row, column);
                record.EditCells().SetText(column, text.view());
            }
        }
        doc.ShowAllRows();
        return made;
    }();
    return *list;
}

CString ExportedFile()
{
    ExchangeList& list = FullList();
    CString path = list.temp.Path() + "全件.csv";
    if (!FileSystem::Exists(path)) {
        CCsvExporter(*list.doc, ExportCsvSettings()).Write(path);
    }
    return path;
}

void BM_ExportFullListToCsv(benchmark::State& state)
{
    ExchangeList& list = FullList();
    CString path = list.temp.Path() + "出力.csv";
    for (auto _ : state) {
        benchmark::DoNotOptimize(CCsvExporter(*list.doc, ExportCsvSettings()).Write(path));
    }
    state.SetBytesProcessed(state.iterations() *
                            static_cast<int64_t>(std::filesystem::file_size(FileSystem::ToNative(path))));
}
BENCHMARK(BM_ExportFullListToCsv)->Unit(benchmark::kMillisecond);

void BM_ImportFullListFromCsv(benchmark::State& state)
{
    CString path = ExportedFile();
    ExchangeList target;
    target.doc->columnCount = kMaxColumns;
    for (int column = 0; column < kMaxColumns; ++column) {
        target.doc->GetColumn(column).slot = column;
        target.doc->GetColumn(column).type = kTypeText;
    }
    target.doc->BuildColumnMap();
    ImportCsvSettings settings;
    settings.mode = 1;
    settings.passRows = 1;
    settings.pathMode = 0;
    for (auto _ : state) {
        CCsvImporter importer(*target.doc, settings);
        importer.Import(path);
        if (importer.GetRowCount() != kMaxRows) {
            state.SkipWithError("not every row was imported");
        }
        target.host.progressTexts.clear();
    }
    state.SetBytesProcessed(state.iterations() *
                            static_cast<int64_t>(std::filesystem::file_size(FileSystem::ToNative(path))));
}
BENCHMARK(BM_ImportFullListFromCsv)->Unit(benchmark::kMillisecond);

} // namespace
