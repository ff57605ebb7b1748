#include "grid/ui/testing/GridScreen.h"

#include "grid/ui/CellGrid.h"
#include "grid/ui/GridCellArea.h"
#include "grid/ui/GridCornerButton.h"
#include "grid/ui/GridSideHeading.h"
#include "grid/ui/GridTopHeading.h"
#include "grid/ui/SheetTabBar.h"
#include "platform/ui/testing/FakeInput.h"
#include "platform/ui/testing/InputSteps.h"
#include "platform/ui/testing/ScreenPixels.h"
#include "platform/ui/testing/UserInput.h"
#include "platform/ui/testing/WxTestEnvironment.h"

#include <gtest/gtest.h>

#include <wx/display.h>
#include <wx/stopwatch.h>

#include <memory>
#include <sstream>
#include <vector>

namespace {

// A painted window takes a few frames of the toolkit's clock to reach the screen.
constexpr int kShowMs = 5000;

struct Part
{
    const char* name;
    CGridPartWindow* window;
};

std::vector<Part> DrawnParts(CCellGrid& grid)
{
    std::vector<Part> parts = {{"cells", grid.CellArea()},
                               {"top-heading", grid.TopHeading()},
                               {"side-heading", grid.SideHeading()},
                               {"corner", grid.CornerButton()},
                               {"tabs", grid.TabBar()}};
    std::erase_if(parts,
                  [](const Part& part) { return part.window == nullptr || !part.window->IsShownOnScreen(); });
    return parts;
}

struct Difference
{
    const char* part = nullptr;
    long count = 0;
    int x = -1;
    int y = -1;
    Bitmap shown;
    Bitmap held;
};

Difference FirstDifference(CCellGrid& grid)
{
    Difference difference;
    for (const Part& part : DrawnParts(grid)) {
        difference.shown = ScreenPixels::Of(*part.window);
        difference.held = part.window->DrawnAfresh();
        difference.count =
            ScreenPixels::Differences(difference.shown, difference.held, &difference.x, &difference.y);
        if (difference.count != 0) {
            difference.part = part.name;
            return difference;
        }
    }
    return Difference();
}

} // namespace

void GridScreen::MovePointerAway()
{
    const wxRect screen = wxDisplay(0u).GetGeometry();
    FakeInput::MoveTo(wxPoint(screen.GetRight(), screen.GetBottom()));
}

bool GridScreen::Matches(CCellGrid& grid)
{
    return FirstDifference(grid).part == nullptr;
}

std::string GridScreen::Explain(CCellGrid& grid, const char* name)
{
    const Difference difference = FirstDifference(grid);
    if (difference.part == nullptr) {
        return std::string();
    }
    std::ostringstream text;
    text << "the " << difference.part << " show " << difference.count
         << " pixels other than the grid holds, the first at (" << difference.x << ", " << difference.y
         << ")";
    const std::string stem = std::string(name) + "-" + difference.part;
    const CString shown = ScreenPixels::Save(difference.shown, (stem + "-shown").c_str());
    ScreenPixels::Save(difference.held, (stem + "-held").c_str());
    if (!shown.IsEmpty()) {
        text << "; pictures beside " << shown.GetString();
    }
    return text.str();
}

bool GridScreen::ShowsWhatItHolds(CCellGrid& grid, const char* name, std::string* why)
{
    MovePointerAway();
    UserInput::Settle();
    if (WxTestEnvironment::PumpUntil([&] { return Matches(grid); }, kShowMs)) {
        return true;
    }
    *why = Explain(grid, name);
    return why->empty();
}

void GridScreen::ThenShowsWhatItHolds(int chain, CCellGrid& grid, const char* name)
{
    auto clock = std::make_shared<wxStopWatch>();
    auto since = std::make_shared<long>(-1);
    InputSteps::Then(
        chain, "the grid shows what it holds",
        [=, &grid] {
            if (*since < 0) {
                MovePointerAway();
                *since = clock->Time();
                return false;
            }
            return Matches(grid) || clock->Time() - *since > kShowMs;
        },
        [=, &grid] { EXPECT_TRUE(Matches(grid)) << Explain(grid, name); }, 2 * kShowMs);
}
