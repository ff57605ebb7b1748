#pragma once

#include "platform/CString.h"

// What the photo output dialog remembers between runs: the folder and the sizes to write.
struct PhotoOutputSettings
{
    CString folder;
    bool sizeOriginal = false;
    bool sizeStandard = true;
    bool sizeThumbnail = false;
    bool sizeFree = false;
    int freeLength = 1280;
    int freeBase = 0;
};
