// The grids on a Japanese desktop whose input method is IBus through GTK's IBus module: each shows what it
// holds after edits, menus and dialogs, as the X server shows it.
#include "app/testing/ui/SampleListStart.h"
#include "platform/ui/testing/IbusSession.h"
#include "support/ShownGridSteps.h"

#include <gtest/gtest.h>

#include <cstdlib>

namespace {

CGridView& View()
{
    static const bool input = IbusSession::Start(IbusSession::Client::kIbusModule);
    CGridView* view = input ? StartWithSampleList(6, 2) : nullptr;
    if (view == nullptr) {
        std::abort();
    }
    return *view;
}

} // namespace

TEST(ShownGridsIbusWindowTest, TheListShowsItsEditsThroughMenusAndDialogs)
{
    ShownGridSteps::EditTheListThroughMenus(View());
}

TEST(ShownGridsIbusWindowTest, TheListInformationShowsItsEdits)
{
    ShownGridSteps::EditTheListInformation(View());
}

TEST(ShownGridsIbusWindowTest, TheSortDetailShowsItsChanges)
{
    ShownGridSteps::ChangeTheSortDetail(View());
}
