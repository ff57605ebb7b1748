#include "platform/SystemText.h"

#include <gtest/gtest.h>

#include <cerrno>
#include <clocale>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <unistd.h>

namespace {

// Locales built from the system's sources into a folder of the test's own (LOCPATH), since a
// fresh machine may have none but C installed.
class UserLocale : public ::testing::Test
{
  protected:
    static void SetUpTestSuite()
    {
        folder = std::filesystem::temp_directory_path() / ("zantoby-locales-" + std::to_string(getpid()));
        std::filesystem::create_directories(folder);
        for (const char* made : {"ja_JP UTF-8 ja_JP.UTF-8", "ja_JP EUC-JP ja_JP.EUC-JP", "de_DE UTF-8 de_DE.UTF-8"}) {
            char source[16], charset[16], name[32];
            std::sscanf(made, "%15s %15s %31s", source, charset, name);
            const std::string command = std::string("localedef -i ") + source + " -f " + charset + " '" +
                                        (folder / name).string() + "' >/dev/null 2>&1";
            [[maybe_unused]] const int ignored = std::system(command.c_str());
        }
        setenv("LOCPATH", folder.c_str(), 1);
        unsetenv("LC_ALL");
        unsetenv("LANGUAGE");
    }
    static void TearDownTestSuite()
    {
        unsetenv("LOCPATH");
        unsetenv("LANG");
        std::setlocale(LC_ALL, "C");
        std::filesystem::remove_all(folder);
    }
    // Starts as a user with that LANG would; false when the locale could not be built.
    static bool StartIn(const char* lang)
    {
        setenv("LANG", lang, 1);
        TakeUserLocale();
        const char* messages = std::setlocale(LC_MESSAGES, nullptr);
        return messages != nullptr && std::string(messages) == lang;
    }

    static std::filesystem::path folder;
};

std::filesystem::path UserLocale::folder;

} // namespace

TEST_F(UserLocale, SystemMessagesSpeakTheUsersLanguageInShiftJis)
{
    ASSERT_TRUE(StartIn("ja_JP.UTF-8"));
    EXPECT_EQ(SystemErrorText(ENOENT), "そのようなファイルやディレクトリはありません");
    ASSERT_TRUE(StartIn("ja_JP.EUC-JP"));
    EXPECT_EQ(SystemErrorText(ENOENT), "そのようなファイルやディレクトリはありません");
    ASSERT_TRUE(StartIn("C"));
    EXPECT_EQ(SystemErrorText(ENOENT), "No such file or directory");
}

TEST_F(UserLocale, NumbersKeepTheirOwnForm)
{
    ASSERT_TRUE(StartIn("de_DE.UTF-8"));
    char text[32];
    std::snprintf(text, sizeof text, "%.2f", 1234.5);
    EXPECT_STREQ(text, "1234.50");
    EXPECT_DOUBLE_EQ(std::atof("2.5"), 2.5);
    CString formatted;
    formatted.Format("%.1f", 0.5);
    EXPECT_EQ(formatted, "0.5");
}
