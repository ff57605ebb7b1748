#include "platform/ui/testing/UserInput.h"

#include "platform/ui/WxText.h"
#include "platform/ui/testing/FakeInput.h"
#include "platform/ui/testing/GtkMenuProbe.h"
#include "platform/ui/testing/InputSteps.h"
#include "platform/ui/testing/ModalWindows.h"
#include "platform/ui/testing/WxTestEnvironment.h"

#include <gtest/gtest.h>

#include <wx/dialog.h>
#include <wx/frame.h>
#include <wx/menu.h>
#include <wx/stopwatch.h>
#include <wx/toplevel.h>
#include <wx/weakref.h>

#include <gtk/gtk.h>

#include <memory>
#include <set>

namespace {

// GTK ignores a release that comes within half a second of a menu's opening press, so an item
// is clicked only once its menu has been open for longer.
constexpr int kMenuSettleMs = 600;
// A menu is mapped before the X server has placed it; its items are clicked once it has been
// open this long.
constexpr int kMenuPlacedMs = 150;

void ClickAtScreen(const wxPoint& point, int button = wxMOUSE_BTN_LEFT)
{
    FakeInput::MoveTo(point);
    FakeInput::Button(button, true);
    FakeInput::Button(button, false);
}

// A condition that holds once test() has held for at least ms.
InputSteps::Condition HeldFor(std::function<bool()> test, int ms)
{
    auto since = std::make_shared<long>(-1);
    auto clock = std::make_shared<wxStopWatch>();
    return [=] {
        if (!test()) {
            *since = -1;
            return false;
        }
        if (*since < 0) {
            *since = clock->Time();
        }
        return clock->Time() - *since >= ms;
    };
}

// The pointer rests on an item with a submenu, which GTK opens after its delay. (A click on such
// an item toggles the submenu, depending on the time since the menu opened.) Coming from another
// open submenu, GTK takes the move as one towards that submenu and waits for more; small moves
// a moment apart give it them.
void NudgeUntilOpen(int chain, GtkWidget* item, int tries)
{
    InputSteps::Next(chain, "move on " + GtkMenuProbe::Label(item), HeldFor([] { return true; }, 400),
                     [chain, item, tries] {
                         if (!GtkMenuProbe::IsOpen(GtkMenuProbe::Submenu(item)) && tries > 0) {
                             FakeInput::MoveTo(GtkMenuProbe::ScreenCentre(item) + wxPoint(tries % 2, 1));
                             NudgeUntilOpen(chain, item, tries - 1);
                         }
                     });
}

void OpenSubmenu(int chain, GtkWidget* item)
{
    FakeInput::MoveTo(GtkMenuProbe::ScreenCentre(item));
    NudgeUntilOpen(chain, item, 8);
}

InputSteps::Condition MenuOpen(GtkWidget* menu)
{
    return [menu] { return GtkMenuProbe::IsOpen(menu); };
}

// Presses Esc until no menu is open.
void CloseMenus(int chain)
{
    InputSteps::Then(chain, "close the menus", HeldFor([] { return true; }, 150), [chain] {
        if (GtkMenuProbe::AnyOpen()) {
            FakeInput::Key(WXK_ESCAPE, wxMOD_NONE);
            CloseMenus(chain);
        }
    });
}

// Clicks path[index] in menu once it is open, and the rest of the path in its submenu.
void ChooseIn(int chain, GtkWidget* menu, const std::vector<CString>& path, size_t index,
              std::shared_ptr<bool> chosen)
{
    const bool last = index + 1 == path.size();
    const CString label = path[index];
    auto ready = HeldFor(MenuOpen(menu), last ? kMenuSettleMs : kMenuPlacedMs);
    InputSteps::Then(chain, "choose " + label, ready, [=] {
        GtkWidget* item = GtkMenuProbe::FindItem(menu, label);
        if (item == nullptr || !GtkMenuProbe::IsSensitive(item) ||
            (!last && GtkMenuProbe::Submenu(item) == nullptr)) {
            ADD_FAILURE() << "no enabled menu item " << ToWx(label).utf8_str();
            CloseMenus(chain);
            return;
        }
        if (last) {
            ClickAtScreen(GtkMenuProbe::ScreenCentre(item));
            *chosen = true;
        } else {
            OpenSubmenu(chain, item);
            ChooseIn(chain, GtkMenuProbe::Submenu(item), path, index + 1, chosen);
        }
    });
}

// Opens each enabled submenu of an open menu in turn, depth first.
void WalkSubmenus(int chain, GtkWidget* menu, const CString& name, std::vector<CString>* opened)
{
    for (GtkWidget* item : GtkMenuProbe::SubmenuItems(menu)) {
        GtkWidget* submenu = GtkMenuProbe::Submenu(item);
        const CString path = name + "/" + GtkMenuProbe::Label(item);
        InputSteps::Then(chain, "open " + path, HeldFor(MenuOpen(menu), kMenuPlacedMs),
                         [chain, item] { OpenSubmenu(chain, item); });
        InputSteps::Then(chain, "see " + path, MenuOpen(submenu),
                         [opened, path] { opened->push_back(path); });
        WalkSubmenus(chain, submenu, path, opened);
    }
}

// Modal windows already given to an answer, while they are on the screen.
std::set<GtkWidget*>& Answered()
{
    static std::set<GtkWidget*> answered;
    return answered;
}

wxWindow* WxWindowOf(GtkWidget* widget)
{
    for (wxWindow* window : wxTopLevelWindows) {
        if (window->GetHandle() == widget) {
            return window;
        }
    }
    return nullptr;
}

// A click gives no focus without a window manager; the test stands in for it. (A frame inside
// the main window, as an MDI child, has the main window as its top level.)
void ActivateTopOf(wxWindow& window)
{
    auto* top = dynamic_cast<wxTopLevelWindow*>(wxGetTopLevelParent(&window));
    if (top != nullptr && !InputSteps::InStep()) {
        UserInput::Activate(*top);
    }
}

// Clicks a menu bar's title once GTK has laid the bar out (a bar that has just come back after a
// child window closed is placed a moment later).
void ClickTitle(GtkWidget* title)
{
    WxTestEnvironment::PumpUntil([title] { return GtkMenuProbe::IsPlaced(title); }, 3000);
    WxTestEnvironment::PumpFor(100);
    ClickAtScreen(GtkMenuProbe::ScreenCentre(title));
}

} // namespace

