#include "app/FileHandOver.h"
#include "app/StartupPlan.h"

#include <gtest/gtest.h>

TEST(FileHandOver, RelativeNamesAreResolvedAgainstTheStartingFolder)
{
    CString path;
    ASSERT_TRUE(CFileHandOver::ResolveArgument("lists/春.zbk", "/home/user", path));
    EXPECT_EQ(path, "/home/user/lists/春.zbk");
    ASSERT_TRUE(CFileHandOver::ResolveArgument("../other//./a.zbk", "/home/user/work", path));
    EXPECT_EQ(path, "/home/user/other/a.zbk");
    ASSERT_TRUE(CFileHandOver::ResolveArgument("/srv/a.zbk", "/home/user", path));
    EXPECT_EQ(path, "/srv/a.zbk");
    ASSERT_TRUE(CFileHandOver::ResolveArgument("../../../a.zbk", "/home", path));
    EXPECT_EQ(path, "/a.zbk");
}

TEST(FileHandOver, PseudoPathsAndEmptyArgumentsAreRefused)
{
    CString path = "left";
    EXPECT_FALSE(CFileHandOver::ResolveArgument("autophoto:", "/home/user", path));
    EXPECT_EQ(path, "");
    EXPECT_FALSE(CFileHandOver::ResolveArgument("template:/t/a.zbk,/t/web/index.htm", "/home/user", path));
    EXPECT_FALSE(CFileHandOver::ResolveArgument("", "/home/user", path));
    // A file whose name merely contains the word is an ordinary file.
    EXPECT_TRUE(CFileHandOver::ResolveArgument("my template:1.zbk", "/h", path));
    EXPECT_EQ(path, "/h/my template:1.zbk");
}

TEST(FileHandOver, RequestCarriesAnAbsolutePathOrAsksToComeForward)
{
    CString path = "left";
    ASSERT_TRUE(CFileHandOver::ParseRequest(CFileHandOver::FormatRequest("/home/商品.zbk"), path));
    EXPECT_EQ(path, "/home/商品.zbk");
    ASSERT_TRUE(CFileHandOver::ParseRequest(CFileHandOver::FormatRequest(CString()), path));
    EXPECT_EQ(path, "");
}

TEST(FileHandOver, MalformedRequestsAreRefused)
{
    CString path;
    EXPECT_FALSE(CFileHandOver::ParseRequest("", path));
    EXPECT_FALSE(CFileHandOver::ParseRequest("open\n", path));
    EXPECT_FALSE(CFileHandOver::ParseRequest("open\nrelative.zbk", path));
    EXPECT_FALSE(CFileHandOver::ParseRequest("open\nautophoto:", path));
    EXPECT_FALSE(CFileHandOver::ParseRequest("open\ntemplate:/a,b", path));
    EXPECT_FALSE(CFileHandOver::ParseRequest("open\n/a.zbk\n/b.zbk", path));
    EXPECT_FALSE(CFileHandOver::ParseRequest(std::string("open\n/a\0b", 8), path));
    EXPECT_FALSE(CFileHandOver::ParseRequest("print\n/a.zbk", path));
    EXPECT_EQ(path, "");
}

TEST(StartupPlan, FirstArgumentThatIsNoSwitchNamesTheFile)
{
    EXPECT_EQ(CStartupPlan::FindFileArgument({}), "");
    EXPECT_EQ(CStartupPlan::FindFileArgument({"-p", "list.zbk"}), "list.zbk");
    EXPECT_EQ(CStartupPlan::FindFileArgument({"/home/u/a.zbk", "b.zbk"}), "/home/u/a.zbk");
    EXPECT_EQ(CStartupPlan::FindFileArgument({"-p"}), "");
    // Names arrive as UTF-8 and are kept as Shift_JIS inside.
    EXPECT_EQ(CStartupPlan::FindFileArgument({"\xE5\x95\x86\xE5\x93\x81.zbk"}), "商品.zbk");
    EXPECT_EQ(CStartupPlan::DescribeUnheldArgument({"-p", "\xE5\x95\x86\xE5\x93\x81.zbk"}), "");
    const CString unheld = CStartupPlan::DescribeUnheldArgument({"\xF0\xA0\xAE\xB7\xE7\x94\xB0/a.zbk"});
    EXPECT_NE(unheld.Find("■田/a.zbk"), -1) << "the folder is named";
}

