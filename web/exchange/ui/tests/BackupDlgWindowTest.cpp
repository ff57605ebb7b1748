#include "foundation/ui/ButtonEdit.h"
#include "list/tests/support/FileBytes.h"
#include "platform/FileSystem.h"
#include "platform/MessageBox.h"
#include "platform/ui/testing/WxTestEnvironment.h"
#include "web/exchange/testing/ExchangeList.h"
#include "web/exchange/ui/BackupDlg.h"
#include "web/exchange/ui/tests/support/ModalScript.h"

#include <gtest/gtest.h>

#include <wx/checkbox.h>

namespace {

TEST(BackupDlgWindow, ShowsTheListsSettingsRunsTheBackupAndClosesWithOk)
{
    WxTestEnvironment::Ensure();
    ExchangeList list;
    WriteFileBytes(list.ListPath(), "[informations]\n");
    list.doc->backupFolder = list.temp.Path() + "前回";
    list.doc->backupOn = false;
    CString destination = list.temp.Path() + "保存先";

    CBackupDlg dialog(nullptr, *list.doc);
    ModalScript script(dialog,
                       {
                           [&] { return dialog.IsShown(); },
                           [&] {
                               auto* field = dynamic_cast<CButtonEdit*>(dialog.FindWindow(1000));
                               EXPECT_EQ(field->GetPath(), list.doc->backupFolder);
                               EXPECT_TRUE(static_cast<wxCheckBox*>(dialog.FindWindow(1066))->GetValue());
                               EXPECT_FALSE(static_cast<wxCheckBox*>(dialog.FindWindow(1188))->GetValue());
                               field->SetPath(destination);
                               wxCommandEvent click(wxEVT_BUTTON, 1);
                               dialog.GetEventHandler()->AddPendingEvent(click);
                               return true;
                           },
                           [&] {
                               // Shown for a moment before the dialog closes by itself.
                               if (dialog.GetItemText(1034) != "完了しました") {
                                   return false;
                               }
                               WxTestEnvironment::SaveScreenshot(dialog, "BackupDlg");
                               return true;
                           },
                       });
    EXPECT_EQ(dialog.DoModal(), IDOK);
    EXPECT_TRUE(script.Finished());
    EXPECT_TRUE(list.host.HasMessage(20200)) << "a new destination is saved with the list first";
    EXPECT_EQ(list.doc->backupFolder, destination);
    EXPECT_TRUE(FileSystem::Exists(destination + "/商品.zbk"));
}

} // namespace
