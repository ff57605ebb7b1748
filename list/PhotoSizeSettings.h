#pragma once

// The limits to which a list renders its standard-size photos and thumbnails.
struct PhotoSizeSettings
{
    int standardSize = 200;  // pixels
    int standardPercent = 0; // scale in percent; 0 = not used
    int thumbnailSize = 60;  // pixels
    bool shortSide = false;  // the limits apply to the short side of upright photos

    bool operator==(const PhotoSizeSettings&) const = default;
};
