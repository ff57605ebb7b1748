// The grid list in a dialog on the dialog base, as the program's dialogs hold their grids.
#include "foundation/GridColumnDef.h"
#include "foundation/ui/AnchorDialog.h"
#include "foundation/ui/GridList.h"
#include "grid/ui/GridCellArea.h"
#include "platform/ui/WxText.h"
#include "platform/ui/testing/UserInput.h"
#include "platform/ui/testing/WxTestEnvironment.h"

#include <gtest/gtest.h>

#include <wx/button.h>

#include <memory>

namespace {

constexpr int idGrid = 1001;

const GridColumnDef kColumns[] = {
    {"番号\v100\t", 0, 4, 10, 0, 0}, {"商品\v1\t品名", 0, 14, 9, 0, 0},  {"\t型番", 0, 10, 9, 0, 0},
    {"在庫\v100", 0, 6, 10, 0, 0},   {"確認\v100", 0, 4, 12, 2, 0x1000}, {nullptr, 0, 0, 0, 0, 0},
};

// A grid list that can swallow the presses of its windows and counts those that reach it.
class PressGrid : public CGridList
{
  public:
    bool PreTranslateMessage(wxEvent& event) override
    {
        return (swallowPresses && event.GetEventType() == wxEVT_LEFT_DOWN) ||
               CGridList::PreTranslateMessage(event);
    }
    void OnCellLButton(int, int, int down, const CRect&, CPoint, int) override { presses += down; }

    bool swallowPresses = false;
    int presses = 0;
};

class GridListDialog : public CAnchorDialog
{
  public:
    GridListDialog() : CAnchorDialog(nullptr, 998, "商品の一覧", wxSize(560, 330))
    {
        new wxWindow(this, idGrid, wxPoint(10, 10), wxSize(540, 270));
        new wxButton(this, wxID_OK, "OK", wxPoint(470, 292), wxSize(80, 28));
        grid = new PressGrid();
    }

    bool OnInitDialog() override
    {
        grid->AttachToDialogItem(this, idGrid);
        grid->SetupColumns(kColumns, 1);
        grid->SetRowCount(14);
        const char* const names[] = {"ボールペン", "ノート", "消しゴム", "定規", "ホッチキス"};
        for (int row = 0; row < 14; ++row) {
            grid->SetCellText(0, row, CString(std::to_string(row + 1)));
            grid->SetCellText(1, row, names[row % 5]);
            grid->SetCellText(2, row, CString("A-") + CString(std::to_string(100 + row * 7)));
            grid->SetCellBool(4, row, row % 3 == 0);
        }
        grid->SetSelectionMode(1);
        grid->SetCustomFocusRect(true, true);
        return true;
    }

    PressGrid* grid = nullptr;
};

// The grid list dialog with a cancel button of the id 2 after the grid, which Esc presses.
class GridListCancelDialog : public GridListDialog
{
  public:
    GridListCancelDialog()
    {
        new wxButton(this, kCancel, ToWx("取消(Esc)"), wxPoint(380, 292), wxSize(80, 28));
        SetEscapeId(kCancel);
        Bind(
            wxEVT_BUTTON, [this](wxCommandEvent&) { EndModal(kCancel); }, kCancel);
    }

    static constexpr int kCancel = 2;
};

class GridListWindowTest : public ::testing::Test
{
  protected:
    void SetUp() override
    {
        WxTestEnvironment::Ensure();
        dialog = new GridListDialog();
        dialog->InitDialog();
        dialog->Show();
        grid = dialog->grid;
        ASSERT_TRUE(WxTestEnvironment::PumpUntil([this] { return grid->CellArea()->IsShownOnScreen(); }));
    }
    void TearDown() override { dialog->Destroy(); }

    Bitmap::Pixel PixelAt(int x, int y) { return grid->CellArea()->CurrentPicture().GetPixel(x, y); }

    GridListDialog* dialog = nullptr;
    PressGrid* grid = nullptr;
};

} // namespace

TEST_F(GridListWindowTest, ShowsJoinedHeadingsInTheDialogFontWithBothFrames)
{
    EXPECT_EQ(grid->GetHeadingFont().GetLogFont().faceName, FromWx(dialog->GetFont().GetFaceName()));
    EXPECT_EQ(grid->CurrentSheet()->defaultFont, &grid->GetHeadingFont().GetLogFont());
    EXPECT_EQ(grid->GetColumnWidth(1) * 12, grid->GetColumnWidth(2) * 16) << "widths of 14 and 10 characters";

    grid->MoveToCell(1, 2);
    grid->SelectBlock(1, 2, 2, 4);
    grid->DrawRangeFrame(1, 7, 3, 8);
    EXPECT_FALSE(WxTestEnvironment::SaveScreenshot(*dialog, "grid-list-dialog").IsEmpty());
    CRect block;
    grid->GetRangeRect(1, 2, 2, 4, block);
    EXPECT_EQ(PixelAt(block.left - 2, block.top + 8), 0x000000u) << "the outer ring";

    // Without its own frame the grid's dotted one is drawn in the current cell.
    grid->SetSelectionMode(0);
    grid->SetCustomFocusRect(false, false);
    grid->MoveToCell(2, 5);
    CRect cell;
    grid->GetCellRect(2, 5, cell);
    EXPECT_NE(PixelAt(cell.left - 2, cell.top + 8), 0x000000u);
    int dark = 0;
    for (int x = cell.left; x < cell.right - 1; ++x) {
        dark += PixelAt(x, cell.top) == 0x000000u;
    }
    EXPECT_NEAR(dark, cell.Width() / 2, 2) << "every other pixel of the edge is inverted";
}

TEST_F(GridListWindowTest, PreTranslateMessageSeesThePressesOfTheCellArea)
{
    CRect cell;
    grid->GetCellRect(1, 4, cell);
    auto press = [&] {
        for (wxEventType type : {wxEVT_LEFT_DOWN, wxEVT_LEFT_UP}) {
            wxMouseEvent event(type);
            event.SetEventObject(grid->CellArea());
            event.m_x = cell.left + 5;
            event.m_y = cell.top + 5;
            grid->CellArea()->GetEventHandler()->ProcessEvent(event);
        }
    };
    press();
    EXPECT_EQ(grid->presses, 1);
    grid->swallowPresses = true;
    press();
    EXPECT_EQ(grid->presses, 1) << "a swallowed press never reaches the grid";
}

TEST(GridListEscWindowTest, EscPressesTheDialogsCancelButtonNotTheGridsPartOfTheSameId)
{
    WxTestEnvironment::Ensure();
    GridListCancelDialog dialog;
    auto stayed = std::make_shared<bool>(false);
    UserInput::AnswerNextModal(
        [&dialog, stayed](wxWindow*) { UserInput::PressToClose(dialog, WXK_ESCAPE, stayed); });
    EXPECT_EQ(dialog.DoModal(), GridListCancelDialog::kCancel);
    EXPECT_TRUE(UserInput::Finish());
    EXPECT_FALSE(*stayed) << "Esc closes the dialog";
}
