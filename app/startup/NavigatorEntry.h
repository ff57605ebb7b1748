#pragma once

#include "app/listwindow/ListSummary.h"
#include "foundation/BitmapEx.h"
#include "platform/CString.h"

// One frame of the start navigator: a picture with a caption, what choosing it opens, and the
// description shown while it is selected. An entry that is not valid is an empty frame.
struct NavigatorEntry
{
    bool valid = false;
    CString caption;
    CString listPath; // empty for the entries that create or choose rather than open
    CString webPath;
    CBitmapEx picture;
    // A bitmap resource shown instead of a picture file (0: none).
    int pictureResource = 0;
    CString description;
    // Recent lists: the summary of the list and the position of the photo shown (-1 none).
    CListSummary summary;
    int photoPosition = -1;
};