bool UserInput::Activate(wxTopLevelWindow& window)
{
    WxTestEnvironment::PumpUntil(
        [&] { return window.IsShownOnScreen() && gtk_widget_get_mapped(window.GetHandle()); }, 3000);
    if (!window.IsActive()) {
        window.Raise();
        WxTestEnvironment::PumpUntil([&] { return window.IsActive(); }, 3000);
    }
    return window.IsActive();
}

bool UserInput::Focus(wxTopLevelWindow& window)
{
    if (!Activate(window)) {
        return false;
    }
    gdk_window_focus(gtk_widget_get_window(window.GetHandle()), GDK_CURRENT_TIME);
    Settle();
    return window.IsActive();
}

void UserInput::Click(wxWindow& window, const wxPoint& point, wxMouseButton button)
{
    ActivateTopOf(window);
    ClickAtScreen(window.ClientToScreen(point), button);
    Settle();
}

void UserInput::Hover(wxWindow& window, const wxPoint& point)
{
    ActivateTopOf(window);
    // A hand comes to rest in a few moves, not in one jump.
    const wxPoint target = window.ClientToScreen(point);
    for (int step = 3; step >= 0; --step) {
        FakeInput::MoveTo(target - wxPoint(step * 2, step * 2));
        Settle();
    }
}

