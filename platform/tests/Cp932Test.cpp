#include "platform/Cp932.h"
#include "platform/UnmappableChars.h"

#include <cstdlib>
#include <gtest/gtest.h>

TEST(Cp932Conversion, RoundTripsJapaneseText)
{
    // Literals are compiled to CP932; the UTF-8 side is spelled out in bytes.
    std::string cp932 = "表①髙ｱ～";
    bool lossless = false;
    std::string utf8 = Cp932::ToUtf8(cp932, &lossless);
    EXPECT_TRUE(lossless);
    EXPECT_EQ(utf8, "\xE8\xA1\xA8\xE2\x91\xA0\xE9\xAB\x99\xEF\xBD\xB1\xEF\xBD\x9E");
    EXPECT_EQ(Cp932::FromUtf8(utf8, &lossless), cp932);
    EXPECT_TRUE(lossless);
}

TEST(Cp932Conversion, BackslashStaysABackslash)
{
    EXPECT_EQ(Cp932::ToUtf8("C:\\a"), "C:\\a");
    EXPECT_EQ(Cp932::FromUtf8("a\\b"), "a\\b");
}

TEST(Cp932Conversion, ReplacesWhatHasNoMapping)
{
    bool lossless = true;
    // 0xA0 and 0xFD are no characters; a lead byte at the end is cut off.
    EXPECT_EQ(Cp932::ToUtf8("a\xA0"
                            "b\x81",
                            &lossless),
              "a\xEF\xBF\xBD"
              "b\xEF\xBF\xBD");
    EXPECT_FALSE(lossless);
    // U+1F600 has no Shift_JIS form; broken UTF-8 is replaced too.
    EXPECT_EQ(Cp932::FromUtf8("x\xF0\x9F\x98\x80y\xC3", &lossless), "x?y?");
    EXPECT_FALSE(lossless);
}

// A static object's destructor runs at exit after the thread's own objects are destroyed, the
// thread's converters among them; a list closed there still names its files.
TEST(Cp932ConversionDeathTest, ConvertsInTheDestructorsOfStatics)
{
    EXPECT_EXIT(
        {
            struct ConvertsAtExit
            {
                ~ConvertsAtExit()
                {
                    const bool right =
                        Cp932::ToUtf8("表") == "\xE8\xA1\xA8" && Cp932::FromUtf8("\xE8\xA1\xA8") == "表";
                    std::_Exit(right ? 0 : 2);
                }
            };
            static ConvertsAtExit atExit;
            Cp932::ToUtf8("表");
            Cp932::FromUtf8("\xE8\xA1\xA8");
            std::exit(1);
        },
        testing::ExitedWithCode(0), "");
}

TEST(Cp932LeadBytes, CharacterLengthStopsAtTheEnd)
{
    std::string_view text("a\x95");
    EXPECT_EQ(Cp932::CharLength(text, 0), 1u);
    EXPECT_EQ(Cp932::CharLength(text, 1), 1u);
    EXPECT_EQ(Cp932::CharLength("表", 0), 2u);
    EXPECT_TRUE(Cp932::IsTrailPosition("表", 1));
    EXPECT_FALSE(Cp932::IsTrailPosition("ab", 1));
    EXPECT_FALSE(Cp932::IsLeadByte(0xB1));
    EXPECT_FALSE(Cp932::IsLeadByte(0x80));
    EXPECT_TRUE(Cp932::IsLeadByte(0xFC));
}

TEST(UnmappableChars, NamesWhatShiftJisCannotHold)
{
    // 𠮷野家😀 and once more 𠮷.
    const CUnmappableChars found("\xF0\xA0\xAE\xB7\xE9\x87\x8E\xE5\xAE\xB6\xF0\x9F\x98\x80\xF0\xA0\xAE\xB7");
    EXPECT_FALSE(found.IsEmpty());
    EXPECT_EQ(found.Marked(), "■野家■■");
    EXPECT_EQ(found.Codes(), "U+20BB7 U+1F600");
}

TEST(UnmappableChars, ShiftJisTextAndBrokenBytes)
{
    const CUnmappableChars plain("a\xE8\xA1\xA8\xE2\x91\xA0\xE9\xAB\x99");
    EXPECT_TRUE(plain.IsEmpty());
    EXPECT_EQ(plain.Marked(), "a表①髙");
    EXPECT_EQ(plain.Codes(), "");
    // A cut-off sequence is marked too, never read past the end.
    const CUnmappableChars broken("x\xE8\xA1");
    EXPECT_FALSE(broken.IsEmpty());
    EXPECT_EQ(broken.Marked(), "x■■");
    EXPECT_EQ(broken.Codes(), "U+FFFD");
}

// Writers leave out lead bytes that lost their trail byte; whole characters stay, also those
// whose second byte is a backslash or itself a lead byte.
TEST(Cp932LeadBytes, BrokenLeadBytesAreLeftOut)
{
    EXPECT_EQ(Cp932::WithoutBrokenLeadBytes("末尾\x82"), "末尾");
    EXPECT_EQ(Cp932::WithoutBrokenLeadBytes("a\x82\nb\x82\tc\x82'"), "a\nb\tc'");
    EXPECT_EQ(Cp932::WithoutBrokenLeadBytes("表ソ\x88\x9F"), "表ソ\x88\x9F");
    EXPECT_EQ(Cp932::WithoutBrokenLeadBytes("\x82\x82\x82"), "\x82\x82");
    EXPECT_EQ(Cp932::WithoutBrokenLeadBytes("\xFC\x7F\xFC\xFC"), "\x7F\xFC\xFC");
    EXPECT_EQ(Cp932::WithoutBrokenLeadBytes(""), "");
}
