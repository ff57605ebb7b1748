// Editing the self-contained grid as a real window under the virtual display.
#include "grid/CellRecord.h"
#include "grid/ui/CellEdit.h"
#include "grid/ui/CellGrid.h"
#include "grid/ui/GridCellArea.h"
#include "grid/ui/GridChars.h"
#include "grid/ui/GridDropTarget.h"
#include "grid/ui/GridFindDialog.h"
#include "grid/ui/MaskedCellEdit.h"
#include "grid/ui/tests/support/GridDemoSheet.h"
#include "platform/MessageBox.h"
#include "platform/ui/WxText.h"
#include "platform/ui/testing/WxTestEnvironment.h"

#include <gtest/gtest.h>
#include <wx/button.h>
#include <wx/dialog.h>
#include <wx/frame.h>
#include <wx/timer.h>

namespace {

// A plain grid whose owner can refuse to finish an edit.
class OwnedGrid : public CCellGrid
{
  public:
    int OnEditFinish(int, int, CGridEditWindow*, CString&, int cancelled) override
    {
        ++finishes;
        return cancelled || !refuse;
    }
    int OnDragOver(COleDataObject*, int column, int row) override
    {
        dragColumn = column;
        dragRow = row;
        return 1;
    }
    bool refuse = false;
    int finishes = 0;
    int dragColumn = -2;
    int dragRow = -2;
};

class GridEditing : public ::testing::Test
{
  protected:
    void SetUp() override
    {
        WxTestEnvironment::Ensure();
        frame = new wxFrame(nullptr, wxID_ANY, "grid", wxPoint(0, 0), wxSize(800, 500));
        grid = new OwnedGrid();
        ASSERT_TRUE(grid->CreateGridWindow(0, wxRect(wxPoint(0, 0), frame->GetClientSize()), frame, 100));
        CGridDemoSheet::Fill(*grid);
        frame->Show();
        WxTestEnvironment::PumpUntil([this] { return grid->CellArea()->IsShownOnScreen(); });
        WxTestEnvironment::PumpFor(100);
        previous = SetMessageBoxHandler([this](const CString& text, const CString&, unsigned) {
            boxes.push_back(text);
            return IDOK;
        });
    }
    void TearDown() override
    {
        SetMessageBoxHandler(previous);
        frame->Destroy();
        WxTestEnvironment::PumpFor(50);
    }

    void TypeIntoGrid(wxChar character)
    {
        wxKeyEvent event(wxEVT_CHAR);
        event.m_uniChar = character;
        event.m_keyCode = character < 0x80 ? character : 0;
        grid->CellArea()->HandleChar(event);
    }
    void TypeIntoEdit(CCellEditBase& edit, wxChar character)
    {
        wxKeyEvent event(wxEVT_CHAR);
        event.m_uniChar = character;
        event.m_keyCode = character < 0x80 ? character : 0;
        edit.HandleChar(event);
    }
    void PressInEdit(CCellEditBase& edit, int key)
    {
        wxKeyEvent event(wxEVT_KEY_DOWN);
        event.m_keyCode = key;
        edit.HandleKeyDown(event);
    }
    CString Stored(int column, int row)
    {
        CCellRecord record;
        grid->CurrentSheet()->memoryDataSource.GetCell(column, row, record);
        return record.GetText();
    }

    wxFrame* frame = nullptr;
    OwnedGrid* grid = nullptr;
    std::vector<CString> boxes;
    MessageBoxHandler previous;
};

} // namespace

TEST_F(GridEditing, TypingEditsTheCellAndEnterStoresIt)
{
    grid->MoveToCell(0, 15);
    TypeIntoGrid('a');
    ASSERT_TRUE(grid->IsEditing());
    ASSERT_TRUE(grid->DefaultEdit()->IsShown());
    TypeIntoEdit(*grid->DefaultEdit(), 'b');
    EXPECT_EQ(grid->DefaultEdit()->GetText(), CString("ab"));
    PressInEdit(*grid->DefaultEdit(), WXK_RETURN);
    EXPECT_FALSE(grid->IsEditing());
    EXPECT_FALSE(grid->DefaultEdit()->IsShown());
    EXPECT_EQ(Stored(0, 15), CString("ab"));
    EXPECT_EQ(grid->CurrentColumn(), 1) << "Enter steps one column to the right";
    EXPECT_EQ(grid->CurrentRow(), 15);
}

TEST_F(GridEditing, InputMethodTextStartsAnEditAsTypingDoes)
{
    grid->MoveToCell(2, 16);
    // An input method commits its characters one after the other.
    TypeIntoGrid(wxChar(0x65E5));
    TypeIntoGrid(wxChar(0x672C));
    ASSERT_TRUE(grid->IsEditing());
    EXPECT_EQ(grid->DefaultEdit()->GetText(), CString("日本"));
    PressInEdit(*grid->DefaultEdit(), WXK_ESCAPE);
    EXPECT_FALSE(grid->IsEditing());
    EXPECT_EQ(Stored(2, 16), CString()) << "Esc stores nothing";
}

