#pragma once

#include <filesystem>
#include <functional>
#include <string>

class CGridView;

// The journeys of a Japanese user through the sample list, the same under every input method the
// tests start: a word composed and committed, a number column's plain digits, a text column's
// own mode after a number column, and a plain text column that keeps the input method as the
// user left it. Each runs by real keys and clicks in the list window.
class JapaneseJourneys
{
  public:
    // What differs between the desktops' input methods.
    struct Desktop
    {
        // The user's key that turns the input method on in a window where it is off (where each
        // window's context starts off); empty where it starts on.
        std::function<void()> turnOn;
        // Whether it is on in the window that has the keyboard.
        std::function<bool()> isOn;
        // What "aiu" composes to in a column of full-width katakana: the mode itself, or the
        // input method on in the mode it has where a program cannot choose kana modes.
        const char* katakanaColumnAiu;
    };

    // The list window of the test program, started once on a sample list of four goods after
    // startInputMethod (the input method must be there before the toolkit starts).
    static CGridView& View(const std::function<bool()>& startInputMethod);
    // The sample list's file.
    static std::filesystem::path ListFile();

    // The columns of the sample list that the journeys use.
    static constexpr int kName = 0;
    static constexpr int kPrice = 3;

    // "nihonn" composes にほん in the cell, Space makes it 日本, Return commits it and the next
    // Return ends the edit; the saved list file holds it.
    static void CommitAWord(CGridView& view, const Desktop& desktop);
    // A number cell takes digits as they are, with no composition, and one Return ends the edit.
    static void TypeDigitsIntoANumberColumn(CGridView& view);
    // A text column in full-width katakana, entered from a number column, types in its mode.
    static void TypeIntoAKatakanaColumnAfterANumberColumn(CGridView& view, const Desktop& desktop);
    // A text column of no mode of its own, left with the input method on and entered again from
    // a number column, still types through it.
    static void TypeIntoAPlainColumnAfterANumberColumn(CGridView& view, const Desktop& desktop);
};
