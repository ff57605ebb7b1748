// The print preview on a desktop whose window manager gives each new window the keyboard, as a
// user meets it: Esc closes it as its close button does.
#include "app/listwindow/ui/GridView.h"
#include "app/testing/ui/SampleListStart.h"
#include "platform/ui/testing/TestWindowManager.h"
#include "platform/ui/testing/UserInput.h"
#include "platform/ui/testing/WxTestEnvironment.h"

#include <gtest/gtest.h>

#include <wx/print.h>

TEST(PrintPreviewFrameWindowTest, EscClosesTheListAndSheetPreviews)
{
    // Made before the program starts, so that its windows come up on the managed display.
    static TestWindowManager desktop;
    ASSERT_TRUE(desktop.IsRunning());
    CGridView* view = StartWithSampleList(40, 6);
    ASSERT_NE(view, nullptr);
    auto& frame = *dynamic_cast<wxFrame*>(view->GetFrame());
    for (const char* command : {"一覧印刷ﾌﾟﾚﾋﾞｭｰ(&3)...", "単票印刷ﾌﾟﾚﾋﾞｭｰ(&4)..."}) {
        ASSERT_TRUE(UserInput::ChooseMenu(frame, {"ﾌｧｲﾙ(&F)", command})) << command;
        ASSERT_TRUE(WxTestEnvironment::PumpUntil(
            [] { return ShownWindow<wxPreviewFrame>() != nullptr && ShownWindow<wxPreviewFrame>()->IsActive(); },
            5000))
            << command << ": the preview has the keyboard";
        UserInput::Press(WXK_ESCAPE);
        EXPECT_TRUE(WxTestEnvironment::PumpUntil([] { return ShownWindow<wxPreviewFrame>() == nullptr; }, 3000))
            << command;
        if (wxPreviewFrame* left = ShownWindow<wxPreviewFrame>()) {
            left->Close(true);
            ASSERT_TRUE(WxTestEnvironment::PumpUntil([] { return ShownWindow<wxPreviewFrame>() == nullptr; }, 3000));
        }
        EXPECT_TRUE(frame.IsEnabled()) << "the list's window takes input again";
    }
}
