#include "foundation/FontList.h"

#include <gtest/gtest.h>

TEST(FontList, JapaneseFacesAreListedOncePerCharacterSet)
{
    CFontList fonts;
    fonts.EnumFonts();
    ASSERT_GT(fonts.GetSize(), 0);
    const int japanese = fonts.Find("IPAGothic", CFontItem::kShiftJisCharset);
    const int western = fonts.Find("IPAGothic", CFontItem::kAnsiCharset);
    ASSERT_GE(japanese, 0);
    EXPECT_EQ(western, japanese + 1);
    EXPECT_GE(fonts.Find("IPAMincho", CFontItem::kShiftJisCharset), 0);
    EXPECT_EQ(fonts.GetItem(japanese)->fontType, CFontItem::kTrueTypeFont);
    // A second listing replaces the first.
    const int count = fonts.GetSize();
    fonts.EnumFonts();
    EXPECT_EQ(fonts.GetSize(), count);
}
