#include "foundation/ui/AnchorDialog.h"
#include "foundation/ui/ButtonEdit.h"
#include "foundation/ui/DropList.h"
#include "foundation/ui/EditField.h"
#include "foundation/ui/ListEdit.h"
#include "foundation/ui/RadioGroup.h"
#include "foundation/ui/SpinEdit.h"
#include "platform/MessageBox.h"
#include "platform/ui/WxText.h"
#include "platform/ui/testing/UserInput.h"
#include "platform/ui/testing/WxTestEnvironment.h"

#include <gtest/gtest.h>

#include <wx/button.h>
#include <wx/listbox.h>
#include <wx/notebook.h>
#include <wx/panel.h>
#include <wx/radiobut.h>
#include <wx/stattext.h>
#include <wx/textctrl.h>

#include <memory>
#include <vector>

namespace {

enum : int
{
    idTitle = 1015,
    idCount = 1016,
    idFolder = 1000,
    idCode = 1050,
    idCodeName = 1051,
    idNotes = 1060,
    idLeft = 1206,
    idRight = 1207,
    idOk = 5100,
};

const DialogItemInfo kItems[] = {
    {idTitle, DIF_SIZE_RIGHT | DIF_ENTER_NEXT, kDefaultColor, kDefaultColor, 0, "タイトルを入力します"},
    {idCount, DIF_ALIGN_RIGHT | DIF_ENTER_NEXT, kDefaultColor, kDefaultColor, 0, "1から10まで"},
    {idFolder, DIF_SIZE_RIGHT, kDefaultColor, kDefaultColor, 0, "保存先のﾌｫﾙﾀﾞ"},
    {idCode, 0, kDefaultColor, kDefaultColor, 0, nullptr},
    {idCodeName, DIF_SIZE_RIGHT, RGB(0, 0, 160), RGB(255, 255, 200), 0, nullptr},
    {idNotes, DIF_SIZE_RIGHT | DIF_SIZE_BOTTOM, kDefaultColor, kDefaultColor, 0, nullptr},
    {idLeft, DIF_MOVE_BOTTOM, kDefaultColor, kDefaultColor, 0, nullptr},
    {idRight, DIF_MOVE_BOTTOM, kDefaultColor, kDefaultColor, 0, nullptr},
    {idOk, DIF_MOVE_RIGHT | DIF_MOVE_BOTTOM, kDefaultColor, kDefaultColor, 0, nullptr},
    {0, 0, kDefaultColor, kDefaultColor, 0, nullptr},
};

const TextFormat kAnyText{TF_DIGITS | TF_UPPER | TF_LOWER | TF_HALF_KANA | TF_SYMBOLS | TF_DOUBLE_BYTE, 0, 0,
                          5};
const IntegerFormat kOneToTen{NF_SHOW_ZERO | NF_MAXIMUM | NF_MINIMUM, 10, 1};
const IntegerFormat kCodes{NF_MAXIMUM, 20, 0};
const DropListColumn kColumns[] = {{"c", 2, 0, 40}, {"n", 0, 0, 120}, {nullptr, 0, 0, 0}};
const char* const kCells[] = {"1", "北海道", "13", "東京都", "47", "沖縄県", nullptr};
const RadioGroupItem kBasis[] = {{idLeft, 0}, {idRight, 1}, {0, 0}};

// A dialog on the dialog base holding every field kind over placeholders, as the program's
// dialogs are built.
class FieldsDialog : public CAnchorDialog
{
  public:
    FieldsDialog() : CAnchorDialog(nullptr, 999, "項目の設定", wxSize(420, 300))
    {
        new wxStaticText(this, wxID_ANY, ToWx("ﾀｲﾄﾙ"), wxPoint(10, 14));
        new wxWindow(this, idTitle, wxPoint(110, 10), wxSize(300, 24));
        new wxStaticText(this, wxID_ANY, ToWx("件数"), wxPoint(10, 44));
        new wxWindow(this, idCount, wxPoint(110, 40), wxSize(80, 24));
        new wxStaticText(this, wxID_ANY, ToWx("保存先"), wxPoint(10, 74));
        new wxWindow(this, idFolder, wxPoint(110, 70), wxSize(300, 24));
        new wxStaticText(this, wxID_ANY, ToWx("都道府県"), wxPoint(10, 104));
        new wxWindow(this, idCode, wxPoint(110, 100), wxSize(80, 24));
        new wxStaticText(this, idCodeName, wxEmptyString, wxPoint(200, 104), wxSize(210, 20));
        new wxListBox(this, idNotes, wxPoint(10, 134), wxSize(400, 90));
        new wxRadioButton(this, idLeft, ToWx("高さを基準にする"), wxPoint(10, 236), wxDefaultSize,
                          wxRB_GROUP);
        new wxRadioButton(this, idRight, ToWx("短辺を基準にする"), wxPoint(160, 236));
        new wxButton(this, idOk, "OK", wxPoint(330, 264), wxSize(80, 28));
    }

