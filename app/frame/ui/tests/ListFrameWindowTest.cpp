// The frame of a list window on its own: its splitter takes the two panes the list window makes,
// the grid's above the photo strip's, and a list window whose panes cannot be made gets no
// splitter.
#include "app/frame/ui/IListPanes.h"
#include "app/frame/ui/MainFrame.h"
#include "app/frame/ui/ZantobyFrame.h"
#include "app/startup/ui/ZantobyApp.h"
#include "app/testing/ui/ProgramStart.h"
#include "foundation/tests/support/ScratchFolder.h"

#include <gtest/gtest.h>

#include <wx/panel.h>
#include <wx/splitter.h>

namespace {

CZantobyApp& App()
{
    static ScratchFolder scratch;
    return StartProgram({});
}

// Panes made as the list window makes them: the lower first, then the upper, which may fail.
class FakePanes : public IListPanes
{
  public:
    explicit FakePanes(bool upperFails) : m_upperFails(upperFails) {}

    bool CreatePanes(wxWindow* parent, wxWindow*& upper, wxWindow*& lower) override
    {
        madeIn = parent;
        lowerPane = new wxPanel(parent);
        if (m_upperFails) {
            return false;
        }
        upperPane = new wxPanel(parent);
        upper = upperPane;
        lower = lowerPane;
        return true;
    }

    wxWindow* madeIn = nullptr;
    wxWindow* upperPane = nullptr;
    wxWindow* lowerPane = nullptr;

  private:
    bool m_upperFails;
};

} // namespace

TEST(ListFrameWindowTest, TheSplitterHoldsTheGridPaneAboveThePhotoPane)
{
    auto* frame = new CZantobyFrame(nullptr, nullptr, App().GetMainFrame());
    FakePanes panes(false);
    ASSERT_TRUE(frame->CreateClient(panes));
    wxSplitterWindow* splitter = frame->Splitter();
    ASSERT_NE(splitter, nullptr);
    EXPECT_EQ(panes.madeIn, splitter) << "the panes are made in the splitter";
    EXPECT_TRUE(splitter->IsSplit());
    EXPECT_EQ(splitter->GetSplitMode(), wxSPLIT_HORIZONTAL);
    EXPECT_EQ(splitter->GetWindow1(), panes.upperPane);
    EXPECT_EQ(splitter->GetWindow2(), panes.lowerPane);
    frame->Destroy();
}

TEST(ListFrameWindowTest, PanesThatCannotBeMadeLeaveNoSplitter)
{
    auto* frame = new CZantobyFrame(nullptr, nullptr, App().GetMainFrame());
    FakePanes panes(true);
    EXPECT_FALSE(frame->CreateClient(panes));
    EXPECT_EQ(frame->Splitter(), nullptr);
    // The frame without its panes reports no grid pane.
    EXPECT_EQ(frame->GetGridPaneHeight(), -1);
    frame->Destroy();
}
