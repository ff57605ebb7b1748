#include "platform/canvas/ImageOps.h"

#include <algorithm>
#include <cstdint>
#include <utility>
#include <vector>

namespace ImageOps {

namespace {

// The source pixels that one target pixel covers along one axis. Positions are measured in
// units of 1/(unit x targetLength) of a source pixel: a whole source pixel weighs
// unit x targetLength, and the weights of one target pixel add up to length, the covered stretch
// in 1/unit source pixels, which begins begin units of 1/unit into the first source pixel.
struct Span
{
    int first = 0; // from the first source pixel touched
    int count = 0; // source pixels touched, at least 1
    std::uint64_t firstWeight = 0;
    std::uint64_t lastWeight = 0; // used when count > 1
};

std::vector<Span> MakeSpans(std::int64_t begin, std::int64_t length, int targetLength, int unit)
{
    std::vector<Span> spans(targetLength);
    const std::int64_t d = targetLength;
    const std::int64_t pixel = unit * d;
    for (int j = 0; j < targetLength; ++j) {
        std::int64_t from = begin * d + j * length;
        std::int64_t to = from + length;
        Span& span = spans[j];
        span.first = static_cast<int>(from / pixel);
        int last = static_cast<int>((to - 1) / pixel);
        span.count = last - span.first + 1;
        if (span.count == 1) {
            span.firstWeight = static_cast<std::uint64_t>(length);
        } else {
            span.firstWeight = static_cast<std::uint64_t>((span.first + 1) * pixel - from);
            span.lastWeight = static_cast<std::uint64_t>(to - last * pixel);
        }
    }
    return spans;
}

// The three channels of a pixel in 21-bit lanes of one word (blue, green, red from the bottom), so
// that whole rows are summed with one addition per pixel.
constexpr int kLaneBits = 21;
constexpr std::uint64_t kLaneMask = (std::uint64_t{1} << kLaneBits) - 1;
// Rows that fit into the lanes before they must be emptied: 8,192 x 255 < 2^21.
constexpr int kRowsPerLane = 8192;

inline std::uint64_t Spread(Bitmap::Pixel p)
{
    std::uint64_t v = p;
    return (v & 0xFF) | ((v & 0xFF00) << (kLaneBits - 8)) | ((v & 0xFF0000) << (2 * kLaneBits - 16));
}

// Elements of one row: the pixel words of true-colour images, the index bytes of indexed ones.
template <class T> T* RowOf(Bitmap& image, int y)
{
    if constexpr (sizeof(T) == 1) {
        return image.IndexRow(y);
    } else {
        return image.Row(y);
    }
}

template <class T> const T* RowOf(const Bitmap& image, int y)
{
    if constexpr (sizeof(T) == 1) {
        return image.IndexRow(y);
    } else {
        return image.Row(y);
    }
}

Bitmap SameKind(const Bitmap& image, int width, int height)
{
    Bitmap result;
    result.Create(width, height, image.BitCount());
    if (image.IsIndexed()) {
        result.Palette() = image.Palette();
    }
    return result;
}

template <class T> void FlipRows(Bitmap& image)
{
    for (int y = 0; y < image.Height(); ++y) {
        T* row = RowOf<T>(image, y);
        std::reverse(row, row + image.Width());
    }
}

// Turned copy, walked in tiles so that the column-wise side stays in the cache.
template <class T> void Turn(const Bitmap& source, Bitmap& target, int turns)
{
    const int w = source.Width();
    const int h = source.Height();
    constexpr int kTile = 64;
    for (int ty = 0; ty < target.Height(); ty += kTile) {
        int yEnd = std::min(ty + kTile, target.Height());
        for (int tx = 0; tx < target.Width(); tx += kTile) {
            int xEnd = std::min(tx + kTile, target.Width());
            for (int y = ty; y < yEnd; ++y) {
                T* out = RowOf<T>(target, y);
                for (int x = tx; x < xEnd; ++x) {
                    if (turns == 1) {
                        out[x] = RowOf<T>(source, x)[w - 1 - y];
                    } else if (turns == 2) {
                        out[x] = RowOf<T>(source, h - 1 - y)[w - 1 - x];
                    } else {
                        out[x] = RowOf<T>(source, h - 1 - x)[y];
                    }
                }
            }
        }
    }
}

template <class T> void CopyRect(const Bitmap& source, Bitmap& target, const CRect& rect)
{
    for (int y = 0; y < rect.Height(); ++y) {
        const T* in = RowOf<T>(source, rect.top + y) + rect.left;
        std::copy(in, in + rect.Width(), RowOf<T>(target, y));
    }
}

} // namespace

Bitmap AreaAverage(const Bitmap& source, int width, int height)
{
    return AreaAverage(source, 1, CRect(0, 0, source.Width(), source.Height()), width, height);
}

Bitmap AreaAverage(const Bitmap& source, const CRect& from, int width, int height)
{
    return AreaAverage(source, 1, from, width, height);
}

Bitmap AreaAverage(const Bitmap& source, int reduction, const CRect& from, int width, int height)
{
    Bitmap result;
    CRect area;
    const int r = reduction;
    if (r < 1 || width < 1 || height < 1 ||
        !area.IntersectRect(from, CRect(0, 0, source.Width() * r, source.Height() * r)) ||
        !result.Create(width, height, 24)) {
        return Bitmap();
    }
    // The source pixels the area touches; the spans count from the first of them.
    const int left = area.left / r;
    const int top = area.top / r;
    const int sw = (area.right + r - 1) / r - left;
    const std::vector<Span> columns = MakeSpans(area.left - left * r, area.Width(), width, r);
    const std::vector<Span> rows = MakeSpans(area.top - top * r, area.Height(), height, r);
    const std::uint64_t total = static_cast<std::uint64_t>(area.Width()) * static_cast<std::uint64_t>(area.Height());
    const std::uint64_t columnWeight = static_cast<std::uint64_t>(r) * width;
    const std::uint64_t rowWeight = static_cast<std::uint64_t>(r) * height;

    // Indexed rows are resolved through the palette into a scratch row first.
    std::vector<Bitmap::Pixel> scratch(source.IsIndexed() ? sw : 0);
    auto sourceRow = [&](int y) -> const Bitmap::Pixel* {
        if (!source.IsIndexed()) {
            return source.Row(top + y) + left;
        }
        for (int x = 0; x < sw; ++x) {
            scratch[x] = source.GetPixel(left + x, top + y);
        }
        return scratch.data();
    };

    // Per target row, each source column's weighted sum over the rows the target row covers,
    // then each target pixel's weighted sum over its columns. Whole rows weigh rowWeight.
    const std::uint64_t half = total / 2;
    auto writeRow = [&](int ty, auto channel) {
        Bitmap::Pixel* out = result.Row(ty);
        for (int tx = 0; tx < width; ++tx) {
            const Span& span = columns[tx];
            std::uint64_t rgb[3];
            for (int c = 0; c < 3; ++c) {
                std::uint64_t sum = channel(span.first, c) * span.firstWeight;
                if (span.count > 1) {
                    std::uint64_t whole = 0;
                    for (int i = 1; i + 1 < span.count; ++i) {
                        whole += channel(span.first + i, c);
                    }
                    sum += whole * columnWeight + channel(span.first + span.count - 1, c) * span.lastWeight;
                }
                rgb[c] = (sum + half) / total;
            }
            out[tx] = static_cast<Bitmap::Pixel>(rgb[0] << 16 | rgb[1] << 8 | rgb[2]);
        }
    };

    std::vector<std::uint64_t> lanes(sw);
    if (static_cast<std::uint64_t>(area.Height()) * 255 <= kLaneMask) {
        // A target row's whole weighted sum fits into the lanes: one word per column. Whole rows
        // are added unweighted and weighed once at the end.
        std::vector<std::uint64_t> whole(sw);
        for (int ty = 0; ty < height; ++ty) {
            const Span& span = rows[ty];
            const Bitmap::Pixel* row = sourceRow(span.first);
            for (int x = 0; x < sw; ++x) {
                lanes[x] = Spread(row[x]) * span.firstWeight;
            }
            if (span.count > 1) {
                std::fill(whole.begin(), whole.end(), 0);
                for (int y = span.first + 1; y < span.first + span.count - 1; ++y) {
                    row = sourceRow(y);
                    for (int x = 0; x < sw; ++x) {
                        whole[x] += Spread(row[x]);
                    }
                }
                row = sourceRow(span.first + span.count - 1);
                for (int x = 0; x < sw; ++x) {
                    lanes[x] += whole[x] * rowWeight + Spread(row[x]) * span.lastWeight;
                }
            }
            writeRow(ty, [&](int x, int c) { return (lanes[x] >> ((2 - c) * kLaneBits)) & kLaneMask; });
        }
        return result;
    }

    // Very tall sources: the lanes hold unweighted whole rows only and are emptied in time.
    std::vector<std::uint64_t> sums(3 * static_cast<size_t>(sw));
    auto addWeighted = [&](int y, std::uint64_t weight) {
        const Bitmap::Pixel* row = sourceRow(y);
        for (int x = 0; x < sw; ++x) {
            Bitmap::Pixel p = row[x];
            sums[3 * x] += ((p >> 16) & 0xFF) * weight;
            sums[3 * x + 1] += ((p >> 8) & 0xFF) * weight;
            sums[3 * x + 2] += (p & 0xFF) * weight;
        }
    };
    auto drainLanes = [&]() {
        for (int x = 0; x < sw; ++x) {
            for (int c = 0; c < 3; ++c) {
                sums[3 * x + c] += ((lanes[x] >> ((2 - c) * kLaneBits)) & kLaneMask) * rowWeight;
            }
            lanes[x] = 0;
        }
    };
    for (int ty = 0; ty < height; ++ty) {
        const Span& span = rows[ty];
        std::fill(sums.begin(), sums.end(), 0);
        addWeighted(span.first, span.firstWeight);
        if (span.count > 1) {
            int inLanes = 0;
            for (int y = span.first + 1; y < span.first + span.count - 1; ++y) {
                const Bitmap::Pixel* row = sourceRow(y);
                for (int x = 0; x < sw; ++x) {
                    lanes[x] += Spread(row[x]);
                }
                if (++inLanes == kRowsPerLane) {
                    drainLanes();
                    inLanes = 0;
                }
            }
            drainLanes();
            addWeighted(span.first + span.count - 1, span.lastWeight);
        }
        writeRow(ty, [&](int x, int c) { return sums[3 * static_cast<size_t>(x) + c]; });
    }
    return result;
}

void FlipHorizontal(Bitmap& image)
{
    if (image.IsIndexed()) {
        FlipRows<unsigned char>(image);
    } else {
        FlipRows<Bitmap::Pixel>(image);
    }
}

void FlipVertical(Bitmap& image)
{
    for (int top = 0, bottom = image.Height() - 1; top < bottom; ++top, --bottom) {
        if (image.IsIndexed()) {
            std::swap_ranges(image.IndexRow(top), image.IndexRow(top) + image.Width(),
                             image.IndexRow(bottom));
        } else {
            std::swap_ranges(image.Row(top), image.Row(top) + image.Width(), image.Row(bottom));
        }
    }
}

Bitmap Rotate(const Bitmap& image, int quarterTurns)
{
    int turns = ((quarterTurns % 4) + 4) % 4;
    if (turns == 0 || image.IsEmpty()) {
        return image;
    }
    bool swapped = turns != 2;
    Bitmap result =
        SameKind(image, swapped ? image.Height() : image.Width(), swapped ? image.Width() : image.Height());
    if (image.IsIndexed()) {
        Turn<unsigned char>(image, result, turns);
    } else {
        Turn<Bitmap::Pixel>(image, result, turns);
    }
    return result;
}

Bitmap Crop(const Bitmap& image, const CRect& rect)
{
    CRect area;
    if (!area.IntersectRect(rect, CRect(0, 0, image.Width(), image.Height()))) {
        return Bitmap();
    }
    Bitmap result = SameKind(image, area.Width(), area.Height());
    if (image.IsIndexed()) {
        CopyRect<unsigned char>(image, result, area);
    } else {
        CopyRect<Bitmap::Pixel>(image, result, area);
    }
    return result;
}

} // namespace ImageOps
