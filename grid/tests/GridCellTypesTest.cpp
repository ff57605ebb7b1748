// The check box, drop-list and arrow cell types.
#include "grid/ArrowCellType.h"
#include "grid/CellRecord.h"
#include "grid/CheckCellType.h"
#include "grid/DropListCellType.h"
#include "grid/GridDropListWindow.h"
#include "platform/SystemColors.h"
#include "platform/VirtualKeys.h"
#include "platform/canvas/Canvas.h"
#include "support/FakeGrid.h"

#include <gtest/gtest.h>

namespace {

// A pop-down list that shows nothing but remembers what it was asked.
class FakeDropList : public CGridDropListWindow
{
  public:
    bool OpenList(CDropListCellType& type, const CRect& rect, const LogFont*, const CStringArray& choices,
                  int line) override
    {
        opened = &type;
        placed = rect;
        current = line;
        shown.RemoveAll();
        for (int i = 0; i < choices.GetSize(); ++i) {
            shown.Add(choices[i]);
        }
        open = true;
        return true;
    }
    void CloseList() override { open = false; }
    bool IsListOpen() const override { return open; }
    int GetLineHeight(const LogFont*) override { return lineHeight; }

    CDropListCellType* opened = nullptr;
    CRect placed;
    int current = -1;
    CStringArray shown;
    bool open = false;
    int lineHeight = 0;
};

class ListHost : public FakeHost
{
  public:
    CGridDropListWindow* GetDropList() override { return &list; }
    FakeDropList list;
};

// A grid with the fake list whose owner answers the cell types' notifications.
class TypedGrid : public RecordingGrid
{
  public:
    TypedGrid() : RecordingGrid(6, 30)
    {
        SetHost(&listHost);
        listHost.client = host.client;
        LayoutParts();
    }

    int OnCellTypeNotify(int type, int column, int row, int code, std::intptr_t parameter) override
    {
        notices.push_back(code);
        if (code == CDropListCellType::kChosen) {
            chosenLine = static_cast<int>(parameter);
        }
        if (code == CDropListCellType::kOpening && addChoice) {
            reinterpret_cast<CStringArray*>(parameter)->Add("追加");
        }
        (void)type;
        (void)column;
        (void)row;
        return code == CDropListCellType::kStoring ? allowStore : 1;
    }

    void MakeCheckBox(int column, int row, std::uint32_t style, int state, bool readOnly = false)
    {
        CCellRecord record;
        record.SetTypeIndex(CellTypeIndex::CheckBox);
        record.SetTypeStyle(style);
        record.SetNumberValue(state);
        if (readOnly) {
            record.SetReadOnly(1);
        }
        WriteCell(column, row, record);
    }
    int State(int column, int row)
    {
        CCellRecord record;
        ReadCell(column, row, record);
        return static_cast<int>(record.GetNumberValue());
    }
    CCellType& Type(int index) { return *GetCellType(index); }
    // A drop-list cell with the choices of a label string, made current.
    void MakeDropList(int column, int row, const char* label)
    {
        CCellRecord record;
        record.SetTypeIndex(CellTypeIndex::DropList);
        record.SetLabelString(label);
        WriteCell(column, row, record);
        MoveToCell(column, row);
    }
    // Press and release in the middle of the check box of a cell.
    void ClickBox(int column, int row)
    {
        CRect cell;
        GetCellRect(column, row, cell);
        CCellRecord record;
        ReadCellForDisplay(column, row, record);
        const CRect box = CCheckCellType::BoxRect(cell, record);
        const CPoint middle(box.left + box.Width() / 2, box.top + box.Height() / 2);
        Type(CellTypeIndex::CheckBox).OnLButton(column, row, 1, cell, middle);
        Type(CellTypeIndex::CheckBox).OnLButton(column, row, 0, cell, middle);
    }

    ListHost listHost;
    std::vector<int> notices;
    int chosenLine = -1;
    int allowStore = 1;
    bool addChoice = false;
};

} // namespace