TEST_F(GridEditing, MaskedEditTypesTheFixedParenthesisFirst)
{
    CCellRecord record;
    grid->ReadCell(3, 20, record);
    record.SetEditMask("(000)");
    grid->WriteCell(3, 20, record);
    grid->MoveToCell(3, 20);
    TypeIntoGrid('1');
    ASSERT_TRUE(grid->MaskedEdit()->IsShown());
    EXPECT_EQ(grid->MaskedEdit()->GetText(), CString("(1"));
    TypeIntoEdit(*grid->MaskedEdit(), 'x');
    EXPECT_EQ(grid->MaskedEdit()->GetText(), CString("(1")) << "a letter at a digit position";
    grid->MaskedEdit()->PasteText("2a3b4");
    EXPECT_EQ(grid->MaskedEdit()->GetText(), CString("(123)"));
    PressInEdit(*grid->MaskedEdit(), WXK_TAB);
    EXPECT_EQ(Stored(3, 20), CString("(123)"));
}

TEST_F(GridEditing, DefaultEditGrowsCellByCellWithinTheArea)
{
    grid->MoveToCell(0, 18);
    TypeIntoGrid('W');
    CCellEdit& edit = *grid->DefaultEdit();
    const int start = edit.GetRect().GetRight();
    for (int i = 0; i < 20; ++i) {
        TypeIntoEdit(edit, 'W');
    }
    edit.Grow();
    const wxRect grown = edit.GetRect();
    EXPECT_GT(grown.GetRight(), start);
    EXPECT_EQ((grown.GetRight() + 2) % 75, 0) << "the edit ends on a cell boundary";
    EXPECT_LE(grown.GetRight(), grid->CurrentSheet()->areaWidth);
    PressInEdit(edit, WXK_ESCAPE);
}

TEST_F(GridEditing, RefusedEditTakesTheFocusBackOnlyAfterTheOwnersBoxCloses)
{
    grid->MoveToCell(0, 19);
    TypeIntoGrid('x');
    CCellEdit& edit = *grid->DefaultEdit();
    grid->refuse = true;
    PressInEdit(edit, WXK_RETURN);
    EXPECT_TRUE(grid->IsEditing()) << "the owner refused";
    EXPECT_TRUE(edit.IsShown());

    // The focus leaves for the owner's modal box, and the owner refuses again.
    wxDialog box(frame, wxID_ANY, "box");
    auto* button = new wxButton(&box, wxID_OK, "OK");
    bool focusMoved = false;
    bool waitedWhileOpen = false;
    bool tookFocusWhileOpen = false;
    wxTimer check;
    check.Bind(wxEVT_TIMER, [&](wxTimerEvent&) {
        waitedWhileOpen = edit.IsWaitingForFocus();
        tookFocusWhileOpen = wxWindow::FindFocus() == &edit;
        box.EndModal(wxID_OK);
    });
    box.CallAfter([&] {
        button->SetFocus();
        WxTestEnvironment::PumpFor(50);
        focusMoved = wxWindow::FindFocus() == button;
        wxFocusEvent lost(wxEVT_KILL_FOCUS, edit.GetId());
        lost.SetEventObject(&edit);
        lost.SetWindow(&box);
        edit.GetEventHandler()->ProcessEvent(lost);
        check.StartOnce(300);
    });
    box.ShowModal();
    if (!focusMoved) {
        GTEST_SKIP() << "the virtual display gave the box no focus";
    }
    EXPECT_TRUE(waitedWhileOpen);
    EXPECT_FALSE(tookFocusWhileOpen);
    WxTestEnvironment::PumpUntil([&] { return !edit.IsWaitingForFocus(); }, 1000);
    EXPECT_FALSE(edit.IsWaitingForFocus()) << "the focus came back once the box had gone";
    grid->refuse = false;
    PressInEdit(edit, WXK_ESCAPE);
    EXPECT_FALSE(grid->IsEditing());
}

TEST_F(GridEditing, FindDialogMovesToTheFoundCell)
{
    // Down the current column, as the find dialog searches by default.
    grid->MoveToCell(5, 0);
    auto* dialog = new CGridFindDialog(*grid, frame, "検索");
    dialog->Data().SetFindString(ToWx(CString("短い")));
    dialog->Request(wxEVT_FIND_NEXT, wxFR_DOWN);
    EXPECT_EQ(grid->CurrentColumn(), 5);
    EXPECT_EQ(grid->CurrentRow(), 3);
    dialog->Data().SetFindString("no such text");
    dialog->Request(wxEVT_FIND_NEXT, wxFR_DOWN);
    ASSERT_EQ(boxes.size(), 1u);
    EXPECT_EQ(boxes[0], CString("Item not found"));
    EXPECT_EQ(grid->CurrentRow(), 3);
    dialog->Destroy();
}

