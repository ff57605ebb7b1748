#pragma once

class wxEvent;
class wxKeyboardState;

// While it lives, the grid reads Shift, Ctrl and Alt from the key or mouse event being handled
// rather than from the live keyboard: by the time a queued event is handled, a quick chord's
// keys may already be up.
class CGridEventKeys
{
  public:
    explicit CGridEventKeys(const wxEvent& event);
    ~CGridEventKeys();
    CGridEventKeys(const CGridEventKeys&) = delete;
    CGridEventKeys& operator=(const CGridEventKeys&) = delete;

    // The keys of the innermost event being handled, or null outside one.
    static const wxKeyboardState* Current();

  private:
    const wxKeyboardState* m_previous;
};
