// The Web file creation dialog over a small list: its fields, column grid, style dialog and
// preview, and a run that leaves its pages in the test output folder to be looked at.
#include "platform/FileSystem.h"
#include "platform/ui/WxText.h"
#include "platform/ui/testing/InputSteps.h"
#include "platform/ui/testing/UserInput.h"
#include "platform/ui/testing/WxTestEnvironment.h"
#include "shared/WebTestList.h"
#include "web/site/ui/CreateWebDlg.h"
#include "web/site/ui/WebColumnGrid.h"
#include "web/site/ui/WebListStyleDlg.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>

TEST(CreateWebWindowTest, EditsTheSettingsAndCreatesTheFiles)
{
    WxTestEnvironment::Ensure();
    WebTestList list;
    for (const char* name : {"机 <特価>", "椅子", "棚"}) {
        list.AddRow({name, "120", "75", "http://example.jp/"});
    }
    list.AddPhoto(0, 3, "正面");
    const char* output = std::getenv("ZANTOBY_TEST_OUTPUT");
    ASSERT_NE(output, nullptr);
    CString folder = CString(output) + "/web-site";
    std::filesystem::remove_all(FileSystem::ToNative(folder));
    list.doc->web.webFolder = folder;
    list.doc->web.listName = "goods";
    list.doc->web.webTitle = "春の新商品";

    auto* dialog = new CCreateWebDlg(nullptr, *list.doc);
    dialog->Creator().SetBaseFolder(ZANTOBY_WEB_BASE);
    dialog->InitDialog();
    dialog->Show();
    ASSERT_TRUE(WxTestEnvironment::PumpUntil([&] { return dialog->IsShownOnScreen(); }));
    WebCreateForm form = dialog->ReadForm();
    EXPECT_EQ(form.folder, folder);
    EXPECT_EQ(form.title, "春の新商品");
    ASSERT_EQ(form.columns.size(), 4u);

    CWebColumnGrid& grid = dialog->Grid();
    grid.MoveToCell(0, 1);
    EXPECT_TRUE(grid.MoveCurrentRow(true));
    EXPECT_FALSE(grid.MoveCurrentRow(true)) << "the first row does not move up";
    std::vector<WebColumnRow> rows = grid.GetRows();
    EXPECT_EQ(rows[0].column, 1);
    EXPECT_EQ(rows[1].column, 0);
    CString typed = "50+20";
    grid.OnEditFinish(6, 0, nullptr, typed, 0);
    EXPECT_EQ(typed, "70") << "a range value is read as the column reads its cells";

    CWebListStyleDlg& style = dialog->StyleDialog();
    WebListStyle changed = style.GetStyle();
    changed.headBackColor = RGB(255, 0, 0);
    style.SetStyle(changed);
    style.ShowAt(dialog->GetScreenPosition().x + 40, dialog->GetScreenPosition().y + 300);
    style.SetItemText(1341, "$:<IMG src=mark.gif>");
    WxTestEnvironment::PumpFor(200);
    EXPECT_FALSE(WxTestEnvironment::SaveScreenshot(style, "web-list-style-dialog").IsEmpty());
    style.Apply();
    EXPECT_FALSE(style.IsShown());
    ASSERT_TRUE(WxTestEnvironment::PumpUntil([&] { return dialog->GetItemText(1305) == "<IMG>"; }))
        << "the preview shows an image mark as <IMG>";

    list.host.answers = {IDYES};
    ASSERT_TRUE(dialog->CreateWebFiles(false));
    EXPECT_EQ(list.host.messages.front().id, 21201);
    EXPECT_EQ(list.host.messages.back().id, 11201);
    EXPECT_TRUE(dialog->GetItemText(1034).IsEmpty());
    for (const char* name : {"/goods.htm", "/goods_data.cgi", "/p/0000.htm", "/list.htm"}) {
        EXPECT_TRUE(FileSystem::Exists(folder + name)) << name;
    }
    EXPECT_EQ(list.doc->web.style.pageMark, "$:<IMG src=mark.gif>");
    WxTestEnvironment::PumpFor(200);
    EXPECT_FALSE(WxTestEnvironment::SaveScreenshot(*dialog, "create-web-dialog").IsEmpty());
    dialog->Destroy();
}

