// The program as a user runs it from start to end: a new list built by the automatic photo
// organiser, the photo editor opened from a list, and quitting while it holds changes.
#include "app/frame/ui/MainFrame.h"
#include "app/listwindow/ui/GridView.h"
#include "app/listwindow/ui/ListDocument.h"
#include "app/listwindow/ui/ListGrid.h"
#include "app/listwindow/ui/PhotoView.h"
#include "app/startup/ui/NavigateDlg.h"
#include "app/startup/ui/ZantobyApp.h"
#include "app/startup/ui/ZantobyDocManager.h"
#include "app/testing/ui/EditorWindows.h"
#include "app/testing/ui/SampleListStart.h"
#include "foundation/tests/support/ScratchFolder.h"
#include "grid/ui/testing/GridInput.h"
#include "list/ZantobyDoc.h"
#include "list/tests/support/TestPhotos.h"
#include "photo/batch/ui/AutoPhotoDlg.h"
#include "photo/ui/EditPhotoDoc.h"
#include "photo/ui/EditPhotoView.h"
#include "photo/ui/EditPhotoWindow.h"
#include "platform/FileSystem.h"
#include "platform/ui/WxText.h"
#include "platform/ui/testing/ShownBoxTexts.h"
#include "platform/ui/testing/UserInput.h"
#include "platform/ui/testing/WxTestEnvironment.h"

#include <gtest/gtest.h>

#include <gtk/gtk.h>
#include <wx/mdi.h>
#include <wx/notebook.h>

#include <functional>
#include <string>

namespace {

CListDocument* ListNamed(const char* title)
{
    for (wxDocument* doc : wxGetApp().GetDocManager()->GetDocumentsVector()) {
        auto* list = dynamic_cast<CListDocument*>(doc);
        if (list != nullptr && list->List().title.Find(title) == 0) {
            return list;
        }
    }
    return nullptr;
}

// The middle of a window's client area.
wxPoint Middle(wxWindow& window)
{
    const wxSize size = window.GetClientSize();
    return wxPoint(size.x / 2, size.y / 2);
}

// A point inside the notebook's tab of that page.
wxPoint TabPoint(wxNotebook& tabs, int page)
{
    const wxSize size = tabs.GetClientSize();
    for (int y = 2; y < size.y; y += 4) {
        for (int x = 2; x < size.x; x += 4) {
            if (tabs.HitTest(wxPoint(x, y)) == page) {
                return wxPoint(x + 6, y + 4);
            }
        }
    }
    ADD_FAILURE() << "no tab " << page;
    return wxPoint();
}

// The labels of the list and editor windows' tabs that show.
std::vector<CString> ShownTabs()
{
    GtkNotebook* book = GTK_NOTEBOOK(wxGetApp().GetMainFrame()->GetClientWindow()->GetHandle());
    std::vector<CString> labels;
    for (int page = 0; page < gtk_notebook_get_n_pages(book); ++page) {
        GtkWidget* child = gtk_notebook_get_nth_page(book, page);
        if (gtk_widget_get_visible(child)) {
            labels.push_back(FromWx(wxString::FromUTF8(gtk_notebook_get_tab_label_text(book, child))));
        }
    }
    return labels;
}

// Lets the program run as its own main loop runs it, without the idle passes that the waits of
// wx add to each turn; true once done() holds.
bool RunAsMainLoopUntil(const std::function<bool()>& done, int timeoutMs = 2000)
{
    const gint64 end = g_get_monotonic_time() + gint64{timeoutMs} * 1000;
    while (!done() && g_get_monotonic_time() < end) {
        if (!g_main_context_iteration(nullptr, FALSE)) {
            g_usleep(5000);
        }
    }
    return done();
}

// Answers the next message box with the key of one of its buttons.
void AnswerNextBox(int key, int modifiers, int& answered)
{
    UserInput::AnswerNextModal([key, modifiers, &answered](wxWindow* box) {
        EXPECT_EQ(box, nullptr) << "a message box";
        ++answered;
        UserInput::Press(key, modifiers);
    });
}

// Brings a list window to the front as a user does, by a click on its tab among the list
// windows.
void ClickWindowTab(wxFrame& child)
{
    wxWindow* client = wxGetApp().GetMainFrame()->GetClientWindow();
    GtkNotebook* book = GTK_NOTEBOOK(client->GetHandle());
    GtkWidget* tab = gtk_notebook_get_tab_label(book, child.GetHandle());
    ASSERT_NE(tab, nullptr);
    int x = 0;
    int y = 0;
    gtk_widget_translate_coordinates(tab, GTK_WIDGET(book), gtk_widget_get_allocated_width(tab) / 2,
                                     gtk_widget_get_allocated_height(tab) / 2, &x, &y);
    UserInput::Click(*client, wxPoint(x, y));
    EXPECT_TRUE(WxTestEnvironment::PumpUntil([&] {
        return gtk_notebook_get_current_page(book) == gtk_notebook_page_num(book, child.GetHandle());
    }));
}

// Opens the photo editor on the first photo of a list, by the grid's context menu; returns the
// photo's slot and the editor's window.
int OpenFirstPhoto(CGridView& view, wxFrame*& editorFrame)
{
    CZantobyDoc& list = *view.ListDoc();
    const int photoLine = FirstLineWithPhoto(list);
    EXPECT_GE(photoLine, 0);
    const int slot = list.GetRow(list.displayOrder[photoLine]).photos[0];
    UserInput::ChooseInNextPopup({"写真を編集"});
    GridInput::RightClick(*view.Grid(), list.columnCount, photoLine);
    EXPECT_TRUE(UserInput::Finish());
    EXPECT_TRUE(WxTestEnvironment::PumpUntil([] { return OpenEditorDocument() != nullptr; }));
    WxTestEnvironment::PumpFor(300);
    editorFrame = dynamic_cast<wxFrame*>(OpenEditorDocument()->GetEditView()->GetFrame());
    return slot;
}

// Opens the photo editor on the first photo of a list and flips the photo there; returns the
// photo's drawing file.
CString EditFirstPhoto(CGridView& view)
{
    wxFrame* frame = nullptr;
    const int slot = OpenFirstPhoto(view, frame);
    EXPECT_TRUE(UserInput::ChooseMenu(*frame, {"図形(&D)", "左右反転(&V)"}));
    EXPECT_TRUE(OpenEditorDocument()->IsModified());
    return view.ListDoc()->GetDrawingPath(slot);
}

std::string BytesOf(const CString& path)
{
    return FileSystem::Exists(path) ? ScratchFolder::ReadBytes(path) : std::string();
}

// Answers the next OK and Cancel box with Return, which takes its default button, OK.
void ConfirmNextBox(int& answered)
{
    UserInput::AnswerNextModal([&answered](wxWindow* box) {
        EXPECT_EQ(box, nullptr) << "a message box";
        ++answered;
        UserInput::Press(WXK_RETURN);
    });
}

} // namespace