void UserInput::Drag(wxWindow& from, const wxPoint& start, wxWindow& to, const wxPoint& end)
{
    // A hand's moves: a few pixels first (a press that may still be a click), then on in steps.
    constexpr int kSteps = 8;
    constexpr int kStepMs = 40;
    constexpr int kRestMs = 300;
    ActivateTopOf(from);
    const wxPoint first = from.ClientToScreen(start);
    const wxPoint last = to.ClientToScreen(end);
    FakeInput::MoveTo(first);
    Settle();
    FakeInput::Button(wxMOUSE_BTN_LEFT, true);
    Settle();
    const int chain = InputSteps::Start("drag: a small move", HeldFor([] { return true; }, kStepMs),
                                        [first] { FakeInput::MoveTo(first + wxPoint(1, 1)); });
    for (int step = 1; step <= kSteps; ++step) {
        const wxPoint at(first.x + (last.x - first.x) * step / kSteps,
                         first.y + (last.y - first.y) * step / kSteps);
        InputSteps::Then(chain, "drag: move on", HeldFor([] { return true; }, kStepMs),
                         [at] { FakeInput::MoveTo(at); });
    }
    // A last nudge at the target, for a drag that waits for the pointer to come to rest.
    InputSteps::Then(chain, "drag: rest", HeldFor([] { return true; }, kRestMs),
                     [last] { FakeInput::MoveTo(last + wxPoint(0, 1)); });
    InputSteps::Then(chain, "drag: release", HeldFor([] { return true; }, kRestMs), [last] {
        FakeInput::MoveTo(last);
        FakeInput::Button(wxMOUSE_BTN_LEFT, false);
    });
    Finish();
    Settle();
}

void UserInput::RightClick(wxWindow& window, const wxPoint& point)
{
    Click(window, point, wxMOUSE_BTN_RIGHT);
}

void UserInput::DoubleClick(wxWindow& window, const wxPoint& point)
{
    ActivateTopOf(window);
    FakeInput::MoveTo(window.ClientToScreen(point));
    for (int i = 0; i < 2; ++i) {
        FakeInput::Button(wxMOUSE_BTN_LEFT, true);
        FakeInput::Button(wxMOUSE_BTN_LEFT, false);
    }
    Settle();
}

void UserInput::Wheel(wxWindow& window, const wxPoint& point, int notches)
{
    ActivateTopOf(window);
    FakeInput::MoveTo(window.ClientToScreen(point));
    Settle();
    FakeInput::Wheel(notches);
    Settle();
}

void UserInput::Press(int key, int modifiers)
{
    FakeInput::Key(key, modifiers);
    Settle();
}

void UserInput::Type(const char* text)
{
    for (const char* c = text; *c != '\0'; ++c) {
        FakeInput::Key(static_cast<unsigned char>(*c), wxMOD_NONE);
    }
    Settle();
}

bool UserInput::ChooseMenu(wxFrame& frame, const std::vector<CString>& path)
{
    GtkWidget* title = path.empty() ? nullptr : GtkMenuProbe::MenuBarItem(frame, path[0]);
    if (title == nullptr || path.size() < 2) {
        ADD_FAILURE() << "no menu " << (path.empty() ? "" : ToWx(path[0]).utf8_str().data());
        return false;
    }
    ActivateTopOf(frame);
    ClickTitle(title);
    auto chosen = std::make_shared<bool>(false);
    const int chain = InputSteps::Start(
        "open " + path[0], MenuOpen(GtkMenuProbe::Submenu(title)), [] {}, 5000);
    ChooseIn(chain, GtkMenuProbe::Submenu(title), path, 1, chosen);
    const bool finished = InputSteps::Finish();
    // The menu goes on taking the pointer until it has closed.
    WxTestEnvironment::PumpUntil([] { return !GtkMenuProbe::AnyOpen(); });
    return finished && *chosen;
}

