#include "grid/ui/GridKeys.h"

#include "grid/ui/GridEventKeys.h"

#include "platform/VirtualKeys.h"

#include <wx/event.h>
#include <wx/utils.h>

unsigned int CGridKeys::VirtualKey(const wxKeyEvent& event)
{
    const int code = event.GetKeyCode();
    switch (code) {
    case WXK_BACK:
        return VK_BACK;
    case WXK_TAB:
        return VK_TAB;
    case WXK_RETURN:
    case WXK_NUMPAD_ENTER:
        return VK_RETURN;
    case WXK_SHIFT:
        return VK_SHIFT;
    case WXK_CONTROL:
        return VK_CONTROL;
    case WXK_ALT:
        return VK_MENU;
    case WXK_ESCAPE:
        return VK_ESCAPE;
    case WXK_SPACE:
        return VK_SPACE;
    case WXK_PAGEUP:
    case WXK_NUMPAD_PAGEUP:
        return VK_PRIOR;
    case WXK_PAGEDOWN:
    case WXK_NUMPAD_PAGEDOWN:
        return VK_NEXT;
    case WXK_END:
    case WXK_NUMPAD_END:
        return VK_END;
    case WXK_HOME:
    case WXK_NUMPAD_HOME:
        return VK_HOME;
    case WXK_LEFT:
    case WXK_NUMPAD_LEFT:
        return VK_LEFT;
    case WXK_UP:
    case WXK_NUMPAD_UP:
        return VK_UP;
    case WXK_RIGHT:
    case WXK_NUMPAD_RIGHT:
        return VK_RIGHT;
    case WXK_DOWN:
    case WXK_NUMPAD_DOWN:
        return VK_DOWN;
    case WXK_INSERT:
    case WXK_NUMPAD_INSERT:
        return VK_INSERT;
    case WXK_DELETE:
    case WXK_NUMPAD_DELETE:
        return VK_DELETE;
    default:
        break;
    }
    if (code >= WXK_F1 && code <= WXK_F24) {
        return VK_F1 + static_cast<unsigned int>(code - WXK_F1);
    }
    // Letters and digits: Windows key codes are their upper-case characters.
    if ((code >= '0' && code <= '9') || (code >= 'A' && code <= 'Z')) {
        return static_cast<unsigned int>(code);
    }
    if (code >= 'a' && code <= 'z') {
        return static_cast<unsigned int>(code - 'a' + 'A');
    }
    return 0;
}

unsigned int CGridKeys::MouseFlags(const wxMouseEvent& event)
{
    unsigned int flags = 0;
    if (event.LeftIsDown()) {
        flags |= MK_LBUTTON;
    }
    if (event.RightIsDown()) {
        flags |= MK_RBUTTON;
    }
    if (event.MiddleIsDown()) {
        flags |= MK_MBUTTON;
    }
    if (event.ShiftDown()) {
        flags |= MK_SHIFT;
    }
    if (event.ControlDown()) {
        flags |= MK_CONTROL;
    }
    return flags;
}

bool CGridKeys::IsHeld(unsigned int virtualKey)
{
    if (const wxKeyboardState* event = CGridEventKeys::Current()) {
        switch (virtualKey) {
        case VK_SHIFT:
            return event->ShiftDown();
        case VK_CONTROL:
            return event->ControlDown();
        case VK_MENU:
            return event->AltDown();
        default:
            break;
        }
    }
    switch (virtualKey) {
    case VK_SHIFT:
        return wxGetKeyState(WXK_SHIFT);
    case VK_CONTROL:
        return wxGetKeyState(WXK_CONTROL);
    case VK_MENU:
        return wxGetKeyState(WXK_ALT);
    case VK_F1:
        return wxGetKeyState(WXK_F1);
    default:
        return false;
    }
}
