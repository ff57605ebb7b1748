#include "foundation/JapaneseEra.h"

namespace {

const JapaneseEra kEras[] = {
    {'R', "令和", 2019, 5, 1},  {'H', "平成", 1989, 1, 8}, {'S', "昭和", 1926, 12, 25},
    {'T', "大正", 1912, 7, 30}, {'M', "明治", 1868, 1, 1},
};

} // namespace

std::span<const JapaneseEra> JapaneseEra::All()
{
    return kEras;
}
