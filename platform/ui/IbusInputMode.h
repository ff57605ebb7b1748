#pragma once

#include <string>

// The conversion mode of the IBus engine that serves the focused input context (IBus keeps one
// engine for all of a desktop's input contexts, so the mode follows the keyboard from window to
// window). Each engine offers its modes as properties of its own (anthy and mozc as
// "InputMode.Hiragana" ...); the names are read from the properties the engine registers and
// updates, so that a mode an engine does not offer is never asked for.
class IbusInputMode
{
  public:
    // kDirect is the engine's own plain key input (mozc's direct input, anthy's Latin input):
    // the input method is closed, and the user can open it again with the desktop's key for it.
    enum class Conversion
    {
        kDirect,
        kHalfKatakana,
        kKatakana,
        kHiragana,
        kAlphanumeric
    };

    // Whether an IBus daemon serves this desktop, so that the mode can be set.
    static bool IsAvailable();
    // Starts reading the engines' properties; called once the toolkit has started, before the
    // first window is made.
    static void Watch();
    // Puts the engine into the mode; false when no IBus daemon answers or the engine offers
    // no such mode.
    static bool Set(Conversion conversion);
    // The engine's mode now, as its property's name; empty when the engine named none.
    static std::string Current();
    // Whether the mode (as Current gives it) is the engine's plain input; false when unknown.
    static bool IsDirect(const std::string& mode);
    // Puts the engine back into a mode that Current gave.
    static bool Restore(const std::string& mode);
};
