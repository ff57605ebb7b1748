#include "foundation/ui/DocumentLookup.h"
#include "photo/ui/EditPhotoDoc.h"
#include "photo/ui/EditPhotoView.h"
#include "photo/ui/EditorServices.h"
#include "platform/ui/testing/UserInput.h"
#include "platform/ui/testing/WxTestEnvironment.h"
#include "support/FakeEditorHost.h"
#include "support/FakeEditorWindowHost.h"
#include "support/TempFolder.h"
#include "support/TestPhotos.h"

#include <gtest/gtest.h>

#include <wx/docmdi.h>

#include <memory>

namespace {

constexpr int ID_VIEW_TOOLBAR = 59392;
constexpr int ID_CONTROL_BOX = 32985;

// The photo editor on its own, in a plain main window with the framework's document manager:
// everything it needs of the program comes from the fakes installed here.
class EditorHostWindow : public ::testing::Test
{
  protected:
    EditorHostWindow() : host(temp.Path())
    {
        WxTestEnvironment::Ensure();
        CEditorServices::Install(host, windows);
        // Made once wx runs: the manager's page setup needs the paper sizes.
        manager = std::make_unique<wxDocManager>();
        new wxDocTemplate(manager.get(), "JPEG", "*.jpg", wxString(), "jpg", "JPegFile", "CEditPhotoView",
                          wxCLASSINFO(CEditPhotoDoc), wxCLASSINFO(CEditPhotoView), wxTEMPLATE_INVISIBLE);
        windows.frame = new wxDocMDIParentFrame(manager.get(), nullptr, wxID_ANY, "main", wxDefaultPosition,
                                                wxSize(800, 600));
        windows.frame->Show();
        EXPECT_TRUE(TestPhotos::WriteJpeg(Photo(), 80, 40));
    }

    ~EditorHostWindow() override
    {
        windows.closeAnswer = true;
        manager->CloseDocuments(true);
        windows.frame->Destroy();
        WxTestEnvironment::PumpFor(50);
    }

    CString Photo() const { return temp.Path() + "写真.jpg"; }

    CEditPhotoDoc* Open()
    {
        auto* doc = dynamic_cast<CEditPhotoDoc*>(
            CDocumentLookup::OpenDocumentOfType(*manager, Photo(), "CEditPhotoDoc"));
        EXPECT_NE(doc, nullptr);
        WxTestEnvironment::PumpFor(200);
        return doc;
    }

    static wxFrame& FrameOf(CEditPhotoDoc& doc)
    {
        return *dynamic_cast<wxFrame*>(doc.GetFirstView()->GetFrame());
    }

    TempFolder temp;
    FakeEditorHost host;
    FakeEditorWindowHost windows;
    std::unique_ptr<wxDocManager> manager;
};

TEST_F(EditorHostWindow, TheEditorOpensInTheHostsMainWindowAndShowsItsBarsAndZoomThere)
{
    CEditPhotoDoc* doc = Open();
    ASSERT_NE(doc, nullptr);
    auto* child = dynamic_cast<wxMDIChildFrame*>(&FrameOf(*doc));
    ASSERT_NE(child, nullptr);
    EXPECT_EQ(child->GetMDIParent(), windows.frame);
    EXPECT_GT(windows.barsShown, 0) << "the editor's bars are shown when its window becomes active";
    ASSERT_FALSE(windows.zooms.empty());
    EXPECT_GT(windows.zooms.back(), 0);
    EXPECT_TRUE(host.reports.empty());
}

TEST_F(EditorHostWindow, TheViewMenuTurnsTheEditorsToolbarsThroughTheHost)
{
    CEditPhotoDoc* doc = Open();
    ASSERT_NE(doc, nullptr);
    wxFrame& frame = FrameOf(*doc);
    const int shown = windows.barsShown;

    ASSERT_TRUE(UserInput::ChooseMenu(frame, {"表示(&V)", "ﾂｰﾙ ﾊﾞｰ(&T)"}));
    EXPECT_FALSE(windows.wanted[0]);
    EXPECT_TRUE(windows.wanted[1]);
    EXPECT_GT(windows.barsShown, shown);
    ASSERT_TRUE(UserInput::ChooseMenu(frame, {"表示(&V)", "ｺﾝﾄﾛｰﾙﾎﾞｯｸｽ(&C)"}));
    EXPECT_FALSE(windows.wanted[1]);
    ASSERT_TRUE(UserInput::ChooseMenu(frame, {"表示(&V)", "ﾂｰﾙ ﾊﾞｰ(&T)"}));
    EXPECT_TRUE(windows.wanted[0]);

    wxMenuBar* menus = frame.GetMenuBar();
    ASSERT_NE(menus, nullptr);
    WxTestEnvironment::PumpFor(100);
    EXPECT_TRUE(menus->IsChecked(ID_VIEW_TOOLBAR));
    EXPECT_FALSE(menus->IsChecked(ID_CONTROL_BOX));
}

TEST_F(EditorHostWindow, ClosingAChangedPhotoAsksTheHostAndStaysWhenItSaysNo)
{
    CEditPhotoDoc* doc = Open();
    ASSERT_NE(doc, nullptr);
    doc->Modify(true);

    windows.closeAnswer = false;
    EXPECT_FALSE(manager->CloseDocument(doc));
    ASSERT_EQ(windows.questions.size(), 1u);
    EXPECT_EQ(windows.questions[0], "写真.jpg");
    EXPECT_EQ(CDocumentLookup::GetDocumentCount(*manager), 1);

    windows.closeAnswer = true;
    EXPECT_TRUE(manager->CloseDocument(doc));
    EXPECT_EQ(windows.questions.size(), 2u);
    EXPECT_EQ(CDocumentLookup::GetDocumentCount(*manager), 0);
}

} // namespace
