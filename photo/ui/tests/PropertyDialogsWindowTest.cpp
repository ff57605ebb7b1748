// The property dialogs as a user meets them: fields filled from the shape, only 設定 takes what
// was entered, the point grid's buttons, and the photo's corrections put back on cancel.
#include "list/drawing/DrawBox.h"
#include "list/drawing/DrawPolygon.h"
#include "photo/ShapePropertyValues.h"
#include "photo/ui/DrawPropBoxDlg.h"
#include "photo/ui/DrawPropPhotoDlg.h"
#include "photo/ui/DrawPropPolygonDlg.h"
#include "platform/ui/testing/InputSteps.h"
#include "platform/ui/testing/UserInput.h"
#include "platform/ui/testing/WxTestEnvironment.h"
#include "shell/ColorPalette.h"
#include "shell/ui/ColorPaletteDlg.h"

#include <wx/grid.h>
#include <wx/spinctrl.h>

#include <gtest/gtest.h>

namespace {

class PropertyDialogsWindowTest : public ::testing::Test
{
  protected:
    void SetUp() override { WxTestEnvironment::Ensure(); }
};

TEST_F(PropertyDialogsWindowTest, TheBoxDialogTakesWhatWasEnteredOnlyOnSet)
{
    CDrawBox box;
    box.SetRect(CRect(10, 20, 30, 40));
    box.fillColor = kDefaultColor;
    ShapePropertyValues values = ShapePropertyValues::From(box);
    {
        CDrawPropBoxDlg dialog(values);
        EXPECT_EQ(dialog.GetButtonColor(CDrawPropBaseDlg::IDC_FILL_COLOR), kDefaultColor);
        dialog.CallAfter([&] {
            static_cast<wxSpinCtrl*>(dialog.FindWindow(1141))->SetValue(5);
            dialog.EndModal(wxID_CANCEL);
        });
        EXPECT_FALSE(dialog.Run());
    }
    EXPECT_EQ(values.rect.right, 30);

    CDrawPropBoxDlg dialog(values);
    dialog.CallAfter([&] {
        static_cast<wxSpinCtrl*>(dialog.FindWindow(1141))->SetValue(5);
        wxCommandEvent width(wxEVT_MENU, CDrawPropBaseDlg::ID_WIDTH_FIRST + 3);
        dialog.ProcessWindowEvent(width);
        WxTestEnvironment::SaveScreenshot(dialog, "box-properties");
        dialog.Accept();
    });
    ASSERT_TRUE(dialog.Run());
    values.ApplyTo(box);
    // A right edge left of the left one stays as entered.
    EXPECT_EQ(box.GetRect(), CRect(10, 20, 5, 40));
    EXPECT_EQ(box.borderWidth, 3);
    EXPECT_EQ(box.fillColor, kDefaultColor);
}

TEST_F(PropertyDialogsWindowTest, AShapesColourIsChosenFromThePaletteByClicks)
{
    CDrawBox box;
    box.SetRect(CRect(10, 20, 30, 40));
    box.fillColor = RGB(255, 255, 255);
    ShapePropertyValues values = ShapePropertyValues::From(box);
    CDrawPropBoxDlg dialog(values);
    CColorPaletteDlg* palette = &dialog.Palette();
    const CColorPalette::Cell& chosen = CColorPalette::GetCell(CColorPalette::kColumns + 2);
    auto middle = [](wxWindow& window) {
        return wxPoint(window.GetClientSize().x / 2, window.GetClientSize().y / 2);
    };

    UserInput::AnswerNextModal([&](wxWindow*) {
        wxWindow& fill = *dialog.FindWindow(CDrawPropBaseDlg::IDC_FILL_COLOR);
        UserInput::Click(fill, middle(fill));
        const int chain = InputSteps::Start(
            "the palette shows", [&] { return palette->IsShownOnScreen(); },
            [&] {
                wxWindow& cell = *palette->FindWindow(chosen.id);
                UserInput::Click(cell, middle(cell));
            });
        InputSteps::Then(
            chain, "the palette has gone",
            [&] {
                return !palette->IsShown() &&
                       dialog.GetButtonColor(CDrawPropBaseDlg::IDC_FILL_COLOR) == chosen.color;
            },
            [&] {
                wxWindow& set = *dialog.FindWindow(CDrawPropBaseDlg::IDC_SET);
                UserInput::Click(set, middle(set));
            });
    });
    EXPECT_TRUE(dialog.Run());
    EXPECT_TRUE(UserInput::Finish());
    values.ApplyTo(box);
    EXPECT_EQ(box.fillColor, chosen.color);
}

TEST_F(PropertyDialogsWindowTest, ThePointGridKeepsThreePointsAndReadsNumbersOnly)
{
    CDrawPolygon polygon;
    polygon.points.AddPoint(0, 0);
    polygon.points.AddPoint(10, 0);
    polygon.points.AddPoint(10, 10);
    ShapePropertyValues values = ShapePropertyValues::From(polygon);
    CDrawPropPolygonDlg dialog(values);
    dialog.PressGridButton(1087, 0);
    EXPECT_EQ(dialog.GetGridPoints().size(), 3u);
    dialog.PressGridButton(1084, 2);
    auto* grid = static_cast<wxGrid*>(dialog.FindWindow(CDrawPropBaseDlg::IDC_POINT_GRID));
    ASSERT_EQ(grid->GetNumberRows(), 4);
    EXPECT_EQ(grid->GetCellValue(3, 0), "20");
    grid->SetCellValue(0, 1, "abc");
    dialog.CallAfter([&] { dialog.Accept(); });
    ASSERT_TRUE(dialog.Run());
    ASSERT_EQ(values.points.size(), 4u);
    EXPECT_EQ(values.points[0], CPoint(0, 0));
    EXPECT_EQ(values.points[3], CPoint(20, 20));
}

TEST_F(PropertyDialogsWindowTest, ThePhotoDialogPreviewsCorrectionsAndPutsThemBackOnCancel)
{
    int adjust[5] = {0, 0, 0, 0, 0};
    CString comment = "表紙";
    int previews = 0;
    CDrawPropPhotoDlg dialog(nullptr, "/nowhere/photo.jpg", 80, 40,
                             {&adjust[0], &adjust[1], &adjust[2], &adjust[3], &adjust[4]}, &comment, true,
                             false);
    dialog.SetPreview([&] { ++previews; });
    dialog.CallAfter([&] {
        dialog.State().MoveBar(0, 300);
        WxTestEnvironment::PumpUntil([&] { return previews > 0; }, 3000);
        dialog.Cancel();
    });
    EXPECT_EQ(dialog.ShowModal(), wxID_CANCEL);
    EXPECT_EQ(previews, 1);
    EXPECT_EQ(adjust[0], 0);
    EXPECT_EQ(comment, "表紙");
    EXPECT_FALSE(dialog.IsEditRequested());
}

} // namespace