std::vector<CString> UserInput::OpenEveryMenu(wxFrame& frame)
{
    std::vector<CString> opened;
    ActivateTopOf(frame);
    wxMenuBar* bar = frame.GetMenuBar();
    for (size_t i = 0; bar != nullptr && i < bar->GetMenuCount(); ++i) {
        GtkWidget* title = bar->GetMenu(i)->m_owner;
        if (!GtkMenuProbe::IsSensitive(title)) {
            continue;
        }
        GtkWidget* menu = GtkMenuProbe::Submenu(title);
        const CString name = GtkMenuProbe::Label(title);
        ClickTitle(title);
        const int chain = InputSteps::Start(
            "open " + name, MenuOpen(menu), [&opened, name] { opened.push_back(name); }, 5000);
        WalkSubmenus(chain, menu, name, &opened);
        CloseMenus(chain);
        if (!InputSteps::Finish()) {
            break;
        }
    }
    return opened;
}

void UserInput::ChooseInNextPopup(const std::vector<CString>& path)
{
    auto chain = std::make_shared<int>(0);
    auto chosen = std::make_shared<bool>(false);
    *chain = InputSteps::Start(
        "a popup menu", [] { return GtkMenuProbe::OpenPopup() != nullptr; },
        [=] { ChooseIn(*chain, GtkMenuProbe::OpenPopup(), path, 0, chosen); });
}

void UserInput::OpenEveryMenuOfNextPopup(std::vector<CString>* opened)
{
    auto chain = std::make_shared<int>(0);
    *chain = InputSteps::Start(
        "a popup menu", [] { return GtkMenuProbe::OpenPopup() != nullptr; },
        [=] {
            opened->push_back(CString());
            WalkSubmenus(*chain, GtkMenuProbe::OpenPopup(), CString(), opened);
            CloseMenus(*chain);
        });
}

void UserInput::AnswerNextModal(std::function<void(wxWindow* dialog)> answer)
{
    const std::vector<GtkWidget*> before = ModalWindows::Shown();
    auto known = std::make_shared<std::set<GtkWidget*>>(before.begin(), before.end());
    auto window = std::make_shared<GtkWidget*>(nullptr);
    const int chain = InputSteps::Start(
        "a modal window",
        [=] {
            const std::vector<GtkWidget*> shown = ModalWindows::Shown();
            std::erase_if(Answered(), [&](GtkWidget* w) {
                return std::find(shown.begin(), shown.end(), w) == shown.end();
            });
            for (GtkWidget* candidate : shown) {
                if (known->count(candidate) == 0 && Answered().count(candidate) == 0) {
                    *window = candidate;
                    return true;
                }
            }
            return false;
        },
        [=] {
            Answered().insert(*window);
            // A box that closes can be followed at once by another at the same address.
            g_object_weak_ref(
                G_OBJECT(*window), [](gpointer, GObject* gone) { Answered().erase(GTK_WIDGET(gone)); },
                nullptr);
            gtk_window_present(GTK_WINDOW(*window));
        });
    InputSteps::Then(
        chain, "the modal window has the keyboard",
        [=] { return gtk_window_is_active(GTK_WINDOW(*window)) != FALSE; },
        [=] { answer(WxWindowOf(*window)); });
}

void UserInput::PressToClose(wxDialog& dialog, int key, std::shared_ptr<bool> stayed)
{
    constexpr int kCloseMs = WxTestEnvironment::kPatienceMs;
    Press(key);
    auto clock = std::make_shared<wxStopWatch>();
    // A dialog of the program's own may be gone (with its loop) before the step looks again.
    auto shown = std::make_shared<wxWeakRef<wxDialog>>(&dialog);
    InputSteps::Start(
        "the dialog had its chance to close",
        [clock, shown] {
            return shown->get() == nullptr || !(*shown)->IsModal() || clock->Time() > kCloseMs;
        },
        [shown, stayed] {
            if (shown->get() != nullptr && (*shown)->IsModal()) {
                *stayed = true;
                (*shown)->EndModal(wxID_ABORT);
            }
        });
}

bool UserInput::Finish(int timeoutMs)
{
    return InputSteps::Finish(timeoutMs);
}

void UserInput::Settle()
{
    if (InputSteps::InStep()) {
        return;
    }
    FakeInput::Sync();
    WxTestEnvironment::PumpFor(30);
}
