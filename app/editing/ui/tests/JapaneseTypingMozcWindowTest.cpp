// Typing Japanese into the list through IBus with mozc, the engine most Japanese desktops have:
// a word composes and commits, a number column takes plain digits (mozc's direct input, not its
// Latin composition), and each text column gets its mode, the one it asks for or the one the user
// left it in.
#include "app/listwindow/ui/GridView.h"
#include "platform/ui/testing/IbusSession.h"
#include "platform/ui/testing/UnprivilegedRun.h"
#include "support/JapaneseJourneys.h"

#include <gtest/gtest.h>


namespace {

const bool kUnprivileged = UnprivilegedRun::Ensure();

// mozc starts in hiragana here and offers every mode by name.
const JapaneseJourneys::Desktop kMozc{{}, {}, "アイウ"};

CGridView& View()
{
    return JapaneseJourneys::View([] { return kUnprivileged && IbusSession::Start(IbusSession::Client::kIbusModule, IbusSession::Engine::kMozc); });
}

} // namespace

TEST(JapaneseTypingMozcWindowTest, AWordComposesInTheCellAndCommits)
{
    JapaneseJourneys::CommitAWord(View(), kMozc);
}

TEST(JapaneseTypingMozcWindowTest, APlainColumnKeepsTheInputMethodAsTheUserLeftIt)
{
    JapaneseJourneys::TypeIntoAPlainColumnAfterANumberColumn(View(), kMozc);
}

TEST(JapaneseTypingMozcWindowTest, AKatakanaColumnTypesKatakanaAfterANumberColumn)
{
    JapaneseJourneys::TypeIntoAKatakanaColumnAfterANumberColumn(View(), kMozc);
}

TEST(JapaneseTypingMozcWindowTest, ANumberColumnTakesDigitsWithOneReturn)
{
    JapaneseJourneys::TypeDigitsIntoANumberColumn(View());
}
