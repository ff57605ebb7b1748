// A phone's large photo in the photo editor, by real input: it opens below the smallest zoom
// step, where the tools still draw, and a shape far out on it keeps its place through its
// property dialog.
#include "app/ui/GridView.h"
#include "app/ui/ListGrid.h"
#include "app/ui/MainFrame.h"
#include "app/ui/ZantobyApp.h"
#include "app/ui/ZantobyDocManager.h"
#include "grid/ui/testing/GridInput.h"
#include "list/ZantobyDoc.h"
#include "list/drawing/DrawBox.h"
#include "photo/EditPhotoModel.h"
#include "photo/EditorCommandIds.h"
#include "photo/ui/EditPhotoDoc.h"
#include "photo/ui/EditPhotoView.h"
#include "photo/ui/EditPhotoWindow.h"
#include "platform/FileSystem.h"
#include "platform/ui/WxText.h"
#include "platform/ui/testing/FakeInput.h"
#include "platform/ui/testing/UserInput.h"
#include "platform/ui/testing/WxTestEnvironment.h"
#include "support/SampleListStart.h"
#include "support/TestPhotos.h"

#include <gtest/gtest.h>

#include <wx/aui/auibar.h>
#include <wx/statusbr.h>

#include <fstream>

namespace {

constexpr int kWidth = 11200;
constexpr int kHeight = 2000;
// The box far out on the photo, beyond what the dialogs once took.
const CRect kFarBox(10900, 800, 11100, 1200);

CEditPhotoDoc* EditorDocument()
{
    for (wxDocument* doc : wxGetApp().GetDocManager()->GetDocumentsVector()) {
        if (auto* editor = dynamic_cast<CEditPhotoDoc*>(doc)) {
            return editor;
        }
    }
    return nullptr;
}

int LineWithPhoto(CZantobyDoc& list)
{
    for (int line = 0; line < list.displayCount; ++line) {
        if (list.displayOrder[line] >= 0 && list.GetRow(list.displayOrder[line]).photoCount > 0) {
            return line;
        }
    }
    return -1;
}

// The client point of the view over a photo pixel.
wxPoint ClientOf(CEditPhotoView& view, CPoint image)
{
    view.Zoom().mapping.ImageToView(image);
    view.Zoom().mapping.ViewToClient(image);
    return wxPoint(image.x, image.y);
}

// A drag with the left button, in a few moves as a hand makes it.
void Drag(wxWindow& window, wxPoint from, wxPoint to)
{
    UserInput::Hover(window, from);
    FakeInput::Button(wxMOUSE_BTN_LEFT, true);
    UserInput::Settle();
    for (int step = 1; step <= 4; ++step) {
        FakeInput::MoveTo(window.ClientToScreen(from + (to - from) * step / 4));
        UserInput::Settle();
    }
    FakeInput::Button(wxMOUSE_BTN_LEFT, false);
    UserInput::Settle();
}

} // namespace

TEST(LargePhotoWindowTest, ALargePhotoTakesShapesAt8PercentAndAFarShapeKeepsItsPlaceThroughItsDialog)
{
    CGridView* grid = StartWithSampleList(3, 1);
    ASSERT_NE(grid, nullptr);
    CZantobyDoc& list = *grid->ListDoc();
    const int line = LineWithPhoto(list);
    ASSERT_GE(line, 0);
    const int photo = list.GetRow(list.displayOrder[line]).photos[0];
    // The photo becomes a phone's panorama with a box far out on it.
    ASSERT_TRUE(TestPhotos::WriteLargeJpeg(list.GetOriginalPhotoPath(photo), kWidth, kHeight));
    std::ofstream(FileSystem::ToNative(list.GetDrawingPath(photo)))
        << "; Zantoby 2.108.0 Drawing Data\nphoto\nselected\nbox,ps.x1=" << kFarBox.left
        << ",ps.y1=" << kFarBox.top << ",ps.x2=" << kFarBox.right << ",ps.y2=" << kFarBox.bottom
        << ",bd.w=1,bd.c=255,bk.c=-1,sd.x=0,sd.y=0,sd.c=-1,sd.s=0\n";

    UserInput::ChooseInNextPopup({"写真を編集"});
    GridInput::RightClick(*grid->Grid(), list.columnCount, line);
    ASSERT_TRUE(UserInput::Finish());
    ASSERT_TRUE(WxTestEnvironment::PumpUntil([] { return EditorDocument() != nullptr; }, 20000));
    CEditPhotoDoc* editor = EditorDocument();
    CEditPhotoView& view = *editor->GetEditView();
    CEditPhotoModel& model = editor->Model();
    ASSERT_EQ(model.drawing.shapes.GetSize(), 1);
    WxTestEnvironment::PumpFor(300);

    // The window is made as wide as 8 % of the photo and its margins: the photo fits at 8 %.
    CMainFrame& frame = *wxGetApp().GetMainFrame();
    const wxSize client = view.Window()->GetClientSize();
    const int wanted = kWidth * 8 / 100 + 8;
    frame.SetSize(frame.GetSize() + wxSize(wanted - client.x, 0));
    ASSERT_TRUE(WxTestEnvironment::PumpUntil([&] { return view.Zoom().mapping.zoom == 800; }, 5000))
        << "zoom " << view.Zoom().mapping.zoom << " in a view " << view.Window()->GetClientSize().x
        << " wide";

    // The box tool of the format bar, and a box dragged over the photo.
    wxAuiToolBar* bar = frame.GetToolbar(CToolbarChoice::kFormatBar);
    ASSERT_NE(bar, nullptr);
    const wxRect tool = bar->GetToolRect(EditorCommand::kBox);
    UserInput::Click(*bar, wxPoint(tool.x + tool.width / 2, tool.y + tool.height / 2));
    const CPoint from(2000, 500);
    const CPoint to(6000, 1500);
    Drag(*view.Window(), ClientOf(view, from), ClientOf(view, to));
    ASSERT_EQ(model.drawing.shapes.GetSize(), 2) << "the box was drawn";
    const CRect drawn = model.drawing.shapes.GetShape(1)->GetRect();
    // One view pixel is 12.5 photo pixels.
    EXPECT_NEAR(drawn.left, from.x, 13);
    EXPECT_NEAR(drawn.top, from.y, 13);
    EXPECT_NEAR(drawn.right, to.x, 13);
    EXPECT_NEAR(drawn.bottom, to.y, 13);
    EXPECT_TRUE(editor->IsModified());
    const CString position = FromWx(frame.GetStatusBar()->GetStatusText(1));
    EXPECT_NE(position, "-1 : -1");
    EXPECT_FALSE(WxTestEnvironment::SaveScreenshot(frame, "large-photo-at-8-percent").IsEmpty());

    // The far box, chosen with Tab, through its dialog and its OK button.
    UserInput::Press(WXK_TAB);
    ASSERT_TRUE(model.drawing.shapes.GetShape(0)->selected);
    UserInput::AnswerNextModal([](wxWindow* dialog) {
        ASSERT_NE(dialog, nullptr);
        wxWindow* ok = dialog->FindWindow(1104);
        ASSERT_NE(ok, nullptr);
        UserInput::Click(*ok, wxPoint(ok->GetSize().x / 2, ok->GetSize().y / 2));
    });
    ASSERT_TRUE(UserInput::ChooseMenu(*dynamic_cast<wxFrame*>(view.GetFrame()), {"表示(&V)", "ﾌﾟﾛﾊﾟﾃｨ(&P)"}));
    ASSERT_TRUE(UserInput::Finish());
    EXPECT_EQ(model.drawing.shapes.GetShape(0)->GetRect(), kFarBox);
}
