// A list as a user meets it: the program started with a list file, the grid above the strip of
// the current row's photos, a cell edited in the grid, saved, undone and redone, and the list
// opened again; its tab, and the captions of its photos.
#include "app/frame/ui/MainFrame.h"
#include "app/frame/ui/ZantobyFrame.h"
#include "app/listwindow/PhotoStrip.h"
#include "app/listwindow/ui/GridView.h"
#include "app/listwindow/ui/ListDocument.h"
#include "app/listwindow/ui/ListGrid.h"
#include "app/listwindow/ui/PhotoView.h"
#include "app/startup/SampleListMaker.h"
#include "app/startup/ui/ZantobyApp.h"
#include "app/startup/ui/ZantobyDocManager.h"
#include "app/testing/ui/ProgramStart.h"
#include "foundation/tests/support/ScratchFolder.h"
#include "grid/ui/CellEdit.h"
#include "grid/ui/testing/GridInput.h"
#include "list/ZantobyDoc.h"
#include "platform/FileSystem.h"
#include "platform/ui/testing/GtkMenuProbe.h"
#include "platform/ui/testing/GtkTipProbe.h"
#include "platform/ui/testing/ScreenPixels.h"
#include "platform/ui/testing/UserInput.h"
#include "platform/ui/testing/WxTestEnvironment.h"
#include "support/FakeListHost.h"

#include <gtest/gtest.h>

#include <gtk/gtk.h>

#include <string>

namespace {

ScratchFolder& Scratch()
{
    static ScratchFolder scratch;
    return scratch;
}

CString ListPath()
{
    return Scratch() / "goods.zbk";
}

// The program started as a user starts it with a list file named on its command line.
CZantobyApp& App()
{
    static bool made = [] {
        FakeListHost host;
        return CSampleListMaker(host).Make(ListPath(), 6, 3);
    }();
    if (!made) {
        std::abort();
    }
    return StartProgram({FileSystem::ToNative(ListPath()).string()});
}

CListDocument* OpenList()
{
    for (wxDocument* doc : App().GetDocManager()->GetDocumentsVector()) {
        if (auto* list = wxDynamicCast(doc, CListDocument)) {
            return list;
        }
    }
    return nullptr;
}

CGridView* ViewOf(CListDocument* doc)
{
    return doc != nullptr ? wxDynamicCast(doc->GetFirstView(), CGridView) : nullptr;
}

// The line that shows a name in the first column, or -1.
int LineOf(CListGrid& grid, const CString& name)
{
    for (int line = 0; line < grid.GetRowCount(); ++line) {
        if (grid.GetCellText(0, line) == name) {
            return line;
        }
    }
    return -1;
}

} // namespace

