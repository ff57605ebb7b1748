#pragma once

#include <optional>

// Whether fcitx5 converts in the input context that has the keyboard (fcitx5 keeps that state
// for each input context), through its controller on the session bus. fcitx5 offers programs no
// way to choose a kana mode: its input method keeps the mode the user chose there.
class FcitxActivation
{
  public:
    // Whether the input method is on; nothing when fcitx5 does not answer or no context of it
    // has the keyboard.
    static std::optional<bool> IsOn();
    // Turns it on or off in the context that has the keyboard; false when fcitx5 does not answer.
    static bool Turn(bool on);
};
