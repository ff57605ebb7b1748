#include "platform/ui/testing/FakeInput.h"

#include <wx/defs.h>
#include <wx/mousestate.h>

#include <X11/XKBlib.h>
#include <X11/extensions/XTest.h>
#include <X11/keysym.h>
#include <gdk/gdkx.h>

#include <cstdlib>
#include <vector>

namespace {

Display* XDisplay()
{
    return gdk_x11_display_get_xdisplay(gdk_display_get_default());
}

KeySym ToKeySym(int key)
{
    switch (key) {
    case WXK_BACK:
        return XK_BackSpace;
    case WXK_TAB:
        return XK_Tab;
    case WXK_RETURN:
        return XK_Return;
    case WXK_ESCAPE:
        return XK_Escape;
    case WXK_SPACE:
        return XK_space;
    case WXK_DELETE:
        return XK_Delete;
    case WXK_INSERT:
        return XK_Insert;
    case WXK_HOME:
        return XK_Home;
    case WXK_END:
        return XK_End;
    case WXK_PAGEUP:
        return XK_Page_Up;
    case WXK_PAGEDOWN:
        return XK_Page_Down;
    case WXK_LEFT:
        return XK_Left;
    case WXK_RIGHT:
        return XK_Right;
    case WXK_UP:
        return XK_Up;
    case WXK_DOWN:
        return XK_Down;
    case WXK_SHIFT:
        return XK_Shift_L;
    case WXK_CONTROL:
        return XK_Control_L;
    case WXK_ALT:
        return XK_Alt_L;
    default:
        break;
    }
    if (key >= WXK_F1 && key <= WXK_F24) {
        return XK_F1 + (key - WXK_F1);
    }
    // Latin-1 characters are their own key symbols.
    return key > 0 && key < 0x100 ? static_cast<KeySym>(key) : NoSymbol;
}

void KeyEvent(KeySym symbol, bool down)
{
    const KeyCode code = XKeysymToKeycode(XDisplay(), symbol);
    if (code != 0) {
        XTestFakeKeyEvent(XDisplay(), code, down, CurrentTime);
    }
}

} // namespace

void FakeInput::MoveTo(const wxPoint& screen)
{
    XTestFakeMotionEvent(XDisplay(), -1, screen.x, screen.y, CurrentTime);
    XFlush(XDisplay());
}

void FakeInput::Button(int button, bool down)
{
    const unsigned int number = button == wxMOUSE_BTN_RIGHT ? 3 : button == wxMOUSE_BTN_MIDDLE ? 2 : 1;
    XTestFakeButtonEvent(XDisplay(), number, down, CurrentTime);
    XFlush(XDisplay());
}

void FakeInput::Wheel(int notches)
{
    // X reports each notch as a click of button 4 (away) or 5 (towards the user).
    const unsigned int number = notches > 0 ? 5 : 4;
    for (int notch = 0; notch < std::abs(notches); ++notch) {
        XTestFakeButtonEvent(XDisplay(), number, True, CurrentTime);
        XTestFakeButtonEvent(XDisplay(), number, False, CurrentTime);
    }
    XFlush(XDisplay());
}

void FakeInput::Key(int key, int modifiers)
{
    const KeySym symbol = ToKeySym(key);
    const KeyCode code = XKeysymToKeycode(XDisplay(), symbol);
    // A sign that the key gives only with Shift (upper case, "!" ...) asks for Shift.
    if (code != 0 && symbol < 0x100 && XkbKeycodeToKeysym(XDisplay(), code, 0, 0) != symbol) {
        modifiers |= wxMOD_SHIFT;
    }
    std::vector<KeySym> held;
    if (modifiers & wxMOD_CONTROL) {
        held.push_back(XK_Control_L);
    }
    if (modifiers & wxMOD_ALT) {
        held.push_back(XK_Alt_L);
    }
    if (modifiers & wxMOD_SHIFT) {
        held.push_back(XK_Shift_L);
    }
    for (KeySym modifier : held) {
        KeyEvent(modifier, true);
    }
    KeyEvent(symbol, true);
    KeyEvent(symbol, false);
    for (auto it = held.rbegin(); it != held.rend(); ++it) {
        KeyEvent(*it, false);
    }
    XFlush(XDisplay());
}

void FakeInput::Sync()
{
    XSync(XDisplay(), False);
}
