#include "grid/EditMask.h"

#include "platform/Mbcs.h"

#include <gtest/gtest.h>

TEST(EditMaskReformat, ForcesTheTextIntoThePattern)
{
    CEditMask mask;
    mask.SetMask("00-00");
    EXPECT_TRUE(mask.IsActive());
    EXPECT_EQ(mask.GetPositionCount(), 5);
    EXPECT_EQ(mask.Reformat("12a34"), "12-34");
    EXPECT_EQ(mask.Reformat("12-34"), "12-34");
    EXPECT_EQ(mask.Reformat("1234567"), "12-34");
    EXPECT_EQ(mask.Reformat("12"), "12");
    EXPECT_EQ(mask.Reformat(""), "");
}

TEST(EditMaskReformat, BackslashMakesAMaskCharacterFixed)
{
    CEditMask mask;
    mask.SetMask("\\0#-&\\");
    EXPECT_EQ(mask.GetPositionCount(), 4);
    EXPECT_TRUE(mask.IsFixedPosition(0));
    EXPECT_FALSE(mask.IsFixedPosition(1));
    EXPECT_EQ(mask.Reformat("x+y"), "0+-y");
}

TEST(EditMaskReformat, DoubleByteCharactersAreOnePosition)
{
    CEditMask mask;
    mask.SetMask("00年CC");
    EXPECT_EQ(mask.GetPositionCount(), 5);
    EXPECT_EQ(mask.Reformat("12表示"), "12年表示");
}

TEST(EditMaskReformat, AnEmptyMaskSwitchesMaskingOff)
{
    CEditMask mask;
    mask.SetMask("");
    EXPECT_FALSE(mask.IsActive());
    EXPECT_EQ(mask.Reformat("any text"), "any text");
    CString typed;
    EXPECT_TRUE(mask.FilterChar(99, 'z', typed));
}

TEST(EditMaskCharacters, EachMaskCharacterTakesItsClass)
{
    EXPECT_TRUE(CEditMask::Accepts('0', '5'));
    EXPECT_FALSE(CEditMask::Accepts('0', ' '));
    EXPECT_FALSE(CEditMask::Accepts('0', 'a'));
    EXPECT_TRUE(CEditMask::Accepts('9', ' '));
    EXPECT_TRUE(CEditMask::Accepts('#', '-'));
    EXPECT_FALSE(CEditMask::Accepts('#', 'x'));
    EXPECT_TRUE(CEditMask::Accepts('L', 'Q'));
    EXPECT_FALSE(CEditMask::Accepts('L', ' '));
    EXPECT_TRUE(CEditMask::Accepts('?', ' '));
    EXPECT_TRUE(CEditMask::Accepts('A', '7'));
    EXPECT_FALSE(CEditMask::Accepts('A', ' '));
    EXPECT_TRUE(CEditMask::Accepts('a', ' '));
    EXPECT_TRUE(CEditMask::Accepts('&', '!'));
    EXPECT_TRUE(CEditMask::Accepts('C', Mbcs::CharCode("表", 0)));
    EXPECT_FALSE(CEditMask::Accepts('C', 0x7F));
}

TEST(EditMaskFilter, FixedCharactersAreTypedBeforeTheNextInput)
{
    CEditMask mask;
    mask.SetMask("(000) 000-0000");
    CString typed;
    EXPECT_TRUE(mask.FilterChar(0, '5', typed));
    EXPECT_EQ(typed, "(");
    EXPECT_FALSE(mask.FilterChar(1, 'x', typed));
    EXPECT_EQ(typed, "");
    // The whole run of fixed characters, so the digit lands on an input position.
    EXPECT_TRUE(mask.FilterChar(4, '1', typed));
    EXPECT_EQ(typed, ") ");
    EXPECT_FALSE(mask.FilterChar(14, '1', typed));
    EXPECT_TRUE(mask.FilterChar(14, '\b', typed)); // not printable: always passes
}

TEST(EditMaskFilter, SpacesAtNineAndLettersAtZero)
{
    CEditMask mask;
    mask.SetMask("09");
    CString typed;
    EXPECT_FALSE(mask.FilterChar(0, 'a', typed));
    EXPECT_TRUE(mask.FilterChar(1, ' ', typed));
}

TEST(EditMaskPaste, PastedTextIsForcedIntoThePattern)
{
    CEditMask mask;
    mask.SetMask("00-00");
    int caret = -1;
    EXPECT_EQ(mask.Paste("", 0, 0, "12a34", &caret), CString("12-34"));
    EXPECT_EQ(caret, 5);
    // Over a selection, the rest of the text follows the pasted part.
    EXPECT_EQ(mask.Paste("12-34", 0, 2, "9x8", &caret), CString("98-34"));
    EXPECT_EQ(caret, 2);
    EXPECT_EQ(mask.Paste("12-", 3, 3, "x5y6z7", &caret), CString("12-56"));
}

TEST(EditMaskPaste, WithoutAMaskTheTextIsPastedAsItIs)
{
    CEditMask mask;
    int caret = 0;
    EXPECT_EQ(mask.Paste("abc", 1, 2, "表Z", &caret), CString("a表Zc"));
    EXPECT_EQ(caret, 3);
}

TEST(EditMaskLimit, EscapesTakeNoRoom)
{
    CEditMask mask;
    mask.SetMask("\\(000\\)-0");
    EXPECT_EQ(mask.TextLimit(), 7);
    mask.SetMask("(000)");
    EXPECT_EQ(mask.TextLimit(), 5);
}
