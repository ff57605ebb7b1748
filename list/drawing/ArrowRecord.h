#pragma once

// One arrow head at an end of a line: length in pixels, angle in degrees between each barb and
// the shaft, filled or open.
struct ArrowRecord
{
    int length = 0;
    int angle = 0;
    bool filled = false;

    bool IsDrawn() const { return length > 0 && angle > 0; }
    friend bool operator==(const ArrowRecord&, const ArrowRecord&) = default;
};
