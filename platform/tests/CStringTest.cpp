#include "platform/CString.h"

#include <gtest/gtest.h>

// "表" is 0x95 0x5C and "ソ" 0x83 0x5C: their trail byte is a backslash.
TEST(CStringSearch, NeverMatchesATrailByte)
{
    CString text("表\\");
    EXPECT_EQ(text.Find('\\'), 2);
    EXPECT_EQ(text.ReverseFind('\\'), 2);
    EXPECT_EQ(CString("ソ").Find('\\'), -1);
    EXPECT_EQ(CString("ソ").Find("\\"), -1);
    EXPECT_EQ(CString("aソb").FindOneOf("\\b"), 3);
}

TEST(CStringSearch, SkipsMatchesOnTrailBytesButFindsTheNextTrueOne)
{
    CString text("ソ\\ソ");
    EXPECT_EQ(text.Find("\\"), 2);
    EXPECT_EQ(text.Find("\\\\"), -1) << "the first backslash is the trail byte of ソ";
    EXPECT_EQ(text.FindOnCharacter("\\", 0), 2);
    EXPECT_EQ(text.FindOnCharacter("\\", 3), -1);
    // A start inside a character moves on to the next one.
    EXPECT_EQ(CString("表a").Find("a", 1), 2);
    EXPECT_EQ(CString("表a").Find("", 1), 2);
    EXPECT_EQ(CString("aaa").Find("aa", 1), 1);
    EXPECT_EQ(CString("aaa").FindOnCharacter("aa", 2), -1);
}

TEST(CStringSearch, FindsTextFromAStart)
{
    CString text("abcabc");
    EXPECT_EQ(text.Find("bc"), 1);
    EXPECT_EQ(text.Find("bc", 2), 4);
    EXPECT_EQ(text.Find("bc", 5), -1);
    EXPECT_EQ(text.Find('c', 3), 5);
    EXPECT_EQ(text.Find("x"), -1);
}

TEST(CStringPieces, ClampCountsToTheText)
{
    CString text("abc");
    EXPECT_EQ(text.Left(5), "abc");
    EXPECT_EQ(text.Left(-1), "");
    EXPECT_EQ(text.Right(2), "bc");
    EXPECT_EQ(text.Mid(1), "bc");
    EXPECT_EQ(text.Mid(4), "");
    EXPECT_EQ(text.Mid(1, 10), "bc");
    EXPECT_EQ(CString("a1b").SpanIncluding("a1"), "a1");
    EXPECT_EQ(CString("ab,c").SpanExcluding(","), "ab");
}

TEST(CStringCase, LeavesTrailBytesAlone)
{
    CString nu("ヌ"); // 0x83 0x6B: the trail byte is 'k'
    nu.MakeUpper();
    EXPECT_EQ(nu, "ヌ");
    CString mixed("abｃ表X");
    mixed.MakeUpper();
    EXPECT_EQ(mixed, "ABＣ表X");
    mixed.MakeLower();
    EXPECT_EQ(mixed, "abｃ表x");
}

TEST(CStringTrim, RemovesWhiteSpaceButNotHalfCharacters)
{
    CString text(" \t表 \r\n");
    EXPECT_EQ(text.Trim(), "表");
    // 0x81 0x40 is the full-width space: its trail byte is not a trimmable '@'.
    CString wide("\x81\x40");
    EXPECT_EQ(wide.TrimRight("@"), "\x81\x40");
    CString stars("**a**");
    EXPECT_EQ(stars.Trim("*"), "a");
}

// A lead byte takes the byte behind it, a blank too, unless it is itself the trail byte of the
// character before; a set holding a double-byte character is matched character by character.
TEST(CStringTrim, CutsOnlyWholeCharactersOfTheSet)
{
    struct Case
    {
        const char* text;
        const char* set;
        const char* trimmed;
    };
    const Case cases[] = {
        {"a\x82 ", " ", "a\x82 "},
        {"\x82\x82  ", " ", "\x82\x82"},
        {" \t ", " \t", ""},
        {"\x81\x40"
         "a"
         "\x81\x40",
         "\x81\x40", "a"},
    };
    for (const Case& c : cases) {
        CString text(c.text);
        EXPECT_EQ(text.Trim(c.set), c.trimmed) << c.text;
    }
    CString lead("a\x82 ");
    EXPECT_EQ(lead.TrimRight(), "a\x82 ");
}

TEST(CStringEdit, ReplaceRemoveInsertDelete)
{
    CString text("ソa\\b\\");
    EXPECT_EQ(text.Replace('\\', '/'), 2);
    EXPECT_EQ(text, "ソa/b/");
    CString words("one two one");
    EXPECT_EQ(words.Replace("one", "1"), 2);
    EXPECT_EQ(words, "1 two 1");
    CString removed("表\\x\\");
    EXPECT_EQ(removed.Remove('\\'), 2);
    EXPECT_EQ(removed, "表x");
    CString edited("ac");
    edited.Insert(1, 'b');
    edited.Insert(99, "d");
    EXPECT_EQ(edited, "abcd");
    edited.Delete(1, 2);
    EXPECT_EQ(edited, "ad");
    CString reversed("a表b");
    reversed.MakeReverse();
    EXPECT_EQ(reversed, "b表a");
}

TEST(CStringFormat, HandlesLongOutput)
{
    CString text;
    text.Format("%s=%04d", "ver", 12);
    EXPECT_EQ(text, "ver=0012");
    CString longText;
    longText.Format("%0600d", 7);
    EXPECT_EQ(longText.GetLength(), 600);
    EXPECT_EQ(longText.Right(1), "7");
    text.AppendFormat("/%d", 5);
    EXPECT_EQ(text, "ver=0012/5");
}

TEST(CStringBuffer, ReleaseCutsAtTheTerminator)
{
    CString text;
    char* buffer = text.GetBuffer(10);
    snprintf(buffer, 10, "abc");
    text.ReleaseBuffer();
    EXPECT_EQ(text, "abc");
    EXPECT_EQ(text.GetLength(), 3);
}

TEST(CStringCompare, OrdersByCharacterCode)
{
    EXPECT_LT(CString("ｱ"), CString("あ")); // 0xB1 before 0x82A0
    EXPECT_LT(CString("a"), CString("b"));
    EXPECT_EQ(CString("ABC").CompareNoCase("abc"), 0);
    EXPECT_GT(CString("abc").Compare("ab"), 0);
    EXPECT_TRUE(CString("x") == "x");
}