TEST(ProgramLifecycleWindowTest, TheOrganiserBuildsItsListFromAFolderOfPhotos)
{
    CGridView* sample = StartWithSampleList(4, 2);
    ASSERT_NE(sample, nullptr);
    static ScratchFolder scratch;
    const CString folder = scratch / "photos";
    ASSERT_TRUE(FileSystem::CreateFolder(folder));
    ASSERT_TRUE(FileSystem::CreateFolder(folder + "/sub"));
    for (const char* name : {"/a.jpg", "/b.jpg", "/c.jpg", "/sub/d.jpg"}) {
        ASSERT_TRUE(TestPhotos::WriteJpeg(folder + name, 64, 48));
    }

    // The start navigator, on its organiser tab, runs the organiser with a double click.
    UserInput::AnswerNextModal([](wxWindow* dialog) {
        auto* navigator = dynamic_cast<CNavigateDlg*>(dialog);
        ASSERT_NE(navigator, nullptr);
        wxNotebook* tabs = nullptr;
        for (wxWindow* child : navigator->GetChildren()) {
            tabs = tabs != nullptr ? tabs : dynamic_cast<wxNotebook*>(child);
        }
        ASSERT_NE(tabs, nullptr);
        UserInput::Click(*tabs, TabPoint(*tabs, 0));
        UserInput::DoubleClick(*navigator->FindWindow(CNavigateDlg::kFirstFrameId),
                               Middle(*navigator->FindWindow(CNavigateDlg::kFirstFrameId)));
    });
    // The folder is typed in, two photos a row, and the build started.
    UserInput::AnswerNextModal([folder](wxWindow* dialog) {
        ASSERT_NE(dynamic_cast<CAutoPhotoDlg*>(dialog), nullptr);
        // The list it will build has no window yet, nor a tab named by its pseudo path.
        EXPECT_EQ(ShownTabs().size(), 1u);
        wxWindow* field = dialog->FindWindow(1000);
        UserInput::Click(*field, wxPoint(10, field->GetClientSize().y / 2));
        UserInput::Type(folder.GetString());
        wxWindow* perRow = dialog->FindWindow(1203);
        UserInput::Click(*perRow, wxPoint(10, perRow->GetClientSize().y / 2));
        UserInput::Press(WXK_END);
        UserInput::Press(WXK_BACK);
        UserInput::Press(WXK_BACK);
        UserInput::Type("2");
        UserInput::Click(*dialog->FindWindow(1104), Middle(*dialog->FindWindow(1104)));
    });
    auto& frame = *dynamic_cast<wxFrame*>(sample->GetFrame());
    ASSERT_TRUE(UserInput::ChooseMenu(frame, {"ﾌｧｲﾙ(&F)", "新規作成(&N)..."}));
    ASSERT_TRUE(UserInput::Finish(30000));

    ASSERT_TRUE(WxTestEnvironment::PumpUntil([] { return ListNamed("写真整理") != nullptr; }, 10000));
    CListDocument* made = ListNamed("写真整理");
    // Built, it shows in front, under its working name.
    ASSERT_EQ(ShownTabs().size(), 2u);
    EXPECT_EQ(ShownTabs()[1], made->List().GetPathName());
    EXPECT_EQ(wxGetApp().GetMainFrame()->GetActiveChild(), made->GetFirstView()->GetFrame());
    CZantobyDoc& list = made->List();
    EXPECT_FALSE(list.workPath.IsEmpty());
    ASSERT_EQ(list.displayCount, 4) << "a, b | c | d, and the new-row line";
    EXPECT_EQ(list.GetRow(list.displayOrder[0]).photoCount, 2);
    EXPECT_EQ(list.GetRow(list.displayOrder[1]).photoCount, 1);
    EXPECT_EQ(list.GetRow(list.displayOrder[2]).photoCount, 1);
    auto* view = dynamic_cast<CGridView*>(made->GetFirstView());
    ASSERT_NE(view, nullptr);
    WxTestEnvironment::PumpFor(300);
    EXPECT_EQ(view->Grid()->GetCellText(0, 2), folder + "/sub");
    WxTestEnvironment::SaveScreenshot(*view->GetFrame(), "organised-list");

    // Closed without saving, the list takes its working copies of the photos with it.
    const CString workPhotos = list.listFolder + "/" + list.photoFolderName;
    ASSERT_TRUE(FileSystem::Exists(list.GetOriginalPhotoPath(list.GetRow(list.displayOrder[0]).photos[0])));
    int answered = 0;
    AnswerNextBox('n', wxMOD_ALT, answered);
    ASSERT_TRUE(UserInput::ChooseMenu(*dynamic_cast<wxFrame*>(view->GetFrame()), {"ﾌｧｲﾙ(&F)", "閉じる(&C)"}));
    ASSERT_TRUE(UserInput::Finish());
    EXPECT_EQ(answered, 1);
    EXPECT_TRUE(WxTestEnvironment::PumpUntil([] { return ListNamed("写真整理") == nullptr; }));
    EXPECT_FALSE(FileSystem::Exists(workPhotos));
}

