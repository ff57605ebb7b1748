#include "foundation/ProfileFile.h"
#include "foundation/AppBase.h"
#include "support/ScratchFolder.h"

#include <gtest/gtest.h>

#include <sys/wait.h>
#include <unistd.h>

TEST(ProfileFile, ValuesWrittenByOneInstanceAreReadByAnother)
{
    ScratchFolder scratch;
    CProfileFile writer(scratch / "settings/Zantoby.ini");
    ASSERT_TRUE(writer.WriteProfileString("Folder", "Photo", "/home/写真"));
    ASSERT_TRUE(writer.WriteProfileInt("Font", "Size", 90));
    ASSERT_TRUE(writer.WriteProfileInt("MainFrame", "Left", -8));

    CProfileFile reader(scratch / "settings/Zantoby.ini");
    EXPECT_EQ(reader.GetProfileString("Folder", "Photo"), "/home/写真");
    EXPECT_EQ(reader.GetProfileInt("Font", "Size", 0), 90);
    EXPECT_EQ(reader.GetProfileInt("MainFrame", "Left", 0), -8);
    EXPECT_EQ(ScratchFolder::ReadBytes(scratch / "settings/Zantoby.ini"),
              std::string(
                  "[Folder]\r\nPhoto=/home/写真\r\n\r\n[Font]\r\nSize=90\r\n\r\n[MainFrame]\r\nLeft=-8\r\n"));
}

TEST(ProfileFile, FollowsTheWindowsReadingRules)
{
    ScratchFolder scratch;
    ScratchFolder::WriteBytes(scratch / "a.ini",
                              "; comment=1\r\n[ auto ]\r\n  NAVIGATE =  5  \r\nQuoted=\"  a b \"\r\n"
                              "Single='x'\r\nOdd=\"x'\r\nWord=abc\r\nLead=12ab\r\nEmpty=\r\n");
    CProfileFile profile(scratch / "a.ini");
    EXPECT_EQ(profile.GetProfileInt("Auto", "Navigate", 0), 5) << "names ignore case and blanks";
    EXPECT_TRUE(profile.GetProfileBool("AUTO", "navigate", false));
    EXPECT_EQ(profile.GetProfileString("Auto", "Quoted"), "  a b ")
        << "quotes are stripped, not the blanks inside";
    EXPECT_EQ(profile.GetProfileString("Auto", "Single"), "x");
    EXPECT_EQ(profile.GetProfileString("Auto", "Odd"), "\"x'");
    EXPECT_EQ(profile.GetProfileInt("Auto", "Word", 7), 0) << "not a number reads as 0";
    EXPECT_EQ(profile.GetProfileInt("Auto", "Lead", 7), 12);
    EXPECT_EQ(profile.GetProfileInt("Auto", "Empty", 7), 7) << "an empty value gives the default";
    EXPECT_EQ(profile.GetProfileString("Auto", "Empty", "d"), "");
    EXPECT_EQ(profile.GetProfileString("Auto", "Missing", "d"), "d");
    EXPECT_EQ(profile.GetProfileString("None", "Navigate", "d"), "d");
    EXPECT_EQ(profile.GetProfileInt("Auto", "; comment", 3), 3) << "comment lines hold no keys";
    EXPECT_EQ(CProfileFile(scratch / "missing.ini").GetProfileInt("Auto", "Navigate", 1), 1);
}

// A key is looked for in the first section of the name only, up to the next header of any name,
// and a key line before the section or the first one of the section's duplicates wins.
TEST(ProfileFile, KeysAreReadFromTheFirstSectionOfTheirName)
{
    ScratchFolder scratch;
    ScratchFolder::WriteBytes(scratch / "a.ini",
                              "Size=1\r\n[Other]\r\nSize=2\r\n[Font]\r\nName=a\r\nSize=3\r\nsize=4\r\n"
                              "[Next]\r\nLater=5\r\n[font]\r\nLater=6\r\nSize=7\r\n");
    const struct
    {
        const char* section;
        const char* key;
        int value; // 0 when the key is not found there
    } reads[] = {{"Font", "Size", 3}, {"Font", "Later", 0}, {"Next", "Later", 5}, {"Other", "Name", 0}};
    for (const auto& read : reads) {
        EXPECT_EQ(CProfileFile(scratch / "a.ini").GetProfileInt(read.section, read.key, 0), read.value)
            << read.section << " " << read.key;
    }
}

TEST(ProfileFile, WritesKeepTheRestOfTheFile)
{
    ScratchFolder scratch;
    ScratchFolder::WriteBytes(scratch / "a.ini",
                              "; settings\r\n[Auto]\r\nNavigate=1\r\n\r\n[Recent File List]\r\n"
                              "File1=/a.zbk\r\n");
    CProfileFile profile(scratch / "a.ini");
    ASSERT_TRUE(profile.WriteProfileInt("auto", "navigate", 0));
    ASSERT_TRUE(profile.WriteProfileInt("Auto", "Open", 1));
    EXPECT_EQ(ScratchFolder::ReadBytes(scratch / "a.ini"),
              "; settings\r\n[Auto]\r\nNavigate=0\r\nOpen=1\r\n\r\n[Recent File List]\r\nFile1=/a.zbk\r\n")
        << "the key keeps its spelling and a new key joins the end of its section";

    ASSERT_TRUE(profile.WriteProfileString("Auto", "Navigate", nullptr));
    EXPECT_EQ(profile.GetProfileInt("Auto", "Navigate", 9), 9);
    ASSERT_TRUE(profile.WriteProfileString("Recent File List", nullptr, nullptr));
    EXPECT_EQ(profile.GetProfileString("Recent File List", "File1", "gone"), "gone");
    EXPECT_EQ(profile.GetProfileInt("Auto", "Open", 0), 1);
}