TEST(CheckCellType, ThreeStatesCycleAndTwoStatesAlternate)
{
    TypedGrid grid;
    grid.MakeCheckBox(1, 1, CheckStyle::ThreeStates, 0);
    grid.MakeCheckBox(2, 1, 0, 0);
    grid.MoveToCell(1, 1);
    std::vector<int> states;
    for (int i = 0; i < 4; ++i) {
        grid.ClickBox(1, 1);
        states.push_back(grid.State(1, 1));
    }
    EXPECT_EQ(states, (std::vector<int>{1, 2, 0, 1}));
    grid.MoveToCell(2, 1);
    unsigned int space = ' ';
    EXPECT_EQ(grid.Type(CellTypeIndex::CheckBox).OnChar(2, 1, &space), 1);
    EXPECT_EQ(grid.State(2, 1), 1);
    // An input method in kana mode types Space full-width.
    unsigned int fullWidthSpace = 0x8140;
    grid.Type(CellTypeIndex::CheckBox).OnChar(2, 1, &fullWidthSpace);
    EXPECT_EQ(grid.State(2, 1), 0);
    EXPECT_EQ(grid.notices.back(), CCheckCellType::kToggled);
}

TEST(CheckCellType, DoubleClickDoesNotToggle)
{
    TypedGrid grid;
    grid.MakeCheckBox(1, 1, 0, 0);
    grid.MoveToCell(1, 1);
    grid.ClickBox(1, 1);
    CRect cell;
    grid.GetCellRect(1, 1, cell);
    CCellRecord record;
    grid.ReadCellForDisplay(1, 1, record);
    const CRect box = CCheckCellType::BoxRect(cell, record);
    EXPECT_EQ(grid.Type(CellTypeIndex::CheckBox).OnDblClick(1, 1, cell, box.TopLeft()), 0);
    EXPECT_EQ(grid.State(1, 1), 1) << "the click toggled it once, the double click not again";
}

TEST(CheckCellType, ReadOnlyBoxAndOtherCellsNeverChange)
{
    TypedGrid grid;
    grid.MakeCheckBox(1, 1, CheckStyle::ThreeStates, 1, true);
    grid.MakeCheckBox(2, 2, 0, 0);
    grid.MoveToCell(1, 1);
    grid.ClickBox(1, 1);
    unsigned int space = ' ';
    EXPECT_EQ(grid.Type(CellTypeIndex::CheckBox).OnChar(1, 1, &space), 0);
    EXPECT_EQ(grid.State(1, 1), 1);
    // A click on a box that is not current does nothing.
    grid.ClickBox(2, 2);
    EXPECT_EQ(grid.State(2, 2), 0);
    EXPECT_TRUE(grid.notices.empty());
}

TEST(CheckCellType, IsNeverEdited)
{
    TypedGrid grid;
    grid.MakeCheckBox(1, 1, 0, 0);
    EXPECT_EQ(grid.BeginEditAt(1, 1, 0), 1);
}

TEST(DropListCellType, OnlyLinesEndedByALineFeedAreChoices)
{
    EXPECT_EQ(CDropListCellType::ParseChoices("赤\n青\n黄\n").GetSize(), 3);
    const CStringArray cut = CDropListCellType::ParseChoices("赤\n青\n黄");
    ASSERT_EQ(cut.GetSize(), 2);
    EXPECT_EQ(cut[1], CString("青"));
    EXPECT_EQ(CDropListCellType::ParseChoices("").GetSize(), 0);
}

TEST(DropListCellType, TwentyChoicesShowSixteenRows)
{
    const CRect cell(100, 40, 175, 60);
    const CRect many = CDropListCellType::ListRect(cell, 20, 4, 12, 6, CSize(1000, 1000));
    EXPECT_EQ(many.Height(), 16 * 12 + 2);
    EXPECT_EQ(many.TopLeft(), CPoint(110, 60));
    const CRect few = CDropListCellType::ListRect(cell, 3, 4, 12, 6, CSize(1000, 1000));
    EXPECT_EQ(few.Height(), 4 * 12 + 2);
    EXPECT_EQ(few.Width(), 75);
    // A long choice widens the list; near the area's corner it moves up and left.
    const CRect wide = CDropListCellType::ListRect(cell, 3, 30, 12, 6, CSize(250, 80));
    EXPECT_EQ(wide.Width(), 30 * 6 + 22);
    EXPECT_EQ(wide.right, 250);
    EXPECT_EQ(wide.bottom, 80);
    EXPECT_GE(wide.left, 0);
    // A zero width or height never collapses the list.
    EXPECT_GT(CDropListCellType::ListRect(cell, 3, 4, 0, 0, CSize(1000, 1000)).Height(), 0);
}