    bool OnInitDialog() override
    {
        anchored = SetAnchorTable(kItems, true);
        title.CreateOverDialogItem(this, idTitle, FindItemInfo(idTitle));
        title.SetTextFormat(&kAnyText);
        count.AttachToDialogItem(this, idCount, FindItemInfo(idCount));
        count.SetIntegerFormat(&kOneToTen, 1);
        folder.AttachToDialogItem(this, idFolder, FindItemInfo(idFolder));
        folder.SetFolderMode(false);
        code.CreateOverDialogItem(this, idCode, FindItemInfo(idCode));
        code.GetEdit().SetIntegerFormat(&kCodes);
        code.SetupList({kCells, 0, 0, idCodeName, 1, kColumns});
        basis.Init(this, kBasis);
        title.SetText("春の新商品");
        count.GetEdit().SetInteger(3);
        folder.SetPath("/home/user/写真/");
        code.SetIntValue(13);
        basis.SetValue(1);
        return true;
    }

    CEditField title;
    CSpinEdit count;
    CButtonEdit folder;
    CListEdit code;
    CRadioGroup basis;
    bool anchored = false;
};

// A dialog that makes a modeless dialog of its own in its setup and keeps it hidden until asked
// for, as a dialog keeps a style window ready.
class DialogWithHiddenHelper : public FieldsDialog
{
  public:
    bool OnInitDialog() override
    {
        FieldsDialog::OnInitDialog();
        auto* helper = new CAnchorDialog(this, 997, "色", wxSize(200, 100));
        new wxTextCtrl(helper, wxID_ANY, wxEmptyString, wxPoint(10, 10));
        helper->InitDialog();
        return true;
    }
};

// Records the field notifications a dialog hears, in order.
// Records the field notifications a dialog hears while it lives; the dialog may outlive it and
// still send one (a focus leaving as it closes).
struct Notifications
{
    explicit Notifications(wxWindow& dialog) : dialog(dialog)
    {
        dialog.Bind(EVT_FIELD_SELEND_OK, &Notifications::Record, this);
        dialog.Bind(EVT_FIELD_UPDATE, &Notifications::Record, this);
        dialog.Bind(EVT_FIELD_KILL_FOCUS, &Notifications::Record, this);
    }
    ~Notifications()
    {
        dialog.Unbind(EVT_FIELD_SELEND_OK, &Notifications::Record, this);
        dialog.Unbind(EVT_FIELD_UPDATE, &Notifications::Record, this);
        dialog.Unbind(EVT_FIELD_KILL_FOCUS, &Notifications::Record, this);
    }
    Notifications(const Notifications&) = delete;
    Notifications& operator=(const Notifications&) = delete;

    void Record(wxCommandEvent& event) { seen.emplace_back(event.GetEventType(), event.GetId()); }

