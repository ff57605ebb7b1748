#include "platform/Mbcs.h"

#include <gtest/gtest.h>

TEST(MbcsCompare, DoubleByteCharactersSortAfterSingleBytes)
{
    EXPECT_LT(Mbcs::Compare("ｱ", "あ"), 0);
    EXPECT_LT(Mbcs::Compare("~", "\x81\x40"), 0);
    EXPECT_EQ(Mbcs::Compare("表", "表"), 0);
    EXPECT_LT(Mbcs::Compare("", "a"), 0);
    EXPECT_GT(Mbcs::Compare("ab", "a"), 0);
}

TEST(MbcsCompare, NoCaseFoldsAsciiAndFullWidthLetters)
{
    EXPECT_EQ(Mbcs::CompareNoCase("Abc", "aBC"), 0);
    EXPECT_EQ(Mbcs::CompareNoCase("ＡＢ", "ａｂ"), 0);
    EXPECT_NE(Mbcs::CompareNoCase("ヌ", "ケ"), 0); // 0x836B and 0x834B differ only by case of 'k'
}

TEST(MbcsFullToHalf, MapsWhatHasASingleByteForm)
{
    auto half = [](const char* text) { return Mbcs::FullToHalf(Mbcs::CharCode(text, 0)); };
    EXPECT_EQ(half("Ａ"), static_cast<unsigned>('A'));
    EXPECT_EQ(half("１"), static_cast<unsigned>('1'));
    EXPECT_EQ(half("　"), static_cast<unsigned>(' '));
    EXPECT_EQ(half("ガ"), 0xB6u);
    EXPECT_EQ(half("ポ"), 0xCEu);
    EXPECT_EQ(half("ン"), 0xDDu);
    EXPECT_EQ(half("ー"), 0xB0u);
    EXPECT_EQ(half("「"), 0xA2u);
    EXPECT_EQ(half("ぱ"), Mbcs::CharCode("ぱ", 0));
    EXPECT_EQ(half("漢"), Mbcs::CharCode("漢", 0));
}

TEST(MbcsFullToHalf, MathSymbolsKeepTheirPlaces)
{
    auto half = [](const char* text) { return Mbcs::FullToHalf(Mbcs::CharCode(text, 0)); };
    EXPECT_EQ(half("－"), static_cast<unsigned>('-'));
    EXPECT_EQ(half("＝"), static_cast<unsigned>('='));
    EXPECT_EQ(half("＜"), static_cast<unsigned>('<'));
    EXPECT_EQ(half("＞"), static_cast<unsigned>('>'));
    for (const char* symbol : {"±", "×", "÷", "≠", "≦", "≧"}) {
        EXPECT_EQ(half(symbol), Mbcs::CharCode(symbol, 0)) << "no single-byte form";
    }
}
