#pragma once

// Keeps the windows alive during long work on the GUI thread: processes pending events while
// menu and toolbar commands and requests to close windows are held off, so the work cannot be
// interrupted by a command that ends or closes what it works on.
class CMessagePump
{
  public:
    // Processes every pending event, then returns.
    static void PumpMessages();
    // Processes events until ms milliseconds have passed; 0 returns at once.
    static void PumpMessagesFor(int ms);
    // True while a pump runs.
    static bool IsPumping();
};

// The pumps under the names long-running code calls them by.
inline void PumpMessages()
{
    CMessagePump::PumpMessages();
}
inline void PumpMessagesFor(int ms)
{
    CMessagePump::PumpMessagesFor(ms);
}
