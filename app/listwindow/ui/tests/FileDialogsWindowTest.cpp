// The program's file dialogs as a user opens them: the photo dialog showing camera files whose
// extensions are in capitals, the save dialog with its name.
#include "app/listwindow/ui/GridView.h"
#include "app/listwindow/ui/ListDocument.h"
#include "app/listwindow/ui/ListGrid.h"
#include "app/startup/ui/ZantobyApp.h"
#include "app/startup/ui/ZantobyDocManager.h"
#include "app/testing/ui/SampleListStart.h"
#include "grid/ui/testing/GridInput.h"
#include "list/ZantobyDoc.h"
#include "platform/ui/WxText.h"
#include "platform/ui/testing/UserInput.h"

#include <gtest/gtest.h>

#include <gtk/gtk.h>

#include <string>

namespace {

// The file chooser on the screen, or null.
GtkFileChooser* ShownFileChooser()
{
    GtkFileChooser* found = nullptr;
    GList* windows = gtk_window_list_toplevels();
    for (GList* node = windows; node != nullptr; node = node->next) {
        if (GTK_IS_FILE_CHOOSER(node->data) && gtk_widget_get_mapped(GTK_WIDGET(node->data))) {
            found = GTK_FILE_CHOOSER(node->data);
        }
    }
    g_list_free(windows);
    return found;
}

// Whether the chooser's chosen filter shows a file of that name.
bool Shows(GtkFileChooser* chooser, const char* name)
{
    GtkFileFilter* filter = gtk_file_chooser_get_filter(chooser);
    if (filter == nullptr) {
        return true;
    }
    const std::string path = std::string("/photos/") + name;
    GtkFileFilterInfo info{};
    info.contains = static_cast<GtkFileFilterFlags>(GTK_FILE_FILTER_FILENAME | GTK_FILE_FILTER_DISPLAY_NAME);
    info.filename = path.c_str();
    info.display_name = name;
    return gtk_file_filter_filter(filter, &info) != FALSE;
}

} // namespace

TEST(FileDialogsWindowTest, TheInsertPhotoDialogsJpegFilterShowsCameraFilesInCapitals)
{
    CGridView* view = StartWithSampleList(3, 1);
    ASSERT_NE(view, nullptr);
    GridInput::Click(*view->Grid(), 0, 0);
    bool answered = false;
    UserInput::AnswerNextModal([&](wxWindow*) {
        if (GtkFileChooser* chooser = ShownFileChooser()) {
            answered = true;
            EXPECT_TRUE(Shows(chooser, "IMG_0001.JPG"));
            EXPECT_TRUE(Shows(chooser, "photo.jpg"));
            EXPECT_TRUE(Shows(chooser, "Scan.Jpg"));
            EXPECT_FALSE(Shows(chooser, "notes.txt"));
        }
        UserInput::Press(WXK_ESCAPE);
    });
    ASSERT_TRUE(UserInput::ChooseMenu(*dynamic_cast<wxFrame*>(view->GetFrame()),
                                      {"写真(&P)", "1枚ずつ取り込む(&I)..."}));
    ASSERT_TRUE(UserInput::Finish());
    EXPECT_TRUE(answered);
}

TEST(FileDialogsWindowTest, TheSaveDialogOfAnUntitledListCarriesItsName)
{
    CGridView* view = StartWithSampleList(3, 1);
    ASSERT_NE(view, nullptr);
    const CString sample = FromWx(view->GetDocument()->GetFilename());
    ASSERT_TRUE(wxGetApp().OpenDocumentFile("template:" + sample));
    auto* untitled = wxDynamicCast(wxGetApp().GetDocManager()->GetCurrentDocument(), CListDocument);
    ASSERT_NE(untitled, nullptr);
    ASSERT_FALSE(untitled->List().workPath.IsEmpty()) << "a list from a template has no file yet";
    // The parent frame takes the new window's menus at idle time.
    WxTestEnvironment::PumpFor(200);

    std::string title = "(none shown)";
    UserInput::AnswerNextModal([&](wxWindow*) {
        if (GtkFileChooser* chooser = ShownFileChooser()) {
            const char* shown = gtk_window_get_title(GTK_WINDOW(chooser));
            title = shown != nullptr ? shown : "";
        }
        UserInput::Press(WXK_ESCAPE);
    });
    wxFrame& frame = *dynamic_cast<wxFrame*>(untitled->GetFirstView()->GetFrame());
    ASSERT_TRUE(UserInput::ChooseMenu(frame, {"ﾌｧｲﾙ(&F)", "名前を付けて保存(&A)..."}));
    ASSERT_TRUE(UserInput::Finish());
    EXPECT_EQ(title, std::string(ToWx("名前を付けて保存").utf8_str()));

    untitled->Modify(false);
    wxGetApp().GetDocManager()->CloseDocument(untitled, true);
    WxTestEnvironment::PumpFor(200);
}