TEST(ListWindowTest, AListOpensEditsSavesUndoesAndOpensAgain)
{
    App();
    CListDocument* doc = OpenList();
    ASSERT_NE(doc, nullptr);
    CGridView* view = ViewOf(doc);
    ASSERT_NE(view, nullptr);
    CListGrid& grid = *view->Grid();
    CPhotoView& strip = *view->PhotoView();
    CZantobyDoc& list = doc->List();

    // Eight columns under two heading rows, the photo columns, six rows and the new-row line.
    EXPECT_EQ(grid.GetColCount(), 8 + list.photoColumns);
    EXPECT_EQ(grid.GetRowCount(), 7);
    EXPECT_EQ(grid.GetCellText(5, -1), "幅");
    EXPECT_EQ(grid.GetCellText(8, -2), "写真1");
    // The strip of the current row follows the grid a short while after the list is shown.
    const int line = LineOf(grid, "消しゴム 3");
    ASSERT_GE(line, 0);
    grid.MoveToCell(0, line);
    ASSERT_TRUE(WxTestEnvironment::PumpUntil([&] { return strip.Strip().Items().size() == 3; }, 3000));
    EXPECT_EQ(strip.Strip().Items()[2]->caption, "写真6");
    EXPECT_GE(strip.Strip().Items()[0]->photoIndex, 0);
    WxTestEnvironment::PumpFor(300);
    EXPECT_FALSE(WxTestEnvironment::SaveScreenshot(*App().GetMainFrame(), "list-window").IsEmpty());

    // An edit through the grid's in-cell edit goes into the list as one undo step.
    grid.BeginEditAt(0, line, 0);
    auto* edit = grid.DefaultEdit();
    ASSERT_TRUE(grid.IsEditing());
    edit->SetText("消しゴム 大");
    edit->MarkDirty();
    edit->EndWithMove(0, line);
    EXPECT_FALSE(grid.IsEditing());
    EXPECT_EQ(list.GetCellTextAt(0, line, kOutputGrid), "消しゴム 大");
    EXPECT_FALSE(list.IsUndoStepOpen());
    EXPECT_TRUE(doc->IsModified());

    // Typing on the new-row line makes a row and a new-row line below it.
    const int newRowLine = grid.GetRowCount() - 1;
    grid.BeginEditAt(3, newRowLine, 0);
    edit->SetText("1500");
    edit->MarkDirty();
    edit->EndWithMove(3, newRowLine);
    EXPECT_EQ(grid.GetRowCount(), newRowLine + 2);
    EXPECT_EQ(grid.GetCellText(3, newRowLine).str(), "1,500");
    // Undo and redo from the menu and by their keys take the grid back and forth.
    wxFrame& frame = *dynamic_cast<wxFrame*>(view->GetFrame());
    ASSERT_TRUE(UserInput::ChooseMenu(frame, {"編集(&E)", "元に戻す(&U)"}));
    EXPECT_EQ(grid.GetRowCount(), newRowLine + 1);
    GridInput::Click(grid, 0, 0);
    UserInput::Press('z', wxMOD_CONTROL);
    EXPECT_EQ(list.GetCellTextAt(0, line, kOutputGrid).str(), "消しゴム 3");
    EXPECT_EQ(grid.GetCellText(0, line).str(), "消しゴム 3");
    ASSERT_TRUE(UserInput::ChooseMenu(frame, {"編集(&E)", "やり直し(&R)"}));
    EXPECT_EQ(grid.GetCellText(0, line).str(), "消しゴム 大");

    UserInput::Press('s', wxMOD_CONTROL);
    EXPECT_TRUE(WxTestEnvironment::PumpUntil([&] { return !doc->IsModified(); }));

    // Closed and opened again, the list holds the value that was saved.
    ASSERT_TRUE(App().GetDocManager()->CloseDocument(doc, true));
    WxTestEnvironment::PumpFor(200);
    EXPECT_EQ(OpenList(), nullptr);
    ASSERT_TRUE(App().OpenDocumentFile(ListPath()));
    CGridView* again = ViewOf(OpenList());
    ASSERT_NE(again, nullptr);
    EXPECT_GE(LineOf(*again->Grid(), "消しゴム 大"), 0);
    EXPECT_LT(LineOf(*again->Grid(), "消しゴム 3"), 0);

    // The list's own menu commands reach the list from its window.
    wxFrame& reopened = *dynamic_cast<wxFrame*>(again->GetFrame());
    ASSERT_TRUE(UserInput::ChooseMenu(reopened, {"表示(&V)", "全ﾃﾞｰﾀを非表示(&C)"}));
    EXPECT_EQ(again->Grid()->GetRowCount(), 1);
    ASSERT_TRUE(UserInput::ChooseMenu(reopened, {"表示(&V)", "全ﾃﾞｰﾀ表示(&L)"}));
    EXPECT_GE(LineOf(*again->Grid(), "消しゴム 大"), 0);
}

