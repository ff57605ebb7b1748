#pragma once

#include "app/find/ListFindSettings.h"
#include "platform/Arrays.h"

// The application's one find dialog state: what find next looks for, how the last run of the
// dialog ended, and the history of search texts. It lives as long as the program.
class CSearchState
{
  public:
    enum Result
    {
        kFindNext = 0,
        kFindFromTop = 1,
        kCancelled = 2,
    };

    // What the dialog's controls hold when a search button is pressed.
    struct Form
    {
        CString text;
        bool wholeCell = false;
        bool caseSensitive = false;
        bool allColumns = true;
        bool downward = true;
    };

    // The controls as the dialog shows them.
    Form GetForm() const;
    // A search button: stores the controls and enters a new text into the history; fromTop
    // starts the search at the first (or last) line.
    void Accept(const Form& form, bool fromTop);
    void Cancel() { result = kCancelled; }

    ListFindSettings settings;
    CStringArray history;
    int result = kFindNext;
};
