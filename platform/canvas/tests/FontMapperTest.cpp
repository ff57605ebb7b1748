#include "platform/canvas/FontMapper.h"

#include <gtest/gtest.h>
#include <pango/pangocairo.h>
#include <string>

namespace {

// The family that pango really loads for a face name.
std::string LoadedFamily(const CString& faceName)
{
    PangoFontMap* map = pango_cairo_font_map_get_default();
    PangoContext* context = pango_font_map_create_context(map);
    PangoFontDescription* description = pango_font_description_new();
    pango_font_description_set_family(description, FontMapper::FamilyFor(faceName).c_str());
    pango_font_description_set_absolute_size(description, 16 * PANGO_SCALE);
    PangoFont* font = pango_font_map_load_font(map, context, description);
    std::string family;
    if (font != nullptr) {
        PangoFontDescription* loaded = pango_font_describe(font);
        family = pango_font_description_get_family(loaded);
        pango_font_description_free(loaded);
        g_object_unref(font);
    }
    pango_font_description_free(description);
    g_object_unref(context);
    return family;
}

} // namespace

TEST(FontMapper, JapaneseSystemFacesBecomeTheIpaFonts)
{
    EXPECT_EQ(FontMapper::FamilyFor("ＭＳ ゴシック"), "IPAGothic");
    EXPECT_EQ(FontMapper::FamilyFor("ＭＳ Ｐゴシック"), "IPAPGothic");
    EXPECT_EQ(FontMapper::FamilyFor("ＭＳ 明朝"), "IPAMincho");
    EXPECT_EQ(FontMapper::FamilyFor("ＭＳ Ｐ明朝"), "IPAPMincho");
    EXPECT_EQ(FontMapper::FamilyFor("MS UI Gothic"), "IPAPGothic");
    EXPECT_EQ(FontMapper::FamilyFor("ms gothic"), "IPAGothic");
}

TEST(FontMapper, MinchoResolvesToAnInstalledMinchoFamily)
{
    std::string family = LoadedFamily("ＭＳ 明朝");
    EXPECT_NE(family.find("Mincho"), std::string::npos) << family;
    EXPECT_NE(LoadedFamily("ＭＳ ゴシック").find("Gothic"), std::string::npos);
}

TEST(FontMapper, OtherNamesStayWhenInstalledAndFallBackOtherwise)
{
    EXPECT_EQ(FontMapper::FamilyFor("IPAMincho"), "IPAMincho");
    EXPECT_EQ(FontMapper::FamilyFor("Arial"), "IPAPGothic");
    EXPECT_EQ(FontMapper::FamilyFor("HG明朝E"), "IPAPMincho");
    EXPECT_EQ(FontMapper::FamilyFor("存在しない書体"), FontMapper::kFallbackFamily);
    EXPECT_EQ(FontMapper::FamilyFor(""), FontMapper::kFallbackFamily);
}

TEST(FontMapper, InstalledFamiliesListTheIpaFontsOnce)
{
    CStringArray families = FontMapper::InstalledFamilies();
    int gothic = 0;
    for (int i = 0; i < families.GetSize(); ++i) {
        gothic += families.GetAt(i) == "IPAGothic" ? 1 : 0;
        if (i > 0) {
            EXPECT_LT(families.GetAt(i - 1).str(), families.GetAt(i).str());
        }
    }
    EXPECT_EQ(gothic, 1);
}
