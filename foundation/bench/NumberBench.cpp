#include "foundation/Number.h"

#include <benchmark/benchmark.h>

namespace {

// A typed cell value as the list document reads it: parse, evaluate, then format for the grid.
void BM_EvaluateAndFormat(benchmark::State& state)
{
    const CString text = "1,234.5*(2+3)/4";
    for (auto _ : state) {
        CNumber number;
        number.ParseExpression(text);
        CString shown = number.Format(true, 2, true);
        benchmark::DoNotOptimize(shown);
    }
    state.counters["per_second"] =
        benchmark::Counter(static_cast<double>(state.iterations()), benchmark::Counter::kIsRate);
}
BENCHMARK(BM_EvaluateAndFormat);

} // namespace
