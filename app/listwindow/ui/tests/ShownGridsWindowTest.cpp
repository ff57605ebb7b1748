// The grids on a Japanese desktop with GTK's default input module for it (XIM, no input method
// server): each shows what it holds after edits, menus and dialogs, as the X server shows it, and
// GTK has nothing to complain of on the way, from the program's start on.
#include "app/testing/ui/SampleListStart.h"
#include "platform/ui/testing/WxTestEnvironment.h"
#include "support/ShownGridSteps.h"

#include <gtest/gtest.h>

#include <cstdlib>

namespace {

CGridView& View()
{
    static const bool watched = [] {
        WxTestEnvironment::FailOnToolkitWarnings();
        return true;
    }();
    CGridView* view = watched ? StartWithSampleList(6, 2) : nullptr;
    if (view == nullptr) {
        std::abort();
    }
    return *view;
}

} // namespace

TEST(ShownGridsWindowTest, TheListShowsItsEditsThroughMenusAndDialogs)
{
    ShownGridSteps::EditTheListThroughMenus(View());
}

TEST(ShownGridsWindowTest, TheListInformationShowsItsEdits)
{
    ShownGridSteps::EditTheListInformation(View());
}

TEST(ShownGridsWindowTest, TheSortDetailShowsItsChanges)
{
    ShownGridSteps::ChangeTheSortDetail(View());
}
