// The program's file dialogs as a user opens them, showing camera files whose extensions are in
// capitals.
#include "app/ui/GridView.h"
#include "app/ui/ListGrid.h"
#include "grid/ui/testing/GridInput.h"
#include "list/ZantobyDoc.h"
#include "platform/ui/testing/UserInput.h"
#include "support/SampleListStart.h"

#include <gtest/gtest.h>

#include <gtk/gtk.h>

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
