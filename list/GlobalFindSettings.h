#pragma once

#include "platform/Arrays.h"

// The application's find condition across all open lists, set by the global extract dialog.
struct GlobalFindSettings
{
    int anyMatch = 0;       // 0: every keyword must be found; other: one is enough
    bool wholeText = false; // a keyword must equal a whole text
    bool caseSensitive = false;
    CStringArray keywords;

    bool IsActive() const { return !keywords.IsEmpty(); }
};
