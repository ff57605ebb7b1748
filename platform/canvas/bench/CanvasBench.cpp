#include "platform/canvas/Canvas.h"
#include "platform/canvas/ImageOps.h"

#include <benchmark/benchmark.h>
#include <cstdint>

namespace {

// A camera-sized photo with pixels that do not repeat.
const Bitmap& Photo()
{
    static Bitmap photo = [] {
        Bitmap image;
        image.Create(4000, 3000, 24);
        std::uint32_t seed = 12345;
        for (int y = 0; y < image.Height(); ++y) {
            Bitmap::Pixel* row = image.Row(y);
            for (int x = 0; x < image.Width(); ++x) {
                seed = seed * 1664525u + 1013904223u;
                row[x] = seed >> 8;
            }
        }
        return image;
    }();
    return photo;
}

void AreaAverage(benchmark::State& state)
{
    const Bitmap& photo = Photo();
    const int width = static_cast<int>(state.range(0));
    const int height = static_cast<int>(state.range(1));
    for (auto _ : state) {
        Bitmap reduced = ImageOps::AreaAverage(photo, width, height);
        benchmark::DoNotOptimize(reduced.Row(0));
    }
    state.counters["Mpixel/s"] = benchmark::Counter(
        double(photo.Width()) * photo.Height() * state.iterations() / 1e6, benchmark::Counter::kIsRate);
}
BENCHMARK(AreaAverage)->Args({300, 225})->Args({640, 480})->Unit(benchmark::kMillisecond);

// One pass draws 10,000 grid cells: short Japanese texts, each clipped to its cell.
void CellText(benchmark::State& state)
{
    static const char* const texts[] = {"商品名",     "写真あり",       "1,234", "東京都千代田区",
                                        "2024/04/01", "備考：特になし", "ｶﾀｶﾅ",  "はい"};
    Bitmap screen;
    screen.Create(1280, 800, 32);
    Canvas canvas(screen);
    LogFont font;
    font.faceName = "ＭＳ Ｐゴシック";
    font.height = -12;
    canvas.SelectFont(font);
    constexpr int kCellWidth = 80;
    constexpr int kCellHeight = 20;
    constexpr int kColumns = 1280 / kCellWidth;
    constexpr int kRows = 800 / kCellHeight;
    for (auto _ : state) {
        for (int i = 0; i < 10'000; ++i) {
            int column = i % kColumns;
            int row = (i / kColumns) % kRows;
            CRect cell(column * kCellWidth, row * kCellHeight, (column + 1) * kCellWidth,
                       (row + 1) * kCellHeight);
            canvas.FillRect(cell, RGB(255, 255, 255));
            canvas.DrawText(texts[i % 8], cell, DT_LEFT | DT_VCENTER | DT_SINGLELINE | DT_NOPREFIX);
        }
    }
    state.counters["cells/s"] =
        benchmark::Counter(10'000.0 * state.iterations(), benchmark::Counter::kIsRate);
}
BENCHMARK(CellText)->Unit(benchmark::kMillisecond);

} // namespace
