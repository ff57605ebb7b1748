#include "foundation/tests/support/ScratchFolder.h"
#include "list/tests/support/FileBytes.h"
#include "platform/MessageBox.h"
#include "platform/ui/WxText.h"
#include "platform/ui/testing/FileChooserInput.h"
#include "platform/ui/testing/WxTestEnvironment.h"
#include "web/exchange/testing/ExchangeList.h"
#include "web/exchange/ui/ExportCsvDlg.h"
#include "web/exchange/ui/ImportCsvDlg.h"
#include "web/exchange/ui/ImportCsvOptions.h"
#include "web/exchange/ui/tests/support/FakeCsvProfile.h"
#include "web/exchange/ui/tests/support/ModalScript.h"

#include <gtest/gtest.h>

#include <cstdlib>

#include <wx/frame.h>
#include <wx/radiobut.h>

namespace {

class CsvDialogs : public ::testing::Test, public ExchangeList
{
  protected:
    CsvDialogs()
    {
        // The file chooser keeps its own settings; they stay in memory rather than the user's.
        setenv("GSETTINGS_BACKEND", "memory", 1);
        WxTestEnvironment::Ensure();
    }

    // wx does not learn where the desktop's own file dialog lies, so it is put at a known place
    // and that area is taken through a window that is never shown.
    static void Photograph(wxDialog& dialog, const char* name)
    {
        const wxRect area(0, 0, 900, 860);
        dialog.SetSize(area);
        wxFrame stand(nullptr, wxID_ANY, wxEmptyString, area.GetPosition(), area.GetSize());
        WxTestEnvironment::SaveScreenshot(stand, name);
    }

    static void Click(wxWindow* panel, int id)
    {
        auto* button = static_cast<wxRadioButton*>(panel->FindWindow(id));
        button->SetValue(true);
    }

    ScratchFolder scratch;
    FakeCsvProfile profile;
};

TEST_F(CsvDialogs, ExportPaneShowsTheSettingsAndTheFileIsWrittenWithTheChoices)
{
    AddRow({"ねじ", "大"});
    ExportCsvSettings stored;
    stored.folder = scratch.Path();
    stored.breakChar = ';';
    profile.SaveExportCsvSettings(stored);

    CExportCsvDlg dialog(nullptr);
    dialog.SetFilename(ToWx("出力.csv"));
    ModalScript script(dialog,
                       {
                           [&] { return dialog.GetExtraControl() != nullptr && dialog.IsShown(); },
                           [&] {
                               wxWindow* pane = dialog.GetExtraControl();
                               EXPECT_TRUE(static_cast<wxRadioButton*>(pane->FindWindow(1179))->GetValue());
                               Click(pane, 1183);
                               return true;
                           },
                           [&] {
                               Photograph(dialog, "ExportCsvDlg");
                               dialog.EndModal(wxID_OK);
                               return true;
                           },
                       });
    EXPECT_EQ(dialog.RunExport(*doc, profile), IDOK);
    ASSERT_TRUE(script.Finished());

    EXPECT_EQ(ReadFileBytes(scratch.Path() + "/出力.csv"), "\"項目1\";\"項目2\";\"項目3\"\r\nねじ;大;\r\n");
    EXPECT_TRUE(host.HasMessage(10200));
    ExportCsvSettings saved;
    profile.LoadExportCsvSettings(saved);
    EXPECT_EQ(saved.quoteChar, '\0');
    EXPECT_EQ(saved.folder, scratch.Path());
}

TEST_F(CsvDialogs, ImportPanePreviewsTheSelectedFileAndTheFileIsReadWithTheChoices)
{
    CString csv = scratch.Path() + "/入力.csv";
    WriteFileBytes(csv, "見出し\r\nりんご\tあか\r\nみかん\tきいろ\r\n");
    ImportCsvSettings stored;
    stored.folder = scratch.Path();
    stored.passRows = 1;
    profile.SaveImportCsvSettings(stored);

    CImportCsvDlg dialog(nullptr);
    CImportCsvOptions* pane = nullptr;
    int waited = 0;
    ModalScript script(dialog, {
                                   [&] {
                                       pane = dynamic_cast<CImportCsvOptions*>(dialog.GetExtraControl());
                                       return pane != nullptr && dialog.IsShown() &&
                                              FileChooserInput::ClickFile(dialog, "入力.csv");
                                   },
                                   // A click given while the chooser was still being placed
                                   // misses; a user clicks again.
                                   [&] {
                                       if (++waited % 20 == 0) {
                                           FileChooserInput::ClickFile(dialog, "入力.csv");
                                       }
                                       return !pane->GetPreviewText().IsEmpty();
                                   },
                                   [&] {
                                       EXPECT_EQ(pane->GetPreviewText(),
                                                 "見出し\nりんご\tあか\nみかん\tきいろ\n");
                                       Click(pane, 1178);
                                       Photograph(dialog, "ImportCsvDlg");
                                       dialog.EndModal(wxID_OK);
                                       return true;
                                   },
                               });
    EXPECT_EQ(dialog.RunImport(*doc, profile), IDOK);
    ASSERT_TRUE(script.Finished());

    EXPECT_EQ(doc->GetCellTextAt(0, 1, kOutputFile), "みかん");
    EXPECT_EQ(doc->GetCellTextAt(1, 1, kOutputFile), "きいろ");
    ImportCsvSettings saved;
    profile.LoadImportCsvSettings(saved);
    EXPECT_EQ(saved.breakChar, '\t');
    EXPECT_EQ(saved.folder, scratch.Path());
}

} // namespace