TEST(CreateWebWindowTest, TheStyleDialogOverTheModalDialogTakesInputAndEscClosesOnlyIt)
{
    WxTestEnvironment::Ensure();
    WebTestList list;
    list.AddRow({"机", "120", "75", "http://example.jp/"});
    CCreateWebDlg dialog(nullptr, *list.doc);
    auto middle = [](wxWindow& window) { return wxPoint(window.GetClientSize().x / 2, window.GetClientSize().y / 2); };
    bool closedAlone = false;

    UserInput::AnswerNextModal([&](wxWindow*) {
        CWebListStyleDlg* style = &dialog.StyleDialog();
        // A click on the preview opens the style dialog.
        wxWindow& preview = *dialog.FindWindow(1310);
        UserInput::Click(preview, middle(preview));
        const int chain = InputSteps::Start(
            "the style dialog shows", [=] { return style->IsShownOnScreen() && style->IsActive(); },
            [=] {
                wxWindow& mark = *style->FindWindow(1341);
                UserInput::Click(mark, middle(mark));
                UserInput::Press('a', wxMOD_CONTROL);
                UserInput::Type("No");
                UserInput::Press(WXK_ESCAPE);
            });
        InputSteps::Then(
            chain, "the style dialog hides", [=] { return !style->IsShown(); },
            [&] {
                closedAlone = dialog.IsShown();
                wxWindow& close = *dialog.FindWindow(wxID_CANCEL);
                UserInput::Click(close, middle(close));
            });
    });
    dialog.DoModal();
    EXPECT_TRUE(UserInput::Finish());
    EXPECT_TRUE(closedAlone) << "Esc in the style dialog closed the Web dialog too";
    EXPECT_EQ(dialog.StyleDialog().GetStyle().pageMark, "No");
    EXPECT_EQ(dialog.GetItemText(1305), "No") << "the preview shows the new mark";
}

TEST(CreateWebWindowTest, EnlargedTheGridGrowsAndTheFieldsKeepClearOfEachOther)
{
    WxTestEnvironment::Ensure();
    WebTestList list;
    list.AddRow({"机", "120", "75", "http://example.jp/"});
    auto* dialog = new CCreateWebDlg(nullptr, *list.doc);
    dialog->InitDialog();
    dialog->Show();
    ASSERT_TRUE(WxTestEnvironment::PumpUntil([&] { return dialog->IsShownOnScreen(); }));
    const wxRect grid = dialog->Grid().GetRect();
    EXPECT_EQ(dialog->FindWindow(1033), &dialog->Grid()) << "the grid answers to its control's id";

    const wxSize size = dialog->GetSize();
    dialog->SetSize(size.x + 200, size.y + 150);
    ASSERT_TRUE(WxTestEnvironment::PumpUntil([&] { return dialog->GetSize().x == size.x + 200; }));
    WxTestEnvironment::PumpFor(100);
    const wxRect grown = dialog->Grid().GetRect();
    EXPECT_EQ(grown.width, grid.width + 200);
    EXPECT_EQ(grown.height, grid.height + 150);
    EXPECT_EQ(grown.GetPosition(), grid.GetPosition());
    // Nothing covers anything: the title ends before the rows per page, the grid before the
    // buttons beside it.
    auto rectOf = [&](int id) { return dialog->FindWindow(id)->GetRect(); };
    EXPECT_LT(rectOf(1015).GetRight(), rectOf(1036).GetLeft());
    EXPECT_LT(rectOf(1036).GetRight(), rectOf(1035).GetLeft());
    for (int id : {1081, 1107, 1114, 1298}) {
        EXPECT_LT(grown.GetRight(), rectOf(id).GetLeft()) << id;
    }
    EXPECT_FALSE(WxTestEnvironment::SaveScreenshot(*dialog, "create-web-dialog-enlarged").IsEmpty());
    dialog->Destroy();
}
