// The grids on a Japanese desktop whose input method is IBus's XIM server as the desktop's only input method,
// through GTK's XIM module: each shows what it holds after edits, menus and dialogs, as the X server shows
// it.
#include "app/testing/ui/SampleListStart.h"
#include "platform/ui/testing/IbusSession.h"
#include "support/ShownGridSteps.h"

#include <gtest/gtest.h>

#include <cstdlib>

namespace {

CGridView& View()
{
    static const bool input = IbusSession::Start(IbusSession::Client::kXimServer);
    CGridView* view = input ? StartWithSampleList(6, 2) : nullptr;
    if (view == nullptr) {
        std::abort();
    }
    return *view;
}

} // namespace

TEST(ShownGridsXimServerWindowTest, TheListShowsItsEditsThroughMenusAndDialogs)
{
    ShownGridSteps::EditTheListThroughMenus(View());
}

TEST(ShownGridsXimServerWindowTest, TheListInformationShowsItsEdits)
{
    ShownGridSteps::EditTheListInformation(View());
}

TEST(ShownGridsXimServerWindowTest, TheSortDetailShowsItsChanges)
{
    ShownGridSteps::ChangeTheSortDetail(View());
}
