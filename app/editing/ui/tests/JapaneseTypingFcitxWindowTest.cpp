// Typing Japanese into the list through fcitx5 with mozc: a word composes and commits once the
// user turns the input method on, a number column takes plain digits, a text column with a mode
// turns the input method on (fcitx5 lets no program choose the kana mode), and a text column of
// no mode keeps it as the user left it.
#include "app/listwindow/ui/GridView.h"
#include "platform/ui/testing/FcitxSession.h"
#include "platform/ui/testing/UnprivilegedRun.h"
#include "platform/ui/testing/UserInput.h"
#include "support/JapaneseJourneys.h"

#include <gtest/gtest.h>


namespace {

const bool kUnprivileged = UnprivilegedRun::Ensure();

// Each window's context starts off; Ctrl+Space turns it on, in mozc's hiragana.
const JapaneseJourneys::Desktop kFcitx{[] { UserInput::Press(WXK_SPACE, wxMOD_CONTROL); }, &FcitxSession::IsOn,
                                       "あいう"};

CGridView& View()
{
    return JapaneseJourneys::View([] { return kUnprivileged && FcitxSession::Start(); });
}

} // namespace

TEST(JapaneseTypingFcitxWindowTest, AWordComposesInTheCellAndCommits)
{
    JapaneseJourneys::CommitAWord(View(), kFcitx);
}

TEST(JapaneseTypingFcitxWindowTest, APlainColumnKeepsTheInputMethodAsTheUserLeftIt)
{
    JapaneseJourneys::TypeIntoAPlainColumnAfterANumberColumn(View(), kFcitx);
}

TEST(JapaneseTypingFcitxWindowTest, AColumnWithAModeTurnsTheInputMethodOnAfterANumberColumn)
{
    JapaneseJourneys::TypeIntoAKatakanaColumnAfterANumberColumn(View(), kFcitx);
}

TEST(JapaneseTypingFcitxWindowTest, ANumberColumnTakesDigitsWithOneReturn)
{
    JapaneseJourneys::TypeDigitsIntoANumberColumn(View());
}
