#include "app/testing/process/ProgramWindows.h"

#include <X11/Xatom.h>
#include <X11/Xlib.h>
#include <X11/Xutil.h>
#include <X11/extensions/XTest.h>
#include <X11/keysym.h>

#include <algorithm>

namespace ProgramWindows {

std::vector<unsigned long> Property(Display* display, Window window, const char* name, Atom type)
{
    std::vector<unsigned long> values;
    Atom actual = 0;
    int format = 0;
    unsigned long items = 0;
    unsigned long after = 0;
    unsigned char* data = nullptr;
    if (XGetWindowProperty(display, window, XInternAtom(display, name, False), 0, 1024, False, type, &actual,
                           &format, &items, &after, &data) == Success &&
        format == 32) {
        const auto* longs = reinterpret_cast<const unsigned long*>(data);
        values.assign(longs, longs + items);
    }
    if (data != nullptr) {
        XFree(data);
    }
    return values;
}

std::vector<Window> TopLevelWindows(Display* display)
{
    std::vector<Window> windows;
    Window root = 0;
    Window parent = 0;
    Window* children = nullptr;
    unsigned count = 0;
    if (XQueryTree(display, DefaultRootWindow(display), &root, &parent, &children, &count) != 0) {
        windows.assign(children, children + count);
    }
    if (children != nullptr) {
        XFree(children);
    }
    for (unsigned long managed :
         Property(display, DefaultRootWindow(display), "_NET_CLIENT_LIST_STACKING", XA_WINDOW)) {
        windows.push_back(managed);
    }
    return windows;
}

Window FindShownWindow(Display* display, pid_t pid, const std::string& title)
{
    for (Window window : TopLevelWindows(display)) {
        XWindowAttributes attributes;
        if (XGetWindowAttributes(display, window, &attributes) == 0 || attributes.map_state != IsViewable ||
            (pid != 0 && Property(display, window, "_NET_WM_PID", XA_CARDINAL) !=
                             std::vector<unsigned long>{static_cast<unsigned long>(pid)})) {
            continue;
        }
        XTextProperty name = {};
        bool found = false;
        if (XGetTextProperty(display, window, &name, XInternAtom(display, "_NET_WM_NAME", False)) != 0 &&
            name.value != nullptr) {
            found = std::string(reinterpret_cast<char*>(name.value)).rfind(title, 0) == 0;
            XFree(name.value);
        }
        if (found) {
            return window;
        }
    }
    return 0;
}

Window FindMainWindow(Display* display, pid_t pid)
{
    return FindShownWindow(display, pid, "Zantoby ");
}

Window FindShownDialogOf(Display* display, Window owner)
{
    for (Window window : TopLevelWindows(display)) {
        XWindowAttributes attributes;
        if (XGetWindowAttributes(display, window, &attributes) != 0 && attributes.map_state == IsViewable &&
            Property(display, window, "WM_TRANSIENT_FOR", XA_WINDOW) == std::vector<unsigned long>{owner}) {
            return window;
        }
    }
    return 0;
}

bool ShowsContent(Display* display, Window window)
{
    XWindowAttributes attributes;
    Window child = 0;
    int x = 0;
    int y = 0;
    if (XGetWindowAttributes(display, window, &attributes) == 0 || attributes.map_state != IsViewable ||
        XTranslateCoordinates(display, window, DefaultRootWindow(display), attributes.width * 3 / 10,
                              attributes.height * 4 / 10, &x, &y, &child) == 0) {
        return false;
    }
    XImage* image = XGetImage(display, DefaultRootWindow(display), x, y, attributes.width * 4 / 10,
                              attributes.height * 3 / 10, AllPlanes, ZPixmap);
    if (image == nullptr) {
        return false;
    }
    const unsigned long first = XGetPixel(image, 0, 0);
    bool varied = false;
    for (int row = 0; row < image->height && !varied; ++row) {
        for (int column = 0; column < image->width && !varied; ++column) {
            varied = XGetPixel(image, column, row) != first;
        }
    }
    XDestroyImage(image);
    return varied;
}

void DoubleClick(Display* display, Window window, int x, int y)
{
    Window child = 0;
    int rootX = 0;
    int rootY = 0;
    XTranslateCoordinates(display, window, DefaultRootWindow(display), x, y, &rootX, &rootY, &child);
    XTestFakeMotionEvent(display, DefaultScreen(display), rootX, rootY, CurrentTime);
    for (int click = 0; click < 2; ++click) {
        XTestFakeButtonEvent(display, 1, True, CurrentTime);
        XTestFakeButtonEvent(display, 1, False, CurrentTime);
    }
    XFlush(display);
}

void PressKeys(Display* display, const std::vector<unsigned long>& keys, bool control)
{
    const KeyCode ctrl = XKeysymToKeycode(display, XK_Control_L);
    if (control) {
        XTestFakeKeyEvent(display, ctrl, True, CurrentTime);
    }
    for (unsigned long key : keys) {
        const KeyCode code = XKeysymToKeycode(display, key);
        XTestFakeKeyEvent(display, code, True, CurrentTime);
        XTestFakeKeyEvent(display, code, False, CurrentTime);
    }
    if (control) {
        XTestFakeKeyEvent(display, ctrl, False, CurrentTime);
    }
    XFlush(display);
}

FrameRect FrameOf(Display* display, Window window)
{
    XSync(display, False);
    // The frame is the window's ancestor that is a child of the root.
    Window frame = window;
    for (;;) {
        Window root = 0;
        Window parent = 0;
        Window* children = nullptr;
        unsigned count = 0;
        if (XQueryTree(display, frame, &root, &parent, &children, &count) == 0) {
            return {};
        }
        if (children != nullptr) {
            XFree(children);
        }
        if (parent == root || parent == 0) {
            break;
        }
        frame = parent;
    }
    XWindowAttributes attributes;
    if (XGetWindowAttributes(display, frame, &attributes) == 0) {
        return {};
    }
    return {attributes.x, attributes.y, attributes.width + 2 * attributes.border_width,
            attributes.height + 2 * attributes.border_width};
}

bool StackedAbove(Display* display, Window upper, Window lower)
{
    const std::vector<unsigned long> stacking =
        Property(display, DefaultRootWindow(display), "_NET_CLIENT_LIST_STACKING", XA_WINDOW);
    const auto top = std::find(stacking.begin(), stacking.end(), upper);
    const auto bottom = std::find(stacking.begin(), stacking.end(), lower);
    return top != stacking.end() && bottom != stacking.end() && top > bottom;
}

} // namespace ProgramWindows
