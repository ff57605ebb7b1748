// The list information dialog and a column detail dialog on screen, as the list's commands open
// them, and driven by real keys and clicks; the pictures go to the test output folder for a person
// to look at.
#include "foundation/TextFile.h"
#include "grid/GridHost.h"
#include "grid/ui/CellEdit.h"
#include "grid/ui/DropListBox.h"
#include "grid/ui/testing/GridInput.h"
#include "list/ListInfoColumns.h"
#include "list/ZantobyDoc.h"
#include "list/ui/ListInfoDlg.h"
#include "list/ui/ListInfoGrid.h"
#include "list/ui/ListInfoNumberDlg.h"
#include "platform/FileSystem.h"
#include "platform/MessageBox.h"
#include "platform/PrivateTempFolder.h"
#include "platform/TextMeasurer.h"
#include "platform/ui/WindowPlatform.h"
#include "platform/ui/WxText.h"
#include "platform/ui/testing/FakeInput.h"
#include "platform/ui/testing/ShownBoxTexts.h"
#include "platform/ui/testing/UserInput.h"
#include "platform/ui/testing/WxTestEnvironment.h"
#include "support/FakeListHost.h"
#include "support/TestPhotos.h"

#include <gtest/gtest.h>

#include <wx/button.h>
#include <wx/clipbrd.h>
#include <wx/dcclient.h>

#include <filesystem>
#include <memory>

namespace {

class ListInfoWindow : public ::testing::Test
{
  protected:
    ListInfoWindow() : doc(std::make_unique<CZantobyDoc>(host))
    {
        WxTestEnvironment::Ensure();
        doc->title = "春の新商品";
        ColumnRecord& name = doc->GetColumn(0);
        name.name = "品名";
        name.dropType = 1;
        ColumnRecord& price = doc->GetColumn(1);
        price.name = "価格";
        price.subName = "税込";
        price.type = kTypeNumber;
        price.align = 2;
        price.thousands = true;
        price.hasMax = true;
        price.maxValue = CNumber(100000);
        ColumnRecord& date = doc->GetColumn(2);
        date.name = "入荷日";
        date.type = kTypeDate;
        doc->BuildColumnMap();
    }

    // Shows a dialog as its command would, once it is on screen.
    static void ShowDialog(CAnchorDialog& dialog)
    {
        dialog.InitDialog();
        dialog.Show();
        ASSERT_TRUE(WxTestEnvironment::PumpUntil([&dialog] { return dialog.IsShownOnScreen(); }));
        WxTestEnvironment::PumpFor(200);
    }

    // Chooses a row's type from its drop list, steps lines down from the row's own type.
    static void ChooseType(CListInfoGrid& grid, int row, int steps)
    {
        GridInput::Click(grid, CListInfoColumns::kType, row);
        UserInput::Press(' ');
        CDropListBox& list = *grid.DropList();
        ASSERT_TRUE(WxTestEnvironment::PumpUntil([&] { return list.IsListOpen(); }));
        UserInput::Settle();
        for (int step = 0; step < steps; ++step) {
            UserInput::Press(WXK_DOWN);
        }
        UserInput::Press(WXK_RETURN);
        EXPECT_TRUE(WxTestEnvironment::PumpUntil([&] { return !list.IsListOpen(); }));
    }

    static wxWindow* SetButton(CListInfoDlg& info)
    {
        for (wxWindow* child : info.GetChildren()) {
            if (dynamic_cast<wxButton*>(child) != nullptr && child->GetLabel() == ToWx("設定(&G)")) {
                return child;
            }
        }
        return nullptr;
    }

