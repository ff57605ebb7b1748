// The in-memory cells of a list-sized sheet: 10,000 rows of 148 columns filled, read and sorted.
#include "grid/CellGridCore.h"

#include <benchmark/benchmark.h>

#include <random>

namespace {

constexpr int kRows = 10000;
constexpr int kColumns = 148;

// Column 0 holds numbers, columns 1 and 2 random keys, the rest product texts.
CCellRecord CellFor(int column, int row, std::mt19937& random)
{
    CCellRecord record;
    CString text;
    switch (column) {
    case 0:
        record.SetDecimals(2);
        record.SetNumberValue(std::uniform_real_distribution<double>(0, 100000)(random));
        return record;
    case 1:
    case 2:
        text.Format("商品%06u", static_cast<unsigned>(random() % 1000000));
        break;
    default:
        text.Format("品番%d-%d 写真付き", row, column);
        break;
    }
    record.SetTextValue(text);
    return record;
}

void Fill(CCellGridCore& grid)
{
    std::mt19937 random(42);
    CCellDataSource& source = *grid.DataSourceAt(0);
    for (int row = 0; row < kRows; ++row) {
        for (int column = 0; column < kColumns; ++column) {
            source.SetCell(column, row, CellFor(column, row, random));
        }
    }
}

CCellGridCore& FilledGrid()
{
    static CCellGridCore* grid = [] {
        auto* made = new CCellGridCore;
        made->SetColCount(kColumns);
        made->SetRowCount(kRows);
        Fill(*made);
        return made;
    }();
    return *grid;
}

void BM_Fill(benchmark::State& state)
{
    for (auto _ : state) {
        CCellGridCore grid;
        grid.SetColCount(kColumns);
        grid.SetRowCount(kRows);
        Fill(grid);
        benchmark::DoNotOptimize(grid.DataSourceAt(0)->GetRowCount());
    }
    state.SetItemsProcessed(state.iterations() * kRows * kColumns);
}
BENCHMARK(BM_Fill)->Unit(benchmark::kMillisecond);

void BM_ReadEveryCell(benchmark::State& state)
{
    CCellGridCore& grid = FilledGrid();
    CCellDataSource& source = *grid.DataSourceAt(0);
    CCellRecord record;
    for (auto _ : state) {
        long bytes = 0;
        for (int row = 0; row < kRows; ++row) {
            for (int column = 0; column < kColumns; ++column) {
                record.SetMaskBits(0);
                source.GetCell(column, row, record);
                bytes += record.GetTextLength();
            }
        }
        benchmark::DoNotOptimize(bytes);
    }
    state.SetItemsProcessed(state.iterations() * kRows * kColumns);
}
BENCHMARK(BM_ReadEveryCell)->Unit(benchmark::kMillisecond);

void BM_ReadEveryCellForDisplay(benchmark::State& state)
{
    CCellGridCore& grid = FilledGrid();
    CCellRecord record;
    for (auto _ : state) {
        long bytes = 0;
        for (int row = 0; row < kRows; ++row) {
            for (int column = 0; column < kColumns; ++column) {
                grid.ReadCellForDisplay(column, row, record);
                bytes += record.GetTextLength();
            }
        }
        benchmark::DoNotOptimize(bytes);
    }
    state.SetItemsProcessed(state.iterations() * kRows * kColumns);
}
BENCHMARK(BM_ReadEveryCellForDisplay)->Unit(benchmark::kMillisecond);

// Each run sorts by the other random text column, so no run starts from sorted rows.
void BM_SortByTextColumn(benchmark::State& state)
{
    CCellGridCore& grid = FilledGrid();
    int column = 1;
    for (auto _ : state) {
        grid.DataSourceAt(0)->SortByColumn(column, 0);
        column = 3 - column;
    }
    state.SetItemsProcessed(state.iterations() * kRows);
}
BENCHMARK(BM_SortByTextColumn)->Unit(benchmark::kMillisecond);

void BM_SortByNumberColumn(benchmark::State& state)
{
    CCellGridCore& grid = FilledGrid();
    int column = 0;
    for (auto _ : state) {
        // Shuffled by a text column first, outside the timing.
        state.PauseTiming();
        grid.DataSourceAt(0)->SortByColumn(1 + column, 0);
        column = 1 - column;
        state.ResumeTiming();
        grid.DataSourceAt(0)->SortByColumn(0, 0);
    }
    state.SetItemsProcessed(state.iterations() * kRows);
}
BENCHMARK(BM_SortByNumberColumn)->Unit(benchmark::kMillisecond);

} // namespace