TEST(ProfileFile, TypedValues)
{
    ScratchFolder scratch;
    CProfileFile profile(scratch / "a.ini");
    ASSERT_TRUE(profile.WriteProfileBool("Auto", "View", true));
    ASSERT_TRUE(profile.WriteProfileBool("Auto", "Check", false));
    EXPECT_EQ(profile.GetProfileString("Auto", "View"), "1");
    EXPECT_EQ(profile.GetProfileString("Auto", "Check"), "0");
    EXPECT_TRUE(profile.GetProfileBool("Auto", "View", false));
    EXPECT_FALSE(profile.GetProfileBool("Auto", "Check", true));
    EXPECT_TRUE(profile.GetProfileBool("Auto", "Missing", true));

    ASSERT_TRUE(profile.WriteProfileDouble("Photo", "Ratio", 1.5));
    EXPECT_EQ(profile.GetProfileString("Photo", "Ratio"), "1.500000");
    EXPECT_DOUBLE_EQ(profile.GetProfileDouble("Photo", "Ratio", 0), 1.5);
    ASSERT_TRUE(profile.WriteProfileString("Photo", "Text", "2.25abc"));
    EXPECT_DOUBLE_EQ(profile.GetProfileDouble("Photo", "Text", 0), 2.25);
    ASSERT_TRUE(profile.WriteProfileString("Photo", "Word", "abc"));
    EXPECT_DOUBLE_EQ(profile.GetProfileDouble("Photo", "Word", 4), 0);
    EXPECT_DOUBLE_EQ(profile.GetProfileDouble("Photo", "Missing", 4), 4);
}

TEST(ProfileFile, DatesAreWrittenAsTextAndParsedBack)
{
    ScratchFolder scratch;
    CProfileFile profile(scratch / "a.ini");
    CDateEx date;
    date.SetDateTime(2008, 3, 4, 14, 7, 9);
    ASSERT_TRUE(profile.WriteProfileDate("Check", "Last", date));
    EXPECT_EQ(profile.GetProfileString("Check", "Last"), "2008/03/04 14:07:09");
    CDateEx back = profile.GetProfileDate("Check", "Last");
    ASSERT_TRUE(back.IsValid());
    EXPECT_EQ(back.FormatDate("YYYY/MM/DD HH:NN:SS"), "2008/03/04 14:07:09");

    EXPECT_EQ(profile.GetProfileDate("Check", "Missing").GetStatus(), COleDateTime::null);
    ASSERT_TRUE(profile.WriteProfileString("Check", "Bad", "not a date"));
    CDateEx bad = profile.GetProfileDate("Check", "Bad");
    EXPECT_EQ(bad.GetStatus(), COleDateTime::invalid);
    ASSERT_TRUE(profile.WriteProfileDate("Check", "Bad", bad));
    EXPECT_EQ(profile.GetProfileString("Check", "Bad", "x"), "") << "an invalid date is stored empty";
    EXPECT_EQ(profile.GetProfileDate("Check", "Bad").GetStatus(), COleDateTime::null);
}

TEST(ProfileFile, AppBaseKeepsItsProfileInTheConfigFolder)
{
    ScratchFolder scratch;
    CAppBase app("Zantoby");
    app.SetIniFile("");
    EXPECT_EQ(app.GetIniFile(), scratch / "config/zantoby/Zantoby.ini");
    ASSERT_TRUE(app.WriteProfileBool("Auto", "Tutorial", false));
    EXPECT_FALSE(CProfileFile(app.GetIniFile()).GetProfileBool("Auto", "Tutorial", true));
    app.SetIniFile(scratch / "other.ini");
    EXPECT_EQ(app.GetIniFile(), scratch / "other.ini");
}

TEST(ProfileFile, TwoProgramsWritingAtOnceLoseNothing)
{
    ScratchFolder scratch;
    CString path = scratch / "shared/Zantoby.ini";
    std::vector<pid_t> children;
    for (int program = 0; program < 4; ++program) {
        pid_t child = fork();
        if (child == 0) {
            CProfileFile profile(path);
            bool ok = true;
            for (int i = 0; i < 10; ++i) {
                CString key;
                key.Format("P%dK%d", program, i);
                ok = profile.WriteProfileInt("Shared", key, i) && ok;
            }
            _exit(ok ? 0 : 1);
        }
        children.push_back(child);
    }
    for (pid_t child : children) {
        int status = 0;
        waitpid(child, &status, 0);
        EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0);
    }
    CProfileFile profile(path);
    for (int program = 0; program < 4; ++program) {
        for (int i = 0; i < 10; ++i) {
            CString key;
            key.Format("P%dK%d", program, i);
            EXPECT_EQ(profile.GetProfileInt("Shared", key, -1), i) << key.GetString();
        }
    }
}
