#pragma once

#include "platform/CString.h"

// One request of the find dialog: the texts and the dialog's flags (FR_* values).
struct CGridFindRequest
{
    CString findWhat;
    CString replaceWith;
    unsigned int flags = 0;
};
