#pragma once

#include <string>
#include <vector>

#include <sys/types.h>

// What a program started as a separate process shows on the X display, read as a desktop reads
// it: its top-level windows, their titles, owners and pixels.
// Xlib's display, without its macros in every file that includes this one; windows (Window) and
// atoms (Atom) are Xlib's XIDs, unsigned long.
typedef struct _XDisplay Display;

namespace ProgramWindows {

// A property of a window as a list of 32-bit items (windows, atoms, cardinals); empty when the
// window or the property is not there.
std::vector<unsigned long> Property(Display* display, unsigned long window, const char* name,
                                    unsigned long type);

// The top-level windows of the display: the root's children and, under a window manager, the
// windows it manages (inside its frames), bottom first.
std::vector<unsigned long> TopLevelWindows(Display* display);

// The shown top-level window whose title begins with title, of the process pid (any process
// when pid is 0); 0 when there is none yet.
unsigned long FindShownWindow(Display* display, pid_t pid, const std::string& title);

// The program's main window ("Zantoby ..."); 0 when it is not shown.
unsigned long FindMainWindow(Display* display, pid_t pid);

// The shown window that stands for owner (a dialog of it); 0 when there is none.
unsigned long FindShownDialogOf(Display* display, unsigned long owner);

// Whether the middle of the window shows more than one colour, as a list or a page does and a
// window left empty does not.
bool ShowsContent(Display* display, unsigned long window);

// A double click of the left button at a point of the window, as a user gives it.
void DoubleClick(Display* display, unsigned long window, int x, int y);

// Presses and lets go each key (X keysyms) in turn, with Ctrl held when control is set, as a
// user types them into the window that has the keyboard.
void PressKeys(Display* display, const std::vector<unsigned long>& keys, bool control = false);

// Where a top-level window is on the screen with its frame, as a desktop saves and restores it:
// under a window manager the frame around the window, else the window itself.
struct FrameRect
{
    int x, y, width, height;
    bool operator==(const FrameRect&) const = default;
};
FrameRect FrameOf(Display* display, unsigned long window);

// Whether upper is stacked above lower on the window manager's screen, both shown.
bool StackedAbove(Display* display, unsigned long upper, unsigned long lower);

} // namespace ProgramWindows
