// Speed of the list document's heavy operations on a full list, and its memory.
#include "list/ListFileReader.h"
#include "list/ZantobyDoc.h"
#include "list/bench/BenchProducts.h"
#include "platform/FileSystem.h"
#include "platform/PrivateTempFolder.h"
#include "support/FakeListHost.h"

#include <benchmark/benchmark.h>

#include <malloc.h>
#include <sys/resource.h>

#include <iterator>
#include <memory>
#include <random>

namespace {

using namespace BenchProducts;

void DefineColumns(CZantobyDoc& doc, int count = kMaxColumns)
{
    doc.columnCount = count;
    for (int i = 0; i < count; ++i) {
        ColumnRecord& column = doc.GetColumn(i);
        column.type = TypeOfColumn(i);
        column.name.Format("項目%d", i + 1);
        column.thousands = true;
        column.dateKind = i % 3 == 0 ? 2 : 0;
    }
    doc.BuildColumnMap();
}

void FillRows(CZantobyDoc& doc)
{
    std::mt19937 random(7);
    for (int row = 0; row < kMaxRows; ++row) {
        ProductRecord& record = doc.GetRow(row);
        record.inUse = true;
        for (int i = 0; i < doc.columnCount; ++i) {
            const ColumnRecord& column = doc.GetColumn(i);
            CellRecord cell;
            switch (column.type) {
            case kTypeNumber:
                cell.number.SetInteger(static_cast<int>(random() % 100000));
                break;
            case kTypeDate:
                cell.date.SetDateTime(
                    2000 + static_cast<int>(random() % 20), 1 + static_cast<int>(random() % 12),
                    1 + static_cast<int>(random() % 28), static_cast<int>(random() % 24), 0, 0);
                break;
            case kTypeYesNo:
                cell.yesNo = random() % 2 == 0;
                break;
            case kTypeMark:
                cell.text.Format("A-%04u", static_cast<unsigned>(random() % 10000));
                break;
            default:
                // "限定" (limited) stands only in the name and note columns, as in real lists.
                do {
                    cell.text = kTraits[random() % std::size(kTraits)];
                } while (i > 1 && cell.text == "限定");
                cell.text += kThings[random() % std::size(kThings)];
                if (random() % 4 == 0) {
                    cell.text.AppendFormat(" %uｃｍ", static_cast<unsigned>(random() % 200));
                }
                break;
            }
            record.SetCell(column.slot, column.type, cell);
        }
    }
    doc.ShowAllRows();
}

struct FullList
{
    FullList() : doc(std::make_unique<CZantobyDoc>(host))
    {
        DefineColumns(*doc);
        FillRows(*doc);
    }
    FakeListHost host;
    std::unique_ptr<CZantobyDoc> doc;
};

FullList& SharedList()
{
    static FullList list;
    return list;
}

void BM_SortByThreeKeys(benchmark::State& state)
{
    CZantobyDoc& doc = *SharedList().doc;
    doc.sortKeys[0] = SortKeyEntry{3, true};  // number, descending
    doc.sortKeys[1] = SortKeyEntry{0, false}; // text
    doc.sortKeys[2] = SortKeyEntry{5, false}; // date
    doc.sortKeys[3] = SortKeyEntry{1, false};
    doc.sortKeys[5] = SortKeyEntry{2, false};
    for (auto _ : state) {
        state.PauseTiming();
        doc.ShowAllRows();
        state.ResumeTiming();
        doc.SortDisplayRows();
    }
}
BENCHMARK(BM_SortByThreeKeys)->Unit(benchmark::kMillisecond);

void ExtractRepeatedly(benchmark::State& state, const char* first, const char* second)
{
    CZantobyDoc& doc = *SharedList().doc;
    doc.ResetExtractConditions();
    doc.extractConditions->keywords.RemoveAll();
    doc.extractConditions->keywords.Add(first);
    doc.extractConditions->keywords.Add(second);
    for (auto _ : state) {
        doc.ExtractRows(true);
    }
    state.counters["rows"] = doc.displayCount - 1;
}

void BM_ExtractByTwoKeywords(benchmark::State& state)
{
    ExtractRepeatedly(state, "ボトル", "限定");
}
BENCHMARK(BM_ExtractByTwoKeywords)->Unit(benchmark::kMillisecond);

// Keywords without kanji that nearly every row holds: every text must be normalised.
void BM_ExtractByTwoCommonKeywords(benchmark::State& state)
{
    ExtractRepeatedly(state, "ﾎﾞﾄﾙ", "セット");
}
BENCHMARK(BM_ExtractByTwoCommonKeywords)->Unit(benchmark::kMillisecond);

void BM_FormatEveryCellForTheGrid(benchmark::State& state)
{
    CZantobyDoc& doc = *SharedList().doc;
    doc.ShowAllRows();
    size_t bytes = 0;
    for (auto _ : state) {
        for (int row = 0; row < doc.displayCount; ++row) {
            for (int column = 0; column < doc.columnCount; ++column) {
                bytes += doc.GetCellTextAt(column, row, kOutputGrid).GetLength();
            }
        }
    }
    benchmark::DoNotOptimize(bytes);
}
BENCHMARK(BM_FormatEveryCellForTheGrid)->Unit(benchmark::kMillisecond);

size_t HeapInUse()
{
    struct mallinfo2 info = mallinfo2();
    return info.uordblks + info.hblkhd;
}

// Heap taken by a new document and by the same document holding 10,000 rows of a number of
// columns.
void MeasureMemory(benchmark::State& state, int columns)
{
    double emptyBytes = 0;
    double fullBytes = 0;
    for (auto _ : state) {
        FakeListHost host;
        size_t before = HeapInUse();
        auto doc = std::make_unique<CZantobyDoc>(host);
        emptyBytes = static_cast<double>(HeapInUse() - before);
        DefineColumns(*doc, columns);
        FillRows(*doc);
        fullBytes = static_cast<double>(HeapInUse() - before);
    }
    state.counters["empty_MB"] = emptyBytes / (1024 * 1024);
    state.counters["full_MB"] = fullBytes / (1024 * 1024);
}

void BM_MemoryOfAList(benchmark::State& state)
{
    MeasureMemory(state, kMaxColumns);
}
BENCHMARK(BM_MemoryOfAList)->Unit(benchmark::kMillisecond)->Iterations(1);

void BM_MemoryOfATenColumnList(benchmark::State& state)
{
    MeasureMemory(state, 10);
}
BENCHMARK(BM_MemoryOfATenColumnList)->Unit(benchmark::kMillisecond)->Iterations(1);

// The undo image of every displayed row, taken before an edit that may touch any row.
void BM_UndoSnapshotOfEveryRow(benchmark::State& state)
{
    CZantobyDoc& doc = *SharedList().doc;
    doc.ShowAllRows();
    doc.DeleteUndoFiles(0);
    for (auto _ : state) {
        if (!doc.SaveUndoSnapshot(3, -1, 0)) {
            state.SkipWithError("no snapshot was written");
        }
        state.PauseTiming();
        doc.SaveUndoSnapshot(3, -1, 1);
        doc.DeleteUndoFiles(0);
        state.ResumeTiming();
    }
}
BENCHMARK(BM_UndoSnapshotOfEveryRow)->Unit(benchmark::kMillisecond);

// An edit of many rows that adds each row to its step, as pasting into a selection does.
void BM_UndoStepOfEveryRowOneByOne(benchmark::State& state)
{
    CZantobyDoc& doc = *SharedList().doc;
    doc.ShowAllRows();
    doc.DeleteUndoFiles(0);
    for (auto _ : state) {
        doc.SaveUndoSnapshot(1, -1, 0);
        for (int i = 0; i < doc.displayCount; ++i) {
            doc.SaveUndoSnapshot(2, doc.displayOrder[i], 0);
        }
        doc.SaveUndoSnapshot(1, -1, 1);
        for (int i = 0; i < doc.displayCount; ++i) {
            doc.SaveUndoSnapshot(2, doc.displayOrder[i], 1);
        }
        state.PauseTiming();
        doc.DeleteUndoFiles(0);
        state.ResumeTiming();
    }
}
BENCHMARK(BM_UndoStepOfEveryRowOneByOne)->Unit(benchmark::kMillisecond);

// Undo of such an edit: every row read back from its image.
void BM_UndoOfEveryRow(benchmark::State& state)
{
    CZantobyDoc& doc = *SharedList().doc;
    doc.ShowAllRows();
    doc.DeleteUndoFiles(0);
    doc.SaveUndoSnapshot(3, -1, 0);
    doc.SaveUndoSnapshot(3, -1, 1);
    for (auto _ : state) {
        doc.OnUndo();
        state.PauseTiming();
        if (!doc.CanRedo()) {
            state.SkipWithError("the undo did not run");
        }
        doc.OnRedo();
        state.ResumeTiming();
    }
    doc.DeleteUndoFiles(0);
}
BENCHMARK(BM_UndoOfEveryRow)->Unit(benchmark::kMillisecond);

// The full list with one photo on every row, saved once for the open benchmark.
CZantobyDoc& ListWithPhotos()
{
    CZantobyDoc& doc = *SharedList().doc;
    if (!doc.GetPhoto(kMaxPhotos - 1).inUse) {
        for (int row = 0; row < kMaxRows; ++row) {
            PhotoRecord& photo = doc.GetPhoto(row);
            photo.inUse = true;
            photo.width = 640;
            photo.height = 480;
            photo.name.Format("写真%04d", row);
            doc.GetRow(row).photos[0] = row;
            doc.GetRow(row).photoCount = 1;
        }
        doc.listFolder = PrivateTempFolder::Get().Left(PrivateTempFolder::Get().GetLength() - 1);
        doc.photoFolderName = "Photo-bench";
    }
    return doc;
}

// The most memory the benchmark process has held so far, the shared full list included.
double PeakResidentMegabytes()
{
    struct rusage usage = {};
    getrusage(RUSAGE_SELF, &usage);
    return static_cast<double>(usage.ru_maxrss) / 1024;
}

CString BenchListPath()
{
    return PrivateTempFolder::Get() + "bench.zbk";
}

void BM_SaveFullList(benchmark::State& state)
{
    CZantobyDoc& doc = ListWithPhotos();
    for (auto _ : state) {
        if (!doc.WriteListFile(BenchListPath(), true)) {
            state.SkipWithError("the list was not written");
        }
    }
    FileSystem::Info info;
    FileSystem::GetInfo(BenchListPath(), info);
    state.counters["file_MB"] = static_cast<double>(info.size) / (1024 * 1024);
    state.counters["peak_RSS_MB"] = PeakResidentMegabytes();
}
BENCHMARK(BM_SaveFullList)->Unit(benchmark::kMillisecond);

void BM_OpenFullList(benchmark::State& state)
{
    ListWithPhotos().WriteListFile(BenchListPath(), true);
    FakeListHost host;
    double documentBytes = 0;
    for (auto _ : state) {
        state.PauseTiming();
        size_t before = HeapInUse();
        auto doc = std::make_unique<CZantobyDoc>(host);
        state.ResumeTiming();
        if (!doc->ReadListFile(BenchListPath(), CListFileReader::ReadAll) || doc->displayCount < kMaxRows) {
            state.SkipWithError("the list was not read whole");
        }
        state.PauseTiming();
        documentBytes = static_cast<double>(HeapInUse() - before);
        doc.reset();
        state.ResumeTiming();
    }
    state.counters["list_MB"] = documentBytes / (1024 * 1024);
    state.counters["peak_RSS_MB"] = PeakResidentMegabytes();
}
BENCHMARK(BM_OpenFullList)->Unit(benchmark::kMillisecond);

} // namespace
