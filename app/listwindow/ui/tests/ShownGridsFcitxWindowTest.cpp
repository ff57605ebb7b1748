// The grids on a Japanese desktop whose input method is fcitx5 with mozc: each shows what it
// holds after edits, menus and dialogs, as the X server shows it.
#include "app/testing/ui/SampleListStart.h"
#include "platform/ui/testing/FcitxSession.h"
#include "platform/ui/testing/UnprivilegedRun.h"
#include "support/ShownGridSteps.h"

#include <gtest/gtest.h>

#include <cstdlib>

namespace {

const bool kUnprivileged = UnprivilegedRun::Ensure();

CGridView& View()
{
    static const bool input = kUnprivileged && FcitxSession::Start();
    CGridView* view = input ? StartWithSampleList(6, 2) : nullptr;
    if (view == nullptr) {
        std::abort();
    }
    return *view;
}

} // namespace

TEST(ShownGridsFcitxWindowTest, TheListShowsItsEditsThroughMenusAndDialogs)
{
    ShownGridSteps::EditTheListThroughMenus(View());
}