    FakeListHost host;
    std::unique_ptr<CZantobyDoc> doc;
};

TEST_F(ListInfoWindow, ListInfoShowsTheColumnsAndAColumnDetailDialogWritesItsRecord)
{
    auto* info = new CListInfoDlg(nullptr, *doc);
    ShowDialog(*info);
    CListInfoGrid& grid = info->Grid();
    ASSERT_EQ(grid.GetRowCount(), 4) << "three columns and the row for a new one";
    EXPECT_EQ(grid.GetCellText(1, 1), "税込");
    EXPECT_EQ(grid.GetCellText(2, 1), "数値");
    EXPECT_EQ(grid.GetCellText(4, 1), "右詰,ｶﾝﾏ表示,最大値ﾁｪｯｸ(100,000)");
    grid.MoveToCell(0, 1);
    EXPECT_FALSE(WxTestEnvironment::SaveScreenshot(*info, "list-info-dialog").IsEmpty());

    // A set without changes leaves the list as it was.
    info->ApplyListInfo();
    EXPECT_EQ(info->GetReturnCode(), IDCANCEL);
    EXPECT_TRUE(host.messages.empty());

    // A name typed into the last row makes a new empty row below it.
    grid.BeginEditAt(0, 3, 0);
    ASSERT_TRUE(grid.IsEditing());
    grid.DefaultEdit()->SetText("仕入先");
    grid.DefaultEdit()->MarkDirty();
    grid.DefaultEdit()->EndWithMove(0, 3);
    EXPECT_EQ(grid.GetRowCount(), 5);
    EXPECT_TRUE(info->IsInfoModified());
    info->Destroy();

    ColumnRecord& price = doc->GetColumn(1);
    auto* detail = new CListInfoNumberDlg(nullptr, host, price);
    ShowDialog(*detail);
    EXPECT_FALSE(WxTestEnvironment::SaveScreenshot(*detail, "column-detail-number").IsEmpty());
    detail->ApplyColumnDetail();
    EXPECT_EQ(detail->GetReturnCode(), IDCANCEL) << "nothing was changed";

    detail->NameField().SetText("単価");
    detail->NameField().GetEdit().MarkDirty();
    detail->ApplyColumnDetail();
    EXPECT_EQ(detail->GetReturnCode(), IDOK);
    EXPECT_EQ(price.name, "単価");
    EXPECT_EQ(price.subName, "税込");
    EXPECT_TRUE(price.hasMax);
    EXPECT_EQ(price.maxValue.ToInt(), 100000);
    detail->Destroy();
}

TEST_F(ListInfoWindow, AColumnsTypeIsChosenFromItsDropListByKeys)
{
    auto* info = new CListInfoDlg(nullptr, *doc);
    ShowDialog(*info);
    ASSERT_TRUE(UserInput::Activate(*info));
    CListInfoGrid& grid = info->Grid();
    GridInput::Click(grid, CListInfoColumns::kType, 0);
    UserInput::Press(' ');
    CDropListBox& list = *grid.DropList();
    ASSERT_TRUE(WxTestEnvironment::PumpUntil([&] { return list.IsListOpen(); }));
    EXPECT_EQ(list.GetCount(), 5u);
    // From the column's own type, "文字", down to "数値".
    for (int step = 0; step < 2; ++step) {
        UserInput::Press(WXK_DOWN);
    }
    UserInput::Press(WXK_RETURN);
    EXPECT_TRUE(WxTestEnvironment::PumpUntil([&] { return !list.IsListOpen(); }));
    EXPECT_EQ(grid.GetCellText(CListInfoColumns::kType, 0), "数値");
    EXPECT_TRUE(info->IsInfoModified());
    info->Destroy();
}

TEST_F(ListInfoWindow, ChangedTypesConvertTheCellsAsTypingReadsThem)
{
    doc->GetColumn(1).hasMax = false;
    doc->SetCellTextAt(0, 0, "１２３");
    doc->SetCellTextAt(1, 0, "20240324");
    doc->AppendNewRowLine();
    ASSERT_EQ(doc->GetCellTextAt(1, 0, kOutputGrid), "20,240,324");
    auto* info = new CListInfoDlg(nullptr, *doc);
    ShowDialog(*info);
    ASSERT_TRUE(UserInput::Activate(*info));
    CListInfoGrid& grid = info->Grid();
    ChooseType(grid, 0, 2);
    ChooseType(grid, 1, 1);
    ASSERT_EQ(grid.GetCellText(CListInfoColumns::kType, 0), "数値");
    ASSERT_EQ(grid.GetCellText(CListInfoColumns::kType, 1), "日付");

    wxWindow* set = SetButton(*info);
    ASSERT_NE(set, nullptr);
    UserInput::Click(*set, wxPoint(10, 10));
    ASSERT_TRUE(WxTestEnvironment::PumpUntil([&] { return doc->GetColumn(1).type == kTypeDate; }));
    EXPECT_EQ(doc->GetRow(doc->displayOrder[0]).GetCell(doc->GetColumn(0).slot).number.ToInt(), 123)
        << "full-width digits read as typed";
    EXPECT_EQ(doc->GetCellTextAt(1, 0, kOutputGrid), "2024/03/24") << "the number read by its value";
    EXPECT_TRUE(host.messages.empty());
    info->Destroy();
}

TEST_F(ListInfoWindow, ATypeChangeThatEmptiesCellsAsksFirstAndOneUndoTakesItBack)
{
    // Undo keeps its steps in the process's own folder, as the program's lists do.
    doc->tempFolder = PrivateTempFolder::Get();
    doc->SetCellTextAt(0, 0, "ねじ");
    doc->AppendNewRowLine();
    doc->SetCellTextAt(0, 1, "12");
    doc->AppendNewRowLine();
    auto* info = new CListInfoDlg(nullptr, *doc);
    ShowDialog(*info);
    ASSERT_TRUE(UserInput::Activate(*info));
    CListInfoGrid& grid = info->Grid();
    // 品名 becomes a number: ねじ has no digits to keep.
    ChooseType(grid, 0, 2);
    ASSERT_EQ(grid.GetCellText(CListInfoColumns::kType, 0), "数値");
    wxWindow* set = SetButton(*info);
    ASSERT_NE(set, nullptr);

    host.answers = {IDNO};
    UserInput::Click(*set, wxPoint(10, 10));
    ASSERT_TRUE(WxTestEnvironment::PumpUntil([&] { return host.HasMessage(21304); }));
    UserInput::Settle();
    EXPECT_TRUE(info->IsShown()) << "No keeps the dialog open with nothing changed";
    EXPECT_EQ(doc->GetColumn(0).type, kTypeText);
    EXPECT_EQ(doc->GetCellTextAt(0, 0, kOutputGrid), "ねじ");

    host.answers = {IDYES};
    UserInput::Click(*set, wxPoint(10, 10));
    ASSERT_TRUE(WxTestEnvironment::PumpUntil([&] { return doc->GetColumn(0).type == kTypeNumber; }));
    EXPECT_EQ(doc->GetCellTextAt(0, 0, kOutputGrid), "");
    EXPECT_EQ(doc->GetCellTextAt(0, 1, kOutputGrid), "12");
    doc->OnUndo();
    EXPECT_EQ(doc->GetColumn(0).type, kTypeText);
    EXPECT_EQ(doc->GetCellTextAt(0, 0, kOutputGrid), "ねじ");
    EXPECT_EQ(doc->GetCellTextAt(0, 1, kOutputGrid), "12");
    info->Destroy();
}

TEST_F(ListInfoWindow, NamesWithCharactersTheListCannotHoldAreRefusedAndTheDialogStays)
{
    // Boxes show as the program shows them, to be answered by keys.
    WindowPlatform::Install();
    auto* info = new CListInfoDlg(nullptr, *doc);
    ShowDialog(*info);
    ASSERT_TRUE(UserInput::Activate(*info));
    CListInfoGrid& grid = info->Grid();
    // 😀 pasted from another program, where a user would take it from.
    ASSERT_TRUE(wxTheClipboard->Open());
    wxTheClipboard->SetData(new wxTextDataObject(wxString::FromUTF8("\xF0\x9F\x98\x80")));
    wxTheClipboard->Close();
    ShownBoxTexts boxes;

    // A column's name, typed into its cell.
    GridInput::Click(grid, 0, 1);
    UserInput::Type("x");
    ASSERT_TRUE(grid.IsEditing());
    UserInput::Press('v', wxMOD_CONTROL);
    UserInput::AnswerNextModal([](wxWindow*) { UserInput::Press(WXK_RETURN); });
    UserInput::Press(WXK_RETURN);
    ASSERT_TRUE(UserInput::Finish());
    ASSERT_EQ(boxes.texts.size(), 1u);
    EXPECT_NE(boxes.texts[0].Find("U+1F600"), -1) << boxes.texts[0].GetString();
    EXPECT_NE(boxes.texts[0].Find("x■"), -1) << boxes.texts[0].GetString();
    EXPECT_TRUE(info->IsShown());
    EXPECT_TRUE(grid.IsEditing()) << "the name stays in its edit to be changed";
    EXPECT_EQ(grid.GetCellText(0, 1), "価格");
    ASSERT_TRUE(UserInput::Activate(*info));
    ASSERT_TRUE(WxTestEnvironment::PumpUntil([&] { return grid.DefaultEdit()->HasFocus(); }));
    // Esc leaves the edit (and only the edit) with nothing stored.
    UserInput::Press(WXK_ESCAPE);
    ASSERT_FALSE(grid.IsEditing());
    EXPECT_TRUE(info->IsShown());
    EXPECT_EQ(grid.GetCellText(0, 1), "価格");

    // The list's title, then the set button.
    UserInput::Click(info->TitleField().GetEdit(), wxPoint(10, 10));
    UserInput::Press(WXK_END);
    UserInput::Press('v', wxMOD_CONTROL);
    wxWindow* set = SetButton(*info);
    ASSERT_NE(set, nullptr);
    UserInput::AnswerNextModal([](wxWindow*) { UserInput::Press(WXK_RETURN); });
    UserInput::Click(*set, wxPoint(10, 10));
    ASSERT_TRUE(UserInput::Finish());
    ASSERT_EQ(boxes.texts.size(), 2u);
    EXPECT_NE(boxes.texts[1].Find("春の新商品■"), -1) << boxes.texts[1].GetString();
    EXPECT_TRUE(info->IsShown()) << "the dialog stays open";
    EXPECT_EQ(doc->title, "春の新商品");
    EXPECT_EQ(doc->GetColumn(1).name, "価格");
    ASSERT_TRUE(UserInput::Activate(*info));
    EXPECT_TRUE(WxTestEnvironment::PumpUntil([&] { return info->TitleField().GetEdit().HasFocus(); }))
        << "the field takes the focus to be changed";
    EXPECT_TRUE(host.messages.empty());
    wxTheClipboard->Clear();
    info->Destroy();
}

TEST_F(ListInfoWindow, OpenedAsItsCommandOpensItTheTitleHasTheKeysAndEscCloses)
{
    CListInfoDlg info(nullptr, *doc);
    auto titleHadKeys = std::make_shared<bool>(false);
    auto stayed = std::make_shared<bool>(false);
    UserInput::AnswerNextModal([&info, titleHadKeys, stayed](wxWindow*) {
        *titleHadKeys = info.TitleField().GetEdit().HasFocus();
        UserInput::PressToClose(info, WXK_ESCAPE, stayed);
    });
    EXPECT_EQ(info.DoModal(), IDCANCEL);
    EXPECT_TRUE(UserInput::Finish());
    EXPECT_TRUE(*titleHadKeys) << "the first field has the keyboard when the dialog opens";
    EXPECT_FALSE(*stayed) << "Esc closes the dialog";
}

// The in-cell edit shows its text as the cell does, in the grid's font.
TEST_F(ListInfoWindow, TheCellEditOfTheColumnGridHasTheCellsFont)
{
    auto* info = new CListInfoDlg(nullptr, *doc);
    ShowDialog(*info);
    CListInfoGrid& grid = info->Grid();
    GridInput::Click(grid, CListInfoColumns::kName, 1);
    UserInput::Press(WXK_F2);
    ASSERT_TRUE(WxTestEnvironment::PumpUntil([&grid] { return grid.IsEditing(); }));
    const LogFont* cells = grid.CurrentSheet()->defaultFont;
    ASSERT_NE(cells, nullptr);
    // The same text takes as much room in the edit as in the cells.
    wxWindow& edit = *static_cast<wxWindow*>(grid.DefaultEdit());
    const CString text = "項目名の幅を測るABC";
    wxClientDC dc(&edit);
    dc.SetFont(edit.GetFont());
    const wxSize inEdit = dc.GetTextExtent(ToWx(text));
    const CSize inCells = grid.Host().GetMeasurer(cells).GetTextExtent(text.GetString(), text.GetLength());
    EXPECT_NEAR(inEdit.GetWidth(), inCells.cx, 2);
    EXPECT_NEAR(inEdit.GetHeight(), inCells.cy, 1);
    EXPECT_FALSE(WxTestEnvironment::SaveScreenshot(*info, "list-info-cell-edit").IsEmpty());
    UserInput::Press(WXK_ESCAPE);
    info->Destroy();
}

// Esc while the set button converts the photos stops the conversion after the photo it is at:
// the dialog stays live during each photo's pause and shows that photo in its status line.
TEST_F(ListInfoWindow, EscStopsThePhotoConversionAtThePhotoItIsAt)
{
    const CString folder = PrivateTempFolder::Get() + "写真変換/";
    std::filesystem::create_directories(FileSystem::ToNative(folder + "Photo-商品"));
    doc->tempFolder = PrivateTempFolder::Get();
    doc->listFolder = folder.Left(folder.GetLength() - 1);
    doc->photoFolderName = "Photo-商品";
    doc->SetPathName(folder + "商品.zbk", false);
    const CString source = folder + "camera.jpg";
    ASSERT_TRUE(TestPhotos::WriteJpeg(source, 400, 300));
    for (int i = 0; i < 3; ++i) {
        ASSERT_EQ(doc->ImportPhotoImage(source, -1, CString(), 0), i);
    }
    // A conversion that ended early at the first photo, offered again by the set button.
    const CString resumeFile = folder + "商品.cnv";
    ASSERT_TRUE(WriteTextFile(resumeFile, CFile::modeCreate | CFile::modeWrite, "0"));
    auto* info = new CListInfoDlg(nullptr, *doc);
    ShowDialog(*info);
    ASSERT_TRUE(UserInput::Activate(*info));
    wxWindow* set = SetButton(*info);
    ASSERT_NE(set, nullptr);
    host.answers = {IDYES};

    // The click and the key reach the dialog in this order; the key comes while the click's
    // conversion runs.
    FakeInput::MoveTo(set->ClientToScreen(wxPoint(10, 10)));
    FakeInput::Button(wxMOUSE_BTN_LEFT, true);
    FakeInput::Button(wxMOUSE_BTN_LEFT, false);
    FakeInput::Key(WXK_ESCAPE, wxMOD_NONE);
    FakeInput::Sync();
    ASSERT_TRUE(WxTestEnvironment::PumpUntil([&] { return host.HasMessage(31300); }));
    EXPECT_TRUE(host.HasMessage(21301));
    EXPECT_TRUE(info->IsShown()) << "a stopped conversion keeps the dialog open";
    EXPECT_EQ(info->GetItemText(1034), "写真変換中(0) ... [Esc]で中止します");
    CString resumeSlot;
    ASSERT_TRUE(ReadTextFile(resumeSlot, resumeFile, CFile::modeRead | CFile::typeText));
    EXPECT_EQ(resumeSlot, "0") << "the conversion went no further than the photo it was at";
    info->Destroy();
}

} // namespace
