// wx's own windows in the user's language: the texts of wx's print preview come from wx's
// catalogues in the language that LANG names.
#include "platform/ui/WindowPlatform.h"
#include "platform/ui/WxText.h"
#include "platform/ui/testing/WxTestEnvironment.h"

#include <gtest/gtest.h>

#include <wx/translation.h>

#include <cstdlib>

TEST(WxTranslationsWindowTest, WxTextsFollowTheUsersLanguage)
{
    setenv("LANG", "ja_JP.UTF-8", 1);
    unsetenv("LC_ALL");
    unsetenv("LC_MESSAGES");
    unsetenv("LANGUAGE");
    WxTestEnvironment::Ensure();
    WindowPlatform::Install();
    EXPECT_EQ(FromWx(wxGetTranslation("Print Preview")), "印刷プレビュー");
    EXPECT_EQ(FromWx(wxGetTranslation("Next page")), "次のページ");
}
