#pragma once

class wxKeyEvent;
class wxMouseEvent;

// The key codes and mouse key flags the grid's model and notifications use, from wx events.
class CGridKeys
{
  public:
    // The virtual key of a key-down or key-up event; 0 for keys the grid has no code for.
    static unsigned int VirtualKey(const wxKeyEvent& event);
    // MK_ flags of a mouse event.
    static unsigned int MouseFlags(const wxMouseEvent& event);
    // Whether a virtual key (VK_SHIFT, VK_CONTROL, VK_MENU, VK_F1) is held: for the first three
    // as the event being handled says, outside one and for the rest on the live keyboard.
    static bool IsHeld(unsigned int virtualKey);
};
