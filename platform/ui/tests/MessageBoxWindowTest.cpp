// The program's message boxes answered from the keyboard, as a user answers them: Return takes
// the default button of every kind of box.
#include "platform/MessageBox.h"
#include "platform/ui/WxMessageBox.h"
#include "platform/ui/testing/UserInput.h"
#include "platform/ui/testing/WxTestEnvironment.h"

#include <gtest/gtest.h>

#include <wx/frame.h>

namespace {

class MessageBoxWindowTest : public ::testing::Test
{
  protected:
    void SetUp() override
    {
        WxTestEnvironment::Ensure();
        frame = new wxFrame(nullptr, wxID_ANY, "owner", wxPoint(40, 40), wxSize(400, 300));
        frame->Show();
        ASSERT_TRUE(UserInput::Activate(*frame));
    }
    void TearDown() override
    {
        frame->Destroy();
        WxTestEnvironment::PumpFor(50);
    }

    // The answer of a box of that style to a key.
    static int Answer(unsigned style, int key)
    {
        UserInput::AnswerNextModal([key](wxWindow*) { UserInput::Press(key); });
        const int answer = WxMessageBox::Show("確認してください", "Zantoby", style);
        EXPECT_TRUE(UserInput::Finish());
        return answer;
    }

    wxFrame* frame = nullptr;
};

} // namespace

TEST_F(MessageBoxWindowTest, ReturnTakesTheDefaultButton)
{
    struct Case
    {
        unsigned style;
        int answer;
    };
    const Case cases[] = {
        {MB_OK | MB_ICONINFORMATION, IDOK},
        {MB_OKCANCEL | MB_ICONQUESTION, IDOK},
        {MB_OKCANCEL | MB_ICONQUESTION | MB_DEFBUTTON2, IDCANCEL},
        {MB_YESNO | MB_ICONQUESTION, IDYES},
        {MB_YESNO | MB_ICONQUESTION | MB_DEFBUTTON2, IDNO},
        {MB_YESNOCANCEL | MB_ICONQUESTION, IDYES},
        {MB_YESNOCANCEL | MB_ICONQUESTION | MB_DEFBUTTON2, IDNO},
        {MB_RETRYCANCEL | MB_ICONEXCLAMATION, IDRETRY},
        {MB_ABORTRETRYIGNORE | MB_ICONHAND, IDABORT},
    };
    // The program's numbered messages stay above every window.
    for (const unsigned modality : {0u, MB_TASKMODAL | MB_TOPMOST}) {
        for (const Case& box : cases) {
            EXPECT_EQ(Answer(box.style | modality, WXK_RETURN), box.answer)
                << "style " << std::hex << (box.style | modality);
        }
    }
}

TEST_F(MessageBoxWindowTest, EscCancelsABoxThatCanBeCancelled)
{
    EXPECT_EQ(Answer(MB_OKCANCEL | MB_ICONQUESTION, WXK_ESCAPE), IDCANCEL);
    EXPECT_EQ(Answer(MB_YESNOCANCEL | MB_ICONQUESTION, WXK_ESCAPE), IDCANCEL);
    EXPECT_EQ(Answer(MB_RETRYCANCEL | MB_ICONEXCLAMATION, WXK_ESCAPE), IDCANCEL);
}