TEST(StartupPlan, LastListOpensOnlyWithoutNavigatorAndShiftWhenWantedAndKnown)
{
    EXPECT_TRUE(CStartupPlan::ShouldOpenLastDocument(false, false, true, "/l/a.zbk"));
    EXPECT_FALSE(CStartupPlan::ShouldOpenLastDocument(true, false, true, "/l/a.zbk"));
    EXPECT_FALSE(CStartupPlan::ShouldOpenLastDocument(false, true, true, "/l/a.zbk"));
    EXPECT_FALSE(CStartupPlan::ShouldOpenLastDocument(false, false, false, "/l/a.zbk"));
    EXPECT_FALSE(CStartupPlan::ShouldOpenLastDocument(false, false, true, ""));
}

TEST(StartupPlan, SavedRectangleNeedsAScreenThatHoldsPartOfIt)
{
    const std::vector<CRect> screens = {CRect(0, 0, 1280, 1024), CRect(1280, 0, 2560, 1024)};
    CRect placed;
    EXPECT_TRUE(CStartupPlan::PlaceSavedRect(CRect(10, 20, 810, 620), screens, placed));
    EXPECT_EQ(placed, CRect(10, 20, 810, 620)) << "a rectangle on a screen stays as it is";
    // A window left on a third screen that is gone, or touching a screen only at its edge.
    EXPECT_FALSE(CStartupPlan::PlaceSavedRect(CRect(2600, 0, 3400, 600), screens, placed));
    EXPECT_FALSE(CStartupPlan::PlaceSavedRect(CRect(-800, 0, 0, 600), screens, placed));
    EXPECT_FALSE(CStartupPlan::PlaceSavedRect(CRect(0, 0, 800, 600), {}, placed));
}

TEST(StartupPlan, SavedRectangleComesWhollyOnTheScreenThatHoldsMostOfIt)
{
    const std::vector<CRect> screens = {CRect(0, 0, 1280, 1024), CRect(1280, 0, 2560, 1024)};
    CRect placed;
    // Mostly on the second screen, hanging out below and to the right.
    ASSERT_TRUE(CStartupPlan::PlaceSavedRect(CRect(2000, 500, 3000, 1200), screens, placed));
    EXPECT_EQ(placed, CRect(1560, 324, 2560, 1024));
    // Only its corner on the first screen: all of it comes into view there.
    ASSERT_TRUE(CStartupPlan::PlaceSavedRect(CRect(-700, -500, 100, 100), screens, placed));
    EXPECT_EQ(placed, CRect(0, 0, 800, 600));
    // Larger than the screen: it shrinks to the screen.
    ASSERT_TRUE(CStartupPlan::PlaceSavedRect(CRect(-50, -50, 1400, 1100), screens, placed));
    EXPECT_EQ(placed, CRect(0, 0, 1280, 1024));
}

TEST(StartupPlan, ASavedWindowTooSmallToUseIsNotRestored)
{
    const std::vector<CRect> screens = {CRect(0, 0, 1280, 1024)};
    CRect placed;
    // A window collapsed to its menu bar.
    EXPECT_FALSE(CStartupPlan::PlaceSavedRect(CRect(0, 0, 4, 26), screens, placed));
    EXPECT_FALSE(CStartupPlan::PlaceSavedRect(CRect(0, 0, 1000, CStartupPlan::kMinimumHeight - 1), screens,
                                              placed));
    EXPECT_TRUE(CStartupPlan::PlaceSavedRect(
        CRect(0, 0, CStartupPlan::kMinimumWidth, CStartupPlan::kMinimumHeight), screens, placed));
}