TEST(DropListCellType, SpaceOpensTheListWithTheLabelsChoices)
{
    TypedGrid grid;
    grid.MakeDropList(2, 3, "赤\n青\n黄\n");
    grid.addChoice = true;
    unsigned int space = ' ';
    EXPECT_EQ(grid.Type(CellTypeIndex::DropList).OnChar(2, 3, &space), 1);
    ASSERT_TRUE(grid.listHost.list.open);
    EXPECT_EQ(grid.listHost.list.shown.GetSize(), 4) << "the owner may add to the choices";
    EXPECT_EQ(grid.notices.front(), CDropListCellType::kOpening);
    EXPECT_EQ(grid.listHost.list.current, -1) << "an empty cell names no line";

    // A cell's value opens the list on its line, a value that is no choice on none.
    for (const auto& [text, line] : {std::pair{"黄", 2}, std::pair{"追加", 3}, std::pair{"黄色", -1}}) {
        CCellRecord record;
        grid.ReadCell(2, 3, record);
        record.SetTextValue(text);
        grid.WriteCell(2, 3, record);
        grid.listHost.list.open = false;
        grid.Type(CellTypeIndex::DropList).OnChar(2, 3, &space);
        ASSERT_TRUE(grid.listHost.list.open);
        EXPECT_EQ(grid.listHost.list.current, line) << text;
    }

    // An input method in kana mode turns Space into a full-width space.
    grid.listHost.list.open = false;
    unsigned int fullWidthSpace = 0x8140;
    EXPECT_EQ(grid.Type(CellTypeIndex::DropList).OnChar(2, 3, &fullWidthSpace), 1);
    EXPECT_TRUE(grid.listHost.list.open);
}

TEST(DropListCellType, ListLinesTallerThanTheFontMakeTheListTaller)
{
    TypedGrid grid;
    grid.MakeDropList(2, 3, "A\nB\nC\n★\n");
    unsigned int space = ' ';
    // Lines no taller than the font: the font's height counts.
    grid.listHost.list.lineHeight = 5;
    grid.Type(CellTypeIndex::DropList).OnChar(2, 3, &space);
    ASSERT_TRUE(grid.listHost.list.open);
    EXPECT_EQ(grid.listHost.list.placed.Height(), 5 * 12 + 2);

    // The list's own lines are 21 pixels: all four choices and a line to spare show.
    grid.listHost.list.open = false;
    grid.listHost.list.lineHeight = 21;
    grid.Type(CellTypeIndex::DropList).OnChar(2, 3, &space);
    ASSERT_TRUE(grid.listHost.list.open);
    EXPECT_EQ(grid.listHost.list.placed.Height(), 5 * 21 + 2);
}

TEST(DropListCellType, ChosenLineIsStoredUnlessTheOwnerRefuses)
{
    TypedGrid grid;
    grid.MakeDropList(2, 3, "赤\n青\n黄\n");
    auto& type = static_cast<CDropListCellType&>(grid.Type(CellTypeIndex::DropList));
    unsigned int space = ' ';
    type.OnChar(2, 3, &space);
    grid.allowStore = 0;
    type.Choose(1, "青");
    EXPECT_EQ(grid.GetCellText(2, 3), CString());
    EXPECT_EQ(grid.chosenLine, 1) << "the choice was still reported";

    grid.listHost.list.open = false;
    type.OnChar(2, 3, &space);
    grid.allowStore = 1;
    type.Choose(2, "黄");
    EXPECT_EQ(grid.GetCellText(2, 3), CString("黄"));
}

TEST(DropListCellType, ButtonOfTheOpenListsCellClosesIt)
{
    TypedGrid grid;
    CCellRecord record;
    record.SetTypeIndex(CellTypeIndex::DropList);
    record.SetLabelString("赤\n青\n");
    grid.WriteCell(1, 1, record);
    auto& type = static_cast<CDropListCellType&>(grid.Type(CellTypeIndex::DropList));
    CRect cell;
    grid.GetCellRect(1, 1, cell);
    const CPoint button(cell.right - 3, cell.top + 5);
    EXPECT_EQ(type.OnLButton(1, 1, 1, cell, button), 1);
    EXPECT_TRUE(grid.listHost.list.open);
    type.OnLButton(1, 1, 0, cell, button);
    // The press that takes the focus from the list closes it without a choice.
    grid.listHost.list.open = false;
    type.ListClosed(false, true);
    EXPECT_EQ(type.OnLButton(1, 1, 1, cell, button), 0);
    EXPECT_FALSE(grid.listHost.list.open);
    EXPECT_EQ(grid.GetCellText(1, 1), CString());
    // A later press opens it again.
    EXPECT_EQ(type.OnLButton(1, 1, 1, cell, button), 1);
    EXPECT_TRUE(grid.listHost.list.open);
}

