#include "app/startup/SampleCopy.h"
#include "foundation/tests/support/ScratchFolder.h"
#include "platform/FileSystem.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>

namespace {

namespace fs = std::filesystem;

class SampleCopyTest : public testing::Test
{
  protected:
    SampleCopyTest()
    {
        ScratchFolder::WriteBytes(program + "/Info.txt", "samples\r\n");
        ScratchFolder::WriteBytes(program + "/sample.zbk", "ver=210800\r\n");
        ScratchFolder::WriteBytes(program + "/photo/org/0000.jpg", "jpeg");
    }

    CString Prepare(const char* version) const { return CSampleCopy(program, copy, version).Prepare(); }
    std::string InCopy(const char* name) const { return ScratchFolder::ReadBytes(copy + "/" + name); }

    ScratchFolder scratch;
    const CString program = scratch / "usr/share/zantoby/Sample";
    const CString copy = scratch / "data/zantoby/Sample";
};

} // namespace

TEST_F(SampleCopyTest, TheUsersCopyLivesInTheUsersDataFolder)
{
    EXPECT_EQ(CSampleCopy::GetUserFolder(), scratch / "data/zantoby/Sample");
    unsetenv("XDG_DATA_HOME");
    EXPECT_EQ(CSampleCopy::GetUserFolder(), scratch / "home/.local/share/zantoby/Sample");
}

TEST_F(SampleCopyTest, TheFirstUseCopiesTheSamplesAndLaterUsesKeepTheUsersChanges)
{
    ASSERT_EQ(Prepare("2.108.0"), copy);
    EXPECT_EQ(InCopy("sample.zbk"), "ver=210800\r\n");
    EXPECT_EQ(InCopy("photo/org/0000.jpg"), "jpeg");
    EXPECT_EQ(InCopy(CSampleCopy::kVersionFile), "2.108.0");

    ScratchFolder::WriteBytes(copy + "/sample.zbk", "edited");
    ScratchFolder::WriteBytes(copy + "/Web/index.htm", "made");
    EXPECT_EQ(Prepare("2.108.0"), copy);
    EXPECT_EQ(InCopy("sample.zbk"), "edited");
    EXPECT_EQ(InCopy("Web/index.htm"), "made");
}

TEST_F(SampleCopyTest, AProgramOfAnotherVersionStartsTheSamplesAfresh)
{
    ASSERT_EQ(Prepare("2.108.0"), copy);
    ScratchFolder::WriteBytes(copy + "/sample.zbk", "edited");
    ScratchFolder::WriteBytes(copy + "/Web/index.htm", "made");
    ScratchFolder::WriteBytes(program + "/sample.zbk", "ver=210900\r\n");

    ASSERT_EQ(Prepare("2.109.0"), copy);
    EXPECT_EQ(InCopy("sample.zbk"), "ver=210900\r\n");
    EXPECT_FALSE(FileSystem::Exists(copy + "/Web")) << "what the old samples made goes with them";
    EXPECT_EQ(InCopy(CSampleCopy::kVersionFile), "2.109.0");
    // An older program, too, works on samples of its own.
    ASSERT_EQ(Prepare("2.108.0"), copy);
    EXPECT_EQ(InCopy(CSampleCopy::kVersionFile), "2.108.0");
    // Nothing of the making is left beside the copy.
    int entries = 0;
    for ([[maybe_unused]] const auto& entry :
         fs::directory_iterator(FileSystem::ToNative(scratch / "data/zantoby"))) {
        ++entries;
    }
    EXPECT_EQ(entries, 1);
}

TEST_F(SampleCopyTest, ACopyCutShortIsMadeAgain)
{
    // A copy without its version file was stopped before it was whole.
    ScratchFolder::WriteBytes(copy + "/Info.txt", "samp");
    ASSERT_EQ(Prepare("2.108.0"), copy);
    EXPECT_EQ(InCopy("Info.txt"), "samples\r\n");
    EXPECT_EQ(InCopy("sample.zbk"), "ver=210800\r\n");
}

TEST_F(SampleCopyTest, InstalledFilesThatCannotBeWrittenBecomeTheUsersToChange)
{
    const fs::path list = FileSystem::ToNative(program + "/sample.zbk");
    const fs::path photos = FileSystem::ToNative(program + "/photo/org");
    fs::permissions(list, fs::perms::owner_read | fs::perms::group_read | fs::perms::others_read);
    fs::permissions(photos, fs::perms::owner_read | fs::perms::owner_exec);
    ASSERT_EQ(Prepare("2.108.0"), copy);
    for (const char* name : {"sample.zbk", "photo/org"}) {
        EXPECT_NE(fs::status(FileSystem::ToNative(copy + "/" + name)).permissions() & fs::perms::owner_write,
                  fs::perms::none)
            << name;
    }
    fs::permissions(photos, fs::perms::owner_all);
}

TEST_F(SampleCopyTest, WithoutAPlaceForACopyTheProgramsOwnSamplesAreShown)
{
    // The data folder is a file: nothing can be made inside it.
    ScratchFolder::WriteBytes(scratch / "data", "");
    EXPECT_EQ(Prepare("2.108.0"), program);
    EXPECT_EQ(CSampleCopy(scratch / "missing", copy, "2.108.0").Prepare(), scratch / "missing");
}
