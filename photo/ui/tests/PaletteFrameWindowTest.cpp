// The colour palette of a shape's property dialog on a desktop whose window manager frames and
// places its windows: each time it opens, it opens under the button that was clicked.
#include "list/drawing/DrawBox.h"
#include "photo/ShapePropertyValues.h"
#include "photo/ui/DrawPropBoxDlg.h"
#include "platform/ui/testing/InputSteps.h"
#include "platform/ui/testing/TestWindowManager.h"
#include "platform/ui/testing/UserInput.h"
#include "platform/ui/testing/WxTestEnvironment.h"
#include "shell/ColorPalette.h"
#include "shell/ui/ColorPaletteDlg.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <vector>

TEST(PaletteFrameWindowTest, ThePaletteOpensUnderWhicheverColourButtonWasClicked)
{
    // Made before wx starts, so that wx comes up on the managed display.
    static TestWindowManager desktop;
    ASSERT_TRUE(desktop.IsRunning());
    WxTestEnvironment::Ensure();

    CDrawBox box;
    box.SetRect(CRect(10, 20, 30, 40));
    ShapePropertyValues values = ShapePropertyValues::From(box);
    CDrawPropBoxDlg dialog(values);
    CColorPaletteDlg* palette = &dialog.Palette();
    auto middle = [](wxWindow& window) {
        return wxPoint(window.GetClientSize().x / 2, window.GetClientSize().y / 2);
    };
    auto click = [&](int id) {
        wxWindow& window = *dialog.FindWindow(id);
        UserInput::Click(window, middle(window));
    };
    // Where the palette's client area shows against the button's bottom-left corner, once the
    // manager has placed it: shown, and still for a few looks.
    std::vector<wxPoint> offsets;
    wxPoint last;
    int still = 0;
    auto placed = [&] {
        if (!palette->IsShownOnScreen()) {
            still = 0;
            return false;
        }
        const wxPoint now = palette->ClientToScreen(wxPoint(0, 0));
        still = now == last ? still + 1 : 0;
        last = now;
        return still >= 5;
    };
    auto chooseCellUnder = [&](int button) {
        return [&, button] {
            const wxRect rect = dialog.FindWindow(button)->GetScreenRect();
            offsets.push_back(last - wxPoint(rect.x, rect.GetBottom()));
            still = 0;
            wxWindow& cell = *palette->FindWindow(CColorPalette::GetCell(3).id);
            UserInput::Click(cell, middle(cell));
        };
    };

    UserInput::AnswerNextModal([&](wxWindow*) {
        click(CDrawPropBaseDlg::IDC_BORDER_COLOR);
        const int chain = InputSteps::Start("the palette shows for 線の色", placed,
                                            chooseCellUnder(CDrawPropBaseDlg::IDC_BORDER_COLOR));
        InputSteps::Then(
            chain, "the palette has gone", [&] { return !palette->IsShown(); },
            [&] { click(CDrawPropBaseDlg::IDC_FILL_COLOR); });
        InputSteps::Then(chain, "the palette shows for 背景色", placed,
                         chooseCellUnder(CDrawPropBaseDlg::IDC_FILL_COLOR));
        InputSteps::Then(
            chain, "the palette has gone again", [&] { return !palette->IsShown(); },
            [&] { click(CDrawPropBaseDlg::IDC_SET); });
    });
    EXPECT_TRUE(dialog.Run());
    EXPECT_TRUE(UserInput::Finish());
    ASSERT_EQ(offsets.size(), 2u);
    // Below the button, by no more than the frame's title bar.
    for (size_t i = 0; i < offsets.size(); ++i) {
        EXPECT_LE(std::abs(offsets[i].x), 8)
            << "opening " << i + 1 << ": " << offsets[i].x << ", " << offsets[i].y;
        EXPECT_TRUE(offsets[i].y > 0 && offsets[i].y < 40)
            << "opening " << i + 1 << ": " << offsets[i].x << ", " << offsets[i].y;
    }
}
