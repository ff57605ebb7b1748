#include "app/startup/MessageService.h"

#include "app/testing/MessageBoxRecorder.h"

#include <gtest/gtest.h>

namespace {

constexpr unsigned kFixedStyle = MB_TASKMODAL | MB_TOPMOST;

class MessageServiceTest : public testing::Test
{
  protected:
    CMessageService service{CVersionInfo(2, 1, 3, 4)};
};

} // namespace

TEST_F(MessageServiceTest, QuestionShowsItsTextIconButtonsAndCaption)
{
    CMessageBoxRecorder boxes(IDNO);
    EXPECT_EQ(service.AskMessage(20800, MB_YESNOCANCEL), IDNO);
    const auto& box = boxes.Only();
    EXPECT_EQ(box.text, "変更点を保存しますか");
    EXPECT_EQ(box.caption, "Zantoby v2.103.4 : MSG=20800");
    EXPECT_EQ(box.style, MB_YESNOCANCEL | MB_ICONQUESTION | kFixedStyle);
}

TEST_F(MessageServiceTest, EachTableCarriesItsIcon)
{
    CMessageBoxRecorder boxes;
    service.ShowInfoMessage(11200);
    service.ShowWarningMessage(20300, MB_OK);
    service.ShowErrorMessage(40200, MB_OK);
    ASSERT_EQ(boxes.Boxes().size(), 3u);
    EXPECT_EQ(boxes.Boxes()[0].style, MB_OK | MB_ICONINFORMATION | kFixedStyle);
    EXPECT_EQ(boxes.Boxes()[1].style, MB_OK | MB_ICONEXCLAMATION | kFixedStyle);
    EXPECT_EQ(boxes.Boxes()[1].text, "印刷するﾃﾞｰﾀがありません");
    EXPECT_EQ(boxes.Boxes()[1].caption, "Zantoby v2.103.4 : MSG=20300");
    EXPECT_EQ(boxes.Boxes()[2].style, MB_OK | MB_ICONHAND | kFixedStyle);
}

TEST_F(MessageServiceTest, CallerFlagsKeepTheirDefaultButtonButNotTheirIcon)
{
    CMessageBoxRecorder boxes;
    service.ShowWarningMessage(30216, MB_YESNO | MB_DEFBUTTON2 | MB_ICONHAND);
    EXPECT_EQ(boxes.Only().style, MB_YESNO | MB_DEFBUTTON2 | MB_ICONEXCLAMATION | kFixedStyle);
}

TEST_F(MessageServiceTest, ArgumentsFillThePlaceholdersInOrder)
{
    CMessageBoxRecorder boxes;
    CString folder = "/home/u/写真";
    service.ShowWarningMessage(31302, MB_OK, 3, "ﾃｽﾄ");
    service.AskMessage(20501, MB_OKCANCEL, "A:", 2);
    service.ShowErrorMessage(41300, MB_OK, 7);
    service.ShowWarningMessage(30209, MB_OK, folder.GetString());
    ASSERT_EQ(boxes.Boxes().size(), 4u);
    EXPECT_EQ(boxes.Boxes()[0].text, "3 番目の項目の名称に'ﾃｽﾄ'が使われています");
    EXPECT_EQ(boxes.Boxes()[1].text, "ﾄﾞﾗｲﾌﾞ A: に 2 番目のﾃﾞｨｽｸを挿入してください");
    EXPECT_EQ(boxes.Boxes()[2].text, "写真[0007.jpg]が読み込めません");
    EXPECT_EQ(boxes.Boxes()[3].text, "写真保存用ﾌｫﾙﾀﾞを作成できませんでした\nﾌｫﾙﾀﾞ名 : /home/u/写真\n");
}

TEST_F(MessageServiceTest, UnknownNumberShowsAnEmptyTextWithTheNormalCaption)
{
    CMessageBoxRecorder boxes;
    service.AskMessage(29999, MB_YESNO, "unused");
    EXPECT_EQ(boxes.Only().text, "");
    EXPECT_EQ(boxes.Only().caption, "Zantoby v2.103.4 : MSG=29999");
    EXPECT_EQ(boxes.Only().style, MB_YESNO | MB_ICONQUESTION | kFixedStyle);
}

TEST_F(MessageServiceTest, NumberIsLookedUpOnlyInTheTableOfTheOperation)
{
    CMessageBoxRecorder boxes;
    service.AskMessage(20300, MB_OK);
    service.ShowErrorMessage(30000, MB_OK, "x");
    ASSERT_EQ(boxes.Boxes().size(), 2u);
    EXPECT_EQ(boxes.Boxes()[0].text, "");
    EXPECT_EQ(boxes.Boxes()[1].text, "");
    EXPECT_EQ(boxes.Boxes()[1].style & MB_ICONMASK, MB_ICONHAND);
}

TEST(MessageServiceCompiled, CaptionCarriesTheBuiltVersion)
{
    CMessageService service;
    CMessageBoxRecorder boxes;
    service.ShowInfoMessage(10700);
    EXPECT_EQ(boxes.Only().caption,
              "Zantoby v" + CVersionInfo::Compiled().GetVersionString() + " : MSG=10700");
}
