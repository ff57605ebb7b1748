#include "foundation/ui/FontObject.h"
#include "platform/ui/testing/WxTestEnvironment.h"

#include <gtest/gtest.h>

#include <wx/dcscreen.h>

class FontObjectWindowTest : public ::testing::Test
{
  protected:
    void SetUp() override { WxTestEnvironment::Ensure(); }
};

TEST_F(FontObjectWindowTest, JapaneseFacesMapToInstalledFamiliesAtTheirHeight)
{
    CFontObject font;
    ASSERT_TRUE(font.Create("ＭＳ ゴシック", -16, 0, 400, false));
    EXPECT_EQ(font.GetFont().GetFaceName(), "IPAGothic");
    EXPECT_EQ(font.GetLogFont().faceName, "ＭＳ ゴシック");
    // wx rounds pixel sizes through points.
    EXPECT_NEAR(font.GetFont().GetPixelSize().y, 16, 1);

    // A cell height: the line of text is as high as asked.
    ASSERT_TRUE(font.Create("ＭＳ 明朝", 20, 0, 400, true));
    wxScreenDC dc;
    dc.SetFont(font.GetFont());
    EXPECT_NEAR(dc.GetCharHeight(), 20, 1);
    EXPECT_EQ(font.GetFont().GetStyle(), wxFONTSTYLE_ITALIC);
}

TEST_F(FontObjectWindowTest, ChangingTheWeightKeepsFaceAndSize)
{
    CFontObject font;
    ASSERT_TRUE(font.Create("ＭＳ Ｐゴシック", -14, 0, 400, false));
    ASSERT_TRUE(font.SetWeight(700));
    EXPECT_EQ(font.GetFont().GetWeight(), wxFONTWEIGHT_BOLD);
    EXPECT_EQ(font.GetFont().GetFaceName(), "IPAPGothic");
    EXPECT_NEAR(font.GetFont().GetPixelSize().y, 14, 1);
    EXPECT_EQ(font.GetLogFont().height, -14);
    EXPECT_EQ(font.GetLogFont().faceName, "ＭＳ Ｐゴシック");
    EXPECT_EQ(font.GetLogFont().weight, 700);
}

TEST_F(FontObjectWindowTest, CopyingAnUnreadableFontLeavesNoFont)
{
    CFontObject font;
    font.Create("ＭＳ ゴシック", -12, 0, 400, false);
    EXPECT_FALSE(font.CopyFrom(wxNullFont));
    EXPECT_FALSE(font.HasFont());
    EXPECT_FALSE(font.SetWeight(700));

    CFontObject other;
    ASSERT_TRUE(other.CopyFrom(wxFontInfo(wxSize(0, 18)).FaceName("IPAMincho").Bold()));
    EXPECT_EQ(other.GetLogFont().faceName, "IPAMincho");
    EXPECT_NEAR(other.GetLogFont().height, -18, 1);
    EXPECT_EQ(other.GetLogFont().weight, 700);
}
