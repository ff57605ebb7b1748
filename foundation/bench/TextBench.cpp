#include "foundation/StringArrayEx.h"
#include "foundation/TextHelper.h"

#include <benchmark/benchmark.h>

#include <string>
#include <vector>

namespace {

// 10,000 product rows as a list file holds them: about 30 quoted, escaped fields per line,
// mostly Japanese text with commas, apostrophes and line feeds escaped here and there.
std::vector<std::string> MakeProductRows()
{
    const char* samples[] = {
        "ステンレス製ボルト、Ｍ８×４０",
        "品番4901234567894",
        "在庫あり\\n入荷待ち",
        "表示価格は税込みです",
        "ｻﾝﾌﾟﾙ\\,ﾃｽﾄ",
        "2024/04/01 10:30",
        "倉庫Ａ\\'棚３\\'",
        "1234.50",
        "true",
        "写真の説明：正面から撮影した様子",
        "C:\\\\写真\\\\0001.jpg",
        "",
    };
    std::vector<std::string> rows;
    for (int row = 0; row < 10000; ++row) {
        std::string line(1, 'p');
        line += std::to_string(row);
        line += '=';
        for (int field = 0; field < 30; ++field) {
            if (field > 0) {
                line += ',';
            }
            line += '\'';
            line += samples[(row + field) % (sizeof(samples) / sizeof(samples[0]))];
            line += '\'';
        }
        rows.push_back(line);
    }
    return rows;
}

void SplitAndUnescapeProductRows(benchmark::State& state)
{
    std::vector<std::string> rows = MakeProductRows();
    int64_t bytes = 0;
    for (const std::string& row : rows) {
        bytes += static_cast<int64_t>(row.size());
    }
    CStringArrayEx fields;
    for (auto _ : state) {
        for (const std::string& row : rows) {
            fields.SplitEscaped(row.c_str(), ',');
            for (const CString& entry : fields) {
                CTextHelper value(entry);
                value.UnescapeBackslash();
                benchmark::DoNotOptimize(value.GetString());
            }
        }
    }
    state.SetBytesProcessed(state.iterations() * bytes);
}

} // namespace

BENCHMARK(SplitAndUnescapeProductRows)->Unit(benchmark::kMillisecond);