    wxWindow& dialog;
    std::vector<std::pair<wxEventType, int>> seen;
};

// Leaves a field's edit as the focus moving elsewhere would.
void Leave(CTypedEdit& edit, const CString& typed)
{
    edit.SetText(typed);
    edit.MarkDirty();
    wxFocusEvent leave(wxEVT_KILL_FOCUS, edit.GetId());
    leave.SetEventObject(&edit);
    edit.ProcessWindowEvent(leave);
}

class FieldsWindowTest : public ::testing::Test
{
  protected:
    void SetUp() override
    {
        WxTestEnvironment::Ensure();
        dialog = new FieldsDialog();
        dialog->InitDialog();
        dialog->Show();
        WxTestEnvironment::PumpUntil(
            [this] { return dialog->IsShownOnScreen() && dialog->GetClientSize() == wxSize(420, 300); });
    }
    void TearDown() override { dialog->Destroy(); }

    FieldsDialog* dialog = nullptr;
};

wxRect RectOf(CAnchorDialog& dialog, int id)
{
    return dialog.GetItem(id)->GetRect();
}

} // namespace

TEST_F(FieldsWindowTest, FieldsTakeThePlaceIdAndTabOrderOfTheirPlaceholders)
{
    ASSERT_TRUE(dialog->anchored);
    EXPECT_EQ(dialog->GetItem(idTitle), &dialog->title);
    EXPECT_EQ(RectOf(*dialog, idCount), wxRect(110, 40, 80, 24));
    // The spin field stays between the title and the folder in the tab order.
    const wxWindowList& children = dialog->GetChildren();
    EXPECT_LT(children.IndexOf(&dialog->title), children.IndexOf(&dialog->count));
    EXPECT_LT(children.IndexOf(&dialog->count), children.IndexOf(&dialog->folder));
    EXPECT_EQ(dialog->GetItemText(idTitle), "春の新商品");
    EXPECT_EQ(FromWx(dialog->count.GetEdit().GetToolTipText()), "1から10まで");
    EXPECT_EQ(dialog->code.GetEdit().GetWindowStyleFlag() & wxTE_RIGHT, 0);
    EXPECT_NE(dialog->count.GetEdit().GetWindowStyleFlag() & wxTE_RIGHT, 0);
}

TEST_F(FieldsWindowTest, ResizingMovesAndStretchesByTheTableAndStopsAtTheMinimum)
{
    const wxString folder =
        WxTestEnvironment::SaveScreenshot(*dialog, "fields-dialog-before-resize").GetString();
    const wxSize designed = dialog->GetClientSize();
    const wxRect ok = RectOf(*dialog, idOk);
    const wxRect notes = RectOf(*dialog, idNotes);
    const wxRect title = RectOf(*dialog, idTitle);
    const wxRect count = RectOf(*dialog, idCount);

    dialog->SetClientSize(designed + wxSize(100, 60));
    ASSERT_TRUE(WxTestEnvironment::PumpUntil([&] {
        return dialog->GetClientSize() == designed + wxSize(100, 60);
    })) << dialog->GetClientSize().x
        << "x" << dialog->GetClientSize().y << " from " << designed.x << "x" << designed.y;
    EXPECT_EQ(RectOf(*dialog, idOk), wxRect(ok.x + 100, ok.y + 60, ok.width, ok.height));
    EXPECT_EQ(RectOf(*dialog, idNotes), wxRect(notes.x, notes.y, notes.width + 100, notes.height + 60));
    EXPECT_EQ(RectOf(*dialog, idTitle), wxRect(title.x, title.y, title.width + 100, title.height));
    EXPECT_EQ(RectOf(*dialog, idCount), count);
    EXPECT_EQ(RectOf(*dialog, idLeft).y, 236 + 60);
    // The fields lay out their edit and button anew.
    EXPECT_EQ(dialog->folder.GetEdit().GetSize().x, title.width + 100 - 24);
    WxTestEnvironment::SaveScreenshot(*dialog, "fields-dialog-after-resize");

    // Below the minimum the controls go back to their designed places, no further.
    dialog->SetClientSize(designed - wxSize(50, 50));
    WxTestEnvironment::PumpUntil([&] { return dialog->GetClientSize().x < designed.x + 100; });
    EXPECT_EQ(RectOf(*dialog, idOk), ok);
    EXPECT_EQ(RectOf(*dialog, idNotes), notes);
    EXPECT_EQ(dialog->GetMinimumSize(), CSize(designed.x, designed.y));
}