TEST(DropListCellType, EditLeavesTheButtonFree)
{
    CDropListCellType type;
    CRect rect(0, 0, 100, 20);
    type.AdjustEditRect(rect);
    EXPECT_EQ(rect.right, 100 - type.ButtonWidth() - 1);
}

TEST(ArrowCellType, RightArrowGlyph)
{
    TypedGrid grid;
    CCellRecord record;
    record.SetTypeIndex(CellTypeIndex::Arrow);
    grid.WriteCell(0, 1, record);
    Bitmap bitmap;
    bitmap.Create(75, 20, 32);
    Canvas dc(bitmap);
    grid.Type(CellTypeIndex::Arrow).Draw(dc, CRect(0, 0, 75, 20), 0, 1, record, 0, 0);
    // Inner rectangle 74 x 19: the centre is (37, 9); the bar runs at x 36 from y 6 to 12.
    const auto black = [&](int x, int y) { return (bitmap.GetPixel(x, y) & 0xFFFFFF) == 0; };
    for (int y = 6; y <= 12; ++y) {
        EXPECT_TRUE(black(36, y)) << y;
    }
    EXPECT_FALSE(black(36, 13));
    EXPECT_TRUE(black(39, 9)) << "the tip";
    EXPECT_FALSE(black(40, 9));
    EXPECT_FALSE(black(35, 9));
}

namespace {

COLORREF PixelAt(const Bitmap& bitmap, int x, int y)
{
    const Bitmap::Pixel pixel = bitmap.GetPixel(x, y);
    return RGB((pixel >> 16) & 0xFF, (pixel >> 8) & 0xFF, pixel & 0xFF);
}

Bitmap DrawCell(TypedGrid& grid, int column, int row, int current)
{
    Bitmap bitmap;
    bitmap.Create(75, 20, 32);
    Canvas dc(bitmap);
    CCellRecord record;
    grid.ReadCellForDisplay(column, row, record);
    grid.GetCellType(record.GetTypeIndex())->Draw(dc, CRect(0, 0, 75, 20), column, row, record, 0, current);
    return bitmap;
}

} // namespace

TEST(CheckCellType, FlatBoxFrameAndCross)
{
    TypedGrid grid;
    grid.MakeCheckBox(0, 1, 0, 1);
    const Bitmap cell = DrawCell(grid, 0, 1, 0);
    // A 12-pixel box at (3, 4): black frame, white inside, a cross through the middle.
    const COLORREF black = RGB(0, 0, 0);
    EXPECT_EQ(PixelAt(cell, 3, 4), black);
    EXPECT_EQ(PixelAt(cell, 14, 15), black);
    EXPECT_EQ(PixelAt(cell, 8, 4), black);
    EXPECT_EQ(PixelAt(cell, 2, 4), RGB(255, 255, 255)) << "outside the box";
    EXPECT_EQ(PixelAt(cell, 4, 5), black) << "the cross starts in the inside's top-left corner";
    EXPECT_EQ(PixelAt(cell, 8, 6), RGB(255, 255, 255)) << "between the strokes";
    grid.MakeCheckBox(0, 1, 0, 0);
    EXPECT_EQ(PixelAt(DrawCell(grid, 0, 1, 0), 4, 5), RGB(255, 255, 255)) << "no mark when off";
}

TEST(CheckCellType, ThirdStateAndReadOnlyBoxesAreCheckered)
{
    TypedGrid grid;
    grid.MakeCheckBox(0, 1, CheckStyle::ThreeStates, 2);
    const Bitmap third = DrawCell(grid, 0, 1, 0);
    EXPECT_NE(PixelAt(third, 8, 6), PixelAt(third, 9, 6));
    grid.MakeCheckBox(0, 2, 0, 0, true);
    const Bitmap locked = DrawCell(grid, 0, 2, 0);
    EXPECT_NE(PixelAt(locked, 8, 6), PixelAt(locked, 9, 6));
}

