#pragma once

#include "list/ListLimits.h"

// The products of the benchmarks' full lists: names made of a trait and a thing, in columns that
// are mostly texts, as product lists are.
namespace BenchProducts {

inline const char* const kTraits[] = {"ステンレス", "木製", "ＬＥＤ", "ｶﾞﾗｽ",   "北海道産",   "限定",
                                      "大容量",     "保冷", "レザー", "Cotton", "陶器",       "新品",
                                      "赤い",       "青い", "白",     "黒",     "折りたたみ", "ミニ",
                                      "ワイド",     "軽量", "防水",   "手作り", "国産",       "Premium"};
inline const char* const kThings[] = {"ボトル", "チェア", "ライト",     "花瓶",   "財布",   "Tシャツ",
                                      "マグ",   "セット", "テーブル",   "ランプ", "バッグ", "時計",
                                      "皿",     "鍋",     "傘",         "帽子",   "靴",     "ノート",
                                      "ペン",   "タオル", "クッション", "カップ", "ケース", "棚"};

inline int TypeOfColumn(int column)
{
    switch (column % 8) {
    case 3:
        return kTypeNumber;
    case 5:
        return kTypeDate;
    case 6:
        return column % 16 == 6 ? kTypeMark : kTypeYesNo;
    default:
        return kTypeText;
    }
}

} // namespace BenchProducts