TEST_F(FieldsWindowTest, TableColoursReachTheControls)
{
    EXPECT_EQ(dialog->GetItem(idCodeName)->GetForegroundColour(), wxColour(0, 0, 160));
    EXPECT_EQ(dialog->GetItem(idCodeName)->GetBackgroundColour(), wxColour(255, 255, 200));
    EXPECT_TRUE(dialog->SetItemColors(idCodeName, RGB(200, 0, 0), kDefaultColor, true));
    EXPECT_EQ(dialog->GetItem(idCodeName)->GetForegroundColour(), wxColour(200, 0, 0));
    EXPECT_EQ(dialog->GetItem(idCodeName)->GetBackgroundColour(), wxColour(255, 255, 200));
    EXPECT_FALSE(dialog->SetItemColors(4711, RGB(1, 1, 1), kDefaultColor, false));
}

TEST_F(FieldsWindowTest, AnIntegerFieldClampsWhatIsTypedWhenLeft)
{
    CTypedEdit& edit = dialog->count.GetEdit();
    Leave(edit, "0");
    EXPECT_EQ(edit.GetText(), "1");
    Leave(edit, "25");
    EXPECT_EQ(edit.GetText(), "10");
    // The spin field took the change and reported it.
    EXPECT_TRUE(dialog->count.IsChanged());
    EXPECT_FALSE(edit.IsModified());
}

TEST_F(FieldsWindowTest, SpinStepsStopAtTheBoundAndAVetoKeepsTheOldText)
{
    Notifications heard(*dialog);
    dialog->count.GetEdit().SetInteger(9);
    EXPECT_TRUE(dialog->count.Step(true));
    EXPECT_TRUE(dialog->count.Step(true));
    EXPECT_EQ(dialog->count.GetText(), "10");
    EXPECT_TRUE(dialog->count.IsChanged());
    ASSERT_FALSE(heard.seen.empty());
    EXPECT_EQ(heard.seen.back(), std::make_pair(wxEventType(EVT_FIELD_UPDATE), static_cast<int>(idCount)));

    dialog->Bind(EVT_FIELD_DELTA_POS, [](wxNotifyEvent& event) { event.Veto(); });
    EXPECT_FALSE(dialog->count.Step(false));
    EXPECT_EQ(dialog->count.GetText(), "10");
}

namespace {

// A button edit whose chooser answers from a script instead of showing itself.
class ScriptedButtonEdit : public CButtonEdit
{
  public:
    CString answer;
    bool cancel = false;

  protected:
    bool ChoosePath(const CString&, CString& chosen) override
    {
        chosen = answer;
        return !cancel;
    }
};

} // namespace

TEST_F(FieldsWindowTest, TheFolderFieldAppliesTheSeparatorRuleAndReportsOnlyChoices)
{
    EXPECT_EQ(dialog->folder.GetText(), "/home/user/写真");
    auto* field = new ScriptedButtonEdit();
    new wxWindow(dialog, 1100, wxPoint(10, 260), wxSize(200, 24));
    ASSERT_TRUE(field->AttachToDialogItem(dialog, 1100, nullptr));
    field->SetFolderMode(true);
    Notifications heard(*dialog);

    field->cancel = true;
    EXPECT_FALSE(field->Browse());
    EXPECT_TRUE(heard.seen.empty());

    field->cancel = false;
    field->answer = "/srv/data";
    EXPECT_TRUE(field->Browse());
    EXPECT_EQ(field->GetPath(), "/srv/data/");
    ASSERT_EQ(heard.seen.size(), 2u);
    EXPECT_EQ(heard.seen[0].first, wxEventType(EVT_FIELD_SELEND_OK));
    EXPECT_EQ(heard.seen[1].first, wxEventType(EVT_FIELD_UPDATE));

    field->SetFolderMode(false);
    field->SetText("/srv/data/");
    EXPECT_EQ(field->GetPath(), "/srv/data");
    field->answer = "/";
    field->Browse();
    EXPECT_EQ(field->GetPath(), "/");
}

