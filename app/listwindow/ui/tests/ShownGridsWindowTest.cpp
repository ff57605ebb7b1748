// The grids on a Japanese desktop with GTK's default input module for it (XIM, no input method
// server): each shows what it holds after edits, menus and dialogs, as the X server shows it.
#include "app/testing/ui/SampleListStart.h"
#include "support/ShownGridSteps.h"

#include <gtest/gtest.h>

#include <cstdlib>

namespace {

CGridView& View()
{
    CGridView* view = StartWithSampleList(6, 2);
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
