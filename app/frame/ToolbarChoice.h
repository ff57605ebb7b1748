#pragma once

#include <array>

// Which of the main window's four toolbars show for the kind of window that is active, and
// whether the user wants each of them.
class CToolbarChoice
{
  public:
    // The toolbars, in the order of their flags.
    enum Bar
    {
        kOpenBar,   // no document window
        kMainBar,   // a list window
        kEditorBar, // a photo editor window
        kFormatBar, // a photo editor window, beside the editor toolbar
        kBarCount,
    };

    // Kinds of active window.
    static constexpr int kNoDocument = 0;
    static constexpr int kList = 1;
    static constexpr int kPhotoEditor = 2;

    using Visibility = std::array<bool, kBarCount>;

    bool IsWanted(Bar bar) const { return m_wanted[bar]; }
    void SetWanted(Bar bar, bool wanted) { m_wanted[bar] = wanted; }

    // The toolbars to show for a kind. Kind 0 while a list is still open changes nothing, so the
    // result is then current as given; any unknown kind hides all four.
    Visibility Choose(int kind, bool listStillOpen, const Visibility& current) const;

  private:
    Visibility m_wanted = {true, true, true, true};
};