TEST_F(FieldsWindowTest, PickingARowGoesThroughTheParserAndFillsTheCompanion)
{
    EXPECT_EQ(dialog->GetItemText(idCodeName), "東京都");
    CReportList& list = dialog->code.GetDropList()->GetList();
    ASSERT_EQ(list.GetItemCount(), 3);
    list.SelectItem(2);
    dialog->code.OnListPick();
    // 47 is above the field's maximum of 20.
    EXPECT_EQ(dialog->code.GetText(), "20");
    EXPECT_EQ(dialog->GetItemText(idCodeName), "");
    EXPECT_TRUE(dialog->code.IsChanged());

    Leave(dialog->code.GetEdit(), "1");
    EXPECT_EQ(dialog->GetItemText(idCodeName), "北海道");
    Leave(dialog->code.GetEdit(), "5");
    EXPECT_EQ(dialog->GetItemText(idCodeName), "");
}

TEST_F(FieldsWindowTest, ThePopupSelectsTheRowOfTheTextAndShrinksToItsRows)
{
    dialog->code.SetText("1");
    dialog->code.ShowDropList(true);
    ASSERT_TRUE(WxTestEnvironment::PumpUntil([this] { return dialog->code.IsDropListShown(); }));
    CDropList* popup = dialog->code.GetDropList();
    EXPECT_EQ(popup->GetList().GetSelectedItem(), 0);
    EXPECT_LT(popup->GetSize().y, 240);
    EXPECT_GE(popup->GetSize().x, dialog->code.GetSize().x);
    EXPECT_EQ(popup->GetPosition().y, dialog->code.GetScreenRect().GetBottom() + 2);
    WxTestEnvironment::SaveScreenshot(*dialog, "fields-dialog-drop-list");
    dialog->code.ShowDropList(false);
    EXPECT_FALSE(dialog->code.IsDropListShown());

    // A prefix selects the first row that begins with it.
    dialog->code.SetText("4");
    dialog->code.ShowDropList(true);
    EXPECT_EQ(popup->GetList().GetSelectedItem(), 2);
    dialog->code.ShowDropList(false);
}

TEST_F(FieldsWindowTest, RadioGroupsMapButtonsToValues)
{
    EXPECT_EQ(dialog->basis.GetValue(), 1);
    EXPECT_FALSE(dialog->basis.IsModified());
    static_cast<wxRadioButton*>(dialog->GetItem(idLeft))->SetValue(true);
    EXPECT_EQ(dialog->basis.GetValue(), 0);
    EXPECT_TRUE(dialog->basis.IsModified());
    EXPECT_EQ(dialog->GetCheckedRadio(idLeft, 2), 0);

    // None checked (buttons of a table that are not there) reads as the default.
    const RadioGroupItem missing[] = {{4001, 1}, {4002, 2}, {0, 7}};
    CRadioGroup group;
    group.Init(dialog, missing);
    EXPECT_EQ(group.GetValue(), 7);
    EXPECT_FALSE(group.IsModified());
}