TEST(DropListCellType, ButtonAndGlyph)
{
    TypedGrid grid;
    CCellRecord record;
    record.SetTypeIndex(CellTypeIndex::DropList);
    grid.WriteCell(0, 1, record);
    const Bitmap cell = DrawCell(grid, 0, 1, 0);
    auto& type = static_cast<CDropListCellType&>(grid.Type(CellTypeIndex::DropList));
    // The button takes the right of the inner rectangle (74 x 19): raised frame, face inside.
    const int left = 74 - type.ButtonWidth();
    EXPECT_EQ(PixelAt(cell, left, 5), GetSysColor(COLOR_BTNHIGHLIGHT));
    EXPECT_EQ(PixelAt(cell, 73, 5), GetSysColor(COLOR_BTNSHADOW));
    // The glyph: rows of 5, 3 and 1 black pixels.
    const int x = left + (type.ButtonWidth() - 5) / 2;
    const int y = (19 - 3) / 2;
    for (int i = 0; i < 5; ++i) {
        EXPECT_EQ(PixelAt(cell, x + i, y), RGB(0, 0, 0)) << i;
    }
    EXPECT_EQ(PixelAt(cell, x, y + 1), GetSysColor(COLOR_BTNFACE));
    EXPECT_EQ(PixelAt(cell, x + 1, y + 1), RGB(0, 0, 0));
    EXPECT_EQ(PixelAt(cell, x + 2, y + 2), RGB(0, 0, 0));
    EXPECT_EQ(PixelAt(cell, x + 2, y + 3), GetSysColor(COLOR_BTNFACE));
}

TEST(DropListCellType, ButtonOnlyOnTheCurrentCellWhenAsked)
{
    TypedGrid grid;
    CCellRecord record;
    record.SetTypeIndex(CellTypeIndex::DropList);
    record.SetTypeStyle(kDropListButtonOnCurrent);
    grid.WriteCell(0, 1, record);
    auto& type = static_cast<CDropListCellType&>(grid.Type(CellTypeIndex::DropList));
    const int inside = 74 - type.ButtonWidth() / 2;
    EXPECT_EQ(PixelAt(DrawCell(grid, 0, 1, 0), inside, 3), RGB(255, 255, 255));
    EXPECT_EQ(PixelAt(DrawCell(grid, 0, 1, 1), inside, 3), GetSysColor(COLOR_BTNFACE));
}

TEST(DropListCellType, CtrlDownOpensAndEnterIsTaken)
{
    TypedGrid grid;
    grid.MakeDropList(1, 1, "赤\n");
    auto& type = grid.Type(CellTypeIndex::DropList);
    unsigned int down = VK_DOWN;
    EXPECT_EQ(type.OnKeyDown(1, 1, &down), 0) << "Down alone moves on";
    grid.listHost.keys.insert(VK_CONTROL);
    EXPECT_EQ(type.OnKeyDown(1, 1, &down), 1);
    EXPECT_EQ(down, 0u) << "the key is used up";
    EXPECT_TRUE(grid.listHost.list.open);
    unsigned int enter = '\r';
    EXPECT_EQ(type.OnChar(1, 1, &enter), 1);
    unsigned int letter = 'a';
    EXPECT_EQ(type.OnChar(1, 1, &letter), 0);
}

TEST(ArrowCellType, IsNeverEditedAndDoubleArrowsHaveTwoBars)
{
    TypedGrid grid;
    CCellRecord record;
    record.SetTypeIndex(CellTypeIndex::Arrow);
    record.SetTypeStyle(ArrowStyle::DoubleLeft);
    grid.WriteCell(0, 1, record);
    EXPECT_EQ(grid.BeginEditAt(0, 1, 0), 1);
    const Bitmap cell = DrawCell(grid, 0, 1, 0);
    // Centre (37, 9): bars at 41 and 35, tips at 38 and 32.
    EXPECT_EQ(PixelAt(cell, 41, 6), RGB(0, 0, 0));
    EXPECT_EQ(PixelAt(cell, 35, 12), RGB(0, 0, 0));
    EXPECT_EQ(PixelAt(cell, 38, 9), RGB(0, 0, 0));
    EXPECT_EQ(PixelAt(cell, 32, 9), RGB(0, 0, 0));
    EXPECT_EQ(PixelAt(cell, 31, 9), RGB(255, 255, 255));
}