TEST_F(GridEditing, TabAndUpEndTheEditWithAMove)
{
    grid->MoveToCell(3, 20);
    TypeIntoGrid('7');
    PressInEdit(*grid->DefaultEdit(), WXK_TAB);
    EXPECT_EQ(Stored(3, 20), CString("7"));
    EXPECT_EQ(grid->CurrentColumn(), 4);
    TypeIntoGrid('8');
    PressInEdit(*grid->DefaultEdit(), WXK_UP);
    EXPECT_EQ(Stored(4, 20), CString("8"));
    EXPECT_EQ(grid->CurrentRow(), 19);
    EXPECT_EQ(grid->CurrentColumn(), 4);
}

TEST_F(GridEditing, CtrlEnterBreaksLinesOnlyInMultiLineCells)
{
    CCellRecord record;
    grid->ReadCell(2, 21, record);
    record.SetTypeStyle(kCellStyleMultiLine);
    grid->WriteCell(2, 21, record);
    grid->MoveToCell(2, 21);
    TypeIntoGrid('a');
    wxKeyEvent enter(wxEVT_KEY_DOWN);
    enter.m_keyCode = WXK_RETURN;
    enter.m_controlDown = true;
    grid->DefaultEdit()->HandleKeyDown(enter);
    TypeIntoEdit(*grid->DefaultEdit(), 'b');
    EXPECT_TRUE(grid->IsEditing());
    EXPECT_EQ(grid->DefaultEdit()->GetText(), CString("a\nb"));
    PressInEdit(*grid->DefaultEdit(), WXK_ESCAPE);

    grid->MoveToCell(3, 21);
    TypeIntoGrid('a');
    grid->DefaultEdit()->HandleKeyDown(enter);
    EXPECT_EQ(grid->DefaultEdit()->GetText(), CString("a"));
    PressInEdit(*grid->DefaultEdit(), WXK_ESCAPE);
}

TEST_F(GridEditing, ReadOnlyCellOpensNoEdit)
{
    CCellRecord record;
    grid->ReadCell(4, 22, record);
    record.SetReadOnly(1);
    grid->WriteCell(4, 22, record);
    EXPECT_EQ(grid->BeginEditAt(4, 22, 'a'), 1);
    EXPECT_FALSE(grid->DefaultEdit()->IsShown());
}

TEST_F(GridEditing, ClickingACheckBoxTogglesIt)
{
    CRect cell;
    grid->GetCellRect(8, 1, cell);
    wxWindow& area = *grid->CellArea();
    for (wxEventType type : {wxEVT_LEFT_DOWN, wxEVT_LEFT_UP}) {
        wxMouseEvent event(type);
        event.SetEventObject(&area);
        event.m_x = cell.left + 9;
        event.m_y = cell.top + 10;
        area.GetEventHandler()->ProcessEvent(event);
    }
    CCellRecord record;
    grid->ReadCell(8, 1, record);
    EXPECT_EQ(static_cast<int>(record.GetNumberValue()), 0) << "the box of row 1 was on";
    EXPECT_FALSE(grid->IsEditing());
}

TEST_F(GridEditing, DragRestingNearTheLeftEdgeScrollsAndFindsTheCell)
{
    grid->EnableDragDrop(1);
    auto* target = static_cast<CGridDropTarget*>(grid->CellArea()->GetDropTarget());
    ASSERT_NE(target, nullptr);
    grid->ScrollToLeftCol(2);
    EXPECT_EQ(target->OnEnter(300, 100, wxDragCopy), wxDragNone) << "the default owner takes nothing";
    EXPECT_EQ(target->OnDragOver(300, 100, wxDragCopy), wxDragCopy);
    EXPECT_EQ(grid->dragColumn, 6);
    EXPECT_EQ(grid->dragRow, 5);
    target->OnDragOver(5, 100, wxDragCopy);
    EXPECT_EQ(grid->FirstVisibleColumn(), 1);
    target->OnDragOver(5, 5, wxDragCopy);
    EXPECT_EQ(grid->FirstVisibleColumn(), 0) << "in a corner only the columns scroll";
    EXPECT_EQ(grid->FirstVisibleRow(), 0);
    target->OnLeave();
    grid->EnableDragDrop(0);
    EXPECT_EQ(grid->CellArea()->GetDropTarget(), nullptr);
}
