#include "foundation/TextHelper.h"

#include <gtest/gtest.h>

#include <climits>
#include <cstdio>
#include <random>
#include <string>
#include <utility>
#include <vector>

namespace {

CString HalfWidth(const char* text)
{
    CTextHelper helper(text);
    helper.ToHalfWidthKana();
    return helper;
}

bool Matches(const char* subject, const char* pattern)
{
    return CTextHelper(subject).MatchPattern(pattern);
}

int Natural(const char* a, const char* b)
{
    return CTextHelper(a).CompareNatural(b);
}

CString Escaped(const std::string& text)
{
    return CTextHelper::GetEscapedText(text.c_str());
}

CString Unescaped(const char* text)
{
    CTextHelper helper(text);
    helper.UnescapeBackslash();
    return helper;
}

} // namespace

TEST(TextHelperHalfWidth, VoicedKatakanaGainTheirMark)
{
    EXPECT_EQ(HalfWidth("ガ"), "\xB6\xDE");
    EXPECT_EQ(HalfWidth("ポ"), "\xCE\xDF");
    EXPECT_EQ(HalfWidth("ヴ"), "\xB3\xDE");
    EXPECT_EQ(HalfWidth("カ"), "\xB6");
}

TEST(TextHelperHalfWidth, KeepsWhatHasNoHalfWidthForm)
{
    EXPECT_EQ(HalfWidth("ぱ"), "ぱ");
    EXPECT_EQ(HalfWidth("漢字"), "漢字");
    EXPECT_EQ(HalfWidth("Ａ１"), "A1");
    EXPECT_EQ(HalfWidth("a　b"), "a b");
    // A lead byte cut off at the end is copied, never read past.
    EXPECT_EQ(HalfWidth("x\x83"), "x\x83");
}

TEST(TextHelperHalfWidth, DoubleByteDetection)
{
    EXPECT_TRUE(CTextHelper("abc表").HasDoubleByte());
    EXPECT_FALSE(CTextHelper("abc\xB1").HasDoubleByte());
}

TEST(TextHelperMatchPattern, WildcardsOfTheListSearch)
{
    EXPECT_TRUE(Matches("abc", "ab*"));
    EXPECT_TRUE(Matches("abc", "*c"));
    EXPECT_TRUE(Matches("abc", "a?c"));
    EXPECT_TRUE(Matches("abc", "ab?"));
    EXPECT_TRUE(Matches("abcd", "ab?")); // the subject may go on after a final "?"
    EXPECT_TRUE(Matches("a1c", "a#c"));
    EXPECT_FALSE(Matches("abc", "a#c"));
    EXPECT_TRUE(Matches("bx", "[ab]x"));
    EXPECT_FALSE(Matches("cx", "[ab]x"));
    EXPECT_TRUE(Matches("cx", "[!ab]x"));
    EXPECT_FALSE(Matches("ax", "[!ab]x"));
    EXPECT_TRUE(Matches("abcd", "*b*d"));
    EXPECT_TRUE(Matches("", ""));
    EXPECT_TRUE(Matches("x", ""));
    EXPECT_FALSE(Matches("", "?"));
    EXPECT_TRUE(Matches("", "*"));
    EXPECT_FALSE(Matches("abc", "ab"));
    EXPECT_FALSE(Matches("xabc", "abc"));
    // Plain text and digits before a final "*", the shape of nearly every key pattern.
    EXPECT_TRUE(Matches("r0012x", "r####*"));
    EXPECT_FALSE(Matches("r00a2", "r####*"));
    EXPECT_FALSE(Matches("r001", "r####*"));
    EXPECT_FALSE(Matches("cx", "c#*"));
    EXPECT_TRUE(Matches("a1x", "a#")); // as after a final "?", the subject may go on
    EXPECT_TRUE(Matches("axxb", "a*b*"));
}

