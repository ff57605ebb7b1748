// A photo of a list as a user meets it in the photo editor: opened from the list, shapes drawn
// with the tools, undone and redone, saved into the list, and closed.
#include "photo/ui/EditPhotoWindow.h"
#include "app/frame/ui/MainFrame.h"
#include "app/listwindow/ui/ListDocument.h"
#include "app/listwindow/ui/PhotoPropertiesHook.h"
#include "app/startup/SampleListMaker.h"
#include "app/startup/ui/ZantobyApp.h"
#include "app/startup/ui/ZantobyDocManager.h"
#include "app/testing/ui/ProgramStart.h"
#include "foundation/tests/support/ScratchFolder.h"
#include "list/ZantobyDoc.h"
#include "list/drawing/DrawShapeList.h"
#include "photo/EditTools.h"
#include "photo/EditorCommandIds.h"
#include "photo/ui/EditPhotoDoc.h"
#include "photo/ui/EditPhotoView.h"
#include "platform/FileSystem.h"
#include "platform/ui/WxText.h"
#include "platform/ui/testing/WxTestEnvironment.h"
#include "support/FakeListHost.h"

#include <gtest/gtest.h>

#include <cstdlib>

namespace {

constexpr int ID_EDIT_COPY = 57634;
constexpr int ID_EDIT_PASTE = 57637;
constexpr int ID_EDIT_UNDO = 57643;
constexpr int ID_EDIT_REDO = 57644;

ScratchFolder& Scratch()
{
    static ScratchFolder scratch;
    return scratch;
}

CZantobyApp& App()
{
    static bool made = [] {
        FakeListHost host;
        return CSampleListMaker(host).Make(Scratch() / "goods.zbk", 4, 2);
    }();
    if (!made) {
        std::abort();
    }
    return StartProgram({FileSystem::ToNative(Scratch() / "goods.zbk").string()});
}

template <class Document> Document* FindDocument()
{
    for (wxDocument* doc : App().GetDocManager()->GetDocumentsVector()) {
        if (doc->IsKindOf(wxCLASSINFO(Document))) {
            return static_cast<Document*>(doc);
        }
    }
    return nullptr;
}

// A drag of the left button from one photo pixel to another, as the window hands it on.
void Drag(CEditPhotoView& view, CPoint from, CPoint to)
{
    auto send = [&](wxEventType type, CPoint image, bool down) {
        CPoint client = image;
        view.Zoom().mapping.ImageToView(client);
        view.Zoom().mapping.ViewToClient(client);
        wxMouseEvent event(type);
        event.SetPosition(wxPoint(client.x, client.y));
        event.SetLeftDown(down);
        view.OnPointer(event);
    };
    send(wxEVT_LEFT_DOWN, from, true);
    send(wxEVT_MOTION, to, true);
    send(wxEVT_LEFT_UP, to, false);
}

} // namespace

TEST(EditPhotoWindowTest, APhotoOfAListOpensTakesShapesUndoesAndSavesIntoTheList)
{
    App();
    CListDocument* listDoc = FindDocument<CListDocument>();
    ASSERT_NE(listDoc, nullptr);
    CZantobyDoc& list = listDoc->List();
    int photo = 0;
    while (photo < 10000 && !list.GetPhoto(photo).inUse) {
        ++photo;
    }
    ASSERT_LT(photo, 10000);

    // The list's views reach the photo properties through the editor's library.
    EXPECT_TRUE(CPhotoPropertiesHook::IsSet());
    ASSERT_TRUE(list.OpenPhotoEditor(photo));
    CEditPhotoDoc* editor = FindDocument<CEditPhotoDoc>();
    ASSERT_NE(editor, nullptr);
    EXPECT_EQ(editor->GetFilename(), ToWx(list.GetPathName()) + wxString::Format("?%d", photo));
    CEditPhotoView* view = editor->GetEditView();
    ASSERT_NE(view, nullptr);
    WxTestEnvironment::PumpFor(300);
    view->SetZoom(true, 0, 0);
    CEditPhotoModel& model = editor->Model();
    const CSize shown = model.GetDisplaySize();
    ASSERT_GT(shown.cx, 20);

    // A box, an ellipse and a line drawn with the tools.
    view->RunCommand(EditorCommand::kBox);
    Drag(*view, CPoint(shown.cx / 10, shown.cy / 10), CPoint(shown.cx / 2, shown.cy / 2));
    view->RunCommand(EditorCommand::kEllipse);
    Drag(*view, CPoint(shown.cx / 2, shown.cy / 3), CPoint(shown.cx * 9 / 10, shown.cy * 9 / 10));
    view->RunCommand(EditorCommand::kLine);
    Drag(*view, CPoint(shown.cx / 10, shown.cy * 8 / 10), CPoint(shown.cx * 8 / 10, shown.cy / 10));
    ASSERT_EQ(model.drawing.shapes.GetSize(), 3);
    EXPECT_TRUE(editor->IsModified());

    view->RunCommand(ID_EDIT_UNDO);
    EXPECT_EQ(model.drawing.shapes.GetSize(), 2);
    view->RunCommand(ID_EDIT_REDO);
    EXPECT_EQ(model.drawing.shapes.GetSize(), 3);
    // The ellipse goes over the clipboard and comes back as a fourth shape, selected on top.
    view->RunCommand(EditorCommand::kSelect);
    // Tab and Shift+Tab reach the shapes although GTK's menus take no Tab.
    const auto press = [view](bool shift) {
        wxKeyEvent key(wxEVT_KEY_DOWN);
        key.m_keyCode = WXK_TAB;
        key.m_shiftDown = shift;
        key.SetEventObject(view->Window());
        view->Window()->GetEventHandler()->ProcessEvent(key);
    };
    press(false);
    press(false);
    press(false);
    press(true);
    ASSERT_TRUE(model.drawing.shapes.GetShape(1)->selected);
    view->RunCommand(ID_EDIT_COPY);
    view->RunCommand(ID_EDIT_PASTE);
    ASSERT_EQ(model.drawing.shapes.GetSize(), 4);
    EXPECT_EQ(model.drawing.shapes.GetShape(3)->KindName(), model.drawing.shapes.GetShape(1)->KindName());
    EXPECT_TRUE(model.drawing.shapes.GetShape(3)->selected);
    EXPECT_FALSE(model.drawing.shapes.GetShape(1)->selected);
    WxTestEnvironment::PumpFor(300);
    EXPECT_FALSE(WxTestEnvironment::SaveScreenshot(*App().GetMainFrame(), "photo-editor").IsEmpty());

    ASSERT_TRUE(editor->Save());
    EXPECT_FALSE(editor->IsModified());
    EXPECT_TRUE(FileSystem::Exists(list.GetDrawingPath(photo)));
    EXPECT_TRUE(list.IsModified());
    EXPECT_TRUE(list.editingPhotos.count(photo) == 1);

    ASSERT_TRUE(App().GetDocManager()->CloseDocument(editor, true));
    WxTestEnvironment::PumpFor(100);
    EXPECT_EQ(FindDocument<CEditPhotoDoc>(), nullptr);
    EXPECT_EQ(list.editingPhotos.count(photo), 0u);
}
