#include "app/printing/PrintCommands.h"
#include "app/startup/ZantobyAppCore.h"
#include "foundation/FileUtility.h"
#include "foundation/tests/support/ScratchFolder.h"
#include "platform/ShowCommands.h"

#include <gtest/gtest.h>

#include <cstdlib>

namespace {

class ProfileSettingsTest : public testing::Test
{
  protected:
    ProfileSettingsTest() { app.SetIniFile(""); }

    // Replaces the profile file with these lines (LF ends, as a user's editor may leave them).
    void WriteProfile(const std::string& text) { ScratchFolder::WriteBytes(app.GetIniFile(), text); }
    std::string ReadProfile() const { return ScratchFolder::ReadBytes(app.GetIniFile()); }

    ScratchFolder scratch;
    CZantobyAppCore app;
    CProfileSettings& settings = app.Settings();
};

} // namespace

TEST_F(ProfileSettingsTest, WithoutAProfileFileEverySettingHasItsDefault)
{
    CString documents = GetMyDocumentsFolder();
    ASSERT_FALSE(documents.IsEmpty());

    EXPECT_EQ(settings.GetFontSize(), 90);
    EXPECT_EQ(settings.GetWheelDelta(), 2);
    EXPECT_EQ(settings.GetMainFrameRect(), CRect(0, 0, 800, 600));
    EXPECT_EQ(settings.GetMainFrameShow(), SW_SHOWMAXIMIZED);
    EXPECT_EQ(settings.GetPrintModeSetting(), ID_FILE_PREVIEW_LIST);
    EXPECT_EQ(settings.GetNewEntryFolder(), documents);
    EXPECT_EQ(settings.GetListOpenFolder(), documents);
    EXPECT_EQ(settings.GetPhotoFolder(), documents);
    EXPECT_EQ(settings.GetLastDocument(), "");

    EXPECT_TRUE(settings.GetAutoNavigate());
    EXPECT_TRUE(settings.GetAutoTutorial());
    EXPECT_TRUE(settings.GetAutoOpen());
    EXPECT_TRUE(settings.GetAutoView());
    EXPECT_TRUE(settings.GetAutoInside());
    EXPECT_TRUE(settings.GetAlertMultiDoc());
    EXPECT_FALSE(settings.GetAutoBackup());
    EXPECT_FALSE(settings.GetAutoCheck());
    EXPECT_FALSE(settings.GetViewSubFolder());
}

TEST_F(ProfileSettingsTest, WithoutAProfileFileTheRecordsHaveTheirDefaults)
{
    CString documents = GetMyDocumentsFolder();
    ImportCsvSettings import;
    import.breakChar = '\t';
    import.photoFolder = "x";
    EXPECT_TRUE(settings.LoadImportCsvSettings(import));
    EXPECT_EQ(import.folder, documents);
    EXPECT_EQ(import.mode, 0);
    EXPECT_EQ(import.breakChar, ',');
    EXPECT_EQ(import.passRows, 0);
    EXPECT_EQ(import.pathMode, 2);
    EXPECT_EQ(import.photoFolder, "");

    ExportCsvSettings exportCsv;
    EXPECT_TRUE(settings.LoadExportCsvSettings(exportCsv));
    EXPECT_EQ(exportCsv.folder, documents);
    EXPECT_EQ(exportCsv.source, 0);
    EXPECT_EQ(exportCsv.breakChar, ',');
    EXPECT_EQ(exportCsv.quoteChar, '"');
    EXPECT_TRUE(exportCsv.columnNames);
    EXPECT_FALSE(exportCsv.openAfterwards);

    PhotoOutputSettings output;
    EXPECT_TRUE(settings.LoadPhotoOutputSettings(output));
    EXPECT_EQ(output.folder, documents);
    EXPECT_FALSE(output.sizeOriginal);
    EXPECT_TRUE(output.sizeStandard);
    EXPECT_FALSE(output.sizeThumbnail);
    EXPECT_FALSE(output.sizeFree);
    EXPECT_EQ(output.freeLength, 1280);
    EXPECT_EQ(output.freeBase, 0);
}

