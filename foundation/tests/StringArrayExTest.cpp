#include "foundation/StringArrayEx.h"

#include "platform/TextMeasurer.h"

#include <gtest/gtest.h>

#include <string>
#include <string_view>
#include <vector>

namespace {

std::vector<std::string> Entries(const CStringArrayEx& list)
{
    std::vector<std::string> entries;
    for (const CString& entry : list) {
        entries.push_back(entry.str());
    }
    return entries;
}

using Lines = std::vector<std::string>;

Lines Split(const char* text, char separator, int maxCount = 0)
{
    CStringArrayEx list;
    EXPECT_TRUE(list.Split(text, separator, maxCount));
    return Entries(list);
}

Lines SplitEscaped(const char* text, char separator, int maxCount = 0)
{
    CStringArrayEx list;
    EXPECT_TRUE(list.SplitEscaped(text, separator, maxCount));
    if (maxCount == 0) {
        // A reader that keeps no field gets the same entries as views.
        std::vector<std::string_view> views;
        CStringArrayEx::SplitEscapedViews(text, separator, views);
        EXPECT_EQ(Lines(views.begin(), views.end()), Entries(list)) << text;
    }
    return Entries(list);
}

// Every byte is 10 pixels wide, so a double-byte character is 20.
class FixedWidthMeasurer : public TextMeasurer
{
  public:
    CSize GetTextExtent(const char*, int length) const override { return CSize(length * 10, 12); }
};

Lines Wrap(const char* text, int width)
{
    CStringArrayEx list;
    EXPECT_TRUE(list.WrapText(FixedWidthMeasurer(), text, width));
    return Entries(list);
}

} // namespace

TEST(StringArraySplit, FieldsBetweenSeparators)
{
    EXPECT_EQ(Split("", ','), Lines{""});
    EXPECT_EQ(Split("a,,b", ','), (Lines{"a", "", "b"}));
    EXPECT_EQ(Split("a,", ','), (Lines{"a", ""}));
    EXPECT_EQ(Split("k=v=w", '=', 1), (Lines{"k", "v=w"}));
    EXPECT_EQ(Split("k=", '=', 1), (Lines{"k", ""}));
    EXPECT_EQ(Split("k", '=', 1), Lines{"k"});
    // The second byte of 表 is a backslash and of ソ (83 5C) too: never a separator.
    EXPECT_EQ(Split("表\\ソ", '\\'), (Lines{"表", "ソ"}));
    EXPECT_EQ(Split("a,\x83", ','), (Lines{"a", "\x83"}));
}

TEST(StringArraySplitEscaped, EscapesStayAndDoNotCut)
{
    EXPECT_EQ(SplitEscaped("a\\,b,c", ','), (Lines{"a\\,b", "c"}));
    EXPECT_EQ(SplitEscaped("k=v=w", '=', 1), (Lines{"k", "v=w"}));
    EXPECT_EQ(SplitEscaped("", ','), Lines{""});
    EXPECT_EQ(SplitEscaped("a,", ','), (Lines{"a", ""}));
    // A trailing backslash or a cut-off lead byte ends the text without reading past it.
    EXPECT_EQ(SplitEscaped("a,b\\", ','), (Lines{"a", "b\\"}));
    EXPECT_EQ(SplitEscaped("'a\\", ','), Lines{"'a\\"});
    EXPECT_EQ(SplitEscaped("a,\x95", ','), (Lines{"a", "\x95"}));
    EXPECT_EQ(SplitEscaped("\\\x95", ','), Lines{"\\\x95"});
}

TEST(StringArraySplitEscaped, QuotedFields)
{
    EXPECT_EQ(SplitEscaped("'x,y',z", ','), (Lines{"x,y", "z"}));
    EXPECT_EQ(SplitEscaped("\"a,b\"", ','), Lines{"a,b"});
    EXPECT_EQ(SplitEscaped("\"x", ','), Lines{"\"x"});
    EXPECT_EQ(SplitEscaped("\"a\"x,b", ','), (Lines{"a\"", "b"}));
    EXPECT_EQ(SplitEscaped("'a\"b',c", ','), (Lines{"a\"b", "c"}));
    EXPECT_EQ(SplitEscaped("'it\\'s',n", ','), (Lines{"it\\'s", "n"}));
    EXPECT_EQ(SplitEscaped("''''", ','), Lines{"''"}); // doubled quotes are not undoubled
    EXPECT_EQ(SplitEscaped("x'a,b'", ','), (Lines{"x'a", "b'"}));
    EXPECT_EQ(SplitEscaped("'',''", ','), (Lines{"", ""}));
    // The closing quote's field loses its last character whole, never half of one.
    EXPECT_EQ(SplitEscaped("'a'表", ','), Lines{"a'"});
}