TEST(ProgramLifecycleWindowTest, APhotoOpenInTheEditorIsNotTurnedFromTheList)
{
    CGridView* view = StartWithSampleList(4, 2);
    ASSERT_NE(view, nullptr);
    auto& listFrame = *dynamic_cast<wxFrame*>(view->GetFrame());
    CZantobyDoc& list = *view->ListDoc();
    wxFrame* editorFrame = nullptr;
    const int slot = OpenFirstPhoto(*view, editorFrame);
    ASSERT_NE(editorFrame, nullptr);
    const int width = list.GetPhoto(slot).width;
    const int height = list.GetPhoto(slot).height;
    ASSERT_NE(width, height);
    const std::string middle = BytesOf(list.GetMiddlePhotoPath(slot));

    // From the 写真 menu, with the photo's cell current, and from the photo strip's menu: each
    // time a box says why, and the photo stays as the editor has it. The strip's menu opens at
    // once, though the strip has not yet been rebuilt after the box.
    ShownBoxTexts shown;
    int answered = 0;
    ClickWindowTab(listFrame);
    GridInput::Click(*view->Grid(), list.columnCount, FirstLineWithPhoto(list));
    ConfirmNextBox(answered);
    ASSERT_TRUE(UserInput::ChooseMenu(listFrame, {"写真(&P)", "右に90度回転"}));
    ASSERT_TRUE(UserInput::Finish());
    UserInput::ChooseInNextPopup({"左回転"});
    ConfirmNextBox(answered);
    UserInput::RightClick(*view->PhotoView(), wxPoint(20, 20));
    ASSERT_TRUE(UserInput::Finish());
    EXPECT_EQ(answered, 2);
    ASSERT_EQ(shown.texts.size(), 2u);
    for (const CString& text : shown.texts) {
        EXPECT_EQ(text.Find("写真を編集中のため回転できません"), 0) << text.GetString();
    }
    EXPECT_EQ(list.GetPhoto(slot).width, width);
    EXPECT_EQ(BytesOf(list.GetMiddlePhotoPath(slot)), middle);

    // Once the editor has closed, the photo turns.
    ClickWindowTab(*editorFrame);
    ASSERT_TRUE(UserInput::ChooseMenu(*editorFrame, {"ﾌｧｲﾙ(&F)", "閉じる(&C)"}));
    ASSERT_TRUE(WxTestEnvironment::PumpUntil([] { return OpenEditorDocument() == nullptr; }));
    ClickWindowTab(listFrame);
    ASSERT_TRUE(UserInput::ChooseMenu(listFrame, {"写真(&P)", "右に90度回転"}));
    EXPECT_EQ(list.GetPhoto(slot).width, height);
    EXPECT_EQ(shown.texts.size(), 2u);
}