TEST_F(ProfileSettingsTest, FolderDefaultFollowsTheUserAtTheTimeOfTheRead)
{
    CString first = settings.GetPhotoFolder();
    setenv("HOME", (scratch / "other").GetString(), 1);
    EXPECT_EQ(settings.GetPhotoFolder(), GetMyDocumentsFolder());
    EXPECT_NE(settings.GetPhotoFolder(), first);
}

TEST_F(ProfileSettingsTest, AnyNonZeroBooleanReadsTrueAndIsWrittenBackAsOne)
{
    WriteProfile("[Auto]\nNavigate=5\nOpen=0\n");
    EXPECT_TRUE(settings.GetAutoNavigate());
    EXPECT_FALSE(settings.GetAutoOpen());
    settings.SetAutoNavigate(settings.GetAutoNavigate());
    EXPECT_EQ(app.GetProfileString("Auto", "Navigate"), "1");
    EXPECT_EQ(app.GetProfileString("Auto", "Open"), "0");
}

TEST_F(ProfileSettingsTest, SavedShowStateComesBackNormalOrMaximised)
{
    for (int show : {1, 4, 5, 7, 8, 9}) {
        settings.SetMainFrameShow(show);
        EXPECT_EQ(settings.GetMainFrameShow(), SW_SHOW) << "saved state " << show;
    }
    for (int show : {0, 2, 3, 6, 10, -1}) {
        settings.SetMainFrameShow(show);
        EXPECT_EQ(settings.GetMainFrameShow(), SW_SHOWMAXIMIZED) << "saved state " << show;
    }
}

TEST_F(ProfileSettingsTest, MainFrameRectangleIsStoredAsFourKeys)
{
    settings.SetMainFrameRect(-1200, 10, -200, 710);
    EXPECT_EQ(settings.GetMainFrameRect(), CRect(-1200, 10, -200, 710));
    EXPECT_EQ(app.GetProfileInt("MainFrame", "Left", 0), -1200);
    EXPECT_EQ(app.GetProfileInt("MainFrame", "Bottom", 0), 710);
}

TEST_F(ProfileSettingsTest, PrintModeIsStoredByNameAndReadExactly)
{
    const std::pair<const char*, int> modes[] = {
        {"list", ID_FILE_PRINT_LIST},
        {"page", ID_FILE_PRINT_SHEET},
        {"previewlist", ID_FILE_PREVIEW_LIST},
        {"previewpage", ID_FILE_PREVIEW_SHEET},
    };
    for (const auto& [name, command] : modes) {
        settings.SetPrintModeSetting(command);
        EXPECT_EQ(app.GetProfileString("Print", "Mode"), name);
        EXPECT_EQ(settings.GetPrintModeSetting(), command) << name;
    }
    for (const char* other : {"List", "PAGE", "preview", ""}) {
        app.WriteProfileString("Print", "Mode", other);
        EXPECT_EQ(settings.GetPrintModeSetting(), ID_FILE_PREVIEW_LIST) << other;
    }
    settings.SetPrintModeSetting(33064);
    EXPECT_EQ(app.GetProfileString("Print", "Mode"), "previewlist");
}

TEST_F(ProfileSettingsTest, ListFolderSectionsStayApartFromThePhotoFolder)
{
    settings.SetNewEntryFolder("/a/新規");
    settings.SetListOpenFolder("/b/開く");
    settings.SetPhotoFolder("/c/写真");
    EXPECT_EQ(settings.GetNewEntryFolder(), "/a/新規");
    EXPECT_EQ(settings.GetListOpenFolder(), "/b/開く");
    EXPECT_EQ(settings.GetPhotoFolder(), "/c/写真");
    EXPECT_EQ(app.GetProfileString("NewEntry", "Folder"), "/a/新規");
    EXPECT_EQ(app.GetProfileString("ListOpen", "Folder"), "/b/開く");
    EXPECT_EQ(app.GetProfileString("Folder", "Photo"), "/c/写真");
    EXPECT_EQ(app.GetProfileString("Folder", "Folder", "none"), "none");
}