TEST(TextHelperMatchPattern, DoubleByteCharactersAreWhole)
{
    EXPECT_TRUE(Matches("表x", "?x"));
    EXPECT_TRUE(Matches("表", "[表]"));
    EXPECT_FALSE(Matches("表", "[\\]"));
    // 表 ends in the byte of a backslash, and ゾ (83 5D) in the byte of "]".
    EXPECT_FALSE(Matches("表", "*\\"));
    EXPECT_FALSE(Matches("表a", "*\\a*"));
    EXPECT_TRUE(Matches("ゾ", "[ゾ]"));
    // An unclosed "[" is an ordinary character.
    EXPECT_TRUE(Matches("a[b", "a[b"));
    EXPECT_TRUE(Matches("x[", "*["));
    // ー (81 5B) ends in the byte of "[", which must not end the pattern's leading text.
    EXPECT_TRUE(Matches("ーx", "ー?"));
    EXPECT_FALSE(Matches("ーx", "ー#"));
    EXPECT_FALSE(Matches("ア", "ー*"));
    EXPECT_TRUE(Matches("表x", "表*"));
    EXPECT_FALSE(Matches("x", "表*"));
    // A lead byte takes the "*" or "#" behind it as its trail byte.
    EXPECT_FALSE(Matches("\x81x", "\x81*"));
    EXPECT_TRUE(Matches("\x81*", "\x81*"));
    EXPECT_FALSE(Matches("\x81" "1", "\x81#"));
}

TEST(TextHelperMatchPattern, EndingMustFollowWhatWasMatched)
{
    EXPECT_FALSE(Matches("a", "*a*a"));
    EXPECT_TRUE(Matches("aa", "*a*a"));
    EXPECT_FALSE(Matches("abc", "*bc*bc"));
}

TEST(TextHelperMatchPattern, FirstMatchingPatternOfAList)
{
    const char* patterns[] = {"x*", "*.jpg", "*", nullptr};
    EXPECT_EQ(CTextHelper("a.jpg").MatchPatternList(patterns, 0), 1);
    EXPECT_EQ(CTextHelper("a.png").MatchPatternList(patterns, 2), -1);
}

// Keys of a list file's tables share their leading text; each is told apart where it differs,
// a key shorter than the pattern's text matches none, and an unclosed "[" is text.
TEST(TextHelperMatchPattern, KeysSharingLeadingTextFindTheirOwnPattern)
{
    const char* patterns[] = {"list.widthunit*", "list.width*", "r####*", "[x", "c*", nullptr};
    EXPECT_EQ(CTextHelper("list.widthunit").MatchPatternList(patterns, 0), 0);
    EXPECT_EQ(CTextHelper("list.width").MatchPatternList(patterns, 0), 1);
    EXPECT_EQ(CTextHelper("list.wid").MatchPatternList(patterns, 0), -1);
    EXPECT_EQ(CTextHelper("r0012").MatchPatternList(patterns, 0), 2);
    EXPECT_EQ(CTextHelper("r12").MatchPatternList(patterns, 0), -1);
    EXPECT_EQ(CTextHelper("[x").MatchPatternList(patterns, 0), 3);
    EXPECT_EQ(CTextHelper("c").MatchPatternList(patterns, 0), 4);
    EXPECT_EQ(CTextHelper("").MatchPatternList(patterns, 0), -1);
}

TEST(TextHelperLookup, FindsEntriesExactlyOrIgnoringCase)
{
    const char* table[] = {"Red", "ＡＢ", "blue", nullptr};
    EXPECT_EQ(CTextHelper("blue").FindInList(table, 0), 2);
    EXPECT_EQ(CTextHelper("red").FindInList(table, 0), -1);
    EXPECT_EQ(CTextHelper("red").FindInListNoCase(table, 0), 0);
    EXPECT_EQ(CTextHelper("ａｂ").FindInListNoCase(table, 3), 1);
    EXPECT_EQ(CTextHelper("blue").FindInList(table, 2), -1);
}

TEST(TextHelperCompareNatural, NumbersCompareByValue)
{
    EXPECT_LT(Natural("file2", "file10"), 0);
    EXPECT_GT(Natural("file10", "file2"), 0);
    EXPECT_EQ(Natural("file007", "file7"), 0);
    EXPECT_LT(Natural("10", "a"), 0);
    EXPECT_GT(Natural("a", "10"), 0);
    EXPECT_LT(Natural("9", "10"), 0);
    EXPECT_LT(Natural("a1b2", "a1b10"), 0);
    EXPECT_LT(Natural("file", "file1"), 0);
    EXPECT_GT(Natural("file1x", "file1"), 0);
}

TEST(TextHelperCompareNatural, EmptySortsFirst)
{
    EXPECT_EQ(Natural("", ""), 0);
    EXPECT_LT(Natural("", "a"), 0);
    EXPECT_LT(Natural("", "0"), 0);
    EXPECT_GT(Natural("a", ""), 0);
}

