#pragma once

#include "platform/Arrays.h"

// The application's find condition across all open lists, set by the global extract dialog.
struct GlobalFindSettings
{
    bool opening = false;         // set while the global extract opens the lists of a folder
    bool openFolderLists = false; // open the lists of the folder and extract from them too
    CString folder;
    int anyMatch = 0;       // 0: every keyword must be found; other: one is enough
    bool wholeText = false; // a keyword must equal a whole text
    bool caseSensitive = false;
    CStringArray keywords;
    CStringArray keywordHistory; // typed keyword texts, newest first

    bool IsActive() const { return !keywords.IsEmpty(); }
};
