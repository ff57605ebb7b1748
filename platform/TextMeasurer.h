#pragma once

#include "platform/Geometry.h"

// Measures text in the current font of a drawing surface, so that code without a display can
// break and fit text; the Canvas implements it, tests use fixed-width fakes.
class TextMeasurer
{
public:
    virtual ~TextMeasurer() = default;
    // Width and height in pixels of the first length bytes of text (CP932).
    virtual CSize GetTextExtent(const char* text, int length) const = 0;
};
