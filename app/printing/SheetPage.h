#pragma once

#include "platform/Geometry.h"

#include <vector>

// One printed page of a single sheet: the row it belongs to, the height of each column's block
// on it and the photos it holds.
struct SheetPage
{
    struct Photo
    {
        int slot = -1;
        CRect rect; // 0.1 mm from the area's origin, right and bottom inclusive
    };

    int record = -1;
    std::vector<int> blockHeights; // by display column; 0 when the column is not on this page
    std::vector<Photo> photos;

    int BlocksHeight() const
    {
        int height = 0;
        for (int block : blockHeights) {
            height += block;
        }
        return height;
    }
    bool IsEmpty() const { return BlocksHeight() == 0 && photos.empty(); }
};