TEST(ProgramLifecycleWindowTest, ThePhotoEditorFromThePhotoMenuShowsItsMenusAndZoomsByItsKeys)
{
    CGridView* view = StartWithSampleList(4, 2);
    ASSERT_NE(view, nullptr);
    auto& listFrame = *dynamic_cast<wxFrame*>(view->GetFrame());
    CZantobyDoc& list = *view->ListDoc();
    ASSERT_TRUE(UserInput::Activate(*wxGetApp().GetMainFrame()));
    GridInput::Click(*view->Grid(), list.columnCount, FirstLineWithPhoto(list));
    ASSERT_TRUE(UserInput::ChooseMenu(listFrame, {"写真(&P)", "編集･加工"}));
    ASSERT_TRUE(WxTestEnvironment::PumpUntil([] { return OpenEditorDocument() != nullptr; }));
    CEditPhotoView& editor = *OpenEditorDocument()->GetEditView();
    auto& editorFrame = *dynamic_cast<wxFrame*>(editor.GetFrame());
    // Its menus take the list's place with no click or key to wake the program.
    EXPECT_TRUE(RunAsMainLoopUntil([&] {
        return editorFrame.GetMenuBar()->IsShown() && !listFrame.GetMenuBar()->IsShown();
    })) << "the list's menus stayed";

    // Ctrl+PgDn zooms in and Ctrl+PgUp out, as the 表示 menu says, with the focus in the photo.
    WxTestEnvironment::PumpFor(300);
    CEditPhotoWindow& window = *editor.Window();
    UserInput::Click(window, wxPoint(window.GetClientSize().x - 4, window.GetClientSize().y - 4));
    const int fitted = editor.Zoom().mapping.zoom;
    UserInput::Press(WXK_PAGEDOWN, wxMOD_CONTROL);
    ASSERT_TRUE(WxTestEnvironment::PumpUntil([&] { return editor.Zoom().mapping.zoom > fitted; }))
        << "Ctrl+PgDn left the zoom at " << fitted;
    const int zoomed = editor.Zoom().mapping.zoom;
    UserInput::Press(WXK_PAGEUP, wxMOD_CONTROL);
    ASSERT_TRUE(WxTestEnvironment::PumpUntil([&] { return editor.Zoom().mapping.zoom < zoomed; }))
        << "Ctrl+PgUp left the zoom at " << zoomed;
    EXPECT_EQ(OpenEditorDocument()->GetEditView(), &editor) << "the keys switched no window";

    ASSERT_TRUE(UserInput::ChooseMenu(editorFrame, {"ﾌｧｲﾙ(&F)", "閉じる(&C)"}));
    ASSERT_TRUE(WxTestEnvironment::PumpUntil([] { return OpenEditorDocument() == nullptr; }));
}

