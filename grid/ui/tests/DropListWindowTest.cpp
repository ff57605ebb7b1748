// A drop-list cell chosen by a user's keys and clicks.
#include "grid/CellRecord.h"
#include "grid/ui/CellGrid.h"
#include "grid/ui/DropListBox.h"
#include "grid/ui/GridCellArea.h"
#include "grid/ui/testing/GridInput.h"
#include "platform/ui/WxText.h"
#include "platform/ui/testing/UserInput.h"
#include "platform/ui/testing/WxTestEnvironment.h"

#include <gtest/gtest.h>
#include <wx/frame.h>

namespace {

constexpr int kColumn = 1;
constexpr int kRow = 2;

class DropListInput : public ::testing::Test
{
  protected:
    void SetUp() override
    {
        WxTestEnvironment::Ensure();
        frame = new wxFrame(nullptr, wxID_ANY, "drop list", wxPoint(0, 0), wxSize(600, 500));
        grid = new CCellGrid();
        ASSERT_TRUE(grid->CreateGridWindow(0, wxRect(wxPoint(0, 0), frame->GetClientSize()), frame, 100));
        grid->SetColCount(4);
        grid->SetRowCount(30);
        frame->Show();
        ASSERT_TRUE(UserInput::Activate(*frame));
    }
    void TearDown() override
    {
        frame->Destroy();
        WxTestEnvironment::PumpFor(50);
    }

    // Makes the cell a drop list of count choices "選択1", "選択2" ...
    void MakeChoices(int count)
    {
        CString label;
        for (int i = 1; i <= count; ++i) {
            CString line;
            line.Format("選択%d\n", i);
            label += line;
        }
        MakeDropList(label, CString());
    }
    void MakeDropList(const CString& label, const CString& value)
    {
        CCellRecord record;
        record.SetTypeIndex(CellTypeIndex::DropList);
        record.SetLabelString(label);
        record.SetTextValue(value);
        grid->WriteCell(kColumn, kRow, record);
    }
    // Clicks the cell and opens its list with Space.
    CDropListBox& Open()
    {
        GridInput::Click(*grid, kColumn, kRow);
        UserInput::Press(' ');
        CDropListBox& list = *grid->DropList();
        WxTestEnvironment::PumpUntil([&] { return list.IsListOpen() && list.IsShownOnScreen(); });
        UserInput::Settle();
        return list;
    }
    CString Stored()
    {
        CCellRecord record;
        grid->ReadCell(kColumn, kRow, record);
        return record.GetText();
    }
    // Whether the list's client area holds the whole of line index.
    static bool ShowsLine(CDropListBox& list, int index)
    {
        const int top = list.GetTopItem();
        const int perPage = list.GetCountPerPage();
        return top >= 0 && index >= top && index < top + perPage;
    }

    wxFrame* frame = nullptr;
    CCellGrid* grid = nullptr;
};

} // namespace

TEST_F(DropListInput, EnterChoosesTheLineTheArrowKeysReached)
{
    MakeChoices(3);
    CDropListBox& list = Open();
    ASSERT_TRUE(list.IsListOpen());
    // The list opens on its first line.
    UserInput::Press(WXK_DOWN);
    UserInput::Press(WXK_RETURN);
    EXPECT_TRUE(WxTestEnvironment::PumpUntil([&] { return !list.IsListOpen(); }));
    EXPECT_EQ(Stored(), CString("選択2"));
    EXPECT_TRUE(grid->CellArea()->HasFocus()) << "the focus went back to the cells";

    // Esc closes without a choice.
    Open();
    UserInput::Press(WXK_DOWN);
    UserInput::Press(WXK_ESCAPE);
    EXPECT_TRUE(WxTestEnvironment::PumpUntil([&] { return !list.IsListOpen(); }));
    EXPECT_EQ(Stored(), CString("選択2"));
}

TEST_F(DropListInput, TheListOpensOnTheCellsValue)
{
    MakeDropList("A\nB\nC\n★\n", "★");
    CDropListBox& list = Open();
    ASSERT_TRUE(list.IsListOpen());
    EXPECT_EQ(list.GetSelection(), 3);
    // Enter keeps the value, the arrows go on from it.
    UserInput::Press(WXK_RETURN);
    EXPECT_TRUE(WxTestEnvironment::PumpUntil([&] { return !list.IsListOpen(); }));
    EXPECT_EQ(Stored(), CString("★"));
    Open();
    UserInput::Press(WXK_UP);
    UserInput::Press(WXK_RETURN);
    EXPECT_TRUE(WxTestEnvironment::PumpUntil([&] { return !list.IsListOpen(); }));
    EXPECT_EQ(Stored(), CString("C"));

    // Far down a long list, the value's line is in view.
    CString label;
    for (int i = 1; i <= 40; ++i) {
        CString line;
        line.Format("選択%d\n", i);
        label += line;
    }
    MakeDropList(label, "選択35");
    Open();
    ASSERT_TRUE(list.IsListOpen());
    EXPECT_EQ(list.GetSelection(), 34);
    EXPECT_TRUE(WxTestEnvironment::PumpUntil([&] { return ShowsLine(list, 34); }))
        << "the value's line is hidden";
    UserInput::Press(WXK_DOWN);
    UserInput::Press(WXK_RETURN);
    EXPECT_TRUE(WxTestEnvironment::PumpUntil([&] { return !list.IsListOpen(); }));
    EXPECT_EQ(Stored(), CString("選択36"));
}

TEST_F(DropListInput, EveryChoiceShowsAndTheLastOfManyIsReachedByKeys)
{
    MakeChoices(4);
    CDropListBox& list = Open();
    ASSERT_TRUE(list.IsListOpen());
    for (int index = 0; index < 4; ++index) {
        EXPECT_TRUE(ShowsLine(list, index)) << "line " << index << " is hidden";
    }
    UserInput::Press(WXK_ESCAPE);
    WxTestEnvironment::PumpUntil([&] { return !list.IsListOpen(); });

    // More choices than the list shows at once: it scrolls to the last.
    MakeChoices(25);
    Open();
    ASSERT_TRUE(list.IsListOpen());
    EXPECT_GE(list.GetCountPerPage(), 15);
    UserInput::Press(WXK_END);
    UserInput::Press(WXK_RETURN);
    EXPECT_TRUE(WxTestEnvironment::PumpUntil([&] { return !list.IsListOpen(); }));
    EXPECT_EQ(Stored(), CString("選択25"));
}

TEST_F(DropListInput, ADoubleClickOnALineChoosesIt)
{
    MakeChoices(5);
    CDropListBox& list = Open();
    ASSERT_TRUE(list.IsListOpen());
    ASSERT_TRUE(ShowsLine(list, 3));
    const int lineHeight = list.GetClientSize().y / list.GetCountPerPage();
    UserInput::DoubleClick(list, wxPoint(20, lineHeight * 3 + lineHeight / 2));
    EXPECT_TRUE(WxTestEnvironment::PumpUntil([&] { return !list.IsListOpen(); }));
    EXPECT_EQ(Stored(), CString("選択4"));
}
