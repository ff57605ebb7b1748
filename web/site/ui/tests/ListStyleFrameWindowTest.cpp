// The simple list's style dialog on a desktop whose window manager frames it: the title bar sits
// around the dialog's client area and takes no room from its fields.
#include "platform/ui/testing/TestWindowManager.h"
#include "platform/ui/testing/WxTestEnvironment.h"
#include "web/site/ui/WebListStyleDlg.h"

#include <gtest/gtest.h>

TEST(ListStyleFrameWindowTest, EveryFieldShowsWholeBelowTheTitleBar)
{
    // Made before wx starts, so that wx comes up on the managed display.
    static TestWindowManager desktop;
    ASSERT_TRUE(desktop.IsRunning());
    WxTestEnvironment::Ensure();

    CWebListStyleDlg style(nullptr);
    style.ShowAt(100, 400);
    ASSERT_TRUE(WxTestEnvironment::PumpUntil([&] { return style.IsShownOnScreen(); }));
    WxTestEnvironment::PumpUntilSized(style);
    WxTestEnvironment::PumpFor(300);
    EXPECT_FALSE(WxTestEnvironment::SaveScreenshot(style, "web-list-style-framed").IsEmpty());
    const wxRect client(wxPoint(0, 0), style.GetClientSize());
    for (wxWindow* child : style.GetChildren()) {
        if (!child->IsTopLevel()) {
            EXPECT_TRUE(client.Contains(child->GetRect()))
                << "control " << child->GetId() << " at the bottom " << child->GetRect().GetBottom()
                << " of a client area " << client.height << " high";
        }
    }
    style.Hide();
}
