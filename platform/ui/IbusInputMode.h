#pragma once

// The conversion mode of the IBus engine that serves the focused input context (IBus keeps one
// engine for all of a desktop's input contexts, so the mode follows the keyboard from window to
// window). The engines name their modes as properties of their own; the Japanese engines in use
// are covered.
class IbusInputMode
{
  public:
    // kDirect is the engine's own plain key input: the input method is closed, and the user can
    // open it again with the desktop's key for it.
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
    // Puts the engine into the mode; false when no IBus daemon answers.
    static bool Set(Conversion conversion);
};