TEST(ProgramLifecycleWindowTest, ClosingAListAsksAboutItsEditedPhotoFirst)
{
    CGridView* view = StartWithSampleList(4, 2);
    ASSERT_NE(view, nullptr);
    auto& listFrame = *dynamic_cast<wxFrame*>(view->GetFrame());
    const CString drawing = EditFirstPhoto(*view);
    const std::string before = BytesOf(drawing);
    // The editor's window and its question name the photo by the list's file and its own.
    const CString photo = "goods.zbk 写真[" + drawing.Mid(drawing.ReverseFind('/') + 1).Left(4) + ".jpg]";
    const wxFrame& editorFrame = *dynamic_cast<wxFrame*>(OpenEditorDocument()->GetEditView()->GetFrame());
    EXPECT_EQ(FromWx(editorFrame.GetTitle()).Left(photo.GetLength()), photo);
    ShownBoxTexts shown;

    // The photo's changes are kept; the list they changed is then left unsaved.
    int answered = 0;
    AnswerNextBox('y', wxMOD_ALT, answered);
    AnswerNextBox('n', wxMOD_ALT, answered);
    ClickWindowTab(listFrame);
    ASSERT_TRUE(UserInput::ChooseMenu(listFrame, {"ﾌｧｲﾙ(&F)", "閉じる(&C)"}));
    ASSERT_TRUE(UserInput::Finish());
    EXPECT_EQ(answered, 2);
    ASSERT_FALSE(shown.texts.empty());
    EXPECT_EQ(shown.texts[0], photo + " への変更を保存しますか?");
    EXPECT_TRUE(WxTestEnvironment::PumpUntil(
        [] { return wxGetApp().GetDocManager()->GetDocumentsVector().empty(); }));
    EXPECT_NE(BytesOf(drawing), before) << "the drawing was saved";
}

// Runs last: the program ends.
TEST(ProgramLifecycleWindowTest, QuittingWithAnEditedPhotoAsksAboutEachChangedDocumentOnceAndEnds)
{
    CGridView* view = StartWithSampleList(4, 2);
    if (view == nullptr) {
        // The list closed in the test before: it is opened again from the recent lists.
        UserInput::AnswerNextModal([](wxWindow* dialog) {
            auto* navigator = dynamic_cast<CNavigateDlg*>(dialog);
            ASSERT_NE(navigator, nullptr);
            wxWindow* first = navigator->FindWindow(CNavigateDlg::kFirstFrameId);
            UserInput::DoubleClick(*first, Middle(*first));
        });
        ASSERT_TRUE(UserInput::ChooseMenu(*wxGetApp().GetMainFrame(), {"ﾌｧｲﾙ(&F)", "開く(&O)..."}));
        ASSERT_TRUE(UserInput::Finish());
        view = StartWithSampleList(4, 2);
    }
    ASSERT_NE(view, nullptr);
    const CString drawing = EditFirstPhoto(*view);
    const std::string before = BytesOf(drawing);
    auto& editorFrame = *dynamic_cast<wxFrame*>(OpenEditorDocument()->GetEditView()->GetFrame());

    // Closing both windows is confirmed; the photo's changes are kept, and then the list they
    // changed is left unsaved. One box each.
    int answered = 0;
    ConfirmNextBox(answered);
    AnswerNextBox('y', wxMOD_ALT, answered);
    AnswerNextBox('n', wxMOD_ALT, answered);
    ASSERT_TRUE(UserInput::ChooseMenu(editorFrame, {"ﾌｧｲﾙ(&F)", "ｱﾌﾟﾘｹｰｼｮﾝの終了(&X)"}));
    ASSERT_TRUE(UserInput::Finish(30000));
    EXPECT_EQ(answered, 3);
    EXPECT_NE(BytesOf(drawing), before) << "the drawing was saved";
    EXPECT_TRUE(WxTestEnvironment::PumpUntil([] { return wxTopLevelWindows.IsEmpty(); }, 5000))
        << "every window is gone";
}
