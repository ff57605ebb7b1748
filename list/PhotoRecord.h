#pragma once

#include "foundation/BitmapEx.h"
#include "platform/CString.h"

#include <memory>

// One photo slot of a list: whether it is taken, where its files lie, its size and its name.
struct PhotoRecord
{
    bool inUse = false;
    bool flatFiles = false; // the files still lie directly in the photo folder until the next save
    std::unique_ptr<CBitmapEx> thumbnail; // loaded on first use
    int width = 0;                        // pixels of the rendered photo
    int height = 0;
    CString name;

    void Reset()
    {
        inUse = false;
        flatFiles = false;
        thumbnail.reset();
        width = 0;
        height = 0;
        name.Empty();
    }
};