TEST_F(ProfileSettingsTest, SingleSettingsKeepWhatWasWritten)
{
    settings.SetFontSize(120);
    settings.SetWheelDelta(5);
    settings.SetViewSubFolder(true);
    settings.SetAutoOpen(false);
    settings.SetAutoView(false);
    settings.SetAutoBackup(true);
    settings.SetAutoCheck(true);
    settings.SetAutoInside(false);
    settings.SetAlertMultiDoc(false);
    settings.SetLastDocument("/home/u/ﾘｽﾄ/商品.zbk");
    EXPECT_EQ(settings.GetFontSize(), 120);
    EXPECT_EQ(settings.GetWheelDelta(), 5);
    EXPECT_TRUE(settings.GetViewSubFolder());
    EXPECT_FALSE(settings.GetAutoOpen());
    EXPECT_FALSE(settings.GetAutoView());
    EXPECT_TRUE(settings.GetAutoBackup());
    EXPECT_TRUE(settings.GetAutoCheck());
    EXPECT_FALSE(settings.GetAutoInside());
    EXPECT_FALSE(settings.GetAlertMultiDoc());
    EXPECT_EQ(settings.GetLastDocument(), "/home/u/ﾘｽﾄ/商品.zbk");
    // The tutorial viewer writes this key; the program only reads it.
    app.WriteProfileBool("Auto", "Tutorial", false);
    EXPECT_FALSE(settings.GetAutoTutorial());
}

TEST_F(ProfileSettingsTest, RecordsSurviveARoundTrip)
{
    ImportCsvSettings import{"/in", 1, '\t', 3, 1, "/写真"};
    ASSERT_TRUE(settings.SaveImportCsvSettings(import));
    ImportCsvSettings importRead;
    settings.LoadImportCsvSettings(importRead);
    EXPECT_EQ(importRead.folder, "/in");
    EXPECT_EQ(importRead.mode, 1);
    EXPECT_EQ(importRead.breakChar, '\t');
    EXPECT_EQ(importRead.passRows, 3);
    EXPECT_EQ(importRead.pathMode, 1);
    EXPECT_EQ(importRead.photoFolder, "/写真");
    EXPECT_EQ(app.GetProfileString("ImportCsv", "BreakChar"), "9");

    // A quote character of 0 means no quotes and must not turn into the default.
    ExportCsvSettings exportCsv{"/out", 1, ';', '\0', false, true};
    ASSERT_TRUE(settings.SaveExportCsvSettings(exportCsv));
    ExportCsvSettings exportRead;
    settings.LoadExportCsvSettings(exportRead);
    EXPECT_EQ(exportRead.folder, "/out");
    EXPECT_EQ(exportRead.source, 1);
    EXPECT_EQ(exportRead.breakChar, ';');
    EXPECT_EQ(exportRead.quoteChar, '\0');
    EXPECT_FALSE(exportRead.columnNames);
    EXPECT_TRUE(exportRead.openAfterwards);

    PhotoOutputSettings output{"/photos", true, false, true, true, 640, 1};
    ASSERT_TRUE(settings.SavePhotoOutputSettings(output));
    PhotoOutputSettings outputRead;
    settings.LoadPhotoOutputSettings(outputRead);
    EXPECT_EQ(outputRead.folder, "/photos");
    EXPECT_TRUE(outputRead.sizeOriginal);
    EXPECT_FALSE(outputRead.sizeStandard);
    EXPECT_TRUE(outputRead.sizeThumbnail);
    EXPECT_TRUE(outputRead.sizeFree);
    EXPECT_EQ(outputRead.freeLength, 640);
    EXPECT_EQ(outputRead.freeBase, 1);
}

TEST_F(ProfileSettingsTest, CharacterCodeThatIsNoByteOrNoDelimiterFallsBackToTheDefault)
{
    WriteProfile("[ExportCsv]\nBreakChar=300\nQuotChar=-5\n[ImportCsv]\nBreakChar=abc\n");
    ExportCsvSettings exportCsv;
    settings.LoadExportCsvSettings(exportCsv);
    EXPECT_EQ(exportCsv.breakChar, ',');
    EXPECT_EQ(exportCsv.quoteChar, '"');
    // Text that is no number reads as 0, which is no delimiter.
    ImportCsvSettings import;
    settings.LoadImportCsvSettings(import);
    EXPECT_EQ(import.breakChar, ',');
}