TEST(TextHelperCompareNatural, LongProductCodesDoNotOverflow)
{
    EXPECT_LT(Natural("4901234567894", "4901234567895"), 0);
    EXPECT_LT(Natural("JAN2147483648", "JAN4901234567894"), 0);
    EXPECT_LT(Natural("99999999999", "100000000000"), 0);
    EXPECT_EQ(Natural("x0004901234567894", "x4901234567894"), 0);
    EXPECT_LT(Natural("品番ｱ", "品番あ"), 0);
}

TEST(TextHelperEscape, EscapesAndUnescapesFieldBytes)
{
    EXPECT_EQ(Escaped("a\\b\tc\rd\ne'f,g\"h"), "a\\\\b\\tc\\rd\\ne\\'f\\,g\"h");
    EXPECT_EQ(Escaped("表"), "表");
    EXPECT_EQ(Escaped("ソ,"), "ソ\\,");
    EXPECT_EQ(Unescaped("a\\nb\\rc\\td\\\\e\\,f\\x"), "a\nb\rc\td\\e,fx");
    EXPECT_EQ(Unescaped("end\\"), "end\\");
    EXPECT_EQ(Unescaped("\\\\n"), "\\n");
    // The backslash byte inside 表 escapes nothing, and a backslash before a double-byte
    // character keeps the character whole.
    EXPECT_EQ(Unescaped("表n"), "表n");
    EXPECT_EQ(Unescaped("\\表"), "表");
}

TEST(TextHelperEscape, UnescapeUndoesEscapeForAnyBytes)
{
    // Every pair of bytes (texts end at a NUL), then random texts weighted towards the bytes
    // that matter.
    for (int a = 1; a < 256; ++a) {
        for (int b = 1; b < 256; ++b) {
            std::string text{static_cast<char>(a), static_cast<char>(b)};
            CTextHelper round(Escaped(text));
            round.UnescapeBackslash();
            ASSERT_EQ(round.str(), text) << "bytes " << a << " " << b;
        }
    }
    const char alphabet[] = "\\\t\r\n',\"nrta\x81\x95\x5C\xE0\xFC";
    std::mt19937 random(932);
    for (int round = 0; round < 2000; ++round) {
        std::string text(random() % 24, ' ');
        for (char& ch : text) {
            bool any = random() % 3 == 0;
            ch = any ? static_cast<char>(1 + random() % 255) : alphabet[random() % (sizeof(alphabet) - 1)];
        }
        CTextHelper back(Escaped(text));
        back.UnescapeBackslash();
        ASSERT_EQ(back.str(), text);
    }
}

TEST(TextHelperEscape, HtmlEscapeAndRawMarker)
{
    CTextHelper html("a&b \"c\" <d>  e   f\r\ng\nh'");
    html.EscapeHtml();
    EXPECT_EQ(html, "a&amp;b &quot;c&quot; &lt;d&gt;&nbsp;e&nbsp; f<BR>g\nh'");
    CTextHelper raw("$:<b>&</b>");
    raw.EscapeHtml();
    EXPECT_EQ(raw, "<b>&</b>");

    // A lead byte takes the byte behind it, whatever it is; a lone one at the end stays.
    for (const auto& [text, escaped] :
         std::vector<std::pair<const char*, const char*>>{{"\x83<\x83&", "\x83<\x83&"},
                                                          {"\x81  x", "\x81  x"},
                                                          {"\x81   x", "\x81 &nbsp;x"},
                                                          {"\r\r\n\n\r", "\r<BR>\n\r"},
                                                          {"<\x83", "&lt;\x83"},
                                                          {"$", "$"},
                                                          {"", ""}}) {
        CTextHelper piece(text);
        piece.EscapeHtml();
        EXPECT_EQ(piece, escaped) << text;
    }
}