TEST_F(FieldsWindowTest, F1AsksForTheDialogsHelpTopic)
{
    CString asked = "none";
    auto previous = CAnchorDialog::SetHelpHandler([&](const CString& topic) { asked = topic; });
    dialog->SetHelpTopic("ListInfoDlg");
    wxKeyEvent f1(wxEVT_CHAR_HOOK);
    f1.m_keyCode = WXK_F1;
    f1.SetEventObject(dialog);
    dialog->ProcessWindowEvent(f1);
    WxTestEnvironment::PumpUntil([&] { return asked != "none"; });
    EXPECT_EQ(asked, "ListInfoDlg");
    CAnchorDialog::SetHelpHandler(previous);
}

TEST(DialogKeyboardWindowTest, AModalDialogOpensWithTheKeyboardInItsFirstFieldSoEscClosesIt)
{
    WxTestEnvironment::Ensure();
    FieldsDialog plain;
    DialogWithHiddenHelper withHelper;
    for (FieldsDialog* dialog : {&plain, static_cast<FieldsDialog*>(&withHelper)}) {
        auto titleHadKeys = std::make_shared<bool>(false);
        auto stayed = std::make_shared<bool>(false);
        UserInput::AnswerNextModal([dialog, titleHadKeys, stayed](wxWindow*) {
            *titleHadKeys = dialog->title.GetEdit().HasFocus();
            UserInput::PressToClose(*dialog, WXK_ESCAPE, stayed);
        });
        dialog->DoModal();
        EXPECT_TRUE(UserInput::Finish());
        EXPECT_TRUE(*titleHadKeys) << "the first field has the keyboard when the dialog opens";
        EXPECT_FALSE(*stayed) << "Esc closes the dialog";
    }
}

TEST(FieldTextsWindowTest, TheFirstFieldWithCharactersTheProgramCannotHoldIsNamedAndShown)
{
    WxTestEnvironment::Ensure();
    std::vector<CString> boxes;
    MessageBoxHandler previous = SetMessageBoxHandler([&](const CString& text, const CString&, unsigned) {
        boxes.push_back(text);
        return IDOK;
    });
    auto* dialog = new CAnchorDialog(nullptr, 998, "検索", wxSize(400, 300));
    auto* pages = new wxNotebook(dialog, wxID_ANY, wxPoint(0, 0), wxSize(400, 240));
    auto* first = new wxPanel(pages);
    auto* second = new wxPanel(pages);
    pages->AddPage(first, "1");
    pages->AddPage(second, "2");
    auto* shown = new wxTextCtrl(first, wxID_ANY, wxString::FromUTF8("\xE8\xA1\xA8"));
    auto* other = new wxTextCtrl(second, wxID_ANY, "a" + wxString::FromUTF8("\xF0\x9F\x98\x80"));
    // A closed in-cell edit keeps its last text out of sight; a read-only field shows the program's.
    auto* closed = new wxTextCtrl(dialog, wxID_ANY, wxString::FromUTF8("\xF0\xA0\xAE\xB7"), wxPoint(0, 250));
    closed->Hide();
    new wxTextCtrl(dialog, wxID_ANY, wxString::FromUTF8("\xF0\xA0\xAE\xB7"), wxPoint(0, 270), wxDefaultSize,
                   wxTE_READONLY);
    dialog->Show();
    ASSERT_TRUE(WxTestEnvironment::PumpUntil([&] { return shown->IsShownOnScreen(); }));

    // A field on a page not on view is taken too, so it is brought into view to be changed.
    EXPECT_FALSE(dialog->AcceptFieldTexts());
    ASSERT_EQ(boxes.size(), 1u);
    EXPECT_NE(boxes[0].Find("U+1F600"), -1) << boxes[0].GetString();
    EXPECT_NE(boxes[0].Find("a■"), -1) << boxes[0].GetString();
    EXPECT_EQ(pages->GetSelection(), 1);

    other->ChangeValue("ab");
    EXPECT_TRUE(dialog->AcceptFieldTexts());
    EXPECT_EQ(boxes.size(), 1u) << "the closed edit and the read-only field are not asked about";
    SetMessageBoxHandler(previous);
    dialog->Destroy();
}