// Eight lists must fit the tab bar: a list's tab names its file, and its tip the whole path.
TEST(ListWindowTest, AListsTabNamesItsFileAndItsTipTheWholePath)
{
    App();
    CGridView* view = ViewOf(OpenList());
    ASSERT_NE(view, nullptr);
    CMainFrame& main = *App().GetMainFrame();
    GtkWidget* bar = main.GetClientWindow()->GetHandle();
    ASSERT_TRUE(GTK_IS_NOTEBOOK(bar));
    GtkWidget* tab = gtk_notebook_get_tab_label(GTK_NOTEBOOK(bar), view->GetFrame()->GetHandle());
    ASSERT_TRUE(GTK_IS_LABEL(tab));
    EXPECT_STREQ(gtk_label_get_text(GTK_LABEL(tab)), "goods.zbk");

    ASSERT_TRUE(WxTestEnvironment::PumpUntil([&] { return GtkMenuProbe::IsPlaced(tab); }));
    UserInput::Hover(main, main.ScreenToClient(GtkMenuProbe::ScreenCentre(tab)));
    const std::string path = FileSystem::ToNative(ListPath()).string();
    EXPECT_TRUE(WxTestEnvironment::PumpUntil([&] { return GtkTipProbe::ShownText() == path; }, 5000))
        << "the tab's tip reads \"" << GtkTipProbe::ShownText() << "\"";
    UserInput::Hover(*view->Grid(), wxPoint(5, 5));
}

// A caption shows whole: the underscore of "landscape_1" lies below the 12-pixel cell of its
// font, and the strip must not show it as "landscape 1".
TEST(ListWindowTest, APhotosCaptionShowsWholeUnderscoresToo)
{
    App();
    CListDocument* doc = OpenList();
    ASSERT_NE(doc, nullptr);
    CGridView& view = *ViewOf(doc);
    CListGrid& grid = *view.Grid();
    CPhotoView& strip = *view.PhotoView();
    CZantobyDoc& list = doc->List();
    int line = 0;
    while (line < list.displayCount &&
           (list.displayOrder[line] < 0 || list.GetRow(list.displayOrder[line]).photoCount < 2)) {
        ++line;
    }
    ASSERT_LT(line, list.displayCount) << "no row with two photos";
    const ProductRecord& row = list.GetRow(list.displayOrder[line]);
    list.GetPhoto(row.photos[0]).name = "landscape_1";
    list.GetPhoto(row.photos[1]).name = "landscape 1";

    ASSERT_TRUE(UserInput::Activate(*App().GetMainFrame()));
    GridInput::Click(grid, 0, line == 0 ? 1 : 0);
    GridInput::Click(grid, 0, line);
    ASSERT_TRUE(WxTestEnvironment::PumpUntil([&] {
        return strip.Strip().Items().size() >= 2 && strip.Strip().Items()[0]->caption == "landscape_1";
    }));
    WxTestEnvironment::PumpFor(300);
    const CPhotoStripItem& first = *strip.Strip().Items()[0];
    const CPhotoStripItem& second = *strip.Strip().Items()[1];
    ASSERT_EQ(first.width, second.width);
    ASSERT_EQ(first.height, second.height);
    // The strip scrolled down to the captions, however low its pane is.
    const int top = first.height + CPhotoStrip::kGap;
    strip.Scroll(0, top);
    ASSERT_TRUE(
        WxTestEnvironment::PumpUntil([&] { return strip.CalcUnscrolledPosition(wxPoint(0, 0)).y > 0; }));
    WxTestEnvironment::PumpFor(300);
    const Bitmap shown = ScreenPixels::Of(strip);
    const wxPoint origin = strip.CalcScrolledPosition(wxPoint(0, 0));
    ASSERT_GE(shown.Height() - origin.y, first.height + CPhotoStrip::kCaptionSpace);
    ASSERT_GE(shown.Width() - origin.x, second.x + second.width);
    long differences = 0;
    for (int y = top; y < first.height + CPhotoStrip::kCaptionSpace; ++y) {
        for (int x = 0; x < first.width; ++x) {
            differences += shown.GetPixel(origin.x + first.x + x, origin.y + y) !=
                                   shown.GetPixel(origin.x + second.x + x, origin.y + y)
                               ? 1
                               : 0;
        }
    }
    strip.Scroll(0, 0);
    EXPECT_GT(differences, 0) << "landscape_1 shows as landscape 1";
}