TEST(TextHelperConvert, BoolIntDoubleAndNumberChars)
{
    EXPECT_TRUE(CTextHelper("TRUE").ToBool());
    EXPECT_TRUE(CTextHelper("2").ToBool());
    EXPECT_FALSE(CTextHelper("false").ToBool());
    EXPECT_FALSE(CTextHelper("").ToBool());
    EXPECT_EQ(CTextHelper(" -12ab").ToInt(), -12);
    EXPECT_EQ(CTextHelper("99999999999").ToInt(), INT_MAX);
    // A field of a line read in place ends where its view ends, however long it is.
    const std::string line = " 12,true," + std::string(70, '0') + "7,8";
    EXPECT_EQ(CTextHelper::ToInt(std::string_view(line).substr(0, 3)), 12);
    EXPECT_EQ(CTextHelper::ToInt(std::string_view(line).substr(9, 71)), 7);
    EXPECT_TRUE(CTextHelper::ToBool(std::string_view(line).substr(4, 4)));
    EXPECT_FALSE(CTextHelper::ToBool(std::string_view(line).substr(4, 3)));
    EXPECT_DOUBLE_EQ(CTextHelper("1.5e2").ToDouble(), 150.0);
    CTextHelper mixed("￥-1,234.5円+");
    EXPECT_EQ(mixed.GetNumberChars(false, false), "12345");
    EXPECT_EQ(mixed.GetNumberChars(true, true), "-1234.5+");
}

TEST(TextHelperFormat, BlankValuesGiveEmptyText)
{
    CTextHelper text;
    EXPECT_STREQ(text.SetInt(0, "%d", 0), "");
    EXPECT_STREQ(text.SetInt(7, "%03d", 0), "007");
    EXPECT_EQ(CTextHelper::FormatIntOrBlank(-1, "%d", -1), "");
    EXPECT_EQ(CTextHelper::FormatIntOrBlank(0), "0");
    EXPECT_STREQ(text.SetText(nullptr), "");
    EXPECT_STREQ(text.SetText(""), "");
    EXPECT_STREQ(text.SetText("-", nullptr, "-"), "");
    EXPECT_STREQ(text.SetText("", "[%s]", "-"), "[]");
    EXPECT_STREQ(text.SetText("x", "[%s]"), "[x]");
    EXPECT_EQ(CTextHelper::FormatTextOrBlank("y"), "y");
    EXPECT_STREQ(text.FormatEx("%s=%d", "n", 3), "n=3");
}

TEST(TextHelperFormat, AppendedIntegersMatchPrintf)
{
    for (int value : {0, 7, -7, -9, -10, 42, -42, 99, 100, 1999, -1999, 123456, INT_MAX, INT_MIN}) {
        for (int width : {0, 1, 2, 4, 12}) {
            for (char fill : {' ', '0'}) {
                char expected[64];
                std::snprintf(expected, sizeof(expected), fill == '0' ? "%0*d" : "%*d", width, value);
                std::string out = "x";
                CTextHelper::AppendInt(out, value, static_cast<size_t>(width), fill);
                EXPECT_EQ(out, std::string("x") + expected) << value << " " << width << " '" << fill << "'";
            }
        }
    }
}

TEST(TextHelperPieces, CutsNeverSplitACharacter)
{
    CTextHelper text("ab表c");
    EXPECT_EQ(text.LeftEx(3), "ab");
    EXPECT_EQ(text.LeftEx(4), "ab表");
    EXPECT_EQ(text.LeftEx(-1), "ab表");
    EXPECT_EQ(text.LeftEx(-2), "ab");
    EXPECT_EQ(text.LeftEx(99), "ab表c");
    EXPECT_EQ(text.LeftEx(-9), "");
    EXPECT_EQ(text.RightEx(2), "c");
    EXPECT_EQ(text.RightEx(3), "表c");
    EXPECT_EQ(text.RightEx(-3), "c");
    EXPECT_EQ(text.RightEx(-2), "表c");
    EXPECT_EQ(text.RightEx(0), "");
    CTextHelper left;
    left.AssignLeft("表表", 3);
    EXPECT_EQ(left, "表");
    left.AssignLeft("abc", 9);
    EXPECT_EQ(left, "abc");
}

TEST(TextHelperPieces, AppendWithSeparator)
{
    CTextHelper list;
    list.AppendWithSeparator(", ", "a");
    list.AppendWithSeparator(", ", "");
    list.AppendWithSeparator(", ", "b");
    EXPECT_EQ(list, "a, b");
}

TEST(TextHelperCase, TrailBytesKeepTheirCase)
{
    CTextHelper text("aヌｚ");
    EXPECT_STREQ(text.ToUpper(), "AヌＺ");
    EXPECT_STREQ(text.ToLower(), "aヌｚ");
}

TEST(TextHelperWide, ConvertsWideTextToCp932)
{
    CTextHelper text("old");
    text.FromWideString(L"表ガa");
    EXPECT_EQ(text, "表ガa");
    text.FromWideString(L"");
    EXPECT_EQ(text, "");
    text.FromWideString(L"\U0001F600");
    EXPECT_EQ(text, "?");
}