// Runs of empty fields, as a list's row lines are full of, give one entry for each separator,
// and the count still stops where it says.
TEST(StringArraySplitEscaped, RunsOfEmptyFields)
{
    EXPECT_EQ(SplitEscaped(",,,", ','), (Lines{"", "", "", ""}));
    EXPECT_EQ(SplitEscaped("a,,,'b',,", ','), (Lines{"a", "", "", "b", "", ""}));
    EXPECT_EQ(SplitEscaped(",,,x", ',', 2), (Lines{"", "", ",x"}));
    EXPECT_EQ(SplitEscaped("a,,,,", ',', 3), (Lines{"a", "", "", ","}));
    EXPECT_EQ(SplitEscaped(",,", ',', 5), (Lines{"", "", ""}));
    // A backslash that separates is no separator but an escape.
    EXPECT_EQ(SplitEscaped("\\\\a", '\\'), Lines{"\\\\a"});
}

TEST(StringArraySplitEscaped, DoubleByteCharactersEscapeNothing)
{
    EXPECT_EQ(SplitEscaped("'表',ソ,x", ','), (Lines{"表", "ソ", "x"}));
    EXPECT_EQ(SplitEscaped("表,b", ','), (Lines{"表", "b"}));
}

TEST(StringArrayWrap, BreaksAtLineFeedsAndWidth)
{
    EXPECT_EQ(Wrap("ab\r\n\r\ncd", 1000), (Lines{"ab", "", "cd"}));
    EXPECT_EQ(Wrap("abcde", 20), (Lines{"ab", "cd", "e"}));
    EXPECT_EQ(Wrap("abcd", 30), (Lines{"abc", "d"})); // an extent equal to the width fits
    EXPECT_EQ(Wrap("a表b", 25), (Lines{"a", "表", "b"}));
    EXPECT_EQ(Wrap("ab表", 5), (Lines{"a", "b", "表"}));
    EXPECT_EQ(Wrap("", 100), Lines{});
    EXPECT_EQ(Wrap("ab\n", 100), Lines{"ab"});
}

TEST(StringArrayDigitRuns, AlternatingRuns)
{
    CStringArrayEx list;
    list.SplitDigitRuns("file007b12");
    EXPECT_EQ(Entries(list), (Lines{"file", "007", "b", "12"}));
    list.SplitDigitRuns("");
    EXPECT_EQ(Entries(list), Lines{""});
    list.SplitDigitRuns("12表3");
    EXPECT_EQ(Entries(list), (Lines{"12", "表", "3"}));
}

TEST(StringArraySort, ByCharacterCodeEitherWay)
{
    CStringArrayEx list;
    for (const char* text : {"あ", "b", "ｱ", "B", "a"}) {
        list.Add(text);
    }
    list.Sort(false);
    EXPECT_EQ(Entries(list), (Lines{"B", "a", "b", "ｱ", "あ"}));
    EXPECT_FALSE(list.IsSortedDescending());
    list.Sort(true);
    EXPECT_EQ(Entries(list), (Lines{"あ", "ｱ", "b", "a", "B"}));
    EXPECT_TRUE(list.IsSortedDescending());
}

TEST(StringArrayAddUnique, RefusesEqualEntries)
{
    CStringArrayEx list;
    EXPECT_EQ(list.AddUnique("Abc", false), 1);
    EXPECT_EQ(list.AddUnique("Abc", false), -1);
    EXPECT_EQ(list.AddUnique("abc", false), 2);
    EXPECT_EQ(list.AddUnique("ABC", true), -1);
    EXPECT_EQ(list.GetSize(), 2);
}
