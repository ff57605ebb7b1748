#include "app/settings/ConfigForm.h"
#include "app/settings/ErrorLogText.h"
#include "app/startup/ZantobyAppCore.h"
#include "foundation/tests/support/ScratchFolder.h"
#include "platform/FileSystem.h"

#include <gtest/gtest.h>

#include <utime.h>

namespace {

class SettingsDialogsTest : public testing::Test
{
  protected:
    SettingsDialogsTest() { app.SetIniFile(""); }

    ScratchFolder scratch;
    CZantobyAppCore app;
};

} // namespace

TEST_F(SettingsDialogsTest, ErrorHistoryListsTheLogsNewestFirstAndClearingEmptiesIt)
{
    const CString folder = CAppBase::GetErrorFolder();
    EXPECT_TRUE(CErrorLogText::Build(folder).IsEmpty());

    ScratchFolder::WriteBytes(folder + "/2024-01-02 10-00-00.err", "file=a.cpp\r\nline=1\r\n古い");
    ScratchFolder::WriteBytes(folder + "/2024-03-04 10-00-00.err", "file=b.cpp\r\nline=2\r\n新しい");
    ScratchFolder::WriteBytes(folder + "/notes.txt", "not a log");
    const std::time_t changed = 1700000000;
    utimbuf times = {changed, changed};
    for (const char* name : {"/2024-01-02 10-00-00.err", "/2024-03-04 10-00-00.err"}) {
        ASSERT_EQ(utime(FileSystem::ToNative(folder + name).c_str(), &times), 0);
    }
    char stamp[32];
    std::tm local = {};
    localtime_r(&changed, &local);
    std::strftime(stamp, sizeof(stamp), "%Y/%m/%d %H:%M:%S", &local);
    const CString heading = CString("◆") + stamp + "\r\n";
    EXPECT_EQ(CErrorLogText::Build(folder), heading + "file=b.cpp\r\nline=2\r\n新しい\r\n\r\n" + heading +
                                                "file=a.cpp\r\nline=1\r\n古い\r\n\r\n");

    CErrorLogText::Clear(app);
    EXPECT_TRUE(CErrorLogText::Build(folder).IsEmpty());
    EXPECT_TRUE(FileSystem::Exists(folder + "/notes.txt")) << "only error logs are deleted";
}

TEST_F(SettingsDialogsTest, SettingsAreClampedAndWrittenOnlyOnSave)
{
    CProfileSettings& settings = app.Settings();
    settings.SetFontSize(200);
    CConfigForm form(settings);
    EXPECT_EQ(form.fontSize, CConfigForm::kMaxFontSize) << "a stored size out of range shows clamped";
    EXPECT_TRUE(form.openLast);
    EXPECT_FALSE(form.backupOnClose);

    form.SetFontPoints(CNumber(20));
    EXPECT_EQ(form.fontSize, 150);
    form.SetFontPoints(CNumber(COleCurrency(95000)));
    EXPECT_EQ(form.fontSize, 95);
    form.SetFontPoints(CNumber(COleCurrency(95999)));
    EXPECT_EQ(form.fontSize, 95) << "the size is cut to one decimal";
    form.backupOnClose = true;
    form.wheelDelta = 12;
    EXPECT_EQ(settings.GetFontSize(), 200) << "nothing is written before the save";

    form.Save();
    EXPECT_EQ(settings.GetFontSize(), 95);
    EXPECT_TRUE(settings.GetAutoBackup());
    EXPECT_EQ(settings.GetWheelDelta(), 9);
}
