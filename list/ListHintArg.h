#pragma once

// The object that travels with a view update hint: the photo of hint 4, the cell of hint 8, the
// wheel turn of hint 12 with the pointer in screen coordinates.
struct ListHintArg
{
    int photo = -1;
    int column = -1;
    int row = -1;
    int wheelRotation = 0;
    int pointerX = 0;
    int pointerY = 0;
};
